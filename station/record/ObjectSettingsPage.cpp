// CObjectSettingsPage: exchange, pickers and registry writes shared by the object settings pages.
#include "station/record/ObjectSettingsPage.h"
#include "station/record/ApplicationValues.h"
#include "station/record/DrawConfig.h"
#include "DataExchange.h"
#include "SpinButtonCtrl.h"

IMPLEMENT_DYNAMIC(CObjectSettingsPage, CMyPropertyPage)

using tessaron::foundation::SECWellButton;

CObjectSettingsPage::CObjectSettingsPage(UINT nIDTemplate, const SControls* pControls, int nCount)
    : CMyPropertyPage(nIDTemplate), m_pControls(pControls),
      m_settings(nCount, SSettings{TRUE, 1, 0, CString()}), m_bChanged(FALSE)
{
    for (int n = 0; n < nCount; n++)
        m_pickers.push_back(new SECWellButton);
}

CObjectSettingsPage::~CObjectSettingsPage()
{
    for (SECWellButton* pPicker : m_pickers)
        delete pPicker;
}

void CObjectSettingsPage::DoDataExchange(CDataExchange* pDX)
{
    CMyPropertyPage::DoDataExchange(pDX);
    for (int n = 0; n < GetCount(); n++)
    {
        const SControls& controls = m_pControls[n];
        SSettings& settings = m_settings[n];
        DDX_Check(pDX, controls.nVisible, settings.bVisible);
        if (controls.nWeight != 0)
        {
            DDX_Text(pDX, controls.nWeight, settings.nWeight);
            DDV_MinMaxInt(pDX, settings.nWeight, 1, 4);
        }
    }
    m_bChanged = TRUE;
}

BOOL CObjectSettingsPage::OnInitDialog()
{
    CMyPropertyPage::OnInitDialog();
    for (int n = 0; n < GetCount(); n++)
    {
        const SControls& controls = m_pControls[n];
        if (controls.nSpin != 0)
        {
            CSpinButtonCtrl* pSpin = (CSpinButtonCtrl*)GetDlgItem(controls.nSpin);
            pSpin->SetRange32(1, 4);
            pSpin->SetPos(m_settings[n].nWeight);
        }
        SECWellButton* pPicker = m_pickers[n];
        pPicker->AttachButton(controls.nPicker, this, 0);
        pPicker->SetColor(m_settings[n].color);
        pPicker->SetOtherButton(TRUE);
        pPicker->SetUsePalette(TRUE);
    }
    return TRUE;
}

BOOL CObjectSettingsPage::OnApply()
{
    BeforeApply();
    if (!UpdateData(TRUE))
        return FALSE;
    CDrawConfig& config = CApplicationValues::GetDrawConfig();
    for (int n = 0; n < GetCount(); n++)
    {
        SSettings& settings = m_settings[n];
        settings.color = m_pickers[n]->GetColor();
        if (settings.key.IsEmpty())
            continue;
        config.SetInt(settings.key, "Color", settings.color);
        if (m_pControls[n].nWeight != 0)
            config.SetInt(settings.key, "Pen", (DWORD)settings.nWeight);
        config.SetInt(settings.key, "Visible", settings.bVisible ? 1 : 0);
    }
    return CMyPropertyPage::OnApply();
}
