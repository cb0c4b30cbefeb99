// SECListPool: the small blocks of the lists and trees (rows, sub-items, tree nodes, texts and
// the lists that hold them) come from chunks and go back onto free lists by size, since a fill of
// 100,000 rows would otherwise make half a million heap calls, each costing about as much as the
// rest of an insertion. Chunks stay with the thread that made them until the program ends.
#pragma once
#include <cstddef>
#include <new>

class SECListPool
{
  public:
    static void* Alloc(size_t nBytes);
    static void Free(void* p, size_t nBytes);
    // Blocks up to this size come from the chunks; larger ones from the heap.
    static constexpr size_t MAX_POOLED = 512;
};

// An allocator for the standard containers of the lists and trees.
template <class T> class SECListPoolAllocator
{
  public:
    using value_type = T;
    SECListPoolAllocator() = default;
    template <class U> SECListPoolAllocator(const SECListPoolAllocator<U>&)
    {
    }
    T* allocate(size_t n)
    {
        return static_cast<T*>(SECListPool::Alloc(n * sizeof(T)));
    }
    void deallocate(T* p, size_t n)
    {
        SECListPool::Free(p, n * sizeof(T));
    }
    template <class U> bool operator==(const SECListPoolAllocator<U>&) const
    {
        return true;
    }
    template <class U> bool operator!=(const SECListPoolAllocator<U>&) const
    {
        return false;
    }
};

// Class-level new and delete through the pool, for a class with a virtual destructor or none
// derived from it.
#define SEC_LIST_POOLED                                                                                      \
    static void* operator new(size_t nBytes)                                                                 \
    {                                                                                                        \
        return SECListPool::Alloc(nBytes);                                                                   \
    }                                                                                                        \
    static void operator delete(void* p, size_t nBytes)                                                      \
    {                                                                                                        \
        SECListPool::Free(p, nBytes);                                                                        \
    }
