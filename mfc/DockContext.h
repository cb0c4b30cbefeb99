// CDockContext: the modal loop in which the user drags a control bar to dock or float it, or
// resizes a floating one; also toggles a bar between docked and floating. Owned by its bar.
//
// Differences from MFC:
// - The feedback is drawn on the screen DC without locking window updates.
// - ToggleDocking with a remembered dock bar id the frame does not have docks as if no dock bar
//   were named (MFC calls through a NULL dock bar).
// - A C++ exception leaving the loop still releases the capture and the screen DC.
#pragma once
#include "Rect.h"

class CControlBar;
class CDockBar;
class CFrameWnd;
class CDC;

class CDockContext
{
  public:
    // Construction
    explicit CDockContext(CControlBar* pBar);
    virtual ~CDockContext();
    CDockContext(const CDockContext&) = delete;
    CDockContext& operator=(const CDockContext&) = delete;

    // Drag parameters
    CPoint m_ptLast;
    CRect m_rectLast;
    CSize m_sizeLast;
    BOOL m_bDitherLast;
    // Rectangles while dragging (during a resize: requested, actual, frame and frame borders)
    CRect m_rectDragHorz;
    CRect m_rectDragVert;
    CRect m_rectFrameDragHorz;
    CRect m_rectFrameDragVert;

    CControlBar* m_pBar;
    CFrameWnd* m_pDockSite;
    DWORD m_dwDockStyle;     // allowed sides of the bar
    DWORD m_dwOverDockStyle; // side the bar would dock to now, 0 for floating
    DWORD m_dwStyle;         // the bar's alignment at the start
    BOOL m_bFlip;            // Shift: the other orientation
    BOOL m_bForceFrame;      // Ctrl: no docking
    CDC* m_pDC;
    BOOL m_bDragging;
    int m_nHitTest;

    UINT m_uMRUDockID;
    CRect m_rectMRUDockPos;
    DWORD m_dwMRUFloatStyle;
    CPoint m_ptMRUFloatPos;

    // Operations
    virtual void StartDrag(CPoint pt);
    void Move(CPoint pt);
    void EndDrag();
    void OnKey(int nChar, BOOL bDown);
    virtual void StartResize(int nHitTest, CPoint pt);
    void Stretch(CPoint pt);
    void EndResize();
    virtual void ToggleDocking();

    // Implementation
    void InitLoop();
    void CancelLoop();
    BOOL Track();
    void DrawFocusRect(BOOL bRemoveRect = FALSE);
    void UpdateState(BOOL* pFlag, BOOL bNewValue);
    DWORD CanDock();
    CDockBar* GetDockBar(DWORD dwOverDockStyle);

  protected:
    // The steps a derived context shares (defined in DockContextSteps.h). They call the
    // context's own CanDock, DrawFocusRect, OnKey, EndDrag, Stretch, EndResize and CancelLoop,
    // none of which is virtual.
    template <class TContext> static void MoveStep(TContext& context, CPoint pt);
    template <class TContext> static void KeyStep(TContext& context, int nChar, BOOL bDown);
    template <class TContext> static void UpdateStep(TContext& context, BOOL* pFlag, BOOL bNewValue);
    template <class TContext> static BOOL TrackLoop(TContext& context);
    // Gives back the capture and the screen DC.
    void ReleaseLoop();
};
