// Docking drags driven step by step on a real window: initiators and targets found at screen
// points, the grid target's zones and previews, drops into new lines and existing lines, cancels
// that put the node back and leave no lock, frozen root or switched-off layout behind, refused
// starts, Ctrl, the outline on the screen, re-docking without a drag, and hiding docked nodes.
#include "DockLayoutFixture.h"
#include "uilib/frames/dockengine/DockHitTester.h"
#include <vector>

namespace
{
using namespace dock_layout;

// Answers the hit-test hook as told.
class CHookNode : public SECLayoutNode, public SECDefDockNodeInitiatorBase, public ISECHookDockSourceHitTester
{
  public:
    DWORD m_dwAnswer = 0;
    DWORD HookSourceHitTest(const POINT*, SECLayoutNode*) override
    {
        return m_dwAnswer;
    }
};

class DockDragTest : public ::testing::Test, public CDockLayout
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_bOk);
    }
};

TEST_F(DockDragTest, ZonesOfTheGridTarget)
{
    // a is 40 high across the lines: zones of 8 pixels at its top and bottom.
    ASSERT_EQ(Applied(m_a).bottom - Applied(m_a).top, 40);
    const int xA = (Applied(m_a).left + Applied(m_a).right) / 2;
    struct Case
    {
        POINT pt;
        BOOL bHit;
        SECLayoutNode* pRef;
        BOOL bAfter;
        BOOL bOffNode; // within 25 pixels before or after the grid
    } cases[] = {
        {{xA, 0}, TRUE, &m_a, FALSE, TRUE},     {{xA, 8}, TRUE, &m_a, FALSE, FALSE},
        {{xA, 9}, FALSE, NULL, FALSE, FALSE},   {{xA, 31}, FALSE, NULL, FALSE, FALSE},
        {{xA, 32}, TRUE, &m_a, TRUE, FALSE},    {{xA, 40}, TRUE, NULL, TRUE, TRUE},
        {{xA, 50}, TRUE, NULL, TRUE, TRUE},     {{xA, 65}, TRUE, NULL, TRUE, TRUE},
        {{xA, 66}, FALSE, NULL, FALSE, FALSE},  {{xA, 70}, FALSE, NULL, FALSE, FALSE},
        {{310, 50}, FALSE, NULL, FALSE, FALSE},
    };
    for (const Case& c : cases)
    {
        SECDynGridInsertConstraints rec;
        EXPECT_EQ(m_target.HitTest(c.pt, &rec), c.bHit) << c.pt.y;
        if (c.bHit)
        {
            EXPECT_EQ(rec.pRefNode, c.pRef) << c.pt.y;
            EXPECT_EQ(rec.bAfter, c.bAfter) << c.pt.y;
        }
        // Beyond the grid only the growing target catches points.
        EXPECT_EQ(m_target.HitTestOffNode(&c.pt), c.bOffNode) << c.pt.y;
    }
    m_target.SetGrowToFit(FALSE);
    POINT ptBelow = {xA, 50};
    EXPECT_FALSE(m_target.HitTestOffNode(&ptBelow));
}

