// SECMDIFrameWnd: construction, filters, docking, floating as MDI child, the dock position
// cycle, dockable-frame activation and routing, menus and the custom caption.
#include "uilib/frames/mdi/MDIFrameWnd.h"
#include "FramesIds.h"
#include "FrameworkIds.h"
#include "uilib/bars/ControlBar.h"
#include "uilib/bars/MDIMenuBar.h"
#include "uilib/bars/MenuBarFeature.h"
#include "uilib/bars/WorkspaceManagerEx.h"
#include "uilib/frames/docking/CaptionPainter.h"
#include "uilib/frames/docking/DockBar.h"
#include "uilib/frames/docking/DockableFrame.h"
#include "uilib/frames/docking/FrameDocking.h"
#include "uilib/frames/docking/FrameMenus.h"
#include "uilib/frames/docking/MiniDockFrameWnd.h"
#include "uilib/common/SystemData.h"
#include "uilib/frames/mdi/CapConLstMDIMaxChildMsgFilter.h"
#include "uilib/frames/mdi/ControlBarMDIChildWnd.h"
#include "uilib/frames/mdi/MultiDocTemplate.h"
#include "uilib/frames/mdi/ScxButtonMDIMaxChildMsgFilter.h"
#include "uilib/frames/mdi/ScxMsgFilter.h"
#include "uilib/frames/mdi/ScxNCRDBLClkMDIMaxChildMsgFilter.h"
#include "uilib/frames/plugins/WndPlugIn.h"
#include <algorithm>

using namespace nsSysCommandEx;

namespace
{
UINT s_nGetMenuMessage = SECFrameDocking::GetMenuMessage();
BOOL s_bBarContextMenu = FALSE;

// Where documents dock one after the other: dock bars, a 0 before a bar starting a new row.
// clang-format off
const DWORD kDockCycle[SECMDIFrameWnd::dockCycleLength] = {
    0, AFX_IDW_DOCKBAR_BOTTOM, 0, AFX_IDW_DOCKBAR_LEFT, 0, AFX_IDW_DOCKBAR_RIGHT,
    AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT,
    AFX_IDW_DOCKBAR_BOTTOM, 0, AFX_IDW_DOCKBAR_LEFT, 0, AFX_IDW_DOCKBAR_RIGHT,
    0, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT,
    AFX_IDW_DOCKBAR_BOTTOM, 0, AFX_IDW_DOCKBAR_LEFT, 0, AFX_IDW_DOCKBAR_RIGHT,
    AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT,
};
// clang-format on

const DWORD kBarMDIChildStyle = WS_CHILD | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                                WS_MINIMIZEBOX | WS_MAXIMIZEBOX | FWS_ADDTOTITLE | FWS_SNAPTOBARS;

// Extended bar style: the bar's context menu offers floating as an MDI child.
const DWORD kBarExFloatAsMDIChild = 0x20;

const char kPropPreFloatStyle[] = "SECDockableFrame PreFloat Docked Style";
const char kPropPreFloatExStyle[] = "SECDockableFrame PreFloat Docked ExStyle";

BOOL AnySECMultiDocTemplate()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return FALSE;
    POSITION pos = pApp->GetFirstDocTemplatePosition();
    while (pos != NULL)
    {
        if (pApp->GetNextDocTemplate(pos)->IsKindOf(RUNTIME_CLASS(SECMultiDocTemplate)))
            return TRUE;
    }
    return FALSE;
}

BOOL IsTopOrLeft(UINT nDockBarID)
{
    return nDockBarID == AFX_IDW_DOCKBAR_TOP || nDockBarID == AFX_IDW_DOCKBAR_LEFT;
}

// The view of a frame, when the focus is on it or inside it.
CView* ViewHoldingFocus(CFrameWnd* pFrame)
{
    CView* pView = pFrame != NULL ? pFrame->GetActiveView() : NULL;
    HWND hFocus = ::GetFocus();
    if (pView != NULL && (hFocus == pView->m_hWnd || ::IsChild(pView->m_hWnd, hFocus)))
        return pView;
    return NULL;
}
} // namespace

