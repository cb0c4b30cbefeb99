// CMDIFrameWnd: MDI client creation, routing to the active child, window commands and menus.
#include "MDIFrameWnd.h"
#include "MDIChildWnd.h"
#include "AfxState.h"
#include "Document.h"
#include "DocTemplate.h"
#include "WinApp.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
ON_UPDATE_COMMAND_UI_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, OnUpdateMDIWindowCmd)
ON_COMMAND_EX_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, OnMDIWindowCmd)
ON_COMMAND(ID_WINDOW_NEW, OnWindowNew)
ON_WM_SIZE()
END_MESSAGE_MAP()

void CMDIFrameWnd::OnSize(UINT nType, int, int)
{
    // Not the default: it would size the MDI client to the whole client area first, and the
    // layout would then move it a second time around the bars.
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

CMDIFrameWnd::CMDIFrameWnd() : m_hWndMDIClient(NULL)
{
}

BOOL CMDIFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
    {
        if (!AfxDeferRegisterClass(AFX_WNDMDIFRAME_REG))
            return FALSE;
        cs.lpszClass = _afxWndMDIFrame;
    }
    return CFrameWnd::PreCreateWindow(cs);
}

BOOL CMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext)
{
    if (!CFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    // The frame's own menu is the one shown while no child is active.
    m_hMenuDefault = ::GetMenu(m_hWnd);
    return TRUE;
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*)
{
    CMenu* pMenu = NULL;
    HMENU hMenu = ::GetMenu(m_hWnd);
    if (hMenu != NULL)
    {
        HMENU hWindowMenu = GetWindowMenuPopup(hMenu);
        if (hWindowMenu != NULL)
            pMenu = CMenu::FromHandle(hWindowMenu);
    }
    return CreateClient(lpcs, pMenu);
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu)
{
    CLIENTCREATESTRUCT ccs;
    ccs.hWindowMenu = pWindowMenu->GetSafeHmenu();
    ccs.idFirstChild = AFX_IDM_FIRST_MDICHILD;
    DWORD dwStyle =
        WS_VISIBLE | WS_CHILD | WS_BORDER | WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL | MDIS_ALLCHILDSTYLES;
    DWORD dwExStyle = 0;
    // The client edge moves from the frame to the client window, as the user expects it there.
    if (lpCreateStruct->dwExStyle & WS_EX_CLIENTEDGE)
    {
        dwStyle &= ~WS_BORDER;
        dwExStyle |= WS_EX_CLIENTEDGE;
        ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    }
    m_hWndMDIClient =
        ::CreateWindowEx(dwExStyle, _T("MDICLIENT"), NULL, dwStyle, 0, 0, 0, 0, m_hWnd,
                         (HMENU)(UINT_PTR)AFX_IDW_PANE_FIRST, AfxGetInstanceHandle(), (LPVOID)&ccs);
    if (m_hWndMDIClient == NULL)
        return FALSE;
    ::BringWindowToTop(m_hWndMDIClient);
    return TRUE;
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    if (hMenuBar == NULL)
        return NULL;
    int nItems = ::GetMenuItemCount(hMenuBar);
    for (int iItem = nItems - 1; iItem >= 0; iItem--)
    {
        HMENU hMenuPop = ::GetSubMenu(hMenuBar, iItem);
        if (hMenuPop == NULL)
            continue;
        int nPopItems = ::GetMenuItemCount(hMenuPop);
        for (int iPop = 0; iPop < nPopItems; iPop++)
        {
            UINT nID = ::GetMenuItemID(hMenuPop, iPop);
            if (nID >= AFX_IDM_WINDOW_FIRST && nID <= AFX_IDM_WINDOW_LAST)
                return hMenuPop;
        }
    }
    return NULL;
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProc(m_hWnd, m_hWndMDIClient, nMsg, wParam, lParam);
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    ::SendMessage(m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)pWndActivate->m_hWnd, 0);
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    if (m_hWndMDIClient == NULL)
        return NULL;
    HWND hWnd = (HWND)::SendMessage(m_hWndMDIClient, WM_MDIGETACTIVE, 0, (LPARAM)pbMaximized);
    CMDIChildWnd* pWnd = (CMDIChildWnd*)CWnd::FromHandlePermanent(hWnd);
    // A child that is not ours (or is going away) does not count.
    if (pWnd == NULL || !pWnd->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)))
    {
        if (pbMaximized != NULL)
            *pbMaximized = FALSE;
        return NULL;
    }
    return pWnd;
}

