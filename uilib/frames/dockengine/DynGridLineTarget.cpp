// SECDynGridLineTarget: previews and drops in a dock area's grid.
#include "uilib/frames/dockengine/DynGridLineTarget.h"
#include "uilib/frames/dockengine/DockingMgr.h"
#include "uilib/frames/dockengine/DragDropDockingFeature.h"
#include <algorithm>

SECDynGridLineTarget::SECDynGridLineTarget()
    : m_nOffNodeMargin(25), m_fNodeEdgeFraction(0.2f), m_pPreviewNode(NULL), m_bWasEmptied(FALSE),
      m_nRememberedThickness(0), m_nDockPosition(0)
{
}

BOOL SECDynGridLineTarget::HitTestZones(SECLayoutNode* pNode, POINT pt,
                                        SECDynGridInsertConstraints* pConstraints, BOOL bInside)
{
    if (pNode == NULL || pConstraints == NULL)
        return FALSE;
    RECT rc;
    pNode->GetAppliedRect(rc);
    const BOOL bHorz = GetNodeOrientation();
    const SECOrientedRect r(rc, bHorz);
    const int p = bHorz ? pt.x : pt.y;
    const int nStart = r.GetStart(), nEnd = r.GetEnd();
    if (bInside)
    {
        const int nBand = (int)(r.GetLength() * m_fNodeEdgeFraction);
        if (nStart <= p && p <= nStart + nBand)
            pConstraints->bAfter = FALSE;
        else if (nEnd - nBand <= p && p <= nEnd)
            pConstraints->bAfter = TRUE;
        else
            return FALSE;
        return TRUE;
    }
    const int c = bHorz ? pt.y : pt.x;
    if (c < r.GetCrossStart() || c > r.GetCrossEnd())
        return FALSE;
    if (nStart - m_nOffNodeMargin <= p && p <= nStart)
        pConstraints->bAfter = FALSE;
    else if (nEnd <= p && p <= nEnd + m_nOffNodeMargin)
        pConstraints->bAfter = TRUE;
    else
        return FALSE;
    return TRUE;
}

BOOL SECDynGridLineTarget::HitTest(POINT pt, SECDynGridInsertConstraints* pConstraints)
{
    BOOL bAfter = FALSE;
    SECLayoutNode* pNode = FindNodeAt(pt, &bAfter, NULL);
    if (pNode != NULL && HitTestZones(pNode, pt, pConstraints, TRUE))
    {
        pConstraints->pRefNode = pNode;
        return TRUE;
    }
    pConstraints->pRefNode = NULL;
    return HitTestZones(this, pt, pConstraints, FALSE);
}

BOOL SECDynGridLineTarget::HitTestOffNode(const POINT* ptContainer)
{
    if (!m_bGrowToFit || ptContainer == NULL)
        return FALSE;
    SECDynGridInsertConstraints scratch;
    return HitTestZones(this, *ptContainer, &scratch, FALSE);
}

