// The strip chart and the profile graph, read back from the screen: the scale's margin, curves
// beyond the scale, repeatable pictures, the ramps of a profile, a plot without room, and the
// profile table's row headers feeding the graph of its tab, and the user mask's graph.
#include "Input.h"
#include "ProgramKey.h"
#include "TestSupport.h"
#include "app/IRControlApp.h"
#include "app/MyBrowseGridWnd.h"
#include "app/ParameterDlg.h"
#include "app/ParameterSetDlg.h"
#include "app/SolderProfilGraph.h"
#include "grid/factory/ControlFactory.h"
#include "station/config/ProjektConfig.h"
#include "station/record/ApplicationValues.h"
#include "AppIds.h"
#include <algorithm>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace testing_support;
using namespace dialogs_test;

namespace
{
const COLORREF kScopeGrid = RGB(0, 255, 255);
const COLORREF kProfileGrid = RGB(192, 192, 255);
const COLORREF kRed = RGB(255, 0, 0);
const double kSeconds = 300.0; // across the profile graph

// A top-level window for a chart, so that the chart's pixels can be read from the screen.
class CHost : public CWnd
{
  public:
    CHost(int x, int y, int cx, int cy)
    {
        CreateEx(WS_EX_TOPMOST, AfxRegisterWndClass(0), "Chart", WS_POPUP | WS_VISIBLE,
                 CRect(x, y, x + cx, y + cy), NULL, 0);
    }
    ~CHost() override
    {
        DestroyWindow();
    }
};

// What the chart shows: its client pixels, and its plot as the layout rule places it.
class CPicture
{
  public:
    explicit CPicture(CWnd& chart)
    {
        chart.UpdateWindow();
        chart.GetClientRect(&m_client);
        HDC hDC = ::GetDC(chart.m_hWnd);
        m_pixels.resize((size_t)(m_client.Width() * m_client.Height()));
        for (int y = 0; y < m_client.Height(); y++)
            for (int x = 0; x < m_client.Width(); x++)
                m_pixels[(size_t)(y * m_client.Width() + x)] = ::GetPixel(hDC, x, y);
        ::ReleaseDC(chart.m_hWnd, hDC);
        m_top = 10;
        m_right = m_client.Width() - 10;
        m_bottom = m_client.Height() - 20;
    }
    COLORREF At(int x, int y) const
    {
        return m_pixels[(size_t)(y * m_client.Width() + x)];
    }
    int Width() const
    {
        return m_client.Width();
    }
    int Height() const
    {
        return m_client.Height();
    }
    // The frame's left edge: the first column in the grid colour from the frame's top to its
    // bottom line (texts never fill a whole column).
    int FrameLeft(COLORREF grid) const
    {
        for (int x = 0; x < m_right; x++)
        {
            bool bLine = true;
            for (int y = m_top; y <= m_bottom + 1 && bLine; y++)
                bLine = At(x, y) == grid;
            if (bLine)
                return x;
        }
        return -1;
    }
    // The pixels of a band of rows, for comparing before and after.
    std::vector<COLORREF> Rows(int nFirst, int nLast) const
    {
        return std::vector<COLORREF>(m_pixels.begin() + nFirst * Width(),
                                     m_pixels.begin() + (nLast + 1) * Width());
    }
    int Count(const std::function<bool(COLORREF)>& match) const
    {
        int n = 0;
        for (COLORREF cr : m_pixels)
            n += match(cr) ? 1 : 0;
        return n;
    }
    // The highest pixel of the curve in a column, or -1.
    int CurveTop(int x) const
    {
        for (int y = 0; y < Height(); y++)
            if (IsCurve(At(x, y)))
                return y;
        return -1;
    }
    static bool IsCurve(COLORREF cr)
    {
        return GetRValue(cr) > 200 && GetGValue(cr) < 100;
    }
    bool operator==(const CPicture& other) const
    {
        return m_pixels == other.m_pixels;
    }

    CRect m_client;
    int m_top, m_right, m_bottom;
    std::vector<COLORREF> m_pixels;
};

// A chart in a host of its own, the chart's client area the given size.
template <class TChart> struct SPlaced
{
    std::unique_ptr<CHost> pHost;
    std::unique_ptr<TChart> pChart;
};

// Sizes the chart's window so that its client area is cx by cy.
void SetClientSize(CWnd& chart, int cx, int cy)
{
    CRect window, client;
    chart.GetWindowRect(&window);
    chart.GetClientRect(&client);
    chart.SetWindowPos(NULL, 0, 0, cx + window.Width() - client.Width(),
                       cy + window.Height() - client.Height(), SWP_NOMOVE | SWP_NOZORDER);
}

SPlaced<COScopeCtrl> PlaceScope(int cx, int cy)
{
    SPlaced<COScopeCtrl> placed;
    placed.pHost.reset(new CHost(20, 20, cx + 40, cy + 40));
    placed.pChart.reset(new COScopeCtrl);
    EXPECT_TRUE(placed.pChart->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, cx, cy), placed.pHost.get(), 1));
    SetClientSize(*placed.pChart, cx, cy);
    FrameworkPump(20);
    return placed;
}

