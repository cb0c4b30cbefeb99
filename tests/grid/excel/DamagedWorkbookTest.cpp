// Workbooks that are damaged or come from other programs (the fixtures in "excel-fixtures"):
// loads end in bounded time with the error the user is shown, a merge wider than any grid is cut
// to the grid, and a LibreOffice workbook reads into a sheet window without a box, its texts
// staying texts and its numbers keeping every digit.
#include "ExcelTestApp.h"
#include "TestSupport.h"
#include "tests/grid/GridTestWindow.h"
#include "grid/excel/ExcelDocAdapter.h"
#include "grid/excel/ExcelHandler.h"
#include "grid/excel/ExcelReadWnd.h"
#include "grid/excel/ExcelReaderImpl.h"
#include "grid/excel/ExcelReportError.h"
#include "grid/excel/ExcelWndDocAdapter.h"
#include "grid/core/GridParam.h"
#include "grid/core/Data.h"
#include "grid/core/Style.h"
#include "grid/formula/CellStore.h"
#include "grid/formula/FormulaSheet.h"
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
std::string Fixture(const char* pszName)
{
    return std::string("excel-fixtures\\") + pszName;
}

// A sheet window as the program shows a workbook: 65,535 rows of 256 columns.
struct SheetWindow
{
    GridWindowOf<CGXExcelReadWnd> w{400, 250};
    explicit SheetWindow(BOOL bFormulas = FALSE)
    {
        EnsureGridLibrary();
        if (bFormulas)
            w.grid->EnableFormulaEngine();
        w.grid->OnGridInitialUpdate();
        w.grid->InitSheetSize();
        w.grid->InitSheetDefaults();
    }
    CGXExcelReadWnd* operator->() const
    {
        return w.grid.get();
    }
    // Counts the sheets, then reads them, as a document does; the code raised, 0 for none.
    int Read(const std::string& strPath)
    {
        CGXExcelWndDocAdapter adapter;
        adapter.m_pGrid = w.grid.get();
        CGXExcelReader* pReader = adapter.GetReader();
        try
        {
            pReader->SetMode(CGXExcelReaderImpl::modeCountOnly);
            pReader->ReadFile(strPath.c_str(), &adapter);
            nSheets = pReader->GetSheetCount();
            pReader->SetMode(CGXExcelReaderImpl::modeAll);
            pReader->ReadFile(strPath.c_str(), &adapter);
        }
        catch (egxExcelRWFlags nCode)
        {
            nSheets = pReader->GetSheetCount();
            return nCode;
        }
        return 0;
    }
    DWORD nSheets = 0;
};

// Each sheet of a workbook in a grid of its own.
class CSheetGrids : public CGXExcelDocAdapter
{
  public:
    GridWindowOf<CGXExcelReadWnd> w0{300, 200}, w1{300, 200};
    CSheetGrids()
    {
        for (CGXExcelReadWnd* p : {w0.grid.get(), w1.grid.get()})
        {
            p->OnGridInitialUpdate();
            p->InitSheetSize();
            p->InitSheetDefaults();
        }
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
    void PrepareSheet(UINT, UINT) override
    {
    }
};

// The text colour the cell is drawn with; black when it has none of its own.
COLORREF TextColor(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol)
{
    CGXStyle style;
    pGrid->ComposeStyleRowCol(nRow, nCol, &style);
    return style.GetInclude(CGXStyle::ibTextColor) ? style.GetTextColor() : RGB(0, 0, 0);
}

// The type of the cell record of a zero-based cell, 0 for none.
WORD CellRecordType(const Bytes& b, WORD nRow, WORD nCol)
{
    const WORD cellTypes[] = {0x006, 0x201, 0x203, 0x204, 0x0FD, 0x27E};
    for (size_t i = 0; i + 8 <= b.size(); i += 4 + (b[i + 2] | b[i + 3] << 8))
    {
        WORD nType = (WORD)(b[i] | b[i + 1] << 8);
        for (WORD t : cellTypes)
            if (t == nType && (b[i + 4] | b[i + 5] << 8) == nRow && (b[i + 6] | b[i + 7] << 8) == nCol)
                return nType;
    }
    return 0;
}

// The double of a NUMBER record of a zero-based cell, 0 for none.
double NumberRecordValue(const Bytes& b, WORD nRow, WORD nCol)
{
    for (size_t i = 0; i + 18 <= b.size(); i += 4 + (b[i + 2] | b[i + 3] << 8))
        if ((b[i] | b[i + 1] << 8) == 0x203 && (b[i + 4] | b[i + 5] << 8) == nRow &&
            (b[i + 6] | b[i + 7] << 8) == nCol)
        {
            double d;
            memcpy(&d, b.data() + i + 10, 8);
            return d;
        }
    return 0;
}

// A cell holds the text as a text, or the number as a number: in a formula sheet exactly as the
// engine keeps it, else as the stored text reads back.
void ExpectCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, const char* pszValue, UINT nType)
{
    SCOPED_TRACE(pszValue);
    CGXStyle style;
    pGrid->GetStyleRowCol(nRow, nCol, style, gxCopy, 0);
    EXPECT_EQ(nType, style.GetValueType());
    if (nType == GX_VT_TEXT)
    {
        EXPECT_STREQ(pszValue, style.GetValue());
        return;
    }
    double d = strtod(style.GetValue(), NULL);
    if (CGXFormulaSheet* pSheet = pGrid->GetFormulaSheet())
    {
        GX_CELL* pCell = GXFindCellRecord(pSheet->GetEngineSheet(), nRow, nCol - 1);
        ASSERT_TRUE(pCell != NULL && pCell->ValueKind() == GX_CELLVALUE_NUMBER);
        d = pCell->dValue;
    }
    EXPECT_EQ(strtod(pszValue, NULL), d);
}
} // namespace

