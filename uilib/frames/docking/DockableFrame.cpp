// SECDockableFrame: activation, menus, title, caption filters and caption drags of a document
// frame hosted in a control bar.
#include "uilib/frames/docking/DockableFrame.h"
#include "uilib/frames/mdi/CaptionControlListMsgFilter.h"
#include "uilib/frames/mdi/MDIChildWnd.h"
#include "uilib/frames/mdi/MDIFrameWnd.h"
#include "uilib/frames/mdi/MultiDocTemplate.h"
#include "uilib/frames/mdi/ScxButtonMsgFilter.h"
#include "uilib/frames/mdi/ScxCaptionNCRDBLClkFilter.h"
#include "uilib/frames/mdi/ScxContextMenuFilter.h"
#include "uilib/frames/mdi/ScxMsgFilter.h"

using namespace nsSysCommandEx;

IMPLEMENT_DYNCREATE(SECDockableFrame, SECFrameWnd)

BEGIN_MESSAGE_MAP(SECDockableFrame, SECFrameWnd)
ON_WM_ACTIVATE()
ON_WM_PARENTNOTIFY()
ON_WM_MOUSEACTIVATE()
ON_MESSAGE(WM_NCLBUTTONDOWN, OnNcLButtonDownMsg)
ON_MESSAGE(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClkMsg)
ON_WM_NCACTIVATE()
ON_MESSAGE(WM_NCRBUTTONDOWN, OnFilteredMouse)
ON_MESSAGE(WM_NCRBUTTONUP, OnFilteredMouse)
ON_MESSAGE(WM_NCRBUTTONDBLCLK, OnFilteredMouse)
ON_MESSAGE(WM_LBUTTONUP, OnFilteredMouse)
ON_MESSAGE(WM_MOUSEMOVE, OnFilteredMouse)
ON_MESSAGE(WM_SETTEXT, OnSetTextMsg)
ON_WM_NCPAINT()
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{
enum : UINT
{
    kFilterSysCommandEx = 257,
    kFilterButtonList = 256,
    kFilterButton = 258,
    kFilterRDblClk = 259,
    kFilterContextMenu = 262
};
} // namespace

SECDockableFrame::SECDockableFrame() : m_hMenuShared(NULL), m_pMsgFilter(new SECMsgFilter), m_dwReserved{}
{
    m_pMsgFilter->SetID((UINT)-1);
    m_filterTable.Add(
        new SECMsgFilter::Descriptor(kFilterSysCommandEx, (UINT)-1, RUNTIME_CLASS(ScxMsgFilter), 0));
    m_filterTable.Add(new SECMsgFilter::Descriptor(kFilterButtonList, (UINT)-1,
                                                   RUNTIME_CLASS(SECCaptionControlListMsgFilter),
                                                   SECMsgFilter::descKeepEnabled));
    m_filterTable.Add(
        new SECMsgFilter::Descriptor(kFilterButton, kFilterButtonList, RUNTIME_CLASS(ScxButtonMsgFilter), 0));
    m_filterTable.Add(
        new SECMsgFilter::Descriptor(kFilterRDblClk, (UINT)-1, RUNTIME_CLASS(ScxCaptionNCRDBLClkFilter), 0));
    m_filterTable.Add(
        new SECMsgFilter::Descriptor(kFilterContextMenu, (UINT)-1, RUNTIME_CLASS(ScxContextMenuFilter), 0));
}

SECDockableFrame::~SECDockableFrame()
{
    SECMsgFilter::DeleteRoot(m_pMsgFilter);
    m_pMsgFilter = NULL;
    m_filterTable.RemoveAllDescriptors();
}

SECMDIFrameWnd* SECDockableFrame::GetOwningMDIFrame() const
{
    SECMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(SECMDIFrameWnd, GetParentFrame());
    return pFrame != NULL ? pFrame : DYNAMIC_DOWNCAST(SECMDIFrameWnd, AfxGetMainWnd());
}

BOOL SECDockableFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style &= ~FWS_PREFIXTITLE;
    return TRUE;
}

BOOL SECDockableFrame::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                 CCreateContext* pContext)
{
    SECMultiDocTemplate* pTemplate =
        pContext != NULL ? DYNAMIC_DOWNCAST(SECMultiDocTemplate, pContext->m_pNewDocTemplate) : NULL;
    if (pTemplate != NULL)
    {
        m_hMenuShared = pTemplate->m_hMenuDockable;
        m_hAccelTable = pTemplate->m_hAccelDockable;
    }
    return SECFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
}

