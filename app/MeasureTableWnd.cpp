// CMeasureTableWnd: the table bar's tabs and the dialogs they show.
#include "app/MeasureTableWnd.h"
#include "app/ParameterSetDlg.h"
#include "AppIds.h"

IMPLEMENT_DYNAMIC(CMeasureTableWnd, SECControlBar)

BEGIN_MESSAGE_MAP(CMeasureTableWnd, SECControlBar)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace
{
CString LoadLabel(UINT nID)
{
    CString text;
    text.LoadString(nID);
    return text;
}
} // namespace

CMeasureTableWnd::CMeasureTableWnd()
    : m_pParameterSetDlg(NULL), m_pMeasureValueDlg(NULL), m_pUserMaskDlg(NULL)
{
}

CMeasureTableWnd::~CMeasureTableWnd()
{
    if (m_pParameterSetDlg != NULL && m_pParameterSetDlg->GetSafeHwnd() != NULL)
        m_pParameterSetDlg->DestroyWindow();
    delete m_pParameterSetDlg;
}

int CMeasureTableWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (SECControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndTabs.Create(this, WS_CHILD | WS_VISIBLE | SEC_TABS_BOTTOM, IDC_MEASURE_TABS))
        return -1;
    if (m_pParameterSetDlg == NULL)
    {
        m_pParameterSetDlg = new CParameterSetDlg;
        m_pParameterSetDlg->Create(&m_wndTabs);
    }
    m_wndTabs.AddTabWnd(m_pParameterSetDlg, LoadLabel(IDS_TAB_PROFILES));
    m_wndTabs.SetTabIconByID(TabProfiles, IDI_TAB_PROFILES);
    m_wndTabs.ActivateTab(TabProfiles);
    return 0;
}

void CMeasureTableWnd::OnSize(UINT nType, int cx, int cy)
{
    SECControlBar::OnSize(nType, cx, cy);
    if (m_wndTabs.m_hWnd != NULL)
    {
        CRect rect;
        GetClientRect(&rect);
        CalcInsideRect(rect, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
        m_wndTabs.SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                               SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

BOOL CMeasureTableWnd::OnEraseBkgnd(CDC* pDC)
{
    SECControlBar::OnEraseBkgnd(pDC);
    return TRUE;
}

BOOL CMeasureTableWnd::AttachDialogs(CWnd* pMeasureValueDlg, CWnd* pUserMaskDlg, BOOL bActivate)
{
    if (pMeasureValueDlg == m_pMeasureValueDlg && pUserMaskDlg == m_pUserMaskDlg)
        return TRUE;
    // The ones known before stay for a kind given as null.
    CWnd* pMeasure = pMeasureValueDlg != NULL ? pMeasureValueDlg : m_pMeasureValueDlg;
    CWnd* pMask = pUserMaskDlg != NULL ? pUserMaskDlg : m_pUserMaskDlg;
    DetachDialogs();
    m_pMeasureValueDlg = pMeasure;
    m_pUserMaskDlg = pMask;
    if (m_pMeasureValueDlg != NULL && m_pUserMaskDlg != NULL)
    {
        m_wndTabs.AddTabWnd(m_pUserMaskDlg, LoadLabel(IDS_TAB_USER_MASK));
        m_wndTabs.SetTabIconByID(TabUserMask, IDI_TAB_USER_MASK);
        m_wndTabs.AddTabWnd(m_pMeasureValueDlg, LoadLabel(IDS_TAB_MEASURE_VALUES));
        m_wndTabs.SetTabIconByID(TabMeasureValues, IDI_TAB_MEASURE_VALUES);
        if (bActivate)
            m_wndTabs.ActivateTab(TabUserMask);
    }
    if (!bActivate)
        m_wndTabs.ActivateTab(TabProfiles);
    return TRUE;
}

BOOL CMeasureTableWnd::DetachDialogs()
{
    for (int nTab : {TabMeasureValues, TabUserMask})
        if (m_wndTabs.IsTabIndexValid(nTab))
            m_wndTabs.RemoveTab(nTab);
    for (CWnd* pDlg : {m_pMeasureValueDlg, m_pUserMaskDlg})
        if (pDlg != NULL && pDlg->GetSafeHwnd() != NULL)
            pDlg->ShowWindow(SW_HIDE);
    m_pMeasureValueDlg = m_pUserMaskDlg = NULL;
    if (m_wndTabs.IsTabIndexValid(TabProfiles))
        m_wndTabs.ActivateTab(TabProfiles);
    return TRUE;
}

BOOL CMeasureTableWnd::ShowUserMask()
{
    if (!m_wndTabs.IsTabIndexValid(TabUserMask))
        return FALSE;
    m_wndTabs.ActivateTab(TabUserMask);
    return TRUE;
}

BOOL CMeasureTableWnd::FocusUserMask()
{
    if (m_pUserMaskDlg == NULL || m_pUserMaskDlg->GetSafeHwnd() == NULL)
        return FALSE;
    m_pUserMaskDlg->SetFocus();
    return TRUE;
}
