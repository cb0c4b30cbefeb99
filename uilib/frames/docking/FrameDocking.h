// SECFrameDocking: the docking steps that the library's frames share (the single-document frame
// and the MDI frame): creating their dock bars, docking a bar with the before/after
// notifications, docking at a logical place with a share, floating a bar kept on the work area,
// the dock bars' repaint after a layout, and loading and saving the bar state. The frames call
// these from their own virtual operations; nothing here is owned.
#pragma once
#include "afxwin.h"
#include <functional>

class SECControlBarManager;
class SECDockBar;
struct SECDockBarPosition;

class SECFrameDocking
{
  public:
    // The frame's four dock bars, in the order they are made and laid out.
    struct Side
    {
        UINT nID;
        DWORD dwStyle; // bar style of the dock bar: alignment and the border toward the client
    };
    static const Side s_sides[4];

    // Creates the dock bars of the sides in dwDockStyle that the frame lacks; pfnCreate makes the
    // object (the frame's CreateDockBar). A window that cannot be made throws CResourceException.
    static void EnableDocking(CFrameWnd* pFrame, DWORD dwDockStyle, DWORD dwBarStyle,
                              const std::function<CDockBar*()>& pfnCreate);

    // The frame's dock bar with this id; NULL when it has none (or the id names another bar).
    static CDockBar* GetDockBar(CFrameWnd* pFrame, UINT nID);
    // The frame's dock bar whose alignment equals the bar's.
    static CDockBar* FindDockBarForAlignment(CFrameWnd* pFrame, DWORD dwBarStyle);
    // The first of the four dock bars holding a placeholder of the bar's control id.
    static CDockBar* FindDockBarWithPlaceHolder(CFrameWnd* pFrame, CControlBar* pBar);

    // Docks through the SECDockBar operation, or CDockBar's for other dock bars.
    static void DockIntoDockBar(CDockBar* pDockBar, CControlBar* pBar, LPCRECT lpRect);
    static void ReDockIntoDockBar(CDockBar* pDockBar, CControlBar* pBar, LPCRECT lpRect);

    // Tells an SECControlBar around its docking and floating; other bars are left alone.
    static void NotifyBeforeDock(CControlBar* pBar);
    static void NotifyAfterDock(CControlBar* pBar);
    static void NotifyBeforeFloat(CControlBar* pBar);
    static void NotifyAfterFloat(CControlBar* pBar);

    // The whole docking of a bar at a screen rectangle (NULL: a new last row), with the dock bar
    // given or picked by the bar's alignment.
    static void DockControlBar(CFrameWnd* pFrame, CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect);
    // Docks back into the dock bar given, else the one holding the bar's placeholder, else the one
    // of its alignment.
    static void ReDockControlBar(CFrameWnd* pFrame, CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect);
    // Docks at a logical place of the dock bar nDockBarID (else the one of the bar's alignment)
    // with the share fPctWidth and the thickness nThickness committed to the bar.
    static void DockControlBarEx(CFrameWnd* pFrame, CControlBar* pBar, UINT nDockBarID,
                                 const SECDockBarPosition& pos, float fPctWidth, int nThickness);

    // Keeps at least 10 pixels of a bar floated at pt on the work area.
    static CPoint ClampToWorkArea(CControlBar* pBar, CPoint pt);
    // Floats the bar in a new floating frame at pt (kept on the work area), or only moves the
    // frame it already floats alone in.
    static void FloatControlBar(CFrameWnd* pFrame, CControlBar* pBar, CPoint pt, DWORD dwStyle);
    // A resizable bar's floating frame gets a thick frame sized by its sides and corners.
    static void MakeFloatingFrameResizable(CFrameWnd* pFloatFrame, CControlBar* pBar);

    // After CFrameWnd::RecalcLayout: repaints the whole frame when rectLastClient is empty or has
    // no height, else lets each SECDockBar redraw; then stores the client area left for the view.
    static void AfterRecalcLayout(CFrameWnd* pFrame, CRect& rectLastClient);

    // The frames' bar layout in the application profile, with their manager and the list the
    // re-created bars go to.
    static void LoadBarState(CFrameWnd* pFrame, SECControlBarManager* pManager, CPtrList* pDynamicBars,
                             LPCTSTR lpszProfileName);
    static void SaveBarState(CFrameWnd* pFrame, SECControlBarManager* pManager, LPCTSTR lpszProfileName);

    // Whether the manager is a toolbar manager whose user is customising the toolbars.
    static BOOL IsCustomising(SECControlBarManager* pManager);
    // While customising, a dialog box's idle carries out the frame's pending layout at once (the
    // frame's own idle time does not come while the sheet runs).
    static void EnterIdleWhileCustomising(CFrameWnd* pFrame, SECControlBarManager* pManager, UINT nWhy);

    // While customising, a close of the frame from the keyboard (Alt+F4, or a posted SC_CLOSE)
    // aimed at the frame or one of its children: the frame's PreTranslateMessage drops it.
    static BOOL IsCloseWhileCustomising(CFrameWnd* pFrame, SECControlBarManager* pManager, const MSG* pMsg);

    // The registered message "WM_SECGETMENU" (wParam menu resource id, lParam position): the
    // frames answer with that popup of the menu, NULL when there is none.
    static UINT GetMenuMessage();
    // The popup at nPos of hMenu, NULL when hMenu is NULL or has none there.
    static LRESULT AnswerGetMenu(HMENU hMenu, int nPos);
};
