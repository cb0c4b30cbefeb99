// SECPanView: a zoom view the user drags with the mouse (scrolling continuously or once at the
// end) and that can show its document reduced in an overview window. Owns every overview
// object it created.
#pragma once
#include "uilib/frames/views/ZoomView.h"

class SECPanWnd;

class SECPanView : public SECZoomView
{
    DECLARE_DYNAMIC(SECPanView)

  protected:
    // Construction
    SECPanView();

  public:
    ~SECPanView() override;

    // Attributes
    BOOL IsPanning() const
    {
        return m_bPanning;
    }
    SECPanWnd* GetOverviewWnd() const
    {
        return m_pOverview;
    }

    // Operations
    // 1 scrolls while dragging; any other value only when the button is released.
    void SetPanMode(int nMode)
    {
        m_nPanMode = nMode;
    }
    // Not in the message map: a deriving view calls it from its own WM_SETCURSOR handling.
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);

    // Overridables (points in logical units)
    virtual void BeginPan(const POINT* pPoint, UINT nCursorId);
    virtual void ContinuePan(const POINT* pPoint);
    virtual void EndPan(const POINT* pPoint);
    // rect in screen coordinates; TRUE once there is an overview object.
    virtual BOOL ShowOverviewWnd(RECT rect);
    virtual BOOL CloseOverviewWnd();
    virtual void UpdateOverviewWnd(CView* pSender, LPARAM lHint, CObject* pHint);
    // Invalidates the whole overview; a view may draw its update into pDC instead.
    virtual void RefreshOverviewWnd(CView* pSender, LPARAM lHint, CObject* pHint, CDC* pDC,
                                    SECPanWnd* pOverview);
    virtual void PanBy(const POINT* pPoint);

    // Overrides
    void OnZoomChanged() override;

    // Implementation
    UINT m_nPanCursorId;
    int m_nPanMode;
    BOOL m_bPanning;
    HCURSOR m_hSavedCursor;
    HCURSOR m_hPanCursor;
    CPoint m_ptAnchor; // logical point under the cursor at the last scroll
    SECPanWnd* m_pOverview;
    CPtrList m_overviews;
    CSize m_szSavedTotalDev;
    BOOL m_bSavedCenter;
    int m_nSavedZoomMode;

    // Scrolls by point - anchor (bDirect) or anchor - point; the anchor stays.
    BOOL ScrollByLogicalDelta(CPoint point, BOOL bDirect);
    // Clamped to the scroll range; FALSE when nothing moves (then nothing repaints either).
    BOOL ScrollByDevice(int dx, int dy, BOOL bDoScroll);
    void UpdateOverviewRect();
    // Maps the whole document into the overview's client area (no scroll offset, no centring).
    void BeginOverviewDraw(SECPanWnd* pOverview);
    void EndOverviewDraw();
    void OnOverviewClosed(SECPanWnd* pOverview);

    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnSize(UINT nType, int cx, int cy);

  protected:
    DECLARE_MESSAGE_MAP()

    friend class SECPanWnd;
};
