#include "uilib/bars/3DTabWnd.h"

IMPLEMENT_DYNCREATE(SEC3DTabWnd, SECTabWndBase)

BEGIN_MESSAGE_MAP(SEC3DTabWnd, SECTabWndBase)
ON_MESSAGE(TCM_TABSEL, OnTabSel)
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_SETFOCUS()
END_MESSAGE_MAP()

namespace
{

// The next (or previous) window after hWnd among its siblings that has WS_TABSTOP.
HWND SiblingWithTabStop(HWND hWnd, UINT nDirection)
{
    for (HWND h = ::GetWindow(hWnd, nDirection); h != NULL; h = ::GetWindow(h, nDirection))
        if (::GetWindowLong(h, GWL_STYLE) & WS_TABSTOP)
            return h;
    return NULL;
}

} // namespace

SEC3DTabWnd::SEC3DTabWnd()
    : m_nTabHeight(kStripThickness), m_nTabWidth(kStripThickness), m_dwTabStyle(0),
      m_crHighlight(::GetSysColor(COLOR_BTNHIGHLIGHT))
{
}

BOOL SEC3DTabWnd::Create(CWnd* pParent, DWORD dwStyle, UINT nID)
{
    m_dwTabStyle = (dwStyle & 0xFF0) | ((dwStyle & 0x2) ? 0x2 : (dwStyle & 0x1));
    if (!(m_dwTabStyle & SEC_TABS_SIDES))
        m_dwTabStyle |= SEC_TABS_RIGHT; // no side given: the strip goes right
    return SECTabWndBase::Create(pParent, dwStyle & ~0xFF3, nID);
}

BOOL SEC3DTabWnd::CreateTabCtrl(DWORD, UINT nID)
{
    SEC3DTabControl* pStrip = new SEC3DTabControl;
    m_pTabCtrl = pStrip;
    if (!pStrip->Create(m_dwTabStyle | WS_VISIBLE, CRect(0, 0, 0, 0), this, nID))
    {
        delete pStrip;
        m_pTabCtrl = NULL;
        return FALSE;
    }
    return TRUE;
}

DWORD SEC3DTabWnd::StripSide() const
{
    if (m_dwTabStyle & SEC_TABS_BOTTOM)
        return SEC_TABS_BOTTOM;
    if (m_dwTabStyle & SEC_TABS_TOP)
        return SEC_TABS_TOP;
    if (m_dwTabStyle & SEC_TABS_LEFT)
        return SEC_TABS_LEFT;
    return SEC_TABS_RIGHT;
}

void SEC3DTabWnd::GetInsideRect(RECT& rect) const
{
    CRect rc;
    GetClientRect(&rc);
    int d = (m_dwTabStyle & SEC_TABS_NO_ACTIVE_GROW) ? -3 : 1;
    int nStrip = kStripThickness + d;
    switch (StripSide())
    {
    case SEC_TABS_BOTTOM:
        ::SetRect(&rect, rc.left + 6, rc.top + 4, rc.right - 7, rc.bottom - nStrip);
        break;
    case SEC_TABS_TOP:
        ::SetRect(&rect, rc.left + 6, rc.top + nStrip, rc.right - 7, rc.bottom - 4);
        break;
    case SEC_TABS_LEFT:
        ::SetRect(&rect, rc.left + nStrip, rc.top + 4, rc.right - 7, rc.bottom - 6);
        break;
    default:
        ::SetRect(&rect, rc.left + 6, rc.top + 4, rc.right - nStrip, rc.bottom - 6);
        break;
    }
}

CRect SEC3DTabWnd::StripRect(const CRect& rcClient, const CRect& rcInside) const
{
    switch (StripSide())
    {
    case SEC_TABS_BOTTOM:
        return CRect(rcInside.left, rcInside.bottom + 1, rcInside.right, rcClient.bottom + 1);
    case SEC_TABS_TOP:
        return CRect(rcInside.left, rcClient.top, rcInside.right, rcInside.top);
    case SEC_TABS_LEFT:
        return CRect(rcClient.left, rcInside.top, rcInside.left, rcInside.bottom);
    default:
        return CRect(rcInside.right, rcClient.top, rcClient.right, rcClient.top + rcInside.Height());
    }
}

