// Masked edit cells in a shown grid, typed into through the system's input queue: where typed
// characters land, what the cell stores and shows, the clipboard in both forms, and masks and
// values the mask cannot take.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/MaskControl.h"
#include "grid/controls/MaskData.h"
#include "grid/core/AppData.h"
#include "GridIds.h"
#include <gtest/gtest.h>

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
} // namespace
