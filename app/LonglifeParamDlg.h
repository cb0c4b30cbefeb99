// CLonglifeParamDlg: the pauses of the long-life test's two profiles, in seconds.
#pragma once
#include "station/record/MyDialog.h"

class CLonglifeParamDlg : public CMyDialog
{
    DECLARE_DYNAMIC(CLonglifeParamDlg)

  public:
    enum
    {
        MinPause = 30,
        MaxPause = 1800
    };

    // Construction
    explicit CLonglifeParamDlg(CWnd* pParent = NULL);
    ~CLonglifeParamDlg() override;

    // Attributes
    int m_nPauseSaddle;
    int m_nPauseLinear;

    // Overrides
    BOOL OnInitDialog() override;

    // Implementation
  protected:
    tessaron::foundation::SECBitmapButton m_btnOk;
    tessaron::foundation::SECBitmapButton m_btnCancel;

    void DoDataExchange(CDataExchange* pDX) override;
};
