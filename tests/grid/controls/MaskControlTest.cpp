// Masked edit cells in a shown grid, typed into through the system's input queue: where typed
// characters land, what the cell stores and shows, the clipboard in both forms, and masks and
// values the mask cannot take.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/MaskControl.h"
#include "grid/controls/MaskData.h"
#include "grid/core/AppData.h"
#include "grid/core/FindReplaceSettings.h"
#include "GridIds.h"
#include <gtest/gtest.h>
#include <algorithm>

using namespace testing_support;

namespace
{
// Counts the characters the mask refused.
class CCountingMask : public CGXMaskControl
{
  public:
    using CGXMaskControl::CGXMaskControl;
    void OnInvalidText(const CString& strText) override
    {
        m_nInvalid++;
        m_strLastInvalid = strText;
    }
    // Its own edit window gets a brush of its own.
    HBRUSH OnGridCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) override
    {
        if (nCtlColor != CTLCOLOR_EDIT || pWnd == NULL || pWnd->GetSafeHwnd() != m_hWnd)
            return CGXMaskControl::OnGridCtlColor(pDC, pWnd, nCtlColor);
        pDC->SetTextColor(RGB(0, 0, 255));
        return (HBRUSH)::GetStockObject(GRAY_BRUSH);
    }
    int m_nInvalid = 0;
    CString m_strLastInvalid;
};

struct MaskGrid : GridWindow
{
    MaskGrid() : GridWindow(360, 200)
    {
        grid->SetRowCount(5, GX_NOREDRAW);
        grid->SetColCount(2, GX_NOREDRAW);
        grid->SetColWidth(1, 2, 150, NULL, GX_NOREDRAW);
        grid->SetRowHeight(1, 5, 22, NULL, GX_NOREDRAW);
        pMask = new CCountingMask(grid.get(), GX_IDS_CTRL_MASKEDIT);
        grid->RegisterControl(GX_IDS_CTRL_MASKEDIT, pMask);
        grid->RedrawAll();
    }
    void SetMask(ROWCOL nRow, LPCTSTR pszMask, LPCTSTR pszValue, LPCTSTR pszPrompt = NULL)
    {
        CGXStyle style;
        style.SetControl(GX_IDS_CTRL_MASKEDIT).SetUserAttributeText(GX_IDS_UA_INPUTMASK, pszMask);
        if (pszPrompt != NULL)
            style.SetUserAttributeText(GX_IDS_UA_INPUTPROMPT, pszPrompt);
        if (pszValue != NULL && *pszValue != 0)
            style.SetValue(pszValue);
        grid->SetStyleRange(CGXCellRange(nRow, 1), style, gxCopy);
    }
    void Enter(ROWCOL nRow)
    {
        ASSERT_TRUE(grid->ChangeCurrentCell(nRow, 1));
        grid->SetFocus();
        PumpMessages(40);
    }
    CString WindowText()
    {
        CString str;
        pMask->GetWindowText(str);
        return str;
    }
    int Caret()
    {
        int nStart = 0, nEnd = 0;
        pMask->GetMaskSel(nStart, nEnd);
        return nStart;
    }
    CString Shown(ROWCOL nRow)
    {
        CGXStyle style;
        grid->ComposeStyleRowCol(nRow, 1, &style);
        CString str;
        pMask->FormatValueText(str, nRow, 1, NULL, style);
        return str;
    }
    void CtrlKey(WORD vk)
    {
        SendKey(VK_CONTROL, false);
        TypeKey(vk);
        SendKey(VK_CONTROL, true);
        PumpMessages(40);
    }
    // The grid client point in the middle of character n of a cell's shown text (n past the end:
    // that many characters' widths behind the text), as the cell draws it: left, from the top.
    CPoint CharPoint(ROWCOL nRow, int n)
    {
        CGXStyle style;
        grid->ComposeStyleRowCol(nRow, 1, &style);
        CRect rectCell = grid->CalcCellRect(nRow, 1);
        CRect rectText = pMask->GetCellRect(nRow, 1, &rectCell, &style);
        CString strText = Shown(nRow);
        CClientDC dc(grid.get());
        CFont* pOld = grid->SelectCellFont(&dc, style, NULL);
        int nLen = strText.GetLength();
        int x = dc.GetTextExtent(strText, std::min(n, nLen)).cx;
        int cxChar = dc.GetTextExtent(_T("0"), 1).cx;
        x += n < nLen ? dc.GetTextExtent((LPCTSTR)strText + n, 1).cx / 2 : (n - nLen) * cxChar;
        TEXTMETRIC tm;
        dc.GetTextMetrics(&tm);
        if (pOld != NULL)
            dc.SelectObject(pOld);
        return CPoint(rectText.left + x, rectText.top + tm.tmHeight / 2);
    }
    int SelEnd()
    {
        int nStart = 0, nEnd = 0;
        pMask->GetMaskSel(nStart, nEnd);
        return nEnd;
    }
    CCountingMask* pMask;
};

