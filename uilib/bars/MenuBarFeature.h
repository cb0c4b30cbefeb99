// SECMenuBarFeature: the plug-in a frame installs with its menu bar. It hands the frame's
// messages to the popup tracking and gives the popups their toolbar images (with the library's
// own radio dot and check mark). The frame owns it; a message it used leaves m_bMsgConsumed set.
#pragma once
#include "uilib/bars/BmpMenuPlugIn.h"
#include "uilib/bars/MenuBarMessages.h"

class SECMenuBarFeature : public SECBmpMenuPlugIn, public SECMenuBarMessages
{
    DECLARE_DYNAMIC(SECMenuBarFeature)

  public:
    // Construction
    SECMenuBarFeature();
    ~SECMenuBarFeature() override;

    // Overrides
    BOOL PlugInTo(CWnd* pHost) override;
    void UnPlug() override;
    CFrameWnd* GetFrame() override;
    // The frame's PreTranslateMessage: keyboard access to the bar first.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // Implementation
  protected:
    CFrameWnd* m_pFrame;

    afx_msg LRESULT OnMenuSelectMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMenuProdMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFeatureInitMenuPopup(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSysCommandMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNcActivateMsg(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
