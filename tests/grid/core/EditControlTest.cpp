// The edit control under real key input: typing opens the "GXEDIT" window over the cell, Enter
// stores, Esc restores, validation refuses, numbers are converted, the maximum length cuts and
// the arrow keys leave the cell only at the edges of the text.
#include "GridTestApp.h"
#include "TestSupport.h"
#include "grid/core/AppData.h"
#include "grid/core/EditControl.h"
#include "grid/core/FindReplaceSettings.h"
#include "grid/core/GridComponents.h"
#include "grid/core/GridParam.h"
#include "grid/core/Style.h"
#include "grid/features/NumberFormattingImp.h"
#include "tests/grid/ComponentSlot.h"
#include "GridIds.h"
#include <gtest/gtest.h>
#include <locale.h>
#include <string>

using namespace testing_support;

namespace
{
// The library's value parser and separators for one scope; a decimal comma comes with the
// point as thousands separator.
struct NumberScope
{
    CGXNumberFormattingImp parser;
    ComponentSlot<CGXAbstractNumberFormattingImp> slot;
    char cOldDecimal, cOldThousand;
    explicit NumberScope(char cSep) : slot(GXGetAppData()->m_pNumberFormattingImp, &parser)
    {
        CGXAppData* pAppData = GXGetAppData();
        cOldDecimal = pAppData->m_cDecimalSeparator;
        cOldThousand = pAppData->m_cThousandSeparator;
        pAppData->m_cDecimalSeparator = cSep;
        pAppData->m_cThousandSeparator = cSep == ',' ? '.' : ',';
    }
    ~NumberScope()
    {
        GXGetAppData()->m_cThousandSeparator = cOldThousand;
        GXGetAppData()->m_cDecimalSeparator = cOldDecimal;
    }
};

void SendKey(WORD vk, bool bUp)
{
    INPUT i = {};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = vk;
    i.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &i, sizeof(INPUT));
}

void Press(WORD vk, bool bShift = false)
{
    if (bShift)
        SendKey(VK_SHIFT, false);
    SendKey(vk, false);
    SendKey(vk, true);
    if (bShift)
        SendKey(VK_SHIFT, true);
    PumpMessages(120);
}

// Types lower-case letters, digits, ',' and '.' through the keyboard.
void Type(const char* psz)
{
    for (; *psz; psz++)
    {
        char c = *psz;
        WORD vk = c >= 'a' && c <= 'z' ? (WORD)(c - 'a' + 'A')
                  : c == ','           ? VK_OEM_COMMA
                  : c == '.'           ? VK_OEM_PERIOD
                                       : (WORD)c;
        SendKey(vk, false);
        SendKey(vk, true);
    }
    PumpMessages(200);
}

// 10 rows x 4 columns, current cell (2,2), Enter moves down.
struct EditGrid : GridWindow
{
    CGXGridCore& g;
    EditGrid() : GridWindow(400, 250), g(*grid)
    {
        g.OnGridInitialUpdate();
        g.SetRowCount(10, GX_NOREDRAW);
        g.SetColCount(4, GX_NOREDRAW);
        g.GetParam()->m_wEnterKeyAction = 3;
        grid->UpdateWindow();
        Start(2, 2);
    }
    void Start(ROWCOL nRow, ROWCOL nCol)
    {
        g.ChangeCurrentCell(nRow, nCol, 0x0A);
        grid->SetFocus();
        PumpMessages(80);
    }
    CGXEditControl* Edit()
    {
        ROWCOL r, c;
        g.GetCurrentCell(r, c);
        CGXControl* p = g.GetControl(r, c);
        return p != NULL && p->IsKindOf(GX_CONTROL_CLASS(CGXEditControl)) ? static_cast<CGXEditControl*>(p)
                                                                          : NULL;
    }
    HWND EditWnd()
    {
        return ::FindWindowExA(grid->GetSafeHwnd(), NULL, "GXEDIT", NULL);
    }
    void SetStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
    {
        g.SetStyleRange(CGXCellRange(nRow, nCol), &style, gxOverride, 0, NULL, GX_UPDATENOW);
    }
    CString Value(ROWCOL nRow, ROWCOL nCol)
    {
        return g.GetStoredValueText(nRow, nCol);
    }
    void ExpectCurrent(ROWCOL nRow, ROWCOL nCol)
    {
        ROWCOL r = 0, c = 0;
        EXPECT_TRUE(g.GetCurrentCell(r, c));
        EXPECT_EQ(nRow, r);
        EXPECT_EQ(nCol, c);
    }
};
} // namespace

