// CStdioFile: a file through the C runtime's stream, in text mode ("\n" on our side, CR LF in
// the file) unless opened with typeBinary. Owns the stream it opened.
//
// Differences from MFC:
// - ReadString into a CString reads lines of any length.
#pragma once
#include "File.h"
#include <stdio.h>

class CStdioFile : public CFile
{
    DECLARE_DYNAMIC(CStdioFile)

  public:
    // Construction
    CStdioFile();
    // Takes over an open stream without owning it.
    explicit CStdioFile(FILE* pOpenStream);
    // Opens the file; throws CFileException when that fails.
    CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    ~CStdioFile() override;

    // Attributes
    FILE* m_pStream;

    // Operations
    // Writes the text as it is (no newline is added).
    virtual void WriteString(LPCTSTR lpsz);
    // Reads up to nMax - 1 characters of a line, keeping its "\n"; NULL at the end of the file.
    virtual LPTSTR ReadString(LPTSTR lpsz, UINT nMax);
    // Reads one line without its "\n"; FALSE at the end of the file.
    virtual BOOL ReadString(CString& rString);

    // Overridables
    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL) override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    LONG Seek(LONG lOff, UINT nFrom) override;
    DWORD GetPosition() const override;
    DWORD GetLength() const override;
    void SetLength(DWORD dwNewLen) override;
    void Flush() override;
    void Close() override;
    void Abort() override;
};
