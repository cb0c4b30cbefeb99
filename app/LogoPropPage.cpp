// CLogoPropPage: the logo page of the options sheet.
#include "app/LogoPropPage.h"
#include "AppIds.h"
#include "app/IRControlApp.h"
#include "app/SettingsSheet.h"

IMPLEMENT_DYNAMIC(CLogoPropPage, CMyPropertyPage)

CLogoPropPage::CLogoPropPage() : CMyPropertyPage(IDD_LOGO_PAGE), m_bLeftLogo(FALSE), m_bRightLogo(FALSE)
{
    m_bModifiedByCommands = TRUE;
}

CLogoPropPage::~CLogoPropPage()
{
}

void CLogoPropPage::DoDataExchange(CDataExchange* pDX)
{
    CMyPropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_LOGO_LEFT, m_bLeftLogo);
    DDX_Check(pDX, IDC_LOGO_RIGHT, m_bRightLogo);
    DDX_Text(pDX, IDC_LOGO_PATH, m_strLogoPath);
}

BOOL CLogoPropPage::OnInitDialog()
{
    CMyPropertyPage::OnInitDialog();
    m_logoPathEdit.Initialize(IDC_LOGO_PATH, this);
    m_logoPathEdit.m_strFilter = "Bitmap (*.bmp|*.bmp|";
    CSettingsSheet::EnableForConfiguration(this);
    return TRUE;
}

BOOL CLogoPropPage::OnApply()
{
    if (!UpdateData(TRUE))
        return FALSE;
    return CMyPropertyPage::OnApply();
}

// Back to the application's copies.
void CLogoPropPage::OnReset()
{
    if (CIRControlApp* pApp = GetIRControlApp())
    {
        m_strLogoPath = pApp->m_strPrintLogo;
        m_bLeftLogo = pApp->m_bLeftLogo;
        m_bRightLogo = pApp->m_bRightLogo;
    }
    SetModified(FALSE);
    CMyPropertyPage::OnReset();
}
