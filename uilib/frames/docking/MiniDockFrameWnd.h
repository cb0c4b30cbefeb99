// SECMiniDockFrameWnd: the floating frame of the library's control bars. It holds its bars in an
// SECDockBar (not MFC's dock bar), so a floating bar is laid out by the same rules as a docked
// one; its caption drags, its borders resize and a double click on the caption docks the bar.
// Made by the docking frame's CreateFloatingFrame; destroys itself with its window.
#pragma once
#include "afxwin.h"
#include "mfc/MiniDockFrameWnd.h"
#include "uilib/frames/docking/DockBar.h"

class SECMiniDockFrameWnd : public CMiniDockFrameWnd
{
    DECLARE_DYNCREATE(SECMiniDockFrameWnd)

  public:
    // Construction
    SECMiniDockFrameWnd();
    BOOL Create(CWnd* pParent, DWORD dwBarStyle) override;

    // Operations
    // Lays the bars out and moves the frame to (x, max(y, 0)) at the size they need.
    virtual void RecalcLayoutAt(int x, int y, BOOL bRepaint);
    // The first bar docked in the frame.
    CControlBar* GetFirstBar() const;

    // Overrides
    void RecalcLayout(BOOL bNotify = TRUE) override;

    // Attributes
    SECDockBar m_wndSECDockBar;

    // Implementation
  protected:
    afx_msg void OnClose();
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnParentNotify(UINT message, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
