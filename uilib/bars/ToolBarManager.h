// SECToolBarManager: owns the toolbars of one frame window: the menu bar and the default
// toolbars it creates from the application's definitions, user toolbars, the shared bitmap
// manager and drawing context, the frame-wide toolbar options, customisation mode and the
// notifications of the toolbars to the customisation pages; it saves and restores its options
// and lets the dock state re-create its bars. The frame's creator makes one manager and keeps it
// as long as the frame.
#pragma once
#include "uilib/bars/ControlBarManager.h"
#include "uilib/bars/CustomToolBar.h"
#include <vector>

class SECBmpMgr;
class SECBtnDrawData;
class SECMenuBar;

// The first and last ids of user toolbars (the menu bar, when there is one, takes the last).
#define SEC_IDW_FIRST_USER_TOOLBAR 0xE820
#define SEC_IDW_LAST_USER_TOOLBAR 0xE8FF
#define SEC_IDW_MENUBAR 0xE8FF
// Bar type ids saved with a custom toolbar and with the menu bar.
#define SEC_BARTYPE_CUSTOMTOOLBAR 14946
#define SEC_BARTYPE_MENUBAR 14947
// The extended bar style of the cool look: flat buttons and a gripper.
#define SEC_COOLLOOK_BITS (BAR_EX_FLAT | BAR_EX_GRIPPER)

// Where the toolbar button whose command is being sent lies (screen) and whether one is. Reference
// counted: the sending toolbar holds it across the command, whose handler may destroy the frame and
// with it the manager.
class SECCommandSource
{
  public:
    void AddRef()
    {
        ++m_nRefs;
    }
    void Release()
    {
        if (--m_nRefs == 0)
            delete this;
    }
    CRect m_rect{0, 0, 0, 0};
    BOOL m_bInCommand = FALSE;

  private:
    int m_nRefs = 1;
};

class SECToolBarManager : public SECControlBarManager
{
    DECLARE_DYNAMIC(SECToolBarManager)

  public:
    // One default toolbar as the application defined it.
    struct DefaultToolBarDef
    {
        UINT nBarID;
        CString strTitle;
        std::vector<UINT> btnIDs; // 0 for a separator
        DWORD dwAlignment;        // docking sides allowed (CBRS_ALIGN_*)
        UINT nDockBarID;
        UINT nBesideBarID; // docked beside this bar; 0: none
        BOOL bDocked;      // FALSE: starts floating
        BOOL bVisible;
    };

    // Construction
    explicit SECToolBarManager(CFrameWnd* pFrame = NULL, CWnd* pOwner = NULL);
    ~SECToolBarManager() override;

    // Overridables added here, in this order
    // The visible custom toolbar (or its floating frame) meeting a screen rectangle, NULL when none.
    virtual SECCustomToolBar* FindToolBarAt(const CRect& rect);
    // The frame's custom toolbar with this control id, NULL when none.
    virtual SECCustomToolBar* FindBar(UINT nID);
    // Creates the frame's menu bar (when it has one) and the defined toolbars the frame lacks,
    // docked and shown as defined. FALSE without a frame or when a bar could not be made.
    virtual BOOL CreateDefaultToolBars();
    // Switches every custom toolbar to the large or small images of the bitmap manager.
    virtual void ApplyLargeButtons();
    // Attaches the manager to every custom toolbar and repaints it; creates the default
    // toolbars when the frame has none.
    virtual void RepaintToolBars();

