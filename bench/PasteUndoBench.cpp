// Pasting 20,000 x 5 cells (100,000) of CF_TEXT into a 10-row grid window, then Undo, Redo and
// Undo, each timed until the window is updated (goals: each at most 1.5 s, each undo at most 1.5 x
// the paste; each the median of ten rounds); the undo record's size per cell (private bytes after
// the paste with undo recording on minus off, the bytes in use on the heaps; goal at most 400
// bytes); and the heap bytes in use at the end of each of the ten paste/Undo/Redo/Undo rounds,
// which must stay within 5 % of the first round's. Ends with 1 when a goal is missed.
//   wine paste_undo_bench.exe
#include "bench/BenchSupport.h"
#include "bench/SortBenchData.h"
#include "grid/factory/ControlFactory.h"
#include "grid/core/GridParam.h"
#include "grid/core/GridWnd.h"
#include "WinApp.h"
#include <psapi.h>
#include <cmath>
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

const unsigned kRows = 20000, kCols = 5;
const int kRounds = 10;

// The bytes held in live blocks of all the process's heaps (Wine reports no private bytes).
SIZE_T PrivateBytes()
{
    HANDLE ahHeaps[64];
    DWORD nHeaps = ::GetProcessHeaps(64, ahHeaps);
    SIZE_T nBytes = 0;
    for (DWORD i = 0; i < nHeaps && i < 64; i++)
    {
        if (!::HeapLock(ahHeaps[i]))
            continue;
        PROCESS_HEAP_ENTRY e = {};
        while (::HeapWalk(ahHeaps[i], &e))
            if (e.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                nBytes += e.cbData;
        ::HeapUnlock(ahHeaps[i]);
    }
    return nBytes;
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

bool g_bMissed = false;

const char* Verdict(bool bOk)
{
    g_bMissed |= !bOk;
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

    // The timings and the rounds.
    PasteGrid p(owner, TRUE);
    SIZE_T anRound[kRounds] = {};
    std::vector<double> paste, undo, redo, undo2;
    for (int i = 0; i < kRounds; i++)
    {
        paste.push_back(p.Timed([&] { p.grid.Paste(); }));
        undo.push_back(p.Timed([&] { p.grid.Undo(); }));
        redo.push_back(p.Timed([&] { p.grid.Redo(); }));
        undo2.push_back(p.Timed([&] { p.grid.Undo(); }));
        anRound[i] = PrivateBytes();
    }
    double dPaste = BenchMedian(paste);
    printf("rows after the rounds: %lu (10 expected) %s\n", (unsigned long)p.grid.GetRowCount(),
           Verdict(p.grid.GetRowCount() == 10));
    printf("paste=%.1f ms %s (1500 ms)\n", dPaste, Verdict(dPaste <= 1500));
    const struct
    {
        const char* name;
        double ms, limit;
    } steps[] = {{"undo", BenchMedian(undo), 1.5 * dPaste},
                 {"redo", BenchMedian(redo), 1500},
                 {"undo2", BenchMedian(undo2), 1.5 * dPaste}};
    for (const auto& s : steps)
        printf("%s=%.1f ms (%.2f x paste) %s\n", s.name, s.ms, s.ms / dPaste,
               Verdict(s.ms <= 1500 && s.ms <= s.limit));
    printf("undo record=%.0f bytes per cell (on %lu, off %lu) %s (400)\n", dPerCell, (unsigned long)nOn,
           (unsigned long)nOff, Verdict(nOff > 0 && dPerCell <= 400));
    double dWorst = 1;
    for (int i = 1; i < kRounds; i++)
    {
        double dRatio = (double)anRound[i] / (double)anRound[0];
        if (std::fabs(dRatio - 1) > std::fabs(dWorst - 1))
            dWorst = dRatio;
    }
    printf("heap bytes after round 1=%lu, after round %d=%lu; farthest %.3f x the first %s (5 %%)\n",
           (unsigned long)anRound[0], kRounds, (unsigned long)anRound[kRounds - 1], dWorst,
           Verdict(anRound[0] > 0 && dWorst <= 1.05 && dWorst >= 0.95));
    owner.DestroyWindow();
    printf("%s\n", g_bMissed ? "goals missed" : "all goals met");
    return g_bMissed ? 1 : 0;
}
