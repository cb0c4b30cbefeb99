// SECDockContext: dragging, resizing and toggling the library's control bars.
#include "uilib/frames/docking/DockContext.h"
#include "FramesIds.h"
#include "FrameworkIds.h"
#include "mfc/DockContextSteps.h"
#include "mfc/MiniFrameWnd.h"
#include "uilib/bars/ControlBar.h"
#include "uilib/bars/CustomToolBar.h"
#include "uilib/frames/docking/DockBar.h"
#include "uilib/frames/docking/DockSite.h"
#include "uilib/common/SystemData.h"
#include <algorithm>

namespace
{
// A floating bar moved this far or less is not docked.
const int kNoDockDistance = 4;

BOOL IsHorz(DWORD dwStyle)
{
    return (dwStyle & CBRS_ORIENT_HORZ) != 0;
}
BOOL IsVert(DWORD dwStyle)
{
    return (dwStyle & CBRS_ORIENT_VERT) != 0;
}

BOOL IsFixedSECBar(CControlBar* pBar)
{
    SECControlBar* p = DYNAMIC_DOWNCAST(SECControlBar, pBar);
    return p != NULL && (p->m_dwExStyle & BAR_EX_FIXED_FLOAT_SIZE) != 0;
}

// Moves rect so that it holds pt; past the right or bottom edge one border further.
void MoveToHold(CRect& rect, CPoint pt, int cxBorder, int cyBorder)
{
    if (pt.x < rect.left)
        rect.OffsetRect(pt.x - rect.left, 0);
    else if (pt.x >= rect.right)
        rect.OffsetRect(pt.x - rect.right + cxBorder, 0);
    if (pt.y < rect.top)
        rect.OffsetRect(0, pt.y - rect.top);
    else if (pt.y >= rect.bottom)
        rect.OffsetRect(0, pt.y - rect.bottom + cyBorder);
}

BOOL ParentHasCaption(CControlBar* pBar)
{
    CFrameWnd* pFrame = pBar->GetParentFrame();
    return pFrame != NULL && (pFrame->GetStyle() & WS_CAPTION) == WS_CAPTION;
}

// A floating frame that gave its caption and borders up to the frame it carries: NULL for any
// other bar.
CFrameWnd* CaptionlessFloatingFrame(CControlBar* pBar)
{
    CFrameWnd* pFrame = pBar->IsFloating() ? pBar->GetParentFrame() : NULL;
    return pFrame != NULL && (pFrame->GetStyle() & (WS_CAPTION | WS_THICKFRAME)) == 0 ? pFrame : NULL;
}
} // namespace

SECDockContext::SECDockContext(CControlBar* pBar)
    : CDockContext(pBar), m_rectLastDocking(0, 0, 0, 0), m_ptDragStart(0, 0), m_ptLastDocking(0, 0),
      m_nLastDockingRow(-1), m_bWasFloating(FALSE),
      m_nMinFloatWidth(2 * (::GetSystemMetrics(SM_CXFRAME) + ::GetSystemMetrics(SM_CXBORDER)) +
                       ::GetSystemMetrics(SM_CXMENUSIZE)),
      m_nMinFloatHeight(2 * (::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYBORDER)) +
                        ::GetSystemMetrics(SM_CYSMCAPTION)),
      m_nMaxFloatWidth(::GetSystemMetrics(SM_CXFULLSCREEN)),
      m_nMaxFloatHeight(::GetSystemMetrics(SM_CYFULLSCREEN))
{
    m_bDragging = FALSE;
}

SECDockContext::~SECDockContext()
{
    CDockBar* pDockBar = m_pBar->m_pDockBar;
    if (pDockBar != NULL)
    {
        if (pDockBar->IsKindOf(RUNTIME_CLASS(SECDockBar)))
            static_cast<SECDockBar*>(pDockBar)->RemoveControlBar(m_pBar, -1, 0);
        else
            pDockBar->CDockBar::RemoveControlBar(m_pBar, -1, 0);
    }
    m_pBar->m_pDockBar = NULL;
}

// ---- dragging

