// The spans of floated or merged cells: for each cell the first column (row map) and the first
// row (column map) of the span holding it, 0xFFFFFFFF for none. Owned by the parameter object.
#pragma once
#include "grid/core/CellRange.h"
#include "grid/features/DWordArrayPtrArray.h"

class CGXSpanCellPool : public CObject
{
    DECLARE_SERIAL(CGXSpanCellPool)

  public:
    // Cells at or beyond it never span.
    static constexpr ROWCOL spanLimit = 0x7FFFFFFF;

    CGXSpanCellPool() = default;

    // The row map, then the column map.
    void Serialize(CArchive& ar) override;
    // Widens range (given as the cell) over the span holding the cell; FALSE when there is none.
    virtual BOOL LookupSpan(ROWCOL nRow, ROWCOL nCol, CGXCellRange& range) const;
    // Sets (bSet) or clears a span; TRUE when anything changed.
    virtual BOOL SetSpan(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, BOOL bSet);
    virtual void InsertRows(ROWCOL nRow, ROWCOL nCount);
    virtual void RemoveRows(ROWCOL nFirst, ROWCOL nLast);
    virtual void MoveRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest);
    virtual void InsertCols(ROWCOL nCol, ROWCOL nCount);
    virtual void RemoveCols(ROWCOL nFirst, ROWCOL nLast);
    virtual void MoveCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest);
    virtual void CopyFrom(const CGXSpanCellPool& src);

    static const DWORD noSpan = 0xFFFFFFFF;

    // Implementation
    CGXDWordArrayPtrArray m_rowMap; // [row][column]: first column of the span
    CGXDWordArrayPtrArray m_colMap; // [column][row]: first row of the span

  private:
    CGXSpanCellPool(const CGXSpanCellPool&) = delete;
    CGXSpanCellPool& operator=(const CGXSpanCellPool&) = delete;
};
