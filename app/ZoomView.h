// CZoomView: the zoom tools of the recording page on the pan view: step zoom by clicks, zoom to
// a dragged rectangle, actual size, fit to window, wheel zoom with the left button held, and
// panning by dragging a page larger than the window. Base of the drawing and recording views.
#pragma once
#include "uilib/frames/views/PanView.h"

class CZoomView : public SECPanView
{
    DECLARE_DYNAMIC(CZoomView)

  public:
    // Zoom tools.
    enum
    {
        ToolNone = 0, // panning
        ToolStep = 1,
        ToolRect = 2
    };

  protected:
    // Construction
    CZoomView();

  public:
    ~CZoomView() override;

    // Attributes
    int GetZoomTool() const
    {
        return m_nZoomTool;
    }

    // Operations
    // Fits the page to the window and keeps it fitted: in this mode every new size of the view
    // fits it again, so a fit made before the frame has its final size still ends right.
    void FitToWindow();

    // Overrides
    void OnInitialUpdate() override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;

    // Implementation
    int m_nZoomTool;
    BOOL m_bDragging;
    CPoint m_ptZoomStart; // logical
    CPoint m_ptZoomEnd;
    HCURSOR m_hStepCursor;
    HCURSOR m_hRectCursor;
    HCURSOR m_hRectDragCursor;

    CPoint ToLogical(CPoint ptClient);
    // Drawn twice it is gone (R2_NOTXORPEN).
    void DrawRubberRect();
    // Shows the tool's cursor when the mouse is over the client area.
    void UpdateCursor();

    afx_msg void OnZoomStep();
    afx_msg void OnUpdateZoomStep(CCmdUI* pCmdUI);
    afx_msg void OnZoomRect();
    afx_msg void OnUpdateZoomRect(CCmdUI* pCmdUI);
    afx_msg void OnZoomActual();
    afx_msg void OnZoomFit();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);

  protected:
    DECLARE_MESSAGE_MAP()
};
