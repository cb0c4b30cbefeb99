// Border client, border space and gripper geometry: splits, client limits, position filling,
// the client event, strip and bar placement.
#include "LayoutChecks.h"
#include "TestSupport.h"
#include "uilib/frames/layout/LNBorderClient.h"
#include "uilib/frames/layout/LNBorderClientEdge.h"
#include "uilib/frames/layout/LayoutNodeGripperEx.h"

namespace
{
using layout_checks::Applied;
using layout_checks::RectIs;

class CCountingReceiver : public ISECLNBorderClientEventRcvr
{
  public:
    int m_nCalls = 0;
    RECT m_rcLast = {};
    void OnClientRectChanged(const RECT& rc) override
    {
        ++m_nCalls;
        m_rcLast = rc;
    }
};

TEST(BorderClientTest, BordersThatDoNotFitShrinkTogether)
{
    SECLNBorderClient bc;
    SECLayoutNode top, bottom, client;
    top.SetPreferredRect(RECT{0, 0, 200, 80});
    bottom.SetPreferredRect(RECT{0, 0, 200, 80});
    ASSERT_EQ(bc.AddPositionNode(&top, SEC_LN_POS_TOP), 1);
    ASSERT_EQ(bc.AddPositionNode(&bottom, SEC_LN_POS_BOTTOM), 2);
    ASSERT_EQ(bc.AddPositionNode(&client, SEC_LN_POS_CLIENT), 3);
    RECT rcOut;
    bc.RecalcNode(rcOut, RECT{0, 0, 200, 100}, FALSE, TRUE);
    EXPECT_TRUE(RectIs(Applied(top), 0, 0, 200, 50));
    EXPECT_TRUE(RectIs(Applied(bottom), 0, 50, 200, 100));
    EXPECT_TRUE(RectIs(Applied(client), 0, 50, 200, 50));

    EXPECT_EQ(bc.CalcShrinkFactor(-1, 10, 10), 0.0);
    EXPECT_EQ(bc.CalcShrinkFactor(20, 10, 10), 1.0);
    EXPECT_EQ(bc.CalcShrinkFactor(10, 10, 10), 0.5);
}

TEST(BorderClientTest, ClientLimitsTakeSpaceFromBothBorders)
{
    SECLNBorderClient bc;
    SECLayoutNode left, right, client;
    left.SetPreferredRect(RECT{0, 0, 100, 10});
    right.SetPreferredRect(RECT{0, 0, 100, 10});
    client.SetMinMaxSize(SIZE{200, 0}, SIZE{0, 0}, SEC_LN_NOMAX);
    bc.AddPositionNode(&left, SEC_LN_POS_LEFT);
    bc.AddPositionNode(&right, SEC_LN_POS_RIGHT);
    bc.AddPositionNode(&client, SEC_LN_POS_CLIENT);
    RECT rcOut;
    bc.RecalcNode(rcOut, RECT{0, 0, 300, 100}, FALSE, TRUE);
    EXPECT_TRUE(RectIs(Applied(left), 0, 0, 50, 100));
    EXPECT_TRUE(RectIs(Applied(right), 250, 0, 300, 100));
    EXPECT_TRUE(RectIs(Applied(client), 50, 0, 250, 100));
    // A maximum narrows the client and widens the borders.
    client.SetMinMaxSize(SIZE{0, 0}, SIZE{60, 100}, 0);
    left.SetPreferredRect(RECT{0, 0, 50, 10});
    right.SetPreferredRect(RECT{0, 0, 50, 10});
    bc.RecalcNode(rcOut, RECT{0, 0, 300, 100}, FALSE, TRUE);
    EXPECT_TRUE(RectIs(Applied(client), 120, 0, 180, 100));
    EXPECT_TRUE(RectIs(Applied(left), 0, 0, 120, 100));
}

TEST(BorderClientTest, TheFirstPairOfBordersSpansTheWholeSideInEitherOrder)
{
    struct Case
    {
        int nMode;
        RECT rcTop, rcBottom, rcLeft, rcRight;
    };
    const Case cases[] = {
        {0, {0, 0, 300, 30}, {0, 160, 300, 200}, {0, 30, 50, 160}, {240, 30, 300, 160}},
        {1, {50, 0, 240, 30}, {50, 160, 240, 200}, {0, 0, 50, 200}, {240, 0, 300, 200}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << "mode " << c.nMode);
        SECLNBorderClient bc;
        bc.SetArrangementMode(c.nMode);
        SECLayoutNode top, bottom, left, right, client;
        top.SetPreferredRect(RECT{0, 0, 10, 30});
        bottom.SetPreferredRect(RECT{0, 0, 10, 40});
        left.SetPreferredRect(RECT{0, 0, 50, 10});
        right.SetPreferredRect(RECT{0, 0, 60, 10});
        bc.AddPositionNode(&top, SEC_LN_POS_TOP);
        bc.AddPositionNode(&bottom, SEC_LN_POS_BOTTOM);
        bc.AddPositionNode(&left, SEC_LN_POS_LEFT);
        bc.AddPositionNode(&right, SEC_LN_POS_RIGHT);
        bc.AddPositionNode(&client, SEC_LN_POS_CLIENT);
        RECT rcOut;
        bc.RecalcNode(rcOut, RECT{0, 0, 300, 200}, FALSE, TRUE);
        const RECT& t = c.rcTop;
        const RECT& b = c.rcBottom;
        const RECT& l = c.rcLeft;
        const RECT& r = c.rcRight;
        EXPECT_TRUE(RectIs(Applied(top), t.left, t.top, t.right, t.bottom));
        EXPECT_TRUE(RectIs(Applied(bottom), b.left, b.top, b.right, b.bottom));
        EXPECT_TRUE(RectIs(Applied(left), l.left, l.top, l.right, l.bottom));
        EXPECT_TRUE(RectIs(Applied(right), r.left, r.top, r.right, r.bottom));
        EXPECT_TRUE(RectIs(Applied(client), 50, 30, 240, 160));
    }
}

TEST(BorderClientTest, PositionsFillInTheirOrderAndASixthNodeIsRefused)
{
    struct Case
    {
        int nMode;
        int positions[5];
    };
    const Case cases[] = {
        {0, {SEC_LN_POS_TOP, SEC_LN_POS_BOTTOM, SEC_LN_POS_LEFT, SEC_LN_POS_RIGHT, SEC_LN_POS_CLIENT}},
        {1, {SEC_LN_POS_LEFT, SEC_LN_POS_RIGHT, SEC_LN_POS_TOP, SEC_LN_POS_BOTTOM, SEC_LN_POS_CLIENT}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << "mode " << c.nMode);
        SECLNBorderClient bc;
        bc.SetArrangementMode(c.nMode);
        SECLayoutNode nodes[6];
        for (int i = 0; i < 5; ++i)
        {
            EXPECT_EQ(bc.AddLayoutChild(&nodes[i]), i + 1);
            int nPos = -1;
            EXPECT_TRUE(bc.GetNodePosition(&nodes[i], nPos));
            EXPECT_EQ(nPos, c.positions[i]);
        }
        EXPECT_EQ(bc.AddLayoutChild(&nodes[5]), -1);
        EXPECT_EQ(bc.RemoveLayoutChild(&nodes[2]), 4);
        EXPECT_EQ(bc.GetPositionNode(c.positions[2]), nullptr);
        EXPECT_EQ(bc.AddLayoutChild(&nodes[5]), 5);
        EXPECT_EQ(bc.GetPositionNode(c.positions[2]), &nodes[5]);
        for (SECLayoutNode& node : nodes)
            bc.RemoveLayoutChild(&node);
    }
}

TEST(BorderClientTest, ReceiverHearsOnlyOfAChangedClient)
{
    SECLNBorderClient bc;
    SECLayoutNode top, client;
    CCountingReceiver receiver;
    bc.SetEventReceiver(&receiver);
    top.SetPreferredRect(RECT{0, 0, 10, 20});
    bc.AddPositionNode(&top, SEC_LN_POS_TOP);
    bc.AddPositionNode(&client, SEC_LN_POS_CLIENT);
    RECT rcOut;
    bc.RecalcNode(rcOut, RECT{0, 0, 100, 100}, FALSE, TRUE);
    EXPECT_EQ(receiver.m_nCalls, 1);
    EXPECT_TRUE(RectIs(receiver.m_rcLast, 0, 20, 100, 100));
    bc.RecalcNode(rcOut, RECT{0, 0, 100, 100}, FALSE, TRUE);
    EXPECT_EQ(receiver.m_nCalls, 1);
    bc.RecalcNode(rcOut, RECT{0, 0, 100, 90}, FALSE, TRUE);
    EXPECT_EQ(receiver.m_nCalls, 2);
    bc.RemoveLayoutChild(&top);
    bc.RemoveLayoutChild(&client);
}

TEST(GripperGeometryTest, BarsAndButtonsSitWhereTheMetricsPutThem)
{
    struct Case
    {
        int nThickness;
        int nNear, nFar;
    };
    const Case cases[] = {{18, 6, 5}, {6, -1, 0}, {7, 0, 0}, {20, 7, 6}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << "thickness " << c.nThickness);
        SECLayoutNodeGripper gripper;
        SECGripperBarMetrics m;
        gripper.CalcRaisedBarMetrics(m, 100, c.nThickness, SEC_SIDE_LEFT);
        EXPECT_EQ(m.nNearOffset, c.nNear);
        EXPECT_EQ(m.nFarOffset, c.nFar);
        EXPECT_EQ(m.nBarWidth, 3);
        EXPECT_EQ(m.nGap, 1);
    }
    // A left gripper of thickness 18: bars 6-9 and 10-13 across the strip, inset by the space.
    SECLayoutNodeGripper gripper;
    RECT bars[2];
    gripper.CalcGripperBars(RECT{0, 0, 18, 100}, SEC_SIDE_LEFT, bars);
    EXPECT_TRUE(RectIs(bars[0], 6, 3, 9, 97));
    EXPECT_TRUE(RectIs(bars[1], 10, 3, 13, 97));
    // A top gripper: the same down from the strip's top, inset by the side spaces.
    gripper.CalcGripperBars(RECT{0, 0, 100, 18}, SEC_SIDE_TOP, bars);
    EXPECT_TRUE(RectIs(bars[0], 6, 6, 94, 9));
    EXPECT_TRUE(RectIs(bars[1], 6, 10, 94, 13));

