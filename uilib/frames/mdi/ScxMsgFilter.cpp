// nsSysCommandEx::ScxMsgFilter: the form changes of document frames and the state menu.
#include "uilib/frames/mdi/ScxMsgFilter.h"
#include "uilib/bars/ControlBar.h"
#include "uilib/frames/docking/DockableFrame.h"
#include "uilib/frames/mdi/MDIFrameWnd.h"
#include "uilib/frames/mdi/MultiDocTemplate.h"

namespace nsSysCommandEx
{
IMPLEMENT_DYNCREATE(ScxMsgFilter, SECMsgFilter)

namespace
{
// The window that paints a frame's caption: a maximised MDI child's is its MDI frame's.
HWND CaptionWindow(CFrameWnd* pFrame)
{
    if (pFrame->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)) && pFrame->IsZoomed())
        return ((CMDIChildWnd*)pFrame)->GetMDIFrame()->GetSafeHwnd();
    return pFrame->GetSafeHwnd();
}

// Locks the main window's updates while a frame changes form; unlocked on every way out.
class CUpdateLock
{
  public:
    explicit CUpdateLock(BOOL bLock) : m_bLocked(FALSE)
    {
        CWnd* pMain = AfxGetMainWnd();
        if (bLock && pMain != NULL)
            m_bLocked = ::LockWindowUpdate(pMain->GetSafeHwnd());
    }
    ~CUpdateLock()
    {
        if (m_bLocked)
            ::LockWindowUpdate(NULL);
    }
    CUpdateLock(const CUpdateLock&) = delete;
    CUpdateLock& operator=(const CUpdateLock&) = delete;

  private:
    BOOL m_bLocked;
};

// Moves and sizes a frame to the record's x, y, cx, cy, leaving out what the record lacks.
void PlaceFromRecord(CWnd* pWnd, const ScxCommandRecord* pRecord)
{
    if (!(pRecord->dwFlags & (scxPosValid | scxSizeValid)))
        return;
    UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (!(pRecord->dwFlags & scxPosValid))
        nFlags |= SWP_NOMOVE;
    if (!(pRecord->dwFlags & scxSizeValid))
        nFlags |= SWP_NOSIZE;
    CPoint pt(pRecord->x, pRecord->y);
    CWnd* pParent = pWnd->GetParent();
    if (pParent != NULL && (pWnd->GetStyle() & WS_CHILD))
        pParent->ScreenToClient(&pt);
    pWnd->SetWindowPos(NULL, pt.x, pt.y, pRecord->cx, pRecord->cy, nFlags);
}

CFrameWnd* FrameOfRecord(const ScxCommandRecord* pRecord)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(pRecord->hWnd);
    return pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? (CFrameWnd*)pWnd : NULL;
}
} // namespace

ScxMsgFilter::ScxMsgFilter() : m_bCopy(FALSE)
{
}

ScxMsgFilter::ScxMsgFilter(const ScxMsgFilter& other) : SECMsgFilter(other), m_bCopy(FALSE)
{
}

SECMsgFilter* ScxMsgFilter::Clone() const
{
    return new ScxMsgFilter(*this);
}

BOOL ScxMsgFilter::RunsOnCopy(UINT nCommand)
{
    return nCommand == scxSetState || nCommand == scxStateMenu;
}

UINT ScxMsgFilter::OnFilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != GetMessageID())
        return SECMsgFilter::OnFilterMessage(message, wParam, lParam, pResult);
    ScxCommandRecord* pRecord = GetOwnRecord(lParam);
    if (pRecord == NULL)
        return 0;
    const UINT nCommand = (UINT)wParam & 0xFFF0;
    if (!m_bCopy && RunsOnCopy(nCommand))
    {
        // The command may destroy this filter's window and with it this filter.
        ScxMsgFilter* pCopy = (ScxMsgFilter*)Clone();
        pCopy->m_bCopy = TRUE;
        UINT nResult = pCopy->OnFilterMessage(message, wParam, lParam, pResult);
        delete pCopy;
        if (nResult & resultHandled)
            nResult |= resultStop;
        return nResult;
    }
    if (!::IsWindow(pRecord->hWnd))
        return 0;
    UINT nResult = 0;
    switch (nCommand)
    {
    case scxSetState:
        nResult = ExecuteCommand(pRecord, pResult);
        break;
    case scxBuildMenu:
        nResult = BuildStateMenuForRecord(pRecord, pResult);
        break;
    case scxStateMenu:
        nResult = ShowStateMenu(pRecord, pResult);
        break;
    default:
        return 0;
    }
    if ((pRecord->dwFlags & scxPosValid) && ::IsWindow(pRecord->hWnd))
    {
        CFrameWnd* pFrame = FrameOfRecord(pRecord);
        ::SendMessage(pFrame != NULL ? CaptionWindow(pFrame) : pRecord->hWnd, WM_NCPAINT, 1, 0);
    }
    return nResult;
}

