// CRecordStartPage: when a recording starts by itself: as the top heater swings in, on reaching
// Tinit, or never (recording can always be started and stopped by hand).
#pragma once
#include "station/record/MyPropertyPage.h"

class CRecordStartPage : public CMyPropertyPage
{
    DECLARE_DYNAMIC(CRecordStartPage)

  public:
    // Construction
    CRecordStartPage();
    ~CRecordStartPage() override;

    // Attributes
    int m_nAutoRecord; // 0 swing-in, 1 Tinit, 2 off

    // Overrides
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnApply() override;
};
