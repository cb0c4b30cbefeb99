// Docking grid lines and two-dimensional grids: insertion places and lengths, splitters between
// resizable nodes, sizing modes against node limits, splitter drags, finding the node under a
// point, recording and restoring a node's place, and grow-to-fit.
#include "LayoutChecks.h"
#include "TestSupport.h"
#include "uilib/frames/dockengine/DynamicGrid2d.h"
#include <vector>

namespace
{
using layout_checks::Applied;
using layout_checks::RectIs;

int Width(SECLayoutNode& node)
{
    RECT rc = Applied(node);
    return rc.right - rc.left;
}

int Height(SECLayoutNode& node)
{
    RECT rc = Applied(node);
    return rc.bottom - rc.top;
}

// Splitter windows need a parent; it stays hidden.
class GridTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            m_host.CreateEx(0, AfxRegisterWndClass(0), _T("Raster"), WS_POPUP, 0, 0, 400, 300, NULL, NULL));
        s = SECSplitterBase::s_nSplitterWidth;
    }
    void TearDown() override
    {
        m_host.DestroyWindow();
    }
    void Recalc(SECLayoutNode& node, const RECT& rc)
    {
        RECT rcOut;
        node.RecalcNode(rcOut, rc, FALSE, TRUE);
    }
    int Splitters(SECLNDynamicGridLine& line)
    {
        return line.GetChildCount(FALSE) - line.GetNodeCount();
    }
    // A line 300 wide holding a, b and c, made by three plain insertions.
    void FillLine(SECLNDynamicGridLine& line, SECLayoutNode& a, SECLayoutNode& b, SECLayoutNode& c)
    {
        line.Initialize(m_host.m_hWnd, TRUE);
        Recalc(line, RECT{0, 0, 300, 40});
        ASSERT_EQ(line.InsertNode(&a, NULL), 1);
        ASSERT_EQ(line.InsertNode(&b, NULL), 2);
        ASSERT_EQ(line.InsertNode(&c, NULL), 3);
    }
    CWnd m_host;
    int s = 0;
};

TEST_F(GridTest, FirstNodeLengthComesFromTheRecordThePreferredRectangleOr150)
{
    struct Case
    {
        int nLength;
        RECT rcPreferred;
        int nExpected;
    } cases[] = {{80, {0, 0, 120, 10}, 80}, {-1, {0, 0, 120, 10}, 120}, {-1, {0, 0, 0, 0}, 150}};
    for (const Case& c : cases)
    {
        SECLNDynamicGridLine line;
        line.Initialize(m_host.m_hWnd, TRUE);
        Recalc(line, RECT{0, 0, 300, 40});
        EXPECT_EQ(line.GetAverageLength(FALSE), 0); // empty: no division
        SECLayoutNode node;
        node.SetPreferredRect(c.rcPreferred);
        SECDynGridInsertConstraints rec;
        rec.nLength = c.nLength;
        EXPECT_EQ(line.InsertNode(&node, &rec), 1);
        EXPECT_EQ(Width(node), c.nExpected);
        EXPECT_EQ(Splitters(line), 0);
        EXPECT_TRUE(line.IsVisible());
        EXPECT_EQ(node.GetParentNode(), &line);
    }
}

