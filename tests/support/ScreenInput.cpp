#include "ScreenInput.h"
#include "TestSupport.h"

namespace testing_support
{

void ClickAt(POINT screen)
{
    MoveMouseTo(screen);
    SendLeftButton(true);
    SendLeftButton(false);
}

void SendKey(WORD vk)
{
    INPUT in[2] = {};
    for (int i = 0; i < 2; i++)
    {
        in[i].type = INPUT_KEYBOARD;
        in[i].ki.wVk = vk;
        in[i].ki.dwFlags = i == 1 ? KEYEVENTF_KEYUP : 0;
    }
    ::SendInput(2, in, sizeof(INPUT));
    PumpMessages(50);
}

POINT CentreOf(HWND hWnd)
{
    RECT rect;
    ::GetWindowRect(hWnd, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

COLORREF ScreenPixel(HWND hWnd, int x, int y)
{
    HDC hDC = ::GetDC(hWnd);
    COLORREF color = ::GetPixel(hDC, x, y);
    ::ReleaseDC(hWnd, hDC);
    return color;
}

} // namespace testing_support
