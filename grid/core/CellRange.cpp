// Cell ranges: setters that keep the invariants, containment, intersection and union.
#include "grid/core/CellRange.h"

CGXCellRange::CGXCellRange() : rtType(typeCells), top(0), left(0), bottom(0), right(0), m_bValid(0)
{
}

CGXCellRange::CGXCellRange(const CGXCellRange* pSrc) : CGXCellRange()
{
    if (pSrc != NULL)
        *this = *pSrc;
}

CGXCellRange::CGXCellRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) : CGXCellRange()
{
    SetCells(nTop, nLeft, nBottom, nRight);
}

CGXCellRange::CGXCellRange(ROWCOL nRow, ROWCOL nCol) : CGXCellRange()
{
    SetCells(nRow, nCol, nRow, nCol);
}

static ROWCOL MinRC(ROWCOL a, ROWCOL b)
{
    return a < b ? a : b;
}

static ROWCOL MaxRC(ROWCOL a, ROWCOL b)
{
    return a > b ? a : b;
}

CGXCellRange& CGXCellRange::SetCells(ROWCOL nRow1, ROWCOL nCol1, ROWCOL nRow2, ROWCOL nCol2)
{
    rtType = typeCells;
    top = MinRC(nRow1, nRow2);
    bottom = MaxRC(nRow1, nRow2);
    left = MinRC(nCol1, nCol2);
    right = MaxRC(nCol1, nCol2);
    m_bValid = 1;
    return *this;
}

CGXCellRange& CGXCellRange::SetRows(ROWCOL nRow1, ROWCOL nRow2)
{
    rtType = typeRows;
    top = MinRC(nRow1, nRow2);
    bottom = MaxRC(nRow1, nRow2);
    left = right = 0;
    m_bValid = 1;
    return *this;
}

CGXCellRange& CGXCellRange::SetCols(ROWCOL nCol1, ROWCOL nCol2)
{
    rtType = typeCols;
    left = MinRC(nCol1, nCol2);
    right = MaxRC(nCol1, nCol2);
    top = bottom = 0;
    m_bValid = 1;
    return *this;
}

CGXCellRange& CGXCellRange::SetTable()
{
    rtType = typeTable;
    m_bValid = 1;
    return *this;
}

CGXCellRange& CGXCellRange::ExpandToCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight)
{
    switch (rtType)
    {
    case typeRows:
        left = nLeft;
        right = nRight;
        break;
    case typeCols:
        top = nTop;
        bottom = nBottom;
        break;
    case typeTable:
        top = nTop;
        left = nLeft;
        bottom = nBottom;
        right = nRight;
        break;
    default:
        return *this;
    }
    rtType = typeCells;
    return *this;
}

BOOL CGXCellRange::ContainsCell(ROWCOL nRow, ROWCOL nCol) const
{
    if (!m_bValid)
        return FALSE;
    BOOL bRow = top <= nRow && nRow <= bottom;
    BOOL bCol = left <= nCol && nCol <= right;
    switch (rtType)
    {
    case typeCells:
        return bRow && bCol;
    case typeRows:
        return bRow;
    case typeCols:
        return bCol;
    default:
        return TRUE;
    }
}

BOOL CGXCellRange::Intersect(const CGXCellRange& ra, const CGXCellRange& rb)
{
    // Work on copies: this may be one of the operands.
    const CGXCellRange a(ra), b(rb);

    if (a.IsTable() || b.IsTable())
    {
        *this = b.IsTable() ? a : b;
        m_bValid = 1;
        return TRUE;
    }
    if ((a.IsRows() && b.IsCols()) || (a.IsCols() && b.IsRows()))
    {
        const CGXCellRange& rows = a.IsRows() ? a : b;
        const CGXCellRange& cols = a.IsRows() ? b : a;
        rtType = typeCells;
        top = rows.top;
        bottom = rows.bottom;
        left = cols.left;
        right = cols.right;
        m_bValid = 1;
        return TRUE;
    }
    if (a.IsCells() && b.IsCells())
    {
        rtType = typeCells;
        top = MaxRC(a.top, b.top);
        left = MaxRC(a.left, b.left);
        bottom = MinRC(a.bottom, b.bottom);
        right = MinRC(a.right, b.right);
        m_bValid = left <= right && top <= bottom;
        return m_bValid;
    }
    if (a.IsRows() || b.IsRows())
    {
        // Rows with rows or with cells: the columns come from the other operand (b for two rows).
        const CGXCellRange& other = a.IsRows() ? b : a;
        rtType = other.rtType;
        top = MaxRC(a.top, b.top);
        bottom = MinRC(a.bottom, b.bottom);
        left = other.left;
        right = other.right;
        m_bValid = top <= bottom;
        return m_bValid;
    }
    // Columns with columns or with cells.
    const CGXCellRange& other = a.IsCols() ? b : a;
    rtType = other.rtType;
    left = MaxRC(a.left, b.left);
    right = MinRC(a.right, b.right);
    top = other.top;
    bottom = other.bottom;
    m_bValid = left <= right;
    return m_bValid;
}

BOOL CGXCellRange::Union(const CGXCellRange& ra, const CGXCellRange& rb)
{
    const CGXCellRange a(ra), b(rb);
    if (a.IsTable() || b.IsTable() || (a.IsRows() && b.IsCols()) || (a.IsCols() && b.IsRows()))
        SetTable();
    else if (a.IsCells() && b.IsCells())
        SetCells(MinRC(a.top, b.top), MinRC(a.left, b.left), MaxRC(a.bottom, b.bottom),
                 MaxRC(a.right, b.right));
    else if (a.IsRows() || b.IsRows())
        SetRows(MinRC(a.top, b.top), MaxRC(a.bottom, b.bottom));
    else
        SetCols(MinRC(a.left, b.left), MaxRC(a.right, b.right));
    return m_bValid;
}

BOOL CGXCellRange::operator==(const CGXCellRange& o) const
{
    return rtType == o.rtType && top == o.top && left == o.left && bottom == o.bottom && right == o.right &&
           m_bValid == o.m_bValid;
}

CArchive& AFXAPI operator<<(CArchive& ar, const CGXCellRange& range)
{
    ar << (DWORD)range.top << (DWORD)range.left << (DWORD)range.bottom << (DWORD)range.right;
    ar << (BYTE)range.rtType << (BYTE)range.m_bValid;
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, CGXCellRange& range)
{
    DWORD dw;
    BYTE b;
    ar >> dw;
    range.top = dw;
    ar >> dw;
    range.left = dw;
    ar >> dw;
    range.bottom = dw;
    ar >> dw;
    range.right = dw;
    ar >> b;
    range.rtType = b;
    ar >> b;
    range.m_bValid = b;
    return ar;
}
