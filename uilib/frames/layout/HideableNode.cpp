// SECDefHideableNode: counted show and hide.
#include "uilib/frames/layout/HideableNode.h"
#include "uilib/frames/layout/LayoutNode.h"

BOOL SECDefHideableNode::ShowNode(BOOL bShow, BOOL bForce, BOOL bRecursive)
{
    if (bShow)
    {
        m_nShowCount = bForce ? 1 : m_nShowCount + 1;
        if (m_nShowCount != 1)
            return FALSE;
    }
    else
    {
        m_nShowCount = bForce ? 0 : m_nShowCount - 1;
        if (m_nShowCount != 0)
            return FALSE;
    }
    BOOL bChanged = SetVisible(bShow);
    SECLayoutNode* pNode = dynamic_cast<SECLayoutNode*>(this);
    if (bChanged && bRecursive && pNode != NULL)
    {
        pNode->ForEachInSubtree(
            [bShow](SECLayoutNode* p) {
                if (ISECHideableNode* pHideable = SECNodeInterface<ISECHideableNode>(p))
                    pHideable->ShowNode(bShow, TRUE, FALSE);
            },
            FALSE);
    }
    return bChanged;
}

BOOL SECDefHideableNode::SetVisible(BOOL bVisible)
{
    bVisible = bVisible ? TRUE : FALSE;
    if (m_bVisible == bVisible)
        return FALSE;
    m_bVisible = bVisible;
    return TRUE;
}
