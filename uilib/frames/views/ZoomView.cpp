// SECZoomView: the zoomed mapping, zoom operations and the scroll bars of the zoomed size.
#include "uilib/frames/views/ZoomView.h"

IMPLEMENT_DYNAMIC(SECZoomView, CScrollView)

BEGIN_MESSAGE_MAP(SECZoomView, CScrollView)
ON_WM_SIZE()
END_MESSAGE_MAP()

namespace
{
// Logical to device with a desktop DC in the map mode and 1 x 1 extents, so sizes come out
// as given (the level is applied separately).
void ConvertOneToOne(int nMapMode, LPPOINT pts, int nCount)
{
    CWindowDC dc(NULL);
    dc.SetMapMode(nMapMode);
    dc.SetWindowExt(CSize(1, 1));
    dc.SetViewportExt(CSize(1, 1));
    dc.LPtoDP(pts, nCount);
}
} // namespace

SECZoomView::SECZoomView()
    : m_nZoomMode(SEC_ZOOMOFF), m_szOrigTotalDev(0, 0), m_szOrigPageLog(0, 0), m_szOrigLineLog(0, 0),
      m_fZoomScale(1.0f), m_fMinZoom(-1.0f), m_fMaxZoom(-1.0f)
{
    m_bCenter = TRUE;
}

SECZoomView::~SECZoomView()
{
}

void SECZoomView::SetZoomMinMax(float fMin, float fMax)
{
    m_fMinZoom = fMin;
    m_fMaxZoom = fMax;
}

void SECZoomView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine)
{
    if (nMapMode != MM_ISOTROPIC)
        nMapMode = MM_ANISOTROPIC;
    if (sizeTotal.cx == 0 && sizeTotal.cy == 0)
        sizeTotal.cx = sizeTotal.cy = 1;
    m_nMapMode = nMapMode;
    m_totalLog = sizeTotal;
    POINT pt = {sizeTotal.cx, sizeTotal.cy};
    ConvertOneToOne(m_nMapMode, &pt, 1);
    m_totalDev = CSize(pt.x, pt.y);
    m_szOrigTotalDev = m_totalDev;
    m_szOrigPageLog = sizePage;
    m_szOrigLineLog = sizeLine;
    RecalcDeviceSizes();
    OnZoomChanged();
}

void SECZoomView::OnZoomChanged()
{
}

void SECZoomView::OnZoomLevelChanging(BOOL, float)
{
}

void SECZoomView::SetZoomLevel(float fLevel)
{
    if (m_fMinZoom == -1.0f && m_fMaxZoom == -1.0f)
    {
        m_fZoomScale = fLevel;
        return;
    }
    if (m_fMinZoom <= fLevel && fLevel <= m_fMaxZoom)
    {
        m_fZoomScale = fLevel;
        return;
    }
    BOOL bBelow = fLevel < m_fMinZoom;
    OnZoomLevelChanging(bBelow, fLevel);
    if (m_nZoomMode == SEC_ZOOMFIT)
        m_fZoomScale = bBelow ? m_fMinZoom : m_fMaxZoom;
}

void SECZoomView::ZoomIn(const POINT* pCentre, float fFactor)
{
    if (m_nZoomMode != SEC_ZOOMNORMAL)
        return;
    SetZoomLevel(fFactor * m_fZoomScale);
    UpdateZoomedView(pCentre);
}

void SECZoomView::ZoomOut(const POINT* pCentre, float fFactor)
{
    if (m_nZoomMode != SEC_ZOOMNORMAL)
        return;
    SetZoomLevel(m_fZoomScale / fFactor);
    UpdateZoomedView(pCentre);
}

void SECZoomView::ZoomActualSize(const POINT* pCentre)
{
    if (m_nZoomMode != SEC_ZOOMNORMAL)
        return;
    m_fZoomScale = 1.0f;
    UpdateZoomedView(pCentre);
}

void SECZoomView::ZoomPercent(int nPercent, const POINT* pCentre)
{
    if (m_nZoomMode != SEC_ZOOMNORMAL)
        return;
    m_fZoomScale = (float)nPercent * 0.01f;
    UpdateZoomedView(pCentre);
}

