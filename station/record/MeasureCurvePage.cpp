// CMeasureCurvePage: its controls, and the top heater's set hidden outside expert mode.
#include "station/record/MeasureCurvePage.h"
#include "station/record/ApplicationValues.h"
#include "DataExchange.h"

IMPLEMENT_DYNAMIC(CMeasureCurvePage, CObjectSettingsPage)

namespace
{
const CObjectSettingsPage::SControls s_curveControls[3] = {
    {1037, 1040, 1041, 1035},
    {1039, 1052, 1053, 1051},
    {1036, 1033, 1034, 1032},
};
// The top heater's controls and their label.
const int s_expertControls[] = {1032, 1033, 1034, 1036, 1064};
} // namespace

CMeasureCurvePage::CMeasureCurvePage() : CObjectSettingsPage(IDD, s_curveControls, 3)
{
    Settings(2).bVisible = FALSE;
}

void CMeasureCurvePage::DoDataExchange(CDataExchange* pDX)
{
    CObjectSettingsPage::DoDataExchange(pDX);
    if (pDX->m_bSaveAndValidate && !CApplicationValues::IsExpertMode())
        Settings(2).bVisible = FALSE;
}

BOOL CMeasureCurvePage::OnInitDialog()
{
    CObjectSettingsPage::OnInitDialog();
    if (!CApplicationValues::IsExpertMode())
        for (int nID : s_expertControls)
            if (CWnd* pControl = GetDlgItem(nID))
                pControl->ShowWindow(SW_HIDE);
    return TRUE;
}
