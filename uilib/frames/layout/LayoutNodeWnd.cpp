// SECLayoutNodeWnd: placing one window.
#include "uilib/frames/layout/LayoutNodeWnd.h"

SECLayoutNodeWnd::SECLayoutNodeWnd() : m_hWnd(NULL), m_hWndParent(NULL), m_bOleControl(FALSE)
{
}

SECLayoutNodeWnd::~SECLayoutNodeWnd()
{
}

BOOL SECLayoutNodeWnd::BindWindow(HWND hWnd, CWnd* pParent)
{
    RECT rc;
    if (hWnd == NULL || pParent == NULL || pParent->GetSafeHwnd() == NULL || !::GetWindowRect(hWnd, &rc))
        return FALSE;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    m_bOleControl = pWnd != NULL && pWnd->GetControlUnknown() != NULL;
    m_hWnd = hWnd;
    m_hWndParent = pParent->GetSafeHwnd();
    ::MapWindowPoints(NULL, m_hWndParent, (POINT*)&rc, 2);
    SetInitialRect(rc);
    return TRUE;
}

BOOL SECLayoutNodeWnd::BindWindow(CWnd* pWnd, CWnd* pParent)
{
    if (pWnd == NULL)
        return FALSE;
    return BindWindow(pWnd->GetSafeHwnd(), pParent);
}

BOOL SECLayoutNodeWnd::RealizeSelf(HDWP* pHdwp, HDC)
{
    RECT rc;
    GetAppliedRect(rc);
    if (m_bOleControl)
    {
        // A control site moves its control through its MFC object, outside the batch.
        CWnd* pWnd = CWnd::FromHandlePermanent(m_hWnd);
        if (pWnd != NULL)
            return pWnd->SetWindowPos(NULL, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                                      SWP_NOZORDER);
        return FALSE;
    }
    UINT nFlags = SWP_NOZORDER;
    if (GetNodeStyle() & SEC_LN_EXPOSEDSTRIPS)
        nFlags |= SWP_NOREDRAW;
    if (m_pContainer != NULL)
        m_pContainer->NodeToClient(&rc);
    if (pHdwp != NULL && *pHdwp != NULL)
    {
        *pHdwp = ::DeferWindowPos(*pHdwp, m_hWnd, NULL, rc.left, rc.top, rc.right - rc.left,
                                  rc.bottom - rc.top, nFlags);
        return *pHdwp != NULL;
    }
    return ::SetWindowPos(m_hWnd, NULL, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, nFlags);
}

void SECLayoutNodeWnd::InvalidateNodeRect(const RECT* pRect, BOOL bErase)
{
    if (m_hWndParent == NULL || !IsNodeValid())
        return;
    if (bErase)
        ::InvalidateRect(m_hWndParent, pRect, TRUE);
    else
        ::RedrawWindow(m_hWnd, NULL, NULL, RDW_INVALIDATE);
}

void SECLayoutNodeWnd::Reparent(HWND hWndNewParent)
{
    m_hWndParent = hWndNewParent;
    ::SetParent(m_hWnd, hWndNewParent);
}

BOOL SECLayoutNodeWnd::SetVisible(BOOL bVisible)
{
    BOOL bChanged = SECDefHideableNode::SetVisible(bVisible);
    if (bChanged && m_hWnd != NULL)
        ::ShowWindow(m_hWnd, bVisible ? SW_SHOWNORMAL : SW_HIDE);
    return bChanged;
}
