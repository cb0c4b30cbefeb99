// The windows that want a device's tick, kept by a running id. The timer thread posts to them
// while the user interface registers and removes them, so every operation runs under a critical
// section. One registry per device kind, living as long as the process.
#pragma once
#include "AfxCore.h"
#include <map>

class CCommWindowRegistry
{
  public:
    // Construction
    CCommWindowRegistry();
    ~CCommWindowRegistry();
    CCommWindowRegistry(const CCommWindowRegistry&) = delete;
    CCommWindowRegistry& operator=(const CCommWindowRegistry&) = delete;

    // Operations
    // A window already registered keeps its id.
    void Register(HWND hWnd);
    // A window that is not registered is ignored.
    void Unregister(HWND hWnd);
    // Empties the registry and starts the ids at 0 again.
    void Clear();
    BOOL IsRegistered(HWND hWnd);
    int GetCount();
    // Posts message (wParam 0, lParam 0) to every window in id order, under the lock.
    void PostToAll(UINT message);

    // Implementation
  private:
    class CLock;
    CRITICAL_SECTION m_section;
    std::map<int, HWND> m_windows;
    int m_nNextId;
};
