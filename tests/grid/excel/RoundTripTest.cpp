// A grid window saved as a workbook through its own save and read back into another: the file
// the program writes is one it reads. The workbooks stay in "excel-out" for the checks with
// other spreadsheet programs that run after this test.
#include "ExcelTestApp.h"
#include "TestSupport.h"
#include "tests/grid/GridTestWindow.h"
#include "grid/core/ExcelReadWnd.h"
#include "grid/core/ExcelReader.h"
#include "grid/core/ExcelWndDocAdapter.h"
#include "grid/core/GridParam.h"
#include "grid/core/Style.h"
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string>

namespace
{
struct ExcelSheet
{
    GridWindowOf<CGXExcelReadWnd> w{400, 250};
    ExcelSheet()
    {
        w.grid->OnGridInitialUpdate();
        w.grid->InitSheetSize();
        w.grid->InitSheetDefaults();
    }
    CGXExcelReadWnd* operator->() const
    {
        return w.grid.get();
    }
    // Counts the sheets first, then reads them, as a document does.
    void Read(const std::string& strPath)
    {
        CGXExcelWndDocAdapter adapter;
        adapter.m_pGrid = w.grid.get();
        CGXExcelReader* pReader = adapter.GetReader();
        ASSERT_TRUE(pReader != NULL);
        pReader->SetMode(2);
        pReader->ReadFile(strPath.c_str(), &adapter);
        EXPECT_EQ(1u, pReader->GetSheetCount());
        pReader->SetMode(1);
        pReader->ReadFile(strPath.c_str(), &adapter);
    }
};

std::string OutPath(const char* pszName)
{
    ::CreateDirectoryA("excel-out", NULL);
    return std::string("excel-out\\") + pszName;
}
} // namespace

TEST(ExcelWorkbook, AGridSavedAndReadBackKeepsItsCells)
{
    EnsureGridLibrary();
    std::string strPath = OutPath("eine-tabelle.xls");
    ::DeleteFileA(strPath.c_str());
    {
        ExcelSheet saved;
        saved->SetValueRange(CGXCellRange(1, 1), "abc");
        saved->SetStyleRange(CGXCellRange(1, 2), CGXStyle().SetValue("3.5").SetFormat(2).SetPlaces(2));
        saved->SetStyleRange(CGXCellRange(2, 1), CGXStyle().SetFormat(2).SetPlaces(2));
        saved->GetParam()->m_sSheetName = "Messwerte";
        ASSERT_TRUE(saved->SaveExcelFile(strPath.c_str()));
    }
    ExcelSheet read;
    read.Read(strPath);
    EXPECT_STREQ("abc", read->GetStoredValueText(1, 1));
    EXPECT_STREQ("3.5", read->GetStoredValueText(1, 2));
    CGXStyle style;
    read->GetStyleRowCol(1, 2, style);
    EXPECT_EQ(2u, style.GetFormat());
    EXPECT_EQ(2u, style.GetPlaces());
    EXPECT_STREQ("Messwerte", read->GetParam()->m_sSheetName);
}

TEST(ExcelWorkbook, NumbersAndTextsKeepTheirValues)
{
    EnsureGridLibrary();
    // The texts the grid holds; the last in the program's code page (windows-1252).
    const char* const values[] = {"1e-300", "-0.000123456789012345", "9007199254740992", "0.1",
                                  "Gr\xfc\xdf"
                                  "e \x80"};
    std::string strPath = OutPath("zahlen.xls");
    ::DeleteFileA(strPath.c_str());
    {
        ExcelSheet saved;
        for (ROWCOL r = 0; r < 5; r++)
            saved->SetValueRange(CGXCellRange(r + 1, 1), values[r]);
        saved->GetParam()->m_sSheetName = "Zahlen";
        ASSERT_TRUE(saved->SaveExcelFile(strPath.c_str()));
    }
    // Numbers come back as the grid shows a double: 13 significant digits.
    ExcelSheet read;
    read.Read(strPath);
    for (ROWCOL r = 0; r < 5; r++)
    {
        char* pszEnd = NULL;
        double d = strtod(values[r], &pszEnd);
        CString strNumber;
        strNumber.Format("%.13g", d); // as the grid formats it
        EXPECT_STREQ(*pszEnd == 0 ? (LPCTSTR)strNumber : values[r], read->GetStoredValueText(r + 1, 1)) << r;
    }
}
