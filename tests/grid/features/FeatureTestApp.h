// The application object of the grid feature tests and a grid window on the screen.
#pragma once
#include "grid/core/GridWnd.h"
#include <memory>

// Starts the library once with the default factory.
void EnsureGridLibrary();

// A visible top-level window holding one grid window of the given client size.
struct GridWindow
{
    GridWindow(int cx, int cy);
    ~GridWindow();
    CWnd parent;
    std::unique_ptr<CGXGridWnd> grid;
};
