// Guard of several synchronisation objects.
#include "MultiLock.h"
#include "Semaphore.h"

CMultiLock::CMultiLock(CSyncObject* ppObjects[], DWORD dwCount, BOOL bInitialLock)
    : m_ppObjectArray(ppObjects, ppObjects + dwCount), m_pHandleArray(dwCount),
      m_bLockedArray(dwCount, FALSE), m_dwCount(dwCount)
{
    ASSERT(dwCount > 0 && dwCount <= MAXIMUM_WAIT_OBJECTS);
    for (DWORD i = 0; i < dwCount; i++)
    {
        ASSERT(ppObjects[i] != NULL && ppObjects[i]->m_hObject != NULL);
        m_pHandleArray[i] = ppObjects[i] != NULL ? ppObjects[i]->m_hObject : NULL;
    }
    if (bInitialLock)
        Lock();
}

CMultiLock::~CMultiLock()
{
    Unlock();
}

DWORD CMultiLock::Lock(DWORD dwTimeOut, BOOL bWaitForAll, DWORD dwWakeMask)
{
    if (m_dwCount == 0 || m_dwCount > MAXIMUM_WAIT_OBJECTS)
        return WAIT_FAILED;
    for (HANDLE h : m_pHandleArray)
        if (h == NULL)
            return WAIT_FAILED;

    DWORD iIndex;
    if (dwWakeMask == 0)
        iIndex = ::WaitForMultipleObjects(m_dwCount, m_pHandleArray.data(), bWaitForAll, dwTimeOut);
    else
        iIndex =
            ::MsgWaitForMultipleObjects(m_dwCount, m_pHandleArray.data(), bWaitForAll, dwTimeOut, dwWakeMask);

    // WAIT_OBJECT_0 is 0, so only the upper bound needs a test.
    DWORD iAcquired = m_dwCount;
    if (iIndex < WAIT_OBJECT_0 + m_dwCount)
        iAcquired = iIndex - WAIT_OBJECT_0;
    else if (iIndex >= WAIT_ABANDONED_0 && iIndex < WAIT_ABANDONED_0 + m_dwCount)
        iAcquired = iIndex - WAIT_ABANDONED_0;
    if (iAcquired < m_dwCount)
    {
        if (bWaitForAll)
            m_bLockedArray.assign(m_dwCount, TRUE);
        else
            m_bLockedArray[iAcquired] = TRUE;
    }
    return iIndex;
}

BOOL CMultiLock::Unlock()
{
    for (DWORD i = 0; i < m_dwCount; i++)
    {
        if (m_bLockedArray[i])
            m_bLockedArray[i] = !m_ppObjectArray[i]->Unlock();
    }
    return TRUE;
}

BOOL CMultiLock::Unlock(LONG lCount, LPLONG lPrevCount)
{
    BOOL bGotOne = FALSE;
    for (DWORD i = 0; i < m_dwCount; i++)
    {
        if (m_bLockedArray[i] && dynamic_cast<CSemaphore*>(m_ppObjectArray[i]) != NULL)
        {
            bGotOne = TRUE;
            m_bLockedArray[i] = !m_ppObjectArray[i]->Unlock(lCount, lPrevCount);
        }
    }
    return bGotOne;
}

BOOL CMultiLock::IsLocked(DWORD dwItem) const
{
    ASSERT(dwItem < m_dwCount);
    return dwItem < m_dwCount && m_bLockedArray[dwItem];
}
