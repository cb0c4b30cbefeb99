// Clearing the selected cells or a list of ranges.
#include "grid/features/GridClearCellsImp.h"
#include "grid/core/Data.h"
#include "grid/core/GridCore.h"
#include "grid/core/LongOperation.h"
#include "grid/core/RangeList.h"
#include "GridIds.h"
#include <algorithm>
#include <vector>

void CGXGridCore::InstallClearCellsImp()
{
    if (m_pClearCellsImp != NULL)
        return;
    m_pClearCellsImp = new CGXGridClearCellsImp;
    AddOwnedImp(m_pClearCellsImp);
}

namespace
{
// The elementary intervals of one axis: cut at every range's first index and after its last,
// so that each interval lies wholly inside or wholly outside every range.
std::vector<std::pair<ROWCOL, ROWCOL>> Intervals(const CGXRangeList& list, BOOL bRows)
{
    std::vector<ROWCOL> cuts;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
    {
        const CGXCellRange* r = list.GetNext(pos);
        cuts.push_back(bRows ? r->top : r->left);
        cuts.push_back((bRows ? r->bottom : r->right) + 1);
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    std::vector<std::pair<ROWCOL, ROWCOL>> intervals;
    for (size_t i = 0; i + 1 < cuts.size(); i++)
        intervals.emplace_back(cuts[i], cuts[i + 1] - 1);
    return intervals;
}

// Stores an empty value in each cell of the block whose control shows a text; FALSE when a store
// failed or the user aborted.
BOOL ClearValues(CGXGridCore* g, const CGXCellRange& block, CGXLongOperation& op)
{
    for (ROWCOL r = block.top; r <= block.bottom; r++)
        for (ROWCOL c = block.left; c <= block.right; c++)
        {
            CGXStyle* pStyle = g->CreateStyle();
            g->ComposeStyleRowCol(r, c, pStyle);
            CGXControl* pControl = g->GetRegisteredControl(pStyle->GetControl());
            BOOL bHasText = pControl != NULL && pControl->HasValueText(r, c, *pStyle);
            g->RecycleStyle(pStyle);
            if (bHasText && !g->SetValueRange(CGXCellRange(r, c), _T(""), gxOverride, 0, GX_INVALIDATE))
                return FALSE;
            BOOL bAbort = FALSE;
            op.DoMessages(bAbort);
            if (bAbort)
                return FALSE;
        }
    return TRUE;
}
} // namespace

BOOL CGXGridClearCellsImp::CanClear(CGXGridCore* pGrid)
{
    if (pGrid->IsReadOnly())
        return FALSE;
    ROWCOL nRow, nCol;
    return pGrid->GetParam()->m_SelectedRanges.GetCount() > 0 || pGrid->GetCurrentCell(nRow, nCol);
}

BOOL CGXGridClearCellsImp::Clear(CGXGridCore* pGrid, BOOL bStyles)
{
    CGXLongOperation op;
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
    CGXLongOperation op;
    op.SetStatusText(strTrans);

    CGXRangeList concrete;
    ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    for (POSITION pos = ranges.GetHeadPosition(); pos != NULL;)
    {
        CGXCellRange range = *ranges.GetNext(pos);
        range.ExpandToCells(pGrid->GetHeaderRows() + 1, pGrid->GetHeaderCols() + 1, nRows, nCols);
        if (range.IsValid())
            concrete.AddTail(new CGXCellRange(range));
    }
    CGXData* pData = pGrid->GetParam()->GetData();
    BOOL bOk = TRUE;
    for (const auto& rows : Intervals(concrete, TRUE))
        for (const auto& cols : Intervals(concrete, FALSE))
        {
            if (!bOk || !concrete.IsCellInList(rows.first, cols.first))
                continue;
            CGXCellRange block(rows.first, cols.first, rows.second, cols.second);
            BOOL bWasCollecting = pGrid->m_bRecalcCollecting;
            if (!bWasCollecting && pData != NULL)
                pData->AddRecalcRange(block);
            pGrid->m_bRecalcCollecting = TRUE;
            if (bStyles)
            {
                bOk = pGrid->SetStyleRange(block, NULL, gxExclude + 1, 0, NULL, GX_UPDATENOW);
                BOOL bAbort = FALSE;
                op.DoMessages(bAbort);
                bOk = bOk && !bAbort;
            }
            else
                bOk = ClearValues(pGrid, block, op);
            pGrid->m_bRecalcCollecting = bWasCollecting;
        }
    // A failed store or an abort takes back what was cleared so far.
    if (!bOk)
    {
        pGrid->Rollback();
        pGrid->RedrawAll(GX_INVALIDATE, FALSE);
        return FALSE;
    }
    pGrid->CommitTrans();
    pGrid->Recalc(TRUE, NULL, TRUE);
    return TRUE;
}
