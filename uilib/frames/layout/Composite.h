// SECComposite_T: the child list and parent link of a tree node, and the two walks over it
// (direct children; a subtree children-first). The list does not own the children.
#pragma once
#include "afxtempl.h"

namespace tessaron
{
namespace foundation
{

template <class T> class SECComposite_T
{
  public:
    // Construction
    SECComposite_T() : m_children(10), m_pParent(NULL)
    {
    }
    virtual ~SECComposite_T()
    {
    }
    SECComposite_T(const SECComposite_T&) = delete;
    SECComposite_T& operator=(const SECComposite_T&) = delete;

    // Overridables
    // Direct children; with bRecursive all descendants.
    virtual int GetChildCount(BOOL bRecursive = FALSE) const
    {
        int nCount = (int)m_children.GetCount();
        if (bRecursive)
            for (POSITION pos = m_children.GetHeadPosition(); pos != NULL;)
                nCount += ((T)m_children.GetNext(pos))->GetChildCount(TRUE);
        return nCount;
    }
    virtual T GetChildAt(POSITION pos) const
    {
        return pos != NULL ? (T)m_children.GetAt(pos) : NULL;
    }
    virtual BOOL AddChild(T pChild)
    {
        if (pChild == NULL)
            return FALSE;
        m_children.AddTail(pChild);
        pChild->SetParent(Self(), FALSE);
        return TRUE;
    }
    virtual BOOL InsertChildAfter(T pChild, POSITION posAfter)
    {
        if (pChild == NULL)
            return FALSE;
        if (posAfter != NULL)
            m_children.InsertAfter(posAfter, pChild);
        else
            m_children.AddHead(pChild);
        pChild->SetParent(Self(), FALSE);
        return TRUE;
    }
    virtual BOOL RemoveChild(T pChild)
    {
        POSITION pos = NULL;
        if (pChild == NULL || !FindChild(pChild, pos))
            return FALSE;
        return RemoveChildAt(pos);
    }
    virtual BOOL RemoveChildAt(POSITION pos)
    {
        if (pos == NULL)
            return FALSE;
        T pChild = (T)m_children.GetAt(pos);
        m_children.RemoveAt(pos);
        pChild->SetParent(NULL, FALSE);
        return TRUE;
    }
    virtual BOOL FindChild(T pChild, POSITION& pos) const
    {
        pos = m_children.Find(pChild);
        return pos != NULL;
    }
    virtual POSITION GetFirstChildPosition() const
    {
        return m_children.GetHeadPosition();
    }
    virtual POSITION GetLastChildPosition() const
    {
        return m_children.GetTailPosition();
    }
    virtual POSITION GetNextChildPosition(POSITION pos) const
    {
        if (pos != NULL)
            m_children.GetNext(pos);
        return pos;
    }
    virtual POSITION GetPrevChildPosition(POSITION pos) const
    {
        if (pos != NULL)
            m_children.GetPrev(pos);
        return pos;
    }
    virtual void SetParent(T pParent, BOOL bUpdateLists)
    {
        if (bUpdateLists)
        {
            if (m_pParent != NULL)
                m_pParent->RemoveChild(Self());
            if (pParent != NULL)
                pParent->AddChild(Self());
        }
        m_pParent = pParent;
    }
    virtual T GetParent() const
    {
        return m_pParent;
    }

  protected:
    virtual T Self() = 0;

    CPtrList m_children;
    T m_pParent;
};

// Walks the direct children of one node; NULL past either end.
template <class T> class Iterator_T
{
  public:
    explicit Iterator_T(T pNode) : m_pNode(pNode), m_pos(NULL)
    {
    }
    T First()
    {
        m_pos = m_pNode->GetFirstChildPosition();
        return Current();
    }
    T Last()
    {
        m_pos = m_pNode->GetLastChildPosition();
        return Current();
    }
    T Next()
    {
        m_pos = m_pNode->GetNextChildPosition(m_pos);
        return Current();
    }
    T Prev()
    {
        m_pos = m_pNode->GetPrevChildPosition(m_pos);
        return Current();
    }
    T Current() const
    {
        return m_pNode->GetChildAt(m_pos);
    }

  private:
    T m_pNode;
    POSITION m_pos;
};

// Walks a subtree children before their parent, the start node last. A start node without
// children gives an empty walk. The next node is found from the current one, so a visit may
// change nodes it has passed.
template <class T> class IteratorPreOrder_T
{
  public:
    explicit IteratorPreOrder_T(T pStart) : m_pStart(pStart), m_pCurrent(NULL)
    {
    }
    T First()
    {
        m_pCurrent = m_pStart->GetChildCount(FALSE) > 0 ? Deepest(m_pStart) : NULL;
        return m_pCurrent;
    }
    T Next()
    {
        if (m_pCurrent == NULL || m_pCurrent == m_pStart)
            return m_pCurrent = NULL;
        T pParent = m_pCurrent->GetParent();
        if (pParent == NULL)
            return m_pCurrent = NULL;
        POSITION pos = NULL;
        if (pParent->FindChild(m_pCurrent, pos))
        {
            POSITION posNext = pParent->GetNextChildPosition(pos);
            if (posNext != NULL)
                return m_pCurrent = Deepest(pParent->GetChildAt(posNext));
        }
        return m_pCurrent = pParent;
    }
    T Current() const
    {
        return m_pCurrent;
    }

  private:
    static T Deepest(T pNode)
    {
        while (pNode->GetChildCount(FALSE) > 0)
            pNode = pNode->GetChildAt(pNode->GetFirstChildPosition());
        return pNode;
    }

    T m_pStart;
    T m_pCurrent;
};

} // namespace foundation
} // namespace tessaron
