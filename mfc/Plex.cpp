// Node blocks of the lists and maps.
#include "Plex.h"
#include "Exception.h"
#include <new>

static_assert(sizeof(CPlex) <= CPlex::kDataOffset, "the link must fit before the data");

CPlex* PASCAL CPlex::Create(CPlex*& pHead, UINT_PTR nMax, UINT_PTR cbElement)
{
    ASSERT(nMax > 0 && cbElement > 0);
    if (cbElement != 0 && nMax > (((size_t)-1) - kDataOffset) / cbElement)
        AfxThrowMemoryException();
    void* pMemory = ::operator new(kDataOffset + nMax * cbElement, std::nothrow);
    if (pMemory == NULL)
        AfxThrowMemoryException();
    CPlex* p = static_cast<CPlex*>(pMemory);
    p->pNext = pHead;
    pHead = p;
    return p;
}

void CPlex::FreeDataChain()
{
    CPlex* p = this;
    while (p != NULL)
    {
        CPlex* pNext = p->pNext;
        ::operator delete(p);
        p = pNext;
    }
}
