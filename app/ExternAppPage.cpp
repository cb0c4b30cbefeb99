// CExternAppPage: the external-application page of the options sheet.
#include "app/ExternAppPage.h"
#include "AppIds.h"
#include "app/SettingsSheet.h"

IMPLEMENT_DYNAMIC(CExternAppPage, CMyPropertyPage)

CExternAppPage::CExternAppPage() : CMyPropertyPage(IDD_EXTERN_APP_PAGE)
{
    m_bModifiedByCommands = TRUE;
}

CExternAppPage::~CExternAppPage()
{
}

void CExternAppPage::DoDataExchange(CDataExchange* pDX)
{
    CMyPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_EXTERN_OPTIONS, m_strOptions);
    DDX_Text(pDX, IDC_EXTERN_APP_PATH, m_strAppPath);
}

BOOL CExternAppPage::OnInitDialog()
{
    CMyPropertyPage::OnInitDialog();
    m_appPathEdit.Initialize(IDC_EXTERN_APP_PATH, this);
    m_appPathEdit.m_strFilter = "Anwendungen (*.exe)|*.exe|";
    CSettingsSheet::EnableForConfiguration(this);
    return TRUE;
}

BOOL CExternAppPage::OnApply()
{
    if (!UpdateData(TRUE))
        return FALSE;
    return CMyPropertyPage::OnApply();
}

void CExternAppPage::OnReset()
{
    m_strOptions.Empty();
    m_strAppPath.Empty();
    SetModified(FALSE);
    CMyPropertyPage::OnReset();
}
