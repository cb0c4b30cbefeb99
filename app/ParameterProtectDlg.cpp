// CParameterProtectDlg: the profile sets' protection password.
#include "app/ParameterProtectDlg.h"
#include "station/config/ProjektConfig.h"
#include "station/record/ApplicationValues.h"
#include "AppIds.h"

IMPLEMENT_DYNAMIC(CParameterProtectDlg, CMyDialog)

CParameterProtectDlg::CParameterProtectDlg(CWnd* pParent)
    : CMyDialog(IDD_PARAMETER_PROTECT, pParent),
      m_strStored(CApplicationValues::GetProjektConfig().GetModule())
{
    m_strOkText.LoadString(IsClearing() ? IDS_PROTECT_CLEAR : IDS_PROTECT_SET);
    m_nOkBitmapID = IsClearing() ? IDB_PROTECT_OFF : IDB_PROTECT_ON;
}

CParameterProtectDlg::~CParameterProtectDlg()
{
}

void CParameterProtectDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PROTECT_PASSWORD, m_strPassword);
    DDX_Text(pDX, IDC_PROTECT_CONFIRM, m_strConfirm);
}

BOOL CParameterProtectDlg::OnInitDialog()
{
    CMyDialog::OnInitDialog();
    // Clearing needs the password once only.
    if (IsClearing())
        for (UINT nID : {IDC_PROTECT_CONFIRM, IDC_PROTECT_CONFIRM_LABEL})
            GetDlgItem(nID)->ShowWindow(SW_HIDE);
    SetDlgItemText(IDOK, m_strOkText);
    AttachOkCancelHelp(m_btnOk, m_nOkBitmapID, m_btnCancel, m_btnHelp);
    return TRUE;
}

void CParameterProtectDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (!IsClearing())
    {
        if (m_strPassword != m_strConfirm)
        {
            AfxMessageBox(IDS_PASSWORD_MISMATCH, MB_OK);
            GetDlgItem(IDC_PROTECT_PASSWORD)->SetFocus();
            return;
        }
        m_strStored = m_strPassword;
    }
    else if (m_strPassword == m_strStored)
        m_strStored.Empty();
    else
        // The dialog still ends: the protection simply stays.
        AfxMessageBox(IDS_PASSWORD_WRONG, MB_OK);
    CApplicationValues::GetProjektConfig().SetModule(m_strStored);
    EndDialog(IDOK);
}
