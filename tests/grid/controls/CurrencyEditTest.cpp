// Money cells in a shown grid, driven through the system's input queue: formatting by the
// money attributes, editing keys and their caret, the sign keys, a click beside the digits,
// undo, the context menu's greyed items, the pop-up calculator and its result.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/CurrencyEdit.h"
#include "grid/controls/PopupCalculator.h"
#include "grid/core/FindReplaceSettings.h"
#include "grid/core/StylesMap.h"
#include "grid/factory/ControlFactory.h"
#include "GridIds.h"
#include <gtest/gtest.h>
#include <map>
#include <vector>

using namespace testing_support;

namespace
{
// The money attributes of a cell, by id.
typedef std::map<WORD, CString> Attributes;

// "$" as symbol, "," and "." as separators, both templates 0, two decimals.
Attributes Dollars()
{
    return {{GX_IDS_UA_CURRENCY_SYMBOL, _T("$")},
            {GX_IDS_UA_CURRENCY_SEPARATOR, _T(",.")},
            {GX_IDS_UA_CURRENCY_POSFORMAT, _T("0")},
            {GX_IDS_UA_CURRENCY_NEGFORMAT, _T("0")},
            {GX_IDS_UA_CURRENCY_DECIMALS, _T("2")}};
}

Attributes With(Attributes attrs, WORD nID, LPCTSTR pszValue)
{
    attrs[nID] = pszValue;
    return attrs;
}

CString LocaleText(LCTYPE type)
{
    char sz[16] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, type, sz, sizeof(sz));
    return sz;
}

struct CurrencyGrid : GridWindow
{
    CurrencyGrid() : GridWindow(420, 240)
    {
        grid->SetRowCount(6, GX_NOREDRAW);
        grid->SetColCount(3, GX_NOREDRAW);
        grid->SetColWidth(1, 3, 130, NULL, GX_NOREDRAW);
        grid->SetRowHeight(1, 6, 24, NULL, GX_NOREDRAW);
        grid->RedrawAll();
    }
    CGXCurrencyEdit* Currency()
    {
        return (CGXCurrencyEdit*)grid->GetRegisteredControl(GX_IDS_CTRL_CURRENCY);
    }
    void SetCell(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszValue, const Attributes& attrs)
    {
        CGXStyle style;
        style.SetControl(GX_IDS_CTRL_CURRENCY).SetValue(pszValue);
        for (const auto& a : attrs)
            style.SetUserAttributeText(a.first, a.second);
        grid->SetStyleRange(CGXCellRange(nRow, nCol), style, gxCopy);
    }
    void Enter(ROWCOL nRow, ROWCOL nCol)
    {
        ASSERT_TRUE(EnterCell(*grid, nRow, nCol));
    }
    CString Shown(ROWCOL nRow, ROWCOL nCol)
    {
        return ShownText(*grid, Currency(), nRow, nCol);
    }
    CString Text()
    {
        CString str;
        Currency()->GetWindowText(str);
        return str;
    }
    // Starts editing by End, then End again drops the selection that focusing made.
    void StartEditing()
    {
        TypeKey(VK_END);
        TypeKey(VK_END);
    }
};

TEST(GridCurrencyEdit, TheFactoryMakesItAndItsAttributesAreRegistered)
{
    CurrencyGrid w;
    ASSERT_NE(nullptr, w.Currency());
    EXPECT_TRUE(w.Currency()->IsKindOf(GX_CONTROL_CLASS(CGXCurrencyEdit)));
    CGXStylesMap map;
    CGXControlFactory().RegisterAllUserAttributes(&map);
    const auto& attrs = map.GetUserAttributeMap();
    for (WORD nID : {51045, 51046, 51047, 51048, 51049, 51050, 51054})
        EXPECT_EQ(1u, attrs.count(nID)) << nID;
    EXPECT_EQ(0u, attrs.count(GX_IDS_UA_CURRENCY_CALCULATOR));
    EXPECT_EQ(CString("W\xe4hrung: Trennlinie"), attrs.at(51045)->sName);
    const CGXStyle* pFlags = attrs.at(51046)->pStyle;
    EXPECT_EQ(GX_IDS_CTRL_MASKEDIT, pFlags->GetControl());
    EXPECT_EQ(CString("##AAAA#"), pFlags->GetUserAttribute(GX_IDS_UA_INPUTMASK).GetValueText());
    EXPECT_EQ(CString("$1\n1$\n$ 1\n1 $\n(1$)\n"), attrs.at(51047)->pStyle->GetChoiceList());
    EXPECT_EQ(CString("($1)\n-$1\n$-1\n$1-\n(1$)\n-1$\n1-$\n1$-\n-1 $\n-$ 1\n$ 1-\n"),
              attrs.at(51048)->pStyle->GetChoiceList());
}

