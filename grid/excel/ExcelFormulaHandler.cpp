#include "ExcelFormulaHandler.h"
#include "ExMapHolder.h"
#include "ExcelFormulaTokens.h"
#include "ExcelHandlerSupport.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/formula/FormulaSheet.h"
#include <string.h>

IMPLEMENT_DYNCREATE(CGXExcelFormulaHandler, CGXExcelHandler)

namespace
{
const WORD OPTION_SHARED = 0x08;
const BYTE TOKEN_EXP = 0x01;
const int EXP_SIZE = 5;

// Kinds of the result field: a double unless bytes 6 and 7 are 0xFF; then byte 0 tells.
enum
{
    resultText = 0,
    resultBoolean = 1,
    resultError = 2,
    resultEmptyText = 3
};

BOOL IsMarked(const BYTE* pResult)
{
    return pResult[6] == 0xFF && pResult[7] == 0xFF;
}

// The file's error codes and their texts.
struct ErrorText
{
    BYTE nCode;
    const char* pszText;
};
const ErrorText s_aErrors[] = {{0x00, "#NULL!"}, {0x07, "#DIV/0!"}, {0x0F, "#VALUE!"}, {0x17, "#REF!"},
                               {0x1D, "#NAME?"}, {0x24, "#NUM!"},   {0x2A, "#N/A"}};

WORD WordAt(const BYTE* p)
{
    return (WORD)(p[0] | (p[1] << 8));
}

BOOL SeekTo(IStream* pStream, ULONGLONG nPos)
{
    LARGE_INTEGER li;
    li.QuadPart = (LONGLONG)nPos;
    return SUCCEEDED(pStream->Seek(li, STREAM_SEEK_SET, NULL));
}

BOOL ReadExactly(IStream* pStream, void* p, ULONG n)
{
    ULONG nRead = 0;
    return SUCCEEDED(pStream->Read(p, n, &nRead)) && nRead == n;
}
} // namespace

CGXExcelFormulaHandler::~CGXExcelFormulaHandler()
{
    delete[] m_formula.pTokens;
}

void CGXExcelFormulaHandler::ResetRecord()
{
    delete[] m_formula.pTokens;
    m_formula = formulaStruct();
    m_bTokensComplete = FALSE;
    m_strCachedText.Empty();
}

BOOL CGXExcelFormulaHandler::ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength)
{
    ResetRecord();
    CGXExcelFieldDesc head[7];
    head[0].SetWord(&m_formula.nRow);
    head[1].SetWord(&m_formula.nCol);
    head[2].SetXF(&m_formula.nXF);
    head[3].SetBuffer(m_formula.result, sizeof(m_formula.result));
    head[4].SetWord(&m_formula.nOptions);
    head[5].SetDWord(&m_formula.nChain);
    head[6].SetWord(&m_formula.nTokens);
    ReadFieldList(pStream, head, 7);

    m_formula.pTokens = new BYTE[m_formula.nTokens + 1]();
    m_bTokensComplete = TRUE;
    if (m_formula.nTokens > 0)
    {
        CGXExcelFieldDesc tokens;
        tokens.SetBuffer(m_formula.pTokens, m_formula.nTokens);
        try
        {
            ReadFieldList(pStream, &tokens, 1);
        }
        catch (READSEEKEXCEP* pEx)
        {
            // The record is applied all the same; its cached result stands for the formula.
            GXExCatchReadSeek(pEx);
            m_bTokensComplete = FALSE;
        }
    }

    // A shared formula names its anchor cell; its tokens come from the shared-formula table.
    CGXExcelSharedFormulaTable* pTable = NULL;
    DWORD nKey = 0;
    if (m_bTokensComplete && (m_formula.nOptions & OPTION_SHARED) && m_formula.nTokens >= EXP_SIZE &&
        m_formula.pTokens[0] == TOKEN_EXP)
    {
        WORD nAnchorRow = WordAt(m_formula.pTokens + 1), nAnchorCol = WordAt(m_formula.pTokens + 3);
        nKey = CGXExcelSharedFormulaTable::MakeKey(nAnchorRow, nAnchorCol);
        pTable = dynamic_cast<CGXExcelSharedFormulaTable*>(GXExFindTable(GX_EXCEL_SHRFMLA));
        ReadFollowingRecords(
            pStream, nLength,
            pTable != NULL && !pTable->HasSharedFormula(nAnchorRow, nAnchorCol) ? pTable : NULL, nKey);
        formulaStruct* pFormula = &m_formula;
        if (pTable != NULL)
            pTable->ApplyToStyle(nKey, pFormula);
    }
    else
        ReadFollowingRecords(pStream, nLength, NULL, 0);
    return CGXExcelHandler::ReadRecord(pStream, target, nLength);
}

