// CScrollView: logical to device sizes, scroll-bar state, scrolling by code, position or centre.
#include "ScrollView.h"
#include "DC.h"
#include "ScrollBar.h"

IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CScrollView, CView)
ON_WM_SIZE()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

const SIZE CScrollView::sizeDefault = {0, 0};

namespace
{
// Converts a logical size (or point) to pixels the way a screen DC in nMapMode does.
void ToDevice(int nMapMode, LPPOINT pts, int nCount)
{
    if (nMapMode == MM_TEXT)
        return;
    CWindowDC dc(NULL);
    dc.SetMapMode(nMapMode);
    dc.LPtoDP(pts, nCount);
}
} // namespace

CScrollView::CScrollView()
    : m_nMapMode(MM_NONE), m_totalLog(0, 0), m_totalDev(0, 0), m_pageDev(0, 0), m_lineDev(0, 0),
      m_bCenter(FALSE), m_bInsideUpdate(FALSE)
{
}

CScrollView::~CScrollView()
{
}

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine)
{
    int nOldMapMode = m_nMapMode;
    m_nMapMode = nMapMode;
    m_totalLog = sizeTotal;
    POINT pts[3] = {{sizeTotal.cx, sizeTotal.cy}, {sizePage.cx, sizePage.cy}, {sizeLine.cx, sizeLine.cy}};
    ToDevice(m_nMapMode, pts, 3);
    // Mapping modes with y upwards give negative heights; the sizes are lengths.
    m_totalDev = CSize(abs(pts[0].x), abs(pts[0].y));
    m_pageDev = CSize(abs(pts[1].x), abs(pts[1].y));
    m_lineDev = CSize(abs(pts[2].x), abs(pts[2].y));
    DefaultPageAndLineSizes();
    if (m_hWnd != NULL)
    {
        UpdateBars();
        if (nOldMapMode != m_nMapMode)
            Invalidate(TRUE);
    }
}

void CScrollView::DefaultPageAndLineSizes()
{
    if (m_pageDev.cx == 0)
        m_pageDev.cx = m_totalDev.cx / 10;
    if (m_pageDev.cy == 0)
        m_pageDev.cy = m_totalDev.cy / 10;
    if (m_lineDev.cx == 0)
        m_lineDev.cx = m_pageDev.cx / 10;
    if (m_lineDev.cy == 0)
        m_lineDev.cy = m_pageDev.cy / 10;
}

void CScrollView::SetScaleToFitSize(SIZE sizeTotal)
{
    m_nMapMode = MM_SCALETOFIT;
    m_totalLog = sizeTotal;
    if (m_hWnd == NULL)
        return;
    // No scrolling when the whole document always fits.
    if (GetStyle() & (WS_HSCROLL | WS_VSCROLL))
    {
        SetScrollPos(SB_HORZ, 0);
        SetScrollPos(SB_VERT, 0);
        EnableScrollBarCtrl(SB_BOTH, FALSE);
    }
    CRect rectT;
    GetClientRect(&rectT);
    m_totalDev = rectT.Size();
    Invalidate(TRUE);
}

void CScrollView::GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const
{
    nMapMode = m_nMapMode;
    sizeTotal = m_totalDev;
    sizePage = m_pageDev;
    sizeLine = m_lineDev;
}

CPoint CScrollView::GetDeviceScrollPosition() const
{
    return CPoint(GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT));
}

CPoint CScrollView::GetScrollPosition() const
{
    if (m_nMapMode == MM_SCALETOFIT)
        return CPoint(0, 0);
    CPoint pt = GetDeviceScrollPosition();
    if (m_nMapMode != MM_TEXT)
    {
        CWindowDC dc(NULL);
        dc.SetMapMode(m_nMapMode);
        dc.DPtoLP(&pt);
    }
    return pt;
}

void CScrollView::ScrollToPosition(POINT pt)
{
    ToDevice(m_nMapMode, &pt, 1);
    // Positions outside the range are clamped, as the scroll bar would. An axis without a bar
    // has nothing to scroll (a hidden bar still reports its old or default range).
    DWORD dwStyle = GetStyle();
    int xMax = (dwStyle & WS_HSCROLL) || GetScrollBarCtrl(SB_HORZ) != NULL ? GetScrollLimit(SB_HORZ) : 0;
    int yMax = (dwStyle & WS_VSCROLL) || GetScrollBarCtrl(SB_VERT) != NULL ? GetScrollLimit(SB_VERT) : 0;
    pt.x = pt.x < 0 ? 0 : (pt.x > xMax ? xMax : pt.x);
    pt.y = pt.y < 0 ? 0 : (pt.y > yMax ? yMax : pt.y);
    ScrollToDevicePosition(pt);
}

