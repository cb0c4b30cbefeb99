// A worker thread that takes job records from one queue and runs each through a device's job
// function. The station and the Pendix each have one, process-wide; the user-interface thread
// starts and stops it. Results go back only by PostMessage, from the job function.
#pragma once
#include "station/link/MutexQueue.h"

class CCommWorkerThread
{
  public:
    // Runs one record. Appends the events it must signal (stop events of records it flushed);
    // the worker signals them, and the record's own stop event, once the function has returned
    // and before it lets go of the record, also when the function throws.
    typedef void (*RUN_JOB)(STRUCT_COMM_JOB& job, std::vector<HANDLE>& stopEvents);

    // Construction
    CCommWorkerThread(CMutexQueue& queue, RUN_JOB pfnRun);
    ~CCommWorkerThread();
    CCommWorkerThread(const CCommWorkerThread&) = delete;
    CCommWorkerThread& operator=(const CCommWorkerThread&) = delete;

    // Operations
    // Starts the thread when it is not running.
    void Start();
    // Sets the stop flag, waits for the thread (it sees the flag within 100 ms plus the job in
    // hand), closes its handle and clears the flag.
    void Stop();
    BOOL IsRunning() const
    {
        return m_hThread != NULL;
    }

    // The loop: until the stop flag is set, take a record (100 ms time-out) and run it. A record
    // once taken is always run, so a stop job is never dropped on the way out. Returns 0.
    unsigned Run();

    // Implementation
  private:
    static unsigned __stdcall ThreadProc(void* pThis);

    CMutexQueue& m_queue;
    RUN_JOB m_pfnRun;
    HANDLE m_hThread;
    unsigned m_nThreadId;
    volatile LONG m_bStop;
};
