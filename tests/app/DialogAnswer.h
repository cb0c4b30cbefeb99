// Answers a modal dialog or property sheet from a thread timer while its loop runs: each attempt
// acts (selects a page, ticks boxes), types its entries and presses its button; a dialog still
// open after the last attempt is cancelled. Controls are found among all the dialog's
// descendants, so those of a sheet's pages too.
#pragma once
#include "afxwin.h"
#include <functional>
#include <string>
#include <utility>
#include <vector>

struct DialogAnswer
{
    struct Attempt
    {
        Attempt(std::vector<std::pair<int, std::string>> typed = {}, int nPressed = IDOK,
                std::function<void(HWND)> before = nullptr)
            : entries(std::move(typed)), nButton(nPressed), act(std::move(before))
        {
        }
        std::vector<std::pair<int, std::string>> entries; // control, text typed
        int nButton;
        std::function<void(HWND)> act; // before the entries
    };
    int nControl = 0; // a control only the awaited dialog has
    std::vector<Attempt> attempts;
    std::function<void(HWND)> inspect; // sees the dialog before the first attempt
    bool bSeen = false;
    int nAttempts = 0;      // attempts made
    bool bLeftOpen = false; // still open after the last attempt: cancelled

    // Arms the timer for the next dialog with the control.
    void Arm()
    {
        Current() = this;
        m_nTimer = ::SetTimer(NULL, 0, 50, Tick);
    }
    virtual ~DialogAnswer()
    {
        if (Current() == this)
            Current() = NULL;
        ::KillTimer(NULL, m_nTimer);
    }

  private:
    UINT_PTR m_nTimer = 0;
    bool m_bActing = false; // an action pumping messages must not see the next tick

    static DialogAnswer*& Current()
    {
        static DialogAnswer* s_p = NULL;
        return s_p;
    }
    static void Press(HWND hDlg, int nButton)
    {
        ::PostMessageA(hDlg, WM_COMMAND, nButton, (LPARAM)::GetDlgItem(hDlg, nButton));
    }
    void Finish()
    {
        ::KillTimer(NULL, m_nTimer);
        if (Current() == this)
            Current() = NULL;
    }
    // A posted button has been handled by the next tick: the dialog is gone or refused it.
    static void CALLBACK Tick(HWND, UINT, UINT_PTR nTimer, DWORD)
    {
        DialogAnswer* pAnswer = Current();
        if (pAnswer == NULL || pAnswer->m_nTimer != nTimer)
        {
            ::KillTimer(NULL, nTimer);
            return;
        }
        if (pAnswer->m_bActing)
            return;
        HWND hDlg = ::GetActiveWindow();
        if (hDlg == NULL || Control(hDlg, pAnswer->nControl) == NULL)
        {
            if (pAnswer->nAttempts > 0)
                pAnswer->Finish();
            return;
        }
        // On a loaded machine a tick can come while the dialog is still being made: what it
        // shows is only known once it is on the screen.
        if (!::IsWindowVisible(hDlg))
            return;
        if (pAnswer->nAttempts == (int)pAnswer->attempts.size())
        {
            pAnswer->bLeftOpen = true;
            pAnswer->Finish();
            Press(hDlg, IDCANCEL);
            return;
        }
        if (!pAnswer->bSeen && pAnswer->inspect)
            pAnswer->inspect(hDlg);
        pAnswer->bSeen = true;
        const Attempt& attempt = pAnswer->attempts[pAnswer->nAttempts++];
        if (attempt.act)
        {
            pAnswer->m_bActing = true;
            attempt.act(hDlg);
            pAnswer->m_bActing = false;
        }
        for (const auto& entry : attempt.entries)
            ::SetWindowTextA(Control(hDlg, entry.first), entry.second.c_str());
        Press(hDlg, attempt.nButton);
    }

  public:
    // The descendant with the id, the visible one first; NULL when there is none.
    static HWND Control(HWND hDlg, int nID)
    {
        struct Search
        {
            int nID;
            HWND hFound;
            bool bVisible;
        } search = {nID, NULL, false};
        ::EnumChildWindows(
            hDlg,
            [](HWND hWnd, LPARAM lParam) -> BOOL {
                Search* p = (Search*)lParam;
                if (::GetDlgCtrlID(hWnd) != p->nID || (p->hFound != NULL && p->bVisible))
                    return TRUE;
                p->hFound = hWnd;
                p->bVisible = ::IsWindowVisible(hWnd) != FALSE;
                return TRUE;
            },
            (LPARAM)&search);
        return search.hFound;
    }
};

// The dialog's title and a control's text.
inline std::string WindowText(HWND hWnd)
{
    char text[256] = "";
    ::GetWindowTextA(hWnd, text, sizeof(text));
    return text;
}
inline std::string ControlText(HWND hDlg, int nID)
{
    return WindowText(DialogAnswer::Control(hDlg, nID));
}
inline bool IsOwnerDrawn(HWND hDlg, int nButton)
{
    return (::GetWindowLongA(::GetDlgItem(hDlg, nButton), GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
}
