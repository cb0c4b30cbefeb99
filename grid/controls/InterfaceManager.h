// Interfaces a viewer holds, one per interface id. The holder owns the reference it is given.
#pragma once
#include <windows.h>
#include <vector>

template <class T> class CGXInterfaceManager
{
  public:
    CGXInterfaceManager() = default;
    CGXInterfaceManager(const CGXInterfaceManager&) = delete;
    CGXInterfaceManager& operator=(const CGXInterfaceManager&) = delete;
    ~CGXInterfaceManager()
    {
        ReleaseAll();
    }

    // Stores p under riid without adding a reference; a pointer held there before is released.
    void Add(T* p, const IID& riid)
    {
        Remove(riid, TRUE);
        m_entries.push_back(Entry{&riid, p});
    }
    void Remove(const IID& riid, BOOL bRelease)
    {
        for (size_t i = 0; i < m_entries.size(); i++)
            if (IsEqualIID(*m_entries[i].pIid, riid))
            {
                T* p = m_entries[i].p;
                m_entries.erase(m_entries.begin() + i);
                if (bRelease && p != NULL)
                    p->Release();
                return;
            }
    }
    void ReleaseAll()
    {
        std::vector<Entry> entries;
        entries.swap(m_entries);
        for (const Entry& e : entries)
            if (e.p != NULL)
                e.p->Release();
    }
    T* Lookup(const IID& riid) const
    {
        for (const Entry& e : m_entries)
            if (IsEqualIID(*e.pIid, riid))
                return e.p;
        return NULL;
    }
    int GetCount() const
    {
        return (int)m_entries.size();
    }

  private:
    struct Entry
    {
        const IID* pIid;
        T* p;
    };
    std::vector<Entry> m_entries;
};
