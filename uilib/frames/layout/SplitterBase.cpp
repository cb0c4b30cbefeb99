// SECSplitterBase: bar and pane geometry, bar drawing and the modal tracking loop.
#include "uilib/frames/layout/SplitterBase.h"
#include "uilib/common/SystemData.h"
#include "FramesIds.h"
#include <algorithm>

int SECSplitterBase::s_nSplitterWidth = 6;
DWORD SECSplitterBase::s_dwDefaultBarStyle = 2;

void SECSplitterPaneInfo::SetPane(int nPane, const RECT* pRect)
{
    m_bPresent[nPane] = pRect != NULL;
    if (pRect != NULL)
        m_rcPanes[nPane] = *pRect;
}

BOOL SECSplitterPaneInfo::GetPane(int nPane, RECT& rc) const
{
    if (!m_bPresent[nPane])
        return FALSE;
    rc = m_rcPanes[nPane];
    return TRUE;
}

BEGIN_MESSAGE_MAP(SECSplitterBase, CWnd)
ON_WM_SETCURSOR()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_PAINT()
END_MESSAGE_MAP()

SECSplitterBase::SECSplitterBase()
    : m_dwFlags(0), m_bPane{}, m_nSplitY(0),
      m_nSplitX(0), m_rcHorz{}, m_rcVert{}, m_rcHorzClient{}, m_rcVertClient{}, m_rcArea{},
      m_nHorzMode(BAR_NONE), m_nVertMode(BAR_NONE),
      m_bTracking(FALSE), m_rcLastDrag{}, m_sizeLastDrag{}, m_nMargins{}, m_dwBarStyle(1)
{
    SECGetSystemData().LoadSplitterCursors(TRUE);
}

SECSplitterBase::~SECSplitterBase()
{
}

BOOL SECSplitterBase::Create(CWnd* pParent, const RECT& rcArea, DWORD dwStyle, UINT nID, DWORD dwFlags)
{
    m_rcArea = rcArea;
    m_dwFlags = dwFlags;
    CString strName;
    strName.LoadString(IDS_SEC_SPLITTER);
    return CWnd::Create(NULL, strName, dwStyle, rcArea, pParent, nID);
}

void SECSplitterBase::SetMargins(int nLeft, int nRight, int nTop, int nBottom)
{
    m_nMargins[0] = nLeft;
    m_nMargins[1] = nRight;
    m_nMargins[2] = nTop;
    m_nMargins[3] = nBottom;
}

void SECSplitterBase::SetSplitterPositions(int x, int y)
{
    m_nSplitX = x;
    m_nSplitY = y;
    CalcBarRects(m_rcHorz, m_rcVert, m_nSplitX, m_nSplitY);
    BarRectsToClient();
    Relayout();
}

BOOL SECSplitterBase::AddPane(int nRow, int nCol)
{
    if (nRow >= 3 || nCol >= 3 || nRow < 0 || nCol < 0)
        return FALSE;
    m_bPane[(nRow ? 2 : 0) + (nCol ? 1 : 0)] = TRUE;
    CalcBarModes();
    RecalcBarRects();
    return TRUE;
}

BOOL SECSplitterBase::RemovePane(int nRow, int nCol)
{
    if (nRow >= 3 || nCol >= 3 || nRow < 0 || nCol < 0)
        return FALSE;
    m_bPane[(nRow ? 2 : 0) + (nCol ? 1 : 0)] = FALSE;
    CalcBarModes();
    RecalcBarRects();
    return TRUE;
}

void SECSplitterBase::SetPaneRects(SECSplitterPaneInfo&)
{
}

