// SECToolBarsPage: the toolbars page of the customisation sheet (template 20513): shows, hides,
// renames, creates, resets and deletes toolbars and switches the toolbar options. The caller
// owns the page and gives it the frame's toolbar manager.
#pragma once
#include "afxwin.h"
#include "PropertyPage.h"
#include "uilib/bars/ToolBarsBase.h"

class SECToolBarsPage : public CPropertyPage, public SECToolBarsBase
{
    DECLARE_DYNAMIC(SECToolBarsPage)

  public:
    // Construction
    explicit SECToolBarsPage(UINT nIDTemplate = 0, UINT nIDCaption = 0);
    ~SECToolBarsPage() override;

    // Operations
    // Also registers the page for the manager's bar notifications.
    void SetManager(SECToolBarManager* pManager) override;

    // Overrides
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    void OnOK() override;
    void OnCancel() override;

    // Implementation
  protected:
    afx_msg void OnDestroy();
    afx_msg void OnSelChangeList();
    afx_msg void OnCheckChangeList();
    afx_msg void OnKillFocusName();
    afx_msg void OnResetOrDelete();
    afx_msg void OnNewToolBar();
    afx_msg void OnToolTips();
    afx_msg void OnCoolLook();
    afx_msg void OnLargeButtons();
    afx_msg LRESULT OnBarNotify(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