void CScrollView::ScrollToDevicePosition(POINT ptDev)
{
    int xOrig = GetScrollPos(SB_HORZ);
    SetScrollPos(SB_HORZ, ptDev.x);
    int yOrig = GetScrollPos(SB_VERT);
    SetScrollPos(SB_VERT, ptDev.y);
    ScrollWindow(xOrig - ptDev.x, yOrig - ptDev.y);
}

void CScrollView::CenterOnPoint(CPoint ptCenter)
{
    CRect rect;
    GetClientRect(&rect);
    int xDesired = ptCenter.x - rect.Width() / 2;
    int yDesired = ptCenter.y - rect.Height() / 2;
    DWORD dwStyle = GetStyle();
    if ((dwStyle & WS_HSCROLL) == 0 || xDesired < 0)
        xDesired = 0;
    else if (xDesired > GetScrollLimit(SB_HORZ))
        xDesired = GetScrollLimit(SB_HORZ);
    if ((dwStyle & WS_VSCROLL) == 0 || yDesired < 0)
        yDesired = 0;
    else if (yDesired > GetScrollLimit(SB_VERT))
        yDesired = GetScrollLimit(SB_VERT);
    SetScrollPos(SB_HORZ, xDesired);
    SetScrollPos(SB_VERT, yDesired);
}

void CScrollView::FillOutsideRect(CDC* pDC, CBrush* pBrush)
{
    CRect rect;
    GetClientRect(&rect);
    if (rect.right > m_totalDev.cx)
    {
        CRect rectRight(m_totalDev.cx, 0, rect.right, rect.bottom);
        ::FillRect(pDC->m_hDC, &rectRight, (HBRUSH)pBrush->GetSafeHandle());
    }
    if (rect.bottom > m_totalDev.cy)
    {
        CRect rectBottom(0, m_totalDev.cy, m_totalDev.cx, rect.bottom);
        ::FillRect(pDC->m_hDC, &rectBottom, (HBRUSH)pBrush->GetSafeHandle());
    }
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    if (m_nMapMode == MM_SCALETOFIT)
    {
        pDC->SetMapMode(MM_ANISOTROPIC);
        pDC->SetWindowExt(m_totalLog);
        pDC->SetViewportExt(m_totalDev);
    }
    else
        pDC->SetMapMode(m_nMapMode);
    CPoint ptVpOrg(0, 0);
    if (!pDC->IsPrinting())
    {
        if (m_nMapMode != MM_SCALETOFIT)
            ptVpOrg = -GetDeviceScrollPosition();
        CenterViewportOrg(ptVpOrg);
    }
    pDC->SetViewportOrg(ptVpOrg);
    CView::OnPrepareDC(pDC, pInfo);
}

void CScrollView::CenterViewportOrg(CPoint& ptVpOrg)
{
    if (!m_bCenter)
        return;
    CRect rect;
    GetClientRect(&rect);
    if (m_totalDev.cx < rect.Width())
        ptVpOrg.x = (rect.Width() - m_totalDev.cx) / 2;
    if (m_totalDev.cy < rect.Height())
        ptVpOrg.y = (rect.Height() - m_totalDev.cy) / 2;
}

void CScrollView::GetScrollBarSizes(CSize& sizeSb)
{
    sizeSb.cx = sizeSb.cy = 0;
    // Bars of a splitter (shared controls) take no room from the view.
    if (GetScrollBarCtrl(SB_VERT) == NULL)
        sizeSb.cx = ::GetSystemMetrics(SM_CXVSCROLL);
    if (GetScrollBarCtrl(SB_HORZ) == NULL)
        sizeSb.cy = ::GetSystemMetrics(SM_CYHSCROLL);
}

BOOL CScrollView::GetTrueClientSize(CSize& size, CSize& sizeSb)
{
    CRect rect;
    GetClientRect(&rect);
    size = rect.Size();
    GetScrollBarSizes(sizeSb);
    DWORD dwStyle = GetStyle();
    if (sizeSb.cx != 0 && (dwStyle & WS_VSCROLL))
        size.cx += sizeSb.cx;
    if (sizeSb.cy != 0 && (dwStyle & WS_HSCROLL))
        size.cy += sizeSb.cy;
    return size.cx > sizeSb.cx && size.cy > sizeSb.cy;
}

