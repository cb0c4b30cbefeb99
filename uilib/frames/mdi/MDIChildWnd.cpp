// SECMDIChildWnd: caption filters, extended commands, menus and activation of the MDI child.
#include "uilib/frames/mdi/MDIChildWnd.h"
#include "mfc/OleClientItem.h"
#include "mfc/OleDocument.h"
#include "uilib/frames/docking/DockableFrame.h"
#include "uilib/frames/mdi/CaptionControlListMsgFilter.h"
#include "uilib/frames/mdi/MDIFrameWnd.h"
#include "uilib/frames/mdi/ScxButtonMDIChildMsgFilter.h"
#include "uilib/frames/mdi/ScxCaptionNCRDBLClkFilter.h"
#include "uilib/frames/mdi/ScxContextMenuFilter.h"
#include "uilib/frames/mdi/ScxMsgFilter.h"
#include "uilib/frames/mdi/SysCommandEx.h"

using namespace nsSysCommandEx;

IMPLEMENT_DYNCREATE(SECMDIChildWnd, CMDIChildWnd)

BEGIN_MESSAGE_MAP(SECMDIChildWnd, CMDIChildWnd)
ON_MESSAGE(WM_NCLBUTTONDOWN, OnNcMouseMessage)
ON_MESSAGE(WM_NCRBUTTONDOWN, OnNcMouseMessage)
ON_MESSAGE(WM_NCRBUTTONUP, OnNcMouseMessage)
ON_MESSAGE(WM_NCRBUTTONDBLCLK, OnNcMouseMessage)
ON_MESSAGE(WM_LBUTTONUP, OnNcMouseMessage)
ON_MESSAGE(WM_MOUSEMOVE, OnNcMouseMessage)
ON_MESSAGE(WM_NCPAINT, OnFilteredAfterDefault)
ON_MESSAGE(WM_SETTEXT, OnFilteredAfterDefault)
ON_WM_SETCURSOR()
ON_WM_NCACTIVATE()
ON_WM_MOUSEACTIVATE()
ON_WM_PARENTNOTIFY()
ON_WM_CHILDACTIVATE()
ON_WM_MDIACTIVATE()
ON_WM_SIZE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{
SECMDIFrameWnd* LibraryMDIFrame(CMDIChildWnd* pChild)
{
    return DYNAMIC_DOWNCAST(SECMDIFrameWnd, pChild->GetMDIFrame());
}
} // namespace

SECMDIChildWnd::SECMDIChildWnd()
    : m_nIDMenuBarMenu(0), m_bUsesMenuBar(FALSE), m_hMenuAltLast(NULL), m_pMsgFilter(new SECMsgFilter)
{
    m_pMsgFilter->SetID((UINT)-1);
    m_filterTable.Add(
        new SECMsgFilter::Descriptor(filterSysCommandEx, (UINT)-1, RUNTIME_CLASS(ScxMsgFilter), 0));
    m_filterTable.Add(new SECMsgFilter::Descriptor(filterButtonList, (UINT)-1,
                                                   RUNTIME_CLASS(SECCaptionControlListMsgFilter),
                                                   SECMsgFilter::descKeepEnabled));
    m_filterTable.Add(new SECMsgFilter::Descriptor(filterButton, filterButtonList,
                                                   RUNTIME_CLASS(ScxButtonMDIChildMsgFilter), 0));
    m_filterTable.Add(
        new SECMsgFilter::Descriptor(filterRDblClk, (UINT)-1, RUNTIME_CLASS(ScxCaptionNCRDBLClkFilter), 0));
    m_filterTable.Add(
        new SECMsgFilter::Descriptor(filterContextMenu, (UINT)-1, RUNTIME_CLASS(ScxContextMenuFilter), 0));
}

SECMDIChildWnd::~SECMDIChildWnd()
{
    SECMsgFilter::DeleteRoot(m_pMsgFilter);
    m_pMsgFilter = NULL;
    m_filterTable.RemoveAllDescriptors();
}

