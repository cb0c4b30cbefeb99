// The pan view and its overview window: pan drags in both modes, the scroll limits and missing
// bars, the overview's lifetime, its tracking rectangle and dragging it.
#include "afxwin.h"
#include "uilib/frames/views/PanView.h"
#include "uilib/frames/views/PanWnd.h"
#include "FramesIds.h"
#include <gtest/gtest.h>

namespace
{
class CTestPanView : public SECPanView
{
  public:
    CTestPanView()
    {
        SetZoomMode(SEC_ZOOMNORMAL);
    }
    void OnDraw(CDC* pDC) override
    {
        m_nDraws++;
        pDC->Rectangle(0, 0, m_totalLog.cx, m_totalLog.cy);
    }
    int m_nDraws = 0;
};

class PanViewTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), _T("parent"), WS_POPUP | WS_VISIBLE,
                                      CRect(0, 0, 800, 700), NULL, 0));
        m_pView = new CTestPanView; // deletes itself with its window
        ASSERT_TRUE(m_pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 300), &m_parent,
                                    AFX_IDW_PANE_FIRST));
    }
    void TearDown() override
    {
        ::ClipCursor(NULL);
        m_parent.DestroyWindow();
    }
    // The overview's client point that shows a logical point of the view.
    CPoint OverviewPoint(SECPanWnd* pOverview, CPoint pt)
    {
        m_pView->BeginOverviewDraw(pOverview);
        CClientDC dc(pOverview);
        m_pView->OnPrepareDC(&dc);
        dc.LPtoDP(&pt);
        m_pView->EndOverviewDraw();
        return pt;
    }

    CWnd m_parent;
    CTestPanView* m_pView = NULL;
};

TEST_F(PanViewTest, ContinuousPanFollowsTheMouseAndEndPanScrollsTheRest)
{
    m_pView->SetScrollSizes(MM_ANISOTROPIC, CSize(1000, 1000));
    struct
    {
        int nPanMode;
        CPoint afterMove; // device scroll position after ContinuePan
    } cases[] = {{1, CPoint(50, 30)}, {0, CPoint(0, 0)}};
    for (const auto& c : cases)
    {
        m_pView->ScrollToPosition(CPoint(0, 0));
        m_pView->SetPanMode(c.nPanMode);
        CPoint anchor(200, 200);
        m_pView->BeginPan(&anchor, IDC_SEC_PANWND_DRAG);
        EXPECT_TRUE(m_pView->IsPanning());
        EXPECT_EQ(m_pView->m_hWnd, ::GetCapture());
        // The mouse moved 50 left and 30 up: the document follows it.
        CPoint moved(150, 170);
        m_pView->ContinuePan(&moved);
        EXPECT_EQ(c.afterMove, m_pView->GetDeviceScrollPosition()) << c.nPanMode;
        // In mode 1 the anchor lies under the cursor again; the release point is that point.
        CPoint release = c.nPanMode == 1 ? anchor : moved;
        m_pView->EndPan(&release);
        EXPECT_FALSE(m_pView->IsPanning());
        EXPECT_EQ(NULL, ::GetCapture());
        EXPECT_EQ(CPoint(50, 30), m_pView->GetDeviceScrollPosition()) << c.nPanMode;
    }
}

TEST_F(PanViewTest, NoScrollAndNoRepaintAtTheLimitOrWithoutABar)
{
    m_pView->SetScrollSizes(MM_ANISOTROPIC, CSize(1000, 1000));
    m_pView->SetPanMode(1);
    m_pView->UpdateWindow();
    int nDraws = m_pView->m_nDraws;
    CPoint anchor(100, 100), moved(150, 150);
    m_pView->BeginPan(&anchor, IDC_SEC_PANWND_DRAG);
    m_pView->ContinuePan(&moved); // would scroll to a negative position
    m_pView->EndPan(&moved);
    EXPECT_EQ(CPoint(0, 0), m_pView->GetDeviceScrollPosition());
    CRect update;
    EXPECT_FALSE(m_pView->GetUpdateRect(&update));
    EXPECT_EQ(nDraws, m_pView->m_nDraws);

    // Narrow and tall: no horizontal bar, so only the vertical part of a pan scrolls.
    m_pView->SetScrollSizes(MM_ANISOTROPIC, CSize(200, 1000));
    ASSERT_FALSE(m_pView->GetStyle() & WS_HSCROLL);
    ASSERT_TRUE(m_pView->GetStyle() & WS_VSCROLL);
    CPoint from(100, 300), to(60, 260);
    m_pView->BeginPan(&from, IDC_SEC_PANWND_DRAG);
    m_pView->ContinuePan(&to);
    m_pView->EndPan(&from);
    EXPECT_EQ(CPoint(0, 40), m_pView->GetDeviceScrollPosition());
}

