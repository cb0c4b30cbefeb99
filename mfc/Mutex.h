// A Win32 mutex, optionally named so that processes can share it. Owns its handle.
//
// Differences from MFC:
// - None beyond those of CSyncObject.
#pragma once
#include "SyncObject.h"

class CMutex : public CSyncObject
{
    DECLARE_DYNAMIC(CMutex)

    // Construction
  public:
    // Throws CResourceException when the mutex cannot be created.
    explicit CMutex(BOOL bInitiallyOwn = FALSE, LPCTSTR lpszName = NULL,
                    LPSECURITY_ATTRIBUTES lpsaAttribute = NULL);
    virtual ~CMutex();

    // Operations
  public:
    BOOL Unlock() override;
    using CSyncObject::Unlock;
};
