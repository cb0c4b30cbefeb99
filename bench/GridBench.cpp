// Painting and scrolling speed of a large grid window over the whole screen, against the same
// cells drawn with plain GDI into a memory bitmap and copied, and the optimised update against the
// full redraw. Each figure is the median of five rounds, ours and the baseline measured in the same
// round; the program prints each figure with its goal and ends with 1 when one is missed. Run under
// Xvfb (1280 x 1024):
//   wine grid_bench.exe [paint|update|mix]   (one part alone, for profiling)
#include "grid/factory/ControlFactory.h"
#include "grid/core/GridWnd.h"
#include "grid/core/Data.h"
#include "grid/core/GridParam.h"
#include "grid/core/Style.h"
#include "GridIds.h"
#include "WinApp.h"
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace
{
class CBenchApp : public CWinApp
{
  public:
    CBenchApp() : CWinApp(_T("HelvonGridBench"))
    {
    }
};
CBenchApp theApp;

const ROWCOL kRows = 65535;
const ROWCOL kCols = 257;
const ROWCOL kFilledCols = 26;
const int kFrames = 30;
const int kRounds = 5;

double Now()
{
    LARGE_INTEGER f, c;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&c);
    return (double)c.QuadPart / (double)f.QuadPart;
}

void Pump()
{
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Milliseconds of each call of the step, median over the count.
double MedianMs(int nCount, const std::function<void()>& step)
{
    std::vector<double> times;
    for (int i = 0; i < nCount; i++)
    {
        double t = Now();
        step();
        times.push_back((Now() - t) * 1000);
    }
    return Median(times);
}

void CellText(ROWCOL nRow, ROWCOL nCol, char* psz)
{
    wsprintfA(psz, "%lu", (unsigned long)(nRow * 100 + nCol));
}

// The column name shown in the header: bijective base 26.
void ColumnName(ROWCOL nCol, char* psz)
{
    char buf[8];
    int n = 0;
    for (; nCol > 0; nCol = (nCol - 1) / 26)
        buf[n++] = (char)('A' + (nCol - 1) % 26);
    for (int i = 0; i < n; i++)
        psz[i] = buf[n - 1 - i];
    psz[n] = 0;
}

// Full paint of the grid at a position: invalidate, then time until UpdateWindow returns.
double FullFrame(CGXGridWnd& grid, ROWCOL nTop, ROWCOL nLeft)
{
    grid.SetTopRow(nTop, GX_NOREDRAW);
    grid.SetLeftCol(nLeft, GX_NOREDRAW);
    grid.Invalidate();
    grid.UpdateWindow();
    return MedianMs(kFrames, [&] {
        grid.Invalidate();
        grid.UpdateWindow();
    });
}

// The visible cells of the grid at its current position, drawn with plain GDI as the grid does
// (header faces, texts in the grid's font, one-pixel line fills) into a bitmap, then copied.
double Baseline(CGXGridWnd& grid, int* pnCells)
{
    CRect rectClient;
    grid.GetClientRect(&rectClient);
    ROWCOL nBottom = grid.GetBottomVisibleRow();
    ROWCOL nRight = grid.GetRightVisibleCol();
    struct Cell
    {
        ROWCOL nRow, nCol;
        CRect rect;
    };
    std::vector<Cell> cells;
    for (ROWCOL r = 0; r <= nBottom; r = r == 0 ? grid.GetTopRow() : r + 1)
        for (ROWCOL c = 0; c <= nRight; c = c == 0 ? grid.GetLeftCol() : c + 1)
            cells.push_back({r, c, grid.CalcCellRect(r, c)});
    *pnCells = (int)cells.size();

    CGXFont font;
    grid.LookupStyleRowCol(1, 1).GetFont(font);
    HFONT hFont = (HFONT)grid.LookupFont(font, grid.GetZoom())->GetSafeHandle();
    COLORREF crFace = ::GetSysColor(COLOR_BTNFACE), crWindow = ::GetSysColor(COLOR_WINDOW);
    COLORREF crLine = RGB(192, 192, 192);

    HDC hdcWnd = ::GetDC(grid.m_hWnd);
    double ms = MedianMs(kFrames, [&] {
        HDC hdc = ::CreateCompatibleDC(hdcWnd);
        HBITMAP hbm = ::CreateCompatibleBitmap(hdcWnd, rectClient.Width(), rectClient.Height());
        HGDIOBJ hOldBm = ::SelectObject(hdc, hbm);
        HGDIOBJ hOldFont = ::SelectObject(hdc, hFont);
        ::SetBkMode(hdc, TRANSPARENT);
        char sz[16];
        for (const Cell& cell : cells)
        {
            BOOL bHeader = cell.nRow == 0 || cell.nCol == 0;
            CRect rect = cell.rect;
            ::SetBkColor(hdc, bHeader ? crFace : crWindow);
            ::ExtTextOutA(hdc, 0, 0, ETO_OPAQUE, &rect, NULL, 0, NULL);
            if (cell.nRow == 0 && cell.nCol == 0)
                sz[0] = 0;
            else if (cell.nRow == 0)
                ColumnName(cell.nCol, sz);
            else if (cell.nCol == 0)
                wsprintfA(sz, "%lu", (unsigned long)cell.nRow);
            else if (cell.nCol <= kFilledCols)
                CellText(cell.nRow, cell.nCol, sz);
            else
                sz[0] = 0;
            if (sz[0] != 0)
            {
                CRect rectText(rect.left + 2, rect.top + 1, rect.right - 2, rect.bottom - 1);
                ::DrawTextA(hdc, sz, -1, &rectText,
                            DT_SINGLELINE | DT_NOPREFIX |
                                (bHeader ? DT_CENTER | DT_VCENTER : DT_RIGHT | DT_TOP));
            }
            // The lines right and below, as fills.
            ::SetBkColor(hdc, crLine);
            CRect rectLine(rect.right - 1, rect.top, rect.right, rect.bottom);
            ::ExtTextOutA(hdc, 0, 0, ETO_OPAQUE, &rectLine, NULL, 0, NULL);
            rectLine.SetRect(rect.left, rect.bottom - 1, rect.right, rect.bottom);
            ::ExtTextOutA(hdc, 0, 0, ETO_OPAQUE, &rectLine, NULL, 0, NULL);
        }
        ::BitBlt(hdcWnd, 0, 0, rectClient.Width(), rectClient.Height(), hdc, 0, 0, SRCCOPY);
        ::GdiFlush();
        ::SelectObject(hdc, hOldFont);
        ::SelectObject(hdc, hOldBm);
        ::DeleteObject(hbm);
        ::DeleteDC(hdc);
    });
    ::ReleaseDC(grid.m_hWnd, hdcWnd);
    grid.Invalidate();
    grid.UpdateWindow();
    return ms;
}

// Scrolls of a number of rows from row 1, each timed until UpdateWindow returns.
double Scrolls(CGXGridWnd& grid, int nCount, ROWCOL nRows)
{
    grid.SetTopRow(1, GX_NOREDRAW);
    grid.SetLeftCol(1, GX_NOREDRAW);
    grid.Invalidate();
    grid.UpdateWindow();
    return MedianMs(nCount, [&] {
        if (grid.GetTopRow() >= grid.CalcMaxTopRow())
            grid.SetTopRow(1, GX_NOREDRAW);
        grid.DoScroll(GX_DOWN, nRows);
        grid.UpdateWindow();
    });
}

// The changes the optimised update serves at row 30,000, each of nCount timed until UpdateWindow
// returns: one row inserted among the visible ones and removed again, a row height +10 and back,
// a column width +20 and back, 5 rows inserted above the top row.
struct UpdateTimes
{
    double insert, remove, height, width, above;
};

UpdateTimes OptimizedUpdates(CGXGridWnd& grid, int nCount)
{
    grid.SetTopRow(30000, GX_NOREDRAW);
    grid.SetLeftCol(1, GX_NOREDRAW);
    grid.Invalidate();
    grid.UpdateWindow();
    const ROWCOL nRow = 30005;
    const ROWCOL nCol = 5;
    const int nHeight = grid.GetRowHeight(nRow), nWidth = grid.GetColWidth(nCol);
    std::vector<double> insert, remove, height, width, above;
    auto timed = [](std::vector<double>& v, const std::function<void()>& step) {
        double t = Now();
        step();
        v.push_back((Now() - t) * 1000);
    };
    for (int i = 0; i < nCount; i++)
    {
        timed(insert, [&] {
            grid.InsertRows(nRow, 1, NULL, NULL, NULL, 0, GX_UPDATENOW);
            grid.UpdateWindow();
        });
        timed(remove, [&] {
            grid.RemoveRows(nRow, nRow, GX_UPDATENOW);
            grid.UpdateWindow();
        });
        for (int nSize : {nHeight + 10, nHeight})
            timed(height, [&] {
                grid.SetRowHeight(nRow, nRow, nSize, NULL, GX_UPDATENOW);
                grid.UpdateWindow();
            });
        for (int nSize : {nWidth + 20, nWidth})
            timed(width, [&] {
                grid.SetColWidth(nCol, nCol, nSize, NULL, GX_UPDATENOW);
                grid.UpdateWindow();
            });
        timed(above, [&] {
            grid.InsertRows(100, 5, NULL, NULL, NULL, 0, GX_UPDATENOW);
            grid.UpdateWindow();
        });
        grid.RemoveRows(100, 104, GX_UPDATENOW);
        grid.UpdateWindow();
        Pump();
    }
    return {Median(insert), Median(remove), Median(height), Median(width), Median(above)};
}

bool g_bMissed = false;

const char* Verdict(bool bOk)
{
    g_bMissed |= !bOk;
    return bOk ? "ok" : "MISSED";
}

// The median over the rounds of each field of the rounds' update times.
UpdateTimes MedianOf(const std::vector<UpdateTimes>& v)
{
    auto m = [&](double UpdateTimes::*p) {
        std::vector<double> a;
        for (const UpdateTimes& u : v)
            a.push_back(u.*p);
        return Median(a);
    };
    return {m(&UpdateTimes::insert), m(&UpdateTimes::remove), m(&UpdateTimes::height), m(&UpdateTimes::width),
            m(&UpdateTimes::above)};
}

// The optimised update with undo recording on or off, each round beside the full redraw (the
// grid without the component) under the same setting.
void OptimizedUpdateRounds(CGXGridWnd& grid, BOOL bUndo, UpdateTimes& opt, UpdateTimes& full)
{
    grid.GetParam()->SetUndoEnabled(bUndo);
    std::vector<UpdateTimes> vOpt, vFull;
    CGXAbstractGridOptimizedUpdateImp* pImp = grid.m_pOptimizedUpdateImp;
    for (int i = 0; i < kRounds; i++)
    {
        vOpt.push_back(OptimizedUpdates(grid, 40));
        grid.m_pOptimizedUpdateImp = NULL;
        vFull.push_back(OptimizedUpdates(grid, 40));
        grid.m_pOptimizedUpdateImp = pImp;
        grid.GetParam()->ClearUndoList();
        grid.GetParam()->ClearRedoList();
    }
    opt = MedianOf(vOpt);
    full = MedianOf(vFull);
}
} // namespace

