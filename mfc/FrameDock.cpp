// CFrameWnd's docking: its four dock bars, docking and floating bars, showing and hiding them,
// floating frames kept in step with the frame, and the saved dock state.
#include "FrameWnd.h"
#include "ControlBarInfo.h"
#include "DockBar.h"
#include "DockContext.h"
#include "DockState.h"
#include "MiniDockFrameWnd.h"
#include "WinApp.h"
#include <set>

namespace
{
// The frame's dock bars, in the order they are made (and so laid out): id and bar style.
const struct
{
    UINT nID;
    DWORD dwStyle;
} kDockBars[4] = {
    {AFX_IDW_DOCKBAR_TOP, CBRS_TOP},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_BOTTOM},
    {AFX_IDW_DOCKBAR_LEFT, CBRS_LEFT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_RIGHT},
};

BOOL IsDescendant(HWND hWndParent, HWND hWndChild)
{
    for (HWND hWnd = hWndChild; hWnd != NULL; hWnd = ::GetParent(hWnd))
    {
        if (hWnd == hWndParent)
            return TRUE;
    }
    return FALSE;
}
} // namespace

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    if (m_pFloatingFrameClass == NULL)
        m_pFloatingFrameClass = RUNTIME_CLASS(CMiniDockFrameWnd);
    for (const auto& side : kDockBars)
    {
        if (!(side.dwStyle & dwDockStyle & CBRS_ALIGN_ANY) || GetControlBar(side.nID) != NULL)
            continue;
        CDockBar* pDock = new CDockBar; // deletes itself with its window
        if (!pDock->Create(this, WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CHILD | WS_VISIBLE | side.dwStyle,
                           side.nID))
        {
            delete pDock;
            AfxThrowResourceException();
        }
    }
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    if (nID == 0)
        return NULL;
    POSITION pos = m_listControlBars.GetHeadPosition();
    while (pos != NULL)
    {
        CControlBar* pBar = (CControlBar*)m_listControlBars.GetNext(pos);
        if (pBar->m_hWnd != NULL && (UINT)LOWORD(pBar->GetDlgCtrlID()) == nID)
            return pBar;
    }
    return NULL;
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar)
{
    POSITION pos = m_listControlBars.Find(pBar);
    if (pos != NULL)
        m_listControlBars.RemoveAt(pos);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    CControlBar* pDock = nDockBarID != 0 ? GetControlBar(nDockBarID) : NULL;
    DockControlBar(pBar, (pDock != NULL && pDock->IsDockBar()) ? (CDockBar*)pDock : NULL, lpRect);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    if (pDockBar == NULL)
    {
        // The dock bar of the side the bar is aligned to.
        for (const auto& side : kDockBars)
        {
            if ((side.dwStyle & CBRS_ALIGN_ANY) == (pBar->m_dwStyle & CBRS_ALIGN_ANY))
            {
                CControlBar* pDock = GetControlBar(side.nID);
                pDockBar = (pDock != NULL && pDock->IsDockBar()) ? (CDockBar*)pDock : NULL;
                break;
            }
        }
    }
    if (pDockBar != NULL)
        pDockBar->DockControlBar(pBar, lpRect);
}

void CFrameWnd::ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    if (pDockBar == NULL)
    {
        // Where it was docked before (its placeholder), else the first side it may dock to.
        CDockBar* pPossible = NULL;
        void* pPlaceHolder = (void*)(UINT_PTR)LOWORD(pBar->GetDlgCtrlID());
        for (const auto& side : kDockBars)
        {
            CControlBar* pDock = GetControlBar(side.nID);
            if (pDock == NULL || !pDock->IsDockBar())
                continue;
            if (((CDockBar*)pDock)->FindBar((CControlBar*)pPlaceHolder) > 0)
            {
                pDockBar = (CDockBar*)pDock;
                break;
            }
            if (pPossible == NULL && (side.dwStyle & pBar->m_dwDockStyle & CBRS_ALIGN_ANY))
                pPossible = (CDockBar*)pDock;
        }
        if (pDockBar == NULL)
        {
            pDockBar = pPossible;
            lpRect = NULL; // a place on another side means nothing here
        }
    }
    if (pDockBar != NULL)
        pDockBar->ReDockControlBar(pBar, lpRect);
}

