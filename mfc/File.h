// CFile: a binary file on a Win32 handle, the base of memory, shared-memory and stdio files.
// The object owns the handle it opened (closed on destruction) but not one it was given.
//
// Differences from MFC:
// - m_hFile is a HANDLE and hFileNull is INVALID_HANDLE_VALUE (pointer-sized on x64).
// - Positions and lengths are 32-bit (LONG/DWORD) as in the 32-bit program; no LockRange,
//   Duplicate, GetFileTitle or SetStatus.
// - The destructor never throws: a failing close of an owned handle is only traced.
// - Open with typeText is refused here (CStdioFile handles text); typeBinary is ignored.
#pragma once
#include "AfxCore.h"
#include "Object.h"
#include "String.h"
#include "Time.h"
#include "Exception.h"

struct CFileStatus
{
    CTime m_ctime; // creation
    CTime m_mtime; // last change
    CTime m_atime; // last access
    LONG m_size;
    BYTE m_attribute; // CFile::Attribute bits
    BYTE m_padding;
    TCHAR m_szFullName[_MAX_PATH];
};

class CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)

  public:
    enum OpenFlags
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000
    };
    enum Attribute
    {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20
    };
    enum SeekPosition
    {
        begin = 0x0,
        current = 0x1,
        end = 0x2
    };
    static const HANDLE hFileNull;

    // Construction
    CFile();
    // Takes over an open handle without owning it.
    explicit CFile(HANDLE hFile);
    // Opens the file; throws CFileException when that fails.
    CFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Attributes
    HANDLE m_hFile;
    BOOL GetStatus(CFileStatus& rStatus) const;
    CString GetFileName() const; // name and extension only
    CString GetFilePath() const; // full path
    void SetFilePath(LPCTSTR lpszNewName);

    // Operations
    // FALSE (and pError filled in, when given) if the file cannot be opened.
    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL);
    static void PASCAL Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName);
    static void PASCAL Remove(LPCTSTR lpszFileName);
    static BOOL PASCAL GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus);

    DWORD SeekToEnd();
    void SeekToBegin();

    // Overridables
    virtual LONG Seek(LONG lOff, UINT nFrom);
    virtual void SetLength(DWORD dwNewLen);
    virtual DWORD GetLength() const;
    virtual DWORD GetPosition() const;
    // Returns the number of bytes read, fewer at the end of the file.
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual void Flush();
    virtual void Close();
    // Closes without throwing, after an error.
    virtual void Abort();

    // Implementation
  protected:
    [[noreturn]] void ThrowLastError() const;

    BOOL m_bCloseOnDelete;
    CString m_strFileName;
};

// MemFile.h brings SharedFile.h.
#include "MemFile.h"
#include "StdioFile.h"
