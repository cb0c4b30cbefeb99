// CStdioFile: a CFile whose handle is read and written through a C runtime stream.
#include "StdioFile.h"
#include <errno.h>
#include <fcntl.h>
#include <io.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

CStdioFile::CStdioFile() : m_pStream(NULL)
{
}

CStdioFile::CStdioFile(FILE* pOpenStream) : m_pStream(pOpenStream)
{
    if (pOpenStream != NULL)
        m_hFile = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(pOpenStream)));
}

CStdioFile::CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags) : m_pStream(NULL)
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CStdioFile::~CStdioFile()
{
    if (m_pStream != NULL && m_bCloseOnDelete)
    {
        try
        {
            Close();
        }
        catch (CException* e)
        {
            TRACE("File %s could not be closed when it was destroyed.\n", (LPCTSTR)m_strFileName);
            e->Delete();
        }
    }
}

BOOL CStdioFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pException)
{
    m_pStream = NULL;
    if (!CFile::Open(lpszFileName, nOpenFlags & ~(UINT)(typeText | typeBinary), pException))
        return FALSE;

    // CreateFile has created or truncated the file already; the stream only adds buffering and,
    // in text mode, the CR LF translation.
    bool bBinary = (nOpenFlags & typeBinary) != 0;
    char szMode[4];
    int nMode = 0;
    switch (nOpenFlags & 3)
    {
    case modeRead:
        szMode[nMode++] = 'r';
        break;
    case modeWrite:
        szMode[nMode++] = 'w';
        break;
    default:
        szMode[nMode++] = 'r';
        szMode[nMode++] = '+';
        break;
    }
    szMode[nMode++] = bBinary ? 'b' : 't';
    szMode[nMode] = '\0';

    int nFlags = bBinary ? _O_BINARY : _O_TEXT;
    if ((nOpenFlags & 3) == modeRead)
        nFlags |= _O_RDONLY;
    int nHandle = _open_osfhandle(reinterpret_cast<intptr_t>(m_hFile), nFlags);
    if (nHandle != -1)
        m_pStream = _fdopen(nHandle, szMode);
    if (m_pStream == NULL)
    {
        int nErrno = errno;
        if (nHandle != -1)
            _close(nHandle); // closes m_hFile too
        else
            ::CloseHandle(m_hFile);
        m_hFile = hFileNull;
        m_bCloseOnDelete = FALSE;
        if (pException != NULL)
        {
            pException->m_lOsError = nErrno;
            pException->m_cause = CFileException::ErrnoToException(nErrno);
            pException->m_strFileName = m_strFileName;
        }
        m_strFileName.Empty();
        return FALSE;
    }
    return TRUE;
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    size_t nRead = fread(lpBuf, 1, nCount, m_pStream);
    if (nRead < nCount && ferror(m_pStream))
    {
        clearerr(m_pStream);
        CFileException::ThrowErrno(errno ? errno : EIO, m_strFileName);
    }
    return (UINT)nRead;
}

void CStdioFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (fwrite(lpBuf, 1, nCount, m_pStream) != nCount)
        CFileException::ThrowErrno(errno ? errno : ENOSPC, m_strFileName);
}

void CStdioFile::WriteString(LPCTSTR lpsz)
{
    if (lpsz == NULL || *lpsz == '\0')
        return;
    if (fputs(lpsz, m_pStream) == EOF)
        CFileException::ThrowErrno(errno ? errno : ENOSPC, m_strFileName);
}

LPTSTR CStdioFile::ReadString(LPTSTR lpsz, UINT nMax)
{
    if (lpsz == NULL || nMax == 0)
        return NULL;
    LPTSTR lpszResult = fgets(lpsz, (int)nMax, m_pStream);
    if (lpszResult == NULL && ferror(m_pStream))
    {
        clearerr(m_pStream);
        CFileException::ThrowErrno(errno ? errno : EIO, m_strFileName);
    }
    return lpszResult;
}

BOOL CStdioFile::ReadString(CString& rString)
{
    rString.Empty();
    TCHAR szPiece[256];
    bool bAny = false;
    for (;;)
    {
        if (ReadString(szPiece, _countof(szPiece)) == NULL)
            break;
        bAny = true;
        size_t nLen = strlen(szPiece);
        if (nLen > 0 && szPiece[nLen - 1] == '\n')
        {
            szPiece[nLen - 1] = '\0';
            rString += szPiece;
            break;
        }
        rString += szPiece;
    }
    return bAny;
}

LONG CStdioFile::Seek(LONG lOff, UINT nFrom)
{
    if (nFrom > end || fseek(m_pStream, lOff, (int)nFrom) != 0)
        AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
    return ftell(m_pStream);
}

DWORD CStdioFile::GetPosition() const
{
    long lPos = ftell(m_pStream);
    if (lPos == -1)
        AfxThrowFileException(CFileException::invalidFile, errno, m_strFileName);
    return (DWORD)lPos;
}

DWORD CStdioFile::GetLength() const
{
    long lPos = ftell(m_pStream);
    if (lPos == -1 || fseek(m_pStream, 0, SEEK_END) != 0)
        AfxThrowFileException(CFileException::invalidFile, errno, m_strFileName);
    long lLength = ftell(m_pStream);
    fseek(m_pStream, lPos, SEEK_SET);
    return (DWORD)lLength;
}

void CStdioFile::SetLength(DWORD dwNewLen)
{
    Flush();
    CFile::SetLength(dwNewLen);
    // The stream must learn where the handle stands now.
    fseek(m_pStream, 0, SEEK_END);
}

void CStdioFile::Flush()
{
    if (m_pStream != NULL && fflush(m_pStream) != 0)
        CFileException::ThrowErrno(errno ? errno : EIO, m_strFileName);
}

void CStdioFile::Close()
{
    int nResult = 0;
    if (m_pStream != NULL)
        nResult = fclose(m_pStream); // closes the handle as well
    int nErrno = errno;
    CString strFileName = m_strFileName;
    m_pStream = NULL;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
    if (nResult != 0)
        CFileException::ThrowErrno(nErrno ? nErrno : EIO, strFileName);
}

void CStdioFile::Abort()
{
    if (m_pStream != NULL && m_bCloseOnDelete)
        fclose(m_pStream);
    m_pStream = NULL;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}
