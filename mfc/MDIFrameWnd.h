// CMDIFrameWnd: the main frame of a multiple-document program. It owns the MDI client window,
// routes commands to the active child first and switches its menu as children activate.
//
// Differences from MFC:
// - No OLE in-place menus; the window menu is the popup holding ID_WINDOW_* items.
#pragma once
#include "FrameWnd.h"

class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIFrameWnd)

  public:
    // Construction
    CMDIFrameWnd();
    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);

    // Operations
    void MDIActivate(CWnd* pWndActivate);
    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = NULL) const;
    void MDIIconArrange()
    {
        ::SendMessage(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0);
    }
    void MDIMaximize(CWnd* pWnd)
    {
        ::SendMessage(m_hWndMDIClient, WM_MDIMAXIMIZE, (WPARAM)pWnd->m_hWnd, 0);
    }
    void MDINext()
    {
        ::SendMessage(m_hWndMDIClient, WM_MDINEXT, 0, 0);
    }
    void MDIRestore(CWnd* pWnd)
    {
        ::SendMessage(m_hWndMDIClient, WM_MDIRESTORE, (WPARAM)pWnd->m_hWnd, 0);
    }
    CMenu* MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu);
    void MDITile()
    {
        ::SendMessage(m_hWndMDIClient, WM_MDITILE, 0, 0);
    }
    void MDICascade()
    {
        ::SendMessage(m_hWndMDIClient, WM_MDICASCADE, 0, 0);
    }
    void MDITile(int nType)
    {
        ::SendMessage(m_hWndMDIClient, WM_MDITILE, nType, 0);
    }
    void MDICascade(int nType)
    {
        ::SendMessage(m_hWndMDIClient, WM_MDICASCADE, nType, 0);
    }
    // The popup of hMenuBar that holds the window commands, or NULL.
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);

    // Overrides
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    LRESULT DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    void OnUpdateFrameMenu(HMENU hMenuAlt) override;
    CFrameWnd* GetActiveFrame() override;
    HACCEL GetDefaultAccelerator() override;

    // Implementation
    HWND m_hWndMDIClient;

    afx_msg void OnUpdateMDIWindowCmd(CCmdUI* pCmdUI);
    afx_msg BOOL OnMDIWindowCmd(UINT nID);
    afx_msg void OnWindowNew();
    afx_msg void OnSize(UINT nType, int cx, int cy);

  protected:
    DECLARE_MESSAGE_MAP()
};
