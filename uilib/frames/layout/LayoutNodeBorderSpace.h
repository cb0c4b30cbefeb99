// SECLayoutNodeBorderSpace: a self-drawing bordered node that leaves a face-coloured margin
// around its wrapped node; base of the client edge and the grippers. It repaints what its strips
// no longer cover when they move.
#pragma once
#include "uilib/frames/layout/LNBorder.h"
#include "uilib/frames/layout/LayoutNodeDC.h"

// Side codes of border strips and grippers.
enum
{
    SEC_SIDE_TOP = 0,
    SEC_SIDE_BOTTOM = 1,
    SEC_SIDE_LEFT = 2,
    SEC_SIDE_RIGHT = 3
};

// A node that shows or hides its border; asked through SECNodeInterface.
class ISECBorderWrapper
{
  public:
    virtual ~ISECBorderWrapper()
    {
    }
    virtual void ShowBorder(BOOL bShow, BOOL bRealize) = 0;
    virtual BOOL IsBorderShown() const = 0;
};

class SECLayoutNodeBorderSpace : public SECLNBorder_T<SECLayoutNodeDCBase>, public ISECBorderWrapper
{
  public:
    // Construction
    SECLayoutNodeBorderSpace();

    // Overridables
    void CalcLayout(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL bForce) override;
    void OnDraw(HDC hdc, const RECT& rect) override;
    void ShowBorder(BOOL bShow, BOOL bRealize) override;
    BOOL IsBorderShown() const override
    {
        return m_bBorderShown;
    }
    virtual void SetBorderWidths(int nLeft, int nTop, int nRight, int nBottom);
    virtual void ApplyBorderSpace();
    virtual void DrawBorderPart(HDC hdc, const RECT& rcStrip, RECT& rcLastDrawn, int nSide);
    virtual void InvalidateUncovered(const RECT& rcNow, RECT& rcLast);
    virtual void InvalidateBorderRect(const RECT* pRect);
    virtual void SplitBorderStrips(const RECT& rc, BOOL bFullHeightSides, RECT& rcLeft, RECT& rcRight,
                                   RECT& rcTop, RECT& rcBottom);

    // Attributes
    void SetBorderSpace(int nLeft, int nTop, int nRight, int nBottom);
    const RECT& GetStrip(int nSide) const
    {
        return *m_pStrips[nSide];
    }

  protected:
    BOOL m_bFullHeightSides;
    BOOL m_bBorderShown;
    int m_nSpaceLeft;
    int m_nSpaceTop;
    int m_nSpaceRight;
    int m_nSpaceBottom;
    RECT m_rcLeft;
    RECT m_rcTop;
    RECT m_rcBottom;
    RECT m_rcRight;
    RECT m_rcLastLeft;
    RECT m_rcLastRight;
    RECT m_rcLastTop;
    RECT m_rcLastBottom;
    RECT* m_pStrips[4]; // by side code
};