CMenu* CMDIFrameWnd::MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu)
{
    HMENU hOld = (HMENU)::SendMessage(m_hWndMDIClient, WM_MDISETMENU, (WPARAM)pFrameMenu->GetSafeHmenu(),
                                      (LPARAM)pWindowMenu->GetSafeHmenu());
    return CMenu::FromHandle(hOld);
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* pActiveChild = MDIGetActive();
    return pActiveChild != NULL ? (CFrameWnd*)pActiveChild : this;
}

HACCEL CMDIFrameWnd::GetDefaultAccelerator()
{
    CMDIChildWnd* pActiveChild = MDIGetActive();
    if (pActiveChild != NULL)
    {
        HACCEL hAccel = pActiveChild->GetDefaultAccelerator();
        if (hAccel != NULL)
            return hAccel;
    }
    return CFrameWnd::GetDefaultAccelerator();
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_hWndMDIClient != NULL && (pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN) &&
        ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
        return TRUE;
    return CFrameWnd::PreTranslateMessage(pMsg);
}

// The active child (with its view and document) sees every command before this frame does.
BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CMDIChildWnd* pActiveChild = MDIGetActive();
    if (pActiveChild != NULL)
    {
        CPushRoutingFrame push(this);
        if (pActiveChild->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
    }
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // The client's "activate window n" items belong to the default frame procedure.
    UINT nID = LOWORD(wParam);
    if (lParam == 0 && nID >= AFX_IDM_FIRST_MDICHILD)
    {
        DefWindowProc(WM_COMMAND, wParam, lParam);
        return TRUE;
    }
    return CFrameWnd::OnCommand(wParam, lParam);
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CMDIChildWnd* pActiveChild = MDIGetActive();
    CDocument* pDocument = pActiveChild != NULL ? pActiveChild->GetActiveDocument() : NULL;
    // A maximised child shows its own title in the frame's caption already.
    if (bAddToTitle && pActiveChild != NULL && (pActiveChild->GetStyle() & WS_MAXIMIZE) == 0 &&
        pDocument != NULL)
    {
        m_nWindow = pActiveChild->m_nWindow;
        UpdateFrameTitleForDocument(pDocument->GetTitle());
        m_nWindow = 0;
    }
    else
        UpdateFrameTitleForDocument(NULL);
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CMDIChildWnd* pActiveChild = MDIGetActive();
    if (pActiveChild != NULL)
        pActiveChild->OnUpdateFrameMenu(TRUE, pActiveChild, hMenuAlt);
    else
    {
        if (hMenuAlt == NULL)
            hMenuAlt = m_hMenuDefault;
        ::SendMessage(m_hWndMDIClient, WM_MDISETMENU, (WPARAM)hMenuAlt, (LPARAM)GetWindowMenuPopup(hMenuAlt));
        ::DrawMenuBar(m_hWnd);
    }
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(MDIGetActive() != NULL);
}

// One table from command to client message for the arrange commands.
BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID)
{
    static const struct
    {
        UINT nID;
        UINT nMsg;
        WPARAM wParam;
    } commands[] = {
        {ID_WINDOW_ARRANGE, WM_MDIICONARRANGE, 0},
        {ID_WINDOW_CASCADE, WM_MDICASCADE, 0},
        {ID_WINDOW_TILE_HORZ, WM_MDITILE, MDITILE_HORIZONTAL},
        {ID_WINDOW_TILE_VERT, WM_MDITILE, MDITILE_VERTICAL},
    };
    for (const auto& c : commands)
    {
        if (c.nID == nID)
        {
            ::SendMessage(m_hWndMDIClient, c.nMsg, c.wParam, 0);
            return TRUE;
        }
    }
    return FALSE;
}

void CMDIFrameWnd::OnWindowNew()
{
    CMDIChildWnd* pActiveChild = MDIGetActive();
    CDocument* pDocument = pActiveChild != NULL ? pActiveChild->GetActiveDocument() : NULL;
    if (pDocument == NULL || pDocument->GetDocTemplate() == NULL)
        return;
    CDocTemplate* pTemplate = pDocument->GetDocTemplate();
    CFrameWnd* pFrame = pTemplate->CreateNewFrame(pDocument, pActiveChild);
    if (pFrame == NULL)
        return;
    pTemplate->InitialUpdateFrame(pFrame, pDocument);
}
