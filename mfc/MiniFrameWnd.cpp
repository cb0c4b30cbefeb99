// CMiniFrameWnd: tool-window frames whose caption follows the owner's activation.
#include "MiniFrameWnd.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
ON_WM_NCACTIVATE()
END_MESSAGE_MAP()

CMiniFrameWnd::CMiniFrameWnd() : m_bSyncActivate(FALSE)
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
    m_bSyncActivate = (dwStyle & MFS_SYNCACTIVATE) != 0;
    m_strTitle = lpWindowName;
    // The MFS_ bits share the low word with window-class styles; they are ours, not the system's.
    DWORD dwWinStyle = dwStyle & ~(DWORD)(MFS_SYNCACTIVATE | MFS_4THICKFRAME | MFS_THICKFRAME |
                                          MFS_MOVEFRAME | MFS_BLOCKSYSMENU);
    if (dwStyle & MFS_THICKFRAME)
        dwWinStyle |= WS_THICKFRAME;
    return CWnd::CreateEx(dwExStyle | WS_EX_TOOLWINDOW, lpClassName, lpWindowName, dwWinStyle, rect.left,
                          rect.top, rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                          (HMENU)(UINT_PTR)nID);
}

BOOL CMiniFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    BOOL bResult = CFrameWnd::PreCreateWindow(cs);
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return bResult;
}

BOOL CMiniFrameWnd::OnNcActivate(BOOL bActive)
{
    // A palette looks active as long as the window it serves is.
    if (m_bSyncActivate)
    {
        CWnd* pOwner = GetOwner();
        HWND hActive = ::GetActiveWindow();
        if (pOwner != NULL && (hActive == pOwner->m_hWnd || hActive == m_hWnd))
            bActive = TRUE;
    }
    return CFrameWnd::OnNcActivate(bActive);
}