IMPLEMENT_DYNCREATE(SECMDIFrameWnd, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(SECMDIFrameWnd, CMDIFrameWnd)
ON_WM_CREATE()
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_WM_NCACTIVATE()
ON_WM_NCPAINT()
ON_MESSAGE(WM_NCLBUTTONDOWN, OnFilteredMouse)
ON_MESSAGE(WM_NCRBUTTONDOWN, OnFilteredMouse)
ON_MESSAGE(WM_NCRBUTTONDBLCLK, OnFilteredMouse)
ON_MESSAGE(WM_LBUTTONUP, OnFilteredMouse)
ON_MESSAGE(WM_MOUSEMOVE, OnFilteredMouse)
ON_WM_ACTIVATEAPP()
ON_WM_ACTIVATE()
ON_WM_ENTERIDLE()
ON_WM_NCHITTEST()
ON_WM_ENABLE()
ON_WM_SYSCOLORCHANGE()
ON_MESSAGE(WM_SEC_BARCONTEXTMENU, OnBarContextMenu)
ON_REGISTERED_MESSAGE(s_nGetMenuMessage, OnSecGetMenu)
ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
SEC_ON_WORKSPACE_COMMANDS()
END_MESSAGE_MAP()

SECMDIFrameWnd::SECMDIFrameWnd()
    : m_pDockBarClass(NULL), m_pMDIChildBarFrameClass(NULL),
      m_ptNextMDIChildBar(firstMDIChildBarPos, firstMDIChildBarPos), m_pActiveDockableFrame(NULL),
      m_pControlBarManager(NULL), m_bActivationGuard(FALSE), m_nCaptionAlign(0), m_bCaptionActive(FALSE),
      m_bCustomCaption(FALSE), m_pMsgFilter(new SECMsgFilter), m_pCaptionListDescriptor(NULL),
      m_bDelayMenuBarLayout(FALSE), m_pMenuBar(NULL), m_pMenuPlugIn(NULL), m_bBmpMenus(FALSE),
      m_bBmpMenus2(FALSE), m_hMenuBarDefault(NULL), m_nIDMenuResource(0), m_nIDFrameResource(0),
      m_pWorkspacePlugIn(NULL), m_bNewShell(LOBYTE(LOWORD(::GetVersion())) >= 4), m_nDockCycleCursor(0),
      m_rectLastClient(0, 0, 0, 0), m_bDockingBusy(FALSE)
{
    m_mapMenus.InitHashTable(17);
    m_pMsgFilter->SetID((UINT)-1);
    m_filterTable.Add(
        new SECMsgFilter::Descriptor(filterSysCommandEx, (UINT)-1, RUNTIME_CLASS(ScxMsgFilter), 0));
    m_pCaptionListDescriptor = new SECMsgFilter::Descriptor(
        filterButtonList, (UINT)-1, RUNTIME_CLASS(SECCapConLstMDIMaxChildMsgFilter), 0);
    m_filterTable.Add(m_pCaptionListDescriptor);
    m_filterTable.Add(new SECMsgFilter::Descriptor(filterMaxChildButton, filterButtonList,
                                                   RUNTIME_CLASS(ScxButtonMDIMaxChildMsgFilter), 0));
    m_filterTable.Add(new SECMsgFilter::Descriptor(filterMaxChildRDblClk, (UINT)-1,
                                                   RUNTIME_CLASS(ScxNCRDBLClkMDIMaxChildMsgFilter), 0));
    m_arrDockCycle.SetSize(0, dockCycleLength);
    for (DWORD dwID : kDockCycle)
        m_arrDockCycle.Add(dwID);
    EnableSysCommandEx(AnySECMultiDocTemplate());
}

SECMDIFrameWnd::~SECMDIFrameWnd()
{
    if (m_hMenuBarDefault != NULL)
        ::DestroyMenu(m_hMenuBarDefault);
    delete m_pMenuPlugIn;
    delete m_pWorkspacePlugIn;
    POSITION pos = m_listDynamicBars.GetHeadPosition();
    while (pos != NULL)
        delete (CControlBar*)m_listDynamicBars.GetNext(pos);
    m_listDynamicBars.RemoveAll();
    pos = m_mapMenus.GetStartPosition();
    while (pos != NULL)
    {
        UINT nID;
        HMENU hMenu;
        m_mapMenus.GetNextAssoc(pos, nID, hMenu);
        ::DestroyMenu(hMenu);
    }
    m_mapMenus.RemoveAll();
    SECMsgFilter::DeleteRoot(m_pMsgFilter);
    m_pMsgFilter = NULL;
    m_filterTable.RemoveAllDescriptors();
}

void SECMDIFrameWnd::EnableBarContextMenu(BOOL bEnable)
{
    s_bBarContextMenu = bEnable;
}

BOOL SECMDIFrameWnd::IsBarContextMenuEnabled()
{
    return s_bBarContextMenu;
}

void SECMDIFrameWnd::EnableSysCommandEx(BOOL bEnable)
{
    m_pMsgFilter->SetWindow(this, TRUE);
    const BOOL enables[] = {bEnable, TRUE, TRUE, TRUE};
    m_pMsgFilter->ApplyDescriptorTable(m_filterTable, enables);
    SECMsgFilter* pList = m_pMsgFilter->FindOrCreateFilter(filterButtonList, NULL, -1);
    if (pList != NULL && pList->IsKindOf(RUNTIME_CLASS(SECCaptionControlListMsgFilter)))
    {
        // Only the maximised child's extra button stays in the list.
        SECCaptionControlListMsgFilter* pButtons = (SECCaptionControlListMsgFilter*)pList;
        pButtons->ApplyDescriptorTableAll(pButtons->GetDescriptorTable(), FALSE);
    }
}

// ---- docking

void SECMDIFrameWnd::EnableDocking(DWORD dwDockStyle, DWORD dwBarStyle)
{
    if (m_pFloatingFrameClass == NULL)
        m_pFloatingFrameClass = RUNTIME_CLASS(SECMiniDockFrameWnd);
    if (m_pMDIChildBarFrameClass == NULL)
        m_pMDIChildBarFrameClass = RUNTIME_CLASS(SECControlBarMDIChildWnd);
    if (m_pDockBarClass == NULL)
        m_pDockBarClass = RUNTIME_CLASS(SECDockBar);
    SECFrameDocking::EnableDocking(this, dwDockStyle, dwBarStyle,
                                   [this] { return (CDockBar*)CreateDockBar(); });
}

SECDockBar* SECMDIFrameWnd::CreateDockBar()
{
    CRuntimeClass* pClass = m_pDockBarClass != NULL ? m_pDockBarClass : RUNTIME_CLASS(SECDockBar);
    return DYNAMIC_DOWNCAST(SECDockBar, pClass->CreateObject());
}

void SECMDIFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    DockControlBar(pBar, nDockBarID != 0 ? SECFrameDocking::GetDockBar(this, nDockBarID) : NULL, lpRect);
}

void SECMDIFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    CFrameWnd* pEmbedded = pBar->IsFloating() ? GetEmbeddedFrame(pBar) : NULL;
    if (pEmbedded != NULL)
        SetDockableFrameFloatStyles(pEmbedded, FALSE);
    SECFrameDocking::DockControlBar(this, pBar, pDockBar, lpRect);
}

void SECMDIFrameWnd::ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    CFrameWnd* pEmbedded = pBar->IsFloating() ? GetEmbeddedFrame(pBar) : NULL;
    if (pEmbedded != NULL)
        SetDockableFrameFloatStyles(pEmbedded, FALSE);
    SECFrameDocking::ReDockControlBar(this, pBar, pDockBar, lpRect);
}

void SECMDIFrameWnd::DockControlBarEx(CControlBar* pBar, const SECDockBarPosition& pos, UINT nDockBarID,
                                      const SECDockSizeRecord& size)
{
    CFrameWnd* pEmbedded = pBar->IsFloating() ? GetEmbeddedFrame(pBar) : NULL;
    if (pEmbedded != NULL)
        SetDockableFrameFloatStyles(pEmbedded, FALSE);
    SECFrameDocking::DockControlBarEx(this, pBar, nDockBarID, pos, size.fPctWidth, size.nLength);
}