TEST(GridEditControl, TypingOpensTheWindowAndEnterStores)
{
    EditGrid w;
    ASSERT_NE(nullptr, w.Edit());
    Type("abc");
    HWND hEdit = w.EditWnd();
    ASSERT_NE((HWND)NULL, hEdit);
    EXPECT_TRUE(::IsWindowVisible(hEdit));
    EXPECT_EQ(hEdit, ::GetFocus());
    char sz[32] = {};
    ::GetWindowTextA(hEdit, sz, sizeof(sz));
    EXPECT_STREQ("abc", sz);
    // The window lies over the cell.
    CRect rectCell = w.g.CalcCellRect(2, 2), rectEdit;
    ::GetWindowRect(hEdit, &rectEdit);
    w.grid->ScreenToClient(&rectEdit);
    CRect rectBoth;
    EXPECT_TRUE(rectBoth.IntersectRect(rectCell, rectEdit));
    EXPECT_EQ(rectEdit.left, rectBoth.left);
    EXPECT_EQ(rectEdit.right, rectBoth.right);

    Press(VK_RETURN);
    EXPECT_STREQ("abc", w.Value(2, 2));
    w.ExpectCurrent(3, 2);
    EXPECT_FALSE(::IsWindowVisible(hEdit));
    EXPECT_EQ(w.grid->GetSafeHwnd(), ::GetFocus());
}

TEST(GridEditControl, EscapeRestoresAndF2Activates)
{
    EditGrid w;
    w.g.SetValueRange(CGXCellRange(2, 2), "alt");
    w.Start(2, 2);
    Type("xyz");
    ASSERT_TRUE(w.Edit()->IsActive());
    Press(VK_ESCAPE);
    EXPECT_FALSE(w.Edit()->IsActive());
    EXPECT_STREQ("alt", w.Value(2, 2));
    CString str;
    w.Edit()->GetCurrentText(str);
    EXPECT_STREQ("alt", str);
    w.ExpectCurrent(2, 2);

    Press(VK_F2);
    EXPECT_TRUE(w.Edit()->IsActive());
    EXPECT_EQ(w.EditWnd(), ::GetFocus());
    Press(VK_END);
    Type("e");
    Press(VK_F2); // F2 again stores
    EXPECT_FALSE(w.Edit()->IsActive());
    EXPECT_STREQ("alte", w.Value(2, 2));
}

TEST(GridEditControl, MinimumRefusesWithTheWarningText)
{
    EditGrid w;
    CGXStyle style;
    style.SetUserAttributeText(GX_IDS_UA_VALID_MIN, "10");
    style.SetUserAttributeText(GX_IDS_UA_VALID_MSG, "Mindestens zehn");
    w.SetStyle(2, 2, style);
    w.Start(2, 2);
    MessageBoxes boxes;
    boxes.Expect(IDOK, "Mindestens zehn");
    Type("9.99");
    Press(VK_RETURN);
    PumpMessages(100);
    EXPECT_EQ(1u, boxes.Shown().size());
    w.ExpectCurrent(2, 2);
    EXPECT_STREQ("", w.Value(2, 2));
    // Equal to the minimum is valid.
    ASSERT_TRUE(w.Edit()->IsActive());
    ::SendMessage(w.EditWnd(), EM_SETSEL, 0, -1);
    Type("10");
    Press(VK_RETURN);
    EXPECT_EQ(1u, boxes.Shown().size());
    EXPECT_STREQ("10", w.Value(2, 2));
    w.ExpectCurrent(3, 2);
}

