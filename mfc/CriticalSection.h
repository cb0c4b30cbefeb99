// A Win32 critical section: the cheapest lock between threads of one process. Has no handle, so
// it can be used with CSingleLock but not with CMultiLock.
//
// Differences from MFC:
// - Lock with a finite time-out really waits at most that long (MFC only allows INFINITE);
//   it returns FALSE when the section stayed taken.
#pragma once
#include "SyncObject.h"

class CCriticalSection : public CSyncObject
{
    DECLARE_DYNAMIC(CCriticalSection)

    // Construction
  public:
    CCriticalSection();
    virtual ~CCriticalSection();

    // Attributes
  public:
    operator CRITICAL_SECTION*()
    {
        return &m_sect;
    }
    CRITICAL_SECTION m_sect;

    // Operations
  public:
    BOOL Lock();
    BOOL Lock(DWORD dwTimeout) override;
    BOOL Unlock() override;
    using CSyncObject::Unlock;
};
