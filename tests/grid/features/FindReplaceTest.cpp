// Find and replace: Ctrl+F and Ctrl+H of the frame open the dialogs, a typed text and Enter make
// the next cell holding it current, Replace All is one undo step and Esc in it asks Abort, Retry,
// Ignore; the search walks only the current cell's column; a closed grid leaves no dialog behind.
#include "EditFrame.h"
#include "FeatureTestApp.h"
#include "grid/core/FindReplaceSettings.h"
#include "grid/core/GridParam.h"
#include "grid/core/LongOperation.h"
#include "FindReplaceDialog.h"
#include "GridIds.h"
#include "TestSupport.h"
#include <dlgs.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
// Keeps the texts reported as not found; posts Esc when the cell (nEscRow, 1) is composed.
struct FindGrid : CGXGridWnd
{
    std::vector<std::string> notFound;
    ROWCOL nEscRow = 0;
    void OnTextNotFound(LPCTSTR pszText) override
    {
        notFound.push_back(pszText);
    }
    void ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle, BOOL bApplyStandard) override
    {
        if (nEscRow != 0 && nRow == nEscRow && nCol == 1)
        {
            ::PostMessage(m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
            nEscRow = 0;
        }
        CGXGridWnd::ComposeStyleRowCol(nRow, nCol, pStyle, bApplyStandard);
    }
};

struct FindGridWindow : GridWindowOf<FindGrid>
{
    FindGrid& g;
    explicit FindGridWindow(ROWCOL nRows = 8) : GridWindowOf(360, 240), g(*grid)
    {
        g.OnGridInitialUpdate();
        g.SetRowCount(nRows, GX_NOREDRAW);
        g.SetColCount(3, GX_NOREDRAW);
        g.GetParam()->ClearUndoList();
        CGXFindReplaceSettings* s = GXGetFindReplaceSettings();
        s->m_strFind.Empty();
        s->m_strReplace.Empty();
        s->m_bMatchCase = FALSE;
        s->m_bNext = TRUE;
        // No caret of an active cell to blink between two captures.
        parent.SetFocus();
    }
    void Set(ROWCOL nRow, ROWCOL nCol, const char* psz)
    {
        g.SetValueRange(CGXCellRange(nRow, nCol), psz, gxOverride, 0, GX_NOREDRAW);
    }
    std::string Value(ROWCOL nRow, ROWCOL nCol)
    {
        return (LPCTSTR)g.GetStoredValueText(nRow, nCol);
    }
    CGXAbstractGridFindReplaceImp& Imp()
    {
        return *g.m_pFindReplaceImp;
    }
    ROWCOL CurrentRow()
    {
        ROWCOL nRow = 0, nCol = 0;
        g.GetCurrentCell(nRow, nCol);
        return nRow;
    }
};

// The open dialog's window (NULL when none).
HWND DialogWnd()
{
    CFindReplaceDialog* pDlg = GXGetFindReplaceSettings()->m_pFindReplaceDlg;
    return pDlg != NULL ? pDlg->GetSafeHwnd() : NULL;
}

void Press(HWND hDlg, int nID)
{
    ::SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)::GetDlgItem(hDlg, nID));
}

// The process-wide long-operation settings a test changes come back at its end.
struct QuickLongOperations
{
    CGXLongOperationSettings* p = GXGetLongOperationSettings();
    DWORD dwFirst = p->m_dwTicksFirstTime, dwNext = p->m_dwTicksContinued;
    BOOL bConfirm = p->m_bConfirmAbort;
    QuickLongOperations()
    {
        p->m_dwTicksFirstTime = p->m_dwTicksContinued = 0;
        p->m_bConfirmAbort = TRUE;
    }
    ~QuickLongOperations()
    {
        p->m_dwTicksFirstTime = dwFirst;
        p->m_dwTicksContinued = dwNext;
        p->m_bConfirmAbort = bConfirm;
    }
};
} // namespace

