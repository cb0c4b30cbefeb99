// The row and the column description of the grid's structure.
#include "grid/core/GridAxis.h"
#include "GridIds.h"

namespace
{
void OptimizedInsertRows(CGXAbstractGridOptimizedUpdateImp* pImp, CGXGridCore* pGrid, ROWCOL nRow,
                         ROWCOL nCount, UINT* pMode)
{
    pImp->UpdateAfterInsertRows(pGrid, &nRow, &nCount, pMode);
}

void OptimizedInsertCols(CGXAbstractGridOptimizedUpdateImp* pImp, CGXGridCore* pGrid, ROWCOL nCol,
                         ROWCOL nCount, UINT* pMode)
{
    pImp->UpdateAfterInsertCols(pGrid, &nCol, &nCount, pMode);
}

void OptimizedRemoveRows(CGXAbstractGridOptimizedUpdateImp* pImp, CGXGridCore* pGrid, ROWCOL nFirst,
                         ROWCOL nLast, int* anOld, UINT* pMode)
{
    pImp->UpdateAfterRemoveRows(pGrid, &nFirst, &nLast, anOld, *pMode);
}

void OptimizedRemoveCols(CGXAbstractGridOptimizedUpdateImp* pImp, CGXGridCore* pGrid, ROWCOL nFirst,
                         ROWCOL nLast, int* anOld, UINT* pMode)
{
    pImp->UpdateAfterRemoveCols(pGrid, &nFirst, &nLast, anOld, pMode);
}
} // namespace

// clang-format off
const CGXGridAxis CGXGridAxis::rows = {
    TRUE, GX_IDS_INSERTROWS, GX_IDS_REMOVEROWS,
    &CGXGridCore::GetRowCount, &CGXGridCore::InsertRows, &CGXGridCore::RemoveRows,
    &CGXGridCore::GetRowHeight, &CGXGridCore::StoreRowHeight,
    &CGXGridCore::GetFrozenRows, &CGXGridCore::StoreInsertRows, &CGXGridCore::StoreRemoveRows,
    &CGXGridCore::UpdateInsertRows, &CGXGridCore::UpdateRemoveRows, &CGXGridCore::UpdateChangedRowHeight,
    &CGXGridCore::ClientRowToRow, &CGXGridCore::m_nCurrentRow, &CGXGridCore::m_nTopRow, &RECT::top, &RECT::bottom,
    &CGXData::InsertRows, &CGXData::RemoveRows, &CGXGridParam::m_RowHeights,
    &CGXRangeList::AdjustForInsertedRows, &CGXRangeList::AdjustForRemovedRows,
    &CGXAbstractGridOptimizedUpdateImp::UpdateAfterRowHeights, &CGXAbstractGridUpdateHintImp::HintChangedRowHeight,
    &CGXAbstractGridHideCellsImp::InsertRows, &CGXAbstractGridHideCellsImp::RemoveRows,
    &CGXAbstractGridCoveredCellsImp::AdjustCoveredForRemovedRows,
    &CGXAbstractGridUpdateHintImp::HintInsertRows, &CGXAbstractGridUpdateHintImp::HintRemoveRows,
    &CGXAbstractGridUpdateHintImp::HintChangedRowCount,
    &CGXAbstractCommandFactory::CreateRemoveRowsCmd, &CGXAbstractCommandFactory::CreateInsertRowsCmd,
    &CGXAbstractCommandFactory::CreateSetRowHeightCmd, &CGXAbstractCommandFactory::CollectRowsUndoInfo,
    OptimizedInsertRows, OptimizedRemoveRows,
    &CGXGridCore::GetTopRow, &CGXGridCore::RowToClientRow, &CGXGridCore::CalcClientRowTop,
    &CGXGridCore::GetBottomVisibleRow, &CGXGridCore::OnTopRowChanging, &CGXGridCore::OnTopRowChanged,
    &CGXGridCore::m_nPrintTopRow, GX_UP, GX_DOWN,
    &CGXGridCore::GetHeaderRows, &CGXGridCore::StoreFrozenRows, &CGXGridCore::UpdateFrozenRows,
    &CGXGridCore::m_bFrozenRowsOff, &CGXGridParam::m_nFrozenRows, &CGXGridParam::m_nHeaderRows,
    &CGXAbstractGridUpdateHintImp::HintSetTopRow, &CGXAbstractGridUpdateHintImp::HintChangedFrozenRows,
    &CGXAbstractCommandFactory::CreateSetFrozenRowsCmd,
    &CGXGridCore::GetCharHeight, &CGXGridCore::GetDefaultRowHeight, &CGXGridCore::StoreDefaultRowHeight,
    &CGXGridCore::IsRowHidden, &CGXGridCore::SumRowHeights, &CGXGridCore::CalcLastRowInRect,
    &CGXGridParam::m_nDefaultRowHeight, &CGXAbstractCommandFactory::CreateSetDefaultRowHeightCmd,
    &CGXGridCore::m_nLastVisibleRow, &CGXGridCore::m_nLastVisibleTopRow, &CGXGridCore::m_bLastVisibleRowPartial,
    &CGXGridParam::TestRowSizingFlags, GX_HORZLINE, GX_HORZLINE_PREVROW, &POINT::y,
    &CGXGridCore::SetTopRow, WM_VSCROLL, SB_VERT, &CGXGridCore::CalcMaxTopRow,
    &CGXAbstractSpanCellPoolImp::InsertRows, &CGXAbstractSpanCellPoolImp::RemoveRows,
};

