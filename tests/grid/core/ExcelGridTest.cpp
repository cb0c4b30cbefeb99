// The Excel-capable window: a new sheet's size and standard style, its clipboard falling back to
// the grid's own formats while no workbook data is there, its workbook adapter and its tab name.
#include "GridTestApp.h"
#include "TestSupport.h"
#include "grid/core/AppData.h"
#include "grid/excel/ExcelReadWnd.h"
#include "grid/excel/ExcelWndDocAdapter.h"
#include "grid/core/GridParam.h"
#include "grid/core/Style.h"
#include <gtest/gtest.h>
#include <objbase.h>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
struct ExcelWindow
{
    CWnd parent;
    CGXExcelReadWnd* pGrid = new CGXExcelReadWnd;
    ExcelWindow()
    {
        EnsureGridLibrary();
        parent.CreateEx(0, AfxRegisterWndClass(0), _T("Blatt"), WS_POPUP | WS_VISIBLE,
                        CRect(20, 20, 420, 270), NULL, 0);
        pGrid->Create(WS_VISIBLE | WS_CHILD, CRect(0, 0, 400, 250), &parent, 100);
        CGXExcelReadWnd::RegisterSelfDeleting(pGrid);
        pGrid->OnGridInitialUpdate();
        pGrid->InitSheetSize();
        pGrid->InitSheetDefaults();
    }
    ~ExcelWindow()
    {
        parent.DestroyWindow(); // deletes the registered grid with its window
    }
};
} // namespace

TEST(GridExcel, NewSheet)
{
    ExcelWindow w;
    EXPECT_EQ(65535u, w.pGrid->GetRowCount());
    EXPECT_EQ(257u, w.pGrid->GetColCount());
    EXPECT_FALSE(w.pGrid->GetDefaultBaseStyle().GetWrapText());
    EXPECT_EQ(1, w.pGrid->GetParam()->m_wFloatCellsMode);
}

TEST(GridExcel, ClipboardFallsBackToTheGridsOwn)
{
    ExcelWindow w;
    w.pGrid->SetValueRange(CGXCellRange(1, 1), "eins");
    w.pGrid->GetParam()->m_SelectedRanges.AddTail(new CGXCellRange(1, 1));
    EXPECT_TRUE(w.pGrid->Copy());
    EXPECT_EQ("eins", ClipboardText());
    EXPECT_FALSE(::IsClipboardFormatAvailable(::RegisterClipboardFormatA("BIFF8")));

    PutClipboardText("x\ty");
    w.pGrid->GetParam()->m_SelectedRanges.DeleteAll();
    w.pGrid->ChangeCurrentCell(2, 2, 0x0A);
    EXPECT_TRUE(w.pGrid->CanPasteFromClipboard());
    EXPECT_TRUE(w.pGrid->Paste());
    EXPECT_STREQ("x", w.pGrid->GetStoredValueText(2, 2));
    EXPECT_STREQ("y", w.pGrid->GetStoredValueText(2, 3));
}

namespace
{
int s_nSheetsDeleted = 0;
class CCountedSheet : public CGXExcelReadWnd
{
  public:
    ~CCountedSheet() override
    {
        s_nSheetsDeleted++;
    }
};
} // namespace

TEST(GridExcel, OnlyRegisteredWindowsDeleteThemselves)
{
    EnsureGridLibrary();
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), _T("Blatt"), WS_POPUP | WS_VISIBLE, CRect(20, 20, 420, 270),
                    NULL, 0);
    s_nSheetsDeleted = 0;
    {
        CCountedSheet kept; // its owner deletes it
        kept.Create(WS_VISIBLE | WS_CHILD, CRect(0, 0, 200, 100), &parent, 100);
        kept.DestroyWindow();
        EXPECT_EQ(0, s_nSheetsDeleted);
        EXPECT_EQ(nullptr, kept.GetSafeHwnd());
    }
    EXPECT_EQ(1, s_nSheetsDeleted);
    s_nSheetsDeleted = 0;
    CCountedSheet* pSelf = new CCountedSheet;
    pSelf->Create(WS_VISIBLE | WS_CHILD, CRect(0, 0, 200, 100), &parent, 101);
    CGXExcelReadWnd::RegisterSelfDeleting(pSelf);
    pSelf->DestroyWindow(); // deletes the object
    EXPECT_EQ(1, s_nSheetsDeleted);
    parent.DestroyWindow();
}

