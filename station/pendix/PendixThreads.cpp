#include "station/pendix/PendixThreads.h"
#include "station/link/CommTickThread.h"
#include "station/link/CommWorkerThread.h"

namespace
{

void RunPendixJob(STRUCT_COMM_JOB& job, std::vector<HANDLE>& stopEvents);

CMutexQueue g_pendixQueue(pendixQueueCapacity, pendixStopJob);
CCommWindowRegistry g_pendixWindows;
CCommTickThread g_pendixTicker(g_pendixWindows, WM_PENDIX_TICK, 250);
CCommWorkerThread g_pendixWorker(g_pendixQueue, RunPendixJob);
int g_nThreadUsers = 0; // views between StartPendixThreads and StopPendixThreads

const DWORD kMaxTries = 4;

// What one job code does. run returns the operation's result.
struct JobEntry
{
    DWORD dwCode;
    BOOL (*run)(CPendixStdComBase& com, STRUCT_COMM_JOB& job);
    UINT nMessage; // posted on success (0: none)
    BOOL bRetry;   // failure puts the job back
};

const JobEntry g_jobs[] = {
    {0,
     [](CPendixStdComBase& c, STRUCT_COMM_JOB&) {
         c.ClosePort();
         return TRUE;
     },
     0, FALSE},
    {1, [](CPendixStdComBase&, STRUCT_COMM_JOB&) { return TRUE; }, 0, FALSE},
    {2, [](CPendixStdComBase& c, STRUCT_COMM_JOB&) { return c.Identify(); }, WM_PENDIX_IDENTITY, FALSE},
    {3, [](CPendixStdComBase& c, STRUCT_COMM_JOB&) { return c.ReadStatus(); }, WM_PENDIX_STATUS, FALSE},
    {4,
     [](CPendixStdComBase& c, STRUCT_COMM_JOB& j) { return c.SetSerialNumber(CommJobFloat(j.dwParams[0])); },
     0, TRUE},
    {5, [](CPendixStdComBase& c, STRUCT_COMM_JOB&) { return c.TriggerReset(); }, 0, FALSE},
    {6, [](CPendixStdComBase& c, STRUCT_COMM_JOB&) { return c.SetClock(); }, 0, FALSE},
    {7, [](CPendixStdComBase& c, STRUCT_COMM_JOB&) { return c.SetCalibration(TRUE); }, 0, FALSE},
    {8, [](CPendixStdComBase& c, STRUCT_COMM_JOB&) { return c.SetCalibration(FALSE); }, 0, FALSE},
    {9, [](CPendixStdComBase& c, STRUCT_COMM_JOB&) { return c.SendOffsets(); }, 0, FALSE},
    {10, [](CPendixStdComBase& c, STRUCT_COMM_JOB&) { return c.ReadLog(); }, 0, FALSE},
};

// One record taken from the queue. The worker signals the stop events and lets go of the record
// afterwards.
void RunPendixJob(STRUCT_COMM_JOB& job, std::vector<HANDLE>& stopEvents)
{
    CPendixStdComBase* pCom = (CPendixStdComBase*)job.pProtocol;
    BOOL bRetry = FALSE;
    UINT nMessage = 0;
    WPARAM wParam = 0;
    DWORD dwPortError = 0;
    {
        CSWMRGuard::CWriteLock lock(*pCom);
        if (job.dwCode == pendixStopJob)
            pCom->ClosePort();
        if (job.dwCode == 1)
        {
            // Switching on starts afresh, also on a broken object and after a pulled cable.
            pCom->ClearFailures();
            pCom->ClearPortUnavailable();
        }
        // The view may have switched its link off between the failure and the requeue, so a retry
        // can sit behind the stop job: it must not reopen the port then.
        BOOL bRetryOfClosedLink = job.dwTries > 0 && !g_pendixWindows.IsRegistered(job.hWnd);
        if (!pCom->IsBroken() && job.dwTries < kMaxTries && job.dwCode < pendixStopJob && !bRetryOfClosedLink)
        {
            const JobEntry& entry = g_jobs[job.dwCode];
            BOOL bOk = entry.run(*pCom, job);
            if (bOk)
                nMessage = entry.nMessage;
            else
                bRetry = entry.bRetry;
        }
        if (!bRetryOfClosedLink && (pCom->IsBroken() || job.dwTries >= kMaxTries))
        {
            bRetry = FALSE;
            nMessage = WM_PENDIX_BROKEN;
            if (pCom->IsUsbLink() && pCom->IsPortUnavailable())
                wParam = 240;
            pCom->ClosePort();
            // Only this device's jobs go: other views' jobs stay queued.
            g_pendixQueue.RemoveJobsOf(pCom, stopEvents, NULL);
        }
        dwPortError = pCom->TakeTransferError();
    }
    if (job.dwCode == pendixStopJob)
        ::PostMessage(job.hWnd, WM_PENDIX_CLOSED, 0, 0);
    if (nMessage)
        ::PostMessage(job.hWnd, nMessage, wParam, 0);
    if (dwPortError)
        ::PostMessage(job.hWnd, WM_COMM_PORT_ERROR, dwPortError, 0);
    // A failed job goes back only while its view's link is on: a retry behind the stop job would
    // reopen the port of an object its view is about to delete.
    if (bRetry && g_pendixWindows.IsRegistered(job.hWnd))
    {
        ++job.dwTries;
        g_pendixQueue.Put(&job, 100);
    }
}

} // namespace

