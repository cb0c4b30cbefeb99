// The application object of the grid core tests and the helpers that put a grid on the screen:
// a top-level parent, a grid window inside it, and pixel captures of windows and renders.
#pragma once
#include "grid/core/GridWnd.h"
#include "tests/grid/GridTestWindow.h"
#include "GridTestIds.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

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

// The pixels of a rectangle of a window's client area, as the screen shows it (0x00RRGGBB).
struct Pixels
{
    int cx = 0, cy = 0;
    std::vector<DWORD> px;
    // Outside the capture the test fails: a wrong layout must not read a neighbouring row.
    DWORD At(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= cx || y >= cy)
        {
            ADD_FAILURE() << "pixel (" << x << ", " << y << ") outside the " << cx << " x " << cy
                          << " capture";
            return 0xFFFFFFFF;
        }
        return px[(size_t)y * cx + x];
    }
};
Pixels CaptureClient(CWnd* pWnd);
// Pixels of a DC's selected bitmap in a rectangle.
Pixels CaptureDC(CDC* pDC, const CRect& rect);
// Renders the grid's whole client area into a memory bitmap through its paint entry.
Pixels RenderGrid(CGXGridCore* pGrid, CWnd* pWnd);
DWORD ToRGB(COLORREF cr);
