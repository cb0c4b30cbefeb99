// SECPanView: pan drags, scrolling by logical or device deltas, and the overview window.
#include "uilib/frames/views/PanView.h"
#include "uilib/frames/views/PanWnd.h"

IMPLEMENT_DYNAMIC(SECPanView, SECZoomView)

BEGIN_MESSAGE_MAP(SECPanView, SECZoomView)
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_SIZE()
END_MESSAGE_MAP()

SECPanView::SECPanView()
    : m_nPanCursorId(0), m_nPanMode(0), m_bPanning(FALSE), m_hSavedCursor(NULL), m_hPanCursor(NULL),
      m_ptAnchor(0, 0), m_pOverview(NULL), m_overviews(10), m_szSavedTotalDev(0, 0), m_bSavedCenter(FALSE),
      m_nSavedZoomMode(0)
{
}

SECPanView::~SECPanView()
{
    if (m_pOverview != NULL && m_pOverview->m_hWnd != NULL)
        m_pOverview->DestroyWindow();
    m_pOverview = NULL;
    while (!m_overviews.IsEmpty())
        delete (SECPanWnd*)m_overviews.RemoveHead();
}

BOOL SECPanView::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT)
    {
        if (m_bPanning)
        {
            HCURSOR hOld = ::SetCursor(m_hPanCursor);
            if (m_hSavedCursor == NULL)
                m_hSavedCursor = hOld;
            return TRUE;
        }
        if (m_hSavedCursor != NULL)
        {
            ::SetCursor(m_hSavedCursor);
            m_hSavedCursor = NULL;
            return TRUE;
        }
    }
    return (BOOL)DefWindowProc(WM_SETCURSOR, (WPARAM)(pWnd != NULL ? pWnd->m_hWnd : m_hWnd),
                               MAKELPARAM(nHitTest, message));
}

void SECPanView::BeginPan(const POINT* pPoint, UINT nCursorId)
{
    m_bPanning = TRUE;
    m_nPanCursorId = nCursorId;
    m_hPanCursor = ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(LOWORD(nCursorId)));
    OnSetCursor(NULL, HTCLIENT, 0);
    m_ptAnchor = *pPoint;
    SetCapture();
}

void SECPanView::ContinuePan(const POINT* pPoint)
{
    if (m_nPanMode != 1)
        return;
    ScrollByLogicalDelta(*pPoint, FALSE);
    UpdateOverviewRect();
}

void SECPanView::EndPan(const POINT* pPoint)
{
    ::ReleaseCapture();
    m_bPanning = FALSE;
    OnSetCursor(NULL, HTCLIENT, 0);
    ScrollByLogicalDelta(*pPoint, FALSE);
    UpdateOverviewRect();
}

void SECPanView::PanBy(const POINT* pPoint)
{
    ScrollByLogicalDelta(*pPoint, TRUE);
}

BOOL SECPanView::ScrollByLogicalDelta(CPoint point, BOOL bDirect)
{
    CClientDC dc(this);
    OnPrepareDC(&dc);
    CSize delta = bDirect ? point - m_ptAnchor : m_ptAnchor - point;
    dc.LPtoDP(&delta);
    return ScrollByDevice(delta.cx, delta.cy, TRUE);
}

BOOL SECPanView::ScrollByDevice(int dx, int dy, BOOL bDoScroll)
{
    DWORD dwStyle = GetStyle();
    CScrollBar* pBar = GetScrollBarCtrl(SB_VERT);
    if ((pBar != NULL && !pBar->IsWindowEnabled()) || (pBar == NULL && !(dwStyle & WS_VSCROLL)))
        dy = 0;
    pBar = GetScrollBarCtrl(SB_HORZ);
    if ((pBar != NULL && !pBar->IsWindowEnabled()) || (pBar == NULL && !(dwStyle & WS_HSCROLL)))
        dx = 0;
    int xOrig = GetScrollPos(SB_HORZ), yOrig = GetScrollPos(SB_VERT);
    int xMax = GetScrollLimit(SB_HORZ), yMax = GetScrollLimit(SB_VERT);
    int x = xOrig + dx, y = yOrig + dy;
    x = x < 0 ? 0 : (x > xMax ? xMax : x);
    y = y < 0 ? 0 : (y > yMax ? yMax : y);
    if (x == xOrig && y == yOrig)
        return FALSE;
    if (bDoScroll)
    {
        if (x != xOrig)
            SetScrollPos(SB_HORZ, x);
        if (y != yOrig)
            SetScrollPos(SB_VERT, y);
        ScrollWindow(xOrig - x, yOrig - y);
        UpdateWindow();
    }
    return TRUE;
}

