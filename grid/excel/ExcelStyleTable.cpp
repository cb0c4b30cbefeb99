#include "ExcelStyleTable.h"
#include "ExcelHandler.h"
#include "ExcelSheetStyles.h"
#include "ExcelXFTable.h"
#include "ExMapHolder.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/StylesMap.h"
#include "mfc/WordArray.h"
#include <memory>
#include <vector>

IMPLEMENT_DYNCREATE(CGXExcelStyleTable, CGXExcelTable)

namespace
{
// Names of the built-in styles by their number.
const char* const kBuiltInNames[6] = {"Normal", "RowLevel_n", "ColLevel_n", "Comma", "Currency", "Percent"};

// The built-in styles written, in order, with their numbers.
struct BuiltIn
{
    const char* pszName;
    BYTE nNumber;
};
const BuiltIn kWrittenBuiltIns[6] = {{"Comma", 3},       {"Comma[0]", 6}, {"Currency", 4},
                                     {"Currency[0]", 7}, {"Standard", 0}, {"Percent", 5}};

CGXStylesMap* ContextStylesMap()
{
    CGXExcelTableMap* pMap = GXExGetTableMap();
    CGXGridCore* pGrid = pMap == NULL ? NULL : pMap->GetContext();
    CGXGridParam* pParam = pGrid == NULL ? NULL : pGrid->GetParam();
    return pParam == NULL ? NULL : pParam->GetStylesMap();
}

CString ToAnsi(const std::vector<WORD>& name)
{
    CString s;
    if (name.empty())
        return s;
    std::vector<char> ansi(2 * name.size() + 1);
    int n = ::WideCharToMultiByte(CP_ACP, 0, (LPCWSTR)name.data(), (int)name.size(), ansi.data(),
                                  (int)ansi.size() - 1, NULL, NULL);
    if (n > 0)
        s = CString(ansi.data(), n);
    return s;
}

void PutWord(std::vector<BYTE>& out, WORD w)
{
    out.resize(out.size() + 2);
    GXExPutWord(&out[out.size() - 2], w);
}
} // namespace

BOOL CGXExcelStyleTable::ReadRecord(IStream* pStream, DWORD)
{
    BOOL bResult = ReadEntry([&](styleStruct& e) {
        CGXExcelFieldDesc xf;
        xf.SetWord(&e.nXF);
        ReadFieldList(pStream, &xf, 1);
        std::unique_ptr<CGXStyle> style(new CGXStyle);
        CGXStyle* pStyle = style.get();
        if (CGXExcelTable* pXFs = GXExFindTable(GX_EXCEL_XF))
            pXFs->ApplyStyleEntry(e.nXF & 0xFFF, pStyle);
        CString strName;
        if (e.nXF & 0x8000)
        {
            CGXExcelFieldDesc f[2];
            f[0].SetRaw(&e.nBuiltIn, 1);
            f[1].SetRaw(&e.nLevel, 1);
            ReadFieldList(pStream, f, 2);
            if ((e.nXF & 0xFFF) != 0 && e.nBuiltIn < 6)
                strName = kBuiltInNames[e.nBuiltIn];
        }
        else
        {
            BYTE nOption = 0;
            CGXExcelFieldDesc f[2];
            f[0].SetWord(&e.nNameLength);
            f[1].SetRaw(&nOption, 1);
            ReadFieldList(pStream, f, 2);
            std::vector<WORD> name(e.nNameLength);
            CGXExcelFieldDesc text;
            text.SetText(name.data(), e.nNameLength, nOption & 1);
            ReadFieldList(pStream, &text, 1);
            e.strName = strName = ToAnsi(name);
        }
        CGXStylesMap* pStylesMap = ContextStylesMap();
        if (pStylesMap != NULL && !strName.IsEmpty())
        {
            try
            {
                e.nBaseStyleID = pStylesMap->RegisterStyle(strName, *style);
            }
            catch (CException* pEx)
            {
                // No id left in the styles map: the record names no base style.
                pEx->Delete();
            }
        }
    });
    // Only the XF number's low 12 bits name an XF.
    styleStruct* pEntry = NULL;
    if (LookupEntry(GetEntriesRead() - 1, pEntry))
        pEntry->nXF &= 0xFFF;
    return bResult;
}

BOOL CGXExcelStyleTable::IsValueMissing(const CWordArray& values, WORD nValue)
{
    for (INT_PTR i = 0; i < values.GetSize(); i++)
        if (values[i] == nValue)
            return FALSE;
    return TRUE;
}

WORD CGXExcelStyleTable::FindByIndex(DWORD nXF)
{
    for (DWORD i = 0; i < GetEntriesRead(); i++)
    {
        styleStruct* pEntry = NULL;
        if (LookupEntry(i, pEntry) && pEntry->nXF == nXF)
            return pEntry->nBaseStyleID;
    }
    return 0;
}

BOOL CGXExcelStyleTable::WriteRecords(IStream* pStream, DWORD* pTotal, CGXGridParam** ppParams, DWORD)
{
    if (ppParams == NULL || ppParams[0] == NULL)
        throw gxExcelErrNoParam;
    const CGXStylesMap* pStylesMap = ppParams[0]->GetStylesMap();
    if (pStylesMap == NULL)
        throw gxExcelErrNoStylesMap;
    CGXExcelXFTable* pXFs = dynamic_cast<CGXExcelXFTable*>(GXExFindTable(GX_EXCEL_XF));
    if (pXFs == NULL)
        throw gxExcelErrNoTable;

    CWordArray covered;
    covered.Add(pStylesMap->m_wStyleStandard);
    covered.Add(pStylesMap->m_wStyleRowHeader);
    covered.Add(pStylesMap->m_wStyleColHeader);
    std::vector<BYTE> out;
    for (const BuiltIn& b : kWrittenBuiltIns)
    {
        WORD nID = 0;
        UINT nXF = 0;
        // A built-in style the grid does not have points to XF 0.
        if (pStylesMap->FindBaseStyle(0, b.pszName, nID))
        {
            nXF = pXFs->GetStyleIDMap().LookupXF(nID);
            covered.Add(nID);
        }
        PutWord(out, GX_EXCEL_STYLE);
        PutWord(out, 4);
        PutWord(out, (WORD)(nXF | 0x8000));
        out.push_back(b.nNumber);
        out.push_back(0xFF);
    }
    GXExWriteBytes(pStream, out.data(), (ULONG)out.size(), pTotal);

    out.clear();
    GXExForEachBaseStyle(pStylesMap, [&](WORD nID, const CString& strName, const CGXStyle&) {
        if (!IsValueMissing(covered, nID))
            return;
        WCHAR name[256];
        int nChars =
            strName.IsEmpty() ? 0 : ::MultiByteToWideChar(CP_ACP, 0, strName, strName.GetLength(), name, 255);
        if (nChars < 0)
            nChars = 0;
        PutWord(out, GX_EXCEL_STYLE);
        PutWord(out, (WORD)(5 + 2 * nChars));
        PutWord(out, (WORD)(pXFs->GetStyleIDMap().LookupXF(nID) & 0x7FFF));
        PutWord(out, (WORD)nChars);
        out.push_back(1);
        for (int i = 0; i < nChars; i++)
            PutWord(out, name[i]);
    });
    if (!out.empty())
        GXExWriteBytes(pStream, out.data(), (ULONG)out.size(), pTotal);
    return TRUE;
}
