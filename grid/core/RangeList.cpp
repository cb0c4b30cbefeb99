// Range lists: lookups, interval collection and the adjustments that keep ranges on their
// cells when rows or columns are inserted, removed or moved.
#include "grid/core/RangeList.h"

IMPLEMENT_SERIAL(CGXRangeList, CPtrList, 1)

namespace
{
// One axis of a range, so that rows and columns share one implementation.
struct Axis
{
    ROWCOL CGXCellRange::*first;
    ROWCOL CGXCellRange::*last;
};
const Axis kRowAxis = {&CGXCellRange::top, &CGXCellRange::bottom};
const Axis kColAxis = {&CGXCellRange::left, &CGXCellRange::right};

void Collect(const CGXRangeList& list, const Axis& axis, DWORD wholeType, DWORD crossType, ROWCOL nCount,
             CDWordArray& firsts, CDWordArray& lasts, BOOL bWholeOnly)
{
    firsts.RemoveAll();
    lasts.RemoveAll();
    POSITION pos = list.GetHeadPosition();
    while (pos != NULL)
    {
        const CGXCellRange* r = list.GetNext(pos);
        if (!r->IsValid())
            continue;
        if (bWholeOnly && r->rtType != wholeType && !r->IsTable())
            continue;
        DWORD f = r->*axis.first;
        DWORD l = (r->rtType == crossType || r->IsTable()) ? nCount : r->*axis.last;

        INT_PTR i = 0, n = firsts.GetSize();
        for (; i < n; i++)
        {
            DWORD ef = firsts[i], el = lasts[i];
            BOOL bOverlap =
                (f >= ef && f <= el) || (l >= ef && l <= el) || (ef >= f && ef <= l) || (el >= f && el <= l);
            if (bOverlap)
            {
                firsts[i] = ef < f ? ef : f;
                lasts[i] = el > l ? el : l;
                break;
            }
        }
        if (i < n)
            continue;
        for (i = 0; i < n && firsts[i] <= f; i++)
        {
        }
        firsts.InsertAt(i, f);
        lasts.InsertAt(i, l);
    }
    // Join neighbours that touch or overlap (computed wide so the last row cannot wrap).
    for (INT_PTR i = 0; i + 1 < firsts.GetSize();)
    {
        if ((ULONGLONG)lasts[i] + 1 >= firsts[i + 1])
        {
            if (lasts[i + 1] > lasts[i])
                lasts[i] = lasts[i + 1];
            firsts.RemoveAt(i + 1);
            lasts.RemoveAt(i + 1);
        }
        else
            i++;
    }
}

void AdjustInserted(CGXRangeList& list, const Axis& axis, ROWCOL nAt, ROWCOL nCount)
{
    POSITION pos = list.GetHeadPosition();
    while (pos != NULL)
    {
        CGXCellRange* r = list.GetNext(pos);
        if (r->*axis.first >= nAt)
            r->*axis.first += nCount;
        if (r->*axis.last >= nAt)
            r->*axis.last += nCount;
    }
}

void AdjustRemoved(CGXRangeList& list, const Axis& axis, ROWCOL nFirst, ROWCOL nLast, ROWCOL nLimit)
{
    ROWCOL n = nLast - nFirst + 1;
    POSITION pos = list.GetHeadPosition();
    while (pos != NULL)
    {
        CGXCellRange* r = list.GetNext(pos);
        if (!r->IsValid())
            continue;
        ROWCOL& f = r->*axis.first;
        ROWCOL& l = r->*axis.last;
        if (f >= nFirst && l <= nLast)
        {
            r->m_bValid = 0;
        }
        else
        {
            if (f >= nFirst)
            {
                ROWCOL t = (f > nLast ? f : nLast) - n;
                f = t > nFirst ? t : nFirst;
            }
            if (l >= nFirst)
                l = (l > nLast ? l : nLast) - n;
            r->m_bValid = l >= f;
        }
        if (l > nLimit)
            l = nLimit;
    }
}

void AdjustMoved(CGXRangeList& list, const Axis& axis, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest,
                 ROWCOL nLimit)
{
    ROWCOL n = nLast - nFirst + 1;
    POSITION pos = list.GetHeadPosition();
    while (pos != NULL)
    {
        CGXCellRange* r = list.GetNext(pos);
        ROWCOL& f = r->*axis.first;
        ROWCOL& l = r->*axis.last;
        // Displacement of the range's first row, applied to both ends (unsigned, wraps as signed).
        ROWCOL d = 0;
        if (nDest > nFirst)
        {
            if (f >= nFirst && f <= nLast)
                d = nDest - nFirst;
            else if (f > nLast && f <= nDest + n - 1)
                d = (ROWCOL)0 - n;
        }
        else if (nDest < nFirst)
        {
            if (f >= nFirst && f <= nLast)
                d = nDest - nFirst;
            else if (f >= nDest && f < nFirst)
                d = n;
        }
        f += d;
        l += d;
        if (l > nLimit)
            l = nLimit;
    }
}
} // namespace

CGXRangeList::CGXRangeList() : CPtrList(10)
{
}

CGXRangeList::~CGXRangeList()
{
    DeleteAll();
}

