#include "grid/controls/Button.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/SysColorTable.h"
#include "GridIds.h"
#include <stdlib.h>

CGXButton::CGXButton(CGXControl* pOwner) : CGXChild(pOwner)
{
}

void CGXButton::DrawFrame(CDC* pDC, BOOL bPushed, COLORREF crFace)
{
    GXFillSolidRect(pDC, m_rect, crFace);
    GXDrawEdge(pDC, m_rect.left, m_rect.top, m_rect.right, m_rect.bottom, bPushed ? EDGE_SUNKEN : EDGE_RAISED,
               0);
}

void CGXButton::DrawCaption(CDC* pDC, BOOL bActive, BOOL bPushed)
{
    CRect rect(m_rect.left + 1, m_rect.top + 1, m_rect.right - 2, m_rect.bottom - 2);
    if (bPushed)
        rect.OffsetRect(1, 1);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    GXGetDrawingAndFormatting()->DrawFocusText(pDC, rect.left, rect.top, rect.right, rect.bottom,
                                               bActive && HasFocus(), GetText(), DT_WORDBREAK);
    pDC->SetBkMode(nOldMode);
}

void CGXButton::DrawContent(CDC* pDC, BOOL bActive)
{
    BOOL bPushed = IsDrawnPushed(bActive);
    DrawFrame(pDC, bPushed, GXGetSysColorTable()->GetColor(COLOR_BTNFACE));
    DrawCaption(pDC, bActive, bPushed);
}

void CGXButton::Draw(CDC* pDC, BOOL bActive, const CGXStyle& style)
{
    if (!style.HasUserAttribute(GX_IDS_UA_BUTTONFACECOLOR))
    {
        DrawContent(pDC, bActive);
        return;
    }
    // A face colour of its own makes any button kind a captioned plain button.
    BOOL bPushed = IsDrawnPushed(bActive);
    DrawFrame(pDC, bPushed,
              (COLORREF)atol(style.GetUserAttribute(GX_IDS_UA_BUTTONFACECOLOR).GetValueString()));
    BOOL bDisabled = style.GetInclude(CGXStyle::ibEnabled) && !style.GetEnabled();
    COLORREF crOld = bDisabled ? pDC->SetTextColor(GXGetSysColorTable()->GetColor(COLOR_GRAYTEXT)) : 0;
    DrawCaption(pDC, bActive, bPushed);
    if (bDisabled)
        pDC->SetTextColor(crOld);
}

BOOL CGXButton::LButtonDown(UINT, CPoint)
{
    m_bPressed = TRUE;
    m_bMouseDown = TRUE;
    Refresh();
    // An edit window up in the cell would otherwise hide the pushed look until the release.
    if (m_pOwner != NULL && m_pOwner->IsActive() && m_pOwner->GetGridWnd() != NULL)
        m_pOwner->GetGridWnd()->UpdateWindow();
    return TRUE;
}

BOOL CGXButton::MouseMove(UINT, CPoint pt)
{
    BOOL bHit = HitTest(pt);
    if (m_bMouseDown && bHit != m_bPressed)
    {
        m_bPressed = bHit;
        Refresh();
    }
    return TRUE;
}

BOOL CGXButton::LButtonUp(UINT, CPoint pt)
{
    if (m_bPressed && m_rect.PtInRect(pt) && m_pOwner != NULL)
        m_pOwner->OnClickedButton(this);
    m_bPressed = FALSE;
    m_bMouseDown = FALSE;
    Refresh();
    return TRUE;
}

BOOL CGXButton::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar != VK_SPACE)
        return FALSE;
    m_bPressed = TRUE;
    Refresh();
    return TRUE;
}

BOOL CGXButton::OnKeyUp(UINT nChar, UINT, UINT)
{
    if (nChar != VK_SPACE || !m_bPressed)
        return FALSE;
    if (m_pOwner != NULL)
        m_pOwner->OnClickedButton(this);
    m_bPressed = FALSE;
    Refresh();
    return TRUE;
}

BOOL CGXButton::OnCancelMode()
{
    if (!m_bPressed && !m_bMouseDown)
        return FALSE;
    m_bPressed = FALSE;
    m_bMouseDown = FALSE;
    Refresh();
    return TRUE;
}
