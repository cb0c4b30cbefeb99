// SECLayoutWndListener: a window's layout tree driven by its messages.
#include "uilib/frames/plugins/LayoutWndListener.h"
#include "uilib/frames/layout/LayoutNode.h"

BEGIN_MESSAGE_MAP(SECLayoutWndListener, tessaron::foundation::SECWndListener)
ON_WM_SIZE()
ON_WM_GETMINMAXINFO()
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_MEASUREITEM()
END_MESSAGE_MAP()

SECLayoutWndListener::SECLayoutWndListener()
    : m_pLayoutRoot(NULL), m_bUseWindowRect(FALSE), m_bAutoRecalc(TRUE)
{
}

SECLayoutWndListener::~SECLayoutWndListener()
{
}

BOOL SECLayoutWndListener::SetRootNode(SECLayoutNode* pRoot)
{
    m_pLayoutRoot = pRoot;
    return TRUE;
}

BOOL SECLayoutWndListener::SetAutoRecalc(BOOL bAutoRecalc)
{
    m_bAutoRecalc = bAutoRecalc;
    return bAutoRecalc;
}

BOOL SECLayoutWndListener::AttachLayout(SECLayoutNode* pRoot, CWnd* pWnd, RECT* pRect, DWORD_PTR dwExtra,
                                        BOOL bRecalcNow)
{
    if (pRoot == NULL || pWnd == NULL || pRect == NULL)
        return FALSE;
    pRoot->SetInitialRect(*pRect);
    pRoot->ResetZOrder(TRUE);
    if (!PlugInToEx(pWnd, dwExtra))
        return FALSE;
    SetRootNode(pRoot);
    if (bRecalcNow)
    {
        RECT rcOut;
        pRoot->RecalcNode(rcOut, *pRect, FALSE, TRUE);
        pRoot->RealizeNode(NULL);
        pRoot->RefreshNode(FALSE, TRUE);
    }
    return TRUE;
}

BOOL SECLayoutWndListener::AttachToWindow(SECLayoutNode* pRoot, CWnd* pWnd, DWORD_PTR dwExtra,
                                          BOOL bRecalcNow, BOOL bUseWindowRect)
{
    if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL)
        return FALSE;
    m_bUseWindowRect = bUseWindowRect;
    RECT rc;
    if (bUseWindowRect)
    {
        ::GetWindowRect(pWnd->GetSafeHwnd(), &rc);
        ::OffsetRect(&rc, -rc.left, -rc.top);
    }
    else
        ::GetClientRect(pWnd->GetSafeHwnd(), &rc);
    return AttachLayout(pRoot, pWnd, &rc, dwExtra, bRecalcNow);
}

void SECLayoutWndListener::OnSize(UINT, int cx, int cy)
{
    Default();
    if (m_pLayoutRoot == NULL || !m_bAutoRecalc)
        return;
    RECT rc;
    m_pLayoutRoot->GetAppliedRect(rc);
    if (m_bUseWindowRect && m_hWndHost != NULL)
    {
        RECT rcWnd;
        ::GetWindowRect(m_hWndHost, &rcWnd);
        cx = rcWnd.right - rcWnd.left;
        cy = rcWnd.bottom - rcWnd.top;
    }
    rc.right = rc.left + cx;
    rc.bottom = rc.top + cy;
    RECT rcOut;
    m_pLayoutRoot->RecalcNode(rcOut, rc, FALSE, TRUE);
    m_pLayoutRoot->RealizeNode(NULL);
}

void SECLayoutWndListener::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    Default();
    if (m_pLayoutRoot == NULL || m_hWndHost == NULL)
        return;
    try
    {
        SIZE sizeMin, sizeMax;
        DWORD dwFlags = 0;
        m_pLayoutRoot->GetMinMaxSize(sizeMin, sizeMax, dwFlags);
        RECT rcWnd, rcClient;
        ::GetWindowRect(m_hWndHost, &rcWnd);
        ::GetClientRect(m_hWndHost, &rcClient);
        int cxFrame = (rcWnd.right - rcWnd.left) - (rcClient.right - rcClient.left);
        int cyFrame = (rcWnd.bottom - rcWnd.top) - (rcClient.bottom - rcClient.top);
        if (!(dwFlags & SEC_LN_NOMIN))
        {
            lpMMI->ptMinTrackSize.x = sizeMin.cx + cxFrame;
            lpMMI->ptMinTrackSize.y = sizeMin.cy + cyFrame;
        }
        if (!(dwFlags & SEC_LN_NOMAX))
        {
            lpMMI->ptMaxTrackSize.x = sizeMax.cx + cxFrame;
            lpMMI->ptMaxTrackSize.y = sizeMax.cy + cyFrame;
        }
    }
    catch (CException* e)
    {
        e->Delete();
    }
}

BOOL SECLayoutWndListener::OnEraseBkgnd(CDC*)
{
    LRESULT lResult = Default();
    if (m_pLayoutRoot != NULL)
        m_pLayoutRoot->OnLayoutNotify(TRUE, 0);
    return (BOOL)lResult;
}

void SECLayoutWndListener::OnPaint()
{
    // The window paints (and erases) first; the nodes draw over it, or its painting would wipe
    // them out. The window has then had the message.
    if (m_pLayoutRoot == NULL || m_hWndHost == NULL)
    {
        Default();
        return;
    }
    const MSG* pMsg = GetCurrentMessage();
    SetResult(CallHostProc(pMsg->message, pMsg->wParam, pMsg->lParam));
    m_pLayoutRoot->DrawNode(TRUE, NULL);
    SetChainFlags(m_nChainFlags | tessaron::foundation::SEC_CHAIN_STOP_WINDOW);
}

void SECLayoutWndListener::OnMeasureItem(int, LPMEASUREITEMSTRUCT)
{
    SetChainFlags(tessaron::foundation::SEC_CHAIN_STOP_LISTENERS);
}
