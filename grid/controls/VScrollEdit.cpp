// Edit cells with a scroll bar.
#include "grid/controls/VScrollEdit.h"

IMPLEMENT_DYNAMIC(CGXVScrollEdit, CGXEditControl)
GX_IMPLEMENT_CONTROL(CGXVScrollEdit, CGXEditControl)

CGXVScrollEdit::CGXVScrollEdit(CGXGridCore* pGrid, UINT nID) : CGXEditControl(pGrid, nID)
{
}

CRect CGXVScrollEdit::GetCellRect(ROWCOL nRow, ROWCOL nCol, LPRECT rectItem, const CGXStyle* pStyle)
{
    CRect rect = CGXEditControl::GetCellRect(nRow, nCol, rectItem, pStyle);
    if (pStyle != NULL && m_bForceVScroll)
        rect.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    return rect;
}

DWORD CGXVScrollEdit::CalcEditStyle(CRect& rect, const CGXStyle& style)
{
    m_bForceVScroll = TRUE;
    return CGXEditControl::CalcEditStyle(rect, style);
}
