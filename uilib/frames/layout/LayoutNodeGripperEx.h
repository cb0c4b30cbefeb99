// SECLayoutNodeGripperEx: a gripper with a close button and an expand/contract arrow drawn in
// its strip. It is also a window listener plugged into its host window, through which it tracks
// clicks on the buttons. SECReparentableGripperEx follows its subtree into another container.
#pragma once
#include "uilib/frames/layout/DockInterfaces.h"
#include "uilib/frames/layout/LayoutNodeGripper.h"
#include "uilib/frames/plugins/WndListener.h"

struct SECGripperExBarMetrics : SECGripperBarMetrics
{
    int nButtonNearOffset = 0;
    int nButtonSize = 0;
    int nButtonFarOffset = 0;
    int nExpandGap = 0;
    int nExpandSize = 0;
    int nCloseGap = 0;
    int nCloseSize = 0;
    int nButtonFreeEndInset = 0;
};

// Indexes into the bar array of a gripper with buttons.
enum
{
    SEC_GRIPPER_BAR1 = 0,
    SEC_GRIPPER_BAR2 = 1,
    SEC_GRIPPER_CLOSE = 2,
    SEC_GRIPPER_EXPAND = 3
};

class SECLayoutNodeGripperEx : public tessaron::foundation::SECWndListener, public SECLayoutNodeGripper
{
  public:
    // Construction
    SECLayoutNodeGripperEx();
    ~SECLayoutNodeGripperEx() override;

    // Overridables
    // Listens to the new host's messages.
    void SetHostWindow(HWND hWnd) override;
    SECGripperBarMetrics* NewBarMetrics() override;
    RECT* NewBarArray() override;
    void CalcRaisedBarMetrics(SECGripperBarMetrics& m, int nLength, int nThickness, int nSide) override;
    void PlaceVerticalBars(const RECT& rcStrip, const SECGripperBarMetrics& m, RECT* pBars) override;
    void PlaceHorizontalBars(const RECT& rcStrip, const SECGripperBarMetrics& m, RECT* pBars) override;
    void DrawGripperBars(HDC hdc, const RECT& rcStrip, int nSide, const RECT* pBars) override;
    // A click on a button; a derived class acts on it (and may delete the gripper).
    virtual void OnCloseButton()
    {
    }
    virtual void OnExpandButton()
    {
    }
    virtual UINT GetExpandButtonState(int nSide);
    virtual UINT GetCloseButtonState(int nSide);
    virtual BOOL GetCloseButtonRect(RECT& rc);
    virtual BOOL GetExpandButtonRect(RECT& rc);

    // Attributes
    BOOL m_bHasCloseButton;
    BOOL m_bHasExpandButton;
    BOOL m_bCloseEnabled;
    BOOL m_bExpanded;
    BOOL m_bExpandEnabled;
    BOOL m_bClosePressed;
    BOOL m_bExpandPressed;
    BOOL m_bCloseTracking;
    BOOL m_bExpandTracking;

  protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    void InvalidateButton(int nIndex);

    DECLARE_MESSAGE_MAP()
};

class SECReparentableGripperEx : public SECReparentableLayoutNodeDC_T<SECLayoutNodeGripperEx>,
                                 public ISECDockEventReceiver
{
  public:
    // A gripper passes dock events on to its subtree.
    BOOL OnDockEvent(SECLayoutNode*, SECLayoutNode*, SECLayoutNode*, SECLayoutNode*, CPtrList*) override
    {
        return TRUE;
    }
};