void SECSplitterBase::CalcBarModes()
{
    // By the present panes (bit 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right): the
    // horizontal and vertical bar modes, without and with flag bit 1.
    struct Modes
    {
        signed char horz, vert, horzRowFirst, vertRowFirst;
    };
    static const Modes kModes[16] = {
        {3, 3, 3, 3}, // none
        {3, 3, 3, 3}, // top-left
        {3, 3, 3, 3}, // top-right
        {3, 2, 3, 2}, // top-left, top-right
        {3, 3, 3, 3}, // bottom-left
        {2, 3, 2, 3}, // left column
        {3, 2, 3, 2}, // top-right, bottom-left
        {0, 2, 2, 0}, // all but bottom-right
        {3, 3, 3, 3}, // bottom-right
        {3, 2, 3, 2}, // top-left, bottom-right
        {2, 3, 2, 3}, // right column
        {1, 2, 2, 0}, // all but bottom-left
        {3, 2, 3, 2}, // bottom row
        {0, 2, 2, 1}, // all but top-right
        {1, 2, 2, 1}, // all but top-left
        {2, 2, 2, 2}, // all four
    };
    const int nIndex =
        (m_bPane[0] ? 1 : 0) | (m_bPane[1] ? 2 : 0) | (m_bPane[2] ? 4 : 0) | (m_bPane[3] ? 8 : 0);
    const Modes& m = kModes[nIndex];
    const bool bRowFirst = (m_dwFlags & SEC_SPLITTER_ROWFIRST) != 0;
    m_nHorzMode = bRowFirst ? m.horzRowFirst : m.horz;
    m_nVertMode = bRowFirst ? m.vertRowFirst : m.vert;
}

void SECSplitterBase::GetTrackLimits(int& nMinX, int& nMinY, int& nMaxX, int& nMaxY)
{
    nMinX = std::max(0, (int)m_rcArea.left + m_nMargins[0]);
    nMinY = std::max(0, (int)m_rcArea.top + m_nMargins[2]);
    nMaxX = std::max(0, (int)m_rcArea.right - m_nMargins[1] - s_nSplitterWidth);
    nMaxY = std::max(0, (int)m_rcArea.bottom - m_nMargins[3] - s_nSplitterWidth);
}

void SECSplitterBase::RecalcBarRects()
{
    CalcBarRects(m_rcHorz, m_rcVert, m_nSplitX, m_nSplitY);
    BarRectsToClient();
}

void SECSplitterBase::CalcBarRects(RECT& rcHorz, RECT& rcVert, int& nSplitX, int& nSplitY)
{
    int nMinX, nMinY, nMaxX, nMaxY;
    GetTrackLimits(nMinX, nMinY, nMaxX, nMaxY);
    const int w = s_nSplitterWidth;
    int x = std::max(std::min((int)m_rcArea.left + nSplitX, nMaxX), nMinX);
    int y = std::max(std::min((int)m_rcArea.top + nSplitY, nMaxY), nMinY);
    nSplitX = x - m_rcArea.left;
    nSplitY = y - m_rcArea.top;
    // Where each bar runs along its length, by mode: to the crossing, from it, full, none.
    const int horzFrom[4] = {nMinX, x, nMinX, 0}, horzTo[4] = {x + w, nMaxX + w, nMaxX + w, 0};
    const int vertFrom[4] = {nMinY, y, nMinY, 0}, vertTo[4] = {y + w, nMaxY + w, nMaxY + w, 0};
    rcHorz = m_nHorzMode == BAR_NONE ? RECT{} : RECT{horzFrom[m_nHorzMode], y, horzTo[m_nHorzMode], y + w};
    rcVert = m_nVertMode == BAR_NONE ? RECT{} : RECT{x, vertFrom[m_nVertMode], x + w, vertTo[m_nVertMode]};
}

void SECSplitterBase::BarRectsToClient()
{
    m_rcHorzClient = m_rcHorz;
    m_rcVertClient = m_rcVert;
    if (!::IsRectEmpty(&m_rcHorz))
        ::OffsetRect(&m_rcHorzClient, -m_rcArea.left, -m_rcArea.top);
    if (!::IsRectEmpty(&m_rcVert))
        ::OffsetRect(&m_rcVertClient, -m_rcArea.left, -m_rcArea.top);
}

