// CGXExcelTable, the base of the tables that hold the workbook-global records (fonts, palette,
// XF, styles, formats, shared strings, sheets): each reads its record type, keeps the entries in
// order of arrival and writes its records when a workbook is saved.
#pragma once
#include "mfc/Object.h"
#include "ExcelFieldList.h"

class CGXGridParam;
class CGXStyle;

class CGXExcelTable : public CObject
{
    DECLARE_DYNAMIC(CGXExcelTable)

  public:
    // Construction
    CGXExcelTable() = default;

    // Attributes
    // Bytes consumed of the current record (continued records included) and its length.
    void SetBytesRead(DWORD n)
    {
        m_nBytesRead = n;
    }
    DWORD GetBytesRead() const
    {
        return m_nBytesRead;
    }
    void SetRecordLength(DWORD n)
    {
        m_nRecordLength = n;
        m_bContinueStart = FALSE;
    }
    DWORD GetRecordLength() const
    {
        return m_nRecordLength;
    }
    // Set while the stream stands at the start of a CONTINUE body that a field ending exactly at
    // its record's end led into: a text field then starts with the option byte.
    BOOL m_bContinueStart = FALSE;

    // Overridables
    // Reads one record; nKey is the entry key of the shared-formula table.
    virtual BOOL ReadRecord(IStream* pStream, DWORD nKey) = 0;
    // Writes the table's records; ppParams holds the parameter object of each sheet ordinal.
    virtual BOOL WriteRecords(IStream* pStream, DWORD* pTotal, CGXGridParam** ppParams, DWORD nSheets) = 0;
    virtual DWORD GetCount() = 0;
    virtual void ResetTable() = 0;
    // Applies entry nIndex to a style (made when pStyle is NULL) for the tables whose entries
    // apply to styles; FALSE for the others. Tables reach each other's entries through it.
    virtual BOOL ApplyStyleEntry(DWORD nIndex, CGXStyle*& pStyle);
    // The number format the format table writes for a style's value format; 0 elsewhere.
    virtual UINT GetBuiltInFormatIndex(const CGXStyle& style);
    virtual void LogText(LPCTSTR pszText);
    virtual void LogFormat1(LPCTSTR pszFormat, DWORD nValue);
    virtual void LogFormat2(LPCTSTR pszFormat, DWORD nValue);

  protected:
    DWORD m_nBytesRead = 0;
    DWORD m_nRecordLength = 0;
};

// Resets a table as the table map's ResetAll does.
inline void GXExResetMapEntry(CGXExcelTable* pTable)
{
    pTable->ResetTable();
}
