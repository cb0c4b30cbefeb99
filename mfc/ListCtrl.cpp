// CListCtrl: members that fill item and column records.
#include "ListCtrl.h"

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    // The control copies at most cchTextMax characters: grow until the text fits.
    CString str;
    for (int nLen = 256;; nLen *= 2)
    {
        LVITEM item = {};
        item.iSubItem = nSubItem;
        item.cchTextMax = nLen;
        item.pszText = str.GetBuffer(nLen);
        int nRes = (int)Send(LVM_GETITEMTEXT, nItem, (LPARAM)&item);
        str.ReleaseBuffer(nRes);
        if (nRes < nLen - 1)
            return str;
    }
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    LVITEM item = {};
    item.iSubItem = nSubItem;
    item.pszText = (LPTSTR)lpszText;
    return (BOOL)Send(LVM_SETITEMTEXT, nItem, (LPARAM)&item);
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    LVITEM item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    GetItem(&item);
    return (DWORD_PTR)item.lParam;
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    LVITEM item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    item.lParam = (LPARAM)dwData;
    return SetItem(&item);
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    LVITEM item = {};
    item.stateMask = nMask;
    item.state = nState;
    return (BOOL)Send(LVM_SETITEMSTATE, nItem, (LPARAM)&item);
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem)
{
    LVCOLUMN column = {};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = (LPTSTR)lpszColumnHeading;
    column.fmt = nFormat;
    if (nWidth != -1)
    {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1)
    {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage)
{
    LVITEM item = {};
    item.mask = LVIF_TEXT | (nImage >= 0 ? LVIF_IMAGE : 0);
    item.iItem = nItem;
    item.pszText = (LPTSTR)lpszItem;
    item.iImage = nImage;
    return InsertItem(&item);
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    LVHITTESTINFO hti = {};
    hti.pt = pt;
    int nRes = HitTest(&hti);
    if (pFlags != NULL)
        *pFlags = hti.flags;
    return nRes;
}
