// SECPanWnd: drawing the view reduced, the tracking rectangle and dragging it.
#include "uilib/frames/views/PanWnd.h"
#include "uilib/frames/views/PanView.h"
#include "FramesIds.h"

IMPLEMENT_DYNAMIC(SECPanWnd, CWnd)

BEGIN_MESSAGE_MAP(SECPanWnd, CWnd)
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_SETCURSOR()
ON_WM_PAINT()
ON_WM_CLOSE()
END_MESSAGE_MAP()

namespace
{
// A client DC of the overview mapped as the view draws into it; the view's state comes back
// when it goes.
class COverviewDC : public CClientDC
{
  public:
    COverviewDC(SECPanWnd* pOverview, SECPanView* pView) : CClientDC(pOverview), m_pView(pView)
    {
        m_pView->BeginOverviewDraw(pOverview);
        m_pView->OnPrepareDC(this);
    }
    ~COverviewDC() override
    {
        m_pView->EndOverviewDraw();
    }

  private:
    SECPanView* m_pView;
};
} // namespace

SECPanWnd::SECPanWnd(SECPanView* pView)
    : m_pView(pView), m_rectTrack(0, 0, 0, 0), m_szOffset(0, 0), m_bDragging(FALSE), m_hDragCursor(NULL),
      m_bClipConfirmed(FALSE)
{
    m_hDragCursor = (HCURSOR)::LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(IDC_SEC_PANWND_DRAG),
                                         IMAGE_CURSOR, 0, 0, LR_DEFAULTCOLOR);
}

SECPanWnd::~SECPanWnd()
{
    if (m_pView != NULL)
        m_pView->OnOverviewClosed(this);
    if (m_hWnd != NULL)
        DestroyWindow();
    if (m_hDragCursor != NULL)
        ::DestroyCursor(m_hDragCursor);
}

BOOL SECPanWnd::Create(RECT rect, LPCTSTR lpszTitle)
{
    CString strTitle;
    if (lpszTitle != NULL)
        strTitle = lpszTitle;
    else
        strTitle.LoadString(IDS_SEC_PANWND_TITLE);
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_CLASSDC, NULL, (HBRUSH)(COLOR_WINDOW + 1), NULL);
    return CreateEx(WS_EX_TOPMOST, lpszClass, strTitle,
                    WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, NULL, NULL);
}

BOOL SECPanWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
        cs.lpszClass = _T("SECPanWnd");
    return TRUE;
}

void SECPanWnd::SetViewRect(const CRect& rect)
{
    COverviewDC dc(this, m_pView);
    if (m_rectTrack.Width() > 0)
        DrawViewRect(&dc); // erases the old one
    CRect rectNew = rect;
    CRect rectDev = rect;
    dc.LPtoDP(&rectDev);
    CRect client;
    GetClientRect(&client);
    if (rectDev.Width() > client.Width())
    {
        rectNew.right -= rectNew.left;
        rectNew.left = 0;
    }
    if (rectDev.Height() > client.Height())
    {
        rectNew.bottom -= rectNew.top;
        rectNew.top = 0;
    }
    m_rectTrack = rectNew;
    DrawViewRect(&dc);
}

void SECPanWnd::DrawViewRect(CDC* pDC)
{
    pDC->SaveDC();
    pDC->SetROP2(R2_NOTXORPEN);
    CPen pen(PS_DOT, 0, RGB(0, 0, 0));
    pDC->SelectObject(&pen);
    pDC->SelectStockObject(NULL_BRUSH);
    pDC->Rectangle(&m_rectTrack);
    pDC->RestoreDC(-1);
}

void SECPanWnd::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint)
{
    COverviewDC dc(this, m_pView);
    m_pView->RefreshOverviewWnd(pSender, lHint, pHint, &dc, this);
}

void SECPanWnd::OverviewDPtoLP(CPoint& pt)
{
    COverviewDC dc(this, m_pView);
    dc.DPtoLP(&pt);
}

void SECPanWnd::ClipCursorToOverview()
{
    CSize offset = m_szOffset;
    CRect rectDev = m_rectTrack;
    {
        COverviewDC dc(this, m_pView);
        dc.LPtoDP(&offset);
        dc.LPtoDP(&rectDev);
    }
    CRect client;
    GetClientRect(&client);
    ClientToScreen(&client);
    CRect clip(client.left + offset.cx, client.top + offset.cy, client.right - rectDev.Width() + offset.cx,
               client.bottom - rectDev.Height() + offset.cy);
    // A rectangle as large as the overview leaves no room on that axis.
    if (clip.right < clip.left)
        clip.right = clip.left + rectDev.left;
    if (clip.bottom < clip.top)
        clip.bottom = clip.top + rectDev.top;
    ::ClipCursor(&clip);
    m_bClipConfirmed = FALSE;
}

void SECPanWnd::OnLButtonDown(UINT, CPoint point)
{
    OverviewDPtoLP(point);
    CRect rect = m_rectTrack;
    rect.NormalizeRect();
    if (!rect.PtInRect(point))
        return;
    m_bDragging = TRUE;
    SetCapture();
    ::SetCursor(m_hDragCursor);
    m_szOffset = point - m_rectTrack.TopLeft();
    ClipCursorToOverview();
    m_pView->m_ptAnchor = point;
}

void SECPanWnd::OnMouseMove(UINT, CPoint point)
{
    if (!m_bDragging)
        return;
    if (!m_bClipConfirmed)
    {
        CRect clip, client;
        ::GetClipCursor(&clip);
        GetClientRect(&client);
        if (clip.Width() <= client.Width() && clip.Height() <= client.Height())
            m_bClipConfirmed = TRUE;
        else
        {
            ::ClipCursor(NULL);
            ClipCursorToOverview();
        }
    }
    OverviewDPtoLP(point);
    SetViewRect(CRect(point - m_szOffset, m_rectTrack.Size()));
    if (m_pView->m_nPanMode == 1)
    {
        m_pView->PanBy(&point);
        m_pView->m_ptAnchor = point;
    }
}

void SECPanWnd::OnLButtonUp(UINT, CPoint point)
{
    if (!m_bDragging)
        return;
    OverviewDPtoLP(point);
    ::ReleaseCapture();
    m_bDragging = FALSE;
    ::ClipCursor(NULL);
    SetViewRect(CRect(point - m_szOffset, m_rectTrack.Size()));
    m_pView->PanBy(&point);
}

BOOL SECPanWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest != HTCLIENT)
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(m_bDragging ? m_hDragCursor : ::LoadCursor(NULL, IDC_ARROW));
    return TRUE;
}

void SECPanWnd::OnPaint()
{
    CPaintDC dc(this);
    m_pView->BeginOverviewDraw(this);
    m_pView->OnPrepareDC(&dc);
    CRect clip;
    dc.GetClipBox(&clip);
    clip.InflateRect(2, 2);
    CRect track = m_rectTrack, meet;
    track.NormalizeRect();
    BOOL bMeets = meet.IntersectRect(&track, &clip);
    m_pView->OnDraw(&dc);
    if (bMeets)
        DrawViewRect(&dc);
    m_pView->EndOverviewDraw();
}

void SECPanWnd::OnClose()
{
    if (m_pView != NULL)
        m_pView->OnOverviewClosed(this);
    CWnd::OnClose();
}
