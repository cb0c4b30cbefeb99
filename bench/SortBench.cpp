// Sorting 100,000 x 5 cells (seeded integers, words, running numbers, words, fractions) in a shown
// grid window: the rows by the numbers, by the words, and by the words then the numbers, each the
// median of five runs (the unsorted cells are put back between runs). The sort is timed alone (the
// window is not updated inside it) and then with the repaint that follows it. Prints "name=ms"
// (the sort alone) and "name_paint=ms" (sort and repaint) lines for tools/sort-bench.sh, which
// sorts the same cells in LibreOffice Calc and prints the ratios.
//   wine sort_bench.exe [runs]
#include "bench/BenchSupport.h"
#include "bench/SortBenchData.h"
#include "grid/factory/ControlFactory.h"
#include "grid/core/Data.h"
#include "grid/core/GridParam.h"
#include "grid/core/GridWnd.h"
#include "grid/features/SortInfoArray.h"
#include "WinApp.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{
class CBenchApp : public CWinApp
{
  public:
    CBenchApp() : CWinApp(_T("HelvonSortBench"))
    {
    }
};
CBenchApp theApp;

// The unsorted cells, stored straight into the data object, then painted.
void Fill(CGXGridWnd& grid, const std::vector<SortBenchRow>& rows)
{
    CGXData* pData = grid.GetParam()->GetData();
    char sz[32];
    for (ROWCOL r = 1; r <= (ROWCOL)rows.size(); r++)
    {
        const SortBenchRow& row = rows[r - 1];
        sprintf(sz, "%ld", row.nNumber);
        pData->StoreValueRowCol(r, 1, sz, gxOverride, 0);
        pData->StoreValueRowCol(r, 2, row.strWord1.c_str(), gxOverride, 0);
        sprintf(sz, "%lu", (unsigned long)r);
        pData->StoreValueRowCol(r, 3, sz, gxOverride, 0);
        pData->StoreValueRowCol(r, 4, row.strWord2.c_str(), gxOverride, 0);
        sprintf(sz, "%.3f", row.dFraction);
        pData->StoreValueRowCol(r, 5, sz, gxOverride, 0);
    }
    grid.GetParam()->ClearUndoList();
    grid.GetParam()->ClearRedoList();
    grid.RedrawAll(GX_UPDATENOW, FALSE);
    BenchPump();
}

} // namespace

int main(int argc, char** argv)
{
    int nRuns = argc > 1 ? atoi(argv[1]) : 5;
    if (nRuns < 1)
        nRuns = 1;
    AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), SW_SHOWNORMAL);
    InitGridLibraryWithDefaultFactory();
    CWnd owner;
    owner.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1)),
                   "Sortieren", WS_POPUP | WS_VISIBLE, CRect(0, 0, 800, 600), NULL, 0);
    CGXGridWnd grid;
    grid.Create(WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, CRect(0, 0, 800, 600), &owner, 100);
    grid.OnGridInitialUpdate();
    std::vector<SortBenchRow> rows = MakeSortBenchRows();
    grid.SetRowCount((ROWCOL)rows.size(), GX_NOREDRAW);
    grid.SetColCount(5, GX_NOREDRAW);

    struct
    {
        const char* name;
        DWORD anKeys[2]; // key columns, 0: none
    } sorts[] = {{"numbers", {1, 0}}, {"words", {2, 0}}, {"both", {2, 1}}};
    for (const auto& s : sorts)
    {
        std::vector<double> times, withPaint;
        for (int i = 0; i < nRuns; i++)
        {
            Fill(grid, rows);
            CGXSortInfoArray info;
            for (DWORD nKey : s.anKeys)
                if (nKey != 0)
                {
                    CGXSortInfoEntry e = {};
                    e.nRC = nKey;
                    e.sortType = gxSortDetermine;
                    e.sortOrder = gxSortAscending;
                    info.Add(e);
                }
            double t = BenchNow();
            grid.SortRows(CGXCellRange().SetTable(), info, GX_NOREDRAW);
            double dSort = (BenchNow() - t) * 1000;
            grid.Invalidate();
            grid.UpdateWindow();
            times.push_back(dSort);
            withPaint.push_back((BenchNow() - t) * 1000);
        }
        printf("%s=%.1f\n%s_paint=%.1f\n", s.name, BenchMedian(times), s.name, BenchMedian(withPaint));
        fflush(stdout);
    }
    grid.DestroyWindow();
    owner.DestroyWindow();
    return 0;
}