TEST_F(GridTest, NodesShareTheLineWithSplittersBetweenResizableNeighbours)
{
    SECLNDynamicGridLine line;
    SECLayoutNode a, b, c, d;
    FillLine(line, a, b, c);
    EXPECT_EQ(Splitters(line), 2);
    // b took the first's length; c the average of two; the others made room evenly.
    EXPECT_TRUE(RectIs(Applied(a), 0, 0, 67, 40));
    EXPECT_TRUE(RectIs(Applied(b), 67 + s, 0, 141 + s, 40));
    EXPECT_TRUE(RectIs(Applied(c), 141 + 2 * s, 0, 300, 40));
    SECLNVirtualSplitter* pAB = line.GetSplitterAfter(&a, TRUE);
    ASSERT_NE(pAB, nullptr);
    EXPECT_EQ(line.GetSplitterAfter(&b, FALSE), pAB);
    EXPECT_TRUE(RectIs(Applied(*pAB), 67, 0, 67 + s, 40));
    EXPECT_EQ(::GetDlgCtrlID(pAB->GetSplitterHwnd()), SEC_IDC_GRID_SPLITTER);
    EXPECT_EQ(::GetParent(pAB->GetSplitterHwnd()), m_host.m_hWnd);
    EXPECT_EQ(line.GetAverageLength(FALSE), (67 + 74 + 147) / 3);
    EXPECT_EQ(line.GetAverageLength(TRUE), (67 + 74 + 147) / 4);

    // A fixed node between a and b breaks the splitter and gets none.
    SECDynGridInsertConstraints rec;
    rec.pRefNode = &a;
    rec.bAfter = TRUE;
    rec.bResizable = FALSE;
    rec.nLength = 20;
    EXPECT_EQ(line.InsertNode(&d, &rec), 4);
    EXPECT_EQ(line.IndexOfNode(&d), 1);
    EXPECT_EQ(Splitters(line), 1);
    EXPECT_EQ(line.GetSplitterAfter(&a, TRUE), nullptr);
    EXPECT_EQ(line.GetSplitterAfter(&d, TRUE), nullptr);
    EXPECT_EQ(line.GetSplitterAfter(&b, FALSE), nullptr);
    EXPECT_NE(line.GetSplitterAfter(&b, TRUE), nullptr);

    // Taking d out joins a and b again.
    EXPECT_EQ(line.RemoveLayoutChild(&d), 3);
    EXPECT_EQ(Splitters(line), 2);
    EXPECT_NE(line.GetSplitterAfter(&a, TRUE), nullptr);
    EXPECT_EQ(d.GetParentNode(), nullptr);
    EXPECT_EQ(line.RemoveLayoutChild(&d), -1);
    EXPECT_EQ(line.RemoveLayoutChild(NULL), -1);
    EXPECT_EQ(line.InsertNode(NULL, NULL), -1);
    EXPECT_EQ(line.InsertNode(&a, NULL), -1); // already there
    EXPECT_EQ(line.GetNodeCount(), 3);

    // The last node out hides the line.
    line.RemoveLayoutChild(&a);
    line.RemoveLayoutChild(&b);
    EXPECT_TRUE(line.IsVisible());
    line.RemoveLayoutChild(&c);
    EXPECT_FALSE(line.IsVisible());
    EXPECT_EQ(Splitters(line), 0);
}

TEST_F(GridTest, PlaceInTheLineByIndexReferenceOrEnd)
{
    struct Case
    {
        const char* name;
        BOOL bUseIndex;
        int nIndex;
        int nRef; // -1 none, 3 a node outside the line
        BOOL bAfter;
        int nExpectedIndex;
    } cases[] = {
        {"index past the end", TRUE, 9, -1, FALSE, 3},
        {"index 1 before", TRUE, 1, -1, FALSE, 1},
        {"index 1 after", TRUE, 1, -1, TRUE, 2},
        {"negative index, after", TRUE, -1, -1, TRUE, 3},
        {"negative index, before", TRUE, -1, -1, FALSE, 0},
        {"reference before", FALSE, 0, 2, FALSE, 2},
        {"reference after", FALSE, 0, 0, TRUE, 1},
        {"reference outside the line", FALSE, 0, 3, TRUE, 0},
        {"no place, tail", FALSE, 0, -1, TRUE, 3},
        {"no place, head", FALSE, 0, -1, FALSE, 0},
    };
    for (const Case& c : cases)
    {
        SECLNDynamicGridLine line;
        SECLayoutNode nodes[4], added;
        FillLine(line, nodes[0], nodes[1], nodes[2]);
        SECDynGridInsertConstraints rec;
        rec.SetIndex(c.nIndex, c.bAfter, c.bUseIndex);
        rec.pRefNode = c.nRef >= 0 ? &nodes[c.nRef] : NULL;
        EXPECT_EQ(line.InsertNode(&added, &rec), 4) << c.name;
        EXPECT_EQ(line.IndexOfNode(&added), c.nExpectedIndex) << c.name;
        EXPECT_EQ(Splitters(line), 3) << c.name;
    }
}

