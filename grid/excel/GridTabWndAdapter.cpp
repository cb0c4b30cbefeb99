// The grid workbook's tab-window adapter.
#include "GridTabWndAdapter.h"
#include "TabWnd.h"
#include "ExcelText.h"

namespace
{
// The tab window's first sheet id; later sheets count up from it.
const UINT kFirstSheetId = AFX_IDW_PANE_FIRST;
} // namespace

CGXGridTabWndAdapter::CGXGridTabWndAdapter() : m_pTabWnd(new CGXTabWnd)
{
}

CGXGridTabWndAdapter::~CGXGridTabWndAdapter()
{
    if (m_pTabWnd->GetSafeHwnd() != NULL)
        m_pTabWnd->DestroyWindow();
    delete m_pTabWnd;
}

void CGXGridTabWndAdapter::SetParentWnd(CWnd* pParent)
{
    m_pParent = pParent;
}

CWnd* CGXGridTabWndAdapter::GetParentWnd()
{
    return m_pParent;
}

int CGXGridTabWndAdapter::GetTabCount()
{
    return m_pTabWnd->GetSafeHwnd() != NULL ? m_pTabWnd->GetBeam().GetTabCount() : 0;
}

int CGXGridTabWndAdapter::GetActiveTab()
{
    return m_pTabWnd->GetSafeHwnd() != NULL ? m_pTabWnd->GetBeam().GetCurrentTab() : -1;
}

CWnd* CGXGridTabWndAdapter::CreateSheet(CRuntimeClass* pViewClass, LPCTSTR pszName, CCreateContext* pContext)
{
    if (m_pTabWnd->GetSafeHwnd() == NULL)
        return NULL;
    CString strName = pszName != NULL ? pszName : _T("");
    if (strName.IsEmpty())
        strName = GetDefaultSheetName((int)(m_pTabWnd->m_nNextId - kFirstSheetId + 1));
    return m_pTabWnd->CreateView(pViewClass, strName, pContext, 0);
}

BOOL CGXGridTabWndAdapter::CreateTabWnd(LPCTSTR pszName, CCreateContext* pContext)
{
    CString strName = pszName != NULL ? pszName : _T("");
    if (strName.IsEmpty())
        strName = GetDefaultSheetName(0);
    if (!m_pTabWnd->Create(m_pParent, strName, pContext, WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL,
                           kFirstSheetId))
        return FALSE;
    if (CWnd* pPane = m_pTabWnd->GetActivePane())
        pPane->SendMessage(WM_INITIALUPDATE);
    return TRUE;
}

BOOL CGXGridTabWndAdapter::InsertSheet(int nIndex, CRuntimeClass* pViewClass, CCreateContext* pContext,
                                       LPCTSTR pszName, UINT nID)
{
    int nCount = GetTabCount();
    if (m_pTabWnd->GetSafeHwnd() == NULL || nIndex < 0 || nIndex > nCount)
        return FALSE;
    CString strName = pszName != NULL ? pszName : _T("");
    if (strName.IsEmpty())
        strName = GetDefaultSheetName((int)(m_pTabWnd->m_nNextId - kFirstSheetId + 1));
    CCreateContext context;
    BOOL bBuilt = FALSE;
    CWnd* pWnd = m_pTabWnd->CreateSheetWnd(pViewClass, pContext, context, nID, bBuilt);
    if (pWnd == NULL)
        return FALSE;
    CGXTabBeam& beam = m_pTabWnd->GetBeam();
    // The new tab goes in at the current one; past the last tab there is none to make current,
    // and the new one is appended.
    if (nIndex < nCount)
    {
        m_pTabWnd->ActivateTab(nIndex);
        // A sheet that refused to be left keeps the focus: the new tab goes in at the index all
        // the same, and the refusing sheet's tab stays the current one.
        int nCurrent = beam.GetCurrentTab();
        beam.m_nCurrent = nIndex;
        beam.InsertTab(TRUE, strName, pWnd, FALSE, -1, 0);
        beam.m_nCurrent =
            nCurrent == nIndex || nCurrent < 0 ? nIndex : nCurrent + (nCurrent > nIndex ? 1 : 0);
    }
    else
        beam.InsertTab(FALSE, strName, pWnd, FALSE, -1, 0);
    m_pTabWnd->ShowSheetWnd(pWnd, TRUE);
    m_pTabWnd->ActivateTab(beam.FindTab(pWnd));
    return TRUE;
}

BOOL CGXGridTabWndAdapter::RemoveSheet(int nIndex)
{
    int nCount = GetTabCount();
    if (m_pTabWnd->GetSafeHwnd() == NULL || nIndex < 0 || nIndex >= nCount)
        return FALSE;
    m_pTabWnd->RemoveTab(nIndex);
    // The tab window keeps its last sheet: that is no removal.
    return GetTabCount() < nCount;
}

BOOL CGXGridTabWndAdapter::HasSeveralTabs()
{
    return GetTabCount() != 1;
}

void CGXGridTabWndAdapter::DeleteThis()
{
    delete this;
}

CString CGXGridTabWndAdapter::GetDefaultSheetName(int nIndex)
{
    return GXExDefaultSheetName((DWORD)(nIndex + 1));
}

CWnd* CGXGridTabWndAdapter::GetSheetWnd(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetTabCount())
        return NULL;
    return m_pTabWnd->GetBeam().GetTab(nIndex).pExtra;
}

int CGXGridTabWndAdapter::FindSheet(CWnd* pWnd)
{
    return m_pTabWnd->GetSafeHwnd() != NULL ? m_pTabWnd->GetBeam().FindTab(pWnd) : -1;
}

CWnd* CGXGridTabWndAdapter::GetTabWnd()
{
    return m_pTabWnd;
}
