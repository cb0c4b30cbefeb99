// The record browser over the grid's own data object: records buffered in edit and append
// mode and written back by Update, the append row, deleting records, the record commands and
// the self-deleting windows.
#include "GridTestApp.h"
#include "TestSupport.h"
#include "grid/core/BrowseGridArrowRowHeader.h"
#include "grid/core/BrowserWnd.h"
#include "grid/core/Properties.h"
#include "grid/core/Data.h"
#include "grid/core/FindReplaceSettings.h"
#include "grid/features/SortInfoArray.h"
#include "GridIds.h"
#include "FrameworkIds.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
int s_nDeleted = 0;

// Records every field written, then writes it as the browser does.
class TestBrowser : public CGXBrowserWnd
{
  public:
    ~TestBrowser() override
    {
        s_nDeleted++;
    }
    void StoreCellValue(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText) override
    {
        writes.push_back(std::to_string(nRow) + "," + std::to_string(nCol) + "=" + pszText);
        CGXBrowserWnd::StoreCellValue(nRow, nCol, pszText);
    }
    // With bRefuse set, writing a record fails with an error text.
    BOOL StoreRecordFields(ROWCOL nRow, CString* pstrError) override
    {
        if (!bRefuse)
            return CGXBrowserWnd::StoreRecordFields(nRow, pstrError);
        if (pstrError != NULL)
            *pstrError = "Datensatz gesperrt";
        return FALSE;
    }
    std::vector<std::string> writes;
    BOOL bRefuse = FALSE;
};

// Three records of three fields, "r<row>c<col>".
struct BrowserWindow
{
    CWnd parent;
    // The library (and its component factory) must be there before the grid is made.
    TestBrowser* g = (EnsureGridLibrary(), new TestBrowser);
    BrowserWindow()
    {
        parent.CreateEx(0, AfxRegisterWndClass(0), _T("Browser"), WS_POPUP | WS_VISIBLE,
                        CRect(20, 20, 420, 270), NULL, 0);
        g->Create(WS_VISIBLE, CRect(0, 0, 400, 250), &parent, 100);
        CGXBrowserWnd::RegisterSelfDeleting(g);
        g->OnGridInitialUpdate();
        CGXData* pData = g->GetParam()->GetData();
        for (ROWCOL r = 1; r <= 3; r++)
            for (ROWCOL c = 1; c <= 3; c++)
                pData->StoreValueRowCol(r, c, ("r" + std::to_string(r) + "c" + std::to_string(c)).c_str(),
                                        gxOverride, 0);
        g->GetParam()->m_wEnterKeyAction = 3;
        g->UpdateScrollbars();
        g->RedrawAll();
        g->ChangeCurrentCell(1, 1, 0x0A);
    }
    ~BrowserWindow()
    {
        parent.DestroyWindow();
    }
    CString Data(ROWCOL nRow, ROWCOL nCol)
    {
        CGXStyle style;
        g->GetParam()->GetData()->GetStyleRowCol(nRow, nCol, style, gxCopy, 0);
        return style.GetValue();
    }
};

void Type(const char* psz)
{
    for (; *psz; psz++)
    {
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wVk = in[1].ki.wVk = (WORD)toupper(*psz);
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, in, sizeof(INPUT));
    }
    PumpMessages(200);
}

void Press(WORD vk)
{
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = vk;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, in, sizeof(INPUT));
    PumpMessages(150);
}
} // namespace

TEST(GridBrowser, UpdateOutsideAModeFails)
{
    BrowserWindow w;
    CString strError;
    EXPECT_FALSE(w.g->Update(&strError));
    EXPECT_STREQ("Error: must enter Edit or AddNew mode before updating.", strError);
    EXPECT_TRUE(w.g->writes.empty());
}

