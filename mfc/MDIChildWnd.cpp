// CMDIChildWnd: creation inside the MDI client, activation with the menu switch, titles.
#include "MDIChildWnd.h"
#include "MDIFrameWnd.h"
#include "AfxState.h"
#include "Document.h"
#include "MultiDocTemplate.h"
#include "View.h"
#include "WinApp.h"

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
ON_WM_CREATE()
ON_WM_MDIACTIVATE()
ON_WM_SIZE()
ON_WM_CHILDACTIVATE()
END_MESSAGE_MAP()

CMDIChildWnd::CMDIChildWnd() : m_hMenuShared(NULL)
{
}

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style &= ~(DWORD)FWS_SNAPTOBARS;
    BOOL bResult = CFrameWnd::PreCreateWindow(cs);
    // An MDI child carries its edge on the client window, not on itself.
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return bResult;
}

BOOL CMDIChildWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
{
    if (pParentWnd == NULL)
        pParentWnd = (CMDIFrameWnd*)AfxGetMainWnd();
    if (pParentWnd == NULL || pParentWnd->m_hWndMDIClient == NULL)
    {
        PostNcDestroy();
        return FALSE;
    }
    CREATESTRUCT cs = {};
    cs.style = dwStyle | WS_CHILD;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = AfxRectExtent(rect.left, rect.right);
    cs.cy = AfxRectExtent(rect.top, rect.bottom);
    cs.hwndParent = pParentWnd->m_hWnd;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = (LPVOID)pContext;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }
    m_strTitle = lpszWindowName;
    MDICREATESTRUCT mcs;
    mcs.szClass = cs.lpszClass;
    mcs.szTitle = cs.lpszName;
    mcs.hOwner = cs.hInstance;
    mcs.x = cs.x;
    mcs.y = cs.y;
    mcs.cx = cs.cx;
    mcs.cy = cs.cy;
    // The client would otherwise make a hidden child visible at once.
    mcs.style = cs.style & ~(WS_MAXIMIZE | WS_VISIBLE);
    mcs.lParam = (LPARAM)cs.lpCreateParams;
    AfxHookWindowCreate(this);
    HWND hWnd = (HWND)::SendMessage(pParentWnd->m_hWndMDIClient, WM_MDICREATE, 0, (LPARAM)&mcs);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy(); // the hook never fired: the object was not attached
    if (hWnd == NULL)
        return FALSE;
    if (cs.style & WS_VISIBLE)
    {
        ::BringWindowToTop(hWnd);
        ::ShowWindow(hWnd, (cs.style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
        pParentWnd->MDIActivate(this);
    }
    return TRUE;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    CString strFullString, strTitle;
    if (strFullString.LoadString(nIDResource))
        AfxExtractSubString(strTitle, strFullString, 0);
    if (!AfxDeferRegisterClass(AFX_WNDFRAMEORVIEW_REG))
        return FALSE;
    LPCTSTR lpszClass = GetIconWndClass(dwDefaultStyle, nIDResource);
    if (!Create(lpszClass, strTitle, dwDefaultStyle, rectDefault, (CMDIFrameWnd*)pParentWnd, pContext))
        return FALSE;
    // The menu and accelerators are shared by all documents of the template.
    if (pContext != NULL && pContext->m_pNewDocTemplate != NULL &&
        pContext->m_pNewDocTemplate->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate)))
    {
        CMultiDocTemplate* pTemplate = (CMultiDocTemplate*)pContext->m_pNewDocTemplate;
        m_hMenuShared = pTemplate->m_hMenuShared;
        m_hAccelTable = pTemplate->m_hAccelTable;
    }
    if (pContext == NULL)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

int CMDIChildWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    // For a child of the MDI client the creation data is the MDICREATESTRUCT.
    MDICREATESTRUCT* pmcs = (MDICREATESTRUCT*)lpcs->lpCreateParams;
    CCreateContext* pContext = pmcs != NULL ? (CCreateContext*)pmcs->lParam : NULL;
    return OnCreateHelper(lpcs, pContext) ? 0 : -1;
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    HWND hWndMDIClient = ::GetParent(m_hWnd);
    return (CMDIFrameWnd*)CWnd::FromHandlePermanent(::GetParent(hWndMDIClient));
}

LRESULT CMDIChildWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProc(m_hWnd, nMsg, wParam, lParam);
}