void SECSplitterBase::LayoutPanes(const RECT& rcHorz, const RECT& rcVert)
{
    const RECT a = {m_rcArea.left + m_nMargins[0], m_rcArea.top + m_nMargins[2],
                    m_rcArea.right - m_nMargins[1], m_rcArea.bottom - m_nMargins[3]};
    const int h = m_nHorzMode, v = m_nVertMode;
    RECT panes[4];
    panes[PANE_TOPLEFT] = RECT{a.left, a.top, (v == 1 || v == 3) ? a.right : rcVert.left,
                               (h == 1 || h == 3) ? a.bottom : rcHorz.top};
    panes[PANE_TOPRIGHT] = RECT{(v == 1 || v == 3) ? a.left : rcVert.right, a.top, a.right,
                                (h == 0 || h == 3) ? a.bottom : rcHorz.top};
    panes[PANE_BOTTOMLEFT] = RECT{a.left, (h == 1 || h == 3) ? a.top : rcHorz.bottom,
                                  (v == 0 || v == 3) ? a.right : rcVert.left, a.bottom};
    panes[PANE_BOTTOMRIGHT] = RECT{(v == 0 || v == 3) ? a.left : rcVert.right,
                                   (h == 0 || h == 3) ? a.top : rcHorz.bottom, a.right, a.bottom};
    SECSplitterPaneInfo info;
    for (int i = 0; i < 4; ++i)
        info.SetPane(i, m_bPane[i] ? &panes[i] : NULL);
    SetPaneRects(info);
}

void SECSplitterBase::Relayout()
{
    LayoutPanes(m_rcHorz, m_rcVert);
    BarRectsToClient();
}

void SECSplitterBase::InvalidateBarRect(const RECT* pRect, BOOL bErase)
{
    if (m_hWnd == NULL)
        return;
    RECT rc = *pRect;
    ::OffsetRect(&rc, -m_rcArea.left, -m_rcArea.top);
    ::InvalidateRect(m_hWnd, &rc, bErase);
}

BOOL SECSplitterBase::InvalidateBarMove(const RECT& rcOld, const RECT& rcNew, BOOL bHorz)
{
    if (::EqualRect(&rcOld, &rcNew))
        return FALSE;
    const bool bSameAcross = bHorz ? (rcOld.top == rcNew.top && rcOld.bottom == rcNew.bottom)
                                   : (rcOld.left == rcNew.left && rcOld.right == rcNew.right);
    if (bSameAcross)
    {
        // Only the ends moved: repaint between the old and new ends, erasing where it shrank.
        const LONG oldNear = bHorz ? rcOld.left : rcOld.top, newNear = bHorz ? rcNew.left : rcNew.top;
        const LONG oldFar = bHorz ? rcOld.right : rcOld.bottom, newFar = bHorz ? rcNew.right : rcNew.bottom;
        const LONG ends[2][2] = {{std::min(oldNear, newNear), std::max(oldNear, newNear)},
                                 {std::min(oldFar, newFar), std::max(oldFar, newFar)}};
        const BOOL bShorter[2] = {newNear > oldNear, newFar < oldFar};
        for (int i = 0; i < 2; ++i)
        {
            if (ends[i][0] == ends[i][1])
                continue;
            RECT strip = rcOld;
            (bHorz ? strip.left : strip.top) = ends[i][0];
            (bHorz ? strip.right : strip.bottom) = ends[i][1];
            InvalidateBarRect(&strip, bShorter[i]);
        }
        return TRUE;
    }
    // Moved across: where the other bar ends at the crossing, its end moved too.
    RECT rcOldArea = rcOld;
    const int nOtherMode = bHorz ? m_nVertMode : m_nHorzMode;
    if (nOtherMode == BAR_TO_CROSSING || nOtherMode == BAR_FROM_CROSSING)
        ::InflateRect(&rcOldArea, bHorz ? 0 : s_nSplitterWidth, bHorz ? s_nSplitterWidth : 0);
    InvalidateBarRect(&rcOldArea, TRUE);
    InvalidateBarRect(&rcNew, FALSE);
    return TRUE;
}

