// Drawing of covered, merged and floated cells: brings the spans of the area to draw up to
// date, marks the cells of the paint pass that belong to a span and draws each span once, as
// one cell with its top-left cell's style, across the frozen and scrolling panes.
#pragma once
#include "grid/core/GridComponents.h"

class CGXDrawSpannedCellsImp : public CGXAbstractDrawSpannedCellsImp
{
  public:
    BOOL MarkSpannedCell(CGXGridCore* pGrid, CGXDrawingContext& ctx, ROWCOL i, ROWCOL j) override;
    BOOL DrawSpannedCell(CGXGridCore* pGrid, CGXDrawingContext& ctx, ROWCOL i, ROWCOL j) override;
    BOOL PrepareSpans(CGXGridCore* pGrid, const CGXCellRange& range, ROWCOL nLastFrozenRow,
                      ROWCOL nLastFrozenCol, ROWCOL nFirstRow, ROWCOL nFirstCol, ROWCOL nLastRow,
                      ROWCOL nLastCol, BOOL bKeepLock, CGXCellRange* pChanged, BOOL bUseCache) override;

    // Flag bits of the paint pass beyond the engine's own.
    enum
    {
        spanCovered = 0x0080, // the span is a covered range
        spanInner = 0x0100    // not the span's first drawn cell: not drawn by itself
    };
};
