// CMemFile: a file in a block of memory that grows as it is written. It owns the block it
// allocated; a block given to it by Attach stays the caller's unless Detach hands it back.
//
// Differences from MFC:
// - Open returns FALSE; a memory file has no name, handle or time stamps.
// - Growing beyond a buffer given by Attach copies it into memory of the file's own; the
//   caller's buffer is never passed to realloc.
#pragma once
#include "File.h"

class CMemFile : public CFile
{
    DECLARE_DYNAMIC(CMemFile)

  public:
    // Construction
    // Memory grows in steps of nGrowBytes.
    explicit CMemFile(UINT nGrowBytes = 1024);
    // Works on lpBuffer; nGrowBytes 0 keeps the file within nBufferSize bytes.
    CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    ~CMemFile() override;

    // Operations
    // The file then holds nBufferSize bytes (nGrowBytes 0) or is empty and grows in lpBuffer.
    void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    // Returns the memory, which now belongs to the caller (call GetLength first).
    BYTE* Detach();

    // Overridables
    DWORD GetPosition() const override;
    LONG Seek(LONG lOff, UINT nFrom) override;
    void SetLength(DWORD dwNewLen) override;
    DWORD GetLength() const override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    void Flush() override;
    void Close() override;
    void Abort() override;
    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL) override;

  protected:
    // Memory management, replaced by CSharedFile.
    virtual BYTE* Alloc(SIZE_T nBytes);
    virtual BYTE* Realloc(BYTE* lpMem, SIZE_T nBytes);
    virtual BYTE* Memcpy(BYTE* lpMemTarget, const BYTE* lpMemSource, SIZE_T nBytes);
    virtual void Free(BYTE* lpMem);
    // Makes the buffer hold at least dwNewLen bytes; throws CMemoryException if it cannot.
    virtual void GrowFile(SIZE_T dwNewLen);

    // Implementation
    UINT m_nGrowBytes;
    SIZE_T m_nPosition;
    SIZE_T m_nBufferSize;
    SIZE_T m_nFileSize;
    BYTE* m_lpBuffer;
    BOOL m_bAutoDelete; // the buffer was allocated here and is freed here
};

#include "SharedFile.h"