BOOL SECDynGridLineTarget::TrackOverTarget(SECLayoutNode* pNode, POINT ptContainer, POINT ptScreen,
                                           BOOL bDrop, SECLNDockingMgr* pMgr, SECDockInProgressInfo* pInfo)
{
    if (!SECDefDockTargetBase::TrackOverTarget(pNode, ptContainer, ptScreen, bDrop, pMgr, pInfo))
        return FALSE;
    RECT rc;
    GetAppliedRect(rc);
    m_rectBeforePreview = rc;
    m_rectBeforePreview.SetOrientation(GetNodeOrientation());
    m_pPreviewNode = NULL;

    SECDockInsertionConstraints place;
    place.SetPoint(ptContainer, TRUE);
    if (SECDockingNodeConstraints* pRecord = pMgr != NULL ? pMgr->GetNodeConstraints(pNode, FALSE) : NULL)
        place.bResizable = pRecord->bResizable;
    if (HitTest(ptContainer, &place))
        place.bNewLine = TRUE;
    else
    {
        BOOL bAfter = FALSE;
        SECLNDynamicGridLine* pLine = NULL;
        SECLayoutNode* pRef = FindNodeAt(ptContainer, &bAfter, &pLine);
        if (pRef == NULL || pLine == NULL)
            return FALSE;
        place.pRefNode = pRef;
        place.bAfter = bAfter;
        place.nLength = pLine->GetAverageLength(TRUE);
    }
    // A new line is as thick as the dragged node is narrow.
    ISECDockInitiator* pInitiator = SECDragDropDockingFeature::GetCurrentDragInitiator();
    SECLayoutNode* pDragged = pInitiator != NULL ? pInitiator->GetInitiatorNode() : pNode;
    if (pDragged != NULL)
    {
        RECT rcPreferred;
        pDragged->GetPreferredRect(rcPreferred);
        place.nCrossLength =
            std::min(rcPreferred.right - rcPreferred.left, rcPreferred.bottom - rcPreferred.top);
    }
    if (InsertNode(pNode, &place) == -1)
        return FALSE;
    GetAppliedRect(rc);
    RECT rcOut;
    RecalcNode(rcOut, rc, FALSE, TRUE);
    m_pPreviewNode = pNode;
    return TRUE;
}

void SECDynGridLineTarget::NegotiateWithHost()
{
    SECLNHwndContainer* pContainer = m_hWndHost != NULL ? new SECLNHwndContainer(m_hWndHost) : NULL;
    NegotiateChildSize(TRUE, pContainer);
    delete pContainer;
}

BOOL SECDynGridLineTarget::LeaveTarget(SECLayoutNode*)
{
    if (m_pPreviewNode == NULL)
        return FALSE;
    RemoveLayoutChild(m_pPreviewNode);
    RECT rc, rcOut;
    GetAppliedRect(rc);
    RecalcNode(rcOut, rc, FALSE, TRUE);
    m_pPreviewNode = NULL;
    GetAppliedRect(rc);
    if (SECOrientedRect(rc, GetNodeOrientation()).GetLength() != m_rectBeforePreview.GetLength())
    {
        SetAppliedRect(m_rectBeforePreview);
        SetPreferredRect(m_rectBeforePreview);
        if (GetParentNode() != NULL)
            NegotiateWithHost();
    }
    return TRUE;
}

int SECDynGridLineTarget::InsertNode(SECLayoutNode* pNode, SECDynGridInsertConstraints* pConstraints)
{
    SECDynGridInsertConstraints defaults;
    if (pConstraints == NULL)
        pConstraints = &defaults;
    if (m_bWasEmptied)
    {
        SetGrowToFit(TRUE);
        pConstraints->nCrossLength = m_nRememberedThickness;
    }
    const int nResult = SECLNDynamicGrid2d::InsertNode(pNode, pConstraints);
    if (nResult != -1 && GetNodeCount() > 0)
        m_bWasEmptied = FALSE;
    return nResult;
}

int SECDynGridLineTarget::RemoveLayoutChild(SECLayoutNode* pNode)
{
    RECT rc;
    GetAppliedRect(rc);
    // The area's thickness: the length along the axis the lines are stacked on.
    const int nThickness = SECOrientedRect(rc, GetNodeOrientation()).GetLength();
    const int nResult = SECLNDynamicGrid2d::RemoveLayoutChild(pNode);
    if (!m_bGrowToFit && !m_bWasEmptied && GetNodeCount() == 0 && nResult != -1)
    {
        m_bWasEmptied = TRUE;
        m_nRememberedThickness = nThickness;
        SetGrowToFit(TRUE);
    }
    return nResult;
}

BOOL SECDynGridLineTarget::GetNodeConstraints(SECLayoutNode* pNode, SECDynGridInsertConstraints* pConstraints)
{
    if (!SECLNDynamicGrid2d::GetNodeConstraints(pNode, pConstraints))
        return FALSE;
    if (SECDockInsertionConstraints* pDock = dynamic_cast<SECDockInsertionConstraints*>(pConstraints))
        pDock->nDockPosition = m_nDockPosition;
    return TRUE;
}
