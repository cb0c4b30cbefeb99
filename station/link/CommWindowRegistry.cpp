#include "station/link/CommWindowRegistry.h"

class CCommWindowRegistry::CLock
{
  public:
    explicit CLock(CCommWindowRegistry& registry) : m_section(registry.m_section)
    {
        ::EnterCriticalSection(&m_section);
    }
    ~CLock()
    {
        ::LeaveCriticalSection(&m_section);
    }
    CLock(const CLock&) = delete;
    CLock& operator=(const CLock&) = delete;

  private:
    CRITICAL_SECTION& m_section;
};

CCommWindowRegistry::CCommWindowRegistry() : m_nNextId(0)
{
    ::InitializeCriticalSection(&m_section);
}

CCommWindowRegistry::~CCommWindowRegistry()
{
    ::DeleteCriticalSection(&m_section);
}

void CCommWindowRegistry::Register(HWND hWnd)
{
    CLock lock(*this);
    for (const auto& entry : m_windows)
        if (entry.second == hWnd)
            return;
    m_windows[m_nNextId++] = hWnd;
}

void CCommWindowRegistry::Unregister(HWND hWnd)
{
    CLock lock(*this);
    for (auto it = m_windows.begin(); it != m_windows.end(); ++it)
        if (it->second == hWnd)
        {
            m_windows.erase(it);
            return;
        }
}

void CCommWindowRegistry::Clear()
{
    CLock lock(*this);
    m_windows.clear();
    m_nNextId = 0;
}

BOOL CCommWindowRegistry::IsRegistered(HWND hWnd)
{
    CLock lock(*this);
    for (const auto& entry : m_windows)
        if (entry.second == hWnd)
            return TRUE;
    return FALSE;
}

int CCommWindowRegistry::GetCount()
{
    CLock lock(*this);
    return (int)m_windows.size();
}

void CCommWindowRegistry::PostToAll(UINT message)
{
    CLock lock(*this);
    for (const auto& entry : m_windows)
        ::PostMessage(entry.second, message, 0, 0);
}