SECMultiDocTemplate* ScxMsgFilter::FindTemplate(ScxCommandRecord* pRecord, CRuntimeClass* pClass)
{
    CFrameWnd* pFrame = FrameOfRecord(pRecord);
    CView* pView = pFrame != NULL ? pFrame->GetActiveView() : NULL;
    CDocument* pDoc = pView != NULL ? pView->GetDocument() : NULL;
    CWinApp* pApp = AfxGetApp();
    if (pDoc == NULL || pApp == NULL)
        return NULL;
    POSITION pos = pApp->GetFirstDocTemplatePosition();
    while (pos != NULL)
    {
        CDocTemplate* pTemplate = pApp->GetNextDocTemplate(pos);
        if (pClass != NULL && !pTemplate->IsKindOf(pClass))
            continue;
        POSITION posDoc = pTemplate->GetFirstDocPosition();
        while (posDoc != NULL)
        {
            if (pTemplate->GetNextDoc(posDoc) == pDoc)
                return (SECMultiDocTemplate*)pTemplate;
        }
    }
    return NULL;
}

int ScxMsgFilter::GetCurrentState(CFrameWnd* pFrame, SECMultiDocTemplate* pTemplate)
{
    if (pFrame->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)))
        return pFrame->IsZoomed() ? scxMDIMaximized : pFrame->IsIconic() ? scxMDIMinimized : scxMDIRestored;
    if (pFrame->IsKindOf(RUNTIME_CLASS(SECDockableFrame)) && pTemplate != NULL)
    {
        // Docking state of the template (top, left, bottom, right, floating) to a state code.
        static const int kStates[] = {scxDockedTop, scxDockedLeft, scxDockedBottom, scxDockedRight,
                                      scxFloating};
        const int nDocking = pTemplate->GetDockingState(pFrame);
        if (nDocking >= 0 && nDocking < (int)_countof(kStates))
            return kStates[nDocking];
    }
    return scxNone;
}

int ScxMsgFilter::GetStateGroup(int nState)
{
    return nsSysCommandEx::GetStateGroup(nState);
}

int ScxMsgFilter::GetDefaultTarget(int nCurrent)
{
    return GetStateGroup(nCurrent) == scxMDIChild ? scxDocked : scxMDIChild;
}

UINT ScxMsgFilter::ExecuteCommand(ScxCommandRecord* pRecord, LRESULT* pResult)
{
    SECMultiDocTemplate* pTemplate = FindTemplate(pRecord, RUNTIME_CLASS(SECMultiDocTemplate));
    CFrameWnd* pFrame = FrameOfRecord(pRecord);
    if (pTemplate == NULL || pFrame == NULL)
        return 0;
    const int nCurrent = GetCurrentState(pFrame, pTemplate);
    const int nTarget = pRecord->nTarget == -1 ? GetDefaultTarget(nCurrent) : pRecord->nTarget;
    CFrameWnd* pNew = NULL;
    switch (GetStateGroup(nTarget))
    {
    case scxMDIChild:
        pNew = MakeMDIChild(pFrame, nCurrent, nTarget, pTemplate, pRecord);
        break;
    case scxDocked:
        pNew = MakeDocked(pFrame, nCurrent, nTarget, pTemplate, pRecord);
        break;
    case scxFloating:
        pNew = MakeFloating(pFrame, nCurrent, nTarget, pTemplate, pRecord);
        break;
    default:
        break;
    }
    *pResult = pNew != NULL;
    return resultHandled | resultCaption | resultStop;
}

UINT ScxMsgFilter::BuildStateMenuForRecord(ScxCommandRecord* pRecord, LRESULT* pResult)
{
    HMENU hMenu = GetMenuForRecord(pRecord);
    pRecord->lResult = (LRESULT)hMenu;
    *pResult = hMenu != NULL;
    return resultHandled | resultCaption | resultStop;
}

HMENU ScxMsgFilter::GetMenuForRecord(ScxCommandRecord* pRecord)
{
    SECMultiDocTemplate* pTemplate = FindTemplate(pRecord, RUNTIME_CLASS(SECMultiDocTemplate));
    CFrameWnd* pFrame = FrameOfRecord(pRecord);
    if (pTemplate == NULL || pFrame == NULL)
        return NULL;
    return BuildStateMenu(GetCurrentState(pFrame, pTemplate));
}

HMENU ScxMsgFilter::BuildStateMenu(int nCurrentState)
{
    return nsSysCommandEx::BuildStateMenu(nCurrentState);
}

