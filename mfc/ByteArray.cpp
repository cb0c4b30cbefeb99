// CByteArray: an array of bytes.
#include "ByteArray.h"

IMPLEMENT_SERIAL(CByteArray, CObject, 0)

// The template's Serialize stores the count and the bytes.
