// SECControlBar: borders, the gripper strip with its close and expand buttons, the buttons' mouse
// handling and tool tips. The buttons are laid out while the gripper is painted; a bar that shows
// no gripper has empty button rectangles.
#include "uilib/bars/ControlBar.h"
#include "BarsIds.h"
#include "mfc/MiniDockFrameWnd.h"
#include "uilib/frames/docking/DockBar.h"
#include "uilib/common/SystemData.h"
#include <algorithm>

namespace
{
// The buttons reach this far into the lead and tail of the strip, and keep this gap to the lines.
const int kButtonOverhang = 2;
const int kButtonGap = 2;
// Hit codes of the gripper buttons' tool tips.
const INT_PTR kCloseToolHit = 0x400;
const INT_PTR kExpandToolHit = 0x800;
} // namespace

BOOL SECControlBar::HasGripper() const
{
    return (m_dwExStyle & (BAR_EX_FLAT | BAR_EX_GRIPPER)) == (BAR_EX_FLAT | BAR_EX_GRIPPER) &&
           !(m_dwStyle & CBRS_FLOATING);
}

BOOL SECControlBar::FloatsInMiniDockFrame() const
{
    CFrameWnd* pFrame = GetParentFrame();
    return pFrame != NULL && pFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd));
}

// ---- sizes

void SECControlBar::CalcInsideRect(CRect& rect, BOOL bHorz, BOOL bWithGripper) const
{
    if (!(m_dwExStyle & BAR_EX_FLAT))
    {
        CControlBar::CalcInsideRect(rect, bHorz);
        return;
    }
    // A flat bar's border is one pixel per bordered side.
    if (m_dwStyle & CBRS_BORDER_LEFT)
        rect.left++;
    if (m_dwStyle & CBRS_BORDER_TOP)
        rect.top++;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        rect.right--;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom--;
    const BOOL bGripper = HasGripper();
    if (bHorz)
    {
        rect.left += bGripper ? m_GripperInfo.GetWidth() : m_cxLeftBorder;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
    }
    else
    {
        rect.left += m_cyTopBorder;
        rect.top += bGripper && bWithGripper ? m_GripperInfo.GetHeight() : m_cxLeftBorder;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
    }
}

void SECControlBar::AddGripperSize(CRect& rect, BOOL bHorz) const
{
    if (bHorz)
        rect.left += m_GripperInfo.GetWidth();
    else
        rect.top += m_GripperInfo.GetHeight();
}

// ---- painting

