// CIRPropPage: the station page of the display settings sheet.
#include "app/IRPropPage.h"
#include "AppIds.h"
#include "ComboBox.h"
#include "station/config/ProjektConfig.h"
#include "station/record/ApplicationValues.h"

IMPLEMENT_DYNAMIC(CIRPropPage, CMyPropertyPage)

namespace
{
// The buzzer list, in the order shown: text and the mode the station takes.
const struct
{
    UINT nText;
    int nMode;
} s_buzzerModes[] = {{IDS_BUZZER_ON, 255}, {IDS_BUZZER_OFF, 0}, {IDS_BUZZER_SHORT, 1}};
} // namespace

CIRPropPage::CIRPropPage()
    : CMyPropertyPage(IDD_IR_PAGE), m_bSoftCal(FALSE), m_bPipCal(FALSE), m_nBuzzerMode(255)
{
    m_bModifiedByCommands = TRUE;
    if (CProjektConfig* pConfig = GetProjektConfig())
    {
        m_bPipCal = pConfig->GetPipCal();
        m_bSoftCal = pConfig->GetSoftCal();
        m_nBuzzerMode = (int)pConfig->GetBuzzerMode();
    }
}

CIRPropPage::~CIRPropPage()
{
}

void CIRPropPage::DoDataExchange(CDataExchange* pDX)
{
    CMyPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_IR_BUZZER, m_buzzerList);
    DDX_Check(pDX, IDC_IR_SOFTCAL, m_bSoftCal);
    DDX_Check(pDX, IDC_IR_PIPCAL, m_bPipCal);
}

BOOL CIRPropPage::OnInitDialog()
{
    CMyPropertyPage::OnInitDialog();
    for (const auto& mode : s_buzzerModes)
    {
        CString text;
        text.LoadString(mode.nText);
        const int nItem = m_buzzerList.AddString(text);
        m_buzzerList.SetItemData(nItem, (DWORD_PTR)mode.nMode);
        if (mode.nMode == m_nBuzzerMode)
            m_buzzerList.SetCurSel(nItem);
    }
    return TRUE;
}

BOOL CIRPropPage::OnApply()
{
    if (!UpdateData(TRUE))
        return FALSE;
    // A stored mode the list does not offer stays as it is until the user picks one.
    const int nSelected = m_buzzerList.GetCurSel();
    if (nSelected != CB_ERR)
        m_nBuzzerMode = (int)m_buzzerList.GetItemData(nSelected);
    if (CProjektConfig* pConfig = GetProjektConfig())
    {
        pConfig->SetPipCal(m_bPipCal);
        pConfig->SetSoftCal(m_bSoftCal);
        pConfig->SetBuzzerMode((DWORD)m_nBuzzerMode);
    }
    return CMyPropertyPage::OnApply();
}