TEST_F(DockDragTest, PreviewShowsThePlaceAndLeavesTheGridAsItWas)
{
    const RECT rcBefore = Applied(m_target);
    const int nLines = m_target.GetLineCount();
    m_node.SetPreferredRect(RECT{0, 0, 90, 30});
    SECDockInProgressInfo info;
    SECDragDropDockingFeature::SetCurrentDragInitiator(&m_node);
    // Below the grid: a new line at the tail, 30 thick (the node's smaller side).
    RECT rcFeedback = {};
    POINT ptBelow = Screen(50, 50);
    ASSERT_TRUE(m_target.GetFeedbackRect(&ptBelow, &rcFeedback, &m_mgr, &info));
    POINT ptOrigin = Screen(0, 0);
    EXPECT_EQ(rcFeedback.top - ptOrigin.y, 40 + SECSplitterBase::s_nSplitterWidth);
    EXPECT_EQ(rcFeedback.bottom - rcFeedback.top, 30);
    EXPECT_EQ(rcFeedback.left - ptOrigin.x, 0);
    EXPECT_EQ(rcFeedback.right - ptOrigin.x, 300);
    const RECT rcAfter = Applied(m_target);
    EXPECT_TRUE(::EqualRect(&rcBefore, &rcAfter));
    EXPECT_EQ(m_target.GetLineCount(), nLines);
    EXPECT_EQ(m_target.GetPreviewNode(), nullptr);
    // In the middle of b: it joins b's line after b.
    const RECT rcB = Applied(m_b);
    POINT ptB = Screen(rcB.right - 5, 20);
    ASSERT_TRUE(m_target.GetFeedbackRect(&ptB, &rcFeedback, &m_mgr, &info));
    EXPECT_EQ(rcFeedback.right - ptOrigin.x, 300);
    EXPECT_EQ(rcFeedback.bottom - rcFeedback.top, 40);
    EXPECT_EQ(m_target.GetNodeCount(), 2);
    // Over its own start rectangle: the start rectangle.
    info.rcStart = RECT{ptOrigin.x + 10, ptOrigin.y + 130, ptOrigin.x + 100, ptOrigin.y + 170};
    POINT ptStart = Screen(20, 140);
    ASSERT_TRUE(m_target.GetFeedbackRect(&ptStart, &rcFeedback, &m_mgr, &info));
    EXPECT_TRUE(::EqualRect(&rcFeedback, &info.rcStart));
    EXPECT_FALSE(m_target.GetFeedbackRect(&ptStart, &rcFeedback, NULL, &info));
    EXPECT_FALSE(m_target.LeaveTarget(NULL)); // nothing previewed
    SECDragDropDockingFeature::SetCurrentDragInitiator(NULL);
}

TEST_F(DockDragTest, TestersFindTheInitiatorAndTheTargetUnderThePoint)
{
    SECDockInitiatorHitTester initiators;
    SECLNTargetDockHitTester targets;
    POINT ptNode = Screen(20, 140), ptA = Screen(Applied(m_a).left + 5, 20), ptClientFree = Screen(250, 200);
    EXPECT_EQ(initiators.HitTest(&m_mgr, &ptNode, FALSE), static_cast<ISECDockInitiator*>(&m_node));
    EXPECT_EQ(initiators.HitTest(&m_mgr, &ptA, FALSE), static_cast<ISECDockInitiator*>(&m_a));
    EXPECT_EQ(initiators.HitTest(&m_mgr, &ptClientFree, FALSE), nullptr); // the client node is no initiator
    EXPECT_EQ(targets.HitTest(&m_mgr, &ptA, FALSE), static_cast<ISECDockTarget*>(&m_target));
    EXPECT_EQ(targets.HitTest(&m_mgr, &ptNode, FALSE), nullptr);
    EXPECT_TRUE(m_feature.QueryStartDrag(0, &ptNode));
    EXPECT_FALSE(m_feature.QueryStartDrag(0, &ptClientFree));
    // Roots in an excluded container are never answers.
    SECLNTargetDockHitTester excluding(m_pContainer);
    EXPECT_EQ(excluding.HitTest(&m_mgr, &ptA, FALSE), nullptr);
    // Off the grid, below its end: only the off-node test finds the target.
    POINT ptBelow = Screen(50, 55);
    EXPECT_EQ(targets.HitTest(&m_mgr, &ptBelow, FALSE), nullptr);
    SECLNOffNodeDockIFaceHitTest_T<ISECDockTarget> offNode;
    EXPECT_EQ(offNode.HitTestAllRoots(&m_mgr, &ptBelow), static_cast<ISECDockTarget*>(&m_target));
    EXPECT_EQ(offNode.HitTestAllRoots(&m_mgr, &ptBelow, m_pContainer), nullptr);
    // A dragged node is never offered itself as a target, nor its ancestor's descendants.
    SECDragDropDockingFeature::SetCurrentDragInitiator(&m_a);
    EXPECT_EQ(m_target.HookTargetHitTest(&ptA, NULL), 0u);
    SECDragDropDockingFeature::SetCurrentDragInitiator(NULL);
    CHookNode parent;
    SECDragDropDockingFeature::SetCurrentDragInitiator(&parent);
    parent.AddLayoutChild(&m_root);
    EXPECT_EQ(m_target.HookTargetHitTest(&ptA, NULL), (DWORD)SEC_HOOKHIT_NONE);
    parent.RemoveLayoutChild(&m_root);
    SECDragDropDockingFeature::SetCurrentDragInitiator(NULL);
}

