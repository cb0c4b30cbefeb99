// The spreadsheet-style frame around the last selected range: 3 pixels wide (2 outside the
// range, 1 inside) with a small handle at one corner, drawn and removed by inverting pixels. Its
// state (range, kind, drawn, hidden) lives in the grid.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridExcelLikeFrameImp : public CGXAbstractGridExcelLikeFrameImp
{
  public:
    void DrawFramePart(CGXGridCore* pGrid, CDC* pDC, const CRect& rect, const CRect& rectClip,
                       BOOL bTopVisible, BOOL bLeftVisible, int nKind, BOOL bHandleOnly) override;
    void DrawFrame(CGXGridCore* pGrid, CDC* pDC, const CGXCellRange& range, int nKind,
                   BOOL bHandleOnly) override;
    void UpdateFrame(CGXGridCore* pGrid, CDC* pDC, BOOL bErase, const CGXCellRange* pRange) override;
    void RedrawFrameHandle(CGXGridCore* pGrid) override;
    BOOL ShowFrame(CGXGridCore* pGrid, BOOL nState, BOOL bCreateHint) override;
};
