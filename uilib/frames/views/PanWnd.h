// SECPanWnd: the top-most overview popup of a pan view: the whole document drawn reduced, with
// a dotted rectangle marking the visible part; dragging the rectangle scrolls the view. Owned
// by the view, which deletes it; the object outlives its window.
#pragma once
#include "afxwin.h"

class SECPanView;

class SECPanWnd : public CWnd
{
    DECLARE_DYNAMIC(SECPanWnd)

  public:
    // Construction
    explicit SECPanWnd(SECPanView* pView);
    ~SECPanWnd() override;
    // rect in screen coordinates; a NULL title gives "Übersicht Fenster".
    virtual BOOL Create(RECT rect, LPCTSTR lpszTitle);

    // Attributes
    const CRect& GetViewRect() const
    {
        return m_rectTrack;
    }
    BOOL IsDragging() const
    {
        return m_bDragging;
    }

    // Operations
    // Moves the tracking rectangle (the view's logical units); one that is larger than the
    // overview is drawn from logical 0 on that axis.
    void SetViewRect(const CRect& rect);
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);

    // Overrides
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // Implementation
    SECPanView* m_pView;
    CRect m_rectTrack;
    CSize m_szOffset;
    BOOL m_bDragging;
    HCURSOR m_hDragCursor;
    BOOL m_bClipConfirmed;

    void DrawViewRect(CDC* pDC);
    void OverviewDPtoLP(CPoint& pt);
    void ClipCursorToOverview();

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnPaint();
    afx_msg void OnClose();

  protected:
    DECLARE_MESSAGE_MAP()

  private:
    SECPanWnd(const SECPanWnd&) = delete;
    SECPanWnd& operator=(const SECPanWnd&) = delete;
};
