// CMapStringToString: a map from strings to strings.
#include "MapStringToString.h"

IMPLEMENT_SERIAL(CMapStringToString, CObject, 0)

// The template's Serialize stores the count and key, value string pairs.
