// CGXExcelBaseTable<T, S>: the entries of one workbook-global record type, each an owned T under
// its index of arrival (0, 1, 2 ...), and the pool from which the table takes the S objects it
// creates for callers that pass none (the caller owns what it receives).
#pragma once
#include "ExcelTable.h"
#include "grid/core/CaptiveManager.h"
#include "mfc/Map.h"
#include <type_traits>

template <class T, class S> class CGXExcelBaseTable : public CGXExcelTable
{
  public:
    // Construction
    CGXExcelBaseTable() = default;
    ~CGXExcelBaseTable() override
    {
        ResetTable();
    }

    // Overridables
    DWORD GetCount() override
    {
        return (DWORD)m_entries.GetCount();
    }
    void ResetTable() override
    {
        m_nEntriesRead = 0;
        POSITION pos = m_entries.GetStartPosition();
        while (pos != NULL)
        {
            DWORD nKey;
            T* pEntry;
            m_entries.GetNextAssoc(pos, nKey, pEntry);
            delete pEntry;
        }
        m_entries.RemoveAll();
    }
    // Creates the S when the caller passes none; TRUE when there is one.
    virtual BOOL ApplyToStyle(DWORD nIndex, S*& pStyle)
    {
        (void)nIndex;
        if (pStyle == NULL)
            pStyle = m_pool.Take();
        return pStyle != NULL;
    }
    BOOL ApplyStyleEntry(DWORD nIndex, CGXStyle*& pStyle) override
    {
        if constexpr (std::is_same<S, CGXStyle>::value)
            return ApplyToStyle(nIndex, pStyle);
        else
        {
            (void)nIndex;
            (void)pStyle;
            return FALSE;
        }
    }
    // The entry of that index; FALSE when it was not read.
    virtual BOOL LookupEntry(DWORD nIndex, T*& pEntry)
    {
        if (nIndex > m_nEntriesRead)
            return FALSE;
        T* pFound = NULL;
        if (!m_entries.Lookup(nIndex, pFound))
            return FALSE;
        pEntry = pFound;
        return pEntry != NULL;
    }

    DWORD GetEntriesRead() const
    {
        return m_nEntriesRead;
    }

  protected:
    // Reads one record into a new entry through read(entry) and stores it under the next index;
    // a failed field read leaves the entry with what was read.
    template <class F> BOOL ReadEntry(F read)
    {
        T* pEntry = new T;
        try
        {
            read(*pEntry);
        }
        catch (READSEEKEXCEP* pEx)
        {
            GXExCatchReadSeek(pEx);
        }
        AddEntry(pEntry);
        return TRUE;
    }
    // Stores an entry (owned from here on) under the next index and returns the index.
    DWORD AddEntry(T* pEntry)
    {
        DWORD nIndex = m_nEntriesRead++;
        T* pOld = NULL;
        if (m_entries.Lookup(nIndex, pOld))
            delete pOld;
        m_entries.SetAt(nIndex, pEntry);
        return nIndex;
    }
    S* TakeObject()
    {
        return m_pool.Take();
    }

    CMap<DWORD, DWORD, T*, T*> m_entries;
    DWORD m_nEntriesRead = 0;
    CGXCaptiveManager<S> m_pool;
};
