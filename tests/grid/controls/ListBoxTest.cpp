// List-box cells in a shown grid, driven through the system's input queue: the window a click
// shows, what leaving stores, and the static list of cells that are not current.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/ListBox.h"
#include "GridIds.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
struct ListGrid : GridWindow
{
    ListGrid() : GridWindow(360, 300)
    {
        grid->SetRowCount(4, GX_NOREDRAW);
        grid->SetColCount(2, GX_NOREDRAW);
        grid->SetColWidth(1, 2, 120, NULL, GX_NOREDRAW);
        grid->SetRowHeight(1, 4, 60, NULL, GX_NOREDRAW);
        grid->SetStyleRange(CGXCellRange(1, 1, 3, 1),
                            CGXStyle().SetControl(GX_IDS_CTRL_LISTBOX).SetChoiceList(_T("Abc\nDef\nGhi")));
        grid->SetStyleRange(CGXCellRange(2, 1), CGXStyle().SetValue(_T("Xyz")));
        grid->SetStyleRange(CGXCellRange(3, 1), CGXStyle().SetValue(_T("Ab")));
        grid->ChangeCurrentCell(4, 2);
        grid->RedrawAll();
        grid->UpdateWindow();
    }
    CGXListBox* List()
    {
        return (CGXListBox*)grid->GetRegisteredControl(GX_IDS_CTRL_LISTBOX);
    }
    // The height of one line in a cell's font.
    int LineHeight(ROWCOL nRow, ROWCOL nCol)
    {
        CGXStyle style;
        grid->ComposeStyleRowCol(nRow, nCol, &style);
        CClientDC dc(grid.get());
        CFont* pOld = List()->SelectStyleFont(&dc, style, NULL);
        TEXTMETRIC tm;
        dc.GetTextMetrics(&tm);
        if (pOld != NULL)
            dc.SelectObject(pOld);
        return tm.tmHeight + tm.tmExternalLeading;
    }
};

TEST(GridListBox, AClickShowsTheWindowWithTheClickedLineAndLeavingStoresTheChoice)
{
    ListGrid w;
    CClickCountingGrid& grid = *w.grid;
    CRect cell = w.List()->GetCellRect(1, 1);
    int L = w.LineHeight(1, 1);
    ClickAt(&grid, CPoint(cell.left + 10, cell.top + L + L / 2)); // on "Def"
    PumpMessages(60);
    CGXListBox* pList = w.List();
    ASSERT_TRUE(pList->IsActive());
    ASSERT_TRUE(pList->IsWindowVisible());
    TCHAR szClass[32] = {};
    ::GetClassName(pList->GetSafeHwnd(), szClass, 32);
    EXPECT_STREQ("GXLISTBOX", szClass);
    EXPECT_EQ(1, pList->GetCurSel());
    EXPECT_EQ(pList->GetSafeHwnd(), ::GetFocus());
    TypeKey(VK_DOWN);
    EXPECT_EQ(2, pList->GetCurSel());
    EXPECT_STREQ("", CellValue(grid, 1, 1));
    TypeKey(VK_TAB);
    EXPECT_STREQ("Ghi", CellValue(grid, 1, 1));
    EXPECT_FALSE(pList->IsWindowVisible());
}

TEST(GridListBox, AReleaseTheGridMarksWithBitTwoActivatesNothing)
{
    ListGrid w;
    ASSERT_TRUE(w.grid->ChangeCurrentCell(1, 1));
    PumpMessages(30);
    CGXListBox* pList = w.List();
    ASSERT_FALSE(pList->IsActive());
    CPoint pt = w.List()->GetCellRect(1, 1).CenterPoint();
    const UINT release = 0x10 | 0x40 | 0x01;
    pList->LButtonUp(MK_LBUTTON, pt, release | 0x02);
    PumpMessages(30);
    EXPECT_FALSE(pList->IsActive());
    pList->LButtonUp(MK_LBUTTON, pt, release);
    PumpMessages(30);
    EXPECT_TRUE(pList->IsActive());
}

TEST(GridListBox, ShowingTheWindowChangesNoValueTheUserDidNotChoose)
{
    ListGrid w;
    CClickCountingGrid& grid = *w.grid;
    int L = w.LineHeight(2, 1);
    for (ROWCOL nRow : {2u, 3u})
    {
        SCOPED_TRACE(nRow);
        CString strBefore = CellValue(grid, nRow, 1);
        CRect cell = w.List()->GetCellRect(nRow, 1);
        PumpMessages(::GetDoubleClickTime() + 30);
        ClickAt(&grid, CPoint(cell.left + 10, cell.top + 3 * L + L)); // below the last line
        PumpMessages(60);
        ASSERT_TRUE(w.List()->IsActive());
        TypeKey(VK_TAB);
        EXPECT_STREQ(strBefore, CellValue(grid, nRow, 1));
    }
}

TEST(GridListBox, AStaticCellInvertsTheValuesLineScrolledToBeTheLastShown)
{
    ListGrid w;
    CClickCountingGrid& grid = *w.grid;
    grid.SetStyleRange(CGXCellRange(4, 1), CGXStyle()
                                               .SetControl(GX_IDS_CTRL_LISTBOX)
                                               .SetChoiceList(_T("L0\nL1\nL2\nL3\nL4\nL5\nL6\nL7"))
                                               .SetValue(_T("L6")));
    grid.UpdateWindow();
    CRect text = w.List()->GetCellRect(4, 1);
    text.left += 2;
    int L = w.LineHeight(4, 1);
    int nShown = text.Height() / L;
    ASSERT_GE(nShown, 2);
    ASSERT_LT(nShown, 7);
    int nSkip = (text.top + 7 * L - text.bottom + L - 1) / L;
    CClientDC dc(&grid);
    for (int i = 0; i * L < text.Height() && i + nSkip < 8; i++)
    {
        int y = text.top + i * L + L / 2;
        if (y >= text.bottom)
            break;
        bool bInverted = dc.GetPixel(text.right - 2, y) != ::GetSysColor(COLOR_WINDOW);
        EXPECT_EQ(i + nSkip == 6, bInverted) << "line " << i + nSkip;
        if (i + nSkip == 6)
        {
            EXPECT_GT(y + L / 2 + L, text.bottom); // the last line shown
        }
    }
}
} // namespace
