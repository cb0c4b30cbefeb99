// CStringArray: an array of CStrings.
#include "StringArray.h"

IMPLEMENT_SERIAL(CStringArray, CObject, 0)

// The template's Serialize stores the count and the strings.
