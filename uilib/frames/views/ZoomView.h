// SECZoomView: a scrolling view that draws its document at a zoom level (device pixels per
// logical unit) through MM_ANISOTROPIC or MM_ISOTROPIC, zooming by a factor, to a rectangle, to
// a percentage, back to 1.0 or to fit the window. Views derive from it; it owns nothing.
#pragma once
#include "afxwin.h"

class SECZoomView : public CScrollView
{
    DECLARE_DYNAMIC(SECZoomView)

  public:
    // Zoom modes.
    enum
    {
        SEC_ZOOMOFF = 0,
        SEC_ZOOMPANOVER = 1, // drawing into the overview: no scroll offset
        SEC_ZOOMNORMAL = 2,
        SEC_ZOOMFIT = 3
    };

  protected:
    // Construction
    SECZoomView();

  public:
    ~SECZoomView() override;

    // Attributes
    int GetZoomMode() const
    {
        return m_nZoomMode;
    }
    float GetZoomLevel() const
    {
        return m_fZoomScale;
    }
    // -1.0 leaves a limit unset; nothing in the program sets them, tests do.
    void SetZoomMinMax(float fMin, float fMax);

    // Operations
    // Any map mode but MM_ISOTROPIC becomes MM_ANISOTROPIC; a total of 0 x 0 becomes 1 x 1. The
    // level is kept but applied only by the next UpdateZoomedView.
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    void SetZoomMode(int nMode)
    {
        m_nZoomMode = nMode;
    }

    // Overridables
    virtual void OnZoomChanged();
    virtual void OnZoomLevelChanging(BOOL bBelowMinimum, float fRequested);
    virtual void SetZoomLevel(float fLevel);
    // Centres are logical points to lie at the middle of the window afterwards; NULL keeps the
    // point now at the middle of the client area.
    virtual void ZoomIn(const POINT* pCentre = NULL, float fFactor = 1.25f);
    virtual void ZoomToRect(const RECT* pRect);
    virtual void ZoomOut(const POINT* pCentre = NULL, float fFactor = 1.25f);
    virtual void ZoomActualSize(const POINT* pCentre = NULL);
    virtual void ZoomFit();
    virtual void ZoomPercent(int nPercent, const POINT* pCentre = NULL);
    virtual void UpdateZoomedView(const POINT* pCentre);

    // Overrides
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;

    // Implementation
    int m_nZoomMode;
    CSize m_szOrigTotalDev; // device size at level 1.0
    CSize m_szOrigPageLog;  // page scroll size as the caller gave it
    CSize m_szOrigLineLog;  // line scroll size as the caller gave it
    float m_fZoomScale;
    float m_fMinZoom;
    float m_fMaxZoom;

    void RecalcDeviceSizes();
    void UpdateBars();
    // Shrinks target to the aspect of logical; offset is what was taken off (one axis).
    static void FitSizeToAspect(const SIZE& logical, SIZE& target, SIZE& offset);
    CPoint GetLogicalClientCenter();
    void ViewLPtoDP(LPPOINT lpPoints, int nCount = 1);
    void ViewDPtoLP(LPPOINT lpPoints, int nCount = 1);
    void AddDeviceScrollPosition(CPoint& pt) const;
    void CenterOnLogicalPoint(CPoint pt);

    afx_msg void OnSize(UINT nType, int cx, int cy);

  protected:
    DECLARE_MESSAGE_MAP()
};