void SECDockableFrame::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    SECMDIFrameWnd* pMDIFrame = GetOwningMDIFrame();
    if (pMDIFrame != NULL)
        pMDIFrame->OnUpdateFrameTitle(bAddToTitle);
    CDocument* pDoc = GetActiveDocument();
    if ((GetStyle() & FWS_ADDTOTITLE) && bAddToTitle && pDoc != NULL)
        SetCaptionIfChanged(NumberedDocumentName(pDoc->GetTitle()));
}

BOOL SECDockableFrame::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    {
        HACCEL hAccel = GetDefaultAccelerator();
        CWnd* pMain = AfxGetMainWnd();
        return hAccel != NULL && pMain != NULL && ::TranslateAccelerator(pMain->m_hWnd, hAccel, pMsg);
    }
    return FALSE;
}

LRESULT SECDockableFrame::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == GetMessageID())
    {
        LRESULT lResult = 0;
        if (m_pMsgFilter != NULL)
            m_pMsgFilter->FilterMessage(nMsg, wParam, lParam, &lResult);
        return lResult;
    }
    return CWnd::DefWindowProc(nMsg, wParam, lParam);
}

BOOL SECDockableFrame::DestroyWindow()
{
    // The hosting bar goes, and takes this frame with it.
    CWnd* pBar = GetParent();
    if (m_hWnd != NULL && pBar != NULL)
        return pBar->DestroyWindow();
    return CWnd::DestroyWindow();
}

void SECDockableFrame::OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt)
{
    SECMDIFrameWnd* pMDIFrame = GetOwningMDIFrame();
    if (pMDIFrame == NULL)
        return;
    HWND hClient = pMDIFrame->m_hWndMDIClient;
    HMENU hMenu = hMenuAlt;
    if (hMenu == NULL && bActivate)
    {
        CDocument* pDoc = GetActiveDocument();
        hMenu = pDoc != NULL ? pDoc->GetDefaultMenu() : NULL;
        if (hMenu == NULL && pMDIFrame->HasMenuBar())
        {
            pMDIFrame->SetMenu(NULL);
            pMDIFrame->DrawMenuBar();
            pMDIFrame->SwitchMenuBarMenu(m_nIDHelp);
            return;
        }
    }
    if (hMenu == NULL)
        hMenu = m_hMenuShared;
    if (hMenu == NULL)
    {
        ::SendMessage(hClient, WM_MDIREFRESHMENU, 0, 0);
        return;
    }
    if (bActivate)
        ::SendMessage(hClient, WM_MDISETMENU, (WPARAM)hMenu, (LPARAM)pMDIFrame->GetWindowMenuPopup(hMenu));
    else if (pActivateWnd != NULL)
        ::SendMessage(hClient, WM_MDIREFRESHMENU, 0, 0);
    else
        ::SendMessage(hClient, WM_MDISETMENU, (WPARAM)pMDIFrame->m_hMenuDefault, 0);
}

BOOL SECDockableFrame::IsInFloatingBar()
{
    CControlBar* pBar = DYNAMIC_DOWNCAST(CControlBar, GetParent());
    return pBar != NULL && pBar->IsFloating();
}

void SECDockableFrame::SetCaptionStyle(DWORD dwStyle)
{
    m_pMsgFilter->SetWindow(this, TRUE);
    const BOOL bOn = (dwStyle & 1) != 0;
    const BOOL enables[] = {bOn, bOn && !(dwStyle & 2), bOn && !(dwStyle & 2), bOn && !(dwStyle & 4),
                            bOn && !(dwStyle & 8)};
    m_pMsgFilter->ApplyDescriptorTable(m_filterTable, enables);
    SECMsgFilter* pList = m_pMsgFilter->FindOrCreateFilter(kFilterButtonList, NULL, -1);
    if (pList != NULL && pList->IsKindOf(RUNTIME_CLASS(SECCaptionControlListMsgFilter)))
    {
        SECCaptionControlListMsgFilter* pButtons = (SECCaptionControlListMsgFilter*)pList;
        pButtons->ApplyDescriptorTableAll(pButtons->GetDescriptorTable(), FALSE);
    }
}

