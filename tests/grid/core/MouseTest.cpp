// The mouse on a shown grid window, driven by real input: a click makes the cell current, a
// drag reports clamped cells, a second button or WM_CANCELMODE ends the sequence, and a header
// double click reaches the sort component.
#include "GridTestApp.h"
#include "TestSupport.h"
#include "grid/core/GridComponents.h"
#include "grid/core/GridParam.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
// A grid window that records the cells its left click sequence reports.
class RecordingGrid : public CGXGridWnd
{
  public:
    struct Step
    {
        ROWCOL row, col;
        WORD flags;
    };
    std::vector<Step> steps;
    BOOL OnLButtonHitRowCol(ROWCOL nHitRow, ROWCOL nHitCol, ROWCOL nRow, ROWCOL nCol, CPoint pt, UINT nFlags,
                            WORD nHitState) override
    {
        steps.push_back({nRow, nCol, nHitState});
        return CGXGridWnd::OnLButtonHitRowCol(nHitRow, nHitCol, nRow, nCol, pt, nFlags, nHitState);
    }
};

struct FakeSort : CGXAbstractGridSortImp
{
    ROWCOL row = 99, col = 99;
    BOOL OnLButtonDblClkRowCol(CGXGridCore*, ROWCOL nRow, ROWCOL nCol, UINT, CPoint) override
    {
        row = nRow;
        col = nCol;
        return TRUE;
    }
};

struct MouseGrid
{
    CWnd parent;
    RecordingGrid grid;
    MouseGrid()
    {
        EnsureGridLibrary();
        CRect rect(0, 0, 300, 200);
        ::AdjustWindowRectEx(&rect, WS_POPUP | WS_VISIBLE, FALSE, 0);
        parent.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_WINDOW + 1)), _T("Gitter"),
                        WS_POPUP | WS_VISIBLE, CRect(20, 20, 20 + rect.Width(), 20 + rect.Height()), NULL, 0);
        grid.Create(WS_VISIBLE, CRect(0, 0, 300, 200), &parent, 100);
        ::SetForegroundWindow(parent.GetSafeHwnd());
        grid.OnGridInitialUpdate();
        grid.SetRowCount(5, GX_NOREDRAW);
        grid.SetColCount(4, GX_NOREDRAW);
        grid.UpdateWindow();
        PumpMessages(50);
    }
    ~MouseGrid()
    {
        if (::GetCapture() == grid.GetSafeHwnd())
            ::ReleaseCapture();
        grid.m_pSortImp = NULL;
        grid.DestroyWindow();
        parent.DestroyWindow();
    }
    CPoint CellCentre(ROWCOL nRow, ROWCOL nCol)
    {
        CPoint pt = grid.CalcCellRect(nRow, nCol).CenterPoint();
        grid.ClientToScreen(&pt);
        return pt;
    }
};

void Mouse(DWORD dwFlags, CPoint ptScreen)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = ptScreen.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = ptScreen.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = dwFlags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &in, sizeof(INPUT));
    PumpMessages(80);
}

TEST(GridMouse, ClickMakesTheCellCurrent)
{
    MouseGrid w;
    CPoint pt = w.CellCentre(3, 2);
    Mouse(0, pt);
    Mouse(MOUSEEVENTF_LEFTDOWN, pt);
    EXPECT_EQ(w.grid.GetSafeHwnd(), ::GetCapture());
    Mouse(MOUSEEVENTF_LEFTUP, pt);
    ROWCOL nRow = 0, nCol = 0;
    ASSERT_TRUE(w.grid.GetCurrentCell(nRow, nCol));
    EXPECT_EQ(3u, nRow);
    EXPECT_EQ(2u, nCol);
    EXPECT_EQ(NULL, ::GetCapture());
    ASSERT_EQ(2u, w.grid.steps.size());
    EXPECT_EQ(0x44, w.grid.steps[0].flags & 0x7C);
    EXPECT_EQ(0x50, w.grid.steps[1].flags & 0x7C);
}

