// SECMenuTemplate: reads a menu resource template (MENUITEMTEMPLATE items: a flags word with
// MF_POPUP and MF_END, a command id for items that are not pop-ups, a zero-terminated UTF-16
// text) without trusting it: every read stays inside the resource's size, and an item that does
// not fit counts as missing. The menu bar finds its items and texts through it.
#pragma once
#include "afxwin.h"
#include <vector>

class SECMenuTemplate
{
  public:
    // One item of a level.
    struct Item
    {
        UINT nFlags;
        UINT nID; // 0 for pop-ups
        CString strText;
        size_t nSubLevel; // where a pop-up's items start
    };

    // Construction
    SECMenuTemplate() = default;
    // A template in memory (copied).
    SECMenuTemplate(const void* pData, size_t cbData);
    // The RT_MENU resource of the resource module; FALSE (and empty) when it is missing.
    BOOL Load(LPCTSTR lpszMenu);
    BOOL Load(UINT nID)
    {
        return Load(MAKEINTRESOURCE(nID));
    }

    // Operations
    // Where the items of the top level start; 0 when the header does not fit.
    size_t TopLevel() const;
    // The n-th item of the level starting at nLevel (a pop-up's items are skipped); FALSE when
    // the level ends first or an item does not fit.
    BOOL FindItem(size_t nLevel, int nIndex, Item& item) const;
    // The text of the n-th item of a level; empty when there is none.
    CString GetItemText(size_t nLevel, int nIndex) const;

    // Implementation
  private:
    // Reads the item at nPos; nNext gets where the next item of the same level starts (after
    // a pop-up's items). FALSE when it does not fit.
    BOOL ReadItem(size_t nPos, Item& item, size_t& nNext, int nDepth) const;
    BOOL Word(size_t nPos, UINT& nValue) const;

    std::vector<BYTE> m_data;
};
