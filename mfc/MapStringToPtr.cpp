// CMapStringToPtr: a map from strings to untyped pointers.
#include "MapStringToPtr.h"

IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)

void CMapStringToPtr::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
}
