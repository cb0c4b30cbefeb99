#include "uilib/bars/TabWndBase.h"
#include "Exception.h"

IMPLEMENT_DYNAMIC(SECTabWndBase, CWnd)

BEGIN_MESSAGE_MAP(SECTabWndBase, CWnd)
ON_MESSAGE(TCM_TABSEL, OnTabSel)
ON_MESSAGE(TCM_TABREACTIVATE, OnTabReactivate)
ON_WM_CHILDACTIVATE()
ON_WM_NCCREATE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

SECTabWndBase::SECTabWndBase()
    : m_pTabCtrl(NULL), m_pActiveWnd(NULL), m_pCreatingWnd(NULL), m_pNotifyWnd(NULL)
{
}

SECTabWndBase::~SECTabWndBase()
{
    delete m_pTabCtrl;
}

BOOL SECTabWndBase::Create(CWnd* pParent, DWORD dwStyle, UINT nID)
{
    m_pNotifyWnd = pParent;
    if (m_hWnd == NULL)
    {
        LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, 0, 0, 0);
        if (!CWnd::CreateEx(0, lpszClass, NULL, dwStyle & ~(WS_HSCROLL | WS_VSCROLL), CRect(0, 0, 0, 0),
                            pParent, nID))
            return FALSE;
    }
    try
    {
        if (!CreateTabCtrl(dwStyle, kTabCtrlID))
            AfxThrowResourceException();
    }
    catch (CResourceException* e)
    {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

BOOL SECTabWndBase::Create(LPCTSTR, LPCTSTR, DWORD dwStyle, const RECT&, CWnd* pParentWnd, UINT nID,
                           CCreateContext*)
{
    return Create(pParentWnd, dwStyle, nID);
}

CWnd* SECTabWndBase::CreateScrollBar(DWORD dwStyle, UINT nID)
{
    CWnd* pBar = new CWnd;
    if (!pBar->CreateEx(0, _T("SCROLLBAR"), NULL, dwStyle | WS_CHILD, CRect(0, 0, 1, 1), this, nID))
    {
        delete pBar;
        return NULL;
    }
    return pBar;
}

BOOL SECTabWndBase::CreateTabCtrl(DWORD, UINT)
{
    return FALSE;
}

SECTab* SECTabWndBase::InsertTab(CRuntimeClass* pClass, int nIndex, LPCTSTR lpszLabel,
                                 CCreateContext* pContext, UINT nID)
{
    CObject* pObject = pClass != NULL ? pClass->CreateObject() : NULL;
    if (pObject == NULL)
        AfxThrowMemoryException();
    CWnd* pWnd = static_cast<CWnd*>(pObject);
    if (nID == static_cast<UINT>(-1))
        nID = kFirstTabWndID + static_cast<UINT>(GetTabCount());
    m_pCreatingWnd = pWnd;
    BOOL bCreated = pWnd->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, nID, pContext);
    m_pCreatingWnd = NULL;
    if (!bCreated)
    {
        delete pWnd;
        return NULL;
    }
    return InsertTabWnd(pWnd, nIndex, lpszLabel);
}

SECTab* SECTabWndBase::InsertTabWnd(CWnd* pWnd, int nIndex, LPCTSTR lpszLabel)
{
    if (m_pTabCtrl == NULL || pWnd == NULL)
        return NULL;
    int nCount = GetTabCount();
    if (nIndex < 0 || nIndex > nCount)
        nIndex = nCount;
    SECTab* pTab = m_pTabCtrl->InsertTab(nIndex, lpszLabel, pWnd, 0, 0);
    // Only the active tab's child shows.
    if (pWnd != m_pActiveWnd && pWnd->m_hWnd != NULL)
        pWnd->ShowWindow(SW_HIDE);
    TabInserted(nIndex, 0);
    return pTab;
}

SECTab* SECTabWndBase::AddTab(CRuntimeClass* pClass, LPCTSTR lpszLabel, CCreateContext* pContext, UINT nID)
{
    return InsertTab(pClass, GetTabCount(), lpszLabel, pContext, nID);
}

