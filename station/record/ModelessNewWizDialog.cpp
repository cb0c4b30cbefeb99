// CModelessNewWizDialog: the modeless ends of the wizard.
#include "station/record/ModelessNewWizDialog.h"

IMPLEMENT_DYNAMIC(CModelessNewWizDialog, CNewWizDialog)

BEGIN_MESSAGE_MAP(CModelessNewWizDialog, CNewWizDialog)
ON_COMMAND(ID_WIZ_FINISH, OnModelessFinish)
ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

CModelessNewWizDialog::CModelessNewWizDialog(UINT nIDTemplate, CWnd* pParent)
    : CNewWizDialog(nIDTemplate, pParent)
{
}

CModelessNewWizDialog::~CModelessNewWizDialog()
{
}

BOOL CModelessNewWizDialog::CreateModeless()
{
    if (!Create(m_lpszTemplateName, m_pParentWnd))
        return FALSE;
    ShowWindow(SW_SHOWNORMAL);
    return TRUE;
}

void CModelessNewWizDialog::OnModelessFinish()
{
    if (FinishAllowed())
        DestroyWindow();
}

void CModelessNewWizDialog::OnCancel()
{
    if (CancelAllowed())
        DestroyWindow();
}

void CModelessNewWizDialog::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == SC_CLOSE)
    {
        DestroyWindow();
        return;
    }
    CNewWizDialog::OnSysCommand(nID, lParam);
}