TEST(GridMouse, DragBelowTheLastRowDeliversTheRowCount)
{
    MouseGrid w;
    CPoint pt = w.CellCentre(2, 2);
    Mouse(MOUSEEVENTF_LEFTDOWN, pt);
    CRect rect;
    w.grid.GetClientRect(&rect);
    CPoint ptBelow(pt.x, pt.y + 150); // far below row 5, still inside the window
    Mouse(0, ptBelow);
    Mouse(MOUSEEVENTF_LEFTUP, ptBelow);
    ASSERT_GE(w.grid.steps.size(), 3u);
    // The first move away from the press cell (moves over the press cell may come first).
    size_t i = 1;
    while (i + 1 < w.grid.steps.size() && w.grid.steps[i].row == 2)
        i++;
    const auto& move = w.grid.steps[i];
    EXPECT_EQ(0x08, move.flags & 0x1C);
    EXPECT_EQ(0x20, move.flags & 0x60); // left the press cell
    EXPECT_EQ(5u, move.row);
    EXPECT_EQ(2u, move.col);
    EXPECT_EQ(5u, w.grid.steps.back().row);
    EXPECT_EQ(0x10, w.grid.steps.back().flags & 0x1C);
}

TEST(GridMouse, SecondButtonCancels)
{
    MouseGrid w;
    CPoint pt = w.CellCentre(2, 2);
    Mouse(MOUSEEVENTF_LEFTDOWN, pt);
    ASSERT_EQ(w.grid.GetSafeHwnd(), ::GetCapture());
    Mouse(MOUSEEVENTF_RIGHTDOWN, pt);
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_EQ(0, w.grid.m_nHitState);
    size_t nSteps = w.grid.steps.size();
    Mouse(MOUSEEVENTF_RIGHTUP, pt);
    Mouse(MOUSEEVENTF_LEFTUP, pt);
    EXPECT_EQ(nSteps, w.grid.steps.size()); // no release reached the cancelled sequence
}

TEST(GridMouse, CancelModeDuringDragClearsTheSelection)
{
    MouseGrid w;
    w.grid.GetParam()->m_SelectedRanges.AddTail(new CGXCellRange(1, 1, 3, 3));
    CPoint pt = w.CellCentre(2, 2);
    Mouse(MOUSEEVENTF_LEFTDOWN, pt);
    Mouse(0, w.CellCentre(3, 3));
    w.grid.SendMessage(WM_CANCELMODE);
    EXPECT_TRUE(w.grid.GetParam()->m_SelectedRanges.IsEmpty());
    EXPECT_EQ(NULL, ::GetCapture());
    Mouse(MOUSEEVENTF_LEFTUP, pt);
    // Without a sequence the selection is left alone.
    w.grid.GetParam()->m_SelectedRanges.AddTail(new CGXCellRange(1, 1, 3, 3));
    w.grid.SendMessage(WM_CANCELMODE);
    EXPECT_FALSE(w.grid.GetParam()->m_SelectedRanges.IsEmpty());
}

TEST(GridMouse, HeaderDoubleClickReachesTheSortComponent)
{
    MouseGrid w;
    FakeSort sort;
    w.grid.m_pSortImp = &sort;
    CPoint pt = w.CellCentre(0, 3);
    Mouse(MOUSEEVENTF_LEFTDOWN, pt);
    Mouse(MOUSEEVENTF_LEFTUP, pt);
    Mouse(MOUSEEVENTF_LEFTDOWN, pt);
    Mouse(MOUSEEVENTF_LEFTUP, pt);
    EXPECT_EQ(0u, sort.row);
    EXPECT_EQ(3u, sort.col);
}
} // namespace

namespace
{
TEST(GridMouse, KeysDuringADragAreSwallowedAndEscCancels)
{
    MouseGrid w;
    ASSERT_TRUE(w.grid.ChangeCurrentCell(2, 2, 0x0A));
    CPoint pt = w.CellCentre(2, 2);
    Mouse(MOUSEEVENTF_LEFTDOWN, pt);
    ASSERT_EQ(w.grid.GetSafeHwnd(), ::GetCapture());
    w.grid.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    ROWCOL nRow, nCol;
    w.grid.GetCurrentCell(nRow, nCol);
    EXPECT_EQ(2u, nRow); // swallowed
    w.grid.SendMessage(WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_EQ(0, w.grid.m_nHitState);
    Mouse(MOUSEEVENTF_LEFTUP, pt);
}
} // namespace