void SEC3DTabWnd::RecalcLayout()
{
    if (m_hWnd == NULL || m_pTabCtrl == NULL)
        return;
    DWORD dwSide = StripSide();
    BOOL bAcross = dwSide == SEC_TABS_BOTTOM || dwSide == SEC_TABS_TOP;
    m_nTabHeight = bAcross ? kStripThickness : 0;
    m_nTabWidth = bAcross ? 0 : kStripThickness;
    CRect rcClient, rcInside;
    GetClientRect(&rcClient);
    GetInsideRect(rcInside);
    // The strip's height below the content is the client bottom minus the content bottom.
    CRect rcStrip = StripRect(rcClient, rcInside);
    if (dwSide == SEC_TABS_BOTTOM)
        rcStrip.bottom = rcStrip.top + (rcClient.bottom - rcInside.bottom);

    HDWP hDwp = ::BeginDeferWindowPos(4);
    const UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS;
    auto place = [&](CWnd* pWnd, const CRect& rc, UINT nExtra) {
        if (pWnd == NULL || pWnd->m_hWnd == NULL || hDwp == NULL)
            return;
        CRect rcNow;
        pWnd->GetWindowRect(&rcNow);
        ScreenToClient(&rcNow);
        if (rcNow != rc)
            hDwp = ::DeferWindowPos(hDwp, pWnd->m_hWnd, NULL, rc.left, rc.top, rc.Width(), rc.Height(),
                                    nFlags | nExtra);
    };
    place(m_pTabCtrl, rcStrip, SWP_NOREDRAW);
    place(m_pActiveWnd, CRect(rcInside.left, rcInside.top, rcInside.right - 1, rcInside.bottom), 0);
    if (hDwp != NULL)
        ::EndDeferWindowPos(hDwp);
}

void SEC3DTabWnd::OnSize(UINT nType, int cx, int cy)
{
    SECTabWndBase::OnSize(nType, cx, cy);
    if (nType == SIZE_MINIMIZED || cx <= 0 || cy <= 0)
        return;
    RecalcLayout();
    if (m_pTabCtrl != NULL && m_pTabCtrl->m_hWnd != NULL)
        m_pTabCtrl->Invalidate(TRUE);
    Invalidate(FALSE);
}

LRESULT SEC3DTabWnd::OnTabSel(WPARAM wParam, LPARAM lParam)
{
    SECTabNotify* pNotify = reinterpret_cast<SECTabNotify*>(lParam);
    if (pNotify != NULL)
    {
        pNotify->nCtrlID = static_cast<UINT>(GetDlgCtrlID());
        ActivateTab(static_cast<CWnd*>(pNotify->pClient), static_cast<int>(wParam));
    }
    Invalidate(FALSE);
    if (m_pNotifyWnd != NULL && m_pNotifyWnd->m_hWnd != NULL)
        m_pNotifyWnd->SendMessage(TCM_TABSEL, wParam, lParam);
    return 0;
}

BOOL SEC3DTabWnd::OnEraseBkgnd(CDC* pDC)
{
    CRect rcClient, rcInside;
    GetClientRect(&rcClient);
    GetInsideRect(rcInside);
    int nSaved = pDC->SaveDC();
    pDC->ExcludeClipRect(rcInside);
    pDC->ExcludeClipRect(StripRect(rcClient, rcInside));
    pDC->FillSolidRect(rcClient, ::GetSysColor(COLOR_BTNFACE));
    pDC->RestoreDC(nSaved);
    return TRUE;
}

void SEC3DTabWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetInsideRect(rc);
    BOOL bFlat = (m_dwTabStyle & SEC_TABS_FLAT_EDGE) != 0;
    // The frame: four lines per edge, left and top from the outside in, right and bottom from
    // the inside out, in the order highlight, face, shadow, black; the flat style leaves out the
    // two lines nearest the content.
    const COLORREF colours[4] = {m_crHighlight, ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNSHADOW),
                                 RGB(0, 0, 0)};
    int nLeft = rc.left - 4;
    int nTop = rc.top - 4;
    int nRight = rc.right + (bFlat ? 2 : 0); // first column of the right edge
    int nBottom = rc.bottom + ((m_dwTabStyle & (SEC_TABS_BOTTOM | SEC_TABS_RIGHT)) ? 1 : 0);
    int nWidth = nRight + 4 - nLeft;
    const int topStart[4] = {0, 1, 2, 3}, topShorter[4] = {1, 3, 6, 8};
    const int bottomStart[4] = {2, 1, 1, 0}, bottomShorter[4] = {5, 3, 2, 0};
    for (int k = 0; k < 4; ++k)
    {
        BOOL bOuterEdge = !bFlat || k < 2;  // left and top: the inner two are nearest the content
        BOOL bInnerEdge = !bFlat || k >= 2; // right and bottom: the first two are
        if (bOuterEdge)
        {
            dc.FillSolidRect(nLeft + k, nTop + k, 1, nBottom - (nTop + k), colours[k]);
            dc.FillSolidRect(nLeft + topStart[k], nTop + k, nWidth - topShorter[k], 1, colours[k]);
        }
        if (bInnerEdge)
        {
            dc.FillSolidRect(nRight + k, nTop + 3 - k, 1, nBottom - (nTop + 3 - k), colours[k]);
            dc.FillSolidRect(nLeft + bottomStart[k], nBottom + k, nWidth - bottomShorter[k], 1, colours[k]);
        }
    }
}

