// CDigiSegment: outlines and the Bezier fit of their rounded edges.
#include "app/DigiSegment.h"
#include <math.h>
#include <string.h>

namespace
{
const BYTE kMoveTo = 6;
const BYTE kLineTo = 2;
const BYTE kCurve = 4;

int RoundToDevice(double v)
{
    return (int)(v + 0.5);
}
} // namespace

CDigiSegment::CDigiSegment() : m_pPoints(NULL), m_pTypes(NULL), m_nCount(0)
{
}

CDigiSegment::CDigiSegment(const CDigiSegment& other) : CDigiSegment()
{
    SetPoints(other.m_pPoints, other.m_pTypes, other.m_nCount);
}

CDigiSegment& CDigiSegment::operator=(const CDigiSegment& other)
{
    if (this != &other)
        SetPoints(other.m_pPoints, other.m_pTypes, other.m_nCount);
    return *this;
}

CDigiSegment::~CDigiSegment()
{
    delete[] m_pPoints;
    delete[] m_pTypes;
}

void CDigiSegment::SetPoints(const POINT* pPoints, const BYTE* pTypes, int nCount)
{
    POINT* pNewPoints = nCount > 0 ? new POINT[nCount] : NULL;
    BYTE* pNewTypes = nCount > 0 ? new BYTE[nCount] : NULL;
    if (nCount > 0)
    {
        memcpy(pNewPoints, pPoints, nCount * sizeof(POINT));
        memcpy(pNewTypes, pTypes, nCount);
    }
    delete[] m_pPoints;
    delete[] m_pTypes;
    m_pPoints = pNewPoints;
    m_pTypes = pNewTypes;
    m_nCount = nCount;
}

template <class FMove, class FLine, class FCurve>
void CDigiSegment::Walk(double left, double top, double right, double bottom, int nWidth, FMove onMove,
                        FLine onLine, FCurve onCurve) const
{
    const double ax = (right - left) / nWidth;
    const double ay = (bottom - top) / designHeight;
    auto device = [&](int i) {
        return CPoint(RoundToDevice(m_pPoints[i].x * ax + left), RoundToDevice(m_pPoints[i].y * ay + top));
    };
    for (int i = 0; i < m_nCount; i++)
    {
        if (m_pTypes[i] == kMoveTo)
            onMove(device(i));
        else if (m_pTypes[i] == kLineTo)
            onLine(device(i));
        else if (m_pTypes[i] == kCurve && i > 0)
        {
            // The run with the point before it and the end point after it.
            int nEnd = i;
            while (nEnd < m_nCount && m_pTypes[nEnd] == kCurve)
                nEnd++;
            if (nEnd >= m_nCount)
                break; // a run without an end point: nothing to fit to
            std::vector<double> xy;
            for (int k = i - 1; k <= nEnd; k++)
            {
                xy.push_back(m_pPoints[k].x * ax + left);
                xy.push_back(m_pPoints[k].y * ay + top);
            }
            double ctrl[4];
            FitBezier(xy.data(), (int)xy.size() / 2, ctrl);
            onCurve(ctrl, device(nEnd));
            i = nEnd;
        }
    }
}

void CDigiSegment::DrawPath(CDC* pDC, double left, double top, double right, double bottom, int nWidth) const
{
    Walk(
        left, top, right, bottom, nWidth, [pDC](CPoint pt) { pDC->MoveTo(pt); },
        [pDC](CPoint pt) { pDC->LineTo(pt); },
        [pDC](const double* ctrl, CPoint ptEnd) {
            POINT pts[3] = {{RoundToDevice(ctrl[0]), RoundToDevice(ctrl[1])},
                            {RoundToDevice(ctrl[2]), RoundToDevice(ctrl[3])},
                            ptEnd};
            pDC->PolyBezierTo(pts, 3);
        });
}

std::vector<double> CDigiSegment::GetCurveControls(double left, double top, double right, double bottom,
                                                   int nWidth) const
{
    std::vector<double> controls;
    Walk(
        left, top, right, bottom, nWidth, [](CPoint) {}, [](CPoint) {},
        [&controls](const double* ctrl, CPoint) { controls.insert(controls.end(), ctrl, ctrl + 4); });
    return controls;
}