TEST(GridBrowser, UpdateWritesOnlyChangedFields)
{
    BrowserWindow w;
    EXPECT_EQ(4u, w.g->GetRowCount()); // three records and the append row
    ASSERT_TRUE(w.g->SetValueRange(CGXCellRange(2, 2), "neu"));
    EXPECT_EQ(CGXBrowseParam::modeEdit, w.g->GetEditMode());
    EXPECT_STREQ("r2c2", w.Data(2, 2)); // buffered, not written yet
    EXPECT_STREQ("neu", w.g->GetStoredValueText(2, 2));
    ASSERT_TRUE(w.g->Update());
    EXPECT_EQ(std::vector<std::string>{"2,2=neu"}, w.g->writes);
    EXPECT_STREQ("neu", w.Data(2, 2));
    EXPECT_EQ(CGXBrowseParam::modeNone, w.g->GetEditMode());
}

TEST(GridBrowser, TypingInTheAppendRowAddsARecord)
{
    BrowserWindow w;
    w.g->ChangeCurrentCell(4, 1, 0x0A);
    w.g->SetFocus();
    PumpMessages(50);
    Type("abc");
    EXPECT_EQ(CGXBrowseParam::modeAppend, w.g->GetEditMode());
    EXPECT_EQ(5u, w.g->GetRowCount()); // the record being added and a new append row
    Press(VK_RETURN);
    EXPECT_EQ(CGXBrowseParam::modeNone, w.g->GetEditMode());
    EXPECT_EQ(std::vector<std::string>{"4,1=abc"}, w.g->writes);
    EXPECT_STREQ("abc", w.Data(4, 1));
    EXPECT_EQ(4, w.g->GetRecordCount());
    EXPECT_EQ(5u, w.g->GetRowCount());
}

TEST(GridBrowser, CancelRecordTakesTheAppendRowAway)
{
    BrowserWindow w;
    EXPECT_EQ(4u, w.g->AddNew());
    EXPECT_EQ(5u, w.g->GetRowCount());
    w.g->CancelRecord();
    EXPECT_EQ(CGXBrowseParam::modeNone, w.g->GetEditMode());
    EXPECT_EQ(4u, w.g->GetRowCount());
    EXPECT_TRUE(w.g->writes.empty());
}

TEST(GridBrowser, DeletingSelectedRecords)
{
    BrowserWindow w;
    CGXCellRange rows;
    rows.SetRows(2, 2);
    w.g->GetParam()->m_SelectedRanges.AddTail(new CGXCellRange(rows));
    ASSERT_TRUE(w.g->DeleteSelectedRecords());
    EXPECT_EQ(2, w.g->GetRecordCount());
    EXPECT_STREQ("r3c1", w.Data(2, 1));
}

TEST(GridBrowser, RecordCommandsAndTheirState)
{
    BrowserWindow w;
    CTestCmdUI ui;
    ui.m_nID = ID_RECORD_PREV;
    ui.DoUpdate(w.g, FALSE);
    EXPECT_FALSE(ui.m_bEnabled);
    w.g->SendMessage(WM_COMMAND, ID_RECORD_NEXT);
    ROWCOL nRow, nCol;
    w.g->GetCurrentCell(nRow, nCol);
    EXPECT_EQ(2u, nRow);
    CTestCmdUI ui2;
    ui2.m_nID = ID_RECORD_PREV;
    ui2.DoUpdate(w.g, FALSE);
    EXPECT_TRUE(ui2.m_bEnabled);
}

TEST(GridBrowser, OnlyRegisteredWindowsDeleteThemselves)
{
    EnsureGridLibrary();
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), _T("B"), WS_POPUP, CRect(0, 0, 100, 100), NULL, 0);
    TestBrowser* pRegistered = new TestBrowser;
    TestBrowser* pOwned = new TestBrowser;
    pRegistered->Create(0, CRect(0, 0, 50, 50), &parent, 1);
    pOwned->Create(0, CRect(0, 0, 50, 50), &parent, 2);
    CGXBrowserWnd::RegisterSelfDeleting(pRegistered);
    s_nDeleted = 0;
    parent.DestroyWindow();
    EXPECT_EQ(1, s_nDeleted);
    EXPECT_EQ(NULL, pOwned->GetSafeHwnd());
    delete pOwned;
    EXPECT_EQ(2, s_nDeleted);
}

