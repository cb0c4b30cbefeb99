// CRectTracker: drawing, hit testing and the mouse loop of a movable, sizable rectangle.
#include "RectTracker.h"
#include "DC.h"
#include "Wnd.h"
#include <algorithm>
#include <windowsx.h>

namespace
{
// Per handle: which x and y of the rectangle it moves (0 none, 1 left/top, 2 right/bottom), the
// handle's centre as a fraction of the rectangle (0, 1 = middle, 2 = far side), its cursor, and
// the handle it becomes when the rectangle is turned inside out horizontally / vertically.
struct HandleInfo
{
    int nX, nY;
    int nCenterX, nCenterY;
    LPCTSTR idCursor;
    int nInvertX, nInvertY;
};

const HandleInfo kHandles[] = {
    {1, 1, 0, 0, IDC_SIZENWSE, CRectTracker::hitTopRight, CRectTracker::hitBottomLeft},
    {2, 1, 2, 0, IDC_SIZENESW, CRectTracker::hitTopLeft, CRectTracker::hitBottomRight},
    {2, 2, 2, 2, IDC_SIZENWSE, CRectTracker::hitBottomLeft, CRectTracker::hitTopRight},
    {1, 2, 0, 2, IDC_SIZENESW, CRectTracker::hitBottomRight, CRectTracker::hitTopLeft},
    {0, 1, 1, 0, IDC_SIZENS, CRectTracker::hitTop, CRectTracker::hitBottom},
    {2, 0, 2, 1, IDC_SIZEWE, CRectTracker::hitLeft, CRectTracker::hitRight},
    {0, 2, 1, 2, IDC_SIZENS, CRectTracker::hitBottom, CRectTracker::hitTop},
    {1, 0, 0, 1, IDC_SIZEWE, CRectTracker::hitRight, CRectTracker::hitLeft},
    {0, 0, 1, 1, IDC_SIZEALL, CRectTracker::hitMiddle, CRectTracker::hitMiddle},
};

const int kDefaultHandleSize = 4;

HBRUSH HatchBrush()
{
    return ::CreateHatchBrush(HS_DIAGCROSS, RGB(0, 0, 0));
}
} // namespace

CRectTracker::CRectTracker()
    : m_nStyle(0), m_rect(0, 0, 0, 0), m_sizeMin(0, 0), m_nHandleSize(kDefaultHandleSize),
      m_bAllowInvert(FALSE), m_bErase(FALSE), m_bFinalErase(FALSE), m_bDrawn(FALSE), m_rectLast(0, 0, 0, 0),
      m_sizeLast(0, 0)
{
}

CRectTracker::CRectTracker(LPCRECT lpSrcRect, UINT nStyle) : CRectTracker()
{
    m_rect = *lpSrcRect;
    m_nStyle = nStyle;
    m_sizeMin.cx = m_sizeMin.cy = m_nHandleSize * 2;
}

CRectTracker::~CRectTracker()
{
}

UINT CRectTracker::GetHandleMask() const
{
    // Corners always; the side handles only where the side is long enough to hold them apart.
    UINT mask = 0x0F;
    int size = m_nHandleSize * 3;
    if (abs(m_rect.Width()) - size > 4)
        mask |= 0x50;
    if (abs(m_rect.Height()) - size > 4)
        mask |= 0xA0;
    return mask;
}

int CRectTracker::GetHandleSize(LPCRECT lpRect) const
{
    CRect rect = lpRect != NULL ? *lpRect : m_rect;
    rect.NormalizeRect();
    int size = m_nHandleSize;
    if (!(m_nStyle & resizeOutside))
    {
        // Inside handles never take more than half the rectangle.
        size = std::min(size, rect.Width() / 2);
        size = std::min(size, rect.Height() / 2);
    }
    return std::max(size, 1);
}

