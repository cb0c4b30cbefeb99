// Freezing the selected columns and rows: the block moves to the front and is frozen, unfreezing
// moves it back, one Ctrl+Z takes a freeze back; two blocks cannot be frozen.
#include "FeatureTestApp.h"
#include "grid/core/GridParam.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <string>

using namespace testing_support;

namespace
{
struct FreezeGrid : GridWindow
{
    CGXGridCore& g;
    FreezeGrid() : GridWindow(420, 260), g(*grid)
    {
        g.SetRowCount(8, GX_NOREDRAW);
        g.SetColCount(7, GX_NOREDRAW);
        for (ROWCOL c = 1; c <= 7; c++)
            g.SetValueRange(CGXCellRange(1, c), ("c" + std::to_string(c)).c_str(), gxOverride, 0,
                            GX_NOREDRAW);
        for (ROWCOL r = 1; r <= 8; r++)
            g.SetValueRange(CGXCellRange(r, 1), ("r" + std::to_string(r)).c_str(), gxOverride, 0,
                            GX_NOREDRAW);
        g.GetParam()->ClearUndoList();
        g.RedrawAll(GX_UPDATENOW, FALSE);
        grid->SetFocus();
        PumpMessages(50);
    }
    std::string Row1()
    {
        std::string s;
        for (ROWCOL c = 1; c <= 7; c++)
            s += std::string((LPCTSTR)g.GetStoredValueText(1, c)) + " ";
        return s;
    }
    std::string Col1()
    {
        std::string s;
        for (ROWCOL r = 1; r <= 8; r++)
            s += std::string((LPCTSTR)g.GetStoredValueText(r, 1)) + " ";
        return s;
    }
};
} // namespace

TEST(GridFreeze, ColumnsFiveAndSixMoveToTheFrontFrozenAndBack)
{
    FreezeGrid w;
    w.g.SelectRange(CGXCellRange().SetCols(5, 6), TRUE, TRUE);
    ASSERT_TRUE(w.g.CanFreezeCols());
    EXPECT_FALSE(w.g.CanUnfreezeCols());
    w.g.FreezeCols();
    EXPECT_EQ("c5 c6 r1 c2 c3 c4 c7 ", w.Row1());
    EXPECT_EQ(2u, w.g.GetFrozenCols());
    EXPECT_EQ(0, w.g.GetParam()->m_SelectedRanges.GetCount());
    EXPECT_EQ(1, w.g.GetParam()->GetUndoList().GetCount());
    EXPECT_TRUE(w.ShowsFreshPaint());
    EXPECT_FALSE(w.g.CanFreezeCols()); // already frozen
    // One Ctrl+Z takes it back, Ctrl+R does it again.
    PressKey('Z', true);
    EXPECT_EQ("r1 c2 c3 c4 c5 c6 c7 ", w.Row1());
    EXPECT_EQ(0u, w.g.GetFrozenCols());
    EXPECT_TRUE(w.ShowsFreshPaint());
    PressKey('R', true);
    EXPECT_EQ("c5 c6 r1 c2 c3 c4 c7 ", w.Row1());
    EXPECT_EQ(2u, w.g.GetFrozenCols());
    // Unfreezing puts them back.
    ASSERT_TRUE(w.g.CanUnfreezeCols());
    w.g.UnfreezeCols();
    EXPECT_EQ("r1 c2 c3 c4 c5 c6 c7 ", w.Row1());
    EXPECT_EQ(0u, w.g.GetFrozenCols());
    EXPECT_TRUE(w.ShowsFreshPaint());
}

TEST(GridFreeze, RowsFreezeAndUnfreezeLikewise)
{
    FreezeGrid w;
    w.g.SelectRange(CGXCellRange(4, 2, 5, 3), TRUE, TRUE);
    ASSERT_TRUE(w.g.CanFreezeRows());
    w.g.FreezeRows();
    EXPECT_EQ("r4 r5 r1 r2 r3 r6 r7 r8 ", w.Col1());
    EXPECT_EQ(2u, w.g.GetFrozenRows());
    EXPECT_TRUE(w.ShowsFreshPaint());
    w.g.UnfreezeRows();
    EXPECT_EQ("r1 r2 r3 r4 r5 r6 r7 r8 ", w.Col1());
    EXPECT_EQ(0u, w.g.GetFrozenRows());
    EXPECT_TRUE(w.ShowsFreshPaint());
}

TEST(GridFreeze, TwoSeparateBlocksOrNoSelectionCannotBeFrozen)
{
    FreezeGrid w;
    EXPECT_FALSE(w.g.CanFreezeCols());
    w.g.SelectRange(CGXCellRange().SetCols(2, 2), TRUE, TRUE);
    w.g.SelectRange(CGXCellRange().SetCols(5, 5), TRUE, TRUE);
    EXPECT_FALSE(w.g.CanFreezeCols());
    w.g.FreezeCols();
    EXPECT_EQ(0u, w.g.GetFrozenCols());
    EXPECT_EQ("r1 c2 c3 c4 c5 c6 c7 ", w.Row1());
    // A block already at the front is only frozen.
    w.g.SetSelection(NULL);
    w.g.SelectRange(CGXCellRange().SetCols(1, 3), TRUE, TRUE);
    w.g.FreezeCols();
    EXPECT_EQ(3u, w.g.GetFrozenCols());
    EXPECT_EQ("r1 c2 c3 c4 c5 c6 c7 ", w.Row1());
}
