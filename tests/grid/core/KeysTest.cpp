// The current cell under the keyboard: the key table against real key input, skipping of
// disabled and hidden cells, the navigation message and a refused leave with its warning.
#include "GridTestApp.h"
#include "TestSupport.h"
#include "grid/core/Control.h"
#include "grid/core/GridParam.h"
#include "grid/core/Style.h"
#include "Dialog.h"
#include "GridIds.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
// 20 rows x 6 columns; row 4 hidden, cell (2,3) and column 6 disabled.
struct KeyGrid : GridWindow
{
    CGXGridCore& g;
    KeyGrid() : GridWindow(300, 200), g(*grid)
    {
        g.OnGridInitialUpdate();
        g.SetRowCount(20, GX_NOREDRAW);
        g.SetColCount(6, GX_NOREDRAW);
        g.SetRowHeight(4, 4, 0, NULL, GX_NOREDRAW);
        CGXStyle disabled;
        disabled.SetEnabled(FALSE);
        g.SetStyleRange(CGXCellRange(2, 3, 2, 3), &disabled, gxOverride, 0, NULL, GX_NOREDRAW);
        g.SetStyleRange(CGXCellRange(1, 6, 20, 6), &disabled, gxOverride, 0, NULL, GX_NOREDRAW);
        grid->SetFocus();
        grid->UpdateWindow();
    }
};

// Presses a key with the modifiers held, through the system's input queue.
void Press(WORD vk, bool bCtrl, bool bShift)
{
    std::vector<INPUT> in;
    auto add = [&](WORD k, bool bUp) {
        INPUT i = {};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = k;
        i.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
        in.push_back(i);
    };
    if (bCtrl)
        add(VK_CONTROL, false);
    if (bShift)
        add(VK_SHIFT, false);
    add(vk, false);
    add(vk, true);
    if (bShift)
        add(VK_SHIFT, true);
    if (bCtrl)
        add(VK_CONTROL, true);
    ::SendInput((UINT)in.size(), in.data(), sizeof(INPUT));
    PumpMessages(150);
}

struct KeyCase
{
    const char* name;
    WORD vk;
    bool bCtrl, bShift;
    ROWCOL startRow, startCol, row, col;
    WORD wEnterAction;
    int topRow; // -1: not checked
};

const KeyCase s_cases[] = {
    {"Down", VK_DOWN, false, false, 1, 1, 2, 1, 4, 1},
    {"Down over a hidden row", VK_DOWN, false, false, 3, 1, 5, 1, 4, -1},
    {"Up over a hidden row", VK_UP, false, false, 5, 2, 3, 2, 4, -1},
    {"Right over a disabled cell", VK_RIGHT, false, false, 2, 2, 2, 4, 4, -1},
    {"Right before a disabled column", VK_RIGHT, false, false, 1, 5, 1, 5, 4, -1},
    {"Down in the last row", VK_DOWN, false, false, 20, 1, 20, 1, 4, -1},
    {"Up in the first row", VK_UP, false, false, 1, 1, 1, 1, 4, 1},
    {"Left in the first column", VK_LEFT, false, false, 1, 1, 1, 1, 4, -1},
    {"Ctrl+Down", VK_DOWN, true, false, 1, 1, 20, 1, 4, -1},
    {"Ctrl+Up", VK_UP, true, false, 12, 2, 1, 2, 4, 1},
    {"Ctrl+Right", VK_RIGHT, true, false, 1, 1, 1, 5, 4, -1},
    {"Ctrl+Left", VK_LEFT, true, false, 3, 5, 3, 1, 4, -1},
    {"Ctrl+Home", VK_HOME, true, false, 10, 3, 1, 1, 4, 1},
    {"Ctrl+End", VK_END, true, false, 1, 1, 20, 5, 4, -1},
    {"Home is left to the control", VK_HOME, false, false, 3, 3, 3, 3, 4, -1},
    {"Tab", VK_TAB, false, false, 1, 1, 1, 2, 4, -1},
    {"Shift+Tab", VK_TAB, false, true, 1, 2, 1, 1, 4, -1},
    {"Enter with action 4", VK_RETURN, false, false, 1, 1, 1, 2, 4, -1},
    {"Enter with action 3", VK_RETURN, false, false, 1, 1, 2, 1, 3, -1},
    {"Enter with action 0", VK_RETURN, false, false, 1, 1, 1, 1, 0, -1},
};