CGXRangeList& CGXRangeList::operator=(const CGXRangeList& src)
{
    if (&src == this)
        return *this;
    DeleteAll();
    // Each copy goes to the head, so the copy holds the valid ranges in reverse order.
    POSITION pos = src.GetHeadPosition();
    while (pos != NULL)
    {
        const CGXCellRange* r = src.GetNext(pos);
        if (r->IsValid())
            AddHead(new CGXCellRange(*r));
    }
    return *this;
}

void CGXRangeList::DeleteAll()
{
    POSITION pos = GetHeadPosition();
    while (pos != NULL)
        delete GetNext(pos);
    RemoveAll();
}

void CGXRangeList::DeleteAt(POSITION pos)
{
    delete GetAt(pos);
    RemoveAt(pos);
}

void CGXRangeList::RemoveInvalidRanges()
{
    POSITION pos = GetHeadPosition();
    while (pos != NULL)
    {
        POSITION cur = pos;
        if (!GetNext(pos)->IsValid())
            DeleteAt(cur);
    }
}

BOOL CGXRangeList::IsCellInList(ROWCOL nRow, ROWCOL nCol, POSITION posSkip) const
{
    POSITION pos = GetHeadPosition();
    while (pos != NULL)
    {
        POSITION cur = pos;
        const CGXCellRange* r = GetNext(pos);
        if (cur != posSkip && r->ContainsCell(nRow, nCol))
            return TRUE;
    }
    return FALSE;
}

POSITION CGXRangeList::FindRangeWithCell(ROWCOL nRow, ROWCOL nCol) const
{
    POSITION pos = GetHeadPosition();
    while (pos != NULL)
    {
        POSITION cur = pos;
        if (GetNext(pos)->ContainsCell(nRow, nCol))
            return cur;
    }
    return NULL;
}

BOOL CGXRangeList::HasRangeInRow(ROWCOL nRow) const
{
    POSITION pos = GetHeadPosition();
    while (pos != NULL)
    {
        const CGXCellRange* r = GetNext(pos);
        if (!r->IsValid())
            continue;
        if (r->IsCols() || r->IsTable() || (r->top <= nRow && nRow <= r->bottom))
            return TRUE;
    }
    return FALSE;
}

BOOL CGXRangeList::HasRangeInCol(ROWCOL nCol) const
{
    POSITION pos = GetHeadPosition();
    while (pos != NULL)
    {
        const CGXCellRange* r = GetNext(pos);
        if (!r->IsValid())
            continue;
        if (r->IsRows() || r->IsTable() || (r->left <= nCol && nCol <= r->right))
            return TRUE;
    }
    return FALSE;
}

BOOL CGXRangeList::GetRowArray(ROWCOL nRowCount, CDWordArray& awFirst, CDWordArray& awLast,
                               BOOL bWholeRowsOnly) const
{
    Collect(*this, kRowAxis, CGXCellRange::typeRows, CGXCellRange::typeCols, nRowCount, awFirst, awLast,
            bWholeRowsOnly);
    return awFirst.GetSize() > 0;
}

BOOL CGXRangeList::GetColArray(ROWCOL nColCount, CDWordArray& awFirst, CDWordArray& awLast,
                               BOOL bWholeColsOnly) const
{
    Collect(*this, kColAxis, CGXCellRange::typeCols, CGXCellRange::typeRows, nColCount, awFirst, awLast,
            bWholeColsOnly);
    return awFirst.GetSize() > 0;
}

void CGXRangeList::AdjustForInsertedRows(ROWCOL nRow, ROWCOL nCount)
{
    AdjustInserted(*this, kRowAxis, nRow, nCount);
}

void CGXRangeList::AdjustForInsertedCols(ROWCOL nCol, ROWCOL nCount)
{
    AdjustInserted(*this, kColAxis, nCol, nCount);
}

void CGXRangeList::AdjustForRemovedRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nLimit)
{
    AdjustRemoved(*this, kRowAxis, nFirst, nLast, nLimit);
}

void CGXRangeList::AdjustForRemovedCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nLimit)
{
    AdjustRemoved(*this, kColAxis, nFirst, nLast, nLimit);
}

void CGXRangeList::AdjustForMovedRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, ROWCOL nLimit)
{
    AdjustMoved(*this, kRowAxis, nFirst, nLast, nDest, nLimit);
}

void CGXRangeList::AdjustForMovedCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, ROWCOL nLimit)
{
    AdjustMoved(*this, kColAxis, nFirst, nLast, nDest, nLimit);
}

void CGXRangeList::Serialize(CArchive& ar)
{
    static const WORD wSchema = 1;
    if (ar.IsStoring())
    {
        RemoveInvalidRanges();
        ar << wSchema;
        ar << (DWORD)GetCount();
        POSITION pos = GetHeadPosition();
        while (pos != NULL)
            ar << *GetNext(pos);
    }
    else
    {
        WORD w;
        ar >> w;
        if (w != wSchema)
            AfxThrowArchiveException(CArchiveException::badSchema);
        DWORD dwCount;
        ar >> dwCount;
        for (DWORD i = 0; i < dwCount; i++)
        {
            CGXCellRange range;
            ar >> range;
            AddTail(new CGXCellRange(range));
        }
    }
}
