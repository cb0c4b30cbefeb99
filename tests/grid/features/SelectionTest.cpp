// Selecting with the mouse and the keyboard on a shown grid: the selection list after each
// gesture, and the screen equal to a fresh paint of it.
#include "FeatureTestApp.h"
#include "grid/core/GridParam.h"
#include "grid/core/RangeList.h"
#include "TestSupport.h"
#include "GridIds.h"
#include <functional>
#include <gtest/gtest.h>
#include <string>

using namespace testing_support;

namespace
{
struct GestureCase
{
    const char* name;
    WORD wSelectionFlags;
    std::function<void(SelectGrid&)> gesture;
    const char* expected;
};
} // namespace

TEST(GridSelection, GesturesBuildTheSelectionListAndRepaintExactlyTheChangedCells)
{
    const GestureCase cases[] = {
        {"drag from B2 to D4", 255,
         [](SelectGrid& w) {
             DragThrough({w.At(2, 2), w.At(3, 3), w.At(4, 4)});
         },
         "2,2-4,4"},
        {"a drag back up-left", 255,
         [](SelectGrid& w) {
             DragThrough({w.At(5, 5), w.At(4, 4), w.At(3, 2)});
         },
         "3,2-5,5"},
        {"Shift+click from the anchor", 255,
         [](SelectGrid& w) {
             DragThrough({w.At(2, 2), w.At(3, 3)});
             ClickAt(w.At(5, 4), false, true);
         },
         "2,2-5,4"},
        {"Shift+click without a selection starts at the current cell", 255,
         [](SelectGrid& w) {
             ClickAt(w.At(3, 2));
             ClickAt(w.At(4, 3), false, true);
         },
         "3,2-4,3"},
        {"a plain click selects nothing", 255, [](SelectGrid& w) { ClickAt(w.At(3, 3)); }, ""},
        {"a plain click keeping the selection adds no empty range", 255,
         [](SelectGrid& w) {
             DragThrough({w.At(2, 2), w.At(3, 3)});
             w.g.GetParam()->m_bKeepSelectionOnRelease = TRUE;
             ClickAt(w.At(5, 5));
         },
         ""},
        {"Ctrl+click adds one cell", 255,
         [](SelectGrid& w) {
             DragThrough({w.At(2, 2), w.At(3, 3)});
             ClickAt(w.At(6, 5), true);
         },
         "2,2-3,3;6,5-6,5"},
        {"over the column headers C to E", 255,
         [](SelectGrid& w) {
             DragThrough({w.At(0, 3), w.At(0, 4), w.At(0, 5)});
         },
         "C3-5"},
        {"over the row headers 3 to 6", 255,
         [](SelectGrid& w) {
             DragThrough({w.At(3, 0), w.At(5, 0), w.At(6, 0)});
         },
         "R3-6"},
        {"Ctrl+click on a selected row's header takes it out", 255,
         [](SelectGrid& w) {
             DragThrough({w.At(3, 0), w.At(6, 0)});
             ClickAt(w.At(4, 0), true);
         },
         "R3-3;R5-6"},
        {"the corner selects the table", 255, [](SelectGrid& w) { ClickAt(w.At(0, 0)); }, "T"},
        {"a second click on the corner clears it", 255,
         [](SelectGrid& w) {
             ClickAt(w.At(0, 0));
             ClickAt(w.At(0, 0));
         },
         ""},
        {"permissions 0 select nothing", 0,
         [](SelectGrid& w) {
             DragThrough({w.At(2, 2), w.At(4, 4)});
         },
         ""},
        {"without the column permission the headers select nothing", 255 & ~2,
         [](SelectGrid& w) {
             DragThrough({w.At(0, 2), w.At(0, 4)});
         },
         ""},
        {"Shift+Right extends, Shift+Down is refused", 255,
         [](SelectGrid& w) {
             ClickAt(w.At(2, 2));
             PressKey(VK_RIGHT, false, true);
             PressKey(VK_RIGHT, false, true);
             PressKey(VK_DOWN, false, true);
         },
         "2,2-2,4"},
        {"a plain arrow key leaves the selection and forgets its building", 255,
         [](SelectGrid& w) {
             DragThrough({w.At(2, 2), w.At(3, 3)});
             PressKey(VK_DOWN);
             PressKey(VK_RIGHT, false, true);
         },
         "3,2-3,3"},
    };
    for (const GestureCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        SelectGrid w;
        w.g.GetParam()->m_wSelectionFlags = c.wSelectionFlags;
        c.gesture(w);
        EXPECT_EQ(c.expected, w.Selection());
        EXPECT_TRUE(w.ShowsFreshPaint());
    }
}