void SECDockContext::StartDrag(CPoint pt)
{
    m_nLastDockingRow = -1;
    m_ptDragStart = pt;
    m_bDragging = TRUE;
    SetMessageBarText(IDS_SEC_DRAG_NODOCK_HINT);
    InitLoop();
    const SECSystemData& data = SECGetSystemData();
    CRect rect;
    m_pBar->GetWindowRect(&rect);
    m_ptLast = pt;
    if (m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)
    {
        const CSize sizeHorz = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK);
        const CSize sizeVert = m_pBar->CalcDynamicLayout(0, LM_VERTDOCK);
        const CSize sizeFloat = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
        m_rectDragHorz = CRect(rect.TopLeft(), sizeHorz);
        m_rectDragVert = CRect(rect.TopLeft(), sizeVert);
        m_rectFrameDragHorz = CRect(rect.TopLeft(), sizeFloat);
        m_rectFrameDragVert = CRect(rect.TopLeft(), sizeFloat);
        if (CFrameWnd* pFloatFrame = CaptionlessFloatingFrame(m_pBar))
        {
            // Its frame has no borders to add: it keeps its own place around the bar, so that it
            // lands where the drag moved it.
            CRect rectFloat;
            pFloatFrame->GetWindowRect(&rectFloat);
            const CSize sizeInside = rect.TopLeft() - rectFloat.TopLeft();
            m_rectFrameDragHorz.OffsetRect(-sizeInside);
            m_rectFrameDragVert.OffsetRect(-sizeInside);
        }
        else if (!ParentHasCaption(m_pBar))
        {
            CMiniFrameWnd::CalcBorders(&m_rectFrameDragHorz, WS_THICKFRAME | WS_CAPTION);
            CMiniFrameWnd::CalcBorders(&m_rectFrameDragVert, WS_THICKFRAME | WS_CAPTION);
            m_rectFrameDragHorz.DeflateRect(data.m_cxBorder, data.m_cyBorder);
        }
    }
    else
    {
        if (m_pBar->m_dwStyle & CBRS_SIZE_FIXED)
        {
            const CSize sizeHorz = m_pBar->CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK);
            const CSize sizeVert = m_pBar->CalcDynamicLayout(-1, LM_VERTDOCK);
            m_rectDragHorz = CRect(rect.TopLeft(), sizeHorz);
            m_rectDragVert = CRect(rect.TopLeft(), sizeVert);
        }
        else if (IsHorz(m_dwStyle))
        {
            const CSize size = m_pBar->CalcDynamicLayout(-1, LM_VERTDOCK);
            m_rectDragHorz = rect;
            m_rectDragVert = CRect(CPoint(pt.x - rect.Height() / 2, rect.top), size);
        }
        else
        {
            const CSize size = m_pBar->CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK);
            m_rectDragVert = rect;
            m_rectDragHorz = CRect(CPoint(rect.left, pt.y - rect.Width() / 2), size);
        }
        m_rectFrameDragHorz = m_rectDragHorz;
        m_rectFrameDragVert = m_rectDragVert;
        CMiniFrameWnd::CalcBorders(&m_rectFrameDragHorz, WS_THICKFRAME | WS_CAPTION);
        CMiniFrameWnd::CalcBorders(&m_rectFrameDragVert, WS_THICKFRAME | WS_CAPTION);
        m_rectFrameDragHorz.DeflateRect(data.m_cxBorder, data.m_cyBorder);
        m_rectFrameDragVert.DeflateRect(data.m_cxBorder, data.m_cyBorder);
    }
    m_rectFrameDragVert.DeflateRect(data.m_cxBorder, data.m_cyBorder);
    for (CRect* pRect : {&m_rectDragHorz, &m_rectDragVert, &m_rectFrameDragHorz, &m_rectFrameDragVert})
        MoveToHold(*pRect, pt, data.m_cxBorder, data.m_cyBorder);
    m_dwOverDockStyle = CanDock();
    Move(pt);
    Track();
}

void SECDockContext::Move(CPoint pt)
{
    MoveStep(*this, pt);
}

void SECDockContext::OnKey(int nChar, BOOL bDown)
{
    KeyStep(*this, nChar, bDown);
}

