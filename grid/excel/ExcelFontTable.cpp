#include "ExcelFontTable.h"
#include "ExcelColorTable.h"
#include "ExcelHandler.h"
#include "ExcelSheetStyles.h"
#include "ExMapHolder.h"
#include "grid/core/GridParam.h"
#include "grid/core/StylesMap.h"
#include "grid/core/SysColorTable.h"

IMPLEMENT_DYNCREATE(CGXExcelFontTable, CGXExcelTable)

namespace
{
// Face names of a LOGFONT hold 31 characters and the terminator.
const int kMaxFaceBytes = LF_FACESIZE - 1;
} // namespace

CGXExcelFontIndex::CGXExcelFontIndex(const CGXStyle& style, DWORD nDisc) : nDiscriminator(nDisc)
{
    CGXFont font;
    style.GetFont(font);
    nDescription = (((ULONGLONG)font.GetDescriptionWord2() << 32) | font.GetDescriptionWord1()) >> 1;
    crText = style.GetInclude(CGXStyle::ibTextColor) ? style.GetTextColor() : 0;
}

BOOL CGXExcelFontTable::ReadRecord(IStream* pStream, DWORD)
{
    return ReadEntry([&](fontStruct& e) {
        CGXExcelFieldDesc f[11];
        f[0].SetWord(&e.nHeight);
        f[1].SetWord(&e.nOptions);
        f[2].SetWord(&e.nColor);
        f[3].SetWord(&e.nWeight);
        f[4].SetWord(&e.nEscapement);
        f[5].SetRaw(&e.nUnderline, 1);
        f[6].SetRaw(&e.nFamily, 1);
        f[7].SetRaw(&e.nCharSet, 1);
        f[8].SetRaw(&e.nReserved, 1);
        f[9].SetRaw(&e.nNameLength, 1);
        f[10].SetRaw(&e.nStringOption, 1);
        ReadFieldList(pStream, f, 11);
        e.name.assign(e.nNameLength, 0);
        CGXExcelFieldDesc name;
        name.SetText(e.name.data(), e.nNameLength, e.nStringOption & 1);
        ReadFieldList(pStream, &name, 1);
    });
}

BOOL CGXExcelFontTable::ApplyToStyle(DWORD nIndex, CGXStyle*& pStyle)
{
    fontStruct* pEntry = NULL;
    if (!LookupEntry(nIndex, pEntry))
        return FALSE;
    if (pStyle == NULL)
        pStyle = TakeObject();

    LOGFONT lf = {};
    lf.lfItalic = (pEntry->nOptions & 0x02) ? 1 : 0;
    lf.lfStrikeOut = (pEntry->nOptions & 0x08) ? 1 : 0;
    pStyle->SetTextColor(
        CGXExcelColorTable::ColorOfIndex(pEntry->nColor, GXGetSysColorTable()->GetColor(COLOR_WINDOWTEXT)));
    lf.lfWeight = pEntry->nWeight;
    lf.lfUnderline = pEntry->nUnderline;
    lf.lfPitchAndFamily = pEntry->nFamily;
    lf.lfCharSet = pEntry->nCharSet;
    // At most the record's character count, and what a LOGFONT holds; a failed conversion
    // leaves the name empty.
    int nChars = (int)pEntry->name.size();
    if (nChars > 0)
    {
        char ansi[2 * 256 + 1];
        int nBytes = ::WideCharToMultiByte(CP_ACP, 0, (LPCWSTR)pEntry->name.data(), nChars, ansi,
                                           sizeof(ansi) - 1, NULL, NULL);
        int nKeep = nBytes < nChars ? nBytes : nChars;
        if (nKeep > kMaxFaceBytes)
            nKeep = kMaxFaceBytes;
        if (nKeep > 0)
            memcpy(lf.lfFaceName, ansi, nKeep);
    }
    CGXFont font;
    font.SetLogFont(lf);
    font.SetSize(pEntry->nHeight / 20);
    pStyle->MergeFont(font, gxOverride);
    return TRUE;
}

DWORD CGXExcelFontTable::BuildFontRecord(const CGXFont& font, BYTE* pBuffer, const CGXStyle& style)
{
    const LOGFONT& lf = font.GetLogFont();
    if (lf.lfFaceName[0] == 0)
        return 0;
    WCHAR name[256];
    int nChars = ::MultiByteToWideChar(CP_ACP, 0, lf.lfFaceName, -1, name, 256) - 1;
    if (nChars <= 0)
        return 0;

    WORD nOptions = (WORD)((lf.lfItalic ? 0x02 : 0) | (lf.lfStrikeOut ? 0x08 : 0));
    WORD nColor = 0x7FFF;
    if (style.GetInclude(CGXStyle::ibTextColor))
    {
        COLORREF cr = style.GetTextColor();
        CGXExcelColorTable* pColors = dynamic_cast<CGXExcelColorTable*>(GXExFindTable(GX_EXCEL_PALETTE));
        int nIndex = pColors == NULL ? -1 : pColors->FindColorIndex(cr);
        if (cr != 0 && cr != 0x7FFF && nIndex >= 0)
            nColor = (WORD)nIndex;
    }
    WORD nHeight = font.GetIncludeSize() ? (WORD)((int)font.GetSize() * 20) : 0;

    BYTE* body = pBuffer + 4;
    GXExPutWord(pBuffer, GX_EXCEL_FONT);
    GXExPutWord(pBuffer + 2, (WORD)(16 + 2 * nChars));
    GXExPutWord(body, nHeight);
    GXExPutWord(body + 2, nOptions);
    GXExPutWord(body + 4, nColor);
    GXExPutWord(body + 6, (WORD)lf.lfWeight);
    GXExPutWord(body + 8, 0);
    body[10] = lf.lfUnderline;
    body[11] = lf.lfPitchAndFamily;
    body[12] = lf.lfCharSet;
    body[13] = 0;
    body[14] = (BYTE)nChars;
    body[15] = 1;
    for (int i = 0; i < nChars; i++)
        GXExPutWord(body + 16 + 2 * i, name[i]);
    return 20 + 2 * nChars;
}

