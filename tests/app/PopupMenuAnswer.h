// Chooses a command from the next popup menu of this thread while the menu's own loop runs: a
// thread timer (the menu loop dispatches it) finds the menu window, notes the item's state and
// clicks the item by real input. A menu still open a second after the click (a greyed item
// keeps it open) is closed with Escape, so no test waits in the menu's loop.
#pragma once
#include "TestSupport.h"
#include "afxwin.h"
#include <string>
#include <vector>

class PopupMenuAnswer
{
  public:
    explicit PopupMenuAnswer(UINT nCommand) : m_nCommand(nCommand)
    {
        Current() = this;
        m_nTimer = ::SetTimer(NULL, 0, 100, Tick);
    }
    ~PopupMenuAnswer()
    {
        ::KillTimer(NULL, m_nTimer);
        if (Current() == this)
            Current() = NULL;
    }
    PopupMenuAnswer(const PopupMenuAnswer&) = delete;
    PopupMenuAnswer& operator=(const PopupMenuAnswer&) = delete;

    bool bSeen = false;               // the menu was open and held the command
    bool bEnabled = false;            // the command's item was enabled
    bool bClosedByEscape = false;     // the click left the menu open
    std::vector<std::string> m_texts; // the menu's item texts, separators empty

  private:
    static PopupMenuAnswer*& Current()
    {
        static PopupMenuAnswer* s_p = NULL;
        return s_p;
    }
    static void Send(INPUT* in, UINT n)
    {
        ::SendInput(n, in, sizeof(INPUT));
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR nTimer, DWORD)
    {
        PopupMenuAnswer* pThis = Current();
        if (pThis == NULL || pThis->m_nTimer != nTimer)
            return;
        HWND hMenuWnd = testing_support::FindThreadWindow("#32768");
        if (hMenuWnd == NULL)
            return;
        if (pThis->m_clickedAt != 0)
        {
            if (testing_support::NowMs() - pThis->m_clickedAt > 1000 && !pThis->bClosedByEscape)
            {
                pThis->bClosedByEscape = true;
                INPUT in[2] = {};
                in[0].type = in[1].type = INPUT_KEYBOARD;
                in[0].ki.wVk = in[1].ki.wVk = VK_ESCAPE;
                in[1].ki.dwFlags = KEYEVENTF_KEYUP;
                Send(in, 2);
            }
            return;
        }
        HMENU hMenu = (HMENU)::SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0);
        const int nCount = hMenu != NULL ? ::GetMenuItemCount(hMenu) : 0;
        int nPos = -1;
        for (int n = 0; n < nCount; n++)
        {
            char text[128] = "";
            ::GetMenuStringA(hMenu, (UINT)n, text, sizeof text, MF_BYPOSITION);
            pThis->m_texts.push_back(text);
            if (::GetMenuItemID(hMenu, n) == pThis->m_nCommand)
                nPos = n;
        }
        RECT rect;
        if (nPos < 0 || !::GetMenuItemRect(NULL, hMenu, (UINT)nPos, &rect))
        {
            // Not the awaited menu: closed at once.
            pThis->m_clickedAt = testing_support::NowMs() - 1000;
            return;
        }
        pThis->bSeen = true;
        pThis->bEnabled = (::GetMenuState(hMenu, (UINT)nPos, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) == 0;
        ::SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_MOUSE;
        in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        Send(in, 2);
        pThis->m_clickedAt = testing_support::NowMs();
    }

    UINT m_nCommand;
    UINT_PTR m_nTimer = 0;
    ULONGLONG m_clickedAt = 0;
};
