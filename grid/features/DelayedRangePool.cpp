// Ranges waiting for their floats or merges.
#include "grid/features/DelayedRangePool.h"
#include "grid/core/PtrArrayPtrArray.h"
#include <memory>

IMPLEMENT_SERIAL(CGXDelayedRangePool, CObject, 1)

CGXDelayedRangePool::~CGXDelayedRangePool()
{
    RemoveAll();
}

void CGXDelayedRangePool::RemoveAll()
{
    GXDeleteAllObjects(m_ranges);
}

void CGXDelayedRangePool::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)m_ranges.GetSize());
        for (INT_PTR i = 0; i < m_ranges.GetSize(); i++)
            ar << m_ranges[i];
        return;
    }
    RemoveAll();
    // Each range costs bytes in the archive, so a false count ends at the end of the file.
    DWORD n = ar.ReadCount();
    for (DWORD i = 0; i < n; i++)
    {
        CObject* p = ar.ReadNewObject(RUNTIME_CLASS(CGXDelayedRange));
        if (p == NULL)
            AfxThrowArchiveException(CArchiveException::generic);
        m_ranges.Add(p);
    }
}

void CGXDelayedRangePool::CopyFrom(const CGXDelayedRangePool& src)
{
    if (&src == this)
        return;
    RemoveAll();
    for (INT_PTR i = 0; i < src.GetCount(); i++)
    {
        CGXDelayedRange* p = new CGXDelayedRange;
        p->CopyFrom(*src.GetAt(i));
        m_ranges.Add(p);
    }
}

void CGXDelayedRangePool::AddRange(const CGXCellRange& r)
{
    CGXDelayedRange* pReuse = NULL;
    for (INT_PTR i = 0; i < GetCount(); i++)
    {
        CGXDelayedRange* d = GetAt(i);
        if (d->m_bDone || !r.ContainsCell(d->m_range.top, d->m_range.left) ||
            !r.ContainsCell(d->m_range.bottom, d->m_range.right))
            continue;
        d->m_awStart.RemoveAll();
        d->m_awEnd.RemoveAll();
        d->m_bDone = TRUE;
        if (pReuse == NULL)
            pReuse = d;
    }
    for (INT_PTR i = 0; i < GetCount(); i++)
    {
        CGXDelayedRange* d = GetAt(i);
        if (d->m_bDone || d->m_awStart.GetSize() != 0)
            continue;
        if (d->m_range.right + 1 == r.left)
            d->m_range.right = r.right;
        if (d->m_range.bottom + 1 == r.top)
            d->m_range.bottom = r.bottom;
        if (d->m_range.ContainsCell(r.top, r.left) && d->m_range.ContainsCell(r.bottom, r.right))
            return;
    }
    if (pReuse == NULL)
    {
        pReuse = new CGXDelayedRange;
        m_ranges.InsertAt(0, pReuse);
    }
    pReuse->m_range = r;
    pReuse->m_awStart.RemoveAll();
    pReuse->m_awEnd.RemoveAll();
    pReuse->m_bDone = FALSE;
}

void CGXDelayedRangePool::ClampRows(ROWCOL nRows)
{
    for (INT_PTR i = 0; i < GetCount(); i++)
    {
        CGXCellRange& r = GetAt(i)->m_range;
        r.top = r.top < nRows ? r.top : nRows;
        r.bottom = r.bottom < nRows ? r.bottom : nRows;
    }
}

void CGXDelayedRangePool::ClampCols(ROWCOL nCols)
{
    for (INT_PTR i = 0; i < GetCount(); i++)
    {
        CGXCellRange& r = GetAt(i)->m_range;
        r.left = r.left < nCols ? r.left : nCols;
        r.right = r.right < nCols ? r.right : nCols;
    }
}

void CGXDelayedRangePool::SplitAt(INT_PTR i, ROWCOL nRow)
{
    CGXDelayedRange* d = GetAt(i);
    if (d->m_bDone || nRow <= d->m_range.top || nRow > d->m_range.bottom)
        return;
    std::unique_ptr<CGXDelayedRange> pLower(new CGXDelayedRange);
    pLower->m_range = d->m_range;
    pLower->m_range.top = nRow;
    pLower->CopyIntervals(*d, nRow, d->m_range.bottom);
    d->m_range.bottom = nRow - 1;
    CGXDelayedRange whole;
    whole.CopyFrom(*d);
    d->CopyIntervals(whole, d->m_range.top, d->m_range.bottom);
    m_ranges.InsertAt(i + 1, pLower.release());
}

BOOL CGXDelayedRangePool::GetPendingCells(const CGXCellRange& r, CDWordArray& awFirst, CDWordArray& awLast)
{
    if (!r.IsValid() || r.top > r.bottom || r.left > r.right || r.bottom >= 0x80000000)
        return FALSE;
    INT_PTR nRows = (INT_PTR)(r.bottom - r.top) + 1;
    awFirst.RemoveAll();
    awLast.RemoveAll();
    awFirst.InsertAt(0, (DWORD)0xFFFFFFFF, (int)nRows);
    awLast.InsertAt(0, (DWORD)0, (int)nRows);
    for (INT_PTR i = 0; i < GetCount(); i++)
        SplitAt(i, r.top);
    for (INT_PTR i = 0; i < GetCount(); i++)
        SplitAt(i, r.bottom + 1);
    BOOL bFound = FALSE;
    for (INT_PTR i = 0; i < GetCount(); i++)
    {
        CGXDelayedRange* d = GetAt(i);
        const CGXCellRange& dr = d->m_range;
        if (d->m_bDone || dr.bottom < r.top || dr.top > r.bottom || dr.right < r.left || dr.left > r.right)
            continue;
        ROWCOL a = dr.top > r.top ? dr.top : r.top, b = dr.bottom < r.bottom ? dr.bottom : r.bottom;
        for (ROWCOL row = a; row <= b; row++)
        {
            if (d->IsEvaluated(row))
                continue;
            INT_PTR k = (INT_PTR)(row - r.top);
            if (awFirst[k] > dr.left)
                awFirst[k] = dr.left;
            if (awLast[k] < dr.right)
                awLast[k] = dr.right;
            bFound = TRUE;
        }
        d->MarkEvaluated(a, b);
    }
    if (bFound)
        RemoveDone();
    return bFound;
}

void CGXDelayedRangePool::RemoveDone()
{
    for (INT_PTR i = GetCount() - 1; i >= 0; i--)
        if (GetAt(i)->m_bDone)
        {
            delete GetAt(i);
            m_ranges.RemoveAt(i);
        }
}
