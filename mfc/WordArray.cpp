// CWordArray: an array of WORDs.
#include "WordArray.h"

IMPLEMENT_SERIAL(CWordArray, CObject, 0)

// The template's Serialize stores the count and the 16-bit values.
