// Hash map from an 8-byte description (two DWORDs) to a pointer: the GDI object cache.
#pragma once
#include "grid/core/HashMapCore.h"

struct GXByte8Key
{
    DWORD dw1;
    DWORD dw2;
};

UINT AFXAPI GXHashByte8(const GXByte8Key& key);

class CGXMapByte8ToPtr : public CObject
{
    DECLARE_DYNCREATE(CGXMapByte8ToPtr)

  public:
    // Construction
    explicit CGXMapByte8ToPtr(INT_PTR nBlockSize = 10) : m_map(nBlockSize)
    {
    }

    // Operations
    INT_PTR GetCount() const
    {
        return m_map.GetCount();
    }
    BOOL IsEmpty() const
    {
        return m_map.IsEmpty();
    }
    BOOL Lookup(const GXByte8Key& key, void*& rValue) const;
    void*& operator[](const GXByte8Key& key)
    {
        return m_map.FindOrAdd(key)->value;
    }
    void SetAt(const GXByte8Key& key, void* pValue)
    {
        (*this)[key] = pValue;
    }
    BOOL RemoveKey(const GXByte8Key& key)
    {
        return m_map.RemoveKey(key);
    }
    void RemoveAll()
    {
        m_map.RemoveAll();
    }
    POSITION GetStartPosition() const
    {
        return m_map.GetStartPosition();
    }
    void GetNextAssoc(POSITION& rNextPosition, GXByte8Key& rKey, void*& rValue) const;
    UINT GetHashTableSize() const
    {
        return m_map.GetHashTableSize();
    }
    void InitHashTable(UINT nHashSize)
    {
        m_map.InitHashTable(nHashSize);
    }

  private:
    CGXMapByte8ToPtr(const CGXMapByte8ToPtr&) = delete;
    CGXHashMapCore<GXByte8Key, void*, GXHashByte8> m_map;
};
