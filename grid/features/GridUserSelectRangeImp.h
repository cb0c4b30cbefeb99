// Selecting cells, rows, columns and the table with the mouse and with Shift and the cursor keys.
// The component keeps no data: the selection list lives in the parameter object, the range
// being built, its anchor and the cell it reached in the grid. Repaints invert exactly the cells
// whose selected state changed.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridUserSelectRangeImp : public CGXAbstractGridUserSelectRangeImp
{
  public:
    BOOL MoveCurrentCellEx(CGXGridCore* pGrid, int nDirection, ROWCOL nCount) override;
    void OnStartSelection(CGXGridCore* pGrid, CPoint& pt, UINT& nFlags, int& nHit, ROWCOL& nRow,
                          ROWCOL& nCol) override;
    BOOL OnMoveSelection(CGXGridCore* pGrid, CPoint& pt, UINT& nFlags, ROWCOL& nRow, ROWCOL& nCol) override;
    BOOL OnEndSelection(CGXGridCore* pGrid, CPoint& pt, UINT& nFlags) override;
    void SelectRange(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bSelect, BOOL bUpdate) override;
    BOOL StoreSelectRange(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bSelect) override;
    void UpdateSelectRange(CGXGridCore* pGrid, const CGXCellRange& range, const CGXRangeList* pOldList,
                           BOOL bCreateHint) override;
    void SetSelection(CGXGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                      ROWCOL nRight) override;
    void UpdateChangedSelection(CGXGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                ROWCOL nRight, BOOL bCreateHint) override;
    void UpdateAllSelected(CGXGridCore* pGrid, BOOL bCreateHint) override;
    BOOL OnHeaderCtrlClick(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt) override;

    // The range SetSelection stores for these corners: cells, whole rows (left 0), whole
    // columns (top 0) or the table (both 0).
    static CGXCellRange RangeFromCorners(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight);
};