SECTab* SECTabWndBase::AddTabWnd(CWnd* pWnd, LPCTSTR lpszLabel)
{
    return InsertTabWnd(pWnd, GetTabCount(), lpszLabel);
}

void SECTabWndBase::SetTabIcon(int nIndex, LPCTSTR lpszResource, int cx, int cy)
{
    if (m_pTabCtrl != NULL)
        m_pTabCtrl->SetTabIcon(nIndex, lpszResource, cx, cy);
}

void SECTabWndBase::SetTabIconByID(int nIndex, UINT nID, int cx, int cy)
{
    if (m_pTabCtrl != NULL)
        m_pTabCtrl->SetTabIconByID(nIndex, nID, cx, cy);
}

void SECTabWndBase::SetTabIconHandle(int nIndex, HICON hIcon)
{
    if (m_pTabCtrl != NULL)
        m_pTabCtrl->SetTabIconHandle(nIndex, hIcon);
}

void SECTabWndBase::TabInserted(int, int)
{
}

void SECTabWndBase::RemoveTab(int nIndex)
{
    if (!IsTabIndexValid(nIndex))
        return;
    if (m_pTabCtrl->GetTab(nIndex)->m_pClient == m_pActiveWnd)
        m_pActiveWnd = NULL;
    m_pTabCtrl->DeleteTab(nIndex);
}

void SECTabWndBase::RemoveTabWnd(CWnd* pWnd)
{
    int nIndex;
    if (FindTab(pWnd, nIndex))
        RemoveTab(nIndex);
}

void SECTabWndBase::RenameTab(int nIndex, LPCTSTR lpszLabel)
{
    if (m_pTabCtrl != NULL)
        m_pTabCtrl->RenameTab(nIndex, lpszLabel);
}

void SECTabWndBase::RenameTabWnd(CWnd* pWnd, LPCTSTR lpszLabel)
{
    int nIndex;
    if (FindTab(pWnd, nIndex))
        RenameTab(nIndex, lpszLabel);
}

BOOL SECTabWndBase::ActivateTab(int nIndex)
{
    if (!IsTabIndexValid(nIndex))
        return FALSE;
    return ActivateTab(static_cast<CWnd*>(m_pTabCtrl->GetTab(nIndex)->m_pClient), nIndex);
}

BOOL SECTabWndBase::ActivateTabWnd(CWnd* pWnd)
{
    int nIndex;
    if (!FindTab(pWnd, nIndex))
        return FALSE;
    return ActivateTab(pWnd, nIndex);
}

BOOL SECTabWndBase::ActivateTab(CWnd* pWnd, int nIndex)
{
    if (pWnd == NULL || !TabExists(pWnd))
        return FALSE;
    CWnd* pPrevious = m_pActiveWnd;
    m_pActiveWnd = pWnd;
    int nActive;
    if (!m_pTabCtrl->GetActiveTab(nActive) || nActive != nIndex)
        m_pTabCtrl->ActivateTab(nIndex); // its notification comes back here and finds this done
    if (pPrevious != NULL && pPrevious != pWnd && ::IsWindow(pPrevious->m_hWnd))
        pPrevious->ShowWindow(SW_HIDE);
    ShowActiveChild(pWnd);
    RecalcLayout();
    Invalidate(TRUE);
    return TRUE;
}

void SECTabWndBase::ShowActiveChild(CWnd* pWnd)
{
    pWnd->ShowWindow(SW_SHOW);
    if (pWnd->IsKindOf(RUNTIME_CLASS(CView)))
    {
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != NULL)
            pFrame->SetActiveView(static_cast<CView*>(pWnd));
        CFrameWnd* pTop = GetTopLevelFrame();
        if (pTop != NULL)
            pTop->SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    }
    else
    {
        SetFocus();
        pWnd->SetFocus();
        pWnd->SetActiveWindow();
    }
}

void SECTabWndBase::ClearSelection()
{
    if (m_pTabCtrl != NULL)
        m_pTabCtrl->ClearSelection();
}

