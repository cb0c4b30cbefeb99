// SECBtnCaption: the caption buttons of a maximised MDI child on the menu bar.
#include "uilib/bars/BtnCaption.h"
#include "uilib/bars/BtnDrawData.h"
#include "uilib/bars/CustomToolBar.h"
#include <algorithm>

namespace
{
const DWORD kCaptionStyles = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
const UINT kCaptionCommands[] = {SC_MINIMIZE, SC_RESTORE, SC_CLOSE};
const UINT kCaptionGlyphs[] = {DFCS_CAPTIONMIN, DFCS_CAPTIONRESTORE, DFCS_CAPTIONCLOSE};
const UINT kToolFlags[] = {8, 9, 20};
} // namespace

SECBtnCaption::SECBtnCaption()
    : m_dwStyleMask(kCaptionStyles), m_cxPart(::GetSystemMetrics(SM_CXSIZE) - 2),
      m_cyPart(::GetSystemMetrics(SM_CYSIZE) - 4), m_nPressed(partNone), m_bPressedLook(FALSE)
{
    m_nType = BtnRightSide;
}

int SECBtnCaption::HitPart(int x, int y) const
{
    if ((m_dwStyleMask & WS_SYSMENU) == 0)
        return partNone;
    for (int nPart = partMinimize; nPart <= partClose; nPart++)
    {
        const int xPart = m_x + nPart * m_cxPart + (nPart == partClose ? 2 : 0);
        CRect rect(xPart, m_y, xPart + m_cxPart, m_y + m_cyPart);
        if (!rect.PtInRect(CPoint(x, y)))
            continue;
        if (nPart != partClose && (m_dwStyleMask & WS_MINIMIZEBOX) == 0)
            return partNone;
        return nPart;
    }
    return partNone;
}

void SECBtnCaption::AdjustSize()
{
    m_cx = 3 * m_cxPart + 2;
    m_cy = m_cyPart;
    if (m_pToolBar != NULL)
    {
        m_pToolBar->m_cxLargest = std::max(m_pToolBar->m_cxLargest, m_cx);
        m_pToolBar->m_cyLargest = std::max(m_pToolBar->m_cyLargest, m_cy);
    }
}

BOOL SECBtnCaption::OnLButtonDown(CPoint point)
{
    if (m_nStyle & TBBS_DISABLED)
        return TRUE;
    int nPart = HitPart(point.x, point.y);
    if (nPart != partNone)
    {
        m_nPressed = nPart;
        m_bPressedLook = TRUE;
        Invalidate();
    }
    return TRUE;
}

void SECBtnCaption::OnMouseMove(CPoint point)
{
    if (m_nPressed == partNone)
        return;
    BOOL bOver = HitPart(point.x, point.y) == m_nPressed;
    if (bOver != m_bPressedLook)
    {
        m_bPressedLook = bOver;
        Invalidate();
    }
}

UINT SECBtnCaption::OnLButtonUp(CPoint point)
{
    const int nPressed = m_nPressed;
    ClearHot();
    if (nPressed == partNone || HitPart(point.x, point.y) != nPressed || m_pToolBar == NULL)
        return 0;
    CMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, m_pToolBar->GetTopLevelFrame());
    CMDIChildWnd* pChild = pFrame != NULL ? pFrame->MDIGetActive() : NULL;
    if (pChild != NULL)
    {
        CPoint ptScreen = point;
        m_pToolBar->ClientToScreen(&ptScreen);
        pChild->PostMessage(WM_SYSCOMMAND, kCaptionCommands[nPressed], MAKELPARAM(ptScreen.x, ptScreen.y));
    }
    return 0;
}

void SECBtnCaption::ClearHot()
{
    m_nPressed = partNone;
    m_bPressedLook = FALSE;
    Invalidate();
}

void SECBtnCaption::DrawButton(CDC& dc, BOOL, int& x, int& y, int& cx, int& cy, int)
{
    dc.FillSolidRect(x, y, cx, cy, ::GetSysColor(COLOR_BTNFACE));
    if ((m_dwStyleMask & WS_SYSMENU) == 0)
        return;
    for (int nPart = partMinimize; nPart <= partClose; nPart++)
    {
        const int xPart = x + nPart * m_cxPart + (nPart == partClose ? 2 : 0);
        CRect rect(xPart, y, xPart + m_cxPart, y + m_cyPart);
        UINT nState = kCaptionGlyphs[nPart];
        if (nPart != partClose && (m_dwStyleMask & WS_MINIMIZEBOX) == 0)
            nState |= DFCS_INACTIVE;
        if (m_bPressedLook && nPart == m_nPressed)
            nState |= DFCS_PUSHED;
        dc.DrawFrameControl(rect, DFC_CAPTION, nState);
    }
}

void SECBtnCaption::DrawFace(SECBtnDrawData& data)
{
    CDC dc;
    dc.Attach(data.m_hDCDraw);
    int x = 0, y = 0, cx = m_cx, cy = m_cy;
    DrawButton(dc, FALSE, x, y, cx, cy);
    dc.Detach();
}

BOOL SECBtnCaption::GetImageInfo(SECBtnDrawData&)
{
    return FALSE;
}

INT_PTR SECBtnCaption::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    if (pTI != NULL && m_pToolBar != NULL)
    {
        pTI->hwnd = m_pToolBar->GetSafeHwnd();
        pTI->uId = m_nID;
        pTI->rect = GetRect();
        pTI->lpszText = LPSTR_TEXTCALLBACK;
        int nPart = HitPart(point.x, point.y);
        pTI->uFlags = nPart == partNone ? 0 : kToolFlags[nPart];
    }
    return (INT_PTR)m_nID;
}