namespace
{
struct Cubic
{
    double a3[2], a2[2], a1[2], a0[2];
};

// The curve as a cubic in t from -1 (P0) to 1 (P3), per coordinate.
Cubic MakeCubic(const double* p0, const double* c1, const double* c2, const double* p3)
{
    Cubic c;
    for (int k = 0; k < 2; k++)
    {
        c.a3[k] = (3.0 * (c1[k] - c2[k]) + p3[k] - p0[k]) / 8.0;
        c.a2[k] = 3.0 * (p0[k] + p3[k] - c1[k] - c2[k]) / 8.0;
        c.a1[k] = (p3[k] - p0[k]) / 2.0 - c.a3[k];
        c.a0[k] = (p0[k] + p3[k]) / 2.0 - c.a2[k];
    }
    return c;
}

// D (squared distance of q from the curve point) and G (d . B'(t)) at t.
void Evaluate(const Cubic& c, const double* q, double t, double& d, double& g)
{
    d = 0.0;
    g = 0.0;
    for (int k = 0; k < 2; k++)
    {
        const double b = ((c.a3[k] * t + c.a2[k]) * t + c.a1[k]) * t + c.a0[k];
        const double db = (3.0 * c.a3[k] * t + 2.0 * c.a2[k]) * t + c.a1[k];
        const double diff = b - q[k];
        d += diff * diff;
        g += diff * db;
    }
}
} // namespace

double CDigiSegment::BezierFitError(const double* xy, int m, const double* p0, const double* c1,
                                    const double* c2, const double* p3)
{
    if (m < 3)
        return 0.0;
    const Cubic c = MakeCubic(p0, c1, c2, p3);
    const double h = 1.0 / m;
    double sum = 0.0;
    for (int i = 1; i < m - 1; i++)
    {
        const double* q = xy + 2 * i;
        double tKept = -1.0, dKept = 0.0, gKept = 0.0;
        bool bFirst = true;
        for (double t = -1.0; t <= 1.01; t += h)
        {
            double d, g;
            Evaluate(c, q, t, d, g);
            if (d == 0.0)
            {
                tKept = t;
                dKept = 0.0;
                gKept = g;
                break;
            }
            if (bFirst || d < dKept)
            {
                tKept = t;
                dKept = d;
                gKept = g;
                bFirst = false;
            }
        }
        if (dKept == 0.0)
            continue;
        // Secant steps on G towards the nearest point.
        double t0 = tKept, g0 = gKept;
        double t1 = t0 + h;
        if (t1 > 1.0)
            t1 = 1.0 - h;
        double d1, g1;
        Evaluate(c, q, t1, d1, g1);
        while (d1 != 0.0 && g1 != 0.0)
        {
            double t2 = g1 != g0 ? (t0 * g1 - g0 * t1) / (g1 - g0) : (t0 + t1) / 2.0;
            if (t2 < -1.0)
                t2 = -1.0;
            if (t2 > 1.0)
                t2 = 1.0;
            if (fabs(t2 - t1) < 0.001)
                break;
            g0 = g1;
            t0 = t1;
            t1 = t2;
            Evaluate(c, q, t1, d1, g1);
        }
        sum += d1;
    }
    return sum;
}

void CDigiSegment::FitBezier(const double* xy, int m, double ctrl[4])
{
    const double* p0 = xy;
    const double* p3 = xy + 2 * (m - 1);
    double c1[2] = {2.0 * xy[2] - p0[0], 2.0 * xy[3] - p0[1]};
    double c2[2] = {2.0 * xy[2 * (m - 2)] - p3[0], 2.0 * xy[2 * (m - 2) + 1] - p3[1]};
    double e = BezierFitError(xy, m, p0, c1, c2, p3);
    for (int nPass = 0; nPass < 2; nPass++)
    {
        double* coords[4] = {&c1[0], &c1[1], &c2[0], &c2[1]};
        const double anchors[4] = {p0[0], p0[1], p3[0], p3[1]};
        for (int k = 0; k < 4; k++)
        {
            double& v = *coords[k];
            const double a = anchors[k];
            double s = 0.5;
            double best = v;
            while (fabs(s) >= 0.01)
            {
                v = v + s * (v - a);
                const double e2 = BezierFitError(xy, m, p0, c1, c2, p3);
                if (e2 == e)
                    break;
                if (e2 < e)
                {
                    e = e2;
                    best = v;
                }
                else
                {
                    s = s * (-1.0 / 3.0);
                    v = best;
                }
            }
        }
    }
    ctrl[0] = c1[0];
    ctrl[1] = c1[1];
    ctrl[2] = c2[0];
    ctrl[3] = c2[1];
}