TEST(GridCurrencyEdit, TheAttributesShapeTheShownText)
{
    ASSERT_EQ('3', LocaleText(LOCALE_SMONGROUPING)[0]);
    CString strThousands = LocaleText(LOCALE_SMONTHOUSANDSEP).Left(1);
    CString strDecimal = LocaleText(LOCALE_SMONDECIMALSEP).Left(1);
    CurrencyGrid w;
    struct
    {
        LPCTSTR pszValue;
        Attributes attrs;
        CString strShown;
    } cases[] = {
        {_T("1234.5"), Dollars(), _T("$1,234.50")},
        {_T("-1234.5"), Dollars(), _T("($1,234.50)")},
        {_T("1234.5"), With(Dollars(), 51045, _T("0,")), _T("$1234,50")},
        {_T("1234.5"), With(Dollars(), 51054, _T("0")), _T("1,234.50")},
        {_T("0.5"), With(Dollars(), 51046, _T("00 0")), _T("$.50")},
        {_T("0.5"), With(Dollars(), 51046, _T("10 1")), _T("$0.50")},
        {_T("12345.67"), With(Dollars(), 51049, _T("3")), _T("$123.67")},
        {_T("1234.5"), With(Dollars(), 51047, _T("4")), _T("(1,234.50$)")},
        {_T("1234.5"), With(Dollars(), 51048, _T("15")), _T("$1,234.50")},
        {_T("-3"), With(Dollars(), 51048, _T("15")), _T("(3.00 $)")},
        // Separators of another length, or a digit as decimal separator, keep the locale's.
        {_T("1234.5"), With(Dollars(), 51045, _T("abc")),
         _T("$1") + strThousands + _T("234") + strDecimal + _T("50")},
        {_T("1234.5"), With(Dollars(), 51045, _T(".5")), _T("$1.234") + strDecimal + _T("50")},
        {_T(""), Dollars(), _T("")},
    };
    for (const auto& c : cases)
    {
        w.SetCell(2, 2, c.pszValue, c.attrs);
        EXPECT_EQ(c.strShown, w.Shown(2, 2)) << c.pszValue;
    }
}

TEST(GridCurrencyEdit, EditingKeysChangeTheAmountAndTheCaretAndTheCellStoresItsDecimals)
{
    CurrencyGrid w;
    w.SetCell(1, 1, _T("1234.56"), Dollars());
    w.Enter(1, 1);
    w.StartEditing();
    CGXCurrencyEdit* pEdit = w.Currency();
    ASSERT_TRUE(pEdit->IsActive());
    ASSERT_EQ(pEdit->GetSafeHwnd(), ::GetFocus());
    EXPECT_EQ(CString("$1,234.56"), w.Text());
    EXPECT_EQ(9, pEdit->GetCaret());
    struct
    {
        WORD vk;
        LPCTSTR pszText;
        int nCaret;
    } steps[] = {
        {VK_BACK, _T("$1,234.50"), 8},   // the fraction's digit before the caret becomes 0
        {VK_LEFT, _T("$1,234.50"), 7},   //
        {VK_DELETE, _T("$1,234.00"), 8}, // the fraction's digit at the caret becomes 0
        {VK_LEFT, _T("$1,234.00"), 7},   //
        {VK_LEFT, _T("$1,234.00"), 6},   //
        {VK_BACK, _T("$123.00"), 4},     // an integer digit goes, the separator is skipped
        {'9', _T("$1,239.00"), 6},       // inserted in front of the decimal separator
        {VK_HOME, _T("$1,239.00"), 0},   //
        {VK_DELETE, _T("$239.00"), 1},   // from a non-digit to the next digit
    };
    for (const auto& s : steps)
    {
        TypeKey(s.vk);
        EXPECT_EQ(CString(s.pszText), w.Text()) << s.vk;
        EXPECT_EQ(s.nCaret, pEdit->GetCaret()) << s.vk;
    }
    TypeKey(VK_DOWN);
    EXPECT_STREQ("239.00", CellValue(*w.grid, 1, 1));
}