TEST_F(DockDragTest, HooksAndOverlappingRoots)
{
    // A hook node between the client node and the dragged node.
    CHookNode hook;
    m_client.RemoveLayoutChild(&m_node);
    m_client.AddLayoutChild(&hook);
    hook.AddLayoutChild(&m_node);
    hook.SetAppliedRect(RECT{0, 120, 200, 220});
    POINT ptNode = Screen(20, 140);
    SECDockInitiatorHitTester initiators;
    EXPECT_EQ(initiators.HitTest(&m_mgr, &ptNode, TRUE), static_cast<ISECDockInitiator*>(&m_node));
    hook.m_dwAnswer = SEC_HOOKHIT_THIS;
    EXPECT_EQ(initiators.HitTest(&m_mgr, &ptNode, TRUE), static_cast<ISECDockInitiator*>(&hook));
    hook.m_dwAnswer = SEC_HOOKHIT_NONE;
    EXPECT_EQ(initiators.HitTest(&m_mgr, &ptNode, TRUE), nullptr);
    hook.RemoveLayoutChild(&m_node);
    m_client.RemoveLayoutChild(&hook);
    // Two roots of one window over the point: no answer at all.
    CDragNode second;
    second.SetInitialRect(RECT{0, 0, 300, 220});
    POINT ptA = Screen(Applied(m_a).left + 5, 20);
    EXPECT_EQ(initiators.HitTest(&m_mgr, &ptA, TRUE), static_cast<ISECDockInitiator*>(&m_a));
    m_mgr.RegisterContainer(&second, m_pContainer); // the manager owns the container once
    EXPECT_EQ(initiators.HitTest(&m_mgr, &ptA, TRUE), nullptr);
}

