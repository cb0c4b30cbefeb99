// Frame windows: creation from a resource id, bar layout, routing, titles, messages, closing.
#include "FrameWnd.h"
#include "MiniFrameWnd.h"
#include "OleFrameHook.h"
#include "AfxState.h"
#include "Document.h"
#include "View.h"
#include "WinApp.h"
#include <commctrl.h>
#include <shellapi.h>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

// Live frames of the program, newest first (the idle loop updates each of them).
static CFrameWnd* afxFirstFrame = NULL;

CFrameWnd* PASCAL CFrameWnd::GetFirstFrame()
{
    return afxFirstFrame;
}

CPushRoutingFrame::CPushRoutingFrame(CFrameWnd* pNewFrame)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    m_pOldFrame = pState->m_pRoutingFrame;
    pState->m_pRoutingFrame = pNewFrame;
}

CPushRoutingFrame::~CPushRoutingFrame()
{
    AfxGetThreadState()->m_pRoutingFrame = m_pOldFrame;
}

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_CLOSE()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_SETFOCUS()
ON_WM_ACTIVATE()
ON_WM_ENABLE()
ON_WM_NCACTIVATE()
ON_WM_INITMENUPOPUP()
ON_WM_MENUSELECT()
ON_WM_ENTERIDLE()
ON_WM_DROPFILES()
ON_WM_QUERYENDSESSION()
ON_WM_ENDSESSION()
ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
ON_MESSAGE(WM_POPMESSAGESTRING, OnPopMessageString)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
ON_COMMAND(ID_CONTEXT_HELP, OnContextHelp)
ON_MESSAGE(WM_EXITHELPMODE, OnExitHelpMode)
ON_WM_SETCURSOR()
ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
ON_COMMAND_EX(ID_VIEW_TOOLBAR, OnBarCheck)
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd()
    : m_hMenuDefault(NULL), m_hAccelTable(NULL), m_dwPromptContext(0), m_bHelpMode(FALSE),
      m_pNextFrameWnd(NULL), m_rectBorder(0, 0, 0, 0), m_pNotifyHook(NULL), m_nShowDelay(-1), m_nIDHelp(0),
      m_nIDTracking(0), m_nIDLastMessage(0), m_pViewActive(NULL), m_lpfnCloseProc(NULL), m_cModalStack(0),
      m_phWndDisable(NULL), m_hMenuAlt(NULL), m_bInRecalcLayout(FALSE), m_pFloatingFrameClass(NULL),
      m_nIdleFlags(0), m_nWindow(-1), m_bAutoMenuEnable(TRUE), m_bFrameClosing(FALSE)
{
    m_pNextFrameWnd = afxFirstFrame;
    afxFirstFrame = this;
}

CFrameWnd::~CFrameWnd()
{
    for (CFrameWnd** pp = &afxFirstFrame; *pp != NULL; pp = &(*pp)->m_pNextFrameWnd)
    {
        if (*pp == this)
        {
            *pp = m_pNextFrameWnd;
            break;
        }
    }
    if (m_phWndDisable != NULL)
        delete[] m_phWndDisable;
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
    {
        if (!AfxDeferRegisterClass(AFX_WNDFRAMEORVIEW_REG))
            return FALSE;
        cs.lpszClass = _afxWndFrameOrView;
    }
    if (cs.style & FWS_ADDTOTITLE)
        cs.style |= FWS_PREFIXTITLE;
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = NULL;
    if (lpszMenuName != NULL)
    {
        HINSTANCE hInst = AfxFindResourceHandle(lpszMenuName, RT_MENU);
        if ((hMenu = ::LoadMenu(hInst, lpszMenuName)) == NULL)
        {
            PostNcDestroy();
            return FALSE;
        }
    }
    m_strTitle = lpszWindowName;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                  AfxRectExtent(rect.left, rect.right), AfxRectExtent(rect.top, rect.bottom),
                  pParentWnd->GetSafeHwnd(), hMenu, (LPVOID)pContext))
    {
        if (hMenu != NULL)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

LPCTSTR CFrameWnd::GetIconWndClass(DWORD dwDefaultStyle, UINT nIDResource)
{
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nIDResource), RT_GROUP_ICON);
    HICON hIcon = ::LoadIcon(hInst, MAKEINTRESOURCE(nIDResource));
    if (hIcon == NULL)
        return NULL;
    CREATESTRUCT cs = {};
    cs.style = dwDefaultStyle;
    PreCreateWindow(cs);
    WNDCLASS wndcls;
    if (cs.lpszClass != NULL && ::GetClassInfo(AfxGetInstanceHandle(), cs.lpszClass, &wndcls) &&
        wndcls.hIcon != hIcon)
        return AfxRegisterWndClass(wndcls.style, wndcls.hCursor, wndcls.hbrBackground, hIcon);
    return NULL;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    if (!BeginLoadFrame(nIDResource))
        return FALSE;
    // A resource id without a menu gives a frame without one.
    LPCTSTR lpszMenuName = MAKEINTRESOURCE(nIDResource);
    if (::FindResource(AfxFindResourceHandle(lpszMenuName, RT_MENU), lpszMenuName, RT_MENU) == NULL)
        lpszMenuName = NULL;
    if (!CreateLoadedFrame(nIDResource, dwDefaultStyle, pParentWnd, lpszMenuName, pContext))
        return FALSE;
    EndLoadFrame(pContext);
    return TRUE;
}

