// CNewWizDialog: moving between the pages, the buttons' states and the closing checks.
#include "station/record/NewWizDialog.h"

IMPLEMENT_DYNAMIC(CNewWizDialog, CDialog)

BEGIN_MESSAGE_MAP(CNewWizDialog, CDialog)
ON_WM_DESTROY()
ON_COMMAND(ID_WIZ_FINISH, OnWizardFinish)
ON_COMMAND(ID_WIZ_BACK, OnWizardBack)
ON_COMMAND(ID_WIZ_NEXT, OnWizardNext)
END_MESSAGE_MAP()

CNewWizDialog::CNewWizDialog(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_PageList(10), m_nPlaceholderID(0), m_bStandardColors(FALSE)
{
}

// The pages belong to the derived wizard.
CNewWizDialog::~CNewWizDialog()
{
}

void CNewWizDialog::AddPage(CNewWizPage* pPage, UINT nID)
{
    m_PageList.AddTail(pPage);
    pPage->m_nDialogID = nID;
}

CNewWizPage* CNewWizDialog::GetFirstPage() const
{
    return m_PageList.IsEmpty() ? NULL : (CNewWizPage*)m_PageList.GetHead();
}

CNewWizPage* CNewWizDialog::GetLastPage() const
{
    return m_PageList.IsEmpty() ? NULL : (CNewWizPage*)m_PageList.GetTail();
}

CNewWizPage* CNewWizDialog::GetActivePage() const
{
    for (POSITION pos = m_PageList.GetHeadPosition(); pos != NULL;)
    {
        CNewWizPage* pPage = (CNewWizPage*)m_PageList.GetNext(pos);
        if (pPage->m_bActive)
            return pPage;
    }
    return NULL;
}

CNewWizPage* CNewWizDialog::GetPageByResourceID(UINT nResourceID) const
{
    for (POSITION pos = m_PageList.GetHeadPosition(); pos != NULL;)
    {
        CNewWizPage* pPage = (CNewWizPage*)m_PageList.GetNext(pos);
        if (pPage->m_nDialogID == nResourceID)
            return pPage;
    }
    return NULL;
}

BOOL CNewWizDialog::ActivatePage(CNewWizPage* pPage)
{
    if (!pPage->m_bCreated)
    {
        if (!pPage->Create(pPage->m_nDialogID, this))
            return FALSE;
        pPage->m_bCreated = TRUE;
        pPage->m_pParent = this;
        if (!pPage->OnCreatePage())
            return FALSE;
    }
    if (!DeactivatePage())
        return FALSE;
    CRect rc(0, 0, 0, 0);
    CWnd* pPlaceholder = GetDlgItem(m_nPlaceholderID);
    if (pPlaceholder != NULL)
    {
        pPlaceholder->GetWindowRect(&rc);
        ScreenToClient(&rc);
    }
    pPage->SetWindowPos(NULL, rc.left, rc.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pPage->EnableWindow(TRUE);
    pPage->ShowWindow(SW_SHOW);
    pPage->InvalidateRect(NULL, TRUE);
    pPage->UpdateWindow();
    pPage->OnSetActive();
    pPage->m_bActive = TRUE;
    return TRUE;
}

BOOL CNewWizDialog::DeactivatePage()
{
    CNewWizPage* pPage = GetActivePage();
    if (pPage == NULL)
        return TRUE;
    if (!pPage->OnKillActive())
        return FALSE;
    pPage->ShowWindow(SW_HIDE);
    pPage->m_bActive = FALSE;
    return TRUE;
}

void CNewWizDialog::DestroyPage(CNewWizPage* pPage)
{
    if (!pPage->m_bCreated)
        return;
    if (!pPage->OnKillActive())
        return;
    pPage->OnDestroyPage();
    pPage->DestroyWindow();
    pPage->m_bCreated = FALSE;
}

void CNewWizDialog::EnableButton(UINT nID, BOOL bEnable)
{
    CWnd* pButton = GetDlgItem(nID);
    if (pButton != NULL)
        pButton->EnableWindow(bEnable);
}

void CNewWizDialog::EnableFinish(BOOL bEnable)
{
    EnableButton(ID_WIZ_FINISH, bEnable);
}

void CNewWizDialog::EnableBack(BOOL bEnable)
{
    EnableButton(ID_WIZ_BACK, bEnable);
}

void CNewWizDialog::EnableNext(BOOL bEnable)
{
    EnableButton(ID_WIZ_NEXT, bEnable);
}

void CNewWizDialog::SetTitle(LPCTSTR lpszText)
{
    SetWindowText(lpszText);
}

void CNewWizDialog::SetTitle(UINT nIDText)
{
    CString strText;
    strText.LoadString(nIDText);
    SetWindowText(strText);
}

BOOL CNewWizDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    ShowFirstPage();
    return TRUE;
}

void CNewWizDialog::ShowFirstPage()
{
    if (!DeactivatePage())
        return;
    EnableBack(FALSE);
    const BOOL bSinglePage = m_PageList.GetCount() < 2;
    EnableFinish(bSinglePage);
    EnableNext(!bSinglePage);
    CNewWizPage* pFirst = GetFirstPage();
    if (pFirst != NULL)
        ActivatePage(pFirst);
}

void CNewWizDialog::OnDestroy()
{
    for (POSITION pos = m_PageList.GetHeadPosition(); pos != NULL;)
        DestroyPage((CNewWizPage*)m_PageList.GetNext(pos));
    CDialog::OnDestroy();
}

BOOL CNewWizDialog::FinishAllowed()
{
    CNewWizPage* pActive = GetActivePage();
    if (pActive != NULL && !pActive->OnKillActive())
        return FALSE;
    for (POSITION pos = m_PageList.GetHeadPosition(); pos != NULL;)
    {
        CNewWizPage* pPage = (CNewWizPage*)m_PageList.GetNext(pos);
        if (pPage->m_bCreated && !pPage->OnWizardFinish())
            return FALSE;
    }
    return UpdateData(TRUE);
}

BOOL CNewWizDialog::CancelAllowed()
{
    for (POSITION pos = m_PageList.GetHeadPosition(); pos != NULL;)
    {
        CNewWizPage* pPage = (CNewWizPage*)m_PageList.GetNext(pos);
        if (pPage->m_bCreated && !pPage->OnQueryCancel())
            return FALSE;
    }
    return TRUE;
}

void CNewWizDialog::OnWizardFinish()
{
    if (FinishAllowed())
        EndDialog(ID_WIZ_FINISH);
}

void CNewWizDialog::OnCancel()
{
    if (CancelAllowed())
        CDialog::OnCancel();
}

void CNewWizDialog::OnWizardNext()
{
    CNewWizPage* pActive = GetActivePage();
    if (pActive == NULL)
        return;
    LRESULT lTarget = pActive->OnWizardNext();
    if (lTarget == -1)
        return;
    CNewWizPage* pTarget = NULL;
    if (lTarget == 0)
    {
        POSITION pos = m_PageList.Find(pActive);
        m_PageList.GetNext(pos);
        pTarget = pos != NULL ? (CNewWizPage*)m_PageList.GetAt(pos) : NULL;
    }
    else
        pTarget = GetPageByResourceID((UINT)lTarget);
    if (pTarget == NULL || !ActivatePage(pTarget))
        return;
    if (pTarget == GetLastPage())
    {
        EnableNext(FALSE);
        EnableFinish(TRUE);
    }
    EnableBack(TRUE);
}

void CNewWizDialog::OnWizardBack()
{
    CNewWizPage* pActive = GetActivePage();
    if (pActive == NULL)
        return;
    LRESULT lTarget = pActive->OnWizardBack();
    if (lTarget == -1)
        return;
    CNewWizPage* pTarget = NULL;
    if (lTarget == 0)
    {
        POSITION pos = m_PageList.Find(pActive);
        m_PageList.GetPrev(pos);
        pTarget = pos != NULL ? (CNewWizPage*)m_PageList.GetAt(pos) : NULL;
    }
    else
        pTarget = GetPageByResourceID((UINT)lTarget);
    if (pTarget == NULL || !ActivatePage(pTarget))
        return;
    if (pTarget == GetFirstPage())
    {
        EnableBack(FALSE);
        EnableFinish(FALSE);
    }
    EnableNext(TRUE);
}
