// When a cell tip goes away besides leaving the cell or a key: a scroll of its grid hides it,
// destroying the grid that shows it destroys it, and the process has only one tip window, which
// another grid's destruction leaves alone.
#include "GridTestApp.h"
#include "TestSupport.h"
#include "grid/core/CellTipWnd.h"
#include "grid/core/Style.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
const char* const s_pszLong = "Ein recht langer Text, der nicht in die Zelle passt";

// A grid of 40 rows whose column 2 holds one-line texts too long for it.
struct LongTextGrid : GridWindow
{
    CGXGridCore& g;
    explicit LongTextGrid(int x) : GridWindow(300, 150), g(*grid)
    {
        parent.SetWindowPos(NULL, x, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        g.OnGridInitialUpdate();
        g.SetRowCount(40, GX_NOREDRAW);
        g.SetColCount(3, GX_NOREDRAW);
        g.SetColWidth(1, 3, 60, NULL, GX_NOREDRAW);
        g.SetStyleRange(CGXCellRange(1, 2, 40, 2), CGXStyle().SetValue(s_pszLong).SetWrapText(FALSE));
        grid->UpdateWindow();
    }
    // Rests the pointer on a cell; TRUE when a tip window shows for this grid within the time.
    bool RestOn(ROWCOL nRow, ROWCOL nCol)
    {
        MoveMouseTo(CPoint(0, 0));
        PumpMessages(50);
        CPoint pt = g.CalcCellRect(nRow, nCol).CenterPoint();
        grid->ClientToScreen(&pt);
        MoveMouseTo(pt);
        HWND hGrid = grid->GetSafeHwnd();
        return PumpUntil(
            [hGrid] {
                CGXCellTipWnd* p = CGXCellTipWnd::GetExisting();
                return p != NULL && p->IsWindowVisible() && p->m_hOwner == hGrid;
            },
            3000);
    }
};

bool TipVisible()
{
    CGXCellTipWnd* p = CGXCellTipWnd::GetExisting();
    return p != NULL && p->IsWindowVisible();
}

// The windows of the tip's class this thread has.
int TipWindowCount(HWND hTip)
{
    struct Count
    {
        char szClass[64];
        int n;
    } c = {};
    ::GetClassNameA(hTip, c.szClass, sizeof(c.szClass));
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND h, LPARAM l) -> BOOL {
            Count* p = (Count*)l;
            char sz[64] = "";
            ::GetClassNameA(h, sz, sizeof(sz));
            if (strcmp(sz, p->szClass) == 0)
                p->n++;
            return TRUE;
        },
        (LPARAM)&c);
    return c.n;
}
} // namespace

TEST(GridCellTipLifetime, AScrollHidesTheTip)
{
    LongTextGrid w(20);
    ASSERT_TRUE(w.RestOn(2, 2));
    // The scroll bar's messages, as a click on its arrow sends them, with the pointer still
    // resting in the grid.
    w.grid->SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_FALSE(TipVisible());
    w.grid->SendMessage(WM_VSCROLL, SB_ENDSCROLL);
    EXPECT_EQ(2u, w.g.GetTopRow());
}

TEST(GridCellTipLifetime, OneTipWindowOwnedByTheGridShowingIt)
{
    std::unique_ptr<LongTextGrid> a(new LongTextGrid(20)), b(new LongTextGrid(360));
    ASSERT_TRUE(a->RestOn(2, 2));
    HWND hTip = CGXCellTipWnd::GetExisting()->GetSafeHwnd();
    EXPECT_EQ(1, TipWindowCount(hTip));
    ASSERT_TRUE(b->RestOn(3, 2));
    EXPECT_EQ(1, TipWindowCount(hTip));
    EXPECT_EQ(b->grid->GetSafeHwnd(), CGXCellTipWnd::GetExisting()->m_hOwner);
    // The grid that no longer shows it leaves it alone; the one showing it takes it along.
    a.reset();
    PumpMessages(50);
    ASSERT_NE(nullptr, CGXCellTipWnd::GetExisting());
    EXPECT_TRUE(TipVisible());
    b.reset();
    PumpMessages(50);
    EXPECT_EQ(nullptr, CGXCellTipWnd::GetExisting());
    EXPECT_FALSE(::IsWindow(hTip));
}