void CScrollView::GetScrollBarState(CSize sizeClient, CSize& needSb, CSize& sizeRange, CPoint& ptMove,
                                    BOOL bInsideClient)
{
    CSize sizeSb;
    GetScrollBarSizes(sizeSb);
    sizeRange = m_totalDev - sizeClient;
    ptMove = GetDeviceScrollPosition();
    BOOL bNeedH = sizeRange.cx > 0;
    if (!bNeedH)
        ptMove.x = 0;
    else if (bInsideClient)
        sizeRange.cy += sizeSb.cy; // the horizontal bar takes height
    BOOL bNeedV = sizeRange.cy > 0;
    if (!bNeedV)
        ptMove.y = 0;
    else if (bInsideClient)
        sizeRange.cx += sizeSb.cx;
    // The vertical bar may make a horizontal one necessary after all.
    if (bNeedV && !bNeedH && sizeRange.cx > 0)
    {
        bNeedH = TRUE;
        sizeRange.cy += sizeSb.cy;
    }
    if (sizeRange.cx > 0 && ptMove.x >= sizeRange.cx)
        ptMove.x = sizeRange.cx;
    if (sizeRange.cy > 0 && ptMove.y >= sizeRange.cy)
        ptMove.y = sizeRange.cy;
    needSb.cx = bNeedH;
    needSb.cy = bNeedV;
}

void CScrollView::UpdateBars()
{
    if (m_bInsideUpdate)
        return;
    m_bInsideUpdate = TRUE;
    CRect rectClient;
    BOOL bCalcClient = TRUE;
    // A parent that lays out our bars (a splitter) tells us the client size.
    CWnd* pParentWnd = GetParent();
    if (pParentWnd != NULL &&
        (BOOL)pParentWnd->SendMessage(WM_RECALCPARENT, 0, (LPARAM)(LPCRECT)&rectClient) != 0)
        bCalcClient = FALSE;
    CSize sizeClient, sizeSb;
    if (bCalcClient)
    {
        if (!GetTrueClientSize(sizeClient, sizeSb))
        {
            CRect rect;
            GetClientRect(&rect);
            if (rect.right > 0 && rect.bottom > 0)
                EnableScrollBarCtrl(SB_BOTH, FALSE);
            m_bInsideUpdate = FALSE;
            return;
        }
    }
    else
    {
        sizeClient = rectClient.Size();
        GetScrollBarSizes(sizeSb);
    }
    CSize needSb, sizeRange;
    CPoint ptMove;
    GetScrollBarState(sizeClient, needSb, sizeRange, ptMove, bCalcClient);
    if (needSb.cx)
        sizeClient.cy -= sizeSb.cy;
    if (needSb.cy)
        sizeClient.cx -= sizeSb.cx;
    ScrollToDevicePosition(ptMove);

    SCROLLINFO info;
    info.cbSize = sizeof(info);
    info.fMask = SIF_PAGE | SIF_RANGE;
    info.nMin = 0;
    EnableScrollBarCtrl(SB_HORZ, needSb.cx);
    if (needSb.cx)
    {
        info.nPage = (UINT)sizeClient.cx;
        info.nMax = m_totalDev.cx - 1;
        if (!SetScrollInfo(SB_HORZ, &info, TRUE))
            SetScrollRange(SB_HORZ, 0, sizeRange.cx, TRUE);
    }
    EnableScrollBarCtrl(SB_VERT, needSb.cy);
    if (needSb.cy)
    {
        info.nPage = (UINT)sizeClient.cy;
        info.nMax = m_totalDev.cy - 1;
        if (!SetScrollInfo(SB_VERT, &info, TRUE))
            SetScrollRange(SB_VERT, 0, sizeRange.cy, TRUE);
    }
    m_bInsideUpdate = FALSE;
}

void CScrollView::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    // The window rectangle includes whatever bars the document size needs.
    if (nAdjustType == 0 && m_nMapMode != MM_SCALETOFIT)
    {
        CSize sizeClient(lpClientRect->right - lpClientRect->left, lpClientRect->bottom - lpClientRect->top);
        CSize needSb, sizeRange, sizeSb;
        CPoint ptMove;
        GetScrollBarSizes(sizeSb);
        GetScrollBarState(sizeClient, needSb, sizeRange, ptMove, FALSE);
        if (needSb.cx)
            lpClientRect->bottom += sizeSb.cy;
        if (needSb.cy)
            lpClientRect->right += sizeSb.cx;
    }
    CView::CalcWindowRect(lpClientRect, nAdjustType);
}

void CScrollView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    if (m_nMapMode == MM_SCALETOFIT)
    {
        m_totalDev = CSize(cx, cy);
        Invalidate(TRUE);
    }
    else
        UpdateBars();
}

void CScrollView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    OnScroll(MAKEWORD(nSBCode, 0xFF), nPos);
}

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    OnScroll(MAKEWORD(0xFF, nSBCode), nPos);
}

