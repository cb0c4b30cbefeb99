#include "TreeNode.h"
#include "TreeNodeX.h"

SECTreeNode::~SECTreeNode()
{
    DeleteChildren();
}

WORD SECTreeNode::GetDepth() const
{
    WORD n = 0;
    for (const SECTreeNode* p = GetParentNode(); p != nullptr; p = p->GetParentNode())
        ++n;
    return n;
}

WORD SECTreeNode::GetRawDepth() const
{
    WORD n = 0;
    for (const SECTreeNode* p = m_pParent; p != nullptr; p = p->m_pParent)
        ++n;
    return n;
}

SECTreeNode* SECTreeNode::GetRootNode() const
{
    const SECTreeNode* p = this;
    while (p->m_pParent != nullptr)
        p = p->m_pParent;
    return const_cast<SECTreeNode*>(p);
}

WORD SECTreeNode::GetHiddenLevel() const
{
    const SECTreeNodeX* pRoot = dynamic_cast<const SECTreeNodeX*>(GetRootNode());
    return pRoot != nullptr ? pRoot->m_wHiddenLevel : 0;
}

SECTreeNode* SECTreeNode::GetLastSibling() const
{
    const SECTreeNode* p = this;
    while (p->GetNextSibling() != nullptr)
        p = p->GetNextSibling();
    return const_cast<SECTreeNode*>(p);
}

SECTreeNode* SECTreeNode::GetLastChild() const
{
    SECTreeNode* p = GetFirstChild();
    return p != nullptr ? p->GetLastSibling() : nullptr;
}

SECTreeNode* SECTreeNode::GetFirstLeaf() const
{
    SECTreeNode* p = m_pFirstChild;
    if (p == nullptr)
        return nullptr;
    while (p->GetFirstChild() != nullptr)
        p = p->GetFirstChild();
    return p;
}

SECTreeNode* SECTreeNode::GetLastDescendant() const
{
    const SECTreeNode* p = this;
    while (p->GetLastChild() != nullptr)
        p = p->GetLastChild();
    return const_cast<SECTreeNode*>(p);
}

SECTreeNode* SECTreeNode::GetNextInOrder() const
{
    if (GetFirstChild() != nullptr)
        return GetFirstChild();
    for (const SECTreeNode* p = this; p != nullptr; p = p->GetParentNode())
        if (p->GetNextSibling() != nullptr)
            return p->GetNextSibling();
    return nullptr;
}

SECTreeNode* SECTreeNode::GetPrevInOrder() const
{
    if (SECTreeNode* pPrev = GetPrevSibling())
        return pPrev->GetLastDescendant();
    return GetParentNode();
}

BOOL SECTreeNode::IsAncestorOf(const SECTreeNode* pNode) const
{
    for (const SECTreeNode* p = pNode != nullptr ? pNode->GetParentNode() : nullptr; p != nullptr;
         p = p->GetParentNode())
        if (p == this)
            return 1;
    return 0;
}

BOOL SECTreeNode::AddChild(SECTreeNode* pChild, SECTreeNode* pAfter)
{
    if (pChild == nullptr)
        return 0;
    if (m_pFirstChild == nullptr)
    {
        m_pFirstChild = m_pLastChild = pChild;
        pChild->m_pParent = this;
        pChild->m_pPrev = pChild->m_pNext = nullptr;
        return 1;
    }
    if (pAfter == SEC_NODE_FIRST)
    {
        pChild->m_pNext = m_pFirstChild;
        pChild->m_pPrev = nullptr;
        m_pFirstChild->m_pPrev = pChild;
        m_pFirstChild = pChild;
        pChild->m_pParent = this;
        return 1;
    }
    if (pAfter == SEC_NODE_LAST || pAfter == (SECTreeNode*)2)
        pAfter = m_pLastChild;
    else if (pAfter->m_pParent != this) // a child's link says so: no walk along the chain
        return 0;
    pChild->m_pPrev = pAfter;
    pChild->m_pNext = pAfter->m_pNext;
    if (pAfter->m_pNext != nullptr)
        pAfter->m_pNext->m_pPrev = pChild;
    pAfter->m_pNext = pChild;
    pChild->m_pParent = this;
    if (pAfter == m_pLastChild)
        m_pLastChild = pChild;
    return 1;
}

void SECTreeNode::Detach()
{
    if (m_pPrev != nullptr)
        m_pPrev->m_pNext = m_pNext;
    if (m_pNext != nullptr)
        m_pNext->m_pPrev = m_pPrev;
    if (m_pParent != nullptr && m_pParent->m_pFirstChild == this)
        m_pParent->m_pFirstChild = m_pNext;
    if (m_pParent != nullptr && m_pParent->m_pLastChild == this)
        m_pParent->m_pLastChild = m_pPrev;
    m_pPrev = m_pNext = nullptr;
    m_pParent = nullptr;
}

void SECTreeNode::DeleteChildren()
{
    while (m_pFirstChild != nullptr)
    {
        SECTreeNode* pLeaf = GetFirstLeaf();
        if (pLeaf == nullptr)
            pLeaf = m_pFirstChild;
        pLeaf->Detach();
        delete pLeaf;
    }
}
