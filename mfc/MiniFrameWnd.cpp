// CMiniFrameWnd: tool-window frames whose caption follows the owner's activation.
#include "MiniFrameWnd.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
ON_WM_NCACTIVATE()
ON_WM_NCHITTEST()
ON_WM_SYSCOMMAND()
ON_WM_CONTEXTMENU()
ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
END_MESSAGE_MAP()

CMiniFrameWnd::CMiniFrameWnd()
{
}

BOOL CMiniFrameWnd::Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                           CWnd* pParentWnd, UINT nID)
{
    return CreateEx(0, lpClassName, lpWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL CMiniFrameWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle,
                             const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    m_strTitle = lpWindowName;
    // The MFS_ bits stay in the style (the low word is the class's own); both thick frames are a
    // system thick frame, the hit test narrows what they do.
    if (dwStyle & (MFS_THICKFRAME | MFS_4THICKFRAME))
        dwStyle |= WS_THICKFRAME;
    return CWnd::CreateEx(dwExStyle | WS_EX_TOOLWINDOW, lpClassName, lpWindowName, dwStyle, rect.left,
                          rect.top, AfxRectExtent(rect.left, rect.right),
                          AfxRectExtent(rect.top, rect.bottom), pParentWnd->GetSafeHwnd(),
                          (HMENU)(UINT_PTR)nID);
}

BOOL CMiniFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    BOOL bResult = CFrameWnd::PreCreateWindow(cs);
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return bResult;
}

void PASCAL CMiniFrameWnd::CalcBorders(LPRECT lpClientRect, DWORD dwStyle, DWORD dwExStyle)
{
    // The frame the layer gives its mini frames: a tool window with these styles.
    ::AdjustWindowRectEx(lpClientRect, dwStyle & (WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME),
                         FALSE, (dwExStyle & ~WS_EX_CLIENTEDGE) | WS_EX_TOOLWINDOW);
}

LRESULT CMiniFrameWnd::OnNcHitTest(CPoint point)
{
    LRESULT nHit = CFrameWnd::OnNcHitTest(point);
    DWORD dwStyle = GetStyle();
    if ((dwStyle & MFS_BLOCKSYSMENU) && nHit == HTSYSMENU)
        return HTCAPTION;
    if ((dwStyle & MFS_MOVEFRAME) && ((nHit >= HTSIZEFIRST && nHit <= HTSIZELAST) || nHit == HTBORDER))
        return HTCAPTION;
    if (dwStyle & MFS_4THICKFRAME)
    {
        // Corners size by the side they belong to.
        switch (nHit)
        {
        case HTTOPLEFT:
        case HTBOTTOMLEFT:
            return HTLEFT;
        case HTTOPRIGHT:
        case HTBOTTOMRIGHT:
            return HTRIGHT;
        default:
            break;
        }
    }
    return nHit;
}

void CMiniFrameWnd::OnSysCommand(UINT nID, LPARAM lParam)
{
    UINT nCmd = nID & 0xFFF0;
    if ((GetStyle() & MFS_BLOCKSYSMENU) && (nCmd == SC_KEYMENU || nCmd == SC_MOUSEMENU))
        return;
    CFrameWnd::OnSysCommand(nID, lParam);
}

void CMiniFrameWnd::OnContextMenu(CWnd* pWnd, CPoint pos)
{
    if (GetStyle() & MFS_BLOCKSYSMENU)
        return; // a right click on the caption offers no system menu either
    CFrameWnd::OnContextMenu(pWnd, pos);
}

BOOL CMiniFrameWnd::IsOwnerActive() const
{
    CFrameWnd* pOwnerFrame = GetTopLevelFrame();
    if (pOwnerFrame == NULL || pOwnerFrame == this)
        return FALSE;
    HWND hActive = ::GetActiveWindow();
    return hActive == pOwnerFrame->m_hWnd || hActive == m_hWnd ||
           (pOwnerFrame->m_nFlags & WF_STAYACTIVE) != 0;
}

BOOL CMiniFrameWnd::OnNcActivate(BOOL bActive)
{
    // A palette looks active as long as the window it serves is.
    if ((GetStyle() & MFS_SYNCACTIVE) && IsOwnerActive())
        bActive = TRUE;
    return CFrameWnd::OnNcActivate(bActive);
}

LRESULT CMiniFrameWnd::OnFloatStatus(WPARAM wParam, LPARAM)
{
    BOOL bSync = (GetStyle() & MFS_SYNCACTIVE) != 0;
    if (wParam & FS_SYNCACTIVE)
        return bSync;
    if (wParam & (FS_ENABLE | FS_DISABLE))
        EnableWindow((wParam & FS_ENABLE) != 0);
    if (bSync && (wParam & (FS_ACTIVATE | FS_DEACTIVATE)))
        DefWindowProc(WM_NCACTIVATE, (wParam & FS_ACTIVATE) != 0 || ::GetActiveWindow() == m_hWnd, 0);
    return TRUE;
}
