// CPropertySheet: pages are handed to the system as PROPSHEETPAGE copies; the sheet window is
// attached to this object through the creation hook. Modal sheets are modeless system sheets
// under RunModalLoop: the system reports the end by having no current page any more.
#include "PropertySheet.h"
#include "WinApp.h"
#include "FrameWnd.h"

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
END_MESSAGE_MAP()

CPropertySheet::CPropertySheet()
    : m_psh(), m_pParentWnd(NULL), m_bStacked(TRUE), m_bModeless(FALSE), m_nLastButton(IDCANCEL)
{
    Construct(NULL);
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage) : CPropertySheet()
{
    m_strCaption.LoadString(nIDCaption);
    Construct(m_strCaption, pParentWnd, iSelectPage);
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage) : CPropertySheet()
{
    Construct(pszCaption, pParentWnd, iSelectPage);
}

CPropertySheet::~CPropertySheet()
{
    delete[](PROPSHEETPAGE*) m_psh.ppsp;
    if (m_hWnd != NULL)
        DestroyWindow();
}

void CPropertySheet::Construct(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    if (pszCaption != m_strCaption.GetString())
        m_strCaption = pszCaption != NULL ? pszCaption : "";
    DWORD dwWizard = m_psh.dwFlags & PSH_WIZARD;
    delete[](PROPSHEETPAGE*) m_psh.ppsp;
    memset(&m_psh, 0, sizeof(m_psh));
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK | dwWizard;
    m_psh.pfnCallback = &CPropertySheet::SheetCallback;
    m_psh.nStartPage = iSelectPage;
    m_pParentWnd = pParentWnd;
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    m_pages.Add(pPage);
    if (m_hWnd != NULL)
        ::SendMessage(m_hWnd, PSM_ADDPAGE, 0, (LPARAM)::CreatePropertySheetPage(&pPage->m_psp));
}

void CPropertySheet::RemovePage(CPropertyPage* pPage)
{
    int nPage = GetPageIndex(pPage);
    if (nPage >= 0)
        RemovePage(nPage);
}

void CPropertySheet::RemovePage(int nPage)
{
    if (m_hWnd != NULL)
        ::SendMessage(m_hWnd, PSM_REMOVEPAGE, nPage, 0);
    m_pages.RemoveAt(nPage);
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const
{
    for (int i = 0; i < GetPageCount(); i++)
        if (GetPage(i) == pPage)
            return i;
    return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    if (m_hWnd == NULL)
        return GetPage(m_psh.nStartPage);
    HWND hPage = (HWND)::SendMessage(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0);
    for (int i = 0; i < GetPageCount(); i++)
        if (GetPage(i)->m_hWnd == hPage && hPage != NULL)
            return GetPage(i);
    return NULL;
}

int CPropertySheet::GetActiveIndex() const
{
    return GetPageIndex(GetActivePage());
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (m_hWnd == NULL)
    {
        m_psh.nStartPage = nPage;
        return TRUE;
    }
    return (BOOL)::SendMessage(m_hWnd, PSM_SETCURSEL, nPage, 0);
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage)
{
    int nPage = GetPageIndex(pPage);
    return nPage >= 0 && SetActivePage(nPage);
}

void CPropertySheet::SetTitle(LPCTSTR lpszText, UINT nStyle)
{
    m_strCaption = lpszText;
    m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (nStyle & PSH_PROPTITLE);
    if (m_hWnd != NULL)
        ::SendMessage(m_hWnd, PSM_SETTITLE, nStyle, (LPARAM)lpszText);
}

void CPropertySheet::BuildPropPageArray()
{
    delete[](PROPSHEETPAGE*) m_psh.ppsp;
    PROPSHEETPAGE* ppsp = new PROPSHEETPAGE[GetPageCount()];
    for (int i = 0; i < GetPageCount(); i++)
        ppsp[i] = GetPage(i)->m_psp;
    m_psh.ppsp = ppsp;
    m_psh.nPages = (UINT)GetPageCount();
    m_psh.pszCaption = m_strCaption;
    m_psh.hInstance = AfxGetResourceHandle();
}

// PSCB_INITIALIZED comes once the sheet window and its first page exist.
int CALLBACK CPropertySheet::SheetCallback(HWND hWnd, UINT message, LPARAM)
{
    if (message == PSCB_INITIALIZED)
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CPropertySheet)))
            AfxCallFromWin32(FALSE, [pWnd] {
                return AfxInitAndCenter(
                    pWnd, [](CWnd* pSheet) { return ((CPropertySheet*)pSheet)->OnInitDialog(); });
            });
    }
    return 0;
}