BOOL SECSplitterBase::SetBarRect(const RECT& rcNew, BOOL bHorz)
{
    RECT& rcBar = bHorz ? m_rcHorz : m_rcVert;
    if (!InvalidateBarMove(rcBar, rcNew, bHorz))
        return FALSE;
    if (bHorz)
        m_nSplitY = rcNew.top - m_rcArea.top;
    else
        m_nSplitX = rcNew.left - m_rcArea.left;
    rcBar = rcNew;
    BarRectsToClient();
    return TRUE;
}

void SECSplitterBase::HitTest(int x, int y, BOOL* pbOnHorz, BOOL* pbOnVert)
{
    POINT pt = {x, y};
    *pbOnHorz = ::PtInRect(&m_rcHorzClient, pt);
    *pbOnVert = ::PtInRect(&m_rcVertClient, pt);
}

int SECSplitterBase::ClampToArea(RECT& rc, const RECT& rcArea, BOOL bHorz)
{
    const LONG nNear = bHorz ? rc.top : rc.left, nFar = bHorz ? rc.bottom : rc.right;
    const LONG nAreaNear = bHorz ? rcArea.top : rcArea.left, nAreaFar = bHorz ? rcArea.bottom : rcArea.right;
    int nShift = 0;
    if (nNear < nAreaNear)
        nShift = nAreaNear - nNear;
    else if (nFar > nAreaFar)
        nShift = nAreaFar - nFar;
    ::OffsetRect(&rc, bHorz ? 0 : nShift, bHorz ? nShift : 0);
    return nShift;
}

POINT SECSplitterBase::ClientToArea(int x, int y)
{
    POINT pt = {x, y};
    ::MapWindowPoints(m_hWnd, ::GetParent(m_hWnd), &pt, 1);
    return pt;
}

CDC* SECSplitterBase::GetTrackDC()
{
    return GetDC();
}

void SECSplitterBase::ReleaseTrackDC(CDC* pDC)
{
    ReleaseDC(pDC);
}

void SECSplitterBase::StartTracking(int x, int y, BOOL bOnHorz, BOOL bOnVert)
{
    if (m_bTracking || !OnBeginTrack())
        return;
    m_rcLastDrag[0] = m_rcLastDrag[1] = RECT{};
    m_sizeLastDrag[0] = m_sizeLastDrag[1] = SIZE{};
    const int nStartX = m_nSplitX, nStartY = m_nSplitY;
    SIZE moved = TrackSplitter(x, y, bOnHorz, bOnVert);
    if (moved.cx == 0 && moved.cy == 0)
        return;
    // From the splits the drag began with: a live drag has moved the members already.
    m_nSplitX = nStartX + moved.cx;
    m_nSplitY = nStartY + moved.cy;
    RECT rcHorz, rcVert;
    CalcBarRects(rcHorz, rcVert, m_nSplitX, m_nSplitY);
    BOOL bChanged = SetBarRect(rcHorz, TRUE);
    bChanged = SetBarRect(rcVert, FALSE) || bChanged;
    if (bChanged)
    {
        Relayout();
        OnSplitterMoved(moved.cx, moved.cy);
    }
}

SIZE SECSplitterBase::TrackSplitter(int, int, BOOL bOnHorz, BOOL bOnVert)
{
    SIZE moved = {0, 0};
    if (::GetCapture() != NULL)
        return moved;
    m_bTracking = TRUE;
    SetCapture();
    UpdateWindow();
    CDC* pDC = GetTrackDC();
    RECT rcHorz = m_rcHorz, rcVert = m_rcVert;
    const RECT rcOldHorz = rcHorz, rcOldVert = rcVert;
    const BOOL bLive = (m_dwFlags & SEC_SPLITTER_LIVE) != 0;
    if (!bLive)
    {
        if (bOnHorz)
            DrawTrackRect(rcHorz, pDC, TRUE, FALSE);
        if (bOnVert)
            DrawTrackRect(rcVert, pDC, FALSE, FALSE);
    }
    TrackLoop(pDC, rcHorz, rcVert, bOnHorz, bOnVert);
    moved.cx = rcVert.left - rcOldVert.left;
    moved.cy = rcHorz.top - rcOldHorz.top;
    if (moved.cx != 0)
        moved.cx += ClampToArea(rcVert, m_rcArea, FALSE);
    if (moved.cy != 0)
        moved.cy += ClampToArea(rcHorz, m_rcArea, TRUE);
    ReleaseTrackDC(pDC);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    m_bTracking = FALSE;
    return moved;
}

