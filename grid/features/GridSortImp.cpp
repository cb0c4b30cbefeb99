// Sorting rows and columns: key texts, their kind found from the values, the comparison, and
// applying the order with its undo command and the other views' update.
#include "grid/features/GridSortImp.h"
#include "grid/core/Control.h"
#include "grid/core/Data.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/LongOperation.h"
#include "grid/core/Style.h"
#include "grid/features/GridSortMoveDataImp.h"
#include "grid/features/SortInfoArray.h"
#include "grid/features/SortKeyRecord.h"
#include "GridIds.h"
#include "OleDateTime.h"
#include <mbstring.h>
#include <oleauto.h>
#include <locale.h>
#include <mbctype.h>
#include <stdlib.h>
#include <string.h>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

void CGXGridCore::InstallSortImp()
{
    if (m_pSortImp == NULL)
    {
        m_pSortImp = new CGXGridSortImp;
        AddOwnedImp(m_pSortImp);
    }
    GXInstallSortMoveDataImp();
}

namespace
{
BOOL ParseDate(const CString& strText, double& dValue)
{
    COleDateTime dt;
    if (!dt.ParseDateTime(strText, 0, LOCALE_USER_DEFAULT))
        return FALSE;
    dValue = (DATE)dt;
    return TRUE;
}

// A text of at most 15 digits, with a minus sign in front and the decimal separator cDecimal at
// most once between digits, converted without the system: mantissa and power of ten are exact
// doubles, so the one division rounds as the system's conversion does. FALSE for any other text.
bool ParsePlainNumber(LPCSTR psz, char cDecimal, double& d)
{
    static const double adPow10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                     1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char* p = psz;
    bool bNegative = *p == '-';
    if (bNegative)
        p++;
    long long nMantissa = 0;
    int nDigits = 0, nFraction = -1;
    for (; *p != 0; p++)
    {
        if (*p >= '0' && *p <= '9')
        {
            if (++nDigits > 15)
                return false;
            nMantissa = nMantissa * 10 + (*p - '0');
            if (nFraction >= 0)
                nFraction++;
        }
        else if (*p == cDecimal && cDecimal != 0 && nFraction < 0 && nDigits > 0)
            nFraction = 0;
        else
            return false;
    }
    if (nDigits == 0 || nFraction == 0)
        return false;
    d = (double)nMantissa / adPow10[nFraction < 0 ? 0 : nFraction];
    if (bNegative)
        d = -d;
    return true;
}

// The user's decimal separator when it is one character, else 0.
char UserDecimalSeparator()
{
    char sz[8] = {};
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, sz, sizeof(sz)) != 2)
        return 0;
    return sz[0];
}

// A key text as a number; one that does not convert counts as 0. The whole text is converted,
// however long; plain numbers, the common case, without the system's conversion.
double ParseNumber(const CString& strText, char cDecimal)
{
    double dPlain;
    if (ParsePlainNumber(strText, cDecimal, dPlain))
        return dPlain;
    LPCSTR psz = strText.IsEmpty() ? "0" : (LPCSTR)strText;
    int n = ::MultiByteToWideChar(CP_ACP, 0, psz, -1, NULL, 0);
    std::vector<WCHAR> wide((size_t)std::max(n, 1));
    ::MultiByteToWideChar(CP_ACP, 0, psz, -1, wide.data(), n);
    double d = 0;
    if (FAILED(::VarR8FromStr(wide.data(), LOCALE_USER_DEFAULT, 0, &d)))
        d = 0;
    return d;
}

// Whether the runtime collates byte by byte: the "C" collation on a single-byte code page, where
// the case-blind collation folds A-Z only. Key texts may then be folded once before the sort and
// compared bytewise, which orders them exactly as the runtime's collation does, far faster.
bool CollatesBytewise()
{
    const char* pszCollate = setlocale(LC_COLLATE, NULL);
    const char* pszType = setlocale(LC_CTYPE, NULL);
    if (pszCollate == NULL || pszType == NULL || strcmp(pszCollate, "C") != 0 || strcmp(pszType, "C") != 0)
        return false;
    int nCodePage = _getmbcp();
    CPINFO info;
    return nCodePage == 0 || (::GetCPInfo((UINT)nCodePage, &info) && info.MaxCharSize == 1);
}

// Two folded key texts compared as signed characters, as some runtimes' case-blind collation does.
int CompareSigned(const char* s1, const char* s2)
{
    for (; *s1 == *s2; s1++, s2++)
        if (*s1 == 0)
            return 0;
    return (signed char)*s1 - (signed char)*s2;
}