TEST_F(GridTest, SizingModesShareAChangeOfLength)
{
    struct Case
    {
        const char* name;
        int nMode;
        int nNewWidth;
        SIZE sizeMinA, sizeMaxA;
        DWORD dwFlagsA;
        int a, b, c;
    } cases[] = {
        {"even, 7 more", SEC_DYNGRID_SIZE_EVEN, 307, {0, 0}, {0, 0}, SEC_LN_NOMAX, 70, 76, 149},
        {"from the head", SEC_DYNGRID_SIZE_FROM_HEAD, 310, {0, 0}, {0, 0}, SEC_LN_NOMAX, 77, 74, 147},
        {"from the head, head at its maximum",
         SEC_DYNGRID_SIZE_FROM_HEAD,
         310,
         {0, 0},
         {67, 40},
         0,
         67,
         84,
         147},
        {"from the tail", SEC_DYNGRID_SIZE_FROM_TAIL, 310, {0, 0}, {0, 0}, SEC_LN_NOMAX, 67, 74, 157},
        {"from the head, shrinking to the head's minimum",
         SEC_DYNGRID_SIZE_FROM_HEAD,
         280,
         {60, 0},
         {0, 0},
         SEC_LN_NOMAX,
         60,
         61,
         147},
        {"even, the head at its maximum: the others share",
         SEC_DYNGRID_SIZE_EVEN,
         310,
         {0, 0},
         {67, 40},
         0,
         67,
         79,
         152},
    };
    for (const Case& c : cases)
    {
        SECLNDynamicGridLine line;
        SECLayoutNode a, b, cc;
        FillLine(line, a, b, cc);
        a.SetMinMaxSize(c.sizeMinA, c.sizeMaxA, c.dwFlagsA);
        line.SetSizingMode(c.nMode);
        Recalc(line, RECT{0, 0, c.nNewWidth, 40});
        EXPECT_EQ(Width(a), c.a) << c.name;
        EXPECT_EQ(Width(b), c.b) << c.name;
        EXPECT_EQ(Width(cc), c.c) << c.name;
        EXPECT_EQ(Applied(cc).right, c.nNewWidth) << c.name;
    }
}

TEST_F(GridTest, SplitterLimitsKeepEveryMinimumAndDragsTradeLength)
{
    SECLNDynamicGridLine line;
    SECLayoutNode a, b, c;
    FillLine(line, a, b, c);
    a.SetMinMaxSize(SIZE{50, 0}, SIZE{0, 0}, SEC_LN_NOMAX);
    b.SetMinMaxSize(SIZE{70, 0}, SIZE{0, 0}, SEC_LN_NOMAX);
    c.SetMinMaxSize(SIZE{30, 0}, SIZE{0, 0}, SEC_LN_NOMAX);
    Recalc(line, RECT{0, 0, 300, 40});
    EXPECT_TRUE(RectIs(line.GetSplitterAfter(&a, TRUE)->GetLimitRect(), 50, 0, 200, 40));
    EXPECT_TRUE(RectIs(line.GetSplitterAfter(&b, TRUE)->GetLimitRect(), 120, 0, 270, 40));

    // 10 to the right: b can give 4, c the other 6.
    EXPECT_TRUE(line.OnSplitterMoved(line.GetSplitterAfter(&a, TRUE), 10, 0));
    EXPECT_EQ(Width(a), 77);
    EXPECT_EQ(Width(b), 70);
    EXPECT_EQ(Width(c), 141);
    EXPECT_EQ(Applied(c).right, 300);
    // 40 to the left on the second bar: b gives nothing below 70, a gives 27 down to its 50.
    EXPECT_TRUE(line.OnSplitterMoved(line.GetSplitterAfter(&b, TRUE), 0, 0) == FALSE);
    EXPECT_TRUE(line.OnSplitterMoved(line.GetSplitterAfter(&b, TRUE), -40, 0));
    EXPECT_EQ(Width(a), 50);
    EXPECT_EQ(Width(b), 70);
    EXPECT_EQ(Width(c), 168);
    EXPECT_EQ(Applied(c).right, 300);
    // A bar that is not the line's is no move.
    SECLNDynamicGridLine other;
    SECLayoutNode x, y, z;
    FillLine(other, x, y, z);
    EXPECT_FALSE(line.OnSplitterMoved(other.GetSplitterAfter(&x, TRUE), 5, 0));
}

