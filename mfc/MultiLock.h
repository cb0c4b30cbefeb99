// Guard that waits for several kernel synchronisation objects at once (all of them or any one,
// optionally woken by input messages) and gives back what it holds when it goes out of scope.
// The guard does not own the objects.
//
// Differences from MFC:
// - Critical sections have no handle and cannot be waited for here (as in MFC); Lock then fails
//   with WAIT_FAILED instead of asserting only.
#pragma once
#include "SyncObject.h"
#include <vector>

class CMultiLock
{
    // Construction
  public:
    CMultiLock(CSyncObject* ppObjects[], DWORD dwCount, BOOL bInitialLock = FALSE);
    ~CMultiLock();
    CMultiLock(const CMultiLock&) = delete;
    CMultiLock& operator=(const CMultiLock&) = delete;

    // Operations
  public:
    // Returns what WaitForMultipleObjects (or, with a wake mask, MsgWaitForMultipleObjects)
    // returned: WAIT_OBJECT_0 + i, WAIT_ABANDONED_0 + i, WAIT_OBJECT_0 + count for a message,
    // WAIT_TIMEOUT or WAIT_FAILED.
    DWORD Lock(DWORD dwTimeOut = INFINITE, BOOL bWaitForAll = TRUE, DWORD dwWakeMask = 0);
    BOOL Unlock();
    // Releases counts of the semaphores held; FALSE when none of the held objects is one.
    BOOL Unlock(LONG lCount, LPLONG lPrevCount = NULL);
    BOOL IsLocked(DWORD dwItem) const;

    // Implementation
  protected:
    std::vector<CSyncObject*> m_ppObjectArray;
    std::vector<HANDLE> m_pHandleArray;
    std::vector<BOOL> m_bLockedArray;
    DWORD m_dwCount;
};