void SECMDIFrameWnd::DockControlBarEx(CControlBar* pBar, UINT nDockBarID, int nCol, int nRow, float fPctWidth,
                                      int nHeight)
{
    const SECDockBarPosition pos = {nRow, nCol, 0};
    const SECDockSizeRecord size = {fPctWidth, nHeight, 0};
    DockControlBarEx(pBar, pos, nDockBarID, size);
}

void SECMDIFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    SECFrameDocking::FloatControlBar(this, pBar, point, dwStyle);
    CFrameWnd* pEmbedded = GetEmbeddedFrame(pBar);
    if (pEmbedded != NULL)
    {
        SetDockableFrameFloatStyles(pEmbedded, TRUE);
        // Without its own caption the floating frame fits around the bar again.
        SECMiniDockFrameWnd* pFloatFrame = DYNAMIC_DOWNCAST(SECMiniDockFrameWnd, pBar->GetParentFrame());
        if (pFloatFrame != NULL)
        {
            CRect rect;
            pFloatFrame->GetWindowRect(&rect);
            pFloatFrame->RecalcLayoutAt(rect.left, rect.top, TRUE);
        }
        FitEmbeddedFrame(pEmbedded);
    }
}

void SECMDIFrameWnd::FloatControlBarInMDIChild(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    if (m_hWndMDIClient == NULL)
        return;
    SECFrameDocking::NotifyBeforeFloat(pBar);
    CRect rectClient;
    ::GetClientRect(m_hWndMDIClient, &rectClient);
    if (point.x < 0 || point.y < 0)
    {
        // The cascade of bars floated without a place; each axis starts again on its own.
        point = m_ptNextMDIChildBar;
        m_ptNextMDIChildBar.x += mdiChildBarStepX;
        if (m_ptNextMDIChildBar.x > rectClient.Width() - firstMDIChildBarPos)
            m_ptNextMDIChildBar.x = firstMDIChildBarPos;
        m_ptNextMDIChildBar.y += mdiChildBarStepY;
        if (m_ptNextMDIChildBar.y > rectClient.Height() - firstMDIChildBarPos)
            m_ptNextMDIChildBar.y = firstMDIChildBarPos;
    }
    else
        ::ScreenToClient(m_hWndMDIClient, &point);
    point.x = std::max<LONG>(0, std::min<LONG>(point.x, rectClient.Width()));
    point.y = std::max<LONG>(0, std::min<LONG>(point.y, rectClient.Height() - firstMDIChildBarPos));

    SECControlBar* pSECBar = DYNAMIC_DOWNCAST(SECControlBar, pBar);
    CDockBar* pOldDock = pBar->m_pDockBar;
    if (pSECBar != NULL && pSECBar->IsFloatingAsMDIChild() && pOldDock != NULL &&
        pOldDock->GetDockedCount() == 1 && (dwStyle & pOldDock->m_dwStyle & CBRS_ALIGN_ANY) != 0)
    {
        CFrameWnd* pChild = pOldDock->GetParentFrame();
        pChild->SetWindowPos(NULL, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        pChild->RecalcLayout();
        SECFrameDocking::NotifyAfterFloat(pBar);
        return;
    }
    if (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)
    {
        dwStyle |= CBRS_SIZE_DYNAMIC;
        if (dwStyle & CBRS_ORIENT_VERT)
            dwStyle = (dwStyle & ~CBRS_ALIGN_ANY) | CBRS_ALIGN_TOP;
    }
    // Any child class for bars: its floating dock bar is found by id (the workbook's sheets too).
    CFrameWnd* pChild = CreateMDIChildFrameForBar();
    CDockBar* pChildDock =
        pChild != NULL
            ? DYNAMIC_DOWNCAST(CDockBar,
                               CWnd::FromHandlePermanent(::GetDlgItem(pChild->m_hWnd, AFX_IDW_DOCKBAR_FLOAT)))
            : NULL;
    if (pChildDock == NULL)
    {
        if (pChild != NULL)
            pChild->DestroyWindow();
        SECFrameDocking::NotifyAfterFloat(pBar);
        return;
    }
    pChildDock->m_dwStyle = (pChildDock->m_dwStyle & ~CBRS_ALIGN_ANY) | (dwStyle & CBRS_ALIGN_ANY);
    SECFrameDocking::DockIntoDockBar(pChildDock, pBar, NULL);
    pChild->RecalcLayout();
    pChild->SetWindowPos(NULL, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pChild->ShowWindow(SW_SHOWNA);
    HICON hIcon = (HICON)pBar->SendMessage(WM_GETICON, ICON_BIG);
    if (hIcon != NULL)
        pChild->SendMessage(WM_SETICON, ICON_BIG, (LPARAM)hIcon);
    SECFrameDocking::NotifyAfterFloat(pBar);
}

CFrameWnd* SECMDIFrameWnd::CreateMDIChildFrameForBar()
{
    CRuntimeClass* pClass =
        m_pMDIChildBarFrameClass != NULL ? m_pMDIChildBarFrameClass : RUNTIME_CLASS(SECControlBarMDIChildWnd);
    CFrameWnd* pChild = DYNAMIC_DOWNCAST(CFrameWnd, pClass->CreateObject());
    if (pChild == NULL)
        AfxThrowMemoryException();
    if (!pChild->LoadFrame(IDR_SEC_BAR_MDICHILD, kBarMDIChildStyle, this, NULL))
    {
        if (pChild->m_hWnd == NULL)
            delete pChild;
        return NULL;
    }
    return pChild;
}

void SECMDIFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    if (((pBar->GetStyle() & WS_VISIBLE) != 0) == (bShow != 0))
        return;
    CFrameWnd* pDockFrame = pBar->GetDockingFrame();
    if (bDelay)
    {
        pBar->DelayShow(bShow);
        if (pDockFrame != NULL)
            pDockFrame->DelayRecalcLayout(TRUE);
    }
    else
    {
        pBar->SetWindowPos(NULL, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                               (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
        pBar->DelayShow(bShow);
        if (pDockFrame != NULL && !(pBar->IsFloating() && !bShow))
            pDockFrame->RecalcLayout(FALSE);
    }
    if (pBar->IsFloating())
    {
        // The floating frame (or bar-hosting MDI child) shows with its first visible bar.
        CFrameWnd* pFloatFrame = pBar->GetParentFrame();
        const int nVisible =
            pBar->m_pDockBar != NULL ? pBar->m_pDockBar->GetDockedVisibleCount() : (bShow ? 1 : 0);
        if (pFloatFrame != NULL)
        {
            if (nVisible == 0)
            {
                if (bDelay)
                    pFloatFrame->m_nShowDelay = SW_HIDE;
                else
                    pFloatFrame->ShowWindow(SW_HIDE);
            }
            else if (nVisible == 1 && bShow)
            {
                if (bDelay)
                    pFloatFrame->m_nShowDelay = SW_SHOWNA;
                else
                    pFloatFrame->ShowWindow(SW_SHOWNA);
            }
            if ((nVisible >= 2 && !bDelay) || (nVisible == 1 && (bShow ? bDelay : !bDelay)))
                pFloatFrame->RecalcLayout(FALSE);
        }
    }
    SECDockBar* pSECDock = DYNAMIC_DOWNCAST(SECDockBar, pBar->m_pDockBar);
    if (pSECDock != NULL)
        pSECDock->RedrawDockBar();
}

CFrameWnd* SECMDIFrameWnd::GetEmbeddedFrame(CWnd* pBar)
{
    CWnd* pChild = pBar != NULL ? pBar->GetWindow(GW_CHILD) : NULL;
    return pChild != NULL ? DYNAMIC_DOWNCAST(SECFrameWnd, CWnd::FromHandlePermanent(pChild->m_hWnd)) : NULL;
}

void SECMDIFrameWnd::SetDockableFrameFloatStyles(CFrameWnd* pFrame, BOOL bFloating)
{
    if (pFrame == NULL || pFrame->m_hWnd == NULL)
        return;
    if (bFloating)
    {
        // Floated again while floating (a drag to another place): the docked styles stay the ones
        // kept when it left its dock, not the floating ones it has now.
        if (::GetProp(pFrame->m_hWnd, kPropPreFloatStyle) == NULL)
        {
            ::SetProp(pFrame->m_hWnd, kPropPreFloatStyle, (HANDLE)(DWORD_PTR)pFrame->GetStyle());
            ::SetProp(pFrame->m_hWnd, kPropPreFloatExStyle, (HANDLE)(DWORD_PTR)pFrame->GetExStyle());
        }
        const DWORD dwMainStyle = GetStyle(), dwMainExStyle = GetExStyle();
        // The floating frame around it gives up its caption to the document frame.
        CFrameWnd* pFloatFrame = pFrame->GetParentFrame();
        if (pFloatFrame != NULL)
        {
            pFloatFrame->ModifyStyle(dwMainStyle, WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
            pFloatFrame->ModifyStyleEx(dwMainExStyle, 0);
        }
        pFrame->ModifyStyle(0, (dwMainStyle & 0x10CFFFFF) | WS_CAPTION);
        pFrame->ModifyStyleEx(0, dwMainExStyle & 0x000203A9, SWP_FRAMECHANGED);
    }
    else
    {
        HANDLE hStyle = ::GetProp(pFrame->m_hWnd, kPropPreFloatStyle);
        HANDLE hExStyle = ::GetProp(pFrame->m_hWnd, kPropPreFloatExStyle);
        if (hStyle == NULL)
            return;
        ::SetWindowLong(pFrame->m_hWnd, GWL_STYLE, (LONG)(DWORD_PTR)hStyle);
        ::SetWindowLong(pFrame->m_hWnd, GWL_EXSTYLE, (LONG)(DWORD_PTR)hExStyle);
        ::RemoveProp(pFrame->m_hWnd, kPropPreFloatStyle);
        ::RemoveProp(pFrame->m_hWnd, kPropPreFloatExStyle);
        pFrame->SetWindowPos(NULL, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
}

void SECMDIFrameWnd::FitEmbeddedFrame(CWnd* pFrame)
{
    CFrameWnd* pParentFrame = pFrame != NULL ? pFrame->GetParentFrame() : NULL;
    CWnd* pParent = pFrame != NULL ? pFrame->GetParent() : NULL;
    if (pParentFrame == NULL || pParent == NULL)
        return;
    CRect rect;
    pParentFrame->GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    pFrame->SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
}

void SECMDIFrameWnd::GetNextDockPosition(UINT* pnDockBarID, SECDockBarPosition* pPos,
                                         SECDockSizeRecord* pSize)
{
    if (pSize != NULL)
        *pSize = SECDockPlacement::DefaultSize();
    const int nCount = (int)m_arrDockCycle.GetSize();
    for (int i = 0; i < nCount; ++i)
    {
        const int nIndex = (m_nDockCycleCursor + i) % nCount;
        const UINT nID = m_arrDockCycle[nIndex];
        if (nID == 0)
            continue;
        SECDockBarPosition pos = {0, 1, SECDockBarPosition::columnsFromEnd};
        if (IsTopOrLeft(nID))
            pos.nFlags = SECDockBarPosition::rowsFromEnd | SECDockBarPosition::columnsFromEnd;
        const UINT nPrevious = m_arrDockCycle[nIndex == 0 ? nCount - 1 : nIndex - 1];
        if (nCount > 1 && nPrevious == 0)
        {
            // A separator before the entry: the frame starts a new row.
            pos.nFlags |= SECDockBarPosition::newRow;
            if (IsTopOrLeft(nID))
                pos.nRow = 1;
        }
        m_nDockCycleCursor = nIndex + 1;
        if (pnDockBarID != NULL)
            *pnDockBarID = nID;
        if (pPos != NULL)
            *pPos = pos;
        return;
    }
    if (pnDockBarID != NULL)
        *pnDockBarID = AFX_IDW_DOCKBAR_BOTTOM;
    if (pPos != NULL)
        *pPos = SECDockBarPosition{0, 0, SECDockBarPosition::newRow};
}

void SECMDIFrameWnd::LoadBarState(LPCTSTR lpszProfileName)
{
    SECFrameDocking::LoadBarState(this, m_pControlBarManager, &m_listDynamicBars, lpszProfileName);
}

void SECMDIFrameWnd::SaveBarState(LPCTSTR lpszProfileName)
{
    SECFrameDocking::SaveBarState(this, m_pControlBarManager, lpszProfileName);
}

// ---- activation and routing

CFrameWnd* SECMDIFrameWnd::GetActiveFrame()
{
    return m_pActiveDockableFrame != NULL ? m_pActiveDockableFrame : CMDIFrameWnd::GetActiveFrame();
}

void SECMDIFrameWnd::ActivateDockableFrame(CFrameWnd* pFrame, BOOL bForce)
{
    if (pFrame != NULL && pFrame == m_pActiveDockableFrame && !bForce)
        return;
    CFrameWnd* pPrevious = GetActiveFrame();
    DeactivateDockableFrame(pFrame == NULL);
    if (CView* pView = ViewHoldingFocus(pPrevious != this ? pPrevious : NULL))
        pView->OnActivateView(FALSE, pView, pView);
    if (pFrame != NULL)
    {
        pFrame->SendMessage(WM_NCACTIVATE, TRUE);
        m_pActiveDockableFrame = pFrame;
        ::SendMessage(m_hWndMDIClient, WM_MDIACTIVATE, 0, 0);
        CMDIChildWnd* pChild = MDIGetActive();
        if (pChild != NULL)
            pChild->SendMessage(WM_NCACTIVATE, FALSE);
        CView* pView = pFrame->GetActiveView();
        if (pView != NULL && ViewHoldingFocus(pFrame) == NULL)
            pView->OnActivateView(TRUE, pView, pView);
    }
    OnUpdateFrameTitle(TRUE);
    if (!HasMenuBar())
    {
        OnUpdateFrameMenu(NULL);
        DrawMenuBar();
    }
    else
    {
        CFrameWnd* pActive = pFrame != NULL ? pFrame : GetActiveFrame();
        const UINT nID = pActive != NULL ? pActive->m_nIDHelp : 0;
        SwitchMenuBarMenu(nID != 0 ? nID : (UINT)-1);
    }
}

void SECMDIFrameWnd::DeactivateDockableFrame(BOOL bActivateMDI)
{
    CFrameWnd* pFrame = m_pActiveDockableFrame;
    if (pFrame != NULL)
    {
        CView* pView = pFrame->GetActiveView();
        if (pView != NULL)
            pView->OnActivateView(FALSE, pView, pView);
        pFrame->SendMessage(WM_NCACTIVATE, FALSE);
        m_pActiveDockableFrame = NULL;
        if (ViewHoldingFocus(pFrame) != NULL)
            ::SetFocus(NULL);
    }
    if (bActivateMDI)
    {
        CMDIChildWnd* pChild = MDIGetActive();
        if (pChild != NULL)
        {
            ::SendMessage(m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)pChild->m_hWnd, 0);
            pChild->SendMessage(WM_NCACTIVATE, TRUE);
        }
    }
}

BOOL SECMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CFrameWnd* pActive = m_pActiveDockableFrame != NULL ? m_pActiveDockableFrame : MDIGetActive();
    if (pActive != NULL)
    {
        CPushRoutingFrame push(this);
        if (pActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
    }
    if (m_pWorkspacePlugIn != NULL)
    {
        // Only what the plug-in marks handled stays away from the frame's own map.
        BOOL bResult = m_pWorkspacePlugIn->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
        if (m_pWorkspacePlugIn->m_bMsgConsumed)
        {
            m_pWorkspacePlugIn->m_bMsgConsumed = FALSE;
            return bResult;
        }
    }
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

tessaron::foundation::SECWndPlugIn* SECMDIFrameWnd::InitWorkspaceMgrEx(LPCTSTR lpszBaseKey, int nMode,
                                                                       CRuntimeClass* pClass,
                                                                       BOOL bListInAppSection)
{
    tessaron::foundation::SECWndPlugIn* pPlugIn =
        SECWorkspaceManagerEx::CreatePlugIn(pClass, this, lpszBaseKey, nMode, bListInAppSection);
    if (pPlugIn != NULL)
    {
        delete m_pWorkspacePlugIn;
        m_pWorkspacePlugIn = pPlugIn;
    }
    return pPlugIn;
}

BOOL SECMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // The active document frame sees a command before the main frame does.
    CFrameWnd* pActive = m_pActiveDockableFrame != NULL ? m_pActiveDockableFrame : MDIGetActive();
    if (pActive != NULL && pActive->SendMessage(WM_COMMAND, wParam, lParam) != 0)
        return TRUE;
    return CMDIFrameWnd::OnCommand(wParam, lParam);
}

void SECMDIFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    ActivateFrameState(nState, pWndOther);
    NotifyViewActivation(nState, pWndOther, bMinimized);
}

void SECMDIFrameWnd::NotifyViewActivation(UINT nState, CWnd* /*pWndOther*/, BOOL bMinimized)
{
    if (m_bActivationGuard)
        return;
    CView* pView = GetActiveView();
    if (pView == NULL)
    {
        CFrameWnd* pActive = GetActiveFrame();
        pView = pActive != NULL ? pActive->GetActiveView() : NULL;
    }
    if (pView == NULL)
        return;
    if (nState != WA_INACTIVE && !bMinimized)
    {
        const HWND hWndFore = ::GetForegroundWindow();
        pView->OnActivateView(TRUE, pView, pView);
        if (::GetForegroundWindow() != hWndFore)
        {
            // A view that took the foreground while being told gives it back.
            m_bActivationGuard = TRUE;
            const HWND hWndBack = hWndFore != NULL ? hWndFore : (::IsWindow(m_hWnd) ? m_hWnd : NULL);
            if (hWndBack != NULL)
            {
                ::SetActiveWindow(hWndBack);
                ::SetForegroundWindow(hWndBack);
            }
            m_bActivationGuard = FALSE;
        }
    }
    pView->OnActivateFrame(nState, this);
}

LRESULT SECMDIFrameWnd::OnCommandHelp(WPARAM wParam, LPARAM lParam)
{
    CFrameWnd* pActive = m_pActiveDockableFrame != NULL ? m_pActiveDockableFrame : MDIGetActive();
    if (pActive != NULL && pActive->SendMessage(WM_COMMANDHELP, wParam, lParam) != 0)
        return TRUE;
    return CFrameWnd::OnCommandHelp(wParam, lParam);
}

LRESULT SECMDIFrameWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == GetMessageID())
    {
        LRESULT lResult = 0;
        if (m_pMsgFilter != NULL)
            m_pMsgFilter->FilterMessage(nMsg, wParam, lParam, &lResult);
        return lResult;
    }
    return CMDIFrameWnd::DefWindowProc(nMsg, wParam, lParam);
}

void SECMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CFrameWnd* pActive = GetActiveFrame();
    CDocument* pDoc = pActive != NULL && pActive != this ? pActive->GetActiveDocument() : NULL;
    if (bAddToTitle && pDoc != NULL && (pActive->GetStyle() & WS_MAXIMIZE) == 0)
    {
        m_nWindow = pActive->m_nWindow;
        UpdateFrameTitleForDocument(pDoc->GetTitle());
        m_nWindow = 0;
    }
    else
        UpdateFrameTitleForDocument(NULL);
}

void SECMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    if (SECDockableFrame* pDockable = DYNAMIC_DOWNCAST(SECDockableFrame, m_pActiveDockableFrame))
    {
        pDockable->OnUpdateFrameMenu(TRUE, pDockable, hMenuAlt);
        return;
    }
    CMDIChildWnd* pChild = MDIGetActive();
    if (pChild != NULL)
    {
        pChild->OnUpdateFrameMenu(TRUE, pChild, hMenuAlt);
        return;
    }
    if (hMenuAlt == NULL)
        hMenuAlt = m_hMenuDefault;
    ::SendMessage(m_hWndMDIClient, WM_MDISETMENU, (WPARAM)hMenuAlt, (LPARAM)GetWindowMenuPopup(hMenuAlt));
    ::DrawMenuBar(m_hWnd);
    if (HasMenuBar())
        SyncMDIWindowMenu();
}

