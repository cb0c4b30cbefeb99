// SECFrameDocking: docking and floating steps shared by the library's frames.
#include "uilib/frames/docking/FrameDocking.h"
#include "FrameworkIds.h"
#include "mfc/MiniFrameWnd.h"
#include "uilib/bars/ControlBar.h"
#include "uilib/bars/ToolBarManager.h"
#include "uilib/frames/docking/DockBar.h"
#include "uilib/frames/docking/DockState.h"
#include "uilib/frames/docking/MiniDockFrameWnd.h"

const SECFrameDocking::Side SECFrameDocking::s_sides[4] = {
    {AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP},
    {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT},
};

namespace
{
// At least this much of a floating frame stays on the work area.
const int kOnWorkArea = 10;

// The dock bar inside a floating frame.
CDockBar* FloatingDockBarOf(CFrameWnd* pFloatFrame)
{
    if (pFloatFrame->IsKindOf(RUNTIME_CLASS(SECMiniDockFrameWnd)))
        return &static_cast<SECMiniDockFrameWnd*>(pFloatFrame)->m_wndSECDockBar;
    if (pFloatFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
        return &static_cast<CMiniDockFrameWnd*>(pFloatFrame)->m_wndDockBar;
    return NULL;
}

void MoveFloatingFrame(CFrameWnd* pFloatFrame, CPoint pt)
{
    if (pFloatFrame->IsKindOf(RUNTIME_CLASS(SECMiniDockFrameWnd)))
        static_cast<SECMiniDockFrameWnd*>(pFloatFrame)->RecalcLayoutAt(pt.x, pt.y, TRUE);
    else
    {
        pFloatFrame->SetWindowPos(NULL, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        pFloatFrame->RecalcLayout(TRUE);
    }
}
} // namespace

void SECFrameDocking::EnableDocking(CFrameWnd* pFrame, DWORD dwDockStyle, DWORD dwBarStyle,
                                    const std::function<CDockBar*()>& pfnCreate)
{
    if (pFrame->m_pFloatingFrameClass == NULL)
        pFrame->m_pFloatingFrameClass = RUNTIME_CLASS(SECMiniDockFrameWnd);
    for (const Side& side : s_sides)
    {
        if (!(side.dwStyle & dwDockStyle & CBRS_ALIGN_ANY) || pFrame->GetControlBar(side.nID) != NULL)
            continue;
        CDockBar* pDock = pfnCreate();
        if (pDock == NULL)
            AfxThrowResourceException();
        if (!pDock->Create(
                pFrame, side.dwStyle | dwBarStyle | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                side.nID))
        {
            delete pDock;
            AfxThrowResourceException();
        }
    }
}

CDockBar* SECFrameDocking::GetDockBar(CFrameWnd* pFrame, UINT nID)
{
    CControlBar* pBar = nID != 0 ? pFrame->GetControlBar(nID) : NULL;
    return pBar != NULL && pBar->IsDockBar() ? static_cast<CDockBar*>(pBar) : NULL;
}

CDockBar* SECFrameDocking::FindDockBarForAlignment(CFrameWnd* pFrame, DWORD dwBarStyle)
{
    for (const Side& side : s_sides)
    {
        if ((side.dwStyle & CBRS_ALIGN_ANY) == (dwBarStyle & CBRS_ALIGN_ANY))
            return GetDockBar(pFrame, side.nID);
    }
    return NULL;
}

CDockBar* SECFrameDocking::FindDockBarWithPlaceHolder(CFrameWnd* pFrame, CControlBar* pBar)
{
    void* pPlaceHolder = (void*)(UINT_PTR)LOWORD(pBar->GetDlgCtrlID());
    for (const Side& side : s_sides)
    {
        CDockBar* pDock = GetDockBar(pFrame, side.nID);
        if (pDock != NULL && pDock->FindBar((CControlBar*)pPlaceHolder) > 0)
            return pDock;
    }
    return NULL;
}

void SECFrameDocking::DockIntoDockBar(CDockBar* pDockBar, CControlBar* pBar, LPCRECT lpRect)
{
    if (pDockBar->IsKindOf(RUNTIME_CLASS(SECDockBar)))
        static_cast<SECDockBar*>(pDockBar)->DockControlBar(pBar, lpRect);
    else
        pDockBar->CDockBar::DockControlBar(pBar, lpRect);
}

void SECFrameDocking::ReDockIntoDockBar(CDockBar* pDockBar, CControlBar* pBar, LPCRECT lpRect)
{
    if (pDockBar->IsKindOf(RUNTIME_CLASS(SECDockBar)))
        static_cast<SECDockBar*>(pDockBar)->ReDockControlBar(pBar, lpRect);
    else
        pDockBar->CDockBar::ReDockControlBar(pBar, lpRect);
}

void SECFrameDocking::NotifyBeforeDock(CControlBar* pBar)
{
    if (SECControlBar* p = DYNAMIC_DOWNCAST(SECControlBar, pBar))
        p->OnBeforeDock();
}

void SECFrameDocking::NotifyAfterDock(CControlBar* pBar)
{
    if (SECControlBar* p = DYNAMIC_DOWNCAST(SECControlBar, pBar))
        p->OnAfterDock();
}

void SECFrameDocking::NotifyBeforeFloat(CControlBar* pBar)
{
    if (SECControlBar* p = DYNAMIC_DOWNCAST(SECControlBar, pBar))
        p->OnBeforeFloat();
}

void SECFrameDocking::NotifyAfterFloat(CControlBar* pBar)
{
    if (SECControlBar* p = DYNAMIC_DOWNCAST(SECControlBar, pBar))
        p->OnAfterFloat();
}

void SECFrameDocking::DockControlBar(CFrameWnd* pFrame, CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    NotifyBeforeDock(pBar);
    if (pDockBar == NULL)
        pDockBar = FindDockBarForAlignment(pFrame, pBar->m_dwStyle);
    if (pDockBar != NULL)
        DockIntoDockBar(pDockBar, pBar, lpRect);
    NotifyAfterDock(pBar);
}

void SECFrameDocking::ReDockControlBar(CFrameWnd* pFrame, CControlBar* pBar, CDockBar* pDockBar,
                                       LPCRECT lpRect)
{
    NotifyBeforeDock(pBar);
    if (pDockBar == NULL)
        pDockBar = FindDockBarWithPlaceHolder(pFrame, pBar);
    if (pDockBar == NULL)
        pDockBar = FindDockBarForAlignment(pFrame, pBar->m_dwStyle);
    if (pDockBar != NULL)
        ReDockIntoDockBar(pDockBar, pBar, lpRect);
    NotifyAfterDock(pBar);
}

void SECFrameDocking::DockControlBarEx(CFrameWnd* pFrame, CControlBar* pBar, UINT nDockBarID,
                                       const SECDockBarPosition& pos, float fPctWidth, int nThickness)
{
    NotifyBeforeDock(pBar);
    CDockBar* pDockBar = GetDockBar(pFrame, nDockBarID);
    if (pDockBar == NULL)
    {
        // The side of the bar's alignment, when docking there is allowed.
        pDockBar = FindDockBarForAlignment(pFrame, pBar->m_dwStyle);
        if (pDockBar != NULL && !(pDockBar->m_dwStyle & pBar->m_dwDockStyle & CBRS_ALIGN_ANY))
            pDockBar = NULL;
    }
    if (pDockBar != NULL)
    {
        if (SECControlBar* p = DYNAMIC_DOWNCAST(SECControlBar, pBar))
            p->m_fPctWidth = fPctWidth;
        DWORD dwMode;
        if (pDockBar->m_bFloating)
            dwMode = LM_HORZ | LM_MRUWIDTH | LM_LENGTHY;
        else if (pDockBar->m_dwStyle & CBRS_ORIENT_HORZ)
            dwMode = LM_HORZ | LM_HORZDOCK | LM_LENGTHY;
        else
            dwMode = LM_VERTDOCK;
        pBar->CalcDynamicLayout(nThickness, dwMode | LM_COMMIT);
        if (pDockBar->IsKindOf(RUNTIME_CLASS(SECDockBar)))
            static_cast<SECDockBar*>(pDockBar)->DockControlBarAt(pBar, pos);
        else
            pDockBar->CDockBar::DockControlBar(pBar, NULL);
    }
    NotifyAfterDock(pBar);
}

CPoint SECFrameDocking::ClampToWorkArea(CControlBar* pBar, CPoint pt)
{
    CRect rectWork;
    if (!::SystemParametersInfo(SPI_GETWORKAREA, 0, &rectWork, 0))
        return pt;
    CRect rectBar;
    pBar->GetWindowRect(&rectBar);
    if (pt.x > rectWork.right - kOnWorkArea)
        pt.x = rectWork.right - kOnWorkArea;
    if (pt.x + rectBar.Width() < rectWork.left + kOnWorkArea)
        pt.x = rectWork.left + kOnWorkArea - rectBar.Width();
    if (pt.y > rectWork.bottom - kOnWorkArea)
        pt.y = rectWork.bottom - kOnWorkArea;
    if (pt.y + rectBar.Height() < rectWork.top + kOnWorkArea)
        pt.y = rectWork.top + kOnWorkArea - rectBar.Height();
    return pt;
}

void SECFrameDocking::FloatControlBar(CFrameWnd* pFrame, CControlBar* pBar, CPoint pt, DWORD dwStyle)
{
    pt = ClampToWorkArea(pBar, pt);
    CDockBar* pOldDock = pBar->m_pDockBar;
    if (pOldDock != NULL && pOldDock->m_bFloating && pOldDock->GetDockedCount() == 1 &&
        (dwStyle & pOldDock->m_dwStyle & CBRS_ALIGN_ANY) != 0)
    {
        // Floating alone already, in the same orientation: only the frame moves.
        CFrameWnd* pFloatFrame = static_cast<CFrameWnd*>(pOldDock->GetParent());
        MoveFloatingFrame(pFloatFrame, pt);
        pFloatFrame->UpdateWindow();
        return;
    }
    NotifyBeforeFloat(pBar);
    if (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)
    {
        dwStyle |= CBRS_SIZE_DYNAMIC;
        if (dwStyle & CBRS_ORIENT_VERT)
        {
            dwStyle &= ~CBRS_ALIGN_ANY;
            dwStyle |= CBRS_ALIGN_TOP;
        }
    }
    CMiniDockFrameWnd* pFloatFrame = pFrame->CreateFloatingFrame(dwStyle);
    if (pFloatFrame->m_hWndOwner == NULL)
        pFloatFrame->m_hWndOwner = pBar->m_hWnd;
    CDockBar* pFloatDock = FloatingDockBarOf(pFloatFrame);
    DockIntoDockBar(pFloatDock, pBar, NULL);
    MakeFloatingFrameResizable(pFloatFrame, pBar);
    MoveFloatingFrame(pFloatFrame, pt);
    if (pBar->GetStyle() & WS_VISIBLE)
    {
        pFloatFrame->ShowWindow(SW_SHOWNA);
        pFloatFrame->UpdateWindow();
    }
    NotifyAfterFloat(pBar);
}

void SECFrameDocking::MakeFloatingFrameResizable(CFrameWnd* pFloatFrame, CControlBar* pBar)
{
    SECControlBar* p = DYNAMIC_DOWNCAST(SECControlBar, pBar);
    if (p == NULL || (p->m_dwExStyle & BAR_EX_FIXED_FLOAT_SIZE))
        return;
    pFloatFrame->ModifyStyle(MFS_4THICKFRAME, WS_THICKFRAME | MFS_THICKFRAME, SWP_NOSIZE | SWP_NOMOVE);
}

void SECFrameDocking::AfterRecalcLayout(CFrameWnd* pFrame, CRect& rectLastClient)
{
    if (rectLastClient.IsRectEmpty() || rectLastClient.Height() == 0)
        pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    else
    {
        for (CWnd* pChild = pFrame->GetWindow(GW_CHILD); pChild != NULL;
             pChild = pChild->GetWindow(GW_HWNDNEXT))
        {
            CWnd* pPerm = CWnd::FromHandlePermanent(pChild->m_hWnd);
            if (pPerm != NULL && pPerm->IsKindOf(RUNTIME_CLASS(SECDockBar)))
                static_cast<SECDockBar*>(pPerm)->RedrawDockBar();
        }
    }
    pFrame->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &rectLastClient);
}

BOOL SECFrameDocking::IsCustomising(SECControlBarManager* pManager)
{
    SECToolBarManager* pToolBars = DYNAMIC_DOWNCAST(SECToolBarManager, pManager);
    return pToolBars != NULL && pToolBars->InConfigMode();
}

void SECFrameDocking::EnterIdleWhileCustomising(CFrameWnd* pFrame, SECControlBarManager* pManager, UINT nWhy)
{
    if (nWhy != MSGF_DIALOGBOX || !IsCustomising(pManager) || !(pFrame->m_nIdleFlags & idleLayout))
        return;
    pFrame->RecalcLayout((pFrame->m_nIdleFlags & idleNotify) != 0);
    pFrame->UpdateWindow();
}

BOOL SECFrameDocking::IsCloseWhileCustomising(CFrameWnd* pFrame, SECControlBarManager* pManager,
                                              const MSG* pMsg)
{
    const BOOL bClose = (pMsg->message == WM_SYSCOMMAND && (pMsg->wParam & 0xFFF0) == SC_CLOSE) ||
                        (pMsg->message == WM_SYSKEYDOWN && pMsg->wParam == VK_F4);
    if (!bClose || !IsCustomising(pManager))
        return FALSE;
    return pMsg->hwnd == pFrame->m_hWnd || ::IsChild(pFrame->m_hWnd, pMsg->hwnd);
}

UINT SECFrameDocking::GetMenuMessage()
{
    static const UINT s_nMessage = ::RegisterWindowMessage(_T("WM_SECGETMENU"));
    return s_nMessage;
}

LRESULT SECFrameDocking::AnswerGetMenu(HMENU hMenu, int nPos)
{
    return hMenu != NULL ? (LRESULT)::GetSubMenu(hMenu, nPos) : 0;
}

void SECFrameDocking::LoadBarState(CFrameWnd* pFrame, SECControlBarManager* pManager, CPtrList* pDynamicBars,
                                   LPCTSTR lpszProfileName)
{
    SECDockState state(pManager);
    state.m_pDynamicBars = pDynamicBars;
    state.LoadStateFromProfile(lpszProfileName);
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL && pThread->m_pMainWnd == NULL)
        pThread->m_pMainWnd = pFrame;
    state.ApplyToFrame(pFrame);
}

void SECFrameDocking::SaveBarState(CFrameWnd* pFrame, SECControlBarManager* pManager, LPCTSTR lpszProfileName)
{
    SECDockState state(pManager);
    if (!state.CollectFrameState(pFrame))
        return;
    state.RemoveStaleBarEntries();
    state.SaveStateToProfile(lpszProfileName);
}