void CRectTracker::GetHandleRect(int nHandle, CRect* pHandleRect) const
{
    CRect rect = m_rect;
    rect.NormalizeRect();
    int size = GetHandleSize();
    const HandleInfo& info = kHandles[nHandle];
    auto place = [&](int nWhere, int nLow, int nHigh) {
        // Inside: the handle lies within the side; outside: beyond it. Middle handles are centred.
        if (nWhere == 1)
            return nLow + (nHigh - nLow - size) / 2;
        BOOL bOutside = (m_nStyle & resizeOutside) != 0;
        if (nWhere == 0)
            return bOutside ? nLow - size : nLow;
        return bOutside ? nHigh : nHigh - size;
    };
    int x = place(info.nCenterX, rect.left, rect.right);
    int y = place(info.nCenterY, rect.top, rect.bottom);
    pHandleRect->SetRect(x, y, x + size, y + size);
}

void CRectTracker::GetTrueRect(LPRECT lpTrueRect) const
{
    CRect rect = m_rect;
    rect.NormalizeRect();
    int nInflate = (m_nStyle & (resizeOutside | hatchedBorder)) ? GetHandleSize() : 0;
    rect.InflateRect(nInflate, nInflate);
    *lpTrueRect = rect;
}

void CRectTracker::Draw(CDC* pDC) const
{
    HDC hDC = pDC->m_hDC;
    int nSaved = ::SaveDC(hDC);
    ::SetMapMode(hDC, MM_TEXT);
    ::SetViewportOrgEx(hDC, 0, 0, NULL);
    ::SetWindowOrgEx(hDC, 0, 0, NULL);
    CRect rect = m_rect;
    rect.NormalizeRect();

    if (m_nStyle & (solidLine | dottedLine))
    {
        HPEN hPen = ::CreatePen((m_nStyle & dottedLine) ? PS_DOT : PS_SOLID, 0, RGB(0, 0, 0));
        HGDIOBJ hOldPen = ::SelectObject(hDC, hPen);
        HGDIOBJ hOldBrush = ::SelectObject(hDC, ::GetStockObject(NULL_BRUSH));
        ::SetBkMode(hDC, TRANSPARENT);
        ::Rectangle(hDC, rect.left, rect.top, rect.right + 1, rect.bottom + 1);
        ::SelectObject(hDC, hOldBrush);
        ::SelectObject(hDC, hOldPen);
        ::DeleteObject(hPen);
    }
    if (m_nStyle & (hatchInside | hatchedBorder))
    {
        HBRUSH hHatch = HatchBrush();
        ::SetBkMode(hDC, TRANSPARENT);
        if (m_nStyle & hatchInside)
        {
            CRect inside = rect;
            inside.InflateRect(-1, -1);
            ::FillRect(hDC, &inside, hHatch);
        }
        if (m_nStyle & hatchedBorder)
        {
            // The band between the rectangle and its true rectangle.
            CRect outer;
            GetTrueRect(&outer);
            ::ExcludeClipRect(hDC, rect.left, rect.top, rect.right, rect.bottom);
            ::FillRect(hDC, &outer, hHatch);
            ::SelectClipRgn(hDC, NULL);
        }
        ::DeleteObject(hHatch);
    }
    if (m_nStyle & (resizeInside | resizeOutside))
    {
        UINT mask = GetHandleMask();
        for (int i = 0; i < 8; ++i)
        {
            if (mask & (1u << i))
            {
                CRect handle;
                GetHandleRect(i, &handle);
                ::FillRect(hDC, &handle, (HBRUSH)::GetStockObject(BLACK_BRUSH));
            }
        }
    }
    ::RestoreDC(hDC, nSaved);
}

int CRectTracker::HitTest(CPoint point) const
{
    CRect rectTrue;
    GetTrueRect(&rectTrue);
    if (!rectTrue.PtInRect(point))
        return hitNothing;
    if (m_nStyle & (resizeInside | resizeOutside))
    {
        UINT mask = GetHandleMask();
        for (int i = 0; i < 8; ++i)
        {
            if (!(mask & (1u << i)))
                continue;
            CRect handle;
            GetHandleRect(i, &handle);
            if (handle.PtInRect(point))
                return NormalizeHit(i);
        }
    }
    return hitMiddle;
}

