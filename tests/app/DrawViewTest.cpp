// The drawing view on a drawing document in a frame: page geometry and conversions, axis labels,
// scales clamped to the layout ranges, the pixels of background, grid and ticks, and the zoom
// tools driven by real mouse and command messages.
#include "afxwin.h"
#include "AppIds.h"
#include "CreateContext.h"
#include "Rgn.h"
#include "TestSupport.h"
#include "app/DrawView.h"
#include "station/record/DrawDoc.h"
#include "station/record/DrawText.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
const COLORREF kBack = RGB(255, 255, 224);
const COLORREF kGrid = RGB(0, 0, 160);

class DrawViewTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_pDoc = new CDrawDoc;
        m_pDoc->m_bAutoDelete = FALSE;
        m_pDoc->SetLayout(1, TRUE, kBack, kGrid, 300, 60, 250, 50);
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(
            m_pFrame->Create(NULL, "Zeichnung", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 800, 600)));
        m_pView = new CDrawView;
        CCreateContext context;
        context.m_pCurrentDoc = m_pDoc;
        ASSERT_TRUE(m_pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 700, 500), m_pFrame,
                                    AFX_IDW_PANE_FIRST, &context));
        m_pView->OnInitialUpdate();
        m_pFrame->SetActiveView(m_pView);
        AfxGetApp()->m_pMainWnd = m_pFrame;
        CWindowDC dc(NULL);
        m_nDpiX = dc.GetDeviceCaps(LOGPIXELSX);
        m_nDpiY = dc.GetDeviceCaps(LOGPIXELSY);
    }
    void TearDown() override
    {
        CloseFrame();
        delete m_pDoc;
    }
    void CloseFrame()
    {
        AfxGetApp()->m_pMainWnd = NULL;
        if (m_pFrame != NULL)
            m_pFrame->DestroyWindow(); // the frame and the view delete themselves
        m_pFrame = NULL;
    }
    std::string Labels(CObList& labels)
    {
        std::string s;
        for (POSITION pos = labels.GetHeadPosition(); pos != NULL;)
            s += std::string("[") + (LPCTSTR)((CDrawText*)labels.GetNext(pos))->GetText() + "]";
        return s;
    }
    // The view drawn into a bitmap of its client size (no scroll offset, level 1).
    struct Picture
    {
        CDC dc;
        CBitmap bitmap;
        COLORREF At(int x, int y)
        {
            return ::GetPixel(dc.m_hDC, x, y);
        }
    };
    void Draw(Picture& picture)
    {
        CRect client;
        m_pView->GetClientRect(&client);
        CWindowDC screen(NULL);
        ASSERT_TRUE(picture.dc.CreateCompatibleDC(&screen));
        ASSERT_TRUE(picture.bitmap.CreateCompatibleBitmap(&screen, client.Width(), client.Height()));
        picture.dc.SelectObject(&picture.bitmap);
        picture.dc.FillSolidRect(&client, RGB(1, 2, 3));
        m_pView->OnPrepareDC(&picture.dc);
        m_pView->OnDraw(&picture.dc);
        picture.dc.SetMapMode(MM_TEXT);
        picture.dc.SetViewportOrg(0, 0);
    }
    void Send(UINT message, WPARAM wParam, CPoint pt)
    {
        m_pView->SendMessage(message, wParam, MAKELPARAM(pt.x, pt.y));
    }

    CDrawDoc* m_pDoc = NULL;
    CFrameWnd* m_pFrame = NULL;
    CDrawView* m_pView = NULL;
    int m_nDpiX = 96, m_nDpiY = 96;
};

