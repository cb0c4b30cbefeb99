// CMapPtrToPtr: a map from pointers to pointers.
#include "MapPtrToPtr.h"

IMPLEMENT_DYNAMIC(CMapPtrToPtr, CObject)

void CMapPtrToPtr::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
}