TEST(GridSelection, DraggingSuspendsFloatAndMergeEvaluationUntilRelease)
{
    SelectGrid w;
    PumpMessages(::GetDoubleClickTime() + 50);
    MoveMouseTo(w.At(2, 2));
    SendLeftButton(true);
    MoveMouseTo(w.At(3, 3));
    EXPECT_TRUE(w.g.m_bFloatEvalSuspended);
    EXPECT_TRUE(w.g.m_bMergeEvalSuspended);
    EXPECT_EQ("2,2-3,3", w.Selection());
    EXPECT_TRUE(w.ShowsFreshPaint()); // the feedback during the drag too
    SendLeftButton(false);
    EXPECT_FALSE(w.g.m_bFloatEvalSuspended);
    EXPECT_FALSE(w.g.m_bMergeEvalSuspended);
    // Cancel mode in the middle of a drag lifts them as well.
    PumpMessages(::GetDoubleClickTime() + 50);
    SendLeftButton(true);
    EXPECT_TRUE(w.g.m_bFloatEvalSuspended);
    w.grid->SendMessage(WM_CANCELMODE);
    EXPECT_FALSE(w.g.m_bFloatEvalSuspended);
    SendLeftButton(false);
}

TEST(GridSelection, DeselectingCutsThePiecesOutOfTheMetRanges)
{
    struct Case
    {
        const char* name;
        CGXCellRange selected, removed;
        const char* expected;
    };
    const Case cases[] = {
        {"the middle of a 3x3 block", CGXCellRange(2, 2, 4, 4), CGXCellRange(3, 3),
         "2,2-2,4;4,2-4,4;2,2-4,2;2,4-4,4"},
        {"row 5 of rows 3..8", CGXCellRange().SetRows(3, 8), CGXCellRange().SetRows(5, 5), "R3-4;R6-8"},
        {"column 2 of the table", CGXCellRange().SetTable(), CGXCellRange().SetCols(2, 2), "C1-1;C3-6"},
        {"a range it does not meet stays", CGXCellRange(1, 1, 2, 2), CGXCellRange(5, 5), "1,1-2,2"},
        {"all of it", CGXCellRange(2, 2, 3, 3), CGXCellRange(1, 1, 4, 4), ""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        SelectGrid w;
        w.g.SelectRange(c.selected, TRUE, TRUE);
        w.g.SelectRange(c.removed, FALSE, TRUE);
        EXPECT_EQ(c.expected, w.Selection());
        EXPECT_TRUE(w.ShowsFreshPaint());
    }
}

TEST(GridSelection, RowSelectionModeStoresWholeRows)
{
    SelectGrid w;
    w.g.GetParam()->m_wMouseCurrentCellFlags = 2;
    DragThrough({w.At(2, 2), w.At(4, 5)});
    EXPECT_EQ("R2-4", w.Selection());
    EXPECT_TRUE(w.ShowsFreshPaint());
    // Keys in multiple-row mode: a plain move starts again at the new row, Shift extends.
    w.g.SetCurrentCell(6, 2);
    w.g.RedrawAll(GX_UPDATENOW, FALSE); // the headers marked for the new current cell
    PressKey(VK_DOWN);
    EXPECT_EQ("R7-7", w.Selection());
    PressKey(VK_DOWN, false, true);
    EXPECT_EQ("R7-8", w.Selection());
    EXPECT_TRUE(w.ShowsFreshPaint());
    // Single-row mode: one row, wherever the mouse goes.
    w.g.GetParam()->m_wMouseCurrentCellFlags = 1;
    DragThrough({w.At(3, 2), w.At(5, 3)});
    EXPECT_EQ("R3-3", w.Selection());
    EXPECT_TRUE(w.ShowsFreshPaint());
}

TEST(GridSelection, WithRedrawLockedNothingIsDrawn)
{
    SelectGrid w;
    Pixels before = CaptureClient(w.grid.get());
    w.g.GetParam()->m_bRedrawLocked = TRUE;
    w.g.SelectRange(CGXCellRange(2, 2, 4, 4), TRUE, TRUE);
    w.g.SetSelection(w.g.GetParam()->m_SelectedRanges.GetTailPosition(), 1, 1, 5, 5);
    EXPECT_EQ("1,1-5,5", w.Selection());
    EXPECT_TRUE(before.px == CaptureClient(w.grid.get()).px);
    w.g.GetParam()->m_bRedrawLocked = FALSE;
    w.g.RedrawAll(GX_UPDATENOW, FALSE);
    EXPECT_FALSE(before.px == CaptureClient(w.grid.get()).px);
}

TEST(GridSelection, AVetoKeepsTheSelectionAndTheHeaderOptionRepaintsHeaders)
{
    struct VetoGrid : CGXGridWnd
    {
        BOOL bRefuse = TRUE;
        int nChanged = 0, nRedraws = 0;
        BOOL CanChangeSelection(const CGXCellRange*, BOOL, BOOL) override
        {
            return !bRefuse;
        }
        void OnChangedSelection(const CGXCellRange* pRange, BOOL b1, BOOL b2) override
        {
            nChanged++;
            CGXGridWnd::OnChangedSelection(pRange, b1, b2);
        }
        void RedrawRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, UINT flags,
                         BOOL bCreateHint) override
        {
            nRedraws++;
            CGXGridWnd::RedrawRange(nTop, nLeft, nBottom, nRight, flags, bCreateHint);
        }
    };
    GridWindowOf<VetoGrid> w(300, 200);
    VetoGrid& g = *w.grid;
    g.OnGridInitialUpdate();
    g.SetRowCount(5, GX_NOREDRAW);
    g.SetColCount(4, GX_NOREDRAW);
    g.SelectRange(CGXCellRange(2, 2), TRUE, TRUE);
    g.UpdateWindow();
    CPoint pt1 = g.CalcCellRect(1, 1).CenterPoint(), pt3 = g.CalcCellRect(3, 3).CenterPoint();
    g.ClientToScreen(&pt1);
    g.ClientToScreen(&pt3);
    DragThrough({pt1, pt3});
    CGXRangeList& list = g.GetParam()->m_SelectedRanges;
    EXPECT_TRUE(list.IsCellInList(2, 2));
    EXPECT_FALSE(list.IsCellInList(3, 3));
    EXPECT_EQ(1, list.GetCount()); // the refused press left no empty range behind
    // Allowed, the option repaints the row and the column headers with each change.
    g.bRefuse = FALSE;
    g.SelectRange(CGXCellRange(3, 3), TRUE, FALSE);
    EXPECT_EQ(0, g.nRedraws);
    g.GetParam()->m_bMarkHeadersOnSelection = TRUE;
    g.nChanged = 0;
    g.SelectRange(CGXCellRange(4, 4), TRUE, FALSE);
    EXPECT_EQ(1, g.nChanged);
    EXPECT_EQ(2, g.nRedraws);
    EXPECT_TRUE(list.IsCellInList(4, 4));
    g.SetSelection(NULL);
    EXPECT_EQ(0, list.GetCount());
}