// nScrollCode: low byte the horizontal code, high byte the vertical one (0xFF: none).
BOOL CScrollView::OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll)
{
    int x = GetScrollPos(SB_HORZ);
    int xOrig = x;
    int y = GetScrollPos(SB_VERT);
    int yOrig = y;
    static const struct
    {
        UINT nCode;
        int nKind; // 0 top, 1 bottom, 2 -line, 3 +line, 4 -page, 5 +page, 6 thumb
    } codes[] = {{SB_TOP, 0},    {SB_BOTTOM, 1},   {SB_LINEUP, 2},    {SB_LINEDOWN, 3},
                 {SB_PAGEUP, 4}, {SB_PAGEDOWN, 5}, {SB_THUMBTRACK, 6}};
    for (int nBar = 0; nBar < 2; nBar++)
    {
        UINT nCode = nBar == 0 ? LOBYTE(nScrollCode) : HIBYTE(nScrollCode);
        int& pos = nBar == 0 ? x : y;
        int nLine = nBar == 0 ? m_lineDev.cx : m_lineDev.cy;
        int nPage = nBar == 0 ? m_pageDev.cx : m_pageDev.cy;
        for (const auto& c : codes)
        {
            if (c.nCode != nCode)
                continue;
            switch (c.nKind)
            {
            case 0:
                pos = 0;
                break;
            case 1:
                pos = INT_MAX;
                break;
            case 2:
                pos -= nLine;
                break;
            case 3:
                pos += nLine;
                break;
            case 4:
                pos -= nPage;
                break;
            case 5:
                pos += nPage;
                break;
            default: {
                // The message carries only 16 bits of the thumb position; the bar knows all 32.
                SCROLLINFO si = {};
                si.cbSize = sizeof(si);
                si.fMask = SIF_TRACKPOS;
                pos = GetScrollInfo(nBar == 0 ? SB_HORZ : SB_VERT, &si, SIF_TRACKPOS) ? si.nTrackPos
                                                                                      : (int)nPos;
                break;
            }
            }
        }
    }
    BOOL bResult = OnScrollBy(CSize(x - xOrig, y - yOrig), bDoScroll);
    if (bResult && bDoScroll)
        UpdateWindow();
    return bResult;
}

BOOL CScrollView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll)
{
    DWORD dwStyle = GetStyle();
    CScrollBar* pBar = GetScrollBarCtrl(SB_VERT);
    if ((pBar != NULL && !pBar->IsWindowEnabled()) || (pBar == NULL && !(dwStyle & WS_VSCROLL)))
        sizeScroll.cy = 0;
    pBar = GetScrollBarCtrl(SB_HORZ);
    if ((pBar != NULL && !pBar->IsWindowEnabled()) || (pBar == NULL && !(dwStyle & WS_HSCROLL)))
        sizeScroll.cx = 0;
    int xOrig = GetScrollPos(SB_HORZ);
    int x = xOrig + sizeScroll.cx;
    int xMax = GetScrollLimit(SB_HORZ);
    x = x < 0 ? 0 : (x > xMax ? xMax : x);
    int yOrig = GetScrollPos(SB_VERT);
    int y = yOrig + sizeScroll.cy;
    int yMax = GetScrollLimit(SB_VERT);
    y = y < 0 ? 0 : (y > yMax ? yMax : y);
    if (x == xOrig && y == yOrig)
        return FALSE;
    if (bDoScroll)
    {
        ScrollWindow(-(x - xOrig), -(y - yOrig));
        if (x != xOrig)
            SetScrollPos(SB_HORZ, x);
        if (y != yOrig)
            SetScrollPos(SB_VERT, y);
    }
    return TRUE;
}

BOOL CScrollView::OnMouseWheel(UINT fFlags, short zDelta, CPoint point)
{
    return DoMouseWheel(fFlags, zDelta, point);
}

BOOL CScrollView::DoMouseWheel(UINT fFlags, short zDelta, CPoint)
{
    // Control or Shift held: the wheel is the zoom's or the caller's, not ours.
    if (fFlags & (MK_SHIFT | MK_CONTROL))
        return FALSE;
    BOOL bHasVert = (GetStyle() & WS_VSCROLL) != 0;
    BOOL bHasHorz = (GetStyle() & WS_HSCROLL) != 0;
    if (!bHasVert && !bHasHorz)
        return FALSE;
    UINT uLines = 3;
    ::SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &uLines, 0);
    int nToScroll = ::MulDiv(-zDelta, (int)uLines, WHEEL_DELTA);
    int nDisplacement;
    if (uLines == WHEEL_PAGESCROLL)
        nDisplacement = (zDelta > 0 ? -1 : 1) * (bHasVert ? m_pageDev.cy : m_pageDev.cx);
    else
        nDisplacement = nToScroll * (bHasVert ? m_lineDev.cy : m_lineDev.cx);
    BOOL bResult =
        bHasVert ? OnScrollBy(CSize(0, nDisplacement), TRUE) : OnScrollBy(CSize(nDisplacement, 0), TRUE);
    if (bResult)
        UpdateWindow();
    return bResult;
}