TEST(GridEditControl, BoundsRefuseOutsideValuesInTheUsersNotation)
{
    struct Case
    {
        const char* name;
        char cSep;
        const char *min, *max, *typed;
        bool bValid;
        const char* runtimeLocale; // the runtime's numbers, as the library's locale switch sets them
    } cases[] = {
        {"above the maximum", '.', "", "20", "20.5", false, "C"},
        {"at the maximum", '.', "", "20", "20", true, "C"},
        {"comma above the minimum", ',', "3,2", "", "3,50", true, "C"},
        {"comma below the minimum", ',', "3,2", "", "3,10", false, "C"},
        {"comma above the maximum, German runtime", ',', "", "1,4", "1,5", false, "German_Germany.1252"},
        {"comma below the minimum, German runtime", ',', "1,6", "", "1,5", false, "German_Germany.1252"},
        {"comma inside, German runtime", ',', "1,4", "1,6", "1,5", true, "German_Germany.1252"},
    };
    CGXAppData* pApp = GXGetAppData();
    BOOL bLocale = pApp->m_bUseLocaleSeparators;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        NumberScope numbers(c.cSep);
        pApp->m_bUseLocaleSeparators = TRUE;
        ASSERT_TRUE(setlocale(LC_NUMERIC, c.runtimeLocale) != NULL);
        EditGrid w;
        CGXStyle style;
        if (*c.min)
            style.SetUserAttributeText(GX_IDS_UA_VALID_MIN, c.min);
        if (*c.max)
            style.SetUserAttributeText(GX_IDS_UA_VALID_MAX, c.max);
        style.SetUserAttributeText(GX_IDS_UA_VALID_MSG, "Ausserhalb");
        w.SetStyle(2, 2, style);
        w.Start(2, 2);
        MessageBoxes boxes;
        if (!c.bValid)
            boxes.Expect(IDOK, "Ausserhalb");
        Type(c.typed);
        Press(VK_RETURN);
        PumpMessages(100);
        EXPECT_EQ(c.bValid ? 0u : 1u, boxes.Shown().size());
        w.ExpectCurrent(c.bValid ? 3 : 2, 2);
        // Close an open refused edit so the grid goes without another warning.
        if (!c.bValid)
            Press(VK_ESCAPE);
        setlocale(LC_NUMERIC, "C");
    }
    pApp->m_bUseLocaleSeparators = bLocale;
}

TEST(GridEditControl, NumbersWithACommaSeparator)
{
    NumberScope numbers(',');
    // The runtime reads the typed numbers with the comma.
    struct GermanNumbers
    {
        GermanNumbers()
        {
            EXPECT_TRUE(setlocale(LC_NUMERIC, "German_Germany.1252") != NULL);
        }
        ~GermanNumbers()
        {
            setlocale(LC_NUMERIC, "C");
        }
    } german;
    EditGrid w;
    struct Case
    {
        UINT nFormat;
        const char* typed;
        const char* stored;
    } cases[] = {
        {1, "3,50", "3.5"},
        {6, "3,50", "3,50"},
        {1, "abc", "abc"},
    };
    ROWCOL nRow = 2;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.typed);
        CGXStyle style;
        style.SetFormat(c.nFormat);
        w.SetStyle(nRow, 2, style);
        w.Start(nRow, 2);
        Type(c.typed);
        Press(VK_RETURN);
        CGXStyle stored;
        w.g.GetStyleRowCol(nRow++, 2, stored);
        EXPECT_STREQ(c.stored, stored.GetValue());
    }

    // Stored number texts go back to the separator; without a number format nothing changes.
    CGXEditControl* pEdit = w.Edit();
    CGXStyle numeric, plain;
    numeric.SetFormat(1);
    CString s = "3.5";
    EXPECT_TRUE(pEdit->LocalizeDecimalText(s, numeric));
    EXPECT_STREQ("3,5", s);
    s = "3.5";
    EXPECT_FALSE(pEdit->LocalizeDecimalText(s, plain));
    EXPECT_STREQ("3.5", s);
}

TEST(GridEditControl, MaximumLengthCuts)
{
    EditGrid w;
    CGXStyle style;
    style.SetMaxLength(3);
    w.SetStyle(2, 2, style);
    w.Start(2, 2);
    Type("abcdef");
    Press(VK_RETURN);
    EXPECT_STREQ("abc", w.Value(2, 2));

    w.SetStyle(5, 3, style);
    EXPECT_TRUE(w.Edit()->StoreTextInCell(5, 3, "uvwxyz", GX_UPDATENOW));
    EXPECT_STREQ("uvw", w.Value(5, 3));
}

