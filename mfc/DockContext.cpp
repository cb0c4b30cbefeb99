// Dragging a control bar: rectangles for docking and floating, the Ctrl and Shift keys, the
// feedback frame and the modal loop; resizing a floating bar; toggling docked and floating.
#include "DockContext.h"
#include "DockContextSteps.h"
#include "Brush.h"
#include "ControlBar.h"
#include "DC.h"
#include "DockBar.h"
#include "FrameWnd.h"
#include "MiniFrameWnd.h"
#include <algorithm>

namespace
{
BOOL IsHorz(DWORD dwStyle)
{
    return (dwStyle & CBRS_ORIENT_HORZ) != 0;
}
BOOL IsVert(DWORD dwStyle)
{
    return (dwStyle & CBRS_ORIENT_VERT) != 0;
}

// Moves rect so that it contains pt.
void AdjustRectangle(CRect& rect, CPoint pt)
{
    int dx = pt.x < rect.left ? pt.x - rect.left : pt.x > rect.right ? pt.x - rect.right : 0;
    int dy = pt.y < rect.top ? pt.y - rect.top : pt.y > rect.bottom ? pt.y - rect.bottom : 0;
    rect.OffsetRect(dx, dy);
}

// Frame rectangle of a floating frame whose client area is rect.
void FrameAround(CRect& rect, DWORD dwStyle)
{
    CMiniFrameWnd::CalcBorders(&rect, dwStyle);
    rect.InflateRect(-AFX_CX_BORDER2, -AFX_CY_BORDER2);
}
} // namespace

CDockContext::CDockContext(CControlBar* pBar)
    : m_ptLast(0, 0), m_rectLast(0, 0, 0, 0), m_sizeLast(0, 0), m_bDitherLast(FALSE), m_pBar(pBar),
      m_pDockSite(pBar->m_pDockSite), m_dwDockStyle(0), m_dwOverDockStyle(0), m_dwStyle(0), m_bFlip(FALSE),
      m_bForceFrame(FALSE), m_pDC(NULL), m_bDragging(FALSE), m_nHitTest(0), m_uMRUDockID(0),
      m_rectMRUDockPos(0, 0, 0, 0), m_ptMRUFloatPos(CW_USEDEFAULT, 0)
{
    if (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)
        m_dwMRUFloatStyle = pBar->m_dwStyle & (CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC);
    else if (pBar->m_dwStyle & CBRS_ORIENT_HORZ)
        m_dwMRUFloatStyle = CBRS_ALIGN_TOP | (pBar->m_dwStyle & CBRS_FLOAT_MULTI);
    else
        m_dwMRUFloatStyle = CBRS_ALIGN_LEFT | (pBar->m_dwStyle & CBRS_FLOAT_MULTI);
}

CDockContext::~CDockContext()
{
    if (m_pBar->m_pDockBar != NULL)
        m_pBar->m_pDockBar->RemoveControlBar(m_pBar, -1, 0);
    m_pBar->m_pDockBar = NULL;
}

// ---- dragging

void CDockContext::StartDrag(CPoint pt)
{
    m_bDragging = TRUE;
    InitLoop();
    CRect rect;
    m_pBar->GetWindowRect(&rect);
    m_ptLast = pt;
    if (m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)
    {
        CSize sizeHorz = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK);
        CSize sizeVert = m_pBar->CalcDynamicLayout(0, LM_VERTDOCK);
        CSize sizeFloat = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
        m_rectDragHorz = CRect(rect.TopLeft(), sizeHorz);
        m_rectDragVert = CRect(rect.TopLeft(), sizeVert);
        m_rectFrameDragHorz = CRect(rect.TopLeft(), sizeFloat);
        m_rectFrameDragVert = CRect(rect.TopLeft(), sizeFloat);
        FrameAround(m_rectFrameDragHorz, WS_THICKFRAME | WS_CAPTION);
        FrameAround(m_rectFrameDragVert, WS_THICKFRAME | WS_CAPTION);
    }
    else if (m_pBar->m_dwStyle & CBRS_SIZE_FIXED)
    {
        CSize sizeHorz = m_pBar->CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK);
        CSize sizeVert = m_pBar->CalcDynamicLayout(-1, LM_VERTDOCK);
        m_rectFrameDragHorz = m_rectDragHorz = CRect(rect.TopLeft(), sizeHorz);
        m_rectFrameDragVert = m_rectDragVert = CRect(rect.TopLeft(), sizeVert);
        FrameAround(m_rectFrameDragHorz, WS_THICKFRAME | WS_CAPTION);
        FrameAround(m_rectFrameDragVert, WS_THICKFRAME | WS_CAPTION);
    }
    else
    {
        // The other orientation is centred on the cursor across the bar.
        BOOL bHorz = IsHorz(m_dwStyle);
        CSize size = m_pBar->CalcDynamicLayout(-1, bHorz ? LM_VERTDOCK : (LM_HORZ | LM_HORZDOCK));
        if (bHorz)
        {
            m_rectDragHorz = rect;
            m_rectDragVert = CRect(CPoint(pt.x - rect.Height() / 2, rect.top), size);
        }
        else
        {
            m_rectDragVert = rect;
            m_rectDragHorz = CRect(CPoint(rect.left, pt.y - rect.Width() / 2), size);
        }
        m_rectFrameDragHorz = m_rectDragHorz;
        m_rectFrameDragVert = m_rectDragVert;
        FrameAround(m_rectFrameDragHorz, WS_THICKFRAME | WS_CAPTION);
        FrameAround(m_rectFrameDragVert, WS_THICKFRAME | WS_CAPTION);
    }
    AdjustRectangle(m_rectDragHorz, pt);
    AdjustRectangle(m_rectDragVert, pt);
    AdjustRectangle(m_rectFrameDragHorz, pt);
    AdjustRectangle(m_rectFrameDragVert, pt);
    m_dwOverDockStyle = CanDock();
    Move(pt);
    Track();
}