void SECTabWndBase::ScrollToTab(int nIndex)
{
    if (m_pTabCtrl != NULL)
        m_pTabCtrl->ScrollToTab(nIndex);
}

void SECTabWndBase::ScrollToTabWnd(CWnd* pWnd)
{
    int nIndex;
    if (FindTab(pWnd, nIndex))
        ScrollToTab(nIndex);
}

void SECTabWndBase::ActivateActiveView()
{
    int nActive;
    if (m_pTabCtrl == NULL || !m_pTabCtrl->GetActiveTab(nActive) || m_pActiveWnd == NULL)
        return;
    if (m_pActiveWnd->IsKindOf(RUNTIME_CLASS(CView)))
    {
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != NULL)
            pFrame->SetActiveView(static_cast<CView*>(m_pActiveWnd));
    }
    else
    {
        m_pActiveWnd->SetFocus();
        m_pActiveWnd->SetActiveWindow();
    }
}

void SECTabWndBase::SetNotifyWnd(CWnd* pWnd)
{
    m_pNotifyWnd = pWnd != NULL ? pWnd : GetParent();
}

CWnd* SECTabWndBase::GetNotifyWnd() const
{
    return m_pNotifyWnd;
}

void SECTabWndBase::GetInsideRect(RECT& rect) const
{
    GetClientRect(&rect);
}

void SECTabWndBase::RecalcLayout()
{
}

BOOL SECTabWndBase::IsTabIndexValid(int nIndex) const
{
    return m_pTabCtrl != NULL && m_pTabCtrl->IsTabIndexValid(nIndex);
}

int SECTabWndBase::GetTabCount() const
{
    return m_pTabCtrl != NULL ? m_pTabCtrl->GetTabCount() : 0;
}

BOOL SECTabWndBase::TabExists(CWnd* pWnd) const
{
    return m_pTabCtrl != NULL && m_pTabCtrl->TabExists(pWnd);
}

BOOL SECTabWndBase::FindTab(CWnd* pWnd, int& nIndex) const
{
    return m_pTabCtrl != NULL && m_pTabCtrl->FindTab(pWnd, nIndex);
}

BOOL SECTabWndBase::GetTabInfo(int nIndex, LPCTSTR& lpszLabel, BOOL& bSelected, CWnd*& pWnd, DWORD& dwExtra1,
                               DWORD& dwExtra2) const
{
    CObject* pClient = NULL;
    if (m_pTabCtrl == NULL ||
        !m_pTabCtrl->GetTabInfo(nIndex, lpszLabel, bSelected, pClient, dwExtra1, dwExtra2))
        return FALSE;
    pWnd = static_cast<CWnd*>(pClient);
    return TRUE;
}

LRESULT SECTabWndBase::OnTabSel(WPARAM wParam, LPARAM lParam)
{
    SECTabNotify* pNotify = reinterpret_cast<SECTabNotify*>(lParam);
    if (pNotify != NULL)
        ActivateTab(static_cast<CWnd*>(pNotify->pClient), static_cast<int>(wParam));
    return 0;
}

LRESULT SECTabWndBase::OnTabReactivate(WPARAM, LPARAM)
{
    ActivateActiveView();
    return 0;
}

void SECTabWndBase::OnChildActivate()
{
    ActivateActiveView();
}

BOOL SECTabWndBase::OnNcCreate(LPCREATESTRUCT lpcs)
{
    if (!CWnd::OnNcCreate(lpcs))
        return FALSE;
    CWnd* pParent = GetParent();
    if (pParent != NULL && (pParent->GetExStyle() & WS_EX_CLIENTEDGE))
        pParent->ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    return TRUE;
}

void SECTabWndBase::OnDestroy()
{
    if (m_pTabCtrl != NULL)
    {
        m_pTabCtrl->DestroyWindow();
        delete m_pTabCtrl;
        m_pTabCtrl = NULL;
    }
    m_pActiveWnd = NULL;
    CWnd::OnDestroy();
}