BOOL CPropertySheet::OnInitDialog()
{
    return TRUE;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle)
{
    (void)dwStyle;
    (void)dwExStyle;
    if (!AfxDeferRegisterClass(AFX_WNDCOMMCTLS_REG))
        return FALSE;
    if (pParentWnd != NULL)
        m_pParentWnd = pParentWnd;
    BuildPropPageArray();
    m_psh.dwFlags |= PSH_MODELESS;
    m_psh.hwndParent = m_pParentWnd->GetSafeHwnd();
    m_bModeless = TRUE;
    AfxHookWindowCreate(this);
    HWND hWnd = (HWND)::PropertySheet(&m_psh);
    AfxUnhookWindowCreate();
    m_psh.dwFlags &= ~PSH_MODELESS;
    if (hWnd == NULL || hWnd == (HWND)-1 || m_hWnd != hWnd)
    {
        if (hWnd != NULL && hWnd != (HWND)-1)
            ::DestroyWindow(hWnd);
        return FALSE;
    }
    return TRUE;
}

INT_PTR CPropertySheet::DoModal()
{
    CWnd* pParent = m_pParentWnd != NULL ? m_pParentWnd : AfxGetMainWnd();
    HWND hWndParent = pParent->GetSafeHwnd();
    while (hWndParent != NULL && (::GetWindowLong(hWndParent, GWL_STYLE) & WS_CHILD))
        hWndParent = ::GetParent(hWndParent);
    BOOL bEnableParent = hWndParent != NULL && ::IsWindowEnabled(hWndParent);
    m_nLastButton = IDCANCEL;
    // The parent is disabled before the pages are made, so a page's first activation may enable
    // it again (as the toolbar customisation does).
    if (bEnableParent)
        ::EnableWindow(hWndParent, FALSE);
    if (!Create(CWnd::FromHandle(hWndParent)))
    {
        if (bEnableParent)
            ::EnableWindow(hWndParent, TRUE);
        return -1;
    }
    m_bModeless = FALSE;
    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    RunModalLoop(MLF_SHOWONIDLE);
    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != NULL && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);
    int nResult = m_nModalResult >= 0 ? m_nModalResult : m_nLastButton;
    DestroyWindow();
    return nResult;
}

void CPropertySheet::EndDialog(int nEndID)
{
    m_nLastButton = nEndID;
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nEndID);
    else if (m_hWnd != NULL)
        ::PostMessage(m_hWnd, PSM_PRESSBUTTON, nEndID == IDOK ? PSBTN_OK : PSBTN_CANCEL, 0);
}

// The system ends a modeless sheet by dropping its current page; the button that did it was
// recorded by OnCommand.
BOOL CPropertySheet::ContinueModal()
{
    if (!CWnd::ContinueModal())
        return FALSE;
    if (m_hWnd != NULL && ::SendMessage(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) == 0)
    {
        m_nModalResult = m_nLastButton;
        return FALSE;
    }
    return TRUE;
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED && (nID == IDOK || nID == IDCANCEL || nID == ID_WIZFINISH))
        m_nLastButton = nID;
    return CWnd::OnCommand(wParam, lParam);
}

// PSM_PRESSBUTTON acts inside the system's sheet without a WM_COMMAND: note the button here.
LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == PSM_PRESSBUTTON)
    {
        if (wParam == PSBTN_OK)
            m_nLastButton = IDOK;
        else if (wParam == PSBTN_FINISH)
            m_nLastButton = ID_WIZFINISH;
        else if (wParam == PSBTN_CANCEL)
            m_nLastButton = IDCANCEL;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    return (BOOL)::SendMessage(m_hWnd, PSM_ISDIALOGMESSAGE, 0, (LPARAM)pMsg);
}

// Help for the sheet: the help id handed over, else that of the page shown.
LRESULT CPropertySheet::OnCommandHelp(WPARAM wParam, LPARAM lParam)
{
    if (lParam == 0)
    {
        CPropertyPage* pPage = m_hWnd != NULL ? GetActivePage() : NULL;
        if (pPage != NULL && pPage->m_hWnd != NULL)
            return pPage->SendMessage(WM_COMMANDHELP, wParam, 0);
        return FALSE;
    }
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return FALSE;
    pApp->WinHelp((DWORD_PTR)lParam);
    return TRUE;
}