void SECMDIFrameWnd::RecalcLayout(BOOL bNotify)
{
    CMDIFrameWnd::RecalcLayout(bNotify);
    SECFrameDocking::AfterRecalcLayout(this, m_rectLastClient);
}

// ---- menus

BOOL SECMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                               CCreateContext* pContext)
{
    m_nIDMenuResource = nIDResource;
    m_nIDFrameResource = nIDResource;
    if (!HasMenuBar())
        return CMDIFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
    // With a menu bar the window has no menu: the resource's menu is the bar's default menu,
    // loaded first so that the MDI client finds its window popup there.
    if (!BeginLoadFrame(nIDResource))
        return FALSE;
    if (m_hMenuBarDefault == NULL)
        m_hMenuBarDefault = ::LoadMenu(AfxFindResourceHandle(MAKEINTRESOURCE(nIDResource), RT_MENU),
                                       MAKEINTRESOURCE(nIDResource));
    if (!CreateLoadedFrame(nIDResource, dwDefaultStyle, pParentWnd, NULL, pContext))
        return FALSE;
    SwitchMenuBarMenu((UINT)-1);
    EndLoadFrame(pContext);
    return TRUE;
}

BOOL SECMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*)
{
    HMENU hWindowMenu = GetWindowMenuPopup(GetCurrentMenu());
    return CreateClient(lpcs, hWindowMenu != NULL ? CMenu::FromHandle(hWindowMenu) : NULL);
}