    // Toolbars
    // Registers a toolbar resource's images (with system-colour mapping) with the bitmap manager.
    BOOL AddToolBarResource(UINT nSmallID, UINT nLargeID);
    // Defines a default toolbar from a toolbar resource (separators kept). pBtnIDs receives a new
    // array (the caller's, delete[]) of nBtnCount ids; FALSE, nothing defined, when the resource
    // cannot be read.
    BOOL DefineDefaultToolBar(UINT nBarID, LPCTSTR lpszTitle, UINT nResourceID, int& nBtnCount,
                              UINT*& pBtnIDs, DWORD dwAlignment = CBRS_ALIGN_ANY,
                              UINT nDockBarID = AFX_IDW_DOCKBAR_TOP, UINT nBesideBarID = 0,
                              BOOL bDocked = TRUE, BOOL bVisible = TRUE);
    int GetDefaultToolBarCount() const
    {
        return (int)m_defaultBars.size();
    }
    const DefaultToolBarDef& GetDefaultToolBar(int nIndex) const
    {
        return *m_defaultBars[(size_t)nIndex];
    }
    // A new toolbar with the first free user id and title (NULL: "Symbolleiste<n>"), not yet
    // docked; NULL when every user id is taken.
    virtual SECCustomToolBar* CreateUserToolBar(LPCTSTR lpszTitle = NULL);
    // Builds the frame's menu bar from nCount menu resource ids (UINT) that follow and keeps its
    // buttons as the menu-bar button list; FALSE for a frame without a menu bar or when no menu
    // gave an item.
    BOOL LoadMenuBarMenus(CFrameWnd* pFrame, int nCount, ...);
    BOOL LoadMenuBarMenus(CFrameWnd* pFrame, const UINT* pMenuIDs, int nCount);
    // The buttons the menu bar gets when it is created (copied).
    void SetMenuBarButtons(const UINT* pIDs, int nCount);
    const std::vector<UINT>& GetMenuBarButtons() const
    {
        return m_menuBarBtns;
    }
    // The library frame's menu bar, NULL when it has none.
    static SECMenuBar* GetFrameMenuBar(CFrameWnd* pFrame);

    // Options
    // Sets or clears CBRS_TOOLTIPS on every custom toolbar.
    void SetToolTips(BOOL bToolTips);
    // Sets or clears the bits in every custom toolbar's extended style.
    void EnableCoolLook(BOOL bCoolLook, DWORD dwBits = SEC_COOLLOOK_BITS);
    void SetLargeButtons(BOOL bLargeButtons);
    BOOL ToolTipsEnabled() const
    {
        return m_bToolTips;
    }
    BOOL CoolLookEnabled() const
    {
        return m_bCoolLook;
    }
    BOOL LargeButtonsEnabled() const
    {
        return m_bLargeButtons;
    }
    BOOL FlyByEnabled() const
    {
        return m_bFlyBy;
    }
    // The window styles of every toolbar the manager creates, by the options.
    DWORD GetToolBarStyle() const;
    DWORD GetToolBarExStyle() const;

    // Customisation
    // Enables the frame and disables its other enabled children (dock bars excepted) until
    // ExitCustomise; a second call does nothing.
    void EnterCustomise();
    // Disables the frame again (a modal sheet runs) and enables what EnterCustomise disabled.
    void ExitCustomise();
    BOOL InConfigMode() const
    {
        return m_bConfig;
    }
    // Hands the flag to every custom toolbar: buttons may be dragged.
    void SetToolBarCustomise(BOOL bCustomise);
    BOOL GetToolBarCustomise() const
    {
        return m_bToolBarCustomise;
    }
    CWnd* GetCustomiseDialog() const
    {
        return m_pCustDlg;
    }
    void SetCustomiseDialog(CWnd* pDlg)
    {
        m_pCustDlg = pDlg;
    }

    // Notifications
    // The registered message "WM_BARNOTIFY": WPARAM the bar's control id, LPARAM the code.
    static UINT GetBarNotifyMessage();
    // Sends "WM_BARNOTIFY" (the bar's id, the code) to each registered window that still exists.
    void NotifyBarChange(UINT nBarID, int nCode);
    void RegisterNotifyWindow(CWnd* pWnd);
    void UnregisterNotifyWindow(CWnd* pWnd);

