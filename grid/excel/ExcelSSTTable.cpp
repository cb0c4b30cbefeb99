#include "ExcelSSTTable.h"
#include "ExcelText.h"

IMPLEMENT_DYNCREATE(CGXExcelSSTTable, CGXExcelTable)

sstStruct::~sstStruct()
{
    for (DWORD i = 0; i < nUnique && pStrings != NULL; i++)
        delete[] pStrings[i].pText;
    delete[] pStrings;
}

namespace
{
// Option bits of a string.
const BYTE SST_WIDE = 0x01;
const BYTE SST_EXTENDED = 0x04;
const BYTE SST_RICH = 0x08;
// A string takes at least its count and option byte: a unique count beyond what the records can
// hold is damage and must not size the table.
const DWORD SST_MIN_STRING = 3;
} // namespace

BOOL CGXExcelSSTTable::ReadRecord(IStream* pStream, DWORD)
{
    sstStruct* pEntry = new sstStruct;
    try
    {
        SetBytesRead(0);
        CGXExcelFieldDesc counts[2];
        counts[0].SetDWord(&pEntry->nTotal);
        counts[1].SetDWord(&pEntry->nUnique);
        ReadFieldListContinued(pStream, counts, 2, this);
        DWORD nRoom = GetRecordLength() > GetBytesRead() ? GetRecordLength() - GetBytesRead() : 0;
        // Later CONTINUE records may hold more strings than this record has room for; allocate
        // as they are read, but never more than the count promises.
        DWORD nAlloc = pEntry->nUnique;
        if (nAlloc > nRoom / SST_MIN_STRING + 1024)
            nAlloc = nRoom / SST_MIN_STRING + 1024;
        pEntry->pStrings = new sstString[nAlloc]();
        DWORD nCapacity = nAlloc;
        for (DWORD i = 0; i < pEntry->nUnique; i++)
        {
            if (i == nCapacity)
            {
                DWORD nGrow = nCapacity * 2 < pEntry->nUnique ? nCapacity * 2 : pEntry->nUnique;
                sstString* pMore = new sstString[nGrow]();
                for (DWORD k = 0; k < nCapacity; k++)
                    pMore[k] = pEntry->pStrings[k];
                delete[] pEntry->pStrings;
                pEntry->pStrings = pMore;
                nCapacity = nGrow;
            }
            ReadString(pStream, pEntry->pStrings[i]);
            pEntry->nRead = i + 1;
        }
    }
    catch (READSEEKEXCEP* pEx)
    {
        GXExCatchReadSeek(pEx);
    }
    // Only what was read counts; the destructor frees exactly that.
    pEntry->nUnique = pEntry->nRead;
    AddEntry(pEntry);
    SetBytesRead(0);
    return TRUE;
}

void CGXExcelSSTTable::ReadString(IStream* pStream, sstString& s)
{
    CGXExcelFieldDesc head[2];
    head[0].SetWord(&s.nChars);
    head[1].SetRaw(&s.nOption, 1);
    ReadFieldListContinued(pStream, head, 2, this);
    DWORD nExtended = 0;
    CGXExcelFieldDesc extra[2];
    DWORD nExtra = 0;
    if (s.nOption & SST_RICH)
        extra[nExtra++].SetWord(&s.nRuns);
    if (s.nOption & SST_EXTENDED)
        extra[nExtra++].SetDWord(&nExtended);
    if (nExtra > 0)
        ReadFieldListContinued(pStream, extra, nExtra, this);
    s.pText = new WORD[s.nChars + 1]();
    CGXExcelFieldDesc tail[3];
    tail[0].SetText(s.pText, s.nChars, (s.nOption & SST_WIDE) != 0);
    tail[1].SetBuffer(NULL, 4 * (DWORD)s.nRuns, TRUE);
    tail[2].SetBuffer(NULL, nExtended, TRUE);
    ReadFieldListContinued(pStream, tail, 3, this);
}

BOOL CGXExcelSSTTable::WriteRecords(IStream*, DWORD*, CGXGridParam**, DWORD)
{
    return TRUE;
}

BOOL CGXExcelSSTTable::ApplyToStyle(DWORD nIndex, CGXStyle*& pStyle)
{
    sstStruct* pEntry = NULL;
    if (!LookupEntry(0, pEntry) || nIndex >= pEntry->nUnique)
        return FALSE;
    if (pStyle == NULL)
        pStyle = TakeObject();
    const sstString& s = pEntry->pStrings[nIndex];
    CString strText;
    if (GXExWideToAnsi(s.pText, s.nChars, strText))
        pStyle->SetValue(strText);
    return TRUE;
}
