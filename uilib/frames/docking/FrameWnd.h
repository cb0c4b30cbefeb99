// SECFrameWnd: the library's single-document frame. It docks its control bars in SECDockBars,
// floats them in SECMiniDockFrameWnds, saves and restores the bar layout, can draw its own
// caption and gives a command plug-in the first chance at commands. It owns the bars the dock
// state re-created by class name and its plug-ins; the menu bar is the application's.
#pragma once
#include "afxwin.h"
#include "uilib/frames/docking/DockSite.h"

class SECControlBarManager;
class SECDockBar;
class SECDockState;
class SECMenuBar;

namespace tessaron
{
namespace foundation
{
class SECWndPlugIn;
}
} // namespace tessaron

class SECFrameWnd : public CFrameWnd, public SECDockSite
{
    DECLARE_DYNCREATE(SECFrameWnd)

  public:
    // Construction
    SECFrameWnd();
    ~SECFrameWnd() override;
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;
    // Creates the dock bars of the sides in dwDockStyle through CreateDockBar.
    void EnableDocking(DWORD dwDockStyle);

    // Overridables, in this order
    virtual SECDockBar* CreateDockBar();
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP) override;
    virtual void DockControlBarEx(CControlBar* pBar, UINT nDockBarID = 0, int nCol = 0, int nRow = 0,
                                  float fPctWidth = 1.0f, int nHeight = 150);
    virtual void LoadBarState(LPCTSTR lpszProfileName);
    virtual void SaveBarState(LPCTSTR lpszProfileName);
    virtual void SetDockState(SECDockState& state);
    virtual void GetDockState(SECDockState& state);
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
    virtual HMENU GetMenuForID(UINT nIDResource);
    virtual void OnEnterIdle(UINT nWhy, CWnd* pWho);
    HMENU GetDefaultMenu() override;

    // Operations
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = NULL);
    // Also the dock site's operations (virtual there, so the dock context reaches them).
    void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = NULL) override;
    void ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = NULL) override;
    // The command plug-in of class pClass (the workspace manager, set up with the base key and
    // storage mode below HKEY_CURRENT_USER); NULL, and the frame keeps none, for a NULL class or
    // a failed plug-in.
    tessaron::foundation::SECWndPlugIn* CreateCommandPlugIn(LPCTSTR lpszBaseKey, int nMode,
                                                            CRuntimeClass* pClass, BOOL bListInAppSection);
    // Switches the custom caption; the previous setting (always FALSE before Windows 4).
    BOOL EnableCustomCaption(BOOL bEnable, BOOL bRedraw = TRUE);
    BOOL IsCustomCaptionEnabled() const
    {
        return m_bCustomCaption;
    }
    void SetCaptionTextAlign(int nAlign)
    {
        m_nCaptionAlign = nAlign;
    }
    BOOL HasMenuBar() const
    {
        return m_pMenuBar != NULL;
    }
    SECMenuBar* GetMenuBar() const
    {
        return m_pMenuBar;
    }
    // Bars the dock state made by class name; the frame deletes them.
    CPtrList* GetDynamicBarList() override
    {
        return &m_listDynamicBars;
    }

    // Overrides
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL ProcessHelpMsg(MSG& msg, DWORD* pContext) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL DestroyWindow() override;
    void RecalcLayout(BOOL bNotify = TRUE) override;
    void OnSetPreviewMode(BOOL bPreview, void* pState) override;

    // Attributes
    BOOL m_bNewShell;
    BOOL m_bClosing;
    tessaron::foundation::SECWndPlugIn* m_pCommandPlugIn; // owned
    CRect m_rectLastClient;                               // the view's area after the last layout
    int m_nCaptionAlign;
    BOOL m_bCustomCaption;
    BOOL m_bCaptionActive;
    SECControlBarManager* m_pControlBarManager;
    tessaron::foundation::SECWndPlugIn* m_pMenuFeature; // owned: the menu-bar feature or bitmap menus
    BOOL m_bBmpMenus;                                   // set before the window is created
    DWORD m_dwReserved;
    SECMenuBar* m_pMenuBar; // the application's, set before LoadFrame
    HMENU m_hMenuBarMenu;   // owned
    UINT m_nIDMenuResource;
    CPtrList m_listDynamicBars;

    // Implementation
  protected:
    afx_msg void OnNcPaint();
    afx_msg void OnSysColorChange();
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg LRESULT OnSecGetMenu(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnClose();
    afx_msg void OnWorkspaceCommand();
    afx_msg BOOL OnWorkspaceCommandRange(UINT nID);
    afx_msg void OnUpdateWorkspaceCommand(CCmdUI* pCmdUI);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnEnable(BOOL bEnable);
    DECLARE_MESSAGE_MAP()
};
