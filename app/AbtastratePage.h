// CAbtastratePage: the sampling interval of recordings, in whole seconds 1 to 5.
#pragma once
#include "station/record/MyPropertyPage.h"

class CAbtastratePage : public CMyPropertyPage
{
    DECLARE_DYNAMIC(CAbtastratePage)

  public:
    enum
    {
        MinInterval = 1,
        MaxInterval = 5
    };
    // Construction
    CAbtastratePage();
    ~CAbtastratePage() override;

    // Attributes
    int m_nInterval; // seconds

    // Overrides
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnApply() override;
};
