#include "station/link/CommTickThread.h"
#include <process.h>

CCommTickThread::CCommTickThread(CCommWindowRegistry& registry, UINT nMessage, LONG lPeriodMs)
    : m_registry(registry), m_nMessage(nMessage), m_lPeriodMs(lPeriodMs), m_hTimer(NULL), m_hThread(NULL),
      m_bStop(FALSE)
{
}

// A thread still running at exit is left to the process end: waiting here could hold up the exit.
CCommTickThread::~CCommTickThread()
{
}

unsigned __stdcall CCommTickThread::ThreadProc(void* pThis)
{
    return ((CCommTickThread*)pThis)->Run();
}

unsigned CCommTickThread::Run()
{
    while (!m_bStop)
    {
        if (::WaitForSingleObject(m_hTimer, INFINITE) != WAIT_OBJECT_0)
            break;
        if (!m_bStop)
            m_registry.PostToAll(m_nMessage);
    }
    ::CancelWaitableTimer(m_hTimer);
    ::CloseHandle(m_hTimer);
    m_hTimer = NULL;
    m_bStop = FALSE;
    return 0;
}

void CCommTickThread::JoinEndedThread()
{
    if (m_hThread && ::WaitForSingleObject(m_hThread, 0) == WAIT_OBJECT_0)
    {
        ::CloseHandle(m_hThread);
        m_hThread = NULL;
    }
}

BOOL CCommTickThread::IsRunning()
{
    JoinEndedThread();
    return m_hThread != NULL;
}

BOOL CCommTickThread::Start()
{
    JoinEndedThread();
    if (m_hTimer != NULL || m_hThread != NULL)
        return FALSE;
    m_bStop = FALSE;
    m_hTimer = ::CreateWaitableTimerA(NULL, FALSE, NULL);
    if (m_hTimer == NULL)
        return FALSE;
    LARGE_INTEGER due;
    due.QuadPart = -1000000; // 100 ms from now, in 100 ns units
    ::SetWaitableTimer(m_hTimer, &due, m_lPeriodMs, NULL, NULL, FALSE);
    unsigned nId = 0;
    m_hThread = (HANDLE)_beginthreadex(NULL, 0, ThreadProc, this, 0, &nId);
    if (m_hThread == NULL)
    {
        ::CloseHandle(m_hTimer);
        m_hTimer = NULL;
        return FALSE;
    }
    // The tick paces the polling: keep it on time when the user interface is busy. Only the
    // thread is raised, not the whole process.
    ::SetThreadPriority(m_hThread, THREAD_PRIORITY_HIGHEST);
    return TRUE;
}

void CCommTickThread::Stop()
{
    if (m_hThread == NULL)
        return;
    m_bStop = TRUE;
    ::WaitForSingleObject(m_hThread, INFINITE);
    ::CloseHandle(m_hThread);
    m_hThread = NULL;
}
