// Multi-column combo cells in a shown grid: the shown and the stored field, completion while
// typing, the title strip over the list, sorting once, and lookup tables shared by id.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/GridCombo.h"
#include "grid/controls/TabbedComboBox.h"
#include "grid/controls/TabbedText.h"
#include "grid/core/DIBPool.h"
#include "grid/core/GridParam.h"
#include "tests/grid/GridPixels.h"
#include "mfc/ListBox.h"
#include "GridIds.h"
#include <gtest/gtest.h>
#include <memory>

using namespace testing_support;

namespace
{
const char s_szChoices[] = "Name\tCode\nAlpha\tA1\nBeta\tB2\nGamma\tG3";

struct TabbedGrid : GridWindow
{
    TabbedGrid() : GridWindow(360, 240)
    {
        grid->SetRowCount(4, GX_NOREDRAW);
        grid->SetColCount(2, GX_NOREDRAW);
        grid->SetColWidth(1, 2, 100, NULL, GX_NOREDRAW);
        grid->SetRowHeight(1, 4, 22, NULL, GX_NOREDRAW);
        grid->RedrawAll();
    }
    CGXTabbedComboBox* Combo()
    {
        return (CGXTabbedComboBox*)grid->GetRegisteredControl(GX_IDS_CTRL_TABBED_COMBOBOX);
    }
    void SetCell(ROWCOL nRow, LPCTSTR pszChoices, LPCTSTR pszValue, int nChoiceId = 0, int nSortCol = -1)
    {
        CGXStyle style;
        style.SetControl(GX_IDS_CTRL_TABBED_COMBOBOX).SetChoiceList(pszChoices);
        style.SetUserAttributeText(GX_IDS_UA_TABLIST_KEYCOL, _T("1"));
        style.SetUserAttributeText(GX_IDS_UA_TABLIST_TEXTCOL, _T("0"));
        style.SetUserAttributeText(GX_IDS_UA_TABLIST_COLWIDTHS, _T("50,80"));
        if (nChoiceId != 0)
            style.SetUserAttributeText(GX_IDS_UA_TABLIST_CHOICEID,
                                       CString(std::to_string(nChoiceId).c_str()));
        if (nSortCol >= 0)
            style.SetUserAttributeText(GX_IDS_UA_TABLIST_SORTCOL, CString(std::to_string(nSortCol).c_str()));
        if (pszValue != NULL)
            style.SetValue(pszValue);
        grid->SetStyleRange(CGXCellRange(nRow, 1), style, gxCopy);
    }
    void Enter(ROWCOL nRow)
    {
        ASSERT_TRUE(grid->ChangeCurrentCell(nRow, 1));
        grid->SetFocus();
        PumpMessages(40);
    }
    CString Shown(ROWCOL nRow)
    {
        CGXStyle style;
        grid->ComposeStyleRowCol(nRow, 1, &style);
        CString str;
        Combo()->FormatValueText(str, nRow, 1, NULL, style);
        return str;
    }
    CListBox* List()
    {
        CGXGridCombo* pPopup = Combo()->m_pDropDownWnd;
        return pPopup != NULL ? (CListBox*)pPopup->GetListBox() : NULL;
    }
    void AltDown()
    {
        SendKey(VK_MENU, false);
        TypeKey(VK_DOWN);
        SendKey(VK_MENU, true);
        PumpMessages(60);
    }
};

TEST(GridTabbedComboBox, ShowsTheTextFieldStoresTheKeyAndCompletesTypedPrefixes)
{
    TabbedGrid w;
    w.SetCell(1, s_szChoices, _T("B2"));
    w.SetCell(2, s_szChoices, _T("X9"));
    EXPECT_STREQ("Beta", w.Shown(1));
    EXPECT_STREQ("", w.Shown(2)); // a key no line holds

    w.Enter(1);
    TypeText("g");
    CGXTabbedComboBox* pCombo = w.Combo();
    ASSERT_TRUE(pCombo->IsActive());
    CString strText;
    pCombo->GetWindowText(strText);
    EXPECT_STREQ("Gamma", strText);
    int nStart = 0, nEnd = 0;
    pCombo->CEdit::GetSel(nStart, nEnd);
    EXPECT_EQ(1, nStart);
    EXPECT_EQ(5, nEnd);
    TypeKey(VK_RETURN);
    EXPECT_STREQ("G3", CellValue(*w.grid, 1, 1));
    EXPECT_STREQ("Gamma", w.Shown(1));
}

TEST(GridTabbedComboBox, AnUnknownTextFailsValidationAndStoresNothing)
{
    TabbedGrid w;
    w.SetCell(1, s_szChoices, _T("A1"));
    w.Enter(1);
    TypeKey(VK_HOME);
    CGXTabbedComboBox* pCombo = w.Combo();
    ASSERT_TRUE(pCombo->IsActive());
    pCombo->SetWindowText(_T("Zulu"));
    pCombo->SetModify(TRUE);
    CString strValue;
    EXPECT_FALSE(pCombo->GetValue(strValue));
    EXPECT_FALSE(pCombo->Validate());
    TypeKey(VK_RETURN);
    EXPECT_STREQ("A1", CellValue(*w.grid, 1, 1));
    // The same text is refused as a stored text too.
    CString strStore = _T("Zulu");
    CGXStyle style;
    w.grid->ComposeStyleRowCol(1, 1, &style);
    EXPECT_FALSE(pCombo->PrepareStoreText(strStore, 1, 1, style));
}

TEST(GridTabbedComboBox, TheTitleStripSitsOnTheListWithItsBoxesAtTheColumnEdges)
{
    TabbedGrid w;
    w.SetCell(1, s_szChoices, _T("A1"));
    w.Enter(1);
    w.AltDown();
    CListBox* pList = w.List();
    ASSERT_NE(nullptr, pList);
    EXPECT_EQ(3, pList->GetCount());
    CGXTabbedComboBox* pCombo = w.Combo();
    ASSERT_NE((HWND)NULL, pCombo->m_pHeader->GetSafeHwnd());
    EXPECT_TRUE(pCombo->m_pHeader->IsWindowVisible());
    EXPECT_EQ(std::vector<int>{50}, pCombo->m_header.m_anEdges);
    EXPECT_EQ(130 + ::GetSystemMetrics(SM_CXVSCROLL), pCombo->m_nTotalWidth);

    CRect rectHeader, rectPopup;
    pCombo->m_pHeader->GetWindowRect(&rectHeader);
    pCombo->m_pDropDownWnd->GetWindowRect(&rectPopup);
    CPoint ptLines(0, 0);
    pList->ClientToScreen(&ptLines);
    EXPECT_EQ(rectPopup.top, rectHeader.bottom);
    EXPECT_EQ(ptLines.x, rectHeader.left);
    CRect rectCell = w.grid->CalcCellRect(1, 1);
    w.grid->ClientToScreen(&rectCell);
    EXPECT_GE(rectHeader.top, rectCell.bottom - 1);

    // The box edge and the list's column separator share one screen column.
    CClientDC dcHeader(pCombo->m_pHeader), dcList(pList);
    COLORREF rgbShadow = ::GetSysColor(COLOR_BTNSHADOW);
    EXPECT_EQ(rgbShadow, dcHeader.GetPixel(48, rectHeader.Height() / 2));
    CRect rectItem;
    pList->GetItemRect(1, &rectItem);
    EXPECT_EQ(rgbShadow, dcList.GetPixel(48, rectItem.CenterPoint().y));
    EXPECT_NE(rgbShadow, dcList.GetPixel(46, rectItem.CenterPoint().y));

    TypeKey(VK_ESCAPE);
    EXPECT_FALSE(pCombo->m_pHeader->IsWindowVisible());
}

TEST(GridTabbedComboBox, TheListIsSortedOnceAndTheStyleSaysSo)
{
    TabbedGrid w;
    w.SetCell(1, _T("Name\tCode\nGamma\tG3\nAlpha\tA1\nBeta\tB2"), _T("B2"), 0, 0);
    w.Enter(1);
    w.AltDown();
    CListBox* pList = w.List();
    ASSERT_NE(nullptr, pList);
    CString strFirst;
    pList->GetText(0, strFirst);
    EXPECT_STREQ("Alpha\tA1", strFirst);
    CString strSel;
    pList->GetText(pList->GetCurSel(), strSel);
    EXPECT_STREQ("Beta\tB2", strSel);
    EXPECT_STREQ("-1", w.Combo()->LoadStyle().GetUserAttribute(GX_IDS_UA_TABLIST_SORTCOL).GetValueText());
    TypeKey(VK_ESCAPE);
}

TEST(GridTabbedComboBox, CellsOfOneChoiceIdShareTablesUntilANewListDropsThem)
{
    TabbedGrid w;
    w.SetCell(1, s_szChoices, _T("A1"), 5);
    w.SetCell(2, s_szChoices, _T("B2"), 5);
    CGXGridParam* pParam = w.grid->GetParam();
    EXPECT_STREQ("Beta", w.Shown(2));
    ASSERT_EQ(1u, pParam->m_mapChoiceKeyTables.count(5));
    CMapStringToString* pShared = pParam->m_mapChoiceKeyTables[5];
    EXPECT_STREQ("Alpha", w.Shown(1));
    EXPECT_EQ(pShared, pParam->m_mapChoiceKeyTables[5]);
    EXPECT_EQ(3, (int)pShared->GetCount());

    w.Enter(1);
    int nGeneration = pParam->m_nChoiceTableGeneration;
    CGXStyle style;
    style.SetChoiceList(_T("Name\tCode\nDelta\tD4"));
    w.grid->SetStyleRange(CGXCellRange(1, 1), style);
    EXPECT_GT(pParam->m_nChoiceTableGeneration, nGeneration);
    // Redrawing the cell built them again, from its new list.
    ASSERT_EQ(1u, pParam->m_mapChoiceKeyTables.count(5));
    CString strLine;
    EXPECT_TRUE(pParam->m_mapChoiceKeyTables[5]->Lookup(_T("D4"), strLine));
    EXPECT_FALSE(pParam->m_mapChoiceKeyTables[5]->Lookup(_T("A1"), strLine));
    CGXStyle changed;
    w.grid->ComposeStyleRowCol(1, 1, &changed);
    CString strShown;
    w.Combo()->FormatValueText(strShown, 1, 1, _T("D4"), changed);
    EXPECT_STREQ("Delta", strShown);
}
TEST(GridTabbedComboBox, ThePopupAndItsListAreKeptHiddenBetweenOpenings)
{
    auto w = std::make_unique<TabbedGrid>();
    w->SetCell(1, s_szChoices, _T("B2"));
    w->SetCell(2, _T("Name\tCode\nDelta\tD4\nEcho\tE5"), _T("E5"));
    w->Enter(1);
    w->AltDown();
    CGXTabbedComboBox* pCombo = w->Combo();
    ASSERT_NE(nullptr, w->List());
    HWND hPopup = pCombo->m_pDropDownWnd->GetSafeHwnd(), hList = w->List()->GetSafeHwnd();
    EXPECT_EQ(1, w->List()->GetCurSel());
    // Down and Enter take Gamma; the pop-up and its title strip are hidden, not destroyed.
    TypeKey(VK_DOWN);
    TypeKey(VK_RETURN);
    EXPECT_EQ(nullptr, pCombo->m_pDropDownWnd);
    ASSERT_TRUE(::IsWindow(hPopup));
    EXPECT_FALSE(::IsWindowVisible(hPopup));
    EXPECT_FALSE(pCombo->m_pHeader->IsWindowVisible());
    CString strText;
    pCombo->GetWindowText(strText);
    EXPECT_STREQ("Gamma", strText);

    struct
    {
        ROWCOL nRow;
        int nCount, nSel; // the lines and the chosen one at the next opening
    } openings[] = {{0, 3, 2}, {2, 2, 1}};
    for (const auto& o : openings)
    {
        SCOPED_TRACE(o.nRow);
        if (o.nRow != 0)
            w->Enter(o.nRow);
        w->AltDown();
        ASSERT_NE(nullptr, w->List());
        EXPECT_EQ(hPopup, pCombo->m_pDropDownWnd->GetSafeHwnd());
        EXPECT_EQ(hList, w->List()->GetSafeHwnd());
        EXPECT_TRUE(::IsWindowVisible(hPopup));
        EXPECT_TRUE(pCombo->m_pHeader->IsWindowVisible());
        EXPECT_EQ(o.nCount, w->List()->GetCount());
        EXPECT_EQ(o.nSel, w->List()->GetCurSel());
        TypeKey(VK_ESCAPE);
        EXPECT_FALSE(::IsWindowVisible(hPopup));
    }
    // It goes with the grid's controls.
    w.reset();
    EXPECT_FALSE(::IsWindow(hPopup));
}

TEST(GridTabbedComboBox, AZoomedGridMeasuresTheKeptListAnew)
{
    TabbedGrid w;
    w.SetCell(1, s_szChoices, _T("B2"));
    w.grid->SetStyleRange(CGXCellRange(1, 1),
                          CGXStyle().SetUserAttributeText(GX_IDS_UA_TABLIST_COLWIDTHS, _T("")));
    w.Enter(1);
    CGXTabbedComboBox* pCombo = w.Combo();
    int anHeight[2] = {}, anWidth[2] = {};
    for (int i = 0; i < 2; i++)
    {
        if (i == 1)
        {
            w.grid->SetZoom(200);
            PumpMessages(60);
        }
        w.AltDown();
        ASSERT_NE(nullptr, w.List());
        anHeight[i] = w.List()->GetItemHeight(0);
        anWidth[i] = pCombo->m_nTotalWidth;
        TypeKey(VK_ESCAPE);
    }
    EXPECT_GE(anHeight[1], anHeight[0] * 3 / 2) << anHeight[0] << " " << anHeight[1];
    EXPECT_GE(anWidth[1] - ::GetSystemMetrics(SM_CXVSCROLL),
              (anWidth[0] - ::GetSystemMetrics(SM_CXVSCROLL)) * 3 / 2);
}

// A bitmap of the resources named the way a text field names it.
CString BitmapText()
{
    CString strBitmap;
    strBitmap.Format(_T("#BMP(%u)"), (unsigned)GX_IDB_BROWSE_EDIT);
    return strBitmap;
}

TEST(GridTabbedComboBox, ATextFieldNamingABitmapIsDrawnAsThatBitmap)
{
    CString strBitmap = BitmapText();
    HANDLE hDIB = GXGetDIBPool()->GetDIB(strBitmap);
    ASSERT_NE((HANDLE)NULL, hDIB);
    TabbedGrid w;
    w.SetCell(2, _T("Name\tCode\n") + strBitmap + _T("\tK1\nBeta\tB2"), _T("K1"));
    // Row 3: a static cell showing the same bitmap.
    w.grid->SetStyleRange(CGXCellRange(3, 1), CGXStyle().SetControl(GX_IDS_CTRL_STATIC).SetValue(strBitmap));
    w.grid->SetStyleRange(CGXCellRange(2, 1, 3, 1), CGXStyle().SetInterior(RGB(255, 255, 255)));
    w.Enter(4);
    w.grid->RedrawAll();
    w.grid->UpdateWindow();
    auto inner = [&](ROWCOL nRow) {
        CRect rectCell = w.grid->CalcCellRect(nRow, 1);
        CGXStyle style;
        w.grid->ComposeStyleRowCol(nRow, 1, &style);
        return w.grid->GetControl(nRow, 1)->GetCellRect(nRow, 1, &rectCell, &style);
    };
    CRect rectCombo = inner(2), rectStatic = inner(3);
    ASSERT_EQ(rectStatic.left, rectCombo.left);
    CSize size = GXGetDIBSize(hDIB);
    ASSERT_LE(size.cx, rectCombo.Width());
    ASSERT_LE(size.cy, rectCombo.Height());
    // At its own size from the top left, as the static cell draws it.
    Pixels shown = CaptureClient(w.grid.get());
    int nDiffer = 0, nInk = 0;
    for (int y = 0; y < size.cy; y++)
        for (int x = 0; x < size.cx; x++)
        {
            DWORD px = shown.At(rectCombo.left + x, rectCombo.top + y);
            nDiffer += px != shown.At(rectStatic.left + x, rectStatic.top + y);
            nInk += px != 0xFFFFFF;
        }
    EXPECT_GT(nInk, 20);
    EXPECT_EQ(0, nDiffer);
}
TEST(GridTabbedComboBox, ABitmapCellKeepsItsInteriorColourAroundTheBitmap)
{
    HANDLE hDIB = GXGetDIBPool()->GetDIB(BitmapText());
    ASSERT_NE((HANDLE)NULL, hDIB);
    TabbedGrid w;
    w.SetCell(2, _T("Name\tCode\n") + BitmapText() + _T("\tK1\nBeta\tB2"), _T("K1"));
    w.grid->SetStyleRange(CGXCellRange(2, 1), CGXStyle().SetInterior(RGB(0, 128, 0)));
    w.Enter(4);
    w.grid->RedrawAll();
    w.grid->UpdateWindow();
    CRect rectCell = w.grid->CalcCellRect(2, 1);
    CSize size = GXGetDIBSize(hDIB);
    Pixels shown = CaptureClient(w.grid.get());
    // A strip right of the bitmap, inside the cell's borders and left of any button.
    ASSERT_LT(size.cx + 16, rectCell.Width() / 2);
    int nGreen = 0, nAll = 0;
    for (int y = rectCell.top + 2; y < rectCell.bottom - 2; y++)
        for (int x = rectCell.left + size.cx + 6; x < rectCell.left + size.cx + 16; x++, nAll++)
            nGreen += shown.At(x, y) == 0x008000;
    EXPECT_EQ(nAll, nGreen);
}

TEST(GridTabbedComboBox, ABeginningStandsForItsTextFieldAndANewValueSelectsItsLine)
{
    TabbedGrid w;
    w.SetCell(1, s_szChoices, _T("A1"));
    w.Enter(1);
    CGXTabbedComboBox* pCombo = w.Combo();
    struct
    {
        LPCTSTR pszTyped, pszShown;
    } cases[] = {{_T("ga"), _T("Gamma")}, {_T("Beta"), _T("Beta")}, {_T("Zulu"), _T("Beta")}};
    for (const auto& c : cases)
    {
        pCombo->SetCurrentText(c.pszTyped);
        CString strText;
        pCombo->GetWindowText(strText);
        EXPECT_EQ(CString(c.pszShown), strText) << c.pszTyped;
    }
    // With the list open a value set from outside selects its line.
    w.AltDown();
    ASSERT_NE(nullptr, w.List());
    pCombo->SetValue(_T("G3"));
    EXPECT_EQ(2, w.List()->GetCurSel());
    pCombo->SetValue(_T("A1"));
    EXPECT_EQ(0, w.List()->GetCurSel());
    pCombo->SetValue(_T("X9"));
    EXPECT_EQ(LB_ERR, w.List()->GetCurSel());
    TypeKey(VK_ESCAPE);
}

// The kept list shows the cell's text and interior colours, also after they changed.
TEST(GridTabbedComboBox, TheListShowsTheCellsColours)
{
    const COLORREF rgbYellow = RGB(255, 255, 0), rgbBlue = RGB(0, 0, 255), rgbCyan = RGB(0, 255, 255);
    TabbedGrid w;
    w.SetCell(1, s_szChoices, _T("B2"));
    w.grid->SetStyleRange(CGXCellRange(1, 1), CGXStyle().SetInterior(rgbYellow).SetTextColor(rgbBlue));
    w.Enter(1);
    w.AltDown();
    CListBox* pList = w.List();
    ASSERT_NE(nullptr, pList);
    ASSERT_EQ(1, pList->GetCurSel());
    pList->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    // Line 0 is not chosen: the cell's background behind the cell's text colour.
    CRect rectItem;
    pList->GetItemRect(0, &rectItem);
    Pixels px = CaptureClient(pList);
    EXPECT_EQ(ToRGB(rgbYellow), px.At(rectItem.right - 2, rectItem.top + 1));
    int nBlue = 0;
    for (int y = rectItem.top; y < rectItem.bottom; y++)
        for (int x = rectItem.left; x < rectItem.right; x++)
            nBlue += px.At(x, y) == ToRGB(rgbBlue);
    EXPECT_GT(nBlue, 5);
    TypeKey(VK_ESCAPE);
    // The cell drawn in other colours gives them to the hidden list before it opens again.
    CGXGridCombo* pKept = (CGXGridCombo*)pList->GetParent();
    ASSERT_EQ(ToRGB(rgbYellow), ToRGB(pKept->m_rgbBack));
    w.grid->SetStyleRange(CGXCellRange(1, 1), CGXStyle().SetInterior(rgbCyan));
    w.grid->UpdateWindow();
    EXPECT_EQ(rgbCyan, pKept->m_rgbBack);
    EXPECT_EQ(rgbBlue, pKept->m_rgbText);
}
} // namespace
