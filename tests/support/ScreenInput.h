// Input through the system's queue and what the screen shows, for tests of controls that react
// to real clicks and keys.
#pragma once
#include "afxwin.h"
#include <vector>

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

// The client area of a window as drawn, children included, copied once: what the user sees.
class ClientPicture
{
  public:
    explicit ClientPicture(HWND hWnd);
    COLORREF At(int x, int y) const;
    int Width() const
    {
        return m_cx;
    }
    int Height() const
    {
        return m_cy;
    }
    // How many pixels of the rectangle (clipped to the client area) are not the colour given.
    int CountOther(const RECT& rect, COLORREF colour) const;
    // How many columns of the rectangle hold a pixel that is not the colour given.
    int ColumnsOther(const RECT& rect, COLORREF colour) const;
    // The picture after its content moved dx pixels to the left (right when negative): how many
    // pixels of the area that stayed in view differ from where they stood before; the pixels
    // compared are counted into nCompared.
    int DiffersFromMoved(const ClientPicture& before, const RECT& area, int dx, int& nCompared) const;

  private:
    RECT Clip(const RECT& rect) const;
    int m_cx = 0;
    int m_cy = 0;
    std::vector<DWORD> m_bits;
};

} // namespace testing_support
