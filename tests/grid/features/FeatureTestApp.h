// The application object of the grid feature tests and a grid window on the screen.
#pragma once
#include "grid/core/GridWnd.h"
#include "tests/grid/GridTestWindow.h"
#include <memory>
#include <vector>

// A visible top-level window holding one initialised grid window of the given client size.
struct GridWindow : GridWindowOf<CGXGridWnd>
{
    GridWindow(int cx, int cy) : GridWindowOf(cx, cy)
    {
        grid->OnGridInitialUpdate();
    }
};

// Every third pixel of a window's client area as the screen shows it.
std::vector<COLORREF> SampleClient(CWnd* pWnd);
// Whether the window shows what a fresh paint of it shows.
bool ShowsFreshPaint(CWnd* pWnd);
