// CSharedFile: CMemFile's memory as one movable global block, kept locked while the file uses it.
#include "SharedFile.h"

IMPLEMENT_DYNAMIC(CSharedFile, CMemFile)

CSharedFile::CSharedFile(UINT nAllocFlags, UINT nGrowBytes)
    : CMemFile(nGrowBytes), m_nAllocFlags(nAllocFlags), m_hGlobalMemory(NULL), m_bAllowGrow(TRUE)
{
}

CSharedFile::~CSharedFile()
{
    // Released here: CMemFile's destructor would use its own Free.
    if (m_lpBuffer != NULL && m_bAutoDelete)
        Free(m_lpBuffer);
    m_lpBuffer = NULL;
}

HGLOBAL CSharedFile::Detach()
{
    HGLOBAL hMem = m_hGlobalMemory;
    if (hMem != NULL)
        ::GlobalUnlock(hMem);
    m_hGlobalMemory = NULL;
    m_lpBuffer = NULL;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    m_nPosition = 0;
    m_bAutoDelete = TRUE;
    return hMem;
}

void CSharedFile::SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow)
{
    if (m_lpBuffer != NULL && m_bAutoDelete)
        Free(m_lpBuffer);
    m_lpBuffer = NULL;
    m_nBufferSize = m_nFileSize = m_nPosition = 0;
    m_hGlobalMemory = hGlobalMemory;
    if (hGlobalMemory != NULL)
    {
        m_lpBuffer = static_cast<BYTE*>(::GlobalLock(hGlobalMemory));
        if (m_lpBuffer == NULL)
        {
            m_hGlobalMemory = NULL;
            AfxThrowMemoryException();
        }
        m_nBufferSize = m_nFileSize = ::GlobalSize(hGlobalMemory);
    }
    m_bAllowGrow = bAllowGrow;
    m_bAutoDelete = TRUE;
}

BYTE* CSharedFile::Alloc(SIZE_T nBytes)
{
    HGLOBAL hMem = ::GlobalAlloc(m_nAllocFlags, nBytes);
    if (hMem == NULL)
        return NULL;
    BYTE* lpMem = static_cast<BYTE*>(::GlobalLock(hMem));
    if (lpMem == NULL)
    {
        ::GlobalFree(hMem);
        return NULL;
    }
    m_hGlobalMemory = hMem;
    return lpMem;
}

BYTE* CSharedFile::Realloc(BYTE* lpMem, SIZE_T nBytes)
{
    if (!m_bAllowGrow || m_hGlobalMemory == NULL)
        return NULL;
    ::GlobalUnlock(m_hGlobalMemory);
    HGLOBAL hNew = ::GlobalReAlloc(m_hGlobalMemory, nBytes, GMEM_MOVEABLE);
    if (hNew == NULL)
    {
        // The old block is still there and still holds the file.
        m_lpBuffer = static_cast<BYTE*>(::GlobalLock(m_hGlobalMemory));
        UNUSED(lpMem);
        return NULL;
    }
    m_hGlobalMemory = hNew;
    return static_cast<BYTE*>(::GlobalLock(hNew));
}

void CSharedFile::Free(BYTE*)
{
    if (m_hGlobalMemory == NULL)
        return;
    ::GlobalUnlock(m_hGlobalMemory);
    ::GlobalFree(m_hGlobalMemory);
    m_hGlobalMemory = NULL;
}