TEST(GridEditControl, LeftLeavesTheCellOnlyAtTheStart)
{
    EditGrid w;
    Type("ab");
    ASSERT_TRUE(w.Edit()->IsActive());
    Press(VK_LEFT);
    w.ExpectCurrent(2, 2);
    int nStart = -1, nEnd = -1;
    ::SendMessage(w.EditWnd(), EM_GETSEL, (WPARAM)&nStart, (LPARAM)&nEnd);
    EXPECT_EQ(1, nStart);
    Press(VK_LEFT);
    w.ExpectCurrent(2, 2);
    Press(VK_LEFT);
    w.ExpectCurrent(2, 1);
    EXPECT_STREQ("ab", w.Value(2, 2));
}

TEST(GridEditControl, FailedStoreShowsError)
{
    EditGrid w;
    CGXStyle style;
    style.SetReadOnly(TRUE);
    w.SetStyle(4, 4, style);
    EXPECT_FALSE(w.Edit()->StoreTextInCell(4, 4, "neu", GX_UPDATENOW));
    EXPECT_STREQ("", w.Value(4, 4));
    CString str;
    w.Edit()->GetCurrentText(str);
    EXPECT_STREQ("Error!", str);
}

TEST(GridEditControl, ReplaceTextHasNoLengthLimit)
{
    EditGrid w;
    CString strText;
    for (int i = 0; i < 1500; i++)
        strText += "aB";
    w.g.SetValueRange(CGXCellRange(6, 1), strText);
    CGXFindReplaceSettings find;
    find.m_strFind = "b";
    find.m_strReplace = "xyz";
    EXPECT_TRUE(w.Edit()->ReplaceText(find, 6, 1));
    CString strExpected;
    for (int i = 0; i < 1500; i++)
        strExpected += "axyz";
    EXPECT_EQ(6000, w.Value(6, 1).GetLength());
    EXPECT_STREQ(strExpected, w.Value(6, 1));
    find.m_strFind = "q";
    EXPECT_FALSE(w.Edit()->ReplaceText(find, 6, 1));
    // Case must match: nothing found.
    find.m_strFind = "A";
    find.m_bMatchCase = TRUE;
    EXPECT_FALSE(w.Edit()->ReplaceText(find, 6, 1));
}

TEST(GridEditControl, AlignmentOfTheWindowBecomesTheCells)
{
    EditGrid w;
    Type("r");
    HWND hEdit = w.EditWnd();
    ASSERT_TRUE(w.Edit()->IsActive());
    LONG lStyle = ::GetWindowLongA(hEdit, GWL_STYLE);
    ::SetWindowLongA(hEdit, GWL_STYLE, (lStyle & ~(ES_CENTER | ES_RIGHT)) | ES_RIGHT);
    CGXStyle stored;
    w.g.GetStyleRowCol(2, 2, stored);
    ASSERT_TRUE(stored.GetInclude(CGXStyle::ibHorzAlign));
    EXPECT_EQ((DWORD)DT_RIGHT, stored.GetHorizontalAlignment());
}

