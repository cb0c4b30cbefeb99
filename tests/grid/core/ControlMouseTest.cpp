// Moves without a button over cells that are not current: the child of the cell's control under
// the pointer hears them as hover moves, then the grid's per-cell hook.
#include "GridTestApp.h"
#include "TestSupport.h"
#include "grid/core/Control.h"
#include <gtest/gtest.h>
#include <vector>

using namespace testing_support;

namespace
{
class HoverGrid : public CGXGridWnd
{
  public:
    struct Hover
    {
        ROWCOL row, col;
    };
    std::vector<Hover> hovers;
    BOOL OnMouseMoveOver(ROWCOL nRow, ROWCOL nCol, UINT, CPoint) override
    {
        hovers.push_back({nRow, nCol});
        return FALSE;
    }
};

struct CountingChild : CGXChild
{
    int nMoves = 0, nButtonMoves = 0;
    ROWCOL nRow = 0, nCol = 0;
    void Draw(CDC*, BOOL, const CGXStyle&) override
    {
    }
    BOOL OnMouseMoveOver(ROWCOL nHoverRow, ROWCOL nHoverCol, UINT, CPoint) override
    {
        nMoves++;
        nRow = nHoverRow;
        nCol = nHoverCol;
        return TRUE;
    }
    BOOL MouseMove(UINT, CPoint) override
    {
        nButtonMoves++;
        return TRUE;
    }
};

TEST(GridControlMouse, MovesWithoutAButtonReachTheChildUnderThePointerAndTheHook)
{
    EnsureGridLibrary();
    CWnd parent;
    CRect rect(0, 0, 300, 200);
    ::AdjustWindowRectEx(&rect, WS_POPUP | WS_VISIBLE, FALSE, 0);
    parent.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_WINDOW + 1)), _T("Gitter"),
                    WS_POPUP | WS_VISIBLE, CRect(20, 20, 20 + rect.Width(), 20 + rect.Height()), NULL, 0);
    HoverGrid grid;
    grid.Create(WS_VISIBLE, CRect(0, 0, 300, 200), &parent, 100);
    ::SetForegroundWindow(parent.GetSafeHwnd());
    grid.OnGridInitialUpdate();
    grid.SetRowCount(5, GX_NOREDRAW);
    grid.SetColCount(4, GX_NOREDRAW);
    grid.UpdateWindow();
    ASSERT_TRUE(grid.ChangeCurrentCell(1, 1, 0x0A));
    PumpMessages(50);

    // The child covers the left half of cell (3,2), which is not the current cell.
    CGXControl* pControl = grid.GetControl(3, 2);
    ASSERT_NE(nullptr, pControl);
    CRect cell = grid.CalcCellRect(3, 2);
    CountingChild child;
    child.m_rect = CRect(cell.left, cell.top, cell.CenterPoint().x, cell.bottom);
    pControl->AddChild(&child);

    struct Step
    {
        CPoint pt;
        int nMoves;
    } steps[] = {
        {CPoint(cell.right - 3, cell.CenterPoint().y), 0},
        {CPoint(cell.left + 3, cell.CenterPoint().y), 1},
    };
    for (const Step& s : steps)
    {
        grid.hovers.clear();
        child.nMoves = 0;
        CPoint pt = s.pt;
        grid.ClientToScreen(&pt);
        MoveMouseTo(pt);
        PumpMessages(50);
        if (s.nMoves == 0)
        {
            EXPECT_EQ(0, child.nMoves);
        }
        else
        {
            EXPECT_GE(child.nMoves, s.nMoves);
            EXPECT_EQ(3u, child.nRow);
            EXPECT_EQ(2u, child.nCol);
        }
        EXPECT_EQ(0, child.nButtonMoves); // hovering is no move of a pressed button
        ASSERT_FALSE(grid.hovers.empty());
        EXPECT_EQ(3u, grid.hovers.back().row);
        EXPECT_EQ(2u, grid.hovers.back().col);
    }
    pControl->RemoveChild(&child);
    grid.DestroyWindow();
    parent.DestroyWindow();
}
} // namespace
