// CMapWordToPtr: a map from WORDs to untyped pointers.
#include "MapWordToPtr.h"

IMPLEMENT_DYNAMIC(CMapWordToPtr, CObject)

void CMapWordToPtr::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
}