BOOL CFrameWnd::BeginLoadFrame(UINT nIDResource)
{
    m_nIDHelp = nIDResource;
    CString strFullString;
    if (strFullString.LoadString(nIDResource))
        AfxExtractSubString(m_strTitle, strFullString, 0);
    return AfxDeferRegisterClass(AFX_WNDFRAMEORVIEW_REG);
}

BOOL CFrameWnd::CreateLoadedFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                  LPCTSTR lpszMenuName, CCreateContext* pContext)
{
    LPCTSTR lpszClass = GetIconWndClass(dwDefaultStyle, nIDResource);
    const CString strTitle = m_strTitle;
    if (!Create(lpszClass, strTitle, dwDefaultStyle, rectDefault, pParentWnd, lpszMenuName, 0L, pContext))
        return FALSE; // this object is gone (PostNcDestroy)
    m_hMenuDefault = ::GetMenu(m_hWnd);
    if (m_hAccelTable == NULL)
        m_hAccelTable =
            ::LoadAccelerators(AfxFindResourceHandle(MAKEINTRESOURCE(nIDResource), RT_ACCELERATOR),
                               MAKEINTRESOURCE(nIDResource));
    return TRUE;
}

void CFrameWnd::EndLoadFrame(CCreateContext* pContext)
{
    if (pContext == NULL)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    return OnCreateHelper(lpcs, (CCreateContext*)lpcs->lpCreateParams) ? 0 : -1;
}

BOOL CFrameWnd::OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return FALSE;
    if (!OnCreateClient(lpcs, pContext))
        return FALSE;
    PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    RecalcLayout();
    return TRUE;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext != NULL && pContext->m_pNewViewClass != NULL)
    {
        if (CreateView(pContext, AFX_IDW_PANE_FIRST) == NULL)
            return FALSE;
    }
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CWnd* pView = (CWnd*)pContext->m_pNewViewClass->CreateObject();
    if (pView == NULL)
        return NULL;
    if (!pView->Create(NULL, NULL, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID, pContext))
        return NULL; // the view deleted itself
    if (pView->GetExStyle() & WS_EX_CLIENTEDGE)
        ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    return pView;
}

void CFrameWnd::OnDestroy()
{
    if (m_hMenuDefault != NULL && ::GetMenu(m_hWnd) != m_hMenuDefault)
    {
        // The default menu is not the window's now: it would not die with the window.
        ::SetMenu(m_hWnd, m_hMenuDefault);
    }
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && pApp->m_pMainWnd == this)
        ::WinHelp(m_hWnd, NULL, HELP_QUIT, 0); // the help window goes with the application
    CWnd::OnDestroy();
}

// ---- the close sequence

void CFrameWnd::OnClose()
{
    if (m_lpfnCloseProc != NULL && !(*m_lpfnCloseProc)(this))
        return;
    CDocument* pDocument = GetActiveDocument();
    if (pDocument != NULL && !pDocument->CanCloseFrame(this))
        return;
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && pApp->m_pMainWnd == this)
    {
        // Closing the main window closes the application: save everything first.
        if (pDocument == NULL && !pApp->SaveAllModified())
            return;
        pApp->HideApplication();
        pApp->CloseAllDocuments(FALSE);
        if (pApp->m_pMainWnd == NULL)
        {
            ::PostQuitMessage(0); // closing the documents destroyed the main window
            return;
        }
    }
    if (pDocument != NULL && pDocument->m_bAutoDelete)
    {
        BOOL bOtherFrame = FALSE;
        POSITION pos = pDocument->GetFirstViewPosition();
        while (pos != NULL)
        {
            CView* pView = pDocument->GetNextView(pos);
            if (pView->GetParentFrame() != this)
            {
                bOtherFrame = TRUE;
                break;
            }
        }
        if (!bOtherFrame)
        {
            pDocument->OnCloseDocument(); // destroys this frame
            return;
        }
        pDocument->PreCloseFrame(this);
    }
    m_bFrameClosing = TRUE;
    DestroyWindow();
}

