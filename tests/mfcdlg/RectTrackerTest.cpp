// The rectangle tracker: which part a point hits, drags and resizes run from mouse messages
// queued for its loop, cancelling, rubber bands, and what Draw paints.
#include "DlgTestApp.h"
#include "RectTracker.h"
#include "TestSupport.h"

using namespace testing_support;

namespace
{
struct TrackerWindow
{
    TrackerWindow()
    {
        wnd.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1)),
                     _T("Rahmen"), WS_POPUP | WS_VISIBLE, CRect(300, 300, 600, 600), NULL, 0);
    }
    ~TrackerWindow()
    {
        wnd.DestroyWindow();
    }
    void Post(UINT message, int x, int y, WPARAM wParam = 0)
    {
        ::PostMessage(wnd.m_hWnd, message, wParam, MAKELPARAM(x, y));
    }
    CWnd wnd;
};

const CRect kRect(50, 50, 150, 130);

TEST(RectTracker, HitTestFindsHandlesSidesAndMiddle)
{
    CRectTracker tracker(kRect, CRectTracker::resizeInside | CRectTracker::solidLine);
    const struct
    {
        CPoint point;
        int hit;
    } rows[] = {
        {CPoint(52, 52), CRectTracker::hitTopLeft},       {CPoint(148, 52), CRectTracker::hitTopRight},
        {CPoint(148, 128), CRectTracker::hitBottomRight}, {CPoint(52, 128), CRectTracker::hitBottomLeft},
        {CPoint(100, 52), CRectTracker::hitTop},          {CPoint(148, 90), CRectTracker::hitRight},
        {CPoint(100, 128), CRectTracker::hitBottom},      {CPoint(52, 90), CRectTracker::hitLeft},
        {CPoint(100, 90), CRectTracker::hitMiddle},       {CPoint(10, 10), CRectTracker::hitNothing},
        {CPoint(151, 90), CRectTracker::hitNothing},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.hit, tracker.HitTest(row.point)) << row.point.x << "," << row.point.y;

    // Turned inside out, the handles swap their meaning.
    tracker.m_rect.SetRect(150, 50, 50, 130);
    EXPECT_EQ(CRectTracker::hitTopRight, tracker.HitTest(CPoint(52, 52)));
    // A small rectangle has corner handles only.
    tracker.m_rect.SetRect(0, 0, 16, 16);
    EXPECT_EQ(0x0Fu, tracker.GetHandleMask());
}

TEST(RectTracker, TrackMovesResizesAndCancels)
{
    const struct
    {
        CPoint start;
        std::vector<CPoint> moves;
        CPoint up; // (-1, -1): Escape instead
        CRect expected;
        BOOL bChanged;
    } rows[] = {
        {CPoint(100, 90), {CPoint(105, 95)}, CPoint(110, 100), CRect(60, 60, 160, 140), TRUE},
        {CPoint(148, 128), {CPoint(170, 150)}, CPoint(198, 168), CRect(50, 50, 200, 170), TRUE},
        {CPoint(100, 90), {CPoint(130, 120)}, CPoint(-1, -1), kRect, FALSE},
        {CPoint(52, 52),
         {CPoint(120, 120)},
         CPoint(200, 200),
         CRect(150, 130, 198, 198),
         TRUE},                                                              // crossed over, kept 2 px off
        {CPoint(100, 90), {}, CPoint(100, 90), kRect, FALSE},                // a click changes nothing
        {CPoint(148, 90), {}, CPoint(52, 90), CRect(50, 50, 58, 130), TRUE}, // stops at the minimum width
    };
    TrackerWindow window;
    ASSERT_NE(nullptr, window.wnd.m_hWnd);
    PumpMessages(30);
    for (const auto& row : rows)
    {
        CRectTracker tracker(kRect, CRectTracker::resizeInside | CRectTracker::solidLine);
        for (CPoint move : row.moves)
            window.Post(WM_MOUSEMOVE, move.x, move.y, MK_LBUTTON);
        if (row.up.x < 0)
            ::PostMessage(window.wnd.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 1);
        else
            window.Post(WM_LBUTTONUP, row.up.x, row.up.y);
        EXPECT_EQ(row.bChanged, tracker.Track(&window.wnd, row.start)) << row.start.x << "," << row.start.y;
        EXPECT_EQ(row.expected, tracker.m_rect) << row.start.x << "," << row.start.y;
        EXPECT_EQ(nullptr, ::GetCapture());
    }
}

TEST(RectTracker, RubberBandSpansFromThePointToTheRelease)
{
    TrackerWindow window;
    CRectTracker tracker;
    window.Post(WM_MOUSEMOVE, 30, 20, MK_LBUTTON);
    window.Post(WM_LBUTTONUP, 40, 30);
    EXPECT_TRUE(tracker.TrackRubberBand(&window.wnd, CPoint(10, 10)));
    EXPECT_EQ(CRect(10, 10, 40, 30), tracker.m_rect);

    window.Post(WM_LBUTTONUP, 0, 0); // up and left: inside out when allowed
    EXPECT_TRUE(tracker.TrackRubberBand(&window.wnd, CPoint(20, 20), TRUE));
    EXPECT_EQ(CRect(20, 20, 0, 0), tracker.m_rect);
    window.Post(WM_LBUTTONUP, 0, 0);
    EXPECT_TRUE(tracker.TrackRubberBand(&window.wnd, CPoint(20, 20), FALSE));
    EXPECT_EQ(CRect(0, 0, 20, 20), tracker.m_rect);
}

TEST(RectTracker, DrawPaintsBorderAndHandles)
{
    HDC hScreen = ::GetDC(NULL);
    CDC dc;
    dc.Attach(::CreateCompatibleDC(hScreen));
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, 200, 200);
    ::ReleaseDC(NULL, hScreen);
    HGDIOBJ hOld = ::SelectObject(dc.m_hDC, hBitmap);
    CRect all(0, 0, 200, 200);
    ::FillRect(dc.m_hDC, &all, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    CRectTracker tracker(kRect, CRectTracker::resizeInside | CRectTracker::solidLine);
    tracker.Draw(&dc);
    EXPECT_EQ(RGB(0, 0, 0), ::GetPixel(dc.m_hDC, 50, 90));   // left border
    EXPECT_EQ(RGB(0, 0, 0), ::GetPixel(dc.m_hDC, 52, 52));   // top-left handle
    EXPECT_EQ(RGB(0, 0, 0), ::GetPixel(dc.m_hDC, 100, 128)); // bottom handle
    EXPECT_EQ(RGB(255, 255, 255), ::GetPixel(dc.m_hDC, 100, 90));
    EXPECT_EQ(RGB(255, 255, 255), ::GetPixel(dc.m_hDC, 40, 40));
    ::SelectObject(dc.m_hDC, hOld);
    ::DeleteObject(hBitmap);
}
} // namespace
