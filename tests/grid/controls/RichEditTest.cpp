// Rich edit cells in a shown grid: typing into an inactive cell, storing RTF, Return only with
// allow-enter, inactive cells rendered inside the cell, plain text escaped into RTF, formatting
// through styles, growing rows, measuring, the clipboard, find and replace, and printing.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/RichEditCtrl.h"
#include "grid/core/AppData.h"
#include "grid/core/FindReplaceSettings.h"
#include "GridIds.h"
#include <gtest/gtest.h>
#include <functional>
#include <ole2.h>
#include <string>
#include <vector>

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
    ROWCOL CurrentRow()
    {
        ROWCOL nRow = 0, nCol = 0;
        grid->GetCurrentCell(nRow, nCol);
        return nRow;
    }
    // The editing window's selection as "start-end".
    std::string Selection()
    {
        long nStart = -1, nEnd = -1;
        Rich()->CRichEditCtrl::GetSel(nStart, nEnd);
        return std::to_string(nStart) + "-" + std::to_string(nEnd);
    }
    // The cell's own style as stored (not composed).
    CGXStyle Stored(ROWCOL nRow)
    {
        CGXStyle style;
        grid->GetStyleRowCol(nRow, 1, style, gxCopy, 0);
        return style;
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
        // Without it Enter stored the cell and moved on (right, the grid's default).
        ROWCOL nRow = 0, nCol = 0;
        w.grid->GetCurrentCell(nRow, nCol);
        EXPECT_EQ(1u, nRow);
        EXPECT_EQ(bAllow ? 1u : 2u, nCol);
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
    // Stored with a maximum length, the text is cut before it is wrapped, not the value after.
    w.SetCell(2, _T(""), FALSE, 3);
    EXPECT_TRUE(w.Rich()->StoreTextInCell(2, 1, "abcdef", GX_UPDATENOW));
    EXPECT_STREQ("abc", w.PlainText(2));
    // Typed into an inactive cell, a backslash is what the cell shows.
    w.Enter(1);
    EXPECT_TRUE(w.Rich()->HandleText("\\"));
    CString strText;
    w.Rich()->GetWindowText(strText);
    EXPECT_STREQ("\\", strText);
}
} // namespace

namespace
{
// A style attribute given through the grid's style commands, and how the RTF and the control's
// reading of the formats show it.
struct FormatCase
{
    const char* pszName;
    CGXStyle style;
    const char* pszRtfWord;
    std::function<bool(const CGXStyle&)> isRead;
};

std::vector<FormatCase> FormatCases()
{
    return {
        {"bold", CGXStyle().MergeFont(CGXFont().SetBold(TRUE)), "\\b",
         [](const CGXStyle& s) { return s.GetFontPtr() != NULL && s.GetFontPtr()->GetBold(); }},
        {"italic", CGXStyle().MergeFont(CGXFont().SetItalic(TRUE)), "\\i",
         [](const CGXStyle& s) { return s.GetFontPtr() != NULL && s.GetFontPtr()->GetItalic(); }},
        {"underline", CGXStyle().MergeFont(CGXFont().SetUnderline(TRUE)), "\\ul",
         [](const CGXStyle& s) { return s.GetFontPtr() != NULL && s.GetFontPtr()->GetUnderline(); }},
        {"centred", CGXStyle().SetHorizontalAlignment(DT_CENTER), "\\qc",
         [](const CGXStyle& s) { return s.GetHorizontalAlignment() == DT_CENTER; }},
        {"right", CGXStyle().SetHorizontalAlignment(DT_RIGHT), "\\qr",
         [](const CGXStyle& s) { return s.GetHorizontalAlignment() == DT_RIGHT; }},
        {"red", CGXStyle().SetTextColor(RGB(255, 0, 0)), "\\red255",
         [](const CGXStyle& s) {
             return s.GetInclude(CGXStyle::ibTextColor) && s.GetTextColor() == RGB(255, 0, 0);
         }},
    };
}
} // namespace