// Whole columns and whole rows selected: their cells show inverted, their headers only in the
// headers' own look, not inverted as well.
TEST(GridSelection, SelectedColumnsAndRowsInvertTheirCellsNotTheirHeaders)
{
    struct
    {
        const char* name;
        ROWCOL nRow1, nCol1, nRow2, nCol2; // the headers dragged over
        const char* expected;
        ROWCOL nHeaderRow, nHeaderCol, nCellRow, nCellCol;
    } cases[] = {{"columns C and D", 0, 3, 0, 4, "C3-4", 0, 3, 2, 3},
                 {"rows 3 and 4", 3, 0, 4, 0, "R3-4", 3, 0, 3, 2}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        SelectGrid w;
        DragThrough({w.At(c.nRow1, c.nCol1), w.At(c.nRow2, c.nCol2)});
        ASSERT_EQ(c.expected, w.Selection());
        EXPECT_TRUE(w.ShowsFreshPaint());
        Pixels inverted = RenderGrid(w.grid.get(), w.grid.get());
        w.g.GetParam()->m_bInvertSelection = FALSE;
        Pixels plain = RenderGrid(w.grid.get(), w.grid.get());
        w.g.GetParam()->m_bInvertSelection = TRUE;
        CPoint header = w.g.CalcCellRect(c.nHeaderRow, c.nHeaderCol).CenterPoint();
        CPoint cell = w.g.CalcCellRect(c.nCellRow, c.nCellCol).CenterPoint();
        EXPECT_EQ(plain.At(header.x, header.y), inverted.At(header.x, header.y));
        EXPECT_EQ(plain.At(cell.x, cell.y) ^ 0xFFFFFF, inverted.At(cell.x, cell.y));
    }
}
