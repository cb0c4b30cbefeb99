// SECMDIMenuBar: the menu bar with a maximised child's system-menu icon and caption buttons.
#include "uilib/bars/MDIMenuBar.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(SECMDIMenuBar, SECMenuBar)

BEGIN_MESSAGE_MAP(SECMDIMenuBar, SECMenuBar)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

namespace
{
const UINT kOwnButtonID = 0x80000000;
const UINT kOwnButtonStyle = 0x30000000;
const DWORD kCaptionStyles = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
const int kFontExtraHeight = 12;
} // namespace

SECMDIMenuBar::SECMDIMenuBar() : m_hChildIcon(NULL), m_dwClickTime(0)
{
    for (SECStdBtn* pBtn : {(SECStdBtn*)&m_btnCaption, (SECStdBtn*)&m_btnSysMenu})
    {
        pBtn->m_nID = kOwnButtonID;
        pBtn->m_nStyle = kOwnButtonStyle | TBBS_HIDDEN;
    }
}

SECMDIMenuBar::~SECMDIMenuBar()
{
    // Embedded: never deleted with the other buttons.
    TakeOwnButtonsOff();
}

BOOL SECMDIMenuBar::TakeOwnButtonsOff()
{
    const auto end = std::remove_if(m_btns.begin(), m_btns.end(), [this](SECStdBtn* p) {
        return p == &m_btnCaption || p == &m_btnSysMenu;
    });
    const BOOL bWereOn = end != m_btns.end();
    m_btns.erase(end, m_btns.end());
    return bWereOn;
}

void SECMDIMenuBar::PutOwnButtonsBack()
{
    m_btnCaption.m_pToolBar = this;
    m_btnSysMenu.m_pToolBar = this;
    m_btns.push_back(&m_btnCaption);
    m_btns.insert(m_btns.begin(), &m_btnSysMenu);
    m_btnCaption.AdjustSize();
    m_btnSysMenu.AdjustSize();
}

void SECMDIMenuBar::GetBarInfoExtra(SECControlBarInfo* pInfo)
{
    const BOOL bWereOn = TakeOwnButtonsOff();
    SECMenuBar::GetBarInfoExtra(pInfo);
    if (bWereOn)
        PutOwnButtonsBack();
}

void SECMDIMenuBar::SetBarInfoExtra(SECControlBarInfo* pInfo, CFrameWnd* pFrameWnd)
{
    TakeOwnButtonsOff();
    SECMenuBar::SetBarInfoExtra(pInfo, pFrameWnd);
    // The restored list is a menu bar's like one set by SetButtons.
    PutOwnButtonsBack();
    UpdateCaptionButtons(FALSE);
}

CMDIChildWnd* SECMDIMenuBar::GetActiveChild() const
{
    CMDIFrameWnd* pFrame = m_hWnd != NULL ? DYNAMIC_DOWNCAST(CMDIFrameWnd, GetTopLevelFrame()) : NULL;
    return pFrame != NULL ? pFrame->MDIGetActive() : NULL;
}

BOOL SECMDIMenuBar::SetButtons(const UINT* pIDs, int nCount)
{
    if (!SECMenuBar::SetButtons(pIDs, nCount))
        return FALSE;
    PutOwnButtonsBack();
    UpdateCaptionButtons(FALSE);
    return TRUE;
}

void SECMDIMenuBar::RemoveAllButtons()
{
    TakeOwnButtonsOff();
    SECMenuBar::RemoveAllButtons();
}

int SECMDIMenuBar::GetButtonHeight() const
{
    LOGFONT lf = {};
    HGDIOBJ hFont = m_hMenuFont != NULL ? (HGDIOBJ)m_hMenuFont : ::GetStockObject(SYSTEM_FONT);
    ::GetObject(hFont, sizeof(lf), &lf);
    return std::abs((int)lf.lfHeight) + kFontExtraHeight;
}

void SECMDIMenuBar::OnTrackMessage(MSG* pMsg)
{
    // A second press within the double-click time is a double click. On the icon it does what a
    // double click on a child's icon does: the child's menu closes and the child runs its default
    // command (closes). The press is used (the menu loop need not end on it by itself).
    if (pMsg->message == WM_LBUTTONDOWN && m_dwClickTime != 0 &&
        pMsg->time - m_dwClickTime <= ::GetDoubleClickTime())
    {
        CPoint point((short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam));
        if (GetButton(HitTest(point)) == &m_btnSysMenu)
        {
            ::EndMenu();
            RunChildDefaultCommand(TRUE);
            pMsg->message = WM_NULL;
        }
        return;
    }
    SECMenuBar::OnTrackMessage(pMsg);
}

