// Times saving a hidden Excel-capable grid window of 65,535 rows of 10 numbers (two decimal
// places, rows in two alternating colours) as a workbook and reading that workbook into another
// window, counting its sheets first as a document does. The workbook stays at the path given as
// the first argument for the other programs the script times. Prints "write=" and "read=" in
// milliseconds.
#include "grid/excel/ExcelReadWnd.h"
#include "grid/excel/ExcelReader.h"
#include "grid/excel/ExcelWndDocAdapter.h"
#include "grid/core/GridParam.h"
#include "grid/core/Style.h"
#include "grid/excel/ExcelRegistrations.h"
#include "grid/factory/ControlFactory.h"
#include "WinApp.h"
#include <stdio.h>
#include <stdlib.h>

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

ROWCOL kRows = 65535; // or the second argument
const ROWCOL kCols = 10;

double NowMs()
{
    LARGE_INTEGER f, c;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&c);
    return (double)c.QuadPart * 1000.0 / (double)f.QuadPart;
}

// A hidden sheet window under a hidden owner.
struct Sheet
{
    CWnd owner;
    CGXExcelReadWnd grid;
    Sheet()
    {
        owner.CreateEx(0, AfxRegisterWndClass(0), "Messung", WS_POPUP, CRect(0, 0, 800, 600), NULL, 0);
        grid.Create(WS_CHILD, CRect(0, 0, 800, 600), &owner, 100);
        grid.OnGridInitialUpdate();
        grid.InitSheetSize();
        grid.InitSheetDefaults();
        grid.GetParam()->SetUndoEnabled(FALSE);
    }
};
} // namespace

int main(int argc, char** argv)
{
    const char* pszPath = argc > 1 ? argv[1] : "excel-bench.xls";
    if (argc > 2 && atol(argv[2]) > 0)
        kRows = (ROWCOL)atol(argv[2]);
    AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), SW_HIDE);
    InitGridLibraryWithDefaultFactory();

    Sheet saved;
    saved.grid.SetStyleRange(CGXCellRange().SetCols(1, kCols), CGXStyle().SetFormat(2).SetPlaces(2),
                             gxOverride, 0);
    const CGXStyle interiors[2] = {CGXStyle().SetInterior(RGB(255, 255, 255)),
                                   CGXStyle().SetInterior(RGB(0, 255, 255))};
    char sz[32];
    for (ROWCOL r = 1; r <= kRows; r++)
    {
        saved.grid.SetStyleRange(CGXCellRange().SetRows(r, r), interiors[r % 2]);
        for (ROWCOL c = 1; c <= kCols; c++)
        {
            sprintf(sz, "%lu.%02lu", (unsigned long)(r * c), (unsigned long)(r % 100));
            saved.grid.SetValueRange(CGXCellRange(r, c), sz, gxOverride, 0, GX_NOREDRAW);
        }
    }
    ::DeleteFileA(pszPath);
    double t = NowMs();
    BOOL bSaved = saved.grid.SaveExcelFile(pszPath);
    double dWrite = NowMs() - t;

    Sheet read;
    CGXExcelWndDocAdapter adapter;
    adapter.m_pGrid = &read.grid;
    CGXExcelReader* pReader = adapter.GetReader();
    t = NowMs();
    pReader->SetMode(2);
    pReader->ReadFile(pszPath, &adapter);
    pReader->SetMode(1);
    pReader->ReadFile(pszPath, &adapter);
    double dRead = NowMs() - t;
    BOOL bSame = read.grid.GetStoredValueText(kRows, kCols) == saved.grid.GetStoredValueText(kRows, kCols);

    printf("saved=%d\nsame=%d\nwrite=%.0f\nread=%.0f\n", bSaved, bSame, dWrite, dRead);
    return bSaved && bSame ? 0 : 1;
}
