// The Excel-capable window: a new sheet's size and standard style, and its clipboard falling
// back to the grid's own formats while no workbook data is there.
#include "GridTestApp.h"
#include "TestSupport.h"
#include "grid/core/ExcelReadWnd.h"
#include "grid/core/GridParam.h"
#include "grid/core/Style.h"
#include <gtest/gtest.h>

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
    EXPECT_FALSE(w.pGrid->SaveExcelFile("C:\\\\blatt.xls")); // no workbook writer: says so
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
