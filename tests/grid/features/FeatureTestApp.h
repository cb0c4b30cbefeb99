// The application object of the grid feature tests and a grid window on the screen.
#pragma once
#include "grid/core/GridWnd.h"
#include "tests/grid/GridTestWindow.h"
#include <memory>

// A visible top-level window holding one initialised grid window of the given client size.
struct GridWindow : GridWindowOf<CGXGridWnd>
{
    GridWindow(int cx, int cy) : GridWindowOf(cx, cy)
    {
        grid->OnGridInitialUpdate();
    }
};