TEST_F(DrawViewTest, PageGeometryAndConversions)
{
    // The default page of 9.6 x 5.9 inches in pixels; 60 on the left and 100 below are kept.
    int cx = ::MulDiv(960, m_nDpiX, 100), cy = ::MulDiv(590, m_nDpiY, 100);
    EXPECT_EQ(CRect(60, 0, cx, cy - 100), m_pView->GetPlotRect());
    EXPECT_EQ(CSize(cx, cy), m_pView->m_totalLog);
    const struct
    {
        int nPages;
        int t;
        int x;
    } times[] = {
        {1, 0, 60}, {1, 300, cx}, {1, 150, 60 + (cx - 60) / 2}, {2, 300, 60 + (cx - 60) / 2}, {2, 600, cx},
    };
    for (const auto& c : times)
    {
        m_pView->m_nTimePages = c.nPages;
        EXPECT_NEAR(c.x, m_pView->TimeToX(c.t), 1) << c.nPages << " " << c.t;
        EXPECT_NEAR(c.t, m_pView->XToTime(c.x), 1) << c.nPages << " " << c.x;
    }
    EXPECT_EQ(cy - 100, m_pView->TempToY(0));
    EXPECT_EQ(0, m_pView->TempToY(250));
    EXPECT_NEAR((cy - 100) / 2, m_pView->TempToY(125), 1);
    // A time equal to the base no longer fits on one page.
    EXPECT_EQ(2, m_pView->FitTimeAxis(300));
    EXPECT_EQ(600, m_pView->GetTimeSpan());
    int from = -1, to = -1;
    EXPECT_TRUE(m_pView->GetPrintSlice(from, to));
    EXPECT_EQ(1, m_pView->FitTimeAxis(299));
    EXPECT_FALSE(m_pView->GetPrintSlice(from, to));
    EXPECT_EQ(0, from);
    EXPECT_EQ(0, to);
    // Document and client coordinates: level 1 and no scroll offset, so they agree.
    CPoint pt(100, 50);
    m_pView->DocToClient(pt);
    EXPECT_EQ(CPoint(100, 50), pt);
}

TEST_F(DrawViewTest, AxisLabelsAreTextObjectsOfTheDocument)
{
    m_pView->CreateScaleLabels();
    EXPECT_EQ("[ 50][100][150][200][250]", Labels(m_pDoc->GetTempLabels()));
    EXPECT_EQ("[ 60s][120s][180s][240s]", Labels(m_pDoc->GetTimeLabels()));
    EXPECT_EQ(9, (int)m_pDoc->GetObjects().GetCount());
    CDrawText* pFirst = (CDrawText*)m_pDoc->GetTimeLabels().GetHead();
    EXPECT_TRUE(m_pView->IsTimeLabel(pFirst));
    int x = m_pView->TimeToX(60), bottom = m_pView->GetPlotRect().bottom;
    EXPECT_EQ(CRect(x, bottom + 5, x + 40, bottom + 15), pFirst->GetRect());
    LOGFONT font;
    pFirst->GetFont(font);
    EXPECT_EQ(10, font.lfHeight);
    // Built again, they replace the old ones.
    m_pDoc->SetLayout(1, TRUE, kBack, kGrid, 300, 100, 100, 25);
    m_pView->CreateScaleLabels();
    EXPECT_EQ("[ 25][ 50][ 75][100]", Labels(m_pDoc->GetTempLabels()));
    EXPECT_EQ("[100s][200s]", Labels(m_pDoc->GetTimeLabels()));
    EXPECT_EQ(6, (int)m_pDoc->GetObjects().GetCount());
    // The view takes them with it.
    CloseFrame();
    EXPECT_EQ(0, (int)m_pDoc->GetObjects().GetCount());
    EXPECT_EQ(0, (int)m_pDoc->GetTimeLabels().GetCount());
}

TEST_F(DrawViewTest, RebuiltLabelsAreRepainted)
{
    m_pView->CreateScaleLabels();
    auto clientRects = [&] {
        std::vector<CRect> rects;
        for (CObList* pLabels : {&m_pDoc->GetTempLabels(), &m_pDoc->GetTimeLabels()})
            for (POSITION pos = pLabels->GetHeadPosition(); pos != NULL;)
            {
                CRect rect = ((CDrawObject*)pLabels->GetNext(pos))->GetRect();
                m_pView->DocToClient(rect);
                rects.push_back(rect);
            }
        return rects;
    };
    std::vector<CRect> rects = clientRects();
    m_pView->ValidateRect(NULL);
    // Another unit or scale: the old texts and the new ones need painting, nothing else does it.
    m_pDoc->SetLayout(1, TRUE, kBack, kGrid, 300, 100, 100, 25);
    m_pView->CreateScaleLabels();
    for (const CRect& rect : clientRects())
        rects.push_back(rect);
    ASSERT_EQ(15u, rects.size());
    CRgn update;
    update.CreateRectRgn(0, 0, 0, 0);
    ::GetUpdateRgn(m_pView->m_hWnd, (HRGN)update.m_hObject, FALSE);
    CRect client;
    m_pView->GetClientRect(&client);
    int nSeen = 0;
    for (const CRect& rect : rects)
    {
        if ((rect & client) != rect)
            continue; // beyond the window: nothing to paint
        nSeen++;
        SCOPED_TRACE(testing::Message() << rect.left << "," << rect.top);
        EXPECT_TRUE(update.PtInRegion(rect.left, rect.top));
        EXPECT_TRUE(update.PtInRegion(rect.right - 1, rect.bottom - 1));
    }
    EXPECT_LE(10, nSeen);
}

