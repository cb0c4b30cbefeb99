// SECFrameBar: the control bar that hosts a dockable document frame. Keys reach the hosted
// frame's accelerators untouched, and a click activates the floating frame it lives in. Made and
// owned (auto-delete) by the document template.
#pragma once
#include "uilib/bars/ControlBar.h"

class SECFrameBar : public SECControlBar
{
    DECLARE_DYNCREATE(SECFrameBar)

  public:
    // Construction
    SECFrameBar() = default;

    // Overrides
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Implementation
  protected:
    afx_msg void OnParentNotify(UINT message, LPARAM lParam);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()
};
