// Single-writer, multiple-reader lock that serves waiting writers first. A protocol object
// carries one: the worker writes its value cache under it, the user interface copies under it.
#pragma once
#include "AfxCore.h"

class CSWMRGuard
{
  public:
    // Construction
    CSWMRGuard();
    ~CSWMRGuard();
    CSWMRGuard(const CSWMRGuard&) = delete;
    CSWMRGuard& operator=(const CSWMRGuard&) = delete;

    // Operations: each WaitToRead or WaitToWrite is paired with one Done on the same thread.
    void WaitToRead();
    void WaitToWrite();
    void Done();

    // Attributes: threads waiting on each side at this moment.
    int GetWaitingReaders() const;
    int GetWaitingWriters() const;

    // Guards that pair the calls on every path.
    class CReadLock
    {
      public:
        explicit CReadLock(CSWMRGuard& guard) : m_guard(guard)
        {
            m_guard.WaitToRead();
        }
        ~CReadLock()
        {
            m_guard.Done();
        }
        CReadLock(const CReadLock&) = delete;
        CReadLock& operator=(const CReadLock&) = delete;

      private:
        CSWMRGuard& m_guard;
    };
    class CWriteLock
    {
      public:
        explicit CWriteLock(CSWMRGuard& guard) : m_guard(guard)
        {
            m_guard.WaitToWrite();
        }
        ~CWriteLock()
        {
            m_guard.Done();
        }
        CWriteLock(const CWriteLock&) = delete;
        CWriteLock& operator=(const CWriteLock&) = delete;

      private:
        CSWMRGuard& m_guard;
    };

    // Implementation
  private:
    mutable CRITICAL_SECTION m_lock;
    HANDLE m_hReaders;
    HANDLE m_hWriters;
    int m_nWaitingReaders;
    int m_nWaitingWriters;
    int m_nActive; // > 0 readers inside, -1 one writer inside, 0 free
};
