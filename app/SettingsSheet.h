// CSettingsSheet: the options sheet with the program-wide settings: serial interfaces, language,
// general settings, external application and company logo.
#pragma once
#include "app/ExternAppPage.h"
#include "app/GeneralSettingsPage.h"
#include "app/LanguagesPage.h"
#include "app/LogoPropPage.h"
#include "app/SerialMultiSettingsPage.h"
#include "station/record/MyPropertySheet.h"

class CSettingsSheet : public CMyPropertySheet
{
    DECLARE_DYNAMIC(CSettingsSheet)

  public:
    // Construction
    CSettingsSheet(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    ~CSettingsSheet() override;

    // Attributes
    CSerialMultiSettingsPage m_serialPage;
    CLanguagesPage m_languagesPage;
    CGeneralSettingsPage m_generalPage;
    CExternAppPage m_externAppPage;
    CLogoPropPage m_logoPage;

    // Overrides
    BOOL OnInitDialog() override;

    // Operations
    // A page of the machine-wide settings (all but the serial interfaces, which are the user's)
    // shows disabled to a user who may not change them:
    // what he entered would not be stored.
    static void EnableForConfiguration(CWnd* pPage);
};