// A key text with A-Z made lower case, as the case-blind collation compares it.
void FoldAsciiCase(CString& strText)
{
    int n = strText.GetLength();
    if (n == 0)
        return;
    char* p = strText.GetBuffer(n);
    for (int i = 0; i < n; i++)
        if (p[i] >= 'A' && p[i] <= 'Z')
            p[i] = (char)(p[i] - 'A' + 'a');
    strText.ReleaseBuffer(n);
}

// Key i of two records; abBytewise[i] says the texts (folded already when the key ignores case)
// are compared as unsigned (1) or signed characters (2), else by the runtime's collation.
int CompareKeys(const CGXSortKeyRecord* a, const CGXSortKeyRecord* b, const std::vector<char>& abBytewise)
{
    const CGXSortInfoArray& info = *a->m_pSortInfo;
    // The key texts are read in place: the string array's const accessor returns copies, which cost
    // more than the comparison itself.
    const CString* astr1 = a->m_astrKeys.GetData();
    const CString* astr2 = b->m_astrKeys.GetData();
    for (INT_PTR i = 0; i < info.GetSize(); i++)
    {
        const CGXSortInfoEntry& e = info[i];
        int n = 0;
        if (e.sortType == gxSortAlpha)
        {
            const unsigned char* s1 = (const unsigned char*)(LPCSTR)astr1[i];
            const unsigned char* s2 = (const unsigned char*)(LPCSTR)astr2[i];
            if (abBytewise[(size_t)i] == 2)
                n = CompareSigned((const char*)s1, (const char*)s2);
            else if (abBytewise[(size_t)i] == 1)
                n = strcmp((const char*)s1, (const char*)s2);
            else
                n = e.bCase ? _mbscoll(s1, s2) : _mbsicoll(s1, s2);
        }
        else
        {
            double d1 = a->m_adValues[i], d2 = b->m_adValues[i];
            if (d1 != d2)
                n = d1 > d2 ? 1 : -1;
        }
        if (n != 0)
            return e.sortOrder != gxSortAscending ? -n : n;
    }
    return a->m_nIndex - b->m_nIndex; // equal keys keep their order
}

// Whether a text may still be a number: only digits, separators, minus signs, e and blanks,
// and a minus sign only in front.
BOOL MayBeNumber(CString& strText)
{
    if (_mbsspnp((const unsigned char*)(LPCSTR)strText, (const unsigned char*)"0123456789,.-e ") != NULL)
        return FALSE;
    strText.TrimLeft(' ');
    return strText.ReverseFind('-') <= 0;
}
} // namespace

void CGXGridSortImp::SortKeys(CGXGridCore*, CGXSortInfoArray& sortInfo, CPtrArray& apKeyRecords)
{
    if (apKeyRecords.GetSize() < 2)
        return;
    CGXSortKeyRecord** pp = (CGXSortKeyRecord**)apKeyRecords.GetData();
    std::vector<char> abBytewise((size_t)sortInfo.GetSize(), 0);
    if (CollatesBytewise())
        for (INT_PTR i = 0; i < sortInfo.GetSize(); i++)
        {
            if (sortInfo[i].sortType != gxSortAlpha)
                continue;
            // Where a letter beyond ASCII goes tells whether the runtime compares signed characters.
            const unsigned char* pszHigh = (const unsigned char*)"\xe9";
            const unsigned char* pszLow = (const unsigned char*)"a";
            abBytewise[(size_t)i] =
                (sortInfo[i].bCase ? _mbscoll(pszHigh, pszLow) : _mbsicoll(pszHigh, pszLow)) < 0 ? 2 : 1;
            if (!sortInfo[i].bCase)
                for (INT_PTR k = 0; k < apKeyRecords.GetSize(); k++)
                    FoldAsciiCase(pp[k]->m_astrKeys.ElementAt((int)i));
        }
    // The index decides between equal keys, so the order is total and the same as any sort gives.
    std::sort(pp, pp + apKeyRecords.GetSize(), [&](const CGXSortKeyRecord* a, const CGXSortKeyRecord* b) {
        return CompareKeys(a, b, abBytewise) < 0;
    });
}

