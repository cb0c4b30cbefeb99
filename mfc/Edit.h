// CEdit: a single- or multi-line edit control.
//
// Differences from MFC:
// - No cue banners or balloon tips.
#pragma once
#include "Wnd.h"

class CEdit : public CWnd
{
    DECLARE_DYNAMIC(CEdit)

  public:
    // Construction
    CEdit() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::CreateEx(0, _T("EDIT"), NULL, dwStyle | WS_CHILD, rect, pParentWnd, nID);
    }

    // Operations
    DWORD GetSel() const
    {
        return (DWORD)::SendMessage(m_hWnd, EM_GETSEL, 0, 0);
    }
    void GetSel(int& nStartChar, int& nEndChar) const
    {
        ::SendMessage(m_hWnd, EM_GETSEL, (WPARAM)&nStartChar, (LPARAM)&nEndChar);
    }
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE)
    {
        ::SendMessage(m_hWnd, EM_SETSEL, nStartChar, nEndChar);
        if (!bNoScroll)
            ::SendMessage(m_hWnd, EM_SCROLLCARET, 0, 0);
    }
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE)
    {
        ::SendMessage(m_hWnd, EM_REPLACESEL, bCanUndo, (LPARAM)lpszNewText);
    }
    void LimitText(int nChars = 0)
    {
        ::SendMessage(m_hWnd, EM_LIMITTEXT, nChars, 0);
    }
    void SetLimitText(UINT nMax)
    {
        ::SendMessage(m_hWnd, EM_SETLIMITTEXT, nMax, 0);
    }
    UINT GetLimitText() const
    {
        return (UINT)::SendMessage(m_hWnd, EM_GETLIMITTEXT, 0, 0);
    }
    int GetLineCount() const
    {
        return (int)::SendMessage(m_hWnd, EM_GETLINECOUNT, 0, 0);
    }
    int GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const
    {
        *(LPWORD)lpszBuffer = (WORD)nMaxLength; // the control reads the buffer size from the buffer
        return (int)::SendMessage(m_hWnd, EM_GETLINE, nIndex, (LPARAM)lpszBuffer);
    }
    int LineIndex(int nLine = -1) const
    {
        return (int)::SendMessage(m_hWnd, EM_LINEINDEX, nLine, 0);
    }
    int LineLength(int nLine = -1) const
    {
        return (int)::SendMessage(m_hWnd, EM_LINELENGTH, nLine, 0);
    }
    int LineFromChar(int nIndex = -1) const
    {
        return (int)::SendMessage(m_hWnd, EM_LINEFROMCHAR, nIndex, 0);
    }
    void LineScroll(int nLines, int nChars = 0)
    {
        ::SendMessage(m_hWnd, EM_LINESCROLL, nChars, nLines);
    }
    BOOL GetModify() const
    {
        return (BOOL)::SendMessage(m_hWnd, EM_GETMODIFY, 0, 0);
    }
    void SetModify(BOOL bModified = TRUE)
    {
        ::SendMessage(m_hWnd, EM_SETMODIFY, bModified, 0);
    }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE)
    {
        return (BOOL)::SendMessage(m_hWnd, EM_SETREADONLY, bReadOnly, 0);
    }
    void SetPasswordChar(TCHAR ch)
    {
        ::SendMessage(m_hWnd, EM_SETPASSWORDCHAR, (WPARAM)(BYTE)ch, 0);
    }
    BOOL CanUndo() const
    {
        return (BOOL)::SendMessage(m_hWnd, EM_CANUNDO, 0, 0);
    }
    BOOL Undo()
    {
        return (BOOL)::SendMessage(m_hWnd, EM_UNDO, 0, 0);
    }
    void EmptyUndoBuffer()
    {
        ::SendMessage(m_hWnd, EM_EMPTYUNDOBUFFER, 0, 0);
    }
    void Clear()
    {
        ::SendMessage(m_hWnd, WM_CLEAR, 0, 0);
    }
    void Copy()
    {
        ::SendMessage(m_hWnd, WM_COPY, 0, 0);
    }
    void Cut()
    {
        ::SendMessage(m_hWnd, WM_CUT, 0, 0);
    }
    void Paste()
    {
        ::SendMessage(m_hWnd, WM_PASTE, 0, 0);
    }
    // No stops: default stops every 32 dialog units.
    void SetTabStops()
    {
        ::SendMessage(m_hWnd, EM_SETTABSTOPS, 0, 0);
    }
    BOOL SetTabStops(const int& cxEachStop)
    {
        return (BOOL)::SendMessage(m_hWnd, EM_SETTABSTOPS, 1, (LPARAM)&cxEachStop);
    }
    BOOL SetTabStops(int nTabStops, LPINT rgTabStops)
    {
        return (BOOL)::SendMessage(m_hWnd, EM_SETTABSTOPS, nTabStops, (LPARAM)rgTabStops);
    }
    void SetMargins(UINT nLeft, UINT nRight)
    {
        ::SendMessage(m_hWnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight));
    }
};