DWORD SECDockContext::CanDock()
{
    if (m_pDockSite == NULL)
        return 0;
    BOOL bHorz = IsHorz(m_dwStyle);
    if (m_bFlip)
        bHorz = !bHorz;
    DWORD dwDock = 0;
    if (bHorz && IsHorz(m_dwDockStyle))
        dwDock = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_VERT);
    else if (IsVert(m_dwDockStyle))
    {
        // A vertical candidate counts only while the cursor is over its dock bar.
        CDockBar* pDockBar = NULL;
        dwDock = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_HORZ, &pDockBar);
        CRect rectDock;
        if (pDockBar != NULL)
            pDockBar->GetWindowRect(&rectDock);
        if (pDockBar == NULL || !rectDock.PtInRect(m_ptLast))
            dwDock = 0;
    }
    if (dwDock == 0 && !m_bFlip)
    {
        // Either orientation docks where both rectangles agree.
        if (IsHorz(m_dwDockStyle))
        {
            const DWORD dwStyle = m_dwDockStyle & ~CBRS_ORIENT_VERT;
            const DWORD dwVert = m_pDockSite->CanDock(m_rectDragVert, dwStyle);
            const DWORD dwHorz = m_pDockSite->CanDock(m_rectDragHorz, dwStyle);
            dwDock = dwVert == dwHorz ? dwHorz : 0;
        }
        if (dwDock == 0 && IsVert(m_dwDockStyle))
        {
            const DWORD dwStyle = m_dwDockStyle & ~CBRS_ORIENT_HORZ;
            const DWORD dwHorz = m_pDockSite->CanDock(m_rectDragHorz, dwStyle);
            const DWORD dwVert = m_pDockSite->CanDock(m_rectDragVert, dwStyle);
            dwDock = dwHorz == dwVert ? dwVert : 0;
        }
    }
    return dwDock;
}

int SECDockContext::DistanceFromStart() const
{
    return std::abs(m_ptLast.x - m_ptDragStart.x) + std::abs(m_ptLast.y - m_ptDragStart.y);
}

void SECDockContext::DrawFocusRect(BOOL bRemoveRect)
{
    if (m_pDC == NULL)
        return;
    CBrush* pWhiteBrush = CBrush::FromHandle((HBRUSH)::GetStockObject(WHITE_BRUSH));
    CBrush* pDitherBrush = CDC::GetHalftoneBrush();
    CSize size(1, 1);
    CBrush* pBrush = pWhiteBrush;
    CRect rect;
    const BOOL bOverDock = IsHorz(m_dwOverDockStyle) || IsVert(m_dwOverDockStyle);
    // A floating bar nudged a little shows where it floats, not where it would dock.
    const BOOL bNudged = m_pBar->IsFloating() && DistanceFromStart() < kNoDockDistance + 1;
    if (bOverDock && !bNudged)
    {
        rect = IsHorz(m_dwOverDockStyle) ? m_rectDragHorz : m_rectDragVert;
        CDockBar* pDockBar = GetDockBar(m_dwOverDockStyle);
        if (pDockBar != NULL && pDockBar->IsKindOf(RUNTIME_CLASS(SECDockBar)))
            rect = static_cast<SECDockBar*>(pDockBar)->CalcDockingRect(
                m_pBar, rect, m_ptLast, m_nLastDockingRow, m_rectLastDocking, m_ptLastDocking);
        if (SECGetSystemData().m_bNewShell)
            rect.DeflateRect(1, 1);
    }
    else
    {
        size.cx = ::GetSystemMetrics(SM_CXFRAME) - 1;
        size.cy = ::GetSystemMetrics(SM_CYFRAME) - 1;
        rect = ((IsHorz(m_dwStyle) && !m_bFlip) || (IsVert(m_dwStyle) && m_bFlip)) ? m_rectFrameDragHorz
                                                                                   : m_rectFrameDragVert;
        pBrush = pDitherBrush;
        m_nLastDockingRow = -1;
    }
    if (bRemoveRect)
        size.cx = size.cy = 0;
    m_pDC->DrawDragRect(&rect, size, &m_rectLast, m_sizeLast, pBrush,
                        m_bDitherLast ? pDitherBrush : pWhiteBrush);
    m_rectLast = rect;
    m_sizeLast = size;
    m_bDitherLast = pBrush == pDitherBrush;
}

