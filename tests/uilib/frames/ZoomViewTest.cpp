// The zoom view on a window of known client size: sizes and map modes, levels and their limits,
// the zoom operations per mode, fitting to the window, the mapping on screen and in print.
#include "afxwin.h"
#include "uilib/frames/views/ZoomView.h"
#include <gtest/gtest.h>
#include <vector>

namespace
{
class CTestZoomView : public SECZoomView
{
  public:
    void OnDraw(CDC*) override
    {
    }
    void OnZoomLevelChanging(BOOL bBelowMinimum, float fRequested) override
    {
        m_changing.push_back(std::make_pair(bBelowMinimum, fRequested));
    }
    std::vector<std::pair<BOOL, float>> m_changing;
};

class ZoomViewTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), _T("parent"), WS_POPUP | WS_VISIBLE,
                                      CRect(0, 0, 800, 700), NULL, 0));
        m_pView = new CTestZoomView; // deletes itself with its window
        ASSERT_TRUE(m_pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 400), &m_parent,
                                    AFX_IDW_PANE_FIRST));
    }
    void TearDown() override
    {
        m_parent.DestroyWindow();
    }
    CPoint DeviceOf(CPoint pt)
    {
        CClientDC dc(m_pView);
        m_pView->OnPrepareDC(&dc);
        dc.LPtoDP(&pt);
        return pt;
    }

    CWnd m_parent;
    CTestZoomView* m_pView = NULL;
};

TEST_F(ZoomViewTest, ScrollSizesTakeOnlyTheScalingMapModes)
{
    const struct
    {
        int nMapMode;
        CSize total;
        int nExpectedMode;
        CSize expectedTotal;
    } cases[] = {
        {MM_TEXT, CSize(1000, 500), MM_ANISOTROPIC, CSize(1000, 500)},
        {MM_LOMETRIC, CSize(1000, 500), MM_ANISOTROPIC, CSize(1000, 500)},
        {MM_ISOTROPIC, CSize(300, 200), MM_ISOTROPIC, CSize(300, 200)},
        {MM_ANISOTROPIC, CSize(0, 0), MM_ANISOTROPIC, CSize(1, 1)},
        {MM_ANISOTROPIC, CSize(0, 5), MM_ANISOTROPIC, CSize(0, 5)},
    };
    for (const auto& c : cases)
    {
        m_pView->SetScrollSizes(c.nMapMode, c.total);
        EXPECT_EQ(c.nExpectedMode, m_pView->m_nMapMode) << c.nMapMode;
        EXPECT_EQ(c.expectedTotal, m_pView->m_totalLog) << c.nMapMode;
        // Converted 1:1: the device size at level 1.0 equals the logical one.
        EXPECT_EQ(c.expectedTotal, m_pView->m_totalDev) << c.nMapMode;
        EXPECT_EQ(c.expectedTotal, m_pView->m_szOrigTotalDev) << c.nMapMode;
    }
}

TEST_F(ZoomViewTest, PageAndLineSizesFollowTheZoomedSize)
{
    m_pView->SetZoomMode(SECZoomView::SEC_ZOOMNORMAL);
    m_pView->SetScrollSizes(MM_ANISOTROPIC, CSize(1000, 500));
    EXPECT_EQ(CSize(100, 50), m_pView->m_pageDev);
    EXPECT_EQ(CSize(10, 5), m_pView->m_lineDev);
    m_pView->SetZoomLevel(2.0f);
    EXPECT_EQ(CSize(1000, 500), m_pView->m_totalDev); // not applied yet
    m_pView->UpdateZoomedView(NULL);
    EXPECT_EQ(CSize(2000, 1000), m_pView->m_totalDev);
    EXPECT_EQ(CSize(200, 100), m_pView->m_pageDev);
    EXPECT_EQ(CSize(20, 10), m_pView->m_lineDev);
    // Given page and line sizes are device pixels, not scaled.
    m_pView->SetScrollSizes(MM_ANISOTROPIC, CSize(333, 100), CSize(40, 30), CSize(4, 3));
    m_pView->ZoomPercent(150);
    EXPECT_EQ(499, m_pView->m_totalDev.cx); // 499.5 truncated
    EXPECT_EQ(CSize(40, 30), m_pView->m_pageDev);
    EXPECT_EQ(CSize(4, 3), m_pView->m_lineDev);
}