void CDockContext::Move(CPoint pt)
{
    MoveStep(*this, pt);
}

void CDockContext::OnKey(int nChar, BOOL bDown)
{
    KeyStep(*this, nChar, bDown);
}

void CDockContext::UpdateState(BOOL* pFlag, BOOL bNewValue)
{
    UpdateStep(*this, pFlag, bNewValue);
}

DWORD CDockContext::CanDock()
{
    if (m_pDockSite == NULL)
        return 0;
    BOOL bStyleHorz = IsHorz(m_dwStyle);
    if (m_bFlip)
        bStyleHorz = !bStyleHorz;
    DWORD dwDock = 0;
    // The present orientation first, then (unless Shift forces it) the other where both agree.
    if (bStyleHorz && IsHorz(m_dwDockStyle))
        dwDock = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_VERT);
    else if (IsVert(m_dwDockStyle))
        dwDock = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_HORZ);
    if (!m_bFlip)
    {
        if (dwDock == 0 && IsHorz(m_dwDockStyle))
        {
            DWORD dwCurr = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_VERT);
            dwDock = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_VERT);
            dwDock = dwDock == dwCurr ? dwDock : 0;
        }
        if (dwDock == 0 && IsVert(m_dwDockStyle))
        {
            DWORD dwCurr = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_HORZ);
            dwDock = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_HORZ);
            dwDock = dwDock == dwCurr ? dwDock : 0;
        }
    }
    return dwDock;
}

CDockBar* CDockContext::GetDockBar(DWORD dwOverDockStyle)
{
    CDockBar* pBar = NULL;
    if (IsHorz(dwOverDockStyle))
        m_pDockSite->CanDock(m_rectDragHorz, dwOverDockStyle & ~CBRS_ORIENT_VERT, &pBar);
    else if (IsVert(dwOverDockStyle))
        m_pDockSite->CanDock(m_rectDragVert, dwOverDockStyle & ~CBRS_ORIENT_HORZ, &pBar);
    return pBar;
}

void CDockContext::EndDrag()
{
    CancelLoop();
    CDockBar* pDockBar = m_dwOverDockStyle != 0 ? GetDockBar(m_dwOverDockStyle) : NULL;
    if (pDockBar != NULL)
    {
        CRect rect = (m_dwOverDockStyle & CBRS_ORIENT_VERT) ? m_rectDragVert : m_rectDragHorz;
        UINT nID = (UINT)pDockBar->GetDlgCtrlID();
        if (nID >= AFX_IDW_DOCKBAR_TOP && nID <= AFX_IDW_DOCKBAR_BOTTOM)
        {
            m_uMRUDockID = nID;
            m_rectMRUDockPos = rect;
            pDockBar->ScreenToClient(&m_rectMRUDockPos);
        }
        m_pDockSite->DockControlBar(m_pBar, pDockBar, &rect);
        m_pDockSite->RecalcLayout();
    }
    else if ((m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) || (IsHorz(m_dwStyle) && !m_bFlip) ||
             (IsVert(m_dwStyle) && m_bFlip))
    {
        m_dwMRUFloatStyle = CBRS_ALIGN_TOP | (m_dwDockStyle & CBRS_FLOAT_MULTI);
        m_ptMRUFloatPos = m_rectFrameDragHorz.TopLeft();
        m_pDockSite->FloatControlBar(m_pBar, m_ptMRUFloatPos, m_dwMRUFloatStyle);
    }
    else
    {
        m_dwMRUFloatStyle = CBRS_ALIGN_LEFT | (m_dwDockStyle & CBRS_FLOAT_MULTI);
        m_ptMRUFloatPos = m_rectFrameDragVert.TopLeft();
        m_pDockSite->FloatControlBar(m_pBar, m_ptMRUFloatPos, m_dwMRUFloatStyle);
    }
}