int CRectTracker::NormalizeHit(int nHandle) const
{
    if (nHandle < 0 || nHandle == hitMiddle)
        return nHandle;
    if (m_rect.Width() < 0)
        nHandle = kHandles[nHandle].nInvertX;
    if (m_rect.Height() < 0)
        nHandle = kHandles[nHandle].nInvertY;
    return nHandle;
}

BOOL CRectTracker::SetCursor(CWnd* pWnd, UINT nHitTest) const
{
    if (nHitTest != HTCLIENT)
        return FALSE;
    CPoint point;
    ::GetCursorPos(&point);
    ::ScreenToClient(pWnd->m_hWnd, &point);
    int nHandle = HitTest(point);
    if (nHandle < 0)
        return FALSE;
    ::SetCursor(::LoadCursor(NULL, kHandles[NormalizeHit(nHandle)].idCursor));
    return TRUE;
}

BOOL CRectTracker::Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert, CWnd* pWndClipTo)
{
    int nHandle = HitTest(point);
    if (nHandle < 0)
        return FALSE;
    m_bAllowInvert = bAllowInvert;
    return TrackHandle(nHandle, pWnd, point, pWndClipTo);
}

BOOL CRectTracker::TrackRubberBand(CWnd* pWnd, CPoint point, BOOL bAllowInvert)
{
    m_bAllowInvert = bAllowInvert;
    m_rect.SetRect(point.x, point.y, point.x, point.y);
    return TrackHandle(hitBottomRight, pWnd, point, NULL);
}

void CRectTracker::AdjustRect(int nHandle, LPRECT lpRect)
{
    if (nHandle == hitMiddle)
        return;
    // Keep the minimum size by moving the side that is being dragged.
    const HandleInfo& info = kHandles[nHandle];
    int cx = lpRect->right - lpRect->left, cy = lpRect->bottom - lpRect->top;
    if (info.nX != 0 && abs(cx) < m_sizeMin.cx)
    {
        int nSign = cx < 0 && m_bAllowInvert ? -1 : 1;
        if (info.nX == 1)
            lpRect->left = lpRect->right - nSign * m_sizeMin.cx;
        else
            lpRect->right = lpRect->left + nSign * m_sizeMin.cx;
    }
    if (info.nY != 0 && abs(cy) < m_sizeMin.cy)
    {
        int nSign = cy < 0 && m_bAllowInvert ? -1 : 1;
        if (info.nY == 1)
            lpRect->top = lpRect->bottom - nSign * m_sizeMin.cy;
        else
            lpRect->bottom = lpRect->top + nSign * m_sizeMin.cy;
    }
}

void CRectTracker::OnChangedRect(const CRect&)
{
}

void CRectTracker::DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd)
{
    if (m_bErase || m_bFinalErase)
    {
        if (m_bDrawn)
            pDC->DrawDragRect(m_rectLast, CSize(0, 0), m_rectLast, m_sizeLast);
        m_bDrawn = FALSE;
        return;
    }
    CRect rect = *lpRect;
    rect.NormalizeRect();
    if (pWndClipTo != NULL)
    {
        pWnd->ClientToScreen(&rect);
        pWndClipTo->ScreenToClient(&rect);
    }
    CSize size(1, 1);
    if (m_nStyle & hatchedBorder)
    {
        size.cx = size.cy = std::max(1, GetHandleSize(rect) - 1);
        rect.InflateRect(size);
    }
    pDC->DrawDragRect(rect, size, m_bDrawn ? (LPCRECT)m_rectLast : NULL, m_sizeLast);
    m_rectLast = rect;
    m_sizeLast = size;
    m_bDrawn = TRUE;
}

