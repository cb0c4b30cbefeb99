// Moving selected rows or columns by dragging one of their headers: while dragging, a line in
// the grid's move colour shows where they would be inserted; the release moves them through the
// row and column moving component. The state lives in the grid.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridUserDragSelectRangeImp : public CGXAbstractGridUserDragSelectRangeImp
{
  public:
    BOOL OnStartDragSelection(CGXGridCore* pGrid, CPoint& pt, UINT& nFlags, int& nHit, ROWCOL& nRow,
                              ROWCOL& nCol) override;
    BOOL OnMoveDragSelection(CGXGridCore* pGrid, CPoint& pt, UINT& nFlags) override;
    BOOL OnEndDragSelection(CGXGridCore* pGrid, CPoint& pt, UINT& nFlags) override;
    BOOL StartDragSelection(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) override;
    BOOL MoveDragSelection(CGXGridCore* pGrid, ROWCOL nOldRow, ROWCOL nOldCol, ROWCOL nRow,
                           ROWCOL nCol) override;
    BOOL DropDragSelection(CGXGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nRow, ROWCOL nCol) override;
    BOOL CancelDragSelection(CGXGridCore* pGrid) override;
};
