// SECBtnCaption: the minimise, restore and close buttons of a maximised MDI child, as one
// element at the right end of the MDI menu bar. The menu bar embeds it.
#pragma once
#include "uilib/bars/StdBtn.h"

class SECBtnCaption : public SECStdBtn
{
  public:
    enum Part
    {
        partNone = -1,
        partMinimize = 0,
        partRestore = 1,
        partClose = 2
    };

    // Construction
    SECBtnCaption();

    // Operations
    // The part under a point of the bar's client area, partNone when none.
    int HitPart(int x, int y) const;

    // Overridables
    void AdjustSize() override;
    BOOL OnLButtonDown(CPoint point) override;
    void OnMouseMove(CPoint point) override;
    UINT OnLButtonUp(CPoint point) override;
    void ClearHot() override;
    void DrawButton(CDC& dc, BOOL bForceRaised, int& x, int& y, int& cx, int& cy, int cxImage = -1) override;
    void DrawFace(SECBtnDrawData& data) override;
    BOOL GetImageInfo(SECBtnDrawData& data) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

    // Attributes
    DWORD m_dwStyleMask; // the child's WS_SYSMENU, WS_MINIMIZEBOX and WS_MAXIMIZEBOX
    int m_cxPart, m_cyPart;
    int m_nPressed; // the part pressed, partNone when none
    BOOL m_bPressedLook;
};
