// SECDefDockNodeBase: outlines of a dragged node, hiding through the parent's undo object.
#include "uilib/frames/dockengine/DefDockNodeBase.h"
#include "uilib/frames/dockengine/DockingMgr.h"
#include "uilib/frames/layout/ReparentableNode.h"

SECDefDockNodeBase::SECDefDockNodeBase() : m_rcLast{}, m_sizeLast{}, m_nLastBrush(0), m_pHiddenUndo(NULL)
{
}

SECLayoutNode* SECDefDockNodeBase::GetDockableNode()
{
    return dynamic_cast<SECLayoutNode*>(this);
}

void SECDefDockNodeBase::GetOutlineStyle(BOOL bNoTarget, SIZE* pSize, RECT* pRect, int* pnPrevBrush)
{
    pSize->cx = ::GetSystemMetrics(SM_CXFRAME) - 1;
    pSize->cy = ::GetSystemMetrics(SM_CYFRAME) - 1;
    // A docking outline sits just inside the place it shows.
    if (!bNoTarget && pRect != NULL)
        ::InflateRect(pRect, -1, -1);
    if (pnPrevBrush != NULL)
        *pnPrevBrush = m_nLastBrush;
    m_nLastBrush = 0;
}

CBrush* SECDefDockNodeBase::GetOutlineBrush(int nKind)
{
    if (nKind == 0)
        return CDC::GetHalftoneBrush();
    return CBrush::FromHandle((HBRUSH)::GetStockObject(WHITE_BRUSH));
}

BOOL SECDefDockNodeBase::DrawFeedback(HDC hdc, const RECT* pRect, ISECDockTarget* pTarget)
{
    if (hdc == NULL || pRect == NULL)
        return FALSE;
    RECT rc = *pRect;
    SIZE size;
    int nPrevBrush = 0;
    GetOutlineStyle(pTarget == NULL, &size, &rc, &nPrevBrush);
    CDC* pDC = CDC::FromHandle(hdc);
    const BOOL bHadLast = !::IsRectEmpty(&m_rcLast);
    pDC->DrawDragRect(&rc, size, bHadLast ? &m_rcLast : NULL, m_sizeLast, GetOutlineBrush(m_nLastBrush),
                      GetOutlineBrush(nPrevBrush));
    m_rcLast = rc;
    m_sizeLast = size;
    return TRUE;
}

BOOL SECDefDockNodeBase::EraseFeedback(HDC hdc)
{
    if (hdc == NULL || ::IsRectEmpty(&m_rcLast))
        return FALSE;
    RECT rcEmpty = {};
    SIZE sizeNone = {0, 0};
    CDC::FromHandle(hdc)->DrawDragRect(&rcEmpty, sizeNone, &m_rcLast, m_sizeLast,
                                       GetOutlineBrush(m_nLastBrush), GetOutlineBrush(m_nLastBrush));
    ::SetRectEmpty(&m_rcLast);
    m_sizeLast.cx = m_sizeLast.cy = 0;
    return TRUE;
}

void SECDefDockNodeBase::OnAfterDock(SECLNDockingMgr* pMgr, CPtrList*)
{
    SECLayoutNode* pNode = GetDockableNode();
    ISECReparentableNode* pReparentable = SECNodeInterface<ISECReparentableNode>(pNode);
    if (pMgr == NULL || pNode == NULL || pReparentable == NULL || pNode->GetParentNode() == NULL)
        return;
    ISECLNContainer* pOwner = pMgr->FindContainer(pNode->GetParentNode());
    if (pOwner != NULL && pOwner != pReparentable->GetContainer())
        pReparentable->SetContainer(pOwner);
}

ISECDockInitiator* SECDefDockNodeBase::GetDockInitiator()
{
    for (SECLayoutNode* p = GetDockableNode(); p != NULL; p = p->GetParentNode())
    {
        if (ISECDockInitiator* pInitiator = SECNodeInterface<ISECDockInitiator>(p))
            return pInitiator;
    }
    return NULL;
}

BOOL SECDefDockNodeBase::SetVisible(BOOL bVisible)
{
    if (!SECDefHideableNode::SetVisible(bVisible))
        return FALSE;
    SECLayoutNode* pNode = GetDockableNode();
    if (pNode == NULL)
        return TRUE;
    if (!bVisible)
    {
        SECLayoutNode* pParent = pNode->GetParentNode();
        ISECUndoableNode* pUndo = pParent != NULL ? SECNodeInterface<ISECUndoableNode>(pParent) : NULL;
        if (pUndo != NULL && (pUndo = pUndo->GetUndoObject()) != NULL)
        {
            if (pUndo->RemoveWithUndo(pNode) == -1)
                return FALSE;
            m_pHiddenUndo = pUndo;
        }
    }
    else if (m_pHiddenUndo != NULL)
    {
        ISECUndoableNode* pUndo = m_pHiddenUndo;
        m_pHiddenUndo = NULL;
        if (pUndo->RestoreRemovedIf(pNode) == -1)
            return FALSE;
    }
    return TRUE;
}
