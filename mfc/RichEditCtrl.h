// CRichEditCtrl: a rich edit control of window class "RICHEDIT" (riched32.dll, loaded on first
// use and kept for the process).
//
// Differences from MFC:
// - Version 1 control only; no OLE callbacks (SetOLECallback) and no IRichEditOle.
#pragma once
#include "Wnd.h"
#include "String.h"
#include <richedit.h>

class CRichEditCtrl : public CWnd
{
    DECLARE_DYNAMIC(CRichEditCtrl)

  public:
    // Construction
    CRichEditCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Loads riched32.dll so dialogs whose templates hold "RICHEDIT" controls can be created.
    static BOOL PASCAL LoadLibrary();

    // Attributes
    int GetLineCount() const
    {
        return (int)Send(EM_GETLINECOUNT);
    }
    BOOL GetModify() const
    {
        return (BOOL)Send(EM_GETMODIFY);
    }
    void SetModify(BOOL bModified = TRUE)
    {
        Send(EM_SETMODIFY, bModified);
    }
    void GetSel(CHARRANGE& cr) const
    {
        Send(EM_EXGETSEL, 0, (LPARAM)&cr);
    }
    void GetSel(long& nStartChar, long& nEndChar) const;
    long GetTextLength() const
    {
        return (long)Send(WM_GETTEXTLENGTH);
    }
    CString GetSelText() const;
    DWORD GetEventMask() const
    {
        return (DWORD)Send(EM_GETEVENTMASK);
    }
    DWORD SetEventMask(DWORD dwEventMask)
    {
        return (DWORD)Send(EM_SETEVENTMASK, 0, dwEventMask);
    }
    DWORD GetDefaultCharFormat(CHARFORMAT& cf) const;
    DWORD GetSelectionCharFormat(CHARFORMAT& cf) const;
    BOOL SetDefaultCharFormat(CHARFORMAT& cf);
    BOOL SetSelectionCharFormat(CHARFORMAT& cf);
    BOOL SetWordCharFormat(CHARFORMAT& cf);
    DWORD GetParaFormat(PARAFORMAT& pf) const;
    BOOL SetParaFormat(PARAFORMAT& pf);
    COLORREF SetBackgroundColor(BOOL bSysColor, COLORREF cr)
    {
        return (COLORREF)Send(EM_SETBKGNDCOLOR, bSysColor, cr);
    }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE)
    {
        return (BOOL)Send(EM_SETREADONLY, bReadOnly);
    }
    void LimitText(long nChars = 0)
    {
        Send(EM_EXLIMITTEXT, 0, nChars);
    }
    long GetLimitText() const
    {
        return (long)Send(EM_GETLIMITTEXT);
    }
    int LineIndex(int nLine = -1) const
    {
        return (int)Send(EM_LINEINDEX, nLine);
    }
    int LineLength(int nLine = -1) const
    {
        return (int)Send(EM_LINELENGTH, nLine);
    }
    long LineFromChar(long nIndex) const
    {
        return (long)Send(EM_EXLINEFROMCHAR, 0, nIndex);
    }
    void SetRect(LPCRECT lpRect)
    {
        Send(EM_SETRECT, 0, (LPARAM)lpRect);
    }
    void GetRect(LPRECT lpRect) const
    {
        Send(EM_GETRECT, 0, (LPARAM)lpRect);
    }
    UINT SetOptions(WORD wOp, DWORD dwFlags)
    {
        return (UINT)Send(EM_SETOPTIONS, wOp, dwFlags);
    }
    UINT GetOptions() const
    {
        return (UINT)Send(EM_GETOPTIONS);
    }

    // Operations
    void SetSel(long nStartChar, long nEndChar);
    void SetSel(CHARRANGE& cr)
    {
        Send(EM_EXSETSEL, 0, (LPARAM)&cr);
    }
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE)
    {
        Send(EM_REPLACESEL, bCanUndo, (LPARAM)lpszNewText);
    }
    void HideSelection(BOOL bHide, BOOL bPerm)
    {
        Send(EM_HIDESELECTION, bHide, bPerm);
    }
    long StreamIn(int nFormat, EDITSTREAM& es)
    {
        return (long)Send(EM_STREAMIN, nFormat, (LPARAM)&es);
    }
    long StreamOut(int nFormat, EDITSTREAM& es)
    {
        return (long)Send(EM_STREAMOUT, nFormat, (LPARAM)&es);
    }
    long FindText(DWORD dwFlags, FINDTEXTEX* pFindText) const
    {
        return (long)Send(EM_FINDTEXTEX, dwFlags, (LPARAM)pFindText);
    }
    BOOL CanUndo() const
    {
        return (BOOL)Send(EM_CANUNDO);
    }
    BOOL Undo()
    {
        return (BOOL)Send(EM_UNDO);
    }
    void EmptyUndoBuffer()
    {
        Send(EM_EMPTYUNDOBUFFER);
    }
    void Clear()
    {
        Send(WM_CLEAR);
    }
    void Copy()
    {
        Send(WM_COPY);
    }
    void Cut()
    {
        Send(WM_CUT);
    }
    void Paste()
    {
        Send(WM_PASTE);
    }
    BOOL CanPaste(UINT nFormat = 0) const
    {
        return (BOOL)Send(EM_CANPASTE, nFormat);
    }
    void RequestResize()
    {
        Send(EM_REQUESTRESIZE);
    }
    // Renders (bDisplay) or measures a range into pfr's device contexts; NULL frees the cache.
    // The index after the last character that fitted.
    long FormatRange(FORMATRANGE* pfr, BOOL bDisplay = TRUE)
    {
        return (long)Send(EM_FORMATRANGE, bDisplay, (LPARAM)pfr);
    }
    // Lines wrap at nLineWidth twips for hDC; NULL with 0 wraps at the window's width.
    BOOL SetTargetDevice(HDC hDC, long nLineWidth)
    {
        return (BOOL)Send(EM_SETTARGETDEVICE, (WPARAM)hDC, nLineWidth);
    }

  protected:
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessage(m_hWnd, msg, wParam, lParam);
    }
};
