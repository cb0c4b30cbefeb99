// A frame with layout-node docking: three list boxes wrapped in grippers and docked, two in one
// line of the left area and one at the top; the view takes the rest; frame resizes keep each
// area's thickness; bar-layout queries change nothing; dock styles, shared managers and edges.
#include "DockingFrameFixture.h"
#include "uilib/frames/dockengine/DockFloatingNode.h"
#include "uilib/frames/dockengine/LNFloatingHwndContainer.h"
#include "uilib/frames/dockengine/LayoutMiniFloatWnd.h"

namespace docking_frame
{
BEGIN_MESSAGE_MAP(CClosingFrame, CFrameWnd)
ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()
} // namespace docking_frame

namespace
{
using namespace docking_frame;

TEST(FrameDockingTest, ListBoxesDockInTheirAreasAndTheViewTakesTheRest)
{
    DockingFrame F;
    ASSERT_TRUE(F.m_bOk);
    EXPECT_TRUE(F.m_bDocked[0]);
    EXPECT_TRUE(F.m_bDocked[1]);
    EXPECT_TRUE(F.m_bDocked[2]);
    ASSERT_EQ(F.Target(2)->GetLineCount(), 1);
    EXPECT_EQ(F.Target(2)->GetLineAt(0)->GetNodeCount(), 2);
    EXPECT_EQ(F.Target(0)->GetNodeCount(), 1);
    EXPECT_EQ(F.Target(1)->GetNodeCount(), 0);
    EXPECT_EQ(F.Target(3)->GetNodeCount(), 0);

    CRect rcClient;
    F.m_pFrame->GetClientRect(&rcClient);
    const RECT rcView = ChildRect(*F.m_pFrame, F.m_view);
    const RECT rcClientNode = Applied(F.m_feature.GetClientNode());
    EXPECT_TRUE(::EqualRect(&rcView, &rcClientNode));
    // The left area runs the full height; the top area lies right of it, above the view.
    const RECT rcLeft = Applied(F.m_feature.GetDockEdge(2)), rcTop = Applied(F.m_feature.GetDockEdge(0));
    EXPECT_EQ(rcLeft.left, 0);
    EXPECT_EQ(rcLeft.right, rcView.left);
    EXPECT_EQ(rcTop.bottom, rcView.top);
    EXPECT_EQ(rcView.right, rcClient.right);
    EXPECT_EQ(rcView.bottom, rcClient.bottom);
    EXPECT_GT(rcView.right - rcView.left, 0);
    // The left list boxes share the line: one above the other, the same width.
    const RECT rc0 = ChildRect(*F.m_pFrame, F.m_lists[0]), rc1 = ChildRect(*F.m_pFrame, F.m_lists[1]);
    EXPECT_EQ(rc0.left, rc1.left);
    EXPECT_EQ(rc0.right, rc1.right);
    EXPECT_LT(rc0.bottom, rc1.top);
    EXPECT_GE(rc0.left, rcLeft.left);
    EXPECT_LE(rc0.right, rcLeft.right);
    const RECT rc2 = ChildRect(*F.m_pFrame, F.m_lists[2]);
    EXPECT_GE(rc2.top, rcTop.top);
    EXPECT_LE(rc2.bottom, rcTop.bottom);
    // Each list box sits in its gripper, which leaves it the strip it draws.
    for (int i = 0; i < 3; ++i)
    {
        const RECT rcGripper = Applied(F.m_pGrippers[i]), rcNode = Applied(F.m_pNodes[i]);
        const RECT rcList = ChildRect(*F.m_pFrame, F.m_lists[i]);
        EXPECT_TRUE(::EqualRect(&rcNode, &rcList)) << i;
        RECT rcInter;
        ::IntersectRect(&rcInter, &rcGripper, &rcNode);
        EXPECT_TRUE(::EqualRect(&rcInter, &rcNode)) << i;
        EXPECT_FALSE(::EqualRect(&rcGripper, &rcNode)) << i;
    }
}

TEST(FrameDockingTest, AResizeKeepsTheAreasThicknessAndTheViewTakesTheChange)
{
    DockingFrame F;
    ASSERT_TRUE(F.m_bOk);
    const int nLeft = F.Thickness(2), nTop = F.Thickness(0);
    EXPECT_GT(nLeft, 0);
    EXPECT_GT(nTop, 0);
    EXPECT_EQ(F.Thickness(1), 0); // empty areas collapse
    const RECT rcViewBefore = ChildRect(*F.m_pFrame, F.m_view);
    F.m_pFrame->SetWindowPos(NULL, 0, 0, 700, 560, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages(100); // the delayed second layout runs too
    EXPECT_EQ(F.Thickness(2), nLeft);
    EXPECT_EQ(F.Thickness(0), nTop);
    const RECT rcView = ChildRect(*F.m_pFrame, F.m_view);
    EXPECT_EQ(rcView.right - rcView.left, rcViewBefore.right - rcViewBefore.left + 100);
    EXPECT_EQ(rcView.bottom - rcView.top, rcViewBefore.bottom - rcViewBefore.top + 110);
}

TEST(FrameDockingTest, DraggingAGripperDocksItWhereTheDropSays)
{
    struct Case
    {
        const char* name;
        int nWhere; // 0 lower half of the first left list box, 1 10 pixels right of the left area
        int nLeftLines;
        int nNodesInFirstLeftLine;
    } cases[] = {{"into the left line, after the first list box", 0, 1, 3},
                 {"beyond the left area's inner edge: a new line at its end", 1, 2, 2}};
    for (const Case& c : cases)
    {
        DockingFrame F;
        ASSERT_TRUE(F.m_bOk);
        const RECT rcViewBefore = ChildRect(*F.m_pFrame, F.m_view);
        const RECT rcList0 = ChildRect(*F.m_pFrame, F.m_lists[0]);
        const RECT rcLeft = Applied(F.m_feature.GetDockEdge(2));
        POINT ptTo = c.nWhere == 0 ? POINT{(rcList0.left + rcList0.right) / 2, rcList0.bottom - 25}
                                   : POINT{rcLeft.right + 10, (rcLeft.top + rcLeft.bottom) / 2};
        F.Drag(2, ptTo);
        EXPECT_EQ(F.Target(0)->GetNodeCount(), 0) << c.name;
        EXPECT_EQ(F.Thickness(0), 0) << c.name; // the emptied top area collapsed
        EXPECT_EQ(F.Target(2)->GetNodeCount(), 3) << c.name;
        EXPECT_EQ(F.Target(2)->GetLineCount(), c.nLeftLines) << c.name;
        EXPECT_EQ(F.Target(2)->GetLineAt(0)->GetNodeCount(), c.nNodesInFirstLeftLine) << c.name;
        const RECT rcView = ChildRect(*F.m_pFrame, F.m_view);
        EXPECT_LT(rcView.top, rcViewBefore.top) << c.name; // the view grew into the top area
        const RECT rcClientNode = Applied(F.m_feature.GetClientNode());
        EXPECT_TRUE(::EqualRect(&rcView, &rcClientNode)) << c.name;
        EXPECT_FALSE(F.m_pGrippers[2]->IsLayoutFrozen()) << c.name;
        EXPECT_FALSE(SECLNHwndContainer::IsRecalcSuppressed()) << c.name;
        EXPECT_EQ(::GetCapture(), (HWND)NULL) << c.name;
    }
}

TEST(FrameDockingTest, SplittersTradeLengthAndSizeTheArea)
{
    DockingFrame F;
    ASSERT_TRUE(F.m_bOk);
    SECLNDynamicGridLine* pLine = F.Target(2)->GetLineAt(0);
    ASSERT_NE(pLine, nullptr);
    SECLNVirtualSplitter* pBetween = pLine->GetSplitterAfter(F.m_pGrippers[0], TRUE);
    ASSERT_NE(pBetween, nullptr);
    const RECT rc0 = ChildRect(*F.m_pFrame, F.m_lists[0]), rc1 = ChildRect(*F.m_pFrame, F.m_lists[1]);
    F.DragBar(pBetween, 0, 20);
    const RECT rc0After = ChildRect(*F.m_pFrame, F.m_lists[0]),
               rc1After = ChildRect(*F.m_pFrame, F.m_lists[1]);
    EXPECT_EQ(rc0After.bottom - rc0After.top, rc0.bottom - rc0.top + 20);
    EXPECT_EQ(rc1After.bottom - rc1After.top, rc1.bottom - rc1.top - 20);
    EXPECT_EQ(rc1After.bottom, rc1.bottom);

    // The left area's inner edge makes the area wider; the view gives the room.
    const int nLeft = F.Thickness(2);
    const RECT rcView = ChildRect(*F.m_pFrame, F.m_view);
    SECLNVirtualSplitter* pEdge = F.m_feature.GetSizableDockBorder(2)->GetEdgeSplitter(3);
    ASSERT_NE(pEdge, nullptr);
    F.DragBar(pEdge, 30, 0);
    EXPECT_EQ(F.Thickness(2), nLeft + 30);
    const RECT rcViewAfter = ChildRect(*F.m_pFrame, F.m_view);
    EXPECT_EQ(rcViewAfter.left, rcView.left + 30);
}

TEST(FrameDockingTest, DockAreaOptionsSwitchSizingGrowToFitAndSplitters)
{
    struct Case
    {
        const char* name;
        int options[3]; // sizing, grow to fit, splitters
    } cases[] = {{"all on", {1, 1, 1}}, {"no sizing", {0, 1, 1}}, {"splitters off", {1, 0, 0}}};
    for (const Case& c : cases)
    {
        DockingFrame F;
        ASSERT_TRUE(F.m_bOk) << c.name;
        ASSERT_TRUE(F.m_feature.SetDockAreaOptions(CBRS_ALIGN_LEFT, c.options, TRUE)) << c.name;
        PumpMessages(30);
        EXPECT_EQ(F.Target(2)->GetGrowToFit(), c.options[1]) << c.name;
        SECLNVirtualSplitter* pEdge = F.m_feature.GetSizableDockBorder(2)->GetEdgeSplitter(3);
        EXPECT_EQ(pEdge != nullptr, c.options[0] != 0) << c.name;
        if (pEdge != nullptr)
        {
            const int nLeft = F.Thickness(2);
            F.DragBar(pEdge, 30, 0);
            EXPECT_EQ(F.Thickness(2), nLeft + (c.options[2] ? 30 : 0)) << c.name;
        }
        SECLNVirtualSplitter* pBetween = F.Target(2)->GetLineAt(0)->GetSplitterAfter(F.m_pGrippers[0], TRUE);
        ASSERT_NE(pBetween, nullptr) << c.name;
        const RECT rc0 = ChildRect(*F.m_pFrame, F.m_lists[0]);
        F.DragBar(pBetween, 0, 20);
        const RECT rc0After = ChildRect(*F.m_pFrame, F.m_lists[0]);
        EXPECT_EQ(rc0After.bottom - rc0.bottom, c.options[2] ? 20 : 0) << c.name;
    }
    // No options, no change; every side takes the same.
    DockingFrame F;
    ASSERT_TRUE(F.m_bOk);
    const int options[3] = {1, 1, 1};
    EXPECT_FALSE(F.m_feature.SetDockAreaOptions(CBRS_ALIGN_LEFT, NULL, FALSE));
    EXPECT_TRUE(F.m_feature.SetAllDockAreaOptions(options, FALSE));
}

TEST(FrameDockingTest, ShowNodeHidesADockedNodeAndShowsItAtItsPlace)
{
    DockingFrame F;
    ASSERT_TRUE(F.m_bOk);
    SECLNDynamicGridLine* pLine = F.Target(2)->GetLineAt(0);
    ASSERT_NE(pLine, nullptr);
    const RECT rc0 = ChildRect(*F.m_pFrame, F.m_lists[0]), rc1 = ChildRect(*F.m_pFrame, F.m_lists[1]);
    EXPECT_TRUE(F.m_feature.IsNodeVisible(F.m_pGrippers[0], TRUE));

    EXPECT_TRUE(F.m_feature.ShowNode(F.m_pGrippers[0], FALSE));
    PumpMessages(30);
    EXPECT_FALSE(F.m_feature.IsNodeVisible(F.m_pGrippers[0], TRUE));
    EXPECT_FALSE(F.m_lists[0].IsWindowVisible());
    EXPECT_EQ(pLine->GetNodeCount(), 1);
    // The other list box takes the line.
    const RECT rc1Alone = ChildRect(*F.m_pFrame, F.m_lists[1]);
    EXPECT_LT(rc1Alone.top, rc1.top);
    EXPECT_EQ(rc1Alone.bottom, rc1.bottom);

    EXPECT_TRUE(F.m_feature.ToggleNode(F.m_pGrippers[0]));
    PumpMessages(30);
    EXPECT_TRUE(F.m_feature.IsNodeVisible(F.m_pGrippers[0], TRUE));
    EXPECT_TRUE(F.m_lists[0].IsWindowVisible());
    ASSERT_EQ(pLine->GetNodeCount(), 2);
    EXPECT_EQ(pLine->GetFirstNode(), F.m_pGrippers[0]);
    const RECT rc0Back = ChildRect(*F.m_pFrame, F.m_lists[0]), rc1Back = ChildRect(*F.m_pFrame, F.m_lists[1]);
    // Both come back at their old size.
    EXPECT_EQ(rc0Back.left, rc0.left);
    EXPECT_EQ(rc0Back.top, rc0.top);
    EXPECT_EQ(rc0Back.bottom, rc0.bottom);
    EXPECT_EQ(rc1Back.top, rc1.top);
    EXPECT_EQ(rc1Back.bottom, rc1.bottom);
}

TEST(FrameDockingTest, RegisteringADockableNodeFloatsItAtTheGivenOrRememberedRectangle)
{
    struct Case
    {
        const char* name;
        bool bGiven; // else remembered through the node's dock options
    } cases[] = {{"given", true}, {"remembered", false}};
    for (const Case& c : cases)
    {
        DockingFrame F;
        ASSERT_TRUE(F.m_bOk) << c.name;
        CListBox extra;
        ASSERT_TRUE(extra.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOINTEGRALHEIGHT,
                                 CRect(0, 0, 50, 50), F.m_pFrame, 110))
            << c.name;
        SECLayoutNodeDCBase* pGripper =
            F.m_factory.CreateGrippedWindowNode(&extra, F.m_pFrame, _T("Vierte"), FALSE, NULL);
        ASSERT_NE(pGripper, nullptr) << c.name;
        const RECT rcFloat = {300, 280, 470, 420};
        if (!c.bGiven)
        {
            ASSERT_TRUE(F.m_feature.SetNodeDockOptions(pGripper, 1, 1, &rcFloat)) << c.name;
        }
        ASSERT_TRUE(F.m_feature.RegisterDockableNode(pGripper, c.bGiven ? &rcFloat : NULL)) << c.name;
        PumpMessages(30);
        SECDockFloatingNode* pFloating = dynamic_cast<SECDockFloatingNode*>(pGripper->GetRootNode());
        ASSERT_NE(pFloating, nullptr) << c.name;
        CWnd* pFrame = pFloating->GetFloatingContainer()->GetFrame();
        ASSERT_NE(pFrame, nullptr) << c.name;
        EXPECT_TRUE(pFrame->IsWindowVisible()) << c.name;
        RECT rcWindow;
        pFrame->GetWindowRect(&rcWindow);
        EXPECT_TRUE(::EqualRect(&rcWindow, &rcFloat)) << c.name;
        EXPECT_EQ(extra.GetParent(), pFrame) << c.name;
        CString strTitle;
        pFrame->GetWindowText(strTitle);
        EXPECT_EQ(strTitle, CString(_T("Vierte"))) << c.name;
        EXPECT_EQ(F.m_feature.GetDockingMgr()->GetNodeConstraints(pGripper, FALSE)->pBorderTargetParent,
                  dynamic_cast<ISECBorderTargetParent*>(F.m_feature.GetLayoutRoot()))
            << c.name;
        EXPECT_EQ(F.Target(0)->GetNodeCount(), 1) << c.name;
        EXPECT_EQ(F.Target(2)->GetNodeCount(), 2) << c.name;
    }
}

TEST(FrameDockingTest, EdgesAreDrawnByArrangementContentAndOverhang)
{
    // Sides (left, top, right, bottom) of the top, bottom, left and right edges.
    struct Case
    {
        const char* name;
        BOOL bTopList;
        int nMode;
        int nInsetLeft, nInsetRight; // the root laid out inside the frame's client area
        BOOL sides[4][4];
        BOOL shown[4];
    } cases[] = {
        {"mode 0, left area only",
         FALSE,
         0,
         0,
         0,
         {{0, 1, 0, 0}, {0, 0, 0, 1}, {0, 1, 0, 1}, {0, 1, 0, 1}},
         {FALSE, FALSE, TRUE, FALSE}},
        {"mode 0, left and top areas",
         TRUE,
         0,
         0,
         0,
         {{0, 1, 0, 0}, {0, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}},
         {TRUE, FALSE, TRUE, FALSE}},
        {"mode 0, overhang on both sides",
         TRUE,
         0,
         10,
         10,
         {{1, 1, 1, 0}, {1, 0, 1, 1}, {1, 0, 0, 1}, {0, 0, 1, 1}},
         {TRUE, FALSE, TRUE, FALSE}},
        {"mode 0, overhang within the tolerance",
         TRUE,
         0,
         3,
         3,
         {{0, 1, 0, 0}, {0, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}},
         {TRUE, FALSE, TRUE, FALSE}},
        {"mode 1, overhang on both sides",
         TRUE,
         1,
         10,
         10,
         {{0, 1, 1, 0}, {0, 0, 1, 1}, {1, 1, 0, 1}, {0, 1, 1, 1}},
         {TRUE, FALSE, TRUE, FALSE}},
    };
    for (const Case& c : cases)
    {
        DockingFrame F(c.bTopList);
        ASSERT_TRUE(F.m_bOk) << c.name;
        F.m_feature.SetArrangementMode(c.nMode, FALSE);
        CRect rcClient;
        F.m_pFrame->GetClientRect(&rcClient);
        RECT rcRoot = {rcClient.left + c.nInsetLeft, 0, rcClient.right - c.nInsetRight, rcClient.bottom},
             rcOut;
        // One pass decides the edges from the rectangle it lays the root out in.
        F.m_feature.GetLayoutRoot()->RecalcNode(rcOut, rcRoot, FALSE, TRUE);
        for (int i = 0; i < 4; ++i)
        {
            BOOL l, t, r, b;
            F.m_feature.GetDockEdge(i)->GetEdges(l, t, r, b);
            EXPECT_EQ(l, c.sides[i][0]) << c.name << " edge " << i;
            EXPECT_EQ(t, c.sides[i][1]) << c.name << " edge " << i;
            EXPECT_EQ(r, c.sides[i][2]) << c.name << " edge " << i;
            EXPECT_EQ(b, c.sides[i][3]) << c.name << " edge " << i;
            EXPECT_EQ(F.m_feature.GetDockEdge(i)->IsBorderShown(), c.shown[i]) << c.name << " edge " << i;
        }
    }
}

TEST(FrameDockingTest, ABarLayoutQueryLaysNothingOutAndPostsNothing)
{
    DockingFrame F;
    ASSERT_TRUE(F.m_bOk);
    PumpMessages(50);
    const RECT rcRootBefore = Applied(F.m_feature.GetLayoutRoot());
    AFX_SIZEPARENTPARAMS query = {};
    query.rect = RECT{0, 0, 100, 100};
    EXPECT_EQ(F.m_feature.GetVirtualDockbar()->SendMessage(WM_SIZEPARENT, 0, (LPARAM)&query), 0);
    const RECT rcClientNode = Applied(F.m_feature.GetClientNode());
    EXPECT_TRUE(::EqualRect(&query.rect, &rcClientNode));
    const RECT rcRootAfter = Applied(F.m_feature.GetLayoutRoot());
    EXPECT_TRUE(::EqualRect(&rcRootBefore, &rcRootAfter));
    MSG msg;
    EXPECT_FALSE(::PeekMessage(&msg, F.m_feature.GetVirtualDockbar()->m_hWnd, SEC_WM_DELAYED_DOCK_RECALC,
                               SEC_WM_DELAYED_DOCK_RECALC, PM_NOREMOVE));
    // A real layout posts the second pass.
    F.m_pFrame->RecalcLayout();
    EXPECT_TRUE(::PeekMessage(&msg, F.m_feature.GetVirtualDockbar()->m_hWnd, SEC_WM_DELAYED_DOCK_RECALC,
                              SEC_WM_DELAYED_DOCK_RECALC, PM_NOREMOVE));
    PumpMessages(30);
}

TEST(FrameDockingTest, DockStylesManagersAndWrongArguments)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, _T("Links"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    const int nFeaturesBefore = SECFrameDockingFeatureBase::GetFeatureCount();
    SECLNDockingMgr* pDefaultBefore = SECLNDockingMgr::GetDefaultDockingMgr();
    SECLNDockingMgr::SetDefaultDockingMgr(NULL);
    {
        SECFrameDockingFeature first;
        EXPECT_FALSE(first.Initialize(NULL, CBRS_ALIGN_ANY, FALSE, NULL));
        ASSERT_TRUE(first.Initialize(pFrame, CBRS_ALIGN_LEFT, FALSE, NULL));
        EXPECT_EQ(first.GetDockTarget(0), nullptr);
        ASSERT_NE(first.GetDockTarget(2), nullptr);
        EXPECT_EQ(first.GetDockEdge(3), nullptr);
        EXPECT_NE(first.GetSizableDockBorder(2), nullptr);
        SECLayoutNode loose;
        EXPECT_FALSE(first.DockNodeAt(&loose, 0));
        EXPECT_FALSE(first.DockNodeEx(&loose, CBRS_ALIGN_LEFT, 50, TRUE)); // no dock initiator
        EXPECT_FALSE(first.ShowNode(NULL, TRUE));
        EXPECT_FALSE(first.RegisterDockableNode(&loose, NULL));
        EXPECT_FALSE(first.SetDockAreaOptionsAt(0, NULL, FALSE));
        EXPECT_EQ(::GetDlgCtrlID(first.GetVirtualDockbar()->m_hWnd) >= 56271, TRUE);
        SECLNDockingMgr* pShared = SECLNDockingMgr::GetDefaultDockingMgr();
        ASSERT_NE(pShared, nullptr);
        EXPECT_EQ(first.GetDockingMgr(), pShared);
        {
            CFrameWnd* pSecond = new CFrameWnd;
            ASSERT_TRUE(pSecond->Create(NULL, _T("Zweiter"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
            SECFrameDockingFeature second;
            ASSERT_TRUE(second.Initialize(pSecond, CBRS_ALIGN_TOP, FALSE, NULL));
            EXPECT_EQ(second.GetDockingMgr(), pShared);
            pSecond->DestroyWindow();
        }
        EXPECT_EQ(SECLNDockingMgr::GetDefaultDockingMgr(), pShared); // still in use by the first
    }
    EXPECT_EQ(SECLNDockingMgr::GetDefaultDockingMgr(), nullptr);
    EXPECT_EQ(SECFrameDockingFeatureBase::GetFeatureCount(), nFeaturesBefore);
    SECLNDockingMgr::SetDefaultDockingMgr(pDefaultBefore);
    pFrame->DestroyWindow();

    struct StyleCase
    {
        DWORD dwStyle;
        int nPosition;
    } styles[] = {{CBRS_ALIGN_LEFT | CBRS_ALIGN_TOP, 2},
                  {CBRS_ALIGN_TOP, 0},
                  {CBRS_ALIGN_RIGHT, 3},
                  {CBRS_ALIGN_BOTTOM, 1},
                  {0, 0}};
    for (const StyleCase& c : styles)
        EXPECT_EQ(SECFrameDockingFeatureBase::PositionFromStyle(c.dwStyle), c.nPosition) << c.dwStyle;
    EXPECT_EQ(SECFrameDockingFeatureBase::InitiatorPosition(0), 0);
    EXPECT_EQ(SECFrameDockingFeatureBase::InitiatorPosition(1), 1);
    EXPECT_EQ(SECFrameDockingFeatureBase::InitiatorPosition(2), 2);
    EXPECT_EQ(SECFrameDockingFeatureBase::InitiatorPosition(3), 3);
    EXPECT_EQ(SECFrameDockingFeatureBase::InitiatorPosition(5), 1);
}
} // namespace
