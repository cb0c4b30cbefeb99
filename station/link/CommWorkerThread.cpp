#include "station/link/CommWorkerThread.h"
#include <process.h>

CCommWorkerThread::CCommWorkerThread(CMutexQueue& queue, RUN_JOB pfnRun)
    : m_queue(queue), m_pfnRun(pfnRun), m_hThread(NULL), m_nThreadId(0), m_bStop(FALSE)
{
}

// A thread still running at exit is left to the process end: waiting here could hold up the exit.
CCommWorkerThread::~CCommWorkerThread()
{
}

unsigned __stdcall CCommWorkerThread::ThreadProc(void* pThis)
{
    return ((CCommWorkerThread*)pThis)->Run();
}

unsigned CCommWorkerThread::Run()
{
    while (m_bStop != 1)
    {
        STRUCT_COMM_JOB job;
        if (!m_queue.Get(&job, 100))
            continue;
        std::vector<HANDLE> stopEvents;
        if (job.dwCode == m_queue.GetStopJobCode() && job.hEvent)
            stopEvents.push_back(job.hEvent);
        try
        {
            m_pfnRun(job, stopEvents);
        }
        catch (CException* e)
        {
            // Nothing may end the worker: the job goes, the others are served.
            e->Delete();
        }
        catch (...)
        {
            // Not even a fault outside the framework: the record must be let go below.
        }
        m_queue.EndJob(stopEvents);
    }
    return 0;
}

void CCommWorkerThread::Start()
{
    if (m_hThread != NULL)
        return;
    m_bStop = FALSE;
    m_hThread = (HANDLE)_beginthreadex(NULL, 0, ThreadProc, this, 0, &m_nThreadId);
}

void CCommWorkerThread::Stop()
{
    if (m_hThread == NULL || m_nThreadId == 0)
        return;
    m_bStop = TRUE;
    ::WaitForSingleObject(m_hThread, INFINITE);
    ::CloseHandle(m_hThread);
    m_hThread = NULL;
    m_nThreadId = 0;
    m_bStop = FALSE;
}
