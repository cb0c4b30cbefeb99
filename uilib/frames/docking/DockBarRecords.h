// The strips a SECDockBar lays out between its rows and bars: 6-pixel splitters that the user
// drags, and 2-pixel client edges. The dock bar owns them and keeps them across layouts.
#pragma once
#include "afxwin.h"

// A splitter between two bars of a row (kind 1) or on the client side of a row (kind 0).
class SECDockBarSplitter : public CObject
{
  public:
    enum
    {
        kindRow = 0,
        kindBar = 1
    };
    // Orientation: 1 a vertical strip that moves left and right, 0 a horizontal one.
    SECDockBarSplitter(int nOrientation, int nKind, const CRect& rect, int nIndex);

    virtual void Draw(CDC* pDC) const;

    int m_nOrientation;
    int m_nKind;
    CRect m_rect; // dock-bar client coordinates
    int m_nIndex; // row start (row splitter) or the bar before it (bar splitter)
    BOOL m_bInUse;
    int m_nTrackMin; // limits of the near edge while dragging
    int m_nTrackMax;
    CRect m_rectLastFeedback;
    CSize m_sizeLastFeedback;
    BOOL m_bErasing;
    BOOL m_bFinal;
};

// The etched line on the frame side of a row.
class SECDockBarClientEdge : public CObject
{
  public:
    SECDockBarClientEdge(int nOrientation, const CRect& rect);

    virtual void Draw(CDC* pDC) const;

    int m_nOrientation;
    CRect m_rect;
    BOOL m_bInUse;
};