SPlaced<CSolderProfilGraph> PlaceGraph(int cx, int cy, int x = 20, int y = 20)
{
    SPlaced<CSolderProfilGraph> placed;
    placed.pHost.reset(new CHost(x, y, cx + 40, cy + 40));
    placed.pChart.reset(new CSolderProfilGraph(CRect(0, 0, cx, cy), placed.pHost.get()));
    SetClientSize(*placed.pChart, cx, cy);
    FrameworkPump(20);
    return placed;
}

struct SProfile
{
    int nTinit, nT1, nTime, nT2, nT3;
};

void Show(CSolderProfilGraph& graph, const SProfile& p)
{
    graph.SetProfile(p.nTinit, p.nT1, p.nTime, p.nT2, p.nT3,
                     " \xB0"
                     "C");
}
} // namespace

TEST(ProfileGraph, LeftMarginHoldsTheLongerLimitWithItsPlaces)
{
    const struct
    {
        const char* name;
        bool bGraph;
        bool bSetRange;
        double dLower, dUpper;
        int nPlaces;
        int nMargin;
    } cases[] = {
        {"a new strip chart: -10 to 10, 3 places", false, false, 0, 0, 0, 48},
        {"0 to 210 without places", false, true, 0, 210, 0, 36},
        {"the profile graph of T3 200", true, false, 0, 0, 0, 36},
        {"-1000 to 5, 1 place", false, true, -1000, 5, 1, 48},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        int nLeft = -1;
        if (c.bGraph)
        {
            auto placed = PlaceGraph(400, 260);
            Show(*placed.pChart, {25, 150, 60, 180, 200});
            nLeft = CPicture(*placed.pChart).FrameLeft(kProfileGrid);
        }
        else
        {
            auto placed = PlaceScope(400, 260);
            if (c.bSetRange)
                placed.pChart->SetRange(c.dLower, c.dUpper, c.nPlaces);
            nLeft = CPicture(*placed.pChart).FrameLeft(kScopeGrid);
        }
        EXPECT_EQ(c.nMargin, nLeft);
    }
}

TEST(ProfileGraph, ValuesBeyondTheScaleLeaveTheTextsClean)
{
    auto placed = PlaceScope(300, 200);
    COScopeCtrl& scope = *placed.pChart;
    scope.SetPlotColor(kRed);
    for (int n = 0; n < 20; n++)
        scope.AppendPoint(0);
    CPicture before(scope);
    const int nTop = before.m_top, nBottom = before.m_bottom, nRight = before.m_right;
    const auto above = before.Rows(0, nTop);
    const auto below = before.Rows(nBottom + 1, before.Height() - 1);
    ASSERT_NE(below.end(), std::find(below.begin(), below.end(), kScopeGrid)) << "the axis texts are drawn";

    const double values[] = {1000, 10, 9.9, -1000, -10, 500, 0, -9.95, 1e12, -1e12, 0};
    for (double dValue : values)
    {
        SCOPED_TRACE(dValue);
        scope.AppendPoint(dValue);
        CPicture after(scope);
        EXPECT_TRUE(above == after.Rows(0, nTop)) << "above the plot and its top line";
        EXPECT_TRUE(below == after.Rows(nBottom + 1, after.Height() - 1)) << "the bottom line and the texts";
        for (int y = nTop; y <= nBottom + 1; y++)
            ASSERT_EQ(kScopeGrid, after.At(nRight + 1, y)) << "the frame's right edge, row " << y;
        // Far values reach the frame and stop there.
        if (dValue == 1000 || dValue == -1000)
        {
            EXPECT_TRUE(CPicture::IsCurve(after.At(nRight, dValue > 0 ? nTop + 1 : nBottom)));
        }
    }
}

