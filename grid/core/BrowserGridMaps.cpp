// The record browser's row and column maps: moving and sorting rows or columns rearranges the
// maps from screen positions to records and fields instead of the data; inserting and removing
// keep the maps in step with the data.
#include "grid/core/BrowserGrid.h"

namespace
{
// Every entry up to nUpTo holds its index explicitly (an entry 0 or one beyond the map means the
// same index).
void SpellOut(CDWordArray& map, ROWCOL nUpTo)
{
    INT_PTR nOld = map.GetSize();
    if ((INT_PTR)nUpTo >= nOld)
        map.SetSize((INT_PTR)nUpTo + 1);
    for (INT_PTR i = 0; i < map.GetSize(); i++)
        if (i >= nOld || map[i] == 0)
            map[i] = (DWORD)i;
}

// The block nFirst..nLast lands at nDest (counted after the move).
void MoveEntries(CDWordArray& map, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest)
{
    INT_PTR nCount = (INT_PTR)(nLast - nFirst + 1);
    SpellOut(map, std::max(nLast, nDest + (ROWCOL)nCount - 1));
    CDWordArray block;
    for (INT_PTR i = 0; i < nCount; i++)
        block.Add(map[(INT_PTR)nFirst + i]);
    map.RemoveAt((INT_PTR)nFirst, nCount);
    for (INT_PTR i = 0; i < nCount; i++)
        map.InsertAt((INT_PTR)nDest + i, block[i]);
}

// nCount new records (fields) at nAt: the data moved the ones from nAt on behind them.
void InsertEntries(CDWordArray& map, ROWCOL nAt, ROWCOL nCount)
{
    if (map.GetSize() == 0)
        return;
    for (INT_PTR i = 0; i < map.GetSize(); i++)
        if (map[i] >= nAt)
            map[i] += (DWORD)nCount;
    if ((INT_PTR)nAt <= map.GetSize())
        for (ROWCOL i = 0; i < nCount; i++)
            map.InsertAt((INT_PTR)(nAt + i), (DWORD)(nAt + i));
}

// The screen entry nAt goes; the record (field) it showed went from the data, so the ones after
// it move up by one.
void RemoveEntry(CDWordArray& map, ROWCOL nAt, ROWCOL nRecord)
{
    if ((INT_PTR)nAt < map.GetSize())
        map.RemoveAt((INT_PTR)nAt);
    for (INT_PTR i = 0; i < map.GetSize(); i++)
        if (map[i] > nRecord)
            map[i]--;
}

// Writes the sorted order of a block into the map: position nFirst + i shows what position
// nFirst + awOrder[i] showed.
void ApplyOrder(CDWordArray& map, ROWCOL nFirst, const CDWordArray& awOrder,
                const std::function<ROWCOL(ROWCOL)>& mapped)
{
    CDWordArray sorted;
    for (INT_PTR i = 0; i < awOrder.GetSize(); i++)
        sorted.Add((DWORD)mapped(nFirst + awOrder[i]));
    if (sorted.GetSize() == 0)
        return;
    SpellOut(map, nFirst + (ROWCOL)sorted.GetSize() - 1);
    for (INT_PTR i = 0; i < sorted.GetSize(); i++)
        map[(INT_PTR)nFirst + i] = sorted[i];
}
} // namespace

BOOL CGXBrowserGrid::WritePendingRecord()
{
    if (!InMode())
        return TRUE;
    CString strError;
    if (Update(&strError))
        return TRUE;
    if (!strError.IsEmpty())
        SetWarningText(strError);
    return FALSE;
}

BOOL CGXBrowserGrid::StoreMoveRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, BOOL)
{
    if (!WritePendingRecord())
        return FALSE;
    MoveEntries(GetBrowseParam()->m_awRowIndex, nFirst, nLast, nDest);
    ResetEditBuffer();
    m_bCurrentCellStyleValid = FALSE;
    return TRUE;
}

BOOL CGXBrowserGrid::StoreMoveCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, BOOL)
{
    if (!WritePendingRecord())
        return FALSE;
    MoveEntries(GetBrowseParam()->m_awColIndex, nFirst, nLast, nDest);
    ResetEditBuffer();
    m_bCurrentCellStyleValid = FALSE;
    return TRUE;
}

BOOL CGXBrowserGrid::StoreInsertRows(ROWCOL nRow, ROWCOL nCount, BOOL bForce)
{
    if (!WritePendingRecord() || !CGXGridCore::StoreInsertRows(nRow, nCount, bForce))
        return FALSE;
    InsertEntries(GetBrowseParam()->m_awRowIndex, nRow, nCount);
    ResetEditBuffer();
    return TRUE;
}