TEST(GridExcel, WithoutAReaderNothingIsSaved)
{
    ExcelWindow w;
    CGXAppData* pAppData = GXGetAppData();
    CGXAbstractExcelReaderMaker* pMaker = pAppData->m_pExcelReaderMaker;
    pAppData->m_pExcelReaderMaker = NULL;
    ::DeleteFileA("ohne-leser.xls");
    EXPECT_FALSE(w.pGrid->SaveExcelFile("ohne-leser.xls"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA("ohne-leser.xls"));
    pAppData->m_pExcelReaderMaker = pMaker;
}

TEST(GridExcel, TheWindowAdapterAnswersForItsOneGrid)
{
    ExcelWindow w;
    CGXExcelWndDocAdapter adapter;
    EXPECT_TRUE(adapter.GetGridParam(0) == NULL);
    adapter.m_pGrid = w.pGrid;
    for (UINT nSheet : {0u, 1u, 7u})
    {
        EXPECT_EQ(w.pGrid, adapter.GetGrid(nSheet));
        EXPECT_EQ(w.pGrid->GetParam(), adapter.GetGridParam(nSheet));
    }
    EXPECT_EQ(0, adapter.FindSheet(w.pGrid));
    EXPECT_TRUE(adapter.GetDocument() == NULL);
    EXPECT_TRUE(adapter.GetTabWnd() == NULL);
    EXPECT_TRUE(adapter.GetOwnerAdapter() == NULL);
    EXPECT_TRUE(adapter.m_bState);
    EXPECT_TRUE(adapter.m_bSaveAsWorkbook);
}

TEST(GridExcel, OnlyCompoundFilesEndingInLowerCaseXlsAreWorkbooks)
{
    auto compound = [](const char* pszPath) {
        std::string s(pszPath);
        std::wstring wide(s.begin(), s.end());
        IStorage* pStorage = NULL;
        ASSERT_EQ(S_OK, ::StgCreateDocfile(wide.c_str(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE,
                                           0, &pStorage));
        pStorage->Release();
    };
    auto plain = [](const char* pszPath) {
        FILE* f = fopen(pszPath, "wb");
        ASSERT_TRUE(f != NULL);
        fputs("text", f);
        fclose(f);
    };
    compound("mappe.xls");
    compound("mappe.XLS");
    plain("text.xls");
    compound("mappe.dat");
    const std::pair<const char*, BOOL> cases[] = {
        {"mappe.xls", TRUE},  {"mappe.XLS", FALSE}, {"text.xls", FALSE},
        {"mappe.dat", FALSE}, {"fehlt.xls", FALSE}, {"", FALSE},
    };
    CGXExcelDocAdapter adapter;
    for (const auto& c : cases)
        EXPECT_EQ(c.second, adapter.IsExcelFile(c.first)) << c.first;
}

namespace
{
class CTabNames : public CGXAbstractTabWndInterface
{
  public:
    std::vector<std::pair<CWnd*, CString>> renamed;
    void GetOrSetTabName(CWnd* pSheetWnd, CString& sName, BOOL bSet) override
    {
        if (bSet)
            renamed.push_back({pSheetWnd, sName});
    }
    CString GetTabNameAt(CWnd*, int) override
    {
        return CString();
    }
};
} // namespace

TEST(GridExcel, TheSheetTabIsRenamedThroughTheInstalledTabWindow)
{
    ExcelWindow w;
    CGXAbstractTabWndInterface*& pSlot = GXGetAppData()->m_pTabWndInterface;
    CGXAbstractTabWndInterface* pInstalled = pSlot;
    pSlot = NULL;
    w.pGrid->SetSheetTabName("ohne Reiter"); // nothing installed: nothing happens
    CTabNames tabs;
    pSlot = &tabs;
    w.pGrid->SetSheetTabName("Tabelle1");
    pSlot = pInstalled;
    ASSERT_EQ(1u, tabs.renamed.size());
    EXPECT_EQ(w.pGrid, tabs.renamed[0].first);
    EXPECT_STREQ("Tabelle1", tabs.renamed[0].second);
}
