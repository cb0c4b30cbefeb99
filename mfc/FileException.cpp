// CFileException: causes from Win32 errors and errno values, and the German texts.
#include "FileException.h"
#include "FrameworkIds.h"
#include <errno.h>

namespace
{
struct OsErrorCause
{
    LONG lOsError;
    int cause;
};

// Win32 errors with a cause of their own; every other error is "generic".
const OsErrorCause g_osErrorCauses[] = {
    {ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
    {ERROR_PATH_NOT_FOUND, CFileException::badPath},
    {ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles},
    {ERROR_ACCESS_DENIED, CFileException::accessDenied},
    {ERROR_INVALID_HANDLE, CFileException::invalidFile},
    {ERROR_INVALID_DRIVE, CFileException::badPath},
    {ERROR_CURRENT_DIRECTORY, CFileException::removeCurrentDir},
    {ERROR_NO_MORE_FILES, CFileException::directoryFull},
    {ERROR_WRITE_PROTECT, CFileException::accessDenied},
    {ERROR_BAD_UNIT, CFileException::hardIO},
    {ERROR_NOT_READY, CFileException::hardIO},
    {ERROR_BAD_COMMAND, CFileException::hardIO},
    {ERROR_CRC, CFileException::hardIO},
    {ERROR_BAD_LENGTH, CFileException::badSeek},
    {ERROR_SEEK, CFileException::badSeek},
    {ERROR_NOT_DOS_DISK, CFileException::invalidFile},
    {ERROR_SECTOR_NOT_FOUND, CFileException::badSeek},
    {ERROR_WRITE_FAULT, CFileException::accessDenied},
    {ERROR_READ_FAULT, CFileException::badSeek},
    {ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
    {ERROR_LOCK_VIOLATION, CFileException::lockViolation},
    {ERROR_WRONG_DISK, CFileException::badPath},
    {ERROR_SHARING_BUFFER_EXCEEDED, CFileException::tooManyOpenFiles},
    {ERROR_HANDLE_EOF, CFileException::endOfFile},
    {ERROR_HANDLE_DISK_FULL, CFileException::diskFull},
    {ERROR_DUP_NAME, CFileException::badPath},
    {ERROR_BAD_NETPATH, CFileException::badPath},
    {ERROR_NETWORK_BUSY, CFileException::accessDenied},
    {ERROR_DEV_NOT_EXIST, CFileException::badPath},
    {ERROR_ADAP_HDW_ERR, CFileException::hardIO},
    {ERROR_BAD_NET_RESP, CFileException::accessDenied},
    {ERROR_UNEXP_NET_ERR, CFileException::hardIO},
    {ERROR_BAD_REM_ADAP, CFileException::invalidFile},
    {ERROR_NO_SPOOL_SPACE, CFileException::directoryFull},
    {ERROR_NETNAME_DELETED, CFileException::accessDenied},
    {ERROR_NETWORK_ACCESS_DENIED, CFileException::accessDenied},
    {ERROR_BAD_DEV_TYPE, CFileException::invalidFile},
    {ERROR_BAD_NET_NAME, CFileException::badPath},
    {ERROR_TOO_MANY_NAMES, CFileException::tooManyOpenFiles},
    {ERROR_SHARING_PAUSED, CFileException::badPath},
    {ERROR_REQ_NOT_ACCEP, CFileException::accessDenied},
    {ERROR_FILE_EXISTS, CFileException::accessDenied},
    {ERROR_CANNOT_MAKE, CFileException::accessDenied},
    {ERROR_ALREADY_ASSIGNED, CFileException::badPath},
    {ERROR_INVALID_PASSWORD, CFileException::accessDenied},
    {ERROR_NET_WRITE_FAULT, CFileException::hardIO},
    {ERROR_DISK_CHANGE, CFileException::fileNotFound},
    {ERROR_DRIVE_LOCKED, CFileException::lockViolation},
    {ERROR_BUFFER_OVERFLOW, CFileException::badPath},
    {ERROR_DISK_FULL, CFileException::diskFull},
    {ERROR_NO_MORE_SEARCH_HANDLES, CFileException::tooManyOpenFiles},
    {ERROR_INVALID_TARGET_HANDLE, CFileException::invalidFile},
    {ERROR_INVALID_CATEGORY, CFileException::hardIO},
    {ERROR_INVALID_NAME, CFileException::badPath},
    {ERROR_INVALID_LEVEL, CFileException::badPath},
    {ERROR_NO_VOLUME_LABEL, CFileException::badPath},
    {ERROR_NEGATIVE_SEEK, CFileException::badSeek},
    {ERROR_SEEK_ON_DEVICE, CFileException::badSeek},
    {ERROR_DIR_NOT_ROOT, CFileException::badPath},
    {ERROR_DIR_NOT_EMPTY, CFileException::removeCurrentDir},
    {ERROR_LABEL_TOO_LONG, CFileException::badPath},
    {ERROR_BAD_PATHNAME, CFileException::badPath},
    {ERROR_LOCK_FAILED, CFileException::lockViolation},
    {ERROR_BUSY, CFileException::accessDenied},
    {ERROR_INVALID_ORDINAL, CFileException::invalidFile},
    {ERROR_ALREADY_EXISTS, CFileException::accessDenied},
    {ERROR_INVALID_EXE_SIGNATURE, CFileException::invalidFile},
    {ERROR_BAD_EXE_FORMAT, CFileException::invalidFile},
    {ERROR_FILENAME_EXCED_RANGE, CFileException::badPath},
    {ERROR_META_EXPANSION_TOO_LONG, CFileException::badPath},
    {ERROR_DIRECTORY, CFileException::badPath},
    {ERROR_OPERATION_ABORTED, CFileException::hardIO},
    {ERROR_IO_INCOMPLETE, CFileException::hardIO},
    {ERROR_IO_PENDING, CFileException::hardIO},
    {ERROR_SWAPERROR, CFileException::accessDenied},
};

struct ErrnoCause
{
    int nErrno;
    int cause;
};

// C runtime errors with a cause of their own; every other value is "generic".
const ErrnoCause g_errnoCauses[] = {
    {EPERM, CFileException::accessDenied},      {EACCES, CFileException::accessDenied},
    {EBADF, CFileException::invalidFile},       {EDEADLOCK, CFileException::sharingViolation},
    {EMFILE, CFileException::tooManyOpenFiles}, {ENOENT, CFileException::fileNotFound},
    {ENFILE, CFileException::tooManyOpenFiles}, {ENOSPC, CFileException::diskFull},
    {EEXIST, CFileException::accessDenied},     {EROFS, CFileException::accessDenied},
    {ENAMETOOLONG, CFileException::badPath},    {ENOTDIR, CFileException::badPath},
    {EISDIR, CFileException::accessDenied},     {EINVAL, CFileException::generic},
    {ESPIPE, CFileException::badSeek},          {EIO, CFileException::hardIO},
};
} // namespace

IMPLEMENT_DYNAMIC(CFileException, CException)

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName ? lpszFileName : "")
{
}

void CFileException::Clear()
{
    m_cause = none;
    m_lOsError = -1;
    m_strFileName.Empty();
}

BOOL CFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (m_cause < none || m_cause > endOfFile)
        return CException::GetErrorMessage(lpszError, nMaxError, pnHelpContext);
    CString strFileName = m_strFileName;
    if (strFileName.IsEmpty())
        strFileName.LoadString(AFX_IDS_UNNAMED_FILE);
    CString strText;
    AfxFormatString1(strText, AFX_IDP_FILE_NONE + m_cause, strFileName);
    return CopyMessage(strText, AFX_IDP_FILE_NONE + m_cause, lpszError, nMaxError, pnHelpContext);
}

int PASCAL CFileException::OsErrorToException(LONG lOsError)
{
    for (const OsErrorCause& entry : g_osErrorCauses)
        if (entry.lOsError == lOsError)
            return entry.cause;
    return generic;
}

int PASCAL CFileException::ErrnoToException(int nErrno)
{
    for (const ErrnoCause& entry : g_errnoCauses)
        if (entry.nErrno == nErrno)
            return entry.cause;
    return generic;
}

void PASCAL CFileException::ThrowOsError(LONG lOsError, LPCTSTR lpszFileName)
{
    if (lOsError != 0)
        AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

void PASCAL CFileException::ThrowErrno(int nErrno, LPCTSTR lpszFileName)
{
    if (nErrno != 0)
        AfxThrowFileException(ErrnoToException(nErrno), nErrno, lpszFileName);
}

void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}
