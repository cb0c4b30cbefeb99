// SECLayoutNodeGripperEx: caption buttons in a gripper, clicked through a listener on the host.
#include "uilib/frames/layout/LayoutNodeGripperEx.h"
#include "uilib/common/SystemData.h"

using tessaron::foundation::SECWndListener;

BEGIN_MESSAGE_MAP(SECLayoutNodeGripperEx, SECWndListener)
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

SECLayoutNodeGripperEx::SECLayoutNodeGripperEx()
    : m_bHasCloseButton(FALSE), m_bHasExpandButton(FALSE), m_bCloseEnabled(TRUE), m_bExpanded(TRUE),
      m_bExpandEnabled(TRUE), m_bClosePressed(FALSE), m_bExpandPressed(FALSE), m_bCloseTracking(FALSE),
      m_bExpandTracking(FALSE)
{
}

SECLayoutNodeGripperEx::~SECLayoutNodeGripperEx()
{
}

void SECLayoutNodeGripperEx::SetHostWindow(HWND hWnd)
{
    SECLayoutNodeGripper::SetHostWindow(hWnd);
    if (IsPlugged())
        UnPlug();
    if (hWnd != NULL)
        PlugInTo(CWnd::FromHandlePermanent(hWnd));
}

SECGripperBarMetrics* SECLayoutNodeGripperEx::NewBarMetrics()
{
    return new SECGripperExBarMetrics;
}

RECT* SECLayoutNodeGripperEx::NewBarArray()
{
    return new RECT[4]();
}

void SECLayoutNodeGripperEx::CalcRaisedBarMetrics(SECGripperBarMetrics& metrics, int nLength, int nThickness,
                                                  int nSide)
{
    SECLayoutNodeGripper::CalcRaisedBarMetrics(metrics, nLength, nThickness, nSide);
    SECGripperExBarMetrics* pm = dynamic_cast<SECGripperExBarMetrics*>(&metrics);
    if (pm == NULL)
        return;
    SECGripperExBarMetrics& m = *pm;
    m.nButtonSize = 11;
    m.nExpandGap = m_bHasExpandButton ? 1 : 0;
    m.nExpandSize = m_bHasExpandButton ? 11 : 0;
    m.nCloseGap = m_bHasCloseButton ? 2 : 0;
    m.nCloseSize = m_bHasCloseButton ? 11 : 0;
    const int t = nThickness - 11;
    m.nButtonFarOffset = std::max(t / 2, 0);
    m.nButtonNearOffset = (t % 2) + m.nButtonFarOffset;
    m.nButtonFreeEndInset = m.nEndInset;
    // The bars stop before the buttons.
    m.nEndInset += m.nExpandSize + m.nCloseGap + m.nCloseSize + m.nExpandGap;
}

void SECLayoutNodeGripperEx::PlaceVerticalBars(const RECT& rcStrip, const SECGripperBarMetrics& metrics,
                                               RECT* pBars)
{
    SECLayoutNodeGripper::PlaceVerticalBars(rcStrip, metrics, pBars);
    const SECGripperExBarMetrics* pm = dynamic_cast<const SECGripperExBarMetrics*>(&metrics);
    if (pm == NULL)
        return;
    const SECGripperExBarMetrics& m = *pm;
    RECT& rcClose = pBars[SEC_GRIPPER_CLOSE];
    RECT& rcExpand = pBars[SEC_GRIPPER_EXPAND];
    rcClose.left = rcStrip.left + m.nButtonNearOffset;
    rcClose.right = rcClose.left + 11;
    rcClose.top = rcStrip.top + m.nButtonFreeEndInset;
    rcClose.bottom = rcClose.top + m.nCloseSize;
    rcExpand.left = rcClose.left;
    rcExpand.right = rcClose.right;
    rcExpand.top = rcStrip.top + m.nButtonFreeEndInset + m.nCloseSize + m.nCloseGap;
    rcExpand.bottom = rcExpand.top + m.nExpandSize;
    if (m_bHasExpandButton)
    {
        rcExpand.top -= 1;
        rcExpand.left -= 1;
    }
    if (m_bHasExpandButton || m_bHasCloseButton)
    {
        pBars[SEC_GRIPPER_BAR1].top += 1;
        pBars[SEC_GRIPPER_BAR2].top += 1;
    }
}

void SECLayoutNodeGripperEx::PlaceHorizontalBars(const RECT& rcStrip, const SECGripperBarMetrics& metrics,
                                                 RECT* pBars)
{
    SECLayoutNodeGripper::PlaceHorizontalBars(rcStrip, metrics, pBars);
    const SECGripperExBarMetrics* pm = dynamic_cast<const SECGripperExBarMetrics*>(&metrics);
    if (pm == NULL)
        return;
    const SECGripperExBarMetrics& m = *pm;
    RECT& rcClose = pBars[SEC_GRIPPER_CLOSE];
    RECT& rcExpand = pBars[SEC_GRIPPER_EXPAND];
    rcClose.right = rcStrip.right - m.nButtonFreeEndInset;
    rcClose.left = rcClose.right - m.nCloseSize;
    rcClose.top = rcStrip.top + m.nButtonNearOffset;
    rcClose.bottom = rcClose.top + 11;
    rcExpand.right = rcClose.left - m.nCloseGap;
    rcExpand.left = rcExpand.right - m.nExpandSize;
    rcExpand.top = rcClose.top;
    rcExpand.bottom = rcClose.bottom;
    if (m_bHasExpandButton)
    {
        rcExpand.top -= 1;
        rcExpand.left -= 1;
    }
    if (m_bHasExpandButton || m_bHasCloseButton)
    {
        pBars[SEC_GRIPPER_BAR1].right -= 1;
        pBars[SEC_GRIPPER_BAR2].right -= 1;
    }
}

