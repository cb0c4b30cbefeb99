// Window multi-column combo cells in a shown grid, driven through the system's input queue: the
// shown text field against the stored key, the dropped list, completion while typing, unknown
// texts, and sorting once.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/TabbedComboBoxWnd.h"
#include "GridIds.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
const char s_szChoices[] = "Name\tCode\nAlpha\tA1\nBeta\tB2\nGamma\tG3";

struct TabbedWndGrid : GridWindow
{
    TabbedWndGrid() : GridWindow(400, 240)
    {
        grid->SetRowCount(4, GX_NOREDRAW);
        grid->SetColCount(2, GX_NOREDRAW);
        grid->SetColWidth(1, 2, 110, NULL, GX_NOREDRAW);
        grid->SetRowHeight(1, 4, 24, NULL, GX_NOREDRAW);
        grid->RedrawAll();
    }
    CGXTabbedComboBoxWnd* Combo(UINT nID)
    {
        return (CGXTabbedComboBoxWnd*)grid->GetRegisteredControl((WORD)nID);
    }
    void SetCell(ROWCOL nRow, UINT nID, LPCTSTR pszChoices, LPCTSTR pszValue, LPCTSTR pszSortCol = NULL)
    {
        CGXStyle style;
        style.SetControl((WORD)nID).SetChoiceList(pszChoices).SetValue(pszValue);
        style.SetUserAttributeText(GX_IDS_UA_TABLIST_KEYCOL, _T("1"));
        style.SetUserAttributeText(GX_IDS_UA_TABLIST_TEXTCOL, _T("0"));
        style.SetUserAttributeText(GX_IDS_UA_TABLIST_COLWIDTHS, _T("50,80"));
        if (pszSortCol != NULL)
            style.SetUserAttributeText(GX_IDS_UA_TABLIST_SORTCOL, pszSortCol);
        grid->SetStyleRange(CGXCellRange(nRow, 1), style, gxCopy);
    }
    void Enter(ROWCOL nRow)
    {
        ASSERT_TRUE(EnterCell(*grid, nRow, 1));
        PumpMessages(40);
    }
    CString Shown(UINT nID, ROWCOL nRow, BOOL* pbFound = NULL)
    {
        CGXStyle style;
        grid->ComposeStyleRowCol(nRow, 1, &style);
        CString str;
        BOOL bFound = Combo(nID)->FormatValueText(str, nRow, 1, NULL, style);
        if (pbFound != NULL)
            *pbFound = bFound;
        return str;
    }
};

void AltDown()
{
    KeyWith(VK_MENU, VK_DOWN);
    PumpMessages(150);
}

// Both variants: the editable combo and the list-only one.
const UINT s_anIds[] = {GX_IDS_CTRL_CBS_TABBED_DROPDOWN, GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST};

TEST(GridTabbedComboBoxWnd, ShowsTheTextFieldAndStoresTheKeyOfTheChosenEntry)
{
    for (UINT nID : s_anIds)
    {
        SCOPED_TRACE(nID);
        TabbedWndGrid w;
        w.SetCell(1, nID, s_szChoices, _T("B2"));
        w.SetCell(2, nID, s_szChoices, _T("X9"));
        BOOL bFound = FALSE;
        EXPECT_STREQ("Beta", w.Shown(nID, 1, &bFound));
        EXPECT_TRUE(bFound);
        EXPECT_STREQ("", w.Shown(nID, 2, &bFound)); // a key no line holds
        EXPECT_FALSE(bFound);

        w.Enter(1);
        CGXTabbedComboBoxWnd* pCombo = w.Combo(nID);
        ASSERT_TRUE(pCombo->CComboBox::IsKindOf(RUNTIME_CLASS(CGXTabbedComboBoxWnd)));
        EXPECT_EQ(nID == GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST, pCombo->IsDropDownList());
        EXPECT_EQ(3, pCombo->GetCount()); // the header line is not an entry
        EXPECT_EQ(1, pCombo->GetCurSel());
        CString strText;
        EXPECT_TRUE(pCombo->GetCurrentText(strText));
        EXPECT_STREQ("Beta", strText);
        if (nID == GX_IDS_CTRL_CBS_TABBED_DROPDOWN)
        {
            pCombo->m_tabbedEdit.GetWindowText(strText);
            EXPECT_STREQ("Beta", strText); // the edit shows only the first field
        }

        AltDown();
        ASSERT_TRUE(pCombo->GetDroppedState());
        EXPECT_TRUE(pCombo->IsActive());
        TypeKey(VK_DOWN);
        EXPECT_TRUE(pCombo->GetDroppedState());
        EXPECT_EQ(2, pCombo->GetCurSel());
        TypeKey(VK_RETURN);
        EXPECT_FALSE(pCombo->GetDroppedState());
        CString strValue;
        EXPECT_TRUE(pCombo->GetValue(strValue));
        EXPECT_STREQ("G3", strValue);
        TypeKey(VK_RETURN);
        PumpMessages(40);
        EXPECT_STREQ("G3", CellValue(*w.grid, 1, 1));
        EXPECT_STREQ("Gamma", w.Shown(nID, 1));
    }
}

