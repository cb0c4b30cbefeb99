// Scrolling of a grid window: scaled ranges, the scroll-bar modes, pulling the top row back and
// invalidating only the uncovered strip.
#include "GridTestApp.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <vector>

namespace
{
struct ScrollGrid : GridWindow
{
    CGXGridCore& g;
    explicit ScrollGrid(ROWCOL nRows, DWORD dwMode = gxnEnabled) : GridWindow(300, 200), g(*grid)
    {
        g.SetScrollBarMode(SB_BOTH, dwMode, FALSE);
        g.OnGridInitialUpdate();
        g.SetColCount(3, GX_NOREDRAW);
        g.SetRowCount(nRows, GX_NOREDRAW);
        // Widths of our own, whatever the font: the three columns fit the 300 px window.
        g.SetColWidth(0, 0, 40, NULL, GX_NOREDRAW);
        g.SetColWidth(1, 3, 64, NULL, GX_NOREDRAW);
        g.UpdateScrollbars(FALSE, FALSE);
        grid->UpdateWindow();
    }
};

SCROLLINFO VertInfo(CWnd* pWnd)
{
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    pWnd->GetScrollInfo(SB_VERT, &si, SIF_ALL);
    return si;
}
} // namespace

TEST(GridScroll, LargeGridScalesPositions)
{
    ScrollGrid w(100000);
    EXPECT_EQ(4u, w.g.GetScrollFactor(SB_VERT)); // 100000 / 32767 + 1
    SCROLLINFO si = VertInfo(w.grid.get());
    EXPECT_EQ(1, si.nMin);
    EXPECT_EQ((int)(w.g.CalcMaxTopRow() / 4), si.nMax);
    w.g.SetTopRow(40000, GX_UPDATENOW);
    EXPECT_EQ(40000u, w.g.GetTopRow());
    EXPECT_EQ(10000, w.grid->CWnd::GetScrollPos(SB_VERT));
    EXPECT_EQ(40000u, w.g.GetScrollPos(SB_VERT));
    // Small grids keep factor 1.
    ScrollGrid small(50);
    EXPECT_EQ(1u, small.g.GetScrollFactor(SB_VERT));
}

TEST(GridScroll, AutomaticBarFollowsRows)
{
    ScrollGrid w(3, gxnAutomatic);
    EXPECT_FALSE(w.grid->GetStyle() & WS_VSCROLL);
    EXPECT_FALSE(w.grid->GetStyle() & WS_HSCROLL);
    // Rows that do not fit show the bar and repaint the strip beside it at once.
    w.g.SetRowCount(40, GX_NOREDRAW);
    w.grid->ValidateRect(NULL);
    w.g.UpdateScrollbars(FALSE, FALSE);
    EXPECT_TRUE(w.grid->GetStyle() & WS_VSCROLL);
    CRect rectUpdate;
    EXPECT_FALSE(w.grid->GetUpdateRect(&rectUpdate));
    // Rows that fit again hide it.
    w.g.SetRowCount(2, GX_NOREDRAW);
    w.g.UpdateScrollbars(TRUE, FALSE);
    EXPECT_FALSE(w.grid->GetStyle() & WS_VSCROLL);
    CRect rectClient;
    w.grid->GetClientRect(&rectClient);
    // The bars settle: a second update changes nothing.
    w.g.UpdateScrollbars(TRUE, FALSE);
    EXPECT_FALSE(w.grid->GetStyle() & WS_VSCROLL);
}

TEST(GridScroll, StripInvalidatedWhenBarAppears)
{
    ScrollGrid w(3, gxnAutomatic);
    w.g.SetRowCount(40, GX_NOREDRAW);
    w.grid->ValidateRect(NULL);
    // bNoRepaint: the layout changes without painting; the paint entry then invalidates all.
    w.g.UpdateScrollbars(TRUE, FALSE);
    EXPECT_TRUE(w.grid->GetStyle() & WS_VSCROLL);
    EXPECT_TRUE(w.g.m_bLayoutChanged);
}

TEST(GridScroll, EnhancedModePullsTopRowBack)
{
    ScrollGrid w(100, gxnEnabled | gxnEnhanced);
    w.g.SetTopRow(90, GX_UPDATENOW);
    ROWCOL nMaxTop = w.g.CalcMaxTopRow();
    EXPECT_EQ(std::min<ROWCOL>(90, nMaxTop), w.g.GetTopRow());
    // Rows deleted behind the view: the next update pulls the top row back.
    w.g.GetParam()->GetData()->ResizeRowCount(60);
    w.g.UpdateScrollbars(TRUE, FALSE);
    EXPECT_EQ(w.g.CalcMaxTopRow(), w.g.GetTopRow());
    EXPECT_LT(w.g.GetTopRow(), 60u);
    // The last row ends inside the window.
    CRect rect = w.g.CalcCellRect(60, 1);
    CRect rectClient;
    w.grid->GetClientRect(&rectClient);
    EXPECT_LE(rect.bottom, rectClient.bottom);
    EXPECT_FALSE(rect.IsRectEmpty());
}

