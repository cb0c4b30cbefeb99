// The element helpers the collection templates call for every element they create, destroy,
// copy, compare, hash or serialise. Specialise one for a type to change what the collections do
// with it (for example HashKey for a key class, or DestructElements to delete owned pointers).
//
// Differences from MFC:
// - Loading raw elements fails with CArchiveException::endOfFile when the archive ends early
//   (MFC leaves the rest of the elements as they were).
// - DumpElements is left out (there is no CDumpContext).
// - HashKey has specialisations for CString, LPCSTR and LPCWSTR; all three hash the same way.
#pragma once
#include "AfxCore.h"
#include "Archive.h"
#include "ArchiveException.h"
#include <new>
#include <string.h>
#include <type_traits>
#include <utility>

// Creates nCount elements in raw memory: cleared first, then default-constructed, so plain
// types start as zero.
template <class TYPE> inline void AFXAPI ConstructElements(TYPE* pElements, int nCount)
{
    memset((void*)pElements, 0, (size_t)nCount * sizeof(TYPE));
    for (; nCount > 0; nCount--, pElements++)
        ::new ((void*)pElements) TYPE;
}

template <class TYPE> inline void AFXAPI DestructElements(TYPE* pElements, int nCount)
{
    for (; nCount > 0; nCount--, pElements++)
        pElements->~TYPE();
}

// Assigns nCount elements (both ranges hold constructed elements).
template <class TYPE> inline void AFXAPI CopyElements(TYPE* pDest, const TYPE* pSrc, int nCount)
{
    for (; nCount > 0; nCount--)
        *pDest++ = *pSrc++;
}

// Raw bytes of an archive; a short read throws CArchiveException::endOfFile.
void AFXAPI AfxWriteElementBytes(CArchive& ar, const void* pData, size_t nBytes);
void AFXAPI AfxReadElementBytes(CArchive& ar, void* pData, size_t nBytes);

// By default elements are stored as their bytes.
template <class TYPE> inline void AFXAPI SerializeElements(CArchive& ar, TYPE* pElements, int nCount)
{
    if (nCount <= 0)
        return;
    if (ar.IsStoring())
        AfxWriteElementBytes(ar, pElements, (size_t)nCount * sizeof(TYPE));
    else
        AfxReadElementBytes(ar, pElements, (size_t)nCount * sizeof(TYPE));
}

// Strings are stored as the archive stores a CString.
template <> void AFXAPI SerializeElements<CString>(CArchive& ar, CString* pElements, int nCount);

template <class TYPE, class ARG_TYPE>
inline BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

// Values and pointers hash by their low 32 bits without the low four (allocation granularity).
template <class ARG_KEY> inline UINT AFXAPI HashKey(ARG_KEY key)
{
    return ((UINT)(DWORD_PTR)key) >> 4;
}

template <> UINT AFXAPI HashKey<LPCSTR>(LPCSTR key);
template <> UINT AFXAPI HashKey<LPCWSTR>(LPCWSTR key);
template <> UINT AFXAPI HashKey<CString>(CString key);

namespace afx_collections
{
// Moves nCount constructed elements from pSrc to raw memory at pDest (the ranges may overlap);
// pSrc's slots are raw afterwards. Neither ConstructElements nor DestructElements is called:
// the elements only change their address.
template <class TYPE> void RelocateElements(TYPE* pDest, TYPE* pSrc, int nCount)
{
    if (nCount <= 0 || pDest == pSrc)
        return;
    if constexpr (std::is_trivially_copyable<TYPE>::value)
    {
        memmove((void*)pDest, (const void*)pSrc, (size_t)nCount * sizeof(TYPE));
    }
    else if (pDest < pSrc)
    {
        for (int i = 0; i < nCount; i++)
        {
            ::new ((void*)(pDest + i)) TYPE(std::move(pSrc[i]));
            pSrc[i].~TYPE();
        }
    }
    else
    {
        for (int i = nCount; i-- > 0;)
        {
            ::new ((void*)(pDest + i)) TYPE(std::move(pSrc[i]));
            pSrc[i].~TYPE();
        }
    }
}

// Raw memory for elements; throws CMemoryException when there is none.
void* AllocateElements(size_t nCount, size_t cbElement);
void FreeElements(void* p);
} // namespace afx_collections
