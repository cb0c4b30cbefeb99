// CZoomView: zoom commands, the tools' mouse handling and cursors.
#include "app/ZoomView.h"
#include "AppIds.h"

IMPLEMENT_DYNAMIC(CZoomView, SECPanView)

BEGIN_MESSAGE_MAP(CZoomView, SECPanView)
ON_COMMAND(ID_ZOOM_STEP, OnZoomStep)
ON_UPDATE_COMMAND_UI(ID_ZOOM_STEP, OnUpdateZoomStep)
ON_COMMAND(ID_ZOOM_RECT, OnZoomRect)
ON_UPDATE_COMMAND_UI(ID_ZOOM_RECT, OnUpdateZoomRect)
ON_COMMAND(ID_ZOOM_ACTUAL, OnZoomActual)
ON_COMMAND(ID_ZOOM_FIT, OnZoomFit)
ON_WM_SETCURSOR()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONUP()
ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

namespace
{
const float kZoomStep = 1.25f;

HCURSOR LoadOwnCursor(UINT nId)
{
    return (HCURSOR)::LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(nId), IMAGE_CURSOR, 0, 0,
                                LR_DEFAULTCOLOR);
}
} // namespace

CZoomView::CZoomView()
    : m_nZoomTool(ToolNone), m_bDragging(FALSE), m_ptZoomStart(0, 0), m_ptZoomEnd(0, 0),
      m_hStepCursor(LoadOwnCursor(IDC_ZOOM_STEP)), m_hRectCursor(LoadOwnCursor(IDC_ZOOM_RECT)),
      m_hRectDragCursor(LoadOwnCursor(IDC_ZOOM_RECT_DRAG))
{
    SetScrollSizes(MM_ANISOTROPIC, CSize(0, 0));
    SetPanMode(1);
    SetZoomMode(SEC_ZOOMNORMAL);
}

CZoomView::~CZoomView()
{
    for (HCURSOR hCursor : {m_hStepCursor, m_hRectCursor, m_hRectDragCursor})
        if (hCursor != NULL)
            ::DestroyCursor(hCursor);
}

void CZoomView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
}

void CZoomView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    if (bActivate && pActivateView == this && GetZoomMode() == SEC_ZOOMFIT)
        ZoomFit();
    SECPanView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

CPoint CZoomView::ToLogical(CPoint ptClient)
{
    CClientDC dc(this);
    OnPrepareDC(&dc);
    dc.DPtoLP(&ptClient);
    return ptClient;
}

void CZoomView::DrawRubberRect()
{
    CClientDC dc(this);
    OnPrepareDC(&dc);
    dc.SaveDC();
    dc.SetROP2(R2_NOTXORPEN);
    CPen pen(PS_DASH, 0, RGB(0, 0, 0));
    dc.SelectObject(&pen);
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(m_ptZoomStart.x, m_ptZoomStart.y, m_ptZoomEnd.x, m_ptZoomEnd.y);
    dc.RestoreDC(-1);
}

void CZoomView::UpdateCursor()
{
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(pt))
        SendMessage(WM_SETCURSOR, (WPARAM)m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

void CZoomView::OnZoomStep()
{
    if (GetZoomMode() != SEC_ZOOMNORMAL)
    {
        // Step from the fitted level on.
        ZoomFit();
        SetZoomMode(SEC_ZOOMNORMAL);
    }
    m_nZoomTool = m_nZoomTool == ToolStep ? ToolNone : ToolStep;
    UpdateCursor();
}

void CZoomView::OnUpdateZoomStep(CCmdUI* pCmdUI)
{
    // A view to zoom is there: a button greyed while no recording was open comes back with it.
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nZoomTool == ToolStep);
}

void CZoomView::OnZoomRect()
{
    SetZoomMode(SEC_ZOOMNORMAL);
    m_nZoomTool = ToolRect;
    UpdateCursor();
}

void CZoomView::OnUpdateZoomRect(CCmdUI* pCmdUI)
{
    // A view to zoom is there: a button greyed while no recording was open comes back with it.
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nZoomTool == ToolRect);
}

