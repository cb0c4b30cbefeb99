// CMainFrame: the application's main window: menu bar with bitmap menus, status bar, default
// toolbars with their customisation sheet, the docking bars "Statusfenster" and
// "Parameterfenster", the workspace that keeps the bar layout, the minimised view and HTML help
// with the language's table of help topics. Made and loaded by the application's start-up; it
// owns the menu bar and the toolbar manager.
#pragma once
#include "afxwin.h"
#include "afxtempl.h"
#include "uilib/frames/mdi/MDIFrameWnd.h"
#include "app/MeasureTableWnd.h"
#include "app/StateWnd.h"
#include "uilib/bars/CustomStatusBar.h"
#include "uilib/frames/views/FullScreenView.h"
#include "uilib/frames/dockengine/FrameDockingFeature.h"
#include "uilib/frames/layout/LayoutDockFactory.h"

class CDrawView;
class SECToolBarManager;
class SECCustomToolBar;
class SECWorkspaceManagerEx;

class CIRProfilSet;
class CParameterSetDlg;

class CMainFrame : public SECMDIFrameWnd
{
    DECLARE_DYNCREATE(CMainFrame)

  public:
    // Construction
    CMainFrame();
    ~CMainFrame() override;
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    // The default toolbars, in the order they are defined.
    enum
    {
        toolbarMain,
        toolbarRecord,
        toolbarAnalyse,
        toolbarViews,
        toolbarZoom,
        toolbarExpert,
        toolbarCount
    };

    // Attributes
    const CString& GetWorkspaceFile() const
    {
        return m_strWorkspaceFile;
    }
    BOOL IsMinimizedView() const
    {
        return m_bMinimizedView;
    }
    SECCustomStatusBar& GetStatusBar()
    {
        return m_wndStatusBar;
    }
    CMeasureTableWnd& GetMeasureTableWnd()
    {
        return m_wndMeasureTable;
    }
    CStateWnd& GetStateWnd()
    {
        return m_wndState;
    }
    SECFullScreenView& GetFullScreenView()
    {
        return m_fullScreen;
    }
    SECToolBarManager* GetToolBarManager() const
    {
        return m_pToolBarManager;
    }
    // NULL when it could not be set up.
    SECWorkspaceManagerEx* GetWorkspaceManager() const;
    // The toolbar defined as nIndex (toolbarMain ...), NULL when not made.
    SECCustomToolBar* GetDefaultToolBar(int nIndex) const;
    // The topic a help context is shown with (the context itself when the table has none).
    UINT TranslateHelpContext(DWORD_PTR dwContext) const;

    // Operations
    void SetBaudText(LPCTSTR lpszBaud);
    void SetAnalysePointCount(int nPoints);
    // The baud and analysis panes as without a recording: "0" and 0.
    void ClearRecordingPanes();
    BOOL ShowUserMask();
    // The profile table's selected set (NULL when no row is selected) and the appending of a
    // set that comes from a recording; the table refuses changes while it is protected.
    CIRProfilSet* GetSelectedProfileSet();
    BOOL AppendProfileSet(const CIRProfilSet& set);
    BOOL AreProfilesProtected() const;
    // The profile table's tab of the "Parameterfenster" bar.
    CParameterSetDlg* GetParameterSetDlg() const;
    // The 63 help topics of the language: German ones for "Deutsch", the others else.
    void InitHelpIdMap();

    // Overrides
    void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;

    // Implementation
  protected:
    CMap<UINT, UINT, UINT, UINT> m_helpIdMap;
    CString m_strWorkspaceFile;
    BOOL m_bMinimizedView;
    BOOL m_bCursorBeforeMinimized; // the active view's analysis cursor when the view was minimised
    UINT* m_pButtons[toolbarCount];
    int m_nButtons[toolbarCount];
    SECCustomStatusBar m_wndStatusBar;
    SECFullScreenView m_fullScreen;
    CMeasureTableWnd m_wndMeasureTable;
    CStateWnd m_wndState;
    // Layout-node docking is held but never switched on: the bars dock in dock bars.
    SECLayoutDockFactory m_layoutFactory;
    SECFrameDockingFeature m_dockingFeature;
    SECToolBarManager* m_pToolBarManager;

    // The toolbars' images and definitions; the manager makes and docks them after the other bars.
    BOOL DefineDefaultToolBars();
    BOOL CreateBars();
    void FitPanes();
    void ToggleBar(CControlBar* pBar);
    void ToggleMinimizedView();
    // Puts the shown windows this one owns back in front of it where they have fallen behind it.
    void KeepOwnedWindowsInFront();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnClose();
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnViewParameter();
    afx_msg void OnUpdateViewParameter(CCmdUI* pCmdUI);
    afx_msg void OnViewStateWnd();
    afx_msg void OnUpdateViewStateWnd(CCmdUI* pCmdUI);
    afx_msg BOOL OnViewToolBar(UINT nID);
    afx_msg void OnUpdateViewToolBar(CCmdUI* pCmdUI);
    afx_msg void OnViewHideAll();
    afx_msg void OnViewMinimized();
    afx_msg void OnUpdateViewMinimized(CCmdUI* pCmdUI);
    // The toolbar customisation sheet, modal.
    afx_msg void OnViewCustomize();
    afx_msg void OnHelpContents();
    afx_msg void OnViewFullScreen();
    afx_msg LRESULT OnFullScreenChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
