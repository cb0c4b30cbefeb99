// SECCustomToolBar: dragging a button with the mouse and dropping it on a toolbar.
#include "uilib/bars/CustomToolBar.h"
#include "uilib/bars/ToolBarManager.h"
#include "mfc/FrameWnd.h"

BOOL SECCustomToolBar::IsCopyDrag() const
{
    return ::GetKeyState(VK_CONTROL) < 0;
}

BOOL SECCustomToolBar::AcceptsDrop() const
{
    return TRUE;
}

void SECCustomToolBar::DragButton(int, CPoint)
{
}

BOOL SECCustomToolBar::DropButton(CRect, SECStdBtn*, BOOL, BOOL)
{
    return FALSE;
}

SECToolBarRectTracker::SECToolBarRectTracker(LPCRECT lpRect)
    : CRectTracker(lpRect, CRectTracker::hatchedBorder)
{
}

BOOL SECToolBarRectTracker::TrackFromScreen(CWnd*, CPoint)
{
    return FALSE;
}

void SECToolBarRectTracker::DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd)
{
    CRectTracker::DrawTrackerRect(lpRect, pWndClipTo, pDC, pWnd);
}