namespace
{
// Which of the three row marks the screen shows centred in a header cell (0: none of them).
UINT MarkShown(CGXBrowserWnd* pGrid, ROWCOL nRow)
{
    pGrid->UpdateWindow();
    Pixels px = CaptureClient(pGrid);
    CRect cell = pGrid->CalcCellRect(nRow, 0);
    for (UINT nID : {GX_IDB_BROWSE_EDIT, GX_IDB_BROWSE_APPEND, GX_IDB_BROWSE_CURRENT})
    {
        CBitmap bitmap;
        if (!bitmap.LoadBitmap(nID))
            continue;
        BITMAP bm;
        bitmap.GetObject(sizeof(bm), &bm);
        CClientDC dcScreen(NULL);
        CDC dc;
        dc.CreateCompatibleDC(&dcScreen);
        CBitmap* pOld = dc.SelectObject(&bitmap);
        Pixels mark = CaptureDC(&dc, CRect(0, 0, bm.bmWidth, bm.bmHeight));
        dc.SelectObject(pOld);
        int x0 = cell.left + (cell.Width() - bm.bmWidth) / 2,
            y0 = cell.top + (cell.Height() - bm.bmHeight) / 2;
        bool bAll = true;
        for (int y = 0; y < bm.bmHeight && bAll; y++)
            for (int x = 0; x < bm.bmWidth && bAll; x++)
                if (mark.At(x, y) != 0xC0C0C0)
                    bAll = px.At(x0 + x, y0 + y) == mark.At(x, y);
        if (bAll)
            return nID;
    }
    return 0;
}
} // namespace

// The row header marks the current record with an arrow, the record being edited with a pencil
// and the append row with a star.
TEST(GridBrowser, TheRowHeaderMarksCurrentEditedAndAppendRows)
{
    BrowserWindow w;
    w.g->ChangeCurrentCell(2, 1, 0x0A);
    struct Expect
    {
        ROWCOL nRow;
        UINT nMark;
    };
    auto check = [&](const char* pszStep, std::initializer_list<Expect> expects) {
        SCOPED_TRACE(pszStep);
        for (const Expect& e : expects)
            EXPECT_EQ(e.nMark, MarkShown(w.g, e.nRow)) << "row " << e.nRow;
    };
    check("browsing", {{1, 0u}, {2, GX_IDB_BROWSE_CURRENT}, {3, 0u}, {4, GX_IDB_BROWSE_APPEND}});
    ASSERT_TRUE(w.g->SetValueRange(CGXCellRange(2, 2), "neu"));
    check("editing", {{2, GX_IDB_BROWSE_EDIT}, {4, GX_IDB_BROWSE_APPEND}});
    ASSERT_TRUE(w.g->Update());
    check("written", {{2, GX_IDB_BROWSE_CURRENT}});
    w.g->ChangeCurrentCell(3, 1, 0x0A);
    check("moved on", {{2, 0u}, {3, GX_IDB_BROWSE_CURRENT}});
    ASSERT_EQ(4u, w.g->AddNew());
    check("appending", {{3, 0u}, {4, GX_IDB_BROWSE_EDIT}, {5, GX_IDB_BROWSE_APPEND}});
}

// The arrow row header is raised like any header, and flat while the grid draws no 3-D headers.
TEST(GridBrowser, TheArrowRowHeaderFollowsThe3dHeaderProperty)
{
    BrowserWindow w;
    CRect cell = w.g->CalcCellRect(3, 0);
    struct
    {
        BOOL b3d;
        bool bRaised;
    } cases[] = {{TRUE, true}, {FALSE, false}};
    for (const auto& c : cases)
    {
        w.g->GetParam()->GetProperties()->m_abFlags[CGXProperties::flag3dHeader] = c.b3d;
        w.g->RedrawAll(GX_UPDATENOW, FALSE);
        Pixels px = CaptureClient(w.g);
        DWORD dwShadow = px.At(cell.right - 1, cell.top + cell.Height() / 2);
        EXPECT_EQ(c.bRaised, dwShadow == ToRGB(::GetSysColor(COLOR_BTNSHADOW))) << c.b3d;
        EXPECT_EQ(c.bRaised, dwShadow != ToRGB(::GetSysColor(COLOR_BTNFACE))) << c.b3d;
    }
}