TEST_F(ZoomViewTest, OperationsActOnlyInTheirMode)
{
    m_pView->SetScrollSizes(MM_ANISOTROPIC, CSize(1000, 500));
    for (int nMode : {SECZoomView::SEC_ZOOMOFF, SECZoomView::SEC_ZOOMPANOVER, SECZoomView::SEC_ZOOMFIT})
    {
        m_pView->SetZoomMode(nMode);
        m_pView->ZoomIn(NULL, 1.25f);
        m_pView->ZoomOut(NULL, 2.0f);
        m_pView->ZoomPercent(300);
        CRect rect(0, 0, 100, 100);
        m_pView->ZoomToRect(&rect);
        if (nMode != SECZoomView::SEC_ZOOMFIT)
            m_pView->ZoomFit();
        EXPECT_EQ(1.0f, m_pView->GetZoomLevel()) << nMode;
    }
    m_pView->SetZoomMode(SECZoomView::SEC_ZOOMNORMAL);
    m_pView->ZoomFit();
    EXPECT_EQ(1.0f, m_pView->GetZoomLevel());
    m_pView->ZoomIn(NULL, 1.25f);
    EXPECT_EQ(1.25f, m_pView->GetZoomLevel());
    m_pView->ZoomIn(NULL, 1.25f);
    EXPECT_EQ(1.5625f, m_pView->GetZoomLevel());
    m_pView->ZoomOut(NULL, 1.25f);
    EXPECT_EQ(1.25f, m_pView->GetZoomLevel());
    EXPECT_EQ(CSize(1250, 625), m_pView->m_totalDev);
    m_pView->ZoomActualSize(NULL);
    EXPECT_EQ(1.0f, m_pView->GetZoomLevel());
    EXPECT_EQ(CSize(1000, 500), m_pView->m_totalDev);
}

TEST_F(ZoomViewTest, LimitsRejectOrClampOutOfRangeLevels)
{
    m_pView->SetScrollSizes(MM_ANISOTROPIC, CSize(1000, 500));
    m_pView->SetZoomMinMax(0.5f, 4.0f);
    m_pView->SetZoomMode(SECZoomView::SEC_ZOOMNORMAL);
    m_pView->SetZoomLevel(8.0f);
    EXPECT_EQ(1.0f, m_pView->GetZoomLevel());
    ASSERT_EQ(1u, m_pView->m_changing.size());
    EXPECT_FALSE(m_pView->m_changing[0].first);
    EXPECT_EQ(8.0f, m_pView->m_changing[0].second);
    m_pView->SetZoomLevel(3.0f);
    EXPECT_EQ(3.0f, m_pView->GetZoomLevel());
    m_pView->ZoomPercent(800); // limits are not consulted
    EXPECT_EQ(8.0f, m_pView->GetZoomLevel());

    m_pView->SetZoomMode(SECZoomView::SEC_ZOOMFIT);
    m_pView->SetZoomLevel(8.0f);
    EXPECT_EQ(4.0f, m_pView->GetZoomLevel());
    m_pView->SetZoomLevel(0.25f);
    EXPECT_EQ(0.5f, m_pView->GetZoomLevel());
    ASSERT_EQ(3u, m_pView->m_changing.size());
    EXPECT_TRUE(m_pView->m_changing[2].first);
    // A maximum left at -1.0 rejects every positive level.
    m_pView->SetZoomMinMax(0.5f, -1.0f);
    m_pView->SetZoomMode(SECZoomView::SEC_ZOOMNORMAL);
    m_pView->SetZoomLevel(2.0f);
    EXPECT_EQ(0.5f, m_pView->GetZoomLevel());
}

TEST_F(ZoomViewTest, FitModeKeepsTheWholeDocumentVisible)
{
    m_pView->SetScrollSizes(MM_ANISOTROPIC, CSize(1000, 500));
    m_pView->SetZoomMode(SECZoomView::SEC_ZOOMFIT);
    m_pView->ZoomFit();
    EXPECT_FLOAT_EQ(0.4f, m_pView->GetZoomLevel());
    EXPECT_EQ(CSize(400, 200), m_pView->m_totalDev);
    EXPECT_FALSE(m_pView->GetStyle() & (WS_HSCROLL | WS_VSCROLL));
    // Centred vertically in the 400 x 400 client.
    EXPECT_EQ(CPoint(0, 100), DeviceOf(CPoint(0, 0)));
    EXPECT_EQ(CPoint(400, 300), DeviceOf(CPoint(1000, 500)));
    // Every resize fits again.
    m_pView->MoveWindow(0, 0, 600, 700);
    EXPECT_FLOAT_EQ(0.6f, m_pView->GetZoomLevel());
    EXPECT_EQ(CSize(600, 300), m_pView->m_totalDev);
}