CMutexQueue& GetPendixJobQueue()
{
    return g_pendixQueue;
}

void RegisterPendixWindow(HWND hWnd)
{
    g_pendixWindows.Register(hWnd);
}

void UnregisterPendixWindow(HWND hWnd)
{
    g_pendixWindows.Unregister(hWnd);
}

BOOL IsPendixWindowRegistered(HWND hWnd)
{
    return g_pendixWindows.IsRegistered(hWnd);
}

unsigned __stdcall PendixPollTimerThread(void*)
{
    return g_pendixTicker.Run();
}

unsigned __stdcall PendixWorkerThread(void*)
{
    return g_pendixWorker.Run();
}

void StartPendixThreads()
{
    ++g_nThreadUsers;
    g_pendixWorker.Start();
    g_pendixTicker.Start();
}

BOOL IsPendixWorkerRunning()
{
    return g_pendixWorker.IsRunning();
}

BOOL IsPendixTimerRunning()
{
    return g_pendixTicker.IsRunning();
}

BOOL QueuePendixJob(CPendixStdComBase* pCom, DWORD dwCode, const DWORD* pParams, DWORD dwArgument, int nCount,
                    HWND hWnd, HANDLE hStopEvent)
{
    STRUCT_COMM_JOB job;
    memset(&job, 0, sizeof job);
    job.pProtocol = pCom;
    job.dwCode = dwCode;
    job.dwArgument = dwArgument;
    for (int i = 0; i < nCount && i < (int)_countof(job.dwParams) && pParams; ++i)
        job.dwParams[i] = pParams[i];
    job.hWnd = hWnd;
    job.hEvent = hStopEvent;
    return g_pendixQueue.Put(&job, 100);
}

BOOL QueuePendixStopJob(CPendixStdComBase* pCom, HWND hWnd, HANDLE hStopEvent)
{
    UnregisterPendixWindow(hWnd);
    if (hStopEvent)
        ::ResetEvent(hStopEvent);
    if (QueuePendixJob(pCom, pendixStopJob, NULL, 0, 0, hWnd, hStopEvent))
        return TRUE;
    // Without its stop job the view would wait for ever: end the link here instead.
    ReleasePendixLink(pCom);
    ::PostMessage(hWnd, WM_PENDIX_CLOSED, 0, 0);
    if (hStopEvent)
        ::SetEvent(hStopEvent);
    return FALSE;
}

void ReleasePendixLink(CPendixStdComBase* pCom)
{
    g_pendixQueue.ReleaseLink(pCom);
}

void StopPendixThreads(CPendixStdComBase* pCom, HANDLE hStopEvent, DWORD dwStopWaitMs)
{
    if (hStopEvent)
        ::WaitForSingleObject(hStopEvent, dwStopWaitMs);
    // Whether the stop job came or the wait ran out, nothing of this object may stay queued.
    ReleasePendixLink(pCom);
    if (g_nThreadUsers > 0 && --g_nThreadUsers == 0)
    {
        g_pendixTicker.Stop();
        g_pendixWorker.Stop();
    }
}
