// Cell-by-cell drawing of a paint pass: backgrounds first (neighbouring cells with the same
// brush in one rectangle), then every cell row by row, the grid lines, the current cell's
// marker and the spans.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridOldDrawingImp : public CGXAbstractGridOldDrawingImp
{
  public:
    BOOL DrawBlock(CGXGridCore* pGrid, CDC* pDC, CGXDrawingContext& ctx) override;
    void DrawBackgrounds(CGXGridCore* pGrid, CGXDrawingContext& ctx) override;
};