// Scales of 0 from a file would divide by zero and never end the grid and label loops: the view
// draws with the layout page's ranges; the document keeps what it read.
TEST_F(DrawViewTest, ScalesAreClampedToTheLayoutRanges)
{
    const struct
    {
        int nTimeBase, nTimeInterval, nTempBase, nTempInterval;
        int nDrawnTimeBase, nDrawnTimeInterval, nDrawnTempBase, nDrawnTempInterval;
    } cases[] = {
        {0, 0, 0, 0, 100, 5, 100, 5},
        {-5, -1, -20, -3, 100, 5, 100, 5},
        {100000, 100000, 100000, 100000, 3600, 600, 500, 100},
        {300, 60, 250, 50, 300, 60, 250, 50},
    };
    for (const auto& c : cases)
    {
        m_pDoc->SetLayout(1, TRUE, kBack, kGrid, c.nTimeBase, c.nTimeInterval, c.nTempBase, c.nTempInterval);
        EXPECT_EQ(c.nDrawnTimeBase, m_pView->GetTimeBase());
        EXPECT_EQ(c.nDrawnTimeInterval, m_pView->GetTimeInterval());
        EXPECT_EQ(c.nDrawnTempBase, m_pView->GetTempBase());
        EXPECT_EQ(c.nDrawnTempInterval, m_pView->GetTempInterval());
        m_pView->CreateScaleLabels();
        EXPECT_EQ(c.nDrawnTempBase / c.nDrawnTempInterval, (int)m_pDoc->GetTempLabels().GetCount());
        Picture picture;
        Draw(picture);
        EXPECT_EQ(c.nTimeBase, m_pDoc->GetTimeBase());
        EXPECT_EQ(c.nTempInterval, m_pDoc->GetTempInterval());
    }
}

TEST_F(DrawViewTest, BackgroundGridAndTicksInPixels)
{
    Picture picture;
    Draw(picture);
    CRect plot = m_pView->GetPlotRect();
    EXPECT_EQ(kBack, picture.At(200, 100));
    // Solid lines along the top and the bottom of the plot.
    EXPECT_EQ(kGrid, picture.At(300, plot.bottom));
    EXPECT_EQ(kGrid, picture.At(300, plot.top));
    // A dotted line at 50 degrees: some of its pixels have the grid colour, the row below none.
    int y = m_pView->TempToY(50), nOn = 0, nBelow = 0;
    for (int x = 100; x < 140; x++)
    {
        nOn += picture.At(x, y) == kGrid;
        nBelow += picture.At(x, y + 3) == kGrid;
    }
    EXPECT_GE(nOn, 10);
    EXPECT_EQ(0, nBelow);
    // A tick at 60 s, two pixels right of its time, across the bottom line.
    int x = m_pView->TimeToX(60) + 2;
    EXPECT_EQ(kGrid, picture.At(x, plot.bottom - 4));
    EXPECT_EQ(kGrid, picture.At(x, plot.bottom + 4));
    EXPECT_EQ(kBack, picture.At(x, plot.bottom - 8));
    // Without the grid flag only the background is left there.
    m_pDoc->SetLayout(1, FALSE, kBack, kGrid, 300, 60, 250, 50);
    Picture plain;
    Draw(plain);
    EXPECT_EQ(kBack, plain.At(x, plot.bottom - 4));
    EXPECT_EQ(kBack, plain.At(300, plot.bottom));
}

