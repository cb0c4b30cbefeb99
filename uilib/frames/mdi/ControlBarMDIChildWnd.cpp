// SECControlBarMDIChildWnd: layout, title and closing of the bar-hosting MDI child.
#include "uilib/frames/mdi/ControlBarMDIChildWnd.h"
#include "uilib/common/SystemData.h"
#include "uilib/frames/mdi/MDIFrameWnd.h"

IMPLEMENT_DYNCREATE(SECControlBarMDIChildWnd, SECMDIChildWnd)

BEGIN_MESSAGE_MAP(SECControlBarMDIChildWnd, SECMDIChildWnd)
ON_WM_SIZE()
ON_WM_CLOSE()
ON_WM_WINDOWPOSCHANGED()
ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

SECControlBarMDIChildWnd::SECControlBarMDIChildWnd() : m_wndDockBar(TRUE, TRUE), m_dwReserved(0)
{
}

BOOL SECControlBarMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!SECMDIChildWnd::PreCreateWindow(cs))
        return FALSE;
    // The bar's own caption names it; no document title is added.
    cs.style &= ~(FWS_ADDTOTITLE | FWS_PREFIXTITLE);
    return TRUE;
}

BOOL SECControlBarMDIChildWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext*)
{
    CWnd* pOwner = GetMDIFrame();
    if (!m_wndDockBar.Create(pOwner, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_FLOAT))
        return FALSE;
    m_wndDockBar.SetParent(this);
    return TRUE;
}

CControlBar* SECControlBarMDIChildWnd::GetHostedBar() const
{
    return HostedBarOf(m_wndDockBar);
}

CControlBar* PASCAL SECControlBarMDIChildWnd::HostedBarOf(const CDockBar& dockBar)
{
    if (dockBar.m_hWnd == NULL || (dockBar.m_dwStyle & CBRS_FLOAT_MULTI))
        return NULL;
    for (int i = 0; i < dockBar.m_arrBars.GetSize(); ++i)
    {
        void* p = dockBar.m_arrBars[i];
        // Row ends are NULL and placeholders small control ids.
        if ((DWORD_PTR)p > 0xFFFF)
            return (CControlBar*)p;
    }
    return NULL;
}

void PASCAL SECControlBarMDIChildWnd::SizeHostedBar(CControlBar* pBar, int cx, int cy)
{
    if (pBar == NULL || !pBar->IsVisible())
        return;
    const SECSystemData& data = SECGetSystemData();
    pBar->CalcDynamicLayout(cx + 2 * data.m_cxBorder, LM_MRUWIDTH | LM_COMMIT);
    pBar->CalcDynamicLayout(cy + 2 * data.m_cyBorder, LM_LENGTHY | LM_MRUWIDTH | LM_COMMIT);
}

void PASCAL SECControlBarMDIChildWnd::HideHostedBar(CMDIChildWnd* pChild, CControlBar* pBar)
{
    CMDIFrameWnd* pFrame = pChild->GetMDIFrame();
    if (pFrame != NULL)
        ::SendMessage(pFrame->m_hWndMDIClient, WM_MDIRESTORE, (WPARAM)pChild->m_hWnd, 0);
    SECMDIFrameWnd* pLibraryFrame = DYNAMIC_DOWNCAST(SECMDIFrameWnd, pFrame);
    if (pLibraryFrame != NULL)
        pLibraryFrame->ShowControlBar(pBar, FALSE, FALSE);
    else if (pFrame != NULL)
        pFrame->ShowControlBar(pBar, FALSE, FALSE);
}

void PASCAL SECControlBarMDIChildWnd::StoreFloatPos(CWnd* pChild, CControlBar* pBar)
{
    if (pBar == NULL || pBar->m_pDockContext == NULL)
        return;
    // Screen coordinates, as every reader of the last floating place expects.
    CRect rect;
    pChild->GetWindowRect(&rect);
    pBar->m_pDockContext->m_ptMRUFloatPos = rect.TopLeft();
}

void SECControlBarMDIChildWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout)
        return;
    CFrameWnd::RecalcLayout(bNotify);
    CString strTitle;
    m_wndDockBar.GetWindowText(strTitle);
    SetCaptionIfChanged(strTitle);
}

void SECControlBarMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CString strText;
    GetWindowText(strText);
    SECMDIChildWnd::OnUpdateFrameTitle(bAddToTitle);
    SetCaptionIfChanged(strText);
}

void SECControlBarMDIChildWnd::OnSize(UINT nType, int cx, int cy)
{
    SizeHostedBar(GetHostedBar(), cx, cy);
    SECMDIChildWnd::OnSize(nType, cx, cy);
}

void SECControlBarMDIChildWnd::OnClose()
{
    CControlBar* pBar = GetHostedBar();
    if (pBar == NULL)
    {
        CFrameWnd::OnClose();
        return;
    }
    HideHostedBar(this, pBar);
}

void SECControlBarMDIChildWnd::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    if (!(lpwndpos->flags & SWP_NOMOVE))
        StoreFloatPos(this, GetHostedBar());
    Default();
}

void SECControlBarMDIChildWnd::OnShowWindow(BOOL bShow, UINT nStatus)
{
    Default();
    (void)bShow;
    (void)nStatus;
    CMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, AfxGetMainWnd());
    if (pFrame != NULL && pFrame->m_hWndMDIClient != NULL)
        ::PostMessage(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
}
