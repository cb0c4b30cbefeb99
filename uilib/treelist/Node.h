// _Node: the tree control's item: a node carrying the item record (TVITEM, its handle is the
// node's address), the label's highlight parts, the extended state and the row height.
#pragma once
#include "TreeNodeX.h"
#include "uilib/treelist/ListPool.h"
#include "afxwin.h"
#include <commctrl.h>

class SECListItem;

class _Node : public SECTreeNodeX
{
  public:
    _Node();
    ~_Node() override;
    SEC_LIST_POOLED

    BOOL IsExpanded() const override
    {
        return (m_item.state & TVIS_EXPANDED) != 0;
    }
    void SetExpanded(BOOL bExpanded) override
    {
        if (bExpanded)
            m_item.state |= TVIS_EXPANDED;
        else
            m_item.state &= ~TVIS_EXPANDED;
    }

    // Replaces the label by a copy of pszText, or makes it a callback label.
    void SetLabel(LPCSTR pszText);
    BOOL IsCallbackLabel() const
    {
        return m_item.pszText == LPSTR_TEXTCALLBACKA;
    }
    HTREEITEM Handle() const
    {
        return (HTREEITEM)this;
    }
    _Node* Parent() const
    {
        return static_cast<_Node*>(GetParentNode());
    }
    _Node* FirstChild() const
    {
        return static_cast<_Node*>(GetFirstChild());
    }
    _Node* Next() const
    {
        return static_cast<_Node*>(GetNextSibling());
    }
    _Node* Prev() const
    {
        return static_cast<_Node*>(GetPrevSibling());
    }

    TVITEMA m_item;
    UINT m_bHighlight = 0;
    CString m_strBeforeMarker;
    CString m_strAfterMarker;
    int m_cxBeforeMarker = 0;
    UINT m_nStateEx = 0; // 0x100, 0x200 pass on to the subtree
    UINT m_cyRow = 0;
    SECListItem* m_pRow = nullptr; // the node's row while it is shown
};

constexpr int SEC_TREE_NO_IMAGE = -12;