void SECMDIMenuBar::RebuildFromMenu(BOOL bNoRecalc)
{
    TakeOwnButtonsOff();
    SECMenuBar::RebuildFromMenu(bNoRecalc);
}

BOOL SECMDIMenuBar::DropButton(CRect rect, SECStdBtn* pBtn, BOOL bCopy, BOOL bBatch)
{
    const BOOL bResult = SECMenuBar::DropButton(rect, pBtn, bCopy, TRUE);
    // The hot and the selected button stay the same buttons when the own ones move back.
    SECStdBtn* pHot = GetButton(m_nHot);
    SECStdBtn* pSelected = GetButton(m_nSelected);
    if (TakeOwnButtonsOff())
        PutOwnButtonsBack();
    m_nHot = pHot != NULL ? IndexOfButton(pHot) : -1;
    m_nSelected = pSelected != NULL ? IndexOfButton(pSelected) : -1;
    if (!bBatch)
        SizeToParent();
    return bResult;
}

BOOL SECMDIMenuBar::UpdateCaptionButtons(BOOL bForceHide)
{
    CMDIChildWnd* pChild = bForceHide ? NULL : GetActiveChild();
    if (pChild != NULL && pChild->IsZoomed() && (pChild->GetStyle() & WS_SYSMENU))
    {
        if (m_btnSysMenu.HasStyle(TBBS_HIDDEN))
        {
            m_btnSysMenu.SetStyle(m_btnSysMenu.GetStyle() & ~(UINT)TBBS_HIDDEN);
            m_btnSysMenu.Invalidate();
        }
        HICON hIcon = (HICON)pChild->SendMessage(WM_GETICON, ICON_BIG);
        if (hIcon == NULL)
            hIcon = (HICON)pChild->SendMessage(WM_GETICON, ICON_SMALL);
        if (hIcon == NULL)
            hIcon = (HICON)::GetClassLongPtr(pChild->m_hWnd, GCLP_HICONSM);
        if (hIcon != m_hChildIcon)
        {
            m_hChildIcon = m_btnSysMenu.m_hIcon = hIcon;
            m_btnSysMenu.Invalidate();
        }
        const DWORD dwMask = pChild->GetStyle() & kCaptionStyles;
        if (m_btnCaption.HasStyle(TBBS_HIDDEN) || m_btnCaption.m_dwStyleMask != dwMask)
        {
            m_btnCaption.m_dwStyleMask = dwMask;
            m_btnCaption.SetStyle(m_btnCaption.GetStyle() & ~(UINT)TBBS_HIDDEN);
            m_btnCaption.Invalidate();
            return TRUE;
        }
        return FALSE;
    }
    if (!m_btnCaption.HasStyle(TBBS_HIDDEN))
    {
        m_btnCaption.SetStyle(m_btnCaption.GetStyle() | TBBS_HIDDEN);
        m_btnSysMenu.SetStyle(m_btnSysMenu.GetStyle() | TBBS_HIDDEN);
        m_btnCaption.Invalidate();
        m_btnSysMenu.Invalidate();
        return TRUE;
    }
    return FALSE;
}

void SECMDIMenuBar::ShowMenuButtonsAndCaption(UINT nBit)
{
    ShowMenuButtons(nBit, FALSE);
    UpdateCaptionButtons(FALSE);
}

void SECMDIMenuBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_dwClickTime = (DWORD)::GetMessageTime();
    SECMenuBar::OnLButtonDown(nFlags, point);
    m_dwClickTime = 0;
}

void SECMDIMenuBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (GetButton(HitTest(point)) == &m_btnSysMenu)
    {
        RunChildDefaultCommand(FALSE);
        SECCustomToolBar::OnLButtonDblClk(nFlags, point);
        return;
    }
    SECMenuBar::OnLButtonDblClk(nFlags, point);
}

void SECMDIMenuBar::RunChildDefaultCommand(BOOL bPost)
{
    // A double click on the icon runs the child's default system command (closing it).
    CMDIChildWnd* pChild = GetActiveChild();
    HMENU hMenu = SECCapMenuBtn::GetSystemMenuOf(pChild);
    const UINT nDefault = hMenu != NULL ? ::GetMenuDefaultItem(hMenu, FALSE, 0) : (UINT)-1;
    if (pChild == NULL || nDefault == (UINT)-1)
        return;
    if (bPost)
        pChild->PostMessage(WM_SYSCOMMAND, nDefault);
    else
        pChild->SendMessage(WM_SYSCOMMAND, nDefault);
}