TEST(GridKeys, KeyTableMovesTheCurrentCell)
{
    KeyGrid w;
    for (const KeyCase& c : s_cases)
    {
        SCOPED_TRACE(c.name);
        w.g.SetTopRow(1, GX_UPDATENOW);
        w.g.GetParam()->m_wEnterKeyAction = c.wEnterAction;
        ASSERT_TRUE(w.g.ChangeCurrentCell(c.startRow, c.startCol, 0x0A));
        w.grid->SetFocus();
        PumpMessages(50);
        Press(c.vk, c.bCtrl, c.bShift);
        ROWCOL nRow = 0, nCol = 0;
        EXPECT_TRUE(w.g.GetCurrentCell(nRow, nCol));
        EXPECT_EQ(c.row, nRow);
        EXPECT_EQ(c.col, nCol);
        if (c.topRow >= 0)
        {
            EXPECT_EQ((ROWCOL)c.topRow, w.g.GetTopRow());
        }
    }
}

TEST(GridKeys, RightInTheLastColumnStays)
{
    KeyGrid w;
    w.g.SetColCount(5, GX_UPDATENOW); // without the disabled column, column 5 is the last
    ASSERT_TRUE(w.g.ChangeCurrentCell(3, 5, 0x0A));
    w.grid->SetFocus();
    PumpMessages(50);
    Press(VK_RIGHT, false, false);
    ROWCOL nRow = 0, nCol = 0;
    EXPECT_TRUE(w.g.GetCurrentCell(nRow, nCol));
    EXPECT_EQ(3u, nRow);
    EXPECT_EQ(5u, nCol);
}

TEST(GridKeys, PagesScrollAndCarryTheCurrentCell)
{
    KeyGrid w;
    w.g.SetRowCount(200, GX_UPDATENOW);
    w.g.SetRowHeight(4, 4, w.g.GetRowHeight(3), NULL, GX_UPDATENOW);
    w.g.SetTopRow(1, GX_UPDATENOW);
    ASSERT_TRUE(w.g.ChangeCurrentCell(2, 1, 0x0A));
    w.grid->SetFocus();
    ROWCOL nBottom = w.g.GetBottomVisibleRow();
    Press(VK_NEXT, false, false);
    ROWCOL nTop = w.g.GetTopRow();
    EXPECT_EQ(nBottom, nTop);
    ROWCOL nRow, nCol;
    w.g.GetCurrentCell(nRow, nCol);
    EXPECT_EQ(2 + (nTop - 1), nRow);
    Press(VK_PRIOR, false, false);
    EXPECT_EQ(1u, w.g.GetTopRow());
    w.g.GetCurrentCell(nRow, nCol);
    EXPECT_EQ(2u, nRow);
    // Ctrl+End scrolls the last row into view.
    Press(VK_END, true, false);
    EXPECT_GT(w.g.GetTopRow(), 150u);
}

TEST(GridKeys, NavigationMessage)
{
    KeyGrid w;
    ASSERT_TRUE(w.g.ChangeCurrentCell(7, 2, 0x0A));
    struct
    {
        WPARAM code;
        LPARAM index;
        ROWCOL row, col;
    } cases[] = {{1, 0, 6, 2}, {2, 0, 7, 2},    {3, 0, 20, 2}, {0, 0, 1, 2},
                 {4, 9, 9, 1}, {4, 500, 20, 1}, {9, 0, 20, 1}};
    for (auto& c : cases)
    {
        w.grid->SendMessage(0x7A3, c.code, c.index);
        ROWCOL nRow, nCol;
        ASSERT_TRUE(w.g.GetCurrentCell(nRow, nCol));
        EXPECT_EQ(c.row, nRow) << c.code;
        EXPECT_EQ(c.col, nCol) << c.code;
    }
}

// A control that pretends to hold typed text, for the leave rules.
class TypedControl : public CGXControl
{
  public:
    using CGXControl::CGXControl;
    CString m_strText;
    BOOL m_bActive = FALSE, m_bModified = FALSE;
    int m_nStored = 0;
    BOOL IsActive() override
    {
        return m_bActive;
    }
    void SetActive(BOOL b) override
    {
        m_bActive = b;
    }
    BOOL GetModify() override
    {
        return m_bModified;
    }
    void SetModify(BOOL b) override
    {
        m_bModified = b;
    }
    BOOL GetCurrentText(CString& str) override
    {
        str = m_strText;
        return TRUE;
    }
    BOOL Store() override
    {
        m_nStored++;
        m_pGrid->SetValueRange(CGXCellRange(m_nRow, m_nCol, m_nRow, m_nCol), m_strText);
        m_bModified = FALSE;
        return TRUE;
    }
};

