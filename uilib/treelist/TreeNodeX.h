// SECTreeNodeX: a tree node that can leave out one level of the tree: when the root's hidden
// level L is not 0, the nodes at depth L are skipped by the link getters and their children
// appear one level higher.
#pragma once
#include "TreeNode.h"

class SECTreeNodeX : public SECTreeNode
{
  public:
    SECTreeNode* GetParentNode() const override;
    SECTreeNode* GetNextSibling() const override;
    SECTreeNode* GetPrevSibling() const override;
    SECTreeNode* GetFirstChild() const override;

    WORD m_wHiddenLevel = 0; // read from the root only
};
