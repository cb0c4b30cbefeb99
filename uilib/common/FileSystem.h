// SECFileSystem: the small file-system queries of the browse edits: the current directory of a
// drive, existence of files and directories, the current drive.
#pragma once
#include "afxwin.h"

class SECFileSystem
{
  public:
    // Characters of a path read here.
    static constexpr int kPathBufferLength = 1024;

    SECFileSystem() = default;

    // Operations
    // The current directory of a drive ("D:"), or of the current drive for NULL or ""; empty when
    // the drive cannot be made current. The process's current directory is left as it was.
    CString GetCurrentDirectory(LPCTSTR lpszDrive = NULL);
    BOOL SetCurrentDirectory(LPCTSTR lpszDirectory);
    // The file's status can be read.
    BOOL FileExists(LPCTSTR lpszPath);
    BOOL IsDirectory(LPCTSTR lpszPath);
    // Letter and ":\" of the current drive.
    CString GetCurrentDrive();
};

// A path naming an existing directory, or a drive ("C:" becomes "C:\"). A trailing "\" is removed
// first.
BOOL IsValidDirectory(CString& strPath);