TEST(GridKeys, RefusedLeaveShowsTheWarningOnce)
{
    KeyGrid w;
    auto* pControl = new TypedControl(&w.g);
    w.g.RegisterControl(900, pControl, FALSE, FALSE);
    CGXStyle style;
    style.SetControl(900);
    style.SetUserAttributeText(GX_IDS_UA_VALID_MIN, _T("10"));
    style.SetUserAttributeText(GX_IDS_UA_VALID_MAX, _T("20"));
    style.SetUserAttributeText(GX_IDS_UA_VALID_MSG, _T("Zwischen 10 und 20"));
    w.g.SetStyleRange(CGXCellRange(1, 1, 20, 5), &style, gxOverride, 0, NULL, GX_NOREDRAW);
    ASSERT_TRUE(w.g.ChangeCurrentCell(3, 3, 0x0A));

    struct
    {
        const TCHAR* text;
        bool bAccepted;
    } cases[] = {
        {_T("9.99"), false}, {_T("20.5"), false}, {_T("10"), true}, {_T("20"), true}, {_T(""), true}};
    for (auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        ASSERT_TRUE(w.g.ChangeCurrentCell(3, 3, 0x0A));
        pControl->m_bActive = pControl->m_bModified = TRUE;
        pControl->m_strText = c.text;
        int nStored = pControl->m_nStored;
        MessageBoxes boxes;
        if (!c.bAccepted)
            boxes.Expect(IDOK, "Zwischen 10 und 20");
        w.grid->SetFocus();
        Press(VK_DOWN, false, false);
        EXPECT_EQ(0u, boxes.Pending());
        ROWCOL nRow, nCol;
        w.g.GetCurrentCell(nRow, nCol);
        EXPECT_EQ(c.bAccepted ? 5u : 3u, nRow); // row 4 is hidden
        EXPECT_EQ(c.bAccepted ? 1 : 0, pControl->m_nStored - nStored);
        if (c.bAccepted)
        {
            EXPECT_EQ(CString(c.text), w.g.GetStoredValueText(3, 3));
        }
        pControl->m_bActive = pControl->m_bModified = FALSE;
    }
}
} // namespace

TEST(GridKeys, DialogGridFromWindowStyleTakesTabAndArrows)
{
    EnsureGridLibrary();
    CDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_GRIDDLG2, NULL));
    CGXGridWnd* pGrid = (CGXGridWnd*)CWnd::FromHandle(dlg.GetDlgItem(IDC_TEST_GRID)->GetSafeHwnd());
    ASSERT_TRUE(pGrid->IsKindOf(RUNTIME_CLASS(CGXGridWnd)));
    pGrid->InitFromWindowStyle();
    EXPECT_EQ(10u, pGrid->GetScrollBarMode(SB_VERT));
    EXPECT_EQ(0u, pGrid->GetScrollBarMode(SB_HORZ));
    pGrid->SetRowCount(10);
    pGrid->SetColCount(4);
    pGrid->ChangeCurrentCell(1, 1, 0x0A);
    pGrid->SetFocus();
    // A modeless dialog's loop: the dialog manager sees every message first.
    auto pump = [&](WORD vk) {
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wVk = in[1].ki.wVk = vk;
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, in, sizeof(INPUT));
        DWORD start = ::GetTickCount();
        while (::GetTickCount() - start < 200)
        {
            MSG msg;
            while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
                if (!::IsDialogMessageA(dlg.GetSafeHwnd(), &msg))
                {
                    ::TranslateMessage(&msg);
                    ::DispatchMessageA(&msg);
                }
            ::Sleep(10);
        }
    };
    pump(VK_TAB);
    pump(VK_DOWN);
    ROWCOL nRow = 0, nCol = 0;
    pGrid->GetCurrentCell(nRow, nCol);
    EXPECT_EQ(2u, nRow);
    EXPECT_EQ(2u, nCol);
    EXPECT_EQ(pGrid->GetSafeHwnd(), ::GetFocus());
    dlg.DestroyWindow();
}