TEST(GridTabbedComboBoxWnd, TypingCompletesToTheFirstEntryAndRefusesWhatBeginsNone)
{
    TabbedWndGrid w;
    w.SetCell(1, GX_IDS_CTRL_CBS_TABBED_DROPDOWN, s_szChoices, _T("A1"));
    w.Enter(1);
    CGXTabbedComboBoxWnd* pCombo = w.Combo(GX_IDS_CTRL_CBS_TABBED_DROPDOWN);
    // The first letter reaches the grid and starts editing; the next ones go to the edit.
    TypeText("G");
    ASSERT_TRUE(pCombo->IsActive());
    ASSERT_NE((HWND)NULL, pCombo->m_tabbedEdit.GetSafeHwnd());
    TypeText("a");
    CString strText;
    pCombo->m_tabbedEdit.GetWindowText(strText);
    EXPECT_STREQ("Gamma", strText);
    int nStart = 0, nEnd = 0;
    pCombo->m_tabbedEdit.GetSel(nStart, nEnd);
    EXPECT_EQ(2, nStart);
    EXPECT_EQ(5, nEnd);

    TypeText("z"); // "Gz" begins no entry
    pCombo->m_tabbedEdit.GetWindowText(strText);
    EXPECT_STREQ("Gamma", strText);
    pCombo->m_tabbedEdit.GetSel(nStart, nEnd);
    EXPECT_EQ(2, nStart);
    EXPECT_EQ(5, nEnd);

    TypeKey(VK_RETURN);
    PumpMessages(40);
    EXPECT_STREQ("G3", CellValue(*w.grid, 1, 1));
}

TEST(GridTabbedComboBoxWnd, AnUnknownTextFailsValidationAndStoresNothing)
{
    TabbedWndGrid w;
    w.SetCell(1, GX_IDS_CTRL_CBS_TABBED_DROPDOWN, s_szChoices, _T("A1"));
    w.Enter(1);
    CGXTabbedComboBoxWnd* pCombo = w.Combo(GX_IDS_CTRL_CBS_TABBED_DROPDOWN);
    pCombo->SetActive(TRUE);
    ASSERT_TRUE(pCombo->IsActive());
    pCombo->SetWindowText(_T("Zulu"));
    pCombo->SetModify(TRUE);
    CString strValue;
    EXPECT_FALSE(pCombo->GetValue(strValue));
    EXPECT_FALSE(pCombo->Validate());
    EXPECT_FALSE(pCombo->ValidateText(_T("Zulu")));
    EXPECT_TRUE(pCombo->ValidateText(_T("Be"))); // begins a text field
    EXPECT_TRUE(pCombo->ValidateText(_T("")));

    CGXStyle style;
    w.grid->ComposeStyleRowCol(1, 1, &style);
    const struct
    {
        LPCTSTR pszText;
        BOOL bStored;
        LPCTSTR pszValue;
    } cases[] = {{_T("Zulu"), FALSE, _T("Zulu")}, {_T("Beta"), TRUE, _T("B2")}, {_T(""), TRUE, _T("")}};
    for (const auto& c : cases)
    {
        CString strStore = c.pszText;
        EXPECT_EQ(c.bStored, pCombo->PrepareStoreText(strStore, 1, 1, style)) << c.pszText;
        EXPECT_STREQ(c.pszValue, strStore);
    }
    pCombo->SetWindowText(_T("Alpha"));
    pCombo->SetModify(FALSE);
}