// Update hints invalidate objects with a margin that is larger for the active view's selection;
// hint 3 deselects the objects of another list, never the selection itself.
TEST_F(DrawViewTest, UpdateHintsInvalidateObjectsAndTheSelection)
{
    CDrawText* pText = new CDrawText(CRect(100, 100, 140, 110), "x", kGrid);
    CDrawText* pOther = new CDrawText(CRect(300, 200, 320, 220), "y", kGrid);
    m_pDoc->AddObject(pText);
    m_pDoc->AddObject(pOther);
    m_pView->UpdateWindow();
    auto updated = [&](LPARAM lHint, CObject* pHint) {
        m_pView->ValidateRect(NULL);
        m_pView->OnUpdate(NULL, lHint, pHint);
        CRect rect;
        m_pView->GetUpdateRect(&rect);
        return rect;
    };
    EXPECT_EQ(CRect(90, 90, 150, 120), updated(1, pText));
    m_pView->GetSelection().AddTail(pText);
    EXPECT_TRUE(m_pView->IsActive());
    EXPECT_EQ(CRect(80, 80, 160, 130), updated(1, pText));
    EXPECT_EQ(CRect(80, 80, 160, 130), updated(2, NULL)); // the selection
    CRect client;
    m_pView->GetClientRect(&client);
    EXPECT_EQ(client, updated(0, NULL));
    // Hint 3 on the selection itself changes nothing; on another list it deselects.
    updated(3, NULL);
    EXPECT_TRUE(m_pView->IsSelected(pText));
    CObList list;
    list.AddTail(pText);
    list.AddTail(pOther);
    CRect both = updated(3, &list);
    EXPECT_EQ(CRect(80, 80, 330, 230), both);
    EXPECT_FALSE(m_pView->IsSelected(pText));
    m_pDoc->ForgetObject(pText);
    m_pDoc->ForgetObject(pOther);
    delete pText;
    delete pOther;
}

TEST_F(DrawViewTest, StepZoomByClicksAndTheCommandTogglesIt)
{
    m_pView->SendMessage(WM_COMMAND, ID_ZOOM_STEP);
    EXPECT_EQ(CZoomView::ToolStep, m_pView->GetZoomTool());
    const float afterClicks[] = {1.25f, 1.5625f};
    for (float f : afterClicks)
    {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, CPoint(200, 150));
        Send(WM_LBUTTONUP, 0, CPoint(200, 150));
        EXPECT_FLOAT_EQ(f, m_pView->GetZoomLevel());
    }
    Send(WM_RBUTTONUP, 0, CPoint(200, 150));
    EXPECT_FLOAT_EQ(1.25f, m_pView->GetZoomLevel());
    m_pView->SendMessage(WM_COMMAND, ID_ZOOM_STEP);
    EXPECT_EQ(CZoomView::ToolNone, m_pView->GetZoomTool());
    Send(WM_RBUTTONUP, 0, CPoint(200, 150));
    EXPECT_FLOAT_EQ(1.25f, m_pView->GetZoomLevel());
    // Actual size and fit to window.
    m_pView->SendMessage(WM_COMMAND, ID_ZOOM_ACTUAL);
    EXPECT_FLOAT_EQ(1.0f, m_pView->GetZoomLevel());
    m_pView->SendMessage(WM_COMMAND, ID_ZOOM_FIT);
    EXPECT_EQ(SECZoomView::SEC_ZOOMFIT, m_pView->GetZoomMode());
    EXPECT_LT(m_pView->GetZoomLevel(), 1.0f);
    EXPECT_FALSE(m_pView->GetStyle() & (WS_HSCROLL | WS_VSCROLL));
    // Step zoom from fit mode starts at the fitted level.
    float fFitted = m_pView->GetZoomLevel();
    m_pView->SendMessage(WM_COMMAND, ID_ZOOM_STEP);
    EXPECT_EQ(SECZoomView::SEC_ZOOMNORMAL, m_pView->GetZoomMode());
    EXPECT_FLOAT_EQ(fFitted, m_pView->GetZoomLevel());
}

