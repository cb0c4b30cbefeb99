// A list of cell ranges (the selection, the covered cells, ...). The list owns the range
// records it holds and deletes them when they are removed or the list is destroyed.
#pragma once
#include "grid/core/CellRange.h"

class CGXRangeList : public CPtrList
{
    DECLARE_SERIAL(CGXRangeList)

  public:
    // Construction
    CGXRangeList();
    ~CGXRangeList() override;
    CGXRangeList& operator=(const CGXRangeList& src);

    // Operations
    POSITION AddHead(CGXCellRange* pRange)
    {
        return CPtrList::AddHead(pRange);
    }
    POSITION AddTail(CGXCellRange* pRange)
    {
        return CPtrList::AddTail(pRange);
    }
    CGXCellRange* GetHead() const
    {
        return (CGXCellRange*)CPtrList::GetHead();
    }
    CGXCellRange* GetTail() const
    {
        return (CGXCellRange*)CPtrList::GetTail();
    }
    CGXCellRange* GetNext(POSITION& pos) const
    {
        return (CGXCellRange*)CPtrList::GetNext(pos);
    }
    CGXCellRange* GetPrev(POSITION& pos) const
    {
        return (CGXCellRange*)CPtrList::GetPrev(pos);
    }
    CGXCellRange* GetAt(POSITION pos) const
    {
        return (CGXCellRange*)CPtrList::GetAt(pos);
    }

    void DeleteAll();
    void DeleteAt(POSITION pos);
    void RemoveInvalidRanges();

    BOOL IsCellInList(ROWCOL nRow, ROWCOL nCol, POSITION posSkip = NULL) const;
    POSITION FindRangeWithCell(ROWCOL nRow, ROWCOL nCol) const;
    BOOL HasRangeInRow(ROWCOL nRow) const;
    BOOL HasRangeInCol(ROWCOL nCol) const;

    // The disjoint row (column) intervals the list covers; TRUE when there is at least one.
    BOOL GetRowArray(ROWCOL nRowCount, CDWordArray& awFirst, CDWordArray& awLast, BOOL bWholeRowsOnly) const;
    BOOL GetColArray(ROWCOL nColCount, CDWordArray& awFirst, CDWordArray& awLast, BOOL bWholeColsOnly) const;

    void AdjustForInsertedRows(ROWCOL nRow, ROWCOL nCount);
    void AdjustForInsertedCols(ROWCOL nCol, ROWCOL nCount);
    void AdjustForRemovedRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nLimit);
    void AdjustForRemovedCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nLimit);
    void AdjustForMovedRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, ROWCOL nLimit);
    void AdjustForMovedCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, ROWCOL nLimit);

    // Overridables
    void Serialize(CArchive& ar) override;

  private:
    CGXRangeList(const CGXRangeList&) = delete;
};