void SECPanView::UpdateOverviewRect()
{
    if (m_pOverview == NULL || m_pOverview->m_hWnd == NULL)
        return;
    CRect rect;
    GetClientRect(&rect);
    CClientDC dc(this);
    OnPrepareDC(&dc);
    dc.DPtoLP(&rect);
    m_pOverview->SetViewRect(rect);
}

void SECPanView::BeginOverviewDraw(SECPanWnd* pOverview)
{
    m_szSavedTotalDev = m_totalDev;
    m_bSavedCenter = m_bCenter;
    m_nSavedZoomMode = m_nZoomMode;
    m_bCenter = FALSE;
    m_nZoomMode = SEC_ZOOMPANOVER;
    CRect client;
    pOverview->GetClientRect(&client);
    m_totalDev = client.Size();
    CSize offset;
    FitSizeToAspect(m_totalLog, m_totalDev, offset);
}

void SECPanView::EndOverviewDraw()
{
    m_totalDev = m_szSavedTotalDev;
    m_bCenter = m_bSavedCenter;
    m_nZoomMode = m_nSavedZoomMode;
}

BOOL SECPanView::ShowOverviewWnd(RECT rect)
{
    if (m_pOverview == NULL)
    {
        SECPanWnd* pOverview = new SECPanWnd(this);
        m_overviews.AddTail(pOverview);
        // Without a window the object stays listed but is not the current overview.
        if (!pOverview->Create(rect, NULL))
            return TRUE;
        pOverview->ShowWindow(SW_SHOW);
        m_pOverview = pOverview;
    }
    else
    {
        m_pOverview->MoveWindow(&rect, TRUE);
        m_pOverview->OnUpdate(this, 0, NULL);
    }
    m_pOverview->UpdateWindow();
    UpdateOverviewRect();
    return TRUE;
}

BOOL SECPanView::CloseOverviewWnd()
{
    if (m_pOverview != NULL)
    {
        SECPanWnd* pOverview = m_pOverview;
        m_pOverview = NULL;
        pOverview->ShowWindow(SW_HIDE);
        pOverview->DestroyWindow();
    }
    return TRUE;
}

void SECPanView::OnOverviewClosed(SECPanWnd* pOverview)
{
    if (m_pOverview == pOverview)
        m_pOverview = NULL;
}

void SECPanView::UpdateOverviewWnd(CView* pSender, LPARAM lHint, CObject* pHint)
{
    if (m_pOverview != NULL)
        m_pOverview->OnUpdate(pSender, lHint, pHint);
}

void SECPanView::RefreshOverviewWnd(CView*, LPARAM, CObject*, CDC*, SECPanWnd* pOverview)
{
    pOverview->InvalidateRect(NULL, TRUE);
}

void SECPanView::OnZoomChanged()
{
    UpdateOverviewRect();
}

void SECPanView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    CScrollView::OnHScroll(nSBCode, nPos, pScrollBar);
    UpdateOverviewRect();
}

void SECPanView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    CScrollView::OnVScroll(nSBCode, nPos, pScrollBar);
    UpdateOverviewRect();
}

void SECPanView::OnSize(UINT nType, int cx, int cy)
{
    SECZoomView::OnSize(nType, cx, cy);
    UpdateOverviewRect();
}
