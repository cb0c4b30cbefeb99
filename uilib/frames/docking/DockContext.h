// SECDockContext: the drag context of the library's control bars. It runs the modal loop in
// which a bar is dragged (Ctrl floats, Shift flips, Esc or the right button cancels), shows the
// place the bar would take in an SECDockBar row, resizes a floating bar by its borders, and
// toggles a bar between docked and floating (or floating as an MDI child). Owned by its bar.
#pragma once
#include "afxwin.h"
#include "mfc/DockContext.h"

class SECDockSite;

class SECDockContext : public CDockContext
{
  public:
    // Construction
    explicit SECDockContext(CControlBar* pBar);
    ~SECDockContext() override;

    // Overridables, in this order
    void StartDrag(CPoint pt) override;
    void StartResize(int nHitTest, CPoint pt) override;
    void ToggleDocking() override;
    virtual void ToggleMDIChildFloating();

    // Implementation (the steps of the loops)
    void Move(CPoint pt);
    void EndDrag();
    void Stretch(CPoint pt);
    void EndResize();
    DWORD CanDock();
    void DrawFocusRect(BOOL bRemoveRect = FALSE);
    void CancelLoop();
    BOOL Track();
    void OnKey(int nChar, BOOL bDown);

    // Attributes
    CRect m_rectLastDocking; // what CalcDockingRect returned last
    CPoint m_ptDragStart;    // cursor at StartDrag
    CPoint m_ptLastDocking;  // cursor of the last CalcDockingRect
    int m_nLastDockingRow;   // row of the last CalcDockingRect; -1 = none
    BOOL m_bWasFloating;     // the bar floated before it became an MDI child
    int m_nMinFloatWidth;
    int m_nMinFloatHeight;
    int m_nMaxFloatWidth;
    int m_nMaxFloatHeight;

  protected:
    // Docks through the library frame's operations, else the plain frame's.
    void DockThroughSite(CDockBar* pDockBar, LPCRECT lpRect);
    void ReDockThroughSite(CDockBar* pDockBar, LPCRECT lpRect);
    void FloatThroughSite(CPoint pt, DWORD dwStyle);
    // Docks a floating bar back at its remembered place (a remembered dock bar the frame lacks
    // counts as none).
    void DockBack();
    // |dx| + |dy| of the cursor since StartDrag.
    int DistanceFromStart() const;
    void SetMessageBarText(UINT nID);
};