TEST(GridScroll, MaximumTopRowLetsTheLastRowEndInside)
{
    struct Case
    {
        ROWCOL nFrozen;
        int nTallRowHeight; // height of the first scrollable row
        ROWCOL nExpectedMaxTop;
    } cases[] = {
        {0, 150, 2}, // rows 2..4 fit, 1..4 do not
        {0, 20, 1},  // everything fits
        {1, 150, 3}, // the same behind one frozen row
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "frozen " << c.nFrozen << ", tall row " << c.nTallRowHeight);
        ScrollGrid w(4 + c.nFrozen);
        w.g.SetFrozenRows(c.nFrozen, 0, GX_NOREDRAW);
        w.g.SetDefaultRowHeight(20, GX_NOREDRAW);
        w.g.SetRowHeight(c.nFrozen + 1, c.nFrozen + 1, c.nTallRowHeight, NULL, GX_NOREDRAW);
        w.g.UpdateScrollbars(FALSE, FALSE);
        EXPECT_EQ(c.nExpectedMaxTop, w.g.CalcMaxTopRow());
        w.g.SetTopRow(c.nExpectedMaxTop, GX_UPDATENOW);
        CRect rectClient;
        w.grid->GetClientRect(&rectClient);
        EXPECT_LE(w.g.CalcCellRect(4 + c.nFrozen, 1).bottom, rectClient.bottom);
    }
}

TEST(GridScroll, OneRowDownInvalidatesOnlyTheNewStrip)
{
    ScrollGrid w(100);
    w.grid->UpdateWindow();
    ASSERT_EQ(1u, w.g.GetTopRow());
    int nBottomRow = (int)w.g.GetBottomVisibleRow();
    int nHeight = w.g.GetRowHeight(1);
    EXPECT_TRUE(w.g.DoScroll(GX_DOWN, 1));
    EXPECT_EQ(2u, w.g.GetTopRow());
    CRect rectUpdate, rectClient;
    ASSERT_TRUE(w.grid->GetUpdateRect(&rectUpdate));
    w.grid->GetClientRect(&rectClient);
    EXPECT_EQ(nHeight, rectUpdate.Height());
    EXPECT_EQ(rectClient.bottom, rectUpdate.bottom);
    EXPECT_GT(nBottomRow, 3);
    // Up from the first scrollable row does nothing; so does down at the maximum.
    w.grid->UpdateWindow();
    EXPECT_TRUE(w.g.DoScroll(GX_UP, 1));
    EXPECT_FALSE(w.g.DoScroll(GX_UP, 1));
    w.g.SetTopRow(w.g.CalcMaxTopRow(), GX_UPDATENOW);
    EXPECT_FALSE(w.g.DoScroll(GX_DOWN, 1));
}

TEST(GridScroll, CellInView)
{
    ScrollGrid w(100);
    w.g.SetFrozenRows(2, 0, GX_NOREDRAW);
    EXPECT_EQ(3u, w.g.GetTopRow());
    EXPECT_FALSE(w.g.ScrollCellInView(1, 1)); // frozen rows never scroll
    EXPECT_TRUE(w.g.ScrollCellInView(50, 1));
    BOOL bPartial;
    ROWCOL nBottom = w.g.GetBottomVisibleRow(&bPartial);
    EXPECT_EQ(50u, bPartial ? nBottom - 1 : nBottom); // the last fully shown row
    CRect rectClient;
    w.grid->GetClientRect(&rectClient);
    EXPECT_LE(w.g.CalcCellRect(50, 1).bottom, rectClient.bottom);
    EXPECT_TRUE(w.g.ScrollCellInView(10, 1));
    EXPECT_EQ(10u, w.g.GetTopRow());
    w.g.m_bDisableScrollCellInView = TRUE; // one-shot
    EXPECT_FALSE(w.g.ScrollCellInView(90, 1));
    EXPECT_FALSE(w.g.m_bDisableScrollCellInView);
    w.g.SetTopRow(0, GX_NOREDRAW);
    EXPECT_EQ(3u, w.g.GetTopRow()); // after the frozen rows
}

TEST(GridScroll, AutoScrollTimerAndFirstStep)
{
    ScrollGrid w(100);
    w.g.BeginAutoScroll(FALSE, GX_DOWN, 1);
    EXPECT_TRUE(w.g.m_bAutoScroll);
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, w.grid->GetSafeHwnd(), WM_TIMER, WM_TIMER, PM_NOREMOVE));
    EXPECT_EQ(992u, msg.wParam);
    w.grid->KillTimer(992);
    ::PeekMessageA(&msg, w.grid->GetSafeHwnd(), WM_TIMER, WM_TIMER, PM_REMOVE);
}

TEST(GridScroll, PrepareRedrawHearsOfEveryScrollFirst)
{
    ScrollGrid w(100);
    struct Prepare : CGXAbstractGridPrepareRedrawImp
    {
        void OnPrepareRedraw(CGXGridCore* pGrid, ROWCOL n1, ROWCOL n2, ROWCOL n3, ROWCOL n4) override
        {
            calls.push_back({n1, n2, n3, n4, pGrid->GetTopRow()});
        }
        std::vector<std::vector<ROWCOL>> calls;
    } prepare;
    w.g.m_pPrepareRedrawImp = &prepare;
    // New top row, left column, 0, direction; the top row itself still the old one.
    EXPECT_TRUE(w.g.DoScroll(GX_DOWN, 2));
    EXPECT_TRUE(w.g.DoScroll(GX_UP, 1));
    EXPECT_TRUE(w.g.DoScroll(GX_UP, 5));
    EXPECT_FALSE(w.g.DoScroll(GX_UP, 1)); // nothing to scroll: not told
    w.g.m_pPrepareRedrawImp = NULL;
    std::vector<std::vector<ROWCOL>> expected = {
        {3, 1, 0, GX_DOWN, 1}, {2, 1, 0, GX_UP, 3}, {1, 1, 0, GX_UP, 2}};
    EXPECT_EQ(expected, prepare.calls);
}
