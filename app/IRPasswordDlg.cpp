// CIRPasswordDlg: the station password's activation and deactivation.
#include "app/IRPasswordDlg.h"
#include "AppIds.h"

IMPLEMENT_DYNAMIC(CIRPasswordDlg, CMyDialog)

CIRPasswordDlg::CIRPasswordDlg(CWnd* pParent)
    : CMyDialog(IDD_IR_PASSWORD, pParent), m_nNewPassword(0), m_nConfirmPassword(0), m_nCurrentPassword(0),
      m_nOkBitmapID(IDB_PASSWORD_ON)
{
}

CIRPasswordDlg::~CIRPasswordDlg()
{
}

void CIRPasswordDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PASSWORD_ENTRY, m_nNewPassword);
    DDV_MinMaxInt(pDX, m_nNewPassword, 0, 999);
    // Hidden while deactivating: nothing there to check.
    if (!IsDeactivation())
    {
        DDX_Text(pDX, IDC_PASSWORD_CONFIRM, m_nConfirmPassword);
        DDV_MinMaxInt(pDX, m_nConfirmPassword, 0, 999);
    }
}

BOOL CIRPasswordDlg::OnInitDialog()
{
    CMyDialog::OnInitDialog();
    m_strOkText.LoadString(IsDeactivation() ? IDS_PASSWORD_DEACTIVATE : IDS_PASSWORD_ACTIVATE);
    m_nOkBitmapID = IsDeactivation() ? IDB_PASSWORD_OFF : IDB_PASSWORD_ON;
    if (IsDeactivation())
        for (UINT nID : {IDC_PASSWORD_CONFIRM, IDC_PASSWORD_CONFIRM_LABEL})
            GetDlgItem(nID)->ShowWindow(SW_HIDE);
    SetDlgItemText(IDOK, m_strOkText);
    AttachOkCancelHelp(m_btnOk, m_nOkBitmapID, m_btnCancel, m_btnHelp);
    return TRUE;
}

void CIRPasswordDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (IsDeactivation())
    {
        // A wrong entry still ends the dialog: the password simply stays.
        if (m_nNewPassword == m_nCurrentPassword)
            m_nCurrentPassword = 0;
        else
            AfxMessageBox(IDS_PASSWORD_WRONG, MB_OK);
        EndDialog(IDOK);
        return;
    }
    if (m_nNewPassword != m_nConfirmPassword)
    {
        AfxMessageBox(IDS_PASSWORD_MISMATCH, MB_OK);
        GetDlgItem(IDC_PASSWORD_ENTRY)->SetFocus();
        return;
    }
    m_nCurrentPassword = m_nNewPassword;
    EndDialog(IDOK);
}
