// SECLayoutNodeGripper: a border space whose margin on one side is a gripper, the ridged handle
// by which a docked window is dragged. Owns its array of bar rectangles.
#pragma once
#include "uilib/frames/layout/LayoutNodeBorderSpace.h"

// How the bars of a gripper lie in its strip; built for each layout.
struct SECGripperBarMetrics
{
    virtual ~SECGripperBarMetrics()
    {
    }
    int nNearOffset = 0;
    int nBarWidth = 0;
    int nGap = 0;
    int nFarOffset = 0;
    int nStartInset = 0;
    int nEndInset = 0;
};

class SECLayoutNodeGripper : public SECLayoutNodeBorderSpace
{
  public:
    // Construction
    SECLayoutNodeGripper();
    ~SECLayoutNodeGripper() override;

    // Overridables
    void SetNodeOrientation(BOOL bOrientation, BOOL bRecursive) override;
    void SetBorderWidths(int nLeft, int nTop, int nRight, int nBottom) override;
    void CalcLayout(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL bForce) override;
    void DrawBorderPart(HDC hdc, const RECT& rcStrip, RECT& rcLastDrawn, int nSide) override;
    void InvalidateBorderRect(const RECT* pRect) override;
    virtual void SetGripperSide(int nSide);
    virtual SECGripperBarMetrics* NewBarMetrics();
    virtual RECT* NewBarArray();
    virtual void CalcGripperBars(const RECT& rcStrip, int nSide, RECT* pBars);
    virtual void CalcRaisedBarMetrics(SECGripperBarMetrics& m, int nLength, int nThickness, int nSide);
    virtual void CalcFlatBarMetrics(SECGripperBarMetrics& m, int nLength, int nThickness, int nSide);
    virtual void PlaceVerticalBars(const RECT& rcStrip, const SECGripperBarMetrics& m, RECT* pBars);
    virtual void PlaceHorizontalBars(const RECT& rcStrip, const SECGripperBarMetrics& m, RECT* pBars);
    virtual void DrawGripperBars(HDC hdc, const RECT& rcStrip, int nSide, const RECT* pBars);

    // Attributes
    int GetGripperSide() const
    {
        return m_nGripperSide;
    }
    void SetGripperSize(int nSize);
    int GetGripperSize() const
    {
        return m_nGripperSize;
    }
    const RECT* GetBars() const
    {
        return m_pBars;
    }
    // The default for grippers made from now on: flat grippers have one bar.
    static void PASCAL SetDefaultFlat(BOOL bFlat);

  protected:
    int m_nGripperSide;
    int m_nGripperSize;
    RECT* m_pBars;
    BOOL m_bFlat;

    // Draws a raised 3-D frame: highlight top-left, shadow bottom-right.
    static void PASCAL DrawRaisedRect(HDC hdc, const RECT& rc);
};
