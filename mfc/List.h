// CList: a doubly linked list of TYPE elements, passed in as ARG_TYPE, walked with POSITION
// values. Owns its nodes, which come from blocks of nBlockSize nodes; all blocks are freed when
// the list becomes empty.
//
// Differences from MFC:
// - Adding a list to itself (AddHead/AddTail) adds a copy of its elements once (MFC asserts).
// - Loading fails with CArchiveException::endOfFile when the archive ends early.
#pragma once
#include "Object.h"
#include "ElementHelpers.h"
#include "Plex.h"

template <class TYPE, class ARG_TYPE> class CList : public CObject
{
  protected:
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };
    static_assert(alignof(CNode) <= CPlex::kDataOffset, "nodes must fit the block alignment");

  public:
    typedef TYPE BASE_TYPE;
    typedef ARG_TYPE BASE_ARG_TYPE;

    // Construction
    explicit CList(int nBlockSize = 10)
        : m_pNodeHead(NULL), m_pNodeTail(NULL), m_nCount(0), m_pNodeFree(NULL), m_pBlocks(NULL),
          m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10)
    {
        ASSERT(nBlockSize > 0);
    }
    ~CList() override
    {
        RemoveAll();
    }

    // Attributes
    int GetCount() const
    {
        return m_nCount;
    }
    BOOL IsEmpty() const
    {
        return m_nCount == 0;
    }
    // The list must not be empty.
    TYPE& GetHead()
    {
        ASSERT(m_pNodeHead != NULL);
        return m_pNodeHead->data;
    }
    TYPE GetHead() const
    {
        ASSERT(m_pNodeHead != NULL);
        return m_pNodeHead->data;
    }
    TYPE& GetTail()
    {
        ASSERT(m_pNodeTail != NULL);
        return m_pNodeTail->data;
    }
    TYPE GetTail() const
    {
        ASSERT(m_pNodeTail != NULL);
        return m_pNodeTail->data;
    }

    // Operations: head and tail (removing needs a non-empty list)
    TYPE RemoveHead();
    TYPE RemoveTail();
    POSITION AddHead(ARG_TYPE newElement);
    POSITION AddTail(ARG_TYPE newElement);
    // The elements of pNewList, in their order, before the head or after the tail.
    void AddHead(CList* pNewList);
    void AddTail(CList* pNewList);
    void RemoveAll();

    // Operations: iteration (GetNext/GetPrev return the element at rPosition and move it on;
    // NULL marks the end)
    POSITION GetHeadPosition() const
    {
        return (POSITION)m_pNodeHead;
    }
    POSITION GetTailPosition() const
    {
        return (POSITION)m_pNodeTail;
    }
    TYPE& GetNext(POSITION& rPosition)
    {
        CNode* pNode = (CNode*)rPosition;
        ASSERT(pNode != NULL);
        rPosition = (POSITION)pNode->pNext;
        return pNode->data;
    }
    TYPE GetNext(POSITION& rPosition) const
    {
        CNode* pNode = (CNode*)rPosition;
        ASSERT(pNode != NULL);
        rPosition = (POSITION)pNode->pNext;
        return pNode->data;
    }
    TYPE& GetPrev(POSITION& rPosition)
    {
        CNode* pNode = (CNode*)rPosition;
        ASSERT(pNode != NULL);
        rPosition = (POSITION)pNode->pPrev;
        return pNode->data;
    }
    TYPE GetPrev(POSITION& rPosition) const
    {
        CNode* pNode = (CNode*)rPosition;
        ASSERT(pNode != NULL);
        rPosition = (POSITION)pNode->pPrev;
        return pNode->data;
    }

    // Operations: at a position (which must be valid)
    TYPE& GetAt(POSITION position)
    {
        ASSERT(position != NULL);
        return ((CNode*)position)->data;
    }
    TYPE GetAt(POSITION position) const
    {
        ASSERT(position != NULL);
        return ((CNode*)position)->data;
    }
    void SetAt(POSITION pos, ARG_TYPE newElement)
    {
        ASSERT(pos != NULL);
        ((CNode*)pos)->data = newElement;
    }
    void RemoveAt(POSITION position);
    // A NULL position inserts at the head (InsertBefore) or the tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement);

    // Operations: searching (NULL when not found)
    // The first element equal to searchValue (CompareElements) after startAfter, or from the head.
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = NULL) const;
    // The position of the element with that zero-based index.
    POSITION FindIndex(int nIndex) const;

    // Overridables
    // Count, then the elements through SerializeElements; loading appends to the list.
    void Serialize(CArchive& ar) override;

    // Implementation
  protected:
    CNode* m_pNodeHead;
    CNode* m_pNodeTail;
    int m_nCount;
    CNode* m_pNodeFree;
    CPlex* m_pBlocks;
    int m_nBlockSize;

    CNode* NewNode(CNode* pPrev, CNode* pNext);
    void FreeNode(CNode* pNode);
};

