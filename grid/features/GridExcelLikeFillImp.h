// Extending the selection by dragging its fill handle: the new cells get the source cells'
// values (option bit 1) or whole styles (bit 2), repeating the source; dragging the handle back
// into the source clears the cells given up. While the handle is dragged two nested focus
// rectangles show the target. The one component with data: the source, the frame on screen and
// the target.
#pragma once
#include "grid/core/CellRange.h"
#include "grid/core/GridComponents.h"

class CGXGridExcelLikeFillImp : public CGXAbstractGridExcelLikeFillImp
{
  public:
    void OnStartFill(CGXGridCore* pGrid, CPoint& pt, UINT& nFlags, int& nHit, ROWCOL& nRow,
                     ROWCOL& nCol) override;
    BOOL OnMoveFill(CGXGridCore* pGrid, CPoint& pt, UINT& nFlags, ROWCOL& nRow, ROWCOL& nCol) override;
    void OnEndFill(CGXGridCore* pGrid, CPoint& pt, UINT& nFlags) override;
    void HideFillFrame(CGXGridCore* pGrid) override;
    void DrawFillFrame(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bErase, BOOL bDraw) override;
    void DoFill(CGXGridCore* pGrid, const CGXCellRange& source, const CGXCellRange& target) override;
    void SelectFillRange(CGXGridCore* pGrid, const CGXCellRange& range) override;

    CGXCellRange m_source;
    CRect m_rectFrame;
    CGXCellRange m_target; // all corners 0: none
};