BOOL SECDockableFrame::FilterCurrent(LRESULT* pResult)
{
    return m_pMsgFilter != NULL && (m_pMsgFilter->FilterMessage(pResult) & SECMsgFilter::resultHandled) != 0;
}

void SECDockableFrame::ActivateInMDIFrame()
{
    SECMDIFrameWnd* pMDIFrame = GetOwningMDIFrame();
    if (pMDIFrame != NULL)
        pMDIFrame->ActivateDockableFrame(this, FALSE);
}

void SECDockableFrame::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    if (nState != WA_INACTIVE)
        ActivateInMDIFrame();
}

void SECDockableFrame::OnParentNotify(UINT message, LPARAM lParam)
{
    CWnd::OnParentNotify(message, lParam);
    const UINT nEvent = LOWORD(message);
    if (nEvent == WM_LBUTTONDOWN || nEvent == WM_RBUTTONDOWN)
        ActivateInMDIFrame();
}

int SECDockableFrame::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    const int nResult = CFrameWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    ActivateInMDIFrame();
    return nResult;
}

LRESULT SECDockableFrame::OnNcLButtonDownMsg(WPARAM wParam, LPARAM lParam)
{
    ActivateInMDIFrame();
    LRESULT lResult = 0;
    if (FilterCurrent(&lResult))
        return lResult;
    const UINT nHit = (UINT)wParam;
    const CPoint pt((short)LOWORD(lParam), (short)HIWORD(lParam));
    CControlBar* pBar = DYNAMIC_DOWNCAST(CControlBar, GetParent());
    if (pBar != NULL && IsInFloatingBar())
    {
        // The floating frame moves and sizes itself.
        if (nHit != HTCLOSE)
        {
            CWnd* pFloatFrame = pBar->GetParentFrame();
            if (pFloatFrame != NULL)
                return pFloatFrame->SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, lParam);
        }
    }
    else if (pBar != NULL && pBar->m_pDockContext != NULL &&
             (nHit == HTCAPTION || nHit == HTBORDER || (nHit >= HTLEFT && nHit <= HTBOTTOMRIGHT)))
    {
        pBar->m_pDockContext->StartDrag(pt);
        return 0;
    }
    return Default();
}

LRESULT SECDockableFrame::OnNcLButtonDblClkMsg(WPARAM wParam, LPARAM lParam)
{
    if (wParam != HTCAPTION)
        return Default();
    CControlBar* pBar = DYNAMIC_DOWNCAST(CControlBar, GetParent());
    if (pBar != NULL && IsInFloatingBar())
    {
        CWnd* pFloatFrame = pBar->GetParentFrame();
        if (pFloatFrame != NULL)
            pFloatFrame->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, lParam);
    }
    return 0;
}

BOOL SECDockableFrame::OnNcActivate(BOOL bActive)
{
    const BOOL bResult = (BOOL)DefWindowProc(WM_NCACTIVATE, bActive, 0);
    if (m_pMsgFilter != NULL)
        m_pMsgFilter->FilterMessage(WM_NCACTIVATE, bActive, 0, NULL);
    return bResult;
}

LRESULT SECDockableFrame::OnFilteredMouse(WPARAM, LPARAM)
{
    LRESULT lResult = 0;
    if (FilterCurrent(&lResult))
        return lResult;
    return Default();
}

LRESULT SECDockableFrame::OnSetTextMsg(WPARAM, LPARAM)
{
    const LRESULT lResult = Default();
    if (m_pMsgFilter != NULL)
        m_pMsgFilter->FilterMessage();
    return lResult;
}

void SECDockableFrame::OnNcPaint()
{
    SECFrameWnd::OnNcPaint();
    if (m_pMsgFilter != NULL)
        m_pMsgFilter->FilterMessage();
}

void SECDockableFrame::OnDestroy()
{
    SECMDIFrameWnd* pMDIFrame = GetOwningMDIFrame();
    if (pMDIFrame != NULL && pMDIFrame->GetActiveFrame() == this)
    {
        if (HasOtherVisibleMDIChild(NULL) || !ActivateNextDockableFrame(this))
            pMDIFrame->ActivateDockableFrame(NULL, FALSE);
    }
    CFrameWnd::OnDestroy();
}