TEST(GridRichEdit, StyleCommandsOnAnInactiveCellFormatTheWholeValue)
{
    for (const FormatCase& c : FormatCases())
    {
        SCOPED_TRACE(c.pszName);
        RichGrid w;
        w.SetCell(1, _T("{\\rtf1 Hello}"));
        w.SetCell(2, _T("{\\rtf1 Plain}"));
        w.grid->ChangeCurrentCell(4, 2);
        ASSERT_TRUE(w.grid->SetStyleRange(CGXCellRange(1, 1), c.style, gxOverride));
        CGXStyle stored = w.Stored(1);
        // The attribute went into the text; the style keeps none of it.
        EXPECT_FALSE(stored.GetInclude(CGXStyle::ibFont));
        EXPECT_FALSE(stored.GetInclude(CGXStyle::ibTextColor));
        EXPECT_FALSE(stored.GetInclude(CGXStyle::ibHorzAlign));
        EXPECT_NE(-1, stored.GetValue().Find(c.pszRtfWord)) << (LPCTSTR)stored.GetValue();
        EXPECT_STREQ("Hello", w.PlainText(1));
        CGXStyle read;
        EXPECT_TRUE(w.Rich()->ConvertValue(1, 1, read));
        EXPECT_TRUE(c.isRead(read));
        CGXStyle other;
        EXPECT_TRUE(w.Rich()->ConvertValue(2, 1, other));
        EXPECT_FALSE(c.isRead(other));
    }
    // An empty cell has no formatting to read.
    RichGrid w;
    w.SetCell(3, _T(""));
    CGXStyle none;
    EXPECT_FALSE(w.Rich()->ConvertValue(3, 1, none));
}

TEST(GridRichEdit, BoldOnTheActiveCellFormatsTheSelection)
{
    RichGrid w;
    w.SetCell(1, _T(""));
    w.Enter(1);
    TypeText("ab");
    CGXRichEditCtrl* pRich = w.Rich();
    ASSERT_TRUE(pRich->IsActive());
    pRich->CRichEditCtrl::SetSel(0, 1);
    ASSERT_TRUE(
        w.grid->SetStyleRange(CGXCellRange(1, 1), CGXStyle().MergeFont(CGXFont().SetBold(TRUE)), gxOverride));
    EXPECT_TRUE(pRich->IsActive());
    EXPECT_TRUE(pRich->GetModify());
    CGXStyle read;
    EXPECT_TRUE(pRich->ConvertValue(1, 1, read));
    ASSERT_NE(nullptr, read.GetFontPtr());
    EXPECT_TRUE(read.GetFontPtr()->GetBold());
    pRich->CRichEditCtrl::SetSel(1, 2);
    CGXStyle second;
    EXPECT_TRUE(pRich->ConvertValue(1, 1, second));
    ASSERT_NE(nullptr, second.GetFontPtr());
    EXPECT_FALSE(second.GetFontPtr()->GetBold());
    TypeKey(VK_RETURN);
    EXPECT_FALSE(w.Stored(1).GetInclude(CGXStyle::ibFont));
    EXPECT_NE(-1, CellValue(*w.grid, 1, 1).Find("\\b"));
    EXPECT_STREQ("ab", w.PlainText(1));
}

