// CFixedAlloc: blocks of one size for classes of which the program holds hundreds of thousands of
// objects (a day's recording has close to a million samples). Blocks come from CPlex chunks and
// go back to a free list, so that an object costs neither a heap call nor the heap's header; the
// chunks are given back when the last block is freed. Safe between threads.
//
// Constant-initialised: an allocator defined at namespace scope is ready before any constructor
// of another file runs, and needs no destructor at exit.
#pragma once
#include "Plex.h"

class CFixedAlloc
{
  public:
    // Blocks of nAllocSize bytes aligned to nAlign, nBlockSize of them in a chunk.
    constexpr CFixedAlloc(size_t nAllocSize, size_t nAlign, UINT nBlockSize)
        : m_nAllocSize(RoundUp(nAllocSize, nAlign < sizeof(void*) ? sizeof(void*) : nAlign)),
          m_nBlockSize(nBlockSize), m_pNodeFree(NULL), m_pBlocks(NULL), m_nLive(0), m_nLock(0)
    {
    }
    CFixedAlloc(const CFixedAlloc&) = delete;
    CFixedAlloc& operator=(const CFixedAlloc&) = delete;

    // Throws CMemoryException when there is no memory.
    void* Alloc();
    void Free(void* p);

  private:
    struct CNode
    {
        CNode* pNext;
    };
    static constexpr size_t RoundUp(size_t n, size_t nAlign)
    {
        return (n + nAlign - 1) / nAlign * nAlign;
    }
    // A lock of one word: a free one costs one interlocked exchange to take and one to give
    // back, where the system's slim lock makes a wake call at every release.
    void Lock()
    {
        for (int nSpins = 0; InterlockedExchange(&m_nLock, 1) != 0; nSpins++)
        {
            if (nSpins < 64)
                YieldProcessor();
            else
                SwitchToThread();
        }
    }
    void Unlock()
    {
        InterlockedExchange(&m_nLock, 0);
    }

    size_t m_nAllocSize;
    UINT m_nBlockSize;
    CNode* m_pNodeFree;
    CPlex* m_pBlocks;
    size_t m_nLive;
    volatile LONG m_nLock;
};

inline void* CFixedAlloc::Alloc()
{
    Lock();
    if (m_pNodeFree == NULL)
    {
        CPlex* pNewBlock;
        try
        {
            pNewBlock = CPlex::Create(m_pBlocks, m_nBlockSize, m_nAllocSize);
        }
        catch (...)
        {
            Unlock();
            throw;
        }
        // Chained backwards so that the chunk's blocks are handed out in address order.
        BYTE* pData = static_cast<BYTE*>(pNewBlock->data());
        for (UINT i = m_nBlockSize; i-- > 0;)
        {
            CNode* pNode = reinterpret_cast<CNode*>(pData + i * m_nAllocSize);
            pNode->pNext = m_pNodeFree;
            m_pNodeFree = pNode;
        }
    }
    CNode* pNode = m_pNodeFree;
    m_pNodeFree = pNode->pNext;
    ++m_nLive;
    Unlock();
    return pNode;
}

inline void CFixedAlloc::Free(void* p)
{
    if (p == NULL)
        return;
    Lock();
    CNode* pNode = static_cast<CNode*>(p);
    pNode->pNext = m_pNodeFree;
    m_pNodeFree = pNode;
    if (--m_nLive == 0)
    {
        // The last one: a closed recording leaves no memory behind.
        m_pBlocks->FreeDataChain();
        m_pBlocks = NULL;
        m_pNodeFree = NULL;
    }
    Unlock();
}

// A class's own operator new and delete through an allocator of its size. Objects of a derived
// class of another size come from the heap as usual.
#define DECLARE_FIXED_ALLOC(class_name)                                                                      \
  public:                                                                                                    \
    static void* operator new(size_t nSize);                                                                 \
    static void operator delete(void* p, size_t nSize);                                                      \
                                                                                                             \
  private:                                                                                                   \
    static CFixedAlloc s_fixedAlloc;

#define IMPLEMENT_FIXED_ALLOC(class_name, block_size)                                                        \
    CFixedAlloc class_name::s_fixedAlloc(sizeof(class_name), alignof(class_name), block_size);               \
    void* class_name::operator new(size_t nSize)                                                             \
    {                                                                                                        \
        return nSize == sizeof(class_name) ? s_fixedAlloc.Alloc() : ::operator new(nSize);                   \
    }                                                                                                        \
    void class_name::operator delete(void* p, size_t nSize)                                                  \
    {                                                                                                        \
        if (nSize == sizeof(class_name))                                                                     \
            s_fixedAlloc.Free(p);                                                                            \
        else                                                                                                 \
            ::operator delete(p);                                                                            \
    }
