// Field lists: how a workbook record body is read into the members of a table or handler. Each
// field names its target, its width in bytes and whether it is only passed over; reading copies
// the bytes raw (little-endian) in list order and counts them in the process-wide read counter.
#pragma once
#include "mfc/AfxCore.h"
#include <objidl.h>

class CGXExcelTable;

// Record type of a CONTINUE record, which carries on the body of the record before it.
const WORD GX_EXCEL_CONTINUE = 0x3C;

struct CGXExcelFieldDesc
{
    void* m_pTarget = NULL;
    DWORD m_nWidth = 0;
    DWORD m_nKind = 0;
    DWORD m_bSkip = 0;
    // For text fields: the characters are 16-bit (else 8-bit); a CONTINUE inside the text
    // switches it by its leading option byte.
    DWORD m_bWide = 0;

    enum
    {
        kindWord = 0,
        kindRk = 1,
        kindDWord = 3,
        kindXF = 4,
        kindText = 5,
        kindRaw = 6,
        kindBuffer = 7,
        kindDouble = 8
    };

    void SetWord(void* pTarget, BOOL bSkip = FALSE)
    {
        Set(pTarget, 2, kindWord, bSkip);
    }
    void SetRk(void* pTarget, BOOL bSkip = FALSE)
    {
        Set(pTarget, 4, kindRk, bSkip);
    }
    void SetDWord(void* pTarget, BOOL bSkip = FALSE)
    {
        Set(pTarget, 4, kindDWord, bSkip);
    }
    void SetXF(void* pTarget, BOOL bSkip = FALSE)
    {
        Set(pTarget, 2, kindXF, bSkip);
    }
    void SetBuffer(void* pTarget, DWORD nCount, BOOL bSkip = FALSE)
    {
        Set(pTarget, nCount, kindBuffer, bSkip);
    }
    void SetRaw(void* pTarget, DWORD nCount, BOOL bSkip = FALSE)
    {
        Set(pTarget, nCount, kindRaw, bSkip);
    }
    void SetDouble(void* pTarget, BOOL bSkip = FALSE)
    {
        Set(pTarget, 8, kindDouble, bSkip);
    }
    // nChars characters into nChars WORDs at pTarget; bWide: the text starts as 16-bit
    // characters. The width counts the bytes the text takes before any CONTINUE.
    void SetText(WORD* pTarget, DWORD nChars, BOOL bWide)
    {
        Set(pTarget, bWide ? 2 * nChars : nChars, kindText, FALSE);
        m_bWide = bWide ? 1 : 0;
    }

  private:
    void Set(void* pTarget, DWORD nWidth, DWORD nKind, BOOL bSkip)
    {
        m_pTarget = pTarget;
        m_nWidth = nWidth;
        m_nKind = nKind;
        m_bSkip = bSkip ? 1 : 0;
        m_bWide = 0;
    }
};

// A field read that failed: thrown as a pointer to a heap object; whoever catches it deletes it.
struct READSEEKEXCEP
{
    HRESULT m_hr;
    DWORD m_nField; // zero-based index in its list
};

// A field that would end past its record, or a read that delivered fewer bytes than asked.
const HRESULT GX_EXCEL_E_SHORTREAD = STG_E_READFAULT;

// Reads the fields in order. Raises READSEEKEXCEP for a failed read or seek, a short read, or a
// field past the read limit of the current record.
BOOL ReadFieldList(IStream* pStream, CGXExcelFieldDesc* pFields, DWORD nFields);

// The same for a record that may go on in CONTINUE records; the table keeps the bytes consumed of
// the current record and its length. A field that reaches past a record not followed by CONTINUE
// raises READSEEKEXCEP; a field ending exactly there ends the list quietly.
BOOL ReadFieldListContinued(IStream* pStream, CGXExcelFieldDesc* pFields, DWORD nFields,
                            CGXExcelTable* pTable);

// Deletes a caught READSEEKEXCEP.
void GXExCatchReadSeek(READSEEKEXCEP* pEx);
