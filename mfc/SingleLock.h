// Guard that takes one synchronisation object and gives it back at the latest when the guard
// goes out of scope. The guard does not own the object.
//
// Differences from MFC:
// - Locking a guard that already holds its object is reported and does not lock twice.
#pragma once
#include "SyncObject.h"

class CSingleLock
{
    // Construction
  public:
    explicit CSingleLock(CSyncObject* pObject, BOOL bInitialLock = FALSE);
    ~CSingleLock();
    CSingleLock(const CSingleLock&) = delete;
    CSingleLock& operator=(const CSingleLock&) = delete;

    // Operations
  public:
    // TRUE when the object was acquired within dwTimeOut milliseconds.
    BOOL Lock(DWORD dwTimeOut = INFINITE);
    // TRUE when the guard no longer holds the object.
    BOOL Unlock();
    BOOL Unlock(LONG lCount, LPLONG lPrevCount = NULL);
    BOOL IsLocked() const
    {
        return m_bAcquired;
    }

    // Implementation
  protected:
    CSyncObject* m_pObject;
    HANDLE m_hObject;
    BOOL m_bAcquired;
};
