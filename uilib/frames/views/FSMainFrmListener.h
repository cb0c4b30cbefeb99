// SECFSMainFrmListener: sits on the main frame while full screen is on. It keeps the menu away,
// shows it for a moment when the mouse reaches the top edge (flag 1) and hides it again when the
// mouse goes into the client, a 100 ms timer sees the cursor leave the menu bar or a menu loop
// ends; command 43107 and WM_CLOSE leave full screen.
#pragma once
#include "afxwin.h"
#include "uilib/frames/plugins/WndListener.h"

class SECFullScreenView;
class SECMenuBar;

// Posted by the frame listener to the frame after a menu loop.
#define SEC_WM_FULLSCREEN_MENULOOP 0x701
// The timer that hides the floating menu bar once the cursor has left it.
#define SEC_FS_MENU_TIMER 0xE001

class SECFSMainFrmListener : public tessaron::foundation::SECWndListener
{
    DECLARE_DYNAMIC(SECFSMainFrmListener)

  public:
    SECFSMainFrmListener();
    virtual BOOL Install(CWnd* pHost, SECFullScreenView* pOwner);
    BOOL GetHandledResult(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // Operations
    void ShowMenu();
    void HideMenu();
    // A maximised child's system-menu item and buttons doubled in the frame's menu bar are put
    // right: applies only when the frame has a menu.
    static void PASCAL FixMaxChildSysMenu(CFrameWnd* pFrame);
    // The frame without menu; a maximised active MDI child is maximised again so that it keeps
    // covering the client.
    static void PASCAL RemoveMenuKeepingMaxChild(CFrameWnd* pFrame);
    // An active child frame's menu back on the frame.
    static void PASCAL RestoreChildMenu(CFrameWnd* pFrame, CFrameWnd* pChild);
    // The library's menu bar of a frame, NULL when it has none.
    static SECMenuBar* PASCAL MenuBarOf(CFrameWnd* pFrame);
    static CRect PASCAL DesktopRect();

    // Attributes
    SECFullScreenView* m_pOwner;
    BOOL m_bMenuShown;
    BOOL m_bInSysMenu;
    BOOL m_bHasMenuBar;
    HWND m_hWndActiveChild;
    BOOL m_bNotMDI;
    BOOL m_bKeepMenu;
    HMENU m_hSavedMenu;

    // Implementation
    CFrameWnd* GetFrame() const;
    // The active child frame (an MDI child or a docked document frame), NULL when none.
    CFrameWnd* GetActiveChild(BOOL* pbMaximized) const;

  protected:
    BOOL CursorOverMenuBar() const;
    void HideMenuBar();
    void Consume(LRESULT* pResult, LRESULT lResult = 0);
    BOOL OnExitMenuLoop();
    // Dispatches what the menu loop left; FALSE when the frame went away meanwhile (then
    // nothing of this listener may be touched any more).
    BOOL OnMenuLoopEnded(LRESULT* pResult);
};
