// The record browser over the grid's own data object: records buffered in edit and append
// mode and written back by Update, the append row, deleting records, the record commands and
// the self-deleting windows.
#include "GridTestApp.h"
#include "TestSupport.h"
#include "grid/core/BrowserWnd.h"
#include "grid/core/Data.h"
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
    std::vector<std::string> writes;
};

// Three records of three fields, "r<row>c<col>".
struct BrowserWindow
{
    CWnd parent;
    TestBrowser* g = new TestBrowser;
    BrowserWindow()
    {
        EnsureGridLibrary();
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
