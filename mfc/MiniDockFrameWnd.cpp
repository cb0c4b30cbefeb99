// Floating frames of control bars: their dock bar, caption, closing, and the caption and border
// presses that drag or resize the bar.
#include "MiniDockFrameWnd.h"
#include "DockContext.h"
#include "FrameworkIds.h"
#include "Menu.h"

IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CMiniFrameWnd)
ON_WM_CLOSE()
ON_WM_NCLBUTTONDOWN()
ON_WM_NCLBUTTONDBLCLK()
END_MESSAGE_MAP()

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE)
{
    m_wndDockBar.m_bAutoDelete = FALSE;
}

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    return CreateWithDockBar(pParent, dwBarStyle, m_wndDockBar);
}

BOOL CMiniDockFrameWnd::CreateWithDockBar(CWnd* pParent, DWORD dwBarStyle, CDockBar& dockBar)
{
    // No layout until something is docked.
    m_bInRecalcLayout = TRUE;
    DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_MOVEFRAME | MFS_4THICKFRAME | MFS_SYNCACTIVE |
                    MFS_BLOCKSYSMENU | FWS_SNAPTOBARS;
    if (dwBarStyle & CBRS_SIZE_DYNAMIC)
        dwStyle &= ~MFS_MOVEFRAME; // its border resizes it instead
    if (!CMiniFrameWnd::CreateEx(0, NULL, _T(""), dwStyle, rectDefault, pParent))
    {
        m_bInRecalcLayout = FALSE;
        return FALSE;
    }
    HMENU hSysMenu = ::GetSystemMenu(m_hWnd, FALSE);
    if (hSysMenu != NULL)
    {
        for (UINT nCmd : {SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE})
            ::DeleteMenu(hSysMenu, nCmd, MF_BYCOMMAND);
        CString strHide;
        if (strHide.LoadString(AFX_IDS_HIDE))
        {
            ::DeleteMenu(hSysMenu, SC_CLOSE, MF_BYCOMMAND);
            ::AppendMenu(hSysMenu, MF_STRING | MF_ENABLED, SC_CLOSE, strHide);
        }
    }
    DWORD dwDockStyle =
        (dwBarStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) ? CBRS_ALIGN_LEFT : CBRS_ALIGN_TOP;
    dwDockStyle |= dwBarStyle & CBRS_FLOAT_MULTI;
    // Created as a child of the docking frame first, so it joins that frame's bars (where
    // CanDock and the saved state find it), then moved in here.
    if (!dockBar.Create(pParent, WS_CHILD | WS_VISIBLE | dwDockStyle, AFX_IDW_DOCKBAR_FLOAT))
    {
        m_bInRecalcLayout = FALSE;
        return FALSE;
    }
    dockBar.SetParent(this);
    m_bInRecalcLayout = FALSE;
    return TRUE;
}

void CMiniDockFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout)
        return;
    CMiniFrameWnd::RecalcLayout(bNotify);
    CString strTitle;
    m_wndDockBar.GetWindowText(strTitle);
    SetCaptionIfChanged(strTitle);
}

CControlBar* CMiniDockFrameWnd::GetFirstBar() const
{
    for (int nPos = 1; nPos < m_wndDockBar.m_arrBars.GetSize(); nPos++)
    {
        CControlBar* pBar = m_wndDockBar.GetDockedControlBar(nPos);
        if (pBar != NULL)
            return pBar;
    }
    return NULL;
}

void CMiniDockFrameWnd::OnClose()
{
    // Closing a floating frame hides its bars; the frame goes with the last one.
    m_wndDockBar.ShowAll(FALSE);
}

// Clicking a floating frame that is not active brings its owner frame forward instead.
static void ActivateTopParent(CWnd* pWnd)
{
    HWND hForeground = ::GetForegroundWindow();
    if (hForeground == pWnd->m_hWnd || ::IsChild(hForeground, pWnd->m_hWnd))
        return;
    CWnd* pTop = pWnd->GetTopLevelFrame();
    if (pTop != NULL && pTop != pWnd)
        pTop->SetForegroundWindow();
}

void CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    BOOL bCaption = nHitTest == HTCAPTION && !(m_wndDockBar.m_dwStyle & CBRS_FLOAT_MULTI);
    BOOL bBorder = nHitTest >= HTSIZEFIRST && nHitTest <= HTSIZELAST;
    CControlBar* pBar = (bCaption || bBorder) ? GetFirstBar() : NULL;
    if (pBar != NULL && pBar->m_pDockContext != NULL)
    {
        ActivateTopParent(this);
        if (bCaption)
            pBar->m_pDockContext->StartDrag(point);
        else
            pBar->m_pDockContext->StartResize((int)nHitTest, point);
        return;
    }
    CMiniFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    if (nHitTest == HTCAPTION && !(m_wndDockBar.m_dwStyle & CBRS_FLOAT_MULTI))
    {
        CControlBar* pBar = GetFirstBar();
        if (pBar != NULL && pBar->m_pDockContext != NULL)
        {
            ActivateTopParent(this);
            pBar->m_pDockContext->ToggleDocking();
            return;
        }
    }
    CMiniFrameWnd::OnNcLButtonDblClk(nHitTest, point);
}
