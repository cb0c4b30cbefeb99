// Answers the serial-number prompt from a thread timer while its modal loop runs, and keeps
// what the prompt showed.
#pragma once
#include "AppIds.h"
#include "afxwin.h"
#include <string>

struct SerialNumberPromptAnswer
{
    const char* typed = NULL; // typed and confirmed; NULL: cancelled
    bool bSeen = false;
    std::string caption;
    std::string shown;
    bool bOwnerDrawnButtons = false;

    // Arms the timer for the next prompt.
    void Arm()
    {
        Current() = this;
        ::SetTimer(NULL, 0, 50, Tick);
    }
    ~SerialNumberPromptAnswer()
    {
        if (Current() == this)
            Current() = NULL;
    }

  private:
    static SerialNumberPromptAnswer*& Current()
    {
        static SerialNumberPromptAnswer* s_p = NULL;
        return s_p;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR nTimer, DWORD)
    {
        SerialNumberPromptAnswer* pAnswer = Current();
        HWND hDlg = ::GetActiveWindow();
        if (pAnswer == NULL || hDlg == NULL || ::GetDlgItem(hDlg, IDC_SERIAL_NUMBER) == NULL)
            return;
        ::KillTimer(NULL, nTimer);
        Current() = NULL;
        pAnswer->bSeen = true;
        char text[64] = "";
        ::GetWindowTextA(hDlg, text, sizeof(text));
        pAnswer->caption = text;
        ::GetDlgItemTextA(hDlg, IDC_SERIAL_NUMBER, text, sizeof(text));
        pAnswer->shown = text;
        pAnswer->bOwnerDrawnButtons = true;
        for (int nID : {IDOK, IDCANCEL})
            pAnswer->bOwnerDrawnButtons &=
                (::GetWindowLongA(::GetDlgItem(hDlg, nID), GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
        const int nButton = pAnswer->typed != NULL ? IDOK : IDCANCEL;
        if (pAnswer->typed != NULL)
            ::SetDlgItemTextA(hDlg, IDC_SERIAL_NUMBER, pAnswer->typed);
        ::PostMessageA(hDlg, WM_COMMAND, nButton, (LPARAM)::GetDlgItem(hDlg, nButton));
    }
};