int main(int argc, char** argv)
{
    auto part = [&](const char* psz) { return argc < 2 || strcmp(argv[1], psz) == 0; };
    AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), SW_SHOWNORMAL);
    InitGridLibraryWithDefaultFactory();
    int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    CWnd owner;
    owner.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1)),
                   "Messung", WS_POPUP | WS_VISIBLE, CRect(0, 0, cx, cy), NULL, 0);
    CGXGridWnd grid;
    grid.Create(WS_VISIBLE | WS_CHILD, CRect(0, 0, cx, cy), &owner, 100);
    ::SetForegroundWindow(owner.m_hWnd);
    grid.OnGridInitialUpdate();
    grid.SetPaintMode(1);

    double t = Now();
    grid.SetRowCount(kRows, GX_NOREDRAW);
    grid.SetColCount(kCols, GX_NOREDRAW);
    CGXData* pData = grid.GetParam()->GetData();
    char sz[16];
    for (ROWCOL r = 1; r <= kRows; r++)
        for (ROWCOL c = 1; c <= kFilledCols; c++)
        {
            CellText(r, c, sz);
            pData->StoreValueRowCol(r, c, sz, gxOverride, 0);
        }
    double fill = Now() - t;
    grid.Invalidate();
    grid.UpdateWindow();
    Pump();

    printf("grid %lu x %lu over %d x %d, filled in %.2f s; medians of %d rounds\n", (unsigned long)kRows,
           (unsigned long)kCols, cx, cy, fill, kRounds);
    grid.SetTopRow(1, GX_NOREDRAW);
    ROWCOL nPage = std::max<ROWCOL>(1, grid.GetBottomVisibleRow() - grid.GetTopRow());
    int nCells = 0;
    std::vector<double> vFirst, vBase, vMiddle, vLast, vRight, vLine, vPage;
    for (int i = 0; i < kRounds && part("paint"); i++)
    {
        vBase.push_back(Baseline(grid, &nCells));
        vFirst.push_back(FullFrame(grid, 1, 1));
        vMiddle.push_back(FullFrame(grid, 32000, 1));
        vLast.push_back(FullFrame(grid, grid.CalcMaxTopRow(), 1));
        vRight.push_back(FullFrame(grid, 1, 240));
        vLine.push_back(Scrolls(grid, 200, 1));
        vPage.push_back(Scrolls(grid, 60, nPage));
    }
    double base = Median(vBase), first = Median(vFirst), middle = Median(vMiddle), last = Median(vLast);
    double line = Median(vLine);

    if (part("paint"))
    {
        printf("plain GDI baseline, %d cells        %6.2f ms\n", nCells, base);
        printf("full frame at row 1                 %6.2f ms  %s (1.5 x baseline: %.2f x)\n", first,
               Verdict(base > 0 && first <= 1.5 * base), base > 0 ? first / base : 0);
        printf("full frame at row 32,000            %6.2f ms  %s (1.25 x first)\n", middle,
               Verdict(middle <= 1.25 * first));
        printf("full frame at the last rows         %6.2f ms  %s (1.25 x first)\n", last,
               Verdict(last <= 1.25 * first));
        printf("full frame at column 240            %6.2f ms\n", Median(vRight));
        printf("one-row scroll, median of 200       %6.2f ms  %s (1 ms)\n", line, Verdict(line <= 1));
        printf("page scroll (%lu rows), median of 60  %6.2f ms\n", (unsigned long)nPage, Median(vPage));
    }

    // The optimised update against the engine's full redraw without the component: with undo
    // recording on (the sizes of removed rows are kept, which the component needs) and off.
    for (BOOL bUndo : {TRUE, FALSE})
    {
        if (!part("update"))
            break;
        UpdateTimes opt, full;
        OptimizedUpdateRounds(grid, bUndo, opt, full);
        printf("optimised update, undo %s:\n", bUndo ? "on" : "off");
        struct
        {
            const char* what;
            double opt, full;
        } updates[] = {{"row inserted among the visible", opt.insert, full.insert},
                       {"row removed among the visible ", opt.remove, full.remove},
                       {"row height +10 and back      ", opt.height, full.height},
                       {"column width +20 and back    ", opt.width, full.width},
                       {"5 rows inserted above the top", opt.above, full.above}};
        for (const auto& u : updates)
            printf("  %s  %6.2f ms  %s (6 ms, half of %.2f ms without optimised update)\n", u.what, u.opt,
                   Verdict(u.opt <= 6 && u.opt <= u.full / 2), u.full);
        printf("  5 rows inserted above the top  %6.2f ms  %s (1 ms)\n", opt.above, Verdict(opt.above <= 1));
    }
    grid.GetParam()->SetUndoEnabled(FALSE);

    // The profile table's mix: the filled columns cycle through check box, spin edit, combo box
    // and static cells holding the same texts; the baseline draws those texts as before.
    const WORD anMix[] = {GX_IDS_CTRL_CHECKBOX3D, GX_IDS_CTRL_SPINEDIT, GX_IDS_CTRL_TEXTFIT,
                          GX_IDS_CTRL_STATIC};
    for (ROWCOL c = 1; c <= kFilledCols; c++)
    {
        CGXStyle style;
        style.SetControl(anMix[(c - 1) % 4]);
        grid.SetStyleRange(CGXCellRange().SetCols(c, c), &style, gxOverride, 0, NULL, GX_NOREDRAW);
    }
    std::vector<double> vMix, vMixBase, vMixPage;
    for (int i = 0; i < kRounds && part("mix"); i++)
    {
        vMixBase.push_back(Baseline(grid, &nCells));
        vMix.push_back(FullFrame(grid, 1, 1));
        vMixPage.push_back(Scrolls(grid, 60, nPage));
    }
    double mix = Median(vMix), mixBase = Median(vMixBase), mixPage = Median(vMixPage);
    if (part("mix"))
    {
        printf("control mix: plain GDI baseline     %6.2f ms\n", mixBase);
        printf("control mix: full frame at row 1    %6.2f ms  %s (16 ms, 4 x baseline: %.1f x)\n", mix,
               Verdict(mix <= 16 && mix <= 4 * mixBase), mixBase > 0 ? mix / mixBase : 0);
        printf("control mix: page scroll, median    %6.2f ms  %s (16 ms, 4 x baseline: %.1f x)\n", mixPage,
               Verdict(mixPage <= 16 && mixPage <= 4 * mixBase), mixBase > 0 ? mixPage / mixBase : 0);
    }

    grid.DestroyWindow();
    owner.DestroyWindow();
    printf("%s\n", g_bMissed ? "goals missed" : "all goals met");
    return g_bMissed ? 1 : 0;
}
