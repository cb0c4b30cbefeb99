#include "ExcelSharedFormulaTable.h"

IMPLEMENT_DYNCREATE(CGXExcelSharedFormulaTable, CGXExcelTable)

namespace
{
// Sizes (token byte included) of the tokens below 0x20; 0: not walked.
const BYTE s_baseSizes[0x20] = {
    0, 5, 5, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, // 0x00-0x0F: tExp, tTbl, operators
    1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 2, 2, 3, 9, // 0x10-0x1F: tStr and tAttr sized apart
};
// Sizes of the classed tokens by their index (token & 0x1F); 0: not walked.
const BYTE s_classSizes[0x20] = {
    8, 3, 4, 5, 5, 9, 7, 7, 7, 3, 5, 9,  5, 9,  0, 0, // tArray .. tAreaN
    0, 0, 0, 0, 0, 0, 0, 0, 0, 7, 7, 11, 7, 11, 0, 0, // tNameX, tRef3d, tArea3d, tRefErr3d, tAreaErr3d
};
const BYTE TOKEN_STR = 0x17;
const BYTE TOKEN_ATTR = 0x19;
const BYTE ATTR_CHOOSE = 0x04;
const BYTE INDEX_REFN = 0x0C;
const BYTE INDEX_AREAN = 0x0D;
// The classed form of a relative token lies 8 below: tRefN to tRef, tAreaN to tArea.
const BYTE RELATIVE_TO_ABSOLUTE = 8;
const WORD ROW_RELATIVE = 0x8000;
const WORD COL_RELATIVE = 0x4000;
const WORD COL_FLAGS = 0xC000;
const long MAX_ROW = 65535;
const long MAX_COL = 255;

WORD GetWord(const BYTE* p)
{
    return (WORD)(p[0] | (p[1] << 8));
}

void PutWord(BYTE* p, WORD w)
{
    p[0] = (BYTE)w;
    p[1] = (BYTE)(w >> 8);
}

// One row and column pair of a relative token at p (row word) and q (column word), made the
// cell's: relative parts are signed offsets (16-bit rows, 8-bit columns).
BOOL Absolute(BYTE* pRow, BYTE* pCol, WORD nRow, WORD nCol)
{
    WORD wRow = GetWord(pRow), wCol = GetWord(pCol);
    long row = (wCol & ROW_RELATIVE) ? (long)nRow + (short)wRow : (long)wRow;
    long col = (wCol & COL_RELATIVE) ? (long)nCol + (signed char)(wCol & 0xFF) : (long)(wCol & 0x3FFF);
    if (row < 0 || row > MAX_ROW || col < 0 || col > MAX_COL)
        return FALSE;
    PutWord(pRow, (WORD)row);
    PutWord(pCol, (WORD)((wCol & COL_FLAGS) | col));
    return TRUE;
}

// The size of the token at p, 0 when it is unknown or runs past the end.
DWORD TokenSize(const BYTE* p, DWORD nLeft)
{
    BYTE t = p[0];
    DWORD nSize;
    if (t == TOKEN_STR)
        nSize = nLeft < 3 ? 0 : 3 + (DWORD)p[1] * ((p[2] & 1) ? 2 : 1);
    else if (t == TOKEN_ATTR)
        nSize = nLeft < 4 ? 0 : ((p[1] & ATTR_CHOOSE) ? 4 + 2 * ((DWORD)GetWord(p + 2) + 1) : 4);
    else if (t < 0x20)
        nSize = s_baseSizes[t];
    else if (t < 0x80)
        nSize = s_classSizes[t & 0x1F];
    else
        nSize = 0;
    return nSize <= nLeft ? nSize : 0;
}
} // namespace

CGXExcelSharedFormulaTable::CGXExcelSharedFormulaTable()
{
    // Entries are keyed by anchor, not by arrival: any key may be looked up.
    m_nEntriesRead = (DWORD)-1;
}

