// The styles clipboard format. Its data can come from any process, so a paste reads and checks
// the whole block before it changes a cell, and accepts only styles and what they hold.
#include "grid/core/GridStyleDataExchangeImp.h"
#include "grid/core/GridTextDataExchangeImp.h"
#include "grid/core/GridCore.h"
#include "grid/core/LongOperation.h"
#include "grid/core/StylesMap.h"
#include "GridIds.h"
#include <set>
#include <vector>

void CGXGridCore::InstallStyleDataExchangeImp()
{
    if (m_pStyleDataExchangeImp != NULL)
        return;
    m_pStyleDataExchangeImp = new CGXGridStyleDataExchangeImp;
    AddOwnedImp(m_pStyleDataExchangeImp);
}

namespace
{
BOOL BlockFits(DWORD nRows, DWORD nCols)
{
    return nRows >= 1 && nRows <= CGXGridStyleDataExchangeImp::maxBlockSide && nCols >= 1 &&
           nCols <= CGXGridStyleDataExchangeImp::maxBlockSide &&
           (ULONGLONG)nRows * nCols < CGXGridStyleDataExchangeImp::maxBlockCells;
}

void FreeStyles(CObArray& arr)
{
    for (INT_PTR i = 0; i < arr.GetSize(); i++)
        delete arr[i];
    arr.RemoveAll();
}

// Base styles are written by reference through the styles map, the archive's document meanwhile.
struct StylesMapAsDocument
{
    CArchive& ar;
    CDocument* pOld;
    StylesMapAsDocument(CArchive& a, CGXStylesMap* pMap) : ar(a), pOld(a.m_pDocument)
    {
        ar.m_pDocument = reinterpret_cast<CDocument*>(static_cast<CObject*>(pMap));
    }
    ~StylesMapAsDocument()
    {
        ar.m_pDocument = pOld;
    }
};

// Reads the element array of a block of nCells: an object array of styles or nulls, each style
// its own object. Anything else throws; what was read so far is freed.
void ReadStyleArray(CArchive& ar, DWORD nCells, CObArray& arr)
{
    UINT nSchema = 0;
    DWORD dwTag = 0;
    CRuntimeClass* pClass = ar.ReadClass(RUNTIME_CLASS(CObArray), &nSchema, &dwTag);
    if (pClass != RUNTIME_CLASS(CObArray))
        AfxThrowArchiveException(CArchiveException::badClass);
    static CObArray s_arrayStandIn; // keeps the array's index; never read from
    ar.MapObject(&s_arrayStandIn);
    if (ar.ReadCount() != nCells)
        AfxThrowArchiveException(CArchiveException::generic);
    std::set<CObject*> seen;
    try
    {
        arr.SetSize(0, 1024);
        for (DWORD i = 0; i < nCells; i++)
        {
            CObject* p = ar.ReadObject(RUNTIME_CLASS(CGXStyle));
            // A second reference to a style read before would give one style two owners.
            if (p != NULL && !seen.insert(p).second)
                AfxThrowArchiveException(CArchiveException::badIndex);
            arr.Add(p);
        }
    }
    catch (...)
    {
        FreeStyles(arr);
        throw;
    }
}
} // namespace

