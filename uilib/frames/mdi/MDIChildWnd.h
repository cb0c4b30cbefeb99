// SECMDIChildWnd: the library's MDI child frame. It carries the caption filters and the extended
// system commands, and when the last visible child goes away it hands activation to a visible
// dockable frame. Made by the document template; destroyed by the framework.
#pragma once
#include "afxwin.h"
#include "mfc/MDIChildWnd.h"
#include "uilib/frames/mdi/MsgFilter.h"

class SECMDIChildWnd : public CMDIChildWnd
{
    DECLARE_DYNCREATE(SECMDIChildWnd)

  public:
    // Filter ids of the child's table.
    enum
    {
        filterSysCommandEx = 257,
        filterButtonList = 256,
        filterButton = 258,
        filterRDblClk = 259,
        filterContextMenu = 262
    };

    // Construction
    SECMDIChildWnd();
    ~SECMDIChildWnd() override;
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;

    // Overridables (after CMDIChildWnd's, in this order)
    void OnUpdateFrameMenu(BOOL bActive, CWnd* pActivateWnd, HMENU hMenuAlt) override;
    virtual void RefreshFrameMenu(CWnd* pActivateWnd);
    // Bit 1 the extended commands, bit 2 no caption buttons, bit 4 no right double-click, bit 8 no
    // state menu.
    virtual void SetCaptionStyle(DWORD dwStyle);

    // Operations
    SECMsgFilter* GetMsgFilter() const
    {
        return m_pMsgFilter;
    }
    // The enabled filter with this id anywhere in the tree, else NULL.
    SECMsgFilter* FindEnabledFilter(UINT nID) const;

    // Overrides
    LRESULT DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    using CMDIChildWnd::OnUpdateFrameMenu;

    // Attributes
    UINT m_nIDMenuBarMenu; // 0: none
    BOOL m_bUsesMenuBar;
    HMENU m_hMenuAltLast;
    SECMsgFilter* m_pMsgFilter; // owned, id -1
    SECMsgFilter::DescriptorTable m_filterTable;

    // Implementation
  protected:
    // Filters the current message; TRUE when a filter handled it (the default is skipped).
    BOOL FilterCurrent();
    // The activation steps shared by a mouse activation and a click in a child window.
    void ActivateOnClick();

    afx_msg void OnNcButton(UINT nHitTest, CPoint point);
    afx_msg LRESULT OnNcMouseMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFilteredAfterDefault(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnParentNotify(UINT message, LPARAM lParam);
    afx_msg void OnChildActivate();
    afx_msg void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};

// Activation hand-over when MDI children and dockable frames come and go.
// Every window from pWnd up through its parents is visible (a control bar by IsVisible).
BOOL IsWindowChainVisible(CWnd* pWnd);
// The main window's MDI client has a visible MDI child other than pExcept.
BOOL HasOtherVisibleMDIChild(CWnd* pExcept);
// Activates the first visible dockable frame (other than pExcept) of any document; FALSE when
// another visible one is already active or none exists.
BOOL ActivateNextDockableFrame(CWnd* pExcept);