void CGXGridSortImp::GetSortKeys(CGXGridCore* pGrid, BOOL bRows, ROWCOL nRowCol, CGXSortInfoArray& sortInfo,
                                 CGXSortKeyRecord& keys)
{
    CGXStyle* pStyle = pGrid->CreateStyle();
    for (INT_PTR i = 0; i < sortInfo.GetSize(); i++)
    {
        ROWCOL nRow = bRows ? nRowCol : sortInfo[i].nRC, nCol = bRows ? sortInfo[i].nRC : nRowCol;
        pStyle->Free();
        pGrid->ComposeStyleRowCol(nRow, nCol, pStyle);
        CGXControl* pControl = pGrid->GetRegisteredControl(pStyle->GetControl());
        CString strKey;
        if (pControl != NULL)
            pGrid->GetSortKeyText(pControl, nRow, nCol, sortInfo[i], *pStyle, strKey);
        else
            strKey = pStyle->GetValue();
        keys.m_astrKeys.SetAt(i, strKey);
    }
    pGrid->RecycleStyle(pStyle);
}

void CGXGridSortImp::GetRowSortKeys(CGXGridCore* pGrid, ROWCOL nRow, CGXSortInfoArray& sortInfo,
                                    CGXSortKeyRecord& keys)
{
    GetSortKeys(pGrid, TRUE, nRow, sortInfo, keys);
}

void CGXGridSortImp::GetColSortKeys(CGXGridCore* pGrid, ROWCOL nCol, CGXSortInfoArray& sortInfo,
                                    CGXSortKeyRecord& keys)
{
    GetSortKeys(pGrid, FALSE, nCol, sortInfo, keys);
}

void CGXGridSortImp::SortRows(CGXGridCore* pGrid, const CGXCellRange& range, CGXSortInfoArray& sortInfo,
                              UINT flags)
{
    Sort(pGrid, TRUE, range, sortInfo, flags);
}

void CGXGridSortImp::SortCols(CGXGridCore* pGrid, const CGXCellRange& range, CGXSortInfoArray& sortInfo,
                              UINT flags)
{
    Sort(pGrid, FALSE, range, sortInfo, flags);
}

