#include "uilib/bars/TabControlBase.h"

IMPLEMENT_DYNAMIC(SECTab, CObject)
IMPLEMENT_DYNAMIC(SECTabControlBase, CWnd)

BEGIN_MESSAGE_MAP(SECTabControlBase, CWnd)
ON_WM_DESTROY()
END_MESSAGE_MAP()

SECTabControlBase::SECTabControlBase()
    : m_pTabArray(NULL), m_nActiveTab(0), m_bActiveTab(FALSE), m_hCursor(NULL)
{
}

SECTabControlBase::~SECTabControlBase()
{
    DeleteTabRecords();
}

BOOL SECTabControlBase::Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, 0, 0, 0);
    if (!CreateEx(0, lpszClass, NULL, dwStyle | WS_CHILD, rect, pParent, nID))
        return FALSE;
    if (m_pTabArray == NULL)
        m_pTabArray = new CObArray;
    m_hCursor = ::LoadCursor(NULL, IDC_ARROW);
    Initialize(dwStyle);
    return TRUE;
}

void SECTabControlBase::Initialize(DWORD)
{
}

SECTab* SECTabControlBase::CreateTabRecord()
{
    return new SECTab;
}

void SECTabControlBase::RecalcLayout()
{
}

void SECTabControlBase::OnActivateTab(int)
{
}

void SECTabControlBase::DeleteFonts()
{
}

SECTab* SECTabControlBase::InsertTab(int nIndex, LPCTSTR lpszLabel, CObject* pClient, DWORD dwExtra1,
                                     DWORD dwExtra2)
{
    if (m_pTabArray == NULL)
        m_pTabArray = new CObArray;
    int nCount = GetTabCount();
    if (nIndex < 0 || nIndex > nCount)
        nIndex = nCount;
    SECTab* pTab = CreateTabRecord();
    pTab->SetLabel(lpszLabel != NULL ? lpszLabel : _T(""));
    pTab->m_bSelected = FALSE;
    pTab->m_pClient = pClient;
    pTab->m_dwExtra1 = dwExtra1;
    pTab->m_dwExtra2 = dwExtra2;
    m_pTabArray->InsertAt(nIndex, pTab);
    if (m_bActiveTab && nIndex <= m_nActiveTab && nIndex < nCount)
        ++m_nActiveTab;
    RecalcLayout();
    for (int i = nIndex; i < GetTabCount(); ++i)
        InvalidateTab(i);
    return pTab;
}

SECTab* SECTabControlBase::AddTab(LPCTSTR lpszLabel, CObject* pClient, DWORD dwExtra1, DWORD dwExtra2)
{
    return InsertTab(GetTabCount(), lpszLabel, pClient, dwExtra1, dwExtra2);
}

void SECTabControlBase::SetTabIcon(int, LPCTSTR, int, int)
{
}

void SECTabControlBase::SetTabIconByID(int, UINT, int, int)
{
}

void SECTabControlBase::SetTabIconHandle(int, HICON)
{
}

void SECTabControlBase::DeleteTab(int nIndex)
{
    if (!IsTabIndexValid(nIndex))
        return;
    for (int i = nIndex; i < GetTabCount(); ++i)
        InvalidateTab(i);
    delete m_pTabArray->GetAt(nIndex);
    m_pTabArray->RemoveAt(nIndex);
    int nCount = GetTabCount();
    if (m_bActiveTab)
    {
        if (nCount == 0)
            m_bActiveTab = FALSE;
        else if (m_nActiveTab == nIndex && nIndex < nCount)
        {
            // The tab that took the deleted one's place becomes active.
            m_bActiveTab = FALSE;
            ActivateTab(nIndex);
        }
        else if (m_nActiveTab > nIndex)
        {
            int nNew = m_nActiveTab - 1;
            m_bActiveTab = FALSE;
            ActivateTab(nNew);
        }
        else if (m_nActiveTab >= nCount)
        {
            m_bActiveTab = FALSE;
            ActivateTab(nCount - 1);
        }
    }
    RecalcLayout();
    if (m_hWnd != NULL)
        Invalidate(TRUE);
}

void SECTabControlBase::RenameTab(int nIndex, LPCTSTR lpszLabel)
{
    if (!IsTabIndexValid(nIndex))
        return;
    for (int i = nIndex; i < GetTabCount(); ++i)
        InvalidateTab(i);
    GetTab(nIndex)->SetLabel(lpszLabel != NULL ? lpszLabel : _T(""));
    RecalcLayout();
    for (int i = nIndex; i < GetTabCount(); ++i)
        InvalidateTab(i);
}