TEST(GridTabbedComboBoxWnd, TheListIsSortedOnceAndLinesOfALaterTextColumnBeginWithIt)
{
    TabbedWndGrid w;
    w.SetCell(1, GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST, _T("Name\tCode\nGamma\tG3\nAlpha\tA1\nBeta\tB2"),
              _T("B2"), _T("0"));
    w.Enter(1);
    CGXTabbedComboBoxWnd* pCombo = w.Combo(GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST);
    CString strFirst;
    pCombo->GetLBText(0, strFirst);
    EXPECT_STREQ("Alpha\tA1", strFirst);
    EXPECT_EQ(1, pCombo->GetCurSel());
    EXPECT_STREQ("-1", pCombo->LoadStyle().GetUserAttribute(GX_IDS_UA_TABLIST_SORTCOL).GetValueText());

    // Text column 1, key column 0: each entry begins with the code and a tab.
    CGXStyle style;
    style.SetUserAttributeText(GX_IDS_UA_TABLIST_KEYCOL, _T("0"));
    style.SetUserAttributeText(GX_IDS_UA_TABLIST_TEXTCOL, _T("1"));
    w.grid->SetStyleRange(CGXCellRange(2, 1), style);
    w.SetCell(2, GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST, s_szChoices, _T("Beta"));
    w.grid->SetStyleRange(CGXCellRange(2, 1), style);
    w.Enter(2);
    pCombo->GetLBText(0, strFirst);
    EXPECT_STREQ("A1\tAlpha\tA1", strFirst);
    CString strText, strValue;
    EXPECT_TRUE(pCombo->GetCurrentText(strText));
    EXPECT_STREQ("B2", strText);
    EXPECT_TRUE(pCombo->GetValue(strValue));
    EXPECT_STREQ("Beta", strValue);
}

TEST(GridTabbedComboBoxWnd, EscapeGoesBackToTheCellAndANewListRefillsTheCombo)
{
    TabbedWndGrid w;
    w.SetCell(1, GX_IDS_CTRL_CBS_TABBED_DROPDOWN, s_szChoices, _T("A1"));
    w.Enter(1);
    CGXTabbedComboBoxWnd* pCombo = w.Combo(GX_IDS_CTRL_CBS_TABBED_DROPDOWN);
    AltDown();
    ASSERT_TRUE(pCombo->GetDroppedState());
    TypeKey(VK_DOWN);
    EXPECT_EQ(1, pCombo->GetCurSel());
    TypeKey(VK_ESCAPE);
    PumpMessages(40);
    EXPECT_FALSE(pCombo->GetDroppedState());
    EXPECT_FALSE(pCombo->GetModify());
    CString strText;
    EXPECT_TRUE(pCombo->GetCurrentText(strText));
    EXPECT_STREQ("Alpha", strText);
    EXPECT_EQ(w.grid->GetSafeHwnd(), ::GetFocus());
    EXPECT_STREQ("A1", CellValue(*w.grid, 1, 1));

    // A new list stored into the current cell fills the combo again.
    CGXStyle style;
    style.SetChoiceList(_T("Name\tCode\nAlpha\tA1\nDelta\tD4"));
    w.grid->SetStyleRange(CGXCellRange(1, 1), style);
    PumpMessages(40);
    AltDown();
    EXPECT_EQ(2, pCombo->GetCount());
    CString strLast;
    pCombo->GetLBText(1, strLast);
    EXPECT_STREQ("Delta\tD4", strLast);
    TypeKey(VK_ESCAPE);
}
} // namespace