// Moving rows and columns changes only what the screen positions show: the data stays, a moved
// column keeps its field and a record edited after a move is written to its own place.
TEST(GridBrowser, AMovedColumnKeepsItsField)
{
    BrowserWindow w;
    int nField3 = w.g->GetFieldFromCol(3);
    ASSERT_TRUE(w.g->MoveCols(3, 3, 2));
    EXPECT_EQ(nField3, w.g->GetFieldFromCol(2));
    EXPECT_EQ(nField3 - 1, w.g->GetFieldFromCol(3));
    EXPECT_STREQ("r1c3", w.g->GetStoredValueText(1, 2));
    EXPECT_STREQ("r1c2", w.g->GetStoredValueText(1, 3));
    EXPECT_STREQ("r1c2", w.Data(1, 2)); // the data did not move

    ASSERT_TRUE(w.g->MoveRows(3, 3, 1));
    EXPECT_STREQ("r3c1", w.g->GetStoredValueText(1, 1));
    EXPECT_STREQ("r1c1", w.g->GetStoredValueText(2, 1));

    // The field shown at (1, 2) is field 3 of record 3.
    ASSERT_TRUE(w.g->SetValueRange(CGXCellRange(1, 2), "neu"));
    ASSERT_TRUE(w.g->Update());
    EXPECT_STREQ("neu", w.Data(3, 3));
    EXPECT_STREQ("r1c3", w.Data(1, 3));
    EXPECT_STREQ("neu", w.g->GetStoredValueText(1, 2));

    // Removing a moved row takes its own record away.
    ASSERT_TRUE(w.g->RemoveRows(1, 1));
    EXPECT_EQ(2, w.g->GetRecordCount());
    EXPECT_STREQ("r1c1", w.g->GetStoredValueText(1, 1));
    EXPECT_STREQ("r2c1", w.g->GetStoredValueText(2, 1));
}

// A plain grid has nothing that moves rows or columns.
TEST(GridBrowser, APlainGridRefusesToMoveColumns)
{
    GridWindow w(200, 100);
    w.grid->m_pMoveRowsColsImp = NULL; // a plain grid: no moving component
    w.grid->OnGridInitialUpdate();
    w.grid->SetRowCount(3, GX_NOREDRAW);
    w.grid->SetColCount(3, GX_NOREDRAW);
    w.grid->SetValueRange(CGXCellRange(1, 3), "c");
    EXPECT_FALSE(w.grid->MoveCols(3, 3, 1));
    EXPECT_STREQ("c", w.grid->GetStoredValueText(1, 3));
}

// Sorting puts the records in a new order on the screen through the row map; the records keep
// their places in the data and edits still reach the right record.
TEST(GridBrowser, SortingReordersTheScreenNotTheData)
{
    BrowserWindow w;
    CDWordArray order; // position i shows what position order[i] showed
    order.Add(2);
    order.Add(0);
    order.Add(1);
    ASSERT_TRUE(w.g->ReorderDataRows(CGXCellRange(1, 1, 3, 3), order));
    EXPECT_STREQ("r3c1", w.g->GetStoredValueText(1, 1));
    EXPECT_STREQ("r1c1", w.g->GetStoredValueText(2, 1));
    EXPECT_STREQ("r2c1", w.g->GetStoredValueText(3, 1));
    EXPECT_STREQ("r1c1", w.Data(1, 1));
    // A second sort starts from what the screen shows.
    ASSERT_TRUE(w.g->ReorderDataRows(CGXCellRange(1, 1, 3, 3), order));
    EXPECT_STREQ("r2c1", w.g->GetStoredValueText(1, 1));
    EXPECT_STREQ("r3c1", w.g->GetStoredValueText(2, 1));
    ASSERT_TRUE(w.g->SetValueRange(CGXCellRange(1, 1), "neu"));
    ASSERT_TRUE(w.g->Update());
    EXPECT_STREQ("neu", w.Data(2, 1));

    // Columns likewise, through the column map.
    CDWordArray cols;
    cols.Add(1);
    cols.Add(0);
    ASSERT_TRUE(w.g->ReorderDataCols(CGXCellRange(1, 1, 3, 2), cols));
    EXPECT_STREQ("r3c2", w.g->GetStoredValueText(2, 1));
    EXPECT_STREQ("r3c1", w.g->GetStoredValueText(2, 2));
}