void SECTabControlBase::FillNotify(SECTabNotify& notify, int nTab, int nPrevTab) const
{
    notify.nCtrlID = m_hWnd != NULL ? static_cast<UINT>(GetDlgCtrlID()) : 0;
    notify.nTab = nTab;
    notify.nPrevTab = nPrevTab;
    notify.pClient = IsTabIndexValid(nTab) ? GetTab(nTab)->m_pClient : NULL;
    notify.pPrevClient = IsTabIndexValid(nPrevTab) ? GetTab(nPrevTab)->m_pClient : NULL;
}

void SECTabControlBase::ActivateTab(int nIndex)
{
    if (!IsTabIndexValid(nIndex) || (m_bActiveTab && m_nActiveTab == nIndex))
        return;
    int nPrev = -1;
    if (m_bActiveTab && IsTabIndexValid(m_nActiveTab))
    {
        nPrev = m_nActiveTab;
        GetTab(nPrev)->m_bSelected = FALSE;
        InvalidateTab(nPrev);
    }
    m_nActiveTab = nIndex;
    m_bActiveTab = TRUE;
    GetTab(nIndex)->m_bSelected = TRUE;
    OnActivateTab(nIndex);
    InvalidateTab(nIndex);
    ScrollToTab(nIndex);
    SECTabNotify notify;
    FillNotify(notify, nIndex, nPrev);
    CWnd* pParent = m_hWnd != NULL ? GetParent() : NULL;
    if (pParent != NULL)
        pParent->SendMessage(TCM_TABSEL, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&notify));
}

void SECTabControlBase::NotifyParentActive()
{
    CWnd* pParent = GetParent();
    if (pParent != NULL && m_bActiveTab)
        pParent->SendMessage(TCM_TABREACTIVATE, static_cast<WPARAM>(m_nActiveTab), 0);
}

void SECTabControlBase::NotifySelect(int nIndex)
{
    if (!IsTabIndexValid(nIndex))
        return;
    GetTab(nIndex)->m_bSelected = TRUE;
    InvalidateTab(nIndex);
    SECTabNotify notify;
    FillNotify(notify, nIndex, m_bActiveTab ? m_nActiveTab : -1);
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->SendMessage(TCM_TABSEL, static_cast<WPARAM>(m_bActiveTab ? m_nActiveTab : -1),
                             reinterpret_cast<LPARAM>(&notify));
}

void SECTabControlBase::ClearSelection()
{
    for (int i = 0; i < GetTabCount(); ++i)
        if (GetTab(i)->m_bSelected)
        {
            GetTab(i)->m_bSelected = FALSE;
            InvalidateTab(i);
        }
    m_bActiveTab = FALSE;
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->SendMessage(TCM_TABSELCLR, 0, 0);
}

void SECTabControlBase::ScrollToTab(int)
{
}

void SECTabControlBase::InvalidateTab(int)
{
}

int SECTabControlBase::GetTabCount() const
{
    return m_pTabArray != NULL ? static_cast<int>(m_pTabArray->GetSize()) : 0;
}

SECTab* SECTabControlBase::GetTab(int nIndex) const
{
    return IsTabIndexValid(nIndex) ? static_cast<SECTab*>(m_pTabArray->GetAt(nIndex)) : NULL;
}

BOOL SECTabControlBase::IsTabIndexValid(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetTabCount();
}

BOOL SECTabControlBase::FindTab(const CObject* pClient, int& nIndex) const
{
    for (int i = GetTabCount() - 1; i >= 0; --i)
        if (GetTab(i)->m_pClient == pClient)
        {
            nIndex = i;
            return TRUE;
        }
    return FALSE;
}

BOOL SECTabControlBase::TabExists(const CObject* pClient) const
{
    int nIndex;
    return FindTab(pClient, nIndex);
}

BOOL SECTabControlBase::GetActiveTab(int& nIndex) const
{
    nIndex = m_nActiveTab;
    return m_bActiveTab;
}

BOOL SECTabControlBase::GetTabInfo(int nIndex, LPCTSTR& lpszLabel, BOOL& bSelected, CObject*& pClient,
                                   DWORD& dwExtra1, DWORD& dwExtra2) const
{
    SECTab* pTab = GetTab(nIndex);
    if (pTab == NULL)
        return FALSE;
    lpszLabel = pTab->GetFullLabel();
    bSelected = pTab->m_bSelected;
    pClient = pTab->m_pClient;
    dwExtra1 = pTab->m_dwExtra1;
    dwExtra2 = pTab->m_dwExtra2;
    return TRUE;
}

void SECTabControlBase::DeleteTabRecords()
{
    if (m_pTabArray == NULL)
        return;
    for (int i = 0; i < m_pTabArray->GetSize(); ++i)
        delete m_pTabArray->GetAt(i);
    delete m_pTabArray;
    m_pTabArray = NULL;
    m_bActiveTab = FALSE;
}

void SECTabControlBase::OnDestroy()
{
    DeleteTabRecords();
    DeleteFonts();
    CWnd::OnDestroy();
}
