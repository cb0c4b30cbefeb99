#include "ExcelFieldList.h"
#include "ExcelHandler.h"
#include "ExcelTable.h"
#include <vector>

namespace
{
[[noreturn]] void ThrowReadSeek(HRESULT hr, DWORD nField)
{
    READSEEKEXCEP* pEx = new READSEEKEXCEP;
    pEx->m_hr = hr;
    pEx->m_nField = nField;
    throw pEx;
}

// Reads nBytes to pTarget (or passes them over with bSkip) and counts them as consumed.
void ReadPart(IStream* pStream, void* pTarget, DWORD nBytes, BOOL bSkip, DWORD nField)
{
    if (nBytes == 0)
        return;
    if (bSkip || pTarget == NULL)
    {
        LARGE_INTEGER move;
        move.QuadPart = (LONGLONG)(LONG)nBytes;
        HRESULT hr = pStream->Seek(move, STREAM_SEEK_CUR, NULL);
        if (FAILED(hr))
            ThrowReadSeek(hr, nField);
        GXExSetReadCount(GXExGetReadCount() + nBytes);
        return;
    }
    ULONG nRead = 0;
    HRESULT hr = pStream->Read(pTarget, nBytes, &nRead);
    if (FAILED(hr))
        ThrowReadSeek(hr, nField);
    GXExSetReadCount(GXExGetReadCount() + nRead);
    if (nRead < nBytes)
        ThrowReadSeek(GX_EXCEL_E_SHORTREAD, nField);
}

// nChars characters of the given width into WORDs at pTarget.
void ReadChars(IStream* pStream, WORD* pTarget, DWORD nChars, BOOL bWide, DWORD nField)
{
    if (bWide)
    {
        ReadPart(pStream, pTarget, 2 * nChars, FALSE, nField);
        return;
    }
    std::vector<BYTE> narrow(nChars);
    ReadPart(pStream, narrow.data(), nChars, FALSE, nField);
    for (DWORD i = 0; i < nChars; i++)
        pTarget[i] = narrow[i];
}

// A little-endian WORD straight from the stream, outside any field.
WORD ReadWord(IStream* pStream, DWORD nField)
{
    BYTE b[2];
    ULONG nRead = 0;
    HRESULT hr = pStream->Read(b, 2, &nRead);
    if (FAILED(hr))
        ThrowReadSeek(hr, nField);
    if (nRead < 2)
        ThrowReadSeek(GX_EXCEL_E_SHORTREAD, nField);
    return (WORD)(b[0] | (b[1] << 8));
}

BYTE ReadByte(IStream* pStream, DWORD nField)
{
    BYTE b = 0;
    ULONG nRead = 0;
    HRESULT hr = pStream->Read(&b, 1, &nRead);
    if (FAILED(hr))
        ThrowReadSeek(hr, nField);
    if (nRead < 1)
        ThrowReadSeek(GX_EXCEL_E_SHORTREAD, nField);
    return b;
}

// Enters the CONTINUE record that must follow the current one.
void EnterContinue(IStream* pStream, CGXExcelTable* pTable, DWORD nField)
{
    WORD nType = ReadWord(pStream, nField);
    WORD nLength = ReadWord(pStream, nField);
    if (nType != GX_EXCEL_CONTINUE)
        ThrowReadSeek(GX_EXCEL_E_SHORTREAD, nField);
    pTable->SetRecordLength(nLength);
    pTable->SetBytesRead(0);
}

// After a field that ended exactly at its record's end: FALSE (stream left at the next record's
// header) when no CONTINUE follows.
BOOL FollowContinue(IStream* pStream, CGXExcelTable* pTable, DWORD nField)
{
    BYTE b[2] = {0, 0};
    ULONG nRead = 0;
    HRESULT hr = pStream->Read(b, 2, &nRead);
    if (FAILED(hr))
        ThrowReadSeek(hr, nField);
    if (nRead < 2 || (WORD)(b[0] | (b[1] << 8)) != GX_EXCEL_CONTINUE)
    {
        // The stream may end here: step back over what was read.
        LARGE_INTEGER back;
        back.QuadPart = -(LONGLONG)nRead;
        hr = pStream->Seek(back, STREAM_SEEK_CUR, NULL);
        if (FAILED(hr))
            ThrowReadSeek(hr, nField);
        return FALSE;
    }
    pTable->SetRecordLength(ReadWord(pStream, nField));
    pTable->SetBytesRead(0);
    pTable->m_bContinueStart = TRUE;
    return TRUE;
}

DWORD Remaining(const CGXExcelTable* pTable)
{
    return pTable->GetRecordLength() > pTable->GetBytesRead()
               ? pTable->GetRecordLength() - pTable->GetBytesRead()
               : 0;
}

// A text field: each CONTINUE it crosses starts with an option byte that gives the width of the
// characters after it.
void ReadTextContinued(IStream* pStream, const CGXExcelFieldDesc& f, CGXExcelTable* pTable, DWORD nField)
{
    BOOL bWide = f.m_bWide;
    DWORD nChars = bWide ? f.m_nWidth / 2 : f.m_nWidth;
    WORD* pTarget = static_cast<WORD*>(f.m_pTarget);
    if (nChars == 0)
        return;
    if (pTable->m_bContinueStart)
    {
        bWide = ReadByte(pStream, nField) & 1;
        pTable->SetBytesRead(1);
        pTable->m_bContinueStart = FALSE;
    }
    DWORD nDone = 0;
    for (;;)
    {
        DWORD nAvail = bWide ? Remaining(pTable) / 2 : Remaining(pTable);
        DWORD nTake = nChars - nDone < nAvail ? nChars - nDone : nAvail;
        ReadChars(pStream, pTarget + nDone, nTake, bWide, nField);
        pTable->SetBytesRead(pTable->GetBytesRead() + (bWide ? 2 * nTake : nTake));
        nDone += nTake;
        if (nDone == nChars)
            return;
        // Characters never straddle a record: what is left must be nothing.
        if (Remaining(pTable) != 0)
            ThrowReadSeek(GX_EXCEL_E_SHORTREAD, nField);
        EnterContinue(pStream, pTable, nField);
        bWide = ReadByte(pStream, nField) & 1;
        pTable->SetBytesRead(1);
    }
}

// Any other field: bytes split across CONTINUE records are raw, without option byte.
void ReadBytesContinued(IStream* pStream, const CGXExcelFieldDesc& f, CGXExcelTable* pTable, DWORD nField)
{
    BYTE* pTarget = static_cast<BYTE*>(f.m_pTarget);
    DWORD nDone = 0;
    for (;;)
    {
        DWORD nRemaining = Remaining(pTable);
        DWORD nTake = f.m_nWidth - nDone < nRemaining ? f.m_nWidth - nDone : nRemaining;
        ReadPart(pStream, pTarget == NULL ? NULL : pTarget + nDone, nTake, f.m_bSkip, nField);
        pTable->SetBytesRead(pTable->GetBytesRead() + nTake);
        nDone += nTake;
        if (nTake > 0)
            pTable->m_bContinueStart = FALSE;
        if (nDone == f.m_nWidth)
            return;
        EnterContinue(pStream, pTable, nField);
    }
}
} // namespace