BOOL CGXGridStyleDataExchangeImp::CopyCellsToArchive(CGXGridCore* pGrid, CArchive& ar,
                                                     const CGXRangeList& ranges, BOOL bComposed)
{
    CDWordArray awRowFirst, awRowLast, awColFirst, awColLast;
    ranges.GetRowArray(pGrid->GetRowCount(), awRowFirst, awRowLast, FALSE);
    ranges.GetColArray(pGrid->GetColCount(), awColFirst, awColLast, FALSE);
    ROWCOL nRows = IntervalCells(awRowFirst, awRowLast), nCols = IntervalCells(awColFirst, awColLast);
    if (!BlockFits(nRows, nCols))
        AfxThrowMemoryException();
    CGXLongOperation op;
    CString strStatus;
    strStatus.LoadString(GX_IDS_COPYINGSTYLES);
    op.SetStatusText(strStatus);
    ar << (DWORD)nRows << (DWORD)nCols;
    CObArray arr;
    arr.SetSize(0, 1024);
    BOOL bAborted = FALSE;
    DWORD nDone = 0, nAll = nRows * nCols;
    for (INT_PTR ri = 0; ri < awRowFirst.GetSize() && !bAborted; ri++)
        for (ROWCOL nRow = awRowFirst[ri]; nRow <= awRowLast[ri] && !bAborted; nRow++)
            for (INT_PTR ci = 0; ci < awColFirst.GetSize() && !bAborted; ci++)
                for (ROWCOL nCol = awColFirst[ci]; nCol <= awColLast[ci] && !bAborted; nCol++)
                {
                    CGXStyle* pStyle = new CGXStyle;
                    if (!pGrid->GetCopyStyleRowCol(nRow, nCol, *pStyle, bComposed))
                    {
                        delete pStyle;
                        pStyle = NULL;
                    }
                    arr.Add(pStyle);
                    bAborted = pGrid->CheckLongOperation(op, ++nDone, nAll) && op.GetCanAbort();
                }
    if (!bAborted)
    {
        StylesMapAsDocument doc(ar, pGrid->GetParam()->GetStylesMap());
        ar << &arr;
    }
    FreeStyles(arr);
    pGrid->m_nLastCopiedRows = nRows;
    pGrid->m_nLastCopiedCols = nCols;
    return !bAborted;
}

BOOL CGXGridStyleDataExchangeImp::GetCopyStyleRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                                     CGXStyle& style, BOOL bComposed)
{
    if (bComposed)
    {
        pGrid->ComposeStyleRowCol(nRow, nCol, &style);
        return TRUE;
    }
    int nType = (pGrid->m_nClipboardFlags & 0x0800) ? pGrid->m_nDefaultStyleType : 0;
    return pGrid->GetStyleRowCol(nRow, nCol, style, gxCopy, nType);
}

BOOL CGXGridStyleDataExchangeImp::PasteCellsFromArchive(CGXGridCore* pGrid, CArchive& ar,
                                                        const CGXCellRange& range, BOOL bNoSizeCheck)
{
    DWORD nRows = 0, nCols = 0;
    CObArray arr;
    try
    {
        // 1. The size, checked before anything is allocated.
        ar >> nRows >> nCols;
        if (!BlockFits(nRows, nCols))
            return FALSE;
        // 2. The whole block, read and checked before any cell changes.
        StylesMapAsDocument doc(ar, pGrid->GetParam()->GetStylesMap());
        ReadStyleArray(ar, nRows * nCols, arr);
    }
    catch (CException* e)
    {
        e->Delete();
        return FALSE;
    }

    CGXCellRange target(range.top, range.left, range.top + nRows - 1, range.left + nCols - 1);
    if (!bNoSizeCheck && (target.bottom != range.bottom || target.right != range.right) &&
        !pGrid->ConfirmPasteSize())
    {
        FreeStyles(arr);
        return FALSE;
    }
    CString strTrans, strStatus;
    strTrans.LoadString(GX_IDS_PASTE);
    strStatus.LoadString(GX_IDS_PASTING);
    pGrid->BeginTrans(strTrans);
    CGXLongOperation op;
    op.SetStatusText(strStatus);
    pGrid->TransferCurrentCell(TRUE, GX_UPDATENOW, TRUE);

    DWORD dwFlags = pGrid->m_nClipboardFlags;
    if (target.bottom > pGrid->GetRowCount() && ((dwFlags & 0x0200) || !pGrid->SetRowCount(target.bottom)))
        target.bottom = pGrid->GetRowCount();
    if (target.right > pGrid->GetColCount() && ((dwFlags & 0x0400) || !pGrid->SetColCount(target.right)))
        target.right = pGrid->GetColCount();
    BOOL bOk = FALSE;
    if (target.bottom >= target.top && target.right >= target.left)
    {
        // Rows and columns that did not fit are left out of the array.
        DWORD nUseCols = target.right - target.left + 1, nUseRows = target.bottom - target.top + 1;
        CObArray use;
        use.SetSize(0, 1024);
        for (DWORD r = 0; r < nUseRows; r++)
            for (DWORD c = 0; c < nUseCols; c++)
                use.Add(arr[(INT_PTR)r * nCols + c]);
        bOk = pGrid->SetStyleRange(target, NULL, gxCopy, 0, &use, GX_UPDATENOW);
    }
    FreeStyles(arr);
    if (bOk)
        pGrid->CommitTrans();
    else
        pGrid->Rollback();
    return bOk;
}
