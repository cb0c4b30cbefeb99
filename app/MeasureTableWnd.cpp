// CMeasureTableWnd: the table bar with its (still empty) tab window.
#include "app/MeasureTableWnd.h"

IMPLEMENT_DYNAMIC(CMeasureTableWnd, SECControlBar)

BEGIN_MESSAGE_MAP(CMeasureTableWnd, SECControlBar)
ON_WM_CREATE()
ON_WM_SIZE()
END_MESSAGE_MAP()

namespace
{
const UINT kTabWndId = 1;
} // namespace

CMeasureTableWnd::CMeasureTableWnd()
{
}

CMeasureTableWnd::~CMeasureTableWnd()
{
}

int CMeasureTableWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (SECControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndTabs.Create(this, WS_CHILD | WS_VISIBLE | SEC_TABS_BOTTOM, kTabWndId))
        return -1;
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
        m_wndTabs.MoveWindow(&rect);
    }
}

BOOL CMeasureTableWnd::ShowUserMask()
{
    return FALSE;
}

BOOL CMeasureTableWnd::FocusUserMask()
{
    return FALSE;
}
