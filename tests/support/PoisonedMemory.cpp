// Freed memory made poisonous, for the tests that link it: every block deleted is filled with
// 0xDD and never reused, so code that touches a freed record, list node or command layer reads
// garbage and fails visibly instead of silently working on.
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <new>

namespace
{
void* Allocate(size_t n)
{
    void* p = std::malloc(n != 0 ? n : 1);
    if (p == nullptr)
        throw std::bad_alloc();
    return p;
}

void Poison(void* p)
{
    if (p != nullptr)
        std::memset(p, 0xDD, _msize(p));
}
} // namespace

void* operator new(size_t n)
{
    return Allocate(n);
}
void* operator new[](size_t n)
{
    return Allocate(n);
}
void* operator new(size_t n, const std::nothrow_t&) noexcept
{
    return std::malloc(n != 0 ? n : 1);
}
void* operator new[](size_t n, const std::nothrow_t&) noexcept
{
    return std::malloc(n != 0 ? n : 1);
}
void operator delete(void* p) noexcept
{
    Poison(p);
}
void operator delete[](void* p) noexcept
{
    Poison(p);
}
void operator delete(void* p, size_t) noexcept
{
    Poison(p);
}
void operator delete[](void* p, size_t) noexcept
{
    Poison(p);
}
