// Arrays of owned DWORD arrays.
#include "grid/features/DWordArrayPtrArray.h"
#include "grid/features/SparseArchive.h"

CGXDWordArrayPtrArray::~CGXDWordArrayPtrArray()
{
    DeleteAll();
}

CDWordArray& CGXDWordArrayPtrArray::Ensure(INT_PTR nIndex)
{
    if (CDWordArray* p = GetArray(nIndex))
        return *p;
    CDWordArray* p = new CDWordArray;
    SetAtGrow(nIndex, p);
    return *p;
}

void CGXDWordArrayPtrArray::DeleteAll()
{
    for (INT_PTR i = 0; i < GetSize(); i++)
        delete (CDWordArray*)GetAt(i);
    RemoveAll();
}

void CGXDWordArrayPtrArray::CopyFrom(const CGXDWordArrayPtrArray& src)
{
    if (&src == this)
        return;
    DeleteAll();
    SetSize(src.GetSize());
    for (INT_PTR i = 0; i < src.GetSize(); i++)
        if (const CDWordArray* p = src.GetArray(i))
        {
            CDWordArray* pCopy = new CDWordArray;
            pCopy->Copy(*p);
            SetAt(i, pCopy);
        }
}

void CGXDWordArrayPtrArray::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << (WORD)1;
        GXStoreSparseEntries(ar, *this, [&](INT_PTR i) { GetArray(i)->Serialize(ar); });
        return;
    }
    WORD wVersion = 0;
    ar >> wVersion;
    if (wVersion != 1)
        AfxThrowArchiveException(CArchiveException::badSchema);
    DeleteAll();
    GXLoadSparseEntries(ar, *this, [&](INT_PTR i) { Ensure(i).Serialize(ar); });
}