// ---- resizing a floating bar (m_rectDragHorz: requested size, m_rectDragVert: actual size,
// m_rectFrameDragHorz: actual frame, m_rectFrameDragVert: frame borders)

void CDockContext::StartResize(int nHitTest, CPoint pt)
{
    m_bDragging = FALSE;
    InitLoop();
    CRect rect;
    m_pBar->GetWindowRect(&rect);
    m_ptLast = pt;
    m_nHitTest = nHitTest;
    CSize size = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
    m_rectDragHorz = CRect(rect.TopLeft(), size);
    m_rectDragVert = CRect(rect.TopLeft(), size);
    m_rectFrameDragHorz = CRect(rect.TopLeft(), size);
    FrameAround(m_rectFrameDragHorz, WS_THICKFRAME | WS_CAPTION);
    m_rectFrameDragVert = CRect(CPoint(0, 0), m_rectFrameDragHorz.Size() - m_rectDragVert.Size());
    m_dwOverDockStyle = 0;
    Stretch(pt);
    Track();
}

void CDockContext::Stretch(CPoint pt)
{
    CSize offset = pt - m_ptLast;
    CRect& rectRequested = m_rectDragHorz;
    CRect& rectActual = m_rectDragVert;
    CRect& rectFrame = m_rectFrameDragHorz;
    const CRect& rectBorders = m_rectFrameDragVert;
    int nLength;
    DWORD dwMode = LM_HORZ;
    if (m_nHitTest == HTLEFT || m_nHitTest == HTRIGHT)
    {
        if (m_nHitTest == HTLEFT)
            rectRequested.left += offset.cx;
        else
            rectRequested.right += offset.cx;
        nLength = rectRequested.Width();
    }
    else
    {
        dwMode |= LM_LENGTHY;
        if (m_nHitTest == HTTOP)
            rectRequested.top += offset.cy;
        else
            rectRequested.bottom += offset.cy;
        nLength = rectRequested.Height();
    }
    CSize size = m_pBar->CalcDynamicLayout(std::max<LONG>(nLength, 0), dwMode);
    // The new frame must keep some part on the screen; the edge opposite the one dragged stays.
    CRect rectDesk;
    ::GetWindowRect(::GetDesktopWindow(), &rectDesk);
    CRect rectTemp = rectFrame;
    CRect rectCheck;
    if (m_nHitTest == HTLEFT || m_nHitTest == HTTOP)
    {
        rectTemp.left = rectTemp.right - (size.cx + rectBorders.Width());
        rectTemp.top = rectTemp.bottom - (size.cy + rectBorders.Height());
        if (rectCheck.IntersectRect(rectDesk, rectTemp))
        {
            rectActual.left = rectActual.right - size.cx;
            rectActual.top = rectActual.bottom - size.cy;
            rectFrame.left = rectTemp.left;
            rectFrame.top = rectTemp.top;
        }
    }
    else
    {
        rectTemp.right = rectTemp.left + (size.cx + rectBorders.Width());
        rectTemp.bottom = rectTemp.top + (size.cy + rectBorders.Height());
        if (rectCheck.IntersectRect(rectDesk, rectTemp))
        {
            rectActual.right = rectActual.left + size.cx;
            rectActual.bottom = rectActual.top + size.cy;
            rectFrame.right = rectTemp.right;
            rectFrame.bottom = rectTemp.bottom;
        }
    }
    m_ptLast = pt;
    DrawFocusRect();
}

void CDockContext::EndResize()
{
    CancelLoop();
    m_pBar->CalcDynamicLayout(m_rectDragVert.Width(), LM_HORZ | LM_COMMIT);
    m_pDockSite->FloatControlBar(m_pBar, m_rectFrameDragHorz.TopLeft(),
                                 CBRS_ALIGN_TOP | (m_dwDockStyle & CBRS_FLOAT_MULTI) | CBRS_SIZE_DYNAMIC);
}

