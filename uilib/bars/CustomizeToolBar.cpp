// SECCustomizeToolBar: the palette copies its buttons out and takes none in.
#include "uilib/bars/CustomizeToolBar.h"

IMPLEMENT_DYNCREATE(SECCustomizeToolBar, SECCustomToolBar)

SECCustomizeToolBar::SECCustomizeToolBar()
{
    EnableCustomise(TRUE);
}

BOOL SECCustomizeToolBar::IsCopyDrag() const
{
    return TRUE;
}

BOOL SECCustomizeToolBar::AcceptsDrop() const
{
    return FALSE;
}

void SECCustomizeToolBar::PlaceIn(const CRect& rect)
{
    CalcDynamicLayout(rect.Width(), LM_HORZ | LM_COMMIT);
    if (m_hWnd != NULL)
    {
        SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        Invalidate();
    }
}

void SECCustomizeToolBar::SizeToParent()
{
    // The palette stands in its page, in no dock bar or floating frame: it keeps its place.
    if (m_hWnd == NULL)
        return;
    CRect rect;
    GetWindowRect(&rect);
    GetParent()->ScreenToClient(&rect);
    PlaceIn(rect);
}
