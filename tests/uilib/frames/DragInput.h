// Real input queued for the modal drag loops of the frames tests: nothing is pumped here, so the
// loop that a press starts finds the rest of the drag already waiting in the queue.
#pragma once
#include <windows.h>
#include <algorithm>

namespace drag_input
{
// A button event, or with a point also a move there (kept on the screen).
inline void SendMouse(DWORD dwFlags, const POINT* pScreen = NULL)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = dwFlags;
    if (pScreen != NULL)
    {
        const LONG x = std::max<LONG>(0, pScreen->x), y = std::max<LONG>(0, pScreen->y);
        in.mi.dx = x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
        in.mi.dy = y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
        in.mi.dwFlags |= MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    }
    ::SendInput(1, &in, sizeof(INPUT));
}

inline void SendKey(WORD vk, bool bUp)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &in, sizeof(INPUT));
}

// Ends a drag whose input went missing, so a fault fails the test instead of hanging it.
inline VOID CALLBACK DropCapture(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(NULL, nIDEvent);
    ::ReleaseCapture();
}
} // namespace drag_input
