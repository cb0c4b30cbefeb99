// Base of the waitable synchronisation objects.
#include "SyncObject.h"

IMPLEMENT_DYNAMIC(CSyncObject, CObject)

CSyncObject::CSyncObject(LPCTSTR /*pstrName*/) : m_hObject(NULL)
{
}

CSyncObject::~CSyncObject()
{
    if (m_hObject != NULL)
    {
        ::CloseHandle(m_hObject);
        m_hObject = NULL;
    }
}

BOOL CSyncObject::Lock(DWORD dwTimeout)
{
    DWORD dwRet = ::WaitForSingleObject(m_hObject, dwTimeout);
    return dwRet == WAIT_OBJECT_0 || dwRet == WAIT_ABANDONED;
}

BOOL CSyncObject::Unlock(LONG /*lCount*/, LPLONG /*lpPrevCount*/)
{
    return TRUE;
}
