// SECListBoxDragWnd: moves one entry of a list box to another place while the left button drags
// it: a modal loop of its own, a drop line between entries, automatic scrolling that speeds up
// while the cursor stays above or below the list. Made on the stack for one drag.
#pragma once
#include "afxwin.h"
#include "ListBox.h"

class SECListBoxDragWnd : public CWnd
{
  public:
    // Position codes of a point relative to the list's client area; left or right combine with
    // above or below.
    enum : UINT
    {
        posInside = 0,
        posLeft = 1,
        posAbove = 2,
        posRight = 4,
        posBelow = 8,
    };

    // Construction
    explicit SECListBoxDragWnd(CListBox* pListBox);
    ~SECListBoxDragWnd() override;

    // Operations
    // The whole drag from the list's selected entry. TRUE when an entry moved, with its old and
    // new index.
    BOOL Track(int& nFrom, int& nTo);
    // The drop line while dragging: "with placeholder" keeps the last (empty) entry in place.
    void SetPlaceholder(BOOL bPlaceholder)
    {
        m_bPlaceholder = bPlaceholder;
    }
    UINT PositionCode(CPoint screen) const;

  protected:
    // Implementation
    // Milliseconds on the performance counter: the system's tick count lags under load.
    static ULONGLONG Now();
    void DrawLine(int y);
    void SetLine(int y);
    void AutoScrollStep();
    void ScrollOne(BOOL bDown);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    BOOL m_bTracking;
    BOOL m_bCancelled;
    BOOL m_bDragStarted;
    BOOL m_bPlaceholder;
    ULONGLONG m_nLastScroll;
    int m_nFirstIntervalMs;
    int m_nIntervalMs;
    int m_nShortestIntervalMs;
    int m_nIntervalStepMs;
    ULONGLONG m_nStart;
    ULONGLONG m_nEnd;
    int m_nMinDragMs;
    HCURSOR m_hDragCursor;
    HCURSOR m_hOldCursor;
    UINT m_nScrollDir;
    int m_nLineY;
    int m_nSource;
    int m_nTarget;
    CPoint m_ptStart;
    CListBox* m_pListBox;
};
