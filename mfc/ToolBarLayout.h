// CToolBarLayout: the rules a toolbar built on the common toolbar control follows for its layout
// (wrapping into rows, vertical layout, sizes per mode) and its buttons' command state. Both
// CToolBar and the library's own common-control toolbar call them, so the rules live once.
//
// Differences from MFC:
// - The rules take the toolbar control's window and its bar, not a CToolBar, so a toolbar
//   derived from another control-bar class uses them the same way.
#pragma once
#include "ControlBar.h"
#include <shlwapi.h>

// Button styles as CToolBar reports them: the control's style in the low word, its state in the
// high word, with the enabled bit turned into a disabled bit.
#define TBBS_BUTTON MAKELONG(TBSTYLE_BUTTON, 0)
#define TBBS_SEPARATOR MAKELONG(TBSTYLE_SEP, 0)
#define TBBS_CHECKBOX MAKELONG(TBSTYLE_CHECK, 0)
#define TBBS_GROUP MAKELONG(TBSTYLE_GROUP, 0)
#define TBBS_CHECKGROUP (TBBS_GROUP | TBBS_CHECKBOX)
#define TBBS_DROPDOWN MAKELONG(TBSTYLE_DROPDOWN, 0)
#define TBBS_AUTOSIZE MAKELONG(TBSTYLE_AUTOSIZE, 0)
#define TBBS_NOPREFIX MAKELONG(TBSTYLE_NOPREFIX, 0)
#define TBBS_CHECKED MAKELONG(0, TBSTATE_CHECKED)
#define TBBS_PRESSED MAKELONG(0, TBSTATE_PRESSED)
#define TBBS_DISABLED MAKELONG(0, TBSTATE_ENABLED)
#define TBBS_INDETERMINATE MAKELONG(0, TBSTATE_INDETERMINATE)
#define TBBS_HIDDEN MAKELONG(0, TBSTATE_HIDDEN)
#define TBBS_WRAPPED MAKELONG(0, TBSTATE_WRAP)
#define TBBS_ELLIPSES MAKELONG(0, TBSTATE_ELLIPSES)
#define TBBS_MARKED MAKELONG(0, TBSTATE_MARKED)

class CToolBarLayout
{
  public:
    // pBar is the control bar whose window (hWndToolBar) is the toolbar control; sizeButton its
    // button size.
    CToolBarLayout(CControlBar* pBar, HWND hWndToolBar, CSize sizeButton);

    // Size of the bar for a layout mode (LM_*), wrapping the buttons as the mode asks and, with
    // LM_COMMIT, storing the wrap states in the control (and the MRU width of a floating bar).
    CSize CalcLayout(DWORD dwMode, int nLength = -1);
    // CalcDynamicLayout of a toolbar: docked sizes come from CalcFixedLayout's rules.
    CSize CalcDynamicLayout(int nLength, DWORD dwMode);
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz)
    {
        return CalcLayout((bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ : 0));
    }

    // Button records as CToolBar shows them (TBSTATE_ENABLED inverted).
    static BOOL GetButton(HWND hWndToolBar, int nIndex, TBBUTTON* pButton);
    // Replaces a button when it changed, repainting only what changed.
    static void SetButton(HWND hWndToolBar, int nIndex, TBBUTTON* pButton);
    static UINT GetButtonStyle(HWND hWndToolBar, int nIndex);
    // A new toolbar control: an owner set before the window existed receives its notifications,
    // and the button records are this build's (not the 32-bit size).
    static void InitControl(HWND hWndToolBar, HWND hWndOwner);
    static void SetOwner(HWND hWndToolBar, HWND hWndOwner);
    // Button and image sizes of an existing bar, through the bar's own handlers.
    static void ApplySizes(CWnd* pBar, SIZE sizeButton, SIZE sizeImage);
    // The button operations both toolbars share, on the control's own procedure.
    static int CommandToIndex(HWND hWndToolBar, UINT nIDFind);
    static UINT GetItemID(HWND hWndToolBar, int nIndex);
    static void GetItemRect(HWND hWndToolBar, int nIndex, LPRECT lpRect);
    static void GetButtonInfo(HWND hWndToolBar, int nIndex, UINT& nID, UINT& nStyle, int& iImage);
    static void SetButtonInfo(HWND hWndToolBar, int nIndex, UINT nID, UINT nStyle, int iImage);
    static void SetButtonStyle(HWND hWndToolBar, int nIndex, UINT nStyle);
    // Command-state update of every button that is not a separator (then the bar's controls).
    static void UpdateButtons(CControlBar* pBar, HWND hWndToolBar, CFrameWnd* pTarget,
                              BOOL bDisableIfNoHndler);
    // The button under point (client coordinates), its command id, or -1.
    static INT_PTR HitTest(HWND hWndToolBar, CPoint point, TOOLINFO* pTI);

    // Version of the common controls as major * 65536 + minor (4.0 when it cannot be asked).
    static DWORD PASCAL ComCtlVersion();
    // Version 4.71: where the rules for flat bars, the top border and separator gaps change.
    static constexpr DWORD kVersion471 = 0x40047;
    // Where ComCtlVersion finds DllGetVersion: by default in COMCTL32.DLL. Setting another source
    // (a function returning NULL: none) asks again on the next call.
    typedef HRESULT(CALLBACK* PFNDLLGETVERSION)(DLLVERSIONINFO*);
    typedef PFNDLLGETVERSION(PASCAL* PFNFINDDLLGETVERSION)();
    static void PASCAL SetDllGetVersionSource(PFNFINDDLLGETVERSION pfnFind);
    static PFNDLLGETVERSION PASCAL FindComCtlDllGetVersion();
    // Width of the drop-down arrow of a TBSTYLE_DROPDOWN button.
    static int PASCAL DropDownWidth();
    // Width of a separator made by SetButtons.
    static int PASCAL SeparatorWidth(HWND hWndToolBar);
    // Replaces all buttons by one per id (0: a separator; no ids: count empty buttons), images
    // numbered in order.
    static BOOL PASCAL SetButtons(HWND hWndToolBar, const UINT* lpIDArray, int nIDCount);
    // Adds the image well, or replaces hbmOld by it; the image count is its width / cxImage.
    static BOOL PASCAL AddReplaceBitmap(HWND hWndToolBar, HBITMAP hbmOld, HBITMAP hbmNew, int cxImage);

    // The rows, as stored in the buttons' wrap states.
    int WrapToolBar(TBBUTTON* pData, int nCount, int nWidth) const;
    CSize CalcSize(TBBUTTON* pData, int nCount) const;
    void SizeToolBar(TBBUTTON* pData, int nCount, int nLength, BOOL bVert = FALSE) const;

  private:
    CControlBar* m_pBar;
    HWND m_hWnd;
    CSize m_sizeButton;
};