void SECDockContext::EndDrag()
{
    CancelLoop();
    const BOOL bFloating = m_pBar->IsFloating();
    CDockBar* pDockBar = m_dwOverDockStyle != 0 ? GetDockBar(m_dwOverDockStyle) : NULL;
    if (pDockBar != NULL && (!bFloating || DistanceFromStart() > kNoDockDistance))
    {
        const BOOL bVert = (pDockBar->m_dwStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) != 0;
        CRect rect = bVert ? m_rectDragVert : m_rectDragHorz;
        const UINT nID = (UINT)pDockBar->GetDlgCtrlID();
        if (nID >= AFX_IDW_DOCKBAR_TOP && nID <= AFX_IDW_DOCKBAR_BOTTOM)
        {
            m_uMRUDockID = nID;
            m_rectMRUDockPos = rect;
            pDockBar->ScreenToClient(&m_rectMRUDockPos);
        }
        // A floating bar gets the share it asks for in its new row.
        if (bFloating && pDockBar->IsKindOf(RUNTIME_CLASS(SECDockBar)))
            static_cast<SECDockBar*>(pDockBar)->SetBarBeingDocked(m_pBar);
        DockThroughSite(pDockBar, &rect);
        m_pDockSite->RecalcLayout(TRUE);
    }
    else
    {
        const SECSystemData& data = SECGetSystemData();
        const BOOL bVertical = !(m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) &&
                               ((IsVert(m_dwStyle) && !m_bFlip) || (IsHorz(m_dwStyle) && m_bFlip));
        if (bVertical)
        {
            m_dwMRUFloatStyle = CBRS_ALIGN_LEFT | (m_dwDockStyle & CBRS_FLOAT_MULTI);
            m_ptMRUFloatPos = m_rectFrameDragVert.TopLeft();
        }
        else
        {
            m_dwMRUFloatStyle = CBRS_ALIGN_TOP | (m_dwDockStyle & CBRS_FLOAT_MULTI);
            m_ptMRUFloatPos = m_rectFrameDragHorz.TopLeft();
            if (!m_pBar->IsKindOf(RUNTIME_CLASS(SECCustomToolBar)) &&
                CaptionlessFloatingFrame(m_pBar) == NULL)
                m_ptMRUFloatPos += CSize(1 - data.m_cxBorder, 1 - data.m_cyBorder);
        }
        FloatThroughSite(m_ptMRUFloatPos, m_dwMRUFloatStyle);
    }
    m_bDragging = FALSE;
}

// ---- resizing a floating bar (m_rectDragHorz: requested size, m_rectDragVert: actual size,
// m_rectFrameDragHorz: actual frame, m_rectFrameDragVert: frame borders)

void SECDockContext::StartResize(int nHitTest, CPoint pt)
{
    m_bDragging = FALSE;
    InitLoop();
    m_ptLast = pt;
    m_nHitTest = nHitTest;
    CRect rect;
    m_pBar->GetWindowRect(&rect);
    const CSize size = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
    m_rectDragHorz = CRect(rect.TopLeft(), size);
    m_rectDragVert = m_rectDragHorz;
    m_rectFrameDragHorz = m_rectDragHorz;
    if (!ParentHasCaption(m_pBar))
    {
        CMiniFrameWnd::CalcBorders(&m_rectFrameDragHorz, WS_THICKFRAME | WS_CAPTION);
        const SECSystemData& data = SECGetSystemData();
        m_rectFrameDragHorz.DeflateRect(data.m_cxBorder, data.m_cyBorder);
    }
    else
    {
        // The bar sits in a floating frame already: its frame is the feedback.
        CFrameWnd* pFrame = m_pBar->GetParentFrame();
        pFrame->GetWindowRect(&m_rectFrameDragHorz);
    }
    m_rectFrameDragVert = CRect(CPoint(0, 0), m_rectFrameDragHorz.Size() - m_rectDragVert.Size());
    m_dwOverDockStyle = 0;
    Stretch(pt);
    Track();
}

