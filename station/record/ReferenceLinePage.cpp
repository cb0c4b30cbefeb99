// CReferenceLinePage: its controls.
#include "station/record/ReferenceLinePage.h"

IMPLEMENT_DYNAMIC(CReferenceLinePage, CObjectSettingsPage)

namespace
{
const CObjectSettingsPage::SControls s_referenceLineControls[3] = {
    {1039, 1047, 1049, 1044},
    {1040, 1042, 1043, 1045},
    {1041, 1048, 1051, 1046},
};
} // namespace

CReferenceLinePage::CReferenceLinePage() : CObjectSettingsPage(IDD, s_referenceLineControls, 3)
{
}
