// Node blocks of the grid's hash maps.
#include "grid/core/Plex.h"
#include <new>
#include <stdlib.h>

CGXPlex* AFXAPI GXPlexCreate(CGXPlex*& pHead, UINT_PTR nMax, UINT_PTR cbElement)
{
    ASSERT(nMax > 0 && cbElement > 0);
    void* pMem = malloc(sizeof(CGXPlex) + sizeof(void*) + nMax * cbElement);
    if (pMem == NULL)
        AfxThrowMemoryException();
    CGXPlex* p = static_cast<CGXPlex*>(pMem);
    p->pNext = pHead;
    pHead = p;
    return p;
}

void CGXPlex::FreeDataChain()
{
    CGXPlex* p = this;
    while (p != NULL)
    {
        CGXPlex* pNext = p->pNext;
        free(p);
        p = pNext;
    }
}