BOOL SECMDIFrameWnd::NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder)
{
    // Whoever takes all border space away (an in-place item) hides the frame's bars: the menu
    // bar stays.
    const UINT kBorderGet = 1;
    if (HasMenuBar() && nBorderCmd != kBorderGet &&
        (lpRectBorder == NULL || CRect(lpRectBorder).IsRectNull()))
        m_pMenuBar->SetIgnoreNextHide(TRUE);
    return CMDIFrameWnd::NegotiateBorderSpace(nBorderCmd, lpRectBorder);
}

HMENU SECMDIFrameWnd::GetCurrentMenu()
{
    if (!HasMenuBar())
        return ::GetMenu(m_hWnd);
    // A bar-hosting child's id (or none yet) names no menu of its own: the default menu stands in.
    HMENU hMenu = GetMenuForResource(m_pMenuBar->GetCurrentMenuID());
    return hMenu != NULL ? hMenu : GetDefaultMenu();
}

HMENU SECMDIFrameWnd::GetDefaultMenu()
{
    return HasMenuBar() ? m_hMenuBarDefault : m_hMenuDefault;
}

HMENU SECMDIFrameWnd::GetMenuForResource(UINT nID)
{
    HMENU hDefault = GetDefaultMenu();
    if (hDefault != NULL && nID == m_nIDFrameResource)
        return hDefault;
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
    {
        POSITION pos = pApp->GetFirstDocTemplatePosition();
        while (pos != NULL)
        {
            CMultiDocTemplate* pTemplate = DYNAMIC_DOWNCAST(CMultiDocTemplate, pApp->GetNextDocTemplate(pos));
            if (pTemplate != NULL && pTemplate->m_nIDResource == nID)
                return pTemplate->m_hMenuShared;
        }
    }
    HMENU hMenu = NULL;
    return m_mapMenus.Lookup(nID, hMenu) ? hMenu : NULL;
}

