// SECDragDropDockingFeature: the steps of a docking drag.
#include "uilib/frames/dockengine/DragDropDockingFeature.h"
#include "uilib/frames/dockengine/DockHitTester.h"

namespace
{
ISECDockInitiator* s_pCurrentInitiator = NULL;
SECLayoutNode* s_pLastDragNode = NULL;

// Bounded, so that a window that never validates cannot hold the drag start.
const int kMaxPaintsBeforeDrag = 100;
const DWORD kSettleBeforeDragMs = 25;
const DWORD kDesktopFeedbackDCX = DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE;
} // namespace

SECDragDropDockingFeature::SECDragDropDockingFeature()
    : m_pDockingMgr(NULL), m_hFeedbackDC(NULL), m_pAffectedNodes(NULL), m_pLastDropHandler(NULL),
      m_pDragContext(NULL), m_pDockInfo(new SECDockInProgressInfo), m_bInDragMove(FALSE), m_ptLast{-1, -1},
      m_pUndockedInitiator(NULL), m_pDragNode(NULL), m_pDragRoot(NULL), m_pDragContainer(NULL), m_rcDragNode{}
{
}

SECDragDropDockingFeature::~SECDragDropDockingFeature()
{
    if (m_hFeedbackDC != NULL)
        ReleaseFeedbackDC(m_hFeedbackDC);
    delete m_pAffectedNodes;
    delete m_pDockInfo;
}

ISECDockInitiator* PASCAL SECDragDropDockingFeature::GetCurrentDragInitiator()
{
    return s_pCurrentInitiator;
}

void PASCAL SECDragDropDockingFeature::SetCurrentDragInitiator(ISECDockInitiator* pInitiator)
{
    s_pCurrentInitiator = pInitiator;
}

SECLayoutNode* PASCAL SECDragDropDockingFeature::GetLastDragNode()
{
    return s_pLastDragNode;
}

SECLNDockingMgr* SECDragDropDockingFeature::GetDockingMgr() const
{
    return m_pDockingMgr != NULL ? m_pDockingMgr : SECLNDockingMgr::GetDefaultDockingMgr();
}

// ---- the task's steps ----

BOOL SECDragDropDockingFeature::QueryStartDrag(DWORD, const POINT* pt)
{
    SECLNDockingMgr* pMgr = GetDockingMgr();
    if (pMgr == NULL || pt == NULL)
        return FALSE;
    SECDockInitiatorHitTester tester;
    return tester.HitTest(pMgr, pt, TRUE) != NULL;
}

BOOL SECDragDropDockingFeature::BeginDrag(DWORD dwKeys, const POINT* pt)
{
    m_ptLast.x = m_ptLast.y = -1;
    return StartDockDrag(dwKeys, pt, TRUE);
}

BOOL SECDragDropDockingFeature::DragMove(DWORD dwKeys, const POINT* pt)
{
    if (m_bInDragMove || pt == NULL)
        return FALSE;
    m_bInDragMove = TRUE;
    BOOL bResult = TRUE;
    if (pt->x != m_ptLast.x || pt->y != m_ptLast.y)
        bResult = TrackDockDrag(dwKeys, pt, TRUE);
    m_ptLast = *pt;
    m_bInDragMove = FALSE;
    return bResult;
}

BOOL SECDragDropDockingFeature::EndDrag(DWORD dwKeys, const POINT* pt, BOOL bDropped)
{
    return FinishDockDrag(dwKeys, pt, bDropped, TRUE);
}

BOOL SECDragDropDockingFeature::DoubleClick(DWORD, const POINT* pt)
{
    SECLNDockingMgr* pMgr = GetDockingMgr();
    if (pMgr == NULL)
        return FALSE;
    ISECDockInitiator* pInitiator = HitTestInitiator(pMgr, pt, TRUE);
    return pInitiator != NULL && pInitiator->OnDoubleClick(pMgr);
}

// ---- the feature's own steps ----

void SECDragDropDockingFeature::UndoRefusedStart(SECLayoutNode* pMarked)
{
    if (pMarked != NULL)
        MarkDragNode(pMarked, FALSE, GetDockingMgr(), TRUE, TRUE);
    SECLNHwndContainer::SuppressRecalc(FALSE);
}

