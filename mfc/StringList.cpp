// CStringList: a list of CStrings.
#include "StringList.h"

IMPLEMENT_SERIAL(CStringList, CObject, 0)

// The template's Serialize stores the count and the strings.