LRESULT SECMDIFrameWnd::OnSecGetMenu(WPARAM wParam, LPARAM lParam)
{
    // Id 0 asks for the menu shown now.
    HMENU hMenu = wParam != 0 ? GetMenuForResource((UINT)wParam) : GetCurrentMenu();
    return SECFrameDocking::AnswerGetMenu(hMenu, (int)lParam);
}

SECMenuBarFeature* SECMDIFrameWnd::GetMenuBarFeature() const
{
    return HasMenuBar() ? SECFrameMenus::GetFeature(m_pMenuPlugIn) : NULL;
}

BOOL SECMDIFrameWnd::AddMenuImages(UINT nToolBarID)
{
    return SECFrameMenus::AddMenuImages(m_pMenuPlugIn, nToolBarID);
}

void SECMDIFrameWnd::SwitchMenuBarMenu(UINT nID)
{
    SECMenuBarFeature* pFeature = GetMenuBarFeature();
    if (pFeature == NULL)
        return;
    if (nID != 0 && nID != (UINT)-1)
        pFeature->OnMenuChanged(nID);
    else
    {
        pFeature->OnMenuChanged(m_nIDMenuResource);
        UpdateMenuBarCaptionButtons();
    }
    SyncMDIWindowMenu();
}

void SECMDIFrameWnd::UpdateMenuBarCaptionButtons()
{
    SECMDIMenuBar* pBar = DYNAMIC_DOWNCAST(SECMDIMenuBar, m_pMenuBar);
    if (pBar == NULL || pBar->m_hWnd == NULL || !pBar->UpdateCaptionButtons(FALSE))
        return;
    pBar->Invalidate();
    CFrameWnd* pDockFrame = pBar->GetDockingFrame();
    (pDockFrame != NULL ? pDockFrame : this)->RecalcLayout();
}

