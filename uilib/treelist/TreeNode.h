// SECTreeNode: a node of the tree control's item tree with its four links (parent, next and
// previous sibling, first child), the walks over the tree and linking and unlinking. A node owns
// its descendants.
#pragma once
#include <windows.h>

class SECTreeNode
{
  public:
    // Construction
    SECTreeNode() = default;
    virtual ~SECTreeNode();
    SECTreeNode(const SECTreeNode&) = delete;
    SECTreeNode& operator=(const SECTreeNode&) = delete;

    // Links
    virtual SECTreeNode* GetParentNode() const
    {
        return m_pParent;
    }
    virtual SECTreeNode* GetNextSibling() const
    {
        return m_pNext;
    }
    virtual SECTreeNode* GetPrevSibling() const
    {
        return m_pPrev;
    }
    virtual SECTreeNode* GetFirstChild() const
    {
        return m_pFirstChild;
    }
    virtual SECTreeNode* SetParentNode(SECTreeNode* p)
    {
        return m_pParent = p;
    }
    virtual SECTreeNode* SetNextSibling(SECTreeNode* p)
    {
        return m_pNext = p;
    }
    virtual SECTreeNode* SetPrevSibling(SECTreeNode* p)
    {
        return m_pPrev = p;
    }
    virtual SECTreeNode* SetFirstChild(SECTreeNode* p)
    {
        return m_pFirstChild = p;
    }
    virtual LRESULT OnNodeHook(WPARAM, LPARAM)
    {
        return 0;
    }
    virtual BOOL IsExpanded() const
    {
        return 0;
    }
    virtual void SetExpanded(BOOL)
    {
    }

    // Walks
    WORD GetDepth() const;
    WORD GetRawDepth() const;
    SECTreeNode* GetRootNode() const;
    WORD GetHiddenLevel() const;
    SECTreeNode* GetLastSibling() const;
    SECTreeNode* GetLastChild() const;
    SECTreeNode* GetFirstLeaf() const;
    SECTreeNode* GetLastDescendant() const;
    SECTreeNode* GetNextInOrder() const;
    SECTreeNode* GetPrevInOrder() const;
    BOOL IsAncestorOf(const SECTreeNode* pNode) const;

    // Structure: after = 0 first, 1 or 2 last, else a child to insert behind.
    BOOL AddChild(SECTreeNode* pChild, SECTreeNode* pAfter);
    void Detach();
    void DeleteChildren();

    SECTreeNode* RawParent() const
    {
        return m_pParent;
    }
    SECTreeNode* RawFirstChild() const
    {
        return m_pFirstChild;
    }
    SECTreeNode* RawNext() const
    {
        return m_pNext;
    }
    SECTreeNode* RawPrev() const
    {
        return m_pPrev;
    }

  private:
    SECTreeNode* m_pParent = nullptr;
    SECTreeNode* m_pNext = nullptr;
    SECTreeNode* m_pPrev = nullptr;
    SECTreeNode* m_pFirstChild = nullptr;
    SECTreeNode* m_pLastChild = nullptr; // kept with the links, so appending does not walk the chain
};

// The after values of AddChild that are not nodes.
#define SEC_NODE_FIRST ((SECTreeNode*)0)
#define SEC_NODE_LAST ((SECTreeNode*)1)