void CGXExcelFormulaHandler::ReadFollowingRecords(IStream* pStream, DWORD nLength,
                                                  CGXExcelSharedFormulaTable* pTable, DWORD nKey)
{
    BOOL bText = IsMarked(m_formula.result) && m_formula.result[0] == resultText;
    if (!bText && pTable == NULL)
        return;
    LARGE_INTEGER zero = {};
    ULARGE_INTEGER start;
    if (FAILED(pStream->Seek(zero, STREAM_SEEK_CUR, &start)))
        return;
    DWORD nCount = GXExGetReadCount(), nLimit = GXExGetReadLimit();
    DWORD nBody = nLength >= 4 ? nLength - 4 : 0;
    ULONGLONG nPos = start.QuadPart + (nBody > nCount ? nBody - nCount : 0);
    // The file places SHRFMLA (or ARRAY, TABLE) directly after the FORMULA, then the STRING.
    for (int i = 0; i < 3; i++)
    {
        BYTE header[4];
        if (!SeekTo(pStream, nPos) || !ReadExactly(pStream, header, sizeof(header)))
            break;
        WORD nType = WordAt(header), nBodyLength = WordAt(header + 2);
        if (nType == GX_EXCEL_SHRFMLA)
        {
            if (pTable != NULL)
            {
                GXExSetReadCount(0);
                GXExSetReadLimit(nBodyLength);
                pTable->SetRecordLength(nBodyLength);
                pTable->ReadRecord(pStream, nKey);
                pTable = NULL;
            }
        }
        else if (nType == GX_EXCEL_STRING)
        {
            std::vector<BYTE> body(nBodyLength);
            if (bText && nBodyLength >= 3 && ReadExactly(pStream, body.data(), nBodyLength))
            {
                WORD nChars = WordAt(body.data());
                BYTE nOption = body[2];
                DWORD nBytes = (DWORD)nChars * ((nOption & 1) ? 2 : 1);
                if (3 + nBytes <= nBodyLength)
                    m_strCachedText = GXBiffCharsToText(body.data() + 3, nChars, nOption);
            }
            break;
        }
        else if (nType != GX_EXCEL_ARRAY && nType != GX_EXCEL_TABLEOP)
            break;
        nPos += 4 + nBodyLength;
    }
    SeekTo(pStream, start.QuadPart);
    GXExSetReadCount(nCount);
    GXExSetReadLimit(nLimit);
}

BOOL CGXExcelFormulaHandler::WriteRecord(IStream* pStream, gxexpointer target, DWORD* pTotal, DWORD nSheet)
{
    if (target.m_nKind != 2)
        throw gxExcelErrBadTarget;
    return CGXExcelHandler::WriteRecord(pStream, target, pTotal, nSheet);
}

void CGXExcelFormulaHandler::SetCachedValue(CGXStyle& style) const
{
    const BYTE* p = m_formula.result;
    if (!IsMarked(p))
    {
        double d;
        memcpy(&d, p, sizeof(d));
        GXExSetNumberValue(&style, d);
        return;
    }
    switch (p[0])
    {
    case resultText:
        if (!m_strCachedText.IsEmpty())
            style.SetValue(m_strCachedText);
        break;
    case resultBoolean:
        style.SetNumberValue(p[2] ? 1 : 0);
        break;
    case resultError:
        for (const ErrorText& e : s_aErrors)
            if (e.nCode == p[2])
                style.SetValue(e.pszText);
        break;
    }
}

BOOL CGXExcelFormulaHandler::ApplyToGrid(CGXGridCore* pGrid, DWORD)
{
    if (pGrid == NULL || pGrid->GetParam() == NULL)
        return TRUE;
    pGrid->EnableFormulaEngine();
    GXCreateDefaultWorksheetFunctions();
    CGXGridParam* pParam = pGrid->GetParam();
    CGXData* pData = pParam->GetData();
    CGXFormulaSheet* pSheet = dynamic_cast<CGXFormulaSheet*>(pData);
    if (pSheet == NULL)
    {
        pSheet = new CGXFormulaSheet;
        if (pData != NULL)
            pSheet->CopyFrom(*pData);
        pParam->SetDataObject(pSheet, TRUE);
        pSheet->InitParamObject(pParam);
    }

    BOOL bStored = m_bTokensComplete && GXApplyFormulaTokens(m_formula, pGrid);
    if (!bStored)
        LogFormat1(_T("Formula kept as its value, row %u\n"), m_formula.nRow);

    CGXStyle* pStyle = pGrid->CreateStyle();
    GXExApplyXF(m_formula.nXF, pStyle);
    if (!bStored)
        SetCachedValue(*pStyle);
    if (!pStyle->IsEmpty())
        GXExStoreCellStyle(pGrid, m_formula.nRow, m_formula.nCol, pStyle);
    else
        pGrid->RecycleStyle(pStyle);
    return TRUE;
}