// ---- double click

void CDockContext::ToggleDocking()
{
    if (m_pDockSite == NULL)
        return;
    if (m_pBar->IsFloating())
    {
        if (!(m_pBar->m_dwDockStyle & CBRS_ALIGN_ANY))
            return; // docking is switched off for the bar
        CRect rect = m_rectMRUDockPos;
        CControlBar* pNamed = m_uMRUDockID != 0 ? m_pDockSite->GetControlBar(m_uMRUDockID) : NULL;
        CDockBar* pDockBar = (pNamed != NULL && pNamed->IsDockBar()) ? (CDockBar*)pNamed : NULL;
        if (pDockBar != NULL)
        {
            pDockBar->ClientToScreen(&rect);
            m_pDockSite->ReDockControlBar(m_pBar, pDockBar, &rect);
        }
        else
            m_pDockSite->ReDockControlBar(m_pBar, NULL, NULL); // the side it knew is gone
        m_pDockSite->RecalcLayout();
        return;
    }
    CPoint ptFloat = m_ptMRUFloatPos;
    if (ptFloat.x < 0 || ptFloat.y < 0)
    {
        // Never floated: where it is docked now.
        ptFloat = m_rectMRUDockPos.TopLeft();
        m_pBar->GetParent()->ClientToScreen(&ptFloat);
    }
    m_pDockSite->FloatControlBar(m_pBar, ptFloat, m_dwMRUFloatStyle);
}

// ---- the loop

void CDockContext::InitLoop()
{
    // Windows uncovered so far are drawn before the feedback goes over them.
    MSG msg;
    while (::PeekMessage(&msg, NULL, WM_PAINT, WM_PAINT, PM_REMOVE))
        ::DispatchMessage(&msg);
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    m_dwStyle = m_pBar->m_dwStyle & CBRS_ALIGN_ANY;
    if (m_pDockSite == NULL)
        m_pDockSite = m_pBar->m_pDockSite;
    m_rectLast.SetRectEmpty();
    m_sizeLast.cx = m_sizeLast.cy = 0;
    m_bForceFrame = m_bFlip = m_bDitherLast = FALSE;
    if (m_pDC == NULL)
    {
        m_pDC = new CDC;
        m_pDC->Attach(::GetDCEx(::GetDesktopWindow(), NULL, DCX_WINDOW | DCX_CACHE));
    }
}

void CDockContext::CancelLoop()
{
    DrawFocusRect(TRUE);
    ReleaseLoop();
}

void CDockContext::ReleaseLoop()
{
    if (::GetCapture() == m_pBar->m_hWnd)
        ::ReleaseCapture();
    if (m_pDC != NULL)
    {
        ::ReleaseDC(::GetDesktopWindow(), m_pDC->Detach());
        delete m_pDC;
        m_pDC = NULL;
    }
}

BOOL CDockContext::Track()
{
    return TrackLoop(*this);
}

void CDockContext::DrawFocusRect(BOOL bRemoveRect)
{
    if (m_pDC == NULL)
        return;
    CSize size(1, 1);
    CRect rect;
    CBrush* pWhiteBrush = CBrush::FromHandle((HBRUSH)::GetStockObject(WHITE_BRUSH));
    CBrush* pDitherBrush = CDC::GetHalftoneBrush();
    CBrush* pBrush = pWhiteBrush;
    if (IsHorz(m_dwOverDockStyle))
        rect = m_rectDragHorz;
    else if (IsVert(m_dwOverDockStyle))
        rect = m_rectDragVert;
    else
    {
        // Floating: the frame the bar would get, in a thick halftone line.
        size.cx = ::GetSystemMetrics(SM_CXFRAME) - 1;
        size.cy = ::GetSystemMetrics(SM_CYFRAME) - 1;
        if ((IsHorz(m_dwStyle) && !m_bFlip) || (IsVert(m_dwStyle) && m_bFlip))
            rect = m_rectFrameDragHorz;
        else
            rect = m_rectFrameDragVert;
        pBrush = pDitherBrush;
    }
    if (bRemoveRect)
        size.cx = size.cy = 0;
    if (IsHorz(m_dwOverDockStyle) || IsVert(m_dwOverDockStyle))
        rect.InflateRect(-1, -1); // looks pressed into the dock bar
    m_pDC->DrawDragRect(&rect, size, &m_rectLast, m_sizeLast, pBrush,
                        m_bDitherLast ? pDitherBrush : pWhiteBrush);
    m_rectLast = rect;
    m_sizeLast = size;
    m_bDitherLast = pBrush == pDitherBrush;
}
