// Objects made per ordinal from a run-time class named at construction and kept in an array;
// the manager owns them. A document adapter keeps one parameter object per sheet this way.
#pragma once
#include "afx.h"

template <class T> class CGXNodeManagerAr
{
  public:
    // Construction
    explicit CGXNodeManagerAr(LPCSTR pszClassName) : m_pszClassName(pszClassName)
    {
    }
    virtual ~CGXNodeManagerAr()
    {
        for (INT_PTR i = 0; i < m_nodes.GetSize(); i++)
            delete m_nodes[i];
    }
    CGXNodeManagerAr(const CGXNodeManagerAr&) = delete;
    CGXNodeManagerAr& operator=(const CGXNodeManagerAr&) = delete;

    // Operations
    // The object of the ordinal, made on first request (null when the class cannot make one).
    T* GetOrCreate(UINT nOrdinal)
    {
        if ((INT_PTR)nOrdinal >= m_nodes.GetSize())
            m_nodes.SetSize(nOrdinal + 1);
        if (m_nodes[nOrdinal] == NULL)
        {
            CRuntimeClass* pClass = CRuntimeClass::FromName(m_pszClassName);
            CObject* pObject = pClass != NULL ? pClass->CreateObject() : NULL;
            m_nodes[nOrdinal] = dynamic_cast<T*>(pObject);
            if (m_nodes[nOrdinal] == NULL)
                delete pObject;
        }
        return m_nodes[nOrdinal];
    }
    T* Lookup(UINT nOrdinal) const
    {
        return (INT_PTR)nOrdinal < m_nodes.GetSize() ? m_nodes[nOrdinal] : NULL;
    }

  private:
    LPCSTR m_pszClassName;
    CArray<T*, T*> m_nodes;
};