// Scrolling the cell of an active control out of view hides the control, unless the user
// types into it (it has the focus); scrolled back, a click or key shows it again.
TEST(GridEditControl, ScrollingItsCellAwayHidesAnActiveControlWithoutFocus)
{
    EditGrid w;
    w.g.SetRowCount(200, GX_UPDATENOW);
    w.g.SetColCount(40, GX_UPDATENOW);
    const struct
    {
        int nDirection;
        bool bFocus;
        bool bVisible;
    } cases[] = {
        {GX_DOWN, false, false}, {GX_RIGHT, false, false}, {GX_DOWN, true, true}, {GX_RIGHT, true, true}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.nDirection << (c.bFocus ? " typing" : " grid has the focus"));
        w.g.SetTopRow(1);
        w.g.SetLeftCol(1);
        w.Start(2, 2);
        if (c.bFocus)
            Type("abc");
        else
        {
            // Active and shown, but the focus stays with the grid.
            w.Edit()->SetActive(TRUE);
            w.Edit()->Refresh();
            PumpMessages(40);
            w.g.m_bLockFocusHandler = TRUE;
            w.grid->SetFocus();
            w.g.m_bLockFocusHandler = FALSE;
        }
        HWND hEdit = w.EditWnd();
        ASSERT_NE((HWND)NULL, hEdit);
        ASSERT_TRUE(w.Edit()->IsActive());
        ASSERT_TRUE(::IsWindowVisible(hEdit));
        ASSERT_EQ(c.bFocus, ::GetFocus() == hEdit);
        ASSERT_TRUE(w.g.DoScroll(c.nDirection, 30));
        EXPECT_EQ(c.bVisible, ::IsWindowVisible(hEdit) != FALSE);
        PumpMessages(40);
        EXPECT_TRUE(w.Edit()->IsActive());
        w.g.TransferCurrentCell(FALSE, GX_UPDATENOW, FALSE);
        w.g.SetCurrentCell(1, 1);
    }
    // A scroll that keeps the cell in view leaves the control shown.
    w.g.SetTopRow(1);
    w.Start(2, 2);
    w.Edit()->SetActive(TRUE);
    w.Edit()->Refresh();
    ASSERT_TRUE(w.g.DoScroll(GX_DOWN, 1));
    PumpMessages(40);
    w.g.SetTopRow(1);
    PumpMessages(40);
    EXPECT_TRUE(::IsWindowVisible(w.EditWnd()));
}

// A grid whose cell (2,2) lies in a covered block, so that the span rules apply without the
// covered-cells component.
struct SpanGridWnd : CGXGridWnd
{
    CGXCellRange span{2, 1, 3, 3};
    CGXCellRange* GetCoveredCellsRowCol(ROWCOL nRow, ROWCOL nCol, CGXCellRange& range) override
    {
        if (!span.ContainsCell(nRow, nCol))
            return NULL;
        range = span;
        return &range;
    }
};

// A scroll tells the current cell's control first: an active control whose block crosses the
// frozen columns stores its text and steps back; one whose block stays clear goes on.
TEST(GridEditControl, AScrollStoresAndDeactivatesAControlWhoseBlockCrossesTheFrozenPart)
{
    struct Case
    {
        const char* what;
        ROWCOL nFrozenCols;
        UINT nMessage;
        bool bByScrollCellInView;
        bool bStays;
    };
    const Case cases[] = {
        {"vertical bar, block across the frozen column", 1, WM_VSCROLL, false, false},
        {"horizontal bar, block across the frozen column", 1, WM_HSCROLL, false, false},
        {"a cell below brought into view", 1, WM_VSCROLL, true, false},
        {"no frozen column", 0, WM_VSCROLL, false, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        GridWindowOf<SpanGridWnd> w(400, 250);
        CGXGridCore& g = *w.grid;
        g.OnGridInitialUpdate();
        g.SetRowCount(200, GX_NOREDRAW);
        g.SetColCount(40, GX_NOREDRAW);
        g.SetFrozenRows(0, 0, GX_NOREDRAW);
        g.SetFrozenCols(c.nFrozenCols, 0, GX_NOREDRAW);
        w.grid->UpdateWindow();
        // The block is entered at its top-left cell.
        g.SetCurrentCell(2, 2);
        ASSERT_TRUE(g.IsCurrentCell(2, 1));
        CGXControl* pControl = g.GetControl(2, 1);
        ASSERT_NE(nullptr, pControl);
        pControl->SetActive(TRUE);
        pControl->SetCurrentText("neu");
        ASSERT_TRUE(pControl->GetModify());
        if (c.bByScrollCellInView)
            g.ScrollCellInView(150, 2, GX_UPDATENOW);
        else
            w.grid->SendMessage(c.nMessage, SB_LINEDOWN, 0);
        EXPECT_EQ(c.bStays, pControl->IsActive() != FALSE);
        EXPECT_EQ(c.bStays ? "" : "neu", std::string(g.GetStoredValueText(2, 1)));
    }
}

TEST(GridEditControl, LeavingTheGridStoresUnlessInvalid)
{
    EditGrid w;
    HWND hOther = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 30, 20,
                                    w.parent.GetSafeHwnd(), NULL, NULL, NULL);
    ASSERT_NE((HWND)NULL, hOther);
    Type("abc");
    // The focus went into the cell's own window: the grid stays active.
    ASSERT_TRUE(w.Edit()->IsActive());
    ::SetFocus(hOther);
    PumpMessages(80);
    EXPECT_STREQ("abc", w.Value(2, 2));
    EXPECT_FALSE(w.Edit()->IsActive());
    EXPECT_FALSE(::IsWindowVisible(w.EditWnd()));

    // A value the cell refuses stays in the control.
    CGXStyle style;
    style.SetUserAttributeText(GX_IDS_UA_VALID_MIN, "10");
    w.SetStyle(3, 2, style);
    w.Start(3, 2);
    Type("5");
    ASSERT_TRUE(w.Edit()->IsActive());
    ::SetFocus(hOther);
    PumpMessages(80);
    EXPECT_STREQ("", w.Value(3, 2));
    EXPECT_TRUE(w.Edit()->IsActive());
    ::DestroyWindow(hOther);
}

