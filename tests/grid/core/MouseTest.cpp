// The mouse on a shown grid window, driven by real input: a click makes the cell current, a
// drag reports clamped cells, a second button or WM_CANCELMODE ends the sequence, and a header
// double click reaches the sort component.
#include "GridTestApp.h"
#include "TestSupport.h"
#include "grid/core/Control.h"
#include "grid/core/GridComponents.h"
#include "grid/core/GridParam.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>

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
    // The per-cell hooks reached: 'L' left click, 'R' right click, 'D' left double click.
    struct Hook
    {
        char kind;
        ROWCOL row, col;
    };
    std::vector<Hook> hooks;
    BOOL OnLButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt) override
    {
        hooks.push_back({'L', nRow, nCol});
        return CGXGridWnd::OnLButtonClickedRowCol(nRow, nCol, nFlags, pt);
    }
    BOOL OnRButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt) override
    {
        hooks.push_back({'R', nRow, nCol});
        return CGXGridWnd::OnRButtonClickedRowCol(nRow, nCol, nFlags, pt);
    }
    BOOL OnLButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt) override
    {
        hooks.push_back({'D', nRow, nCol});
        return CGXGridWnd::OnLButtonDblClkRowCol(nRow, nCol, nFlags, pt);
    }
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
    BOOL OnHeaderDblClk(CGXGridCore*, ROWCOL nRow, ROWCOL nCol, UINT, CPoint) override
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

namespace
{
// A button drawn inside a cell: logs the mouse input its control hands on.
struct LoggingChild : CGXChild
{
    std::vector<std::string>* pLog;
    explicit LoggingChild(std::vector<std::string>* p) : pLog(p)
    {
    }
    void Draw(CDC*, BOOL, const CGXStyle&) override
    {
    }
    BOOL LButtonDown(UINT, CPoint) override
    {
        pLog->push_back("down");
        return TRUE;
    }
    BOOL LButtonUp(UINT, CPoint) override
    {
        pLog->push_back("up");
        return TRUE;
    }
};

// Clicks on the current cell go to its control, which ends them in the grid's per-cell hooks.
TEST(GridMouse, ClicksOnTheCurrentCellReachTheHooksThroughItsControl)
{
    struct Case
    {
        DWORD down, up;
        int nClicks;
        char kind;
    } cases[] = {
        {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 1, 'L'},
        {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, 1, 'R'},
        {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 2, 'D'},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.kind);
        MouseGrid w;
        w.grid.GetParam()->m_bClickActivation = FALSE; // keeps the edit window off the cell
        ASSERT_TRUE(w.grid.ChangeCurrentCell(2, 3, 0x0A));
        CPoint pt = w.CellCentre(2, 3);
        Mouse(0, pt);
        for (int i = 0; i < c.nClicks; i++)
        {
            Mouse(c.down, pt);
            Mouse(c.up, pt);
        }
        auto it = std::find_if(w.grid.hooks.begin(), w.grid.hooks.end(),
                               [&](const RecordingGrid::Hook& h) { return h.kind == c.kind; });
        ASSERT_NE(w.grid.hooks.end(), it);
        EXPECT_EQ(2u, it->row);
        EXPECT_EQ(3u, it->col);
    }
}

// The child under the press takes the press and, as the active child, the release.
TEST(GridMouse, TheChildUnderThePressTakesPressAndRelease)
{
    MouseGrid w;
    w.grid.GetParam()->m_bClickActivation = FALSE;
    ASSERT_TRUE(w.grid.ChangeCurrentCell(2, 2, 0x0A));
    CGXControl* pControl = w.grid.GetControl(2, 2);
    ASSERT_NE(nullptr, pControl);
    std::vector<std::string> log;
    CRect cell = w.grid.CalcCellRect(2, 2);
    auto* pChild = new LoggingChild(&log);
    pChild->m_rect = CRect(cell.left, cell.top, cell.CenterPoint().x, cell.bottom);
    pControl->AddChild(pChild);

    CPoint ptOutside(cell.right - 3, cell.CenterPoint().y);
    w.grid.ClientToScreen(&ptOutside);
    Mouse(0, ptOutside);
    Mouse(MOUSEEVENTF_LEFTDOWN, ptOutside);
    Mouse(MOUSEEVENTF_LEFTUP, ptOutside);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(nullptr, pControl->GetActiveChild());

    CPoint ptInside(cell.left + 3, cell.CenterPoint().y);
    w.grid.ClientToScreen(&ptInside);
    Mouse(0, ptInside);
    Mouse(MOUSEEVENTF_LEFTDOWN, ptInside);
    EXPECT_EQ(pChild, pControl->GetActiveChild());
    Mouse(MOUSEEVENTF_LEFTUP, ptInside);
    EXPECT_EQ((std::vector<std::string>{"down", "up"}), log);
    pControl->RemoveChild(pChild);
    delete pChild;
}
} // namespace
