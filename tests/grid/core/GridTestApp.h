// The application object of the grid core tests and the helpers that put a grid on the screen:
// a top-level parent, a grid window inside it, and pixel captures of windows and renders.
#pragma once
#include "grid/core/GridWnd.h"
#include "tests/grid/GridPixels.h"
#include "tests/grid/GridTestWindow.h"
#include "GridTestIds.h"
#include <gtest/gtest.h>
#include <memory>

class CGridTestApp : public CWinApp
{
  public:
    CGridTestApp() : CWinApp(_T("HelvonGridTest"))
    {
    }
};

// A visible top-level window holding one grid window of the given client size (later tests may
// start the library again).
using GridWindow = GridWindowOf<CGXGridWnd>;