    // Overrides
    // The options in a state tree's node "ToolBarMgr"; then RepaintToolBars.
    BOOL LoadState(SECPersistentTreeNode* pNode) override;
    // The options in the profile section "<prefix>-ToolBarManager"; then RepaintToolBars.
    BOOL LoadState(LPCTSTR lpszProfileName) override;
    BOOL SaveState(SECPTNFactory* pFactory, SECPersistentTreeNode* pNode) override;
    BOOL SaveState(LPCTSTR lpszProfileName) override;
    // 14947 for the menu bar, 14946 for another custom toolbar.
    DWORD GetBarTypeID(SECControlBar* pBar) override;
    // A toolbar record (SECCustomToolBarInfoEx) for types 14946 and 14947.
    SECControlBarInfoEx* CreateBarInfo(SECControlBarInfo* pInfo) override;
    // A new toolbar (14946) or the frame's menu bar (14947) with the saved id; the saved state
    // fills in the rest.
    SECControlBar* CreateBar(SECControlBarInfo* pInfo) override;

    // Attributes
    SECBmpMgr* GetBmpMgr() const
    {
        return m_pBmpMgr;
    }
    SECBtnDrawData* GetDrawData() const
    {
        return m_pDrawData;
    }
    // The special buttons (a table ending with an entry without factory), NULL when none.
    const SECBtnMapEntry* GetButtonMap() const
    {
        return m_pBtnMap;
    }
    void SetButtonMap(const SECBtnMapEntry* pMap)
    {
        m_pBtnMap = pMap;
    }
    // The toolbar holding the one selected button, NULL when none.
    SECCustomToolBar* GetSelectedToolBar() const
    {
        return m_pSelectedBar;
    }
    void SetSelectedToolBar(SECCustomToolBar* pBar)
    {
        m_pSelectedBar = pBar;
    }
    // Where the button whose command is being sent lies (screen), and whether one is.
    void SetCommandSource(BOOL bInCommand, const CRect& rect);
    BOOL GetCommandSource(CRect& rect) const;
    SECCommandSource* GetCommandSourceRecord() const
    {
        return m_pCmdSource;
    }
    CWnd* GetOwner() const
    {
        return m_pOwner;
    }
    // The class of every toolbar the manager creates (SECCustomToolBar or derived).
    void SetToolBarClass(CRuntimeClass* pClass)
    {
        m_pToolBarClass = pClass;
    }

    std::vector<HWND> m_arrDisabled; // the windows disabled while customising
    CPtrArray m_arrNotifyWnds;
    CWnd* m_pCustDlg;
    BOOL m_bConfig;
    BOOL m_bToolBarCustomise;
    BOOL m_bToolTips;
    BOOL m_bFlyBy;
    BOOL m_bCoolLook;
    BOOL m_bLargeButtons;
    const SECBtnMapEntry* m_pBtnMap;
    SECBmpMgr* m_pBmpMgr;
    SECBtnDrawData* m_pDrawData;
    CWnd* m_pOwner;
    CRuntimeClass* m_pToolBarClass;

    // Implementation
  protected:
    // A toolbar of the toolbar class with the owner, manager and the option styles, auto-deleted;
    // NULL when it cannot be made.
    SECCustomToolBar* NewToolBar(UINT nID, LPCTSTR lpszTitle);
    // The frame's custom toolbars in its control-bar list.
    std::vector<SECCustomToolBar*> GetToolBars() const;
    // Docks through the library frame's own docking, else the platform frame's.
    void DockBar(SECCustomToolBar* pBar, UINT nDockBarID, LPCRECT lpRect);
    void ShowBar(CControlBar* pBar, BOOL bShow);

    std::vector<DefaultToolBarDef*> m_defaultBars; // owned
    std::vector<UINT> m_menuBarBtns;
    SECCustomToolBar* m_pSelectedBar;
    SECCommandSource* m_pCmdSource;
};
