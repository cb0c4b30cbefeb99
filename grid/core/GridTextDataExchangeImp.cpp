// Tab-separated text of the grid's cells, written for the clipboard and read back from it.
#include "grid/core/GridTextDataExchangeImp.h"
#include "grid/core/GridCore.h"
#include "grid/core/LongOperation.h"
#include "GridIds.h"

namespace
{
const DWORD optEscape = 0x1000;
const DWORD optNoNewRows = 0x0200;
const DWORD optNoNewCols = 0x0400;

BOOL IsLead(char c)
{
    return ::IsDBCSLeadByte((BYTE)c);
}

} // namespace

// Sums the heights of the intervals.
ROWCOL IntervalCells(const CDWordArray& awFirst, const CDWordArray& awLast)
{
    ROWCOL n = 0;
    for (INT_PTR i = 0; i < awFirst.GetSize(); i++)
        n += awLast[i] - awFirst[i] + 1;
    return n;
}

void CGXGridCore::InstallTextDataExchangeImp()
{
    if (m_pTextDataExchangeImp != NULL)
        return;
    m_pTextDataExchangeImp = new CGXGridTextDataExchangeImp;
    AddOwnedImp(m_pTextDataExchangeImp);
}

CString CGXGridTextDataExchangeImp::EncodeCellText(const CString& strText, BOOL bEscape)
{
    CString strOut;
    LPCSTR p = strText;
    int n = strText.GetLength();
    for (int i = 0; i < n; i++)
    {
        char c = p[i];
        if (IsLead(c) && i + 1 < n)
        {
            strOut += c;
            strOut += p[++i];
        }
        else if (c == '\t')
            strOut += "\\t";
        else if (c == '\r' || c == '\n')
        {
            if (bEscape)
                strOut += c == '\r' ? "\\r" : "\\n";
            else
            {
                strOut += ' ';
                if (c == '\r' && i + 1 < n && p[i + 1] == '\n')
                    i++;
            }
        }
        else
            strOut += c;
    }
    return strOut;
}

CString CGXGridTextDataExchangeImp::DecodeCellText(const CString& strText)
{
    CString strOut;
    LPCSTR p = strText;
    int n = strText.GetLength();
    for (int i = 0; i < n; i++)
    {
        char c = p[i];
        if (IsLead(c) && i + 1 < n)
        {
            strOut += c;
            strOut += p[++i];
            continue;
        }
        if (c == '\\' && i + 1 < n && (p[i + 1] == 'r' || p[i + 1] == 'n' || p[i + 1] == 't'))
        {
            char e = p[++i];
            strOut += e == 'r' ? '\r' : e == 'n' ? '\n' : '\t';
            continue;
        }
        strOut += c;
    }
    return strOut;
}

BOOL CGXGridTextDataExchangeImp::CopyTextToFile(CGXGridCore* pGrid, CFile& file, const CGXRangeList& ranges)
{
    CDWordArray awRowFirst, awRowLast, awColFirst, awColLast;
    ranges.GetRowArray(pGrid->GetRowCount(), awRowFirst, awRowLast, FALSE);
    ranges.GetColArray(pGrid->GetColCount(), awColFirst, awColLast, FALSE);
    ROWCOL nRowCells = IntervalCells(awRowFirst, awRowLast), nColCells = IntervalCells(awColFirst, awColLast);
    DWORD nAll = nRowCells * nColCells, nDone = 0;
    CString strSep = pGrid->m_sCopySeparator.IsEmpty() ? CString("\t") : pGrid->m_sCopySeparator;
    BOOL bEscape = (pGrid->m_nClipboardFlags & optEscape) != 0;

    CGXLongOperation op;
    CString strStatus;
    strStatus.LoadString(GX_IDS_COPYINGTEXT);
    op.SetStatusText(strStatus);
    BOOL bAnyText = FALSE;
    ROWCOL nRowsWritten = 0, nCellsInRow = 0;
    for (INT_PTR ri = 0; ri < awRowFirst.GetSize(); ri++)
    {
        for (ROWCOL nRow = awRowFirst[ri]; nRow <= awRowLast[ri]; nRow++)
        {
            if (nRowsWritten++ > 0)
                file.Write("\r\n", 2);
            nCellsInRow = 0;
            for (INT_PTR ci = 0; ci < awColFirst.GetSize(); ci++)
            {
                for (ROWCOL nCol = awColFirst[ci]; nCol <= awColLast[ci]; nCol++)
                {
                    if (nCellsInRow++ > 0)
                        file.Write((LPCSTR)strSep, strSep.GetLength());
                    CString strCell = EncodeCellText(pGrid->GetCopyTextRowCol(nRow, nCol), bEscape);
                    bAnyText |= !strCell.IsEmpty();
                    file.Write((LPCSTR)strCell, strCell.GetLength());
                    if (pGrid->CheckLongOperation(op, ++nDone, nAll) && op.GetCanAbort())
                        return FALSE;
                }
            }
        }
    }
    if (nRowsWritten > 1 || nCellsInRow >= 2)
        file.Write("\r\n", 2);
    pGrid->m_nLastCopiedRows = nRowsWritten;
    pGrid->m_nLastCopiedCols = nCellsInRow;
    return bAnyText;
}

