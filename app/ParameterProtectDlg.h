// CParameterProtectDlg: sets or clears the password that protects the profile sets. The stored
// password lives in the configuration value "Module"; empty means unprotected.
#pragma once
#include "station/record/MyDialog.h"

class CParameterProtectDlg : public CMyDialog
{
    DECLARE_DYNAMIC(CParameterProtectDlg)

  public:
    // Construction: reads the stored password.
    explicit CParameterProtectDlg(CWnd* pParent = NULL);
    ~CParameterProtectDlg() override;

    // Attributes
    CString m_strPassword;
    CString m_strConfirm;
    CString m_strStored;
    CString m_strOkText;
    UINT m_nOkBitmapID;

    // Overrides
    BOOL OnInitDialog() override;

    // Implementation
  protected:
    tessaron::foundation::SECBitmapButton m_btnOk;
    tessaron::foundation::SECBitmapButton m_btnCancel;
    tessaron::foundation::SECBitmapButton m_btnHelp;

    BOOL IsClearing() const
    {
        return !m_strStored.IsEmpty();
    }
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
};