TEST(GridMaskControl, TypedCharactersFollowTheMaskAndTheCellStoresOnlyThem)
{
    MaskGrid w;
    w.SetMask(1, _T("(###) ###-####"), NULL);
    w.Enter(1);
    TypeText("5");
    ASSERT_TRUE(w.pMask->IsActive());
    EXPECT_STREQ("(5__) ___-____", w.WindowText());
    EXPECT_EQ(2, w.Caret());

    // Before the parenthesis: the digit goes into the first digit position, the rest shifts.
    w.pMask->SetMaskSel(0, 0);
    TypeText("7");
    EXPECT_STREQ("(75_) ___-____", w.WindowText());
    EXPECT_EQ(2, w.Caret());

    TypeText("a");
    EXPECT_STREQ("(75_) ___-____", w.WindowText());
    EXPECT_EQ(1, w.pMask->m_nInvalid);
    EXPECT_STREQ("a", w.pMask->m_strLastInvalid);

    TypeKey(VK_END);
    TypeText("123456");
    EXPECT_STREQ("(751) 234-56__", w.WindowText());
    TypeKey(VK_BACK);
    EXPECT_STREQ("(751) 234-5___", w.WindowText());
    EXPECT_EQ(11, w.Caret());
    TypeKey(VK_HOME);
    EXPECT_EQ(1, w.Caret());
    TypeKey(VK_DELETE);
    EXPECT_STREQ("(512) 345-____", w.WindowText());
    TypeKey(VK_BACK); // nothing before the first input position
    EXPECT_STREQ("(512) 345-____", w.WindowText());
    EXPECT_EQ(1, w.Caret());
    // A blank leaves its position empty; the value keeps a space for it.
    w.pMask->SetMaskSel(2, 2);
    TypeText(" ");
    EXPECT_STREQ("(5_1) 234-5___", w.WindowText());

    TypeKey(VK_RETURN);
    EXPECT_STREQ("5 12345", CellValue(*w.grid, 1, 1));
    EXPECT_STREQ("(5_1) 234-5___", w.Shown(1));
}

TEST(GridMaskControl, PastesDigitsAsValueOrAsShownText)
{
    for (const char* pszPaste : {"5551234", "555-1234"})
    {
        SCOPED_TRACE(pszPaste);
        MaskGrid w;
        w.SetMask(1, _T("###-####"), NULL);
        w.Enter(1);
        TypeKey(VK_HOME);
        ASSERT_TRUE(w.pMask->IsActive());
        PutClipboardText(pszPaste);
        // Plain text is not what the cell offers to paste, yet Ctrl+V takes it.
        EXPECT_FALSE(w.pMask->CanPaste());
        w.CtrlKey('V');
        EXPECT_STREQ("555-1234", w.WindowText());
        TypeKey(VK_RETURN);
        EXPECT_STREQ("5551234", CellValue(*w.grid, 1, 1));
    }
}

TEST(GridMaskControl, CopiesTheTypedCharactersAndTheShownTextSideBySide)
{
    MaskGrid w;
    w.SetMask(1, _T("###-####"), _T("5551234"));
    w.SetMask(2, _T("###-####"), NULL);
    w.Enter(1);
    TypeKey(VK_HOME);
    ASSERT_TRUE(w.pMask->IsActive());
    w.pMask->SetMaskSel(1, 6);
    w.CtrlKey('C');
    std::string strValue = ClipboardBytes(GXGetAppData()->m_uiMaskDataClipboardFormat);
    EXPECT_STREQ("5512", strValue.c_str());
    EXPECT_EQ("55-12", ClipboardText());

    TypeKey(VK_ESCAPE);
    w.Enter(2);
    TypeKey(VK_HOME);
    ASSERT_TRUE(w.pMask->IsActive());
    EXPECT_TRUE(w.pMask->CanPaste());
    w.CtrlKey('V');
    EXPECT_STREQ("551-2___", w.WindowText());
    TypeKey(VK_RETURN);
    EXPECT_STREQ("5512", CellValue(*w.grid, 2, 1));
}