void SECMDIChildWnd::SetCaptionStyle(DWORD dwStyle)
{
    m_pMsgFilter->SetWindow(this, TRUE);
    const BOOL bOn = (dwStyle & 1) != 0;
    const BOOL enables[] = {bOn, bOn && !(dwStyle & 2), bOn && !(dwStyle & 2), bOn && !(dwStyle & 4),
                            bOn && !(dwStyle & 8)};
    m_pMsgFilter->ApplyDescriptorTable(m_filterTable, enables);
    SECMsgFilter* pList = m_pMsgFilter->FindOrCreateFilter(filterButtonList, NULL, -1);
    if (pList != NULL && pList->IsKindOf(RUNTIME_CLASS(SECCaptionControlListMsgFilter)))
    {
        // The system draws the standard buttons; only the extra one stays in the list.
        SECCaptionControlListMsgFilter* pButtons = (SECCaptionControlListMsgFilter*)pList;
        pButtons->ApplyDescriptorTableAll(pButtons->GetDescriptorTable(), FALSE);
    }
}

SECMsgFilter* SECMDIChildWnd::FindEnabledFilter(UINT nID) const
{
    SECMsgFilter* pFilter = m_pMsgFilter != NULL ? m_pMsgFilter->FindOrCreateFilter(nID, NULL, -1) : NULL;
    return pFilter != NULL && pFilter->IsEnabled() ? pFilter : NULL;
}

BOOL SECMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                               CCreateContext* pContext)
{
    dwDefaultStyle |= WS_CHILD;
    SECMDIFrameWnd* pMain = DYNAMIC_DOWNCAST(SECMDIFrameWnd, AfxGetMainWnd());
    const BOOL bMenuBar = pMain != NULL && pMain->HasMenuBar();
    if (CMultiDocTemplate* pTemplate = MultiDocTemplateOf(pContext))
    {
        m_hAccelTable = pTemplate->m_hAccelTable;
        if (bMenuBar)
        {
            m_nIDMenuBarMenu = pTemplate->m_nIDResource;
            m_bUsesMenuBar = TRUE;
        }
        else
            m_hMenuShared = pTemplate->m_hMenuShared;
    }
    else if (nIDResource != 0 && bMenuBar)
        m_nIDMenuBarMenu = nIDResource;
    return CreateLoadedChild(nIDResource, dwDefaultStyle, pParentWnd, pContext);
}

void SECMDIChildWnd::OnUpdateFrameMenu(BOOL bActive, CWnd* pActivateWnd, HMENU hMenuAlt)
{
    m_hMenuAltLast = hMenuAlt;
    CMDIChildWnd::OnUpdateFrameMenu(bActive, pActivateWnd, hMenuAlt);
    SECMDIFrameWnd* pFrame = LibraryMDIFrame(this);
    if (pFrame == NULL || !pFrame->HasMenuBar())
        return;
    if (bActive && hMenuAlt == NULL)
    {
        pFrame->SetMenu(NULL);
        pFrame->DrawMenuBar();
    }
    pFrame->SyncMDIWindowMenu();
}

void SECMDIChildWnd::RefreshFrameMenu(CWnd* pActivateWnd)
{
    OnUpdateFrameMenu(TRUE, pActivateWnd, m_hMenuAltLast);
}

LRESULT SECMDIChildWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == GetMessageID())
    {
        LRESULT lResult = 0;
        if (m_pMsgFilter != NULL)
            m_pMsgFilter->FilterMessage(nMsg, wParam, lParam, &lResult);
        return lResult;
    }
    return CMDIChildWnd::DefWindowProc(nMsg, wParam, lParam);
}

BOOL SECMDIChildWnd::FilterCurrent()
{
    return m_pMsgFilter != NULL && (m_pMsgFilter->FilterMessage() & SECMsgFilter::resultHandled) != 0;
}

LRESULT SECMDIChildWnd::OnNcMouseMessage(WPARAM, LPARAM)
{
    if (FilterCurrent())
        return 0;
    return Default();
}

LRESULT SECMDIChildWnd::OnFilteredAfterDefault(WPARAM, LPARAM)
{
    const LRESULT lResult = Default();
    if (m_pMsgFilter != NULL)
        m_pMsgFilter->FilterMessage();
    return lResult;
}

BOOL SECMDIChildWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    const BOOL bResult = CFrameWnd::OnSetCursor(pWnd, nHitTest, message);
    if (nHitTest >= HTLEFT && nHitTest <= HTBOTTOMRIGHT && m_pMsgFilter != NULL)
        m_pMsgFilter->FilterMessage();
    return bResult;
}

