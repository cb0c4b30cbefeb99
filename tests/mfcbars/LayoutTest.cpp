// Bars docked on three sides and the view share the frame's client area; hiding a bar gives its
// space to the view, at once or at the next idle step.
#include "BarsTestApp.h"
#include "TestSupport.h"
#include "MiniDockFrameWnd.h"

using namespace testing_support;

namespace
{
// A frame with bars docked top, left and bottom; destroyed with the fixture.
class DockedFrame : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_pFrame = new CDockTestFrame; // deletes itself with its window
        ASSERT_TRUE(m_pFrame->CreateAt(CRect(40, 40, 640, 480)));
        struct
        {
            CTestBar* pBar;
            DWORD dwStyle;
            UINT nID;
            LPCTSTR lpszTitle;
        } bars[] = {{&m_top, CBRS_TOP, ID_BAR_TOP, _T("Oben")},
                    {&m_left, CBRS_LEFT, ID_BAR_LEFT, _T("Links")},
                    {&m_bottom, CBRS_BOTTOM, ID_BAR_BOTTOM, _T("Unten")}};
        for (auto& b : bars)
        {
            ASSERT_TRUE(b.pBar->Create(m_pFrame, WS_VISIBLE | b.dwStyle, b.nID, b.lpszTitle));
            b.pBar->EnableDocking(CBRS_ALIGN_ANY);
            m_pFrame->DockControlBar(b.pBar);
        }
        m_pFrame->RecalcLayout();
    }
    void TearDown() override
    {
        if (::IsWindow(m_hFrame()))
            m_pFrame->DestroyWindow();
    }
    HWND m_hFrame() const
    {
        return m_pFrame->GetSafeHwnd();
    }

    // The dock bars and the view, in frame client coordinates.
    std::vector<CRect> Regions()
    {
        std::vector<CRect> regions;
        for (UINT nID :
             {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT})
            regions.push_back(m_pFrame->ClientRectOf(m_pFrame->DockBar(nID)));
        regions.push_back(m_pFrame->ClientRectOf(&m_pFrame->m_wndView));
        return regions;
    }

    CDockTestFrame* m_pFrame = NULL;
    CTestBar m_top{CSize(150, 28)};
    CTestBar m_left{CSize(90, 24)};
    CTestBar m_bottom{CSize(200, 34)};
};

// The regions cover the client area exactly: no two overlap and their areas add up.
void ExpectTiling(const std::vector<CRect>& regions, const CRect& client)
{
    long long nArea = 0;
    for (size_t i = 0; i < regions.size(); i++)
    {
        CRect inside;
        if (!regions[i].IsRectEmpty())
        {
            EXPECT_TRUE(inside.IntersectRect(regions[i], client)) << i;
            EXPECT_EQ(regions[i], inside) << "region " << i << " leaves the client area";
        }
        nArea += (long long)regions[i].Width() * regions[i].Height();
        for (size_t j = i + 1; j < regions.size(); j++)
        {
            CRect overlap;
            EXPECT_FALSE(overlap.IntersectRect(regions[i], regions[j])) << i << " overlaps " << j;
        }
    }
    EXPECT_EQ((long long)client.Width() * client.Height(), nArea);
}

TEST_F(DockedFrame, BarsAndViewFillTheClientAreaWithoutOverlap)
{
    CRect client;
    m_pFrame->GetClientRect(&client);
    std::vector<CRect> regions = Regions();
    ExpectTiling(regions, client);
    // Each bar sits in its dock bar, the row's thickness is the bar's, the view keeps the rest.
    EXPECT_EQ(m_pFrame->DockBar(AFX_IDW_DOCKBAR_TOP), m_top.m_pDockBar);
    EXPECT_EQ(m_pFrame->DockBar(AFX_IDW_DOCKBAR_LEFT), m_left.m_pDockBar);
    EXPECT_EQ(m_pFrame->DockBar(AFX_IDW_DOCKBAR_BOTTOM), m_bottom.m_pDockBar);
    EXPECT_NEAR(28, regions[0].Height(), 2);
    EXPECT_NEAR(34, regions[1].Height(), 2);
    EXPECT_NEAR(24, regions[2].Width(), 2);
    EXPECT_EQ(0, regions[3].Width());
    EXPECT_EQ(client.Width(), regions[0].Width()); // top and bottom take the full width
    EXPECT_EQ(regions[0].bottom, regions[2].top);  // the left side lies between them
    EXPECT_EQ(regions[1].top, regions[2].bottom);
    for (CTestBar* pBar : {&m_top, &m_left, &m_bottom})
    {
        CRect rectBar, rectDock;
        pBar->GetWindowRect(&rectBar);
        pBar->m_pDockBar->GetWindowRect(&rectDock);
        CRect inside;
        EXPECT_TRUE(inside.IntersectRect(rectBar, rectDock));
        EXPECT_GE(inside.Width() * inside.Height(), (rectBar.Width() - 4) * (rectBar.Height() - 4));
        EXPECT_TRUE(pBar->GetStyle() & WS_VISIBLE);
    }
    // The bars are the frame's, its dock bars too; the placeholders are row ends.
    EXPECT_EQ(&m_top, m_pFrame->GetControlBar(ID_BAR_TOP));
    CDockBar* pTopDock = m_pFrame->DockBar(AFX_IDW_DOCKBAR_TOP);
    ASSERT_EQ(3, pTopDock->m_arrBars.GetSize());
    EXPECT_EQ(NULL, pTopDock->m_arrBars[0]);
    EXPECT_EQ(&m_top, pTopDock->m_arrBars[1]);
    EXPECT_EQ(NULL, pTopDock->m_arrBars[2]);
}

