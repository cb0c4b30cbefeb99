// CFormView: a dialog template as a view.
#include "FormView.h"
#include "Dialog.h"
#include "FrameWnd.h"

IMPLEMENT_DYNAMIC(CFormView, CScrollView)

BEGIN_MESSAGE_MAP(CFormView, CScrollView)
ON_WM_CREATE()
END_MESSAGE_MAP()

CFormView::CFormView(UINT nIDTemplate)
    : m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_pCreateContext(NULL)
{
}

CFormView::CFormView(LPCTSTR lpszTemplateName) : m_lpszTemplateName(lpszTemplateName), m_pCreateContext(NULL)
{
}

CFormView::~CFormView()
{
}

BOOL CFormView::Create(LPCTSTR, LPCTSTR, DWORD dwRequestedStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                       CCreateContext* pContext)
{
    HINSTANCE hInst = NULL;
    LPCDLGTEMPLATE lpTemplate = AfxLoadDialogTemplate(m_lpszTemplateName, &hInst);
    if (lpTemplate == NULL)
        return FALSE;
    m_pCreateContext = pContext;
    BOOL bCreated = CreateDlgIndirect(lpTemplate, pParentWnd, hInst);
    m_pCreateContext = NULL;
    if (!bCreated)
        return FALSE;

    // The template's own size is the scrollable area.
    CRect rectTemplate;
    GetWindowRect(&rectTemplate);
    SetScrollSizes(MM_TEXT, rectTemplate.Size());

    SetDlgCtrlID(nID);
    ModifyStyle(0, dwRequestedStyle & (WS_BORDER | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | WS_DISABLED));
    SetWindowPos(NULL, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

int CFormView::OnCreate(LPCREATESTRUCT lpcs)
{
    // The dialog manager passes no create parameters: hand the view its context.
    CREATESTRUCT cs = *lpcs;
    cs.lpCreateParams = m_pCreateContext;
    return CScrollView::OnCreate(&cs);
}

void CFormView::OnInitialUpdate()
{
    UpdateData(FALSE);
    CScrollView::OnInitialUpdate();
}

void CFormView::OnDraw(CDC*)
{
} // the controls draw themselves

BOOL CFormView::PreTranslateMessage(MSG* pMsg)
{
    if (CScrollView::PreTranslateMessage(pMsg))
        return TRUE;
    // IsDialogMessage would swallow the frames' accelerators: they go first.
    for (CFrameWnd* pFrame = GetParentFrame(); pFrame != NULL; pFrame = pFrame->GetParentFrame())
        if (pFrame->PreTranslateMessage(pMsg))
            return TRUE;
    // Tab, arrows and mnemonics move among the form's controls as in a dialog.
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST &&
        (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd)))
        return ::IsDialogMessage(m_hWnd, pMsg);
    return FALSE;
}