BOOL CFrameWnd::OnQueryEndSession()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && pApp->m_pMainWnd == this)
        return pApp->SaveAllModified();
    return TRUE;
}

void CFrameWnd::OnEndSession(BOOL bEnding)
{
    if (!bEnding)
        return;
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && pApp->m_pMainWnd == this)
    {
        AfxGetApp()->CloseAllDocuments(TRUE);
        pApp->ExitInstance();
    }
}

// ---- views and documents

CDocument* CFrameWnd::GetActiveDocument()
{
    CView* pView = GetActiveView();
    return pView != NULL ? pView->GetDocument() : NULL;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    m_pViewActive = NULL; // no active view while switching
    if (bNotify && pViewOld != NULL)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    m_pViewActive = pViewNew;
    if (bNotify && pViewNew != NULL)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    CView* pView = NULL;
    if (GetActiveView() == NULL)
    {
        CWnd* pWnd = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
        if (pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CView)))
        {
            pView = (CView*)pWnd;
            SetActiveView(pView, FALSE);
        }
    }
    if (bMakeVisible)
    {
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
        if (pView != NULL)
            pView->OnActivateFrame(WA_INACTIVE, this);
        int nCmdShow = -1;
        CWinApp* pApp = AfxGetApp();
        if (pApp != NULL && pApp->m_pMainWnd == this)
        {
            nCmdShow = pApp->m_nCmdShow;
            pApp->m_nCmdShow = -1;
        }
        ActivateFrame(nCmdShow);
        if (pView != NULL)
            pView->OnActivateView(TRUE, pView, pView);
    }
    if (pDoc != NULL)
        pDoc->UpdateFrameCounts();
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::BringToTop(int nCmdShow)
{
    if (nCmdShow != SW_HIDE && nCmdShow != SW_MINIMIZE && nCmdShow != SW_SHOWMINNOACTIVE &&
        nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE)
    {
        HWND hWndLastPop = ::GetLastActivePopup(m_hWnd);
        ::BringWindowToTop(hWndLastPop);
    }
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
    {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    BringToTop(nCmdShow);
    if (nCmdShow != -1)
    {
        ShowWindow(nCmdShow);
        BringToTop(nCmdShow);
    }
}

// ---- titles and menus

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CDocument* pDocument = GetActiveDocument();
    if (bAddToTitle && pDocument != NULL)
        UpdateFrameTitleForDocument(pDocument->GetTitle());
    else
        UpdateFrameTitleForDocument(NULL);
}

CString CFrameWnd::NumberedDocumentName(LPCTSTR lpszDocName) const
{
    CString strText = lpszDocName;
    if (m_nWindow > 0)
    {
        CString strNum;
        strNum.Format(_T(":%d"), m_nWindow);
        strText += strNum;
    }
    return strText;
}

void CFrameWnd::SetCaptionIfChanged(const CString& strText)
{
    CString strOld;
    GetWindowText(strOld);
    if (strOld != strText)
        SetWindowText(strText);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCTSTR lpszDocName)
{
    CString strText;
    if (GetStyle() & FWS_PREFIXTITLE)
    {
        if (lpszDocName != NULL)
            strText = NumberedDocumentName(lpszDocName) + _T(" - ");
        strText += m_strTitle;
    }
    else
    {
        strText = m_strTitle;
        if (lpszDocName != NULL)
            strText += _T(" - ") + NumberedDocumentName(lpszDocName);
    }
    SetCaptionIfChanged(strText);
}

void CFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    if (hMenuAlt == NULL)
    {
        CDocument* pDoc = GetActiveDocument();
        if (pDoc != NULL)
            hMenuAlt = pDoc->GetDefaultMenu();
        if (hMenuAlt == NULL)
            hMenuAlt = m_hMenuDefault;
    }
    ::SetMenu(m_hWnd, hMenuAlt);
}

HACCEL CFrameWnd::GetDefaultAccelerator()
{
    HACCEL hAccelTable = m_hAccelTable;
    CDocument* pDoc = GetActiveDocument();
    if (pDoc != NULL)
    {
        HACCEL hAccelDoc = pDoc->GetDefaultAccelerator();
        if (hAccelDoc != NULL)
            hAccelTable = hAccelDoc;
    }
    return hAccelTable;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (m_pNotifyHook != NULL && m_pNotifyHook->OnPreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    {
        HACCEL hAccel = GetDefaultAccelerator();
        return hAccel != NULL && ::TranslateAccelerator(m_hWnd, hAccel, pMsg);
    }
    return FALSE;
}

// Command-state update of a menu that is about to drop down.
void CFrameWnd::OnInitMenuPopup(CMenu* pMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu)
        return;
    UpdateFrameMenuItems(pMenu);
}

