// A Win32 counting semaphore, optionally named. Owns its handle.
//
// Differences from MFC:
// - None beyond those of CSyncObject.
#pragma once
#include "SyncObject.h"

class CSemaphore : public CSyncObject
{
    DECLARE_DYNAMIC(CSemaphore)

    // Construction
  public:
    // Throws CResourceException when the semaphore cannot be created.
    explicit CSemaphore(LONG lInitialCount = 1, LONG lMaxCount = 1, LPCTSTR pstrName = NULL,
                        LPSECURITY_ATTRIBUTES lpsaAttributes = NULL);
    virtual ~CSemaphore();

    // Operations
  public:
    // Releases one count.
    BOOL Unlock() override;
    // Releases lCount counts; *lprevCount receives the count before the release.
    BOOL Unlock(LONG lCount, LPLONG lprevCount = NULL) override;
};
