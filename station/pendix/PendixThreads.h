// The Pendix device's worker and timer threads, shared by every Pendix view of the process: the
// job queue (20 records), the registry of views with a link that get the 250 ms tick, and the
// start and stop steps the views call. Results go back only by PostMessage (PendixMessages.h).
#pragma once
#include "station/link/CommJob.h"
#include "station/link/CommMessages.h"
#include "station/link/MutexQueue.h"
#include "station/pendix/PendixMessages.h"
#include "station/pendix/PendixStdComBase.h"

enum
{
    pendixStopJob = 11,
    pendixQueueCapacity = 20,
};

// The process-wide Pendix job queue.
CMutexQueue& GetPendixJobQueue();

// Views whose link is on get the tick; only their failed jobs are tried again.
void RegisterPendixWindow(HWND hWnd);
void UnregisterPendixWindow(HWND hWnd);
BOOL IsPendixWindowRegistered(HWND hWnd);

// Thread functions (the argument is ignored); both return 0.
unsigned __stdcall PendixPollTimerThread(void* pArg);
unsigned __stdcall PendixWorkerThread(void* pArg);

// A view that needs the threads: starts the worker and the timer when missing and counts the
// view as a user until it calls StopPendixThreads.
void StartPendixThreads();
BOOL IsPendixWorkerRunning();
BOOL IsPendixTimerRunning();

// Fills a record (word 0 the object, 1 the code, 2 the argument, 3 onwards count parameter
// words, 13 the window, 14 the event, 15 zero) and puts it with a 100 ms time-out.
BOOL QueuePendixJob(CPendixStdComBase* pCom, DWORD dwCode, const DWORD* pParams, DWORD dwArgument, int nCount,
                    HWND hWnd, HANDLE hStopEvent);

// Switching a link off: unregisters the window, resets the stop event and queues the stop job.
// When the job cannot be queued the link is released at once (ReleasePendixLink), the event is
// signalled and WM_PENDIX_CLOSED posted, as the worker would have. Returns whether it was queued.
BOOL QueuePendixStopJob(CPendixStdComBase* pCom, HWND hWnd, HANDLE hStopEvent);

// Takes a link away from the worker so its object may be deleted (CMutexQueue::ReleaseLink).
void ReleasePendixLink(CPendixStdComBase* pCom);

// The steps of a Pendix view going away: waits up to dwStopWaitMs for the stop event, releases
// the link (whatever of it is still queued goes), then, when it was the last view using the
// threads, stops the timer and the worker. Afterwards pCom may be deleted.
void StopPendixThreads(CPendixStdComBase* pCom, HANDLE hStopEvent, DWORD dwStopWaitMs);
