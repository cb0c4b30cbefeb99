// Span maps of floated and merged cells.
#include "grid/features/SpanCellPool.h"
#include "grid/core/StylePtrArray.h"

IMPLEMENT_SERIAL(CGXSpanCellPool, CObject, 1)

namespace
{
const ROWCOL lookupLimit = 0x80000000, structureLimit = 0x7FFFFFFF;

DWORD ValueAt(const CDWordArray* p, ROWCOL n)
{
    return p != NULL && (INT_PTR)n < p->GetSize() ? p->GetAt((INT_PTR)n) : CGXSpanCellPool::noSpan;
}

// The last index of the run of value v that starts at n.
ROWCOL RunEnd(const CDWordArray& a, ROWCOL n, DWORD v)
{
    while ((INT_PTR)n + 1 < a.GetSize() && a[(INT_PTR)n + 1] == v)
        n++;
    return n;
}

// Writes v into first..last of a (padding with "no span"), then clears what is left of the
// run the overwritten cells belonged to.
void WriteRun(CDWordArray& a, ROWCOL nFirst, ROWCOL nLast, DWORD v)
{
    DWORD old = ValueAt(&a, nLast);
    while (a.GetSize() <= (INT_PTR)nLast)
        a.Add(CGXSpanCellPool::noSpan);
    for (ROWCOL n = nFirst; n <= nLast; n++)
        a[(INT_PTR)n] = v;
    if (old != CGXSpanCellPool::noSpan)
        for (INT_PTR n = (INT_PTR)nLast + 1; n < a.GetSize() && a[n] == old; n++)
            a[n] = CGXSpanCellPool::noSpan;
}

BOOL ClearRun(CDWordArray* p, ROWCOL nFirst)
{
    DWORD v = ValueAt(p, nFirst);
    if (v == CGXSpanCellPool::noSpan)
        return FALSE;
    for (INT_PTR n = (INT_PTR)nFirst; n < p->GetSize() && (*p)[n] == v; n++)
        (*p)[n] = CGXSpanCellPool::noSpan;
    return TRUE;
}

// The outer structure of a map: rows (columns) inserted, removed or moved.
void InsertOuter(CGXDWordArrayPtrArray& map, ROWCOL nFirst, ROWCOL nCount)
{
    if ((INT_PTR)nFirst < map.GetSize())
        map.InsertAt((INT_PTR)nFirst, (void*)NULL, (INT_PTR)nCount);
}

void RemoveOuter(CGXDWordArrayPtrArray& map, ROWCOL nFirst, ROWCOL nLast)
{
    if ((INT_PTR)nFirst >= map.GetSize())
        return;
    INT_PTR nEnd = (INT_PTR)nLast < map.GetSize() ? (INT_PTR)nLast + 1 : map.GetSize();
    for (INT_PTR i = (INT_PTR)nFirst; i < nEnd; i++)
        delete map.GetArray(i);
    map.RemoveAt((INT_PTR)nFirst, nEnd - (INT_PTR)nFirst);
}

// The same inside every inner array.
void InsertInner(CGXDWordArrayPtrArray& map, ROWCOL nFirst, ROWCOL nCount)
{
    for (INT_PTR i = 0; i < map.GetSize(); i++)
        if (CDWordArray* p = map.GetArray(i))
            if ((INT_PTR)nFirst < p->GetSize())
                p->InsertAt((INT_PTR)nFirst, CGXSpanCellPool::noSpan, (INT_PTR)nCount);
}

void RemoveInner(CGXDWordArrayPtrArray& map, ROWCOL nFirst, ROWCOL nLast)
{
    for (INT_PTR i = 0; i < map.GetSize(); i++)
        if (CDWordArray* p = map.GetArray(i))
            if ((INT_PTR)nFirst < p->GetSize())
            {
                INT_PTR nEnd = (INT_PTR)nLast < p->GetSize() ? (INT_PTR)nLast + 1 : p->GetSize();
                p->RemoveAt((INT_PTR)nFirst, nEnd - (INT_PTR)nFirst);
            }
}

void MoveInner(CDWordArray& a, INT_PTR nFrom, INT_PTR nCount, INT_PTR nDest)
{
    if (nDest == nFrom || (nFrom >= a.GetSize() && nDest >= a.GetSize()))
        return;
    INT_PTR nNeed = (nFrom > nDest ? nFrom : nDest) + nCount;
    while (a.GetSize() < nNeed)
        a.Add(CGXSpanCellPool::noSpan);
    CDWordArray block;
    for (INT_PTR i = 0; i < nCount; i++)
        block.Add(a[nFrom + i]);
    a.RemoveAt(nFrom, nCount);
    a.InsertAt(nDest, &block);
}

void MoveBoth(CGXDWordArrayPtrArray& outer, CGXDWordArrayPtrArray& inner, ROWCOL nFirst, ROWCOL nLast,
              ROWCOL nDest)
{
    if (nFirst > nLast || nLast >= structureLimit || nDest >= structureLimit)
        return;
    INT_PTR nCount = (INT_PTR)(nLast - nFirst) + 1;
    GXMovePtrArrayBlock(outer, (INT_PTR)nFirst, nCount, (INT_PTR)nDest);
    for (INT_PTR i = 0; i < inner.GetSize(); i++)
        if (CDWordArray* p = inner.GetArray(i))
            MoveInner(*p, (INT_PTR)nFirst, nCount, (INT_PTR)nDest);
}
} // namespace

