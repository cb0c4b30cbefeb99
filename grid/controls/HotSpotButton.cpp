#include "grid/controls/HotSpotButton.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/SysColorTable.h"

CGXHotSpotButton::CGXHotSpotButton(CGXControl* pOwner) : CGXButton(pOwner)
{
}

namespace
{
// The glyph's black rectangles, relative to the button's top left corner.
const RECT s_glyph[6] = {{3, 3, 9, 5},  {6, 4, 9, 7},  {4, 7, 11, 8},
                         {5, 8, 10, 9}, {6, 9, 9, 10}, {7, 10, 8, 11}};
const int s_nGlyphHeight = 12;
} // namespace

void CGXHotSpotButton::DrawContent(CDC* pDC, BOOL bActive)
{
    if (!bActive)
        return;
    BOOL bPushed = IsDrawnPushed(bActive);
    DrawFrame(pDC, bPushed, GXGetSysColorTable()->GetColor(COLOR_BTNFACE));
    CPoint origin = m_rect.TopLeft();
    if (bPushed)
        origin.Offset(1, 1);
    if (m_rect.bottom - origin.y < s_nGlyphHeight)
        return;
    for (const RECT& r : s_glyph)
        GXFillSolidRect(pDC, origin.x + r.left, origin.y + r.top, r.right - r.left, r.bottom - r.top,
                        RGB(0, 0, 0));
}

void CGXHotSpotButton::LayoutInCell(const CRect& rect)
{
    CRect button;
    button.IntersectRect(rect, CRect(rect.right - 14, rect.top, rect.right - 1, rect.top + 13));
    // Off the top edge when the cell is taller than the button.
    if (button.Height() < rect.Height() - 1)
        button.OffsetRect(0, 1);
    SetRect(button);
}
