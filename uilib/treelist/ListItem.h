// SECListItem: one row of the list (first-column text, state, image, data, measured geometry)
// owning its sub-items; SECListSubItem: the text of one further column of a row.
#pragma once
#include "afxwin.h"
#include <commctrl.h>
#include "uilib/treelist/ListPool.h"
#include <vector>

// Texts of rows and sub-items: NULL, LPSTR_TEXTCALLBACKA (ask the owner) or an owned copy.
namespace ListText
{
inline bool IsCallback(LPCSTR p)
{
    return p == LPSTR_TEXTCALLBACKA;
}
LPSTR Copy(LPCSTR p);
void Free(LPSTR& p);
// Copies at most nSize - 1 bytes, never half a double-byte character, and terminates.
void CopyBounded(LPSTR pDest, int nSize, LPCSTR pSrc);
} // namespace ListText

class SECListSubItem
{
  public:
    SECListSubItem() = default;
    ~SECListSubItem()
    {
        ListText::Free(m_pszText);
    }
    SECListSubItem(const SECListSubItem&) = delete;
    SECListSubItem& operator=(const SECListSubItem&) = delete;
    SEC_LIST_POOLED

    LPSTR m_pszText = LPSTR_TEXTCALLBACKA;
    // Still the callback text it was made with: the owner is asked for it, but a text set on it
    // is stored (otherwise no sub-item text could ever be set).
    BOOL m_bUntouched = TRUE;
    DWORD m_dwValue = 0;
    CRect m_rcLabel{0, 0, 0, 0};
};

class SECListItem
{
  public:
    SECListItem() = default;
    virtual ~SECListItem();
    SECListItem(const SECListItem&) = delete;
    SECListItem& operator=(const SECListItem&) = delete;
    SEC_LIST_POOLED

    // Sub-item k (from 1) is element k - 1; the row owns them.
    std::vector<SECListSubItem*, SECListPoolAllocator<SECListSubItem*>> m_arrSubItems;
    LPSTR m_pszText = NULL;
    UINT m_nState = 0; // without selected, focused, drop-highlighted (kept by the list)
    int m_nImage = 0;
    LPARAM m_lParam = 0;
    int m_cy = -1;
    UINT m_nStateEx = 0;
    BOOL m_bDirty = TRUE;
    CRect m_rcLabel{0, 0, 0, 0};
    CRect m_rcIcon{0, 0, 0, 0};
    CRect m_rcStateIcon{0, 0, 0, 0};

    SECListSubItem* GetSubItem(int nSubItem) const
    {
        return nSubItem >= 1 && nSubItem <= (int)m_arrSubItems.size() ? m_arrSubItems[nSubItem - 1] : NULL;
    }
};

// The extended-state record of SetItemEx / GetItemEx.
struct SEC_LVITEMEX
{
    UINT mask; // 1: state valid
    UINT state;
    UINT stateMask;
};