TEST(DockDropTest, DropIntoANewLineAndIntoALine)
{
    struct Case
    {
        const char* name;
        int nWhere; // 0 a's middle x, 1 a's left edge, 2 b's right edge
        int y;
        int nLines;
        int nLineOfNode;
        int nIndexInLine;
    } cases[] = {
        {"leading 20 % of a: a new line before", 0, 3, 2, 0, 0},
        {"trailing 20 % of a: a new line after", 0, 37, 2, 1, 0},
        {"middle of a, its first half: joins before a", 1, 20, 1, 0, 0},
        {"middle of b, its second half: joins after b", 2, 20, 1, 0, 2},
        {"10 pixels below the area: a new line at the end", 0, 50, 2, 1, 0},
    };
    for (const Case& c : cases)
    {
        CDockLayout L;
        ASSERT_TRUE(L.m_bOk);
        const RECT rcA = Applied(L.m_a), rcB = Applied(L.m_b);
        const int x = c.nWhere == 0   ? (rcA.left + rcA.right) / 2
                      : c.nWhere == 1 ? rcA.left + 3
                                      : rcB.right - 3;
        POINT ptStart = L.Screen(20, 140);
        ASSERT_TRUE(L.m_feature.BeginDrag(0, &ptStart)) << c.name;
        EXPECT_EQ(L.m_node.GetParentNode(), nullptr) << c.name;
        EXPECT_TRUE(L.m_root.IsLayoutFrozen()) << c.name;
        EXPECT_TRUE(SECLNHwndContainer::IsRecalcSuppressed()) << c.name;
        EXPECT_FALSE(::LockWindowUpdate(L.m_host.m_hWnd)) << c.name; // the desktop is locked
        EXPECT_EQ(SECDragDropDockingFeature::GetLastDragNode(), &L.m_node) << c.name;
        POINT pt = L.Screen(x, c.y);
        EXPECT_TRUE(L.m_feature.DragMove(0, &pt)) << c.name;
        EXPECT_TRUE(L.m_feature.DragMove(0, &pt)) << c.name; // the same point: nothing new
        EXPECT_TRUE(L.m_feature.EndDrag(0, &pt, TRUE)) << c.name;
        L.ExpectDragStateGone(c.name);
        EXPECT_EQ(SECDragDropDockingFeature::GetLastDragNode(), nullptr) << c.name;
        EXPECT_EQ(L.m_target.GetLineCount(), c.nLines) << c.name;
        SECLNDynamicGridLine* pLine = L.m_target.FindLineOf(&L.m_node);
        ASSERT_NE(pLine, nullptr) << c.name;
        EXPECT_EQ(L.m_target.IndexOfNode(pLine), c.nLineOfNode) << c.name;
        EXPECT_EQ(pLine->IndexOfNode(&L.m_node), c.nIndexInLine) << c.name;
        EXPECT_EQ(L.m_target.GetNodeCount(), 3) << c.name;
        EXPECT_EQ(L.ClientIndex(&L.m_node), -1) << c.name;
    }
}

TEST_F(DockDragTest, CancelPutsTheNodeBackBeforeTheSameSibling)
{
    for (const BOOL bOverTarget : {TRUE, FALSE})
    {
        POINT ptStart = Screen(20, 140);
        ASSERT_TRUE(m_feature.BeginDrag(0, &ptStart));
        POINT pt = bOverTarget ? Screen(Applied(m_a).left + 5, 37) : Screen(250, 210);
        m_feature.DragMove(0, &pt);
        EXPECT_TRUE(m_feature.EndDrag(0, &pt, FALSE));
        ExpectDragStateGone();
        EXPECT_EQ(ClientIndex(&m_node), 1);
        EXPECT_EQ(m_target.GetNodeCount(), 2);
        EXPECT_EQ(m_target.GetLineCount(), 1);
    }
    // A drop inside its own start rectangle changes nothing either.
    POINT ptStart = Screen(20, 140), ptInside = Screen(60, 150);
    ASSERT_TRUE(m_feature.BeginDrag(0, &ptStart));
    m_feature.DragMove(0, &ptInside);
    EXPECT_TRUE(m_feature.EndDrag(0, &ptInside, TRUE));
    ExpectDragStateGone();
    EXPECT_EQ(ClientIndex(&m_node), 1);
    // Ctrl held: no target takes it; a node that cannot float goes back.
    POINT ptA = Screen(Applied(m_a).left + 5, 37);
    ASSERT_TRUE(m_feature.BeginDrag(MK_CONTROL, &ptStart));
    ISECDockTarget* pTarget = &m_target;
    EXPECT_TRUE(m_feature.IsDockingSuppressed(&ptA, MK_CONTROL, &pTarget));
    EXPECT_EQ(pTarget, nullptr);
    EXPECT_FALSE(m_feature.DragMove(MK_CONTROL, &ptA)); // no outline of its own
    EXPECT_TRUE(m_feature.EndDrag(MK_CONTROL, &ptA, TRUE));
    ExpectDragStateGone();
    EXPECT_EQ(ClientIndex(&m_node), 1);
    EXPECT_EQ(m_target.GetNodeCount(), 2);
    EXPECT_FALSE(m_feature.EndDrag(0, &ptA, TRUE)); // no drag
}

