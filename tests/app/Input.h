// Real input for the dialog tests, and a message pump that goes through the framework's
// pre-translation as the program's own loop does (dialog keys, the Enter rule).
#pragma once
#include "TestSupport.h"
#include "afxwin.h"
#include "WinThread.h"

namespace dialogs_test
{
// Dispatches this thread's messages for about ms milliseconds, each through PreTranslateMessage.
inline void FrameworkPump(DWORD ms)
{
    const ULONGLONG start = testing_support::NowMs();
    for (;;)
    {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE))
            AfxInternalPumpMessage();
        const ULONGLONG elapsed = testing_support::NowMs() - start;
        if (elapsed >= ms)
            break;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, (DWORD)(ms - elapsed), QS_ALLINPUT);
    }
}

inline void PressKey(WORD vk)
{
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = vk;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, in, sizeof(INPUT));
    FrameworkPump(50);
}

// A click of the left (or right) button at a screen point, with the key vkHeld (Ctrl, Shift)
// held when given. Press and release go in one call: a close box or a menu tracks the button
// in a loop of its own. Two clicks closer than the double-click time would make a double
// click (a bitmap button takes it for no click at all), so each waits for that time to pass,
// counted from when the last click was queued: moving the mouse takes long on a loaded machine.
inline void ClickAt(POINT pt, bool bRight = false, WORD vkHeld = 0)
{
    static ULONGLONG s_lastClick = 0;
    const ULONGLONG nGap = ::GetDoubleClickTime() + 50;
    const ULONGLONG nSince = testing_support::NowMs() - s_lastClick;
    if (nSince < nGap)
        FrameworkPump((DWORD)(nGap - nSince));
    testing_support::MoveMouseTo(pt);
    INPUT in[4] = {};
    UINT n = 0;
    if (vkHeld != 0)
    {
        in[n].type = INPUT_KEYBOARD;
        in[n++].ki.wVk = vkHeld;
    }
    in[n].type = INPUT_MOUSE;
    in[n++].mi.dwFlags = bRight ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    in[n].type = INPUT_MOUSE;
    in[n++].mi.dwFlags = bRight ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    if (vkHeld != 0)
    {
        in[n].type = INPUT_KEYBOARD;
        in[n].ki.wVk = vkHeld;
        in[n++].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    ::SendInput(n, in, sizeof(INPUT));
    s_lastClick = testing_support::NowMs();
    FrameworkPump(50);
    // A loaded machine may not have handled the click yet: wait until this thread's queue
    // holds no button message.
    const ULONGLONG start = testing_support::NowMs();
    while (HIWORD(::GetQueueStatus(QS_MOUSEBUTTON)) != 0 && testing_support::NowMs() - start < 2000)
        FrameworkPump(20);
}

inline void ClickControl(CWnd* pDialog, UINT nID, bool bRight = false)
{
    CRect rc;
    pDialog->GetDlgItem(nID)->GetWindowRect(&rc);
    ClickAt(rc.CenterPoint(), bRight);
}
} // namespace dialogs_test
