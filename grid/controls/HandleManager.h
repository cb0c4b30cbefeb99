// Global memory handles an operation allocated and still owns: the holder frees every handle it
// holds when it goes, so that a failure halfway leaves nothing behind. A handle whose ownership
// passes elsewhere (to an OLE object made with delete-on-release) is removed without freeing.
#pragma once
#include <windows.h>
#include <vector>

template <class T> class CGXHandleManager
{
  public:
    CGXHandleManager() = default;
    CGXHandleManager(const CGXHandleManager&) = delete;
    CGXHandleManager& operator=(const CGXHandleManager&) = delete;
    ~CGXHandleManager()
    {
        FreeAll();
    }

    // Holds a handle (none is ignored); answers it.
    T Add(T h)
    {
        if (h != NULL)
            m_handles.push_back(h);
        return h;
    }
    // Drops a held handle, freeing it when asked; FALSE when it was not held.
    BOOL Remove(T h, BOOL bFree)
    {
        for (size_t i = 0; i < m_handles.size(); i++)
            if (m_handles[i] == h)
            {
                m_handles.erase(m_handles.begin() + i);
                if (bFree)
                    ::GlobalFree((HGLOBAL)h);
                return TRUE;
            }
        return FALSE;
    }
    void FreeAll()
    {
        std::vector<T> handles;
        handles.swap(m_handles);
        for (T h : handles)
            ::GlobalFree((HGLOBAL)h);
    }
    int GetCount() const
    {
        return (int)m_handles.size();
    }

  private:
    std::vector<T> m_handles;
};
