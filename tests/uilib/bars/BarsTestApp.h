// The application of the bar-library tests and their input helpers: real mouse and keyboard
// input through the system's queue.
#pragma once
#include "afxwin.h"
#include "afxdlgs.h"
#include "BarsTestIds.h"

class CBarsTestApp : public CWinApp
{
  public:
    CBarsTestApp() : CWinApp(_T("HelvonBarsTest"))
    {
    }
};

// A full click at a screen point.
void ClickAt(POINT screen);
// One key pressed and released through the system's queue.
void SendKey(WORD vk);
// The centre of a window, in screen coordinates.
POINT CentreOf(HWND hWnd);
// A pixel of a window's client area as shown on the screen.
COLORREF ScreenPixel(HWND hWnd, int x, int y);
