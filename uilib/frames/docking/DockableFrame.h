// SECDockableFrame: a document frame that lives outside the MDI client, docked at an edge of
// the main frame or floating, inside the control bar that is its parent window. It activates
// through the MDI frame like an MDI child, shows its template's menu and the extended system
// commands on its caption. Made by the document template; destroyed with its bar.
#pragma once
#include "uilib/frames/docking/FrameWnd.h"
#include "uilib/frames/mdi/MsgFilter.h"

class SECMDIFrameWnd;

class SECDockableFrame : public SECFrameWnd
{
    DECLARE_DYNCREATE(SECDockableFrame)

  public:
    // Construction
    SECDockableFrame();
    ~SECDockableFrame() override;
    BOOL LoadFrame(UINT nIDResource,
                   DWORD dwDefaultStyle = WS_CHILD | WS_CAPTION | WS_SYSMENU | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;

    // Overridables (after SECFrameWnd's, in this order)
    virtual void OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt);
    virtual BOOL IsInFloatingBar();
    // Bit 1 the extended commands, bit 2 no caption button, bit 4 no right double-click, bit 8 no
    // state menu.
    virtual void SetCaptionStyle(DWORD dwStyle);

    // Operations
    // The MDI frame this frame activates through: its parent frame, else the main window.
    SECMDIFrameWnd* GetOwningMDIFrame() const;
    SECMsgFilter* GetMsgFilter() const
    {
        return m_pMsgFilter;
    }

    // Overrides
    using CFrameWnd::OnUpdateFrameMenu;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    BOOL DestroyWindow() override;

    // Attributes
    HMENU m_hMenuShared; // the template's dockable menu; not owned
    SECMsgFilter* m_pMsgFilter;
    SECMsgFilter::DescriptorTable m_filterTable;
    DWORD m_dwReserved[4];

    // Implementation
  protected:
    BOOL FilterCurrent(LRESULT* pResult);
    void ActivateInMDIFrame();

    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnParentNotify(UINT message, LPARAM lParam);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnNcLButtonDownMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNcLButtonDblClkMsg(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg LRESULT OnFilteredMouse(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetTextMsg(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcPaint();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