TEST_F(ZoomViewTest, ZoomingKeepsTheCentrePointInTheMiddle)
{
    m_pView->SetScrollSizes(MM_ANISOTROPIC, CSize(1000, 1000));
    m_pView->SetZoomMode(SECZoomView::SEC_ZOOMNORMAL);
    CRect client;
    CPoint centre(600, 700);
    m_pView->ZoomIn(&centre, 1.25f);
    m_pView->GetClientRect(&client);
    CPoint dev = DeviceOf(centre);
    EXPECT_NEAR(client.Width() / 2, dev.x, 1);
    EXPECT_NEAR(client.Height() / 2, dev.y, 1);
    // A rectangle is normalised; the level is the smaller of the two ratios.
    CRect rect(500, 400, 300, 300); // dragged from bottom-right to top-left
    m_pView->ZoomToRect(&rect);
    // 200 x 100 logical units into a client of about 380 x 380: the width limits.
    EXPECT_FLOAT_EQ((float)(client.right + 1) / 200.0f, m_pView->GetZoomLevel());
    m_pView->GetClientRect(&client);
    dev = DeviceOf(CPoint(400, 350));
    EXPECT_NEAR(client.Width() / 2, dev.x, 2);
    EXPECT_NEAR(client.Height() / 2, dev.y, 2);
    // A rectangle without area changes nothing.
    float fLevel = m_pView->GetZoomLevel();
    CRect line(100, 100, 300, 100);
    m_pView->ZoomToRect(&line);
    EXPECT_EQ(fLevel, m_pView->GetZoomLevel());
}

TEST_F(ZoomViewTest, OverviewModeDrawsWithoutScrollOffset)
{
    m_pView->SetScrollSizes(MM_ANISOTROPIC, CSize(1000, 1000));
    m_pView->SetZoomMode(SECZoomView::SEC_ZOOMNORMAL);
    m_pView->ScrollToPosition(CPoint(100, 50));
    EXPECT_EQ(CPoint(-100, -50), DeviceOf(CPoint(0, 0)));
    m_pView->SetZoomMode(SECZoomView::SEC_ZOOMPANOVER);
    EXPECT_EQ(CPoint(0, 0), DeviceOf(CPoint(0, 0)));
}

TEST_F(ZoomViewTest, PrintingFillsThePageWithTheAspectKept)
{
    CSize target(4000, 6000), offset(0, 0);
    SECZoomView::FitSizeToAspect(CSize(1000, 500), target, offset);
    EXPECT_EQ(CSize(4000, 2000), target);
    EXPECT_EQ(CSize(0, 4000), offset);
    target = CSize(6000, 1000);
    SECZoomView::FitSizeToAspect(CSize(1000, 500), target, offset);
    EXPECT_EQ(CSize(2000, 1000), target);
    EXPECT_EQ(CSize(4000, 0), offset);

    // A DC marked as printing: its own resolution, the level and scroll position play no part.
    m_pView->SetScrollSizes(MM_ANISOTROPIC, CSize(1000, 500));
    m_pView->SetZoomMode(SECZoomView::SEC_ZOOMNORMAL);
    m_pView->ZoomPercent(300);
    CClientDC dc(m_pView);
    dc.m_bPrinting = TRUE;
    int cx = dc.GetDeviceCaps(HORZRES), cy = dc.GetDeviceCaps(VERTRES);
    m_pView->OnPrepareDC(&dc);
    dc.m_bPrinting = FALSE;
    CSize page(cx, cy), spare(0, 0);
    SECZoomView::FitSizeToAspect(CSize(1000, 500), page, spare);
    CPoint pts[2] = {CPoint(0, 0), CPoint(1000, 500)};
    dc.LPtoDP(pts, 2);
    EXPECT_EQ(CPoint(spare.cx / 2, spare.cy / 2), pts[0]);
    EXPECT_EQ(CPoint(spare.cx / 2 + page.cx, spare.cy / 2 + page.cy), pts[1]);
}
} // namespace
