// The one hash-map layout shared by the grid's maps: a bucket table allocated on first
// insertion, nodes taken from blocks (CGXPlex) through a free list. Each map class supplies
// its key type, its value type and its bucket function.
#pragma once
#include "grid/core/Plex.h"
#include <string.h>

template <class KEY, class VALUE, UINT (*HASH)(const KEY&)> class CGXHashMapCore
{
  public:
    struct CAssoc
    {
        CAssoc* pNext;
        UINT nHashValue;
        KEY key;
        VALUE value;
    };

    // Construction
    explicit CGXHashMapCore(INT_PTR nBlockSize = 10) : m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10)
    {
    }
    ~CGXHashMapCore()
    {
        RemoveAll();
    }
    CGXHashMapCore(const CGXHashMapCore&) = delete;
    CGXHashMapCore& operator=(const CGXHashMapCore&) = delete;

    // Operations
    INT_PTR GetCount() const
    {
        return m_nCount;
    }
    BOOL IsEmpty() const
    {
        return m_nCount == 0;
    }
    UINT GetHashTableSize() const
    {
        return m_nHashTableSize;
    }

    // A filled map is rehashed into the new table, so every entry stays reachable.
    void InitHashTable(UINT nHashSize)
    {
        if (nHashSize == 0)
            return;
        CAssoc** pOld = m_pHashTable;
        UINT nOldSize = m_nHashTableSize;
        m_nHashTableSize = nHashSize;
        m_pHashTable = NULL;
        if (pOld == NULL || m_nCount == 0)
        {
            delete[] pOld;
            return;
        }
        m_pHashTable = new CAssoc*[nHashSize];
        memset(m_pHashTable, 0, sizeof(CAssoc*) * nHashSize);
        for (UINT n = 0; n < nOldSize; n++)
        {
            for (CAssoc* p = pOld[n]; p != NULL;)
            {
                CAssoc* pNext = p->pNext;
                p->nHashValue = HASH(p->key) % nHashSize;
                p->pNext = m_pHashTable[p->nHashValue];
                m_pHashTable[p->nHashValue] = p;
                p = pNext;
            }
        }
        delete[] pOld;
    }

    CAssoc* Find(const KEY& key) const
    {
        if (m_pHashTable == NULL)
            return NULL;
        UINT nHash = HASH(key) % m_nHashTableSize;
        for (CAssoc* p = m_pHashTable[nHash]; p != NULL; p = p->pNext)
            if (memcmp(&p->key, &key, sizeof(KEY)) == 0)
                return p;
        return NULL;
    }

    // The entry for key, inserted zeroed when it is absent.
    CAssoc* FindOrAdd(const KEY& key)
    {
        CAssoc* p = Find(key);
        if (p != NULL)
            return p;
        if (m_pHashTable == NULL)
        {
            m_pHashTable = new CAssoc*[m_nHashTableSize];
            memset(m_pHashTable, 0, sizeof(CAssoc*) * m_nHashTableSize);
        }
        UINT nHash = HASH(key) % m_nHashTableSize;
        p = NewAssoc();
        p->nHashValue = nHash;
        p->key = key;
        p->pNext = m_pHashTable[nHash];
        m_pHashTable[nHash] = p;
        return p;
    }

    BOOL RemoveKey(const KEY& key)
    {
        if (m_pHashTable == NULL)
            return FALSE;
        CAssoc** ppPrev = &m_pHashTable[HASH(key) % m_nHashTableSize];
        for (CAssoc* p = *ppPrev; p != NULL; p = p->pNext)
        {
            if (memcmp(&p->key, &key, sizeof(KEY)) == 0)
            {
                *ppPrev = p->pNext;
                FreeAssoc(p);
                return TRUE;
            }
            ppPrev = &p->pNext;
        }
        return FALSE;
    }

    void RemoveAll()
    {
        delete[] m_pHashTable;
        m_pHashTable = NULL;
        m_nCount = 0;
        m_pFreeList = NULL;
        if (m_pBlocks != NULL)
            m_pBlocks->FreeDataChain();
        m_pBlocks = NULL;
    }

    // Iteration in bucket order.
    POSITION GetStartPosition() const
    {
        return m_nCount == 0 ? NULL : BEFORE_START_POSITION;
    }

    CAssoc* GetNextAssoc(POSITION& rNext) const
    {
        CAssoc* p = reinterpret_cast<CAssoc*>(rNext);
        if (p == reinterpret_cast<CAssoc*>(BEFORE_START_POSITION))
        {
            p = NULL;
            for (UINT n = 0; n < m_nHashTableSize && p == NULL; n++)
                p = m_pHashTable[n];
        }
        ASSERT(p != NULL);
        CAssoc* pNext = p->pNext;
        if (pNext == NULL)
            for (UINT n = p->nHashValue + 1; n < m_nHashTableSize && pNext == NULL; n++)
                pNext = m_pHashTable[n];
        rNext = reinterpret_cast<POSITION>(pNext);
        return p;
    }

  private:
    CAssoc* NewAssoc()
    {
        if (m_pFreeList == NULL)
        {
            CGXPlex* pBlock = GXPlexCreate(m_pBlocks, m_nBlockSize, sizeof(CAssoc));
            CAssoc* p = static_cast<CAssoc*>(pBlock->data()) + m_nBlockSize - 1;
            for (INT_PTR i = m_nBlockSize - 1; i >= 0; i--, p--)
            {
                p->pNext = m_pFreeList;
                m_pFreeList = p;
            }
        }
        CAssoc* p = m_pFreeList;
        m_pFreeList = p->pNext;
        memset(static_cast<void*>(p), 0, sizeof(CAssoc));
        m_nCount++;
        return p;
    }

    void FreeAssoc(CAssoc* p)
    {
        p->pNext = m_pFreeList;
        m_pFreeList = p;
        if (--m_nCount == 0)
            RemoveAll();
    }

    CAssoc** m_pHashTable = NULL;
    UINT m_nHashTableSize = 17;
    INT_PTR m_nCount = 0;
    CAssoc* m_pFreeList = NULL;
    CGXPlex* m_pBlocks = NULL;
    INT_PTR m_nBlockSize;
};
