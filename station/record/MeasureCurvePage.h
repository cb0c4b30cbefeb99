// CMeasureCurvePage: the curves page of the drawing settings: visible, line weight and colour of
// "TE-Solder" (set 0), "IRS-Solder" (set 1) and "TE-TopHeater" (set 2, for experts only).
#pragma once
#include "StationIds.h"
#include "station/record/ObjectSettingsPage.h"

class CMeasureCurvePage : public CObjectSettingsPage
{
    DECLARE_DYNAMIC(CMeasureCurvePage)

  public:
    enum
    {
        IDD = IDD_MEASURE_CURVE_PAGE
    };
    CMeasureCurvePage();

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};
