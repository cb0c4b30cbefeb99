// CToolBarCtrl: a toolbar control (buttons with bitmaps and command ids).
//
// Differences from MFC:
// - No customisation dialog helpers (SaveState/RestoreState); rebar-related members left out.
#pragma once
#include "Wnd.h"

class CToolBarCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolBarCtrl)

  public:
    // Construction
    CToolBarCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Attributes
    BOOL IsButtonEnabled(int nID) const
    {
        return (BOOL)Send(TB_ISBUTTONENABLED, nID);
    }
    BOOL IsButtonChecked(int nID) const
    {
        return (BOOL)Send(TB_ISBUTTONCHECKED, nID);
    }
    BOOL IsButtonPressed(int nID) const
    {
        return (BOOL)Send(TB_ISBUTTONPRESSED, nID);
    }
    BOOL IsButtonHidden(int nID) const
    {
        return (BOOL)Send(TB_ISBUTTONHIDDEN, nID);
    }
    int GetState(int nID) const
    {
        return (int)Send(TB_GETSTATE, nID);
    }
    BOOL SetState(int nID, UINT nState)
    {
        return (BOOL)Send(TB_SETSTATE, nID, MAKELPARAM(nState, 0));
    }
    BOOL GetButton(int nIndex, LPTBBUTTON lpButton) const
    {
        return (BOOL)Send(TB_GETBUTTON, nIndex, (LPARAM)lpButton);
    }
    int GetButtonCount() const
    {
        return (int)Send(TB_BUTTONCOUNT);
    }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return (BOOL)Send(TB_GETITEMRECT, nIndex, (LPARAM)lpRect);
    }
    BOOL GetRect(int nID, LPRECT lpRect) const
    {
        return (BOOL)Send(TB_GETRECT, nID, (LPARAM)lpRect);
    }
    UINT CommandToIndex(UINT nID) const
    {
        return (UINT)Send(TB_COMMANDTOINDEX, nID);
    }
    BOOL SetButtonSize(CSize size)
    {
        return (BOOL)Send(TB_SETBUTTONSIZE, 0, MAKELPARAM(size.cx, size.cy));
    }
    BOOL SetBitmapSize(CSize size)
    {
        return (BOOL)Send(TB_SETBITMAPSIZE, 0, MAKELPARAM(size.cx, size.cy));
    }
    HIMAGELIST SetImageList(HIMAGELIST hImageList)
    {
        return (HIMAGELIST)Send(TB_SETIMAGELIST, 0, (LPARAM)hImageList);
    }
    int GetRows() const
    {
        return (int)Send(TB_GETROWS);
    }
    DWORD SetExtendedStyle(DWORD dwExStyle)
    {
        return (DWORD)Send(TB_SETEXTENDEDSTYLE, 0, dwExStyle);
    }
    BOOL GetButtonInfo(int nID, TBBUTTONINFO* ptbbi) const
    {
        return (BOOL)Send(TB_GETBUTTONINFO, nID, (LPARAM)ptbbi);
    }
    BOOL SetButtonInfo(int nID, TBBUTTONINFO* ptbbi)
    {
        return (BOOL)Send(TB_SETBUTTONINFO, nID, (LPARAM)ptbbi);
    }

    // Operations
    BOOL EnableButton(int nID, BOOL bEnable = TRUE)
    {
        return (BOOL)Send(TB_ENABLEBUTTON, nID, MAKELPARAM(bEnable, 0));
    }
    BOOL CheckButton(int nID, BOOL bCheck = TRUE)
    {
        return (BOOL)Send(TB_CHECKBUTTON, nID, MAKELPARAM(bCheck, 0));
    }
    BOOL PressButton(int nID, BOOL bPress = TRUE)
    {
        return (BOOL)Send(TB_PRESSBUTTON, nID, MAKELPARAM(bPress, 0));
    }
    BOOL HideButton(int nID, BOOL bHide = TRUE)
    {
        return (BOOL)Send(TB_HIDEBUTTON, nID, MAKELPARAM(bHide, 0));
    }
    int AddBitmap(int nNumButtons, UINT nBitmapID);
    int AddBitmap(int nNumButtons, HBITMAP hBitmap);
    BOOL AddButtons(int nNumButtons, LPTBBUTTON lpButtons)
    {
        return (BOOL)Send(TB_ADDBUTTONS, nNumButtons, (LPARAM)lpButtons);
    }
    BOOL InsertButton(int nIndex, LPTBBUTTON lpButton)
    {
        return (BOOL)Send(TB_INSERTBUTTON, nIndex, (LPARAM)lpButton);
    }
    BOOL DeleteButton(int nIndex)
    {
        return (BOOL)Send(TB_DELETEBUTTON, nIndex);
    }
    int AddStrings(LPCTSTR lpszStrings)
    {
        return (int)Send(TB_ADDSTRING, 0, (LPARAM)lpszStrings);
    }
    void AutoSize()
    {
        Send(TB_AUTOSIZE);
    }
    void SetOwner(CWnd* pWnd)
    {
        Send(TB_SETPARENT, (WPARAM)pWnd->GetSafeHwnd());
    }

  protected:
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessage(m_hWnd, msg, wParam, lParam);
    }
};
