// The element helpers of the collections that are not templates.
#include "ElementHelpers.h"
#include "Exception.h"

namespace
{
// Archive calls take a UINT count; larger ranges go in pieces.
const size_t kMaxPiece = 0x40000000;

// The string hash of the framework: hash * 33 + character, over the characters as the compiler
// sees them (signed for char), so that maps iterate in the same order as elsewhere.
template <class CHAR> UINT HashString(const CHAR* key)
{
    UINT nHash = 0;
    if (key == NULL)
        return 0;
    while (*key)
        nHash = (nHash << 5) + nHash + (UINT)*key++;
    return nHash;
}
} // namespace

void AFXAPI AfxWriteElementBytes(CArchive& ar, const void* pData, size_t nBytes)
{
    const BYTE* p = static_cast<const BYTE*>(pData);
    while (nBytes > 0)
    {
        size_t nPiece = nBytes < kMaxPiece ? nBytes : kMaxPiece;
        ar.Write(p, (UINT)nPiece);
        p += nPiece;
        nBytes -= nPiece;
    }
}

void AFXAPI AfxReadElementBytes(CArchive& ar, void* pData, size_t nBytes)
{
    BYTE* p = static_cast<BYTE*>(pData);
    while (nBytes > 0)
    {
        size_t nPiece = nBytes < kMaxPiece ? nBytes : kMaxPiece;
        if (ar.Read(p, (UINT)nPiece) != (UINT)nPiece)
            AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
        p += nPiece;
        nBytes -= nPiece;
    }
}

template <> void AFXAPI SerializeElements<CString>(CArchive& ar, CString* pElements, int nCount)
{
    if (ar.IsStoring())
    {
        for (; nCount > 0; nCount--)
            ar << *pElements++;
    }
    else
    {
        for (; nCount > 0; nCount--)
            ar >> *pElements++;
    }
}

template <> UINT AFXAPI HashKey<LPCSTR>(LPCSTR key)
{
    return HashString(key);
}

template <> UINT AFXAPI HashKey<LPCWSTR>(LPCWSTR key)
{
    return HashString(key);
}

template <> UINT AFXAPI HashKey<CString>(CString key)
{
    return HashString((LPCTSTR)key);
}

namespace afx_collections
{
void* AllocateElements(size_t nCount, size_t cbElement)
{
    if (cbElement != 0 && nCount > ((size_t)-1) / cbElement)
        AfxThrowMemoryException();
    void* p = ::operator new(nCount* cbElement, std::nothrow);
    if (p == NULL)
        AfxThrowMemoryException();
    return p;
}

void FreeElements(void* p)
{
    ::operator delete(p);
}
} // namespace afx_collections