    // With buttons the 11-pixel buttons sit at offset 4 and the bars stop before them.
    SECLayoutNodeGripperEx ex;
    ex.m_bHasCloseButton = ex.m_bHasExpandButton = TRUE;
    RECT all[4];
    ex.CalcGripperBars(RECT{0, 0, 18, 150}, SEC_SIDE_LEFT, all);
    EXPECT_TRUE(RectIs(all[SEC_GRIPPER_CLOSE], 4, 3, 15, 14));
    EXPECT_TRUE(RectIs(all[SEC_GRIPPER_EXPAND], 3, 15, 15, 27));
    EXPECT_TRUE(RectIs(all[SEC_GRIPPER_BAR1], 6, 29, 9, 147));
    EXPECT_TRUE(RectIs(all[SEC_GRIPPER_BAR2], 10, 29, 13, 147));
    ex.CalcGripperBars(RECT{0, 0, 150, 18}, SEC_SIDE_TOP, all);
    EXPECT_TRUE(RectIs(all[SEC_GRIPPER_CLOSE], 133, 4, 144, 15));
    EXPECT_TRUE(RectIs(all[SEC_GRIPPER_EXPAND], 119, 3, 131, 15));
    EXPECT_TRUE(RectIs(all[SEC_GRIPPER_BAR1], 6, 6, 118, 9));
    // Button states follow the gripper's side and flags.
    EXPECT_EQ(ex.GetExpandButtonState(SEC_SIDE_LEFT), (UINT)DFCS_SCROLLLEFT);
    ex.m_bExpanded = FALSE;
    ex.m_bExpandEnabled = FALSE;
    EXPECT_EQ(ex.GetExpandButtonState(SEC_SIDE_TOP), (UINT)(DFCS_SCROLLDOWN | DFCS_INACTIVE));
    ex.m_bClosePressed = TRUE;
    EXPECT_EQ(ex.GetCloseButtonState(SEC_SIDE_TOP), (UINT)DFCS_PUSHED);
}

