// CGeneralSettingsPage: the general page of the options sheet.
#include "app/GeneralSettingsPage.h"
#include "AppIds.h"
#include "SpinButtonCtrl.h"
#include "app/SettingsSheet.h"
#include "station/config/ProjektConfig.h"
#include "station/record/ApplicationValues.h"

IMPLEMENT_DYNAMIC(CGeneralSettingsPage, CMyPropertyPage)

namespace
{
// The four axis values: edit, spin and accepted range, in the order they are checked.
struct AxisValue
{
    int CGeneralSettingsPage::*pValue;
    UINT nEdit;
    UINT nSpin;
    int nMin;
    int nMax;
};
const AxisValue s_axisValues[] = {
    {&CGeneralSettingsPage::m_nTempIntervall, IDC_GENERAL_TEMP_STEP, IDC_GENERAL_TEMP_STEP_SPIN, 5, 100},
    {&CGeneralSettingsPage::m_nTempBase, IDC_GENERAL_TEMP_BASE, IDC_GENERAL_TEMP_BASE_SPIN, 100, 500},
    {&CGeneralSettingsPage::m_nTimeIntervall, IDC_GENERAL_TIME_STEP, IDC_GENERAL_TIME_STEP_SPIN, 5, 600},
    {&CGeneralSettingsPage::m_nTimeBase, IDC_GENERAL_TIME_BASE, IDC_GENERAL_TIME_BASE_SPIN, 100, 3600},
};
} // namespace

CGeneralSettingsPage::CGeneralSettingsPage()
    : CMyPropertyPage(IDD_GENERAL_PAGE), m_bAutoCom(TRUE), m_bDownloadWizzard(TRUE), m_bUploadWizzard(TRUE),
      m_nTempBase(220), m_nTimeBase(300), m_nTempIntervall(20), m_nTimeIntervall(20)
{
    m_bModifiedByCommands = TRUE;
    Load();
}

CGeneralSettingsPage::~CGeneralSettingsPage()
{
}

void CGeneralSettingsPage::Load()
{
    CProjektConfig* pConfig = GetProjektConfig();
    if (pConfig == NULL)
        return;
    m_bAutoCom = pConfig->GetAutoCom();
    m_bDownloadWizzard = pConfig->GetDownloadWizzard();
    m_bUploadWizzard = pConfig->GetUploadWizzard();
    m_strQuickSaveDir = pConfig->GetQuickSaveDir();
    m_nTempBase = (int)pConfig->GetTempBase();
    m_nTimeBase = (int)pConfig->GetTimeBase();
    m_nTempIntervall = (int)pConfig->GetTempIntervall();
    m_nTimeIntervall = (int)pConfig->GetTimeIntervall();
}

void CGeneralSettingsPage::DoDataExchange(CDataExchange* pDX)
{
    CMyPropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_GENERAL_AUTOCOM, m_bAutoCom);
    DDX_Check(pDX, IDC_GENERAL_DOWNLOAD_WIZARD, m_bDownloadWizzard);
    DDX_Check(pDX, IDC_GENERAL_UPLOAD_WIZARD, m_bUploadWizzard);
    DDX_Text(pDX, IDC_GENERAL_QUICKSAVE_DIR, m_strQuickSaveDir);
    for (const AxisValue& v : s_axisValues)
    {
        DDX_Text(pDX, v.nEdit, this->*v.pValue);
        DDV_MinMaxInt(pDX, this->*v.pValue, v.nMin, v.nMax);
    }
}

BOOL CGeneralSettingsPage::OnInitDialog()
{
    CMyPropertyPage::OnInitDialog();
    m_quickSaveDirEdit.Initialize(IDC_GENERAL_QUICKSAVE_DIR, this);
    for (const AxisValue& v : s_axisValues)
    {
        CSpinButtonCtrl* pSpin = (CSpinButtonCtrl*)GetDlgItem(v.nSpin);
        pSpin->SetRange32(v.nMin, v.nMax);
        pSpin->SetPos(this->*v.pValue);
    }
    CSettingsSheet::EnableForConfiguration(this);
    return TRUE;
}

BOOL CGeneralSettingsPage::OnApply()
{
    if (!UpdateData(TRUE))
        return FALSE;
    if (CProjektConfig* pConfig = GetProjektConfig())
    {
        pConfig->SetDownloadWizzard(m_bDownloadWizzard);
        pConfig->SetUploadWizzard(m_bUploadWizzard);
        pConfig->SetAutoCom(m_bAutoCom);
        pConfig->SetQuickSaveDir(m_strQuickSaveDir);
        pConfig->SetTempBase(m_nTempBase);
        pConfig->SetTimeBase(m_nTimeBase);
        pConfig->SetTempIntervall(m_nTempIntervall);
        pConfig->SetTimeIntervall(m_nTimeIntervall);
    }
    return CMyPropertyPage::OnApply();
}

void CGeneralSettingsPage::OnReset()
{
    Load();
    SetModified(FALSE);
    CMyPropertyPage::OnReset();
}