void CFrameWnd::UpdateFrameMenuItems(CMenu* pMenu)
{
    CCmdUI state;
    state.m_pMenu = pMenu;
    state.m_nIndexMax = pMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        state.m_nID = pMenu->GetMenuItemID((int)state.m_nIndex);
        if (state.m_nID == 0)
            continue; // separator
        if (state.m_nID == (UINT)-1)
        {
            // A pop-up: take the state of its first item's command.
            state.m_pSubMenu = pMenu->GetSubMenu((int)state.m_nIndex);
            if (state.m_pSubMenu == NULL || (state.m_nID = state.m_pSubMenu->GetMenuItemID(0)) == 0 ||
                state.m_nID == (UINT)-1)
                continue;
            state.DoUpdate(this, FALSE);
        }
        else
        {
            state.m_pSubMenu = NULL;
            state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
        }
        UINT nCount = pMenu->GetMenuItemCount();
        if (nCount < state.m_nIndexMax)
        {
            // An update handler removed items.
            state.m_nIndex -= (state.m_nIndexMax - nCount);
            while (state.m_nIndex < nCount && pMenu->GetMenuItemID((int)state.m_nIndex) == state.m_nID)
                state.m_nIndex++;
        }
        state.m_nIndexMax = nCount;
    }
}

// ---- message strings

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    CString str;
    if (str.LoadString(nID))
        AfxExtractSubString(rMessage, str, 0); // the prompt before the tool-tip text
    else
        rMessage.Empty();
}

CWnd* CFrameWnd::GetMessageBar()
{
    return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    UINT nIDLast = m_nIDLastMessage;
    m_nIDLastMessage = (UINT)wParam;
    m_nIDTracking = (UINT)wParam;
    CWnd* pMessageBar = GetMessageBar();
    if (pMessageBar != NULL)
    {
        LPCTSTR lpsz = NULL;
        CString strMessage;
        if (lParam != 0)
            lpsz = (LPCTSTR)lParam;
        else if (wParam != 0)
        {
            GetMessageString((UINT)wParam, strMessage);
            lpsz = strMessage;
        }
        pMessageBar->SetWindowText(lpsz);
    }
    return nIDLast;
}

LRESULT CFrameWnd::OnPopMessageString(WPARAM wParam, LPARAM lParam)
{
    if (m_nFlags & WF_NOPOPMSG)
        return 0;
    return SendMessage(WM_SETMESSAGESTRING, wParam, lParam);
}

void CFrameWnd::SetMessageText(LPCTSTR lpszText)
{
    SendMessage(WM_SETMESSAGESTRING, 0, (LPARAM)lpszText);
}
void CFrameWnd::SetMessageText(UINT nID)
{
    SendMessage(WM_SETMESSAGESTRING, (WPARAM)nID);
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    // The status line follows the highlighted menu command.
    if (nFlags == 0xFFFF && hSysMenu == NULL)
        m_nIDTracking = AFX_IDS_IDLEMESSAGE;
    else if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP)))
        m_nIDTracking = 0;
    else if (nItemID >= 0xF000 && nItemID < 0xF1F0)
        m_nIDTracking = ID_COMMAND_FROM_SC(nItemID);
    else if (nItemID >= AFX_IDM_FIRST_MDICHILD)
        m_nIDTracking = AFX_IDS_MDICHILD;
    else
        m_nIDTracking = nItemID;
    if (m_nIDTracking != m_nIDLastMessage)
        SendMessage(WM_SETMESSAGESTRING, (WPARAM)m_nIDTracking);
}

void CFrameWnd::OnEnterIdle(UINT nWhy, CWnd* pWho)
{
    CWnd::OnEnterIdle(nWhy, pWho);
    if (nWhy != MSGF_MENU || m_nIDTracking == m_nIDLastMessage)
        return;
    SetMessageText(m_nIDTracking);
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    if (m_nIdleFlags & idleMenu)
    {
        m_nIdleFlags &= ~idleMenu;
        OnUpdateFrameMenu(m_hMenuAlt);
    }
    if (m_nIdleFlags & idleTitle)
        OnUpdateFrameTitle(TRUE);
    if (m_nIdleFlags & idleLayout)
    {
        RecalcLayout(m_nIdleFlags & idleNotify);
        UpdateWindow();
    }
    if (m_nIDTracking != m_nIDLastMessage)
        SetMessageText(m_nIDTracking);
    m_nIdleFlags = 0;
    return 0;
}