BOOL SECDragDropDockingFeature::StartDockDrag(DWORD, const POINT* pt, BOOL bFirst)
{
    SECLNDockingMgr* pMgr = GetDockingMgr();
    if (pMgr == NULL || pt == NULL)
        return FALSE;
    if (bFirst)
    {
        // Windows are repainted before the desktop is drawn on.
        MSG msg;
        for (int i = 0; i < kMaxPaintsBeforeDrag && ::PeekMessage(&msg, NULL, WM_PAINT, WM_PAINT, PM_REMOVE);
             ++i)
        {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
        ::Sleep(kSettleBeforeDragMs);
    }
    SECLNHwndContainer::SuppressRecalc(TRUE);
    ISECDockInitiator* pInitiator = HitTestInitiator(pMgr, pt, bFirst);
    SECLayoutNode* pNode = pInitiator != NULL ? pInitiator->GetInitiatorNode() : NULL;
    if (pNode == NULL)
    {
        UndoRefusedStart(NULL);
        return FALSE;
    }
    if (bFirst)
    {
        m_pDockInfo->Reset();
        pMgr->GetOffsetInContainer(*pt, pNode, &m_pDockInfo->ptGrabOffset);
    }
    MarkDragNode(pNode, TRUE, pMgr, FALSE, FALSE);
    m_pDragContext = pInitiator->BeginDockDrag(pMgr, bFirst, m_pDockInfo);
    if (m_pDragContext == NULL)
    {
        // No EndDrag follows a refused start: the lock, the frozen root and the switched-off
        // layout must not outlive it.
        UndoRefusedStart(pNode);
        return FALSE;
    }
    m_hFeedbackDC = GetFeedbackDC();
    SetCurrentDragInitiator(pInitiator);
    if (bFirst)
        s_pLastDragNode = pNode;
    delete m_pAffectedNodes;
    m_pAffectedNodes = new CPtrList(10);
    return TRUE;
}

BOOL SECDragDropDockingFeature::TrackDockDrag(DWORD dwKeys, const POINT* pt, BOOL)
{
    SECLNDockingMgr* pMgr = GetDockingMgr();
    if (GetCurrentDragInitiator() == NULL || pMgr == NULL)
        return FALSE;
    ISECDockTarget* pTarget = NULL;
    if (!IsDockingSuppressed(pt, dwKeys, &pTarget))
        pTarget = HitTestTarget(pt, pMgr, DraggedFrameContainer(pMgr));
    ISECDockableNode* pHandler = GetDropHandler(pt, pTarget, pMgr);
    RECT rc;
    BOOL bFromTarget = pTarget != NULL && pTarget->GetFeedbackRect(pt, &rc, pMgr, m_pDockInfo);
    if (!bFromTarget && (pHandler == NULL || !pHandler->GetFeedbackRect(pt, &rc, pMgr, m_pDockInfo)))
        return FALSE;
    if (m_pLastDropHandler != NULL && m_pLastDropHandler != pHandler)
        m_pLastDropHandler->EraseFeedback(m_hFeedbackDC);
    m_pLastDropHandler = pHandler;
    if (pHandler != NULL)
        pHandler->DrawFeedback(m_hFeedbackDC, &rc, bFromTarget ? pTarget : NULL);
    return TRUE;
}

BOOL SECDragDropDockingFeature::FinishDockDrag(DWORD dwKeys, const POINT* pt, BOOL bDrop, BOOL bFinal)
{
    SECLNDockingMgr* pMgr = GetDockingMgr();
    ISECDockInitiator* pInitiator = GetCurrentDragInitiator();
    if (pInitiator == NULL || pMgr == NULL || pt == NULL)
        return FALSE;
    ISECDockTarget* pTarget = NULL;
    if (!IsDockingSuppressed(pt, dwKeys, &pTarget))
        pTarget = HitTestTarget(pt, pMgr, DraggedFrameContainer(pMgr));
    ISECDockableNode* pHandler = GetDropHandler(pt, pTarget, pMgr);
    if (pHandler != NULL)
        pHandler->EraseFeedback(m_hFeedbackDC);
    if (m_pLastDropHandler != NULL && m_pLastDropHandler != pHandler)
        m_pLastDropHandler->EraseFeedback(m_hFeedbackDC);

    BOOL bDocked = FALSE;
    if (bDrop && pHandler != NULL)
        bDocked = CarryOutDrop(pt, pHandler, pTarget, pMgr);
    if (!bDocked)
        pInitiator->CancelDockDrag();
    SECLayoutNode* pHandlerNode = pHandler != NULL ? pHandler->GetDockableNode() : NULL;
    if (pHandlerNode != NULL && pHandlerNode->GetRootNode() != m_pDragRoot)
        pHandlerNode->FreezeLayout(FALSE, TRUE);
    MarkDragNode(m_pDragNode, FALSE, pMgr, bFinal, pTarget == NULL);
    if (bDocked)
        pInitiator->OnDocked(pHandler, pMgr);
    pInitiator->EndDockDrag();
    SECLNHwndContainer::SuppressRecalc(FALSE);
    SECLNHwndContainer::RecalcAllFrames(TRUE);
    ReleaseFeedbackDC(m_hFeedbackDC);
    m_hFeedbackDC = NULL;
    SetCurrentDragInitiator(NULL);
    if (bFinal)
    {
        s_pLastDragNode = NULL;
        m_pUndockedInitiator = NULL;
        m_pLastDropHandler = NULL;
    }
    else
    {
        m_pUndockedInitiator = bDocked ? NULL : pInitiator;
        m_pLastDropHandler = bDrop ? pHandler : NULL;
    }
    delete m_pAffectedNodes;
    m_pAffectedNodes = NULL;
    return TRUE;
}

HDC SECDragDropDockingFeature::GetFeedbackDC()
{
    return ::GetDCEx(::GetDesktopWindow(), NULL, kDesktopFeedbackDCX);
}

void SECDragDropDockingFeature::ReleaseFeedbackDC(HDC hdc)
{
    if (hdc != NULL)
        ::ReleaseDC(NULL, hdc);
}

ISECDockInitiator* SECDragDropDockingFeature::HitTestInitiator(SECLNDockingMgr* pMgr, const POINT* pt, BOOL)
{
    SECDockInitiatorHitTester tester;
    return tester.HitTest(pMgr, pt, TRUE);
}

BOOL SECDragDropDockingFeature::CarryOutDrop(const POINT* pt, ISECDockableNode* pHandler,
                                             ISECDockTarget* pTarget, SECLNDockingMgr* pMgr)
{
    if (pHandler == NULL || pMgr == NULL)
        return FALSE;
    if (pTarget == NULL || !pTarget->AcceptDrop(pHandler, pt, pMgr, m_pDockInfo))
    {
        if (!pHandler->FloatAt(pt, pMgr, m_pDockInfo))
            return FALSE;
        pTarget = NULL;
    }
    SECLayoutNode* pNode = pHandler->GetDockableNode();
    pMgr->SendDockEvent(pNode, m_pDragContext, pTarget != NULL ? pTarget->GetTargetNode() : NULL,
                        m_pAffectedNodes);
    if (ISECDockInitiator* pInitiator = GetCurrentDragInitiator())
        pInitiator->OnAfterDrop(pTarget, pt, pMgr, m_pAffectedNodes);
    pHandler->OnAfterDock(pMgr, m_pAffectedNodes);
    pMgr->UpdateSubtreeContainer(pNode);
    pMgr->UpdateSubtreeContainer(m_pDragContext);
    return TRUE;
}

// The container of a floating frame dragged by its caption: the targets are looked for below it,
// while the drag moves and at the drop alike.
ISECLNContainer* SECDragDropDockingFeature::DraggedFrameContainer(SECLNDockingMgr* pMgr)
{
    ISECDockInitiator* pInitiator = GetCurrentDragInitiator();
    if (pInitiator == NULL || pMgr == NULL || !pInitiator->IsFloatingInitiator())
        return NULL;
    return pMgr->FindContainer(pInitiator->GetInitiatorNode());
}

ISECDockTarget* SECDragDropDockingFeature::HitTestTarget(const POINT* pt, SECLNDockingMgr* pMgr,
                                                         ISECLNContainer* pExcluded)
{
    SECLNTargetDockHitTester tester(pExcluded);
    if (ISECDockTarget* pTarget = tester.HitTest(pMgr, pt, FALSE))
        return pTarget;
    SECLNOffNodeDockIFaceHitTest_T<ISECDockTarget> offNode;
    return offNode.HitTestAllRoots(pMgr, pt, pExcluded);
}

BOOL SECDragDropDockingFeature::IsDockingSuppressed(const POINT*, DWORD dwKeys, ISECDockTarget** ppTarget)
{
    if (!(dwKeys & MK_CONTROL))
        return FALSE;
    if (ppTarget != NULL)
        *ppTarget = NULL;
    return TRUE;
}

ISECDockableNode* SECDragDropDockingFeature::GetDropHandler(const POINT* pt, ISECDockTarget* pTarget,
                                                            SECLNDockingMgr* pMgr)
{
    ISECDockInitiator* pInitiator = GetCurrentDragInitiator();
    return pInitiator != NULL ? pInitiator->GetDropHandler(pTarget, pt, pMgr, m_pAffectedNodes) : NULL;
}

void SECDragDropDockingFeature::MarkDragNode(SECLayoutNode* pNode, BOOL bOn, SECLNDockingMgr* pMgr, BOOL,
                                             BOOL)
{
    if (bOn)
    {
        if (pNode == NULL)
            return;
        m_pDragRoot = pNode->GetRootNode();
        m_pDragRoot->FreezeLayout(TRUE, TRUE);
        m_pDragNode = pNode;
        m_pDragContainer = pMgr != NULL ? pMgr->FindContainer(pNode) : NULL;
        pNode->GetAppliedRect(m_rcDragNode);
        if (m_pDragContainer != NULL)
            m_pDragContainer->LockDesktopUpdate(TRUE);
        else
            ::LockWindowUpdate(::GetDesktopWindow());
        return;
    }
    if (m_pDragRoot != NULL)
        m_pDragRoot->FreezeLayout(FALSE, TRUE);
    if (m_pDragNode != NULL)
        ::LockWindowUpdate(NULL);
    m_pDragNode = NULL;
    m_pDragContainer = NULL;
    m_pDragRoot = NULL;
    ::SetRectEmpty(&m_rcDragNode);
}
