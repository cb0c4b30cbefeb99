#include "station/link/CommThreads.h"
#include "station/link/CommTickThread.h"
#include "station/link/CommWorkerThread.h"

namespace
{

void RunStationJob(STRUCT_COMM_JOB& job, std::vector<HANDLE>& stopEvents);

const DWORD kStopJob = 30;
CMutexQueue g_commQueue(50, kStopJob);
CCommWindowRegistry g_windows;
CCommTickThread g_ticker(g_windows, WM_COMM_TICK, 200);
CCommWorkerThread g_worker(g_commQueue, RunStationJob);
COMM_INTERFACE_CHECK g_pfnNoInterfaceInUse = NULL;

BOOL NoInterfaceInUse()
{
    return g_pfnNoInterfaceInUse ? g_pfnNoInterfaceInUse() : TRUE;
}

// What one job code does on the command layer. run returns the operation's result.
struct JobEntry
{
    DWORD dwCode;
    BOOL (*run)(CIRComBase& com, STRUCT_COMM_JOB& job);
    UINT nMessage;    // posted on success (0: none)
    BOOL bStatusRead; // on success read the status block; its success posts WM_COMM_STATUS
    BOOL bRetry;      // failure puts the job back
    BOOL bAlwaysPost; // the message is posted whatever the result
};

int ParamInt(const STRUCT_COMM_JOB& job, int nWord)
{
    return (int)CommJobFloat(job.dwParams[nWord - 3]);
}

// clang-format off
const JobEntry g_jobs[] = {
    {0, [](CIRComBase& c, STRUCT_COMM_JOB&) { return c.ReadClock(); }, WM_COMM_CLOCK, FALSE, FALSE, FALSE},
    {1, [](CIRComBase& c, STRUCT_COMM_JOB&) { return c.ReadStatusBlock(); }, WM_COMM_STATUS, FALSE, FALSE, FALSE},
    {2, [](CIRComBase& c, STRUCT_COMM_JOB& j) { return c.WriteBottomHeater(j.dwParams[0]); }, 0, TRUE, TRUE, FALSE},
    {3, [](CIRComBase& c, STRUCT_COMM_JOB&) { return c.Calibrate(); }, 0, TRUE, TRUE, FALSE},
    {4, [](CIRComBase& c, STRUCT_COMM_JOB& j) { return c.WriteVar15(ParamInt(j, 3), j.dwArgument); }, 0, FALSE, TRUE,
     FALSE},
    {5, [](CIRComBase& c, STRUCT_COMM_JOB&) { return c.FanOff(); }, 0, TRUE, TRUE, FALSE},
    {6, [](CIRComBase& c, STRUCT_COMM_JOB&) { return c.FanOn(); }, 0, TRUE, TRUE, FALSE},
    {7, [](CIRComBase& c, STRUCT_COMM_JOB&) { return c.PumpOff(); }, 0, TRUE, TRUE, FALSE},
    {8, [](CIRComBase& c, STRUCT_COMM_JOB&) { return c.PumpOn(); }, 0, TRUE, TRUE, FALSE},
    {9, [](CIRComBase& c, STRUCT_COMM_JOB& j) { return c.WriteVar48(ParamInt(j, 3), j.dwArgument); }, 0, FALSE, TRUE,
     FALSE},
    {10, [](CIRComBase& c, STRUCT_COMM_JOB& j) { return c.WriteVar49(ParamInt(j, 3), j.dwArgument); }, 0, FALSE,
     TRUE, FALSE},
    {11,
     [](CIRComBase& c, STRUCT_COMM_JOB& j) {
         memcpy(c.m_dwBlockWrite, j.dwParams, sizeof c.m_dwBlockWrite);
         return c.WriteVars7To14(j.dwArgument);
     },
     WM_COMM_PROFILE_WRITTEN, FALSE, TRUE, FALSE},
    {12, [](CIRComBase& c, STRUCT_COMM_JOB& j) { return c.WriteVar5(&j.dwParams[0], j.dwArgument); },
     WM_COMM_PROFILE_WRITTEN, FALSE, TRUE, FALSE},
    {13, [](CIRComBase& c, STRUCT_COMM_JOB& j) { return c.WriteVar4(&j.dwParams[0], j.dwArgument); },
     WM_COMM_PROFILE_WRITTEN, FALSE, TRUE, FALSE},
    {14, [](CIRComBase& c, STRUCT_COMM_JOB&) { return c.ReadVars0To5(); }, WM_COMM_SAMPLE, FALSE, TRUE, FALSE},
    {15, [](CIRComBase& c, STRUCT_COMM_JOB&) { return c.ReadSetupBlock(); }, WM_COMM_PROFILE, FALSE, TRUE, FALSE},
    {16, [](CIRComBase& c, STRUCT_COMM_JOB&) { return c.ReadVars21To34(); }, WM_COMM_LIMITS, FALSE, TRUE, FALSE},
    {17,
     [](CIRComBase& c, STRUCT_COMM_JOB& j) {
         memcpy(c.m_dwClockWrite, j.dwParams, sizeof c.m_dwClockWrite);
         return c.WriteClock();
     },
     0, FALSE, TRUE, FALSE},
    {18,
     [](CIRComBase& c, STRUCT_COMM_JOB& j) {
         // Probe with the port opened and closed per attempt, then keep it open at the new rate.
         c.ClosePort();
         c.SetCloseAfterTransfer(TRUE);
         float fRate = c.ProbeBaudRate();
         BOOL bOk = c.SetStationBaud(j.dwParams[0], (DWORD)(int)fRate);
         c.SetCloseAfterTransfer(FALSE);
         return bOk;
     },
     WM_COMM_BAUD, FALSE, FALSE, TRUE},
    {19, [](CIRComBase& c, STRUCT_COMM_JOB&) { return c.Connect(); }, WM_COMM_VERSION, FALSE, TRUE, FALSE},
    {20,
     [](CIRComBase& c, STRUCT_COMM_JOB& j) {
         c.SetStationAddress(ParamInt(j, 3) & 0xFF);
         return TRUE;
     },
     0, FALSE, FALSE, FALSE},
    {21,
     [](CIRComBase& c, STRUCT_COMM_JOB& j) {
         c.SetTransferTimeouts(ParamInt(j, 3), ParamInt(j, 4), ParamInt(j, 5), ParamInt(j, 6), ParamInt(j, 7));
         return TRUE;
     },
     0, FALSE, FALSE, FALSE},
    {22, [](CIRComBase& c, STRUCT_COMM_JOB& j) { return c.WriteVar18(&j.dwParams[0], j.dwArgument); }, 0, FALSE,
     TRUE, FALSE},
    {23, [](CIRComBase& c, STRUCT_COMM_JOB& j) { return c.WriteOperatingTimes(&j.dwParams[0]); }, 0, FALSE, TRUE,
     FALSE},
    {24, [](CIRComBase& c, STRUCT_COMM_JOB&) -> BOOL { return c.ReadOperatingTimes() && c.ReadCounters52To53(); },
     WM_COMM_HOURS, FALSE, TRUE, FALSE},
    {25, [](CIRComBase& c, STRUCT_COMM_JOB&) { return c.ReadVars54To62(); }, WM_COMM_LONGLIFE, FALSE, TRUE, FALSE},
    {26, [](CIRComBase& c, STRUCT_COMM_JOB&) { return c.ClearVars58To61(); }, 0, FALSE, TRUE, FALSE},
    {27, [](CIRComBase& c, STRUCT_COMM_JOB&) { return c.SetMode56(TRUE); }, 0, FALSE, TRUE, FALSE},
    {28, [](CIRComBase& c, STRUCT_COMM_JOB&) { return c.SetMode56(FALSE); }, 0, FALSE, TRUE, FALSE},
    {29,
     [](CIRComBase& c, STRUCT_COMM_JOB& j) {
         memcpy(c.m_fVars54To62, j.dwParams, StationVar::LongLifeParameterCount * sizeof(float));
         return c.WriteVars54To57();
     },
     0, FALSE, TRUE, FALSE},
};
// clang-format on

const JobEntry& FindJob(DWORD dwCode)
{
    for (const JobEntry& entry : g_jobs)
        if (entry.dwCode == dwCode)
            return entry;
    static const JobEntry unknown = {
        0xFFFFFFFF, [](CIRComBase&, STRUCT_COMM_JOB&) { return TRUE; }, 0, FALSE, FALSE, FALSE};
    return unknown;
}
const DWORD kMaxTries = 4;

// One record taken from the queue, steps as the worker loop runs them. The worker signals the
// stop events and lets go of the record afterwards.
void RunStationJob(STRUCT_COMM_JOB& job, std::vector<HANDLE>& stopEvents)
{
    CIRComBase* pCom = (CIRComBase*)job.pProtocol;
    BOOL bRetry = FALSE;
    UINT nMessage = 0;
    WPARAM wParam = 0;
    DWORD dwPortError = 0;
    {
        CSWMRGuard::CWriteLock lock(*pCom);
        if (job.dwCode == kStopJob)
            pCom->ClosePort();
        if (!pCom->IsOffline() && job.dwTries < kMaxTries && job.dwCode < kStopJob)
        {
            const JobEntry& entry = FindJob(job.dwCode);
            BOOL bOk = entry.run(*pCom, job);
            if (bOk && entry.bStatusRead)
                nMessage = pCom->ReadStatusBlock() ? WM_COMM_STATUS : 0;
            else if (bOk || entry.bAlwaysPost)
                nMessage = entry.nMessage;
            if (!bOk && entry.bRetry)
            {
                bRetry = TRUE;
                if (job.dwCode == 19)
                    wParam = 1;
            }
        }
        if (pCom->IsOffline() || job.dwTries >= kMaxTries)
        {
            bRetry = FALSE;
            nMessage = WM_COMM_OFFLINE;
            if (pCom->IsFixedRate() && pCom->IsPortUnavailable())
                wParam = 240;
            pCom->ClosePort();
            // Only this link's jobs go: other stations' jobs stay queued.
            g_commQueue.RemoveJobsOf(pCom, stopEvents, NULL);
        }
        dwPortError = pCom->TakeTransferError();
    }
    if (job.dwCode == kStopJob)
        ::PostMessage(job.hWnd, WM_COMM_CLOSED, 0, 0);
    if (nMessage)
        ::PostMessage(job.hWnd, nMessage, wParam, 0);
    if (dwPortError)
        ::PostMessage(job.hWnd, WM_COMM_PORT_ERROR, dwPortError, 0);
    if (bRetry && IsCommWindowRegistered(job.hWnd))
    {
        ++job.dwTries;
        g_commQueue.Put(&job, 100);
    }
}

} // namespace

