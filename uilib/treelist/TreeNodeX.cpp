#include "TreeNodeX.h"

SECTreeNode* SECTreeNodeX::GetParentNode() const
{
    WORD L = GetHiddenLevel();
    SECTreeNode* pParent = RawParent();
    if (L != 0 && GetRawDepth() == L + 1 && pParent != nullptr)
        return pParent->RawParent();
    return pParent;
}

SECTreeNode* SECTreeNodeX::GetFirstChild() const
{
    WORD L = GetHiddenLevel();
    SECTreeNode* pChild = RawFirstChild();
    if (L != 0 && GetRawDepth() == L - 1 && pChild != nullptr)
        return pChild->RawFirstChild();
    return pChild;
}

SECTreeNode* SECTreeNodeX::GetNextSibling() const
{
    WORD L = GetHiddenLevel();
    if (L != 0 && GetRawDepth() == L + 1 && RawNext() == nullptr)
    {
        for (SECTreeNode* p = RawParent() != nullptr ? RawParent()->RawNext() : nullptr; p != nullptr;
             p = p->RawNext())
            if (p->RawFirstChild() != nullptr)
                return p->RawFirstChild();
        return nullptr;
    }
    return RawNext();
}

SECTreeNode* SECTreeNodeX::GetPrevSibling() const
{
    WORD L = GetHiddenLevel();
    if (L != 0 && GetRawDepth() == L + 1 && RawPrev() == nullptr)
    {
        for (SECTreeNode* p = RawParent() != nullptr ? RawParent()->RawPrev() : nullptr; p != nullptr;
             p = p->RawPrev())
            if (SECTreeNode* pChild = p->RawFirstChild())
            {
                while (pChild->RawNext() != nullptr)
                    pChild = pChild->RawNext();
                return pChild;
            }
        return nullptr;
    }
    return RawPrev();
}
