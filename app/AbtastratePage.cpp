// CAbtastratePage: the sampling-rate page of the display settings sheet.
#include "app/AbtastratePage.h"
#include "AppIds.h"
#include "SpinButtonCtrl.h"
#include "station/config/ProjektConfig.h"
#include "station/record/ApplicationValues.h"

IMPLEMENT_DYNAMIC(CAbtastratePage, CMyPropertyPage)

CAbtastratePage::CAbtastratePage() : CMyPropertyPage(IDD_SAMPLING_PAGE), m_nInterval(1)
{
    if (CProjektConfig* pConfig = GetProjektConfig())
        m_nInterval = (int)pConfig->GetControlRate();
}

CAbtastratePage::~CAbtastratePage()
{
}

void CAbtastratePage::DoDataExchange(CDataExchange* pDX)
{
    CMyPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SAMPLING_INTERVAL, m_nInterval);
    DDV_MinMaxInt(pDX, m_nInterval, MinInterval, MaxInterval);
}

BOOL CAbtastratePage::OnInitDialog()
{
    CMyPropertyPage::OnInitDialog();
    CSpinButtonCtrl* pSpin = (CSpinButtonCtrl*)GetDlgItem(IDC_SAMPLING_SPIN);
    pSpin->SetRange32(MinInterval, MaxInterval);
    pSpin->SetPos(m_nInterval);
    return TRUE;
}

BOOL CAbtastratePage::OnApply()
{
    if (!UpdateData(TRUE))
        return FALSE;
    if (CProjektConfig* pConfig = GetProjektConfig())
        pConfig->SetControlRate(m_nInterval);
    return CMyPropertyPage::OnApply();
}
