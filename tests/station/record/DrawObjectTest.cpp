// Drawing objects: hit tests, drag and position clamps, growing point arrays, pixels of a
// polyline, of bar runs and of a text in a memory DC, and printed slices.
#include "RecordTestView.h"
#include "TestSupport.h"
#include "station/record/ApplicationValues.h"
#include "station/record/DrawLine.h"
#include "station/record/DrawPolyRect.h"
#include "station/record/DrawPolyline.h"
#include "station/record/DrawText.h"
#include "station/record/IRControlDoc.h"

using namespace testing_support;

namespace
{
const COLORREF kWhite = RGB(255, 255, 255);

// A 24-bit memory DC, white; printing when asked.
class CCanvas
{
  public:
    explicit CCanvas(BOOL bPrinting = FALSE)
    {
        HDC hScreen = ::GetDC(NULL);
        m_dc.Attach(::CreateCompatibleDC(hScreen));
        m_hBitmap = ::CreateCompatibleBitmap(hScreen, 120, 60);
        ::ReleaseDC(NULL, hScreen);
        m_hOld = ::SelectObject(m_dc.m_hDC, m_hBitmap);
        m_dc.FillSolidRect(0, 0, 120, 60, kWhite);
        m_dc.m_bPrinting = bPrinting;
    }
    ~CCanvas()
    {
        ::SelectObject(m_dc.m_hDC, m_hOld);
        ::DeleteObject(m_hBitmap);
        ::DeleteDC(m_dc.Detach());
    }
    CDC* DC()
    {
        return &m_dc;
    }
    COLORREF At(int x, int y)
    {
        return m_dc.GetPixel(x, y);
    }
    bool AnyOf(COLORREF color, const CRect& area)
    {
        for (int y = area.top; y < area.bottom; y++)
            for (int x = area.left; x < area.right; x++)
                if (m_dc.GetPixel(x, y) == color)
                    return true;
        return false;
    }

  private:
    CDC m_dc;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
};

CDrawPolyline* Polyline(std::initializer_list<POINT> points, COLORREF color)
{
    CDrawPolyline* pLine = new CDrawPolyline(CRect(0, 0, 1, -1));
    for (POINT p : points)
        pLine->AddPoint(p, NULL);
    pLine->SetLineColor(color);
    return pLine;
}

} // namespace

TEST(DrawObjects, HitTestsOfTheBaseAndOfALine)
{
    // The base counts y upwards: left <= x < right and bottom < y <= top.
    CDrawObject object(CRect(10, 50, 30, 20));
    struct Case
    {
        POINT at;
        int expected;
    };
    for (const Case& c :
         {Case{{10, 50}, 1}, Case{{29, 21}, 1}, Case{{30, 30}, 0}, Case{{20, 20}, 0}, Case{{9, 30}, 0}})
        EXPECT_EQ(c.expected, object.HitTest(CPoint(c.at), NULL, FALSE)) << c.at.x << "," << c.at.y;
    // Selected without a view: handle rectangles are empty, nothing is hit.
    EXPECT_EQ(0, object.HitTest(CPoint(10, 50), NULL, TRUE));

    // A line: all edges inclusive, selected or not.
    CDrawLine line(CRect(10, 0, 12, 100));
    for (const Case& c : {Case{{12, 100}, 1}, Case{{10, 0}, 1}, Case{{13, 50}, 0}, Case{{11, 101}, 0}})
    {
        EXPECT_EQ(c.expected, line.HitTest(CPoint(c.at), NULL, FALSE));
        EXPECT_EQ(c.expected, line.HitTest(CPoint(c.at), NULL, TRUE));
    }
}

TEST(DrawObjects, LineDragAndPositionStayWithinTheirLimits)
{
    CDrawLine line(CRect(10, 0, 12, 100));
    line.SetDragRange(CRect(5, 0, 50, 100));
    line.MoveHandleTo(1, 80, 33);
    EXPECT_EQ(CRect(48, 0, 50, 100), line.GetRect());
    line.MoveHandleTo(1, 0, 33);
    EXPECT_EQ(CRect(3, 0, 5, 100), line.GetRect());
    line.MoveHandleTo(7, 20, 0);
    EXPECT_EQ(CRect(18, 0, 20, 100), line.GetRect());

    line.SetMinimum(0);
    line.SetMaximum(100);
    struct Case
    {
        int min, max, set, expected;
    };
    for (const Case& c :
         {Case{0, 100, 150, 100}, Case{0, 100, -5, 0}, Case{0, 100, 42, 42}, Case{50, 40, 45, 50}})
    {
        line.SetMinimum(c.min);
        line.SetMaximum(c.max);
        line.SetPosition(c.set);
        EXPECT_EQ(c.expected, line.GetPosition()) << c.set;
    }
    line.SetMinimum(0);
    line.SetMaximum(300);
    line.SetPosition(7);
    EXPECT_STREQ("Zeitpunkt:   7 s", line.GetPositionText());
}