TEST_F(GridTest, FindNodeAtUsesTheMidpoint)
{
    SECLNDynamicGridLine line;
    SECLayoutNode a, b, c;
    FillLine(line, a, b, c);
    struct Case
    {
        int x;
        SECLayoutNode* pExpected;
        BOOL bAfter;
    } cases[] = {{0, &a, FALSE},  {32, &a, FALSE}, {33, &a, TRUE},    {66, &a, TRUE},
                 {69, &b, FALSE}, {299, &c, TRUE}, {300, NULL, FALSE}};
    for (const Case& k : cases)
    {
        BOOL bAfter = 2;
        SECLNDynamicGridLine* pLine = NULL;
        EXPECT_EQ(line.FindNodeAt(POINT{k.x, 5}, &bAfter, &pLine), k.pExpected) << k.x;
        if (k.pExpected != NULL)
        {
            EXPECT_EQ(bAfter, k.bAfter) << k.x;
        }
        EXPECT_EQ(pLine, &line);
    }
}

TEST_F(GridTest, UndoPutsANodeBackAtItsPlace)
{
    SECLNDynamicGridLine line;
    SECLayoutNode a, b, c;
    FillLine(line, a, b, c);
    EXPECT_EQ(line.GetUndoObject(), &line);
    EXPECT_EQ(line.RemoveWithUndo(&b), 2);
    EXPECT_EQ(b.GetParentNode(), nullptr);
    EXPECT_EQ(Applied(c).right, 300);
    EXPECT_EQ(line.RestoreRemoved(), 3);
    EXPECT_EQ(line.IndexOfNode(&b), 1);
    EXPECT_EQ(line.RestoreRemoved(), -1);
    // The record is kept per node.
    EXPECT_EQ(line.RemoveWithUndo(&a), 2);
    EXPECT_EQ(line.RestoreRemovedIf(&c), -1);
    EXPECT_EQ(line.RestoreRemovedIf(&a), 3);
    EXPECT_EQ(line.IndexOfNode(&a), 0);
    EXPECT_EQ(line.RestoreRemovedIf(&a), -1);
    EXPECT_EQ(line.RemoveWithUndo(NULL), -1);
}

TEST_F(GridTest, GridLinesComeAndGoWithTheirNodes)
{
    SECLNDynamicGrid2d grid;
    grid.Initialize(m_host.m_hWnd, TRUE); // lines across, stacked downwards
    EXPECT_FALSE(grid.GetNodeOrientation());
    Recalc(grid, RECT{0, 0, 300, 100});
    SECLayoutNode x, y, z;
    SECDynGridInsertConstraints rec;
    rec.bNewLine = TRUE;
    rec.nCrossLength = 40;
    EXPECT_EQ(grid.InsertNode(&x, &rec), 1);
    EXPECT_FALSE(rec.bNewLine);
    ASSERT_EQ(grid.GetLineCount(), 1);
    SECLNDynamicGridLine* pFirst = grid.GetLineAt(0);
    EXPECT_TRUE(pFirst->GetNodeOrientation());
    EXPECT_EQ(pFirst->GetUndoObject(), &grid);

    rec.Reset();
    rec.bNewLine = TRUE;
    rec.nCrossLength = 30;
    EXPECT_EQ(grid.InsertNode(&y, &rec), 2);
    rec.Reset();
    rec.pRefNode = &x;
    EXPECT_EQ(grid.InsertNode(&z, &rec), 3);
    ASSERT_EQ(grid.GetLineCount(), 2);
    EXPECT_EQ(grid.FindLineOf(&z), pFirst);
    EXPECT_EQ(pFirst->IndexOfNode(&z), 1);
    EXPECT_EQ(grid.GetFirstNode(), &x);
    CPtrList all;
    grid.CollectNodes(all);
    ASSERT_EQ(all.GetCount(), 3);
    EXPECT_EQ(all.GetHead(), &x);
    EXPECT_EQ(all.GetTail(), &y);

    Recalc(grid, RECT{0, 0, 300, 100});
    // The two lines share the height evenly around the splitter between them.
    EXPECT_EQ(Height(*pFirst) + Height(*grid.GetLineAt(1)) + s, 100);
    EXPECT_TRUE(RectIs(Applied(x), 0, 0, Width(x), Height(*pFirst)));
    EXPECT_EQ(Applied(z).right, 300);
    BOOL bAfter = FALSE;
    SECLNDynamicGridLine* pLine = NULL;
    EXPECT_EQ(grid.FindNodeAt(POINT{290, 99}, &bAfter, &pLine), &y);
    EXPECT_EQ(pLine, grid.GetLineAt(1));

    // Removing the only node of a line deletes the line.
    EXPECT_EQ(grid.RemoveLayoutChild(&y), 2);
    EXPECT_EQ(grid.GetLineCount(), 1);
    EXPECT_EQ(grid.RemoveLayoutChild(&y), -1);
    EXPECT_EQ(grid.InsertNode(NULL, NULL), -1);
    EXPECT_EQ(grid.InsertNode(&x, NULL), -1);
}