CMutexQueue& GetCommJobQueue()
{
    return g_commQueue;
}

void RegisterCommWindow(HWND hWnd)
{
    g_windows.Register(hWnd);
}

void UnregisterCommWindow(HWND hWnd)
{
    g_windows.Unregister(hWnd);
}

void ClearCommWindows()
{
    g_windows.Clear();
}

BOOL IsCommWindowRegistered(HWND hWnd)
{
    return g_windows.IsRegistered(hWnd);
}

void PostPollTick()
{
    g_windows.PostToAll(WM_COMM_TICK);
}

unsigned __stdcall PollTimerThread(void*)
{
    return g_ticker.Run();
}

unsigned __stdcall CommWorkerThread(void*)
{
    return g_worker.Run();
}

COMM_INTERFACE_CHECK SetIsNoInterfaceInUse(COMM_INTERFACE_CHECK pfnCheck)
{
    COMM_INTERFACE_CHECK pfnPrevious = g_pfnNoInterfaceInUse;
    g_pfnNoInterfaceInUse = pfnCheck;
    return pfnPrevious;
}

BOOL IsCommWorkerRunning()
{
    return g_worker.IsRunning();
}

BOOL IsCommTimerRunning()
{
    return g_ticker.IsRunning();
}

void StartCommThreads()
{
    g_worker.Start();
    if (!g_ticker.IsRunning())
    {
        ClearCommWindows();
        g_ticker.Start();
    }
}

