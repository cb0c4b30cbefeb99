// The drop-down calendar: placement and closing on deactivation.
#include "PopupCalendar.h"

IMPLEMENT_DYNAMIC(CGXBPopupCalendar, CGXBCalendar)

BEGIN_MESSAGE_MAP(CGXBPopupCalendar, CGXBCalendar)
ON_WM_ACTIVATE()
ON_MESSAGE(GX_WM_CALENDAR_ACCEPT, OnAcceptClose)
ON_MESSAGE(GX_WM_CALENDAR_CANCEL, OnCancelClose)
END_MESSAGE_MAP()

CGXBPopupCalendar::CGXBPopupCalendar()
{
    m_dwCalendarStyle = 0x39C000;
    m_dwPanelStyle = 0x83;
    m_dwOtherMonthStyle = 0x181;
}

CGXBPopupCalendar::~CGXBPopupCalendar()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

UINT CGXBPopupCalendar::GetClassStyle() const
{
    return CS_SAVEBITS | CS_DBLCLKS;
}

int CGXBPopupCalendar::SetCloseAction(int nAction)
{
    int nOld = m_bAcceptOnClose ? closeAccept : closeCancel;
    m_bAcceptOnClose = nAction == closeAccept;
    return nOld;
}

BOOL CGXBPopupCalendar::CreatePopup(DWORD dwStyle, const RECT& rectOwner, CWnd* pOwner, UINT)
{
    SetAutoSize(TRUE);
    CSize size;
    {
        CClientDC dc(pOwner);
        size = NeededSize(&dc);
    }
    CRect rect(0, 0, size.cx, size.cy);
    ::AdjustWindowRectEx(&rect, dwStyle | WS_POPUP, FALSE, 0);
    int W = rect.Width(), H = rect.Height();
    CRect rectWork;
    if (!::SystemParametersInfo(SPI_GETWORKAREA, 0, &rectWork, 0))
        rectWork.SetRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    int y = rectOwner.bottom;
    if (rectOwner.bottom + H >= rectWork.bottom)
        y = rectOwner.top - H;
    int x;
    if (dwStyle & 1)
    {
        x = rectOwner.left;
        if (rectOwner.left + W >= rectWork.right)
            x = rectOwner.right - W;
    }
    else
    {
        x = rectOwner.right;
        if (rectOwner.right + W >= rectWork.right)
            x = rectOwner.left - W;
    }
    if (!Create((dwStyle & ~1) | WS_POPUP, CRect(x, y, x + W, y + H), pOwner, 0, NULL))
        return FALSE;
    SetFocus();
    return TRUE;
}

// Hiding deactivates the window: that must not close it a second time.
LRESULT CGXBPopupCalendar::OnAcceptClose(WPARAM wParam, LPARAM lParam)
{
    m_bClosing = TRUE;
    return OnAcceptMessage(wParam, lParam);
}

LRESULT CGXBPopupCalendar::OnCancelClose(WPARAM wParam, LPARAM lParam)
{
    m_bClosing = TRUE;
    return OnCancelMessage(wParam, lParam);
}

void CGXBPopupCalendar::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CGXBCalendar::OnActivate(nState, pWndOther, bMinimized);
    if (nState != WA_INACTIVE || m_bClosing)
        return;
    if (m_bAcceptOnClose && HasFocusDay())
        Accept();
    else
        Cancel();
}
