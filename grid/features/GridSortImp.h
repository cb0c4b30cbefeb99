// Sorting the rows (columns) of a grid by the texts of key columns (rows): the keys are
// collected under a long operation that Esc may abort, compared as numbers, dates or texts, and
// the new order is applied with undo. A double click on a header cell sorts by it.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridSortImp : public CGXAbstractGridSortImp
{
  public:
    void SortKeys(CGXGridCore* pGrid, CGXSortInfoArray& sortInfo, CPtrArray& apKeyRecords) override;
    void SortRows(CGXGridCore* pGrid, const CGXCellRange& range, CGXSortInfoArray& sortInfo,
                  UINT flags) override;
    BOOL ApplyRowOrder(CGXGridCore* pGrid, const CGXCellRange& range, CObject* pOrder, UINT flags,
                       int ctCmd) override;
    BOOL ReorderDataRows(CGXGridCore* pGrid, const CGXCellRange& range, const CDWordArray& awOrder) override;
    void UpdateAfterRowSort(CGXGridCore* pGrid, const CGXCellRange& range, UINT flags,
                            BOOL bCreateHint) override;
    void GetRowSortKeys(CGXGridCore* pGrid, ROWCOL nRow, CGXSortInfoArray& sortInfo,
                        CGXSortKeyRecord& keys) override;
    void SortCols(CGXGridCore* pGrid, const CGXCellRange& range, CGXSortInfoArray& sortInfo,
                  UINT flags) override;
    BOOL ApplyColOrder(CGXGridCore* pGrid, const CGXCellRange& range, CObject* pOrder, UINT flags,
                       int ctCmd) override;
    BOOL ReorderDataCols(CGXGridCore* pGrid, const CGXCellRange& range, const CDWordArray& awOrder) override;
    void UpdateAfterColSort(CGXGridCore* pGrid, const CGXCellRange& range, UINT flags,
                            BOOL bCreateHint) override;
    void GetColSortKeys(CGXGridCore* pGrid, ROWCOL nCol, CGXSortInfoArray& sortInfo,
                        CGXSortKeyRecord& keys) override;
    BOOL OnHeaderDblClk(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT flags, CPoint pt) override;

  private:
    // One body for rows and columns (bRows selects).
    void Sort(CGXGridCore* pGrid, BOOL bRows, CGXCellRange range, CGXSortInfoArray& sortInfo, UINT flags);
    BOOL ApplyOrder(CGXGridCore* pGrid, BOOL bRows, const CGXCellRange& range, CObject* pOrder, UINT flags,
                    int ctCmd);
    void UpdateAfterSort(CGXGridCore* pGrid, BOOL bRows, const CGXCellRange& range, UINT flags,
                         BOOL bCreateHint);
    void GetSortKeys(CGXGridCore* pGrid, BOOL bRows, ROWCOL nRowCol, CGXSortInfoArray& sortInfo,
                     CGXSortKeyRecord& keys);
};
