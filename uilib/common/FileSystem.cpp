#include "uilib/common/FileSystem.h"
#include "File.h"
#include <vector>

namespace
{

CString CurrentDirectory()
{
    std::vector<TCHAR> buffer(SECFileSystem::kPathBufferLength + 1, 0);
    DWORD dwLength = ::GetCurrentDirectory(SECFileSystem::kPathBufferLength, buffer.data());
    if (dwLength == 0 || dwLength >= static_cast<DWORD>(SECFileSystem::kPathBufferLength))
        return CString();
    return CString(buffer.data());
}

} // namespace

CString SECFileSystem::GetCurrentDirectory(LPCTSTR lpszDrive)
{
    // No critical-error boxes for an empty drive; the caller's error mode comes back afterwards.
    UINT nOldMode = ::SetErrorMode(SEM_FAILCRITICALERRORS);
    // The whole directory is put back, not only the drive: changing to "C:" alone may land on
    // the drive's root.
    CString strRemembered = CurrentDirectory();
    CString strResult;
    if (lpszDrive == NULL || *lpszDrive == '\0' || ::SetCurrentDirectory(lpszDrive))
    {
        strResult = CurrentDirectory();
        if (!strRemembered.IsEmpty())
            ::SetCurrentDirectory(strRemembered);
    }
    ::SetErrorMode(nOldMode);
    return strResult;
}

BOOL SECFileSystem::SetCurrentDirectory(LPCTSTR lpszDirectory)
{
    return lpszDirectory != NULL && ::SetCurrentDirectory(lpszDirectory);
}

BOOL SECFileSystem::FileExists(LPCTSTR lpszPath)
{
    CFileStatus status;
    return lpszPath != NULL && *lpszPath != '\0' && CFile::GetStatus(lpszPath, status);
}

BOOL SECFileSystem::IsDirectory(LPCTSTR lpszPath)
{
    if (lpszPath == NULL || *lpszPath == '\0')
        return FALSE;
    DWORD dwAttributes = ::GetFileAttributes(lpszPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

CString SECFileSystem::GetCurrentDrive()
{
    CString strDirectory = CurrentDirectory();
    if (strDirectory.GetLength() < 2 || strDirectory[1] != ':')
        return CString();
    return strDirectory.Left(2) + _T("\\");
}

BOOL IsValidDirectory(CString& strPath)
{
    int nLength = strPath.GetLength();
    if (nLength > 0 && strPath[nLength - 1] == '\\')
        strPath = strPath.Left(nLength - 1);
    nLength = strPath.GetLength();
    if (nLength > 0 && strPath[nLength - 1] == ':')
    {
        UINT nType = ::GetDriveType(strPath + _T("\\"));
        if (nType == DRIVE_UNKNOWN || nType == DRIVE_NO_ROOT_DIR)
            return FALSE;
        strPath += _T("\\");
        return TRUE;
    }
    CFileStatus status;
    return nLength > 0 && CFile::GetStatus(strPath, status) && (status.m_attribute & CFile::directory) != 0;
}
