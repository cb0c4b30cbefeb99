#include "station/link/MutexQueue.h"
#include "station/link/SerialBaseClass.h"

IMPLEMENT_DYNAMIC(CMutexQueue, CObject)

CMutexQueue::CMutexQueue(DWORD dwCapacity, DWORD dwStopJobCode)
    : m_pElements(NULL), m_dwCapacity(dwCapacity), m_dwStopJobCode(dwStopJobCode), m_lCount(0),
      m_hMutex(NULL), m_hSemaphore(NULL), m_pInHand(NULL)
{
    Create();
}

CMutexQueue::~CMutexQueue()
{
    Destroy();
}

void CMutexQueue::Create()
{
    m_pElements =
        (STRUCT_COMM_JOB*)::HeapAlloc(::GetProcessHeap(), 0, m_dwCapacity * sizeof(STRUCT_COMM_JOB));
    m_hMutex = ::CreateMutexA(NULL, FALSE, NULL);
    m_hSemaphore = ::CreateSemaphoreA(NULL, 0, (LONG)m_dwCapacity, NULL);
    m_lCount = 0;
    m_pInHand = NULL;
}

void CMutexQueue::Destroy()
{
    if (m_hSemaphore)
        ::CloseHandle(m_hSemaphore);
    if (m_hMutex)
        ::CloseHandle(m_hMutex);
    if (m_pElements)
        ::HeapFree(::GetProcessHeap(), 0, m_pElements);
    m_hSemaphore = m_hMutex = NULL;
    m_pElements = NULL;
}

void CMutexQueue::Reset()
{
    if (::WaitForSingleObject(m_hMutex, INFINITE) != WAIT_OBJECT_0)
        return;
    while (::WaitForSingleObject(m_hSemaphore, 0) == WAIT_OBJECT_0)
    {
    }
    m_lCount = 0;
    ::ReleaseMutex(m_hMutex);
}

BOOL CMutexQueue::Put(const STRUCT_COMM_JOB* pJob, DWORD dwTimeoutMs)
{
    if (pJob == NULL || m_pElements == NULL)
    {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (::WaitForSingleObject(m_hMutex, dwTimeoutMs) != WAIT_OBJECT_0)
    {
        ::SetLastError(ERROR_TIMEOUT);
        return FALSE;
    }
    if (!::ReleaseSemaphore(m_hSemaphore, 1, &m_lCount))
    {
        ::ReleaseMutex(m_hMutex);
        ::SetLastError(ERROR_DATABASE_FULL);
        return FALSE;
    }
    m_pElements[m_lCount] = *pJob;
    ::ReleaseMutex(m_hMutex);
    return TRUE;
}

BOOL CMutexQueue::Get(STRUCT_COMM_JOB* pOut, DWORD dwTimeoutMs)
{
    HANDLE handles[2] = {m_hMutex, m_hSemaphore};
    if (pOut == NULL || ::WaitForMultipleObjects(2, handles, TRUE, dwTimeoutMs) != WAIT_OBJECT_0)
    {
        ::SetLastError(ERROR_TIMEOUT);
        return FALSE;
    }
    *pOut = m_pElements[0];
    memmove(m_pElements, m_pElements + 1, (m_dwCapacity - 1) * sizeof(STRUCT_COMM_JOB));
    m_pInHand = pOut->pProtocol;
    ::ReleaseMutex(m_hMutex);
    return TRUE;
}

void CMutexQueue::EndJob()
{
    ::WaitForSingleObject(m_hMutex, INFINITE);
    m_pInHand = NULL;
    ::ReleaseMutex(m_hMutex);
}

void CMutexQueue::EndJob(const std::vector<HANDLE>& stopEvents)
{
    for (HANDLE hEvent : stopEvents)
        ::SetEvent(hEvent);
    EndJob();
}

void CMutexQueue::ReleaseLink(CSerialBaseClass* pProtocol)
{
    if (pProtocol == NULL)
        return;
    std::vector<HANDLE> stopEvents;
    for (;;)
    {
        BOOL bInHand = FALSE;
        RemoveJobsOf(pProtocol, stopEvents, &bInHand);
        if (!bInHand)
            break;
        // The consumer is inside one of its jobs, which ends within the port time-outs.
        ::Sleep(10);
    }
    {
        CSWMRGuard::CWriteLock lock(*pProtocol);
        pProtocol->ClosePort();
    }
    // Only now: a stop event tells its waiter that the object is free.
    for (HANDLE hEvent : stopEvents)
        ::SetEvent(hEvent);
}

int CMutexQueue::GetCount()
{
    if (::WaitForSingleObject(m_hMutex, INFINITE) != WAIT_OBJECT_0)
        return 0;
    // Take one count and give it back: the previous count tells how many there are.
    LONG lCount = 0;
    if (::WaitForSingleObject(m_hSemaphore, 0) == WAIT_OBJECT_0)
    {
        ::ReleaseSemaphore(m_hSemaphore, 1, &lCount);
        ++lCount;
    }
    ::ReleaseMutex(m_hMutex);
    return (int)lCount;
}

int CMutexQueue::RemoveJobsOf(const CSerialBaseClass* pProtocol, std::vector<HANDLE>& stopEvents,
                              BOOL* pbInHand)
{
    if (::WaitForSingleObject(m_hMutex, INFINITE) != WAIT_OBJECT_0)
        return 0;
    // Holding the mutex, nobody else moves the semaphore: its count is the number present.
    int nPresent = 0;
    while (::WaitForSingleObject(m_hSemaphore, 0) == WAIT_OBJECT_0)
        ++nPresent;
    int nKept = 0;
    for (int i = 0; i < nPresent; ++i)
    {
        const STRUCT_COMM_JOB& job = m_pElements[i];
        if (job.pProtocol == pProtocol)
        {
            if (job.dwCode == m_dwStopJobCode && job.hEvent)
                stopEvents.push_back(job.hEvent);
            continue;
        }
        if (nKept != i)
            m_pElements[nKept] = job;
        ++nKept;
    }
    if (nKept > 0)
        ::ReleaseSemaphore(m_hSemaphore, nKept, NULL);
    if (pbInHand)
        *pbInHand = m_pInHand == pProtocol;
    ::ReleaseMutex(m_hMutex);
    return nPresent - nKept;
}
