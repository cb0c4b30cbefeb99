// A Win32 critical section.
#include "CriticalSection.h"

IMPLEMENT_DYNAMIC(CCriticalSection, CSyncObject)

CCriticalSection::CCriticalSection() : CSyncObject(NULL)
{
    ::InitializeCriticalSection(&m_sect);
}

CCriticalSection::~CCriticalSection()
{
    ::DeleteCriticalSection(&m_sect);
}

BOOL CCriticalSection::Lock()
{
    ::EnterCriticalSection(&m_sect);
    return TRUE;
}

BOOL CCriticalSection::Lock(DWORD dwTimeout)
{
    if (dwTimeout == INFINITE)
        return Lock();
    // A critical section cannot be waited on with a time-out; poll it for the time given.
    DWORD dwStart = ::GetTickCount();
    for (;;)
    {
        if (::TryEnterCriticalSection(&m_sect))
            return TRUE;
        if (::GetTickCount() - dwStart >= dwTimeout)
            return FALSE;
        ::Sleep(1);
    }
}

BOOL CCriticalSection::Unlock()
{
    ::LeaveCriticalSection(&m_sect);
    return TRUE;
}
