// A Win32 event, auto- or manual-reset, optionally named. Owns its handle.
//
// Differences from MFC:
// - None beyond those of CSyncObject.
#pragma once
#include "SyncObject.h"

class CEvent : public CSyncObject
{
    DECLARE_DYNAMIC(CEvent)

    // Construction
  public:
    // Throws CResourceException when the event cannot be created.
    explicit CEvent(BOOL bInitiallyOwn = FALSE, BOOL bManualReset = FALSE, LPCTSTR lpszName = NULL,
                    LPSECURITY_ATTRIBUTES lpsaAttribute = NULL);
    virtual ~CEvent();

    // Operations
  public:
    BOOL SetEvent();
    BOOL PulseEvent();
    BOOL ResetEvent();
    // Nothing to give back: waiting on an event does not own it.
    BOOL Unlock() override;
    using CSyncObject::Unlock;
};