TEST(GridCurrencyEdit, UndoTogglesBetweenTheLastTwoTexts)
{
    CurrencyGrid w;
    w.SetCell(1, 1, _T("1234.56"), Dollars());
    w.Enter(1, 1);
    w.StartEditing();
    TypeKey(VK_BACK);
    ASSERT_EQ(CString("$1,234.50"), w.Text());
    for (LPCTSTR psz : {_T("$1,234.56"), _T("$1,234.50"), _T("$1,234.56")})
    {
        KeyWith(VK_CONTROL, 'Z');
        EXPECT_EQ(CString(psz), w.Text());
    }
}

TEST(GridCurrencyEdit, MinusAndSpaceTurnTheSign)
{
    CurrencyGrid w;
    w.SetCell(1, 1, _T("1234.5"), Dollars());
    w.Enter(1, 1);
    TypeKey(VK_SPACE); // on the grid, before editing
    EXPECT_EQ(CString("($1,234.50)"), w.Text());
    TypeKey(VK_DOWN);
    EXPECT_STREQ("-1234.50", CellValue(*w.grid, 1, 1));

    w.Enter(1, 1);
    TypeKey(VK_OEM_MINUS); // starts editing with all selected: negative, as it was
    EXPECT_TRUE(w.Currency()->IsActive());
    EXPECT_EQ(CString("($1,234.50)"), w.Text());
    TypeKey(VK_END);
    TypeKey(VK_OEM_MINUS); // no selection: flips
    EXPECT_EQ(CString("$1,234.50"), w.Text());
    TypeKey(VK_SPACE);
    EXPECT_EQ(CString("($1,234.50)"), w.Text());
    TypeKey(VK_ESCAPE);
    TypeKey(VK_DOWN);
    EXPECT_STREQ("-1234.50", CellValue(*w.grid, 1, 1));
}

TEST(GridCurrencyEdit, AClickBesideTheDigitsSelectsAll)
{
    CurrencyGrid w;
    w.SetCell(1, 1, _T("12.5"), Dollars());
    w.Enter(1, 1);
    w.StartEditing();
    CGXCurrencyEdit* pEdit = w.Currency();
    int nStart, nEnd;
    pEdit->GetSel(nStart, nEnd);
    ASSERT_EQ(-1, nStart);
    CRect rect;
    pEdit->GetClientRect(&rect);
    ClickAt(pEdit, CPoint(rect.right - 4, rect.CenterPoint().y));
    pEdit->GetSel(nStart, nEnd);
    EXPECT_EQ(0, nStart);
    EXPECT_EQ(-1, nEnd);
}

// The states of the context menu's items, read while it is open, then closed.
std::vector<UINT> g_menuStates;
void CALLBACK ReadMenu(HWND, UINT, UINT_PTR nID, DWORD)
{
    HWND hMenuWnd = ::FindWindowA("#32768", NULL);
    if (hMenuWnd == NULL)
        return;
    ::KillTimer(NULL, nID);
    HMENU hMenu = (HMENU)::SendMessage(hMenuWnd, 0x01E1 /* MN_GETHMENU */, 0, 0);
    g_menuStates.clear();
    for (int i = 0; i < ::GetMenuItemCount(hMenu); i++)
    {
        UINT nState = ::GetMenuState(hMenu, i, MF_BYPOSITION);
        g_menuStates.push_back((nState & MF_SEPARATOR) ? MF_SEPARATOR : nState & MF_GRAYED);
    }
    ::EndMenu();
}

std::vector<UINT> ContextMenuStates()
{
    g_menuStates.clear();
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 50, ReadMenu);
    KeyWith(VK_SHIFT, VK_F10);
    PumpUntil([] { return !g_menuStates.empty(); }, 2000);
    ::KillTimer(NULL, nTimer);
    PumpMessages(60);
    return g_menuStates;
}