void SECControlBar::DoPaint(CDC* pDC)
{
    // The gripper lays its buttons out again; without one there are none to hit.
    m_rectCloseBtn.SetRectEmpty();
    m_rectExpandBtn.SetRectEmpty();
    CRect rect;
    GetClientRect(&rect);
    DrawBorders(pDC, rect);
    if (m_hWndRepaintAfterPaint != NULL && ::IsWindow(m_hWndRepaintAfterPaint))
        ::RedrawWindow(m_hWndRepaintAfterPaint, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void SECControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    if (!(m_dwExStyle & BAR_EX_FLAT))
    {
        const SECSystemData& sys = SECGetSystemData();
        COLORREF clrFace = sys.m_clrBtnFace;
        if (m_dwExStyle & BAR_EX_DARK_BORDERS)
            clrFace = sys.m_bNewShell ? sys.m_clrBtnShadow : sys.m_clrWindowFrame;
        DrawBorderLines(pDC, rect, clrFace);
        return;
    }
    if (m_dwStyle & CBRS_BORDER_LEFT)
        rect.left++;
    if (m_dwStyle & CBRS_BORDER_TOP)
        rect.top++;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        rect.right--;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom--;
    if (m_dwExStyle & BAR_EX_GRIPPER)
        DrawGripper(pDC, rect);
}

void SECControlBar::DrawGripper(CDC* pDC, const CRect& rect)
{
    if (m_dwStyle & CBRS_FLOATING)
        return; // the floating frame's caption moves the bar
    const SECGripperInfo& g = m_GripperInfo;
    const SECSystemData& sys = SECGetSystemData();
    CRect strip(rect);
    strip.DeflateRect(1, 1);
    const BOOL bGripperLeft = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    if (bGripperLeft)
    {
        strip.right = strip.left + g.GetWidth();
        strip.DeflateRect(0, g.m_nInset);
    }
    else
    {
        strip.bottom = strip.top + g.GetHeight();
        strip.DeflateRect(g.m_nInset, 0);
    }
    if (m_dwExStyle & BAR_EX_CLOSE_BUTTON)
    {
        LayoutCloseButton(strip, bGripperLeft);
        if (m_bClosePressed)
            DrawCloseButtonPressed(pDC);
        else
            DrawCloseButton(pDC);
    }
    if (m_dwExStyle & BAR_EX_EXPAND_BUTTON)
    {
        LayoutExpandButton(strip, bGripperLeft);
        UpdateExpandState(bGripperLeft);
        if (m_bExpandPressed)
            DrawExpandButtonPressed(pDC);
        else
            DrawExpandButton(pDC);
    }
    if (bGripperLeft)
    {
        const int x1 = strip.left + g.m_cxLead;
        const int x2 = x1 + g.m_cxLine1 + g.m_cxGap;
        pDC->Draw3dRect(x1, strip.top, g.m_cxLine1, strip.Height(), sys.m_clrBtnHilite, sys.m_clrBtnShadow);
        if (g.m_cxLine2 > 0)
            pDC->Draw3dRect(x2, strip.top, g.m_cxLine2, strip.Height(), sys.m_clrBtnHilite,
                            sys.m_clrBtnShadow);
    }
    else
    {
        const int y1 = strip.top + g.m_cyLead;
        const int y2 = y1 + g.m_cyLine1 + g.m_cyGap;
        pDC->Draw3dRect(strip.left, y1, strip.Width(), g.m_cyLine1, sys.m_clrBtnHilite, sys.m_clrBtnShadow);
        if (g.m_cyLine2 > 0)
            pDC->Draw3dRect(strip.left, y2, strip.Width(), g.m_cyLine2, sys.m_clrBtnHilite,
                            sys.m_clrBtnShadow);
    }
}

// Close and expand buttons share one layout: a square at the start of the strip (its top for a
// gripper on the left, its right end for one along the top); the strip loses what they take.
static CRect LayoutGripperButton(CRect& strip, BOOL bGripperLeft, const SECGripperInfo& g)
{
    CRect rect;
    if (bGripperLeft)
    {
        rect.left = std::max<LONG>(0, strip.left + g.m_cxLead - kButtonOverhang);
        rect.right = std::min<LONG>(strip.right, strip.right - g.m_cxTail + kButtonOverhang);
        rect.top = strip.top;
        rect.bottom = rect.top + rect.Width();
        strip.top = rect.bottom + kButtonGap;
    }
    else
    {
        rect.top = std::max<LONG>(0, strip.top + g.m_cyLead - kButtonOverhang);
        rect.bottom = std::min<LONG>(strip.bottom, strip.bottom - g.m_cyTail + kButtonOverhang);
        rect.right = strip.right;
        rect.left = rect.right - rect.Height();
        strip.right = rect.left - kButtonGap;
    }
    return rect;
}

void SECControlBar::LayoutCloseButton(CRect& rectStrip, BOOL bGripperLeft)
{
    m_rectCloseBtn = LayoutGripperButton(rectStrip, bGripperLeft, m_GripperInfo);
}

void SECControlBar::LayoutExpandButton(CRect& rectStrip, BOOL bGripperLeft)
{
    m_rectExpandBtn = LayoutGripperButton(rectStrip, bGripperLeft, m_GripperInfo);
}

void SECControlBar::DrawCloseButtonPressed(CDC* pDC)
{
    CRect rect(m_rectCloseBtn);
    pDC->DrawFrameControl(&rect, DFC_CAPTION, DFCS_CAPTIONCLOSE | DFCS_PUSHED);
}

void SECControlBar::DrawCloseButton(CDC* pDC)
{
    CRect rect(m_rectCloseBtn);
    pDC->DrawFrameControl(&rect, DFC_CAPTION, DFCS_CAPTIONCLOSE);
}

static UINT ExpandButtonState(BOOL bGripperLeft, BOOL bExpanded, BOOL bEnabled)
{
    UINT nState = bGripperLeft ? (bExpanded ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT)
                               : (bExpanded ? DFCS_SCROLLUP : DFCS_SCROLLDOWN);
    if (!bEnabled)
        nState |= DFCS_INACTIVE;
    return nState;
}

void SECControlBar::DrawExpandButtonPressed(CDC* pDC)
{
    CRect rect(m_rectExpandBtn.left - 1, m_rectExpandBtn.top - 1, m_rectExpandBtn.right,
               m_rectExpandBtn.bottom);
    pDC->DrawFrameControl(&rect, DFC_SCROLL,
                          ExpandButtonState(m_bLastExpandGripperLeft, !m_bNotExpanded, m_bExpandEnabled) |
                              DFCS_PUSHED);
}

void SECControlBar::DrawExpandButton(CDC* pDC)
{
    CRect rect(m_rectExpandBtn.left - 1, m_rectExpandBtn.top - 1, m_rectExpandBtn.right,
               m_rectExpandBtn.bottom);
    pDC->DrawFrameControl(&rect, DFC_SCROLL,
                          ExpandButtonState(m_bLastExpandGripperLeft, !m_bNotExpanded, m_bExpandEnabled));
}

void SECControlBar::UpdateExpandState(BOOL bGripperLeft)
{
    m_bLastExpandGripperLeft = bGripperLeft;
    SECDockBar* pDockBar = (m_pDockBar != NULL && m_pDockBar->IsKindOf(RUNTIME_CLASS(SECDockBar)))
                               ? static_cast<SECDockBar*>(m_pDockBar)
                               : NULL;
    if (pDockBar == NULL)
    {
        m_bExpandEnabled = FALSE;
        m_bNotExpanded = TRUE;
        return;
    }
    m_bExpandEnabled = !pDockBar->IsAloneInRow(this);
    m_bNotExpanded = !pDockBar->IsOnlySizableBarInRow(this);
}

void SECControlBar::RedrawGripperButtons()
{
    CClientDC dc(this);
    if (!m_rectCloseBtn.IsRectEmpty())
    {
        if (m_bClosePressed)
            DrawCloseButtonPressed(&dc);
        else
            DrawCloseButton(&dc);
    }
    if (!m_rectExpandBtn.IsRectEmpty())
    {
        if (m_bExpandPressed)
            DrawExpandButtonPressed(&dc);
        else
            DrawExpandButton(&dc);
    }
}

// ---- mouse on the gripper buttons

BOOL SECControlBar::CanPressClose()
{
    return TRUE;
}

BOOL SECControlBar::CanPressExpand()
{
    return TRUE;
}

void SECControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!(m_dwStyle & CBRS_FLOATING))
    {
        if (m_rectCloseBtn.PtInRect(point))
        {
            if (!m_bClosePressed && CanPressClose())
            {
                m_bClosePressed = TRUE;
                CClientDC dc(this);
                DrawCloseButtonPressed(&dc);
                SetCapture();
            }
            return;
        }
        if (m_bExpandEnabled && m_rectExpandBtn.PtInRect(point))
        {
            if (!m_bExpandPressed && CanPressExpand())
            {
                m_bExpandPressed = TRUE;
                CClientDC dc(this);
                DrawExpandButtonPressed(&dc);
                SetCapture();
            }
            return;
        }
    }
    if (m_bClosePressed || m_bExpandPressed)
    {
        m_bClosePressed = m_bExpandPressed = FALSE;
        RedrawGripperButtons();
    }
    if ((m_dwStyle & CBRS_FLOATING) && !FloatsInMiniDockFrame())
        Default();
    else
        CControlBar::OnLButtonDown(nFlags, point);
}