const CGXGridAxis CGXGridAxis::cols = {
    FALSE, GX_IDS_INSERTCOLS, GX_IDS_REMOVECOLS,
    &CGXGridCore::GetColCount, &CGXGridCore::InsertCols, &CGXGridCore::RemoveCols,
    &CGXGridCore::GetColWidth, &CGXGridCore::StoreColWidth,
    &CGXGridCore::GetFrozenCols, &CGXGridCore::StoreInsertCols, &CGXGridCore::StoreRemoveCols,
    &CGXGridCore::UpdateInsertCols, &CGXGridCore::UpdateRemoveCols, &CGXGridCore::UpdateChangedColWidth,
    &CGXGridCore::ClientColToCol, &CGXGridCore::m_nCurrentCol, &CGXGridCore::m_nLeftCol, &RECT::left, &RECT::right,
    &CGXData::InsertCols, &CGXData::RemoveCols, &CGXGridParam::m_ColWidths,
    &CGXRangeList::AdjustForInsertedCols, &CGXRangeList::AdjustForRemovedCols,
    &CGXAbstractGridOptimizedUpdateImp::UpdateAfterColWidths, &CGXAbstractGridUpdateHintImp::HintChangedColWidth,
    &CGXAbstractGridHideCellsImp::InsertCols, &CGXAbstractGridHideCellsImp::RemoveCols,
    &CGXAbstractGridCoveredCellsImp::AdjustCoveredForRemovedCols,
    &CGXAbstractGridUpdateHintImp::HintInsertCols, &CGXAbstractGridUpdateHintImp::HintRemoveCols,
    &CGXAbstractGridUpdateHintImp::HintChangedColCount,
    &CGXAbstractCommandFactory::CreateRemoveColsCmd, &CGXAbstractCommandFactory::CreateInsertColsCmd,
    &CGXAbstractCommandFactory::CreateSetColWidthCmd, &CGXAbstractCommandFactory::CollectColsUndoInfo,
    OptimizedInsertCols, OptimizedRemoveCols,
    &CGXGridCore::GetLeftCol, &CGXGridCore::ColToClientCol, &CGXGridCore::CalcClientColLeft,
    &CGXGridCore::GetRightVisibleCol, &CGXGridCore::OnLeftColChanging, &CGXGridCore::OnLeftColChanged,
    &CGXGridCore::m_nPrintLeftCol, GX_LEFT, GX_RIGHT,
    &CGXGridCore::GetHeaderCols, &CGXGridCore::StoreFrozenCols, &CGXGridCore::UpdateFrozenCols,
    &CGXGridCore::m_bFrozenColsOff, &CGXGridParam::m_nFrozenCols, &CGXGridParam::m_nHeaderCols,
    &CGXAbstractGridUpdateHintImp::HintSetLeftCol, &CGXAbstractGridUpdateHintImp::HintChangedFrozenCols,
    &CGXAbstractCommandFactory::CreateSetFrozenColsCmd,
    &CGXGridCore::GetCharWidth, &CGXGridCore::GetDefaultColWidth, &CGXGridCore::StoreDefaultColWidth,
    &CGXGridCore::IsColHidden, &CGXGridCore::SumColWidths, &CGXGridCore::CalcLastColInRect,
    &CGXGridParam::m_nDefaultColWidth, &CGXAbstractCommandFactory::CreateSetDefaultColWidthCmd,
    &CGXGridCore::m_nLastVisibleCol, &CGXGridCore::m_nLastVisibleLeftCol, &CGXGridCore::m_bLastVisibleColPartial,
    &CGXGridParam::TestColSizingFlags, GX_VERTLINE, GX_VERTLINE_PREVCOL, &POINT::x,
    &CGXGridCore::SetLeftCol, WM_HSCROLL, SB_HORZ, &CGXGridCore::CalcMaxLeftCol,
    &CGXAbstractSpanCellPoolImp::InsertCols, &CGXAbstractSpanCellPoolImp::RemoveCols,
};
// clang-format on
