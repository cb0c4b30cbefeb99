// The check-list combo cell in a shown grid: boxes clicked in its dropped list, the mask stored
// when the list closes, the boxes a value checks, and a list longer than the mask.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/CheckListComboBox.h"
#include "grid/controls/GridCombo.h"
#include "GridIds.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
struct CheckListGrid : GridWindow
{
    CheckListGrid() : GridWindow(360, 240)
    {
        grid->SetRowCount(4, GX_NOREDRAW);
        grid->SetColCount(2, GX_NOREDRAW);
        grid->SetColWidth(1, 2, 140, NULL, GX_NOREDRAW);
        grid->SetRowHeight(1, 4, 22, NULL, GX_NOREDRAW);
        grid->RedrawAll();
    }
    CGXCheckListComboBox* Combo()
    {
        return (CGXCheckListComboBox*)grid->GetRegisteredControl(GX_IDS_CTRL_CHECKLIST_COMBOBOX);
    }
    CCheckListBox* List()
    {
        CGXCheckListComboBox* p = Combo();
        return p->m_pDropDownWnd != NULL ? (CCheckListBox*)p->m_pDropDownWnd->GetListBox() : NULL;
    }
    void Open(LPCTSTR pszChoices, LPCTSTR pszValue)
    {
        CGXStyle style;
        style.SetControl(GX_IDS_CTRL_CHECKLIST_COMBOBOX).SetChoiceList(pszChoices);
        if (pszValue != NULL)
            style.SetValue(pszValue);
        grid->SetStyleRange(CGXCellRange(1, 1), style, gxCopy);
        ASSERT_TRUE(grid->ChangeCurrentCell(1, 1));
        grid->SetFocus();
        PumpMessages(40);
        SendKey(VK_MENU, false);
        SendKey(VK_DOWN, false);
        SendKey(VK_DOWN, true);
        SendKey(VK_MENU, true);
        PumpMessages(120);
        ASSERT_NE(nullptr, List());
    }
    void ClickBox(int nIndex)
    {
        CRect rect;
        List()->GetItemRect(nIndex, &rect);
        CPoint pt(rect.left + 4, rect.CenterPoint().y);
        List()->ClientToScreen(&pt);
        MoveMouseTo(pt);
        SendLeftButton(true);
        PumpMessages(40);
        SendLeftButton(false);
        PumpMessages(60);
    }
};

TEST(GridCheckListComboBox, ClickedBoxesAreStoredAsAMaskWhenEscapeClosesTheList)
{
    CheckListGrid w;
    w.Open(_T("Auswahl\nA\nB\nC"), NULL);
    EXPECT_EQ(3, w.List()->GetCount());
    w.ClickBox(0);
    w.ClickBox(2);
    ASSERT_NE(nullptr, w.List()); // a click does not close it
    EXPECT_EQ(1, w.List()->GetCheck(0));
    TypeKey(VK_ESCAPE);
    EXPECT_EQ(nullptr, w.List());
    EXPECT_STREQ("5", CellValue(*w.grid, 1, 1));
    EXPECT_FALSE(w.Combo()->IsActive());
    CString strShown;
    w.Combo()->FormatValueText(strShown, 1, 1, NULL, w.grid->LookupStyleRowCol(1, 1));
    EXPECT_STREQ("Auswahl", strShown);
}

TEST(GridCheckListComboBox, AValueChecksItsBoxesAndClosingUnchangedStoresNothing)
{
    CheckListGrid w;
    w.Open(_T("Auswahl\nA\nB\nC"), _T("6"));
    const int anChecks[] = {0, 1, 1};
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(anChecks[i], w.List()->GetCheck(i)) << i;
    int nStores = w.grid->m_nStores;
    TypeKey(VK_RETURN);
    EXPECT_EQ(nullptr, w.List());
    EXPECT_EQ(nStores, w.grid->m_nStores);
    EXPECT_FALSE(w.Combo()->GetModify());
    EXPECT_STREQ("6", CellValue(*w.grid, 1, 1));
}

TEST(GridCheckListComboBox, OnlyThirtyOneLinesGetABoxAndAllOfThemFitTheMask)
{
    CheckListGrid w;
    CString strChoices = _T("Auswahl");
    for (int i = 0; i < 33; i++)
    {
        CString strLine;
        strLine.Format(_T("\nZeile %d"), i);
        strChoices += strLine;
    }
    w.Open(strChoices, _T("0"));
    ASSERT_EQ(31, w.List()->GetCount());
    for (int i = 0; i < 31; i++)
        w.List()->SetCheck(i, 1);
    TypeKey(VK_RETURN);
    EXPECT_STREQ("2147483647", CellValue(*w.grid, 1, 1));
}
} // namespace