TEST_F(GridTest, GridRecordsPutNodesBackIntoTheirLinesOrNewLines)
{
    SECLNDynamicGrid2d grid;
    grid.Initialize(m_host.m_hWnd, FALSE); // lines run down, stacked left to right
    Recalc(grid, RECT{0, 0, 200, 300});
    SECLayoutNode x, y, z;
    SECDynGridInsertConstraints rec;
    rec.bNewLine = TRUE;
    rec.nCrossLength = 60;
    grid.InsertNode(&x, &rec);
    rec.Reset();
    rec.bNewLine = TRUE;
    rec.nCrossLength = 50;
    grid.InsertNode(&y, &rec);
    rec.Reset();
    rec.pRefNode = &x;
    grid.InsertNode(&z, &rec);
    Recalc(grid, RECT{0, 0, 200, 300});

    SECDynGridInsertConstraints place;
    ASSERT_TRUE(grid.GetNodeConstraints(&z, &place));
    EXPECT_FALSE(place.bNewLine);
    EXPECT_EQ(place.nLineIndex, 0);
    EXPECT_EQ(place.nCrossLength, 0);
    int nIndex = -1;
    EXPECT_TRUE(place.GetIndex(&nIndex));
    EXPECT_EQ(nIndex, 0);
    EXPECT_TRUE(place.bAfter);
    EXPECT_EQ(place.nLength, Height(z));
    grid.RemoveLayoutChild(&z);
    EXPECT_EQ(grid.InsertNode(&z, &place), 3);
    EXPECT_EQ(grid.FindLineOf(&z), grid.GetLineAt(0));
    EXPECT_EQ(grid.GetLineAt(0)->IndexOfNode(&z), 1);

    // Alone in its line: a new line in the same place, as thick as the node was wide.
    const int nThickness = Width(y);
    ASSERT_TRUE(grid.GetNodeConstraints(&y, &place));
    EXPECT_TRUE(place.bNewLine);
    EXPECT_EQ(place.nCrossLength, nThickness);
    grid.RemoveLayoutChild(&y);
    EXPECT_EQ(grid.GetLineCount(), 1);
    EXPECT_EQ(grid.InsertNode(&y, &place), 3);
    ASSERT_EQ(grid.GetLineCount(), 2);
    EXPECT_EQ(grid.FindLineOf(&y), grid.GetLineAt(1));
    EXPECT_EQ(Width(*grid.GetLineAt(1)), nThickness);

    // Undo through the grid, for a node that had a line of its own.
    EXPECT_EQ(grid.RemoveWithUndo(&y), 2);
    EXPECT_EQ(grid.GetLineCount(), 1);
    EXPECT_EQ(grid.RestoreRemoved(), 3);
    EXPECT_EQ(grid.FindLineOf(&y), grid.GetLineAt(1));
    SECLayoutNode stranger;
    EXPECT_FALSE(grid.GetNodeConstraints(&stranger, &place));
}