TEST(GridCurrencyEdit, ShiftF10OpensTheContextMenuGreyedByTheState)
{
    const UINT g = MF_GRAYED, s = MF_SEPARATOR;
    CurrencyGrid w;
    w.SetCell(1, 1, _T("12.56"), Dollars());
    w.Enter(1, 1);
    TypeKey(VK_END); // editing, all selected, nothing to undo
    ASSERT_TRUE(w.Currency()->IsActive());
    struct
    {
        const char* pszClipboard;
        std::vector<UINT> states; // undo, -, cut, copy, paste, delete, -, select all
    } cases[] = {{"12", {g, s, 0, 0, 0, 0, s, 0}}, {"abc", {g, s, 0, 0, g, 0, s, 0}}};
    for (const auto& c : cases)
    {
        PutClipboardText(c.pszClipboard);
        EXPECT_EQ(c.states, ContextMenuStates()) << c.pszClipboard;
    }
    TypeKey(VK_END); // no selection; an edit gives something to undo
    TypeKey(VK_BACK);
    PutClipboardText("7");
    EXPECT_EQ((std::vector<UINT>{0, s, g, g, 0, g, s, 0}), ContextMenuStates());
    w.Currency()->SendMessage(EM_SETREADONLY, TRUE);
    w.Currency()->SetSel(0, -1);
    EXPECT_EQ((std::vector<UINT>{g, s, g, 0, g, g, s, 0}), ContextMenuStates());
}

// The pop-up calculator that has the focus, or null.
CGXBPopupCalculator* FocusedCalculator()
{
    CWnd* pWnd = CWnd::FromHandlePermanent(::GetFocus());
    return pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CGXBPopupCalculator)) ? (CGXBPopupCalculator*)pWnd
                                                                              : NULL;
}

void ClickKeys(CGXBPopupCalculator* pCalc, std::initializer_list<int> keys)
{
    for (int nId : keys)
        ClickAt(pCalc, pCalc->FindButton(nId)->m_rect.CenterPoint());
}

TEST(GridCurrencyEdit, TheButtonOpensTheCalculatorBelowTheCellAndItsResultIsStored)
{
    CurrencyGrid w;
    w.SetCell(1, 1, _T("5"), With(Dollars(), 51046, _T("10 1")));
    w.Enter(1, 1);
    w.StartEditing();
    CGXCurrencyEdit* pEdit = w.Currency();
    ASSERT_EQ((UINT)GX_IDB_CURRENCY, pEdit->GetButtonBitmapId());
    CRect rectEdit, rectCalc;
    pEdit->GetWindowRect(&rectEdit);
    ClickAt(w.grid.get(), pEdit->GetButtonRect().CenterPoint());
    CGXBPopupCalculator* pCalc = FocusedCalculator();
    ASSERT_NE(nullptr, pCalc);
    pCalc->GetWindowRect(&rectCalc);
    EXPECT_EQ(rectEdit.bottom, rectCalc.top);
    EXPECT_EQ(rectEdit.left, rectCalc.left);
    HWND hCalc = pCalc->GetSafeHwnd();
    ClickKeys(pCalc, {CGXBCalculator::keyZero + 1, CGXBCalculator::keyZero + 2, CGXBCalculator::keyMultiply,
                      CGXBCalculator::keyZero + 3, CGXBCalculator::keyEquals});
    PumpUntil([&] { return !::IsWindow(hCalc); }, 2000);
    EXPECT_EQ(CString("$36.00"), w.Text());
    w.grid->SetFocus();
    TypeKey(VK_DOWN);
    EXPECT_STREQ("36.00", CellValue(*w.grid, 1, 1));
}

