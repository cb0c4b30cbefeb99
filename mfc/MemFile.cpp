// CMemFile: reading and writing a growable block of memory.
#include "MemFile.h"
#include <stdlib.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0), m_lpBuffer(NULL),
      m_bAutoDelete(TRUE)
{
}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
    : m_nGrowBytes(0), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0), m_lpBuffer(NULL), m_bAutoDelete(TRUE)
{
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile()
{
    // Free is virtual: derived classes release their memory in their own destructors.
    if (m_lpBuffer != NULL && m_bAutoDelete)
        CMemFile::Free(m_lpBuffer);
    m_lpBuffer = NULL;
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
{
    if (m_lpBuffer != NULL && m_bAutoDelete)
        Free(m_lpBuffer);
    m_lpBuffer = lpBuffer;
    m_nBufferSize = lpBuffer != NULL ? nBufferSize : 0;
    m_nFileSize = nGrowBytes == 0 ? m_nBufferSize : 0;
    m_nGrowBytes = nGrowBytes;
    m_nPosition = 0;
    m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach()
{
    BYTE* lpBuffer = m_lpBuffer;
    m_lpBuffer = NULL;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    m_nPosition = 0;
    m_bAutoDelete = TRUE;
    return lpBuffer;
}

BYTE* CMemFile::Alloc(SIZE_T nBytes)
{
    return static_cast<BYTE*>(malloc(nBytes));
}

BYTE* CMemFile::Realloc(BYTE* lpMem, SIZE_T nBytes)
{
    return static_cast<BYTE*>(realloc(lpMem, nBytes));
}

BYTE* CMemFile::Memcpy(BYTE* lpMemTarget, const BYTE* lpMemSource, SIZE_T nBytes)
{
    return static_cast<BYTE*>(memcpy(lpMemTarget, lpMemSource, nBytes));
}

void CMemFile::Free(BYTE* lpMem)
{
    free(lpMem);
}

void CMemFile::GrowFile(SIZE_T dwNewLen)
{
    if (dwNewLen <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0)
        AfxThrowMemoryException();
    SIZE_T nNewBufferSize = (dwNewLen + m_nGrowBytes - 1) / m_nGrowBytes * m_nGrowBytes;
    BYTE* lpNew;
    if (m_lpBuffer == NULL)
        lpNew = Alloc(nNewBufferSize);
    else if (m_bAutoDelete)
        lpNew = Realloc(m_lpBuffer, nNewBufferSize);
    else
    {
        lpNew = Alloc(nNewBufferSize);
        if (lpNew != NULL)
            Memcpy(lpNew, m_lpBuffer, m_nFileSize);
    }
    if (lpNew == NULL)
        AfxThrowMemoryException();
    m_lpBuffer = lpNew;
    m_nBufferSize = nNewBufferSize;
    m_bAutoDelete = TRUE;
}

DWORD CMemFile::GetPosition() const
{
    return (DWORD)m_nPosition;
}

DWORD CMemFile::GetLength() const
{
    return (DWORD)m_nFileSize;
}

LONG CMemFile::Seek(LONG lOff, UINT nFrom)
{
    LONGLONG llBase = nFrom == begin ? 0 : nFrom == current ? (LONGLONG)m_nPosition : (LONGLONG)m_nFileSize;
    LONGLONG llNew = llBase + lOff;
    if (nFrom > end || llNew < 0 || llNew > 0x7FFFFFFF)
        AfxThrowFileException(CFileException::badSeek);
    m_nPosition = (SIZE_T)llNew;
    return (LONG)llNew;
}

void CMemFile::SetLength(DWORD dwNewLen)
{
    if (dwNewLen > m_nBufferSize)
        GrowFile(dwNewLen);
    if (dwNewLen > m_nFileSize)
        memset(m_lpBuffer + m_nFileSize, 0, dwNewLen - m_nFileSize);
    if (dwNewLen < m_nPosition)
        m_nPosition = dwNewLen;
    m_nFileSize = dwNewLen;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0 || m_nPosition >= m_nFileSize)
        return 0;
    if (lpBuf == NULL)
        AfxThrowFileException(CFileException::generic);
    SIZE_T nRead = m_nFileSize - m_nPosition < nCount ? m_nFileSize - m_nPosition : nCount;
    Memcpy(static_cast<BYTE*>(lpBuf), m_lpBuffer + m_nPosition, nRead);
    m_nPosition += nRead;
    return (UINT)nRead;
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (lpBuf == NULL)
        AfxThrowFileException(CFileException::generic);
    SIZE_T nEnd = m_nPosition + nCount;
    if (nEnd > 0x7FFFFFFF)
        AfxThrowFileException(CFileException::diskFull);
    if (nEnd > m_nBufferSize)
        GrowFile(nEnd);
    // Writing after a seek past the end leaves zeros in between.
    if (m_nPosition > m_nFileSize)
        memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    Memcpy(m_lpBuffer + m_nPosition, static_cast<const BYTE*>(lpBuf), nCount);
    m_nPosition = nEnd;
    if (m_nPosition > m_nFileSize)
        m_nFileSize = m_nPosition;
}

void CMemFile::Flush()
{
}

void CMemFile::Close()
{
    if (m_lpBuffer != NULL && m_bAutoDelete)
        Free(m_lpBuffer);
    m_lpBuffer = NULL;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    m_nPosition = 0;
    m_bAutoDelete = TRUE;
}

void CMemFile::Abort()
{
    Close();
}

BOOL CMemFile::Open(LPCTSTR lpszFileName, UINT, CFileException* pError)
{
    if (pError != NULL)
    {
        pError->Clear();
        pError->m_cause = CFileException::generic;
        pError->m_strFileName = lpszFileName;
    }
    return FALSE;
}
