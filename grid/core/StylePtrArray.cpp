// Owned style arrays: deletion, moving of blocks and deep copies.
#include "grid/core/StylePtrArray.h"
#include "grid/core/AppData.h"

IMPLEMENT_SERIAL(CGXStylePtrArray, CPtrArray, 1)
IMPLEMENT_SERIAL(CGXStylePtrArrayPtrArray, CPtrArray, 1)

void AFXAPI GXMovePtrArrayBlock(CPtrArray& a, INT_PTR nFrom, INT_PTR nCount, INT_PTR nDest)
{
    INT_PTR nSize = a.GetSize();
    if (nDest == nFrom || nCount <= 0 || (nFrom >= nSize && nDest >= nSize))
        return;
    // Empty entries go in where the block lands (behind it when moving towards the end, so that
    // removing the old block brings them to nDest), the block is copied in and removed.
    INT_PTR nInsert = nDest > nFrom ? nDest + nCount : nDest;
    INT_PTR nOld = nDest > nFrom ? nFrom : nFrom + nCount;
    a.InsertAt(nInsert, (void*)NULL, nCount);
    for (INT_PTR i = 0; i < nCount; i++)
    {
        INT_PTR nSrc = nOld + i;
        if (nSrc < a.GetSize() && a.GetAt(nSrc) != NULL)
            a.SetAt(nInsert + i, a.GetAt(nSrc));
    }
    if (nOld < a.GetSize())
    {
        INT_PTR n = a.GetSize() - nOld < nCount ? a.GetSize() - nOld : nCount;
        a.RemoveAt(nOld, n);
    }
}

// --- CGXStylePtrArray ---

CGXStylePtrArray::~CGXStylePtrArray()
{
    DeleteAll();
}

CGXStylePtrArray& CGXStylePtrArray::operator=(const CGXStylePtrArray& src)
{
    if (&src == this)
        return *this;
    DeleteAll();
    SetSize(src.GetSize());
    for (INT_PTR i = 0; i < src.GetSize(); i++)
        if (const CGXStyle* p = src.GetStyle(i))
            SetAt(i, p->Clone());
    return *this;
}

void CGXStylePtrArray::DeleteAll()
{
    for (INT_PTR i = 0; i < GetSize(); i++)
        delete (CGXStyle*)GetAt(i);
    RemoveAll();
}

void CGXStylePtrArray::DeleteAt(INT_PTR nIndex, INT_PTR nCount)
{
    if (nIndex < 0 || nIndex >= GetSize() || nCount <= 0)
        return;
    if (nCount > GetSize() - nIndex)
        nCount = GetSize() - nIndex;
    for (INT_PTR i = nIndex; i < nIndex + nCount; i++)
        delete (CGXStyle*)GetAt(i);
    RemoveAt(nIndex, nCount);
}

void CGXStylePtrArray::MoveAt(INT_PTR nFrom, INT_PTR nCount, INT_PTR nDest)
{
    GXMovePtrArrayBlock(*this, nFrom, nCount, nDest);
}

void CGXStylePtrArray::Serialize(CArchive& ar)
{
    if (CGXAbstractGridDocSerializeImp* pImp = GXGetAppData()->m_pDocSerializeImp)
        pImp->SerializeStyleArray(*this, ar);
}

// --- CGXStylePtrArrayPtrArray ---

CGXStylePtrArrayPtrArray::~CGXStylePtrArrayPtrArray()
{
    DeleteAll();
}

CGXStylePtrArrayPtrArray& CGXStylePtrArrayPtrArray::operator=(const CGXStylePtrArrayPtrArray& src)
{
    if (&src == this)
        return *this;
    DeleteAll();
    SetSize(src.GetSize());
    for (INT_PTR i = 0; i < src.GetSize(); i++)
        if (const CGXStylePtrArray* p = src.GetRow(i))
        {
            CGXStylePtrArray* pCopy = new CGXStylePtrArray;
            *pCopy = *p;
            SetAt(i, pCopy);
        }
    return *this;
}

void CGXStylePtrArrayPtrArray::DeleteAll()
{
    for (INT_PTR i = 0; i < GetSize(); i++)
        delete (CGXStylePtrArray*)GetAt(i);
    RemoveAll();
}

void CGXStylePtrArrayPtrArray::DeleteAt(INT_PTR nIndex, INT_PTR nCount)
{
    if (nIndex < 0 || nIndex >= GetSize() || nCount <= 0)
        return;
    if (nCount > GetSize() - nIndex)
        nCount = GetSize() - nIndex;
    for (INT_PTR i = nIndex; i < nIndex + nCount; i++)
        delete (CGXStylePtrArray*)GetAt(i);
    RemoveAt(nIndex, nCount);
}

void CGXStylePtrArrayPtrArray::MoveAt(INT_PTR nFrom, INT_PTR nCount, INT_PTR nDest)
{
    GXMovePtrArrayBlock(*this, nFrom, nCount, nDest);
}

void CGXStylePtrArrayPtrArray::Serialize(CArchive& ar)
{
    if (CGXAbstractGridDocSerializeImp* pImp = GXGetAppData()->m_pDocSerializeImp)
        pImp->SerializeStyleRows(*this, ar);
}
