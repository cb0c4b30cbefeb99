// Radio-button cells in a shown grid, driven through the system's input queue: items, clicks on
// captions, Space, the clicked-button hook, and the activated side-by-side variant.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/RadioButtonEx.h"
#include "GridIds.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
typedef CArray<CGXRadioButton::Item, const CGXRadioButton::Item&> ItemArray;

struct RadioGrid : GridWindow
{
    RadioGrid() : GridWindow(420, 300)
    {
        grid->SetRowCount(4, GX_NOREDRAW);
        grid->SetColCount(2, GX_NOREDRAW);
        grid->SetColWidth(1, 2, 180, NULL, GX_NOREDRAW);
        grid->SetRowHeight(1, 4, 60, NULL, GX_NOREDRAW);
        grid->SetStyleRange(CGXCellRange(1, 1, 2, 1),
                            CGXStyle().SetControl(GX_IDS_CTRL_RADIO).SetChoiceList(_T("A\n\nB\nC")));
        grid->SetStyleRange(CGXCellRange(2, 1), CGXStyle().SetValue(_T("5")));
        grid->SetStyleRange(CGXCellRange(1, 2, 2, 2),
                            CGXStyle()
                                .SetControl(GX_IDS_CTRL_RADIO3DEX)
                                .SetChoiceList(_T("Eins\nZwei\nDrei"))
                                .SetValue(_T("0"))
                                .SetUserAttributeText(GX_IDS_UA_RADIOBUTTON_ALIGN, _T("1")));
        grid->RedrawAll();
        grid->UpdateWindow();
    }
    // The laid-out items of a cell, in client coordinates.
    void Items(ROWCOL nRow, ROWCOL nCol, ItemArray& items)
    {
        CGXRadioButton* pControl = (CGXRadioButton*)grid->GetControl(nRow, nCol);
        CGXStyle style;
        grid->ComposeStyleRowCol(nRow, nCol, &style);
        CClientDC dc(grid.get());
        CFont* pOld = pControl->SelectStyleFont(&dc, style, NULL);
        pControl->LayoutItems(&dc, pControl->GetCellRect(nRow, nCol), style, items);
        if (pOld != NULL)
            dc.SelectObject(pOld);
    }
};

TEST(GridRadioButton, EmptyLinesAreNoItemsAndCaptionsSelect)
{
    RadioGrid w;
    CClickCountingGrid& grid = *w.grid;
    ItemArray items;
    w.Items(1, 1, items);
    ASSERT_EQ(3, items.GetSize());
    EXPECT_STREQ("B", items[1].strText);
    EXPECT_EQ(items[0].rectButtonArea.bottom, items[1].rectButtonArea.top);

    ClickAt(&grid, items[1].rectText.CenterPoint());
    EXPECT_STREQ("1", CellValue(grid, 1, 1));
    EXPECT_EQ(1, grid.m_nClicks);

    // The selected item again: the hook hears it, nothing is stored.
    grid.m_nStores = 0;
    ClickAt(&grid, items[1].rectButtonArea.CenterPoint());
    EXPECT_EQ(2, grid.m_nClicks);
    EXPECT_EQ(0, grid.m_nStores);
    EXPECT_STREQ("1", CellValue(grid, 1, 1));

    // Below the last item: nothing.
    ClickAt(&grid, CPoint(items[2].rectButtonArea.CenterPoint().x, items[2].rectButtonArea.bottom + 3));
    EXPECT_EQ(2, grid.m_nClicks);
    EXPECT_STREQ("1", CellValue(grid, 1, 1));
}

TEST(GridRadioButton, SpaceSelectsTheNextItemAndWrapsPastTheLast)
{
    RadioGrid w;
    CClickCountingGrid& grid = *w.grid;
    ASSERT_TRUE(grid.SetCurrentCell(2, 1));
    PumpMessages(30);
    const char* apszAfter[] = {"0", "1", "2", "0"}; // 5 is beyond the three items
    for (const char* psz : apszAfter)
    {
        TypeKey(VK_SPACE);
        EXPECT_STREQ(psz, CellValue(grid, 2, 1));
    }
    grid.SetStyleRange(CGXCellRange(2, 1), CGXStyle().SetReadOnly(TRUE));
    TypeKey(VK_SPACE);
    EXPECT_STREQ("0", CellValue(grid, 2, 1));
}

TEST(GridRadioButton, TheActivatedVariantLaysItemsSideBySideAndStoresOnLeave)
{
    RadioGrid w;
    CClickCountingGrid& grid = *w.grid;
    ItemArray items;
    w.Items(1, 2, items);
    ASSERT_EQ(3, items.GetSize());
    // Side by side, each caption left of its button.
    for (int i = 0; i < 3; i++)
    {
        EXPECT_EQ(items[0].rectButtonArea.top, items[i].rectButtonArea.top);
        EXPECT_LE(items[i].rectText.right, items[i].rectButtonArea.left + 1);
        if (i > 0)
        {
            EXPECT_GT(items[i].rectText.left, items[i - 1].rectButtonArea.right);
        }
    }
    ClickAt(&grid, items[1].rectText.CenterPoint());
    EXPECT_STREQ("0", CellValue(grid, 1, 2));
    EXPECT_EQ(1, grid.m_nClicks);
    TypeKey(VK_DOWN);
    EXPECT_STREQ("1", CellValue(grid, 1, 2));

    ASSERT_TRUE(grid.SetCurrentCell(2, 2));
    PumpMessages(30);
    TypeKey(VK_SPACE);
    TypeKey(VK_DELETE);
    EXPECT_STREQ("0", CellValue(grid, 2, 2));
    TypeKey(VK_UP);
    EXPECT_STREQ("", CellValue(grid, 2, 2));
}
} // namespace
