// The station's worker and timer threads, shared by every recording view of the process: the
// job queue (50 records), the registry of windows that want the 200 ms poll tick, and the
// start and stop steps the views call. Results go back only by PostMessage (CommMessages.h).
#pragma once
#include "station/link/CommJob.h"
#include "station/link/CommMessages.h"
#include "station/link/IRComBase.h"
#include "station/link/MutexQueue.h"

// The process-wide station job queue.
CMutexQueue& GetCommJobQueue();

// Window registry of the poll tick.
void RegisterCommWindow(HWND hWnd);
void UnregisterCommWindow(HWND hWnd);
void ClearCommWindows();
BOOL IsCommWindowRegistered(HWND hWnd);
void PostPollTick();

// Thread functions (the argument is ignored); both return 0.
unsigned __stdcall PollTimerThread(void* pArg);
unsigned __stdcall CommWorkerThread(void* pArg);

// The application's answer to "is no serial interface in use any more?". Until one is set the
// answer is TRUE.
typedef BOOL (*COMM_INTERFACE_CHECK)();
COMM_INTERFACE_CHECK SetIsNoInterfaceInUse(COMM_INTERFACE_CHECK pfnCheck);

// Starts the worker and the timer, each only when it is missing.
void StartCommThreads();
BOOL IsCommWorkerRunning();
BOOL IsCommTimerRunning();

// Switching a link off: unregisters the window, resets the stop event and queues the stop job.
// When the job cannot be queued the link is released at once (ReleaseCommLink), the event is
// signalled and WM_COMM_CLOSED posted, as the worker would have. Returns whether it was queued.
BOOL QueueStopJob(CIRComBase* pCom, HWND hWnd, HANDLE hStopEvent);

// Takes a link away from the worker so its object may be deleted: removes its jobs from the
// queue, waits until the worker holds none of them, then closes the port under the write lock.
void ReleaseCommLink(CIRComBase* pCom);

// The steps of a recording view going away: stops the timer when no interface is in use any
// more, waits up to dwStopWaitMs for the stop event (and releases the link when it does not
// come), then stops the worker when no interface is in use. Afterwards pCom may be deleted.
void StopCommThreads(CIRComBase* pCom, HANDLE hStopEvent, DWORD dwStopWaitMs);

// The text the user interface shows for WM_COMM_PORT_ERROR.
CString GetCommPortErrorText(DWORD dwError);
