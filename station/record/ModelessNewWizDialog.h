// CModelessNewWizDialog: the wizard frame run as a modeless window; Finish and Cancel destroy
// it, and its close box destroys it without asking the pages.
#pragma once
#include "station/record/NewWizDialog.h"

class CModelessNewWizDialog : public CNewWizDialog
{
    DECLARE_DYNAMIC(CModelessNewWizDialog)

  public:
    // Construction
    explicit CModelessNewWizDialog(UINT nIDTemplate, CWnd* pParent = NULL);
    ~CModelessNewWizDialog() override;
    // Creates the window from the template and parent given at construction and shows it.
    virtual BOOL CreateModeless();

    // Overrides
    void OnCancel() override;

  protected:
    // Implementation
    afx_msg void OnModelessFinish();
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
