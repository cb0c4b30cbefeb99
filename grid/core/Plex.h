// Blocks of map nodes: one allocation per block, chained so that the whole chain is freed at once.
#pragma once
#include "afx.h"

struct CGXPlex
{
    CGXPlex* pNext;
    // The nodes follow the header; the header is padded so they stay aligned.
    void* data()
    {
        return reinterpret_cast<BYTE*>(this) + sizeof(CGXPlex) + sizeof(void*);
    }
    void FreeDataChain();
};

// Allocates a block of nMax elements of cbElement bytes and links it in front of pHead.
CGXPlex* AFXAPI GXPlexCreate(CGXPlex*& pHead, UINT_PTR nMax, UINT_PTR cbElement);