TEST(GridFindReplace, CtrlFAndCtrlHOpenTheDialogsAndATypedTextFindsTheNextCellBelow)
{
    EditFrame f;
    CGXGridView& v = *f.pView;
    v.SetRowCount(8, GX_NOREDRAW);
    v.SetValueRange(CGXCellRange(2, 1), "banana"); // another column: not searched
    v.SetValueRange(CGXCellRange(1, 2), "BANANA oben");
    v.SetValueRange(CGXCellRange(4, 2), "gelbe BANANA");
    v.SetValueRange(CGXCellRange(6, 2), "Banana");
    v.SetCurrentCell(3, 2);
    GXGetFindReplaceSettings()->m_strFind.Empty();

    PressAccelerator('F');
    HWND hFind = DialogWnd();
    ASSERT_NE(nullptr, hFind);
    EXPECT_TRUE(GXGetFindReplaceSettings()->m_bFindOnly);
    EXPECT_EQ(&v, GXGetFindReplaceSettings()->m_pActiveGrid);
    EXPECT_EQ(nullptr, ::GetDlgItem(hFind, edt2)); // no replace field

    // Beside the frame: its caret must not blink into the captures of the grid.
    ::SetWindowPos(hFind, NULL, 500, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    // Where it stood the frame is drawn again (the X server keeps no pixels behind windows).
    f.pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ::SetForegroundWindow(hFind);
    ::SetFocus(::GetDlgItem(hFind, edt1));
    TypeText("banana");
    SendKeyState(VK_RETURN, true);
    SendKeyState(VK_RETURN, false);
    PumpAsTheApplication(200);
    ROWCOL nRow = 0, nCol = 0;
    ASSERT_TRUE(v.GetCurrentCell(nRow, nCol));
    EXPECT_EQ(4u, nRow);
    EXPECT_EQ(2u, nCol);
    EXPECT_TRUE(ShowsFreshPaint(&v));
    // Again: the next one below; the cell above is never reached (no wrapping).
    SendKeyState(VK_RETURN, true);
    SendKeyState(VK_RETURN, false);
    PumpAsTheApplication(200);
    ASSERT_TRUE(v.GetCurrentCell(nRow, nCol));
    EXPECT_EQ(6u, nRow);

    // Ctrl+H in the view: the find dialog gives way to the replace dialog.
    ::SetForegroundWindow(f.pFrame->GetSafeHwnd());
    v.SetFocus();
    PressAccelerator('H');
    HWND hReplace = DialogWnd();
    ASSERT_NE(nullptr, hReplace);
    EXPECT_FALSE(::IsWindow(hFind));
    EXPECT_FALSE(GXGetFindReplaceSettings()->m_bFindOnly);
    EXPECT_NE(nullptr, ::GetDlgItem(hReplace, edt2));
    Press(hReplace, IDCANCEL);
    PumpAsTheApplication(100);
    EXPECT_EQ(nullptr, GXGetFindReplaceSettings()->m_pFindReplaceDlg);
}

TEST(GridFindReplace, ReplaceAllFromTheDialogIsOneUndoStepInTheCurrentColumnFromTheCurrentRow)
{
    EditFrame f;
    CGXGridView& v = *f.pView;
    v.SetRowCount(6, GX_NOREDRAW);
    for (ROWCOL r = 1; r <= 6; r++)
        for (ROWCOL c = 1; c <= 2; c++)
            v.SetValueRange(CGXCellRange(r, c), "Banana", gxOverride, 0, GX_NOREDRAW);
    v.GetParam()->ClearUndoList();
    v.SetCurrentCell(3, 2);
    v.RedrawAll();

    v.ShowFindDialog(FALSE);
    HWND hDlg = DialogWnd();
    ASSERT_NE(nullptr, hDlg);
    ::SetDlgItemText(hDlg, edt1, "a");
    ::SetDlgItemText(hDlg, edt2, "b");
    Press(hDlg, psh2); // Replace All
    PumpAsTheApplication(100);
    auto values = [&] {
        std::string s;
        for (ROWCOL r = 1; r <= 6; r++)
            s += std::string((LPCTSTR)v.GetStoredValueText(r, 1)) + "," +
                 (LPCTSTR)v.GetStoredValueText(r, 2) + " ";
        return s;
    };
    // The upper-cased copy matches every A; the letters between keep their case.
    EXPECT_EQ("Banana,Banana Banana,Banana Banana,Bbnbnb Banana,Bbnbnb Banana,Bbnbnb Banana,Bbnbnb ",
              values());
    EXPECT_EQ(1, v.GetParam()->GetUndoList().GetCount());
    EXPECT_TRUE(ShowsFreshPaint(&v));
    Press(hDlg, IDCANCEL);
    PumpAsTheApplication(100);

    v.SetFocus();
    PressAccelerator('Z');
    EXPECT_EQ("Banana,Banana Banana,Banana Banana,Banana Banana,Banana Banana,Banana Banana,Banana ",
              values());
    EXPECT_TRUE(ShowsFreshPaint(&v));
}

TEST(GridFindReplace, SearchingTheColumnAndReplacingCells)
{
    FindGridWindow w;
    w.Set(2, 1, "Apfel");
    w.Set(3, 1, "BIRNE");
    w.Set(5, 1, "birne und apfel");
    w.Set(4, 2, "birne"); // another column
    w.g.SetCurrentCell(2, 1);
    struct Case
    {
        const char* text;
        BOOL bDown, bMatchCase;
        ROWCOL nStart;
        ROWCOL nFound; // 0: not found
    } cases[] = {
        {"birne", TRUE, FALSE, 2, 3},  {"birne", TRUE, TRUE, 2, 5}, {"APFEL", TRUE, FALSE, 2, 5},
        {"apfel", FALSE, FALSE, 5, 2}, {"apfel", TRUE, TRUE, 5, 0}, {"kirsche", TRUE, FALSE, 1, 0},
    };
    for (const Case& c : cases)
    {
        w.g.SetCurrentCell(c.nStart, 1);
        w.g.notFound.clear();
        BOOL bFound = w.Imp().FindNextText(&w.g, c.text, c.bDown, c.bMatchCase);
        EXPECT_EQ(c.nFound != 0, bFound) << c.text << " from " << c.nStart;
        EXPECT_EQ(c.nFound != 0 ? c.nFound : c.nStart, w.CurrentRow()) << c.text;
        EXPECT_EQ(c.nFound != 0 ? 0u : 1u, w.g.notFound.size()) << c.text;
    }

    // Replace finds first; with the found text selected it replaces it and finds the next one.
    w.g.SetCurrentCell(2, 1);
    w.g.notFound.clear();
    w.Imp().ReplaceNext(&w.g, "birne", TRUE, FALSE, "Pflaume");
    EXPECT_EQ(3u, w.CurrentRow());
    EXPECT_EQ("BIRNE", w.Value(3, 1));
    w.Imp().ReplaceNext(&w.g, "birne", TRUE, FALSE, "Pflaume");
    EXPECT_EQ(5u, w.CurrentRow());
    EXPECT_EQ("Pflaume", w.Value(3, 1));
    w.Imp().ReplaceNext(&w.g, "birne", TRUE, FALSE, "Pflaume");
    w.g.TransferCurrentCell();
    EXPECT_EQ("Pflaume und apfel", w.Value(5, 1));
    EXPECT_EQ(1u, w.g.notFound.size());
    w.g.DeactivateCurrentCell(TRUE);
    EXPECT_TRUE(ShowsFreshPaint(&w.g));

    // Static cells search and replace through the component's own cell operations.
    w.g.SetStyleRange(CGXCellRange().SetCols(3, 3), CGXStyle().SetControl(GX_IDS_CTRL_STATIC));
    w.Set(3, 3, "Banana");
    w.Set(6, 3, std::string(1500, 'a').c_str());
    w.g.SetCurrentCell(1, 3);
    EXPECT_TRUE(w.Imp().FindNextText(&w.g, "NAN", TRUE, FALSE));
    EXPECT_EQ(3u, w.CurrentRow());
    EXPECT_FALSE(w.Imp().FindNextText(&w.g, "NAN", TRUE, FALSE)); // the current cell itself does not count
    w.g.SetCurrentCell(1, 3);
    w.Imp().ReplaceAll(&w.g, "a", "b", FALSE);
    EXPECT_EQ("Bbnbnb", w.Value(3, 3));
    EXPECT_EQ(std::string(1500, 'b'), w.Value(6, 3));
    w.Imp().ReplaceAll(&w.g, "b", "cc", FALSE);
    EXPECT_EQ(std::string(3000, 'c'), w.Value(6, 3));

    // Replace All without the dialog, and a text far longer than 1,024 characters.
    w.Set(6, 2, std::string(1500, 'a').c_str());
    w.g.SetCurrentCell(1, 2);
    w.g.notFound.clear();
    GXGetFindReplaceSettings()->m_bTransaction = FALSE;
    w.Imp().ReplaceAll(&w.g, "a", "bb", FALSE);
    EXPECT_EQ(std::string(3000, 'b'), w.Value(6, 2));
    EXPECT_EQ("birne", w.Value(4, 2));
    EXPECT_TRUE(w.g.notFound.empty());
    w.Imp().ReplaceAll(&w.g, "kirsche", "x", FALSE);
    EXPECT_EQ(1u, w.g.notFound.size());
}

TEST(GridFindReplace, EscInAReplaceAllAsksAbortRetryIgnoreAndRetryTakesEverythingBack)
{
    struct Case
    {
        int nAnswer;
        bool bFirstReplaced;
        int nUndoSteps;
    } cases[] = {{IDRETRY, false, 0}, {IDABORT, true, 1}};
    for (const Case& c : cases)
    {
        FindGridWindow w(65535);
        for (ROWCOL r = 1; r <= 400; r++)
            w.Set(r, 1, "banana");
        w.g.GetParam()->ClearUndoList();
        w.g.SetCurrentCell(1, 1);
        QuickLongOperations quick;
        MessageBoxes boxes;
        boxes.Expect(c.nAnswer, "abbrechen?");
        w.g.nEscRow = 200;
        w.g.ShowFindDialog(FALSE);
        HWND hDlg = DialogWnd();
        ASSERT_NE(nullptr, hDlg);
        ::SetDlgItemText(hDlg, edt1, "banana");
        ::SetDlgItemText(hDlg, edt2, "kiwi");
        Press(hDlg, psh2);
        EXPECT_EQ(0u, boxes.Pending()) << c.nAnswer;
        ASSERT_EQ(1u, boxes.Shown().size());
        EXPECT_EQ((UINT)MB_ABORTRETRYIGNORE, boxes.Shown()[0].type & MB_TYPEMASK);
        EXPECT_EQ(c.bFirstReplaced ? "kiwi" : "banana", w.Value(1, 1)) << c.nAnswer;
        EXPECT_EQ("banana", w.Value(400, 1));
        EXPECT_EQ(c.nUndoSteps, (int)w.g.GetParam()->GetUndoList().GetCount());
        EXPECT_EQ(0, w.g.GetParam()->m_nTransactionLevel);
        EXPECT_TRUE(w.g.notFound.empty());
        Press(hDlg, IDCANCEL);
    }
    // Outside a transaction an abort ends the replacing with a user exception.
    FindGridWindow w(1000);
    for (ROWCOL r = 1; r <= 400; r++)
        w.Set(r, 1, "banana");
    w.g.SetCurrentCell(1, 1);
    QuickLongOperations quick;
    MessageBoxes boxes;
    boxes.Expect(IDABORT, "abbrechen?");
    w.g.nEscRow = 100;
    bool bThrown = false;
    try
    {
        w.Imp().ReplaceAll(&w.g, "banana", "kiwi", FALSE);
    }
    catch (CUserException* e)
    {
        bThrown = true;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
    EXPECT_EQ("kiwi", w.Value(1, 1));
    EXPECT_EQ("banana", w.Value(400, 1));
}

TEST(GridFindReplace, AClosedGridLeavesNoDialogBehind)
{
    {
        FindGridWindow w;
        w.g.ShowFindDialog(TRUE);
        ASSERT_NE(nullptr, DialogWnd());
        w.g.DestroyWindow(); // the dialog goes with its owner
        EXPECT_EQ(nullptr, GXGetFindReplaceSettings()->m_pFindReplaceDlg);
        EXPECT_EQ(nullptr, GXGetFindReplaceSettings()->m_pActiveGrid);
    }
    EditFrame f;
    PressAccelerator('F');
    HWND hDlg = DialogWnd();
    ASSERT_NE(nullptr, hDlg);
    EXPECT_TRUE(::IsWindowVisible(hDlg));
    EXPECT_EQ(f.pView, GXGetFindReplaceSettings()->m_pActiveGrid);
    Press(hDlg, IDCANCEL);
    PumpAsTheApplication(100);
}

namespace
{
// Counts the beeps of the program while it lives: the program's import of MessageBeep is bent to
// a counter (the sound itself cannot be heard by a test).
struct BeepCounter
{
    static int& Count()
    {
        static int n = 0;
        return n;
    }
    static BOOL WINAPI Beep(UINT)
    {
        Count()++;
        return TRUE;
    }
    UINT_PTR* pSlot = NULL;
    UINT_PTR nOld = 0;
    BeepCounter()
    {
        Count() = 0;
        BYTE* pBase = (BYTE*)::GetModuleHandle(NULL);
        IMAGE_NT_HEADERS* pNt = (IMAGE_NT_HEADERS*)(pBase + ((IMAGE_DOS_HEADER*)pBase)->e_lfanew);
        IMAGE_DATA_DIRECTORY& dir = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        // Code addresses as numbers: the import slots hold them.
        UINT_PTR nTarget = (UINT_PTR)::GetProcAddress(::GetModuleHandleA("user32.dll"), "MessageBeep");
        for (IMAGE_IMPORT_DESCRIPTOR* pDesc = (IMAGE_IMPORT_DESCRIPTOR*)(pBase + dir.VirtualAddress);
             pDesc->Name != 0 && pSlot == NULL; pDesc++)
            for (UINT_PTR* p = (UINT_PTR*)(pBase + pDesc->FirstThunk); *p != 0; p++)
                if (*p == nTarget)
                    pSlot = p;
        if (pSlot == NULL)
            return;
        DWORD dwOld;
        ::VirtualProtect(pSlot, sizeof(UINT_PTR), PAGE_READWRITE, &dwOld);
        nOld = *pSlot;
        *pSlot = (UINT_PTR)&Beep;
    }
    ~BeepCounter()
    {
        if (pSlot != NULL)
            *pSlot = nOld;
    }
};
} // namespace

// A text that is nowhere to be found makes the grid beep, once per search.
TEST(GridFindReplace, ATextNotFoundBeeps)
{
    GridWindow w(300, 200);
    CGXGridCore& g = *w.grid;
    g.SetRowCount(4, GX_NOREDRAW);
    g.SetColCount(2, GX_NOREDRAW);
    g.SetValueRange(CGXCellRange(3, 1), "da");
    g.SetCurrentCell(1, 1);
    BeepCounter beeps;
    ASSERT_NE(nullptr, beeps.pSlot);
    g.m_pFindReplaceImp->FindNextText(&g, "nirgends", TRUE, FALSE);
    EXPECT_EQ(1, BeepCounter::Count());
    g.m_pFindReplaceImp->FindNextText(&g, "da", TRUE, FALSE);
    EXPECT_EQ(1, BeepCounter::Count());
    ROWCOL nRow = 0, nCol = 0;
    ASSERT_TRUE(g.GetCurrentCell(nRow, nCol));
    EXPECT_EQ(3u, nRow);
}