void CZoomView::OnZoomActual()
{
    SetZoomMode(SEC_ZOOMNORMAL);
    m_nZoomTool = ToolNone;
    ZoomActualSize(NULL);
    Invalidate(TRUE);
}

void CZoomView::FitToWindow()
{
    SetZoomMode(SEC_ZOOMFIT);
    m_nZoomTool = ToolNone;
    ZoomFit();
    Invalidate(TRUE);
}

void CZoomView::OnZoomFit()
{
    FitToWindow();
}

BOOL CZoomView::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest != HTCLIENT)
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    HCURSOR hCursor = NULL;
    switch (m_nZoomTool)
    {
    case ToolNone:
        hCursor = IsPanning() ? NULL : ::LoadCursor(NULL, IDC_ARROW);
        break;
    case ToolStep:
        hCursor = m_hStepCursor;
        break;
    case ToolRect:
        hCursor = m_bDragging ? m_hRectDragCursor : m_hRectCursor;
        break;
    }
    if (hCursor == NULL)
        return SECPanView::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(hCursor);
    return TRUE;
}

void CZoomView::OnLButtonDown(UINT nFlags, CPoint point)
{
    SECPanView::OnLButtonDown(nFlags, point);
    CPoint pt = ToLogical(point);
    if (m_nZoomTool == ToolNone)
    {
        CRect client;
        GetClientRect(&client);
        if ((float)m_totalLog.cx * GetZoomLevel() > (float)client.Width() ||
            (float)m_totalLog.cy * GetZoomLevel() > (float)client.Height())
            BeginPan(&pt, IDC_PAN_HAND);
    }
    else if (m_nZoomTool == ToolRect)
    {
        m_bDragging = TRUE;
        SetCapture();
        UpdateCursor();
        m_ptZoomStart = m_ptZoomEnd = pt;
    }
}

void CZoomView::OnMouseMove(UINT nFlags, CPoint point)
{
    CPoint pt = ToLogical(point);
    if (m_nZoomTool == ToolRect && m_bDragging)
    {
        DrawRubberRect();
        m_ptZoomEnd = pt;
        DrawRubberRect();
    }
    else if (IsPanning())
        ContinuePan(&pt);
    SECPanView::OnMouseMove(nFlags, point);
}

void CZoomView::OnLButtonUp(UINT nFlags, CPoint point)
{
    CPoint pt = ToLogical(point);
    if (m_nZoomTool == ToolStep)
        ZoomIn(&pt, kZoomStep);
    else if (m_nZoomTool == ToolRect && m_bDragging)
    {
        m_bDragging = FALSE;
        ::ReleaseCapture();
        // The rectangle goes as it was drawn, before its corner follows the release point.
        DrawRubberRect();
        m_ptZoomEnd = pt;
        m_nZoomTool = ToolNone;
        CRect rect(m_ptZoomStart, m_ptZoomEnd);
        rect.NormalizeRect();
        ZoomToRect(&rect);
        UpdateCursor();
    }
    else if (IsPanning())
        EndPan(&pt);
    SECPanView::OnLButtonUp(nFlags, point);
}

void CZoomView::OnRButtonUp(UINT nFlags, CPoint point)
{
    if (m_nZoomTool == ToolStep)
    {
        CPoint pt = ToLogical(point);
        ZoomOut(&pt, kZoomStep);
    }
    SECPanView::OnRButtonUp(nFlags, point);
}

BOOL CZoomView::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    SetZoomMode(SEC_ZOOMNORMAL);
    if (nFlags == MK_LBUTTON)
    {
        CPoint ptClient = pt;
        ScreenToClient(&ptClient);
        CPoint ptLogical = ToLogical(ptClient);
        if (zDelta > 0)
            ZoomIn(&ptLogical, kZoomStep);
        else
            ZoomOut(&ptLogical, kZoomStep);
        Invalidate(TRUE);
    }
    return SECPanView::OnMouseWheel(nFlags, zDelta, pt);
}