// Changes typed into a record are dropped with Esc while undo recording is off: nothing is written
// and the record shows its stored values again.
TEST(GridBrowser, EscapeDropsTheRecordsChanges)
{
    BrowserWindow w;
    w.g->GetParam()->SetUndoEnabled(FALSE);
    w.g->ChangeCurrentCell(2, 1, 0x0A);
    w.g->SetFocus();
    PumpMessages(50);
    Type("xy");
    Press(VK_TAB); // stores the field into the record and moves to the next one
    EXPECT_EQ(CGXBrowseParam::modeEdit, w.g->GetEditMode());
    EXPECT_STREQ("xy", w.g->GetStoredValueText(2, 1));
    ROWCOL nRow, nCol;
    ASSERT_TRUE(w.g->GetCurrentCell(nRow, nCol));
    EXPECT_EQ(2u, nRow);
    EXPECT_EQ(2u, nCol);
    Type("z");
    Press(VK_ESCAPE);
    EXPECT_EQ(CGXBrowseParam::modeNone, w.g->GetEditMode());
    EXPECT_STREQ("r2c1", w.g->GetStoredValueText(2, 1));
    EXPECT_STREQ("r2c2", w.g->GetStoredValueText(2, 2));
    EXPECT_TRUE(w.g->writes.empty());
    EXPECT_STREQ("r2c1", w.Data(2, 1));
}

// With undo recording on, Esc is the grid's undo: the first drops the text still being typed, the
// next takes the stored field back; the record stays in edit mode and nothing is written.
TEST(GridBrowser, EscapeUndoesStepByStepWhileRecording)
{
    BrowserWindow w;
    ASSERT_TRUE(w.g->GetParam()->IsUndoEnabled());
    w.g->ChangeCurrentCell(2, 1, 0x0A);
    w.g->SetFocus();
    PumpMessages(50);
    Type("xy");
    Press(VK_TAB);
    EXPECT_EQ(1, w.g->GetParam()->GetUndoList().GetCount());
    Type("z");
    Press(VK_ESCAPE);
    EXPECT_EQ(CGXBrowseParam::modeEdit, w.g->GetEditMode());
    EXPECT_STREQ("xy", w.g->GetStoredValueText(2, 1));
    EXPECT_STREQ("r2c2", w.g->GetStoredValueText(2, 2));
    EXPECT_EQ(1, w.g->GetParam()->GetUndoList().GetCount());
    Press(VK_ESCAPE);
    EXPECT_STREQ("r2c1", w.g->GetStoredValueText(2, 1));
    EXPECT_EQ(0, w.g->GetParam()->GetUndoList().GetCount());
    EXPECT_TRUE(w.g->writes.empty());
    EXPECT_STREQ("r2c1", w.Data(2, 1));
    w.g->CancelRecord();
}

// A record that cannot be written when it is stored at once: the field's text goes back into
// the cell's control for correction, the field counts as unchanged and the error is the warning.
TEST(GridBrowser, ARefusedRecordGivesTheFieldBackToItsControl)
{
    BrowserWindow w;
    w.g->GetBrowseParam()->m_bUpdateAtOnce = TRUE;
    w.g->bRefuse = TRUE;
    w.g->ChangeCurrentCell(2, 2, 0x0A);
    EXPECT_FALSE(w.g->SetValueRange(CGXCellRange(2, 2), "neu"));
    EXPECT_STREQ("Datensatz gesperrt", w.g->m_strWarningText);
    EXPECT_STREQ("r2c2", w.g->GetStoredValueText(2, 2));
    CGXControl* pControl = w.g->GetControl(2, 2);
    ASSERT_NE(nullptr, pControl);
    CString strText;
    pControl->GetCurrentText(strText);
    EXPECT_STREQ("neu", strText);
    EXPECT_TRUE(w.g->writes.empty());
    // The step of the store that failed is gone, nothing else was recorded.
    EXPECT_EQ(0, w.g->GetParam()->GetUndoList().GetCount());
    w.g->bRefuse = FALSE;
    w.g->CancelRecord();
}

