// Input through the system's queue and what the screen shows, for tests of controls that react
// to real clicks and keys.
#pragma once
#include "afxwin.h"

namespace testing_support
{

// A full click at a screen point.
void ClickAt(POINT screen);
// One key pressed and released through the system's queue.
void SendKey(WORD vk);
// The centre of a window, in screen coordinates.
POINT CentreOf(HWND hWnd);
// A pixel of a window's client area as shown on the screen.
COLORREF ScreenPixel(HWND hWnd, int x, int y);

} // namespace testing_support