void SECMDIFrameWnd::SyncMDIWindowMenu()
{
    if (!HasMenuBar() || m_hWndMDIClient == NULL)
        return;
    // The child list goes into the window popup of the menu the bar shows, unless the main window
    // has a window menu of its own that holds it.
    HMENU hWindowMenu = GetWindowMenuPopup(GetMenuForResource(m_pMenuBar->GetCurrentMenuID()));
    CWnd* pMain = AfxGetMainWnd();
    if (hWindowMenu != NULL && ::GetMenu(pMain != NULL ? pMain->m_hWnd : m_hWnd) == NULL)
    {
        ::SendMessage(m_hWndMDIClient, WM_MDISETMENU, 0, (LPARAM)hWindowMenu);
        // A popup taking the list from none gets it only when the list is refreshed.
        ::SendMessage(m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
    }
}

LRESULT SECMDIFrameWnd::OnBarContextMenu(WPARAM wParam, LPARAM lParam)
{
    // Pointers in the parameters: only our own thread's sends, for a bar of this frame.
    if (::InSendMessage())
        return 0;
    CControlBar* pBar = (CControlBar*)wParam;
    CMenu* pMenu = (CMenu*)lParam;
    if (pBar == NULL || m_listControlBars.Find(pBar) == NULL || pMenu == NULL || !::IsMenu(pMenu->m_hMenu))
        return 0;
    HMENU hMenu = pMenu->m_hMenu;
    SECControlBar* pSECBar = DYNAMIC_DOWNCAST(SECControlBar, pBar);
    const BOOL bInMDIChild = pSECBar != NULL && pSECBar->IsFloatingAsMDIChild();
    if (bInMDIChild)
        ::EnableMenuItem(hMenu, 43040, MF_BYCOMMAND | MF_GRAYED);
    if (pSECBar != NULL && (pSECBar->m_dwExStyle & kBarExFloatAsMDIChild))
    {
        CString strText;
        strText.LoadString(ID_SEC_FLOAT_AS_MDICHILD);
        ::AppendMenu(hMenu, MF_SEPARATOR, 0, NULL);
        ::AppendMenu(hMenu, MF_STRING | (bInMDIChild ? MF_CHECKED : 0), ID_SEC_FLOAT_AS_MDICHILD, strText);
    }
    return 0;
}

// ---- messages

int SECMDIFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_pMsgFilter->SetWindow(this, TRUE);
    m_pMenuPlugIn = SECFrameMenus::CreatePlugIn(this, m_pMenuBar, m_bBmpMenus, m_pControlBarManager);
    // The menu bar shows a maximised child's caption buttons itself.
    if (HasMenuBar())
        m_pMsgFilter->ApplyDescriptor(*m_pCaptionListDescriptor, FALSE);
    return 0;
}

LRESULT SECMDIFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return SECFrameMenus::WindowProc(
        m_pMenuPlugIn, m_bBmpMenus, message, wParam, lParam,
        [this](UINT nMsg, WPARAM w, LPARAM l) { return CMDIFrameWnd::WindowProc(nMsg, w, l); });
}

BOOL SECMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    return SECFrameMenus::PreTranslateFrameMessage(this, m_pMenuPlugIn, m_pControlBarManager, pMsg) ||
           CMDIFrameWnd::PreTranslateMessage(pMsg);
}

BOOL SECMDIFrameWnd::ProcessHelpMsg(MSG& msg, DWORD* pContext)
{
    const int nDone = SECFrameMenus::MenuBarHelp(this, m_pMenuBar, msg, pContext);
    return nDone >= 0 ? nDone : CMDIFrameWnd::ProcessHelpMsg(msg, pContext);
}

BOOL SECMDIFrameWnd::DestroyWindow()
{
    SECFrameMenus::ReleasePlugIn(m_pMenuPlugIn);
    return CMDIFrameWnd::DestroyWindow();
}

BOOL SECMDIFrameWnd::FilterCurrent()
{
    return m_pMsgFilter != NULL && (m_pMsgFilter->FilterMessage() & SECMsgFilter::resultHandled) != 0;
}

LRESULT SECMDIFrameWnd::OnFilteredMouse(WPARAM, LPARAM)
{
    if (FilterCurrent())
        return 0;
    return Default();
}

void SECMDIFrameWnd::OnActivateApp(BOOL bActive, DWORD dwThreadID)
{
    if (m_pActiveDockableFrame != NULL)
    {
        ::PostMessage(m_hWndMDIClient, WM_MDIACTIVATE, 0, 0);
        ::PostMessage(m_hWndMDIClient, WM_NCACTIVATE, FALSE, 0);
        m_pActiveDockableFrame->PostMessage(WM_NCACTIVATE, bActive);
    }
    CMDIFrameWnd::OnActivateApp(bActive, dwThreadID);
}

