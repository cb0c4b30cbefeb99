// Pasting 65,535 x 5 cells of CF_TEXT into a 10-row grid window, then Undo, Redo and Undo, each
// timed until the window is updated (targets: each at most 1.5 s and at most 1.5 x the paste);
// the undo record's size per cell (private bytes after the paste with undo recording on minus
// off; target at most 400 bytes); and three paste/Undo/Redo/Undo cycles, whose private bytes at
// the end must stay within 5 % of the first cycle's.
//   wine paste_undo_bench.exe
#include "bench/BenchSupport.h"
#include "bench/SortBenchData.h"
#include "grid/factory/ControlFactory.h"
#include "grid/core/GridParam.h"
#include "grid/core/GridWnd.h"
#include "WinApp.h"
#include <psapi.h>
#include <cstdio>
#include <string>

namespace
{
class CBenchApp : public CWinApp
{
  public:
    CBenchApp() : CWinApp(_T("HelvonPasteUndoBench"))
    {
    }
};
CBenchApp theApp;

const unsigned kRows = 65535, kCols = 5;

SIZE_T PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX pmc = {};
    pmc.cb = sizeof(pmc);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), (PROCESS_MEMORY_COUNTERS*)&pmc, sizeof(pmc));
    return pmc.PrivateUsage;
}

void PutTextOnClipboard(CWnd& owner, const std::string& text)
{
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(::GlobalLock(hMem), text.c_str(), text.size() + 1);
    ::GlobalUnlock(hMem);
    ::OpenClipboard(owner.GetSafeHwnd());
    ::EmptyClipboard();
    ::SetClipboardData(CF_TEXT, hMem);
    ::CloseClipboard();
}

// A 10-row grid window of five columns with the current cell at (1, 1).
struct PasteGrid
{
    CGXGridWnd grid;
    PasteGrid(CWnd& owner, BOOL bUndo)
    {
        grid.Create(WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, CRect(0, 0, 800, 600), &owner, 100);
        grid.OnGridInitialUpdate();
        grid.GetParam()->SetUndoEnabled(bUndo);
        grid.SetRowCount(10, GX_NOREDRAW);
        grid.SetColCount(kCols, GX_NOREDRAW);
        grid.SetCurrentCell(1, 1);
        grid.RedrawAll(GX_UPDATENOW, FALSE);
    }
    ~PasteGrid()
    {
        grid.DestroyWindow();
    }
    template <class F> double Timed(F f)
    {
        double t = BenchNow();
        f();
        grid.UpdateWindow();
        return (BenchNow() - t) * 1000;
    }
};

const char* Verdict(bool bOk)
{
    return bOk ? "ok" : "MISSED";
}
} // namespace

int main()
{
    AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), SW_SHOWNORMAL);
    InitGridLibraryWithDefaultFactory();
    CWnd owner;
    owner.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1)),
                   "Einfügen", WS_POPUP | WS_VISIBLE, CRect(0, 0, 800, 600), NULL, 0);
    std::string text;
    char sz[64];
    std::vector<SortBenchRow> rows = MakeSortBenchRows(kRows);
    for (unsigned r = 0; r < kRows; r++)
    {
        const SortBenchRow& row = rows[r];
        sprintf(sz, "%ld\t", row.nNumber);
        text += sz + row.strWord1 + "\t";
        sprintf(sz, "%u\t", r + 1);
        text += sz + row.strWord2 + "\t";
        sprintf(sz, "%.3f\r\n", row.dFraction);
        text += sz;
    }
    PutTextOnClipboard(owner, text);
    const double dCells = (double)kRows * kCols;

    // The undo record: the paste with undo recording off, then on.
    SIZE_T nOff, nOn;
    {
        SIZE_T nBefore = PrivateBytes();
        PasteGrid p(owner, FALSE);
        p.grid.Paste();
        nOff = PrivateBytes() - nBefore;
    }
    {
        SIZE_T nBefore = PrivateBytes();
        PasteGrid p(owner, TRUE);
        p.grid.Paste();
        nOn = PrivateBytes() - nBefore;
    }
    double dPerCell = ((double)nOn - (double)nOff) / dCells;

    // The timings and the cycles.
    PasteGrid p(owner, TRUE);
    SIZE_T anCycle[3] = {};
    double dPaste = 0, dUndo = 0, dRedo = 0, dUndo2 = 0;
    for (int i = 0; i < 3; i++)
    {
        double a = p.Timed([&] { p.grid.Paste(); });
        double b = p.Timed([&] { p.grid.Undo(); });
        double c = p.Timed([&] { p.grid.Redo(); });
        double d = p.Timed([&] { p.grid.Undo(); });
        if (i == 0)
        {
            dPaste = a;
            dUndo = b;
            dRedo = c;
            dUndo2 = d;
        }
        anCycle[i] = PrivateBytes();
    }
    printf("rows after the cycles: %lu (10 expected)\n", (unsigned long)p.grid.GetRowCount());
    printf("paste=%.1f ms\n", dPaste);
    const struct
    {
        const char* name;
        double ms;
    } steps[] = {{"undo", dUndo}, {"redo", dRedo}, {"undo2", dUndo2}};
    for (const auto& s : steps)
        printf("%s=%.1f ms (%.2f x paste) %s\n", s.name, s.ms, s.ms / dPaste,
               Verdict(s.ms <= 1500 && s.ms <= 1.5 * dPaste));
    printf("undo record=%.0f bytes per cell (on %lu, off %lu) %s\n", dPerCell, (unsigned long)nOn,
           (unsigned long)nOff, Verdict(dPerCell <= 400));
    for (int i = 1; i < 3; i++)
    {
        double dRatio = (double)anCycle[i] / (double)anCycle[0];
        printf("cycle %d private bytes=%lu (%.3f x the first) %s\n", i + 1, (unsigned long)anCycle[i], dRatio,
               Verdict(dRatio <= 1.05 && dRatio >= 0.95));
    }
    owner.DestroyWindow();
    return 0;
}