TEST(GridRichEdit, AutoGrowRaisesTheRowAndLowersItNotBelowItsFirstHeight)
{
    RichGrid w;
    CGXStyle style;
    style.SetControl(GX_IDS_CTRL_RICHEDIT).SetAutoSize(TRUE).SetAllowEnter(TRUE).SetValue(_T(""));
    w.grid->SetStyleRange(CGXCellRange(1, 1), style, gxCopy);
    // One and two lines of typed text measured in a row high enough for both.
    w.grid->SetRowHeight(1, 1, 150);
    w.Enter(1);
    TypeText("x");
    CGXRichEditCtrl* pRich = w.Rich();
    ASSERT_TRUE(pRich->IsActive());
    EXPECT_EQ(150, w.grid->GetRowHeight(1));
    // The height the editing window's text needs.
    auto measure = [&]() {
        CGXStyle typed(style);
        typed.SetValue(CGXRichEditCtrl::StreamOutValue(*pRich));
        return pRich->CalcSize(NULL, 1, 1, typed, NULL, TRUE).cy;
    };
    int nOne = measure();
    TypeText("\ny");
    int nTwo = measure();
    ASSERT_GT(nTwo, nOne);
    TypeKey(VK_ESCAPE);
    TypeKey(VK_ESCAPE);
    ASSERT_FALSE(pRich->IsActive());

    // Started between one and two lines high.
    int nFirst = (nOne + nTwo) / 2;
    w.grid->SetRowHeight(1, 1, nFirst);
    w.Enter(1);
    TypeText("x");
    ASSERT_TRUE(pRich->IsActive());
    EXPECT_EQ(nFirst, w.grid->GetRowHeight(1));
    // Measuring adds a pixel that growing does not.
    TypeText("\ny");
    EXPECT_EQ(nTwo - 1, w.grid->GetRowHeight(1));
    TypeText("\nz");
    int nThree = w.grid->GetRowHeight(1);
    EXPECT_GT(nThree, nTwo);
    TypeKey(VK_BACK);
    TypeKey(VK_BACK);
    EXPECT_EQ(nTwo - 1, w.grid->GetRowHeight(1));
    TypeKey(VK_BACK);
    TypeKey(VK_BACK);
    EXPECT_EQ(nFirst, w.grid->GetRowHeight(1));

    // Without the attribute the row keeps its height.
    RichGrid plain;
    plain.SetCell(1, _T(""), TRUE);
    plain.grid->SetRowHeight(1, 1, nFirst);
    plain.Enter(1);
    TypeText("x\ny\nz");
    EXPECT_EQ(3, plain.Rich()->GetLineCount());
    EXPECT_EQ(nFirst, plain.grid->GetRowHeight(1));
}

TEST(GridRichEdit, CalcSizeMeasuresTheLinesOfTheValue)
{
    RichGrid w;
    // Measured in the cell's font, as the grid asks.
    w.SetCell(1, _T(""));
    CGXStyle style;
    w.grid->ComposeStyleRowCol(1, 1, &style);
    const char* apszValues[] = {"{\\rtf1 a}", "{\\rtf1 a\\par b}", "{\\rtf1 a\\par b\\par c}",
                                "{\\rtf1 aaaaaaaa}"};
    CSize size[4];
    for (int i = 0; i < 4; i++)
    {
        style.SetValue(apszValues[i]);
        size[i] = w.Rich()->CalcSize(NULL, 1, 1, style, NULL, TRUE);
    }
    int nLine = size[1].cy - size[0].cy;
    EXPECT_GT(nLine, 4);
    EXPECT_NEAR(nLine, size[2].cy - size[1].cy, 1);
    EXPECT_GT(size[0].cy, nLine);
    // The width is the widest line's, with the cell's margins.
    EXPECT_EQ(size[0].cy, size[3].cy);
    EXPECT_GT(size[3].cx, size[0].cx + 10);
    EXPECT_GT(size[0].cx, 0);
    // Fitting the row to its cells asks the control.
    w.SetCell(1, _T("{\\rtf1 a\\par b\\par c}"));
    ASSERT_TRUE(w.grid->ResizeRowHeightsToFit(CGXCellRange(1, 1, 1, 2)));
    EXPECT_EQ(size[2].cy, w.grid->GetRowHeight(1));
}

TEST(GridRichEdit, RichTextCopiedFromOneCellPastesIntoAnotherWithItsBold)
{
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(NULL)));
    {
        RichGrid w;
        w.SetCell(1, _T("{\\rtf1\\ansi {\\b Bold} plain}"));
        w.SetCell(2, _T("{\\rtf1 old}"));
        w.Enter(1);
        KeyWith(VK_CONTROL, 'C');
        UINT nRtf = GXGetAppData()->m_uiRtfClipboardFormat;
        ASSERT_NE(0u, nRtf);
        EXPECT_TRUE(::IsClipboardFormatAvailable(nRtf));
        w.Enter(2);
        EXPECT_TRUE(w.Rich()->CanPaste());
        KeyWith(VK_CONTROL, 'V');
        ASSERT_TRUE(w.Rich()->IsActive());
        CString strText;
        w.Rich()->GetWindowText(strText);
        EXPECT_STREQ("Bold plain", strText);
        TypeKey(VK_RETURN);
        EXPECT_STREQ("Bold plain", w.PlainText(2));
        EXPECT_NE(-1, CellValue(*w.grid, 2, 1).Find("\\b"));
        // Without rich text only plain text is pasted, as the base control does it.
        PutClipboardText("text");
        w.Enter(3);
        EXPECT_FALSE(w.Rich()->CanPaste());
    }
    ::OleUninitialize();
}

