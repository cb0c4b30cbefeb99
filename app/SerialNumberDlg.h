// CSerialNumberDlg: asks for the serial number a device window writes to its device. Modal, one
// command long; the number is kept as the float the devices store, and only whole numbers a
// float holds exactly (0 to 16,777,215) are taken (the caller checks what its device can keep).
#pragma once
#include "station/record/MyDialog.h"

class CSerialNumberDlg : public CMyDialog
{
    DECLARE_DYNAMIC(CSerialNumberDlg)

  public:
    enum
    {
        MaxSerialNumber = 16777215 // 2^24 - 1
    };

    // Construction
    explicit CSerialNumberDlg(CWnd* pParent = NULL);
    ~CSerialNumberDlg() override;

    // Attributes
    float m_fSerialNumber;

    // Overrides
    BOOL OnInitDialog() override;

    // Implementation
  protected:
    tessaron::foundation::SECBitmapButton m_btnOk;
    tessaron::foundation::SECBitmapButton m_btnCancel;

    void DoDataExchange(CDataExchange* pDX) override;
};

// The prompt as the device windows reach it: TRUE with the number on OK, FALSE on Cancel.
BOOL AskSerialNumber(CWnd* pParent, float* pfNumber);