// ---- layout

void CFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    // Laid out now: a postponed layout is no longer due (its notify request is kept).
    if (m_nIdleFlags & idleNotify)
        bNotify = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    if (GetStyle() & FWS_SNAPTOBARS)
    {
        CRect rect(0, 0, 32767, 32767);
        // The frame takes the size its bars need, and they are placed in it.
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &rect, &rect, FALSE);
        rect.OffsetRect(-rect.TopLeft());
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder, &rect, TRUE);
        CalcWindowRect(&rect);
        SetWindowPos(NULL, 0, 0, rect.Width(), rect.Height(), SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOZORDER);
    }
    else
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder);
    if (bNotify && m_pNotifyHook != NULL)
        m_pNotifyHook->OnRecalcLayout();
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    CWnd::CalcWindowRect(lpClientRect, nAdjustType);
}

BOOL CFrameWnd::NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder)
{
    CRect border, request;
    switch (nBorderCmd)
    {
    case 1: // borderGet
    {
        CRect rect;
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &rect);
        *lpRectBorder = rect;
        break;
    }
    case 2: // borderRequest
        return TRUE;
    case 3: // borderSet
        if (lpRectBorder == NULL)
        {
            if (!m_rectBorder.IsRectNull())
            {
                m_rectBorder.SetRectEmpty();
                return TRUE;
            }
            return FALSE;
        }
        if (!::EqualRect(m_rectBorder, lpRectBorder))
        {
            m_rectBorder = *lpRectBorder;
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
    return TRUE;
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

BOOL CFrameWnd::OnEraseBkgnd(CDC* pDC)
{
    // A view covers the client area: erasing under it only flickers.
    if (m_pViewActive != NULL)
        return TRUE;
    return CWnd::OnEraseBkgnd(pDC);
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive != NULL)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    ActivateFrameState(nState, pWndOther);
    CFrameWnd* pActiveFrame = GetActiveFrame();
    CView* pActiveView = pActiveFrame != NULL ? pActiveFrame->GetActiveView() : NULL;
    if (pActiveView != NULL)
    {
        if (nState != WA_INACTIVE && !bMinimized)
            pActiveView->OnActivateView(TRUE, pActiveView, pActiveView);
        pActiveView->OnActivateFrame(nState, this);
    }
}

void CFrameWnd::ActivateFrameState(UINT nState, CWnd* pWndOther)
{
    // The frame stays drawn active while one of its floating frames is the active window.
    CFrameWnd* pTopLevel = (GetStyle() & WS_CHILD) ? this : GetTopLevelFrame();
    CWnd* pActive = nState == WA_INACTIVE ? pWndOther : this;
    BOOL bStayActive = FALSE;
    if (pTopLevel != NULL && pActive != NULL)
        bStayActive = pActive == pTopLevel || (pActive->GetTopLevelFrame() == pTopLevel &&
                                               pActive->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE) != 0);
    if (pTopLevel != NULL)
    {
        pTopLevel->m_nFlags &= ~WF_STAYACTIVE;
        if (bStayActive)
            pTopLevel->m_nFlags |= WF_STAYACTIVE;
    }
    NotifyFloatingWindows(bStayActive ? FS_ACTIVATE : FS_DEACTIVATE);
    if (m_pNotifyHook != NULL)
        m_pNotifyHook->OnActivate(nState != WA_INACTIVE);
}

BOOL CFrameWnd::OnNcActivate(BOOL bActive)
{
    if (m_nFlags & WF_STAYACTIVE)
        bActive = TRUE;
    if (!IsWindowEnabled())
        bActive = FALSE;
    return (BOOL)DefWindowProc(WM_NCACTIVATE, bActive, 0L);
}

// Dropped files open as documents; the frame comes to the front first.
void CFrameWnd::OnDropFiles(HDROP hDropInfo)
{
    SetActiveWindow();
    CWinApp* pApp = AfxGetApp();
    UINT nFiles = ::DragQueryFile(hDropInfo, (UINT)-1, NULL, 0);
    for (UINT iFile = 0; iFile < nFiles; iFile++)
    {
        TCHAR szFileName[MAX_PATH];
        ::DragQueryFile(hDropInfo, iFile, szFileName, MAX_PATH);
        if (pApp != NULL)
            pApp->OpenDocumentFile(szFileName);
    }
    ::DragFinish(hDropInfo);
}

