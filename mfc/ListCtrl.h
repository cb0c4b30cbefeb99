// CListCtrl: a list view (report, icon, list views); items and sub-items by index.
//
// Differences from MFC:
// - No group view, tiles or work areas; SortItems takes the system's compare callback as is.
#pragma once
#include "Wnd.h"
#include "String.h"
#include "HeaderCtrl.h"

class CListCtrl : public CWnd
{
    DECLARE_DYNAMIC(CListCtrl)

  public:
    // Construction
    CListCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return AfxDeferRegisterClass(AFX_WNDCOMMCTLS_REG) &&
               CWnd::Create(WC_LISTVIEW, NULL, dwStyle, rect, pParentWnd, nID);
    }

    // Attributes
    int GetItemCount() const
    {
        return (int)Send(LVM_GETITEMCOUNT);
    }
    BOOL GetItem(LVITEM* pItem) const
    {
        return (BOOL)Send(LVM_GETITEM, 0, (LPARAM)pItem);
    }
    BOOL SetItem(const LVITEM* pItem)
    {
        return (BOOL)Send(LVM_SETITEM, 0, (LPARAM)pItem);
    }
    CString GetItemText(int nItem, int nSubItem) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    UINT GetItemState(int nItem, UINT nMask) const
    {
        return (UINT)Send(LVM_GETITEMSTATE, nItem, nMask);
    }
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    int GetNextItem(int nItem, int nFlags) const
    {
        return (int)Send(LVM_GETNEXTITEM, nItem, MAKELPARAM(nFlags, 0));
    }
    UINT GetSelectedCount() const
    {
        return (UINT)Send(LVM_GETSELECTEDCOUNT);
    }
    int GetSelectionMark() const
    {
        return (int)Send(LVM_GETSELECTIONMARK);
    }
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const
    {
        lpRect->left = (LONG)nCode;
        return (BOOL)Send(LVM_GETITEMRECT, nItem, (LPARAM)lpRect);
    }
    int GetColumnWidth(int nCol) const
    {
        return (int)Send(LVM_GETCOLUMNWIDTH, nCol);
    }
    BOOL SetColumnWidth(int nCol, int cx)
    {
        return (BOOL)Send(LVM_SETCOLUMNWIDTH, nCol, MAKELPARAM(cx, 0));
    }
    BOOL GetColumn(int nCol, LVCOLUMN* pColumn) const
    {
        return (BOOL)Send(LVM_GETCOLUMN, nCol, (LPARAM)pColumn);
    }
    BOOL SetColumn(int nCol, const LVCOLUMN* pColumn)
    {
        return (BOOL)Send(LVM_SETCOLUMN, nCol, (LPARAM)pColumn);
    }
    DWORD GetExtendedStyle() const
    {
        return (DWORD)Send(LVM_GETEXTENDEDLISTVIEWSTYLE);
    }
    DWORD SetExtendedStyle(DWORD dwNewStyle)
    {
        return (DWORD)Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle);
    }
    CHeaderCtrl* GetHeaderCtrl() const
    {
        return (CHeaderCtrl*)CWnd::FromHandle((HWND)Send(LVM_GETHEADER));
    }
    HIMAGELIST SetImageList(HIMAGELIST hImageList, int nImageListType)
    {
        return (HIMAGELIST)Send(LVM_SETIMAGELIST, nImageListType, (LPARAM)hImageList);
    }
    int GetTopIndex() const
    {
        return (int)Send(LVM_GETTOPINDEX);
    }
    int GetCountPerPage() const
    {
        return (int)Send(LVM_GETCOUNTPERPAGE);
    }
    BOOL SetBkColor(COLORREF cr)
    {
        return (BOOL)Send(LVM_SETBKCOLOR, 0, cr);
    }
    BOOL SetTextColor(COLORREF cr)
    {
        return (BOOL)Send(LVM_SETTEXTCOLOR, 0, cr);
    }
    BOOL SetTextBkColor(COLORREF cr)
    {
        return (BOOL)Send(LVM_SETTEXTBKCOLOR, 0, cr);
    }

    // Operations
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    int InsertColumn(int nCol, const LVCOLUMN* pColumn)
    {
        return (int)Send(LVM_INSERTCOLUMN, nCol, (LPARAM)pColumn);
    }
    BOOL DeleteColumn(int nCol)
    {
        return (BOOL)Send(LVM_DELETECOLUMN, nCol);
    }
    int InsertItem(const LVITEM* pItem)
    {
        return (int)Send(LVM_INSERTITEM, 0, (LPARAM)pItem);
    }
    int InsertItem(int nItem, LPCTSTR lpszItem, int nImage = -1);
    BOOL DeleteItem(int nItem)
    {
        return (BOOL)Send(LVM_DELETEITEM, nItem);
    }
    BOOL DeleteAllItems()
    {
        return (BOOL)Send(LVM_DELETEALLITEMS);
    }
    int FindItem(LVFINDINFO* pFindInfo, int nStart = -1) const
    {
        return (int)Send(LVM_FINDITEM, nStart, (LPARAM)pFindInfo);
    }
    int HitTest(LVHITTESTINFO* pHitTestInfo) const
    {
        return (int)Send(LVM_HITTEST, 0, (LPARAM)pHitTestInfo);
    }
    int HitTest(CPoint pt, UINT* pFlags = NULL) const;
    BOOL EnsureVisible(int nItem, BOOL bPartialOK)
    {
        return (BOOL)Send(LVM_ENSUREVISIBLE, nItem, bPartialOK);
    }
    BOOL RedrawItems(int nFirst, int nLast)
    {
        return (BOOL)Send(LVM_REDRAWITEMS, nFirst, nLast);
    }
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
    {
        return (BOOL)Send(LVM_SORTITEMS, dwData, (LPARAM)pfnCompare);
    }
    CWnd* EditLabel(int nItem)
    {
        return CWnd::FromHandle((HWND)Send(LVM_EDITLABEL, nItem));
    }
    BOOL SetItemCount(int nItems)
    {
        return (BOOL)Send(LVM_SETITEMCOUNT, nItems);
    }

  protected:
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessage(m_hWnd, msg, wParam, lParam);
    }
};
