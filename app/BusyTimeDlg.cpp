// CBusyTimeDlg: the operating-hours prompt.
#include "app/BusyTimeDlg.h"
#include "AppIds.h"

IMPLEMENT_DYNAMIC(CBusyTimeDlg, CMyDialog)

CBusyTimeDlg::CBusyTimeDlg(CWnd* pParent)
    : CMyDialog(IDD_BUSY_TIME, pParent), m_fHoursIR(0.0f), m_fHoursTop(0.0f)
{
}

CBusyTimeDlg::~CBusyTimeDlg()
{
}

void CBusyTimeDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_HOURS_IR, m_fHoursIR);
    DDV_MinMaxFloat(pDX, m_fHoursIR, 0.0f, 192000.0f);
    DDX_Text(pDX, IDC_HOURS_TOP, m_fHoursTop);
    DDV_MinMaxFloat(pDX, m_fHoursTop, 0.0f, 192000.0f);
}

BOOL CBusyTimeDlg::OnInitDialog()
{
    CMyDialog::OnInitDialog();
    AttachImageButton(m_btnOk, IDOK, IDB_CONFIRM);
    AttachImageButton(m_btnCancel, IDCANCEL, IDB_CANCEL);
    return TRUE;
}
