// CSerialNumberDlg: the serial-number prompt.
#include "app/SerialNumberDlg.h"
#include "AppIds.h"
#include "StationIds.h"

IMPLEMENT_DYNAMIC(CSerialNumberDlg, SECBitmapDialog)

CSerialNumberDlg::CSerialNumberDlg(CWnd* pParent)
    : SECBitmapDialog(IDD_SERIAL_NUMBER, pParent), m_fSerialNumber(1.0f)
{
}

CSerialNumberDlg::~CSerialNumberDlg()
{
}

void CSerialNumberDlg::DoDataExchange(CDataExchange* pDX)
{
    SECBitmapDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SERIAL_NUMBER, m_fSerialNumber);
}

BOOL CSerialNumberDlg::OnInitDialog()
{
    SECBitmapDialog::OnInitDialog();
    const struct
    {
        tessaron::foundation::SECBitmapButton* pButton;
        UINT nID;
        UINT nBitmapID;
    } buttons[] = {{&m_btnOk, IDOK, IDB_CONFIRM}, {&m_btnCancel, IDCANCEL, IDB_CANCEL}};
    for (const auto& b : buttons)
        if (b.pButton->Attach(b.nID, tessaron::foundation::SECBitmapButton::imageLeft, b.nBitmapID, this))
            b.pButton->SetDrawOption(TRUE);
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
