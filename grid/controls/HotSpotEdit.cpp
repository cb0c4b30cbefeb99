// Hot-spot edit cells.
#include "grid/controls/HotSpotEdit.h"
#include "grid/controls/HotSpotButton.h"

IMPLEMENT_DYNAMIC(CGXHotSpotEdit, CGXEditControl)
GX_IMPLEMENT_CONTROL(CGXHotSpotEdit, CGXEditControl)

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
    rect.right -= CGXHotSpotButton::s_nCellWidth;
    return rect;
}

CSize CGXHotSpotEdit::AddBorders(CSize size, const CGXStyle& style)
{
    return CGXEditControl::AddBorders(CSize(size.cx + CGXHotSpotButton::s_nCellWidth, size.cy), style);
}

void CGXHotSpotEdit::LayoutChildren(ROWCOL, ROWCOL, const CRect& rect)
{
    m_pButton->LayoutInCell(rect);
}
