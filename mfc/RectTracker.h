// CRectTracker: a rectangle the user moves and resizes with the mouse: draws its border,
// hatching and handles, tells which part a point hits, sets the matching cursor and runs the
// drag (Track) or a rubber band (TrackRubberBand) in its own loop under mouse capture.
//
// Differences from MFC:
// - The drag rectangle is drawn with the halftone XOR frame of CDC::DrawDragRect only.
#pragma once
#include "afx.h"
#include "Rect.h"

class CDC;
class CWnd;

class CRectTracker
{
  public:
    enum StyleFlags
    {
        solidLine = 1,
        dottedLine = 2,
        hatchedBorder = 4,
        resizeInside = 8,
        resizeOutside = 16,
        hatchInside = 32
    };
    enum TrackerHit
    {
        hitNothing = -1,
        hitTopLeft = 0,
        hitTopRight = 1,
        hitBottomRight = 2,
        hitBottomLeft = 3,
        hitTop = 4,
        hitRight = 5,
        hitBottom = 6,
        hitLeft = 7,
        hitMiddle = 8
    };

    // Construction
    CRectTracker();
    CRectTracker(LPCRECT lpSrcRect, UINT nStyle);
    virtual ~CRectTracker();

    // Attributes
    UINT m_nStyle;
    CRect m_rect;    // client coordinates of the window tracked in
    CSize m_sizeMin; // smallest width and height a resize leaves
    int m_nHandleSize;

    // Operations
    void Draw(CDC* pDC) const;
    // The rectangle with border and handles: what Draw paints.
    void GetTrueRect(LPRECT lpTrueRect) const;
    // For WM_SETCURSOR: the sizing cursor of the part under the mouse; FALSE when none.
    BOOL SetCursor(CWnd* pWnd, UINT nHitTest) const;
    // Drags the part under point (client coordinates of pWnd) until the left button is released
    // (TRUE when the rectangle changed) or Escape / the right button cancels (FALSE, unchanged).
    // pWndClipTo: the window to draw the drag rectangle in (the desktop lets it leave pWnd).
    BOOL Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert = FALSE, CWnd* pWndClipTo = NULL);
    // A new rectangle from point to where the button is released.
    BOOL TrackRubberBand(CWnd* pWnd, CPoint point, BOOL bAllowInvert = TRUE);
    int HitTest(CPoint point) const;
    // The handle that hit means on a rectangle turned inside out.
    int NormalizeHit(int nHandle) const;

    // Overridables
    virtual void DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd);
    virtual void AdjustRect(int nHandle, LPRECT lpRect);
    virtual void OnChangedRect(const CRect& rectOld);
    virtual UINT GetHandleMask() const;

    // Implementation
  protected:
    virtual int GetHandleSize(LPCRECT lpRect = NULL) const;
    void GetHandleRect(int nHandle, CRect* pHandleRect) const;
    BOOL TrackHandle(int nHandle, CWnd* pWnd, CPoint point, CWnd* pWndClipTo);

    BOOL m_bAllowInvert;
    BOOL m_bErase;      // the next DrawTrackerRect erases
    BOOL m_bFinalErase; // the drag ended: erase for good
    BOOL m_bDrawn;      // a drag rectangle is on the screen
    CRect m_rectLast;
    CSize m_sizeLast;
};
