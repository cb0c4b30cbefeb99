#include "ExcelBoundSheetTable.h"
#include "ExcelHandler.h"
#include "ExcelText.h"
#include "grid/core/GridParam.h"
#include <vector>

IMPLEMENT_DYNCREATE(CGXExcelBoundSheetTable, CGXExcelTable)

namespace
{
// Excel refuses longer sheet names and these characters in them.
const int MAX_SHEET_NAME = 31;
const char s_szRefused[] = "[]:*?/\\";
// Record header and the fixed part of the body.
const DWORD BOUNDSHEET_HEADER = 4;
const DWORD BOUNDSHEET_FIXED = 8;

// The name's characters as written: 8-bit when every byte is below 0x80, else UTF-16 (option 1),
// since other readers take 8-bit names as Latin-1, not as the program's code page.
std::vector<BYTE> NameCharacters(const CString& strName, BYTE& nOption)
{
    std::vector<BYTE> bytes;
    BOOL bAscii = TRUE;
    for (int i = 0; i < strName.GetLength(); i++)
        bAscii = bAscii && (BYTE)strName[i] < 0x80;
    nOption = bAscii ? 0 : 1;
    if (bAscii)
        return std::vector<BYTE>((LPCSTR)strName, (LPCSTR)strName + strName.GetLength());
    for (WORD ch : GXExAnsiToWide(strName))
    {
        bytes.push_back((BYTE)ch);
        bytes.push_back((BYTE)(ch >> 8));
    }
    return bytes;
}
} // namespace

CString CGXExcelBoundSheetTable::GetSheetNameToWrite(const CGXGridParam* pParam, DWORD nSheet)
{
    CString strName = pParam != NULL ? pParam->m_sSheetName : CString();
    if (strName.IsEmpty())
        strName = GXExDefaultSheetName(nSheet + 1);
    if (strName.GetLength() > MAX_SHEET_NAME)
        strName = strName.Left(MAX_SHEET_NAME);
    for (const char* p = s_szRefused; *p != 0; p++)
        strName.Replace(*p, '_');
    return strName;
}

BOOL CGXExcelBoundSheetTable::ReadRecord(IStream* pStream, DWORD)
{
    BoundSheetStruct* pEntry = new BoundSheetStruct;
    try
    {
        CGXExcelFieldDesc head[4];
        head[0].SetDWord(&pEntry->nBOFPosition);
        head[1].SetWord(&pEntry->nOptions);
        head[2].SetRaw(&pEntry->nNameLength, 1);
        head[3].SetRaw(&pEntry->nNameOption, 1);
        ReadFieldList(pStream, head, 4);
        std::vector<WORD> wide(pEntry->nNameLength + 1, 0);
        CGXExcelFieldDesc name;
        name.SetText(wide.data(), pEntry->nNameLength, (pEntry->nNameOption & 1) != 0);
        ReadFieldList(pStream, &name, 1);
        CString strName;
        if ((pEntry->nNameOption & 1) == 0)
        {
            // 8-bit names are kept as their bytes.
            for (int i = 0; i < pEntry->nNameLength; i++)
                strName += (char)wide[i];
        }
        else
            GXExWideToAnsi(wide.data(), pEntry->nNameLength, strName);
        pEntry->pszName = new char[strName.GetLength() + 1];
        memcpy(pEntry->pszName, (LPCSTR)strName, strName.GetLength() + 1);
    }
    catch (READSEEKEXCEP* pEx)
    {
        GXExCatchReadSeek(pEx);
    }
    AddEntry(pEntry);
    return TRUE;
}

BOOL CGXExcelBoundSheetTable::WriteRecords(IStream* pStream, DWORD* pTotal, CGXGridParam** ppParams,
                                           DWORD nSheets)
{
    if (ppParams == NULL)
        throw gxExcelErrNoParam;
    if (m_bSizingPass)
    {
        ULARGE_INTEGER pos;
        LARGE_INTEGER zero;
        zero.QuadPart = 0;
        if (FAILED(pStream->Seek(zero, STREAM_SEEK_CUR, &pos)))
            throw gxExcelErrWrite;
        m_nDirectoryPosition = (DWORD)pos.QuadPart;
        DWORD nSum = 0;
        BYTE nOption;
        for (DWORD i = 0; i < nSheets; i++)
            nSum += BOUNDSHEET_HEADER + BOUNDSHEET_FIXED +
                    (DWORD)NameCharacters(GetSheetNameToWrite(ppParams[i], i), nOption).size();
        LARGE_INTEGER move;
        move.QuadPart = nSum;
        if (FAILED(pStream->Seek(move, STREAM_SEEK_CUR, NULL)))
            throw gxExcelErrWrite;
        if (pTotal != NULL)
            *pTotal += nSum;
        m_bSizingPass = 0;
        return TRUE;
    }
    LARGE_INTEGER start;
    start.QuadPart = m_nDirectoryPosition;
    if (FAILED(pStream->Seek(start, STREAM_SEEK_SET, NULL)))
        throw gxExcelErrWrite;
    for (DWORD i = 0; i < nSheets; i++)
    {
        BYTE nOption;
        std::vector<BYTE> chars = NameCharacters(GetSheetNameToWrite(ppParams[i], i), nOption);
        DWORD nLength = (DWORD)chars.size();
        DWORD nBOF = i < (DWORD)m_aBOFPositions.GetSize() ? m_aBOFPositions[i] : 0;
        std::vector<BYTE> rec(BOUNDSHEET_HEADER + BOUNDSHEET_FIXED + nLength, 0);
        rec[0] = (BYTE)GX_EXCEL_BOUNDSHEET;
        rec[1] = (BYTE)(GX_EXCEL_BOUNDSHEET >> 8);
        rec[2] = (BYTE)(BOUNDSHEET_FIXED + nLength);
        rec[3] = (BYTE)((BOUNDSHEET_FIXED + nLength) >> 8);
        for (int b = 0; b < 4; b++)
            rec[4 + b] = (BYTE)(nBOF >> (8 * b));
        // Options 0 (a visible worksheet), the length in characters, the name option.
        rec[10] = (BYTE)(nOption ? nLength / 2 : nLength);
        rec[11] = nOption;
        memcpy(rec.data() + 12, chars.data(), nLength);
        GXExWriteBytes(pStream, rec.data(), (ULONG)rec.size(), pTotal);
    }
    m_bSizingPass = 1;
    return TRUE;
}

void CGXExcelBoundSheetTable::ResetTable()
{
    CGXExcelBaseTable<BoundSheetStruct, CString>::ResetTable();
    m_aBOFPositions.RemoveAll();
    m_bSizingPass = 1;
}

BOOL CGXExcelBoundSheetTable::ApplyToStyle(DWORD nIndex, CString*& pName)
{
    BoundSheetStruct* pEntry = NULL;
    if (!LookupEntry(nIndex, pEntry))
        return FALSE;
    if (pName == NULL)
        pName = TakeObject();
    *pName = pEntry->pszName != NULL ? pEntry->pszName : "";
    return TRUE;
}