void SECControlBar::OnLButtonUp(UINT, CPoint point)
{
    if (GetCapture() == this)
        ReleaseCapture();
    if (m_bClosePressed && m_rectCloseBtn.PtInRect(point))
    {
        m_bClosePressed = FALSE;
        RedrawGripperButtons();
        SendMessage(WM_COMMAND, ID_SEC_HIDE_BAR);
        return;
    }
    if (m_bExpandPressed && m_bExpandEnabled && m_rectExpandBtn.PtInRect(point))
    {
        m_bExpandPressed = FALSE;
        RedrawGripperButtons();
        if (m_pDockBar != NULL && m_pDockBar->IsKindOf(RUNTIME_CLASS(SECDockBar)))
            static_cast<SECDockBar*>(m_pDockBar)->ExpandBarInRow(this, m_bNotExpanded ? 1 : 2);
        return;
    }
    if (m_bClosePressed || m_bExpandPressed)
    {
        m_bClosePressed = m_bExpandPressed = FALSE;
        RedrawGripperButtons();
    }
    Default();
}

void SECControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_rectCloseBtn.PtInRect(point) || m_rectExpandBtn.PtInRect(point))
        return;
    if ((m_dwStyle & CBRS_FLOATING) && !FloatsInMiniDockFrame())
        Default();
    else
        CControlBar::OnLButtonDblClk(nFlags, point);
}

INT_PTR SECControlBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    INT_PTR nHit = CControlBar::OnToolHitTest(point, pTI);
    if (nHit != -1 || !(m_dwStyle & CBRS_TOOLTIPS) || (m_dwStyle & CBRS_FLOATING))
        return nHit;
    const CString* pTip;
    CRect rect;
    if (m_rectCloseBtn.PtInRect(point))
    {
        nHit = kCloseToolHit;
        pTip = &m_GripperInfo.m_strCloseTip;
        rect = m_rectCloseBtn;
    }
    else if (m_rectExpandBtn.PtInRect(point))
    {
        nHit = kExpandToolHit;
        pTip = m_bNotExpanded ? &m_GripperInfo.m_strExpandTip : &m_GripperInfo.m_strContractTip;
        rect = m_rectExpandBtn;
    }
    else
        return -1;
    if (pTI != NULL)
    {
        // A copy: the caller frees the text.
        pTI->hwnd = m_hWnd;
        pTI->uId = (UINT_PTR)nHit;
        pTI->rect = rect;
        pTI->lpszText = _tcsdup(*pTip);
    }
    return nHit;
}