BOOL SECMDIChildWnd::OnNcActivate(BOOL bActive)
{
    // A dockable frame that is active draws active instead of this child.
    if (bActive)
    {
        CMDIFrameWnd* pFrame = GetMDIFrame();
        CFrameWnd* pActive = pFrame != NULL ? pFrame->GetActiveFrame() : NULL;
        if (pActive != NULL && pActive != pFrame && !pActive->IsKindOf(RUNTIME_CLASS(SECMDIChildWnd)))
            bActive = FALSE;
    }
    const BOOL bResult = (BOOL)DefWindowProc(WM_NCACTIVATE, bActive, 0);
    if (m_pMsgFilter != NULL)
        m_pMsgFilter->FilterMessage(WM_NCACTIVATE, bActive, 0, NULL);
    return bResult;
}

void SECMDIChildWnd::ActivateOnClick()
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame != NULL && pFrame->MDIGetActive() != this)
        ::SendMessage(pFrame->m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)m_hWnd, 0);
    CView* pView = GetActiveView();
    HWND hFocus = ::GetFocus();
    if (pView != NULL && hFocus != pView->m_hWnd && !::IsChild(pView->m_hWnd, hFocus))
        pView->OnActivateView(TRUE, pView, pView);
    SendMessage(WM_NCACTIVATE, TRUE);
    OnUpdateFrameTitle(TRUE);
    RefreshFrameMenu(this);
    if (pFrame != NULL)
        pFrame->DrawMenuBar();
}

int SECMDIChildWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    SECMDIFrameWnd* pFrame = LibraryMDIFrame(this);
    if (pFrame != NULL)
        pFrame->DeactivateDockableFrame(FALSE);
    const int nResult = CMDIChildWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    ActivateOnClick();
    if (pFrame != NULL)
        pFrame->SwitchMenuBarMenu(m_nIDMenuBarMenu);
    return nResult;
}

void SECMDIChildWnd::OnParentNotify(UINT message, LPARAM lParam)
{
    CMDIChildWnd::OnParentNotify(message, lParam);
    const UINT nEvent = LOWORD(message);
    CView* pView = GetActiveView();
    if ((nEvent == WM_LBUTTONDOWN || nEvent == WM_RBUTTONDOWN) && pView != NULL &&
        ::GetFocus() != pView->m_hWnd)
    {
        SECMDIFrameWnd* pFrame = LibraryMDIFrame(this);
        if (pFrame != NULL)
            pFrame->DeactivateDockableFrame(FALSE);
        ActivateOnClick();
    }
}

void SECMDIChildWnd::OnChildActivate()
{
    SECMDIFrameWnd* pFrame = LibraryMDIFrame(this);
    if (pFrame != NULL)
        pFrame->DeactivateDockableFrame(FALSE);
    CMDIChildWnd::OnChildActivate();
    SendMessage(WM_NCACTIVATE, TRUE);
}

void SECMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd)
{
    CMDIFrameWnd* pMDIFrame = GetMDIFrame();
    if (bActivate && pMDIFrame != NULL && ::GetActiveWindow() != pMDIFrame->m_hWnd)
        pMDIFrame->SetFocus();
    // A maximised child with an in-place item is restored around the switch, so the item's
    // frame-level tools go with it.
    BOOL bRestoredForItem = FALSE;
    if (!bActivate && IsZoomed())
    {
        CView* pView = GetActiveView();
        COleDocument* pDoc = pView != NULL ? DYNAMIC_DOWNCAST(COleDocument, pView->GetDocument()) : NULL;
        if (pDoc != NULL && pDoc->GetInPlaceActiveItem(pView) != NULL)
        {
            ::SendMessage(pMDIFrame->m_hWndMDIClient, WM_MDIRESTORE, (WPARAM)m_hWnd, 0);
            bRestoredForItem = TRUE;
        }
    }
    CMDIChildWnd::OnMDIActivate(bActivate, pActivateWnd, pDeactivateWnd);
    if (bRestoredForItem)
        ::SendMessage(pMDIFrame->m_hWndMDIClient, WM_MDIMAXIMIZE, (WPARAM)m_hWnd, 0);
    SECMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(SECMDIFrameWnd, pMDIFrame);
    if (pFrame != NULL && pFrame->HasMenuBar() && m_nIDMenuBarMenu != 0)
    {
        if (bActivate)
            pFrame->SwitchMenuBarMenu(m_nIDMenuBarMenu);
        else if (pActivateWnd == NULL)
            pFrame->SwitchMenuBarMenu((UINT)-1);
    }
    if (!bActivate && pActivateWnd == NULL)
    {
        // The last child goes: a visible dockable frame takes over, else the frame's own menu.
        if (HasOtherVisibleMDIChild(this))
            return;
        if (!ActivateNextDockableFrame(NULL) && pFrame != NULL)
            pFrame->SwitchMenuBarMenu((UINT)-1);
    }
}

