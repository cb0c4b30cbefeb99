// CListBox: a list box. Owner-drawn boxes draw, measure, compare and delete their items through
// the virtual members below, reflected from the parent's WM_DRAWITEM and friends.
//
// Differences from MFC:
// - Dir and the locale members are left out.
#pragma once
#include "Wnd.h"
#include "String.h"

class CListBox : public CWnd
{
    DECLARE_DYNAMIC(CListBox)

  public:
    // Construction
    CListBox() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::CreateEx(0, _T("LISTBOX"), NULL, dwStyle | WS_CHILD, rect, pParentWnd, nID);
    }

    // Attributes
    int GetCount() const
    {
        return (int)Send(LB_GETCOUNT);
    }
    int GetCurSel() const
    {
        return (int)Send(LB_GETCURSEL);
    }
    int SetCurSel(int nSelect)
    {
        return (int)Send(LB_SETCURSEL, nSelect);
    }
    int GetSel(int nIndex) const
    {
        return (int)Send(LB_GETSEL, nIndex);
    }
    int SetSel(int nIndex, BOOL bSelect = TRUE)
    {
        return (int)Send(LB_SETSEL, bSelect, nIndex);
    }
    int GetSelCount() const
    {
        return (int)Send(LB_GETSELCOUNT);
    }
    int GetSelItems(int nMaxItems, LPINT rgIndex) const
    {
        return (int)Send(LB_GETSELITEMS, nMaxItems, (LPARAM)rgIndex);
    }
    int GetTopIndex() const
    {
        return (int)Send(LB_GETTOPINDEX);
    }
    int SetTopIndex(int nIndex)
    {
        return (int)Send(LB_SETTOPINDEX, nIndex);
    }
    DWORD_PTR GetItemData(int nIndex) const
    {
        return (DWORD_PTR)Send(LB_GETITEMDATA, nIndex);
    }
    int SetItemData(int nIndex, DWORD_PTR dwItemData)
    {
        return (int)Send(LB_SETITEMDATA, nIndex, (LPARAM)dwItemData);
    }
    void* GetItemDataPtr(int nIndex) const
    {
        return (void*)GetItemData(nIndex);
    }
    int SetItemDataPtr(int nIndex, void* pData)
    {
        return SetItemData(nIndex, (DWORD_PTR)pData);
    }
    int GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return (int)Send(LB_GETITEMRECT, nIndex, (LPARAM)lpRect);
    }
    int GetText(int nIndex, LPTSTR lpszBuffer) const
    {
        return (int)Send(LB_GETTEXT, nIndex, (LPARAM)lpszBuffer);
    }
    void GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const
    {
        return (int)Send(LB_GETTEXTLEN, nIndex);
    }
    int GetItemHeight(int nIndex) const
    {
        return (int)Send(LB_GETITEMHEIGHT, nIndex);
    }
    int SetItemHeight(int nIndex, UINT cyItemHeight)
    {
        return (int)Send(LB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0));
    }
    int GetCaretIndex() const
    {
        return (int)Send(LB_GETCARETINDEX);
    }
    int SetCaretIndex(int nIndex, BOOL bScroll = TRUE)
    {
        return (int)Send(LB_SETCARETINDEX, nIndex, bScroll);
    }
    void SetHorizontalExtent(int cxExtent)
    {
        Send(LB_SETHORIZONTALEXTENT, cxExtent);
    }
    UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const;

    // Operations
    int AddString(LPCTSTR lpszItem)
    {
        return (int)Send(LB_ADDSTRING, 0, (LPARAM)lpszItem);
    }
    int InsertString(int nIndex, LPCTSTR lpszItem)
    {
        return (int)Send(LB_INSERTSTRING, nIndex, (LPARAM)lpszItem);
    }
    int DeleteString(UINT nIndex)
    {
        return (int)Send(LB_DELETESTRING, nIndex);
    }
    void ResetContent()
    {
        Send(LB_RESETCONTENT);
    }
    int FindString(int nStartAfter, LPCTSTR lpszItem) const
    {
        return (int)Send(LB_FINDSTRING, nStartAfter, (LPARAM)lpszItem);
    }
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
    {
        return (int)Send(LB_FINDSTRINGEXACT, nIndexStart, (LPARAM)lpszFind);
    }
    int SelectString(int nStartAfter, LPCTSTR lpszItem)
    {
        return (int)Send(LB_SELECTSTRING, nStartAfter, (LPARAM)lpszItem);
    }
    int SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem)
    {
        return (int)Send(LB_SELITEMRANGEEX, bSelect ? nFirstItem : nLastItem,
                         bSelect ? nLastItem : nFirstItem);
    }

    // Overridables (owner draw)
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);
    virtual int VKeyToItem(UINT nKey, UINT nIndex);
    virtual int CharToItem(UINT nKey, UINT nIndex);

    // Implementation
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

  protected:
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessage(m_hWnd, msg, wParam, lParam);
    }
};
