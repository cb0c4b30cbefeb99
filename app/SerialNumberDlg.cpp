// CSerialNumberDlg: the serial-number prompt.
#include "app/SerialNumberDlg.h"
#include "AppIds.h"

IMPLEMENT_DYNAMIC(CSerialNumberDlg, CMyDialog)

CSerialNumberDlg::CSerialNumberDlg(CWnd* pParent)
    : CMyDialog(IDD_SERIAL_NUMBER, pParent), m_fSerialNumber(1.0f)
{
}

CSerialNumberDlg::~CSerialNumberDlg()
{
}

// Exchanged as a whole number: a negative or fractional entry would reach the device as it
// stands, and above 2^24 the float no longer holds every number.
void CSerialNumberDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    int nNumber = (int)m_fSerialNumber;
    DDX_Text(pDX, IDC_SERIAL_NUMBER, nNumber);
    DDV_MinMaxInt(pDX, nNumber, 0, MaxSerialNumber);
    m_fSerialNumber = (float)nNumber;
}

BOOL CSerialNumberDlg::OnInitDialog()
{
    CMyDialog::OnInitDialog();
    AttachImageButton(m_btnOk, IDOK, IDB_CONFIRM);
    AttachImageButton(m_btnCancel, IDCANCEL, IDB_CANCEL);
    return TRUE;
}

BOOL AskSerialNumber(CWnd* pParent, float* pfNumber)
{
    CSerialNumberDlg dlg(pParent);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    *pfNumber = dlg.m_fSerialNumber;
    return TRUE;
}
