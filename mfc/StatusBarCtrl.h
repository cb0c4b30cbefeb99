// CStatusBarCtrl: a status bar control with parts.
//
// Differences from MFC:
// - Thin inline wrappers over the control's messages; members of later comctl32 versions are left out.
#pragma once
#include "Wnd.h"
#include "String.h"

class CStatusBarCtrl : public CWnd
{
    DECLARE_DYNAMIC(CStatusBarCtrl)

  public:
    // Construction
    CStatusBarCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return AfxDeferRegisterClass(AFX_WNDCOMMCTLS_REG) &&
               CWnd::Create(STATUSCLASSNAME, NULL, dwStyle, rect, pParentWnd, nID);
    }

    // Operations
    BOOL SetText(LPCTSTR lpszText, int nPane, int nType)
    {
        return (BOOL)Send(SB_SETTEXT, nPane | nType, (LPARAM)lpszText);
    }
    CString GetText(int nPane, int* pType = NULL) const
    {
        CString str;
        int nLen = LOWORD(Send(SB_GETTEXTLENGTH, nPane));
        DWORD dw = (DWORD)Send(SB_GETTEXT, nPane, (LPARAM)str.GetBuffer(nLen));
        str.ReleaseBuffer(nLen);
        if (pType != NULL)
            *pType = HIWORD(dw);
        return str;
    }
    BOOL SetParts(int nParts, int* pWidths)
    {
        return (BOOL)Send(SB_SETPARTS, nParts, (LPARAM)pWidths);
    }
    int GetParts(int nParts, int* pParts) const
    {
        return (int)Send(SB_GETPARTS, nParts, (LPARAM)pParts);
    }
    BOOL GetRect(int nPane, LPRECT lpRect) const
    {
        return (BOOL)Send(SB_GETRECT, nPane, (LPARAM)lpRect);
    }
    void SetMinHeight(int nMin)
    {
        Send(SB_SETMINHEIGHT, nMin);
    }
    BOOL SetSimple(BOOL bSimple = TRUE)
    {
        return (BOOL)Send(SB_SIMPLE, bSimple);
    }
    BOOL IsSimple() const
    {
        return (BOOL)Send(SB_ISSIMPLE);
    }
    void SetTipText(int nPane, LPCTSTR pszTipText)
    {
        Send(SB_SETTIPTEXT, nPane, (LPARAM)pszTipText);
    }

  protected:
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessage(m_hWnd, msg, wParam, lParam);
    }
};
