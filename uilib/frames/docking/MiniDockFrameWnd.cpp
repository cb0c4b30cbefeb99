// SECMiniDockFrameWnd: creation with its SECDockBar, layout at a point, and the caption and
// border presses that drag, resize or toggle the bar.
#include "uilib/frames/docking/MiniDockFrameWnd.h"
#include "FrameworkIds.h"

IMPLEMENT_DYNCREATE(SECMiniDockFrameWnd, CMiniDockFrameWnd)

BEGIN_MESSAGE_MAP(SECMiniDockFrameWnd, CMiniDockFrameWnd)
ON_WM_CLOSE()
ON_WM_NCLBUTTONDOWN()
ON_WM_NCLBUTTONDBLCLK()
ON_WM_PARENTNOTIFY()
END_MESSAGE_MAP()

namespace
{
const int kMaxCaption = 260;

// The frame the bar docks into comes forward when its floating frame is clicked.
void ActivateTopParent(SECMiniDockFrameWnd* pFrame)
{
    CFrameWnd* pSite = pFrame->m_wndSECDockBar.m_pDockSite;
    CFrameWnd* pTop = pSite != NULL ? pSite->GetTopLevelFrame() : NULL;
    if (pTop == NULL)
        pTop = pSite;
    if (pTop != NULL && ::GetForegroundWindow() != pTop->m_hWnd)
        pTop->SetForegroundWindow();
}

void TakeCaptionFromDockBar(CFrameWnd* pFrame, CDockBar& dock)
{
    TCHAR szTitle[kMaxCaption + 1] = {};
    ::GetWindowText(dock.m_hWnd, szTitle, kMaxCaption + 1);
    pFrame->SetCaptionIfChanged(szTitle);
}
} // namespace

SECMiniDockFrameWnd::SECMiniDockFrameWnd() : m_wndSECDockBar(TRUE, FALSE)
{
    m_wndSECDockBar.m_bAutoDelete = FALSE;
}

BOOL SECMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    return CreateWithDockBar(pParent, dwBarStyle, m_wndSECDockBar);
}

void SECMiniDockFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout)
        return;
    CFrameWnd::RecalcLayout(bNotify);
    TakeCaptionFromDockBar(this, m_wndSECDockBar);
}

void SECMiniDockFrameWnd::RecalcLayoutAt(int x, int y, BOOL /*bRepaint*/)
{
    if (m_bInRecalcLayout)
        return;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    m_bInRecalcLayout = TRUE;
    if (GetStyle() & FWS_SNAPTOBARS)
    {
        CRect rect(0, 0, 32767, 32767);
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &rect, &rect, FALSE);
        rect.OffsetRect(-rect.TopLeft());
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder, &rect, TRUE);
        CalcWindowRect(&rect);
        SetWindowPos(NULL, x, y < 0 ? 0 : y, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    else
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder);
    TakeCaptionFromDockBar(this, m_wndSECDockBar);
    m_bInRecalcLayout = FALSE;
}

CControlBar* SECMiniDockFrameWnd::GetFirstBar() const
{
    for (int nPos = 1; nPos < m_wndSECDockBar.m_arrBars.GetSize(); nPos++)
    {
        CControlBar* pBar = m_wndSECDockBar.GetDockedControlBar(nPos);
        if (pBar != NULL)
            return pBar;
    }
    return NULL;
}

void SECMiniDockFrameWnd::OnClose()
{
    // Closing hides the bars; the frame goes with the last of them.
    m_wndSECDockBar.ShowAll(FALSE);
}

void SECMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    const BOOL bCaption = nHitTest == HTCAPTION;
    const BOOL bBorder = nHitTest >= HTLEFT && nHitTest <= HTBOTTOMRIGHT;
    if (bCaption || bBorder)
    {
        ActivateTopParent(this);
        CControlBar* pBar = GetFirstBar();
        if (bCaption && (m_wndSECDockBar.m_dwStyle & CBRS_FLOAT_MULTI))
            pBar = NULL;
        if (pBar != NULL && pBar->m_pDockContext != NULL)
        {
            if (bCaption)
                pBar->m_pDockContext->StartDrag(point);
            else
                pBar->m_pDockContext->StartResize((int)nHitTest, point);
            return;
        }
    }
    CMiniFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void SECMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    if (nHitTest == HTCAPTION)
    {
        ActivateTopParent(this);
        CControlBar* pBar = GetFirstBar();
        if (!(m_wndSECDockBar.m_dwStyle & CBRS_FLOAT_MULTI) && pBar != NULL && pBar->m_pDockContext != NULL)
        {
            pBar->m_pDockContext->ToggleDocking();
            return;
        }
    }
    CMiniFrameWnd::OnNcLButtonDblClk(nHitTest, point);
}

void SECMiniDockFrameWnd::OnParentNotify(UINT message, LPARAM lParam)
{
    const UINT nEvent = LOWORD(message);
    if (nEvent == WM_LBUTTONDOWN || nEvent == WM_RBUTTONDOWN)
        SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    CWnd::OnParentNotify(message, lParam);
}