HMENU ScxMsgFilter::GetStateMenu(ScxCommandRecord* pRecord)
{
    if (pRecord->lResult != 0 && ::IsMenu((HMENU)pRecord->lResult))
        return (HMENU)pRecord->lResult;
    ScxCommandRecord copy = *pRecord;
    copy.dwFlags &= ~scxPosValid;
    copy.lResult = 0;
    SendCommand(pRecord->hWnd, scxBuildMenu, &copy);
    return (HMENU)copy.lResult;
}

int ScxMsgFilter::TrackStateMenu(HMENU hMenu, ScxCommandRecord* pRecord)
{
    CPoint pt(pRecord->x, pRecord->y);
    if (pt.x < 0)
    {
        CRect rect;
        ::GetClientRect(pRecord->hWnd, &rect);
        pt = rect.CenterPoint();
        ::ClientToScreen(pRecord->hWnd, &pt);
    }
    return (int)::TrackPopupMenu(hMenu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, pt.x, pt.y, 0,
                                 pRecord->hWnd, NULL);
}

void ScxMsgFilter::SendChosenState(int nState, ScxCommandRecord* pRecord)
{
    ScxCommandRecord copy = *pRecord;
    copy.dwFlags &= ~scxPosValid;
    copy.nTarget = nState;
    copy.lResult = 0;
    SendCommand(pRecord->hWnd, scxSetState, &copy);
}

UINT ScxMsgFilter::ShowStateMenu(ScxCommandRecord* pRecord, LRESULT* pResult)
{
    HMENU hMenu = GetStateMenu(pRecord);
    if (hMenu != NULL)
    {
        const int nChosen = TrackStateMenu(hMenu, pRecord);
        ::DestroyMenu(hMenu);
        if (nChosen != 0)
            SendChosenState(nChosen, pRecord);
    }
    *pResult = 0;
    return resultHandled | resultCaption | resultStop;
}

CFrameWnd* ScxMsgFilter::ToggleThroughTemplate(CFrameWnd* pFrame, SECMultiDocTemplate* pTemplate)
{
    return pTemplate->ToggleDocking(pFrame);
}

CFrameWnd* ScxMsgFilter::DockThroughTemplate(CFrameWnd* pFrame, SECMultiDocTemplate* pTemplate,
                                             UINT nDockBarID, const SECDockBarPosition* pPos,
                                             const SECDockSizeRecord* pSize)
{
    return pTemplate->DockFrameEx(pFrame, nDockBarID, pPos, pSize);
}

CFrameWnd* ScxMsgFilter::MakeMDIChild(CFrameWnd* pFrame, int nCurrent, int nTarget,
                                      SECMultiDocTemplate* pTemplate, ScxCommandRecord* pRecord)
{
    if (pFrame->GetActiveView() == NULL)
        return NULL;
    CUpdateLock lock(GetStateGroup(nCurrent) != scxMDIChild);
    // First the plain conversion into an MDI child.
    CFrameWnd* pNew = NULL;
    switch (GetStateGroup(nCurrent))
    {
    case scxMDIChild:
        pNew = pFrame;
        break;
    case scxDocked:
    case scxFloating:
        pNew = ToggleThroughTemplate(pFrame, pTemplate);
        break;
    default:
        return NULL;
    }
    if (pNew == NULL || nTarget == scxMDIChild)
        return pNew;
    const int nNewState = GetCurrentState(pNew, pTemplate);
    if (GetStateGroup(nNewState) != scxMDIChild)
        return NULL;
    // Then the form the target asks for.
    static const struct
    {
        int nState;
        int nShow;
    } kShow[] = {{scxMDIMinimized, SW_SHOWMINIMIZED},
                 {scxMDIMaximized, SW_SHOWMAXIMIZED},
                 {scxMDIRestored, SW_SHOWNORMAL}};
    for (const auto& show : kShow)
    {
        if (show.nState == nTarget && nNewState != nTarget)
            pNew->ShowWindow(show.nShow);
    }
    if (nTarget != scxMDIMaximized)
        PlaceFromRecord(pNew, pRecord);
    return pNew;
}

