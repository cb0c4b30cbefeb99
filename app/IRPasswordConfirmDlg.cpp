// CIRPasswordConfirmDlg: the password prompt before a download.
#include "app/IRPasswordConfirmDlg.h"
#include "AppIds.h"

IMPLEMENT_DYNAMIC(CIRPasswordConfirmDlg, CMyDialog)

CIRPasswordConfirmDlg::CIRPasswordConfirmDlg(CWnd* pParent)
    : CMyDialog(IDD_IR_PASSWORD_CONFIRM, pParent), m_nPassword(0)
{
}

CIRPasswordConfirmDlg::~CIRPasswordConfirmDlg()
{
}

void CIRPasswordConfirmDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PASSWORD_ENTRY, m_nPassword);
    DDV_MinMaxInt(pDX, m_nPassword, 0, 999);
}

BOOL CIRPasswordConfirmDlg::OnInitDialog()
{
    CMyDialog::OnInitDialog();
    AttachOkCancelHelp(m_btnOk, IDB_CONFIRM, m_btnCancel, m_btnHelp);
    return TRUE;
}
