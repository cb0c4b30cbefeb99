// CProcessStatePropPage: its controls (no line weights).
#include "station/record/ProcessStatePropPage.h"

IMPLEMENT_DYNAMIC(CProcessStatePropPage, CObjectSettingsPage)

namespace
{
const CObjectSettingsPage::SControls s_processStateControls[6] = {
    {1083, 0, 0, 1089}, {1084, 0, 0, 1090}, {1085, 0, 0, 1091},
    {1086, 0, 0, 1092}, {1087, 0, 0, 1093}, {1088, 0, 0, 1094},
};
} // namespace

CProcessStatePropPage::CProcessStatePropPage() : CObjectSettingsPage(IDD, s_processStateControls, 6)
{
}
