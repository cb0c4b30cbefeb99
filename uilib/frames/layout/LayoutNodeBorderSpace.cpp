// SECLayoutNodeBorderSpace: the margin around a wrapped node.
#include "uilib/frames/layout/LayoutNodeBorderSpace.h"
#include "uilib/common/SystemData.h"

SECLayoutNodeBorderSpace::SECLayoutNodeBorderSpace()
    : m_bFullHeightSides(TRUE), m_bBorderShown(TRUE), m_nSpaceLeft(6), m_nSpaceTop(3), m_nSpaceRight(6),
      m_nSpaceBottom(3), m_rcLeft{}, m_rcTop{}, m_rcBottom{}, m_rcRight{}, m_rcLastLeft{}, m_rcLastRight{},
      m_rcLastTop{}, m_rcLastBottom{}, m_pStrips{&m_rcTop, &m_rcBottom, &m_rcLeft, &m_rcRight}
{
    SECLayoutNodeBorderSpace::ApplyBorderSpace();
}

void SECLayoutNodeBorderSpace::SetBorderSpace(int nLeft, int nTop, int nRight, int nBottom)
{
    m_nSpaceLeft = nLeft;
    m_nSpaceTop = nTop;
    m_nSpaceRight = nRight;
    m_nSpaceBottom = nBottom;
    ApplyBorderSpace();
}

void SECLayoutNodeBorderSpace::SetBorderWidths(int nLeft, int nTop, int nRight, int nBottom)
{
    if (m_bBorderShown)
        SetBorders(nLeft, nTop, nRight, nBottom);
    else
        SetBorders(0, 0, 0, 0);
}

void SECLayoutNodeBorderSpace::ApplyBorderSpace()
{
    SetBorderWidths(m_nSpaceLeft, m_nSpaceTop, m_nSpaceRight, m_nSpaceBottom);
}

void SECLayoutNodeBorderSpace::DrawBorderPart(HDC hdc, const RECT& rcStrip, RECT& rcLastDrawn, int)
{
    if (rcStrip.right > rcStrip.left && rcStrip.bottom > rcStrip.top)
    {
        COLORREF clrOld = ::SetBkColor(hdc, SECGetSystemData().m_clrBtnFace);
        ::ExtTextOut(hdc, 0, 0, ETO_OPAQUE, &rcStrip, NULL, 0, NULL);
        ::SetBkColor(hdc, clrOld);
    }
    InvalidateUncovered(rcStrip, rcLastDrawn);
}

void SECLayoutNodeBorderSpace::InvalidateUncovered(const RECT& rcNow, RECT& rcLast)
{
    const RECT& o = rcLast;
    const RECT& n = rcNow;
    RECT parts[4] = {};
    if (n.top > o.top)
        parts[0] = RECT{o.left, o.top, o.right, n.top};
    if (n.bottom < o.bottom)
        parts[1] = RECT{o.left, n.bottom, o.right, o.bottom};
    if (n.left > o.left)
        parts[2] = RECT{o.left, std::max(o.top, n.top), n.left, std::min(o.bottom, n.bottom)};
    if (n.right < o.right)
        parts[3] = RECT{n.right, std::max(o.top, n.top), o.right, std::min(o.bottom, n.bottom)};
    // An empty part covers nothing: grown by a node's margin it would invalidate a corner of
    // the host that has nothing to do with the strip.
    for (const RECT& part : parts)
        if (!::IsRectEmpty(&part))
            InvalidateBorderRect(&part);
    rcLast = rcNow;
}

void SECLayoutNodeBorderSpace::InvalidateBorderRect(const RECT* pRect)
{
    if (m_hWndHost != NULL)
        ::InvalidateRect(m_hWndHost, pRect, TRUE);
}

void SECLayoutNodeBorderSpace::SplitBorderStrips(const RECT& r, BOOL bFullHeightSides, RECT& rcLeft,
                                                 RECT& rcRight, RECT& rcTop, RECT& rcBottom)
{
    const int lw = m_nSpaceLeft, tw = m_nSpaceTop, rw = m_nSpaceRight, bw = m_nSpaceBottom;
    if (bFullHeightSides)
    {
        rcLeft = RECT{r.left, r.top, std::min(r.left + lw, r.right), r.bottom};
        rcRight = RECT{std::max(r.right - rw, r.left), r.top, r.right, r.bottom};
        rcTop = RECT{rcLeft.right, r.top, rcRight.left, std::min(r.top + tw, r.bottom)};
        rcBottom = RECT{rcLeft.right, std::max(r.bottom - bw, r.top), rcRight.left, r.bottom};
    }
    else
    {
        rcTop = RECT{r.left, r.top, r.right, std::min(r.top + tw, r.bottom)};
        rcBottom = RECT{r.left, std::max(r.bottom - bw, r.top), r.right, r.bottom};
        rcLeft = RECT{r.left, rcTop.bottom, std::min(r.left + lw, r.right), rcBottom.top};
        rcRight = RECT{std::max(r.right - rw, r.left), rcTop.bottom, r.right, rcBottom.top};
    }
}

void SECLayoutNodeBorderSpace::ShowBorder(BOOL bShow, BOOL bRealize)
{
    bShow = bShow ? TRUE : FALSE;
    if (bShow == m_bBorderShown)
        return;
    m_bBorderShown = bShow;
    ApplyBorderSpace();
    RECT rc, rcOut;
    GetAppliedRect(rc);
    RecalcNode(rcOut, rc, FALSE, TRUE);
    if (bRealize)
        RealizeNode(NULL);
}

void SECLayoutNodeBorderSpace::OnDraw(HDC hdc, const RECT&)
{
    if (!m_bBorderShown)
        return;
    DrawBorderPart(hdc, m_rcLeft, m_rcLastLeft, SEC_SIDE_LEFT);
    DrawBorderPart(hdc, m_rcRight, m_rcLastRight, SEC_SIDE_RIGHT);
    DrawBorderPart(hdc, m_rcTop, m_rcLastTop, SEC_SIDE_TOP);
    DrawBorderPart(hdc, m_rcBottom, m_rcLastBottom, SEC_SIDE_BOTTOM);
}

void SECLayoutNodeBorderSpace::CalcLayout(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL bForce)
{
    SECLNBorder_T<SECLayoutNodeDCBase>::CalcLayout(rcOut, rc, bConstrain, bForce);
    SplitBorderStrips(rcOut, m_bFullHeightSides, m_rcLeft, m_rcRight, m_rcTop, m_rcBottom);
}
