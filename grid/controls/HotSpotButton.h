// The button of a hot-spot cell: a plain button with a small down-pointing glyph, shown only in
// the current cell.
#pragma once
#include "grid/controls/Button.h"

class CGXHotSpotButton : public CGXButton
{
  public:
    explicit CGXHotSpotButton(CGXControl* pOwner);

    void DrawContent(CDC* pDC, BOOL bActive) override;
    // Places the button in the top right corner of a cell rectangle.
    void LayoutInCell(const CRect& rect);

    // Width the button takes from a cell's text.
    static const int s_nCellWidth = 13;
};
