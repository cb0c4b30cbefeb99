#include "grid/controls/ArrowButton.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/SysColorTable.h"
#include <algorithm>

CGXArrowButton::CGXArrowButton(CGXControl* pOwner) : CGXButton(pOwner)
{
}

BOOL CGXArrowButton::LButtonDown(UINT nFlags, CPoint pt)
{
    CGXButton::LButtonDown(nFlags, pt);
    m_dwLastRepeatTick = ::GetTickCount();
    m_dwRepeatDelay = firstDelay;
    if (m_pOwner != NULL)
        m_pOwner->OnClickedButton(this);
    return TRUE;
}

BOOL CGXArrowButton::MouseMove(UINT nFlags, CPoint pt)
{
    CGXButton::MouseMove(nFlags, pt);
    DWORD dwNow = ::GetTickCount();
    if (m_bPressed && m_rect.PtInRect(pt) && dwNow - m_dwLastRepeatTick >= m_dwRepeatDelay)
    {
        if (m_dwRepeatDelay > secondDelay)
            m_dwRepeatDelay = secondDelay;
        else if (m_dwRepeatDelay > shortestDelay)
            m_dwRepeatDelay -= delayStep;
        m_dwLastRepeatTick = dwNow;
        if (m_pOwner != NULL)
            m_pOwner->OnClickedButton(this);
    }
    return TRUE;
}

BOOL CGXArrowButton::LButtonUp(UINT, CPoint)
{
    m_bPressed = FALSE;
    m_bMouseDown = FALSE;
    Refresh();
    return TRUE;
}

namespace
{
struct ArrowRow
{
    int dx, cx;
};
// Rows top down (x offset, width); a triangle of 3 rows takes the first three.
const ArrowRow s_upRows[4] = {{3, 1}, {2, 3}, {1, 5}, {0, 7}};
const ArrowRow s_downRows[4] = {{0, 7}, {1, 5}, {2, 3}, {3, 1}};
} // namespace

void CGXArrowButton::DrawArrow(CDC* pDC, BOOL bActive, BOOL bUp)
{
    if (!bActive)
        return;
    BOOL bPushed = IsDrawnPushed(bActive);
    DrawFrame(pDC, bPushed, GXGetSysColorTable()->GetColor(COLOR_BTNFACE));
    int h = m_rect.Height(), w = m_rect.Width();
    int nRows = h >= 8 ? 4 : h >= 5 ? 3 : 0;
    if (nRows == 0)
        return;
    int nWidest = nRows == 4 ? 7 : 5;
    int x0 = m_rect.left + std::max(0, (w - nWidest) / 2);
    int y0 = m_rect.top + std::max(0, (h - (nRows == 4 ? 5 : 3) + (bUp ? 0 : 1)) / 2);
    if (bPushed)
    {
        x0++;
        y0++;
    }
    for (int i = 0; i < nRows; i++)
    {
        const ArrowRow& row = bUp ? s_upRows[i] : s_downRows[i];
        int y = y0 + i;
        if (y >= m_rect.bottom)
            break;
        GXFillSolidRect(pDC, x0 + row.dx, y, row.cx, 1, RGB(0, 0, 0));
    }
}
