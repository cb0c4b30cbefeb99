// SECParentOfNegotiableChildNode: size negotiation up the tree.
#include "uilib/frames/layout/NegotiableChildNode.h"
#include "uilib/frames/layout/LayoutNode.h"

BOOL SECParentOfNegotiableChildNode::NegotiateChildSize(BOOL bAskParents, ISECLNContainer* pContainer)
{
    SECLayoutNode* pNode = dynamic_cast<SECLayoutNode*>(this);
    if (pNode == NULL)
        return FALSE;
    SECLayoutNode* pParent = pNode->GetParentNode();
    if (bAskParents && pParent != NULL)
    {
        if (ISECParentOfNegotiableChildNode* pNegotiator =
                SECNodeInterface<ISECParentOfNegotiableChildNode>(pParent))
            return pNegotiator->NegotiateChildSize(bAskParents, pContainer);
    }
    SECLayoutNode* pRecalc = pParent != NULL ? pParent : pNode;
    RECT rc, rcOut;
    pRecalc->GetAppliedRect(rc);
    pRecalc->RecalcNode(rcOut, rc, TRUE, TRUE);
    if (pContainer != NULL)
        pContainer->RecalcContainerLayout(TRUE);
    SECLayoutNode* pRoot = pNode->GetRootNode();
    pRoot->GetAppliedRect(rc);
    pRoot->RecalcNode(rcOut, rc, TRUE, TRUE);
    return TRUE;
}
