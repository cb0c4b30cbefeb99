// CTabCtrl: a tab control; items carry text, image index and item data.
//
// Differences from MFC:
// - Thin inline wrappers over the control's messages; members of later comctl32 versions are left out.
#pragma once
#include "Wnd.h"
#include "String.h"

class CTabCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTabCtrl)

  public:
    // Construction
    CTabCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return AfxDeferRegisterClass(AFX_WNDCOMMCTLS_REG) &&
               CWnd::Create(WC_TABCONTROL, NULL, dwStyle, rect, pParentWnd, nID);
    }

    // Operations
    LONG InsertItem(int nItem, LPCTSTR lpszItem, int nImage = -1)
    {
        TCITEM item = {};
        item.mask = TCIF_TEXT | (nImage >= 0 ? TCIF_IMAGE : 0);
        item.pszText = (LPTSTR)lpszItem;
        item.iImage = nImage;
        return (LONG)Send(TCM_INSERTITEM, nItem, (LPARAM)&item);
    }
    LONG InsertItem(int nItem, TCITEM* pTabCtrlItem)
    {
        return (LONG)Send(TCM_INSERTITEM, nItem, (LPARAM)pTabCtrlItem);
    }
    BOOL DeleteItem(int nItem)
    {
        return (BOOL)Send(TCM_DELETEITEM, nItem);
    }
    BOOL DeleteAllItems()
    {
        return (BOOL)Send(TCM_DELETEALLITEMS);
    }
    int GetItemCount() const
    {
        return (int)Send(TCM_GETITEMCOUNT);
    }
    BOOL GetItem(int nItem, TCITEM* pTabCtrlItem) const
    {
        return (BOOL)Send(TCM_GETITEM, nItem, (LPARAM)pTabCtrlItem);
    }
    BOOL SetItem(int nItem, TCITEM* pTabCtrlItem)
    {
        return (BOOL)Send(TCM_SETITEM, nItem, (LPARAM)pTabCtrlItem);
    }
    int GetCurSel() const
    {
        return (int)Send(TCM_GETCURSEL);
    }
    int SetCurSel(int nItem)
    {
        return (int)Send(TCM_SETCURSEL, nItem);
    }
    int GetCurFocus() const
    {
        return (int)Send(TCM_GETCURFOCUS);
    }
    BOOL GetItemRect(int nItem, LPRECT lpRect) const
    {
        return (BOOL)Send(TCM_GETITEMRECT, nItem, (LPARAM)lpRect);
    }
    void AdjustRect(BOOL bLarger, LPRECT lpRect)
    {
        Send(TCM_ADJUSTRECT, bLarger, (LPARAM)lpRect);
    }
    int HitTest(TCHITTESTINFO* pHitTestInfo) const
    {
        return (int)Send(TCM_HITTEST, 0, (LPARAM)pHitTestInfo);
    }
    HIMAGELIST SetImageList(HIMAGELIST hImageList)
    {
        return (HIMAGELIST)Send(TCM_SETIMAGELIST, 0, (LPARAM)hImageList);
    }
    int GetRowCount() const
    {
        return (int)Send(TCM_GETROWCOUNT);
    }

  protected:
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessage(m_hWnd, msg, wParam, lParam);
    }
};
