// CUIntArray: an array of UINTs.
#include "UIntArray.h"

IMPLEMENT_DYNAMIC(CUIntArray, CObject)

void CUIntArray::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
}