namespace
{
// A click on the current cell opens the window with the caret under the pointer; a click on
// another cell stores and moves the current cell there.
TEST(GridEditControl, ClickPutsTheCaretUnderThePointer)
{
    struct Case
    {
        bool bRightEdge;
        int nCaret;
    } cases[] = {{false, 0}, {true, 2}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.bRightEdge);
        EditGrid w;
        w.g.SetValueRange(CGXCellRange(2, 2), "ab");
        w.Start(2, 2);
        ASSERT_NE(nullptr, w.Edit());
        ASSERT_FALSE(w.Edit()->IsActive());
        CRect cell = w.g.CalcCellRect(2, 2);
        CPoint pt(c.bRightEdge ? cell.right - 3 : cell.left + 1, cell.CenterPoint().y);
        w.grid->ClientToScreen(&pt);
        MoveMouseTo(pt);
        SendLeftButton(true);
        SendLeftButton(false);
        PumpMessages(80);
        EXPECT_TRUE(w.Edit()->IsActive());
        HWND hEdit = w.EditWnd();
        ASSERT_NE((HWND)NULL, hEdit);
        EXPECT_TRUE(::IsWindowVisible(hEdit));
        EXPECT_EQ(hEdit, ::GetFocus());
        DWORD nStart = 0, nEnd = 0;
        ::SendMessage(hEdit, EM_GETSEL, (WPARAM)&nStart, (LPARAM)&nEnd);
        EXPECT_EQ((DWORD)c.nCaret, nStart);
        EXPECT_EQ((DWORD)c.nCaret, nEnd);

        // Typing goes in at the caret; a click on another cell stores it and moves there.
        Type("x");
        CPoint ptOther = w.g.CalcCellRect(4, 1).CenterPoint();
        w.grid->ClientToScreen(&ptOther);
        MoveMouseTo(ptOther);
        SendLeftButton(true);
        SendLeftButton(false);
        PumpMessages(80);
        w.ExpectCurrent(4, 1);
        EXPECT_STREQ(c.bRightEdge ? "abx" : "xab", w.Value(2, 2));
        EXPECT_TRUE(w.Edit()->IsInitAt(4, 1));
    }
}
} // namespace

namespace
{
// Asking to deactivate the grid validates the active cell: a refusal shows the pending warning
// once and marks the grid; forcing or a valid value lets it go without a box.
TEST(GridEditControl, RefusedDeactivationShowsTheWarningOnce)
{
    struct Case
    {
        const char* pszTyped;
        BOOL bForce;
        BOOL bResult;
        size_t nBoxes;
    } cases[] = {{"5", FALSE, FALSE, 1}, {"5", TRUE, TRUE, 0}, {"15", FALSE, TRUE, 0}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string(c.pszTyped) + (c.bForce ? " forced" : ""));
        EditGrid w;
        CGXStyle style;
        style.SetUserAttributeText(GX_IDS_UA_VALID_MIN, "10");
        style.SetUserAttributeText(GX_IDS_UA_VALID_MSG, "Mindestens zehn");
        w.SetStyle(2, 2, style);
        w.Start(2, 2);
        Type(c.pszTyped);
        ASSERT_TRUE(w.Edit()->IsActive());
        MessageBoxes boxes;
        if (c.nBoxes != 0)
            boxes.Expect(IDOK, "Mindestens zehn");
        EXPECT_EQ(c.bResult, w.g.CanDeactivateGrid(c.bForce));
        PumpMessages(80);
        EXPECT_EQ(c.nBoxes, boxes.Shown().size());
        EXPECT_EQ(!c.bResult, w.g.m_bRefusedDeactivate);
        // The edit stays in the cell, with the focus in its window after the box.
        EXPECT_TRUE(w.Edit()->IsActive());
        if (c.nBoxes != 0)
        {
            EXPECT_EQ(w.EditWnd(), ::GetFocus());
        }
    }
}
} // namespace

