// Window containers of layout trees: coordinate conversions through the host window, reparenting,
// and laying every frame out again after a docking drag (not while suppressed).
#include "TestSupport.h"
#include "uilib/frames/layout/LNContainer.h"

using namespace testing_support;

namespace
{
class CCountingFrame : public CFrameWnd
{
  public:
    int m_nLayouts = 0;
    void RecalcLayout(BOOL bNotify) override
    {
        ++m_nLayouts;
        CFrameWnd::RecalcLayout(bNotify);
    }
};

TEST(WindowContainerTest, RecalcAllFramesLaysOutTheMainWindowUnlessSuppressed)
{
    CCountingFrame* pFrame = new CCountingFrame;
    ASSERT_TRUE(pFrame->Create(NULL, _T("Haupt"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    CWnd* pOldMain = AfxGetApp()->m_pMainWnd;
    AfxGetApp()->m_pMainWnd = pFrame;
    pFrame->m_nLayouts = 0;
    SECLNHwndContainer::RecalcAllFrames(TRUE);
    EXPECT_EQ(pFrame->m_nLayouts, 1);
    SECLNHwndContainer::SuppressRecalc(TRUE);
    EXPECT_TRUE(SECLNHwndContainer::IsRecalcSuppressed());
    SECLNHwndContainer::RecalcAllFrames(TRUE);
    SECLNHwndContainer container(pFrame);
    container.RecalcContainerLayout(TRUE);
    EXPECT_EQ(pFrame->m_nLayouts, 1);
    SECLNHwndContainer::SuppressRecalc(FALSE);
    container.RecalcContainerLayout(TRUE);
    EXPECT_EQ(pFrame->m_nLayouts, 2);
    AfxGetApp()->m_pMainWnd = pOldMain;
    pFrame->DestroyWindow();
}

TEST(WindowContainerTest, ConversionsGoThroughTheHostWindow)
{
    CWnd host, parent;
    LPCTSTR lpszClass = AfxRegisterWndClass(0);
    ASSERT_TRUE(
        host.CreateEx(0, lpszClass, _T("Wirt"), WS_POPUP | WS_VISIBLE, 120, 90, 200, 100, NULL, NULL));
    ASSERT_TRUE(parent.CreateEx(0, lpszClass, _T("Neu"), WS_POPUP, 0, 0, 50, 50, NULL, NULL));
    CWnd child;
    ASSERT_TRUE(child.Create(_T("STATIC"), _T(""), WS_CHILD, CRect(0, 0, 10, 10), &host, 1));
    SECLNHwndContainer container(&host);
    POINT origin = {0, 0};
    host.ClientToScreen(&origin);
    struct Case
    {
        POINT pt;
    } cases[] = {{{0, 0}}, {{15, 25}}, {{-5, 7}}};
    for (const Case& c : cases)
    {
        POINT pt = c.pt;
        EXPECT_TRUE(container.NodeToScreen(&pt));
        EXPECT_EQ(pt.x, c.pt.x + origin.x);
        EXPECT_EQ(pt.y, c.pt.y + origin.y);
        EXPECT_TRUE(container.ScreenToNode(&pt));
        EXPECT_EQ(pt.x, c.pt.x);
        EXPECT_EQ(pt.y, c.pt.y);
    }
    RECT rc = {1, 2, 30, 40};
    EXPECT_TRUE(container.ClientToScreen(&rc));
    EXPECT_EQ(rc.left, 1 + origin.x);
    EXPECT_EQ(rc.bottom, 40 + origin.y);
    POINT ptOrigin = {5, 5};
    EXPECT_TRUE(container.GetNodeOrigin(ptOrigin));
    EXPECT_EQ(ptOrigin.x, 0);
    EXPECT_EQ(ptOrigin.y, 0);
    EXPECT_EQ(container.GetContainerHwnd(), host.m_hWnd);

    // Reparenting the container's window; a missing window or parent does nothing.
    SECLNHwndContainer childContainer(&child);
    EXPECT_FALSE(childContainer.ReparentContainer(NULL));
    EXPECT_EQ(::GetParent(child.m_hWnd), host.m_hWnd);
    EXPECT_TRUE(childContainer.ReparentContainer(parent.m_hWnd));
    EXPECT_EQ(::GetParent(child.m_hWnd), parent.m_hWnd);
    SECLNHwndContainer none((HWND)NULL);
    EXPECT_FALSE(none.ReparentContainer(parent.m_hWnd));
    // A plain window container floats nothing.
    EXPECT_EQ(container.CreateFloatingContainer(NULL, 0, 0, 0), nullptr);
    child.DestroyWindow();
    parent.DestroyWindow();
    host.DestroyWindow();
}
} // namespace