TEST(GridCurrencyEdit, AltDownOpensTheCalculatorAndEscapeChangesNothing)
{
    CurrencyGrid w;
    w.SetCell(1, 1, _T("5"), With(Dollars(), 51046, _T("10 1")));
    w.SetCell(2, 1, _T("5"), Dollars());
    w.Enter(1, 1);
    KeyWith(VK_MENU, VK_DOWN);
    CGXBPopupCalculator* pCalc = FocusedCalculator();
    ASSERT_NE(nullptr, pCalc);
    HWND hCalc = pCalc->GetSafeHwnd();
    ClickKeys(pCalc, {CGXBCalculator::keyZero + 7});
    TypeKey(VK_ESCAPE);
    EXPECT_FALSE(::IsWindow(hCalc));
    EXPECT_EQ(CString("$5.00"), w.Text());
    w.grid->SetFocus();
    TypeKey(VK_DOWN);
    EXPECT_STREQ("5", CellValue(*w.grid, 1, 1));
    // Without the fourth flag there is no button, and neither key opens anything.
    KeyWith(VK_MENU, VK_DOWN);
    EXPECT_EQ(0u, w.Currency()->GetButtonBitmapId());
    TypeKey(VK_F2);
    EXPECT_EQ(nullptr, FocusedCalculator());
}

TEST(GridCurrencyEdit, TheCalculatorsDecimalPointIsReadAsTheCellsDecimalSeparator)
{
    CurrencyGrid w;
    Attributes attrs = With(With(Dollars(), 51046, _T("10 1")), 51045, _T(".,"));
    w.SetCell(1, 1, _T("5"), attrs);
    w.Enter(1, 1);
    KeyWith(VK_MENU, VK_DOWN);
    CGXBPopupCalculator* pCalc = FocusedCalculator();
    ASSERT_NE(nullptr, pCalc);
    HWND hCalc = pCalc->GetSafeHwnd();
    ClickKeys(pCalc, {CGXBCalculator::keyZero + 1, CGXBCalculator::keyPoint, CGXBCalculator::keyZero + 5,
                      CGXBCalculator::keyEquals});
    PumpUntil([&] { return !::IsWindow(hCalc); }, 2000);
    EXPECT_EQ(CString("$1,50"), w.Text());
    w.grid->SetFocus();
    TypeKey(VK_DOWN);
    EXPECT_STREQ("1.50", CellValue(*w.grid, 1, 1));
}

TEST(GridCurrencyEdit, SeparatorsOfTheWrongLengthStoreTheAmountUnchanged)
{
    CurrencyGrid w;
    w.SetCell(1, 1, _T("1234.5"), With(Dollars(), 51045, _T("abc")));
    w.Enter(1, 1);
    TypeKey(VK_SPACE);
    TypeKey(VK_SPACE);
    TypeKey(VK_DOWN);
    EXPECT_STREQ("1234.50", CellValue(*w.grid, 1, 1));
}
// A grid that records what its edit hook is asked.
struct CHookGrid : CGXGridWnd
{
    BOOL OnCellEditHook(ROWCOL nRow, ROWCOL nCol, int nArg1, int nArg2) override
    {
        m_asked.push_back({(int)nRow, (int)nCol, nArg1, nArg2});
        return CGXGridWnd::OnCellEditHook(nRow, nCol, nArg1, nArg2);
    }
    std::vector<std::vector<int>> m_asked;
};

TEST(GridCurrencyEdit, AKeyInTheFieldAsksTheGridsEditHookFirst)
{
    GridWindowOf<CHookGrid> w(300, 120);
    w.grid->OnGridInitialUpdate();
    w.grid->SetRowCount(3, GX_NOREDRAW);
    w.grid->SetColCount(2, GX_NOREDRAW);
    w.grid->SetColWidth(1, 2, 120, NULL, GX_NOREDRAW);
    CGXStyle style;
    style.SetControl(GX_IDS_CTRL_CURRENCY).SetValue(_T("12.5"));
    w.grid->SetStyleRange(CGXCellRange(2, 2), style, gxCopy);
    w.grid->RedrawAll();
    ASSERT_TRUE(EnterCell(*w.grid, 2, 2));
    TypeKey(VK_END); // editing: the key went to the grid
    EXPECT_TRUE(w.grid->m_asked.empty());
    TypeKey(VK_LEFT);
    ASSERT_EQ(1u, w.grid->m_asked.size());
    EXPECT_EQ((std::vector<int>{2, 2, 2, 0}), w.grid->m_asked[0]);
}

