// Subtree searches of the docking engine.
#include "uilib/frames/dockengine/NodeSearch.h"

namespace
{
// Pre-order: a node before its children.
SECLayoutNode* FindPreOrder(SECLayoutNode* pNode, const POINT& pt)
{
    for (POSITION pos = pNode->GetFirstChildPosition(); pos != NULL; pos = pNode->GetNextChildPosition(pos))
    {
        SECLayoutNode* pChild = pNode->GetChildAt(pos);
        RECT rc;
        pChild->GetAppliedRect(rc);
        if (::PtInRect(&rc, pt))
            return pChild;
        if (SECLayoutNode* pFound = FindPreOrder(pChild, pt))
            return pFound;
    }
    return NULL;
}
} // namespace

SECLayoutNode* FindChildNodeAtPoint(SECLayoutNode* pNode, const POINT* pt, BOOL bDeep)
{
    if (pNode == NULL || pt == NULL)
        return NULL;
    if (bDeep)
        return FindPreOrder(pNode, *pt);
    for (POSITION pos = pNode->GetFirstChildPosition(); pos != NULL; pos = pNode->GetNextChildPosition(pos))
    {
        SECLayoutNode* pChild = pNode->GetChildAt(pos);
        RECT rc;
        pChild->GetAppliedRect(rc);
        if (::PtInRect(&rc, *pt))
            return pChild;
    }
    return NULL;
}

BOOL IsDescendantNode(SECLayoutNode* pAncestor, SECLayoutNode* pNode)
{
    if (pAncestor == NULL || pNode == NULL || pAncestor == pNode)
        return FALSE;
    for (SECLayoutNode* p = pNode->GetParentNode(); p != NULL; p = p->GetParentNode())
    {
        if (p == pAncestor)
            return TRUE;
    }
    return FALSE;
}