CString CGXGridTextDataExchangeImp::GetCopyTextRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol)
{
    CGXStyle* pStyle = pGrid->CreateStyle();
    pGrid->ComposeStyleRowCol(nRow, nCol, pStyle);
    CString strText;
    CGXControl* pControl = pGrid->GetRegisteredControl(pStyle->GetControl());
    if (pControl != NULL)
        pControl->FormatValueText(strText, nRow, nCol, NULL, *pStyle);
    else
        strText = pStyle->GetValue();
    pGrid->RecycleStyle(pStyle);
    return strText;
}

BOOL CGXGridTextDataExchangeImp::PasteTextRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                                 const CString& strText, UINT flags, const CGXStyle* pStyle)
{
    CGXStyle* pComposed = NULL;
    if (pStyle == NULL)
    {
        pComposed = pGrid->CreateStyle();
        pGrid->ComposeStyleRowCol(nRow, nCol, pComposed);
        pStyle = pComposed;
    }
    CGXControl* pControl = pGrid->GetRegisteredControl(pStyle->GetControl());
    BOOL bOk = pControl != NULL
                   ? pControl->StoreTextInCell(nRow, nCol, strText, flags, pStyle)
                   : pGrid->SetValueRange(CGXCellRange(nRow, nCol), strText, gxOverride, 0, flags);
    if (pComposed != NULL)
        pGrid->RecycleStyle(pComposed);
    return bOk;
}

namespace
{
// Splits a buffer into fields and lines as the paste reads it; fnField gets each field with its
// row and column offsets and answers FALSE to stop.
template <class FieldFn> void ScanFields(LPCSTR p, DWORD dwSize, const CString& strSeps, FieldFn fnField)
{
    DWORD i = 0;
    ROWCOL nLine = 0, nField = 0;
    while (i < dwSize)
    {
        DWORD nStart = i;
        while (i < dwSize)
        {
            char c = p[i];
            if (c == 0 || c == '\r' || c == '\n' || strSeps.Find(c) >= 0)
                break;
            i += IsLead(c) && i + 1 < dwSize ? 2 : 1;
        }
        if (!fnField(nLine, nField, CString(p + nStart, (int)(i - nStart))))
            return;
        if (i >= dwSize || p[i] == 0)
            return;
        char cEnd = p[i++];
        if (cEnd == '\r' || cEnd == '\n')
        {
            if (cEnd == '\r' && i < dwSize && p[i] == '\n')
                i++;
            // A line end at the end of the text adds no line.
            if (i >= dwSize || p[i] == 0)
                return;
            nLine++;
            nField = 0;
        }
        else
            nField++;
    }
}

CString PasteSeparators(CGXGridCore* pGrid)
{
    return pGrid->m_sPasteSeparators.IsEmpty() ? CString("\t") : pGrid->m_sPasteSeparators;
}
} // namespace