// ---- command routing: active view (which passes on to its document and template), this frame,
// the application.

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CPushRoutingFrame push(this);
    CView* pView = GetActiveView();
    if (pView != NULL && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return FALSE;
}

BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    HWND hWndCtrl = (HWND)lParam;
    UINT nID = LOWORD(wParam);
    CFrameWnd* pFrameWnd = GetTopLevelFrame();
    if (pFrameWnd != NULL && pFrameWnd->m_bHelpMode)
    {
        // In help mode a command asks for help instead of running.
        if (hWndCtrl == NULL && nID != ID_HELP && nID != ID_DEFAULT_HELP && nID != ID_CONTEXT_HELP)
        {
            if (!SendMessage(WM_COMMANDHELP, 0, HID_BASE_COMMAND + nID))
                SendMessage(WM_COMMAND, ID_DEFAULT_HELP);
            pFrameWnd->ExitHelpMode(); // one answer per help mode
            return TRUE;
        }
    }
    return CWnd::OnCommand(wParam, lParam);
}

LRESULT CFrameWnd::OnCommandHelp(WPARAM, LPARAM lParam)
{
    if (lParam == 0)
    {
        if (IsTracking())
            lParam = HID_BASE_COMMAND + m_nIDTracking;
        else
            lParam = HID_BASE_RESOURCE + m_nIDHelp;
    }
    if (lParam != 0)
    {
        CWinApp* pApp = AfxGetApp();
        if (pApp != NULL)
            pApp->WinHelp((DWORD_PTR)lParam);
        return TRUE;
    }
    return FALSE;
}

LRESULT CFrameWnd::OnHelpHitTest(WPARAM, LPARAM)
{
    return m_nIDHelp != 0 ? HID_BASE_RESOURCE + m_nIDHelp : 0;
}

namespace
{
// TRUE when hWnd is hWndParent or lies below it (parents and owners of pop-ups included).
BOOL IsDescendant(HWND hWndParent, HWND hWnd)
{
    for (; hWnd != NULL; hWnd = ::GetParent(hWnd))
    {
        if (hWnd == hWndParent)
            return TRUE;
    }
    return FALSE;
}

HCURSOR HelpCursor()
{
    static HCURSOR hcur = ::LoadCursor(NULL, IDC_HELP);
    return hcur != NULL ? hcur : ::LoadCursor(NULL, IDC_ARROW);
}
} // namespace

void CFrameWnd::OnContextHelp()
{
    // Help mode: the next click asks for help on what it hits. It belongs to the top-level frame,
    // whose flag turns commands into help requests, also when a child frame got the command.
    CFrameWnd* pTopFrame = GetTopLevelFrame();
    if (pTopFrame != NULL && pTopFrame != this)
    {
        pTopFrame->OnContextHelp();
        return;
    }
    if (m_bHelpMode == HELP_ACTIVE || !CanEnterHelpMode())
        return;
    // An exit request still queued from the last help mode wins.
    MSG msg;
    if (::PeekMessage(&msg, m_hWnd, WM_EXITHELPMODE, WM_EXITHELPMODE, PM_REMOVE | PM_NOYIELD))
    {
        m_bHelpMode = HELP_INACTIVE;
        return;
    }
    if (m_bHelpMode == HELP_INACTIVE)
    {
        // Start once the menu or accelerator that gave the command has finished.
        m_bHelpMode = HELP_ENTERING;
        PostMessage(WM_COMMAND, ID_CONTEXT_HELP);
        return;
    }
    m_bHelpMode = HELP_ACTIVE;
    UINT nMsgSave = (UINT)SendMessage(WM_SETMESSAGESTRING, AFX_IDS_HELPMODEMESSAGE);
    if (nMsgSave == 0)
        nMsgSave = AFX_IDS_IDLEMESSAGE;
    DWORD dwContext = 0;
    POINT point;
    ::GetCursorPos(&point);
    SetHelpCapture(point, NULL);
    CWinThread* pThread = AfxGetThread();
    LONG lIdleCount = 0;
    while (m_bHelpMode == HELP_ACTIVE)
    {
        if (::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE))
        {

            if (msg.message == WM_QUIT)
                break; // left in the queue for the main loop
            if (!ProcessHelpMsg(msg, &dwContext))
                break;
        }
        else if (pThread == NULL || !pThread->OnIdle(lIdleCount++))
        {
            lIdleCount = 0;
            ::WaitMessage();
        }
    }
    m_bHelpMode = HELP_INACTIVE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    SendMessage(WM_SETMESSAGESTRING, nMsgSave);

    if (dwContext == (DWORD)-1)
        SendMessage(WM_COMMAND, ID_DEFAULT_HELP);
    else if (dwContext != 0)
    {
        CWinApp* pApp = AfxGetApp();
        if (pApp != NULL)
            pApp->WinHelp(dwContext);
    }
    PostMessage(WM_KICKIDLE);
}