void SECMDIChildWnd::OnSize(UINT nType, int cx, int cy)
{
    SECMDIFrameWnd* pFrame = LibraryMDIFrame(this);
    if ((nType == SIZE_MINIMIZED || nType == SIZE_MAXIMIZED || nType == SIZE_RESTORED) && pFrame != NULL &&
        pFrame->HasMenuBar())
        pFrame->UpdateMenuBarCaptionButtons();
    CMDIChildWnd::OnSize(nType, cx, cy);
}

void SECMDIChildWnd::OnDestroy()
{
    CWnd* pMain = AfxGetMainWnd();
    if (IsZoomed() && pMain != NULL)
        pMain->SetWindowPos(NULL, 0, 0, 0, 0,
                            SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_NOACTIVATE |
                                SWP_FRAMECHANGED);
    CMDIChildWnd::OnDestroy();
}

// ---- activation hand-over

BOOL IsWindowChainVisible(CWnd* pWnd)
{
    for (HWND hWnd = pWnd != NULL ? pWnd->GetSafeHwnd() : NULL; hWnd != NULL; hWnd = ::GetParent(hWnd))
    {
        CWnd* pPermanent = CWnd::FromHandlePermanent(hWnd);
        if (pPermanent != NULL && pPermanent->IsKindOf(RUNTIME_CLASS(CControlBar)))
        {
            if (!((CControlBar*)pPermanent)->IsVisible())
                return FALSE;
        }
        else if (!(::GetWindowLong(hWnd, GWL_STYLE) & WS_VISIBLE))
            return FALSE;
    }
    return pWnd != NULL;
}

BOOL HasOtherVisibleMDIChild(CWnd* pExcept)
{
    CMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, AfxGetMainWnd());
    if (pFrame == NULL || !::IsWindow(pFrame->m_hWndMDIClient))
        return FALSE;
    for (HWND hChild = ::GetWindow(pFrame->m_hWndMDIClient, GW_CHILD); hChild != NULL;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        CWnd* pChild = CWnd::FromHandlePermanent(hChild);
        if (pChild != NULL && pChild != pExcept && pChild->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)) &&
            (pChild->GetStyle() & WS_VISIBLE))
            return TRUE;
    }
    return FALSE;
}

BOOL ActivateNextDockableFrame(CWnd* pExcept)
{
    SECMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(SECMDIFrameWnd, AfxGetMainWnd());
    CWinApp* pApp = AfxGetApp();
    if (pFrame == NULL || pApp == NULL)
        return FALSE;
    CFrameWnd* pActive = pFrame->m_pActiveDockableFrame;
    if (pActive != NULL && pActive != pExcept && IsWindowChainVisible(pActive))
        return FALSE;
    POSITION posTemplate = pApp->GetFirstDocTemplatePosition();
    while (posTemplate != NULL)
    {
        CDocTemplate* pTemplate = pApp->GetNextDocTemplate(posTemplate);
        POSITION posDoc = pTemplate->GetFirstDocPosition();
        while (posDoc != NULL)
        {
            CDocument* pDoc = pTemplate->GetNextDoc(posDoc);
            POSITION posView = pDoc->GetFirstViewPosition();
            while (posView != NULL)
            {
                CFrameWnd* pViewFrame = pDoc->GetNextView(posView)->GetParentFrame();
                if (pViewFrame != NULL && pViewFrame != pExcept &&
                    pViewFrame->IsKindOf(RUNTIME_CLASS(SECDockableFrame)) && IsWindowChainVisible(pViewFrame))
                {
                    pFrame->ActivateDockableFrame(pViewFrame, FALSE);
                    return TRUE;
                }
            }
        }
    }
    return FALSE;
}