void CGXGridSortImp::Sort(CGXGridCore* pGrid, BOOL bRows, CGXCellRange range, CGXSortInfoArray& sortInfo,
                          UINT flags)
{
    const ROWCOL nCount = bRows ? pGrid->GetRowCount() : pGrid->GetColCount();
    if (nCount < 2 || sortInfo.GetSize() == 0)
        return;
    // A range over every row (column) sorts those below (right of) the headers.
    if (range.IsTable() || (bRows ? range.IsCols() : range.IsRows()))
    {
        ROWCOL nHeaders = (bRows ? pGrid->GetHeaderRows() : pGrid->GetHeaderCols()) + 1;
        range = bRows ? CGXCellRange(nHeaders, 0, nCount, pGrid->GetColCount())
                      : CGXCellRange(0, nHeaders, pGrid->GetRowCount(), nCount);
    }
    ROWCOL& nFirst = bRows ? range.top : range.left;
    ROWCOL& nLast = bRows ? range.bottom : range.right;
    nLast = std::min(nLast, nCount);
    if (nFirst == 0 || nFirst >= nLast)
        return;
    pGrid->MoveCurrentCellBy(bRows ? 7 : 2, 1, TRUE);
    pGrid->TransferCurrentCell(TRUE, GX_UPDATENOW, TRUE);

    CString strText;
    strText.LoadString(bRows ? GX_IDS_CMD_SORTROWS : GX_IDS_CMD_SORTCOLS);
    CGXLongOperation op;
    op.SetStatusText(strText);
    op.SetCanAbort(TRUE);
    GXGetLongOperationSettings()->m_bAbortRetryIgnore = FALSE;

    const INT_PTR nKeys = sortInfo.GetSize();
    std::vector<std::unique_ptr<CGXSortKeyRecord>> records;
    try
    {
        for (INT_PTR i = 0; i < nKeys; i++)
            sortInfo[i].bMayBeNumeric = sortInfo[i].bMayBeDate = 1;
        for (ROWCOL n = nFirst; n <= nLast; n++)
        {
            records.emplace_back(new CGXSortKeyRecord);
            CGXSortKeyRecord& keys = *records.back();
            keys.m_astrKeys.SetSize(nKeys);
            keys.m_nIndex = (int)(n - nFirst);
            keys.m_pSortInfo = &sortInfo;
            if (bRows)
                GetRowSortKeys(pGrid, n, sortInfo, keys);
            else
                GetColSortKeys(pGrid, n, sortInfo, keys);
            for (INT_PTR i = 0; i < nKeys; i++)
            {
                CGXSortInfoEntry& e = sortInfo[i];
                CString& strKey = keys.m_astrKeys[i];
                if (e.sortType != gxSortDetermine || strKey.IsEmpty())
                    continue;
                double d;
                if (e.bMayBeDate)
                    e.bMayBeDate = ParseDate(strKey, d);
                if (e.bMayBeNumeric)
                    e.bMayBeNumeric = MayBeNumber(strKey);
            }
            BOOL bAbort = FALSE;
            if (op.IsWaitTimeOver() && op.DoMessages(bAbort) && bAbort)
                AfxThrowUserException();
        }
        for (INT_PTR i = 0; i < nKeys; i++)
        {
            CGXSortInfoEntry& e = sortInfo[i];
            if (e.sortType == gxSortDetermine)
                e.sortType = e.bMayBeDate ? gxSortDateTime : e.bMayBeNumeric ? gxSortNumeric : gxSortAlpha;
            if (e.sortType == gxSortAlpha)
                continue;
            const char cDecimal = UserDecimalSeparator();
            for (auto& keys : records)
            {
                if (!keys->m_adValues)
                    keys->m_adValues.reset(new double[(size_t)nKeys]());
                double d = 0;
                if (e.sortType == gxSortDateTime)
                    ParseDate(keys->m_astrKeys[i], d);
                else
                    d = ParseNumber(keys->m_astrKeys[i], cDecimal);
                keys->m_adValues[i] = d;
            }
        }
    }
    catch (CUserException* e)
    {
        e->Delete();
        CString strAborted;
        strAborted.LoadString(GX_IDS_SORT_ABORTED);
        op.SetStatusText(strAborted);
        return;
    }
    catch (CMemoryException* e)
    {
        e->Delete();
        AfxMessageBox(GX_IDS_SORT_NOMEMORY);
        return;
    }
    catch (CNotSupportedException* e)
    {
        e->Delete();
        return;
    }

    CPtrArray apKeys;
    apKeys.SetSize((INT_PTR)records.size());
    for (size_t i = 0; i < records.size(); i++)
        apKeys.SetAt((INT_PTR)i, records[i].get());
    SortKeys(pGrid, sortInfo, apKeys);
    CDWordArray order;
    order.SetSize(apKeys.GetSize());
    for (INT_PTR i = 0; i < apKeys.GetSize(); i++)
        order.SetAt(i, (DWORD)((CGXSortKeyRecord*)apKeys[i])->m_nIndex);

    CGXGridParam* pParam = pGrid->GetParam();
    (bRows ? pParam->m_nLastSortRow : pParam->m_nLastSortCol) = -1;
    (bRows ? pParam->m_nLastSortCol : pParam->m_nLastSortRow) = (int)sortInfo[0].nRC;
    pParam->m_bLastSortAscending = sortInfo[0].sortOrder == gxSortAscending;
    if (bRows)
        pGrid->ApplyRowOrder(range, &order, flags, gxDo);
    else
        pGrid->ApplyColOrder(range, &order, flags, gxDo);
}

BOOL CGXGridSortImp::ApplyRowOrder(CGXGridCore* pGrid, const CGXCellRange& range, CObject* pOrder, UINT flags,
                                   int ctCmd)
{
    return ApplyOrder(pGrid, TRUE, range, pOrder, flags, ctCmd);
}

BOOL CGXGridSortImp::ApplyColOrder(CGXGridCore* pGrid, const CGXCellRange& range, CObject* pOrder, UINT flags,
                                   int ctCmd)
{
    return ApplyOrder(pGrid, FALSE, range, pOrder, flags, ctCmd);
}