TEST(ProfileGraph, TheSameProfileGivesTheSamePicture)
{
    auto placed = PlaceGraph(420, 260);
    CSolderProfilGraph& graph = *placed.pChart;
    const SProfile first = {25, 150, 60, 180, 220}, second = {40, 120, 0, 200, 240};
    Show(graph, first);
    CPicture once(graph);
    EXPECT_GT(once.Count(CPicture::IsCurve), 300) << "a curve is drawn";
    Show(graph, second);
    EXPECT_FALSE(once == CPicture(graph)) << "another profile looks different";
    Show(graph, first);
    EXPECT_TRUE(once == CPicture(graph)) << "shown again";
    graph.Redraw();
    EXPECT_TRUE(once == CPicture(graph)) << "redrawn";
    // Resized and back, as a dialog does before it redraws.
    SetClientSize(graph, 300, 200);
    graph.Redraw();
    SetClientSize(graph, 420, 260);
    graph.Redraw();
    EXPECT_TRUE(once == CPicture(graph)) << "resized and back";
}

TEST(ProfileGraph, RampsRiseAtTheirRates)
{
    // The seconds between two levels of a rise, measured on the curve's upper edge.
    const struct
    {
        const char* name;
        SProfile profile;
        int nFrom, nTo;
        double dSeconds;
    } cases[] = {
        {"t = 0: T1 to T2 at 2 degrees a second", {25, 100, 0, 180, 180}, 110, 170, 30},
        {"Tinit to T1 at 1.5 degrees a second", {25, 100, 0, 180, 180}, 35, 95, 40},
        {"T2 to T3 at 2 degrees a second", {25, 60, 0, 100, 180}, 110, 170, 30},
        {"t = 60: T1 to T2 straight in 60 s", {25, 100, 60, 180, 180}, 110, 170, 45},
    };
    auto placed = PlaceGraph(700, 440);
    CSolderProfilGraph& graph = *placed.pChart;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        Show(graph, c.profile);
        int nPlotWidth = 0;
        ASSERT_TRUE(graph.GetPlotWidth(nPlotWidth));
        CPicture picture(graph);
        const double dFactor =
            (picture.m_bottom - picture.m_top) / (graph.GetUpperLimit() - graph.GetLowerLimit());
        ASSERT_DOUBLE_EQ(c.profile.nT3 + 10, graph.GetUpperLimit());
        auto firstAt = [&](int nLevel) {
            const int yLevel = picture.m_bottom - (int)(nLevel * dFactor + 0.5);
            for (int x = picture.m_right - nPlotWidth + 1; x <= picture.m_right; x++)
            {
                const int y = picture.CurveTop(x);
                if (y >= 0 && y <= yLevel)
                    return x;
            }
            return -1;
        };
        const int xFrom = firstAt(c.nFrom), xTo = firstAt(c.nTo);
        ASSERT_GE(xFrom, 0);
        ASSERT_GE(xTo, 0);
        const double dPixelsPerSecond = nPlotWidth / kSeconds;
        EXPECT_NEAR(c.dSeconds * dPixelsPerSecond, xTo - xFrom, 3.0);
    }
}

TEST(ProfileGraph, APlotWithoutRoomDrawsNothing)
{
    // The graph's margin is 36 pixels, the right one 10: a client 46 wide leaves no plot.
    for (int cx : {46, 30})
    {
        SCOPED_TRACE(cx);
        auto placed = PlaceGraph(cx, 200);
        CSolderProfilGraph& graph = *placed.pChart;
        Show(graph, {25, 150, 60, 180, 200});
        int nWidth = 99;
        EXPECT_FALSE(graph.GetPlotWidth(nWidth));
        EXPECT_LE(nWidth, 0);
        CPicture picture(graph);
        EXPECT_EQ(0, picture.Count(CPicture::IsCurve));
    }
    // One pixel more draws.
    auto placed = PlaceGraph(47, 200);
    Show(*placed.pChart, {25, 150, 60, 180, 200});
    EXPECT_GT(CPicture(*placed.pChart).Count(CPicture::IsCurve), 0);
}

