// CComboBox: a combo box. Owner-drawn boxes draw, measure, compare and delete their items
// through the virtual members below, reflected from the parent's WM_DRAWITEM and friends.
//
// Differences from MFC:
// - Dir, cue banners and the locale members are left out.
#pragma once
#include "Wnd.h"
#include "String.h"

class CComboBox : public CWnd
{
    DECLARE_DYNAMIC(CComboBox)

  public:
    // Construction
    CComboBox() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::CreateEx(0, _T("COMBOBOX"), NULL, dwStyle | WS_CHILD, rect, pParentWnd, nID);
    }

    // Attributes
    int GetCount() const
    {
        return (int)Send(CB_GETCOUNT);
    }
    int GetCurSel() const
    {
        return (int)Send(CB_GETCURSEL);
    }
    int SetCurSel(int nSelect)
    {
        return (int)Send(CB_SETCURSEL, nSelect);
    }
    DWORD GetEditSel() const
    {
        return (DWORD)Send(CB_GETEDITSEL);
    }
    BOOL SetEditSel(int nStartChar, int nEndChar)
    {
        return (BOOL)Send(CB_SETEDITSEL, 0, MAKELONG(nStartChar, nEndChar));
    }
    BOOL LimitText(int nMaxChars)
    {
        return (BOOL)Send(CB_LIMITTEXT, nMaxChars);
    }
    DWORD_PTR GetItemData(int nIndex) const
    {
        return (DWORD_PTR)Send(CB_GETITEMDATA, nIndex);
    }
    int SetItemData(int nIndex, DWORD_PTR dwItemData)
    {
        return (int)Send(CB_SETITEMDATA, nIndex, (LPARAM)dwItemData);
    }
    void* GetItemDataPtr(int nIndex) const
    {
        return (void*)GetItemData(nIndex);
    }
    int SetItemDataPtr(int nIndex, void* pData)
    {
        return SetItemData(nIndex, (DWORD_PTR)pData);
    }
    int GetLBText(int nIndex, LPTSTR lpszText) const
    {
        return (int)Send(CB_GETLBTEXT, nIndex, (LPARAM)lpszText);
    }
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const
    {
        return (int)Send(CB_GETLBTEXTLEN, nIndex);
    }
    int GetItemHeight(int nIndex) const
    {
        return (int)Send(CB_GETITEMHEIGHT, nIndex);
    }
    int SetItemHeight(int nIndex, UINT cyItemHeight)
    {
        return (int)Send(CB_SETITEMHEIGHT, nIndex, cyItemHeight);
    }
    BOOL GetDroppedState() const
    {
        return (BOOL)Send(CB_GETDROPPEDSTATE);
    }
    void GetDroppedControlRect(LPRECT lprect) const
    {
        Send(CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)lprect);
    }
    int SetDroppedWidth(UINT nWidth)
    {
        return (int)Send(CB_SETDROPPEDWIDTH, nWidth);
    }
    int GetTopIndex() const
    {
        return (int)Send(CB_GETTOPINDEX);
    }
    int SetTopIndex(int nIndex)
    {
        return (int)Send(CB_SETTOPINDEX, nIndex);
    }

    // Operations
    void ShowDropDown(BOOL bShowIt = TRUE)
    {
        Send(CB_SHOWDROPDOWN, bShowIt);
    }
    int AddString(LPCTSTR lpszString)
    {
        return (int)Send(CB_ADDSTRING, 0, (LPARAM)lpszString);
    }
    int InsertString(int nIndex, LPCTSTR lpszString)
    {
        return (int)Send(CB_INSERTSTRING, nIndex, (LPARAM)lpszString);
    }
    int DeleteString(UINT nIndex)
    {
        return (int)Send(CB_DELETESTRING, nIndex);
    }
    void ResetContent()
    {
        Send(CB_RESETCONTENT);
    }
    int FindString(int nStartAfter, LPCTSTR lpszString) const
    {
        return (int)Send(CB_FINDSTRING, nStartAfter, (LPARAM)lpszString);
    }
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
    {
        return (int)Send(CB_FINDSTRINGEXACT, nIndexStart, (LPARAM)lpszFind);
    }
    int SelectString(int nStartAfter, LPCTSTR lpszString)
    {
        return (int)Send(CB_SELECTSTRING, nStartAfter, (LPARAM)lpszString);
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

    // Overridables (owner draw)
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

    // Implementation
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

  protected:
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessage(m_hWnd, msg, wParam, lParam);
    }
};
