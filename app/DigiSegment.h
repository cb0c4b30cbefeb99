// CDigiSegment: the outline of one segment of a digit display, points in design units with their
// path point types (move-to, line-to, and curve points that only shape a fitted Bezier curve).
// It owns copies of both arrays.
#pragma once
#include "afxwin.h"
#include <vector>

class CDigiSegment
{
  public:
    // Design height of every character; y grows downwards.
    enum
    {
        designHeight = 83
    };

    // Construction
    CDigiSegment();
    CDigiSegment(const CDigiSegment& other);
    CDigiSegment& operator=(const CDigiSegment& other);
    ~CDigiSegment();
    void SetPoints(const POINT* pPoints, const BYTE* pTypes, int nCount);

    // Attributes
    int GetCount() const
    {
        return m_nCount;
    }
    const POINT* GetPoints() const
    {
        return m_pPoints;
    }
    const BYTE* GetTypes() const
    {
        return m_pTypes;
    }

    // Operations
    // Emits the outline into the path of pDC, scaled from a design width nWidth into the rectangle.
    void DrawPath(CDC* pDC, double left, double top, double right, double bottom, int nWidth) const;
    // The two control points (x, y, x, y) of every fitted curve, in outline order, unrounded.
    std::vector<double> GetCurveControls(double left, double top, double right, double bottom,
                                         int nWidth) const;

    // One cubic Bezier from xy[0] to xy[m-1] through the points between; ctrl gets C1 and C2.
    static void FitBezier(const double* xy, int m, double ctrl[4]);
    // How far the points between xy[0] and xy[m-1] lie from the curve P0, C1, C2, P3.
    static double BezierFitError(const double* xy, int m, const double* p0, const double* c1,
                                 const double* c2, const double* p3);

  private:
    // Implementation
    // Walks the outline; each curve run gives its control points and end point to onCurve.
    template <class FMove, class FLine, class FCurve>
    void Walk(double left, double top, double right, double bottom, int nWidth, FMove onMove, FLine onLine,
              FCurve onCurve) const;

    POINT* m_pPoints;
    BYTE* m_pTypes;
    int m_nCount;
};
