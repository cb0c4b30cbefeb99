// Password cells in a shown grid: drawn like a static cell of password characters, edited in a
// masked window holding the plain text, and never copied or cut out.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/PasswordControl.h"
#include "GridIds.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
struct PasswordGrid : GridWindow
{
    PasswordGrid() : GridWindow(300, 160)
    {
        grid->SetRowCount(3, GX_NOREDRAW);
        grid->SetColCount(2, GX_NOREDRAW);
        grid->SetColWidth(1, 2, 90, NULL, GX_NOREDRAW);
        grid->SetStyleRange(CGXCellRange(1, 1),
                            CGXStyle().SetControl(GX_IDS_CTRL_PASSWORD).SetValue(_T("abc")));
        grid->SetStyleRange(CGXCellRange(2, 1),
                            CGXStyle().SetControl(GX_IDS_CTRL_STATIC).SetValue(_T("***")));
        grid->SetStyleRange(CGXCellRange(3, 1), CGXStyle().SetControl(GX_IDS_CTRL_PASSWORD).SetValue(_T("")));
        grid->ChangeCurrentCell(3, 2);
        grid->RedrawAll();
        grid->UpdateWindow();
    }
};

TEST(GridPassword, DrawsAsManyPasswordCharactersAsTheValueHasBytes)
{
    PasswordGrid w;
    CGXGridWnd& grid = *w.grid;
    CString strShown;
    CGXStyle style;
    grid.ComposeStyleRowCol(1, 1, &style);
    ASSERT_TRUE(grid.GetControl(1, 1)->FormatValueText(strShown, 1, 1, NULL, style));
    EXPECT_STREQ("***", strShown);

    CRect rectPassword = grid.CalcCellRect(1, 1), rectStatic = grid.CalcCellRect(2, 1);
    ASSERT_EQ(rectPassword.Size(), rectStatic.Size());
    CClientDC dc(&grid);
    int nDiffering = 0, nText = 0;
    COLORREF crBack = dc.GetPixel(rectStatic.left + 1, rectStatic.top + 1);
    for (int y = 0; y < rectStatic.Height(); y++)
        for (int x = 0; x < rectStatic.Width(); x++)
        {
            COLORREF cr = dc.GetPixel(rectStatic.left + x, rectStatic.top + y);
            nText += cr != crBack;
            nDiffering += cr != dc.GetPixel(rectPassword.left + x, rectPassword.top + y);
        }
    EXPECT_GT(nText, 0);
    EXPECT_EQ(0, nDiffering);
}

TEST(GridPassword, EditsThePlainTextInAMaskedWindowAndCopiesNothing)
{
    PasswordGrid w;
    CGXGridWnd& grid = *w.grid;
    ASSERT_TRUE(grid.ChangeCurrentCell(1, 1));
    PumpMessages(::GetDoubleClickTime() + 30);
    ClickAt(&grid, grid.CalcCellRect(1, 1).CenterPoint());
    CGXPasswordControl* pControl = (CGXPasswordControl*)grid.GetControl(1, 1);
    ASSERT_TRUE(pControl->IsKindOf(GX_CONTROL_CLASS(CGXPasswordControl)));
    ASSERT_TRUE(pControl->IsActive());
    CString strText;
    pControl->GetWindowText(strText);
    EXPECT_STREQ("abc", strText);
    EXPECT_TRUE(pControl->GetStyle() & ES_PASSWORD);
    EXPECT_EQ('*', (int)pControl->SendMessage(EM_GETPASSWORDCHAR));

    pControl->SetSel(0, -1);
    DWORD dwSequence = ::GetClipboardSequenceNumber();
    EXPECT_TRUE(pControl->Copy());
    EXPECT_TRUE(pControl->Cut());
    EXPECT_EQ(dwSequence, ::GetClipboardSequenceNumber());
    // Through the keys, with or without a selection, the clipboard keeps what it held: the text
    // never reaches it and nothing is emptied.
    PutClipboardText("vorher");
    for (bool bSelection : {false, true})
        for (WORD vk : {(WORD)'C', (WORD)'X'})
        {
            SCOPED_TRACE(bSelection ? "with a selection" : "without a selection");
            if (bSelection)
                grid.SelectRange(CGXCellRange(2, 1, 3, 2), TRUE, FALSE);
            dwSequence = ::GetClipboardSequenceNumber();
            SendKey(VK_CONTROL, false);
            TypeKey(vk);
            SendKey(VK_CONTROL, true);
            PumpMessages(30);
            EXPECT_EQ("vorher", ClipboardText());
            EXPECT_EQ(dwSequence, ::GetClipboardSequenceNumber());
        }
    pControl->GetWindowText(strText);
    EXPECT_STREQ("abc", strText);
    TypeKey(VK_DOWN);
    EXPECT_STREQ("abc", CellValue(grid, 1, 1));
}
} // namespace