void SECZoomView::ZoomToRect(const RECT* pRect)
{
    if (m_nZoomMode != SEC_ZOOMNORMAL || pRect == NULL)
        return;
    CRect rect(*pRect);
    rect.NormalizeRect();
    // A rectangle without area gives no level: the click is ignored.
    if (rect.Width() == 0 || rect.Height() == 0)
        return;
    CPoint centre((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    CRect client;
    GetClientRect(&client);
    float sx = (float)(client.right + 1) / (float)rect.Width();
    float sy = (float)(client.bottom + 1) / (float)rect.Height();
    SetZoomLevel(sx < sy ? sx : sy);
    UpdateZoomedView(&centre);
}

void SECZoomView::ZoomFit()
{
    if (m_nZoomMode != SEC_ZOOMFIT || m_szOrigTotalDev.cx == 0)
        return;
    CSize size, sizeSb, offset;
    GetTrueClientSize(size, sizeSb);
    FitSizeToAspect(m_totalLog, size, offset);
    SetZoomLevel((float)size.cx / (float)m_szOrigTotalDev.cx);
    CPoint centre = GetLogicalClientCenter();
    UpdateZoomedView(&centre);
    UpdateBars();
    InvalidateRect(NULL, TRUE);
    OnZoomChanged();
}

void SECZoomView::UpdateZoomedView(const POINT* pCentre)
{
    CPoint centre = pCentre != NULL ? CPoint(*pCentre) : GetLogicalClientCenter();
    m_totalDev.cx = (int)((float)m_szOrigTotalDev.cx * m_fZoomScale);
    m_totalDev.cy = (int)((float)m_szOrigTotalDev.cy * m_fZoomScale);
    RecalcDeviceSizes();
    CenterOnLogicalPoint(centre);
    OnZoomChanged();
}

void SECZoomView::RecalcDeviceSizes()
{
    POINT pts[2] = {{m_szOrigPageLog.cx, m_szOrigPageLog.cy}, {m_szOrigLineLog.cx, m_szOrigLineLog.cy}};
    ConvertOneToOne(m_nMapMode, pts, 2);
    m_pageDev = CSize(pts[0].x, abs(pts[0].y));
    m_lineDev = CSize(pts[1].x, abs(pts[1].y));
    DefaultPageAndLineSizes();
    if (m_hWnd != NULL)
    {
        UpdateBars();
        InvalidateRect(NULL, TRUE);
    }
}

void SECZoomView::UpdateBars()
{
    // The scroll view's bars already run from the zoomed device size, and its target position
    // is never negative (no bar: 0; a bar: the current position, at least 0).
    CScrollView::UpdateBars();
}

void SECZoomView::FitSizeToAspect(const SIZE& logical, SIZE& target, SIZE& offset)
{
    double r = (double)logical.cx / (double)logical.cy;
    double a = (double)(float)target.cx / (double)target.cy;
    if (r > a)
    {
        int nHeight = (int)(target.cx / r);
        offset.cx = 0;
        offset.cy = target.cy - nHeight;
        target.cy = nHeight;
    }
    else if (r < a)
    {
        int nWidth = (int)(target.cy * r);
        offset.cx = target.cx - nWidth;
        offset.cy = 0;
        target.cx = nWidth;
    }
}

CPoint SECZoomView::GetLogicalClientCenter()
{
    CRect client;
    GetClientRect(&client);
    CPoint pt(client.Width() / 2, client.Height() / 2);
    ViewDPtoLP(&pt);
    return pt;
}

void SECZoomView::ViewLPtoDP(LPPOINT lpPoints, int nCount)
{
    CWindowDC dc(this);
    OnPrepareDC(&dc);
    dc.LPtoDP(lpPoints, nCount);
}

void SECZoomView::ViewDPtoLP(LPPOINT lpPoints, int nCount)
{
    CWindowDC dc(this);
    OnPrepareDC(&dc);
    dc.DPtoLP(lpPoints, nCount);
}

void SECZoomView::AddDeviceScrollPosition(CPoint& pt) const
{
    pt += GetDeviceScrollPosition();
}

void SECZoomView::CenterOnLogicalPoint(CPoint pt)
{
    ViewLPtoDP(&pt);
    AddDeviceScrollPosition(pt);
    CScrollView::CenterOnPoint(pt);
}

void SECZoomView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    if (m_nMapMode == MM_SCALETOFIT)
    {
        CScrollView::OnPrepareDC(pDC, pInfo);
        return;
    }
    pDC->SetMapMode(m_nMapMode);
    pDC->SetWindowExt(m_totalLog);
    CPoint ptOrg(0, 0);
    if (pDC->IsPrinting())
    {
        // The whole document fills the printable area, aspect kept, centred where there is room.
        CSize target(pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES)), offset(0, 0);
        FitSizeToAspect(m_totalLog, target, offset);
        ptOrg = CPoint(offset.cx / 2, offset.cy / 2);
        pDC->SetViewportExt(target);
    }
    else
    {
        pDC->SetViewportExt(m_totalDev);
        if (m_nZoomMode != SEC_ZOOMPANOVER)
            ptOrg = -GetDeviceScrollPosition();
        CenterViewportOrg(ptOrg);
    }
    pDC->SetViewportOrg(ptOrg);
    CView::OnPrepareDC(pDC, pInfo);
}

BOOL SECZoomView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

void SECZoomView::OnSize(UINT nType, int cx, int cy)
{
    if (m_nZoomMode == SEC_ZOOMFIT)
        ZoomFit();
    CView::OnSize(nType, cx, cy);
    if (m_nMapMode == MM_SCALETOFIT)
        SetScaleToFitSize(m_totalLog);
    else
        UpdateBars();
}
