// CSolderProfilGraph: the profile is appended point by point, one point per plot pixel, across
// a fixed span of time.
#include "app/SolderProfilGraph.h"
#include "AppIds.h"
#include <algorithm>
#include <math.h>
#include "ResourceText.h"

namespace
{
const double kTotalSeconds = 300.0;
const double kHeatingRate = 1.5; // degrees a second up to T1
const double kRampRate = 2.0;    // up to T2 (without a time) and T3
const double kCoolingRate = 1.0;
const int kHeadroom = 10; // degrees above T3 on the scale
const COLORREF kProfileColour = RGB(255, 0, 0);
const COLORREF kGridColour = RGB(192, 192, 255);
const COLORREF kBlack = RGB(0, 0, 0);

// Appends the points of a profile to the graph while plot pixels are left, one pixel each.
class CProfilePoints
{
  public:
    CProfilePoints(COScopeCtrl& graph, int nPixels, double dPixelsPerSecond, double dStart)
        : m_graph(graph), m_nLeft(nPixels), m_dStep(1.0 / dPixelsPerSecond), m_dValue(dStart)
    {
    }
    double Value() const
    {
        return m_dValue;
    }
    int Rounded() const
    {
        return (int)floor(m_dValue + 0.5);
    }
    BOOL Append(double dValue)
    {
        if (m_nLeft <= 0)
            return FALSE;
        m_graph.AppendPoint(dValue);
        m_dValue = dValue;
        m_nLeft--;
        return TRUE;
    }
    // Rises by the rate (degrees a second) until the target is reached.
    void RiseTo(double dTarget, double dRate)
    {
        while (m_dValue < dTarget && Append(std::min(m_dValue + dRate * m_dStep, dTarget)))
            ;
    }
    // A straight line from one value to another over the time, ending at the second.
    void Line(double dFrom, double dTarget, double dSeconds)
    {
        const int nPoints = std::max((int)floor(dSeconds / m_dStep + 0.5), 1);
        for (int n = 1; n <= nPoints && Append(dFrom + (dTarget - dFrom) * n / nPoints); n++)
            ;
    }
    // Falls by the rate until the pixels are used up.
    void FallToEnd(double dRate)
    {
        while (Append(m_dValue - dRate * m_dStep))
            ;
    }

  private:
    COScopeCtrl& m_graph;
    int m_nLeft;
    double m_dStep; // seconds per point
    double m_dValue;
};

} // namespace

CSolderProfilGraph::CSolderProfilGraph(const CRect& rect, CWnd* pParent)
    : m_nTinit(0), m_nT1(0), m_nTime(0), m_nT2(0), m_nT3(0), m_dTotalTime(kTotalSeconds)
{
    Create(WS_CHILD | WS_VISIBLE, rect, pParent, 0);
    SetYUnits(LoadText(IDS_GRAPH_TEMPERATURE));
    SetXUnits(LoadText(IDS_GRAPH_TIME));
    SetRange(0, 200, 0);
    SetXRange(0, kTotalSeconds, FALSE);
    SetBackgroundColor(kBlack);
    SetGridColor(kGridColour);
    SetPlotColor(kProfileColour);
}

void CSolderProfilGraph::SetProfile(int nTinit, int nT1, int nTime, int nT2, int nT3, LPCTSTR pszUnit)
{
    m_nTinit = nTinit;
    m_nT1 = nT1;
    m_nTime = nTime;
    m_nT2 = nT2;
    m_nT3 = nT3;
    m_strUnit = pszUnit;
    m_dTotalTime = kTotalSeconds;
    Redraw();
}

void CSolderProfilGraph::Redraw()
{
    SetYUnits(LoadText(IDS_GRAPH_TEMPERATURE) + m_strUnit);
    SetRange(0, m_nT3 + kHeadroom, 0);
    int nPixels = 0;
    if (!GetPlotWidth(nPixels))
        return;
    CProfilePoints points(*this, nPixels, nPixels / m_dTotalTime, m_nTinit);
    if (m_nT1 > m_nTinit)
    {
        points.Append(m_nTinit);
        points.RiseTo(m_nT1, kHeatingRate);
    }
    if (m_nTime > 0)
        points.Line(m_nT1, m_nT2, m_nTime);
    else if (m_nT2 > points.Rounded() && m_nT2 > 0)
        points.RiseTo(m_nT2, kRampRate);
    if (m_nT3 > points.Rounded() && m_nT3 > 0)
        points.RiseTo(m_nT3, kRampRate);
    points.FallToEnd(kCoolingRate);

    // Two invisible points leave a gap after the cooling end.
    SetPlotColor(kBlack);
    AppendPoint(GetUpperLimit());
    AppendPoint(0);
    SetPlotColor(kProfileColour);
}