// Tab browses through the fields and on to the next record; Shift+Tab goes back across records.
TEST(GridBrowser, TabBrowsesThroughTheRecords)
{
    BrowserWindow w;
    w.g->ChangeCurrentCell(1, 3, 0x0A);
    w.g->SetFocus();
    PumpMessages(50);
    ROWCOL nRow, nCol;
    Press(VK_TAB);
    ASSERT_TRUE(w.g->GetCurrentCell(nRow, nCol));
    EXPECT_EQ(2u, nRow);
    EXPECT_EQ(1u, nCol);
    INPUT in[4] = {};
    for (INPUT& i : in)
        i.type = INPUT_KEYBOARD;
    in[0].ki.wVk = VK_SHIFT;
    in[1].ki.wVk = in[2].ki.wVk = VK_TAB;
    in[2].ki.dwFlags = KEYEVENTF_KEYUP;
    in[3].ki.wVk = VK_SHIFT;
    in[3].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(4, in, sizeof(INPUT));
    PumpMessages(150);
    ASSERT_TRUE(w.g->GetCurrentCell(nRow, nCol));
    EXPECT_EQ(1u, nRow);
    EXPECT_EQ(3u, nCol);
}

// Replace-all walks the current column from the current row down and writes each changed record.
TEST(GridBrowser, ReplaceAllWritesEachRecord)
{
    BrowserWindow w;
    w.g->ChangeCurrentCell(2, 2, 0x0A);
    CGXFindReplaceSettings settings;
    settings.m_strFind = "C2";
    settings.m_strReplace = "x";
    settings.m_bNext = TRUE;
    settings.PrepareSearchText();
    w.g->ReplaceAll(settings);
    EXPECT_EQ((std::vector<std::string>{"2,2=r2x", "3,2=r3x"}), w.g->writes);
    EXPECT_STREQ("r1c2", w.Data(1, 2));
    EXPECT_STREQ("r2x", w.Data(2, 2));
    EXPECT_EQ(CGXBrowseParam::modeNone, w.g->GetEditMode());
    EXPECT_FALSE(w.g->GetBrowseParam()->m_bUpdateAtOnce);
}

// Pasting goes into the current field as its text (the record is then in edit mode); with the
// paste-as-cells option the grid's own text paste runs and takes no new rows when the browser
// cannot append.
TEST(GridBrowser, PastingGoesIntoTheCurrentFieldOrTheCells)
{
    {
        BrowserWindow w;
        w.g->ChangeCurrentCell(2, 2, 0x0A);
        PutClipboardText("neu");
        EXPECT_TRUE(w.g->CanPaste());
        ASSERT_TRUE(w.g->Paste());
        CGXControl* pControl = w.g->GetControl(2, 2);
        ASSERT_NE(nullptr, pControl);
        CString strText;
        pControl->GetCurrentText(strText);
        EXPECT_STREQ("neu", strText);
        EXPECT_TRUE(pControl->IsActive());
        ASSERT_TRUE(w.g->TransferCurrentCell());
        EXPECT_EQ(CGXBrowseParam::modeEdit, w.g->GetEditMode());
        ASSERT_TRUE(w.g->Update());
        EXPECT_STREQ("neu", w.Data(2, 2));
    }
    struct Case
    {
        BOOL bCanAppend;
        long nRecords;
    } cases[] = {{FALSE, 3}, {TRUE, 4}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.bCanAppend);
        BrowserWindow w;
        w.g->GetBrowseParam()->m_bPasteAsCells = TRUE;
        w.g->GetBrowseParam()->m_bCanAppend = c.bCanAppend;
        w.g->ChangeCurrentCell(3, 1, 0x0A);
        PutClipboardText("x\r\ny\r\n");
        ASSERT_TRUE(w.g->Paste());
        w.g->Update();
        EXPECT_STREQ("x", w.Data(3, 1));
        EXPECT_EQ(c.nRecords, w.g->GetRecordCount());
        // A selection keeps the cells from being pasted.
        CGXCellRange rows;
        rows.SetRows(1, 1);
        w.g->GetParam()->m_SelectedRanges.AddTail(new CGXCellRange(rows));
        EXPECT_FALSE(w.g->Paste());
    }
}

