// CMenu: owns (or, when temporary, names) a menu handle.
//
// Differences from MFC:
// - No owner-draw helpers (DrawItem/MeasureItem are left to the menu classes that need them).
#pragma once
#include "afx.h"
#include "HandleMap.h"

class CWnd;

class CMenu : public CObject
{
    DECLARE_DYNCREATE(CMenu)

  public:
    // Construction
    CMenu() : m_hMenu(NULL)
    {
    }
    ~CMenu() override
    {
        DestroyMenu();
    }
    BOOL CreateMenu()
    {
        return Attach(::CreateMenu());
    }
    BOOL CreatePopupMenu()
    {
        return Attach(::CreatePopupMenu());
    }
    BOOL LoadMenu(LPCTSTR lpszResourceName);
    BOOL LoadMenu(UINT nIDResource)
    {
        return LoadMenu(MAKEINTRESOURCE(nIDResource));
    }
    BOOL LoadMenuIndirect(const void* lpMenuTemplate)
    {
        return Attach(::LoadMenuIndirect(lpMenuTemplate));
    }
    BOOL DestroyMenu();

    // Attributes
    HMENU m_hMenu;
    operator HMENU() const
    {
        return GetSafeHmenu();
    }
    HMENU GetSafeHmenu() const
    {
        const CMenu* volatile self = this;
        return self == NULL ? NULL : self->m_hMenu;
    }
    static CMenu* PASCAL FromHandle(HMENU hMenu);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HMENU hMenu);
    HMENU Detach();

    // Operations
    BOOL DeleteMenu(UINT nPosition, UINT nFlags)
    {
        return ::DeleteMenu(m_hMenu, nPosition, nFlags);
    }
    BOOL RemoveMenu(UINT nPosition, UINT nFlags)
    {
        return ::RemoveMenu(m_hMenu, nPosition, nFlags);
    }
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = NULL)
    {
        return ::AppendMenu(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
    }
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = NULL)
    {
        return ::InsertMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
    }
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = NULL)
    {
        return ::ModifyMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
    }
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
    {
        return ::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable);
    }
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
    {
        return (UINT)::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
    }
    BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags)
    {
        return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
    }
    BOOL SetDefaultItem(UINT uItem, BOOL fByPos = FALSE)
    {
        return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos);
    }
    UINT GetMenuItemCount() const
    {
        return (UINT)::GetMenuItemCount(m_hMenu);
    }
    UINT GetMenuItemID(int nPos) const
    {
        return ::GetMenuItemID(m_hMenu, nPos);
    }
    UINT GetMenuState(UINT nID, UINT nFlags) const
    {
        return ::GetMenuState(m_hMenu, nID, nFlags);
    }
    int GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const
    {
        return ::GetMenuString(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
    }
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    BOOL GetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos = FALSE)
    {
        return ::GetMenuItemInfo(m_hMenu, uItem, fByPos, lpMenuItemInfo);
    }
    BOOL SetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos = FALSE)
    {
        return ::SetMenuItemInfo(m_hMenu, uItem, fByPos, lpMenuItemInfo);
    }
    CMenu* GetSubMenu(int nPos) const
    {
        return FromHandle(::GetSubMenu(m_hMenu, nPos));
    }
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = NULL);
    BOOL SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const class CBitmap* pBmpUnchecked,
                            const class CBitmap* pBmpChecked);
    static BOOL PASCAL IsMenu(HMENU hMenu)
    {
        return ::IsMenu(hMenu);
    }

    // Implementation
    void AttachTemporaryHandle(HMENU h)
    {
        m_hMenu = h;
    }
    void DetachTemporaryHandle()
    {
        m_hMenu = NULL;
    }
};
