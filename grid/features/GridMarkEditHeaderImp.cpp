// Header marks of the current cell and of a row or column being resized.
#include "grid/features/GridMarkEditHeaderImp.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/Properties.h"

void CGXGridCore::InstallMarkEditHeaderImp()
{
    if (m_pMarkEditHeaderImp != NULL)
        return;
    m_pMarkEditHeaderImp = new CGXGridMarkEditHeaderImp;
    AddOwnedImp(m_pMarkEditHeaderImp);
}

namespace
{
enum
{
    kindRow = 1,
    kindCol = 2,
    sizingNoMark = 16, // sizing flag: the header of a row or column being resized stays unmarked
    rowSelectionModes = 3
};

// Whether a row (column) is shown: frozen or from the top row (left column) on, within the count
// and not past the last visible one.
BOOL IsShown(ROWCOL n, ROWCOL nFrozen, ROWCOL nFirst, ROWCOL nCount, ROWCOL nLastVisible)
{
    return n <= nCount && (n <= nFrozen || n >= nFirst) && (n <= nFrozen || n <= nLastVisible);
}

// Invalidates the header range when it is larger than one pixel each way.
void InvalidateHeader(CGXGridCore* g, const CGXCellRange& range, UINT flags)
{
    CRect rect = g->CalcRangeClientRect(range);
    if (rect.Width() <= 1 || rect.Height() <= 1)
        return;
    CWnd* pWnd = g->GridWnd();
    pWnd->InvalidateRect(&rect, FALSE);
    if (flags & (GX_UPDATENOW | GX_SMART))
        pWnd->UpdateWindow();
}
} // namespace

void CGXGridMarkEditHeaderImp::MarkEditHeader(CGXGridCore* g, ROWCOL nRow, ROWCOL nCol, int nMode, UINT flags)
{
    CGXGridParam* pParam = g->GetParam();
    CWnd* pWnd = g->GridWnd();
    if (pParam == NULL || g->IsLockUpdate() || pWnd == NULL || pWnd->GetSafeHwnd() == NULL)
        return;
    ROWCOL nRowCount = g->GetRowCount(), nColCount = g->GetColCount();
    ROWCOL nFrozenRows = g->GetFrozenRows(), nFrozenCols = g->GetFrozenCols();
    if (nRow > nRowCount || nCol > nColCount || (nRow > nFrozenRows && nRow < g->GetTopRow()) ||
        (nCol > nFrozenCols && nCol < g->GetLeftCol()))
        return;
    ROWCOL nBottom = g->GetBottomVisibleRow(), nRight = g->GetRightVisibleCol();
    if (nRow > nBottom && nCol > nRight)
        return;
    CGXProperties* pProps = pParam->GetProperties();
    if (pProps == NULL)
        return;
    if ((nMode == 0 || nMode == 2) && pProps->GetMarkRowHeader() &&
        IsShown(nRow, nFrozenRows, g->GetTopRow(), nRowCount, nBottom))
        InvalidateHeader(g, CGXCellRange(nRow, 0, nRow, g->GetHeaderCols()), flags);
    if ((nMode == 0 || nMode == 1) && pProps->GetMarkColHeader() &&
        IsShown(nCol, nFrozenCols, g->GetLeftCol(), nColCount, nRight))
        InvalidateHeader(g, CGXCellRange(0, nCol, g->GetHeaderRows(), nCol), flags);
}

BOOL CGXGridMarkEditHeaderImp::IsMarkedHeader(CGXGridCore* g, ROWCOL nRow, ROWCOL nCol, const CGXStyle&)
{
    CGXGridParam* pParam = g->GetParam();
    if (pParam == NULL || pParam->GetProperties() == NULL)
        return FALSE;
    CGXProperties* pProps = pParam->GetProperties();
    CGXCellRange range(nRow, nCol);
    g->GetCellSpanRange(nRow, nCol, range);
    ROWCOL nCurRow, nCurCol;
    if (g->GetCurrentCell(nCurRow, nCurCol) && nCurRow > g->GetHeaderRows() && nCurCol > g->GetHeaderCols())
    {
        if (nRow != 0 && (pParam->m_wMouseCurrentCellFlags & rowSelectionModes) == 0 &&
            nCurRow >= range.top && nCurRow <= range.bottom && pProps->GetMarkRowHeader())
            return TRUE;
        if (nCol != 0 && nCurCol >= range.left && nCurCol <= range.right && pProps->GetMarkColHeader())
            return TRUE;
    }
    int nKind = 0;
    ROWCOL nIndex = 0;
    if (!g->GetMarkedHeaderState(nKind, nIndex))
        return FALSE;
    if ((nKind & kindCol) && !pParam->TestColSizingFlags(sizingNoMark) && nIndex >= range.left &&
        nIndex <= range.right)
        return TRUE;
    return (nKind & kindRow) && !pParam->TestRowSizingFlags(sizingNoMark) && nIndex >= range.top &&
           nIndex <= range.bottom;
}