TEST(GridCurrencyEdit, FindingSearchesTheShownTextWithoutTheSymbol)
{
    CurrencyGrid w;
    w.SetCell(2, 1, _T("1234.5"), Dollars()); // "$1,234.50"
    w.Enter(4, 3);
    struct
    {
        LPCTSTR pszFind;
        BOOL bFound;
    } cases[] = {{_T("1,234"), TRUE}, {_T("$1,2"), TRUE}, {_T("34.5"), TRUE},
                 {_T("$"), FALSE},    {_T("99"), FALSE},  {_T("1234"), FALSE}};
    for (const auto& c : cases)
        EXPECT_EQ(c.bFound, w.Currency()->FindText(Find(c.pszFind), 2, 1, FALSE, FALSE)) << c.pszFind;
    ROWCOL nRow = 0, nCol = 0;
    ASSERT_TRUE(w.grid->GetCurrentCell(nRow, nCol));
    EXPECT_EQ(4u, nRow);

    // Selecting makes the cell current and active with the hit selected; a replacement takes
    // only the selection.
    CGXCurrencyEdit* pEdit = w.Currency();
    ASSERT_TRUE(pEdit->FindText(Find(_T("$234")), 2, 1, FALSE, TRUE));
    PumpMessages(60);
    ASSERT_TRUE(w.grid->GetCurrentCell(nRow, nCol));
    EXPECT_EQ(2u, nRow);
    ASSERT_TRUE(pEdit->IsActive());
    int nStart = 0, nEnd = 0;
    pEdit->GetSel(nStart, nEnd);
    EXPECT_EQ(3, nStart);
    EXPECT_EQ(6, nEnd);
    pEdit->ReplaceSel(_T("999"));
    EXPECT_EQ(CString("$1,999.50"), w.Text());
    // Behind the selection the search goes on.
    pEdit->SetSel(0, 2);
    EXPECT_TRUE(pEdit->FindText(Find(_T("9")), 2, 1, FALSE, TRUE));
    pEdit->GetSel(nStart, nEnd);
    EXPECT_EQ(3, nStart);
    TypeKey(VK_DOWN);
    EXPECT_STREQ("1999.50", CellValue(*w.grid, 2, 1));
}

TEST(GridCurrencyEdit, ReplacingAllStoresOnlyResultsTheFormatReads)
{
    CurrencyGrid w;
    w.Enter(4, 3);
    struct
    {
        LPCTSTR pszValue, pszFind, pszReplace;
        BOOL bReplaced;
        LPCTSTR pszResult;
    } cases[] = {
        {_T("1234.5"), _T("234"), _T("999"), TRUE, _T("1999.50")},
        {_T("1234.5"), _T("$1"), _T("2"), TRUE, _T("2234.50")},
        {_T("1234.5"), _T("5"), _T(""), TRUE, _T("1234.00")},
        {_T("1234.5"), _T("$1,234.50"), _T("abc"), FALSE, _T("1234.5")},
        {_T("1234.5"), _T("7"), _T("8"), FALSE, _T("1234.5")},
        {_T(""), _T("1"), _T("2"), FALSE, _T("")},
    };
    for (const auto& c : cases)
    {
        w.SetCell(2, 1, c.pszValue, Dollars());
        EXPECT_EQ(c.bReplaced, w.Currency()->ReplaceText(Find(c.pszFind, c.pszReplace), 2, 1)) << c.pszFind;
        EXPECT_EQ(CString(c.pszResult), CellValue(*w.grid, 2, 1)) << c.pszFind;
    }
    // In the active cell the value changes in the field and is stored on leaving.
    w.SetCell(1, 1, _T("1234.5"), Dollars());
    w.Enter(1, 1);
    w.StartEditing();
    ASSERT_TRUE(w.Currency()->IsActive());
    EXPECT_TRUE(w.Currency()->ReplaceText(Find(_T("1,2"), _T("7")), 1, 1));
    EXPECT_EQ(CString("$734.50"), w.Text());
    TypeKey(VK_DOWN);
    EXPECT_STREQ("734.50", CellValue(*w.grid, 1, 1));
}

