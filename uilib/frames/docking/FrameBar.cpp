// SECFrameBar: message handling of the bar around a dockable frame.
#include "uilib/frames/docking/FrameBar.h"

IMPLEMENT_DYNCREATE(SECFrameBar, SECControlBar)

BEGIN_MESSAGE_MAP(SECFrameBar, SECControlBar)
ON_WM_PARENTNOTIFY()
ON_WM_MOUSEACTIVATE()
ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL SECFrameBar::PreTranslateMessage(MSG* pMsg)
{
    // No bar or frame key handling: the hosted frame translates its own accelerators.
    return CWnd::PreTranslateMessage(pMsg);
}

void SECFrameBar::OnParentNotify(UINT message, LPARAM lParam)
{
    CWnd::OnParentNotify(message, lParam);
}

int SECFrameBar::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    if (IsFloating())
    {
        CWnd* pTop = GetTopLevelParent();
        if (pTop != NULL)
            pTop->SetActiveWindow();
        return MA_ACTIVATE;
    }
    return SECControlBar::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

void SECFrameBar::OnSize(UINT nType, int cx, int cy)
{
    SECControlBar::OnSize(nType, cx, cy);
    // The hosted frame fills the bar.
    CWnd* pChild = GetWindow(GW_CHILD);
    if (pChild != NULL)
    {
        CRect rect;
        GetClientRect(&rect);
        pChild->SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                             SWP_NOZORDER | SWP_NOACTIVATE);
    }
}