void SEC3DTabWnd::OnSetFocus(CWnd* pOldWnd)
{
    SECTabWndBase::OnSetFocus(pOldWnd);
    HWND hNext = ::GetWindow(m_hWnd, GW_HWNDNEXT);
    BOOL bFromNext = pOldWnd != NULL && pOldWnd->m_hWnd == hNext && hNext != NULL &&
                     ::GetWindow(hNext, GW_HWNDNEXT) != NULL;
    if (bFromNext && m_pActiveWnd != NULL && m_pActiveWnd->m_hWnd != NULL)
    {
        // Shift+Tab back into the tab window: the active child's last control.
        m_pActiveWnd->SetFocus();
        m_pActiveWnd->SendMessage(WM_NEXTDLGCTL, 1, 0);
    }
    else if (m_pTabCtrl != NULL && m_pTabCtrl->m_hWnd != NULL)
        m_pTabCtrl->SetFocus();
}

BOOL SEC3DTabWnd::IsInActiveChild(HWND hWnd) const
{
    return m_pActiveWnd != NULL && m_pActiveWnd->m_hWnd != NULL && hWnd != NULL &&
           (hWnd == m_pActiveWnd->m_hWnd || ::IsChild(m_pActiveWnd->m_hWnd, hWnd));
}

BOOL SEC3DTabWnd::PreTranslateMessage(MSG* pMsg)
{
    if (!(GetStyle() & WS_TABSTOP))
        return SECTabWndBase::PreTranslateMessage(pMsg);
    if (SECTabWndBase::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message != WM_KEYDOWN)
        return FALSE;
    UINT nKey = static_cast<UINT>(pMsg->wParam);
    BOOL bCtrl = ::GetKeyState(VK_CONTROL) < 0;
    BOOL bShift = ::GetKeyState(VK_SHIFT) < 0;
    if (bCtrl && (nKey == VK_TAB || nKey == VK_PRIOR || nKey == VK_NEXT) &&
        SendMessage(WM_SEC_TABWND_CTRLKEY, 0, reinterpret_cast<LPARAM>(pMsg)) != 0)
        return TRUE;

    HWND hFocus = ::GetFocus();
    CWnd* pStrip = m_pTabCtrl;
    if (pStrip != NULL && hFocus == pStrip->m_hWnd)
    {
        UINT nSend = 0;
        if (nKey == VK_TAB && bCtrl)
            nSend = bShift ? VK_LEFT : VK_RIGHT;
        else if (nKey == VK_LEFT || nKey == VK_UP)
            nSend = VK_LEFT;
        else if (nKey == VK_RIGHT || nKey == VK_DOWN)
            nSend = VK_RIGHT;
        if (nSend != 0)
        {
            pStrip->SendMessage(WM_KEYDOWN, nSend, 0);
            return TRUE;
        }
    }
    if (nKey != VK_TAB || bCtrl)
        return FALSE;

    HWND hChild = m_pActiveWnd != NULL ? m_pActiveWnd->m_hWnd : NULL;
    if (!bShift)
    {
        if (!IsInActiveChild(hFocus))
        {
            if (hChild != NULL)
                ::SetFocus(hChild);
            return TRUE;
        }
        if (hFocus != hChild && SiblingWithTabStop(hFocus, GW_HWNDNEXT) != NULL)
            return ::IsDialogMessage(hChild, pMsg);
        HWND hTarget = SiblingWithTabStop(m_hWnd, GW_HWNDNEXT);
        if (hTarget == NULL)
            for (HWND h = ::GetWindow(m_hWnd, GW_HWNDFIRST); h != NULL && hTarget == NULL;
                 h = ::GetWindow(h, GW_HWNDNEXT))
                if (h != m_hWnd && (::GetWindowLong(h, GWL_STYLE) & WS_TABSTOP))
                    hTarget = h;
        if (hTarget == NULL)
            return ::IsDialogMessage(hChild, pMsg);
        ::SetFocus(hTarget);
        return TRUE;
    }
    if (!IsInActiveChild(hFocus))
        return FALSE;
    if (hFocus != hChild && SiblingWithTabStop(hFocus, GW_HWNDPREV) != NULL)
        return ::IsDialogMessage(hChild, pMsg);
    if (pStrip != NULL)
        pStrip->SetFocus();
    return TRUE;
}