TEST(DrawObjects, PointsGrowTenAtATimeAndRepeatsAreDropped)
{
    CDrawPolyline line(CRect(0, 0, 1, -1));
    line.AddPoint(POINT{5, 5}, NULL);
    line.AddPoint(POINT{5, 5}, NULL);
    EXPECT_EQ(1, line.GetPointCount());
    EXPECT_EQ(CRect(5, 5, 5, 5), line.GetRect()); // one point: a degenerate box
    for (int i = 1; i <= 9; i++)
        line.AddPoint(POINT{5 + i, 5 - i}, NULL);
    EXPECT_EQ(10, line.GetCapacity());
    line.AddPoint(POINT{20, 30}, NULL);
    EXPECT_EQ(11, line.GetPointCount());
    EXPECT_EQ(20, line.GetCapacity());
    EXPECT_EQ(CRect(5, -4, 20, 30), line.GetRect());
    // Moving a point moves the bounds; moving the line moves its points.
    line.MoveHandleTo(11, 40, 30);
    EXPECT_EQ(40, line.GetRect().right);
    line.MoveTo(CRect(15, -4, 50, 30));
    EXPECT_EQ(15, line.GetPoint(0).x);
}

TEST(DrawObjects, PolylineBarsAndTextLeaveTheirPixels)
{
    CCanvas canvas;
    std::unique_ptr<CDrawPolyline> line(Polyline({{10, 10}, {50, 10}}, RGB(255, 0, 0)));
    line->Draw(canvas.DC());
    EXPECT_EQ(RGB(255, 0, 0), canvas.At(30, 10));
    EXPECT_EQ(kWhite, canvas.At(30, 20));

    // Runs from (10,0) (20,1) (30,1) (40,0) (50,1): bars 20-40 and 50-50.
    EXPECT_EQ(
        (std::vector<std::pair<int, int>>{{20, 40}, {50, 50}}),
        CDrawPolyRect::FindRuns(std::vector<POINT>{{10, 0}, {20, 1}, {30, 1}, {40, 0}, {50, 1}}.data(), 5));
    CDrawPolyRect bars(CRect(0, 30, 1, 44), 10);
    for (POINT p : {POINT{10, 0}, POINT{20, 1}, POINT{30, 1}, POINT{40, 0}, POINT{50, 1}})
        bars.AddPoint(p, NULL);
    EXPECT_EQ(50, bars.GetRect().right);
    bars.SetFillColor(RGB(0, 0, 255));
    bars.SetFrameColor(RGB(0, 128, 0));
    bars.Draw(canvas.DC());
    EXPECT_EQ(RGB(0, 0, 255), canvas.At(30, 35));
    EXPECT_EQ(RGB(0, 128, 0), canvas.At(20, 35)); // the frame
    EXPECT_EQ(kWhite, canvas.At(45, 35));         // between the runs
    EXPECT_EQ(kWhite, canvas.At(30, 41));         // below the bar height

    CCanvas textCanvas;
    CDrawText text(CRect(0, 0, 100, 30), "WWW", RGB(200, 0, 0));
    text.Draw(textCanvas.DC());
    EXPECT_TRUE(textCanvas.AnyOf(RGB(200, 0, 0), CRect(0, 0, 100, 30)));
    EXPECT_FALSE(textCanvas.AnyOf(RGB(200, 0, 0), CRect(0, 31, 100, 60)));
}

TEST(DrawObjects, PrintedSlicesKeepTheirPageOnly)
{
    CIRControlDoc doc;
    CViewOfDocument shown(&doc);
    CTestDrawView* pView = shown.View();
    pView->m_bPrintSlice = TRUE;
    pView->m_nPrintFrom = 20;
    pView->m_nPrintTo = 40;

    // Points at 10..40; the slice keeps 20 and 30 and starts them at the first x (10).
    std::unique_ptr<CDrawPolyline> line(Polyline({{10, 10}, {20, 10}, {30, 10}, {40, 10}}, RGB(255, 0, 0)));
    CCanvas printing(TRUE);
    line->Draw(printing.DC());
    EXPECT_EQ(RGB(255, 0, 0), printing.At(15, 10));
    EXPECT_EQ(kWhite, printing.At(25, 10)); // 40 is the slice's end: left out

    // A line outside the slice is not drawn; inside it moves to the plot's left edge.
    CDrawLine marker(CRect(28, 0, 30, 50));
    marker.SetLineColor(RGB(0, 0, 255));
    CCanvas markers(TRUE);
    marker.Draw(markers.DC());
    EXPECT_TRUE(markers.AnyOf(RGB(0, 0, 255), CRect(69, 10, 72, 40))); // 30 - 20 + 60
    CDrawLine outside(CRect(48, 0, 50, 50));
    outside.SetLineColor(RGB(0, 0, 255));
    CCanvas none(TRUE);
    outside.Draw(none.DC());
    EXPECT_FALSE(none.AnyOf(RGB(0, 0, 255), CRect(0, 0, 120, 60)));

    // Not printing: everything as it is.
    CCanvas screen;
    line->Draw(screen.DC());
    EXPECT_EQ(RGB(255, 0, 0), screen.At(35, 10));
}
