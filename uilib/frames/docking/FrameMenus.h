// SECFrameMenus: the menu steps both library frames share: making the menu plug-in in WM_CREATE
// (the menu-bar feature with a menu bar, else the bitmap-menu plug-in when asked for), giving it
// every message and keystroke first, and the images of popups opened through the window procedure.
// Stateless; each frame owns its plug-in.
#pragma once
#include "afxwin.h"
#include <functional>

class SECControlBarManager;
class SECMenuBar;
class SECMenuBarFeature;

namespace tessaron
{
namespace foundation
{
class SECWndPlugIn;
}
} // namespace tessaron

class SECFrameMenus
{
  public:
    using PlugIn = tessaron::foundation::SECWndPlugIn;

    // The plug-in a frame makes when its window exists: with a menu bar the menu-bar feature (given
    // the bar), else with bitmap menus a bitmap-menu plug-in, else none. With bitmap menus and a
    // toolbar manager the plug-in shares the manager's images. NULL when none is wanted or it
    // could not be plugged in (then it is deleted).
    static PlugIn* CreatePlugIn(CFrameWnd* pFrame, SECMenuBar* pMenuBar, BOOL bBmpMenus,
                                SECControlBarManager* pManager);
    // Deletes a frame's plug-in before its window goes, so that it lets go of the window and its
    // hooks first; the field becomes NULL.
    static void ReleasePlugIn(PlugIn*& rpPlugIn);
    // The plug-in as the menu-bar feature, NULL for a plain bitmap-menu plug-in or none.
    static SECMenuBarFeature* GetFeature(PlugIn* pPlugIn);
    // The frame's window procedure with the plug-in first: a message the plug-in consumed (or
    // WM_HELP it answered TRUE) ends there. The plug-in is read through the frame's field each
    // time, since a handler may delete it. With bitmap menus a popup gets its images after the
    // frame's own handling; one the menu bar opened from a system menu counts as a system menu.
    static LRESULT WindowProc(PlugIn* const& rpPlugIn, BOOL bBmpMenus, UINT message, WPARAM wParam,
                              LPARAM lParam, const std::function<LRESULT(UINT, WPARAM, LPARAM)>& frameProc);
    // The plug-in's turn at a keystroke before the frame's accelerators; none in print preview.
    static BOOL PreTranslateMessage(PlugIn* pPlugIn, MSG* pMsg);
    // A frame's keystroke before its base class has it: the plug-in's turn, then a close while
    // customising is dropped. TRUE when it ends there.
    static BOOL PreTranslateFrameMessage(CFrameWnd* pFrame, PlugIn* pPlugIn, SECControlBarManager* pManager,
                                         MSG* pMsg);
    // A frame's click in context-help mode before its base class has it. A press on a caption
    // button of the menu bar gives the help of its command (minimise, restore, close), one on
    // another button the non-client help of its hit code, and the help loop ends (FALSE); a press
    // on no button goes to the bar and help mode takes the mouse again (TRUE); both remove the
    // message. -1: not a left press on the bar, the frame's own help handling.
    static int MenuBarHelp(CFrameWnd* pFrame, SECMenuBar* pMenuBar, MSG& msg, DWORD* pContext);
    // Toolbar images for the popups of a bitmap-menu plug-in (or the feature); FALSE without one.
    static BOOL AddMenuImages(PlugIn* pPlugIn, UINT nToolBarID);
};
