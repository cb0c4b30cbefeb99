// CMyPropertyPage: the property-page base with the program's Enter rule and help.
#include "station/record/MyPropertyPage.h"
#include "station/record/MyDialog.h"

IMPLEMENT_DYNAMIC(CMyPropertyPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CMyPropertyPage, CPropertyPage)
AFX_WM_ENTRY(WM_CONTEXTMENU, AfxSig_vWp, void (CWnd::*)(CWnd*, CPoint), OnHelpContextMenu)
AFX_WM_ENTRY(WM_HELP, AfxSig_bHELPINFO, BOOL (CWnd::*)(HELPINFO*), OnHelpInfo)
END_MESSAGE_MAP()

CMyPropertyPage::CMyPropertyPage(UINT nIDTemplate)
    : THtmlHelp<CPropertyPage>(nIDTemplate, 0), m_bModifiedByCommands(FALSE)
{
}

CMyPropertyPage::~CMyPropertyPage()
{
}

BOOL CMyPropertyPage::PreTranslateMessage(MSG* pMsg)
{
    if (CMyDialog::PressFocusedButton(this, pMsg))
        return TRUE;
    return CPropertyPage::PreTranslateMessage(pMsg);
}

BOOL CMyPropertyPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_bModifiedByCommands && lParam != 0)
        SetModified(TRUE);
    return CPropertyPage::OnCommand(wParam, lParam);
}
