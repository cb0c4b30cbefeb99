// CProcessStatePropPage: the process-bar page of the drawing settings: visible and colour of the
// six bars.
#pragma once
#include "StationIds.h"
#include "station/record/ObjectSettingsPage.h"

class CProcessStatePropPage : public CObjectSettingsPage
{
    DECLARE_DYNAMIC(CProcessStatePropPage)

  public:
    enum
    {
        IDD = IDD_PROCESS_STATE_PAGE
    };
    CProcessStatePropPage();
};