BOOL CRectTracker::TrackHandle(int nHandle, CWnd* pWnd, CPoint point, CWnd* pWndClipTo)
{
    if (::GetCapture() != NULL)
        return FALSE;
    pWnd->UpdateWindow();
    ::SetCapture(pWnd->m_hWnd);
    if (::GetCapture() != pWnd->m_hWnd)
        return FALSE;

    CRect rectSave = m_rect;
    const HandleInfo& info = kHandles[nHandle];
    // The distance between the point taken and the sides it moves stays the same.
    int* px = info.nX == 1 ? (int*)&m_rect.left : info.nX == 2 ? (int*)&m_rect.right : NULL;
    int* py = info.nY == 1 ? (int*)&m_rect.top : info.nY == 2 ? (int*)&m_rect.bottom : NULL;
    if (nHandle == hitMiddle)
    {
        px = (int*)&m_rect.left;
        py = (int*)&m_rect.top;
    }
    int xDiff = px != NULL ? point.x - *px : 0;
    int yDiff = py != NULL ? point.y - *py : 0;

    HWND hDrawWnd = pWndClipTo != NULL ? pWndClipTo->m_hWnd : pWnd->m_hWnd;
    HDC hDrawDC = ::GetDCEx(hDrawWnd, NULL, DCX_CACHE | (pWndClipTo != NULL ? DCX_LOCKWINDOWUPDATE : 0));
    CDC drawDC;
    drawDC.Attach(hDrawDC);
    m_bErase = m_bFinalErase = m_bDrawn = FALSE;
    BOOL bMoved = FALSE, bCancelled = FALSE;

    for (BOOL bDone = FALSE; !bDone;)
    {
        MSG msg;
        if (!::GetMessage(&msg, NULL, 0, 0))
        {
            ::PostQuitMessage((int)msg.wParam);
            bCancelled = TRUE;
            break;
        }
        if (::GetCapture() != pWnd->m_hWnd)
        {
            bCancelled = TRUE;
            break;
        }
        switch (msg.message)
        {
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP: {
            CRect rectOld = m_rect;
            if (px != NULL)
                *px = GET_X_LPARAM(msg.lParam) - xDiff;
            if (py != NULL)
                *py = GET_Y_LPARAM(msg.lParam) - yDiff;
            if (nHandle == hitMiddle)
            {
                m_rect.right = m_rect.left + rectSave.Width();
                m_rect.bottom = m_rect.top + rectSave.Height();
            }
            AdjustRect(nHandle, &m_rect);
            if (msg.message == WM_LBUTTONUP)
            {
                m_bFinalErase = TRUE;
                DrawTrackerRect(&m_rect, pWndClipTo, &drawDC, pWnd);
                if (m_rect != rectOld)
                    OnChangedRect(rectOld);
                bDone = TRUE;
                break;
            }
            if (m_rect != rectOld)
            {
                bMoved = TRUE;
                OnChangedRect(rectOld);
            }
            if (bMoved)
                DrawTrackerRect(&m_rect, pWndClipTo, &drawDC, pWnd);
            break;
        }
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE)
            {
                bCancelled = TRUE;
                bDone = TRUE;
            }
            break;
        case WM_RBUTTONDOWN:
            bCancelled = TRUE;
            bDone = TRUE;
            break;
        default:
            ::DispatchMessage(&msg);
            break;
        }
    }

    if (bCancelled)
    {
        m_bFinalErase = TRUE;
        DrawTrackerRect(&m_rect, pWndClipTo, &drawDC, pWnd);
        m_rect = rectSave;
    }
    m_bErase = m_bFinalErase = FALSE;
    drawDC.Detach();
    ::ReleaseDC(hDrawWnd, hDrawDC);
    if (::GetCapture() == pWnd->m_hWnd)
        ::ReleaseCapture();
    if (!m_bAllowInvert)
        m_rect.NormalizeRect();
    return !bCancelled && m_rect != rectSave;
}