void SECDockContext::Stretch(CPoint pt)
{
    const CSize offset = pt - m_ptLast;
    CRect& rectRequested = m_rectDragHorz;
    CRect& rectActual = m_rectDragVert;
    CRect& rectFrame = m_rectFrameDragHorz;
    const CRect& rectBorders = m_rectFrameDragVert;
    const int nHit = m_nHitTest;
    const BOOL bLeft = nHit == HTLEFT || nHit == HTTOPLEFT || nHit == HTBOTTOMLEFT;
    const BOOL bRight = nHit == HTRIGHT || nHit == HTTOPRIGHT || nHit == HTBOTTOMRIGHT;
    const BOOL bTop = nHit == HTTOP || nHit == HTTOPLEFT || nHit == HTTOPRIGHT;
    const BOOL bBottom = nHit == HTBOTTOM || nHit == HTBOTTOMLEFT || nHit == HTBOTTOMRIGHT;
    CPoint ptKept = pt;
    CSize size;
    if (DYNAMIC_DOWNCAST(SECControlBar, m_pBar) == NULL || IsFixedSECBar(m_pBar))
    {
        int nLength;
        DWORD dwMode = LM_HORZ;
        if (nHit == HTLEFT || nHit == HTRIGHT)
        {
            (nHit == HTLEFT ? rectRequested.left : rectRequested.right) += offset.cx;
            nLength = rectRequested.Width();
        }
        else
        {
            dwMode |= LM_LENGTHY;
            (nHit == HTTOP ? rectRequested.top : rectRequested.bottom) += offset.cy;
            nLength = rectRequested.Height();
        }
        size = m_pBar->CalcDynamicLayout(std::max(nLength, 0), dwMode | LM_COMMIT);
    }
    else
    {
        // Every border works; a size beyond the floating limits keeps the old edges.
        if (bLeft || bRight)
        {
            const CRect rectOld = rectRequested;
            (bLeft ? rectRequested.left : rectRequested.right) += offset.cx;
            const int nWidth = rectRequested.Width();
            if (nWidth < m_nMinFloatWidth || nWidth > m_nMaxFloatWidth)
            {
                rectRequested.left = rectOld.left;
                rectRequested.right = rectOld.right;
                ptKept.x = m_ptLast.x;
            }
            else
                m_pBar->CalcDynamicLayout(nWidth, LM_HORZ | LM_COMMIT);
        }
        if (bTop || bBottom)
        {
            const CRect rectOld = rectRequested;
            (bTop ? rectRequested.top : rectRequested.bottom) += offset.cy;
            const int nHeight = rectRequested.Height();
            if (nHeight < m_nMinFloatHeight || nHeight > m_nMaxFloatHeight)
            {
                rectRequested.top = rectOld.top;
                rectRequested.bottom = rectOld.bottom;
                ptKept.y = m_ptLast.y;
            }
            else
                m_pBar->CalcDynamicLayout(nHeight, LM_HORZ | LM_LENGTHY | LM_COMMIT);
        }
        size = m_pBar->CalcDynamicLayout(-1, LM_HORZ);
    }
    // Rebuilt from the edges that did not move.
    if (bLeft)
    {
        rectActual.left = rectActual.right - size.cx;
        rectFrame.left = rectFrame.right - (size.cx + rectBorders.Width());
    }
    else
    {
        rectActual.right = rectActual.left + size.cx;
        rectFrame.right = rectFrame.left + size.cx + rectBorders.Width();
    }
    if (bTop)
    {
        rectActual.top = rectActual.bottom - size.cy;
        rectFrame.top = rectFrame.bottom - (size.cy + rectBorders.Height());
    }
    else
    {
        rectActual.bottom = rectActual.top + size.cy;
        rectFrame.bottom = rectFrame.top + size.cy + rectBorders.Height();
    }
    m_ptLast = ptKept;
    DrawFocusRect();
}

void SECDockContext::EndResize()
{
    CancelLoop();
    m_pBar->CalcDynamicLayout(m_rectDragVert.Width(), LM_HORZ | LM_COMMIT);
    if (DYNAMIC_DOWNCAST(SECControlBar, m_pBar) != NULL && !IsFixedSECBar(m_pBar))
        m_pBar->CalcDynamicLayout(m_rectDragVert.Height(), LM_HORZ | LM_LENGTHY | LM_COMMIT);
    FloatThroughSite(m_rectFrameDragHorz.TopLeft(),
                     CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC | (m_dwDockStyle & CBRS_FLOAT_MULTI));
}

// ---- the loop

BOOL SECDockContext::Track()
{
    const BOOL bDone = TrackLoop(*this);
    m_bDragging = FALSE; // a cancelled drag too
    return bDone;
}

void SECDockContext::CancelLoop()
{
    DrawFocusRect(TRUE);
    ReleaseLoop();
    SetMessageBarText(AFX_IDS_IDLEMESSAGE);
}

void SECDockContext::SetMessageBarText(UINT nID)
{
    CWnd* pMain = AfxGetMainWnd();
    if (pMain != NULL && pMain->m_hWnd != NULL)
        pMain->SendMessage(WM_SETMESSAGESTRING, nID);
}

// ---- through the frame