BOOL CGXExcelSharedFormulaTable::ExpandTokens(const BYTE* pTokens, WORD nTokens, WORD nRow, WORD nCol,
                                              std::vector<BYTE>& out)
{
    out.assign(pTokens, pTokens + nTokens);
    for (DWORD i = 0; i < nTokens;)
    {
        BYTE* p = out.data() + i;
        DWORD nSize = TokenSize(p, nTokens - i);
        if (nSize == 0)
        {
            out.clear();
            return FALSE;
        }
        if (p[0] >= 0x20 && p[0] < 0x80)
        {
            BYTE nIndex = p[0] & 0x1F;
            BOOL bOk = TRUE;
            if (nIndex == INDEX_REFN)
                bOk = Absolute(p + 1, p + 3, nRow, nCol);
            else if (nIndex == INDEX_AREAN)
                bOk = Absolute(p + 1, p + 5, nRow, nCol) && Absolute(p + 3, p + 7, nRow, nCol);
            if (!bOk)
            {
                out.clear();
                return FALSE;
            }
            if (nIndex == INDEX_REFN || nIndex == INDEX_AREAN)
                p[0] = (BYTE)(p[0] - RELATIVE_TO_ABSOLUTE);
        }
        i += nSize;
    }
    return TRUE;
}

BOOL CGXExcelSharedFormulaTable::ReadRecord(IStream* pStream, DWORD)
{
    sfStruct* pEntry = new sfStruct;
    try
    {
        CGXExcelFieldDesc head[7];
        head[0].SetWord(&pEntry->nFirstRow);
        head[1].SetWord(&pEntry->nLastRow);
        head[2].SetRaw(&pEntry->nFirstCol, 1);
        head[3].SetRaw(&pEntry->nLastCol, 1);
        head[4].SetBuffer(NULL, 1, TRUE); // reserved
        head[5].SetBuffer(NULL, 1, TRUE); // use count
        head[6].SetWord(&pEntry->nTokens);
        ReadFieldList(pStream, head, 7);
        pEntry->pTokens = new BYTE[pEntry->nTokens + 1]();
        CGXExcelFieldDesc tokens;
        tokens.SetBuffer(pEntry->pTokens, pEntry->nTokens);
        ReadFieldList(pStream, &tokens, 1);
    }
    catch (READSEEKEXCEP* pEx)
    {
        GXExCatchReadSeek(pEx);
        // Tokens not read completely must not be expanded.
        delete pEntry;
        return TRUE;
    }
    DWORD nKey = MakeKey(pEntry->nFirstRow, pEntry->nFirstCol);
    sfStruct* pOld = NULL;
    if (m_entries.Lookup(nKey, pOld))
        delete pOld;
    m_entries.SetAt(nKey, pEntry);
    return TRUE;
}

BOOL CGXExcelSharedFormulaTable::WriteRecords(IStream*, DWORD*, CGXGridParam**, DWORD)
{
    return TRUE;
}

void CGXExcelSharedFormulaTable::ResetTable()
{
    CGXExcelBaseTable<sfStruct, formulaStruct>::ResetTable();
    m_nEntriesRead = (DWORD)-1;
}

BOOL CGXExcelSharedFormulaTable::ApplyToStyle(DWORD nKey, formulaStruct*& pFormula)
{
    sfStruct* pEntry = NULL;
    if (pFormula == NULL || !LookupEntry(nKey, pEntry))
        return FALSE;
    std::vector<BYTE> tokens;
    if (!ExpandTokens(pEntry->pTokens, pEntry->nTokens, pFormula->nRow, pFormula->nCol, tokens))
        return FALSE;
    BYTE* pNew = new BYTE[tokens.size() + 1]();
    if (!tokens.empty())
        memcpy(pNew, tokens.data(), tokens.size());
    delete[] pFormula->pTokens;
    pFormula->pTokens = pNew;
    pFormula->nTokens = pEntry->nTokens;
    return TRUE;
}

BOOL CGXExcelSharedFormulaTable::HasSharedFormula(WORD nRow, WORD nCol)
{
    sfStruct* pEntry = NULL;
    return LookupEntry(MakeKey(nRow, nCol), pEntry);
}
