// CMap: a hash table from KEY to VALUE (passed in as ARG_KEY and ARG_VALUE), with buckets
// chosen by HashKey and keys matched by CompareElements. Owns its entries, which come from
// blocks of nBlockSize entries; all blocks and the table are freed when the map becomes empty.
//
// Differences from MFC:
// - InitHashTable on a map that holds entries rehashes them (MFC asserts and loses them).
// - Loading fails with CArchiveException::endOfFile when the archive ends early.
#pragma once
#include "Object.h"
#include "ElementHelpers.h"
#include "Plex.h"

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE> class CMap : public CObject
{
  protected:
    struct CAssoc
    {
        CAssoc* pNext;
        UINT nHashValue; // the bucket, for walking on to the next one
        KEY key;
        VALUE value;
    };
    static_assert(alignof(CAssoc) <= CPlex::kDataOffset, "entries must fit the block alignment");

  public:
    typedef KEY BASE_KEY;
    typedef ARG_KEY BASE_ARG_KEY;
    typedef VALUE BASE_VALUE;
    typedef ARG_VALUE BASE_ARG_VALUE;

    // Construction
    explicit CMap(int nBlockSize = 10)
        : m_pHashTable(NULL), m_nHashTableSize(17), m_nCount(0), m_pFreeList(NULL), m_pBlocks(NULL),
          m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10)
    {
        ASSERT(nBlockSize > 0);
    }
    ~CMap() override
    {
        RemoveAll();
    }

    // Attributes
    int GetCount() const
    {
        return m_nCount;
    }
    BOOL IsEmpty() const
    {
        return m_nCount == 0;
    }
    // FALSE (and rValue unchanged) when the key is not in the map.
    BOOL Lookup(ARG_KEY key, VALUE& rValue) const;

    // Operations
    // The value of key, added (default-constructed) when the key is new.
    VALUE& operator[](ARG_KEY key);
    void SetAt(ARG_KEY key, ARG_VALUE newValue)
    {
        (*this)[key] = newValue;
    }
    BOOL RemoveKey(ARG_KEY key);
    void RemoveAll();

    // Iteration: bucket by bucket; NULL when the map is empty or after the last entry.
    POSITION GetStartPosition() const
    {
        return m_nCount == 0 ? NULL : BEFORE_START_POSITION;
    }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;

    UINT GetHashTableSize() const
    {
        return m_nHashTableSize;
    }
    // nHashSize buckets (best a prime somewhat above the expected count); bAllocNow FALSE waits
    // with the table until the first entry is added.
    void InitHashTable(UINT nHashSize, BOOL bAllocNow = TRUE);

    // Overridables
    // Count, then key and value of each entry in iteration order through SerializeElements;
    // loading adds to the map.
    void Serialize(CArchive& ar) override;

    // Implementation
  protected:
    CAssoc** m_pHashTable;
    UINT m_nHashTableSize;
    int m_nCount;
    CAssoc* m_pFreeList;
    CPlex* m_pBlocks;
    int m_nBlockSize;

    CAssoc* NewAssoc();
    void FreeAssoc(CAssoc* pAssoc);
    // The entry of key or NULL; nHash receives key's bucket either way.
    CAssoc* GetAssocAt(ARG_KEY key, UINT& nHash) const;
    static UINT HashOf(ARG_KEY key)
    {
        return HashKey(key);
    }
    static CAssoc** NewTable(UINT nHashSize);
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc** CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::NewTable(
    UINT nHashSize)
{
    CAssoc** pTable = static_cast<CAssoc**>(afx_collections::AllocateElements(nHashSize, sizeof(CAssoc*)));
    memset(pTable, 0, sizeof(CAssoc*) * nHashSize);
    return pTable;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT nHashSize, BOOL bAllocNow)
{
    ASSERT(nHashSize > 0);
    if (nHashSize == 0)
        return;
    if (m_nCount > 0)
    {
        // Entries stay: each moves to its bucket in the new table.
        CAssoc** pNewTable = NewTable(nHashSize);
        for (UINT nBucket = 0; nBucket < m_nHashTableSize; nBucket++)
        {
            CAssoc* pAssoc = m_pHashTable[nBucket];
            while (pAssoc != NULL)
            {
                CAssoc* pNext = pAssoc->pNext;
                pAssoc->nHashValue = HashOf(pAssoc->key) % nHashSize;
                pAssoc->pNext = pNewTable[pAssoc->nHashValue];
                pNewTable[pAssoc->nHashValue] = pAssoc;
                pAssoc = pNext;
            }
        }
        afx_collections::FreeElements(m_pHashTable);
        m_pHashTable = pNewTable;
        m_nHashTableSize = nHashSize;
        return;
    }
    afx_collections::FreeElements(m_pHashTable);
    m_pHashTable = NULL;
    if (bAllocNow)
        m_pHashTable = NewTable(nHashSize);
    m_nHashTableSize = nHashSize;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll()
{
    if (m_pHashTable != NULL)
    {
        for (UINT nBucket = 0; nBucket < m_nHashTableSize; nBucket++)
        {
            for (CAssoc* pAssoc = m_pHashTable[nBucket]; pAssoc != NULL; pAssoc = pAssoc->pNext)
            {
                DestructElements<VALUE>(&pAssoc->value, 1);
                DestructElements<KEY>(&pAssoc->key, 1);
            }
        }
        afx_collections::FreeElements(m_pHashTable);
        m_pHashTable = NULL;
    }
    m_nCount = 0;
    m_pFreeList = NULL;
    if (m_pBlocks != NULL)
        m_pBlocks->FreeDataChain();
    m_pBlocks = NULL;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::NewAssoc()
{
    if (m_pFreeList == NULL)
    {
        CPlex* pNewBlock = CPlex::Create(m_pBlocks, (UINT_PTR)m_nBlockSize, sizeof(CAssoc));
        // Chained backwards so that the block's entries are handed out in address order.
        CAssoc* pAssoc = static_cast<CAssoc*>(pNewBlock->data()) + m_nBlockSize - 1;
        for (int i = m_nBlockSize - 1; i >= 0; i--, pAssoc--)
        {
            pAssoc->pNext = m_pFreeList;
            m_pFreeList = pAssoc;
        }
    }
    CAssoc* pAssoc = m_pFreeList;
    m_pFreeList = m_pFreeList->pNext;
    ConstructElements<KEY>(&pAssoc->key, 1);
    ConstructElements<VALUE>(&pAssoc->value, 1);
    m_nCount++;
    return pAssoc;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::FreeAssoc(CAssoc* pAssoc)
{
    DestructElements<VALUE>(&pAssoc->value, 1);
    DestructElements<KEY>(&pAssoc->key, 1);
    pAssoc->pNext = m_pFreeList;
    m_pFreeList = pAssoc;
    m_nCount--;
    if (m_nCount == 0)
        RemoveAll();
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetAssocAt(
    ARG_KEY key, UINT& nHash) const
{
    nHash = HashOf(key) % m_nHashTableSize;
    if (m_pHashTable == NULL)
        return NULL;
    for (CAssoc* pAssoc = m_pHashTable[nHash]; pAssoc != NULL; pAssoc = pAssoc->pNext)
    {
        if (CompareElements(&pAssoc->key, &key))
            return pAssoc;
    }
    return NULL;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Lookup(ARG_KEY key, VALUE& rValue) const
{
    UINT nHash;
    CAssoc* pAssoc = GetAssocAt(key, nHash);
    if (pAssoc == NULL)
        return FALSE;
    rValue = pAssoc->value;
    return TRUE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key)
{
    UINT nHash;
    CAssoc* pAssoc = GetAssocAt(key, nHash);
    if (pAssoc == NULL)
    {
        if (m_pHashTable == NULL)
            InitHashTable(m_nHashTableSize);
        pAssoc = NewAssoc();
        pAssoc->nHashValue = nHash;
        pAssoc->key = key;
        // New entries go to the front of their bucket.
        pAssoc->pNext = m_pHashTable[nHash];
        m_pHashTable[nHash] = pAssoc;
    }
    return pAssoc->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key)
{
    if (m_pHashTable == NULL)
        return FALSE;
    CAssoc** ppAssocPrev = &m_pHashTable[HashOf(key) % m_nHashTableSize];
    for (CAssoc* pAssoc = *ppAssocPrev; pAssoc != NULL; pAssoc = pAssoc->pNext)
    {
        if (CompareElements(&pAssoc->key, &key))
        {
            *ppAssocPrev = pAssoc->pNext;
            FreeAssoc(pAssoc);
            return TRUE;
        }
        ppAssocPrev = &pAssoc->pNext;
    }
    return FALSE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey,
                                                        VALUE& rValue) const
{
    CAssoc* pAssocRet = (CAssoc*)rNextPosition;
    ASSERT(m_pHashTable != NULL && pAssocRet != NULL);
    if (m_pHashTable == NULL || pAssocRet == NULL)
    {
        // Misuse (an empty map or a position past the end): end the walk with empty values.
        rNextPosition = NULL;
        rKey = KEY();
        rValue = VALUE();
        return;
    }
    if (pAssocRet == (CAssoc*)BEFORE_START_POSITION)
    {
        pAssocRet = NULL;
        for (UINT nBucket = 0; nBucket < m_nHashTableSize && pAssocRet == NULL; nBucket++)
            pAssocRet = m_pHashTable[nBucket];
        if (pAssocRet == NULL)
        {
            rNextPosition = NULL;
            rKey = KEY();
            rValue = VALUE();
            return;
        }
    }
    CAssoc* pAssocNext = pAssocRet->pNext;
    for (UINT nBucket = pAssocRet->nHashValue + 1; nBucket < m_nHashTableSize && pAssocNext == NULL;
         nBucket++)
        pAssocNext = m_pHashTable[nBucket];
    rNextPosition = (POSITION)pAssocNext;
    rKey = pAssocRet->key;
    rValue = pAssocRet->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)m_nCount);
        if (m_nCount == 0)
            return;
        for (UINT nBucket = 0; nBucket < m_nHashTableSize; nBucket++)
        {
            for (CAssoc* pAssoc = m_pHashTable[nBucket]; pAssoc != NULL; pAssoc = pAssoc->pNext)
            {
                SerializeElements<KEY>(ar, &pAssoc->key, 1);
                SerializeElements<VALUE>(ar, &pAssoc->value, 1);
            }
        }
    }
    else
    {
        for (DWORD nNewCount = ar.ReadCount(); nNewCount > 0; nNewCount--)
        {
            KEY newKey = KEY();
            VALUE newValue = VALUE();
            SerializeElements<KEY>(ar, &newKey, 1);
            SerializeElements<VALUE>(ar, &newValue, 1);
            SetAt(newKey, newValue);
        }
    }
}

// Serialize of the maps whose values are objects (CMapStringToOb, CMapWordToOb): the keys as
// their element type, the values as objects, in the map's own order.
template <class KEY, class ARG_KEY>
void AfxSerializeObjectMap(CArchive& ar, CMap<KEY, ARG_KEY, CObject*, CObject*>& map)
{
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)map.GetCount());
        POSITION pos = map.GetStartPosition();
        while (pos != NULL)
        {
            KEY key;
            CObject* value = NULL;
            map.GetNextAssoc(pos, key, value);
            SerializeElements<KEY>(ar, &key, 1);
            ar << value;
        }
    }
    else
    {
        for (DWORD nNewCount = ar.ReadCount(); nNewCount > 0; nNewCount--)
        {
            KEY newKey = KEY();
            CObject* newValue = NULL;
            SerializeElements<KEY>(ar, &newKey, 1);
            ar >> newValue;
            map.SetAt(newKey, newValue);
        }
    }
}
