// CGXExcelMapImpl<T>: the record-type map as a list of entries (type, run-time class, the object
// made from the class on first lookup, match mode). Lookup walks the entries in order; the map
// owns the objects it made.
#pragma once
#include "ExcelMap.h"
#include "mfc/Object.h"
#include <vector>

// Match modes of an entry: the low byte of the type only, or the whole type.
const DWORD GX_EXMAP_MATCH_LOWBYTE = 1;
const DWORD GX_EXMAP_MATCH_FULL = 2;

template <class T> class CGXExcelMapImpl : public CGXExcelMap<T>
{
  public:
    struct Entry
    {
        WORD nType;
        CRuntimeClass* pClass;
        T* pObject;
        DWORD nMatch;
    };

    // Construction
    CGXExcelMapImpl() = default;
    ~CGXExcelMapImpl() override
    {
        for (Entry& e : m_entries)
            delete e.pObject;
    }
    CGXExcelMapImpl(const CGXExcelMapImpl&) = delete;
    CGXExcelMapImpl& operator=(const CGXExcelMapImpl&) = delete;

    // Operations
    // Adds an entry; the class must derive from T and be creatable.
    void Register(WORD nType, CRuntimeClass* pClass, DWORD nMatch = GX_EXMAP_MATCH_FULL)
    {
        m_entries.push_back(Entry{nType, pClass, NULL, nMatch});
    }
    int GetEntryCount() const
    {
        return (int)m_entries.size();
    }

    T* Lookup(WORD nType) override
    {
        for (Entry& e : m_entries)
        {
            BOOL bMatch =
                e.nMatch == GX_EXMAP_MATCH_LOWBYTE ? (e.nType & 0xFF) == (nType & 0xFF) : e.nType == nType;
            if (bMatch)
                return Create(e);
        }
        return NULL;
    }
    void ResetAll() override
    {
        for (Entry& e : m_entries)
        {
            T* pObject = Create(e);
            if (pObject != NULL)
                GXExResetMapEntry(pObject);
        }
    }
    void SetContext(CGXGridCore* pGrid) override
    {
        m_pGrid = pGrid;
    }
    CGXGridCore* GetContext() const override
    {
        return m_pGrid;
    }

  private:
    static T* Create(Entry& e)
    {
        if (e.pObject == NULL && e.pClass != NULL)
        {
            CObject* pObject = e.pClass->CreateObject();
            e.pObject = dynamic_cast<T*>(pObject);
            if (e.pObject == NULL)
                delete pObject;
        }
        return e.pObject;
    }

    std::vector<Entry> m_entries;
    CGXGridCore* m_pGrid = NULL;
};
