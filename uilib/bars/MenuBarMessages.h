// SECMenuBarMessages: the tracking of a menu bar's popups. It answers the bar's notifications by
// showing one popup at a time below its button, moves between popups with the mouse and the
// arrow keys, and owns the thread's message hooks while a popup is open or the bar is in menu
// mode. One menu bar is tracked at a time; everything runs on the user-interface thread.
#pragma once
#include "afxwin.h"
#include "afxcmn.h"

class SECMenuBar;

// Codes of the menu bar's notifications.
#define SEC_MBN_DROPMENU (-2120)  // drop the popup of a button
#define SEC_MBN_CLOSEMENU (-2121) // close the open popup
#define SEC_MBN_MENUMODE (-2122)  // a menu button has the focus
#define SEC_MBN_ENDMODE (-2123)   // menu mode ends

// The notification a menu-bar button sends (laid out as the toolbar buttons' notifications).
struct SECMenuBarNotify
{
    NMTOOLBAR nm;
    UINT_PTR nButton;
    UINT_PTR nMenuValue; // a popup's HMENU, or a menu-bar button's menu resource id
    INT_PTR nPopupIndex; // -1: the system menu
    UINT_PTR bOwned;     // allocated, freed after use
};

class SECMenuBarMessages
{
  public:
    // Construction
    SECMenuBarMessages();
    virtual ~SECMenuBarMessages();
    SECMenuBarMessages(const SECMenuBarMessages&) = delete;
    SECMenuBarMessages& operator=(const SECMenuBarMessages&) = delete;

    // Operations
    void AttachMenuBar(SECMenuBar* pBar);
    SECMenuBar* GetMenuBar() const
    {
        return m_pBar;
    }
    static BOOL PASCAL IsTrackingSysMenu();
    // The registered messages "WM_SECGETMENU" and "WM_SEC_MENUPROD".
    static UINT PASCAL GetMenuMessage();
    static UINT PASCAL MenuProdMessage();

    // Overridables
    virtual void MoveToMenu(int nDirection);
    virtual void Cancel();
    virtual void OnMenuChanged(UINT nMenuID);
    virtual void DropHot();
    virtual void OnMouseMove(CPoint ptScreen);
    virtual void OnAltDown();
    virtual BOOL OnClickInMenu(MSG* pMsg);
    virtual CFrameWnd* GetFrame() = 0;
    virtual void TrackPopup(SECMenuBar* pBar, HMENU hMenu, SECMenuBarNotify* pNotify);
    virtual void TrackSystemMenu(HMENU hMenu);
    virtual void InstallFilterHook(BOOL bInstall);
    virtual void InstallKeyboardMouseHooks(BOOL bInstall);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    virtual void OnMenuProd();
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual void OnInitMenuPopup(HMENU hMenu, UINT nIndex, BOOL bSysMenu);
    virtual BOOL OnSysCommand(UINT nID, LPARAM lParam);
    virtual BOOL OnNcActivate(BOOL bActive);

    // Implementation
  protected:
    BOOL HandleKeyMenu(TCHAR ch);
    BOOL HasF10Accelerator();
    BOOL IsViewMnemonic(UINT nKey);
    CRect SysMenuIconRect(BOOL bForClick);
    void PostDefaultSysCommand(CFrameWnd* pFrame);
    static LRESULT CALLBACK FilterHook(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK KeyboardHook(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MouseHook(int nCode, WPARAM wParam, LPARAM lParam);

    SECMenuBar* m_pBar;
    BOOL m_bMovePending;    // the popup just opened selects its first item
    BOOL m_bSubmenuEntered; // the popup reacted to Left/Right itself
    int m_nDirection;       // 0 previous, 1 next
    BOOL m_bSwallowAltUp;
    DWORD m_dwIconClickTime; // a press on the frame's icon closed the open system menu, 0 otherwise
};
