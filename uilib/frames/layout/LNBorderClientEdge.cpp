// SECLNBorderClientEdge: etched edges.
#include "uilib/frames/layout/LNBorderClientEdge.h"
#include "uilib/common/SystemData.h"

SECLNBorderClientEdge::SECLNBorderClientEdge()
    : m_bEdgeLeft(FALSE), m_bEdgeTop(FALSE), m_bEdgeRight(FALSE), m_bEdgeBottom(FALSE), m_nOuterGap(0),
      m_nLineWidth(2), m_nInnerGap(0)
{
    m_hPenHilite = ::CreatePen(PS_SOLID, 1, SECGetSystemData().m_clrBtnHilite);
    m_hPenShadow = ::CreatePen(PS_SOLID, 1, SECGetSystemData().m_clrBtnShadow);
    SECLNBorderClientEdge::ApplyBorderSpace();
}

SECLNBorderClientEdge::~SECLNBorderClientEdge()
{
    ::DeleteObject(m_hPenHilite);
    ::DeleteObject(m_hPenShadow);
}

void SECLNBorderClientEdge::SetEdges(BOOL bLeft, BOOL bTop, BOOL bRight, BOOL bBottom)
{
    m_bEdgeLeft = bLeft;
    m_bEdgeTop = bTop;
    m_bEdgeRight = bRight;
    m_bEdgeBottom = bBottom;
    ApplyBorderSpace();
}

void SECLNBorderClientEdge::SetBorderWidths(int, int, int, int)
{
    const int w = m_nOuterGap + m_nLineWidth + m_nInnerGap;
    // The edge is its whole margin: strips as wide as the borders, so the lines of neighbouring
    // sides meet at the corners instead of leaving them unpainted.
    m_nSpaceLeft = m_bEdgeLeft ? w : 0;
    m_nSpaceTop = m_bEdgeTop ? w : 0;
    m_nSpaceRight = m_bEdgeRight ? w : 0;
    m_nSpaceBottom = m_bEdgeBottom ? w : 0;
    // A hidden edge (an empty dock area) takes no room.
    if (m_bBorderShown)
        SetBorders(m_nSpaceLeft, m_nSpaceTop, m_nSpaceRight, m_nSpaceBottom);
    else
        SetBorders(0, 0, 0, 0);
}

void SECLNBorderClientEdge::CalcLayout(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL bForce)
{
    m_bFullHeightSides = FALSE;
    SECLayoutNodeBorderSpace::CalcLayout(rcOut, rc, bConstrain, bForce);
}

void SECLNBorderClientEdge::InvalidateBorderRect(const RECT* pRect)
{
    RECT rc = *pRect;
    ::InflateRect(&rc, 3, 3);
    SECLayoutNodeBorderSpace::InvalidateBorderRect(&rc);
}

BOOL SECLNBorderClientEdge::GetEdgeOrientation(int nSide, BOOL& bHorizontal)
{
    switch (nSide)
    {
    case SEC_SIDE_TOP:
        bHorizontal = TRUE;
        return m_bEdgeTop;
    case SEC_SIDE_BOTTOM:
        bHorizontal = TRUE;
        return m_bEdgeBottom;
    case SEC_SIDE_LEFT:
        bHorizontal = FALSE;
        return m_bEdgeLeft;
    case SEC_SIDE_RIGHT:
        bHorizontal = FALSE;
        return m_bEdgeRight;
    default:
        return FALSE;
    }
}

RECT SECLNBorderClientEdge::EdgeSubRect(const RECT& rcStrip, int nFrom, int nTo, int nSide)
{
    RECT s = rcStrip;
    if (s.right < s.left)
        s.right = s.left;
    if (s.bottom < s.top)
        s.bottom = s.top;
    RECT r = s;
    switch (nSide)
    {
    case SEC_SIDE_LEFT:
        r.left = s.left + nFrom;
        r.right = s.left + nTo;
        break;
    case SEC_SIDE_TOP:
        r.top = s.top + nFrom;
        r.bottom = s.top + nTo;
        break;
    case SEC_SIDE_RIGHT:
        r.left = s.right - nTo;
        r.right = s.right - nFrom;
        break;
    default:
        r.top = s.bottom - nTo;
        r.bottom = s.bottom - nFrom;
        break;
    }
    r.left = std::min(std::max(r.left, s.left), s.right);
    r.right = std::min(std::max(r.right, s.left), s.right);
    r.top = std::min(std::max(r.top, s.top), s.bottom);
    r.bottom = std::min(std::max(r.bottom, s.top), s.bottom);
    return r;
}

void SECLNBorderClientEdge::DrawEdgeLines(HDC hdc, const RECT& rcBand, BOOL bHorizontal, int, HPEN hPen1,
                                          HPEN hPen2)
{
    HGDIOBJ hOld = ::SelectObject(hdc, hPen1);
    if (bHorizontal)
    {
        ::MoveToEx(hdc, rcBand.left, rcBand.top, NULL);
        ::LineTo(hdc, rcBand.right, rcBand.top);
        ::SelectObject(hdc, hPen2);
        ::MoveToEx(hdc, rcBand.left, rcBand.top + 1, NULL);
        ::LineTo(hdc, rcBand.right, rcBand.top + 1);
    }
    else
    {
        ::MoveToEx(hdc, rcBand.left, rcBand.top, NULL);
        ::LineTo(hdc, rcBand.left, rcBand.bottom);
        ::SelectObject(hdc, hPen2);
        ::MoveToEx(hdc, rcBand.left + 1, rcBand.top, NULL);
        ::LineTo(hdc, rcBand.left + 1, rcBand.bottom);
    }
    ::SelectObject(hdc, hOld);
}

void SECLNBorderClientEdge::FillEdgeGap(HDC hdc, const RECT& rc)
{
    if (::IsRectEmpty(&rc))
        return;
    COLORREF clrOld = ::SetBkColor(hdc, ::GetSysColor(COLOR_BTNFACE));
    ::ExtTextOut(hdc, 0, 0, ETO_OPAQUE, &rc, NULL, 0, NULL);
    ::SetBkColor(hdc, clrOld);
}

void SECLNBorderClientEdge::DrawBorderPart(HDC hdc, const RECT& rcStrip, RECT& rcLastDrawn, int nSide)
{
    BOOL bHorizontal = FALSE;
    if (!GetEdgeOrientation(nSide, bHorizontal))
        return;
    const int nLineStart = m_nOuterGap, nLineEnd = m_nOuterGap + m_nLineWidth;
    FillEdgeGap(hdc, EdgeSubRect(rcStrip, 0, nLineStart, nSide));
    DrawEdgeLines(hdc, EdgeSubRect(rcStrip, nLineStart, nLineEnd, nSide), bHorizontal, nSide, m_hPenShadow,
                  m_hPenHilite);
    FillEdgeGap(hdc, EdgeSubRect(rcStrip, nLineEnd, nLineEnd + m_nInnerGap, nSide));
    InvalidateUncovered(rcStrip, rcLastDrawn);
}