TEST_F(DockDragTest, ARefusedStartUndoesWhatItDid)
{
    // A node whose parent cannot take it out: the start is refused and leaves nothing behind.
    SECLayoutNode plainParent;
    CDragNode gripper;
    m_client.AddLayoutChild(&plainParent);
    plainParent.SetAppliedRect(RECT{150, 130, 290, 210});
    plainParent.AddLayoutChild(&gripper);
    gripper.SetAppliedRect(RECT{160, 140, 200, 180});
    POINT pt = Screen(170, 150);
    EXPECT_TRUE(m_feature.QueryStartDrag(0, &pt));
    EXPECT_FALSE(m_feature.BeginDrag(0, &pt));
    ExpectDragStateGone();
    EXPECT_FALSE(gripper.IsLayoutFrozen());
    EXPECT_EQ(gripper.GetParentNode(), &plainParent);
    // No initiator under the point at all.
    POINT ptFree = Screen(250, 125);
    EXPECT_FALSE(m_feature.BeginDrag(0, &ptFree));
    ExpectDragStateGone();
    plainParent.RemoveLayoutChild(&gripper);
    m_client.RemoveLayoutChild(&plainParent);
}

TEST_F(DockDragTest, TheOutlineIsDrawnOnTheScreenAndErased)
{
    HDC hdcScreen = ::GetDC(NULL);
    POINT ptStart = Screen(20, 140);
    const RECT rcA = Applied(m_a);
    POINT pt = Screen(rcA.left + 5, 37); // trailing zone of a: a new line below
    // The outline's top edge: a band of 2 by 8 pixels just inside its top-left corner.
    auto readBand = [&](const RECT& rc, std::vector<COLORREF>& out) {
        out.clear();
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 8; ++x)
                out.push_back(::GetPixel(hdcScreen, rc.left + 4 + x, rc.top + y));
    };
    ASSERT_TRUE(m_feature.BeginDrag(0, &ptStart));
    SECDockInProgressInfo info = *m_feature.GetDockInfo();
    RECT rcPlace = {};
    ASSERT_TRUE(m_target.GetFeedbackRect(&pt, &rcPlace, &m_mgr, &info));
    RECT rcOutline = rcPlace;
    ::InflateRect(&rcOutline, -1, -1); // a docking outline sits inside the place
    std::vector<COLORREF> before, during, after;
    readBand(rcOutline, before);
    EXPECT_TRUE(m_feature.DragMove(0, &pt));
    readBand(rcOutline, during);
    int nChanged = 0;
    for (size_t i = 0; i < before.size(); ++i)
        nChanged += before[i] != during[i];
    EXPECT_EQ(nChanged, 8); // the halftone pattern flips every other pixel
    EXPECT_TRUE(::EqualRect(&m_node.GetLastOutline(), &rcOutline));
    EXPECT_TRUE(m_feature.EndDrag(0, &pt, FALSE));
    readBand(rcOutline, after);
    EXPECT_EQ(before, after);
    EXPECT_TRUE(::IsRectEmpty(&m_node.GetLastOutline()));
    ::ReleaseDC(NULL, hdcScreen);
    ExpectDragStateGone();
}