namespace
{
// With auto-size, typing past the cell's edge makes the column wider (a single line) or the row
// taller (wrapped text); without it the cell keeps its size. The window grows with the cell, and
// a repaint of the grid leaves the window's pixels alone.
TEST(GridEditControl, AutoSizeGrowsTheCellWhileTyping)
{
    struct Case
    {
        BOOL bAutoSize, bWrap;
        bool bWider, bTaller;
    } cases[] = {
        {TRUE, FALSE, true, false},
        {TRUE, TRUE, false, true},
        {FALSE, FALSE, false, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.bAutoSize) + " " + std::to_string(c.bWrap));
        EditGrid w;
        CGXStyle style;
        style.SetAutoSize(c.bAutoSize).SetWrapText(c.bWrap);
        w.SetStyle(2, 2, style);
        w.Start(2, 2);
        int nWidth = w.g.GetColWidth(2), nHeight = w.g.GetRowHeight(2);
        Type("abc def ghi jkl mno pqr stu vwx");
        ASSERT_TRUE(w.Edit()->IsActive());
        EXPECT_EQ(c.bWider, w.g.GetColWidth(2) > nWidth);
        EXPECT_EQ(c.bTaller, w.g.GetRowHeight(2) > nHeight);
        if (!c.bAutoSize)
            continue;
        // The whole text is inside the window: its last character starts left of the edge.
        HWND hEdit = w.EditWnd();
        CRect rectClient;
        ::GetClientRect(hEdit, &rectClient);
        int nLen = ::GetWindowTextLengthA(hEdit);
        LRESULT lPos = ::SendMessage(hEdit, EM_POSFROMCHAR, nLen - 1, 0);
        EXPECT_LT((short)LOWORD(lPos), rectClient.right);
        EXPECT_LT((short)HIWORD(lPos), rectClient.bottom);
        EXPECT_GE((short)LOWORD(::SendMessage(hEdit, EM_POSFROMCHAR, 0, 0)), 0);

        // A whole repaint of the grid keeps the window's text on the screen.
        CRect rectEdit;
        ::GetWindowRect(hEdit, &rectEdit);
        w.grid->ScreenToClient(&rectEdit);
        w.grid->Invalidate(FALSE);
        w.grid->UpdateWindow();
        EXPECT_TRUE(w.g.m_excludedRects.IsEmpty());
        Pixels px = CaptureClient(w.grid.get());
        int nDark = 0;
        for (int y = rectEdit.top; y < rectEdit.bottom; y++)
            for (int x = rectEdit.left; x < rectEdit.right; x++)
                nDark += (px.At(x, y) & 0xFF) < 0x60;
        EXPECT_GT(nDark, 20);
        Press(VK_ESCAPE);
    }
}

// The Delete key on a cell that is not being edited: with the option word 0 the edit window
// opens empty and the cell keeps its value until Enter; otherwise the grid clears the cell.
TEST(GridEditControl, DeleteFollowsTheOptionWord)
{
    struct Case
    {
        WORD wDeleteHandling;
        bool bEditing;
    } cases[] = {{0, true}, {1, false}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.wDeleteHandling);
        EditGrid w;
        w.g.GetParam()->m_wDeleteHandling = c.wDeleteHandling;
        w.g.SetValueRange(CGXCellRange(2, 2), "abc");
        w.Start(2, 2);
        Press(VK_DELETE);
        EXPECT_EQ(c.bEditing, w.Edit()->IsActive() != FALSE);
        if (c.bEditing)
        {
            char sz[16] = "x";
            ::GetWindowTextA(w.EditWnd(), sz, sizeof(sz));
            EXPECT_STREQ("", sz);
            EXPECT_STREQ("abc", w.Value(2, 2));
            Press(VK_RETURN);
        }
        EXPECT_STREQ("", w.Value(2, 2));
    }
}