CFrameWnd* ScxMsgFilter::MakeDocked(CFrameWnd* pFrame, int nCurrent, int nTarget,
                                    SECMultiDocTemplate* pTemplate, ScxCommandRecord* pRecord)
{
    if (pFrame->GetActiveView() == NULL)
        return NULL;
    const int nGroup = GetStateGroup(nCurrent);
    if ((nTarget == scxNone || nTarget == scxDocked) && !(pRecord->dwFlags & (scxPosValid | scxSizeValid)))
    {
        if (nGroup == scxMDIChild)
            return ToggleThroughTemplate(pFrame, pTemplate);
        if (nGroup == scxDocked)
            return pFrame;
        if (nGroup == scxFloating)
            return FloatDockedBar(pFrame, pRecord);
        return NULL;
    }
    const UINT nDockBarID = DockBarOfState(nTarget);
    if (nDockBarID == 0)
        return NULL;
    SECDockBarPosition pos = SECDockPlacement::DefaultPosition(nDockBarID);
    SECDockSizeRecord size = SECDockPlacement::DefaultSize();
    if ((pRecord->dwFlags & scxPosValid) && pRecord->pPosition != NULL)
        pos = *(const SECDockBarPosition*)pRecord->pPosition;
    if ((pRecord->dwFlags & scxSizeValid) && pRecord->pSize != NULL)
        size = *(const SECDockSizeRecord*)pRecord->pSize;
    if (nGroup == scxMDIChild)
        return DockThroughTemplate(pFrame, pTemplate, nDockBarID, &pos, &size);
    // Docked or floating: the hosting bar moves to the edge.
    SECMDIFrameWnd* pMain = DYNAMIC_DOWNCAST(SECMDIFrameWnd, AfxGetMainWnd());
    CWnd* pParent = pFrame->GetParent();
    if (pMain == NULL || pParent == NULL || !pParent->IsKindOf(RUNTIME_CLASS(SECControlBar)))
        return NULL;
    SECControlBar* pBar = (SECControlBar*)pParent;
    pBar->SetBarStyle((pBar->GetBarStyle() & ~CBRS_ALIGN_ANY) | SECDockPlacement::AlignmentOf(nDockBarID));
    pMain->DockControlBarEx(pBar, pos, nDockBarID, size);
    pMain->RecalcLayout(TRUE);
    return pFrame;
}

CFrameWnd* ScxMsgFilter::MakeFloating(CFrameWnd* pFrame, int nCurrent, int nTarget,
                                      SECMultiDocTemplate* pTemplate, ScxCommandRecord* pRecord)
{
    if ((nTarget != scxNone && GetStateGroup(nTarget) != scxFloating) || pFrame->GetActiveView() == NULL)
        return NULL;
    switch (GetStateGroup(nCurrent))
    {
    case scxDocked:
        return FloatDockedBar(pFrame, pRecord);
    case scxFloating:
        if (pRecord->dwFlags & (scxPosValid | scxSizeValid))
        {
            CFrameWnd* pFloatFrame = pFrame->GetParentFrame();
            if (pFloatFrame != NULL)
                PlaceFromRecord(pFloatFrame, pRecord);
        }
        return pFrame;
    case scxMDIChild: {
        if (pFrame->IsIconic())
            pFrame->ShowWindow(SW_RESTORE);
        CRect rect;
        pFrame->GetWindowRect(&rect);
        CFrameWnd* pDocked = MakeDocked(pFrame, nCurrent, scxNone, pTemplate, pRecord);
        if (pDocked == NULL || GetStateGroup(GetCurrentState(pDocked, pTemplate)) != scxDocked)
            return NULL;
        // The floating frame takes the child's place on the screen.
        if (!(pRecord->dwFlags & scxPosValid))
        {
            pRecord->x = rect.left;
            pRecord->y = rect.top;
            pRecord->dwFlags |= scxPosValid;
        }
        if (!(pRecord->dwFlags & scxSizeValid))
        {
            pRecord->cx = rect.Width();
            pRecord->cy = rect.Height();
            pRecord->dwFlags |= scxSizeValid;
        }
        return MakeFloating(pDocked, scxDocked, nTarget, pTemplate, pRecord);
    }
    default:
        return NULL;
    }
}

CFrameWnd* ScxMsgFilter::FloatDockedBar(CFrameWnd* pFrame, ScxCommandRecord* pRecord)
{
    CWnd* pParent = pFrame->GetParent();
    if (pParent == NULL || !pParent->IsKindOf(RUNTIME_CLASS(SECControlBar)))
        return NULL;
    SECControlBar* pBar = (SECControlBar*)pParent;
    CDockContext* pContext = pBar->m_pDockContext;
    if (pContext == NULL)
        return NULL;
    const CPoint ptSaved = pContext->m_ptMRUFloatPos;
    if (pRecord->dwFlags & scxPosValid)
        pContext->m_ptMRUFloatPos = CPoint(pRecord->x, pRecord->y);
    if (pRecord->dwFlags & scxSizeValid)
        pBar->m_szFloat = CSize(pRecord->cx, pRecord->cy);
    pContext->ToggleDocking();
    if (pRecord->dwFlags & scxPosValid)
        pContext->m_ptMRUFloatPos = ptSaved;
    return pFrame;
}
} // namespace nsSysCommandEx