BOOL SECSplitterBase::TrackLoop(CDC* pDC, RECT& rcHorz, RECT& rcVert, BOOL bMovingHorz, BOOL bMovingVert)
{
    const RECT rcStartHorz = rcHorz, rcStartVert = rcVert;
    const BOOL bLive = (m_dwFlags & SEC_SPLITTER_LIVE) != 0;
    BOOL bDone = FALSE, bCancel = FALSE;
    AfxLockTempMaps();
    while (!bDone && !bCancel)
    {
        MSG msg;
        if (!::GetMessage(&msg, NULL, 0, 0))
        {
            ::PostQuitMessage((int)msg.wParam);
            bCancel = TRUE;
            break;
        }
        if (::GetCapture() != m_hWnd)
        {
            bCancel = TRUE;
            break;
        }
        switch (msg.message)
        {
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE)
                bCancel = TRUE;
            break;
        case WM_RBUTTONDOWN:
            bCancel = TRUE;
            break;
        case WM_LBUTTONUP:
            bDone = TRUE;
            break;
        case WM_MOUSEMOVE: {
            POINT pt = {(short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam)};
            if (msg.hwnd != m_hWnd)
                ::MapWindowPoints(msg.hwnd, m_hWnd, &pt, 1);
            TrackMove(pDC, pt.x, pt.y, rcHorz, rcVert, bMovingHorz, bMovingVert);
            PumpPaintMessages();
            break;
        }
        default:
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
            break;
        }
    }
    AfxUnlockTempMaps(FALSE);
    if (!bLive)
    {
        if (bMovingHorz)
            DrawTrackRect(rcHorz, pDC, TRUE, TRUE);
        if (bMovingVert)
            DrawTrackRect(rcVert, pDC, FALSE, TRUE);
    }
    if (!bCancel)
        return TRUE;
    if (bLive)
    {
        const int dx = rcStartVert.left - m_rcVert.left, dy = rcStartHorz.top - m_rcHorz.top;
        BOOL bChanged = SetBarRect(rcStartHorz, TRUE);
        bChanged = SetBarRect(rcStartVert, FALSE) || bChanged;
        if (bChanged)
        {
            Relayout();
            OnSplitterMoved(dx, dy);
        }
    }
    rcHorz = rcStartHorz;
    rcVert = rcStartVert;
    return FALSE;
}

void SECSplitterBase::TrackMove(CDC* pDC, int x, int y, RECT& rcHorz, RECT& rcVert, BOOL bMovingHorz,
                                BOOL bMovingVert)
{
    const POINT pt = ClientToArea(x, y);
    const int nHalf = s_nSplitterWidth / 2;
    int nSplitX = bMovingVert ? pt.x - nHalf - m_rcArea.left : rcVert.left - m_rcArea.left;
    int nSplitY = bMovingHorz ? pt.y - nHalf - m_rcArea.top : rcHorz.top - m_rcArea.top;
    RECT rcNewHorz, rcNewVert;
    CalcBarRects(rcNewHorz, rcNewVert, nSplitX, nSplitY);
    const BOOL bLive = (m_dwFlags & SEC_SPLITTER_LIVE) != 0;
    const int dx = rcNewVert.left - rcVert.left, dy = rcNewHorz.top - rcHorz.top;
    BOOL bChanged = FALSE;
    if (bMovingHorz && !::EqualRect(&rcNewHorz, &rcHorz))
    {
        if (bLive)
            bChanged = SetBarRect(rcNewHorz, TRUE) || bChanged;
        else
            DrawTrackRect(rcNewHorz, pDC, TRUE, FALSE);
        rcHorz = rcNewHorz;
    }
    if (bMovingVert && !::EqualRect(&rcNewVert, &rcVert))
    {
        if (bLive)
            bChanged = SetBarRect(rcNewVert, FALSE) || bChanged;
        else
            DrawTrackRect(rcNewVert, pDC, FALSE, FALSE);
        rcVert = rcNewVert;
    }
    if (bChanged)
    {
        Relayout();
        OnSplitterMoved(bMovingVert ? dx : 0, bMovingHorz ? dy : 0);
    }
}