TEST_F(PanViewTest, OverviewWindowsAreKeptUntilTheViewGoes)
{
    m_pView->SetScrollSizes(MM_ANISOTROPIC, CSize(1000, 1000));
    ASSERT_TRUE(m_pView->ShowOverviewWnd(CRect(400, 100, 600, 300)));
    SECPanWnd* pFirst = m_pView->GetOverviewWnd();
    ASSERT_TRUE(pFirst != NULL && ::IsWindow(pFirst->m_hWnd));
    CString strTitle;
    pFirst->GetWindowText(strTitle);
    EXPECT_EQ(CString("\xDC"
                      "bersicht Fenster"),
              strTitle); // the window text is ANSI
    EXPECT_TRUE(pFirst->GetExStyle() & WS_EX_TOPMOST);
    EXPECT_EQ((DWORD)(WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU),
              pFirst->GetStyle() & 0xFFFF0000);
    // The tracking rectangle is the visible part of the view.
    CRect client;
    m_pView->GetClientRect(&client);
    EXPECT_EQ(CRect(0, 0, client.right, client.bottom), pFirst->GetViewRect());
    m_pView->ScrollToPosition(CPoint(0, 0));
    m_pView->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0));
    EXPECT_EQ(CRect(0, 100, client.right, client.bottom + 100), pFirst->GetViewRect());

    // Closed by its system menu: the view forgets it, keeps the object and makes a new one.
    pFirst->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(NULL, m_pView->GetOverviewWnd());
    EXPECT_EQ(NULL, pFirst->m_hWnd);
    ASSERT_TRUE(m_pView->ShowOverviewWnd(CRect(400, 100, 600, 300)));
    SECPanWnd* pSecond = m_pView->GetOverviewWnd();
    ASSERT_TRUE(pSecond != NULL);
    EXPECT_NE(pFirst, pSecond);
    EXPECT_EQ(2, (int)m_pView->m_overviews.GetCount());
    // Showing it again moves it.
    m_pView->ShowOverviewWnd(CRect(420, 120, 620, 320));
    CRect window;
    pSecond->GetWindowRect(&window);
    EXPECT_EQ(CRect(420, 120, 620, 320), window);
    HWND hSecond = pSecond->m_hWnd;
    EXPECT_TRUE(m_pView->CloseOverviewWnd());
    EXPECT_FALSE(::IsWindow(hSecond));
    ASSERT_TRUE(m_pView->ShowOverviewWnd(CRect(400, 100, 600, 300)));
    HWND hThird = m_pView->GetOverviewWnd()->m_hWnd;
    m_pView->DestroyWindow(); // deletes the view and its three overview objects
    m_pView = NULL;
    EXPECT_FALSE(::IsWindow(hThird));
}

TEST_F(PanViewTest, DraggingTheRectangleScrollsTheView)
{
    m_pView->SetScrollSizes(MM_ANISOTROPIC, CSize(1000, 1000));
    m_pView->SetPanMode(1);
    ASSERT_TRUE(m_pView->ShowOverviewWnd(CRect(400, 100, 600, 300)));
    SECPanWnd* pOverview = m_pView->GetOverviewWnd();
    CPoint down = OverviewPoint(pOverview, CPoint(50, 50));
    CPoint move = OverviewPoint(pOverview, CPoint(250, 150));
    // A press outside the rectangle starts nothing.
    CPoint outside = OverviewPoint(pOverview, CPoint(900, 900));
    pOverview->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(outside.x, outside.y));
    EXPECT_FALSE(pOverview->IsDragging());

    pOverview->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
    ASSERT_TRUE(pOverview->IsDragging());
    pOverview->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(move.x, move.y));
    // The overview's pixels are coarse: the view moved by about 200 x 100 logical units.
    CPoint pos = m_pView->GetDeviceScrollPosition();
    EXPECT_NEAR(200, pos.x, 6);
    EXPECT_NEAR(100, pos.y, 6);
    EXPECT_NEAR(pos.x, pOverview->GetViewRect().left, 6);
    pOverview->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(move.x, move.y));
    EXPECT_FALSE(pOverview->IsDragging());
    EXPECT_EQ(pos, m_pView->GetDeviceScrollPosition()); // nothing left to scroll

    // Pan mode 0: the view moves only when the button is released.
    m_pView->SetPanMode(0);
    CPoint back = OverviewPoint(pOverview, CPoint(pOverview->GetViewRect().left + 10, 150));
    CPoint left = OverviewPoint(pOverview, CPoint(pOverview->GetViewRect().left - 90, 150));
    pOverview->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(back.x, back.y));
    pOverview->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(left.x, left.y));
    EXPECT_EQ(pos, m_pView->GetDeviceScrollPosition());
    pOverview->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(left.x, left.y));
    EXPECT_NEAR(pos.x - 100, m_pView->GetDeviceScrollPosition().x, 6);
}

TEST_F(PanViewTest, ARectangleWiderThanTheOverviewStartsAtZeroAndCannotMoveSideways)
{
    // 100 x 300 units, centred in a 300 x 300 view: the visible part is three times the
    // document's width; a narrow, tall overview shows it wider than itself.
    m_pView->SetScrollSizes(MM_ANISOTROPIC, CSize(100, 300));
    ASSERT_TRUE(m_pView->ShowOverviewWnd(CRect(400, 100, 500, 300)));
    SECPanWnd* pOverview = m_pView->GetOverviewWnd();
    CRect client;
    m_pView->GetClientRect(&client);
    const CRect& track = pOverview->GetViewRect();
    EXPECT_EQ(0, track.left);
    EXPECT_EQ(client.Width(), track.Width());
    CPoint down = OverviewPoint(pOverview, CPoint(50, 100));
    pOverview->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
    ASSERT_TRUE(pOverview->IsDragging());
    CRect clip;
    ::GetClipCursor(&clip);
    EXPECT_EQ(0, clip.Width());
    pOverview->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(down.x, down.y));
}
} // namespace