void CMDIChildWnd::MDIDestroy()
{
    ::SendMessage(::GetParent(m_hWnd), WM_MDIDESTROY, (WPARAM)m_hWnd, 0);
}
void CMDIChildWnd::MDIActivate()
{
    ::SendMessage(::GetParent(m_hWnd), WM_MDIACTIVATE, (WPARAM)m_hWnd, 0);
}
void CMDIChildWnd::MDIMaximize()
{
    ::SendMessage(::GetParent(m_hWnd), WM_MDIMAXIMIZE, (WPARAM)m_hWnd, 0);
}
void CMDIChildWnd::MDIRestore()
{
    ::SendMessage(::GetParent(m_hWnd), WM_MDIRESTORE, (WPARAM)m_hWnd, 0);
}

// The client must destroy its children itself, or its window list goes stale.
BOOL CMDIChildWnd::DestroyWindow()
{
    if (m_hWnd == NULL)
        return FALSE;
    CMDIFrameWnd* pFrame = GetMDIFrame();
    BOOL bWasActive = pFrame != NULL && pFrame->MDIGetActive() == this;
    MDIDestroy();
    if (bWasActive && pFrame != NULL && pFrame->MDIGetActive() == NULL)
    {
        pFrame->OnUpdateFrameMenu(NULL);
        pFrame->OnUpdateFrameTitle(TRUE);
    }
    return TRUE;
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg)
{
    // Accelerators are translated by the main frame, which asks us for the table.
    return CWnd::PreTranslateMessage(pMsg);
}

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    BOOL bVisibleThen = (GetStyle() & WS_VISIBLE) != 0;
    CMDIFrameWnd* pFrameWnd = GetMDIFrame();
    BOOL bMaximized = FALSE;
    CMDIChildWnd* pActiveFrame = pFrameWnd->MDIGetActive(&bMaximized);
    if (nCmdShow == -1)
    {
        if (!bVisibleThen)
            nCmdShow = bMaximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1)
        ShowWindow(nCmdShow);
    if (pActiveFrame != this)
        pFrameWnd->MDIActivate(this);
    else
    {
        // Already the active one: bring its menu and title up to date anyway.
        OnUpdateFrameMenu(TRUE, this, NULL);
        pFrameWnd->OnUpdateFrameTitle(TRUE);
    }
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd*)
{
    Default();
    if (bActivate)
        m_nIdleFlags &= ~idleMenu;
    // Deactivation with another child coming: that child switches the menu itself.
    if (bActivate || pActivateWnd == NULL)
        OnUpdateFrameMenu(bActivate, pActivateWnd, NULL);
    CView* pView = GetActiveView();
    if (pView != NULL)
        pView->OnActivateView(bActivate, pView, pView);
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame != NULL && (bActivate || pActivateWnd == NULL))
        pFrame->OnUpdateFrameTitle(TRUE);
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL bActivate, CWnd*, HMENU hMenuAlt)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame == NULL)
        return;
    if (hMenuAlt == NULL && bActivate)
    {
        CDocument* pDoc = GetActiveDocument();
        if (pDoc != NULL)
            hMenuAlt = pDoc->GetDefaultMenu();
    }
    if (hMenuAlt == NULL && bActivate)
        hMenuAlt = m_hMenuShared;
    if (!bActivate || hMenuAlt == NULL)
        hMenuAlt = pFrame->m_hMenuDefault;
    ::SendMessage(pFrame->m_hWndMDIClient, WM_MDISETMENU, (WPARAM)hMenuAlt,
                  (LPARAM)pFrame->GetWindowMenuPopup(hMenuAlt));
    // A window popup that was not there before gets no list from WM_MDISETMENU alone.
    ::SendMessage(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
    ::DrawMenuBar(pFrame->m_hWnd);
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame != NULL)
        pFrame->OnUpdateFrameTitle(bAddToTitle);
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CDocument* pDocument = GetActiveDocument();
    if (bAddToTitle && pDocument != NULL)
    {
        CString strOld;
        GetWindowText(strOld);
        SetCaptionIfChanged(NumberedDocumentName(pDocument->GetTitle()));
        // The window menu lists the children by their titles: it takes a new one only when told.
        CString strNew;
        GetWindowText(strNew);
        if (strNew != strOld && pFrame != NULL && pFrame->m_hWndMDIClient != NULL)
            ::SendMessage(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
    }
}

void CMDIChildWnd::OnSize(UINT nType, int cx, int cy)
{
    // DefMDIChildProc must see every size change (it tracks maximised children).
    CFrameWnd::OnSize(nType, cx, cy);
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame != NULL && (nType == SIZE_MAXIMIZED || nType == SIZE_RESTORED))
        pFrame->DelayUpdateFrameTitle();
}

void CMDIChildWnd::OnChildActivate()
{
    Default();
    CView* pView = GetActiveView();
    if (pView != NULL && ::GetFocus() != pView->m_hWnd)
        pView->SetFocus();
}