TEST_F(GridTest, GrowToFitLengthensTheGridInsteadOfSqueezing)
{
    for (BOOL bGrow : {TRUE, FALSE})
    {
        SECLNDynamicGrid2d grid;
        grid.Initialize(m_host.m_hWnd, TRUE);
        Recalc(grid, RECT{0, 0, 300, bGrow ? 0 : 100});
        grid.SetGrowToFit(bGrow);
        SECLayoutNode x, y;
        SECDynGridInsertConstraints rec;
        rec.bNewLine = TRUE;
        rec.nCrossLength = 40;
        grid.InsertNode(&x, &rec);
        rec.Reset();
        rec.bNewLine = TRUE;
        rec.nCrossLength = 30;
        grid.InsertNode(&y, &rec);
        if (bGrow)
        {
            // Each new line adds its thickness and the splitter it brings.
            EXPECT_EQ(Height(grid), 70 + s);
            RECT rcPreferred;
            grid.GetPreferredRect(rcPreferred);
            EXPECT_TRUE(RectIs(rcPreferred, 0, 0, 300, 70 + s));
            EXPECT_EQ(Height(*grid.GetLineAt(0)), 40);
            EXPECT_EQ(Height(*grid.GetLineAt(1)), 30);
            grid.RemoveLayoutChild(&y);
            EXPECT_EQ(Height(grid), 40);
            EXPECT_EQ(Height(*grid.GetLineAt(0)), 40);
        }
        else
        {
            EXPECT_EQ(Height(grid), 100);
            EXPECT_EQ(Height(*grid.GetLineAt(0)) + Height(*grid.GetLineAt(1)) + s, 100);
        }
    }
    // Switching it off holds the present length as the minimum.
    SECLNDynamicGridLine line;
    line.Initialize(m_host.m_hWnd, TRUE);
    Recalc(line, RECT{0, 0, 250, 40});
    line.SetGrowToFit(TRUE);
    line.SetGrowToFit(FALSE);
    SIZE sizeMin, sizeMax;
    DWORD dwFlags;
    line.GetMinMaxSize(sizeMin, sizeMax, dwFlags);
    EXPECT_EQ(sizeMin.cx, 250);
    EXPECT_EQ(dwFlags, (DWORD)SEC_LN_NOMAX);
    line.SetGrowToFit(TRUE);
    line.GetMinMaxSize(sizeMin, sizeMax, dwFlags);
    EXPECT_EQ(dwFlags, (DWORD)(SEC_LN_NOMIN | SEC_LN_NOMAX));
}

TEST(DynGridInsertConstraintsTest, CopyAndResetCoverEveryField)
{
    SECDockInsertionConstraints a, b;
    SECLayoutNode ref;
    a.pRefNode = &ref;
    a.bAfter = FALSE;
    a.bNewLine = TRUE;
    a.bResizable = FALSE;
    a.nLength = 5;
    a.nCrossLength = 6;
    a.SetPoint(POINT{7, 8}, TRUE);
    a.SetIndex(9, FALSE, TRUE);
    a.nLineIndex = 10;
    a.nDockPosition = 3;
    b.CopyFrom(a);
    EXPECT_EQ(b.pRefNode, &ref);
    EXPECT_FALSE(b.bAfter);
    EXPECT_TRUE(b.bNewLine);
    EXPECT_FALSE(b.bResizable);
    EXPECT_EQ(b.nLength, 5);
    EXPECT_EQ(b.nCrossLength, 6);
    EXPECT_TRUE(b.bHasPoint);
    EXPECT_EQ(b.ptDrop.x, 7);
    EXPECT_EQ(b.ptDrop.y, 8);
    int nIndex = 0;
    EXPECT_TRUE(b.GetIndex(&nIndex));
    EXPECT_EQ(nIndex, 9);
    EXPECT_EQ(b.nLineIndex, 10);
    EXPECT_EQ(b.nDockPosition, 3);
    b.Reset();
    EXPECT_EQ(b.pRefNode, nullptr);
    EXPECT_TRUE(b.bAfter);
    EXPECT_FALSE(b.bNewLine);
    EXPECT_TRUE(b.bResizable);
    EXPECT_EQ(b.nLength, -1);
    EXPECT_EQ(b.nCrossLength, -1);
    EXPECT_FALSE(b.GetIndex(&nIndex));
    EXPECT_EQ(b.nDockPosition, 0);
    // A plain record copied into a dock record keeps the side.
    SECDynGridInsertConstraints plain;
    a.CopyFrom(plain);
    EXPECT_EQ(a.nDockPosition, 3);
    EXPECT_EQ(a.pRefNode, nullptr);
}
} // namespace
