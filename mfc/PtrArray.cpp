// CPtrArray: an array of untyped pointers.
#include "PtrArray.h"

IMPLEMENT_DYNAMIC(CPtrArray, CObject)

void CPtrArray::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
}
