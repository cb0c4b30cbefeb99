// SECListPool: size classes of 16 bytes, each a free list fed from 64 KB chunks.
#include "uilib/treelist/ListPool.h"
#include <algorithm>
#include <windows.h>

namespace
{
const size_t kGrain = 16;
const size_t kClasses = SECListPool::MAX_POOLED / kGrain;
const size_t kChunk = 64 * 1024;

struct FreeBlock
{
    FreeBlock* pNext;
};

struct Pool
{
    FreeBlock* free[kClasses] = {};
    char* pNext = nullptr; // the rest of the current chunk
    char* pEnd = nullptr;
};

// Per thread: no lock on the path of every insertion. A block freed by another thread joins that
// thread's lists, which is as good. The thread's pool hangs in a system TLS slot: the compiler's
// thread_local goes through a spin lock and pthread calls on every access here.
Pool& ThreadPool()
{
    static const DWORD s_nSlot = ::TlsAlloc();
    Pool* pPool = static_cast<Pool*>(::TlsGetValue(s_nSlot));
    if (pPool == nullptr)
    {
        pPool = new Pool;
        ::TlsSetValue(s_nSlot, pPool);
    }
    return *pPool;
}

size_t ClassOf(size_t nBytes)
{
    return (nBytes + kGrain - 1) / kGrain - 1;
}
} // namespace

void* SECListPool::Alloc(size_t nBytes)
{
    if (nBytes == 0)
        nBytes = 1;
    if (nBytes > MAX_POOLED)
        return ::operator new(nBytes);
    Pool& pool = ThreadPool();
    const size_t nClass = ClassOf(nBytes);
    if (FreeBlock* p = pool.free[nClass])
    {
        pool.free[nClass] = p->pNext;
        return p;
    }
    const size_t nSize = (nClass + 1) * kGrain;
    if ((size_t)(pool.pEnd - pool.pNext) < nSize)
    {
        // The tail of the old chunk goes to the free lists it fits.
        while ((size_t)(pool.pEnd - pool.pNext) >= kGrain)
        {
            const size_t nLeft = std::min<size_t>((size_t)(pool.pEnd - pool.pNext), MAX_POOLED);
            const size_t nTail = nLeft / kGrain - 1;
            FreeBlock* pTail = reinterpret_cast<FreeBlock*>(pool.pNext);
            pTail->pNext = pool.free[nTail];
            pool.free[nTail] = pTail;
            pool.pNext += (nTail + 1) * kGrain;
        }
        pool.pNext = static_cast<char*>(::operator new(kChunk));
        pool.pEnd = pool.pNext + kChunk;
    }
    void* p = pool.pNext;
    pool.pNext += nSize;
    return p;
}

void SECListPool::Free(void* p, size_t nBytes)
{
    if (p == nullptr)
        return;
    if (nBytes == 0)
        nBytes = 1;
    if (nBytes > MAX_POOLED)
    {
        ::operator delete(p);
        return;
    }
    Pool& pool = ThreadPool();
    const size_t nClass = ClassOf(nBytes);
    FreeBlock* pBlock = static_cast<FreeBlock*>(p);
    pBlock->pNext = pool.free[nClass];
    pool.free[nClass] = pBlock;
}
