// SECLayoutNode: a node of a layout tree. The tree divides a host window's rectangle among
// child windows, self-drawn decorations and containers; each layout class overrides a few of the
// operations here. Nodes are owned by the memory manager of the factory that made them, never
// by their parents.
#pragma once
#include "afxwin.h"
#include "uilib/frames/layout/Composite.h"
#include "uilib/frames/layout/ObjectMemoryManager.h"

class SECLayoutNode;
typedef tessaron::foundation::SECObjectMemoryManager_T<SECLayoutNode> SECLayoutNodeMemoryManager;

// Min/max flags.
#define SEC_LN_NOMIN 0x0001 // no minimum size is enforced
#define SEC_LN_NOMAX 0x0002 // no maximum size is enforced

// Node style bits.
#define SEC_LN_KEEPWIDTH 0x0001
#define SEC_LN_KEEPHEIGHT 0x0002
#define SEC_LN_KEEPLEFT 0x0004
#define SEC_LN_KEEPTOP 0x0008
#define SEC_LN_EXPOSEDSTRIPS 0x0010 // refresh only what a move exposed; windows move without redraw

class SECLayoutNode : public tessaron::foundation::SECComposite_T<SECLayoutNode*>
{
  public:
    // Construction
    SECLayoutNode();
    ~SECLayoutNode() override;

