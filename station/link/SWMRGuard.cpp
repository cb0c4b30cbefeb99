#include "station/link/SWMRGuard.h"

CSWMRGuard::CSWMRGuard() : m_nWaitingReaders(0), m_nWaitingWriters(0), m_nActive(0)
{
    ::InitializeCriticalSection(&m_lock);
    m_hReaders = ::CreateSemaphoreA(NULL, 0, 0x7FFFFFFF, NULL);
    m_hWriters = ::CreateSemaphoreA(NULL, 0, 0x7FFFFFFF, NULL);
}

CSWMRGuard::~CSWMRGuard()
{
    ::CloseHandle(m_hReaders);
    ::CloseHandle(m_hWriters);
    ::DeleteCriticalSection(&m_lock);
}

void CSWMRGuard::WaitToRead()
{
    ::EnterCriticalSection(&m_lock);
    BOOL bWait = m_nWaitingWriters > 0 || m_nActive < 0;
    if (bWait)
        ++m_nWaitingReaders;
    else
        ++m_nActive;
    ::LeaveCriticalSection(&m_lock);
    if (bWait)
        ::WaitForSingleObject(m_hReaders, INFINITE);
}

void CSWMRGuard::WaitToWrite()
{
    ::EnterCriticalSection(&m_lock);
    BOOL bWait = m_nActive != 0;
    if (bWait)
        ++m_nWaitingWriters;
    else
        m_nActive = -1;
    ::LeaveCriticalSection(&m_lock);
    if (bWait)
        ::WaitForSingleObject(m_hWriters, INFINITE);
}

void CSWMRGuard::Done()
{
    ::EnterCriticalSection(&m_lock);
    if (m_nActive > 0)
        --m_nActive;
    else
        m_nActive = 0;
    HANDLE hRelease = NULL;
    LONG lCount = 0;
    if (m_nActive == 0)
    {
        if (m_nWaitingWriters > 0)
        {
            m_nActive = -1;
            --m_nWaitingWriters;
            hRelease = m_hWriters;
            lCount = 1;
        }
        else if (m_nWaitingReaders > 0)
        {
            m_nActive = m_nWaitingReaders;
            m_nWaitingReaders = 0;
            hRelease = m_hReaders;
            lCount = m_nActive;
        }
    }
    ::LeaveCriticalSection(&m_lock);
    if (hRelease)
        ::ReleaseSemaphore(hRelease, lCount, NULL);
}

int CSWMRGuard::GetWaitingReaders() const
{
    ::EnterCriticalSection(&m_lock);
    int n = m_nWaitingReaders;
    ::LeaveCriticalSection(&m_lock);
    return n;
}

int CSWMRGuard::GetWaitingWriters() const
{
    ::EnterCriticalSection(&m_lock);
    int n = m_nWaitingWriters;
    ::LeaveCriticalSection(&m_lock);
    return n;
}
