// CNewWizPage: a wizard page and its default answers.
#include "station/record/NewWizPage.h"
#include "station/record/MyDialog.h"
#include "station/record/NewWizDialog.h"

IMPLEMENT_DYNAMIC(CNewWizPage, CDialog)

BEGIN_MESSAGE_MAP(CNewWizPage, CDialog)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CNewWizPage::CNewWizPage(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_pParent(NULL), m_bCreated(FALSE), m_bActive(FALSE),
      m_nDialogID(nIDTemplate)
{
}

CNewWizPage::~CNewWizPage()
{
}

BOOL CNewWizPage::OnCreatePage()
{
    return TRUE;
}

void CNewWizPage::OnDestroyPage()
{
}

BOOL CNewWizPage::OnKillActive()
{
    return TRUE;
}

void CNewWizPage::OnSetActive()
{
}

BOOL CNewWizPage::OnQueryCancel()
{
    return TRUE;
}

LRESULT CNewWizPage::OnWizardBack()
{
    return 0;
}

LRESULT CNewWizPage::OnWizardNext()
{
    return 0;
}

BOOL CNewWizPage::OnWizardFinish()
{
    return TRUE;
}

BOOL CNewWizPage::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_brush.DeleteObject();
    m_brush.CreateSolidBrush(RGB(255, 255, 255));
    return TRUE;
}

// Escape inside a page must not end it: the wizard decides about cancelling.
void CNewWizPage::OnCancel()
{
}

// A page is a child dialog: Enter on its own button belongs to the page, not to the wizard's
// default button.
BOOL CNewWizPage::PreTranslateMessage(MSG* pMsg)
{
    if (CMyDialog::PressFocusedButton(this, pMsg))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

HBRUSH CNewWizPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (m_pParent != NULL && m_pParent->m_bStandardColors)
        return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    switch (nCtlColor)
    {
    case CTLCOLOR_EDIT:
    case CTLCOLOR_LISTBOX:
    case CTLCOLOR_BTN:
    case CTLCOLOR_SCROLLBAR:
    case CTLCOLOR_STATIC:
        pDC->SetBkColor(RGB(255, 255, 255));
        pDC->SetTextColor(RGB(0, 0, 0));
        break;
    default:
        break;
    }
    return (HBRUSH)m_brush.GetSafeHandle();
}
