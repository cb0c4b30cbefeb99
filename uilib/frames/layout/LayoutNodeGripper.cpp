// SECLayoutNodeGripper: gripper strip and bars.
#include "uilib/frames/layout/LayoutNodeGripper.h"
#include "uilib/common/SystemData.h"

namespace
{
BOOL s_bDefaultFlat = FALSE;

void FillColor(HDC hdc, int x, int y, int cx, int cy, COLORREF clr)
{
    RECT rc = {x, y, x + cx, y + cy};
    COLORREF clrOld = ::SetBkColor(hdc, clr);
    ::ExtTextOut(hdc, 0, 0, ETO_OPAQUE, &rc, NULL, 0, NULL);
    ::SetBkColor(hdc, clrOld);
}
} // namespace

void PASCAL SECLayoutNodeGripper::SetDefaultFlat(BOOL bFlat)
{
    s_bDefaultFlat = bFlat;
}

SECLayoutNodeGripper::SECLayoutNodeGripper()
    : m_nGripperSide(SEC_SIDE_LEFT), m_nGripperSize(18), m_pBars(NULL), m_bFlat(s_bDefaultFlat)
{
    SECLayoutNodeGripper::SetGripperSide(SEC_SIDE_LEFT);
}

SECLayoutNodeGripper::~SECLayoutNodeGripper()
{
    delete[] m_pBars;
}

void SECLayoutNodeGripper::SetGripperSide(int nSide)
{
    m_nGripperSide = nSide;
    m_bFullHeightSides = nSide == SEC_SIDE_LEFT || nSide == SEC_SIDE_RIGHT;
    ApplyBorderSpace();
}

void SECLayoutNodeGripper::SetGripperSize(int nSize)
{
    m_nGripperSize = nSize;
    ApplyBorderSpace();
}

void SECLayoutNodeGripper::SetNodeOrientation(BOOL bOrientation, BOOL bRecursive)
{
    SECLayoutNodeBorderSpace::SetNodeOrientation(bOrientation, bRecursive);
    SetGripperSide(bOrientation ? SEC_SIDE_LEFT : SEC_SIDE_TOP);
}

void SECLayoutNodeGripper::SetBorderWidths(int nLeft, int nTop, int nRight, int nBottom)
{
    int* widths[4] = {&nTop, &nBottom, &nLeft, &nRight};
    if (m_nGripperSide >= 0 && m_nGripperSide < 4)
        *widths[m_nGripperSide] = m_nGripperSize;
    SECLayoutNodeBorderSpace::SetBorderWidths(nLeft, nTop, nRight, nBottom);
    const bool bSideways = m_nGripperSide == SEC_SIDE_LEFT || m_nGripperSide == SEC_SIDE_RIGHT;
    SetMinMaxSize(SIZE{bSideways ? m_nGripperSize : 0, bSideways ? 0 : m_nGripperSize}, SIZE{0, 0},
                  SEC_LN_NOMAX);
}

void SECLayoutNodeGripper::CalcLayout(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL bForce)
{
    SECLayoutNodeBorderSpace::CalcLayout(rcOut, rc, bConstrain, bForce);
    if (m_pBars == NULL)
        m_pBars = NewBarArray();
    const RECT& r = rcOut;
    const int size = m_nGripperSize;
    switch (m_nGripperSide)
    {
    case SEC_SIDE_LEFT:
        m_rcLeft.right = std::min(m_rcLeft.left + size, r.right);
        m_rcTop.left = m_rcBottom.left = m_rcLeft.right;
        break;
    case SEC_SIDE_RIGHT:
        m_rcRight.left = std::max(m_rcRight.right - size, r.left);
        m_rcTop.right = m_rcBottom.right = m_rcRight.left;
        break;
    case SEC_SIDE_TOP:
        m_rcTop.bottom = std::min(m_rcTop.top + size, r.bottom);
        m_rcLeft.top = m_rcRight.top = m_rcTop.bottom;
        break;
    case SEC_SIDE_BOTTOM:
        m_rcBottom.top = std::max(m_rcBottom.bottom - size, r.top);
        m_rcLeft.bottom = m_rcRight.bottom = m_rcBottom.top;
        break;
    default:
        return;
    }
    CalcGripperBars(*m_pStrips[m_nGripperSide], m_nGripperSide, m_pBars);
}

void SECLayoutNodeGripper::DrawBorderPart(HDC hdc, const RECT& rcStrip, RECT& rcLastDrawn, int nSide)
{
    SECLayoutNodeBorderSpace::DrawBorderPart(hdc, rcStrip, rcLastDrawn, nSide);
    if (nSide == m_nGripperSide && m_pBars != NULL)
        DrawGripperBars(hdc, rcStrip, nSide, m_pBars);
}

