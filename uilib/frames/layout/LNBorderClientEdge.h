// SECLNBorderClientEdge: a border space that draws an etched line on chosen edges, the edge
// between docked windows and the client area. Owns its two pens.
#pragma once
#include "uilib/frames/layout/LayoutNodeBorderSpace.h"
#include "uilib/frames/layout/NegotiableChildNode.h"

class SECLNBorderClientEdge : public SECLayoutNodeBorderSpace, public SECParentOfNegotiableChildNode
{
  public:
    // Construction
    SECLNBorderClientEdge();
    ~SECLNBorderClientEdge() override;

    // Overridables
    void SetBorderWidths(int nLeft, int nTop, int nRight, int nBottom) override;
    void CalcLayout(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL bForce) override;
    void InvalidateBorderRect(const RECT* pRect) override;
    void DrawBorderPart(HDC hdc, const RECT& rcStrip, RECT& rcLastDrawn, int nSide) override;
    virtual void SetEdges(BOOL bLeft, BOOL bTop, BOOL bRight, BOOL bBottom);
    void GetEdges(BOOL& bLeft, BOOL& bTop, BOOL& bRight, BOOL& bBottom) const
    {
        bLeft = m_bEdgeLeft;
        bTop = m_bEdgeTop;
        bRight = m_bEdgeRight;
        bBottom = m_bEdgeBottom;
    }
    virtual BOOL GetEdgeOrientation(int nSide, BOOL& bHorizontal);
    virtual RECT EdgeSubRect(const RECT& rcStrip, int nFrom, int nTo, int nSide);
    virtual void DrawEdgeLines(HDC hdc, const RECT& rcBand, BOOL bHorizontal, int nSide, HPEN hPen1,
                               HPEN hPen2);
    virtual void FillEdgeGap(HDC hdc, const RECT& rc);

  protected:
    BOOL m_bEdgeLeft;
    BOOL m_bEdgeTop;
    BOOL m_bEdgeRight;
    BOOL m_bEdgeBottom;
    int m_nOuterGap;
    int m_nLineWidth;
    int m_nInnerGap;
    HPEN m_hPenHilite;
    HPEN m_hPenShadow;
};
