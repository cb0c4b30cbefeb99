// SECNewToolBar: the name of a new toolbar.
#include "uilib/bars/NewToolBar.h"
#include "BarsIds.h"
#include "DataExchange.h"
#include "Edit.h"
#include "uilib/bars/ToolBarsBase.h"

IMPLEMENT_DYNAMIC(SECNewToolBar, CDialog)

BEGIN_MESSAGE_MAP(SECNewToolBar, CDialog)
ON_EN_CHANGE(IDC_SEC_TB_NEW_NAME, OnChangeName)
END_MESSAGE_MAP()

SECNewToolBar::SECNewToolBar(CWnd* pParent) : CDialog(IDD_SEC_NEW_TOOLBAR, pParent)
{
}

BOOL SECNewToolBar::OnInitDialog()
{
    CDialog::OnInitDialog();
    ((CEdit*)GetDlgItem(IDC_SEC_TB_NEW_NAME))->LimitText(SEC_TOOLBAR_NAME_MAX);
    OnChangeName();
    return TRUE;
}

void SECNewToolBar::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SEC_TB_NEW_NAME, m_strName);
}

void SECNewToolBar::OnChangeName()
{
    CWnd* pEdit = GetDlgItem(IDC_SEC_TB_NEW_NAME);
    CWnd* pOK = GetDlgItem(IDOK);
    if (pEdit != NULL && pOK != NULL)
        pOK->EnableWindow(pEdit->GetWindowTextLength() > 0);
}