BOOL ReadFieldList(IStream* pStream, CGXExcelFieldDesc* pFields, DWORD nFields)
{
    for (DWORD i = 0; i < nFields; i++)
    {
        const CGXExcelFieldDesc& f = pFields[i];
        DWORD nLimit = GXExGetReadLimit();
        DWORD nCount = GXExGetReadCount();
        if (nLimit != 0xFFFFFFFF && (nCount > nLimit || f.m_nWidth > nLimit - nCount))
            ThrowReadSeek(GX_EXCEL_E_SHORTREAD, i);
        if (f.m_nKind == CGXExcelFieldDesc::kindText && !f.m_bSkip)
            ReadChars(pStream, static_cast<WORD*>(f.m_pTarget), f.m_bWide ? f.m_nWidth / 2 : f.m_nWidth,
                      f.m_bWide, i);
        else
            ReadPart(pStream, f.m_nKind > CGXExcelFieldDesc::kindDouble ? NULL : f.m_pTarget, f.m_nWidth,
                     f.m_bSkip, i);
    }
    return TRUE;
}

BOOL ReadFieldListContinued(IStream* pStream, CGXExcelFieldDesc* pFields, DWORD nFields,
                            CGXExcelTable* pTable)
{
    for (DWORD i = 0; i < nFields; i++)
    {
        const CGXExcelFieldDesc& f = pFields[i];
        if (f.m_nKind == CGXExcelFieldDesc::kindText && !f.m_bSkip)
            ReadTextContinued(pStream, f, pTable, i);
        else
            ReadBytesContinued(pStream, f, pTable, i);
        if (f.m_nWidth > 0 && Remaining(pTable) == 0 && !FollowContinue(pStream, pTable, i))
            return TRUE;
    }
    return TRUE;
}

void GXExCatchReadSeek(READSEEKEXCEP* pEx)
{
    delete pEx;
}