BOOL QueueStopJob(CIRComBase* pCom, HWND hWnd, HANDLE hStopEvent)
{
    UnregisterCommWindow(hWnd);
    if (hStopEvent)
        ::ResetEvent(hStopEvent);
    STRUCT_COMM_JOB job;
    memset(&job, 0, sizeof job);
    job.pProtocol = pCom;
    job.dwCode = kStopJob;
    job.hWnd = hWnd;
    job.hEvent = hStopEvent;
    if (g_commQueue.Put(&job, 100))
        return TRUE;
    // Without its stop job the view would wait for ever: end the link here instead.
    ReleaseCommLink(pCom);
    ::PostMessage(hWnd, WM_COMM_CLOSED, 0, 0);
    if (hStopEvent)
        ::SetEvent(hStopEvent);
    return FALSE;
}

void ReleaseCommLink(CIRComBase* pCom)
{
    g_commQueue.ReleaseLink(pCom);
}

void StopCommThreads(CIRComBase* pCom, HANDLE hStopEvent, DWORD dwStopWaitMs)
{
    if (NoInterfaceInUse())
        g_ticker.Stop();
    if (hStopEvent && ::WaitForSingleObject(hStopEvent, dwStopWaitMs) != WAIT_OBJECT_0)
        ReleaseCommLink(pCom);
    if (NoInterfaceInUse())
        g_worker.Stop();
}

CString GetCommPortErrorText(DWORD dwError)
{
    CSerialException e(dwError);
    e.m_bAutoDelete = FALSE;
    return e.GetErrorText();
}
