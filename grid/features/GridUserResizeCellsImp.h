// Changing a row height or column width by dragging its edge, and giving back the default size
// or showing hidden neighbours by double-clicking the edge. The tracking state lives in the grid;
// the feedback while dragging is an inverted line, a preview of the headers, the starting edge in
// the drag line window, or the row or column itself following live, as the sizing flags choose.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridUserResizeCellsImp : public CGXAbstractGridUserResizeCellsImp
{
  public:
    BOOL OnMouseMove(CGXGridCore* pGrid, CPoint pt) override;
    BOOL OnLButtonDown(CGXGridCore* pGrid, UINT* pnFlags, CPoint* pPt, int* pnHit, ROWCOL* pnRow,
                       ROWCOL* pnCol) override;
    BOOL OnLButtonUp(CGXGridCore* pGrid, CPoint pt) override;
    BOOL OnLButtonDblClk(CGXGridCore* pGrid, UINT* pnFlags, CPoint* pPt, int* pnHit, ROWCOL* pnRow,
                         ROWCOL* pnCol) override;
    BOOL StartTracking(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nKind) override;
    void MoveTracking(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nKind, CPoint size) override;
    void CancelTracking(CGXGridCore* pGrid) override;
    void EndTracking(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nKind, CPoint size) override;
};
