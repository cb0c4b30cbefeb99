// SECControlBarMDIChildWnd: an MDI child that hosts one control bar floated into the MDI client.
// The bar sits in the child's own dock bar; closing the child only hides the bar. The MDI frame
// makes it (loaded with resource 20514); the framework destroys it.
#pragma once
#include "uilib/frames/docking/DockBar.h"
#include "uilib/frames/mdi/MDIChildWnd.h"

class SECControlBarMDIChildWnd : public SECMDIChildWnd
{
    DECLARE_DYNCREATE(SECControlBarMDIChildWnd)

  public:
    // Construction
    SECControlBarMDIChildWnd();

    // Overrides
    void RecalcLayout(BOOL bNotify = TRUE) override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // Operations
    // The bar this child hosts, NULL when none (or several).
    CControlBar* GetHostedBar() const;

    // Shared with the workbook's bar sheets.
    // The one bar in a child's dock bar, NULL when none (or several).
    static CControlBar* PASCAL HostedBarOf(const CDockBar& dockBar);
    // The bar takes the child's client size plus the system border on each side.
    static void PASCAL SizeHostedBar(CControlBar* pBar, int cx, int cy);
    // Closing the child only hides its bar; showing the bar again brings the child back.
    static void PASCAL HideHostedBar(CMDIChildWnd* pChild, CControlBar* pBar);
    // The child's window position, on the screen, as the bar's last floating place.
    static void PASCAL StoreFloatPos(CWnd* pChild, CControlBar* pBar);

    // Attributes
    SECDockBar m_wndDockBar; // floating dock bar, id AFX_IDW_DOCKBAR_FLOAT
    DWORD m_dwReserved;

    // Implementation
  protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnClose();
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    DECLARE_MESSAGE_MAP()
};
