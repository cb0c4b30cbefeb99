// The digit display: which segments each character lights, the fit of the rounded outlines,
// centring, and texts handed over from another thread.
#include "Input.h"
#include "TestSupport.h"
#include "app/Digistring.h"
#include <algorithm>
#include <fstream>
#include <math.h>
#include <map>
#include <sstream>
#include <atomic>
#include <thread>

using namespace testing_support;
using namespace dialogs_test;

namespace
{
const int kScale = 4; // pixels per design unit where the tests set the size

// A display as a top-level window of its own, so its pixels can be read back.
class CDisplay : public CDigistring
{
  public:
    CDisplay(int cx, int cy, int x = 20)
    {
        CreateEx(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, x, 20, cx, cy, NULL, 0);
        FrameworkPump(20);
    }
    ~CDisplay() override
    {
        DestroyWindow();
    }
    void Paint()
    {
        UpdateWindow();
    }
    COLORREF Pixel(int x, int y)
    {
        HDC hDC = ::GetDC(m_hWnd);
        COLORREF cr = ::GetPixel(hDC, x, y);
        ::ReleaseDC(m_hWnd, hDC);
        return cr;
    }
    // Lit when the green channel is nearer the lit colour (or its pen) than the unlit one.
    bool IsLit(int x, int y)
    {
        return GetGValue(Pixel(x, y)) > 120;
    }
    bool HasUpdate()
    {
        return ::GetUpdateRect(m_hWnd, NULL, FALSE) != FALSE;
    }
    std::vector<COLORREF> Snapshot()
    {
        CRect rc;
        GetClientRect(&rc);
        std::vector<COLORREF> pixels;
        HDC hDC = ::GetDC(m_hWnd);
        for (int y = 0; y < rc.Height(); y += 2)
            for (int x = 0; x < rc.Width(); x += 2)
                pixels.push_back(::GetPixel(hDC, x, y));
        ::ReleaseDC(m_hWnd, hDC);
        return pixels;
    }
};

// A point well inside a segment: of the design grid's points inside the polygon of its outline
// points, the one farthest from the polygon's edges (curves keep close to their points).
double DistanceToSegment(double px, double py, POINT a, POINT b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((px - a.x) * dx + (py - a.y) * dy) / len2 : 0;
    t = std::max(0.0, std::min(1.0, t));
    const double ex = a.x + t * dx - px, ey = a.y + t * dy - py;
    return sqrt(ex * ex + ey * ey);
}

CPoint Inside(const CDigiSegment& segment, int nLeft)
{
    const int n = segment.GetCount();
    const POINT* p = segment.GetPoints();
    std::vector<POINT> scaled(p, p + n);
    for (POINT& pt : scaled)
    {
        pt.x *= 16;
        pt.y *= 16;
    }
    HRGN hRgn = ::CreatePolygonRgn(scaled.data(), n, ALTERNATE);
    double best = -1, bx = 0, by = 0;
    for (double y = 0.5; y < 83; y += 0.5)
        for (double x = 0.5; x < 49; x += 0.5)
        {
            if (!::PtInRegion(hRgn, (int)(x * 16), (int)(y * 16)))
                continue;
            double d = 1e9;
            for (int i = 0; i < n; i++)
                d = std::min(d, DistanceToSegment(x, y, p[i], p[(i + 1) % n]));
            if (d > best)
            {
                best = d;
                bx = x;
                by = y;
            }
        }
    ::DeleteObject(hRgn);
    return CPoint(nLeft + (int)(bx * kScale + 0.5), (int)(by * kScale + 0.5));
}

// The character of the text, as the display builds it.
std::unique_ptr<CDigiChar> CharFor(char ch, DWORD dwStyle, WORD wMask)
{
    std::unique_ptr<CDigiChar> p;
    if (ch == '.' || ch == ':')
        p.reset(new CDigiColonDotChar);
    else if (isalpha((unsigned char)ch) || ch == '*' || ch == '+' || (dwStyle & DIGI_14SEGMENT))
        p.reset(new CDigi14Segment);
    else
        p.reset(new CDigi7Segment);
    p->SetSegments(wMask, dwStyle);
    return p;
}

TEST(DigistringTest, EachCharacterLightsItsSegments)
{
    struct Case
    {
        char ch;
        WORD w7;  // seven-segment mask (digits, blank, minus)
        WORD w14; // fourteen-segment mask
    };
    const Case cases[] = {
        {' ', 0x00, 0x0000}, {'0', 0x77, 0x3F00}, {'1', 0x24, 0x1800}, {'2', 0x5D, 0x36C0},
        {'3', 0x6D, 0x3CC0}, {'4', 0x2E, 0x19C0}, {'5', 0x6B, 0x2DC0}, {'6', 0x7B, 0x2FC0},
        {'7', 0x25, 0x3800}, {'8', 0x7F, 0x3FC0}, {'9', 0x6F, 0x3DC0}, {'-', 0x08, 0x00C0},
        {'A', 0, 0x3BC0},    {'B', 0, 0x3CA1},    {'C', 0, 0x2700},    {'D', 0, 0x3C21},
        {'E', 0, 0x27C0},    {'F', 0, 0x23C0},    {'G', 0, 0x2F80},    {'H', 0, 0x1BC0},
        {'I', 0, 0x2421},    {'J', 0, 0x1E00},    {'K', 0, 0x0354},    {'L', 0, 0x0700},
        {'M', 0, 0x1B06},    {'N', 0, 0x1B12},    {'O', 0, 0x3F00},    {'P', 0, 0x33C0},
        {'Q', 0, 0x3F10},    {'R', 0, 0x33D0},    {'S', 0, 0x2DC0},    {'T', 0, 0x2021},
        {'U', 0, 0x1F00},    {'V', 0, 0x030C},    {'W', 0, 0x1B18},    {'X', 0, 0x001E},
        {'Y', 0, 0x11E0},    {'Z', 0, 0x240C},    {'*', 0, 0x00FF},    {'+', 0, 0x00E1},
        {'.', 0x04, 0},      {':', 0x03, 0},
    };
    CDisplay display(49 * kScale, 83 * kScale);
    for (DWORD dwStyle : {0u, 1u, 2u, 3u})
    {
        display.ModifyDisplayStyle(0xFFFFFFFF & ~dwStyle, dwStyle);
        for (const Case& c : cases)
        {
            const bool b14 = isalpha((unsigned char)c.ch) || c.ch == '*' || c.ch == '+' ||
                             ((dwStyle & DIGI_14SEGMENT) && c.ch != '.' && c.ch != ':');
            const bool bColon = c.ch == '.' || c.ch == ':';
            const WORD wMask = bColon ? c.w7 : b14 ? c.w14 : c.w7;
            std::unique_ptr<CDigiChar> pChar = CharFor(c.ch, dwStyle, wMask);
            // One character fills the window; the colon-dot character is narrower.
            display.SetWindowPos(NULL, 0, 0, pChar->GetWidth() * kScale, 83 * kScale,
                                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            display.SetText(CString(c.ch));
            display.Paint();
            for (int i = 0; i < pChar->GetSegmentCount(); i++)
            {
                CPoint pt = Inside(pChar->GetSegment(i), 0);
                EXPECT_EQ((wMask >> i & 1) != 0, display.IsLit(pt.x, pt.y))
                    << "'" << c.ch << "' style " << dwStyle << " segment " << i;
            }
        }
    }
}

TEST(DigistringTest, RoundedOutlinesFitAsTheSecondFitDoes)
{
    std::ifstream in(TEST_SOURCE_DIR "bezier_fit.txt");
    ASSERT_TRUE(in.good());
    std::map<char, std::vector<double>> expected;
    std::string line;
    while (std::getline(in, line))
    {
        std::istringstream fields(line);
        char key;
        fields >> key;
        double v;
        while (fields >> v)
            expected[key].push_back(v);
    }
    ASSERT_EQ(7u, expected.size());
    // The outlines as is: seven-segment 0, 1, 2 and fourteen-segment 0, 1, 8, 13.
    CDigi7Segment seven;
    seven.SetSegments(0, DIGI_ROUNDED);
    CDigi14Segment fourteen;
    fourteen.SetSegments(0, DIGI_ROUNDED);
    const std::pair<char, const CDigiSegment*> outlines[] = {
        {'D', &seven.GetSegment(0)},     {'E', &seven.GetSegment(1)},    {'F', &seven.GetSegment(2)},
        {'M', &fourteen.GetSegment(0)},  {'N', &fourteen.GetSegment(1)}, {'P', &fourteen.GetSegment(8)},
        {'Q', &fourteen.GetSegment(13)},
    };
    for (const auto& o : outlines)
    {
        std::vector<double> controls = o.second->GetCurveControls(0, 0, 49, 83, 49);
        ASSERT_EQ(expected[o.first].size(), controls.size()) << o.first;
        for (size_t i = 0; i < controls.size(); i++)
            EXPECT_NEAR(expected[o.first][i], controls[i], 1e-6) << o.first << " " << i;
    }
}

TEST(DigistringTest, TextRulesAndCentring)
{
    CDisplay display(400, 120);
    EXPECT_FALSE(display.ModifyDisplayStyle(1, 1));
    EXPECT_EQ((DWORD)DIGI_PROPORTIONAL, display.GetDisplayStyle());
    EXPECT_TRUE(display.ModifyDisplayStyle(0, DIGI_ROUNDED | DIGI_PROPORTIONAL));

    // "," and "/" draw nothing: the window stays background.
    display.SetText(",/");
    display.Paint();
    for (const auto& cr : display.Snapshot())
        ASSERT_EQ(RGB(0, 0, 0), cr);

    // "---.-C": three minus, a point, a minus and a C, centred.
    display.SetText("---.-C");
    display.Paint();
    const double W = 5 * 49 + 18, s = std::min(400.0 / W, 120.0 / 83);
    const double x0 = (400 - W * s) / 2, y0 = (120 - 83 * s) / 2;
    int nLeft = 400, nRight = -1, nTop = 120, nBottom = -1;
    HDC hDC = ::GetDC(display.m_hWnd);
    for (int y = 0; y < 120; y++)
        for (int x = 0; x < 400; x++)
            if (::GetPixel(hDC, x, y) != RGB(0, 0, 0))
            {
                nLeft = std::min(nLeft, x);
                nRight = std::max(nRight, x);
                nTop = std::min(nTop, y);
                nBottom = std::max(nBottom, y);
            }
    ::ReleaseDC(display.m_hWnd, hDC);
    // The outer outlines: the first minus's upper left bar from x 4, the C's right bars to x 44
    // of its cell; the top bars from y 4, the bottom ones to y 78.
    EXPECT_NEAR(x0 + 4 * s, nLeft, 1.0);
    EXPECT_NEAR(x0 + (4 * 49 + 18 + 44) * s, nRight, 1.0);
    EXPECT_NEAR(y0 + 4 * s, nTop, 1.0);
    EXPECT_NEAR(y0 + 78 * s, nBottom, 1.0);

    // The same text again paints nothing; lower case shows as upper case.
    display.SetText("---.-C");
    EXPECT_FALSE(display.HasUpdate());
    display.SetText("abc");
    display.Paint();
    EXPECT_EQ(CString("ABC"), display.GetText());
    std::vector<COLORREF> lower = display.Snapshot();
    display.SetText("ABC");
    EXPECT_FALSE(display.HasUpdate());
    CDisplay upper(400, 120, 440);
    upper.ModifyDisplayStyle(0, DIGI_ROUNDED);
    upper.SetText("ABC");
    upper.Paint();
    EXPECT_EQ(upper.Snapshot(), lower);
}

TEST(DigistringTest, TextsFromAnotherThreadEndWithTheLast)
{
    CDisplay display(300, 80);
    std::atomic<bool> bDone(false);
    std::thread setter([&] {
        for (int i = 0; i < 10000; i++)
            display.SetText(i % 2 ? "12.5C" : "-88.8");
        bDone = true;
    });
    while (!bDone)
        FrameworkPump(5);
    setter.join();
    display.Paint();
    EXPECT_EQ(CString("12.5C"), display.GetText());
    CDisplay reference(300, 80, 340);
    reference.SetText("12.5C");
    reference.Paint();
    EXPECT_EQ(reference.Snapshot(), display.Snapshot());
}
} // namespace
