// CIRPasswordDlg: switches the station's numeric password on (new entry twice) or off (the
// current one once). The caller presets the current password and reads it back after OK.
#pragma once
#include "station/record/MyDialog.h"

class CIRPasswordDlg : public CMyDialog
{
    DECLARE_DYNAMIC(CIRPasswordDlg)

  public:
    // Construction
    explicit CIRPasswordDlg(CWnd* pParent = NULL);
    ~CIRPasswordDlg() override;

    // Attributes
    int m_nNewPassword;
    int m_nConfirmPassword;
    int m_nCurrentPassword; // 0: none
    CString m_strOkText;
    int m_nOkBitmapID;

    // Overrides
    BOOL OnInitDialog() override;

    // Implementation
  protected:
    tessaron::foundation::SECBitmapButton m_btnOk;
    tessaron::foundation::SECBitmapButton m_btnCancel;
    tessaron::foundation::SECBitmapButton m_btnHelp;

    BOOL IsDeactivation() const
    {
        return m_nCurrentPassword != 0;
    }
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
};
