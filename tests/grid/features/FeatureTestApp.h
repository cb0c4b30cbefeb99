// The application object of the grid feature tests, a grid window on the screen and real input
// for it.
#pragma once
#include "grid/core/GridWnd.h"
#include "tests/grid/GridPixels.h"
#include "tests/grid/GridTestWindow.h"
#include <memory>
#include <string>

// A visible top-level window holding one initialised grid window of the given client size.
struct GridWindow : GridWindowOf<CGXGridWnd>
{
    GridWindow(int cx, int cy) : GridWindowOf(cx, cy)
    {
        grid->OnGridInitialUpdate();
    }
    // The screen point at the centre of a cell.
    CPoint CellCenter(ROWCOL nRow, ROWCOL nCol)
    {
        CPoint pt = grid->CalcCellRect(nRow, nCol).CenterPoint();
        grid->ClientToScreen(&pt);
        return pt;
    }
    // TRUE when the screen shows what a fresh paint of the grid's state draws.
    bool ShowsFreshPaint()
    {
        grid->UpdateWindow();
        Pixels shown = CaptureClient(grid.get()), fresh = RenderGrid(grid.get(), grid.get());
        return shown.px == fresh.px;
    }
};

// Whether the window shows what a fresh paint of it shows.
bool ShowsFreshPaint(CWnd* pWnd);
// Holds (bDown) or lets go a key through the system's input queue.
void SendKeyState(WORD vk, bool bDown);
// Presses and releases a key with Ctrl and Shift held as asked, then lets the windows see it.
void PressKey(WORD vk, bool bCtrl = false, bool bShift = false);
// A left click at a screen point with Ctrl and Shift held as asked.
void ClickAt(CPoint pt, bool bCtrl = false, bool bShift = false);
// A left-button drag through the given screen points.
void DragThrough(std::initializer_list<CPoint> points);
