// CMiniDockFrameWnd: the floating frame of one or more control bars, holding them in its own
// floating dock bar. Made by CFrameWnd::CreateFloatingFrame; destroyed when its last bar leaves.
//
// Differences from MFC:
// - The caption and sizing borders are the system's tool-window ones (see CMiniFrameWnd).
#pragma once
#include "DockBar.h"
#include "MiniFrameWnd.h"

class CMiniDockFrameWnd : public CMiniFrameWnd
{
    DECLARE_DYNCREATE(CMiniDockFrameWnd)

  public:
    // Construction
    CMiniDockFrameWnd();
    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);

    // Attributes
    CDockBar m_wndDockBar;

    // Overrides
    void RecalcLayout(BOOL bNotify = TRUE) override;

    // Implementation
    // The first bar docked in the frame, the one the caption drags.
    CControlBar* GetFirstBar() const;

    afx_msg void OnClose();
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);

  protected:
    // Create with the given dock bar (a derived frame's own).
    BOOL CreateWithDockBar(CWnd* pParent, DWORD dwBarStyle, CDockBar& dockBar);

    DECLARE_MESSAGE_MAP()
};