    // Overridables (in addition to the composite's)
    virtual int GetWindowPosCount() const
    {
        return 0;
    }
    virtual BOOL IsNodeValid() const
    {
        return TRUE;
    }
    virtual void SetMinMaxSize(const SIZE& sizeMin, const SIZE& sizeMax, DWORD dwFlags);
    virtual void GetMinMaxSize(SIZE& sizeMin, SIZE& sizeMax, DWORD& dwFlags);
    virtual void SetParentNode(SECLayoutNode* pParent)
    {
        SetParent(pParent, TRUE);
    }
    virtual SECLayoutNode* GetParentNode() const
    {
        return GetParent();
    }
    virtual SECLayoutNode* GetRootNode();
    virtual void InvalidateNode(BOOL bParents);
    virtual void ValidateNode()
    {
        m_bInvalid = FALSE;
    }
    virtual void MarkNodeMoved()
    {
        m_bMoved = TRUE;
    }
    virtual BOOL IsNodeMoved() const
    {
        return m_bMoved;
    }
    virtual void SetNodeStyle(DWORD dwStyle, BOOL bRecursive);
    virtual void ModifyNodeStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRecursive);
    virtual DWORD GetNodeStyle() const
    {
        return m_dwNodeStyle;
    }
    virtual void FreezeLayout(BOOL bFrozen, BOOL bRecursive);
    virtual void GetCurrentRect(RECT& rc) const
    {
        rc = m_rcCurrent;
    }
    virtual void RecalcLayout();
    virtual void SetInitialRect(const RECT& rc);
    virtual void SetCurrentRect(const RECT& rc)
    {
        m_rcCurrent = rc;
    }
    virtual void GetPreferredRect(RECT& rc)
    {
        rc = m_rcPreferred;
    }
    virtual void SetPreferredRect(const RECT& rc)
    {
        m_rcPreferred = rc;
    }
    virtual void GetAppliedRect(RECT& rc) const
    {
        rc = m_rcApplied;
    }
    virtual void GetConstrainedRect(RECT& rc);
    virtual void SetAppliedRect(const RECT& rc)
    {
        m_rcApplied = rc;
    }
    virtual void GetRealizedRect(RECT& rc) const
    {
        rc = m_rcRealized;
    }
    virtual void SetRealizedRect(const RECT& rc)
    {
        m_rcRealized = rc;
    }
    virtual void GetPrevRealizedRect(RECT& rc) const
    {
        rc = m_rcPrevRealized;
    }
    virtual void SetPrevRealizedRect(const RECT& rc)
    {
        m_rcPrevRealized = rc;
    }
    // New number of direct children, or -1.
    virtual int AddLayoutChild(SECLayoutNode* pChild);
    virtual BOOL MoveLayoutChild(SECLayoutNode* pChild, SECLayoutNode* pRef, BOOL bAfter);
    // Remaining number of direct children, or -1.
    virtual int RemoveLayoutChild(SECLayoutNode* pChild);
    virtual void RecalcNode(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL bForce);
    // Moves the windows of the whole subtree in one batch; FALSE when frozen or failed.
    virtual BOOL RealizeNode(HDC hdc);
    virtual BOOL RealizeSelf(HDWP* pHdwp, HDC hdc);
    virtual void OnLayoutNotify(BOOL bRecursive, LPARAM lValue);
    virtual void DrawNode(BOOL bRecursive, HDC hdc);
    virtual void RefreshNode(BOOL bErase, BOOL bRecursive);
    virtual void GetChildrenRect(RECT& rc);
    virtual void ResetZOrder(BOOL bRecursive);
    virtual SECLayoutNodeMemoryManager* GetMemoryManager() const
    {
        return m_pMemoryManager;
    }
    virtual void SetMemoryManager(SECLayoutNodeMemoryManager* pManager, BOOL bRecursive);
    virtual void SetDrawOffset(int x, int y);
    virtual void SetNodeOrientation(BOOL bOrientation, BOOL bRecursive);
    virtual void OnNodeCreated()
    {
    }
    // The class's own layout rule: the plain node moves its children with it.
    virtual void CalcLayout(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL bForce);
    virtual void InvalidateNodeRect(const RECT* pRect, BOOL bErase);
    virtual BOOL NeedsRecalc(BOOL bForce, const RECT& rc);
    virtual void ApplyMinMaxSize(RECT& rc);
    virtual void ApplyStyleLocks(const RECT& rcOld, RECT& rcNew);
    virtual void InvalidateExposedStrips();

    // Attributes
    void SetNodeName(LPCTSTR lpszName)
    {
        m_strNodeName = lpszName != NULL ? lpszName : _T("");
    }
    const CString& GetNodeName() const
    {
        return m_strNodeName;
    }
    BOOL IsLayoutFrozen() const
    {
        return m_bLayoutFrozen;
    }
    BOOL GetNodeOrientation() const
    {
        return m_bOrientation;
    }
    BOOL IsNodeInvalid() const
    {
        return m_bInvalid;
    }
    POINT GetDrawOffset() const
    {
        return m_ptDrawOffset;
    }

    // Implementation
    // Calls f on every node of the subtree, children first and this node last; nothing when
    // this node has no children. Without bSelf this node is left out.
    template <class F> void ForEachInSubtree(F f, BOOL bSelf = TRUE);
    // Limits rc to the sizes as ApplyMinMaxSize does.
    static void PASCAL LimitRect(RECT& rc, const SIZE& sizeMin, const SIZE& sizeMax, DWORD dwFlags);

  protected:
    SECLayoutNode* Self() override
    {
        return this;
    }

    SIZE m_sizeMin;
    SIZE m_sizeMax;
    DWORD m_dwMinMaxFlags;
    BOOL m_bInvalid;
    BOOL m_bMoved;
    DWORD m_dwNodeStyle;
    POINT m_ptDrawOffset;
    BOOL m_bLayoutFrozen;
    BOOL m_bOrientation;
    CString m_strNodeName;
    RECT m_rcCurrent;
    RECT m_rcApplied;
    RECT m_rcPreferred;
    RECT m_rcRealized;
    RECT m_rcPrevRealized;
    SECLayoutNodeMemoryManager* m_pMemoryManager;

  private:
    void SettleMovedFlags();
};

template <class F> void SECLayoutNode::ForEachInSubtree(F f, BOOL bSelf)
{
    tessaron::foundation::IteratorPreOrder_T<SECLayoutNode*> it(this);
    for (SECLayoutNode* pNode = it.First(); pNode != NULL; pNode = it.Next())
    {
        if (pNode == this && !bSelf)
            break;
        f(pNode);
    }
}

// The one way to ask a node for a mix-in or role interface (hideable, reparentable, border
// wrapper, negotiating parent, dock-event receiver, preferred-rectangle setter, dock roles):
// NULL when the node does not offer it.
template <class I> I* SECNodeInterface(SECLayoutNode* pNode)
{
    return dynamic_cast<I*>(pNode);
}

inline BOOL SECRectsEqual(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