TEST(GridRichEdit, FindAndReplaceSearchTheTextOfTheValue)
{
    RichGrid w;
    w.SetCell(1, _T("{\\rtf1 Hello World}"));
    w.SetCell(2, _T("{\\rtf1 Hello World}"));
    w.grid->ChangeCurrentCell(4, 2);
    CGXFindReplaceSettings find;
    find.m_strFind = "world";
    find.m_strReplace = "0";
    EXPECT_TRUE(w.Rich()->FindText(find, 1, 1, FALSE, FALSE));
    find.m_bMatchCase = TRUE;
    EXPECT_FALSE(w.Rich()->FindText(find, 1, 1, FALSE, FALSE));
    find.m_bMatchCase = FALSE;
    // A hit with select makes the cell current and selects the hit in the editing window.
    EXPECT_TRUE(w.Rich()->FindText(find, 2, 1, FALSE, TRUE));
    EXPECT_EQ(2u, w.CurrentRow());
    EXPECT_TRUE(w.Rich()->IsActive());
    EXPECT_EQ("6-11", w.Selection());
    // Replacing in an inactive cell stores RTF with every occurrence replaced.
    find.m_strFind = "o";
    EXPECT_TRUE(w.Rich()->ReplaceText(find, 1, 1));
    EXPECT_STREQ("Hell0 W0rld", w.PlainText(1));
    EXPECT_EQ('{', CellValue(*w.grid, 1, 1)[0]);
    find.m_strFind = "q";
    EXPECT_FALSE(w.Rich()->ReplaceText(find, 1, 1));
    // In the active cell the editing window is changed from the selection on.
    find.m_strFind = "l";
    find.m_strReplace = "LL";
    w.Rich()->CRichEditCtrl::SetSel(3, 3);
    EXPECT_TRUE(w.Rich()->ReplaceText(find, 2, 1));
    CString strText;
    w.Rich()->GetWindowText(strText);
    EXPECT_STREQ("HelLLo WorLLd", strText);
    EXPECT_TRUE(w.Rich()->GetModify());
}

// While printing every cell, the current one too, is rendered; black-and-white printing gives
// the text a white background instead of the cell's colour, and the context keeps its mapping.
TEST(GridRichEdit, PrintedCellsAreRenderedInColourOrBlackAndWhite)
{
    RichGrid w;
    CGXStyle style;
    style.SetControl(GX_IDS_CTRL_RICHEDIT).SetValue(_T("{\\rtf1 Hello}")).SetInterior(RGB(255, 255, 0));
    w.grid->SetStyleRange(CGXCellRange(1, 1), style, gxCopy);
    w.Enter(1);
    TypeText("x");
    ASSERT_TRUE(w.Rich()->IsActive());
    TypeKey(VK_ESCAPE);
    CGXProperties* pProps = w.grid->GetParam()->GetProperties();
    for (BOOL bBlackWhite : {FALSE, TRUE})
    {
        SCOPED_TRACE(bBlackWhite);
        pProps->m_abPrintFlags[CGXProperties::printBlackWhite] = bBlackWhite;
        w.grid->SetPrinting(TRUE, TRUE);
        CGXStyle composed;
        w.grid->ComposeStyleRowCol(1, 1, &composed);
        CClientDC screen(NULL);
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&screen, 120, 40);
        CBitmap* pOld = dc.SelectObject(&bitmap);
        dc.m_bPrinting = TRUE;
        CRect rectCell(0, 0, 120, 40);
        w.Rich()->Draw(&dc, rectCell, 1, 1, composed, NULL);
        EXPECT_EQ(MM_TEXT, dc.GetMapMode());
        CRect rectText = w.Rich()->GetCellRect(1, 1, rectCell, &composed);
        int nYellow = 0, nInk = 0;
        for (int y = rectText.top + 1; y < rectText.bottom - 1; y++)
            for (int x = rectText.left + 1; x < rectText.right - 1; x++)
            {
                COLORREF cr = dc.GetPixel(x, y);
                nYellow += cr == RGB(255, 255, 0);
                nInk += cr != RGB(255, 255, 0) && cr != RGB(255, 255, 255);
            }
        w.grid->SetPrinting(FALSE);
        dc.SelectObject(pOld);
        EXPECT_GT(nInk, 0);
        if (bBlackWhite)
            EXPECT_EQ(0, nYellow);
        else
            EXPECT_GT(nYellow, rectText.Width() * rectText.Height() / 2);
    }
    pProps->m_abPrintFlags[CGXProperties::printBlackWhite] = FALSE;
}