namespace
{
// The profile table's tab on a file of two sets.
class ProfileTabGraph : public ProgramKeyTest
{
  protected:
    void SetUp() override
    {
        ProgramKeyTest::SetUp();
        InitGridLibraryWithDefaultFactory();
        m_path = TempFolder() + "\\ProfilGraph.csv";
        {
            std::ofstream out(m_path, std::ios::binary | std::ios::trunc);
            out << "Board 1;Chip 1;Einl\xF6ten;150;60;180;220;217;7;IR-Sensor; \xB0"
                   "C;6,0 x 10 mm;6,0 x 10 mm;Links unten;40;1.000\r\n"
                   "Board 2;Chip 2;Einl\xF6ten;120;0;170;200;190;7;IR-Sensor; \xB0"
                   "F;6,0 x 10 mm;6,0 x 10 mm;Links unten;30;1.000\r\n";
        }
        WriteRawText(HKEY_LOCAL_MACHINE, "Settings", "ProfilFile", m_path);
        m_pConfig = new CProjektConfig(FALSE);
        CApplicationValues::SetProjektConfig(m_pConfig);
        GetIRControlApp()->m_bParameterSetsProtected = FALSE;
        ASSERT_TRUE(m_parent.CreateEx(WS_EX_TOPMOST, AfxRegisterWndClass(0), "Profile", WS_POPUP | WS_VISIBLE,
                                      CRect(10, 10, 900, 400), NULL, 0));
        m_pDlg = new CParameterSetDlg(&m_parent);
        ASSERT_TRUE(m_pDlg->Create(&m_parent));
        m_pDlg->MoveWindow(0, 0, 890, 390);
        m_pDlg->ShowWindow(SW_SHOW);
        m_parent.SetForegroundWindow();
        FrameworkPump(100);
    }
    void TearDown() override
    {
        if (m_pDlg != NULL)
            m_pDlg->DestroyWindow();
        delete m_pDlg;
        m_parent.DestroyWindow();
        CApplicationValues::SetProjektConfig(NULL);
        delete m_pConfig;
        ::DeleteFileA(m_path.c_str());
        ProgramKeyTest::TearDown();
    }
    // A graph of the same size away from the dialog, showing the profile.
    CPicture Reference(const SProfile& p, const char* pszUnit, CWnd* pLike = NULL)
    {
        CRect client;
        (pLike != NULL ? pLike : m_pDlg->GetGraph())->GetClientRect(&client);
        auto placed = PlaceGraph(client.Width(), client.Height(), 10, 420);
        placed.pChart->SetProfile(p.nTinit, p.nT1, p.nTime, p.nT2, p.nT3, pszUnit);
        return CPicture(*placed.pChart);
    }

    std::string m_path;
    CProjektConfig* m_pConfig = NULL;
    CWnd m_parent;
    CParameterSetDlg* m_pDlg = NULL;
};
} // namespace

TEST_F(ProfileTabGraph, ARowHeaderClickShowsItsSetInTheGraph)
{
    CSolderProfilGraph* pGraph = m_pDlg->GetGraph();
    ASSERT_TRUE(pGraph != NULL);
    // The graph covers the placeholder and scales with the dialog.
    CRect place, graph;
    m_pDlg->GetDlgItem(IDC_PROFILE_GRAPH)->GetWindowRect(&place);
    pGraph->GetWindowRect(&graph);
    EXPECT_EQ(place, graph);
    EXPECT_FALSE(m_pDlg->GetDlgItem(IDC_PROFILE_GRAPH)->IsWindowVisible());

    CMyBrowseGridWnd* pGrid = m_pDlg->GetGrid();
    for (ROWCOL nRow : {2u, 1u})
    {
        SCOPED_TRACE(nRow);
        CPoint pt = pGrid->CalcCellRect(nRow, 0).CenterPoint();
        pGrid->ClientToScreen(&pt);
        ClickAt(pt);
        EXPECT_EQ(nRow, pGrid->GetSelectedRow());
        const CPicture shown(*pGraph);
        const CPicture expected = nRow == 2 ? Reference({30, 120, 0, 170, 200}, " \xB0"
                                                                                "F")
                                            : Reference({40, 150, 60, 180, 220}, " \xB0"
                                                                                 "C");
        EXPECT_TRUE(shown == expected);
        EXPECT_GT(shown.Count(CPicture::IsCurve), 100);
    }
}

TEST_F(ProfileTabGraph, TheUserMaskShowsTheStationsProfile)
{
    CHost host(10, 10, 880, 300);
    CParameterDlg mask(NULL, &host);
    ASSERT_TRUE(mask.Create(&host));
    mask.MoveWindow(0, 0, 880, 300);
    mask.ShowWindow(SW_SHOW);
    FrameworkPump(50);
    CSolderProfilGraph* pGraph = mask.GetGraph();
    ASSERT_TRUE(pGraph != NULL);
    const SProfile profile = {35, 140, 0, 190, 230};
    mask.UpdateProfileGraph(profile.nTinit, profile.nT1, profile.nTime, profile.nT2, profile.nT3,
                            " \xB0"
                            "C");
    const CPicture shown(*pGraph);
    EXPECT_GT(shown.Count(CPicture::IsCurve), 100);
    EXPECT_TRUE(shown == Reference(profile,
                                   " \xB0"
                                   "C",
                                   pGraph));
    mask.DestroyWindow();
}
