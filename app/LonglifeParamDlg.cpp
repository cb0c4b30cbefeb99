// CLonglifeParamDlg: the long-life test's parameters; OK reads "Download".
#include "app/LonglifeParamDlg.h"
#include "AppIds.h"
#include "SpinButtonCtrl.h"

IMPLEMENT_DYNAMIC(CLonglifeParamDlg, CMyDialog)

CLonglifeParamDlg::CLonglifeParamDlg(CWnd* pParent)
    : CMyDialog(IDD_LONGLIFE_PARAM, pParent), m_nPauseSaddle(30), m_nPauseLinear(30)
{
}

CLonglifeParamDlg::~CLonglifeParamDlg()
{
}

void CLonglifeParamDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PAUSE_SADDLE, m_nPauseSaddle);
    DDV_MinMaxInt(pDX, m_nPauseSaddle, MinPause, MaxPause);
    DDX_Text(pDX, IDC_PAUSE_LINEAR, m_nPauseLinear);
    DDV_MinMaxInt(pDX, m_nPauseLinear, MinPause, MaxPause);
}

BOOL CLonglifeParamDlg::OnInitDialog()
{
    CMyDialog::OnInitDialog();
    const struct
    {
        UINT nSpin;
        int nValue;
    } spins[] = {{IDC_PAUSE_SADDLE_SPIN, m_nPauseSaddle}, {IDC_PAUSE_LINEAR_SPIN, m_nPauseLinear}};
    for (const auto& s : spins)
    {
        CSpinButtonCtrl* pSpin = (CSpinButtonCtrl*)GetDlgItem(s.nSpin);
        pSpin->SetRange32(MinPause, MaxPause);
        pSpin->SetPos(s.nValue);
    }
    AttachImageButton(m_btnOk, IDOK, IDB_APPLY);
    AttachImageButton(m_btnCancel, IDCANCEL, IDB_CANCEL);
    return TRUE;
}
