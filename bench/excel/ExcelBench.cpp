// Times saving a hidden Excel-capable grid window as a workbook and reading that workbook into
// another window, counting its sheets first as a document does. Three sheets of 10,000 rows of
// 10 cells: "numbers" (two decimal places, rows in two alternating colours), "strings" (texts)
// and "formulas" (every tenth cell a formula over the row's numbers). Each is saved and read five
// times; the workbook stays at DIR\<kind>.xls for the other programs the script times. Prints
// "<kind>.write=" and "<kind>.read=" with the medians in milliseconds.
// Usage: excel_bench DIR [ROWS]
#include "bench/BenchSupport.h"
#include "grid/excel/ExcelReadWnd.h"
#include "grid/excel/ExcelReader.h"
#include "grid/excel/ExcelWndDocAdapter.h"
#include "grid/core/GridParam.h"
#include "grid/core/Style.h"
#include "grid/core/Data.h"
#include "grid/excel/ExcelRegistrations.h"
#include "grid/factory/ControlFactory.h"
#include "WinApp.h"
#include <stdio.h>
#include <stdlib.h>
#include <memory>
#include <string>

namespace
{
class CBenchApp : public CWinApp, public CGXExMapHolder
{
  public:
    CBenchApp() : CWinApp(_T("HelvonExcelBench"))
    {
        GXExRegisterWorkbookClasses(this);
    }
};
CBenchApp theApp;

ROWCOL kRows = 10000; // or the second argument
const ROWCOL kCols = 10;
const int kRuns = 5;

// A hidden sheet window under a hidden owner.
struct Sheet
{
    CWnd owner;
    CGXExcelReadWnd grid;
    explicit Sheet(BOOL bFormulas = FALSE)
    {
        owner.CreateEx(0, AfxRegisterWndClass(0), "Messung", WS_POPUP, CRect(0, 0, 800, 600), NULL, 0);
        grid.Create(WS_CHILD, CRect(0, 0, 800, 600), &owner, 100);
        if (bFormulas)
            grid.EnableFormulaEngine();
        grid.OnGridInitialUpdate();
        grid.InitSheetSize();
        grid.InitSheetDefaults();
        grid.GetParam()->SetUndoEnabled(FALSE);
    }
};

void FillNumbers(CGXGridCore& g)
{
    g.SetStyleRange(CGXCellRange().SetCols(1, kCols), CGXStyle().SetFormat(2).SetPlaces(2), gxOverride, 0);
    const CGXStyle interiors[2] = {CGXStyle().SetInterior(RGB(255, 255, 255)),
                                   CGXStyle().SetInterior(RGB(0, 255, 255))};
    char sz[32];
    for (ROWCOL r = 1; r <= kRows; r++)
    {
        g.SetStyleRange(CGXCellRange().SetRows(r, r), interiors[r % 2]);
        for (ROWCOL c = 1; c <= kCols; c++)
        {
            sprintf(sz, "%lu.%02lu", (unsigned long)(r * c), (unsigned long)(r % 100));
            g.SetValueRange(CGXCellRange(r, c), sz, gxOverride, 0, GX_NOREDRAW);
        }
    }
}

void FillStrings(CGXGridCore& g)
{
    char sz[32];
    for (ROWCOL r = 1; r <= kRows; r++)
        for (ROWCOL c = 1; c <= kCols; c++)
        {
            sprintf(sz, "Messpunkt %lu/%lu", (unsigned long)r, (unsigned long)c);
            g.SetValueRange(CGXCellRange(r, c), sz, gxOverride, 0, GX_NOREDRAW);
        }
}

void FillFormulas(CGXGridCore& g)
{
    CGXData* pData = g.GetParam()->GetData();
    pData->HoldRecalc(TRUE);
    char sz[48];
    for (ROWCOL r = 1; r <= kRows; r++)
        for (ROWCOL c = 1; c <= kCols; c++)
        {
            if (c == kCols)
                sprintf(sz, "=SUM(A%lu:I%lu)*2+1", (unsigned long)r, (unsigned long)r);
            else
                sprintf(sz, "%lu.5", (unsigned long)(r * c));
            g.SetValueRange(CGXCellRange(r, c), sz, gxOverride, 0, GX_NOREDRAW);
        }
    pData->HoldRecalc(FALSE);
}

struct Kind
{
    const char* pszName;
    void (*fill)(CGXGridCore&);
    BOOL bFormulas;
};
} // namespace

int main(int argc, char** argv)
{
    std::string strDir = argc > 1 ? argv[1] : ".";
    if (argc > 2 && atol(argv[2]) > 0)
        kRows = (ROWCOL)atol(argv[2]);
    AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), SW_HIDE);
    InitGridLibraryWithDefaultFactory();

    const Kind kinds[] = {
        {"numbers", FillNumbers, FALSE}, {"strings", FillStrings, FALSE}, {"formulas", FillFormulas, TRUE}};
    BOOL bAllSame = TRUE;
    for (const Kind& k : kinds)
    {
        Sheet saved(k.bFormulas);
        k.fill(saved.grid);
        std::string strPath = strDir + "\\" + k.pszName + ".xls";
        std::vector<double> writes, reads;
        BOOL bSame = TRUE;
        for (int i = 0; i < kRuns; i++)
        {
            ::DeleteFileA(strPath.c_str());
            double t = BenchNow();
            BOOL bSaved = saved.grid.SaveExcelFile(strPath.c_str());
            writes.push_back((BenchNow() - t) * 1000.0);

            std::unique_ptr<Sheet> read(new Sheet);
            CGXExcelWndDocAdapter adapter;
            adapter.m_pGrid = &read->grid;
            CGXExcelReader* pReader = adapter.GetReader();
            t = BenchNow();
            pReader->SetMode(2);
            pReader->ReadFile(strPath.c_str(), &adapter);
            pReader->SetMode(1);
            pReader->ReadFile(strPath.c_str(), &adapter);
            reads.push_back((BenchNow() - t) * 1000.0);
            // The last cell: the same text, or the same number however it is written.
            CString strRead = read->grid.GetComposedValueText(kRows, kCols);
            CString strSaved = saved.grid.GetComposedValueText(kRows, kCols);
            bSame = bSame && bSaved &&
                    (strRead == strSaved || (!strRead.IsEmpty() && atof(strRead) == atof(strSaved)));
        }
        printf("%s.same=%d\n%s.write=%.0f\n%s.read=%.0f\n", k.pszName, bSame, k.pszName, BenchMedian(writes),
               k.pszName, BenchMedian(reads));
        fflush(stdout);
        bAllSame = bAllSame && bSame;
    }
    return bAllSame ? 0 : 1;
}
