// SECCapMenuBtn: the maximised child's system-menu icon on the MDI menu bar.
#include "uilib/bars/CapMenuBtn.h"
#include "uilib/bars/CustomToolBar.h"
#include <algorithm>

namespace
{
const int kIconSize = 16;
} // namespace

SECCapMenuBtn::SECCapMenuBtn() : m_hIcon(NULL)
{
    m_nType = BtnMenuOther;
}

void SECCapMenuBtn::AdjustSize()
{
    m_cx = m_cy = kIconSize;
    if (m_pToolBar != NULL)
    {
        m_pToolBar->m_cxLargest = std::max(m_pToolBar->m_cxLargest, m_cx);
        m_pToolBar->m_cyLargest = std::max(m_pToolBar->m_cyLargest, m_cy);
    }
}

void SECCapMenuBtn::DrawButton(CDC& dc, BOOL, int& x, int& y, int& cx, int& cy, int)
{
    dc.FillSolidRect(x, y, cx, cy, ::GetSysColor(COLOR_BTNFACE));
    if (m_hIcon != NULL)
        ::DrawIconEx(dc.m_hDC, x, y, m_hIcon, kIconSize, kIconSize, 0, NULL, DI_NORMAL);
}

HMENU PASCAL SECCapMenuBtn::GetSystemMenuOf(CWnd* pWnd)
{
    HMENU hMenu = pWnd != NULL ? ::GetSystemMenu(pWnd->m_hWnd, FALSE) : NULL;
    if (hMenu != NULL && ::GetMenuDefaultItem(hMenu, FALSE, GMDI_GOINTOPOPUPS) == (UINT)-1)
        ::SetMenuDefaultItem(hMenu, SC_CLOSE, FALSE);
    return hMenu;
}

void SECCapMenuBtn::DropMenu()
{
    if (m_pToolBar == NULL)
        return;
    CMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, m_pToolBar->GetTopLevelFrame());
    CMDIChildWnd* pChild = pFrame != NULL ? pFrame->MDIGetActive() : NULL;
    HMENU hMenu = GetSystemMenuOf(pChild);
    if (hMenu != NULL)
        m_pToolBar->TrackButtonMenu(this, hMenu, (UINT_PTR)-1);
}
