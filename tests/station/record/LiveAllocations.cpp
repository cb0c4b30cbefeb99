// Replaces the global operator new and delete of this test program to count live blocks.
#include "LiveAllocations.h"
#include <atomic>
#include <cstdlib>
#include <new>

namespace
{
std::atomic<long> s_nLive(0);

void* Allocate(std::size_t nSize)
{
    void* p = std::malloc(nSize != 0 ? nSize : 1);
    if (p == nullptr)
        throw std::bad_alloc();
    ++s_nLive;
    return p;
}

void Free(void* p) noexcept
{
    if (p == nullptr)
        return;
    --s_nLive;
    std::free(p);
}
} // namespace

long testing_support::LiveAllocations()
{
    return s_nLive.load();
}

void* operator new(std::size_t nSize)
{
    return Allocate(nSize);
}

void* operator new[](std::size_t nSize)
{
    return Allocate(nSize);
}

void* operator new(std::size_t nSize, const std::nothrow_t&) noexcept
{
    try
    {
        return Allocate(nSize);
    }
    catch (...)
    {
        return nullptr;
    }
}

void* operator new[](std::size_t nSize, const std::nothrow_t&) noexcept
{
    try
    {
        return Allocate(nSize);
    }
    catch (...)
    {
        return nullptr;
    }
}

void operator delete(void* p) noexcept
{
    Free(p);
}

void operator delete[](void* p) noexcept
{
    Free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    Free(p);
}

void operator delete[](void* p, std::size_t) noexcept
{
    Free(p);
}

void operator delete(void* p, const std::nothrow_t&) noexcept
{
    Free(p);
}

void operator delete[](void* p, const std::nothrow_t&) noexcept
{
    Free(p);
}
