// SECDefUndoableNode: remove a child and put it back before the same sibling.
#include "uilib/frames/dockengine/UndoableNode.h"
#include "uilib/frames/layout/LayoutNode.h"

int SECDefUndoableNode::RemoveWithUndo(SECLayoutNode* pChild)
{
    SECLayoutNode* pSelf = dynamic_cast<SECLayoutNode*>(this);
    POSITION pos = NULL;
    if (pSelf == NULL || pChild == NULL || !pSelf->FindChild(pChild, pos))
        return -1;
    POSITION posNext = pSelf->GetNextChildPosition(pos);
    SECLayoutNode* pFollower = posNext != NULL ? pSelf->GetChildAt(posNext) : NULL;
    int nResult = pSelf->RemoveLayoutChild(pChild);
    if (nResult != -1)
    {
        m_pRemoved = pChild;
        m_pRemovedFollower = pFollower;
    }
    return nResult;
}

int SECDefUndoableNode::RestoreRemoved()
{
    SECLayoutNode* pSelf = dynamic_cast<SECLayoutNode*>(this);
    if (pSelf == NULL || m_pRemoved == NULL)
        return -1;
    SECLayoutNode* pChild = m_pRemoved;
    m_pRemoved = NULL;
    int nResult = pSelf->AddLayoutChild(pChild);
    if (nResult != -1)
    {
        // A follower that left meanwhile is no place to go back to: the end is.
        POSITION pos = NULL;
        if (m_pRemovedFollower != NULL && pSelf->FindChild(m_pRemovedFollower, pos))
            pSelf->MoveLayoutChild(pChild, m_pRemovedFollower, FALSE);
        else
            pSelf->MoveLayoutChild(pChild, NULL, TRUE);
    }
    m_pRemovedFollower = NULL;
    return nResult;
}

int SECDefUndoableNode::RestoreRemovedIf(SECLayoutNode* pChild)
{
    if (pChild == NULL || pChild != m_pRemoved)
        return -1;
    return RestoreRemoved();
}