void SECLayoutNodeGripper::InvalidateBorderRect(const RECT* pRect)
{
    RECT rc = *pRect;
    ::InflateRect(&rc, 15, 15);
    SECLayoutNodeBorderSpace::InvalidateBorderRect(&rc);
}

SECGripperBarMetrics* SECLayoutNodeGripper::NewBarMetrics()
{
    return new SECGripperBarMetrics;
}

RECT* SECLayoutNodeGripper::NewBarArray()
{
    return new RECT[2]();
}

void SECLayoutNodeGripper::CalcGripperBars(const RECT& rcStrip, int nSide, RECT* pBars)
{
    const bool bSideways = nSide == SEC_SIDE_LEFT || nSide == SEC_SIDE_RIGHT;
    const int nWidth = rcStrip.right - rcStrip.left, nHeight = rcStrip.bottom - rcStrip.top;
    const int nLength = bSideways ? nHeight : nWidth, nThickness = bSideways ? nWidth : nHeight;
    SECGripperBarMetrics* pMetrics = NewBarMetrics();
    if (m_bFlat)
        CalcFlatBarMetrics(*pMetrics, nLength, nThickness, nSide);
    else
        CalcRaisedBarMetrics(*pMetrics, nLength, nThickness, nSide);
    if (bSideways)
        PlaceVerticalBars(rcStrip, *pMetrics, pBars);
    else
        PlaceHorizontalBars(rcStrip, *pMetrics, pBars);
    delete pMetrics;
}

// The insets along the bars are the border space at their two ends.
static void SetInsets(SECGripperBarMetrics& m, int nSide, int nLeft, int nTop, int nRight, int nBottom)
{
    const bool bSideways = nSide == SEC_SIDE_LEFT || nSide == SEC_SIDE_RIGHT;
    m.nStartInset = bSideways ? nBottom : nLeft;
    m.nEndInset = bSideways ? nTop : nRight;
}

void SECLayoutNodeGripper::CalcRaisedBarMetrics(SECGripperBarMetrics& m, int, int nThickness, int nSide)
{
    SetInsets(m, nSide, m_nSpaceLeft, m_nSpaceTop, m_nSpaceRight, m_nSpaceBottom);
    m.nBarWidth = 3;
    m.nGap = 1;
    const int t = nThickness - 7;
    m.nFarOffset = std::max(t / 2, 0);
    m.nNearOffset = (t % 2) + m.nFarOffset;
}

void SECLayoutNodeGripper::CalcFlatBarMetrics(SECGripperBarMetrics& m, int, int nThickness, int nSide)
{
    SetInsets(m, nSide, m_nSpaceLeft, m_nSpaceTop, m_nSpaceRight, m_nSpaceBottom);
    m.nNearOffset = 2;
    m.nBarWidth = 3;
    m.nGap = 0;
    m.nFarOffset = nThickness - 5;
}

void SECLayoutNodeGripper::PlaceVerticalBars(const RECT& rcStrip, const SECGripperBarMetrics& m, RECT* pBars)
{
    pBars[0].left = rcStrip.left + m.nNearOffset;
    pBars[0].right = pBars[0].left + m.nBarWidth;
    pBars[0].top = rcStrip.top + m.nEndInset;
    pBars[0].bottom = rcStrip.bottom - m.nStartInset;
    pBars[1] = pBars[0];
    ::OffsetRect(&pBars[1], m.nGap + m.nBarWidth, 0);
}

void SECLayoutNodeGripper::PlaceHorizontalBars(const RECT& rcStrip, const SECGripperBarMetrics& m,
                                               RECT* pBars)
{
    pBars[0].left = rcStrip.left + m.nStartInset;
    pBars[0].right = rcStrip.right - m.nEndInset;
    pBars[0].top = rcStrip.top + m.nNearOffset;
    pBars[0].bottom = pBars[0].top + m.nBarWidth;
    pBars[1] = pBars[0];
    ::OffsetRect(&pBars[1], 0, m.nGap + m.nBarWidth);
}

void PASCAL SECLayoutNodeGripper::DrawRaisedRect(HDC hdc, const RECT& rc)
{
    const SECSystemData& data = SECGetSystemData();
    const int x = rc.left, y = rc.top, cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    FillColor(hdc, x, y, cx - 1, 1, data.m_clrBtnHilite);
    FillColor(hdc, x, y, 1, cy - 1, data.m_clrBtnHilite);
    FillColor(hdc, x + cx - 1, y, 1, cy, data.m_clrBtnShadow);
    FillColor(hdc, x, y + cy - 1, cx, 1, data.m_clrBtnShadow);
}

void SECLayoutNodeGripper::DrawGripperBars(HDC hdc, const RECT&, int, const RECT* pBars)
{
    for (int i = 0; i < (m_bFlat ? 1 : 2); ++i)
        if (pBars[i].right > pBars[i].left && pBars[i].bottom > pBars[i].top)
            DrawRaisedRect(hdc, pBars[i]);
}