UINT CGXExcelFontTable::GetFontIndex(const CGXExcelFontIndex& key) const
{
    auto it = m_fontIndex.find(key);
    return it == m_fontIndex.end() ? 0 : it->second;
}

void CGXExcelFontTable::SetFontIndex(const CGXExcelFontIndex& key, UINT nIndex)
{
    m_fontIndex[key] = nIndex;
}

BOOL CGXExcelFontTable::HasFontIndex(const CGXExcelFontIndex& key) const
{
    return m_fontIndex.count(key) != 0;
}

void CGXExcelFontTable::ResetTable()
{
    CGXExcelBaseTable::ResetTable();
    m_fontIndex.clear();
    m_nNextIndex = 0;
}

void CGXExcelFontTable::AdvanceIndex()
{
    // Font index 4 does not exist in a workbook: readers skip it.
    if (++m_nNextIndex == 4)
        m_nNextIndex = 5;
}

void CGXExcelFontTable::WriteFontOnce(IStream* pStream, DWORD* pTotal, const CGXStyle& completed, DWORD nDisc)
{
    if (!completed.GetInclude(CGXStyle::ibFont))
        return;
    CGXExcelFontIndex key(completed, nDisc);
    if (HasFontIndex(key))
        return;
    CGXFont font;
    completed.GetFont(font);
    BYTE buffer[recordBufferSize] = {};
    DWORD nLength = BuildFontRecord(font, buffer, completed);
    if (nLength == 0)
        return;
    SetFontIndex(key, m_nNextIndex);
    AdvanceIndex();
    GXExWriteBytes(pStream, buffer, nLength, pTotal);
}

void CGXExcelFontTable::CollectCellFont(IStream* pStream, DWORD* pTotal, const CGXStyle& style, DWORD nDisc)
{
    WriteFontOnce(pStream, pTotal, style, nDisc);
}

BOOL CGXExcelFontTable::WriteRecords(IStream* pStream, DWORD* pTotal, CGXGridParam** ppParams, DWORD nSheets)
{
    if (ppParams == NULL || ppParams[0] == NULL)
        throw gxExcelErrNoParam;
    const CGXStylesMap* pStylesMap = ppParams[0]->GetStylesMap();
    if (pStylesMap == NULL)
        throw gxExcelErrNoStylesMap;
    m_fontIndex.clear();
    m_nNextIndex = 0;

    // The Standard style's font stands for the four fonts every workbook starts with.
    const CGXStyle* pStandard = GXExStandardStyle(pStylesMap);
    if (pStandard != NULL && pStandard->GetInclude(CGXStyle::ibFont))
    {
        CGXFont font;
        pStandard->GetFont(font);
        BYTE buffer[recordBufferSize] = {};
        DWORD nLength = BuildFontRecord(font, buffer, *pStandard);
        if (nLength != 0)
        {
            SetFontIndex(CGXExcelFontIndex(*pStandard, GX_EXCEL_SHARED_FONT), 0);
            for (int i = 0; i < 5; i++)
            {
                GXExWriteBytes(pStream, buffer, nLength, pTotal);
                AdvanceIndex();
            }
        }
    }

    GXExForEachBaseStyle(pStylesMap, [&](WORD nID, const CString&, const CGXStyle& style) {
        if (nID == pStylesMap->m_wStyleStandard || !style.GetInclude(CGXStyle::ibFont))
            return;
        CGXStyle* pCompleted = style.Clone();
        if (pStandard != NULL)
            pCompleted->MergeStyle(*pStandard, gxApplyNew);
        WriteFontOnce(pStream, pTotal, *pCompleted, GX_EXCEL_SHARED_FONT);
        delete pCompleted;
    });

    for (DWORD nSheet = 0; nSheet < nSheets; nSheet++)
    {
        GXExWalkSheetStyles(ppParams[nSheet], TRUE, [&](const GXExSheetStyle& s) {
            if (s.bFormulaSheet && !s.pStyle->GetInclude(CGXStyle::ibFont))
                return;
            CGXStyle* pCompleted = GXExCompleteStyle(*s.pStyle, s.pRowStyle, s.pColStyle, pStylesMap);
            CollectCellFont(pStream, pTotal, *pCompleted, s.bFormulaSheet ? GX_EXCEL_SHARED_FONT : nSheet);
            delete pCompleted;
        });
    }
    return TRUE;
}
