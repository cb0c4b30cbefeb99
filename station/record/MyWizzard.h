// CMyWizzard: the base of the program's wizards, a modeless wizard whose Finish, Cancel, Next
// and Back are bitmap buttons.
#pragma once
#include "station/record/ModelessNewWizDialog.h"
#include "uilib/common/BitmapButton.h"

class CMyWizzard : public CModelessNewWizDialog
{
    DECLARE_DYNAMIC(CMyWizzard)

  public:
    // Construction
    explicit CMyWizzard(UINT nIDTemplate, CWnd* pParent = NULL);
    ~CMyWizzard() override;

    // Overrides
    BOOL OnInitDialog() override;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;

    // Implementation
    tessaron::foundation::SECBitmapButton m_btnFinish;
    tessaron::foundation::SECBitmapButton m_btnCancel;
    tessaron::foundation::SECBitmapButton m_btnNext;
    tessaron::foundation::SECBitmapButton m_btnBack;
};
