// SECCaptionControlMsgFilter: drawing, hit testing and mouse tracking of one caption button.
#include "uilib/frames/mdi/CaptionControlMsgFilter.h"

IMPLEMENT_DYNCREATE(SECCaptionControlMsgFilter, SECCaptionMsgFilter)

namespace
{
// The system command of each caption button id.
const UINT kButtonCommands[] = {SC_CLOSE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE, SC_CONTEXTHELP};
} // namespace

// ---- timer window

BEGIN_MESSAGE_MAP(SECCaptionControlMsgFilterTimer, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_TIMER()
END_MESSAGE_MAP()

SECCaptionControlMsgFilterTimer::SECCaptionControlMsgFilterTimer(SECCaptionControlMsgFilter* pFilter,
                                                                 int nIntervalMs, CPoint ptPress)
    : m_pFilter(pFilter), m_nIntervalMs(nIntervalMs), m_bStarted(FALSE), m_bFired(FALSE), m_ptPress(ptPress)
{
}

BOOL SECCaptionControlMsgFilterTimer::Create(CWnd* pParent)
{
    return CWnd::Create(NULL, _T(""), WS_CHILD, CRect(0, 0, 0, 0), pParent, 0);
}

int SECCaptionControlMsgFilterTimer::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_bStarted = SetTimer(1, (UINT)m_nIntervalMs, NULL) != 0;
    return m_bStarted ? 0 : -1;
}

void SECCaptionControlMsgFilterTimer::OnDestroy()
{
    if (m_bStarted)
        KillTimer(1);
    m_bStarted = FALSE;
    CWnd::OnDestroy();
}

void SECCaptionControlMsgFilterTimer::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != 1 || m_bFired)
        return;
    m_bFired = TRUE;
    KillTimer(1);
    m_bStarted = FALSE;
    // Firing stops the tracking, which destroys and deletes this window: touch nothing after.
    if (m_pFilter->IsTracking())
        m_pFilter->FireImmediately(m_ptPress);
}

// ---- caption control

SECCaptionControlMsgFilter::SECCaptionControlMsgFilter()
    : m_rectButton(0, 0, 0, 0), m_nType(DFC_CAPTION), m_nState(0), m_bTracking(FALSE),
      m_nRepeatIntervalMs(-1), m_pRepeatTimer(NULL)
{
}

SECCaptionControlMsgFilter::SECCaptionControlMsgFilter(const SECCaptionControlMsgFilter& other)
    : SECCaptionMsgFilter(other), m_rectButton(other.m_rectButton), m_nType(other.m_nType),
      m_nState(other.m_nState & ~DFCS_PUSHED), m_bTracking(FALSE),
      m_nRepeatIntervalMs(other.m_nRepeatIntervalMs), m_pRepeatTimer(NULL)
{
}

SECCaptionControlMsgFilter::~SECCaptionControlMsgFilter()
{
    KillRepeatTimer();
}

SECMsgFilter* SECCaptionControlMsgFilter::Clone() const
{
    return new SECCaptionControlMsgFilter(*this);
}

void SECCaptionControlMsgFilter::SetInactive(BOOL bInactive)
{
    if (bInactive)
        m_nState |= DFCS_INACTIVE;
    else
        m_nState &= ~DFCS_INACTIVE;
}

UINT SECCaptionControlMsgFilter::OnFilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message)
    {
    case WM_SETTEXT:
    case WM_SETCURSOR:
    case WM_NCPAINT:
    case WM_NCACTIVATE:
        Draw();
        return resultHandled;
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN: {
        const CPoint pt((short)LOWORD(lParam), (short)HIWORD(lParam));
        if (wParam != HTCAPTION || !HitTest(pt))
            break;
        if (!IsInactive())
        {
            if (message == WM_NCLBUTTONDOWN)
                OnButtonDown(pt);
            else
                Fire(fireRightButton, pt);
        }
        return resultHandled | resultCaption;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: {
        if (!m_bTracking)
            break;
        CPoint pt((short)LOWORD(lParam), (short)HIWORD(lParam));
        m_pWnd->ClientToScreen(&pt);
        if (message == WM_LBUTTONUP)
            OnButtonUp(pt);
        else
            OnTrackMove(pt);
        return resultHandled | resultCaption;
    }
    default:
        break;
    }
    return SECCaptionMsgFilter::OnFilterMessage(message, wParam, lParam, pResult);
}

void SECCaptionControlMsgFilter::Draw()
{
    if (!IsButtonID() || m_pWnd == NULL || m_pWnd->GetSafeHwnd() == NULL || m_rectButton.IsRectEmpty())
        return;
    HDC hdc = ::GetWindowDC(m_pWnd->GetSafeHwnd());
    if (hdc == NULL)
        return;
    CRect rect = m_rectButton;
    ::DrawFrameControl(hdc, &rect, m_nType, GetDrawState());
    ::ReleaseDC(m_pWnd->GetSafeHwnd(), hdc);
}

BOOL SECCaptionControlMsgFilter::HitTest(CPoint ptScreen) const
{
    if (m_pWnd == NULL || m_pWnd->GetSafeHwnd() == NULL)
        return FALSE;
    CPoint pt = ptScreen;
    m_pWnd->ScreenToClient(&pt);
    // Client to window coordinates: the client origin's offset inside the window.
    CRect rectWindow;
    m_pWnd->GetWindowRect(&rectWindow);
    CPoint ptClientOrigin(0, 0);
    m_pWnd->ClientToScreen(&ptClientOrigin);
    pt.Offset(ptClientOrigin.x - rectWindow.left, ptClientOrigin.y - rectWindow.top);
    return m_rectButton.PtInRect(pt);
}

