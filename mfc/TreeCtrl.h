// CTreeCtrl: a tree view; items are HTREEITEM handles owned by the control.
//
// Differences from MFC:
// - No check-box state helpers beyond Get/SetCheck; no extended styles.
#pragma once
#include "Wnd.h"
#include "String.h"

class CTreeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTreeCtrl)

  public:
    // Construction
    CTreeCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return AfxDeferRegisterClass(AFX_WNDCOMMCTLS_REG) &&
               CWnd::Create(WC_TREEVIEW, NULL, dwStyle, rect, pParentWnd, nID);
    }

    // Attributes
    UINT GetCount() const
    {
        return (UINT)Send(TVM_GETCOUNT);
    }
    UINT GetIndent() const
    {
        return (UINT)Send(TVM_GETINDENT);
    }
    void SetIndent(UINT nIndent)
    {
        Send(TVM_SETINDENT, nIndent);
    }
    HIMAGELIST SetImageList(HIMAGELIST hImageList, int nImageListType)
    {
        return (HIMAGELIST)Send(TVM_SETIMAGELIST, nImageListType, (LPARAM)hImageList);
    }
    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const
    {
        return (HTREEITEM)Send(TVM_GETNEXTITEM, nCode, (LPARAM)hItem);
    }
    HTREEITEM GetChildItem(HTREEITEM hItem) const
    {
        return GetNextItem(hItem, TVGN_CHILD);
    }
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const
    {
        return GetNextItem(hItem, TVGN_NEXT);
    }
    HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const
    {
        return GetNextItem(hItem, TVGN_PREVIOUS);
    }
    HTREEITEM GetParentItem(HTREEITEM hItem) const
    {
        return GetNextItem(hItem, TVGN_PARENT);
    }
    HTREEITEM GetFirstVisibleItem() const
    {
        return GetNextItem(NULL, TVGN_FIRSTVISIBLE);
    }
    HTREEITEM GetNextVisibleItem(HTREEITEM hItem) const
    {
        return GetNextItem(hItem, TVGN_NEXTVISIBLE);
    }
    HTREEITEM GetSelectedItem() const
    {
        return GetNextItem(NULL, TVGN_CARET);
    }
    HTREEITEM GetDropHilightItem() const
    {
        return GetNextItem(NULL, TVGN_DROPHILITE);
    }
    HTREEITEM GetRootItem() const
    {
        return GetNextItem(NULL, TVGN_ROOT);
    }
    BOOL GetItem(TVITEM* pItem) const
    {
        return (BOOL)Send(TVM_GETITEM, 0, (LPARAM)pItem);
    }
    BOOL SetItem(TVITEM* pItem)
    {
        return (BOOL)Send(TVM_SETITEM, 0, (LPARAM)pItem);
    }
    CString GetItemText(HTREEITEM hItem) const;
    BOOL SetItemText(HTREEITEM hItem, LPCTSTR lpszItem);
    DWORD_PTR GetItemData(HTREEITEM hItem) const;
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const
    {
        return (UINT)Send(TVM_GETITEMSTATE, (WPARAM)hItem, nStateMask) & nStateMask;
    }
    BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask);
    BOOL GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const;
    BOOL SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage);
    BOOL ItemHasChildren(HTREEITEM hItem) const;
    BOOL GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const
    {
        *(HTREEITEM*)lpRect = hItem; // the message takes the item in the rectangle's place
        return (BOOL)Send(TVM_GETITEMRECT, bTextOnly, (LPARAM)lpRect);
    }
    BOOL GetCheck(HTREEITEM hItem) const
    {
        return (GetItemState(hItem, TVIS_STATEIMAGEMASK) >> 12) == 2;
    }
    BOOL SetCheck(HTREEITEM hItem, BOOL fCheck = TRUE)
    {
        return SetItemState(hItem, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), TVIS_STATEIMAGEMASK);
    }
    UINT GetVisibleCount() const
    {
        return (UINT)Send(TVM_GETVISIBLECOUNT);
    }

    // Operations
    HTREEITEM InsertItem(LPTVINSERTSTRUCT lpInsertStruct)
    {
        return (HTREEITEM)Send(TVM_INSERTITEM, 0, (LPARAM)lpInsertStruct);
    }
    HTREEITEM InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                         UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter);
    HTREEITEM InsertItem(LPCTSTR lpszItem, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST)
    {
        return InsertItem(TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0, hParent, hInsertAfter);
    }
    HTREEITEM InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST)
    {
        return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, lpszItem, nImage, nSelectedImage, 0, 0,
                          0, hParent, hInsertAfter);
    }
    BOOL DeleteItem(HTREEITEM hItem)
    {
        return (BOOL)Send(TVM_DELETEITEM, 0, (LPARAM)hItem);
    }
    BOOL DeleteAllItems()
    {
        return (BOOL)Send(TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT);
    }
    BOOL Expand(HTREEITEM hItem, UINT nCode)
    {
        return (BOOL)Send(TVM_EXPAND, nCode, (LPARAM)hItem);
    }
    BOOL Select(HTREEITEM hItem, UINT nCode)
    {
        return (BOOL)Send(TVM_SELECTITEM, nCode, (LPARAM)hItem);
    }
    BOOL SelectItem(HTREEITEM hItem)
    {
        return Select(hItem, TVGN_CARET);
    }
    BOOL SelectDropTarget(HTREEITEM hItem)
    {
        return Select(hItem, TVGN_DROPHILITE);
    }
    BOOL SelectSetFirstVisible(HTREEITEM hItem)
    {
        return Select(hItem, TVGN_FIRSTVISIBLE);
    }
    CWnd* EditLabel(HTREEITEM hItem)
    {
        return CWnd::FromHandle((HWND)Send(TVM_EDITLABEL, 0, (LPARAM)hItem));
    }
    HTREEITEM HitTest(CPoint pt, UINT* pFlags = NULL) const;
    HTREEITEM HitTest(TVHITTESTINFO* pHitTestInfo) const
    {
        return (HTREEITEM)Send(TVM_HITTEST, 0, (LPARAM)pHitTestInfo);
    }
    BOOL SortChildren(HTREEITEM hItem)
    {
        return (BOOL)Send(TVM_SORTCHILDREN, 0, (LPARAM)hItem);
    }
    BOOL SortChildrenCB(LPTVSORTCB pSort)
    {
        return (BOOL)Send(TVM_SORTCHILDRENCB, 0, (LPARAM)pSort);
    }
    BOOL EnsureVisible(HTREEITEM hItem)
    {
        return (BOOL)Send(TVM_ENSUREVISIBLE, 0, (LPARAM)hItem);
    }
    HIMAGELIST CreateDragImage(HTREEITEM hItem)
    {
        return (HIMAGELIST)Send(TVM_CREATEDRAGIMAGE, 0, (LPARAM)hItem);
    }

  protected:
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessage(m_hWnd, msg, wParam, lParam);
    }
};
