// Hot-spot edit cells.
#include "grid/controls/HotSpotEdit.h"
#include "grid/controls/HotSpotButton.h"

IMPLEMENT_DYNAMIC(CGXHotSpotEdit, CGXEditControl)
GX_IMPLEMENT_CONTROL(CGXHotSpotEdit, CGXEditControl)

namespace
{
// Width the button takes from the text.
const int buttonWidth = 13;
} // namespace

CGXHotSpotEdit::CGXHotSpotEdit(CGXGridCore* pGrid, UINT nID)
    : CGXEditControl(pGrid, nID), m_pButton(new CGXHotSpotButton(this))
{
    AddChild(m_pButton);
}

void CGXHotSpotEdit::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXEditControl::Init(nRow, nCol);
    m_pButton->Refresh();
}

CRect CGXHotSpotEdit::GetCellRect(ROWCOL nRow, ROWCOL nCol, LPRECT rectItem, const CGXStyle* pStyle)
{
    CRect rect = CGXStatic::GetCellRect(nRow, nCol, rectItem, pStyle);
    rect.right -= buttonWidth;
    return rect;
}

CSize CGXHotSpotEdit::AddBorders(CSize size, const CGXStyle& style)
{
    return CGXEditControl::AddBorders(CSize(size.cx + buttonWidth, size.cy), style);
}

void CGXHotSpotEdit::LayoutChildren(ROWCOL, ROWCOL, const CRect& rect)
{
    CRect button;
    button.IntersectRect(rect, CRect(rect.right - 14, rect.top, rect.right - 1, rect.top + 13));
    // Off the top edge when the cell is taller than the button.
    if (button.Height() < rect.Height() - 1)
        button.OffsetRect(0, 1);
    m_pButton->SetRect(button);
}
