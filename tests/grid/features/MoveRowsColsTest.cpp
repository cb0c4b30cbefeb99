// Moving blocks of rows and columns: data, heights, selection and the current cell follow;
// undo puts the block back; blocks outside the grid are refused.
#include "FeatureTestApp.h"
#include "grid/core/GridParam.h"
#include "grid/core/RangeList.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <string>

namespace
{
struct MoveGrid : GridWindow
{
    CGXGridCore& g;
    MoveGrid() : GridWindow(400, 300), g(*grid)
    {
        g.SetRowCount(10, GX_NOREDRAW);
        g.SetColCount(5, GX_NOREDRAW);
        for (ROWCOL r = 1; r <= 10; r++)
            g.SetValueRange(CGXCellRange(r, 1), std::to_string(r).c_str());
        for (ROWCOL c = 1; c <= 5; c++)
            g.SetValueRange(CGXCellRange(1, c), ("c" + std::to_string(c)).c_str());
        g.GetParam()->ClearUndoList();
        grid->UpdateWindow();
    }
    // Column 1 of rows 1..10.
    std::string Rows()
    {
        std::string s;
        for (ROWCOL r = 1; r <= 10; r++)
            s += std::string(r > 1 ? "," : "") + (LPCTSTR)g.GetStoredValueText(r, 1);
        return s;
    }
};
} // namespace

TEST(GridMoveRowsCols, RowsTakeTheirDataHeightsSelectionAndCurrentCellAlong)
{
    MoveGrid w;
    w.g.SetRowHeight(4, 4, 41, NULL, GX_NOREDRAW);
    w.g.GetParam()->ClearUndoList();
    w.g.SetSelection(NULL);
    w.g.SetCurrentCell(4, 2, GX_NOREDRAW);
    ROWCOL nRow, nCol;
    ASSERT_TRUE(w.g.MoveRows(3, 5, 6));
    EXPECT_EQ("c1,2,6,7,8,3,4,5,9,10", w.Rows());
    EXPECT_EQ(41, w.g.GetRowHeight(7));
    ASSERT_TRUE(w.g.GetCurrentCell(nRow, nCol));
    EXPECT_EQ(7u, nRow);
    EXPECT_EQ(2u, nCol);
    // A current cell after the block and the boundary stays.
    w.g.SetCurrentCell(9, 1, GX_NOREDRAW);
    ASSERT_TRUE(w.g.MoveRows(6, 8, 3));
    EXPECT_EQ("c1,2,3,4,5,6,7,8,9,10", w.Rows());
    ASSERT_TRUE(w.g.GetCurrentCell(nRow, nCol));
    EXPECT_EQ(9u, nRow);
    EXPECT_EQ(41, w.g.GetRowHeight(4));
}

TEST(GridMoveRowsCols, ColumnsMoveAndUndoPutsTheBlockBack)
{
    MoveGrid w;
    ASSERT_TRUE(w.g.MoveCols(1, 2, 4));
    EXPECT_STREQ("c3", w.g.GetStoredValueText(1, 1));
    EXPECT_STREQ("c1", w.g.GetStoredValueText(1, 4));
    EXPECT_STREQ("c2", w.g.GetStoredValueText(1, 5));
    ASSERT_TRUE(w.g.Undo());
    for (ROWCOL c = 1; c <= 5; c++)
        EXPECT_STREQ(("c" + std::to_string(c)).c_str(), w.g.GetStoredValueText(1, c));
    // The inverse waits on the redo list, and redo moves it again.
    EXPECT_EQ(1, w.g.GetParam()->GetRedoList().GetCount());
    EXPECT_EQ(0, w.g.GetParam()->GetUndoList().GetCount());
    ASSERT_TRUE(w.g.Redo());
    EXPECT_STREQ("c1", w.g.GetStoredValueText(1, 4));
}

TEST(GridMoveRowsCols, BlocksOutsideTheGridAreRefused)
{
    MoveGrid w;
    struct Case
    {
        ROWCOL first, last, dest;
    } cases[] = {{3, 3, 3}, {5, 3, 1}, {9, 11, 1}, {1, 2, 10}, {1, 1, 11}, {0, 1, 3}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.first) + ".." + std::to_string(c.last) + " to " +
                     std::to_string(c.dest));
        EXPECT_FALSE(w.g.MoveRows(c.first, c.last, c.dest));
        EXPECT_EQ("c1,2,3,4,5,6,7,8,9,10", w.Rows());
        EXPECT_EQ(10u, w.g.GetRowCount());
    }
    EXPECT_EQ(0, w.g.GetParam()->GetUndoList().GetCount());
    // The last possible place is taken.
    EXPECT_TRUE(w.g.MoveRows(1, 2, 9));
    EXPECT_EQ("3,4,5,6,7,8,9,10,c1,2", w.Rows());
}

TEST(GridMoveRowsCols, WithoutTheComponentNothingMoves)
{
    MoveGrid w;
    w.g.m_pMoveRowsColsImp = NULL;
    EXPECT_FALSE(w.g.MoveRows(1, 2, 5));
    EXPECT_FALSE(w.g.MoveCols(1, 1, 3));
    EXPECT_EQ("c1,2,3,4,5,6,7,8,9,10", w.Rows());
}
