// CGXNodeManagerNor<T>: nodes of type T by DWORD key, each made on first use by an owned creator.
// The manager owns the creator and the nodes.
#pragma once
#include "mfc/Map.h"

// Makes the nodes of a CGXNodeManagerNor.
template <class T> class CGXNodeCreator
{
  public:
    virtual ~CGXNodeCreator() = default;
    virtual T* CreateNode() = 0;
};

template <class T> class CGXNodeManagerNor
{
  public:
    // Construction: takes over the creator.
    explicit CGXNodeManagerNor(CGXNodeCreator<T>* pCreator) : m_pCreator(pCreator)
    {
    }
    ~CGXNodeManagerNor()
    {
        delete m_pCreator;
        POSITION pos = m_nodes.GetStartPosition();
        while (pos != NULL)
        {
            DWORD nKey;
            T* pNode;
            m_nodes.GetNextAssoc(pos, nKey, pNode);
            delete pNode;
        }
        m_nodes.RemoveAll();
    }
    CGXNodeManagerNor(const CGXNodeManagerNor&) = delete;
    CGXNodeManagerNor& operator=(const CGXNodeManagerNor&) = delete;

    // An operation run on every node.
    class _iterOp
    {
      public:
        virtual ~_iterOp() = default;
        virtual void operator()(T* pNode) = 0;
    };

    // Operations
    T* GetOrCreate(DWORD nKey)
    {
        T* pNode = NULL;
        if (m_nodes.Lookup(nKey, pNode))
            return pNode;
        pNode = m_pCreator->CreateNode();
        m_nodes.SetAt(nKey, pNode);
        return pNode;
    }
    // The node of the key, or NULL.
    T* Lookup(DWORD nKey) const
    {
        T* pNode = NULL;
        return m_nodes.Lookup(nKey, pNode) ? pNode : NULL;
    }
    int GetCount() const
    {
        return m_nodes.GetCount();
    }
    // Deletes the node of the key; FALSE when there is none.
    BOOL Remove(DWORD nKey)
    {
        T* pNode = NULL;
        if (!m_nodes.Lookup(nKey, pNode))
            return FALSE;
        m_nodes.RemoveKey(nKey);
        delete pNode;
        return TRUE;
    }
    void ForEach(_iterOp& op) const
    {
        POSITION pos = m_nodes.GetStartPosition();
        while (pos != NULL)
        {
            DWORD nKey;
            T* pNode;
            m_nodes.GetNextAssoc(pos, nKey, pNode);
            op(pNode);
        }
    }

  private:
    CGXNodeCreator<T>* m_pCreator;
    CMap<DWORD, DWORD, T*, T*> m_nodes;
};