void SECLayoutNodeGripperEx::DrawGripperBars(HDC hdc, const RECT& rcStrip, int nSide, const RECT* pBars)
{
    SECLayoutNodeGripper::DrawGripperBars(hdc, rcStrip, nSide, pBars);
    struct Button
    {
        BOOL bPresent;
        int nIndex;
        UINT nType;
        UINT nState;
    };
    const Button buttons[] = {
        {m_bHasCloseButton, SEC_GRIPPER_CLOSE, DFC_CAPTION, GetCloseButtonState(nSide)},
        {m_bHasExpandButton, SEC_GRIPPER_EXPAND, DFC_SCROLL, GetExpandButtonState(nSide)},
    };
    const SECSystemData& data = SECGetSystemData();
    for (const Button& b : buttons)
    {
        RECT rc;
        if (!b.bPresent || !::IntersectRect(&rc, &pBars[b.nIndex], &rcStrip))
            continue;
        ::DrawFrameControl(hdc, &rc, b.nType, b.nState);
        ::SetPixel(hdc, rc.right - 1, rc.top, data.m_clrBtnFace);
        ::SetPixel(hdc, rc.left, rc.bottom - 1, data.m_clrBtnFace);
        ::SetPixel(hdc, rc.right - 2, rc.top + 1, data.m_clrBtnHilite);
        ::SetPixel(hdc, rc.left + 1, rc.bottom - 2, data.m_clrBtnHilite);
    }
}

UINT SECLayoutNodeGripperEx::GetExpandButtonState(int nSide)
{
    const bool bSideways = nSide == SEC_SIDE_LEFT || nSide == SEC_SIDE_RIGHT;
    UINT nState;
    if (bSideways)
        nState = m_bExpanded ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT;
    else
        nState = m_bExpanded ? DFCS_SCROLLUP : DFCS_SCROLLDOWN;
    if (!m_bExpandEnabled)
        nState |= DFCS_INACTIVE;
    if (m_bExpandPressed)
        nState |= DFCS_PUSHED;
    return nState;
}

UINT SECLayoutNodeGripperEx::GetCloseButtonState(int)
{
    return DFCS_CAPTIONCLOSE | (m_bClosePressed ? DFCS_PUSHED : 0);
}

BOOL SECLayoutNodeGripperEx::GetCloseButtonRect(RECT& rc)
{
    if (m_pBars == NULL)
        return FALSE;
    rc = m_pBars[SEC_GRIPPER_CLOSE];
    return TRUE;
}

BOOL SECLayoutNodeGripperEx::GetExpandButtonRect(RECT& rc)
{
    if (m_pBars == NULL)
        return FALSE;
    rc = m_pBars[SEC_GRIPPER_EXPAND];
    return TRUE;
}

void SECLayoutNodeGripperEx::InvalidateButton(int nIndex)
{
    if (m_pBars != NULL && SECLayoutNodeGripper::GetHostWindow() != NULL)
        ::InvalidateRect(SECLayoutNodeGripper::GetHostWindow(), &m_pBars[nIndex], TRUE);
}

void SECLayoutNodeGripperEx::OnLButtonDown(UINT, CPoint point)
{
    if (m_pBars == NULL)
        return;
    if (m_bHasCloseButton && m_bCloseEnabled && ::PtInRect(&m_pBars[SEC_GRIPPER_CLOSE], point))
    {
        m_bClosePressed = m_bCloseTracking = TRUE;
        InvalidateButton(SEC_GRIPPER_CLOSE);
    }
    else if (m_bHasExpandButton && m_bExpandEnabled && ::PtInRect(&m_pBars[SEC_GRIPPER_EXPAND], point))
    {
        m_bExpandPressed = m_bExpandTracking = TRUE;
        InvalidateButton(SEC_GRIPPER_EXPAND);
    }
    else
        return;
    ::SetCapture(SECLayoutNodeGripper::GetHostWindow());
    SetChainFlags(255);
}

void SECLayoutNodeGripperEx::OnMouseMove(UINT, CPoint point)
{
    struct Tracked
    {
        BOOL bTracking;
        BOOL& bPressed;
        int nIndex;
    };
    const Tracked tracked[] = {{m_bCloseTracking, m_bClosePressed, SEC_GRIPPER_CLOSE},
                               {m_bExpandTracking, m_bExpandPressed, SEC_GRIPPER_EXPAND}};
    for (const Tracked& t : tracked)
    {
        if (!t.bTracking || m_pBars == NULL)
            continue;
        BOOL bInside = ::PtInRect(&m_pBars[t.nIndex], point);
        if (bInside != t.bPressed)
        {
            t.bPressed = bInside;
            InvalidateButton(t.nIndex);
        }
    }
}

void SECLayoutNodeGripperEx::OnLButtonUp(UINT, CPoint point)
{
    HWND hHost = SECLayoutNodeGripper::GetHostWindow();
    if (::GetCapture() == hHost && (m_bCloseTracking || m_bExpandTracking))
        ::ReleaseCapture();
    int nIndex;
    if (m_bCloseTracking)
        nIndex = SEC_GRIPPER_CLOSE;
    else if (m_bExpandTracking)
        nIndex = SEC_GRIPPER_EXPAND;
    else
        return;
    m_bClosePressed = m_bCloseTracking = m_bExpandPressed = m_bExpandTracking = FALSE;
    InvalidateButton(nIndex);
    if (m_pBars == NULL || !::PtInRect(&m_pBars[nIndex], point))
        return;
    // Flags first: the handler may delete this gripper.
    SetChainFlags(255);
    if (nIndex == SEC_GRIPPER_CLOSE)
        OnCloseButton();
    else
        OnExpandButton();
}
