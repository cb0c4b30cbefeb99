// Answers the next file dialog of this thread from a thread timer while its loop runs: types
// the path into the file-name box through the keyboard and saves, or cancels.
#pragma once
#include "TestSupport.h"
#include "afxwin.h"
#include <dlgs.h>
#include <string>
#include <utility>
#include <vector>

class FileDialogAnswer
{
  public:
    FileDialogAnswer(std::string path, bool bSave) : m_path(std::move(path)), m_bSave(bSave)
    {
        Current() = this;
        m_nTimer = ::SetTimer(NULL, 0, 100, Tick);
    }
    ~FileDialogAnswer()
    {
        ::KillTimer(NULL, m_nTimer);
        Current() = NULL;
    }
    FileDialogAnswer(const FileDialogAnswer&) = delete;
    FileDialogAnswer& operator=(const FileDialogAnswer&) = delete;

    bool bSeen = false;
    bool bTyped = false; // the box held the path before the dialog was closed

  private:
    static FileDialogAnswer*& Current()
    {
        static FileDialogAnswer* s_p = NULL;
        return s_p;
    }
    // The edit of the file-name box (a combo box's own edit in the explorer-style dialog).
    static HWND NameEdit(HWND hDlg)
    {
        HWND hBox = ::GetDlgItem(hDlg, cmb13);
        if (hBox == NULL)
            return ::GetDlgItem(hDlg, edt1);
        HWND hEdit = ::FindWindowExA(hBox, NULL, "Edit", NULL);
        return hEdit != NULL ? hEdit : hBox;
    }
    static void Press(HWND hDlg, int nButton)
    {
        ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED),
                       (LPARAM)::GetDlgItem(hDlg, nButton));
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        FileDialogAnswer* pThis = Current();
        HWND hDlg = testing_support::FindThreadWindow("#32770", [](HWND hWnd) {
            return ::GetDlgItem(hWnd, cmb13) != NULL || ::GetDlgItem(hWnd, edt1) != NULL;
        });
        if (pThis == NULL || hDlg == NULL || pThis->m_bDone)
            return;
        pThis->bSeen = true;
        if (!pThis->m_bSave)
        {
            pThis->m_bDone = true;
            Press(hDlg, IDCANCEL);
            return;
        }
        HWND hEdit = NameEdit(hDlg);
        if (pThis->m_nTicks++ == 0)
        {
            // The whole box replaced by the path, one character after the other.
            ::SetFocus(hEdit);
            ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
            std::vector<INPUT> keys;
            for (unsigned char c : pThis->m_path)
                for (DWORD dwUp : {0ul, (DWORD)KEYEVENTF_KEYUP})
                {
                    INPUT in = {};
                    in.type = INPUT_KEYBOARD;
                    in.ki.wScan = c;
                    in.ki.dwFlags = KEYEVENTF_UNICODE | dwUp;
                    keys.push_back(in);
                }
            ::SendInput((UINT)keys.size(), keys.data(), sizeof(INPUT));
            return;
        }
        char text[MAX_PATH] = "";
        ::GetWindowTextA(hEdit, text, sizeof text);
        pThis->bTyped = pThis->m_path == text;
        // Typed, or given up on after a few seconds: the test sees which.
        if (pThis->bTyped || pThis->m_nTicks > 50)
        {
            pThis->m_bDone = true;
            Press(hDlg, pThis->bTyped ? IDOK : IDCANCEL);
        }
    }
    std::string m_path;
    bool m_bSave;
    bool m_bDone = false;
    int m_nTicks = 0;
    UINT_PTR m_nTimer = 0;
};