TEST_F(DrawViewTest, ARectangleDraggedBackwardsIsNormalised)
{
    m_pView->SendMessage(WM_COMMAND, ID_ZOOM_RECT);
    EXPECT_EQ(CZoomView::ToolRect, m_pView->GetZoomTool());
    Send(WM_LBUTTONDOWN, MK_LBUTTON, CPoint(300, 250));
    EXPECT_EQ(m_pView->m_hWnd, ::GetCapture());
    Send(WM_MOUSEMOVE, MK_LBUTTON, CPoint(200, 200));
    Send(WM_MOUSEMOVE, MK_LBUTTON, CPoint(100, 150));
    CRect client;
    m_pView->GetClientRect(&client);
    Send(WM_LBUTTONUP, 0, CPoint(100, 150));
    EXPECT_EQ(NULL, ::GetCapture());
    // 200 x 100 units: the width limits.
    float sx = (float)(client.right + 1) / 200.0f, sy = (float)(client.bottom + 1) / 100.0f;
    ASSERT_LT(sx, sy);
    EXPECT_FLOAT_EQ(sx, m_pView->GetZoomLevel());
    EXPECT_EQ(CZoomView::ToolNone, m_pView->GetZoomTool());
}

TEST_F(DrawViewTest, TheWheelZoomsOnlyWithExactlyTheLeftButton)
{
    CRect window;
    m_pView->GetWindowRect(&window);
    CPoint pt = window.TopLeft() + CPoint(100, 100);
    const struct
    {
        UINT nKeys;
        short zDelta;
        float fLevel;
    } cases[] = {
        {0, WHEEL_DELTA, 1.0f},
        {MK_LBUTTON | MK_CONTROL, WHEEL_DELTA, 1.0f},
        {MK_LBUTTON | MK_SHIFT, -WHEEL_DELTA, 1.0f},
        {MK_LBUTTON, WHEEL_DELTA, 1.25f},
        {MK_LBUTTON, -WHEEL_DELTA, 1.0f},
    };
    for (const auto& c : cases)
    {
        m_pView->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(c.nKeys, (WORD)c.zDelta), MAKELPARAM(pt.x, pt.y));
        EXPECT_FLOAT_EQ(c.fLevel, m_pView->GetZoomLevel()) << c.nKeys << " " << c.zDelta;
    }
    // Without the left button the wheel scrolls.
    m_pView->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)-WHEEL_DELTA), MAKELPARAM(pt.x, pt.y));
    EXPECT_GT(m_pView->GetDeviceScrollPosition().y, 0);
}

TEST_F(DrawViewTest, PanningOnlyWhenThePageDoesNotFit)
{
    // Fitted: a drag starts no pan.
    m_pView->SendMessage(WM_COMMAND, ID_ZOOM_FIT);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, CPoint(200, 150));
    EXPECT_FALSE(m_pView->IsPanning());
    EXPECT_EQ(NULL, ::GetCapture());
    Send(WM_LBUTTONUP, 0, CPoint(200, 150));
    // Larger than the window: the page follows the mouse.
    m_pView->SendMessage(WM_COMMAND, ID_ZOOM_ACTUAL);
    m_pView->ZoomPercent(200);
    m_pView->ScrollToPosition(CPoint(0, 0));
    Send(WM_LBUTTONDOWN, MK_LBUTTON, CPoint(300, 250));
    EXPECT_TRUE(m_pView->IsPanning());
    Send(WM_MOUSEMOVE, MK_LBUTTON, CPoint(250, 220));
    EXPECT_EQ(CPoint(50, 30), m_pView->GetDeviceScrollPosition());
    Send(WM_LBUTTONUP, 0, CPoint(250, 220));
    EXPECT_FALSE(m_pView->IsPanning());
    EXPECT_EQ(CPoint(50, 30), m_pView->GetDeviceScrollPosition());
}

TEST_F(DrawViewTest, MouseInputOnlyWhileTheViewIsActive)
{
    m_pView->SendMessage(WM_COMMAND, ID_ZOOM_STEP);
    m_pFrame->SetActiveView(NULL);
    EXPECT_FALSE(m_pView->IsActive());
    Send(WM_LBUTTONUP, 0, CPoint(200, 150));
    EXPECT_FLOAT_EQ(1.0f, m_pView->GetZoomLevel());
    m_pFrame->SetActiveView(m_pView);
    EXPECT_TRUE(m_pView->IsActive());
    Send(WM_LBUTTONUP, 0, CPoint(200, 150));
    EXPECT_FLOAT_EQ(1.25f, m_pView->GetZoomLevel());
}
} // namespace