// Pixels of two cells of the same size that differ; ink counts those unlike the first corner.
int CompareCells(CGXGridCore& grid, ROWCOL nRowA, ROWCOL nRowB, int* pnInk)
{
    CRect rectA = grid.CalcCellRect(nRowA, 1), rectB = grid.CalcCellRect(nRowB, 1);
    EXPECT_EQ(rectA.Size(), rectB.Size());
    CClientDC dc(grid.GridWnd());
    COLORREF crBack = dc.GetPixel(rectB.left + 1, rectB.top + 1);
    int nDiffering = 0;
    *pnInk = 0;
    for (int y = 1; y < rectA.Height() - 1; y++)
        for (int x = 1; x < rectA.Width() - 1; x++)
        {
            COLORREF cr = dc.GetPixel(rectB.left + x, rectB.top + y);
            *pnInk += cr != crBack;
            nDiffering += cr != dc.GetPixel(rectA.left + x, rectA.top + y);
        }
    return nDiffering;
}

TEST(GridMaskControl, DrawsAnEmptyCellEmptyAndARefusedValueAsItStands)
{
    MaskGrid w;
    w.SetMask(1, _T("###-####"), NULL);
    w.SetMask(2, _T("###"), _T("abc"));
    w.grid->SetStyleRange(CGXCellRange(3, 1), CGXStyle().SetControl(GX_IDS_CTRL_STATIC).SetValue(_T("")));
    w.grid->SetStyleRange(CGXCellRange(4, 1), CGXStyle().SetControl(GX_IDS_CTRL_STATIC).SetValue(_T("abc")));
    w.grid->ChangeCurrentCell(5, 2);
    w.grid->RedrawAll();
    w.grid->UpdateWindow();
    int nInk = 0;
    EXPECT_EQ(0, CompareCells(*w.grid, 1, 3, &nInk));
    EXPECT_EQ(0, nInk);
    EXPECT_EQ(0, CompareCells(*w.grid, 2, 4, &nInk));
    EXPECT_GT(nInk, 0);
}

struct BadMaskCase
{
    LPCTSTR pszMask, pszPrompt, pszValue;
    const char* pszTyped;
    LPCTSTR pszShownBefore, pszTextAfter, pszStored;
};

TEST(GridMaskControl, BadMasksAndValues)
{
    const BadMaskCase cases[] = {
        {_T("##\\"), NULL, NULL, "123", _T(""), _T("12"), _T("12")},  // a trailing escape escapes nothing
        {_T("ab-"), NULL, NULL, "1", _T(""), _T("ab-"), _T("")},      // no input position
        {_T("###"), _T("ab"), NULL, "1", _T(""), _T("1__"), _T("1")}, // a two-letter prompt is refused
        {_T("###"), NULL, _T("abc"), "", _T("abc"), _T("___"), _T("abc")}, // kept until typed over
        {_T("###"), NULL, _T("abc"), "7", _T("abc"), _T("7__"), _T("7")},
    };
    for (const BadMaskCase& c : cases)
    {
        SCOPED_TRACE(c.pszMask);
        MaskGrid w;
        w.SetMask(1, c.pszMask, c.pszValue, c.pszPrompt);
        EXPECT_STREQ(c.pszShownBefore, w.Shown(1));
        w.Enter(1);
        TypeText(c.pszTyped);
        CString strText;
        w.pMask->GetCurrentText(strText);
        EXPECT_STREQ(c.pszTextAfter, strText);
        TypeKey(VK_RETURN);
        EXPECT_STREQ(c.pszStored, CellValue(*w.grid, 1, 1));
    }
}

