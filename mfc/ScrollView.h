// CScrollView: a view larger than its window. Sizes are given in logical units of a mapping
// mode; the view keeps their device equivalents and runs its scroll bars from them.
//
// Differences from MFC:
// - No printing path beyond IsPrinting in OnPrepareDC; ResizeParentToFit is absent.
#pragma once
#include "View.h"

#define MM_SCALETOFIT (-1)
#define MM_NONE 0 // no sizes set yet

class CBrush;

class CScrollView : public CView
{
    DECLARE_DYNAMIC(CScrollView)

  protected:
    // Construction
    CScrollView();

  public:
    ~CScrollView() override;
    static const SIZE sizeDefault;

    // Attributes
    CPoint GetScrollPosition() const;       // logical units
    CPoint GetDeviceScrollPosition() const; // pixels
    CSize GetTotalSize() const
    {
        return m_totalLog;
    }
    void GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const;

    // Operations
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    void SetScaleToFitSize(SIZE sizeTotal);
    void ScrollToPosition(POINT pt);     // logical units
    void CenterOnPoint(CPoint ptCenter); // client pixels
    void FillOutsideRect(CDC* pDC, CBrush* pBrush);
    BOOL DoMouseWheel(UINT fFlags, short zDelta, CPoint point);

    // Overridables
    virtual BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE);
    virtual BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE);

    // Overrides
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL) override;
    void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0) override;

    // Implementation
    int m_nMapMode;
    CSize m_totalLog; // total size in logical units
    CSize m_totalDev; // total size in pixels
    CSize m_pageDev;  // per page scroll size in pixels
    CSize m_lineDev;  // per line scroll size in pixels
    BOOL m_bCenter;   // centre the output when it is smaller than the window
    BOOL m_bInsideUpdate;

    void UpdateBars();
    // Client size as it would be without scroll bars; FALSE when there is no room for any.
    BOOL GetTrueClientSize(CSize& size, CSize& sizeSb);
    void GetScrollBarSizes(CSize& sizeSb);
    void GetScrollBarState(CSize sizeClient, CSize& needSb, CSize& sizeRange, CPoint& ptMove,
                           BOOL bInsideClient);
    void ScrollToDevicePosition(POINT ptDev);
    // With m_bCenter, output smaller than the client area is centred in it.
    void CenterViewportOrg(CPoint& ptVpOrg);
    // A page given without a size is a tenth of the total, a line without one a tenth of the page.
    void DefaultPageAndLineSizes();

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT fFlags, short zDelta, CPoint point);

  protected:
    DECLARE_MESSAGE_MAP()
};