// Delete on selected whole rows deletes their records; the append row is never deleted.
TEST(GridBrowser, DeleteKeyDeletesSelectedRecords)
{
    BrowserWindow w;
    w.g->SetFocus();
    PumpMessages(50);
    CGXCellRange rows;
    rows.SetRows(1, 2);
    w.g->GetParam()->m_SelectedRanges.AddTail(new CGXCellRange(rows));
    Press(VK_DELETE);
    EXPECT_EQ(1, w.g->GetRecordCount());
    EXPECT_STREQ("r3c1", w.Data(1, 1));
    w.g->GetParam()->m_SelectedRanges.DeleteAll();
    rows.SetRows(1, 2); // record 1 and the append row
    w.g->GetParam()->m_SelectedRanges.AddTail(new CGXCellRange(rows));
    Press(VK_DELETE);
    EXPECT_EQ(1, w.g->GetRecordCount());

    // Without a row selection Delete empties the current field of the record, buffered.
    w.g->GetParam()->m_SelectedRanges.DeleteAll();
    w.g->ChangeCurrentCell(1, 2, 0x0A);
    w.g->GetParam()->m_wDeleteHandling = 1; // the grid clears, not the edit control
    Press(VK_DELETE);
    EXPECT_EQ(CGXBrowseParam::modeEdit, w.g->GetEditMode());
    EXPECT_STREQ("", w.g->GetStoredValueText(1, 2));
    EXPECT_STREQ("r3c2", w.Data(1, 2));
    ASSERT_TRUE(w.g->Update());
    EXPECT_STREQ("", w.Data(1, 2));
}

// Before the selection changes a pending record is written; a record that cannot be written
// keeps the selection as it is.
TEST(GridBrowser, SelectingWritesThePendingRecord)
{
    struct Case
    {
        BOOL bRefuse;
        BOOL bAllowed;
    } cases[] = {{FALSE, TRUE}, {TRUE, FALSE}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.bRefuse);
        BrowserWindow w;
        ASSERT_TRUE(w.g->SetValueRange(CGXCellRange(2, 2), "neu"));
        w.g->bRefuse = c.bRefuse;
        CGXCellRange rows;
        rows.SetRows(3, 3);
        EXPECT_EQ(c.bAllowed, w.g->CanChangeSelection(&rows, FALSE, FALSE));
        EXPECT_STREQ(c.bRefuse ? "r2c2" : "neu", w.Data(2, 2));
        EXPECT_STREQ(c.bRefuse ? "Datensatz gesperrt" : "", w.g->m_strWarningText);
        // Whole columns never ask for the record.
        CGXCellRange cols;
        cols.SetCols(1, 1);
        EXPECT_TRUE(w.g->CanChangeSelection(&cols, FALSE, FALSE));
        w.g->bRefuse = FALSE;
        w.g->CancelRecord();
    }
}

// A row inserted among moved rows is a new empty record; every other row keeps its record.
TEST(GridBrowser, InsertingAmongMovedRowsKeepsTheirRecords)
{
    BrowserWindow w;
    ASSERT_TRUE(w.g->MoveRows(3, 3, 1));
    ASSERT_TRUE(w.g->InsertRows(2, 1));
    EXPECT_EQ(4, w.g->GetRecordCount());
    const char* expected[] = {"r3c1", "", "r1c1", "r2c1"};
    for (ROWCOL nRow = 1; nRow <= 4; nRow++)
        EXPECT_STREQ(expected[nRow - 1], w.g->GetStoredValueText(nRow, 1)) << "row " << nRow;
    ASSERT_TRUE(w.g->SetValueRange(CGXCellRange(2, 1), "neu"));
    ASSERT_TRUE(w.g->Update());
    EXPECT_STREQ("neu", w.g->GetStoredValueText(2, 1));
    EXPECT_STREQ("r1c1", w.g->GetStoredValueText(3, 1));
}

