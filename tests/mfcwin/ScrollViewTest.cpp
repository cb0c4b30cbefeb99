// CScrollView on a window of known client size: scroll ranges, positions and the logical to
// device conversion of its DC, in MM_TEXT and in MM_LOMETRIC.
#include "TestApp.h"
#include "TestSupport.h"

namespace
{
class CPlainScrollView : public CScrollView
{
  public:
    void OnDraw(CDC*) override
    {
    }
};

class ScrollViewTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), _T("parent"), WS_POPUP | WS_VISIBLE,
                                      CRect(0, 0, 600, 500), NULL, 0));
        m_pView = new CPlainScrollView; // deletes itself with its window
        ASSERT_TRUE(m_pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &m_parent,
                                    AFX_IDW_PANE_FIRST));
        m_cxBar = ::GetSystemMetrics(SM_CXVSCROLL);
        m_cyBar = ::GetSystemMetrics(SM_CYHSCROLL);
    }
    void TearDown() override
    {
        m_parent.DestroyWindow();
    }

    SCROLLINFO Info(int nBar)
    {
        SCROLLINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        m_pView->GetScrollInfo(nBar, &info);
        return info;
    }
    CPoint DeviceOf(CPoint ptLogical)
    {
        CClientDC dc(m_pView);
        m_pView->OnPrepareDC(&dc);
        dc.LPtoDP(&ptLogical);
        return ptLogical;
    }

    CWnd m_parent;
    CPlainScrollView* m_pView = NULL;
    int m_cxBar = 0;
    int m_cyBar = 0;
};

TEST_F(ScrollViewTest, TextModeWideDocumentNeedsOnlyTheHorizontalBar)
{
    m_pView->SetScrollSizes(MM_TEXT, CSize(1000, 150));
    EXPECT_EQ(CSize(1000, 150), m_pView->m_totalDev);
    EXPECT_EQ(CSize(100, 15), m_pView->m_pageDev);
    EXPECT_EQ(CSize(10, 1), m_pView->m_lineDev);
    DWORD dwStyle = m_pView->GetStyle();
    EXPECT_TRUE(dwStyle & WS_HSCROLL);
    EXPECT_FALSE(dwStyle & WS_VSCROLL);
    SCROLLINFO h = Info(SB_HORZ);
    EXPECT_EQ(0, h.nMin);
    EXPECT_EQ(999, h.nMax);
    EXPECT_EQ(300u, h.nPage);
    CRect client;
    m_pView->GetClientRect(&client);
    EXPECT_EQ(CRect(0, 0, 300, 200 - m_cyBar), client);

    m_pView->ScrollToPosition(CPoint(250, 40));
    EXPECT_EQ(CPoint(250, 0), m_pView->GetDeviceScrollPosition());
    EXPECT_EQ(CPoint(50, 10), DeviceOf(CPoint(300, 10)));
    m_pView->ScrollToPosition(CPoint(5000, 0));
    EXPECT_EQ(CPoint(700, 0), m_pView->GetScrollPosition());
    m_pView->ScrollToPosition(CPoint(-20, 0));
    EXPECT_EQ(CPoint(0, 0), m_pView->GetScrollPosition());

    m_pView->CenterOnPoint(CPoint(600, 50));
    EXPECT_EQ(CPoint(450, 0), m_pView->GetDeviceScrollPosition());

    // Scroll codes move by line and page and stop at the ends.
    m_pView->ScrollToPosition(CPoint(0, 0));
    m_pView->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0));
    EXPECT_EQ(10, m_pView->GetDeviceScrollPosition().x);
    m_pView->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0));
    EXPECT_EQ(110, m_pView->GetDeviceScrollPosition().x);
    m_pView->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_BOTTOM, 0));
    EXPECT_EQ(700, m_pView->GetDeviceScrollPosition().x);
    m_pView->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINEUP, 0));
    EXPECT_EQ(690, m_pView->GetDeviceScrollPosition().x);
}

TEST_F(ScrollViewTest, TextModeDocumentThatFitsHasNoBars)
{
    m_pView->SetScrollSizes(MM_TEXT, CSize(200, 100));
    EXPECT_FALSE(m_pView->GetStyle() & (WS_HSCROLL | WS_VSCROLL));
    m_pView->m_bCenter = TRUE;
    EXPECT_EQ(CPoint(50, 50), DeviceOf(CPoint(0, 0)));
}

TEST_F(ScrollViewTest, LometricSizesConvertThroughTheScreenResolution)
{
    // 20 cm by 30 cm; y grows upwards in this mode.
    m_pView->SetScrollSizes(MM_LOMETRIC, CSize(2000, 3000));
    HDC hScreen = ::GetDC(NULL);
    double pxPerMmX = (double)::GetDeviceCaps(hScreen, HORZRES) / ::GetDeviceCaps(hScreen, HORZSIZE);
    double pxPerMmY = (double)::GetDeviceCaps(hScreen, VERTRES) / ::GetDeviceCaps(hScreen, VERTSIZE);
    ::ReleaseDC(NULL, hScreen);
    EXPECT_NEAR(200 * pxPerMmX, m_pView->m_totalDev.cx, 1.0);
    EXPECT_NEAR(300 * pxPerMmY, m_pView->m_totalDev.cy, 1.0);

    DWORD dwStyle = m_pView->GetStyle();
    ASSERT_TRUE(dwStyle & WS_HSCROLL);
    ASSERT_TRUE(dwStyle & WS_VSCROLL);
    SCROLLINFO h = Info(SB_HORZ), v = Info(SB_VERT);
    EXPECT_EQ(m_pView->m_totalDev.cx - 1, h.nMax);
    EXPECT_EQ(m_pView->m_totalDev.cy - 1, v.nMax);
    EXPECT_EQ((UINT)(300 - m_cxBar), h.nPage);
    EXPECT_EQ((UINT)(200 - m_cyBar), v.nPage);

    // 5 cm right and 10 cm down.
    m_pView->ScrollToPosition(CPoint(500, -1000));
    CPoint dev = m_pView->GetDeviceScrollPosition();
    EXPECT_NEAR(50 * pxPerMmX, dev.x, 1.0);
    EXPECT_NEAR(100 * pxPerMmY, dev.y, 1.0);
    CPoint log = m_pView->GetScrollPosition();
    EXPECT_NEAR(500, log.x, 10 / pxPerMmX + 1);
    EXPECT_NEAR(-1000, log.y, 10 / pxPerMmY + 1);

    // The view's DC puts a logical point where the scroll position says.
    CPoint pt = DeviceOf(CPoint(1000, -1500));
    EXPECT_NEAR(100 * pxPerMmX - dev.x, pt.x, 1.0);
    EXPECT_NEAR(150 * pxPerMmY - dev.y, pt.y, 1.0);
}

TEST_F(ScrollViewTest, ScaleToFitMapsTheWholeDocumentOntoTheClient)
{
    m_pView->SetScaleToFitSize(CSize(3000, 1000));
    EXPECT_EQ(MM_SCALETOFIT, m_pView->m_nMapMode);
    EXPECT_EQ(CSize(300, 200), m_pView->m_totalDev);
    EXPECT_EQ(CPoint(300, 200), DeviceOf(CPoint(3000, 1000)));
    EXPECT_EQ(CPoint(150, 100), DeviceOf(CPoint(1500, 500)));
}
} // namespace
