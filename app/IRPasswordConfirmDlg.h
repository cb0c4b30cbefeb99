// CIRPasswordConfirmDlg: asks for the station password before a download; the caller compares
// the entry with the password it knows.
#pragma once
#include "station/record/MyDialog.h"

class CIRPasswordConfirmDlg : public CMyDialog
{
    DECLARE_DYNAMIC(CIRPasswordConfirmDlg)

  public:
    // Construction
    explicit CIRPasswordConfirmDlg(CWnd* pParent = NULL);
    ~CIRPasswordConfirmDlg() override;

    // Attributes
    int m_nPassword;

    // Overrides
    BOOL OnInitDialog() override;

    // Implementation
  protected:
    tessaron::foundation::SECBitmapButton m_btnOk;
    tessaron::foundation::SECBitmapButton m_btnCancel;
    tessaron::foundation::SECBitmapButton m_btnHelp;

    void DoDataExchange(CDataExchange* pDX) override;
};