// Starting a new record on the last row shown whole scrolls the new append row into view;
// with room below nothing scrolls.
TEST(GridBrowser, AddNewOnTheLastWholeRowScrollsDown)
{
    ROWCOL nWhole = 0;
    {
        BrowserWindow probe;
        CGXData* pData = probe.g->GetParam()->GetData();
        for (ROWCOL r = 4; r <= 60; r++)
            pData->StoreValueRowCol(r, 1, "x", gxOverride, 0);
        probe.g->ResetLastVisibleCache();
        BOOL bPartial = FALSE;
        ROWCOL nBottom = probe.g->GetBottomVisibleRow(&bPartial);
        nWhole = bPartial ? nBottom - 1 : nBottom;
    }
    ASSERT_GT(nWhole, 6u);
    // (From the first row the engine's largest top row keeps the last row cut off, so the
    // case that scrolls starts scrolled.)
    // Scrolled by two rows first, the append row is the last row shown whole.
    struct Case
    {
        ROWCOL nRecords, nScroll, nTopRow;
    } cases[] = {{nWhole + 1, 2, 4}, {nWhole - 3, 0, 1}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nRecords);
        BrowserWindow w;
        CGXData* pData = w.g->GetParam()->GetData();
        for (ROWCOL r = 4; r <= c.nRecords; r++)
            pData->StoreValueRowCol(r, 1, "x", gxOverride, 0);
        w.g->ResetLastVisibleCache();
        w.g->UpdateScrollbars();
        if (c.nScroll != 0)
        {
            ASSERT_TRUE(w.g->DoScroll(GX_DOWN, c.nScroll));
        }
        ASSERT_EQ(c.nRecords + 1, w.g->AddNew());
        EXPECT_EQ(c.nTopRow, w.g->GetTopRow());
    }
}

// Dropping a record with its undo steps empties the undo list, and the redo list as well when
// more than one step was recorded.
TEST(GridBrowser, CancelRecordAndUndoEmptiesTheLists)
{
    struct Case
    {
        int nUndo;
        INT_PTR nRedoLeft;
    } cases[] = {{1, 1}, {2, 0}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nUndo);
        BrowserWindow w;
        CGXGridParam* pParam = w.g->GetParam();
        ASSERT_TRUE(pParam->IsUndoEnabled());
        // Each stored field is one undo step.
        for (int i = 0; i < c.nUndo; i++)
            ASSERT_TRUE(w.g->SetValueRange(CGXCellRange(2, 2 + i), "neu"));
        ASSERT_EQ(c.nUndo, pParam->GetUndoList().GetCount());
        pParam->GetRedoList().AddTail(new CGXStyle);
        w.g->CancelRecordAndUndo();
        EXPECT_EQ(CGXBrowseParam::modeNone, w.g->GetEditMode());
        EXPECT_EQ(0, pParam->GetUndoList().GetCount());
        EXPECT_EQ(c.nRedoLeft, pParam->GetRedoList().GetCount());
        EXPECT_STREQ("r2c2", w.g->GetStoredValueText(2, 2));
        EXPECT_STREQ("r2c3", w.g->GetStoredValueText(2, 3));
    }
}

// A sort of the whole table sorts the records; the append row stays below them.
TEST(GridBrowser, AWholeTableSortSortsTheRecordsOnly)
{
    BrowserWindow w;
    ROWCOL nRows = w.g->GetRowCount();
    CGXSortInfoArray info;
    info.SetSize(1);
    info[0].nRC = 1;
    info[0].sortType = gxSortAlpha;
    info[0].sortOrder = gxSortDescending;
    CGXCellRange table;
    w.g->SortRows(table.SetTable(), info);
    EXPECT_STREQ("r3c1", w.g->GetStoredValueText(1, 1));
    EXPECT_STREQ("r1c1", w.g->GetStoredValueText(3, 1));
    info[0].sortOrder = gxSortAscending;
    w.g->SortRows(table.SetTable(), info);
    EXPECT_STREQ("r1c1", w.g->GetStoredValueText(1, 1));
    EXPECT_STREQ("r3c1", w.g->GetStoredValueText(3, 1));
    EXPECT_EQ(nRows, w.g->GetRowCount());
    EXPECT_STREQ("r1c1", w.Data(1, 1));
}
