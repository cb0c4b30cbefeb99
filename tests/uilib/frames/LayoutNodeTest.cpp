// Layout geometry without windows where none is needed: style locks, size limits, the subtree
// walk, freezing, scaling, bordered nodes and the factory's ownership.
#include "LayoutChecks.h"
#include "TestSupport.h"
#include "uilib/frames/layout/LNBorder.h"
#include "uilib/frames/layout/LNScale.h"
#include "uilib/frames/layout/LayoutFactory.h"
#include <string>

using namespace tessaron::foundation;

namespace
{
using layout_checks::RectIs;

class CNamedNode : public SECLayoutNode
{
  public:
    explicit CNamedNode(const char* pszName = "")
    {
        SetNodeName(pszName);
    }
};

class CHideableLeaf : public SECLayoutNode, public SECDefHideableNode
{
};

TEST(LayoutNodeTest, StyleLocksKeepEdgesOfTheOldRectangle)
{
    struct Case
    {
        DWORD dwStyle;
        RECT expected;
    };
    const RECT rcOld = {10, 10, 50, 40}, rcNew = {20, 5, 80, 65};
    const Case cases[] = {
        {0, {20, 5, 80, 65}},
        {SEC_LN_KEEPWIDTH, {20, 5, 60, 65}},
        {SEC_LN_KEEPHEIGHT, {20, 5, 80, 35}},
        {SEC_LN_KEEPLEFT, {10, 5, 80, 65}},
        {SEC_LN_KEEPTOP, {20, 10, 80, 65}},
        {SEC_LN_KEEPWIDTH | SEC_LN_KEEPLEFT, {10, 5, 60, 65}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << "style " << c.dwStyle);
        SECLayoutNode node;
        node.SetInitialRect(rcOld);
        node.SetNodeStyle(c.dwStyle, FALSE);
        RECT rcOut;
        node.RecalcNode(rcOut, rcNew, FALSE, FALSE);
        EXPECT_TRUE(RectIs(rcOut, c.expected.left, c.expected.top, c.expected.right, c.expected.bottom));
        EXPECT_TRUE(node.IsNodeMoved());
    }
}

TEST(LayoutNodeTest, MinMaxFlagsDecideWhichLimitsApply)
{
    struct Case
    {
        DWORD dwFlags;
        RECT rc;
        RECT expected;
    };
    const Case cases[] = {
        {0, {0, 0, 100, 10}, {0, 0, 60, 20}},
        {SEC_LN_NOMIN, {0, 0, 100, 10}, {0, 0, 60, 10}},
        {SEC_LN_NOMAX, {0, 0, 100, 10}, {0, 0, 100, 20}},
        {SEC_LN_NOMIN | SEC_LN_NOMAX, {5, 5, 105, 15}, {5, 5, 105, 15}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << "flags " << c.dwFlags);
        SECLayoutNode node;
        node.SetMinMaxSize(SIZE{30, 20}, SIZE{60, 50}, c.dwFlags);
        RECT rcOut;
        node.RecalcNode(rcOut, c.rc, TRUE, TRUE);
        EXPECT_TRUE(RectIs(rcOut, c.expected.left, c.expected.top, c.expected.right, c.expected.bottom));
        // Without constraining, nothing is limited.
        node.RecalcNode(rcOut, c.rc, FALSE, TRUE);
        EXPECT_TRUE(RectIs(rcOut, c.rc.left, c.rc.top, c.rc.right, c.rc.bottom));
    }
    // The initial rectangle widens the limits to hold itself.
    SECLayoutNode node;
    node.SetMinMaxSize(SIZE{30, 20}, SIZE{60, 50}, 0);
    node.SetInitialRect(RECT{0, 0, 10, 100});
    SIZE sizeMin, sizeMax;
    DWORD dwFlags;
    node.GetMinMaxSize(sizeMin, sizeMax, dwFlags);
    EXPECT_EQ(sizeMin.cx, 10);
    EXPECT_EQ(sizeMin.cy, 20);
    EXPECT_EQ(sizeMax.cx, 60);
    EXPECT_EQ(sizeMax.cy, 100);
}

TEST(LayoutNodeTest, SubtreeWalkVisitsChildrenFirstAndTheStartLast)
{
    CNamedNode root("R"), a("A"), a1("A1"), a2("A2"), b("B"), b1("B1");
    root.AddLayoutChild(&a);
    root.AddLayoutChild(&b);
    a.AddLayoutChild(&a1);
    a.AddLayoutChild(&a2);
    b.AddLayoutChild(&b1);
    auto walk = [](SECLayoutNode* pStart) {
        std::string s;
        pStart->ForEachInSubtree([&s](SECLayoutNode* p) { s += std::string(p->GetNodeName()) + " "; });
        return s;
    };
    EXPECT_EQ(walk(&root), "A1 A2 A B1 B R ");
    EXPECT_EQ(walk(&a), "A1 A2 A ");
    EXPECT_EQ(walk(&a1), "");
    EXPECT_EQ(root.GetChildCount(TRUE), 5);
    EXPECT_EQ(root.GetChildCount(FALSE), 2);
    // Adding a child twice changes nothing; NULL is refused; moving to another parent detaches.
    EXPECT_EQ(root.AddLayoutChild(&a), 2);
    EXPECT_EQ(root.AddLayoutChild(NULL), -1);
    EXPECT_EQ(b.AddLayoutChild(&a2), 2);
    EXPECT_EQ(a.GetChildCount(FALSE), 1);
    EXPECT_EQ(a2.GetParentNode(), &b);
    EXPECT_EQ(a1.GetRootNode(), &root);
    // Reordering.
    root.MoveLayoutChild(&b, &a, FALSE);
    EXPECT_EQ(walk(&root), "B1 A2 B A1 A R ");
    // Freezing reaches every descendant.
    root.FreezeLayout(TRUE, TRUE);
    EXPECT_TRUE(a1.IsLayoutFrozen() && b1.IsLayoutFrozen() && root.IsLayoutFrozen());
}

TEST(LayoutNodeTest, PlainNodeMovesItsChildrenWithoutResizingThem)
{
    SECLayoutNode root, child;
    root.SetInitialRect(RECT{0, 0, 100, 100});
    child.SetInitialRect(RECT{10, 10, 30, 20});
    root.AddLayoutChild(&child);
    RECT rcOut, rc;
    root.RecalcNode(rcOut, RECT{5, 7, 300, 300}, FALSE, TRUE);
    child.GetAppliedRect(rc);
    EXPECT_TRUE(RectIs(rc, 15, 17, 35, 27));
    // Unchanged and valid: nothing to do; an invalid leaf makes its ancestors recalculate.
    EXPECT_FALSE(root.NeedsRecalc(FALSE, RECT{5, 7, 300, 300}));
    child.InvalidateNode(TRUE);
    EXPECT_TRUE(root.IsNodeInvalid());
}

TEST(LayoutNodeTest, ScalingMapsChildrenFromTheirInitialRectangles)
{
    struct Case
    {
        const char* pszName;
        RECT from, to, child, expected;
    };
    const Case cases[] = {
        {"doubling", {0, 0, 100, 100}, {0, 0, 200, 200}, {10, 10, 20, 20}, {20, 20, 40, 40}},
        {"-3.1 becomes -2", {0, 0, 10, 10}, {0, 0, 31, 10}, {-1, 0, 10, 5}, {-2, 0, 31, 5}},
        {"zero width keeps x", {0, 0, 0, 100}, {0, 0, 50, 200}, {10, 10, 20, 20}, {10, 20, 20, 40}},
        {"zero height keeps y", {0, 0, 100, 0}, {0, 0, 200, 50}, {10, 10, 20, 20}, {20, 10, 40, 20}},
        {"shrinking", {0, 0, 200, 100}, {0, 0, 50, 75}, {40, 20, 120, 60}, {10, 15, 30, 45}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        SECLNScale root;
        SECLayoutNode child;
        root.SetInitialRect(c.from);
        child.SetInitialRect(c.child);
        root.AddLayoutChild(&child);
        RECT rcOut, rc;
        root.RecalcNode(rcOut, c.to, FALSE, TRUE);
        child.GetAppliedRect(rc);
        EXPECT_TRUE(RectIs(rc, c.expected.left, c.expected.top, c.expected.right, c.expected.bottom));
        EXPECT_TRUE(RectIs(rcOut, c.to.left, c.to.top, c.to.right, c.to.bottom));
        // Back at the start size the child is exactly where it began (left of the origin the
        // rounding rule moves coordinates toward zero).
        if (c.child.left < 0)
            continue;
        root.RecalcNode(rcOut, c.from, FALSE, TRUE);
        child.GetAppliedRect(rc);
        EXPECT_TRUE(RectIs(rc, c.child.left, c.child.top, c.child.right, c.child.bottom));
    }
}

TEST(LayoutNodeTest, BorderedNodeWrapsOneChildInsideItsBorders)
{
    SECLNBorder_T<SECLayoutNode> border;
    CHideableLeaf child;
    SECLayoutNode second;
    border.SetBorders(5, 6, 7, 8);
    EXPECT_EQ(border.AddLayoutChild(&child), 1);
    EXPECT_EQ(border.AddLayoutChild(&second), 1);
    EXPECT_EQ(border.GetWrappedNode(), &child);

    RECT rcOut, rc;
    border.RecalcNode(rcOut, RECT{0, 0, 100, 50}, FALSE, TRUE);
    child.GetAppliedRect(rc);
    EXPECT_TRUE(RectIs(rc, 5, 6, 93, 42));

    // Borders wider than the rectangle: an empty child, never an inverted one.
    border.SetBorders(30, 30, 30, 30);
    border.RecalcNode(rcOut, RECT{0, 0, 40, 50}, FALSE, TRUE);
    child.GetAppliedRect(rc);
    EXPECT_LE(rc.left, rc.right);
    EXPECT_LE(rc.top, rc.bottom);
    EXPECT_TRUE(::IsRectEmpty(&rc));
    EXPECT_TRUE(rc.left >= 0 && rc.right <= 40 && rc.top >= 0 && rc.bottom <= 50);

    // Limits: the child's plus the borders; a hidden child gives zero limits and no flags.
    border.SetBorders(5, 6, 7, 8);
    child.SetMinMaxSize(SIZE{10, 10}, SIZE{20, 20}, SEC_LN_NOMIN);
    border.UpdateMinMaxFromChild();
    SIZE sizeMin, sizeMax;
    DWORD dwFlags;
    border.GetMinMaxSize(sizeMin, sizeMax, dwFlags);
    EXPECT_EQ(sizeMin.cx, 22);
    EXPECT_EQ(sizeMin.cy, 24);
    EXPECT_EQ(sizeMax.cx, 32);
    EXPECT_EQ(sizeMax.cy, 34);
    EXPECT_EQ(dwFlags, (DWORD)SEC_LN_NOMIN);
    child.ShowNode(FALSE, TRUE, FALSE);
    border.UpdateMinMaxFromChild();
    border.GetMinMaxSize(sizeMin, sizeMax, dwFlags);
    EXPECT_EQ(sizeMin.cx + sizeMin.cy + sizeMax.cx + sizeMax.cy, 0);
    EXPECT_EQ(dwFlags, 0u);

    // Pending edges act once, on a constrained recalculation.
    child.ShowNode(TRUE, TRUE, FALSE);
    child.SetMinMaxSize(SIZE{0, 0}, SIZE{0, 0}, SEC_LN_NOMIN | SEC_LN_NOMAX);
    border.AddPendingEdges(0, 10, 0, 0);
    border.RecalcNode(rcOut, RECT{0, 0, 100, 50}, TRUE, TRUE);
    EXPECT_TRUE(RectIs(rcOut, 0, 0, 100, 60));
    border.RecalcNode(rcOut, rcOut, TRUE, TRUE);
    EXPECT_TRUE(RectIs(rcOut, 0, 0, 100, 60));
}

TEST(LayoutNodeTest, CountedShowAndHide)
{
    CHideableLeaf node;
    EXPECT_FALSE(node.ShowNode(FALSE, FALSE, FALSE)); // count -1, still visible
    EXPECT_TRUE(node.IsVisible());
    EXPECT_FALSE(node.ShowNode(TRUE, FALSE, FALSE)); // back to 0
    EXPECT_TRUE(node.IsVisible());
    EXPECT_TRUE(node.ShowNode(FALSE, TRUE, FALSE)); // forced: hidden at once
    EXPECT_FALSE(node.IsVisible());
    EXPECT_TRUE(node.ShowNode(TRUE, FALSE, FALSE));
    EXPECT_TRUE(node.IsVisible());
}

// A factory that refuses nodes, and listeners that report their death.
class CRefusingFactory : public SECLayoutFactory
{
  public:
    BOOL m_bRefuse = FALSE;
    BOOL ApplyNodeDefaults(SECLayoutNode* pNode) override
    {
        SECLayoutFactory::ApplyNodeDefaults(pNode);
        return !m_bRefuse;
    }
};

std::string g_deaths;

class CMortalNode : public SECLayoutNode
{
  public:
    ~CMortalNode() override
    {
        g_deaths += "N";
    }
};

class CMortalListener : public SECLayoutWndListener
{
  public:
    ~CMortalListener() override
    {
        g_deaths += "L";
    }
};

TEST(LayoutNodeTest, FactoryOwnsWhatItMadeAndListenersDieFirst)
{
    g_deaths.clear();
    {
        CRefusingFactory factory;
        SECClassFactory_T<CMortalNode, SECLayoutNode> nodes;
        SECClassFactory_T<CMortalListener, SECLayoutWndListener> listeners;
        SECLayoutNode* pRoot = factory.CreateNode(nodes, _T("root"));
        ASSERT_NE(pRoot, nullptr);
        EXPECT_EQ(pRoot->GetNodeName(), CString(_T("root")));
        EXPECT_EQ(pRoot->GetMemoryManager(), &factory.m_nodeManager);
        EXPECT_EQ(factory.m_nodeManager.GetCount(), 1); // tracked once though told twice
        factory.m_bRefuse = TRUE;
        EXPECT_EQ(factory.CreateNode(nodes, _T("refused")), nullptr);
        EXPECT_EQ(factory.m_nodeManager.GetCount(), 1);
        EXPECT_EQ(g_deaths, "N");
        factory.m_bRefuse = FALSE;
        SECLayoutNode* pChild = factory.CreateNode(nodes);
        pRoot->AddLayoutChild(pChild);
        ASSERT_NE(factory.CreateLayoutWndListener(listeners), nullptr);
        ASSERT_NE(factory.CreateLayoutWndListener(listeners), nullptr);
        // A node destroyed singly leaves its tree.
        factory.DestroyNode(pChild);
        EXPECT_EQ(pRoot->GetChildCount(FALSE), 0);
        g_deaths.clear();
    }
    EXPECT_EQ(g_deaths, "LLN");
}
} // namespace

#include "uilib/frames/docking/DockBar.h"
#include "uilib/common/SystemData.h"
#include "uilib/frames/layout/LayoutNodeDC.h"

namespace
{
TEST(SystemDataTest, ColoursFollowTheSystemAndSplitterCursorsWaitForADockBar)
{
    SECSystemData& data = SECGetSystemData();
    // As in a fresh process (other tests made dock bars already): no splitter cursors until the
    // first dock bar is made.
    data.m_hcurVSplit = NULL;
    data.m_hcurHSplit = NULL;
    {
        CFrameWnd* pFrame = new CFrameWnd;
        ASSERT_TRUE(pFrame->Create(NULL, _T("Cursors")));
        EXPECT_EQ(data.m_hcurVSplit, (HCURSOR)NULL);
        SECDockBar dockBar;
        ASSERT_TRUE(dockBar.Create(pFrame, WS_CHILD | CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP));
        EXPECT_NE(data.m_hcurVSplit, (HCURSOR)NULL);
        EXPECT_NE(data.m_hcurHSplit, (HCURSOR)NULL);
        dockBar.DestroyWindow();
        pFrame->DestroyWindow();
    }
    EXPECT_NE(data.m_hcurArrow, (HCURSOR)NULL);
    EXPECT_EQ(data.m_cxBorder, data.m_bNewShell ? 2 : 1);
    const COLORREF clrOld = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF clrNew = clrOld == RGB(1, 2, 3) ? RGB(4, 5, 6) : RGB(1, 2, 3);
    int nElement = COLOR_BTNFACE;
    ASSERT_TRUE(::SetSysColors(1, &nElement, &clrNew));
    EXPECT_NE(data.m_clrBtnFace, clrNew);
    data.RefreshColors();
    EXPECT_EQ(data.m_clrBtnFace, clrNew);
    ::SetSysColors(1, &nElement, &clrOld);
    data.RefreshColors();
    EXPECT_EQ(data.m_clrBtnFace, clrOld);
}

// A drawing node paints at its applied rectangle minus its draw offset.
class CFillingNode : public SECLayoutNodeDC
{
  public:
    void OnDraw(HDC hdc, const RECT& rc) override
    {
        HBRUSH hBrush = ::CreateSolidBrush(RGB(255, 0, 0));
        ::FillRect(hdc, &rc, hBrush);
        ::DeleteObject(hBrush);
    }
};

TEST(LayoutNodeTest, DrawingNodesPaintAtTheirOffsetAndNotWhileHidden)
{
    HDC hdcMem = ::CreateCompatibleDC(NULL);
    HBITMAP hbm = ::CreateBitmap(40, 40, 1, 32, NULL);
    HGDIOBJ hOld = ::SelectObject(hdcMem, hbm);
    auto clear = [hdcMem]() {
        RECT all = {0, 0, 40, 40};
        ::FillRect(hdcMem, &all, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    };
    CFillingNode node;
    node.SetInitialRect(RECT{20, 20, 30, 30});
    node.SetDrawOffset(10, 5);
    clear();
    node.DrawNode(FALSE, hdcMem);
    EXPECT_EQ(::GetPixel(hdcMem, 10, 15), RGB(255, 0, 0));
    EXPECT_EQ(::GetPixel(hdcMem, 19, 24), RGB(255, 0, 0));
    EXPECT_EQ(::GetPixel(hdcMem, 20, 25), RGB(255, 255, 255));
    EXPECT_EQ(::GetPixel(hdcMem, 25, 25), RGB(255, 255, 255));
    clear();
    node.ShowNode(FALSE, TRUE, FALSE);
    node.DrawNode(TRUE, hdcMem);
    EXPECT_EQ(::GetPixel(hdcMem, 12, 17), RGB(255, 255, 255));
    // Unhosted drawing nodes cannot join a tree.
    SECLayoutNode parent;
    EXPECT_EQ(parent.AddLayoutChild(&node), -1);
    node.SetHostWindow(::GetDesktopWindow());
    EXPECT_EQ(parent.AddLayoutChild(&node), 1);
    parent.RemoveLayoutChild(&node);
    ::SelectObject(hdcMem, hOld);
    ::DeleteObject(hbm);
    ::DeleteDC(hdcMem);
}
} // namespace

namespace
{
TEST(LayoutNodeTest, RealizingWithoutWindowsSettlesMovedFlags)
{
    SECLayoutNode root, child, leaf;
    root.AddLayoutChild(&child);
    root.SetInitialRect(RECT{0, 0, 100, 100});
    child.SetInitialRect(RECT{0, 0, 10, 10});
    RECT rcOut;
    root.RecalcNode(rcOut, RECT{5, 5, 100, 100}, FALSE, TRUE);
    EXPECT_TRUE(root.IsNodeMoved());
    EXPECT_TRUE(child.IsNodeMoved());
    EXPECT_TRUE(root.RealizeNode(NULL));
    EXPECT_FALSE(root.IsNodeMoved());
    EXPECT_FALSE(child.IsNodeMoved());
    // A node without children moves nothing, itself included.
    leaf.SetInitialRect(RECT{0, 0, 10, 10});
    leaf.RecalcNode(rcOut, RECT{1, 1, 10, 10}, FALSE, TRUE);
    EXPECT_TRUE(leaf.RealizeNode(NULL));
    RECT rc;
    leaf.GetRealizedRect(rc);
    EXPECT_TRUE(::IsRectEmpty(&rc));
    // Frozen: nothing.
    root.FreezeLayout(TRUE, FALSE);
    EXPECT_FALSE(root.RealizeNode(NULL));
}
} // namespace