// A grid window that notes what its text-drag hook saw.
class DragGrid : public CGXGridWnd
{
  public:
    int nCalls = 0;
    ROWCOL nRow = 0, nCol = 0;
    DWORD nSelStart = 0, nSelEnd = 0;
    BOOL OnStartTextDrag(ROWCOL r, ROWCOL c) override
    {
        nCalls++;
        nRow = r;
        nCol = c;
        HWND hEdit = ::FindWindowExA(GetSafeHwnd(), NULL, "GXEDIT", NULL);
        ::SendMessage(hEdit, EM_GETSEL, (WPARAM)&nSelStart, (LPARAM)&nSelEnd);
        return FALSE;
    }
};

// A press on the selected text of the active window keeps the selection for the grid's
// text-drag hook and then puts the caret there; a press elsewhere only places the caret.
TEST(GridEditControl, PressOnTheSelectionOffersATextDrag)
{
    struct Case
    {
        int nChar;
        int nCalls;
    } cases[] = {{8, 1}, {2, 0}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nChar);
        EnsureGridLibrary();
        CWnd parent;
        CRect rect(0, 0, 400, 200);
        ::AdjustWindowRectEx(&rect, WS_POPUP | WS_VISIBLE, FALSE, 0);
        parent.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_WINDOW + 1)), _T("Gitter"),
                        WS_POPUP | WS_VISIBLE, CRect(20, 20, 20 + rect.Width(), 20 + rect.Height()), NULL, 0);
        DragGrid grid;
        grid.Create(WS_VISIBLE, CRect(0, 0, 400, 200), &parent, 100);
        ::SetForegroundWindow(parent.GetSafeHwnd());
        grid.OnGridInitialUpdate();
        grid.SetRowCount(5, GX_NOREDRAW);
        grid.SetColCount(3, GX_NOREDRAW);
        grid.SetColWidth(2, 2, 200, NULL, GX_NOREDRAW);
        grid.SetValueRange(CGXCellRange(2, 2), "hello world");
        grid.UpdateWindow();
        grid.ChangeCurrentCell(2, 2, 0x0A);
        grid.SetFocus();
        PumpMessages(50);
        Press(VK_F2);
        HWND hEdit = ::FindWindowExA(grid.GetSafeHwnd(), NULL, "GXEDIT", NULL);
        ASSERT_NE((HWND)NULL, hEdit);
        ASSERT_TRUE(::IsWindowVisible(hEdit));
        ::SendMessage(hEdit, EM_SETSEL, 6, 11);
        LRESULT lFrom = ::SendMessage(hEdit, EM_POSFROMCHAR, c.nChar, 0);
        LRESULT lTo = ::SendMessage(hEdit, EM_POSFROMCHAR, c.nChar + 1, 0);
        CPoint pt(((short)LOWORD(lFrom) + (short)LOWORD(lTo)) / 2, (short)HIWORD(lFrom) + 4);
        ::ClientToScreen(hEdit, &pt);
        MoveMouseTo(pt);
        SendLeftButton(true);
        SendLeftButton(false);
        PumpMessages(80);
        EXPECT_EQ(c.nCalls, grid.nCalls);
        if (c.nCalls != 0)
        {
            EXPECT_EQ(2u, grid.nRow);
            EXPECT_EQ(2u, grid.nCol);
            EXPECT_EQ(6u, grid.nSelStart);
            EXPECT_EQ(11u, grid.nSelEnd);
        }
        DWORD nStart = 0, nEnd = 0;
        ::SendMessage(hEdit, EM_GETSEL, (WPARAM)&nStart, (LPARAM)&nEnd);
        EXPECT_EQ(nStart, nEnd);
        EXPECT_LE((DWORD)c.nChar, nStart);
        EXPECT_GE((DWORD)c.nChar + 1, nStart);
        grid.DestroyWindow();
        parent.DestroyWindow();
    }
}
} // namespace
