// A periodic waitable timer and the thread that posts a tick to every window of a registry at
// each signal. One per device kind, process-wide; the user-interface thread starts and stops it.
#pragma once
#include "station/link/CommWindowRegistry.h"

class CCommTickThread
{
  public:
    // Construction
    CCommTickThread(CCommWindowRegistry& registry, UINT nMessage, LONG lPeriodMs);
    ~CCommTickThread();
    CCommTickThread(const CCommTickThread&) = delete;
    CCommTickThread& operator=(const CCommTickThread&) = delete;

    // Operations
    // Creates the timer (first signal after 100 ms, then every period) and starts the thread,
    // only when neither exists. A thread that ended by itself (its wait failed) is joined first,
    // so it can be started again. FALSE when nothing was started.
    BOOL Start();
    // Sets the stop flag and waits for the thread (at most one period), then closes its handle.
    void Stop();
    BOOL IsRunning();

    // The thread's loop: until the stop flag is set, wait for the timer and post the tick. Then
    // cancel and close the timer and clear the stop flag. Returns 0.
    unsigned Run();

    // Implementation
  private:
    static unsigned __stdcall ThreadProc(void* pThis);
    void JoinEndedThread();

  protected:
    // The timer the thread waits on; tests take it away to make the wait fail.
    HANDLE GetTimer() const
    {
        return m_hTimer;
    }

  private:
    CCommWindowRegistry& m_registry;
    UINT m_nMessage;
    LONG m_lPeriodMs;
    HANDLE m_hTimer;
    HANDLE m_hThread;
    volatile LONG m_bStop;
};
