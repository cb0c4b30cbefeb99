// SECSubItemTextStorage: the texts of the columns after the first for every tree item, kept by
// item handle so that they survive collapsing (rows come and go, items stay). Owns its arrays.
#pragma once
#include "MapPtrToPtr.h"
#include "StringArray.h"
#include <commctrl.h>

class SECSubItemTextStorage
{
  public:
    SECSubItemTextStorage();
    ~SECSubItemTextStorage();
    SECSubItemTextStorage(const SECSubItemTextStorage&) = delete;
    SECSubItemTextStorage& operator=(const SECSubItemTextStorage&) = delete;

    // Columns count from 1 (column 0 is the item's own label).
    BOOL GetSubItemText(HTREEITEM hItem, int nCol, LPSTR pszBuffer, int nSize) const;
    BOOL SetSubItemText(HTREEITEM hItem, int nCol, LPCSTR pszText);
    BOOL MoveSubItemText(HTREEITEM hItem, int nFrom, int nTo);
    void InsertColumn(int nCol);
    void RemoveItem(HTREEITEM hItem);
    CString GetText(HTREEITEM hItem, int nCol) const;

  private:
    CMapPtrToPtr m_map; // HTREEITEM -> CStringArray*
};
