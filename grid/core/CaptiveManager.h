// A process-wide pool of objects of one type: taken objects come from the free list when it
// has one, else are made new; given-back ones join the free list. The free ones are destroyed
// with the pool.
#pragma once
#include "PtrList.h"

template <class T> class CGXCaptiveManager
{
  public:
    CGXCaptiveManager() : m_freeList(10)
    {
    }
    ~CGXCaptiveManager()
    {
        while (!m_freeList.IsEmpty())
            delete (T*)m_freeList.RemoveHead();
    }
    CGXCaptiveManager(const CGXCaptiveManager&) = delete;
    CGXCaptiveManager& operator=(const CGXCaptiveManager&) = delete;

    T* Take()
    {
        return m_freeList.IsEmpty() ? new T : (T*)m_freeList.RemoveHead();
    }
    void Give(T* p)
    {
        if (p != NULL)
            m_freeList.AddTail(p);
    }
    INT_PTR GetFreeCount() const
    {
        return m_freeList.GetCount();
    }

  private:
    CPtrList m_freeList;
};
