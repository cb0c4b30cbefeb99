// Clearing the selected cells or a list of ranges.
#include "grid/core/GridClearCellsImp.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"

void CGXGridCore::InstallClearCellsImp()
{
    if (m_pClearCellsImp != NULL)
        return;
    m_pClearCellsImp = new CGXGridClearCellsImp;
    AddOwnedImp(m_pClearCellsImp);
}

BOOL CGXGridClearCellsImp::CanClear(CGXGridCore* pGrid)
{
    if (pGrid->IsReadOnly())
        return FALSE;
    ROWCOL nRow, nCol;
    return pGrid->GetParam()->m_SelectedRanges.GetCount() > 0 || pGrid->GetCurrentCell(nRow, nCol);
}

BOOL CGXGridClearCellsImp::Clear(CGXGridCore* pGrid, BOOL bStyles)
{
    CGXRangeList list;
    if (!pGrid->CopyRangeList(list, TRUE))
        return FALSE;
    return pGrid->ClearCells(list, bStyles);
}

BOOL CGXGridClearCellsImp::ClearCells(CGXGridCore* pGrid, const CGXRangeList& ranges, BOOL bStyles)
{
    if (pGrid->IsReadOnly())
        return FALSE;
    // The current cell's control must not write its old text back over the cleared cell.
    pGrid->TransferCurrentCell(FALSE, GX_INVALIDATE, TRUE);
    CString strTrans;
    strTrans.LoadString(GX_IDS_CLEARCELLS);
    pGrid->BeginTrans(strTrans);
    BOOL bOk = TRUE;
    POSITION pos = ranges.GetHeadPosition();
    while (pos != NULL && bOk)
    {
        CGXCellRange range = *ranges.GetNext(pos);
        range.ExpandToCells(1, 1, pGrid->GetRowCount(), pGrid->GetColCount());
        if (bStyles)
            bOk = pGrid->SetStyleRange(range, NULL, gxExclude + 1, 0, NULL, GX_UPDATENOW);
        else
        {
            CGXStyle empty;
            empty.SetInclude(CGXStyle::ibValue, TRUE);
            bOk = pGrid->SetStyleRange(range, &empty, gxExclude, 0, NULL, GX_UPDATENOW);
        }
    }
    if (bOk)
        pGrid->CommitTrans();
    else
        pGrid->Rollback();
    return bOk;
}