TEST(GripperGeometryTest, BorderSpaceStripsAndHiddenBorders)
{
    SECLayoutNodeBorderSpace space;
    RECT l, r, t, b;
    space.SplitBorderStrips(RECT{0, 0, 100, 50}, TRUE, l, r, t, b);
    EXPECT_TRUE(RectIs(l, 0, 0, 6, 50));
    EXPECT_TRUE(RectIs(r, 94, 0, 100, 50));
    EXPECT_TRUE(RectIs(t, 6, 0, 94, 3));
    EXPECT_TRUE(RectIs(b, 6, 47, 94, 50));
    space.SplitBorderStrips(RECT{0, 0, 100, 50}, FALSE, l, r, t, b);
    EXPECT_TRUE(RectIs(t, 0, 0, 100, 3));
    EXPECT_TRUE(RectIs(l, 0, 3, 6, 47));
    // Narrower than the space: strips stay inside.
    space.SplitBorderStrips(RECT{0, 0, 4, 50}, TRUE, l, r, t, b);
    EXPECT_TRUE(RectIs(l, 0, 0, 4, 50));
    EXPECT_TRUE(RectIs(r, 0, 0, 4, 50));

    int nLeft, nTop, nRight, nBottom;
    space.GetBorders(nLeft, nTop, nRight, nBottom);
    EXPECT_EQ(nLeft + nTop + nRight + nBottom, 18);
    space.ShowBorder(FALSE, FALSE);
    space.GetBorders(nLeft, nTop, nRight, nBottom);
    EXPECT_EQ(nLeft + nTop + nRight + nBottom, 0);

    // A client edge without flags has no borders; with top and left, 2 each there.
    SECLNBorderClientEdge edge;
    edge.GetBorders(nLeft, nTop, nRight, nBottom);
    EXPECT_EQ(nLeft + nTop + nRight + nBottom, 0);
    edge.SetEdges(TRUE, TRUE, FALSE, FALSE);
    edge.GetBorders(nLeft, nTop, nRight, nBottom);
    EXPECT_EQ(nLeft, 2);
    EXPECT_EQ(nTop, 2);
    EXPECT_EQ(nRight + nBottom, 0);
    EXPECT_TRUE(RectIs(edge.EdgeSubRect(RECT{10, 10, 20, 40}, 0, 2, SEC_SIDE_RIGHT), 18, 10, 20, 40));
    EXPECT_TRUE(RectIs(edge.EdgeSubRect(RECT{10, 10, 20, 40}, 0, 50, SEC_SIDE_BOTTOM), 10, 10, 20, 40));
}
} // namespace