void SECMDIFrameWnd::OnEnterIdle(UINT nWhy, CWnd* pWho)
{
    SECFrameDocking::EnterIdleWhileCustomising(this, m_pControlBarManager, nWhy);
    CFrameWnd::OnEnterIdle(nWhy, pWho);
}

LRESULT SECMDIFrameWnd::OnNcHitTest(CPoint)
{
    // While the toolbars are customised the frame itself takes no click.
    if (SECFrameDocking::IsCustomising(m_pControlBarManager))
        return HTERROR;
    return Default();
}

void SECMDIFrameWnd::OnEnable(BOOL bEnable)
{
    if (SECFrameDocking::IsCustomising(m_pControlBarManager))
        m_nFlags &= ~WF_STAYACTIVE;
    CMDIFrameWnd::OnEnable(bEnable);
}

void SECMDIFrameWnd::OnSysColorChange()
{
    SECGetSystemData().RefreshColors();
    CWnd::OnSysColorChange();
}

void SECMDIFrameWnd::OnWorkspaceCommand()
{
}

BOOL SECMDIFrameWnd::OnWorkspaceCommandRange(UINT)
{
    return TRUE;
}

void SECMDIFrameWnd::OnUpdateWorkspaceCommand(CCmdUI*)
{
}

// ---- custom caption

BOOL SECMDIFrameWnd::EnableCustomCaption(BOOL bEnable, BOOL bRedraw)
{
    if (!m_bNewShell)
        return FALSE;
    const BOOL bOld = m_bCustomCaption;
    m_bCustomCaption = bEnable;
    if (m_hWnd != NULL)
    {
        if (bRedraw)
            SendMessage(WM_NCPAINT, 1, 0);
        PostMessage(WM_NCACTIVATE, 0, 0);
    }
    return bOld;
}

void SECMDIFrameWnd::SetCaptionTextAlign(int nAlign, BOOL bRedraw)
{
    m_nCaptionAlign = nAlign;
    if (bRedraw && m_hWnd != NULL)
        SendMessage(WM_NCPAINT, 1, 0);
}

void SECMDIFrameWnd::CreateCaptionFontItalic(CFont& font)
{
    SECCaptionPainter::CreateCaptionFont(font, TRUE);
}

void SECMDIFrameWnd::CreateCaptionFont(CFont& font)
{
    SECCaptionPainter::CreateCaptionFont(font, FALSE);
}

void SECMDIFrameWnd::DrawCaption()
{
    SECCaptionPainter::Caption caption;
    caption.bActive = m_bCaptionActive;
    caption.nAlign = m_nCaptionAlign;
    if (m_bCaptionActive)
    {
        // Without a gradient colour the gradient runs from black to the caption colour.
        const COLORREF clrGradient = ::GetSysColor(COLOR_GRADIENTACTIVECAPTION);
        caption.clrFrom = clrGradient != 0 ? ::GetSysColor(COLOR_ACTIVECAPTION) : RGB(0, 0, 0);
        caption.clrTo = clrGradient != 0 ? clrGradient : ::GetSysColor(COLOR_ACTIVECAPTION);
        caption.clrText = ::GetSysColor(COLOR_CAPTIONTEXT);
        caption.clrIconBack = RGB(0, 0, 0);
    }
    else
    {
        const COLORREF clrGradient = ::GetSysColor(COLOR_GRADIENTINACTIVECAPTION);
        caption.clrFrom = ::GetSysColor(COLOR_INACTIVECAPTION);
        caption.clrTo = clrGradient != 0 ? clrGradient : caption.clrFrom;
        caption.clrText = ::GetSysColor(COLOR_INACTIVECAPTIONTEXT);
        caption.clrIconBack = ::GetSysColor(COLOR_INACTIVECAPTION);
    }
    CFont fontItalic, fontPlain;
    CreateCaptionFontItalic(fontItalic);
    CreateCaptionFont(fontPlain);
    if (!SECCaptionPainter::Draw(this, caption, fontItalic, fontPlain))
        EnableCustomCaption(FALSE, TRUE);
}

LRESULT SECMDIFrameWnd::OnSetText(WPARAM, LPARAM)
{
    if (!m_bCustomCaption)
    {
        const LRESULT lResult = Default();
        if (m_pMsgFilter != NULL)
            m_pMsgFilter->FilterMessage();
        return lResult;
    }
    const BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    if (bVisible)
        ModifyStyle(WS_VISIBLE, 0);
    Default();
    if (bVisible)
        ModifyStyle(0, WS_VISIBLE);
    DrawCaption();
    return TRUE;
}

BOOL SECMDIFrameWnd::OnNcActivate(BOOL bActive)
{
    if (SECFrameDocking::IsCustomising(m_pControlBarManager))
        m_nFlags &= ~WF_STAYACTIVE;
    if (m_pActiveDockableFrame != NULL)
    {
        // The frame stays drawn active while one of its dockable frames is.
        CWnd* pForeground = GetForegroundWindow();
        if (pForeground == this || (pForeground != NULL && pForeground->GetOwner() == this))
            m_nFlags |= WF_STAYACTIVE;
    }
    if (!m_bCustomCaption)
    {
        const BOOL bResult = CFrameWnd::OnNcActivate(bActive);
        if (m_pMsgFilter != NULL)
            m_pMsgFilter->FilterMessage(WM_NCACTIVATE, bActive, 0, NULL);
        return bResult;
    }
    SECCaptionPainter::NcActivate(this, bActive, m_bCaptionActive);
    return TRUE;
}

void SECMDIFrameWnd::OnNcPaint()
{
    if (!m_bCustomCaption)
    {
        Default();
        if (m_pMsgFilter != NULL)
            m_pMsgFilter->FilterMessage();
        return;
    }
    if (SECCaptionPainter::PaintAroundCaption(this))
        DrawCaption();
}
