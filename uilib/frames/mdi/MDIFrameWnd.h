// SECMDIFrameWnd: the library's MDI main frame. It docks bars in SECDockBars, floats them in
// floating frames or as MDI children, activates dockable document frames beside the MDI
// children, routes commands to them, paints an optional gradient caption and runs the caption
// filters and extended system commands. The application's main frame derives from it; it owns
// its filters, menus and the bars the dock state re-created; the menu bar is the application's.
#pragma once
#include "afxwin.h"
#include "mfc/MDIFrameWnd.h"
#include "uilib/frames/docking/DockSite.h"
#include "uilib/frames/mdi/DockPlacement.h"
#include "uilib/frames/mdi/MsgFilter.h"

class SECControlBarManager;
class SECDockBar;
class SECMenuBar;
class SECMenuBarFeature;

namespace tessaron
{
namespace foundation
{
class SECWndPlugIn;
}
} // namespace tessaron

// Sent by a control bar before it shows its context menu (wParam the bar, lParam its CMenu*).
#define WM_SEC_BARCONTEXTMENU 0x38FF
// Resource id of the frames that host a bar floating as an MDI child.
#define IDR_SEC_BAR_MDICHILD 20514

class SECMDIFrameWnd : public CMDIFrameWnd, public SECDockSite
{
    DECLARE_DYNCREATE(SECMDIFrameWnd)

  public:
    // Filter ids of the frame's table.
    enum
    {
        filterSysCommandEx = 257,
        filterButtonList = 256,
        filterMaxChildButton = 260,
        filterMaxChildRDblClk = 261
    };
    enum
    {
        dockCycleLength = 26,
        firstMDIChildBarPos = 30, // first place of a bar floated as an MDI child
        mdiChildBarStepX = 20,
        mdiChildBarStepY = 23
    };

    // Construction
    SECMDIFrameWnd();
    ~SECMDIFrameWnd() override;
    // Creates the dock bars of the sides in dwDockStyle that the frame lacks.
    void EnableDocking(DWORD dwDockStyle, DWORD dwBarStyle = 0);
    // The previous setting; FALSE (and nothing changes) before Windows 4.
    BOOL EnableCustomCaption(BOOL bEnable, BOOL bRedraw = TRUE);
    void SetCaptionTextAlign(int nAlign, BOOL bRedraw = TRUE);
    static void EnableBarContextMenu(BOOL bEnable);
    static BOOL IsBarContextMenuEnabled();
    // Popups with toolbar images; takes effect when the window is created.
    void EnableBmpMenus(BOOL bEnable = TRUE, BOOL bEnable2 = FALSE)
    {
        m_bBmpMenus = bEnable;
        m_bBmpMenus2 = bEnable2;
    }
    // A toolbar resource's images for the popups' items; FALSE without a bitmap-menu plug-in.
    BOOL AddMenuImages(UINT nToolBarID);

