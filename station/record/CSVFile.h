// Reader and writer of the semicolon-separated profile file: fields in, fields out, records ended
// by CR LF. Owned by whoever reads or writes one file with it.
#pragma once
#include "afx.h"

class CCSVFile : public CObject
{
    // Construction
  public:
    // mode and decimal are accepted for the callers' sake; this file format needs neither.
    CCSVFile(int mode, char separator, char decimal, char replacement, LPCSTR extraSpecial = NULL);
    ~CCSVFile() override;
    CCSVFile(const CCSVFile&) = delete;
    CCSVFile& operator=(const CCSVFile&) = delete;

    // Operations
  public:
    // Opens for reading, or creates (truncating) for writing; a failure is shown to the user.
    BOOL Open(LPCSTR path, BOOL forWriting);
    // Ends the file; throws CFileException* when the last bytes cannot be written.
    void Close();
    // Closes without reporting anything.
    void Abort();

    // Writes one field (separator first unless at the start of a record); NULL ends the record.
    // Throws CFileException* when the file refuses the bytes.
    CCSVFile& operator<<(const char* field);
    // Reads one field. A field ends at the separator, at the end of its record (CR LF, a lone CR
    // or a lone LF) or at the end of the file.
    CCSVFile& operator>>(CString& field);
    // Reads the fields of the next record; empty lines are no records. FALSE at the end of the file.
    BOOL ReadRecord(CStringArray& fields);

    BOOL IsEndOfFile() const
    {
        return m_bEndOfFile;
    }
    BOOL IsEndOfRecord() const
    {
        return m_bEndOfRecord;
    }
    int GetRecordNumber() const
    {
        return m_nRecord;
    }

    // Implementation
  private:
    int ReadByte(); // -1 at the end of the file
    int PeekByte();

    CStringArray m_search;
    CStringArray m_replace;
    char m_separator;
    char m_replacement;
    CString m_special;
    CFile m_file;
    BOOL m_bOpen;
    BOOL m_bRecordStart;
    BOOL m_bRaw;
    int m_nRecord;
    BOOL m_bEndOfFile;
    BOOL m_bEndOfRecord;
    BYTE m_readBuffer[4096];
    UINT m_nReadPos;
    UINT m_nReadLength;
};
