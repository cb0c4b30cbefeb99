// SECObjectMemoryManager_T: owns the objects it tracks and deletes them (through their virtual
// destructors) when it is destroyed. Layout nodes, listeners, constraint records and managers
// of managers are owned this way, never by their parents.
#pragma once
#include "afxtempl.h"

namespace tessaron
{
namespace foundation
{

template <class T> class SECObjectMemoryManager_T
{
  public:
    // Construction
    SECObjectMemoryManager_T() : m_objects(10)
    {
    }
    virtual ~SECObjectMemoryManager_T()
    {
        DestroyAll();
    }
    SECObjectMemoryManager_T(const SECObjectMemoryManager_T&) = delete;
    SECObjectMemoryManager_T& operator=(const SECObjectMemoryManager_T&) = delete;

    // Overridables
    // FALSE for NULL or an object already tracked.
    virtual BOOL Track(T* pObject)
    {
        if (pObject == NULL || IsTracked(pObject) != NULL)
            return FALSE;
        m_objects.AddTail(pObject);
        return TRUE;
    }
    virtual BOOL Untrack(T* pObject)
    {
        POSITION pos = IsTracked(pObject);
        if (pos == NULL)
            return FALSE;
        m_objects.RemoveAt(pos);
        return TRUE;
    }
    virtual POSITION IsTracked(T* pObject) const
    {
        return m_objects.Find(pObject);
    }
    // Deletes every tracked object in tracking order; the number deleted.
    virtual int DestroyAll()
    {
        int nCount = 0;
        // An object's destructor may untrack others: take one at a time from the head.
        while (!m_objects.IsEmpty())
        {
            T* pObject = (T*)m_objects.RemoveHead();
            delete pObject;
            ++nCount;
        }
        return nCount;
    }
    virtual int GetCount() const
    {
        return (int)m_objects.GetCount();
    }
    // The tracked objects in tracking order.
    POSITION GetHeadPosition() const
    {
        return m_objects.GetHeadPosition();
    }
    T* GetNext(POSITION& pos) const
    {
        return (T*)m_objects.GetNext(pos);
    }

  private:
    CPtrList m_objects;
};

} // namespace foundation
} // namespace tessaron