void SECSplitterBase::DrawTrackRect(const RECT& rc, CDC* pDC, BOOL bHorz, BOOL bErase)
{
    const int i = bHorz ? 0 : 1;
    RECT r = rc;
    ::MapWindowPoints(::GetParent(m_hWnd), m_hWnd, (POINT*)&r, 2);
    if (bHorz)
        ::InflateRect(&r, -1, 0);
    else
        ::InflateRect(&r, 0, -1);
    // Both rectangles are kept in client coordinates; AdjustDragRect brings them to the DC's.
    const RECT rcClient = r;
    RECT rcLast = m_rcLastDrag[i];
    AdjustDragRect(r, rcLast);
    const SIZE size = bErase ? SIZE{0, 0} : SIZE{s_nSplitterWidth - 1, s_nSplitterWidth - 1};
    pDC->DrawDragRect(&r, size, &rcLast, m_sizeLastDrag[i]);
    m_rcLastDrag[i] = rcClient;
    m_sizeLastDrag[i] = size;
    if (bErase)
    {
        m_rcLastDrag[i] = RECT{};
        m_sizeLastDrag[i] = SIZE{};
    }
}

void SECSplitterBase::PumpPaintMessages()
{
    MSG msg;
    while (::PeekMessage(&msg, NULL, WM_PAINT, WM_PAINT, PM_REMOVE))
        ::DispatchMessage(&msg);
}

namespace
{
void FillColor(CDC* pDC, int x, int y, int cx, int cy, COLORREF clr)
{
    if (cx > 0 && cy > 0)
        pDC->FillSolidRect(x, y, cx, cy, clr);
}

// Which edges of a bar are drawn.
enum
{
    kEdgeTop = 1,
    kEdgeLeft = 2,
    kEdgeBottom = 4,
    kEdgeRight = 8,
    kEdgesAll = 15
};

// Face, highlight top and left, shadow and (unless flat) frame bottom and right; an edge left
// out lets the neighbouring edges run on to the bar's end.
void Draw3dBar(CDC* pDC, const RECT& rc, BOOL bFlat, int nEdges = kEdgesAll)
{
    const SECSystemData& data = SECGetSystemData();
    const int x = rc.left, y = rc.top, cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    if (cx <= 0 || cy <= 0)
        return;
    FillColor(pDC, x, y, cx, cy, data.m_clrBtnFace);
    if (nEdges & kEdgeTop)
        FillColor(pDC, x, y, cx, 1, data.m_clrBtnHilite);
    if (nEdges & kEdgeLeft)
        FillColor(pDC, x, y, 1, cy, data.m_clrBtnHilite);
    const int nShadow = bFlat ? 1 : 2;
    const int nFromX = (nEdges & kEdgeLeft) ? 1 : 0, nFromY = (nEdges & kEdgeTop) ? 1 : 0;
    if (nEdges & kEdgeBottom)
        FillColor(pDC, x + nFromX, y + cy - nShadow, cx - nFromX, 1, data.m_clrBtnShadow);
    if (nEdges & kEdgeRight)
        FillColor(pDC, x + cx - nShadow, y + nFromY, 1, cy - nFromY, data.m_clrBtnShadow);
    if (!bFlat && (nEdges & kEdgeBottom))
        FillColor(pDC, x, y + cy - 1, cx, 1, data.m_clrWindowFrame);
    if (!bFlat && (nEdges & kEdgeRight))
        FillColor(pDC, x + cx - 1, y, 1, cy, data.m_clrWindowFrame);
}
} // namespace