TEST_F(DockedFrame, AHiddenBarGivesItsSpaceToTheView)
{
    CRect client;
    m_pFrame->GetClientRect(&client);
    CRect viewBefore = Regions()[4];
    CRect bottomBefore = Regions()[1];
    ASSERT_GT(bottomBefore.Height(), 0);

    m_pFrame->ShowControlBar(&m_bottom, FALSE, FALSE);
    EXPECT_FALSE(m_bottom.GetStyle() & WS_VISIBLE);
    std::vector<CRect> regions = Regions();
    EXPECT_EQ(0, regions[1].Height());
    EXPECT_EQ(viewBefore.bottom + bottomBefore.Height(), regions[4].bottom);
    ExpectTiling(regions, client);

    // Delayed: nothing changes before the idle step, which shows the bar and lays out.
    m_pFrame->ShowControlBar(&m_bottom, TRUE, TRUE);
    EXPECT_TRUE(m_bottom.IsVisible());
    EXPECT_FALSE(m_bottom.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(0, Regions()[1].Height());
    TheApp().OnIdle(0);
    EXPECT_TRUE(m_bottom.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(bottomBefore, Regions()[1]);
    EXPECT_EQ(viewBefore, Regions()[4]);
}

TEST_F(DockedFrame, CommandsOfControlsOnABarGoOnToTheFrame)
{
    // The bar has no handler of its own: its owner, the frame, routes the command.
    CWnd button;
    ASSERT_TRUE(button.Create(_T("BUTTON"), _T("Los"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                              CRect(4, 4, 40, 24), &m_top, ID_TOOL_HANDLED));
    m_pFrame->m_handled.clear();
    button.SendMessage(BM_CLICK);
    ASSERT_EQ(1u, m_pFrame->m_handled.size());
    EXPECT_EQ("frame:" + std::to_string(ID_TOOL_HANDLED), m_pFrame->m_handled[0]);
    EXPECT_EQ(m_pFrame, m_top.GetOwner());
}

TEST_F(DockedFrame, DockingIntoARowAndOutOfItLeavesAPlaceholder)
{
    // A second bar docked by rectangle into the top row lands after the first one.
    CTestBar spare(CSize(80, 28));
    ASSERT_TRUE(spare.Create(m_pFrame, WS_VISIBLE | CBRS_TOP, ID_BAR_SPARE, _T("Extra")));
    spare.EnableDocking(CBRS_ALIGN_ANY);
    CRect rectTop;
    m_top.GetWindowRect(&rectTop);
    CRect rect(CPoint(rectTop.right + 10, rectTop.top), CSize(80, 28));
    m_pFrame->DockControlBar(&spare, AFX_IDW_DOCKBAR_TOP, &rect);
    m_pFrame->RecalcLayout();
    CDockBar* pTopDock = m_pFrame->DockBar(AFX_IDW_DOCKBAR_TOP);
    ASSERT_EQ(4, pTopDock->m_arrBars.GetSize());
    EXPECT_EQ(&m_top, pTopDock->m_arrBars[1]);
    EXPECT_EQ(&spare, pTopDock->m_arrBars[2]);
    EXPECT_EQ(2, pTopDock->GetDockedCount());

    // Floated: its id stays in the row as a placeholder; docked back it takes that place.
    m_pFrame->FloatControlBar(&spare, CPoint(300, 300));
    ASSERT_TRUE(spare.IsFloating());
    EXPECT_EQ((void*)(UINT_PTR)ID_BAR_SPARE, pTopDock->m_arrBars[2]);
    EXPECT_EQ(1, pTopDock->GetDockedCount());
    CFrameWnd* pFloat = spare.GetParentFrame();
    ASSERT_TRUE(pFloat != NULL && pFloat->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)));
    HWND hFloat = pFloat->m_hWnd;
    EXPECT_TRUE(::IsWindowVisible(hFloat));
    m_pFrame->ReDockControlBar(&spare, NULL);
    EXPECT_FALSE(::IsWindow(hFloat)); // the floating frame went with its last bar
    EXPECT_EQ(&spare, pTopDock->m_arrBars[2]);
    EXPECT_EQ(pTopDock, spare.m_pDockBar);
    m_pFrame->DestroyWindow();
}
} // namespace