void SECCaptionControlMsgFilter::OnButtonDown(CPoint ptScreen)
{
    StartTracking(TRUE, TRUE);
    if (m_nRepeatIntervalMs == 0)
        FireImmediately(ptScreen);
    else
        StartRepeatTimer(ptScreen);
}

void SECCaptionControlMsgFilter::OnButtonUp(CPoint ptScreen)
{
    StopTracking(TRUE, TRUE);
    if (HitTest(ptScreen))
        Fire(0, ptScreen);
}

void SECCaptionControlMsgFilter::FireImmediately(CPoint ptScreen)
{
    StopTracking(TRUE, FALSE);
    Fire(fireHeld, ptScreen);
}

void SECCaptionControlMsgFilter::OnTrackMove(CPoint ptScreen)
{
    const BOOL bOn = HitTest(ptScreen);
    if (bOn == IsPushed())
        return;
    if (bOn)
    {
        StartRepeatTimer(ptScreen);
        m_nState |= DFCS_PUSHED;
    }
    else
    {
        KillRepeatTimer();
        m_nState &= ~DFCS_PUSHED;
    }
    Draw();
}

void SECCaptionControlMsgFilter::Fire(UINT nFlags, CPoint ptScreen)
{
    HWND hwnd = NULL;
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    if (GetSysCommand(nFlags, ptScreen, &hwnd, &msg, &wParam, &lParam))
        ::PostMessage(hwnd, msg, wParam, lParam);
}

BOOL SECCaptionControlMsgFilter::GetSysCommand(UINT nFlags, CPoint ptScreen, HWND* pHwnd, UINT* pMsg,
                                               WPARAM* pWParam, LPARAM* pLParam)
{
    if ((nFlags & (fireRightButton | fireHeld)) || m_pWnd == NULL || m_nID >= _countof(kButtonCommands))
        return FALSE;
    *pHwnd = m_pWnd->GetSafeHwnd();
    *pMsg = WM_SYSCOMMAND;
    *pWParam = kButtonCommands[m_nID];
    *pLParam = MAKELONG(ptScreen.x, ptScreen.y);
    return TRUE;
}

void SECCaptionControlMsgFilter::StartTracking(BOOL bPushed, BOOL bRedraw)
{
    m_bTracking = TRUE;
    if (bPushed)
        m_nState |= DFCS_PUSHED;
    m_pWnd->SetCapture();
    if (bRedraw)
        Draw();
}

void SECCaptionControlMsgFilter::StopTracking(BOOL bClearPushed, BOOL bRedraw)
{
    m_bTracking = FALSE;
    KillRepeatTimer();
    if (bClearPushed)
        m_nState &= ~DFCS_PUSHED;
    ::ReleaseCapture();
    if (bRedraw)
        Draw();
}

void SECCaptionControlMsgFilter::KillRepeatTimer()
{
    SECCaptionControlMsgFilterTimer* pTimer = m_pRepeatTimer;
    if (pTimer == NULL)
        return;
    m_pRepeatTimer = NULL;
    pTimer->DestroyWindow();
    delete pTimer;
}

void SECCaptionControlMsgFilter::StartRepeatTimer(CPoint ptScreen)
{
    KillRepeatTimer();
    if (m_nRepeatIntervalMs < 1 || m_pWnd == NULL)
        return;
    SECCaptionControlMsgFilterTimer* pTimer =
        new SECCaptionControlMsgFilterTimer(this, m_nRepeatIntervalMs, ptScreen);
    if (!pTimer->Create(m_pWnd))
    {
        delete pTimer;
        return;
    }
    m_pRepeatTimer = pTimer;
}

BOOL SECCaptionControlMsgFilter::IsButtonVisible(BOOL* pDisabled) const
{
    *pDisabled = FALSE;
    if (!IsButtonID() || m_pWnd == NULL)
        return FALSE;
    const DWORD dwStyle = GetStyle();
    if (!(dwStyle & WS_SYSMENU))
        return FALSE;
    const BOOL bToolWindow = (GetExStyle() & WS_EX_TOOLWINDOW) != 0;
    const BOOL bBoxes = (dwStyle & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) != 0;
    const BOOL bMaximized = (dwStyle & WS_MAXIMIZE) != 0;
    const BOOL bMinimized = (dwStyle & WS_MINIMIZE) != 0;
    switch (m_nID)
    {
    case DFCS_CAPTIONCLOSE: {
        HMENU hSysMenu = ::GetSystemMenu(m_pWnd->GetSafeHwnd(), FALSE);
        if (hSysMenu != NULL)
        {
            const UINT nMenuState = ::GetMenuState(hSysMenu, SC_CLOSE, MF_BYCOMMAND);
            *pDisabled = nMenuState != (UINT)-1 && (nMenuState & (MF_GRAYED | MF_DISABLED)) != 0;
        }
        return TRUE;
    }
    case DFCS_CAPTIONMAX:
        if (bToolWindow || !bBoxes || bMaximized)
            return FALSE;
        *pDisabled = !(dwStyle & WS_MAXIMIZEBOX);
        return TRUE;
    case DFCS_CAPTIONMIN:
        if (bToolWindow || !bBoxes || bMinimized)
            return FALSE;
        *pDisabled = !(dwStyle & WS_MINIMIZEBOX);
        return TRUE;
    case DFCS_CAPTIONRESTORE:
        if (bToolWindow || !bBoxes || !(bMaximized || bMinimized))
            return FALSE;
        *pDisabled = bMaximized ? !(dwStyle & WS_MAXIMIZEBOX) : !(dwStyle & WS_MINIMIZEBOX);
        return TRUE;
    case DFCS_CAPTIONHELP:
        return !bToolWindow && !bBoxes && (GetExStyle() & WS_EX_CONTEXTHELP) != 0;
    default:
        return FALSE;
    }
}
