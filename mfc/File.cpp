// CFile: opening, reading, writing and positioning a Win32 file, with CFileException on failure.
#include "File.h"

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

IMPLEMENT_DYNAMIC(CFile, CObject)

namespace
{
// The part of a path after its last separator.
CString FileNameOf(const CString& strPath)
{
    int nSlash = -1;
    for (int i = 0; i < strPath.GetLength(); ++i)
        if (strPath[i] == '\\' || strPath[i] == '/' || strPath[i] == ':')
            nSlash = i;
    return strPath.Mid(nSlash + 1);
}

CTime TimeOf(const FILETIME& fileTime)
{
    if (fileTime.dwLowDateTime == 0 && fileTime.dwHighDateTime == 0)
        return CTime();
    return CTime(fileTime);
}
} // namespace

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CFile::~CFile()
{
    if (m_hFile != hFileNull && m_bCloseOnDelete)
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

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pException)
{
    if (pException != NULL)
    {
        pException->Clear();
        pException->m_strFileName = lpszFileName;
    }
    if (m_hFile != hFileNull)
    {
        TRACE("CFile::Open on a file that is already open.\n");
        if (pException != NULL)
            pException->m_cause = CFileException::generic;
        return FALSE;
    }
    if (lpszFileName == NULL || *lpszFileName == '\0' || (nOpenFlags & typeText))
    {
        if (pException != NULL)
            pException->m_cause = (nOpenFlags & typeText) ? CFileException::generic : CFileException::badPath;
        return FALSE;
    }
    nOpenFlags &= ~(UINT)typeBinary;

    // The full path is what the program shows and what GetFilePath returns.
    TCHAR szPath[_MAX_PATH];
    LPTSTR lpszFilePart = NULL;
    DWORD nPath = ::GetFullPathName(lpszFileName, _countof(szPath), szPath, &lpszFilePart);
    if (nPath == 0 || nPath >= _countof(szPath))
        lstrcpyn(szPath, lpszFileName, _countof(szPath));

    DWORD dwAccess = 0;
    switch (nOpenFlags & 3)
    {
    case modeRead:
        dwAccess = GENERIC_READ;
        break;
    case modeWrite:
        dwAccess = GENERIC_WRITE;
        break;
    default:
        dwAccess = GENERIC_READ | GENERIC_WRITE;
        break;
    }

    DWORD dwShareMode = 0;
    switch (nOpenFlags & 0x70)
    {
    case shareDenyWrite:
        dwShareMode = FILE_SHARE_READ;
        break;
    case shareDenyRead:
        dwShareMode = FILE_SHARE_WRITE;
        break;
    case shareDenyNone:
        dwShareMode = FILE_SHARE_READ | FILE_SHARE_WRITE;
        break;
    default: // shareCompat, shareExclusive
        dwShareMode = 0;
        break;
    }

    SECURITY_ATTRIBUTES sa;
    sa.nLength = sizeof sa;
    sa.lpSecurityDescriptor = NULL;
    sa.bInheritHandle = (nOpenFlags & modeNoInherit) == 0;

    DWORD dwCreateFlag = OPEN_EXISTING;
    if (nOpenFlags & modeCreate)
        dwCreateFlag = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;

    HANDLE hFile =
        ::CreateFile(lpszFileName, dwAccess, dwShareMode, &sa, dwCreateFlag, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
    {
        if (pException != NULL)
        {
            pException->m_lOsError = (LONG)::GetLastError();
            pException->m_cause = CFileException::OsErrorToException(pException->m_lOsError);
            pException->m_strFileName = szPath;
        }
        return FALSE;
    }
    m_hFile = hFile;
    m_bCloseOnDelete = TRUE;
    m_strFileName = szPath;
    return TRUE;
}

void CFile::ThrowLastError() const
{
    LONG lOsError = (LONG)::GetLastError();
    AfxThrowFileException(CFileException::OsErrorToException(lOsError), lOsError, m_strFileName);
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    if (lpBuf == NULL)
        AfxThrowFileException(CFileException::generic, -1, m_strFileName);
    DWORD dwRead = 0;
    if (!::ReadFile(m_hFile, lpBuf, nCount, &dwRead, NULL))
        ThrowLastError();
    return (UINT)dwRead;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (lpBuf == NULL)
        AfxThrowFileException(CFileException::generic, -1, m_strFileName);
    DWORD dwWritten = 0;
    if (!::WriteFile(m_hFile, lpBuf, nCount, &dwWritten, NULL))
        ThrowLastError();
    // A short write without an error means the medium is full.
    if (dwWritten != nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

LONG CFile::Seek(LONG lOff, UINT nFrom)
{
    LARGE_INTEGER liMove;
    liMove.QuadPart = lOff;
    LARGE_INTEGER liNew;
    if (!::SetFilePointerEx(m_hFile, liMove, &liNew, (DWORD)nFrom))
        ThrowLastError();
    if (liNew.QuadPart > 0x7FFFFFFF)
        AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
    return (LONG)liNew.QuadPart;
}

DWORD CFile::GetPosition() const
{
    LARGE_INTEGER liZero;
    liZero.QuadPart = 0;
    LARGE_INTEGER liPos;
    if (!::SetFilePointerEx(m_hFile, liZero, &liPos, FILE_CURRENT))
        ThrowLastError();
    return (DWORD)liPos.QuadPart;
}

DWORD CFile::GetLength() const
{
    LARGE_INTEGER liSize;
    if (!::GetFileSizeEx(m_hFile, &liSize))
        ThrowLastError();
    return (DWORD)liSize.QuadPart;
}

void CFile::SetLength(DWORD dwNewLen)
{
    LARGE_INTEGER liMove;
    liMove.QuadPart = dwNewLen;
    if (!::SetFilePointerEx(m_hFile, liMove, NULL, FILE_BEGIN) || !::SetEndOfFile(m_hFile))
        ThrowLastError();
}

DWORD CFile::SeekToEnd()
{
    return (DWORD)Seek(0, end);
}

void CFile::SeekToBegin()
{
    Seek(0, begin);
}

void CFile::Flush()
{
    if (m_hFile == hFileNull)
        return;
    if (!::FlushFileBuffers(m_hFile))
        ThrowLastError();
}

void CFile::Close()
{
    BOOL bError = FALSE;
    LONG lOsError = 0;
    if (m_hFile != hFileNull && !::CloseHandle(m_hFile))
    {
        bError = TRUE;
        lOsError = (LONG)::GetLastError();
    }
    CString strFileName = m_strFileName;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
    if (bError)
        CFileException::ThrowOsError(lOsError, strFileName);
}

void CFile::Abort()
{
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        ::CloseHandle(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

CString CFile::GetFileName() const
{
    return FileNameOf(m_strFileName);
}

CString CFile::GetFilePath() const
{
    return m_strFileName;
}

void CFile::SetFilePath(LPCTSTR lpszNewName)
{
    m_strFileName = lpszNewName;
}

BOOL CFile::GetStatus(CFileStatus& rStatus) const
{
    rStatus = CFileStatus();
    if (m_hFile == hFileNull)
        return FALSE;
    lstrcpyn(rStatus.m_szFullName, m_strFileName, _countof(rStatus.m_szFullName));
    FILETIME ftCreate, ftAccess, ftWrite;
    if (!::GetFileTime(m_hFile, &ftCreate, &ftAccess, &ftWrite))
        return FALSE;
    rStatus.m_size = (LONG)GetLength();
    DWORD dwAttributes =
        m_strFileName.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributes(m_strFileName);
    rStatus.m_attribute = dwAttributes == INVALID_FILE_ATTRIBUTES ? 0 : (BYTE)dwAttributes;
    rStatus.m_ctime = TimeOf(ftCreate);
    rStatus.m_atime = TimeOf(ftAccess);
    rStatus.m_mtime = TimeOf(ftWrite);
    return TRUE;
}

BOOL PASCAL CFile::GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus)
{
    rStatus = CFileStatus();
    if (lpszFileName == NULL)
        return FALSE;
    LPTSTR lpszFilePart = NULL;
    DWORD nPath =
        ::GetFullPathName(lpszFileName, _countof(rStatus.m_szFullName), rStatus.m_szFullName, &lpszFilePart);
    if (nPath == 0 || nPath >= _countof(rStatus.m_szFullName))
    {
        rStatus.m_szFullName[0] = '\0';
        return FALSE;
    }
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesEx(lpszFileName, GetFileExInfoStandard, &data))
        return FALSE;
    rStatus.m_size = (LONG)data.nFileSizeLow;
    rStatus.m_attribute = (BYTE)data.dwFileAttributes;
    rStatus.m_ctime = TimeOf(data.ftCreationTime);
    rStatus.m_atime = TimeOf(data.ftLastAccessTime);
    rStatus.m_mtime = TimeOf(data.ftLastWriteTime);
    return TRUE;
}

void PASCAL CFile::Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName)
{
    if (!::MoveFile(lpszOldName, lpszNewName))
        CFileException::ThrowOsError((LONG)::GetLastError(), lpszOldName);
}

void PASCAL CFile::Remove(LPCTSTR lpszFileName)
{
    if (!::DeleteFile(lpszFileName))
        CFileException::ThrowOsError((LONG)::GetLastError(), lpszFileName);
}