void SECDockContext::DockThroughSite(CDockBar* pDockBar, LPCRECT lpRect)
{
    if (SECDockSite* pSite = SECGetDockSite(m_pDockSite))
        pSite->DockControlBar(m_pBar, pDockBar, lpRect);
    else
        m_pDockSite->DockControlBar(m_pBar, pDockBar, lpRect);
}

void SECDockContext::ReDockThroughSite(CDockBar* pDockBar, LPCRECT lpRect)
{
    if (SECDockSite* pSite = SECGetDockSite(m_pDockSite))
        pSite->ReDockControlBar(m_pBar, pDockBar, lpRect);
    else
        m_pDockSite->ReDockControlBar(m_pBar, pDockBar, lpRect);
}

void SECDockContext::FloatThroughSite(CPoint pt, DWORD dwStyle)
{
    if (SECDockSite* pSite = SECGetDockSite(m_pDockSite))
        pSite->FloatControlBar(m_pBar, pt, dwStyle);
    else
        m_pDockSite->FloatControlBar(m_pBar, pt, dwStyle);
}

// ---- toggling

void SECDockContext::DockBack()
{
    CRect rect = m_rectMRUDockPos;
    CControlBar* pNamed = m_uMRUDockID != 0 ? m_pDockSite->GetControlBar(m_uMRUDockID) : NULL;
    CDockBar* pDockBar = pNamed != NULL && pNamed->IsDockBar() ? static_cast<CDockBar*>(pNamed) : NULL;
    if (pDockBar != NULL)
    {
        pDockBar->ClientToScreen(&rect);
        if (m_pBar->m_dwStyle & CBRS_BORDER_TOP)
            rect.right++;
        ReDockThroughSite(pDockBar, &rect);
    }
    else
        ReDockThroughSite(NULL, NULL); // the dock bar it knew is not there: as if none were named
    m_pDockSite->RecalcLayout(TRUE);
}

void SECDockContext::ToggleDocking()
{
    if (m_pDockSite == NULL)
        m_pDockSite = m_pBar->m_pDockSite;
    if (m_pDockSite == NULL)
        return;
    SECControlBar* pSECBar = DYNAMIC_DOWNCAST(SECControlBar, m_pBar);
    if (m_pBar->IsFloating())
    {
        if (!(m_pBar->m_dwDockStyle & CBRS_ALIGN_ANY))
            return;
        if (pSECBar != NULL)
            pSECBar->m_fPctWidth = pSECBar->m_fPctWidthSaved;
        DockBack();
        return;
    }
    if (pSECBar != NULL)
        pSECBar->m_fPctWidthSaved = pSECBar->m_fPctWidth;
    CPoint pt = m_ptMRUFloatPos;
    if (pt.x < 0 || pt.y < 0)
    {
        // Never floated: where it was docked.
        pt = m_rectMRUDockPos.TopLeft();
        m_pBar->GetParent()->ClientToScreen(&pt);
    }
    FloatThroughSite(pt, m_dwMRUFloatStyle);
}

void SECDockContext::ToggleMDIChildFloating()
{
    if (m_pDockSite == NULL)
        m_pDockSite = m_pBar->m_pDockSite;
    SECDockSite* pSite = m_pDockSite != NULL ? SECGetDockSite(m_pDockSite) : NULL;
    if (pSite == NULL)
        return;
    pSite->SetDockingBusy(TRUE);
    SECControlBar* pSECBar = DYNAMIC_DOWNCAST(SECControlBar, m_pBar);
    const BOOL bAsMDIChild = pSECBar != NULL && pSECBar->IsFloatingAsMDIChild();
    if (!bAsMDIChild)
    {
        if (pSECBar != NULL)
            pSECBar->m_fPctWidthSaved = pSECBar->m_fPctWidth;
        m_bWasFloating = m_pBar->IsFloating();
        pSite->FloatControlBarInMDIChild(m_pBar, m_ptMRUFloatPos, m_dwMRUFloatStyle);
    }
    else
    {
        if (pSECBar != NULL)
            pSECBar->m_fPctWidth = pSECBar->m_fPctWidthSaved;
        if (!m_bWasFloating)
        {
            if (m_pBar->m_dwDockStyle & CBRS_ALIGN_ANY)
                DockBack();
        }
        else
            pSite->FloatControlBar(m_pBar, m_ptMRUFloatPos, m_dwMRUFloatStyle);
    }
    pSite->SetDockingBusy(FALSE);
}
