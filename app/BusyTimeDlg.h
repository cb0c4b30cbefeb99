// CBusyTimeDlg: the operating hours of the IR heater and of the top heater the station is to
// count from.
#pragma once
#include "station/record/MyDialog.h"

class CBusyTimeDlg : public CMyDialog
{
    DECLARE_DYNAMIC(CBusyTimeDlg)

  public:
    // Construction
    explicit CBusyTimeDlg(CWnd* pParent = NULL);
    ~CBusyTimeDlg() override;

    // Attributes
    float m_fHoursIR;
    float m_fHoursTop;

    // Overrides
    BOOL OnInitDialog() override;

    // Implementation
  protected:
    tessaron::foundation::SECBitmapButton m_btnOk;
    tessaron::foundation::SECBitmapButton m_btnCancel;

    void DoDataExchange(CDataExchange* pDX) override;
};
