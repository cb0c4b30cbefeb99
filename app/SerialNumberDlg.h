// CSerialNumberDlg: asks for the serial number a device window writes to its device. Modal, one
// command long; the number is a float starting at 1.0 and taken as entered (the caller checks
// what its device can keep).
#pragma once
#include "uilib/bars/BitmapButton.h"
#include "uilib/bars/BitmapDialog.h"

class CSerialNumberDlg : public SECBitmapDialog
{
    DECLARE_DYNAMIC(CSerialNumberDlg)

  public:
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
