// CPtrList: a list of untyped pointers.
#include "PtrList.h"

IMPLEMENT_DYNAMIC(CPtrList, CObject)

void CPtrList::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
}