template <class TYPE, class ARG_TYPE>
typename CList<TYPE, ARG_TYPE>::CNode* CList<TYPE, ARG_TYPE>::NewNode(CNode* pPrev, CNode* pNext)
{
    if (m_pNodeFree == NULL)
    {
        CPlex* pNewBlock = CPlex::Create(m_pBlocks, (UINT_PTR)m_nBlockSize, sizeof(CNode));
        // Chained backwards so that the block's nodes are handed out in address order.
        CNode* pNode = static_cast<CNode*>(pNewBlock->data()) + m_nBlockSize - 1;
        for (int i = m_nBlockSize - 1; i >= 0; i--, pNode--)
        {
            pNode->pNext = m_pNodeFree;
            m_pNodeFree = pNode;
        }
    }
    CNode* pNode = m_pNodeFree;
    m_pNodeFree = m_pNodeFree->pNext;
    pNode->pPrev = pPrev;
    pNode->pNext = pNext;
    ConstructElements<TYPE>(&pNode->data, 1);
    m_nCount++;
    return pNode;
}

template <class TYPE, class ARG_TYPE> void CList<TYPE, ARG_TYPE>::FreeNode(CNode* pNode)
{
    DestructElements<TYPE>(&pNode->data, 1);
    pNode->pNext = m_pNodeFree;
    m_pNodeFree = pNode;
    m_nCount--;
    if (m_nCount == 0)
        RemoveAll();
}

template <class TYPE, class ARG_TYPE> void CList<TYPE, ARG_TYPE>::RemoveAll()
{
    for (CNode* pNode = m_pNodeHead; pNode != NULL; pNode = pNode->pNext)
        DestructElements<TYPE>(&pNode->data, 1);
    m_nCount = 0;
    m_pNodeHead = m_pNodeTail = m_pNodeFree = NULL;
    if (m_pBlocks != NULL)
        m_pBlocks->FreeDataChain();
    m_pBlocks = NULL;
}

template <class TYPE, class ARG_TYPE> POSITION CList<TYPE, ARG_TYPE>::AddHead(ARG_TYPE newElement)
{
    CNode* pNewNode = NewNode(NULL, m_pNodeHead);
    pNewNode->data = newElement;
    if (m_pNodeHead != NULL)
        m_pNodeHead->pPrev = pNewNode;
    else
        m_pNodeTail = pNewNode;
    m_pNodeHead = pNewNode;
    return (POSITION)pNewNode;
}

template <class TYPE, class ARG_TYPE> POSITION CList<TYPE, ARG_TYPE>::AddTail(ARG_TYPE newElement)
{
    CNode* pNewNode = NewNode(m_pNodeTail, NULL);
    pNewNode->data = newElement;
    if (m_pNodeTail != NULL)
        m_pNodeTail->pNext = pNewNode;
    else
        m_pNodeHead = pNewNode;
    m_pNodeTail = pNewNode;
    return (POSITION)pNewNode;
}

template <class TYPE, class ARG_TYPE> void CList<TYPE, ARG_TYPE>::AddHead(CList* pNewList)
{
    ASSERT(pNewList != NULL);
    if (pNewList == NULL)
        return;
    // Counted, not walked to NULL, so that adding a list to itself ends.
    POSITION pos = pNewList->GetTailPosition();
    for (int n = pNewList->GetCount(); n > 0; n--)
        AddHead(pNewList->GetPrev(pos));
}

