// Workbooks written by other programs (made before this test from foreign.fods: LibreOffice's
// "MS Excel 97" and Gnumeric's copy of it) read into two sheets: both sheets, the long text,
// the numbers and the merged range arrive.
#include "ExcelTestApp.h"
#include "TestSupport.h"
#include "tests/grid/GridTestWindow.h"
#include "grid/excel/ExcelDocAdapter.h"
#include "grid/core/GridParam.h"
#include "grid/excel/ExcelReaderImpl.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
// Two sheet windows as the sheets of a document.
class CTwoSheets : public CGXExcelDocAdapter
{
  public:
    GridWindowOf<CGXGridWnd> w0{300, 200}, w1{300, 200};
    std::vector<UINT> prepared;
    CTwoSheets()
    {
        w0.grid->OnGridInitialUpdate();
        w1.grid->OnGridInitialUpdate();
    }
    CGXGridCore* GetGrid(UINT nSheet) override
    {
        return nSheet == 0 ? (CGXGridCore*)w0.grid.get() : nSheet == 1 ? (CGXGridCore*)w1.grid.get() : NULL;
    }
    CGXGridParam* GetGridParam(UINT nSheet) override
    {
        CGXGridCore* pGrid = GetGrid(nSheet);
        return pGrid != NULL ? pGrid->GetParam() : NULL;
    }
    void PrepareSheet(UINT nSheet, UINT) override
    {
        prepared.push_back(nSheet);
    }
};
} // namespace

TEST(ExcelForeign, WorkbooksOfOtherProgramsArriveWhole)
{
    EnsureGridLibrary();
    std::string strLong;
    for (int i = 0; i < 1000; i++)
    {
        char sz[16];
        sprintf(sz, "Zeile%04d ", i);
        strLong += sz;
    }
    for (const char* pszPath : {"excel-in\\foreign-libreoffice.xls", "excel-in\\foreign-gnumeric.xls"})
    {
        SCOPED_TRACE(pszPath);
        CTwoSheets sheets;
        CGXExcelReaderImpl reader;
        reader.SetMode(CGXExcelReaderImpl::modeCountOnly);
        reader.ReadFile(pszPath, &sheets);
        EXPECT_EQ(2u, reader.GetSheetCount());
        EXPECT_EQ((std::vector<UINT>{0, 1}), sheets.prepared);
        reader.SetMode(CGXExcelReaderImpl::modeAll);
        reader.ReadFile(pszPath, &sheets);

        CGXGridCore* pOne = sheets.GetGrid(0);
        CGXGridCore* pTwo = sheets.GetGrid(1);
        EXPECT_STREQ("Eins", pOne->GetParam()->m_sSheetName);
        EXPECT_STREQ("Zwei", pTwo->GetParam()->m_sSheetName);
        // The long text arrives as the grid keeps it when it is typed in.
        pOne->SetValueRange(CGXCellRange(50, 1), strLong.c_str());
        CString strKept = pOne->GetStoredValueText(50, 1);
        EXPECT_EQ(0, strLong.compare(0, strKept.GetLength(), (LPCTSTR)strKept));
        EXPECT_STREQ(strKept, pOne->GetStoredValueText(1, 1));
        EXPECT_STREQ("t40", pOne->GetStoredValueText(40, 1));
        EXPECT_STREQ("40", pOne->GetStoredValueText(40, 2));
        CGXCellRange merged;
        ASSERT_TRUE(pOne->GetCoveredCellsRowCol(1, 4, merged) != NULL);
        EXPECT_EQ(CGXCellRange(1, 4, 2, 5), merged);
        EXPECT_STREQ("verbunden", pOne->GetStoredValueText(1, 4));
        EXPECT_STREQ("zwei", pTwo->GetStoredValueText(1, 1));
        EXPECT_STREQ("0.25", pTwo->GetStoredValueText(1, 2));
    }
}