BOOL CGXGridTextDataExchangeImp::PasteTextFromBuffer(CGXGridCore* pGrid, LPCSTR pszText, DWORD dwSize,
                                                     const CGXCellRange& range)
{
    if (pszText == NULL || dwSize == 0 || pszText[0] == 0)
        return FALSE;
    CGXLongOperation op;
    CString strStatus, strTrans;
    strStatus.LoadString(GX_IDS_PASTING);
    strTrans.LoadString(GX_IDS_PASTE);
    op.SetStatusText(strStatus);
    pGrid->TransferCurrentCell(TRUE, GX_UPDATENOW, TRUE);
    pGrid->BeginTrans(strTrans);
    CGXGridParam* pParam = pGrid->GetParam();
    BOOL bOldLock = pParam->m_bRedrawLocked;
    pParam->m_bRedrawLocked = TRUE;

    DWORD dwFlags = pGrid->m_nClipboardFlags;
    BOOL bFailed = FALSE, bAborted = FALSE;
    ROWCOL nMaxRow = range.top, nMaxCol = range.left;
    // The rows and columns the text reaches come in one step rather than one line at a time: one
    // structure change and one undo step instead of thousands. A paste that fails part way gives
    // back what the lines after it would have added.
    ROWCOL nOldRows = pGrid->GetRowCount(), nOldCols = pGrid->GetColCount(), nTextRows = 0, nTextCols = 0;
    CalcBufferDimension(pGrid, pszText, dwSize, nTextRows, nTextCols);
    ROWCOL nNeedRows = range.top + std::max<ROWCOL>(nTextRows, 1) - 1, nNeedCols = range.left + nTextCols - 1;
    BOOL bMoreRows =
        nNeedRows > nOldRows && !(dwFlags & optNoNewRows) && pGrid->SetRowCount(nNeedRows, GX_NOREDRAW);
    BOOL bMoreCols =
        nNeedCols > nOldCols && !(dwFlags & optNoNewCols) && pGrid->SetColCount(nNeedCols, GX_NOREDRAW);
    ROWCOL nLastRow = range.top, nLastCol = range.left;
    DWORD nDone = 0;
    ScanFields(pszText, dwSize, PasteSeparators(pGrid),
               [&](ROWCOL nLine, ROWCOL nField, const CString& strField) {
                   ROWCOL nRow = range.top + nLine, nCol = range.left + nField;
                   nLastRow = nRow;
                   nLastCol = std::max(nLastCol, nCol);
                   if (nRow > pGrid->GetRowCount() && !(dwFlags & optNoNewRows) &&
                       !pGrid->SetRowCount(nRow, GX_NOREDRAW))
                       return FALSE;
                   if (nCol > pGrid->GetColCount() && !(dwFlags & optNoNewCols) &&
                       !pGrid->SetColCount(nCol, GX_NOREDRAW))
                       return FALSE;
                   if (nRow <= pGrid->GetRowCount() && nCol <= pGrid->GetColCount())
                   {
                       CGXStyle* pStyle = pGrid->CreateStyle();
                       pGrid->ComposeStyleRowCol(nRow, nCol, pStyle);
                       CString strValue = (dwFlags & optEscape) ? DecodeCellText(strField) : strField;
                       BOOL bOk = pGrid->PasteTextRowCol(nRow, nCol, strValue, GX_INVALIDATE, pStyle);
                       pGrid->RecycleStyle(pStyle);
                       if (!bOk)
                       {
                           bFailed = TRUE;
                           return FALSE;
                       }
                       nMaxRow = std::max(nMaxRow, nRow);
                       nMaxCol = std::max(nMaxCol, nCol);
                   }
                   if (pGrid->CheckLongOperation(op, ++nDone, dwSize) && op.GetCanAbort())
                   {
                       bAborted = bFailed = TRUE;
                       return FALSE;
                   }
                   return TRUE;
               });

    if (bFailed && !bAborted)
    {
        if (bMoreRows && nLastRow < nNeedRows)
            pGrid->SetRowCount(std::max(nOldRows, nLastRow), GX_NOREDRAW);
        if (bMoreCols && nLastCol < nNeedCols)
            pGrid->SetColCount(std::max(nOldCols, nLastCol), GX_NOREDRAW);
    }
    if (bAborted)
        pGrid->Rollback();
    else
        pGrid->CommitTrans();
    pParam->m_bRedrawLocked = bOldLock;
    pGrid->RedrawRange(range.top, range.left, nMaxRow, nMaxCol, GX_INVALIDATE, FALSE);
    pGrid->UpdateScrollbars();
    return !bFailed;
}

BOOL CGXGridTextDataExchangeImp::CalcBufferDimension(CGXGridCore* pGrid, LPCSTR pszText, DWORD dwSize,
                                                     ROWCOL& nRows, ROWCOL& nCols)
{
    nRows = 0;
    nCols = 1;
    ScanFields(pszText, dwSize, PasteSeparators(pGrid), [&](ROWCOL nLine, ROWCOL nField, const CString&) {
        nRows = std::max(nRows, nLine + 1);
        nCols = std::max(nCols, nField + 1);
        return TRUE;
    });
    return TRUE;
}
