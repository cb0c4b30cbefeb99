// CPlex: the blocks the lists and maps take their nodes from. Each block holds a fixed number
// of nodes; blocks are chained and freed together when the collection becomes empty.
//
// Differences from MFC:
// - The data of a block starts at the platform's allocation alignment, not right after the link.
#pragma once
#include "AfxCore.h"

struct CPlex
{
    CPlex* pNext;

    // Operations
    void* data()
    {
        return reinterpret_cast<BYTE*>(this) + kDataOffset;
    }
    // A new block of nMax elements of cbElement bytes, put at the front of the chain pHead.
    // Throws CMemoryException when there is no memory.
    static CPlex* PASCAL Create(CPlex*& pHead, UINT_PTR nMax, UINT_PTR cbElement);
    // Frees this block and all that follow it.
    void FreeDataChain();

    // Implementation
    static const size_t kDataOffset = __STDCPP_DEFAULT_NEW_ALIGNMENT__;
};
