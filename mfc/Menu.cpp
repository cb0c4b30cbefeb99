// Menu handles: handle map, loading from resources and pop-up tracking.
#include "Menu.h"
#include "AfxState.h"
#include "Wnd.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

static CMenu* AfxNewTempMenu()
{
    return new CMenu;
}

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu)
{
    return AfxGetThreadState()->m_menuMap.FromHandle(hMenu, &AfxNewTempMenu);
}
void PASCAL CMenu::DeleteTempMap()
{
    AfxGetThreadState()->m_menuMap.DeleteTemp();
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (hMenu == NULL)
        return FALSE;
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    pState->m_menuMap.RemoveHandle(hMenu);
    pState->m_menuMap.SetPermanent(hMenu, this);
    m_hMenu = hMenu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    if (hMenu != NULL && AfxGetThreadState()->m_menuMap.LookupPermanent(hMenu) == this)
        AfxGetThreadState()->m_menuMap.RemoveHandle(hMenu);
    m_hMenu = NULL;
    return hMenu;
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == NULL)
        return FALSE;
    return ::DestroyMenu(Detach());
}

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_MENU);
    return Attach(::LoadMenu(hInst, lpszResourceName));
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    int nLen = ::GetMenuString(m_hMenu, nIDItem, NULL, 0, nFlags);
    int nResult = ::GetMenuString(m_hMenu, nIDItem, rString.GetBufferSetLength(nLen), nLen + 1, nFlags);
    rString.ReleaseBuffer();
    return nResult;
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd->GetSafeHwnd(), lpRect);
}

BOOL CMenu::SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const CBitmap* pBmpUnchecked,
                               const CBitmap* pBmpChecked)
{
    return ::SetMenuItemBitmaps(m_hMenu, nPosition, nFlags, (HBITMAP)pBmpUnchecked->GetSafeHandle(),
                                (HBITMAP)pBmpChecked->GetSafeHandle());
}
