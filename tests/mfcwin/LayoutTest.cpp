// Frame layout: bars take their space through WM_SIZEPARENT, the view gets what is left.
#include "TestApp.h"
#include "TestSupport.h"

namespace
{
// A status-bar-like child: 20 pixels at the bottom of whatever space is left.
class CBottomBar : public CWnd
{
  public:
    LRESULT OnSizeParent(WPARAM, LPARAM lParam)
    {
        AFX_SIZEPARENTPARAMS* pLayout = (AFX_SIZEPARENTPARAMS*)lParam;
        CRect rect(pLayout->rect);
        rect.top = rect.bottom - 20;
        pLayout->rect.bottom -= 20;
        pLayout->sizeTotal.cy += 20;
        pLayout->sizeTotal.cx = rect.Width();
        if (pLayout->hDWP != NULL)
            AfxRepositionWindow(pLayout, m_hWnd, &rect);
        m_nCalls++;
        return 0;
    }
    int m_nCalls = 0;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBottomBar, CWnd)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

CRect ChildRect(CWnd* pParent, CWnd* pChild)
{
    CRect rect;
    pChild->GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    return rect;
}

TEST(Layout, BarTakesItsStripAndTheViewGetsTheRest)
{
    CFrameWnd* pFrame = new CFrameWnd; // deletes itself when destroyed
    ASSERT_TRUE(pFrame->Create(NULL, _T("Layout"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)));
    CBottomBar bar;
    ASSERT_TRUE(bar.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), pFrame, AFX_IDW_STATUS_BAR));
    CWnd view;
    ASSERT_TRUE(
        view.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), pFrame, AFX_IDW_PANE_FIRST));
    CRect client;
    pFrame->GetClientRect(&client);
    ASSERT_GT(client.Height(), 40);

    pFrame->RecalcLayout();
    EXPECT_EQ(CRect(0, client.bottom - 20, client.right, client.bottom), ChildRect(pFrame, &bar));
    EXPECT_EQ(CRect(0, 0, client.right, client.bottom - 20), ChildRect(pFrame, &view));

    // Query mode moves nothing and reports the space left, or the bars' total size.
    CRect query;
    pFrame->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &query, CRect(0, 0, 200, 100));
    EXPECT_EQ(CRect(0, 0, 200, 80), query);
    pFrame->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &query, CRect(0, 0, 200, 100), FALSE);
    EXPECT_EQ(CRect(0, 0, 200, 20), query);
    EXPECT_EQ(CRect(0, 0, client.right, client.bottom - 20), ChildRect(pFrame, &view));

    // Resizing the frame lays it out again.
    int nCalls = bar.m_nCalls;
    pFrame->SetWindowPos(NULL, 0, 0, 500, 350, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->GetClientRect(&client);
    EXPECT_GT(bar.m_nCalls, nCalls);
    EXPECT_EQ(CRect(0, 0, client.right, client.bottom - 20), ChildRect(pFrame, &view));

    // A frame border reserved by NegotiateBorderSpace is kept free of the view.
    pFrame->m_rectBorder = CRect(0, 10, 0, 0);
    pFrame->RecalcLayout();
    EXPECT_EQ(CRect(0, 10, client.right, client.bottom - 20), ChildRect(pFrame, &view));

    view.DestroyWindow();
    bar.DestroyWindow();
    pFrame->DestroyWindow();
}
} // namespace