CMiniDockFrameWnd* CFrameWnd::CreateFloatingFrame(DWORD dwStyle)
{
    CRuntimeClass* pClass =
        m_pFloatingFrameClass != NULL ? m_pFloatingFrameClass : RUNTIME_CLASS(CMiniDockFrameWnd);
    CMiniDockFrameWnd* pFrame = (CMiniDockFrameWnd*)pClass->CreateObject();
    if (pFrame == NULL)
        AfxThrowMemoryException();
    if (!pFrame->Create(this, dwStyle))
    {
        if (pFrame->m_hWnd != NULL)
            pFrame->DestroyWindow(); // deletes it
        else
            delete pFrame;
        AfxThrowResourceException();
    }
    return pFrame;
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    // Floating alone already, in the same orientation: only the frame moves.
    CDockBar* pOldDock = pBar->m_pDockBar;
    if (pOldDock != NULL && pOldDock->m_bFloating && pOldDock->GetDockedCount() == 1 &&
        (dwStyle & pOldDock->m_dwStyle & CBRS_ALIGN_ANY) != 0)
    {
        CFrameWnd* pDockFrame = (CFrameWnd*)pOldDock->GetParent();
        pDockFrame->SetWindowPos(NULL, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        pDockFrame->RecalcLayout(TRUE);
        pDockFrame->UpdateWindow();
        return;
    }
    if (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)
    {
        // A bar that sizes itself floats horizontally and wraps to the width it is given.
        dwStyle |= CBRS_SIZE_DYNAMIC;
        if (dwStyle & CBRS_ORIENT_VERT)
        {
            dwStyle &= ~CBRS_ALIGN_ANY;
            dwStyle |= CBRS_ALIGN_TOP;
        }
    }
    CMiniDockFrameWnd* pDockFrame = CreateFloatingFrame(dwStyle);
    pDockFrame->SetWindowPos(NULL, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (pDockFrame->m_hWndOwner == NULL)
        pDockFrame->m_hWndOwner = pBar->m_hWnd;
    pDockFrame->m_wndDockBar.DockControlBar(pBar);
    pDockFrame->RecalcLayout(TRUE);
    if (pBar->GetStyle() & WS_VISIBLE)
    {
        pDockFrame->ShowWindow(SW_SHOWNA);
        pDockFrame->UpdateWindow();
    }
}

DWORD CFrameWnd::CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar)
{
    // Floating dock bars take bars only when both sides allow several bars in one frame.
    dwDockStyle &= CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI;
    if (ppDockBar != NULL)
        *ppDockBar = NULL;
    POSITION pos = m_listControlBars.GetHeadPosition();
    while (pos != NULL)
    {
        CControlBar* pBar = (CControlBar*)m_listControlBars.GetNext(pos);
        if (!pBar->IsDockBar() || pBar->m_hWnd == NULL || !pBar->IsWindowVisible())
            continue;
        CDockBar* pDockBar = (CDockBar*)pBar;
        if (!(pDockBar->m_dwStyle & dwDockStyle & CBRS_ALIGN_ANY))
            continue;
        if (pDockBar->m_bFloating && !(dwDockStyle & pDockBar->m_dwStyle & CBRS_FLOAT_MULTI))
            continue;
        CRect rectBar;
        pDockBar->GetWindowRect(&rectBar);
        // An empty dock bar still catches a bar dragged over its line.
        if (rectBar.Width() == 0)
            rectBar.right++;
        if (rectBar.Height() == 0)
            rectBar.bottom++;
        if (rectBar.IntersectRect(rectBar, rect))
        {
            if (ppDockBar != NULL)
                *ppDockBar = pDockBar;
            return pDockBar->m_dwStyle & dwDockStyle;
        }
    }
    return 0;
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    CFrameWnd* pParentFrame = pBar->GetDockingFrame();
    if (pParentFrame == NULL)
        return;
    pBar->DelayShow(bShow);
    if (!pBar->IsFloating())
    {
        if (bDelay)
            pParentFrame->DelayRecalcLayout();
        else
            pParentFrame->RecalcLayout();
        return;
    }
    // A floating frame shows with its first visible bar and hides with its last.
    int nVisible = pBar->m_pDockBar != NULL ? pBar->m_pDockBar->GetDockedVisibleCount() : (bShow ? 1 : 0);
    if (nVisible == 1 && bShow)
    {
        pParentFrame->m_nShowDelay = -1;
        pParentFrame->RecalcLayout(FALSE);
        if (bDelay)
            pParentFrame->m_nShowDelay = SW_SHOWNA;
        else
            pParentFrame->ShowWindow(SW_SHOWNA);
    }
    else if (nVisible == 0)
    {
        pParentFrame->m_nShowDelay = -1;
        if (bDelay)
            pParentFrame->m_nShowDelay = SW_HIDE;
        else
        {
            pParentFrame->RecalcLayout(FALSE);
            pParentFrame->ShowWindow(SW_HIDE);
        }
    }
    else if (bDelay)
        pParentFrame->DelayRecalcLayout(FALSE);
    else
        pParentFrame->RecalcLayout(FALSE);
}

// ---- floating frames follow the frame's activation and enabled state

void CFrameWnd::NotifyFloatingWindows(DWORD dwFlags)
{
    CFrameWnd* pParent = (GetStyle() & WS_CHILD) ? this : GetTopLevelFrame();
    if (pParent == NULL)
        return;
    if (dwFlags & (FS_ACTIVATE | FS_DEACTIVATE))
    {
        BOOL bActivate = !(dwFlags & FS_DEACTIVATE);
        pParent->SendMessage(WM_NCACTIVATE, bActivate && pParent->IsWindowEnabled());
    }
    for (HWND hWnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hWnd != NULL;
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        if (hWnd != pParent->m_hWnd && IsDescendant(pParent->m_hWnd, hWnd) &&
            ::GetWindowThreadProcessId(hWnd, NULL) == ::GetCurrentThreadId())
            ::SendMessage(hWnd, WM_FLOATSTATUS, dwFlags, 0);
    }
}

void CFrameWnd::OnEnable(BOOL bEnable)
{
    CWnd::OnEnable(bEnable);
    // A modal dialog of the frame disables the bars floating around it too.
    if (bEnable && (m_nFlags & WF_STAYACTIVE))
        SendMessage(WM_NCACTIVATE, TRUE);
    NotifyFloatingWindows(bEnable ? FS_ENABLE : FS_DISABLE);
}

// ---- dock state

void CFrameWnd::GetDockState(CDockState& state) const
{
    state.Clear();
    POSITION pos = m_listControlBars.GetHeadPosition();
    while (pos != NULL)
    {
        CControlBar* pBar = (CControlBar*)m_listControlBars.GetNext(pos);
        if (pBar->m_hWnd == NULL)
            continue;
        CControlBarInfo* pInfo = new CControlBarInfo;
        pBar->GetBarInfo(pInfo);
        state.m_arrBarInfo.Add(pInfo);
    }
}

void CFrameWnd::SetDockState(const CDockState& state)
{
    // First the bars the records name: floating dock bars get new floating frames. A record
    // naming a bar this frame no longer has is skipped.
    CPtrArray arrInfo;
    for (int i = 0; i < state.m_arrBarInfo.GetSize(); i++)
    {
        CControlBarInfo* pInfo = (CControlBarInfo*)state.m_arrBarInfo[i];
        pInfo->m_pBar = NULL;
        if (pInfo->m_bFloating)
        {
            CMiniDockFrameWnd* pDockFrame =
                CreateFloatingFrame(pInfo->m_bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT);
            CRect rect(pInfo->m_pointPos, CSize(10, 10));
            pDockFrame->CalcWindowRect(&rect);
            pDockFrame->SetWindowPos(NULL, rect.left, rect.top, 0, 0,
                                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            pInfo->m_pBar = &pDockFrame->m_wndDockBar;
        }
        else
            pInfo->m_pBar = GetControlBar(pInfo->m_nBarID);
        if (pInfo->m_pBar == NULL)
            continue;
        pInfo->m_pBar->m_nMRUWidth = pInfo->m_nMRUWidth;
        arrInfo.Add(pInfo);
    }
    // A bar named by two dock bars goes to the first of them.
    std::set<UINT_PTR> docked;
    for (int i = 0; i < arrInfo.GetSize(); i++)
    {
        CControlBarInfo* pInfo = (CControlBarInfo*)arrInfo[i];
        if (!pInfo->m_pBar->IsDockBar())
            continue;
        for (int j = 0; j < pInfo->m_arrBarID.GetSize(); j++)
        {
            UINT_PTR nID = (UINT_PTR)pInfo->m_arrBarID[j];
            if (nID == 0 || (nID & 0x10000))
                continue;
            if (!docked.insert(nID).second)
                pInfo->m_arrBarID.RemoveAt(j--);
        }
    }
    // Dock bars first, so every bar has its place before its own record positions it.
    for (int nPass = 0; nPass < 2; nPass++)
    {
        for (int i = 0; i < arrInfo.GetSize(); i++)
        {
            CControlBarInfo* pInfo = (CControlBarInfo*)arrInfo[i];
            if ((pInfo->m_pBar->IsDockBar() ? 0 : 1) == nPass)
                pInfo->m_pBar->SetBarInfo(pInfo, this);
        }
    }
    // Floating frames that hold a visible bar show again.
    for (int i = 0; i < arrInfo.GetSize(); i++)
    {
        CControlBarInfo* pInfo = (CControlBarInfo*)arrInfo[i];
        if (!pInfo->m_bFloating)
            continue;
        CDockBar* pDockBar = (CDockBar*)pInfo->m_pBar;
        CFrameWnd* pDockFrame = pDockBar->GetParentFrame();
        if (pDockBar->GetDockedCount() == 0)
            pDockFrame->DestroyWindow(); // nothing of it was left
        else if (pDockBar->GetDockedVisibleCount() > 0)
        {
            pDockFrame->RecalcLayout();
            pDockFrame->ShowWindow(SW_SHOWNA);
        }
    }
    DelayRecalcLayout();
}

void CFrameWnd::LoadBarState(LPCTSTR lpszProfileName)
{
    CDockState state;
    state.LoadState(lpszProfileName);
    SetDockState(state);
}

void CFrameWnd::SaveBarState(LPCTSTR lpszProfileName) const
{
    CDockState state;
    GetDockState(state);
    state.SaveState(lpszProfileName);
}
