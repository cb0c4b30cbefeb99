// CDialog: dialogs from templates, modal through RunModalLoop, modeless through Create.
#include "Dialog.h"
#include "WinApp.h"
#include "WinThread.h"
#include "AfxState.h"
#include "Font.h"
#include "MessageSink.h"
#include "FrameWnd.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOKCommand)
ON_COMMAND(IDCANCEL, OnCancelCommand)
ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
END_MESSAGE_MAP()

CDialog::CDialog()
    : m_lpszTemplateName(NULL), m_nIDHelp(0), m_lpDialogTemplate(NULL), m_hDialogTemplate(NULL),
      m_pParentWnd(NULL), m_hWndTop(NULL), m_lpDialogInit(NULL)
{
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog()
{
    m_lpszTemplateName = MAKEINTRESOURCE(nIDTemplate);
    m_nIDHelp = nIDTemplate;
    m_pParentWnd = pParentWnd;
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd) : CDialog()
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = LOWORD((UINT_PTR)lpszTemplateName);
    m_pParentWnd = pParentWnd;
}

CDialog::~CDialog()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

// ---- creation

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
        m_nIDHelp = LOWORD((UINT_PTR)lpszTemplateName);
    HINSTANCE hInst = NULL;
    LPCDLGTEMPLATE lpTemplate = AfxLoadDialogTemplate(lpszTemplateName, &hInst);
    if (lpTemplate == NULL)
        return FALSE;
    if (pParentWnd == NULL)
        pParentWnd = m_pParentWnd;
    return CreateRunDlgIndirect(lpTemplate, pParentWnd, hInst);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    m_lpDialogInit = lpDialogInit;
    return CreateRunDlgIndirect(lpDialogTemplate, pParentWnd, AfxGetInstanceHandle());
}

BOOL CDialog::CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    LPCDLGTEMPLATE lpTemplate = (LPCDLGTEMPLATE)::GlobalLock(hDialogTemplate);
    BOOL bResult = CreateIndirect(lpTemplate, pParentWnd);
    ::GlobalUnlock(hDialogTemplate);
    return bResult;
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    return TRUE;
}

BOOL CDialog::CreateRunDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd, hInst);
}

// ---- modal run

HWND CDialog::PreModal()
{
    // The owner is the given parent or the main window, always a top-level window.
    HWND hWnd = m_pParentWnd->GetSafeHwnd();
    if (hWnd == NULL)
    {
        CWnd* pMain = AfxGetMainWnd();
        hWnd = pMain->GetSafeHwnd();
    }
    while (hWnd != NULL && (::GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    return hWnd;
}

void CDialog::PostModal()
{
}

INT_PTR CDialog::DoModal()
{
    LPCDLGTEMPLATE lpTemplate = m_lpDialogTemplate;
    HINSTANCE hInst = AfxGetInstanceHandle();
    if (lpTemplate == NULL && m_hDialogTemplate != NULL)
        lpTemplate = (LPCDLGTEMPLATE)::GlobalLock(m_hDialogTemplate);
    if (lpTemplate == NULL && m_lpszTemplateName != NULL)
        lpTemplate = AfxLoadDialogTemplate(m_lpszTemplateName, &hInst);
    if (lpTemplate == NULL)
        return -1;

    HWND hWndParent = PreModal();
    BOOL bEnableParent = FALSE;
    if (hWndParent != NULL && ::IsWindowEnabled(hWndParent))
    {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }
    m_hWndTop = hWndParent;
    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    CWnd* pParent = CWnd::FromHandle(hWndParent);
    if (CreateRunDlgIndirect(lpTemplate, pParent, hInst))
    {
        if (m_nFlags & WF_CONTINUEMODAL)
        {
            DWORD dwFlags = MLF_SHOWONIDLE;
            if (GetStyle() & DS_NOIDLEMSG)
                dwFlags |= MLF_NOIDLEMSG;
            RunModalLoop(dwFlags);
        }
        if (m_hWnd != NULL)
            ::SetWindowPos(m_hWnd, NULL, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    m_nFlags &= ~WF_CONTINUEMODAL;
    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != NULL && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);
    if (m_hWnd != NULL)
        DestroyWindow();
    if (m_hDialogTemplate != NULL)
        ::GlobalUnlock(m_hDialogTemplate);
    m_hWndTop = NULL;
    PostModal();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    ::EndDialog(m_hWnd, nResult);
}

// ---- focus, initialisation

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (pWndCtrl != NULL && pWndCtrl->m_hWnd != NULL)
        ::SendMessage(m_hWnd, WM_NEXTDLGCTL, (WPARAM)pWndCtrl->m_hWnd, 1L);
}

BOOL CDialog::OnInitDialog()
{
    if (!ExecuteDlgInit(m_lpszTemplateName) || !ExecuteDlgInit(m_lpDialogInit))
        return FALSE;
    if (!UpdateData(FALSE))
        return FALSE; // the data exchange reported its own error
    return TRUE;
}

void CDialog::OnSetFont(CFont*)
{
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    // Tab, arrows, Enter and Escape move focus and press buttons as the dialog manager does.
    return ::IsDialogMessage(m_hWnd, pMsg);
}

BOOL CDialog::CheckAutoCenter()
{
    return (GetStyle() & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) == 0;
}

// Help for the dialog: the help id handed over, else the dialog's own resource context; the
// application (and through it the main frame) turns it into a topic.
LRESULT CDialog::OnCommandHelp(WPARAM, LPARAM lParam)
{
    if (lParam == 0 && m_nIDHelp != 0)
        lParam = HID_BASE_RESOURCE + m_nIDHelp;
    CWinApp* pApp = AfxGetApp();
    if (lParam == 0 || pApp == NULL)
        return FALSE;
    pApp->WinHelp((DWORD_PTR)lParam);
    return TRUE;
}
