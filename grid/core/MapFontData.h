// Map of the shared LOGFONT records, keyed by a font description; the record lives in the node.
#pragma once
#include "grid/core/MapByte8ToPtr.h"

// One LOGFONT shared by every font with the same description.
struct GXFontData
{
    volatile LONG nRefCount; // changed with interlocked operations
    LOGFONT lf;
    DWORD dwFlags; // bit 0: lf has been built
};

class CGXMapFontData : public CObject
{
    DECLARE_DYNCREATE(CGXMapFontData)

  public:
    // Construction
    explicit CGXMapFontData(INT_PTR nBlockSize = 10) : m_map(nBlockSize)
    {
    }

    // Operations
    INT_PTR GetCount() const
    {
        return m_map.GetCount();
    }
    GXFontData* Lookup(const GXByte8Key& key) const;
    // The record for the key, zeroed when it is new.
    GXFontData& operator[](const GXByte8Key& key)
    {
        return m_map.FindOrAdd(key)->value;
    }
    // Removing the last record frees the whole table.
    BOOL RemoveKey(const GXByte8Key& key)
    {
        return m_map.RemoveKey(key);
    }
    void RemoveAll()
    {
        m_map.RemoveAll();
    }
    void InitHashTable(UINT nHashSize)
    {
        m_map.InitHashTable(nHashSize);
    }

  private:
    CGXMapFontData(const CGXMapFontData&) = delete;
    CGXHashMapCore<GXByte8Key, GXFontData, GXHashByte8> m_map;
};
