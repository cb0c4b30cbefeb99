// A rectangular range of cells, whole rows, whole columns or the whole table: the value type
// with which every grid operation names more than one cell. Knows nothing about any grid.
#pragma once
#include "GridTypes.h"

class CGXCellRange
{
  public:
    enum RangeType
    {
        typeCells = 0,
        typeRows = 1,
        typeCols = 2,
        typeTable = 3
    };

    // Construction
    CGXCellRange();
    CGXCellRange(const CGXCellRange& src) = default;
    explicit CGXCellRange(const CGXCellRange* pSrc);
    CGXCellRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight);
    CGXCellRange(ROWCOL nRow, ROWCOL nCol);
    CGXCellRange& operator=(const CGXCellRange& src) = default;

    // Operations
    CGXCellRange& SetCells(ROWCOL nRow1, ROWCOL nCol1, ROWCOL nRow2, ROWCOL nCol2);
    CGXCellRange& SetRows(ROWCOL nRow1, ROWCOL nRow2);
    CGXCellRange& SetCols(ROWCOL nCol1, ROWCOL nCol2);
    CGXCellRange& SetTable();
    // Turns a rows, columns or table range into cells, taking the missing bounds from the arguments.
    CGXCellRange& ExpandToCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight);

    BOOL IsCells() const
    {
        return rtType == typeCells;
    }
    BOOL IsRows() const
    {
        return rtType == typeRows;
    }
    BOOL IsCols() const
    {
        return rtType == typeCols;
    }
    BOOL IsTable() const
    {
        return rtType == typeTable;
    }
    BOOL IsValid() const
    {
        return m_bValid != 0;
    }

    BOOL ContainsCell(ROWCOL nRow, ROWCOL nCol) const;
    // This range becomes a ∩ b (this may be a or b); returns the valid flag.
    BOOL Intersect(const CGXCellRange& a, const CGXCellRange& b);
    // This range becomes the smallest range covering a and b; returns the valid flag.
    BOOL Union(const CGXCellRange& a, const CGXCellRange& b);

    BOOL operator==(const CGXCellRange& other) const;
    BOOL operator!=(const CGXCellRange& other) const
    {
        return !(*this == other);
    }

    // Implementation: six 32-bit fields, 24 bytes on every platform.
    DWORD rtType;
    ROWCOL top;
    ROWCOL left;
    ROWCOL bottom;
    ROWCOL right;
    DWORD m_bValid;
};

// Archive form: top, left, bottom, right as 32 bits, then type and valid flag as one byte each.
CArchive& AFXAPI operator<<(CArchive& ar, const CGXCellRange& range);
CArchive& AFXAPI operator>>(CArchive& ar, CGXCellRange& range);
