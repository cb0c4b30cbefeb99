// Rich edit cells in a shown grid: typing into an inactive cell, storing RTF, Return only with
// allow-enter, inactive cells rendered inside the cell, and plain text escaped into RTF.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/RichEditCtrl.h"
#include "GridIds.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
struct RichGrid : GridWindow
{
    RichGrid() : GridWindow(360, 200)
    {
        grid->SetRowCount(4, GX_NOREDRAW);
        grid->SetColCount(2, GX_NOREDRAW);
        grid->SetColWidth(1, 2, 120, NULL, GX_NOREDRAW);
        grid->SetRowHeight(1, 4, 40, NULL, GX_NOREDRAW);
        grid->RedrawAll();
    }
    CGXRichEditCtrl* Rich()
    {
        return (CGXRichEditCtrl*)grid->GetRegisteredControl(GX_IDS_CTRL_RICHEDIT);
    }
    void SetCell(ROWCOL nRow, LPCTSTR pszValue, BOOL bAllowEnter = FALSE, int nMaxLength = 0)
    {
        CGXStyle style;
        style.SetControl(GX_IDS_CTRL_RICHEDIT).SetValue(pszValue);
        if (bAllowEnter)
            style.SetAllowEnter(TRUE);
        if (nMaxLength > 0)
            style.SetMaxLength((WORD)nMaxLength);
        grid->SetStyleRange(CGXCellRange(nRow, 1), style, gxCopy);
    }
    void Enter(ROWCOL nRow)
    {
        ASSERT_TRUE(grid->ChangeCurrentCell(nRow, 1));
        grid->SetFocus();
        PumpMessages(40);
    }
    CString PlainText(ROWCOL nRow)
    {
        CGXStyle style;
        grid->ComposeStyleRowCol(nRow, 1, &style);
        CString str;
        Rich()->FormatValueText(str, nRow, 1, NULL, style);
        return str;
    }
    // Pixels inside a cell that differ from its top left inner corner.
    int Ink(ROWCOL nRow)
    {
        CRect rect = grid->CalcCellRect(nRow, 1);
        CClientDC dc(grid->GridWnd());
        COLORREF crBack = dc.GetPixel(rect.left + 1, rect.top + 1);
        int n = 0;
        for (int y = rect.top + 1; y < rect.bottom - 1; y++)
            for (int x = rect.left + 1; x < rect.right - 1; x++)
                n += dc.GetPixel(x, y) != crBack;
        return n;
    }
};

TEST(GridRichEdit, TypingIntoAnInactiveCellActivatesItAndEnterStoresRtf)
{
    RichGrid w;
    w.SetCell(1, _T("old"));
    EXPECT_STREQ("old", w.PlainText(1));
    w.Enter(1);
    TypeText("x");
    CGXRichEditCtrl* pRich = w.Rich();
    ASSERT_TRUE(pRich->IsActive());
    EXPECT_TRUE(pRich->IsWindowVisible());
    CString strText;
    pRich->GetWindowText(strText);
    EXPECT_STREQ("x", strText);
    long nStart = -1, nEnd = -1;
    pRich->CRichEditCtrl::GetSel(nStart, nEnd);
    EXPECT_EQ(1, nStart);
    EXPECT_EQ(1, nEnd);
    TypeText("y");
    TypeKey(VK_RETURN);
    EXPECT_FALSE(pRich->IsActive());
    CString strValue = CellValue(*w.grid, 1, 1);
    EXPECT_EQ('{', strValue[0]);
    EXPECT_NE(-1, strValue.Find("rtf"));
    EXPECT_STREQ("xy", w.PlainText(1));
}

TEST(GridRichEdit, ReturnInsertsALineOnlyWhenTheStyleAllowsEnter)
{
    for (BOOL bAllow : {FALSE, TRUE})
    {
        SCOPED_TRACE(bAllow);
        RichGrid w;
        w.SetCell(1, _T(""), bAllow);
        w.Enter(1);
        TypeText("x");
        ASSERT_TRUE(w.Rich()->IsActive());
        TypeKey(VK_RETURN);
        EXPECT_EQ(bAllow, w.Rich()->IsActive());
        // Without it the grid took the key and stored the cell.
        EXPECT_STREQ(bAllow ? "" : "x", w.PlainText(1));
        if (bAllow)
        {
            EXPECT_EQ(2, w.Rich()->GetLineCount());
        }
    }
}

TEST(GridRichEdit, AnInactiveCellShowsItsTextInsideTheCell)
{
    RichGrid w;
    w.SetCell(1, _T("{\\rtf1 Hello}"));
    w.SetCell(2, _T(""));
    w.grid->ChangeCurrentCell(4, 2);
    w.grid->RedrawAll();
    w.grid->UpdateWindow();
    EXPECT_GT(w.Ink(1), 0);
    EXPECT_EQ(0, w.Ink(2));
}

TEST(GridRichEdit, PlainTextIsEscapedIntoRtfAndReadsBackUnchanged)
{
    EXPECT_STREQ("{C:\\\\temp \\{x\\}}", CGXRichEditCtrl::WrapPlainText("C:\\temp {x}", 0));
    EXPECT_STREQ("{a\\'e4}", CGXRichEditCtrl::WrapPlainText("a\xe4", 0));
    // The cut comes first: an escape is never split.
    EXPECT_STREQ("{ab\\\\}", CGXRichEditCtrl::WrapPlainText("ab\\cd", 3));

    RichGrid w;
    w.SetCell(1, _T(""));
    for (const char* psz : {"C:\\temp {x}", "\\", "{", "}", "a\xe4\xf6z"})
    {
        SCOPED_TRACE(psz);
        EXPECT_TRUE(w.Rich()->StoreTextInCell(1, 1, psz, GX_UPDATENOW));
        EXPECT_STREQ(psz, w.PlainText(1));
    }
    // Typed into an inactive cell, a backslash is what the cell shows.
    w.Enter(1);
    EXPECT_TRUE(w.Rich()->HandleText("\\"));
    CString strText;
    w.Rich()->GetWindowText(strText);
    EXPECT_STREQ("\\", strText);
}
} // namespace
