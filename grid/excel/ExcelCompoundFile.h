// CGXExcelCompoundFile: reads one stream of a compound file (the published structured-storage
// format) from the file's bytes in memory. The platform's storage reads a workbook sector by
// sector; read whole, a workbook of a million cells is in memory at once. Anything it does not
// find well-formed it declines, and the caller opens the file through the platform instead.
#pragma once
#include "mfc/AfxCore.h"
#include <vector>

class CGXExcelCompoundFile
{
  public:
    // Construction
    CGXExcelCompoundFile() = default;
    CGXExcelCompoundFile(const CGXExcelCompoundFile&) = delete;
    CGXExcelCompoundFile& operator=(const CGXExcelCompoundFile&) = delete;

    // Operations
    // Reads the file; FALSE when it cannot be read or is no compound file.
    BOOL Open(LPCTSTR pszPath);
    // The bytes of the stream of that name (compared without case) directly in the root
    // storage; FALSE when there is none or its sectors are not well-formed.
    BOOL ReadStream(LPCWSTR pszName, std::vector<BYTE>& bytes) const;

  private:
    DWORD DWordAt(size_t nOffset) const;
    // The bytes of regular sector n, or NULL when the file does not hold it.
    const BYTE* Sector(DWORD n) const;
    // Follows a chain of the allocation table (nStart, then each next entry) and appends
    // nSize bytes of units of nUnit bytes given by fetch; FALSE on a broken or looping chain.
    BOOL ReadChain(const std::vector<DWORD>& table, DWORD nStart, DWORD nSize, DWORD nUnit, BOOL bMini,
                   std::vector<BYTE>& bytes) const;

    std::vector<BYTE> m_file;
    DWORD m_nSectorSize = 512;
    DWORD m_nMiniSize = 64;
    DWORD m_nMiniCutoff = 4096;
    std::vector<DWORD> m_fat, m_miniFat;
    std::vector<BYTE> m_directory; // 128 bytes an entry
    std::vector<BYTE> m_miniStream;
};