namespace
{
TEST(GripperGeometryTest, FlatGrippersHaveOneBarNearTheEdge)
{
    SECLayoutNodeGripper::SetDefaultFlat(TRUE);
    SECLayoutNodeGripper flat;
    SECLayoutNodeGripper::SetDefaultFlat(FALSE);
    SECGripperBarMetrics m;
    flat.CalcFlatBarMetrics(m, 100, 18, SEC_SIDE_TOP);
    EXPECT_EQ(m.nNearOffset, 2);
    EXPECT_EQ(m.nBarWidth, 3);
    EXPECT_EQ(m.nGap, 0);
    EXPECT_EQ(m.nFarOffset, 13);
    RECT bars[2];
    flat.CalcGripperBars(RECT{0, 0, 100, 18}, SEC_SIDE_TOP, bars);
    EXPECT_TRUE(RectIs(bars[0], 6, 2, 94, 5));
    // The gripper's side claims the gripper size as its minimum while nothing is wrapped.
    flat.SetGripperSide(SEC_SIDE_TOP);
    SIZE sizeMin, sizeMax;
    DWORD dwFlags;
    flat.GetMinMaxSize(sizeMin, sizeMax, dwFlags);
    EXPECT_EQ(sizeMin.cx, 0);
    EXPECT_EQ(sizeMin.cy, 18);
    EXPECT_EQ(dwFlags, (DWORD)SEC_LN_NOMAX);
    int nLeft, nTop, nRight, nBottom;
    flat.GetBorders(nLeft, nTop, nRight, nBottom);
    EXPECT_EQ(nTop, 18);
    EXPECT_EQ(nBottom, 3);
}
} // namespace