TEST(GridCurrencyEdit, AClickOnTheCellsTextPutsTheCaretThereAndBesideItActivatesNothing)
{
    CurrencyGrid w;
    w.SetCell(1, 1, _T("1234.5"), Dollars());
    w.SetCell(2, 1, _T("1234.5"), Dollars());
    w.Enter(2, 1);
    CGXCurrencyEdit* pEdit = w.Currency();
    ASSERT_FALSE(pEdit->IsActive());
    CRect inner = pEdit->CGXStatic::GetCellRect(2, 1);
    // Far right of the left-aligned text lies no character.
    ClickAt(w.grid.get(), CPoint(inner.right - 3, inner.top + 4));
    EXPECT_FALSE(pEdit->IsActive());
    // On the fourth character the caret goes before it.
    int x;
    {
        CClientDC dc(w.grid.get());
        CFont* pOld = pEdit->SelectStyleFont(&dc, w.grid->LookupStyleRowCol(2, 1), NULL);
        x = inner.left + dc.GetTextExtent("$1,").cx + 2;
        dc.SelectObject(pOld);
    }
    ClickAt(w.grid.get(), CPoint(x, inner.top + 4));
    ASSERT_TRUE(pEdit->IsActive());
    EXPECT_EQ(3, pEdit->GetCaret());
}

// A grid that notes the keys its cells' windows hand it.
struct CKeyGrid : CGXGridWnd
{
    BOOL ProcessKeyMessage(CWnd* pFromWnd, UINT message, UINT nKey, UINT nRepeat, UINT flags) override
    {
        if (message == WM_KEYDOWN && pFromWnd != this)
            m_keys.push_back(nKey);
        return CGXGridWnd::ProcessKeyMessage(pFromWnd, message, nKey, nRepeat, flags);
    }
    std::vector<UINT> m_keys;
};

TEST(GridCurrencyEdit, FunctionKeysInTheFieldGoToTheGrid)
{
    GridWindowOf<CKeyGrid> w(300, 120);
    w.grid->OnGridInitialUpdate();
    w.grid->SetRowCount(3, GX_NOREDRAW);
    w.grid->SetColCount(2, GX_NOREDRAW);
    w.grid->SetColWidth(1, 2, 120, NULL, GX_NOREDRAW);
    CGXStyle style;
    style.SetControl(GX_IDS_CTRL_CURRENCY).SetValue(_T("12.5")).SetUserAttributeText(51046, _T("10 1"));
    w.grid->SetStyleRange(CGXCellRange(2, 2), style, gxCopy);
    w.grid->RedrawAll();
    ASSERT_TRUE(EnterCell(*w.grid, 2, 2));
    TypeKey(VK_END);
    CGXCurrencyEdit* pEdit = (CGXCurrencyEdit*)w.grid->GetRegisteredControl(GX_IDS_CTRL_CURRENCY);
    ASSERT_TRUE(pEdit->IsActive());
    ASSERT_EQ((UINT)GX_IDB_CURRENCY, pEdit->GetButtonBitmapId());
    for (WORD vk : {VK_F2, VK_F4, VK_F7})
    {
        pEdit->SetFocus();
        PumpMessages(30);
        w.grid->m_keys.clear();
        TypeKey(vk);
        EXPECT_EQ(std::vector<UINT>{vk}, w.grid->m_keys) << vk;
        EXPECT_EQ(nullptr, FocusedCalculator()) << vk;
    }
}

TEST(GridTexts, TheObjectCellTextsStandInTheStringTable)
{
    const struct
    {
        UINT nID;
        const char* pszText;
    } texts[] = {
        {20134, "Falsches Datenformat."},
        {20203, "Fehler beim Kopieren"},
        {20204, "Fehler beim Auschneiden"},
        {20205, "Meridane Grid Objekt einf\xfcgen"},
        {20206,
         "OLE-Ansicht ist bereits ge\xf6\x66\x66net. Bitte wechseln Sie zur ge\xf6\x66\x66neten Ansicht."},
        {20207, "Fehler beim Anzeigen des Objekt-Einf\xfcgen-Dialogs."},
        {20061, "Keine Validierung\t0\nUhrzeit\t1\nDatum\t2\nDatum und Uhrzeit\t3\n"},
        {20062, "Uhrzeit\t0\nKurzes Datum\t1\nLanges Datum\t2\nBenutzerdefiniert\t3\nDateTime\t4\n"}};
    for (const auto& t : texts)
    {
        CString str;
        EXPECT_TRUE(str.LoadString(t.nID)) << t.nID;
        EXPECT_EQ(CString(t.pszText), str) << t.nID;
    }
}
} // namespace
