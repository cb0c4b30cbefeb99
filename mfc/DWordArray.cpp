// CDWordArray: an array of DWORDs.
#include "DWordArray.h"

IMPLEMENT_SERIAL(CDWordArray, CObject, 0)

// The template's Serialize stores the count and the 32-bit values.
