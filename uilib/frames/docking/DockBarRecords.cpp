// Splitter and client-edge strips of the dock bars, drawn in the shared system colours.
#include "uilib/frames/docking/DockBarRecords.h"
#include "uilib/common/SystemData.h"

namespace
{
void FillLine(CDC* pDC, int x, int y, int cx, int cy, COLORREF clr)
{
    pDC->FillSolidRect(x, y, cx, cy, clr);
}
} // namespace

SECDockBarSplitter::SECDockBarSplitter(int nOrientation, int nKind, const CRect& rect, int nIndex)
    : m_nOrientation(nOrientation), m_nKind(nKind), m_rect(rect), m_nIndex(nIndex), m_bInUse(TRUE),
      m_nTrackMin(0), m_nTrackMax(0), m_rectLastFeedback(0, 0, 0, 0), m_sizeLastFeedback(0, 0),
      m_bErasing(FALSE), m_bFinal(FALSE)
{
}

void SECDockBarSplitter::Draw(CDC* pDC) const
{
    const SECSystemData& data = SECGetSystemData();
    const CRect& r = m_rect;
    if (m_nOrientation == 1)
    {
        FillLine(pDC, r.left + 1, r.top, r.Width() - 3, r.Height(), data.m_clrBtnFace);
        FillLine(pDC, r.left, r.top, 1, r.Height(), data.m_clrBtnHilite);
        FillLine(pDC, r.right - 2, r.top, 1, r.Height(), data.m_clrBtnShadow);
        FillLine(pDC, r.right - 1, r.top, 1, r.Height(), data.m_clrWindowFrame);
    }
    else
    {
        FillLine(pDC, r.left, r.top + 1, r.Width(), r.Height() - 3, data.m_clrBtnFace);
        FillLine(pDC, r.left, r.top, r.Width(), 1, data.m_clrBtnHilite);
        FillLine(pDC, r.left, r.bottom - 2, r.Width(), 1, data.m_clrBtnShadow);
        FillLine(pDC, r.left, r.bottom - 1, r.Width(), 1, data.m_clrWindowFrame);
    }
}

SECDockBarClientEdge::SECDockBarClientEdge(int nOrientation, const CRect& rect)
    : m_nOrientation(nOrientation), m_rect(rect), m_bInUse(TRUE)
{
}

void SECDockBarClientEdge::Draw(CDC* pDC) const
{
    const SECSystemData& data = SECGetSystemData();
    const CRect& r = m_rect;
    if (m_nOrientation == 1)
    {
        FillLine(pDC, r.left, r.top, 1, r.Height(), data.m_clrBtnShadow);
        FillLine(pDC, r.left + 1, r.top, 1, r.Height(), data.m_clrBtnHilite);
    }
    else
    {
        FillLine(pDC, r.left, r.top, r.Width(), 1, data.m_clrBtnShadow);
        FillLine(pDC, r.left, r.top + 1, r.Width(), 1, data.m_clrBtnHilite);
    }
}
