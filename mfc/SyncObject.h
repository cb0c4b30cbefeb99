// Base of the waitable synchronisation objects: owns one kernel handle (or, for a critical
// section, none) and offers Lock/Unlock for the lock guards CSingleLock and CMultiLock.
//
// Differences from MFC:
// - No debug name is kept; the name passed to the constructor only names the kernel object.
// - Copying is deleted, as for every class that owns a handle.
#pragma once
#include "Object.h"

class CSyncObject : public CObject
{
    DECLARE_DYNAMIC(CSyncObject)

    // Construction
  public:
    explicit CSyncObject(LPCTSTR pstrName);
    virtual ~CSyncObject();
    CSyncObject(const CSyncObject&) = delete;
    CSyncObject& operator=(const CSyncObject&) = delete;

    // Attributes
  public:
    operator HANDLE() const
    {
        return m_hObject;
    }
    HANDLE m_hObject;

    // Overridables
  public:
    // Waits for the object; TRUE when it was acquired (an abandoned mutex counts as acquired).
    virtual BOOL Lock(DWORD dwTimeout = INFINITE);
    virtual BOOL Unlock() = 0;
    virtual BOOL Unlock(LONG lCount, LPLONG lpPrevCount = NULL);

    friend class CSingleLock;
    friend class CMultiLock;
};
