// CFileException: a failed file operation, with its cause, the operating system's error code and
// the file's name. Thrown by CFile and its derived classes.
//
// Differences from MFC:
// - The Win32 error and errno translations are one table each (see FileException.cpp).
#pragma once
#include "Exception.h"

class CFileException : public CException
{
    DECLARE_DYNAMIC(CFileException)

  public:
    enum
    {
        none,
        generic,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    // Construction
    explicit CFileException(int cause = none, LONG lOsError = -1, LPCTSTR lpszFileName = NULL);

    // Operations
    // Clears cause, error and name, for an exception object that is reused.
    void Clear();

    // Implementation
    // Text AFX_IDP_FILE_NONE + cause, "%1" replaced by the file name.
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) override;

    static int PASCAL OsErrorToException(LONG lOsError);
    static int PASCAL ErrnoToException(int nErrno);
    // Throw when the error is not 0.
    static void PASCAL ThrowOsError(LONG lOsError, LPCTSTR lpszFileName = NULL);
    static void PASCAL ThrowErrno(int nErrno, LPCTSTR lpszFileName = NULL);

    int m_cause;
    LONG m_lOsError; // -1 when there is none
    CString m_strFileName;
};

[[noreturn]] void AFXAPI AfxThrowFileException(int cause, LONG lOsError = -1, LPCTSTR lpszFileName = NULL);