BOOL CGXGridSortImp::ApplyOrder(CGXGridCore* pGrid, BOOL bRows, const CGXCellRange& range, CObject* pOrder,
                                UINT flags, int ctCmd)
{
    CDWordArray* pArray = dynamic_cast<CDWordArray*>(pOrder);
    if (pArray == NULL || pGrid->GetParam() == NULL)
        return FALSE;
    INT_PTR n = pArray->GetSize();
    std::vector<BYTE> seen((size_t)n, 0);
    for (INT_PTR i = 0; i < n; i++)
    {
        DWORD d = pArray->GetAt(i);
        if (d >= (DWORD)n || seen[d])
            return FALSE; // not a permutation of the block
        seen[d] = 1;
    }
    if (!(bRows ? pGrid->ReorderDataRows(range, *pArray) : pGrid->ReorderDataCols(range, *pArray)))
        return FALSE;
    if (pGrid->m_pUserSelectRangeImp != NULL)
        pGrid->m_pUserSelectRangeImp->SetSelection(pGrid, NULL, 0, 0, 0, 0);
    CGXCellRange table;
    table.SetTable();
    pGrid->InvalidateFloatedCells(table);
    pGrid->InvalidateMergedCells(table);
    pGrid->FreeObjectCache();
    if (CGXData* pData = pGrid->GetParam()->GetData())
        pData->Recalc(TRUE);
    if (bRows)
        pGrid->UpdateAfterRowSort(range, flags, TRUE);
    else
        pGrid->UpdateAfterColSort(range, flags, TRUE);
    if (pGrid->m_pUndoImp != NULL && ctCmd != gxRollback && pGrid->GetParam()->IsUndoEnabled())
    {
        CDWordArray* pInverse = new CDWordArray;
        pInverse->SetSize(n);
        for (INT_PTR i = 0; i < n; i++)
            pInverse->SetAt(pArray->GetAt(i), (DWORD)i);
        CObject* pCmd = bRows ? pGrid->m_pUndoImp->CreateMoveDataRowsCmd(range, pInverse)
                              : pGrid->m_pUndoImp->CreateMoveDataColsCmd(range, pInverse);
        if (pCmd == NULL)
            delete pInverse;
        pGrid->AddCommand(pCmd, ctCmd);
    }
    return TRUE;
}

BOOL CGXGridSortImp::ReorderDataRows(CGXGridCore* pGrid, const CGXCellRange& range,
                                     const CDWordArray& awOrder)
{
    CGXData* pData = pGrid->GetParam() != NULL ? pGrid->GetParam()->GetData() : NULL;
    return pData != NULL && pData->ReorderRows(awOrder, range.top);
}

BOOL CGXGridSortImp::ReorderDataCols(CGXGridCore* pGrid, const CGXCellRange& range,
                                     const CDWordArray& awOrder)
{
    CGXData* pData = pGrid->GetParam() != NULL ? pGrid->GetParam()->GetData() : NULL;
    return pData != NULL && pData->ReorderCols(awOrder, range.left);
}

void CGXGridSortImp::UpdateAfterRowSort(CGXGridCore* pGrid, const CGXCellRange& range, UINT flags,
                                        BOOL bCreateHint)
{
    UpdateAfterSort(pGrid, TRUE, range, flags, bCreateHint);
}

void CGXGridSortImp::UpdateAfterColSort(CGXGridCore* pGrid, const CGXCellRange& range, UINT flags,
                                        BOOL bCreateHint)
{
    UpdateAfterSort(pGrid, FALSE, range, flags, bCreateHint);
}

void CGXGridSortImp::UpdateAfterSort(CGXGridCore* pGrid, BOOL bRows, const CGXCellRange& range, UINT flags,
                                     BOOL bCreateHint)
{
    // The current cell shows what now stands in it.
    pGrid->TransferCurrentCell(FALSE, GX_NOREDRAW, bCreateHint);
    pGrid->FreeObjectCache();
    if (!pGrid->GetParam()->m_bRedrawLocked)
        pGrid->RedrawAll(flags, FALSE);
    if (bCreateHint && pGrid->IsHintsEnabled())
    {
        if (bRows)
            pGrid->m_pUpdateHintImp->HintSortRows(pGrid, range, flags);
        else
            pGrid->m_pUpdateHintImp->HintSortCols(pGrid, range, flags);
    }
}

BOOL CGXGridSortImp::OnHeaderDblClk(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT, CPoint)
{
    CGXGridParam* pParam = pGrid->GetParam();
    const BOOL bRows = nRow == 0 && nCol != 0;
    if (pParam == NULL ||
        !(bRows ? pParam->m_bSortRowsOnDblClk : nCol == 0 && nRow != 0 && pParam->m_bSortColsOnDblClk))
        return FALSE;
    CGXSortInfoArray sortInfo;
    sortInfo.SetSize(1);
    CGXSortInfoEntry& e = sortInfo[0];
    e.nRC = bRows ? nCol : nRow;
    e.sortType = gxSortDetermine;
    int nLast = bRows ? pParam->m_nLastSortCol : pParam->m_nLastSortRow;
    e.sortOrder = nLast == (int)e.nRC && pParam->m_bLastSortAscending ? gxSortDescending : gxSortAscending;
    CGXCellRange table;
    table.SetTable();
    if (bRows)
        pGrid->SortRows(table, sortInfo, GX_UPDATENOW);
    else
        pGrid->SortCols(table, sortInfo, GX_UPDATENOW);
    pGrid->MoveCurrentCellBy(bRows ? 7 : 2, 1, TRUE);
    return TRUE;
}
