// SECDefReparentableNode: moving a node into another container window.
#include "uilib/frames/layout/ReparentableNode.h"
#include "uilib/frames/layout/LayoutNode.h"

BOOL SECDefReparentableNode::SetContainer(ISECLNContainer* pContainer)
{
    m_pContainer = pContainer;
    AdoptRootMemoryManager();
    ReparentToContainer(pContainer);
    return TRUE;
}

void SECDefReparentableNode::AdoptRootMemoryManager()
{
    SECLayoutNode* pNode = dynamic_cast<SECLayoutNode*>(this);
    if (pNode == NULL || pNode->GetMemoryManager() == NULL)
        return;
    SECLayoutNodeMemoryManager* pRootManager = pNode->GetRootNode()->GetMemoryManager();
    if (pRootManager == NULL || pRootManager == pNode->GetMemoryManager())
        return;
    pNode->GetMemoryManager()->Untrack(pNode);
    pRootManager->Track(pNode);
    pNode->SetMemoryManager(pRootManager, FALSE);
}

BOOL SECDefReparentableNode::ReparentToContainer(ISECLNContainer* pContainer)
{
    if (pContainer == NULL)
    {
        Reparent(NULL);
        return TRUE;
    }
    SECLNHwndContainer* pHwndContainer = dynamic_cast<SECLNHwndContainer*>(pContainer);
    if (pHwndContainer == NULL)
        return FALSE;
    Reparent(pHwndContainer->GetContainerHwnd());
    return TRUE;
}

void PASCAL SECDefReparentableNode::DetachContainer(SECLayoutNode* pRoot, ISECLNContainer* pContainer)
{
    auto detach = [pContainer](SECLayoutNode* p) {
        ISECReparentableNode* pReparentable = SECNodeInterface<ISECReparentableNode>(p);
        if (pReparentable != NULL && pReparentable->GetContainer() == pContainer)
            pReparentable->SetContainer(NULL);
    };
    if (pRoot->GetChildCount(FALSE) == 0)
        detach(pRoot);
    else
        pRoot->ForEachInSubtree(detach);
}
