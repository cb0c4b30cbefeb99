// What the tab strip and tab window tests share: a top-level window recording the strip's
// messages, keys sent through the system's queue and a message pump that runs the windows'
// pre-translation as the application's loop does.
#pragma once
#include "afxwin.h"
#include "TestSupport.h"
#include "uilib/bars/TabControlBase.h"
#include <vector>

// One message the recorder received, with a copy of the notification record.
struct TabMessage
{
    UINT message;
    WPARAM wParam;
    SECTabNotify notify;
};

class CTabRecorder : public CWnd
{
  public:
    CTabRecorder()
    {
        CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1)),
                 "Tabs", WS_POPUP | WS_VISIBLE | WS_CAPTION, CRect(40, 40, 640, 440), NULL, 0);
        ::SetForegroundWindow(m_hWnd);
    }
    ~CTabRecorder() override
    {
        DestroyWindow();
    }
    std::vector<TabMessage> m_messages;

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= TCM_TABSEL && message <= TCM_TABREACTIVATE)
        {
            TabMessage m = {message, wParam, {}};
            if (message == TCM_TABSEL && lParam != 0)
                m.notify = *reinterpret_cast<SECTabNotify*>(lParam);
            m_messages.push_back(m);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// Dispatches messages with the pre-translation of the windows below hTop for about ms.
inline void PumpTranslated(HWND hTop, DWORD ms)
{
    ULONGLONG start = testing_support::NowMs();
    while (testing_support::NowMs() - start < ms)
    {
        MSG msg;
        while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
            if (!CWnd::WalkPreTranslateTree(hTop, &msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessage(&msg);
            }
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
    }
}

// Presses the keys in order and releases them in reverse, in one batch, then pumps.
inline void PressKeys(HWND hTop, std::initializer_list<WORD> keys)
{
    std::vector<INPUT> in;
    for (WORD vk : keys)
    {
        INPUT i = {};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = vk;
        in.push_back(i);
    }
    for (auto it = keys.end(); it != keys.begin();)
    {
        INPUT i = {};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = *--it;
        i.ki.dwFlags = KEYEVENTF_KEYUP;
        in.push_back(i);
    }
    ::SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
    PumpTranslated(hTop, 150);
}