void CGXSpanCellPool::Serialize(CArchive& ar)
{
    m_rowMap.Serialize(ar);
    m_colMap.Serialize(ar);
}

BOOL CGXSpanCellPool::LookupSpan(ROWCOL nRow, ROWCOL nCol, CGXCellRange& range) const
{
    if (nRow >= lookupLimit || nCol >= lookupLimit)
        return FALSE;
    BOOL bFound = FALSE;
    const CDWordArray* pRow = m_rowMap.GetArray((INT_PTR)nRow);
    DWORD v = ValueAt(pRow, nCol);
    if (v != noSpan)
    {
        range.left = v;
        range.right = RunEnd(*pRow, nCol, v);
        bFound = TRUE;
    }
    const CDWordArray* pCol = m_colMap.GetArray((INT_PTR)nCol);
    v = ValueAt(pCol, nRow);
    if (v != noSpan)
    {
        range.top = v;
        range.bottom = RunEnd(*pCol, nRow, v);
        bFound = TRUE;
    }
    return bFound;
}

BOOL CGXSpanCellPool::SetSpan(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, BOOL bSet)
{
    if (nTop > nBottom || nLeft > nRight || nBottom >= lookupLimit || nRight >= lookupLimit)
        return FALSE;
    BOOL bChanged = FALSE;
    if (bSet)
    {
        if (nRight > nLeft)
            for (ROWCOL r = nTop; r <= nBottom; r++, bChanged = TRUE)
                WriteRun(m_rowMap.Ensure((INT_PTR)r), nLeft, nRight, nLeft);
        if (nBottom > nTop)
            for (ROWCOL c = nLeft; c <= nRight; c++, bChanged = TRUE)
                WriteRun(m_colMap.Ensure((INT_PTR)c), nTop, nBottom, nTop);
        return bChanged;
    }
    for (ROWCOL r = nTop; r <= nBottom; r++)
        bChanged |= ClearRun(m_rowMap.GetArray((INT_PTR)r), nLeft);
    for (ROWCOL c = nLeft; c <= nRight; c++)
        bChanged |= ClearRun(m_colMap.GetArray((INT_PTR)c), nTop);
    return bChanged;
}

void CGXSpanCellPool::InsertRows(ROWCOL nRow, ROWCOL nCount)
{
    if (nRow >= structureLimit || nCount == 0 || nCount >= structureLimit)
        return;
    InsertOuter(m_rowMap, nRow, nCount);
    InsertInner(m_colMap, nRow, nCount);
}

void CGXSpanCellPool::RemoveRows(ROWCOL nFirst, ROWCOL nLast)
{
    if (nFirst > nLast || nFirst >= structureLimit)
        return;
    RemoveOuter(m_rowMap, nFirst, nLast);
    RemoveInner(m_colMap, nFirst, nLast);
}

void CGXSpanCellPool::MoveRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest)
{
    MoveBoth(m_rowMap, m_colMap, nFirst, nLast, nDest);
}

void CGXSpanCellPool::InsertCols(ROWCOL nCol, ROWCOL nCount)
{
    if (nCol >= structureLimit || nCount == 0 || nCount >= structureLimit)
        return;
    InsertOuter(m_colMap, nCol, nCount);
    InsertInner(m_rowMap, nCol, nCount);
}

void CGXSpanCellPool::RemoveCols(ROWCOL nFirst, ROWCOL nLast)
{
    if (nFirst > nLast || nFirst >= structureLimit)
        return;
    RemoveOuter(m_colMap, nFirst, nLast);
    RemoveInner(m_rowMap, nFirst, nLast);
}

void CGXSpanCellPool::MoveCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest)
{
    MoveBoth(m_colMap, m_rowMap, nFirst, nLast, nDest);
}

void CGXSpanCellPool::CopyFrom(const CGXSpanCellPool& src)
{
    m_rowMap.CopyFrom(src.m_rowMap);
    m_colMap.CopyFrom(src.m_colMap);
}
