// Per-thread maps from Win32 handles to the framework objects that wrap them. Permanent entries
// belong to objects that attached themselves; temporary ones are made by FromHandle for handles
// nobody wraps and are deleted when the thread goes idle (unless AfxLockTempMaps holds them).
//
// Differences from MFC:
// - One template for windows, menus, DCs and GDI objects; kept in std::unordered_map.
#pragma once
#include "AfxCore.h"
#include <unordered_map>
#include <vector>

template <class TObject, class THandle> class CHandleMap
{
  public:
    // Construction
    CHandleMap() = default;
    ~CHandleMap()
    {
        DeleteTemp();
    }
    CHandleMap(const CHandleMap&) = delete;
    CHandleMap& operator=(const CHandleMap&) = delete;

    // Operations
    TObject* LookupPermanent(THandle h) const
    {
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? NULL : it->second;
    }
    TObject* LookupTemporary(THandle h) const
    {
        auto it = m_temporary.find(h);
        return it == m_temporary.end() ? NULL : it->second;
    }
    void SetPermanent(THandle h, TObject* p)
    {
        m_permanent[h] = p;
    }
    // A temporary wrapper of h stays until DeleteTemp deletes it: callers of this message may
    // still hold it, and dropping it here would lose it for good.
    void RemoveHandle(THandle h)
    {
        m_permanent.erase(h);
    }
    // The permanent object of h, else a temporary one made with pfnNew.
    TObject* FromHandle(THandle h, TObject* (*pfnNew)())
    {
        if (h == NULL)
            return NULL;
        if (TObject* p = LookupPermanent(h))
            return p;
        if (TObject* p = LookupTemporary(h))
            return p;
        TObject* p = pfnNew();
        p->AttachTemporaryHandle(h);
        m_temporary[h] = p;
        return p;
    }
    // Deletes the temporary objects; their handles are not destroyed.
    void DeleteTemp()
    {
        std::vector<TObject*> objects;
        for (auto& e : m_temporary)
            objects.push_back(e.second);
        m_temporary.clear();
        for (TObject* p : objects)
        {
            p->DetachTemporaryHandle();
            delete p;
        }
    }

  private:
    std::unordered_map<THandle, TObject*> m_permanent;
    std::unordered_map<THandle, TObject*> m_temporary;
};

// Temporary objects are kept while the count is above zero.
void AFXAPI AfxLockTempMaps();
// Returns TRUE when the count reached zero and the temporary objects were deleted.
BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps = TRUE);
