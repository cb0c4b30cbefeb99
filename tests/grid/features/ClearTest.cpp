// Clearing cells with Delete and Ctrl+Delete on a shown grid: values or whole styles, one undo
// step, each cell once, nothing on a read-only grid, everything back after a failed store.
#include "FeatureTestApp.h"
#include "grid/core/GridParam.h"
#include "grid/core/RangeList.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <string>

using namespace testing_support;

namespace
{
// Counts the value stores of the clear.
struct CountingGrid : CGXGridWnd
{
    int nValueStores = 0;
    BOOL SetStyleRange(const CGXCellRange& range, const CGXStyle* pStyle, int mode, int nType,
                       const CObArray* pStyleArray, UINT flags, int ctCmd) override
    {
        if (pStyle != NULL && pStyle->GetInclude(CGXStyle::ibValue) && ctCmd == gxDo)
            nValueStores++;
        return CGXGridWnd::SetStyleRange(range, pStyle, mode, nType, pStyleArray, flags, ctCmd);
    }
    using CGXGridWnd::SetStyleRange;
};

struct ClearGrid : GridWindowOf<CountingGrid>
{
    CountingGrid& g;
    ClearGrid() : GridWindowOf(360, 220), g(*grid)
    {
        g.OnGridInitialUpdate();
        g.SetRowCount(6, GX_NOREDRAW);
        g.SetColCount(5, GX_NOREDRAW);
        for (ROWCOL r = 1; r <= 6; r++)
            for (ROWCOL c = 1; c <= 5; c++)
                g.SetValueRange(CGXCellRange(r, c), (std::to_string(r) + std::to_string(c)).c_str(),
                                gxOverride, 0, GX_NOREDRAW);
        g.SetStyleRange(CGXCellRange(2, 2, 4, 4), CGXStyle().SetInterior(RGB(200, 230, 255)));
        g.GetParam()->ClearUndoList();
        g.GetParam()->m_wDeleteHandling = 1; // Delete clears the selection, not the current cell's edit
        g.SetCurrentCell(1, 1, GX_NOREDRAW);
        g.RedrawAll(GX_UPDATENOW, FALSE);
        g.SetFocus();
        PumpMessages(50);
        g.nValueStores = 0;
    }
    // The values of rows 1..6, columns 1..5, "." for an empty cell.
    std::string Values()
    {
        std::string s;
        for (ROWCOL r = 1; r <= 6; r++)
        {
            for (ROWCOL c = 1; c <= 5; c++)
            {
                CString str = g.GetStoredValueText(r, c);
                s += str.IsEmpty() ? std::string(".") : std::string((LPCTSTR)str);
                s += " ";
            }
            s += "|";
        }
        return s;
    }
    BOOL HasInterior(ROWCOL r, ROWCOL c)
    {
        CGXStyle style;
        g.GetStyleRowCol(r, c, style, gxCopy, 0);
        return style.GetInclude(CGXStyle::ibInterior);
    }
    bool ShowsFreshPaint()
    {
        g.UpdateWindow();
        return CaptureClient(&g).px == RenderGrid(&g, &g).px;
    }
};
} // namespace

TEST(GridClearCells, DeleteClearsTheValuesAsOneUndoStep)
{
    ClearGrid w;
    const std::string before = w.Values();
    w.g.SelectRange(CGXCellRange(2, 2, 3, 3), TRUE, TRUE);
    w.g.SelectRange(CGXCellRange(3, 3, 4, 4), TRUE, TRUE); // overlapping: each cell once
    PressKey(VK_DELETE);
    const std::string cleared = "11 12 13 14 15 |21 . . 24 25 |31 . . . 35 |41 42 . . 45 |51 52 53 54 55 |"
                                "61 62 63 64 65 |";
    EXPECT_EQ(cleared, w.Values());
    EXPECT_EQ(7, w.g.nValueStores);
    EXPECT_TRUE(w.HasInterior(3, 3)); // the formatting stays
    EXPECT_TRUE(w.ShowsFreshPaint());
    PressKey('Z', true);
    EXPECT_EQ(before, w.Values());
    EXPECT_TRUE(w.ShowsFreshPaint());
    PressKey('R', true);
    EXPECT_EQ(cleared, w.Values());
    EXPECT_TRUE(w.ShowsFreshPaint());
}

TEST(GridClearCells, CtrlDeleteClearsWholeStyles)
{
    ClearGrid w;
    w.g.SelectRange(CGXCellRange(2, 2, 2, 4), TRUE, TRUE);
    PressKey(VK_DELETE, true);
    EXPECT_EQ("", std::string((LPCTSTR)w.g.GetStoredValueText(2, 3)));
    EXPECT_FALSE(w.HasInterior(2, 3));
    EXPECT_TRUE(w.HasInterior(3, 3));
    EXPECT_TRUE(w.ShowsFreshPaint());
    PressKey('Z', true);
    EXPECT_EQ("23", std::string((LPCTSTR)w.g.GetStoredValueText(2, 3)));
    EXPECT_TRUE(w.HasInterior(2, 3));
    EXPECT_TRUE(w.ShowsFreshPaint());
}

TEST(GridClearCells, WithoutSelectionTheCurrentCellIsClearedAndWithNeitherNothingCan)
{
    ClearGrid w;
    w.g.SetCurrentCell(5, 2, GX_UPDATENOW);
    ASSERT_TRUE(w.g.CanClear());
    PressKey(VK_DELETE);
    EXPECT_EQ("", std::string((LPCTSTR)w.g.GetStoredValueText(5, 2)));
    EXPECT_EQ("51", std::string((LPCTSTR)w.g.GetStoredValueText(5, 1)));
    w.g.StoreCurrentCell(FALSE);
    EXPECT_FALSE(w.g.CanClear());
    EXPECT_FALSE(w.g.Clear(FALSE));
}

TEST(GridClearCells, AReadOnlyGridCannotClear)
{
    ClearGrid w;
    const std::string before = w.Values();
    w.g.SelectRange(CGXCellRange(1, 1, 6, 5), TRUE, TRUE);
    w.g.SetReadOnly(TRUE);
    EXPECT_FALSE(w.g.CanClear());
    PressKey(VK_DELETE);
    EXPECT_EQ(before, w.Values());
    EXPECT_EQ(0, w.g.GetParam()->GetUndoList().GetCount());
}

TEST(GridClearCells, AFailedStoreTakesBackWhatWasClearedAndAnswersFalse)
{
    ClearGrid w;
    const std::string before = w.Values();
    w.g.SetStyleRange(CGXCellRange(3, 3), CGXStyle().SetReadOnly(TRUE));
    w.g.GetParam()->ClearUndoList();
    CGXRangeList list;
    list.AddTail(new CGXCellRange(2, 2, 4, 4));
    EXPECT_FALSE(w.g.ClearCells(list, FALSE));
    EXPECT_EQ(before, w.Values());
    EXPECT_EQ(0, w.g.GetParam()->GetUndoList().GetCount());
    EXPECT_TRUE(w.ShowsFreshPaint());
}