// A click on an inactive cell activates it and puts the caret where the click was.
TEST(GridRichEdit, AClickActivatesTheCellWithTheCaretAtThePoint)
{
    struct
    {
        const char* pszWhere;
        int nFromLeft; // pixels right of the text's left edge, negative from its right edge
        const char* pszCaret;
    } clicks[] = {{"left", 1, "0-0"}, {"right", -3, "5-5"}};
    for (const auto& c : clicks)
    {
        SCOPED_TRACE(c.pszWhere);
        RichGrid w;
        w.SetCell(1, _T("{\\rtf1 Hello}"));
        w.grid->ChangeCurrentCell(4, 2);
        w.grid->SetFocus();
        PumpMessages(40);
        CRect rectText = w.Rich()->GetCellRect(1, 1);
        CPoint pt(c.nFromLeft >= 0 ? rectText.left + c.nFromLeft : rectText.right + c.nFromLeft,
                  rectText.top + 6);
        ClickAt(w.grid->GridWnd(), pt);
        EXPECT_EQ(1u, w.CurrentRow());
        ASSERT_TRUE(w.Rich()->IsActive());
        EXPECT_EQ(c.pszCaret, w.Selection());
    }
}

// In the editing window Ctrl+C, Ctrl+V, Shift+Insert, Ctrl+Insert and Shift+Delete copy, paste
// and cut once each.
TEST(GridRichEdit, ClipboardKeysInTheEditingWindow)
{
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(NULL)));
    {
        RichGrid w;
        w.SetCell(1, _T(""));
        w.Enter(1);
        TypeText("ab");
        CGXRichEditCtrl* pRich = w.Rich();
        ASSERT_TRUE(pRich->IsActive());
        auto text = [pRich]() {
            CString str;
            pRich->GetWindowText(str);
            return std::string((LPCTSTR)str);
        };
        pRich->CRichEditCtrl::SetSel(0, 2);
        KeyWith(VK_CONTROL, 'C');
        EXPECT_EQ("ab", ClipboardText());
        EXPECT_TRUE(::IsClipboardFormatAvailable(GXGetAppData()->m_uiRtfClipboardFormat));
        pRich->CRichEditCtrl::SetSel(2, 2);
        KeyWith(VK_CONTROL, 'V');
        EXPECT_EQ("abab", text());
        KeyWith(VK_SHIFT, VK_INSERT);
        EXPECT_EQ("ababab", text());
        PutClipboardText("q");
        pRich->CRichEditCtrl::SetSel(0, 1);
        KeyWith(VK_CONTROL, VK_INSERT);
        EXPECT_EQ("a", ClipboardText());
        pRich->CRichEditCtrl::SetSel(0, 2);
        KeyWith(VK_SHIFT, VK_DELETE);
        EXPECT_EQ("abab", text());
        EXPECT_EQ("ab", ClipboardText());
        EXPECT_TRUE(pRich->IsActive());
    }
    ::OleUninitialize();
}