BOOL CGXBrowserGrid::StoreInsertCols(ROWCOL nCol, ROWCOL nCount, BOOL bForce)
{
    if (!WritePendingRecord() || !CGXGridCore::StoreInsertCols(nCol, nCount, bForce))
        return FALSE;
    InsertEntries(GetBrowseParam()->m_awColIndex, nCol, nCount);
    ResetEditBuffer();
    return TRUE;
}

BOOL CGXBrowserGrid::StoreRemoveRows(ROWCOL nFirst, ROWCOL nLast, BOOL bForce)
{
    if (!WritePendingRecord())
        return FALSE;
    CDWordArray& map = GetBrowseParam()->m_awRowIndex;
    BOOL bOk = TRUE;
    if (map.GetSize() == 0)
        bOk = CGXGridCore::StoreRemoveRows(nFirst, nLast, bForce);
    else
    {
        // From the bottom up, each screen row's own record goes from the data.
        for (ROWCOL nRow = nLast + 1; nRow-- > nFirst && bOk;)
        {
            ROWCOL nRecord = GetRecordFromRow(nRow);
            bOk = CGXGridCore::StoreRemoveRows(nRecord, nRecord, bForce);
            if (bOk)
                RemoveEntry(map, nRow, nRecord);
        }
    }
    ResetEditBuffer();
    return bOk;
}

BOOL CGXBrowserGrid::StoreRemoveCols(ROWCOL nFirst, ROWCOL nLast, BOOL bForce)
{
    if (!WritePendingRecord())
        return FALSE;
    CDWordArray& map = GetBrowseParam()->m_awColIndex;
    BOOL bOk = TRUE;
    if (map.GetSize() == 0)
        bOk = CGXGridCore::StoreRemoveCols(nFirst, nLast, bForce);
    else
    {
        for (ROWCOL nCol = nLast + 1; nCol-- > nFirst && bOk;)
        {
            ROWCOL nField = GetFieldFromColIndex(nCol);
            bOk = CGXGridCore::StoreRemoveCols(nField, nField, bForce);
            if (bOk)
                RemoveEntry(map, nCol, nField);
        }
    }
    ResetEditBuffer();
    return bOk;
}

// Removal runs without undo recording (the records are gone from their source); whatever was
// recorded before cannot be undone any more.
static BOOL RemoveWithoutUndo(CGXBrowserGrid* g, const std::function<BOOL()>& remove)
{
    CGXGridParam* pParam = g->GetParam();
    BOOL bUndo = pParam->IsUndoEnabled();
    pParam->SetUndoEnabled(FALSE);
    BOOL bOk = remove();
    if (bOk)
    {
        pParam->ClearUndoList();
        pParam->ClearRedoList();
    }
    pParam->SetUndoEnabled(bUndo);
    return bOk;
}

BOOL CGXBrowserGrid::RemoveRows(ROWCOL nFirst, ROWCOL nLast, UINT flags, int ctCmd)
{
    return RemoveWithoutUndo(this, [&] { return CGXGridCore::RemoveRows(nFirst, nLast, flags, ctCmd); });
}

BOOL CGXBrowserGrid::RemoveCols(ROWCOL nFirst, ROWCOL nLast, UINT flags, int ctCmd)
{
    return RemoveWithoutUndo(this, [&] { return CGXGridCore::RemoveCols(nFirst, nLast, flags, ctCmd); });
}

// The data object is not reordered as well: it holds the records in their own order and is read
// through the maps, so reordering it too would apply the sort twice.
BOOL CGXBrowserGrid::ReorderDataRows(const CGXCellRange& range, const CDWordArray& awOrder)
{
    ApplyOrder(GetBrowseParam()->m_awRowIndex, range.top, awOrder,
               [this](ROWCOL n) { return GetRecordFromRow(n); });
    m_bCurrentCellStyleValid = FALSE;
    return TRUE;
}

void CGXBrowserGrid::SortRows(CGXCellRange range, CGXSortInfoArray& sortInfo, UINT flags)
{
    if (range.IsTable())
        range = CGXCellRange(GetFirstRecordRow(), 0, GetHeaderRows() + (ROWCOL)std::max(0L, GetRecordCount()),
                             GetColCount());
    CGXGridCore::SortRows(range, sortInfo, flags);
}

void CGXBrowserGrid::SortCols(CGXCellRange range, CGXSortInfoArray& sortInfo, UINT flags)
{
    if (range.IsTable())
        range = CGXCellRange(0, GetHeaderCols() + 1, GetRowCount(), GetColCount());
    CGXGridCore::SortCols(range, sortInfo, flags);
}

BOOL CGXBrowserGrid::ReorderDataCols(const CGXCellRange& range, const CDWordArray& awOrder)
{
    ApplyOrder(GetBrowseParam()->m_awColIndex, range.left, awOrder,
               [this](ROWCOL n) { return GetFieldFromColIndex(n); });
    m_bCurrentCellStyleValid = FALSE;
    return TRUE;
}