    // Overridables (after CMDIFrameWnd's, in this order)
    virtual SECDockBar* CreateDockBar();
    virtual void DockControlBarEx(CControlBar* pBar, const SECDockBarPosition& pos, UINT nDockBarID,
                                  const SECDockSizeRecord& size);
    virtual void DockControlBarEx(CControlBar* pBar, UINT nDockBarID = 0, int nCol = 0, int nRow = 0,
                                  float fPctWidth = 1.0f, int nHeight = 150);
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP) override;
    void FloatControlBarInMDIChild(CControlBar* pBar, CPoint point, DWORD dwStyle) override;
    CFrameWnd* CreateMDIChildFrameForBar() override;
    virtual void ActivateDockableFrame(CFrameWnd* pFrame, BOOL bForce);
    virtual void DeactivateDockableFrame(BOOL bActivateMDI);
    virtual void LoadBarState(LPCTSTR lpszProfileName);
    virtual void SaveBarState(LPCTSTR lpszProfileName);
    SECControlBarManager* GetControlBarManager() const override
    {
        return m_pControlBarManager;
    }
    virtual void SetControlBarManager(SECControlBarManager* pManager)
    {
        m_pControlBarManager = pManager;
    }
    virtual void CreateCaptionFontItalic(CFont& font);
    virtual void CreateCaptionFont(CFont& font);
    virtual void DrawCaption();
    virtual void EnableSysCommandEx(BOOL bEnable);
    HMENU GetDefaultMenu() override;
    virtual void SwitchMenuBarMenu(UINT nID);
    virtual void UpdateMenuBarCaptionButtons();
    virtual void SyncMDIWindowMenu();
    virtual SECMenuBar* GetMenuBar() const
    {
        return m_pMenuBar;
    }
    // The workspace plug-in of class pClass, set up with the base key and storage mode below
    // HKEY_CURRENT_USER and plugged in; NULL (and none made) for a NULL class or a failed plug-in.
    virtual tessaron::foundation::SECWndPlugIn* InitWorkspaceMgrEx(LPCTSTR lpszBaseKey, int nMode,
                                                                   CRuntimeClass* pClass,
                                                                   BOOL bListInAppSection);
    virtual CFrameWnd* GetEmbeddedFrame(CWnd* pBar);
    virtual void SetDockableFrameFloatStyles(CFrameWnd* pFrame, BOOL bFloating);
    virtual void FitEmbeddedFrame(CWnd* pFrame);
    // The end of WM_ACTIVATE: the active view is told once; a view that took the foreground
    // while being told gives it back.
    virtual void NotifyViewActivation(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    virtual HMENU GetMenuForResource(UINT nID);
    // The next place of the dock position cycle: dock bar, position and size records.
    virtual void GetNextDockPosition(UINT* pnDockBarID, SECDockBarPosition* pPos, SECDockSizeRecord* pSize);
    virtual void OnEnterIdle(UINT nWhy, CWnd* pWho);

    // Operations
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = NULL);
    void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = NULL) override;
    void ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = NULL) override;
    // CFrameWnd's, plus telling an SECDockBar; hides the floating frame or MDI child with its last bar.
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    BOOL HasMenuBar() const
    {
        return m_pMenuBar != NULL;
    }
    // The plug-in serving the menu bar, NULL without a menu bar.
    SECMenuBarFeature* GetMenuBarFeature() const;
    BOOL IsCustomCaptionEnabled() const
    {
        return m_bCustomCaption;
    }
    CPtrList* GetDynamicBarList() override
    {
        return &m_listDynamicBars;
    }
    void SetDockingBusy(BOOL bBusy) override
    {
        m_bDockingBusy = bBusy;
    }
    SECMsgFilter* GetMsgFilter() const
    {
        return m_pMsgFilter;
    }
    const CDWordArray& GetDockCycle() const
    {
        return m_arrDockCycle;
    }

    // Overrides
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL ProcessHelpMsg(MSG& msg, DWORD* pContext) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    BOOL DestroyWindow() override;
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;
    CFrameWnd* GetActiveFrame() override;
    void RecalcLayout(BOOL bNotify = TRUE) override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    BOOL NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    void OnUpdateFrameMenu(HMENU hMenuAlt) override;

    // Attributes
    CRuntimeClass* m_pDockBarClass;
    CRuntimeClass* m_pMDIChildBarFrameClass;
    CPoint m_ptNextMDIChildBar; // client coordinates
    CFrameWnd* m_pActiveDockableFrame;
    SECControlBarManager* m_pControlBarManager;
    BOOL m_bActivationGuard;
    int m_nCaptionAlign;
    BOOL m_bCaptionActive;
    BOOL m_bCustomCaption;
    SECMsgFilter* m_pMsgFilter; // owned, id -1
    SECMsgFilter::DescriptorTable m_filterTable;
    SECMsgFilter::Descriptor* m_pCaptionListDescriptor;
    BOOL m_bDelayMenuBarLayout;
    SECMenuBar* m_pMenuBar;                            // the application's, set before LoadFrame
    tessaron::foundation::SECWndPlugIn* m_pMenuPlugIn; // owned: the menu-bar feature or bitmap menus
    BOOL m_bBmpMenus;
    BOOL m_bBmpMenus2;
    HMENU m_hMenuBarDefault; // owned
    CMap<UINT, UINT, HMENU, HMENU> m_mapMenus;
    UINT m_nIDMenuResource;
    UINT m_nIDFrameResource;
    CPtrList m_listDynamicBars;
    tessaron::foundation::SECWndPlugIn* m_pWorkspacePlugIn; // owned
    BOOL m_bNewShell;
    CDWordArray m_arrDockCycle;
    int m_nDockCycleCursor;
    CRect m_rectLastClient;
    BOOL m_bDockingBusy;

    // Implementation
  protected:
    BOOL FilterCurrent();
    // The menu the menu bar shows now (the default menu when it shows none of the known ones),
    // without a menu bar the window's menu.
    HMENU GetCurrentMenu();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnFilteredMouse(WPARAM wParam, LPARAM lParam);
    afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnSysColorChange();
    afx_msg LRESULT OnBarContextMenu(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSecGetMenu(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);
    afx_msg void OnWorkspaceCommand();
    afx_msg BOOL OnWorkspaceCommandRange(UINT nID);
    afx_msg void OnUpdateWorkspaceCommand(CCmdUI* pCmdUI);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnEnable(BOOL bEnable);
    DECLARE_MESSAGE_MAP()
};