TEST(ExcelDamaged, LoadsEndInBoundedTimeWithTheErrorShown)
{
    struct Case
    {
        const char* pszName;
        int nCode;         // raised by the count, 0 for none
        DWORD nSheets;     // the count
        const char* pszA1; // the cell read
    };
    const Case cases[] = {
        {"no-boundsheet.xls", gxExcelErrNotExcel, 0, ""},
        {"changed-word.xls", gxExcelErrNotExcel, 0, ""},
        {"boundsheets-5000.xls", 0, 5000, "2.5"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        SheetWindow sheet;
        ULONGLONG t = NowMs();
        EXPECT_EQ(c.nCode, sheet.Read(Fixture(c.pszName)));
        EXPECT_LT(NowMs() - t, 5000u);
        EXPECT_EQ(c.nSheets, sheet.nSheets);
        EXPECT_STREQ(c.pszA1, sheet->GetStoredValueText(1, 1));
    }
    // The code the count raises is shown as the message of a file that is no workbook.
    MessageBoxes boxes;
    boxes.Expect(IDOK, "nicht in Excel Format");
    GXExcelReportError(gxExcelErrNotExcel);
    EXPECT_EQ(0u, boxes.Pending());
}

TEST(ExcelDamaged, AMergeWiderThanTheGridCoversOnlyTheGrid)
{
    SheetWindow sheet;
    ULONGLONG t = NowMs();
    ASSERT_EQ(0, sheet.Read(Fixture("wide-merge.xls")));
    EXPECT_LT(NowMs() - t, 5000u);
    CGXCellRange covered;
    ASSERT_TRUE(sheet->GetCoveredCellsRowCol(1, 1, covered) != NULL);
    EXPECT_EQ(CGXCellRange(1, 1, 2, sheet->GetColCount()), covered);
    EXPECT_STREQ("breit", sheet->GetStoredValueText(1, 1));
    EXPECT_STREQ("4.5", sheet->GetStoredValueText(2, 2));
}

TEST(ExcelForeign, ALibreOfficeWorkbookReadsIntoSheetWindowsWithoutABox)
{
    MessageBoxes boxes;
    CSheetGrids sheets;
    CGXExcelReaderImpl reader;
    reader.SetMode(CGXExcelReaderImpl::modeCountOnly);
    reader.ReadFile(Fixture("foreign-texts.xls").c_str(), &sheets);
    ASSERT_EQ(2u, reader.GetSheetCount());
    reader.SetMode(CGXExcelReaderImpl::modeAll);
    reader.ReadFile(Fixture("foreign-texts.xls").c_str(), &sheets);
    EXPECT_TRUE(boxes.Shown().empty()) << boxes.Shown()[0].text;

    // The first sheet has formulas, the second has none: texts stay texts in both.
    CGXGridCore* pOne = sheets.GetGrid(0);
    CGXGridCore* pTwo = sheets.GetGrid(1);
    ASSERT_TRUE(pOne->GetFormulaSheet() != NULL);
    ASSERT_TRUE(pTwo->GetFormulaSheet() == NULL);
    EXPECT_STREQ("Blatt \x80", pOne->GetParam()->m_sSheetName);
    EXPECT_STREQ("Zwei \xc4", pTwo->GetParam()->m_sSheetName);
    struct Cell
    {
        CGXGridCore* pGrid;
        ROWCOL nRow, nCol;
        const char* pszValue;
        UINT nType;
    };
    const Cell cells[] = {
        {pOne, 1, 1, "0042", GX_VT_TEXT},
        {pOne, 2, 1, "1e3", GX_VT_TEXT},
        {pOne, 3, 1, "123456789012345", GX_VT_NUMBER},
        {pTwo, 1, 2, "007", GX_VT_TEXT},
        {pTwo, 1, 1, "7", GX_VT_NUMBER},
    };
    for (const Cell& c : cells)
        ExpectCell(c.pGrid, c.nRow, c.nCol, c.pszValue, c.nType);
    EXPECT_EQ(RGB(255, 0, 0), TextColor(pOne, 4, 1));

    // Saved by the program and read back: the same texts, numbers and colour. The workbook stays
    // in "excel-out" for the other programs' readers.
    ::CreateDirectoryA("excel-out", NULL);
    const std::string strPath = "excel-out\\blatt-euro.xls";
    ::DeleteFileA(strPath.c_str());
    ASSERT_TRUE(sheets.w0.grid->SaveExcelFile(strPath.c_str()));
    Bytes stream = WorkbookStream(strPath);
    EXPECT_EQ(0x204, CellRecordType(stream, 0, 0)); // LABEL
    EXPECT_EQ(0x204, CellRecordType(stream, 1, 0));
    EXPECT_EQ(0x203, CellRecordType(stream, 2, 0)); // NUMBER, every digit kept
    EXPECT_EQ(123456789012345.0, NumberRecordValue(stream, 2, 0));
    SheetWindow again;
    ASSERT_EQ(0, again.Read(strPath));
    EXPECT_STREQ("Blatt \x80", again->GetParam()->m_sSheetName);
    for (const Cell& c : cells)
    {
        if (c.pGrid != pOne)
            continue;
        ExpectCell(again.w.grid.get(), c.nRow, c.nCol, c.pszValue, c.nType);
    }
    EXPECT_EQ(RGB(255, 0, 0), TextColor(again.w.grid.get(), 4, 1));
}

TEST(ExcelWorkbook, ATextColourAloneSurvivesTheRoundTrip)
{
    ::CreateDirectoryA("excel-out", NULL);
    const std::string strPath = "excel-out\\textfarbe.xls";
    ::DeleteFileA(strPath.c_str());
    SheetWindow saved;
    saved->SetStyleRange(CGXCellRange(1, 1), CGXStyle().SetValue("blau").SetTextColor(RGB(0, 0, 255)));
    ASSERT_TRUE(saved->SaveExcelFile(strPath.c_str()));
    SheetWindow read;
    ASSERT_EQ(0, read.Read(strPath));
    EXPECT_STREQ("blau", read->GetStoredValueText(1, 1));
    EXPECT_EQ(RGB(0, 0, 255), TextColor(read.w.grid.get(), 1, 1));
}

TEST(ExcelWorkbook, FormulasDoNotSlowTheReadOfEveryCellAfterThem)
{
    // 3,000 rows of nine numbers and a formula, and the same rows with the formula's value as
    // a number: reading the first may take longer for its formulas, not for every cell after
    // them (each store recalculating the sheet made it quadratic).
    const ROWCOL nRows = 3000;
    ::CreateDirectoryA("excel-out", NULL);
    const char* const paths[2] = {"excel-out\\formeln.xls", "excel-out\\zahlen-ohne-formeln.xls"};
    ULONGLONG times[2];
    for (int k = 0; k < 2; k++)
    {
        SheetWindow saved(k == 0);
        ASSERT_EQ(k == 0, saved->GetFormulaSheet() != NULL);
        CGXData* pData = saved->GetParam()->GetData();
        pData->HoldRecalc(TRUE);
        char sz[48];
        for (ROWCOL r = 1; r <= nRows; r++)
            for (ROWCOL c = 1; c <= 10; c++)
            {
                if (c < 10)
                    sprintf(sz, "%lu.5", (unsigned long)(r * c));
                else if (k == 0)
                    sprintf(sz, "=A%lu+I%lu", (unsigned long)r, (unsigned long)r);
                else
                    sprintf(sz, "%lu", (unsigned long)(10 * r + 1));
                saved->SetValueRange(CGXCellRange(r, c), sz, gxOverride, 0, GX_NOREDRAW);
            }
        pData->HoldRecalc(FALSE);
        ::DeleteFileA(paths[k]);
        ASSERT_TRUE(saved->SaveExcelFile(paths[k]));
        SheetWindow read;
        ULONGLONG t = NowMs();
        ASSERT_EQ(0, read.Read(paths[k]));
        times[k] = NowMs() - t;
        EXPECT_EQ(10.0 * nRows + 1, atof(read->GetComposedValueText(nRows, 10))) << k;
    }
    EXPECT_LT(times[0], 4 * times[1] + 500) << times[0] << " ms with formulas, " << times[1] << " without";
}
