// The static-text cell control: draws a cell's value as text (or as the bitmap the value names)
// through the library's drawing-and-formatting object. Base of the header control and, later,
// of the edit control, which draws through it whenever it is not editing.
#pragma once
#include "grid/core/Control.h"

class CGXStatic : public CGXControl
{
    GX_DECLARE_CONTROL(CGXStatic)

  public:
    // Construction
    explicit CGXStatic(CGXGridCore* pGrid);

    // Overridables
    // The text rectangle: the cell less its borders and a margin either side (wider on the
    // right for right-aligned text).
    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, LPRECT rectItem = NULL,
                      const CGXStyle* pStyle = NULL) override;
    // A text size plus both margins, then the grid's borders.
    CSize AddBorders(CSize size, const CGXStyle& style) override;
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandard,
                   BOOL bVert) override;
    // Asks the float component (text present and not rotated; empty to be floated over).
    BOOL CanFloatCell(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, BOOL bFloatOrFlood) override;
};