TEST(GridMaskControl, TheCurrentControlAnswersColourRequestsBeforeTheGrid)
{
    MaskGrid w;
    w.SetMask(1, _T("###"), _T("123"));
    w.Enter(1);
    TypeKey(VK_HOME);
    ASSERT_TRUE(w.pMask->IsActive());
    CClientDC dc(w.pMask);
    CWnd* pGridWnd = w.grid->GridWnd();
    LRESULT hbr = pGridWnd->SendMessage(WM_CTLCOLOREDIT, (WPARAM)dc.m_hDC, (LPARAM)w.pMask->m_hWnd);
    EXPECT_EQ((LRESULT)::GetStockObject(GRAY_BRUSH), hbr);
    EXPECT_EQ(RGB(0, 0, 255), dc.GetTextColor());
    // Left alone by the control, the request gets the cell's brush from the grid.
    hbr = pGridWnd->SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.m_hDC, (LPARAM)w.pMask->m_hWnd);
    EXPECT_NE(0, hbr);
    EXPECT_NE((LRESULT)::GetStockObject(GRAY_BRUSH), hbr);
}
TEST(GridMaskControl, AClickPutsTheCaretOnTheInputPositionUnderIt)
{
    // "(555) 123-4567": literals at 0, 4, 5 and 9.
    struct
    {
        const char* name;
        WORD wActivate;
        bool bDouble;
        int nChar;
        BOOL bActive;
        int nStart, nEnd; // the selection afterwards
    } cases[] = {
        {"a digit", 1, false, 7, TRUE, 7, 7},
        {"a literal: the next input position", 1, false, 4, TRUE, 6, 6},
        {"the opening parenthesis", 1, false, 0, TRUE, 1, 1},
        {"behind the text, option 1: no character, no editing", 1, false, 20, FALSE, 0, 0},
        {"behind the text, option 2: everything selected", 2, false, 20, TRUE, 0, 14},
        {"a double click with option 8", 8, true, 9, TRUE, 10, 10},
        {"a single click with option 8 only", 8, false, 9, FALSE, 0, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        MaskGrid w;
        w.SetMask(1, _T("(###) ###-####"), _T("5551234567"));
        w.Enter(1);
        ASSERT_FALSE(w.pMask->IsActive());
        w.grid->GetParam()->m_wActivateFlags = c.wActivate;
        CPoint pt = w.CharPoint(1, c.nChar);
        PumpMessages(::GetDoubleClickTime() + 50);
        ClickAt(w.grid.get(), pt);
        if (c.bDouble)
            ClickAt(w.grid.get(), pt);
        EXPECT_EQ(c.bActive, w.pMask->IsActive());
        if (c.bActive)
        {
            EXPECT_EQ(c.nStart, w.Caret());
            EXPECT_EQ(c.nEnd, w.SelEnd());
        }
        EXPECT_STREQ("5551234567", CellValue(*w.grid, 1, 1));
    }
}

TEST(GridMaskControl, ReleasingTheButtonOnALiteralInTheWindowMovesTheCaretOn)
{
    MaskGrid w;
    w.SetMask(1, _T("(###) ###-####"), _T("5551234567"));
    w.Enter(1);
    TypeKey(VK_HOME);
    ASSERT_TRUE(w.pMask->IsActive());
    struct
    {
        int nChar, nCaret;
    } clicks[] = {{9, 10}, {5, 6}, {12, 12}};
    for (const auto& c : clicks)
    {
        SCOPED_TRACE(c.nChar);
        LRESULT lPos = w.pMask->SendMessage(EM_POSFROMCHAR, c.nChar);
        CString strText = w.WindowText();
        CClientDC dc(w.pMask);
        CFont* pOld = dc.SelectObject(w.pMask->GetFont());
        int cx = dc.GetTextExtent((LPCTSTR)strText + c.nChar, 1).cx;
        dc.SelectObject(pOld);
        // Left of the character's middle, so the click puts the caret before it.
        CPoint pt((short)LOWORD(lPos) + cx / 3, (short)HIWORD(lPos) + 3);
        w.pMask->ClientToScreen(&pt);
        PumpMessages(::GetDoubleClickTime() + 50);
        MoveMouseTo(pt);
        SendLeftButton(true);
        PumpMessages(30);
        SendLeftButton(false);
        PumpMessages(50);
        EXPECT_EQ(c.nCaret, w.Caret());
        EXPECT_EQ(c.nCaret, w.SelEnd());
    }
}

TEST(GridMaskControl, InsertSwitchesToOverwritingAndBack)
{
    MaskGrid w;
    w.SetMask(1, _T("(###) ###-####"), _T("5551234567"));
    w.Enter(1);
    TypeKey(VK_HOME);
    ASSERT_TRUE(w.pMask->IsActive());
    ASSERT_TRUE(w.pMask->m_bInsertMode);
    // Inserting into a full mask changes nothing.
    TypeText("9");
    EXPECT_STREQ("(555) 123-4567", w.WindowText());
    TypeKey(VK_INSERT);
    EXPECT_FALSE(w.pMask->m_bInsertMode);
    TypeText("9");
    EXPECT_STREQ("(955) 123-4567", w.WindowText());
    EXPECT_EQ(2, w.Caret());
    // On a literal the next input position is overwritten.
    w.pMask->SetMaskSel(4, 4);
    TypeText("8");
    EXPECT_STREQ("(955) 823-4567", w.WindowText());
    EXPECT_EQ(7, w.Caret());
    // A selection over two positions: the first is overwritten, the second taken out.
    w.pMask->SetMaskSel(10, 12);
    TypeText("0");
    EXPECT_STREQ("(955) 823-067_", w.WindowText());
    EXPECT_EQ(11, w.Caret());
    TypeKey(VK_INSERT);
    EXPECT_TRUE(w.pMask->m_bInsertMode);
    w.pMask->SetMaskSel(6, 6);
    TypeText("1");
    EXPECT_STREQ("(955) 182-3067", w.WindowText());
    TypeKey(VK_RETURN);
    EXPECT_STREQ("9551823067", CellValue(*w.grid, 1, 1));
}

TEST(GridMaskControl, FindSearchesTheShownTextAndMovesAsTheUserMoves)
{
    MaskGrid w;
    w.SetMask(1, _T("(###) ###-####"), _T("5551234567"));
    w.SetMask(2, _T("(###) ###-####"), _T("5559876543"));
    w.SetMask(3, _T("(###) ###-####"), _T("5550006543"));
    w.Enter(1);
    TypeKey(VK_END);
    TypeKey(VK_BACK); // the cell left behind keeps this change
    ASSERT_TRUE(w.pMask->IsActive());
    struct
    {
        const char* name;
        LPCTSTR pszFind;
        ROWCOL nRow;
        BOOL bFound;
        ROWCOL nCurrent;
        int nStart, nEnd;
    } steps[] = {
        {"another cell's literals count", _T(") 987-"), 2, TRUE, 2, 4, 10},
        {"in the active cell from behind the selection", _T("6"), 2, TRUE, 2, 10, 11},
        {"not found again in the active cell", _T("98"), 2, FALSE, 2, 10, 11},
        {"not in the other cell", _T("123"), 3, FALSE, 2, 10, 11},
    };
    for (const auto& st : steps)
    {
        SCOPED_TRACE(st.name);
        CGXFindReplaceSettings find;
        find.m_strFind = st.pszFind;
        EXPECT_EQ(st.bFound, w.pMask->FindText(find, st.nRow, 1, FALSE, TRUE));
        ROWCOL nRow = 0, nCol = 0;
        w.grid->GetCurrentCell(nRow, nCol);
        EXPECT_EQ(st.nCurrent, nRow);
        EXPECT_TRUE(w.pMask->IsActive());
        EXPECT_EQ(st.nStart, w.Caret());
        EXPECT_EQ(st.nEnd, w.SelEnd());
    }
    EXPECT_STREQ("555123456", CellValue(*w.grid, 1, 1));
}
// A press on the selected characters keeps the selection for the grid's text drag, then puts
// the caret where the press was; a press beside the selection only places the caret.
TEST(GridMaskControl, APressOnTheSelectionOffersItToTheGridForDragging)
{
    struct
    {
        int nChar;
        int nDrags;
    } cases[] = {{7, 1}, {11, 0}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nChar);
        MaskGrid w;
        w.SetMask(1, _T("(###) ###-####"), _T("5551234567"));
        w.Enter(1);
        TypeKey(VK_HOME);
        ASSERT_TRUE(w.pMask->IsActive());
        w.pMask->SetSel(6, 9); // "123"
        LRESULT lPos = w.pMask->SendMessage(EM_POSFROMCHAR, c.nChar);
        CString strText = w.WindowText();
        CClientDC dc(w.pMask);
        CFont* pOld = dc.SelectObject(w.pMask->GetFont());
        int cx = dc.GetTextExtent((LPCTSTR)strText + c.nChar, 1).cx;
        dc.SelectObject(pOld);
        // Left of the character's middle: the caret goes before it.
        CPoint pt((short)LOWORD(lPos) + cx / 3, (short)HIWORD(lPos) + 3);
        w.pMask->ClientToScreen(&pt);
        PumpMessages(::GetDoubleClickTime() + 50);
        MoveMouseTo(pt);
        SendLeftButton(true);
        PumpMessages(30);
        SendLeftButton(false);
        PumpMessages(50);
        EXPECT_EQ(c.nDrags, w.grid->m_nTextDrags);
        if (c.nDrags != 0)
        {
            EXPECT_EQ(1u, w.grid->m_nDragRow);
            EXPECT_EQ(1u, w.grid->m_nDragCol);
            EXPECT_EQ(6u, w.grid->m_dwDragSelStart);
            EXPECT_EQ(9u, w.grid->m_dwDragSelEnd);
        }
        EXPECT_EQ(c.nChar, w.Caret());
        EXPECT_EQ(c.nChar, w.SelEnd());
        EXPECT_TRUE(w.pMask->IsActive());
        EXPECT_STREQ("(555) 123-4567", w.WindowText());
    }
}
} // namespace