void SECSplitterBase::DrawHorzBar(CDC* pDC, const RECT& rc)
{
    Draw3dBar(pDC, rc, FALSE);
}

void SECSplitterBase::DrawVertBar(CDC* pDC, const RECT& rc)
{
    Draw3dBar(pDC, rc, FALSE);
}

void SECSplitterBase::DrawHorzBarFlat(CDC* pDC, const RECT& rc)
{
    Draw3dBar(pDC, rc, TRUE);
}

void SECSplitterBase::DrawVertBarFlat(CDC* pDC, const RECT& rc)
{
    Draw3dBar(pDC, rc, TRUE);
}

void SECSplitterBase::FillBar(CDC* pDC, const RECT& rc)
{
    if (!::IsRectEmpty(&rc))
        pDC->FillSolidRect(&rc, SECGetSystemData().m_clrBtnFace);
}

void SECSplitterBase::Draw(CDC* pDC)
{
    const DWORD dwStyle = GetBarStyle();
    if (dwStyle == 4)
    {
        DrawHorzBarFlat(pDC, m_rcHorzClient);
        DrawVertBarFlat(pDC, m_rcVertClient);
    }
    else if (dwStyle == 8)
    {
        FillBar(pDC, m_rcHorzClient);
        FillBar(pDC, m_rcVertClient);
    }
    else
    {
        DrawHorzBar(pDC, m_rcHorzClient);
        DrawVertBar(pDC, m_rcVertClient);
    }
    // At the crossing an edge stays only where no bar goes on beyond it: the vertical bar above
    // (modes 0, 2) or below (1, 2), the horizontal one to the left (0, 2) or right (1, 2).
    RECT rcCross;
    if (dwStyle != 8 && ::IntersectRect(&rcCross, &m_rcHorzClient, &m_rcVertClient))
    {
        const int v = m_nVertMode, h = m_nHorzMode;
        const int nEdges = (v == BAR_FROM_CROSSING ? kEdgeTop : 0) |
                           (v == BAR_TO_CROSSING ? kEdgeBottom : 0) |
                           (h == BAR_FROM_CROSSING ? kEdgeLeft : 0) | (h == BAR_TO_CROSSING ? kEdgeRight : 0);
        Draw3dBar(pDC, rcCross, dwStyle == 4, nEdges);
    }
}

BOOL SECSplitterBase::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (pWnd == this && nHitTest == HTCLIENT)
        return TRUE;
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void SECSplitterBase::OnMouseMove(UINT, CPoint point)
{
    BOOL bOnHorz, bOnVert;
    HitTest(point.x, point.y, &bOnHorz, &bOnVert);
    const SECSystemData& data = SECGetSystemData();
    HCURSOR hCursor = data.m_hcurArrow;
    if (bOnHorz && bOnVert)
        hCursor = data.m_hcurSpare;
    else if (bOnHorz)
        hCursor = data.m_hcurHSplit;
    else if (bOnVert)
        hCursor = data.m_hcurVSplit;
    ::SetCursor(hCursor);
    Default();
}

void SECSplitterBase::OnLButtonDown(UINT, CPoint point)
{
    BOOL bOnHorz, bOnVert;
    HitTest(point.x, point.y, &bOnHorz, &bOnVert);
    if (bOnHorz || bOnVert)
        StartTracking(point.x, point.y, bOnHorz, bOnVert);
    else
        Default();
}

void SECSplitterBase::OnPaint()
{
    CPaintDC dc(this);
    if (CanPaint(&dc))
        Draw(&dc);
}