TEST_F(DockDragTest, RedockWithoutADragAndATargetThatRefuses)
{
    CBorderParent borders;
    borders.m_pTarget = &m_target;
    SECDockingNodeConstraints* pRecord = m_mgr.GetNodeConstraints(&m_node, TRUE);
    // No place known yet.
    EXPECT_FALSE(m_node.RedockNode(&m_mgr, NULL));
    SECDockInsertionConstraints place;
    place.pRefNode = &m_a;
    place.bAfter = FALSE;
    place.nDockPosition = 0;
    pRecord->SetLastInsertion(place);
    EXPECT_FALSE(m_node.RedockNode(&m_mgr, NULL)); // no border parent to ask for the target
    pRecord->pBorderTargetParent = &borders;
    EXPECT_TRUE(m_node.RedockNode(&m_mgr, NULL));
    EXPECT_EQ(m_target.FindLineOf(&m_node), m_target.GetLineAt(0));
    EXPECT_EQ(m_target.GetLineAt(0)->IndexOfNode(&m_node), 0);
    EXPECT_EQ(ClientIndex(&m_node), -1);
    ExpectDragStateGone();

    // A target that refuses: the node stays where it was.
    CRefusingTarget refusing;
    m_client.AddLayoutChild(&refusing);
    borders.m_pTarget = &refusing;
    CDragNode loose;
    m_client.AddLayoutChild(&loose);
    SECDockingNodeConstraints* pLoose = m_mgr.GetNodeConstraints(&loose, TRUE);
    pLoose->pBorderTargetParent = &borders;
    EXPECT_FALSE(loose.RedockNode(&m_mgr, &place));
    EXPECT_EQ(loose.GetParentNode(), &m_client);
    EXPECT_EQ(ClientIndex(&loose), 3);
    // A target no longer under a registered root is forgotten.
    m_client.RemoveLayoutChild(&refusing);
    EXPECT_FALSE(loose.RedockNode(&m_mgr, &place));
    EXPECT_EQ(pLoose->pBorderTargetParent, nullptr);
    m_client.RemoveLayoutChild(&loose);
}

TEST_F(DockDragTest, HiddenNodesComeBackToTheirPlace)
{
    // In the client node, and in a line of the target.
    EXPECT_TRUE(m_node.ShowNode(FALSE, TRUE, FALSE));
    EXPECT_EQ(m_node.GetParentNode(), nullptr);
    EXPECT_TRUE(m_node.ShowNode(TRUE, TRUE, FALSE));
    EXPECT_EQ(ClientIndex(&m_node), 1);
    EXPECT_TRUE(m_a.ShowNode(FALSE, TRUE, FALSE));
    EXPECT_EQ(m_target.GetNodeCount(), 1);
    EXPECT_TRUE(m_a.ShowNode(TRUE, TRUE, FALSE));
    EXPECT_EQ(m_target.GetLineAt(0)->IndexOfNode(&m_a), 0);
    EXPECT_EQ(m_target.GetNodeCount(), 2);
}

TEST(DockTargetTest, EmptiedTargetRemembersItsThickness)
{
    SECDynGridLineTarget target;
    target.Initialize(NULL, TRUE);
    target.SetDockPosition(1);
    RECT rcOut;
    target.RecalcNode(rcOut, RECT{0, 0, 300, 0}, FALSE, TRUE);
    SECLayoutNode x, y;
    SECDynGridInsertConstraints rec;
    rec.bNewLine = TRUE;
    rec.nCrossLength = 45;
    target.InsertNode(&x, &rec);
    target.RecalcNode(rcOut, RECT{0, 0, 300, 45}, FALSE, TRUE);
    EXPECT_FALSE(target.GetGrowToFit());
    target.RemoveLayoutChild(&x);
    target.RecalcNode(rcOut, RECT{0, 0, 300, 0}, FALSE, TRUE); // the area collapses
    EXPECT_TRUE(target.WasEmptied());
    EXPECT_TRUE(target.GetGrowToFit());
    rec.Reset();
    rec.bNewLine = TRUE;
    rec.nCrossLength = 10;
    target.InsertNode(&y, &rec);
    EXPECT_FALSE(target.WasEmptied());
    RECT rc;
    target.GetLineAt(0)->GetAppliedRect(rc);
    EXPECT_EQ(rc.bottom - rc.top, 45);
    SECDockInsertionConstraints place;
    ASSERT_TRUE(target.GetNodeConstraints(&y, &place));
    EXPECT_EQ(place.nDockPosition, 1);
}
} // namespace