BOOL CFrameWnd::ProcessHelpMsg(MSG& msg, DWORD* pContext)
{
    if (msg.message == WM_EXITHELPMODE || (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE))
    {
        ::PeekMessage(&msg, NULL, msg.message, msg.message, PM_REMOVE);
        return FALSE;
    }
    const BOOL bMouse = (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) ||
                        (msg.message >= WM_NCMOUSEMOVE && msg.message <= WM_NCMBUTTONDBLCLK);
    if (bMouse)
    {
        POINT point = msg.pt;
        BOOL bDescendant = FALSE;
        HWND hWndHit = SetHelpCapture(point, &bDescendant);
        if (hWndHit == NULL)
        {
            // Not our turn (another window is active): the message takes its normal way.
            if (::PeekMessage(&msg, NULL, msg.message, msg.message, PM_REMOVE))
                ::DispatchMessage(&msg);
            return TRUE;
        }
        if (!bDescendant)
        {
            // Outside this frame (another program or the desktop): let it have the message.
            ::PeekMessage(&msg, NULL, msg.message, msg.message, PM_REMOVE);
            ::DispatchMessage(&msg);
            return TRUE;
        }
        if (msg.message != WM_LBUTTONDOWN && msg.message != WM_NCLBUTTONDOWN)
        {
            ::PeekMessage(&msg, NULL, msg.message, msg.message, PM_REMOVE);
            return TRUE;
        }
        const int nHit = (int)::SendMessage(hWndHit, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
        if (nHit == HTMENU || nHit == HTSYSMENU)
        {
            // The menu opens as usual; a command chosen from it asks for its help.
            ::ReleaseCapture();
            ::PeekMessage(&msg, NULL, msg.message, msg.message, PM_REMOVE);
            ::SendMessage(hWndHit, WM_NCLBUTTONDOWN, (WPARAM)nHit, MAKELPARAM(point.x, point.y));
            ::GetCursorPos(&point);
            SetHelpCapture(point, NULL);
            return TRUE;
        }
        *pContext = nHit == HTCLIENT ? MapClientArea(hWndHit, point) : MapNonClientArea(nHit);
        ::PeekMessage(&msg, NULL, msg.message, msg.message, PM_REMOVE);
        return FALSE;
    }
    if (msg.message == WM_SYSCOMMAND || (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST))
    {
        // Keys work as usual, but only system keys and system commands are dispatched.
        if (::GetCapture() != NULL)
        {
            ::ReleaseCapture();
            MSG msgMouse;
            while (::PeekMessage(&msgMouse, NULL, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE | PM_NOYIELD))
            {
            }
        }
        if (::PeekMessage(&msg, NULL, msg.message, msg.message, PM_REMOVE) && !PreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            if (msg.message == WM_SYSCOMMAND ||
                (msg.message >= WM_SYSKEYDOWN && msg.message <= WM_SYSDEADCHAR))
                ::DispatchMessage(&msg);
        }
        return TRUE;
    }
    // Everything else goes through while the capture stays.
    if (::PeekMessage(&msg, NULL, msg.message, msg.message, PM_REMOVE))
        ::DispatchMessage(&msg);
    return TRUE;
}

HWND CFrameWnd::SetHelpCapture(POINT point, BOOL* pbDescendant)
{
    if (pbDescendant != NULL)
        *pbDescendant = FALSE;
    if (!IsDescendant(m_hWnd, ::GetActiveWindow()))
        return NULL;
    // The window under the point, found with our capture out of the way.
    HWND hWndHit = ::WindowFromPoint(point);
    if (hWndHit != NULL)
    {
        POINT ptClient = point;
        ::ScreenToClient(hWndHit, &ptClient);
        HWND hWndChild = ::ChildWindowFromPointEx(hWndHit, ptClient, CWP_SKIPINVISIBLE);
        if (hWndChild != NULL)
            hWndHit = hWndChild;
    }
    const BOOL bDescendant = hWndHit != NULL && IsDescendant(m_hWnd, hWndHit);
    if (pbDescendant != NULL)
        *pbDescendant = bDescendant;
    if (bDescendant)
    {
        if (::GetCapture() != m_hWnd)
            ::SetCapture(m_hWnd);
        ::SetCursor(HelpCursor());
    }
    else if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    return hWndHit != NULL ? hWndHit : m_hWnd;
}

DWORD CFrameWnd::MapClientArea(HWND hWnd, POINT point)
{
    for (; hWnd != NULL; hWnd = ::GetParent(hWnd))
    {
        POINT ptClient = point;
        ::ScreenToClient(hWnd, &ptClient);
        const DWORD dwContext =
            (DWORD)::SendMessage(hWnd, WM_HELPHITTEST, 0, MAKELPARAM(ptClient.x, ptClient.y));
        if (dwContext != 0)
            return dwContext;
        if (hWnd == m_hWnd)
            break;
    }
    return (DWORD)-1;
}

DWORD CFrameWnd::MapNonClientArea(int nHit)
{
    return HID_BASE_NCAREAS + (DWORD)nHit;
}

void CFrameWnd::ExitHelpMode()
{
    if (m_bHelpMode == HELP_INACTIVE)
        return;
    // One exit request in the queue is enough.
    MSG msg;
    if (!::PeekMessage(&msg, m_hWnd, WM_EXITHELPMODE, WM_EXITHELPMODE, PM_NOREMOVE | PM_NOYIELD))
        ::PostMessage(m_hWnd, WM_EXITHELPMODE, 0, 0);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

LRESULT CFrameWnd::OnExitHelpMode(WPARAM, LPARAM)
{
    // Reaches here only when no help loop took it, e.g. while entering.
    m_bHelpMode = HELP_INACTIVE;
    return 0;
}

BOOL CFrameWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CFrameWnd* pFrame = GetTopLevelFrame();
    if (pFrame != NULL && pFrame->m_bHelpMode == HELP_ACTIVE)
    {
        ::SetCursor(HelpCursor());
        return TRUE;
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

BOOL CFrameWnd::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    TOOLTIPTEXTA* pTTT = (TOOLTIPTEXTA*)pNMHDR;
    UINT_PTR nID = pNMHDR->idFrom;
    if (pTTT->uFlags & TTF_IDISHWND)
        nID = (UINT_PTR)::GetDlgCtrlID((HWND)nID);
    if (nID == 0)
        return FALSE;
    CString strFull, strTip;
    if (strFull.LoadString((UINT)nID))
        AfxExtractSubString(strTip, strFull, 1); // the tool-tip text follows the prompt
    lstrcpyn(pTTT->szText, strTip, _countof(pTTT->szText));
    *pResult = 0;
    ::SetWindowPos(pNMHDR->hwndFrom, HWND_TOP, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE);
    return TRUE;
}

// ---- modal state

void CFrameWnd::BeginModalState()
{
    if (m_cModalStack++ > 0)
        return;
    // Disable every enabled top-level window of this thread except this one.
    HWND hWndArray[64];
    int nCount = 0;
    for (HWND hWnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hWnd != NULL && nCount < 63;
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        if (::IsWindowEnabled(hWnd) && CWnd::FromHandlePermanent(hWnd) != NULL && hWnd != m_hWnd &&
            ::GetWindowThreadProcessId(hWnd, NULL) == ::GetCurrentThreadId())
        {
            ::EnableWindow(hWnd, FALSE);
            hWndArray[nCount++] = hWnd;
        }
    }
    m_phWndDisable = new HWND[nCount + 1];
    memcpy(m_phWndDisable, hWndArray, nCount * sizeof(HWND));
    m_phWndDisable[nCount] = NULL;
    ::EnableWindow(m_hWnd, FALSE);
}

void CFrameWnd::EndModalState()
{
    if (m_cModalStack == 0 || --m_cModalStack > 0 || m_phWndDisable == NULL)
        return;
    ::EnableWindow(m_hWnd, TRUE);
    for (HWND* ph = m_phWndDisable; *ph != NULL; ++ph)
    {
        if (::IsWindow(*ph))
            ::EnableWindow(*ph, TRUE);
    }
    delete[] m_phWndDisable;
    m_phWndDisable = NULL;
}

void CFrameWnd::ShowOwnedWindows(BOOL bShow)
{
    ::ShowOwnedPopups(m_hWnd, bShow);
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CWnd* pBar = (CWnd*)GetControlBar(pCmdUI->m_nID);
    if (pBar == NULL)
    {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck((pBar->GetStyle() & WS_VISIBLE) != 0);
}

BOOL CFrameWnd::OnBarCheck(UINT nID)
{
    CWnd* pBar = (CWnd*)GetControlBar(nID);
    if (pBar == NULL)
        return FALSE;
    ShowControlBar((CControlBar*)pBar, (pBar->GetStyle() & WS_VISIBLE) == 0, FALSE);
    return TRUE;
}
