// SECFullScreenView: switches the application's main frame to full screen and back. Entering
// takes the frame's caption and sizing border, covers the desktop, hides the menu and every
// control bar (the task bar too with flag 4) and floats a one-button toolbar whose command
// 43107, like Escape, brings everything back. While on, listeners on the frame, the MDI client
// and the active MDI child keep the menu away and a maximised child covering the screen.
// The main frame embeds one; the view's own window is a hidden child of the frame while on.
#pragma once
#include "afxwin.h"
#include "afxtempl.h"
#include "uilib/frames/views/FSMDIClientListener.h"
#include "uilib/frames/views/FSMainFrmListener.h"
#include <vector>

class SECFullScreenView;
class SECDockState;

// Options of EnterFullScreenMode.
enum
{
    SEC_FS_MENU_ON_HOVER = 1, // the mouse at the menu area or border shows the menu for a moment
    SEC_FS_TEXT_BUTTON = 2,   // the button shows the button text instead of its bitmap
    SEC_FS_HIDE_TASKBAR = 4,  // the Windows task bar is hidden while full screen is on
    SEC_FS_SEC_TOOLBAR = 8,   // library frames get a SECToolBar instead of a customisable toolbar
};

// The command that leaves full screen, and the ids of the view's window and of its toolbar.
#define ID_SEC_FULLSCREEN_CLOSE 43107
#define SEC_IDW_FULLSCREEN_VIEW 57635
#define SEC_IDW_FULLSCREEN_BAR 57636
// Sent to the frame: wParam 1 when full screen went on, 0 when it went off.
#define SEC_WM_FULLSCREEN_CHANGED 0x702

class SECFullScreenView : public CWnd
{
    DECLARE_DYNAMIC(SECFullScreenView)

  public:
    // Called with the toolbar's bar style and a second word before they are applied.
    typedef void(PASCAL* StyleHook)(DWORD* pdwStyle, DWORD* pdwExtra);

    // The task bar as the view sees it; tests replace it (Wine has none).
    struct TaskBarSeam
    {
        HWND(PASCAL* pfnFind)();     // the task bar window, NULL when there is none
        UINT(PASCAL* pfnGetState)(); // SHAppBarMessage(ABM_GETSTATE)
    };

    // Construction
    SECFullScreenView();
    ~SECFullScreenView() override;
    SECFullScreenView(const SECFullScreenView&) = delete;
    SECFullScreenView& operator=(const SECFullScreenView&) = delete;

    // Operations
    // 1 when full screen went on; 0 when it was on already, the main window is no frame or an
    // in-place frame, or a step failed (then everything taken is put back).
    BOOL EnterFullScreenMode(DWORD dwFlags);
    afx_msg void LeaveFullScreenMode();
    BOOL IsFullScreen() const
    {
        return m_bActive;
    }
    void SetStyleHook(StyleHook pfnHook)
    {
        m_pfnStyleHook = pfnHook;
    }
    void SetButtonText(LPCTSTR lpszText)
    {
        m_strButtonText = lpszText;
    }
    // The toolbar's window text, the caption of its floating frame.
    void SetToolBarTitle(LPCTSTR lpszTitle)
    {
        m_strToolBarTitle = lpszTitle;
    }
    CControlBar* GetFSToolBar() const
    {
        return m_pToolBar;
    }
    // The seam now in use; a NULL member restores the system's.
    static void PASCAL SetTaskBarSeam(const TaskBarSeam& seam);

    // Overridables
    virtual int CreateFSToolBar(CFrameWnd* pFrame);
    virtual void DestroyFSToolBar();
    virtual void NotifyFullScreenOn();
    virtual void NotifyFullScreenOff();

    // Attributes
    CControlBar* m_pToolBar;
    BOOL m_bActive;
    DWORD m_dwFlags;
    CRect m_rectSavedFrame;
    UINT m_nButtonBitmapID;
    CBitmap* m_pButtonBitmap;
    CString m_strButtonText;
    CString m_strToolBarTitle;
    StyleHook m_pfnStyleHook;
    HACCEL m_hSavedAccel;
    HACCEL m_hFSAccel;
    CMap<CControlBar*, CControlBar*, int, int> m_hiddenBars;
    SECFSMDIClientListener m_mdiClientListener;
    SECFSMainFrmListener m_mainFrmListener;
    SECDockState* m_pSavedDockState;

    // Implementation
    void HideTaskBar(BOOL bHide);
    void ShowControlBars(BOOL bShow);
    void RestoreMainFrame();
    // The frame's dock bars as they are, kept while the menu bar stands in for the menu.
    void SaveDockState(CFrameWnd* pFrame);
    // The button face of flag 2: the text in the GUI font, exactly its extent.
    CBitmap* RenderButtonText();
    CFrameWnd* GetFrame() const
    {
        return m_pFrame;
    }

  protected:
    // One accelerator table replaced for full screen: Escape leads to 43107 whichever table
    // the frame translates with (the frame's, a child's or a document template's).
    struct AccelSwap
    {
        HACCEL hOld;
        HACCEL hNew;
    };
    std::vector<AccelSwap> m_accelSwaps;
    CFrameWnd* m_pFrame;
    BOOL m_bTaskBarHidden; // entering hid it: leaving shows it again
    BOOL m_bStylesChanged;
    BOOL m_bMenuRemoved;
    BOOL m_bNotifiedOn;

    void InstallAccelerators();
    void RestoreAccelerators();
    HACCEL SwapAccel(HACCEL hOld);
    void UndoEnter();
    void RestoreDockState();
    void ReturnMenuBarToReBar(CFrameWnd* pFrame);

    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};
