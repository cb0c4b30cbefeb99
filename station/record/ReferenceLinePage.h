// CReferenceLinePage: the reference-line page of the drawing settings: visible, line weight and
// colour of the lines at T1, T2 and T3.
#pragma once
#include "StationIds.h"
#include "station/record/ObjectSettingsPage.h"

class CReferenceLinePage : public CObjectSettingsPage
{
    DECLARE_DYNAMIC(CReferenceLinePage)

  public:
    enum
    {
        IDD = IDD_REFERENCE_LINE_PAGE
    };
    CReferenceLinePage();
};
