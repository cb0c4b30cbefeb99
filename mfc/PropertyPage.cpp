// CPropertyPage: a page attaches itself when the sheet creates it and turns PSN_* notifications
// into its virtual members; their answers go back as the notification's result.
#include "PropertyPage.h"
#include "PropertySheet.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage() : m_psp(), m_bFirstSetActive(TRUE), m_bModified(FALSE)
{
}

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CPropertyPage()
{
    Construct(nIDTemplate, nIDCaption);
}

void CPropertyPage::Construct(UINT nIDTemplate, UINT nIDCaption)
{
    m_lpszTemplateName = MAKEINTRESOURCE(nIDTemplate);
    m_nIDHelp = nIDTemplate;
    memset(&m_psp, 0, sizeof(m_psp));
    m_psp.dwSize = sizeof(m_psp);
    m_psp.dwFlags = PSP_DEFAULT;
    m_psp.hInstance = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    m_psp.pszTemplate = m_lpszTemplateName;
    m_psp.pfnDlgProc = AfxPropPageDlgProc;
    m_psp.lParam = (LPARAM)this;
    if (nIDCaption != 0 && m_strCaption.LoadString(nIDCaption))
    {
        m_psp.pszTitle = m_strCaption;
        m_psp.dwFlags |= PSP_USETITLE;
    }
}

INT_PTR CALLBACK AfxPropPageDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    // lParam is the sheet's copy of our PROPSHEETPAGE; its lParam names the page object.
    CPropertyPage* pPage = (CPropertyPage*)((LPPROPSHEETPAGE)lParam)->lParam;
    if (pPage == NULL || !pPage->SubclassWindow(hWnd))
        return TRUE;
    pPage->m_bFirstSetActive = TRUE;
    pPage->m_bModified = FALSE;
    return AfxCallFromWin32<INT_PTR>(TRUE, [pPage] { return pPage->OnInitDialog(); });
}

CPropertySheet* CPropertyPage::GetParentSheet() const
{
    CWnd* pWnd = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
    return pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CPropertySheet)) ? (CPropertySheet*)pWnd : NULL;
}

void CPropertyPage::CancelToClose()
{
    ::SendMessage(::GetParent(m_hWnd), PSM_CANCELTOCLOSE, 0, 0);
}

void CPropertyPage::SetModified(BOOL bChanged)
{
    m_bModified = bChanged;
    if (m_hWnd == NULL)
        return;
    ::SendMessage(::GetParent(m_hWnd), bChanged ? PSM_CHANGED : PSM_UNCHANGED, (WPARAM)m_hWnd, 0);
}

LRESULT CPropertyPage::QuerySiblings(WPARAM wParam, LPARAM lParam)
{
    return ::SendMessage(::GetParent(m_hWnd), PSM_QUERYSIBLINGS, wParam, lParam);
}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    m_bModified = FALSE;
    return TRUE;
}

void CPropertyPage::OnReset()
{
    OnCancel();
}
void CPropertyPage::OnOK()
{
} // a page never ends the sheet itself
void CPropertyPage::OnCancel()
{
}

BOOL CPropertyPage::OnSetActive()
{
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}
BOOL CPropertyPage::OnQueryCancel()
{
    return TRUE;
}
LRESULT CPropertyPage::OnWizardBack()
{
    return 0;
}
LRESULT CPropertyPage::OnWizardNext()
{
    return 0;
}
BOOL CPropertyPage::OnWizardFinish()
{
    return TRUE;
}

// Keys belong to the sheet, which runs the dialog manager over all its pages.
BOOL CPropertyPage::PreTranslateMessage(MSG* pMsg)
{
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    if (pNMHDR->hwndFrom != ::GetParent(m_hWnd))
        return CDialog::OnNotify(wParam, lParam, pResult);
    LRESULT lResult;
    switch (pNMHDR->code)
    {
    case PSN_SETACTIVE:
        lResult = OnSetActive() ? 0 : -1;
        break;
    case PSN_KILLACTIVE:
        lResult = !OnKillActive(); // TRUE keeps the sheet on this page
        break;
    case PSN_APPLY:
        lResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        break;
    case PSN_RESET:
        OnReset();
        lResult = 0;
        break;
    case PSN_QUERYCANCEL:
        lResult = !OnQueryCancel();
        break;
    case PSN_WIZNEXT:
        lResult = OnWizardNext();
        break;
    case PSN_WIZBACK:
        lResult = OnWizardBack();
        break;
    case PSN_WIZFINISH:
        lResult = !OnWizardFinish();
        break;
    default:
        return CDialog::OnNotify(wParam, lParam, pResult);
    }
    // Dialog procedures answer through DWLP_MSGRESULT; the window procedure's result says the same.
    ::SetWindowLongPtr(m_hWnd, DWLP_MSGRESULT, lResult);
    *pResult = lResult;
    return TRUE;
}