template <class TYPE, class ARG_TYPE> void CList<TYPE, ARG_TYPE>::AddTail(CList* pNewList)
{
    ASSERT(pNewList != NULL);
    if (pNewList == NULL)
        return;
    POSITION pos = pNewList->GetHeadPosition();
    for (int n = pNewList->GetCount(); n > 0; n--)
        AddTail(pNewList->GetNext(pos));
}

template <class TYPE, class ARG_TYPE> TYPE CList<TYPE, ARG_TYPE>::RemoveHead()
{
    ASSERT(m_pNodeHead != NULL);
    CNode* pOldNode = m_pNodeHead;
    TYPE returnValue = pOldNode->data;
    m_pNodeHead = pOldNode->pNext;
    if (m_pNodeHead != NULL)
        m_pNodeHead->pPrev = NULL;
    else
        m_pNodeTail = NULL;
    FreeNode(pOldNode);
    return returnValue;
}

template <class TYPE, class ARG_TYPE> TYPE CList<TYPE, ARG_TYPE>::RemoveTail()
{
    ASSERT(m_pNodeTail != NULL);
    CNode* pOldNode = m_pNodeTail;
    TYPE returnValue = pOldNode->data;
    m_pNodeTail = pOldNode->pPrev;
    if (m_pNodeTail != NULL)
        m_pNodeTail->pNext = NULL;
    else
        m_pNodeHead = NULL;
    FreeNode(pOldNode);
    return returnValue;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement)
{
    if (position == NULL)
        return AddHead(newElement);
    CNode* pOldNode = (CNode*)position;
    CNode* pNewNode = NewNode(pOldNode->pPrev, pOldNode);
    pNewNode->data = newElement;
    if (pOldNode->pPrev != NULL)
        pOldNode->pPrev->pNext = pNewNode;
    else
        m_pNodeHead = pNewNode;
    pOldNode->pPrev = pNewNode;
    return (POSITION)pNewNode;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement)
{
    if (position == NULL)
        return AddTail(newElement);
    CNode* pOldNode = (CNode*)position;
    CNode* pNewNode = NewNode(pOldNode, pOldNode->pNext);
    pNewNode->data = newElement;
    if (pOldNode->pNext != NULL)
        pOldNode->pNext->pPrev = pNewNode;
    else
        m_pNodeTail = pNewNode;
    pOldNode->pNext = pNewNode;
    return (POSITION)pNewNode;
}

template <class TYPE, class ARG_TYPE> void CList<TYPE, ARG_TYPE>::RemoveAt(POSITION position)
{
    ASSERT(position != NULL);
    if (position == NULL)
        return;
    CNode* pOldNode = (CNode*)position;
    if (pOldNode == m_pNodeHead)
        m_pNodeHead = pOldNode->pNext;
    else
        pOldNode->pPrev->pNext = pOldNode->pNext;
    if (pOldNode == m_pNodeTail)
        m_pNodeTail = pOldNode->pPrev;
    else
        pOldNode->pNext->pPrev = pOldNode->pPrev;
    FreeNode(pOldNode);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const
{
    CNode* pNode = (CNode*)startAfter;
    pNode = pNode == NULL ? m_pNodeHead : pNode->pNext;
    for (; pNode != NULL; pNode = pNode->pNext)
    {
        if (CompareElements(&pNode->data, &searchValue))
            return (POSITION)pNode;
    }
    return NULL;
}

template <class TYPE, class ARG_TYPE> POSITION CList<TYPE, ARG_TYPE>::FindIndex(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return NULL;
    CNode* pNode = m_pNodeHead;
    while (nIndex-- > 0)
        pNode = pNode->pNext;
    return (POSITION)pNode;
}

template <class TYPE, class ARG_TYPE> void CList<TYPE, ARG_TYPE>::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)m_nCount);
        for (CNode* pNode = m_pNodeHead; pNode != NULL; pNode = pNode->pNext)
            SerializeElements<TYPE>(ar, &pNode->data, 1);
    }
    else
    {
        for (DWORD nNewCount = ar.ReadCount(); nNewCount > 0; nNewCount--)
        {
            TYPE newData = TYPE();
            SerializeElements<TYPE>(ar, &newData, 1);
            AddTail(newData);
        }
    }
}
