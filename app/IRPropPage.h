// CIRPropPage: the station's options: buzzer mode, and when the station calibrates itself while
// desoldering (after the pipette lifts, or continually once TL is passed).
#pragma once
#include "station/record/MyPropertyPage.h"

class CIRPropPage : public CMyPropertyPage
{
    DECLARE_DYNAMIC(CIRPropPage)

  public:
    // Construction
    CIRPropPage();
    ~CIRPropPage() override;

    // Attributes
    CComboBox m_buzzerList;
    BOOL m_bSoftCal;
    BOOL m_bPipCal;
    int m_nBuzzerMode;

    // Overrides
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnApply() override;
};
