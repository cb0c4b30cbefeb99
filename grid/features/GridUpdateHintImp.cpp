// Update hints between the views of one document: the senders pack the change's arguments,
// the receiver repeats the change's update with its create-hint argument FALSE, so that hints
// never echo. Senders address every grid; the framework skips the sending view.
#include "grid/features/GridUpdateHintImp.h"
#include "grid/core/Control.h"
#include "grid/core/GridCore.h"
#include "grid/features/GridHint.h"
#include "grid/core/GridParam.h"
#include "grid/core/GridView.h"
#include "SplitterWnd.h"

void CGXGridCore::InstallUpdateHintImp()
{
    if (m_pUpdateHintImp != NULL)
        return;
    m_pUpdateHintImp = new CGXGridUpdateHintImp;
    AddOwnedImp(m_pUpdateHintImp);
}

namespace
{
// The dynamic splitter around a grid view, with the view's pane; NULL outside one.
CSplitterWnd* SplitterOf(CGXGridCore* pGrid, int& nRow, int& nCol)
{
    CGXGridView* pView = dynamic_cast<CGXGridView*>(pGrid->GridWnd());
    CSplitterWnd* pSplitter = pView != NULL ? (CSplitterWnd*)pView->m_pSplitter : NULL;
    if (pSplitter == NULL || !::IsWindow(pSplitter->GetSafeHwnd()) ||
        !pSplitter->IsChildPane(pView, &nRow, &nCol))
        return NULL;
    return pSplitter;
}

// Zoom hints reach a view with floating cells or a pane of the sender's splitter.
BOOL ZoomApplies(CGXGridCore* pGrid, const CGXGridHint& h)
{
    int nRow, nCol;
    return pGrid->GetParam()->m_wFloatCellsMode != 0 ||
           (h.m_pValue != NULL && SplitterOf(pGrid, nRow, nCol) == h.m_pValue);
}

// A splitter hint reaches the pane it names, when the splitter has two panes that way.
BOOL IsAddressedPane(CGXGridCore* pGrid, const CGXGridHint& h, BOOL bTopRow)
{
    int nRow, nCol;
    CSplitterWnd* pSplitter = SplitterOf(pGrid, nRow, nCol);
    if (pSplitter == NULL || (bTopRow ? pSplitter->GetColumnCount() : pSplitter->GetRowCount()) < 2)
        return FALSE;
    return pSplitter->GetPane(nRow, nCol) == h.m_pValue;
}

int* Sizes(const CGXGridHint& h)
{
    return (int*)h.m_pValue;
}

// What a receiving grid does for each hint.
struct HintEntry
{
    UINT id;
    void (*pfnApply)(CGXGridCore* g, CGXGridHint& h);
    BOOL (*pfnApplies)(CGXGridCore* g, const CGXGridHint& h); // NULL: always
};

const HintEntry s_hints[] = {
    {gxHintRedraw, [](CGXGridCore* g, CGXGridHint& h) { g->RedrawAll(h.m_nFlags, FALSE); }, NULL},
    {gxHintRedrawRange,
     [](CGXGridCore* g, CGXGridHint& h) {
         g->RedrawRange(h.m_nRow1, h.m_nCol1, h.m_nRow2, h.m_nCol2, h.m_nFlags, FALSE);
     },
     NULL},
    {gxHintChangedRowCount,
     [](CGXGridCore* g, CGXGridHint& h) { g->UpdateChangedRowCount(h.m_nRow1, h.m_nFlags, FALSE); }, NULL},
    {gxHintChangedColCount,
     [](CGXGridCore* g, CGXGridHint& h) { g->UpdateChangedColCount(h.m_nCol1, h.m_nFlags, FALSE); }, NULL},
    {gxHintChangedRowHeights,
     [](CGXGridCore* g, CGXGridHint& h) {
         g->UpdateChangedRowHeight(h.m_nRow1, h.m_nRow2, Sizes(h), h.m_nFlags, FALSE);
     },
     NULL},
    {gxHintChangedColWidths,
     [](CGXGridCore* g, CGXGridHint& h) {
         g->UpdateChangedColWidth(h.m_nCol1, h.m_nCol2, Sizes(h), h.m_nFlags, FALSE);
     },
     NULL},
    {gxHintInsertCols,
     [](CGXGridCore* g, CGXGridHint& h) { g->UpdateInsertCols(h.m_nCol1, h.m_nValue, h.m_nFlags, FALSE); },
     NULL},
    {gxHintInsertRows,
     [](CGXGridCore* g, CGXGridHint& h) { g->UpdateInsertRows(h.m_nRow1, h.m_nValue, h.m_nFlags, FALSE); },
     NULL},
    {gxHintRemoveCols,
     [](CGXGridCore* g, CGXGridHint& h) {
         g->UpdateRemoveCols(h.m_nCol1, h.m_nCol2, Sizes(h), h.m_nFlags, FALSE);
     },
     NULL},
    {gxHintRemoveRows,
     [](CGXGridCore* g, CGXGridHint& h) {
         g->UpdateRemoveRows(h.m_nRow1, h.m_nRow2, Sizes(h), h.m_nFlags, FALSE);
     },
     NULL},
    {gxHintMoveCols,
     [](CGXGridCore* g, CGXGridHint& h) {
         g->UpdateMoveCols(h.m_nCol1, h.m_nCol2, h.m_nCol3, h.m_nFlags, FALSE);
     },
     NULL},
    {gxHintMoveRows,
     [](CGXGridCore* g, CGXGridHint& h) {
         g->UpdateMoveRows(h.m_nRow1, h.m_nRow2, h.m_nRow3, h.m_nFlags, FALSE);
     },
     NULL},
    {gxHintChangedSelection,
     [](CGXGridCore* g, CGXGridHint& h) {
         g->UpdateChangedSelection((POSITION)h.m_pValue, h.m_nRow1, h.m_nCol1, h.m_nRow2, h.m_nCol2, FALSE);
     },
     NULL},
    {gxHintAllSelected, [](CGXGridCore* g, CGXGridHint&) { g->UpdateAllSelected(FALSE); }, NULL},
    {gxHintSelectRange,
     [](CGXGridCore* g, CGXGridHint& h) {
         g->UpdateSelectRange(h.m_range, (const CGXRangeList*)h.m_pValue, FALSE);
     },
     NULL},
    {gxHintFrozenRows,
     [](CGXGridCore* g, CGXGridHint& h) { g->UpdateFrozenRows(h.m_nRow1, h.m_nRow2, h.m_nFlags, FALSE); },
     NULL},
    {gxHintFrozenCols,
     [](CGXGridCore* g, CGXGridHint& h) { g->UpdateFrozenCols(h.m_nCol1, h.m_nCol2, h.m_nFlags, FALSE); },
     NULL},
    {gxHintStyleRange,
     [](CGXGridCore* g, CGXGridHint& h) {
         g->UpdateStyleRange(h.m_range, (const CGXStyle*)h.m_dwParam1, (int)h.m_dwParam2, (int)h.m_nParam,
                             h.m_nFlags, FALSE);
     },
     NULL},
    {gxHintCoveredRange,
     [](CGXGridCore* g, CGXGridHint& h) {
         if (g->m_pCoveredCellsImp != NULL)
             g->m_pCoveredCellsImp->RedrawCoveredRange(g, h.m_nRow1, h.m_nCol1, h.m_nRow2, h.m_nCol2,
                                                       h.m_nFlags, FALSE);
     },
     NULL},
    {gxHintZoomChanged,
     [](CGXGridCore* g, CGXGridHint& h) { g->OnZoomChanged((int)h.m_nParam, h.m_nFlags, FALSE); },
     ZoomApplies},
    {gxHintStoreZoom, [](CGXGridCore* g, CGXGridHint& h) { g->StoreZoom((int)h.m_nParam, FALSE); },
     ZoomApplies},
    {gxHintRefreshCurrentCell,
     [](CGXGridCore* g, CGXGridHint&) {
         ROWCOL nRow, nCol;
         CGXControl* pControl = g->GetCurrentCell(nRow, nCol) ? g->GetControl(nRow, nCol) : NULL;
         if (pControl != NULL && pControl->IsActive())
         {
             pControl->Reset();
             pControl->Init(nRow, nCol);
         }
     },
     NULL},
    {gxHintWindowText, [](CGXGridCore* g, CGXGridHint&) { g->NameWindowFromText(); },
     [](CGXGridCore* g, const CGXGridHint&) -> BOOL { return g->GetContainerWnd() != NULL; }},
    {gxHintTransferCurrentCell,
     [](CGXGridCore* g, CGXGridHint& h) {
         if (!g->TransferCurrentCell(h.m_nParam != 0, h.m_nFlags, FALSE))
             h.m_nValue = 0;
     },
     NULL},
    {gxHintSplitterTopRow, [](CGXGridCore* g, CGXGridHint& h) { g->SetTopRow(h.m_nRow1, h.m_nFlags, FALSE); },
     [](CGXGridCore* g, const CGXGridHint& h) { return IsAddressedPane(g, h, TRUE); }},
    {gxHintSplitterLeftCol,
     [](CGXGridCore* g, CGXGridHint& h) { g->SetLeftCol(h.m_nCol1, h.m_nFlags, FALSE); },
     [](CGXGridCore* g, const CGXGridHint& h) { return IsAddressedPane(g, h, FALSE); }},
    {gxHintChangeCurrentCell,
     [](CGXGridCore* g, CGXGridHint& h) { g->ChangeCurrentCell(h.m_nRow1, h.m_nCol1, h.m_nFlags); }, NULL},
    {gxHintFloatedSpan,
     [](CGXGridCore* g, CGXGridHint& h) {
         g->RedrawFloatedSpanAt(h.m_nRow1, h.m_nCol1, h.m_nRow2, h.m_nCol2, h.m_nFlags, FALSE);
     },
     NULL},
    {gxHintMergedSpan,
     [](CGXGridCore* g, CGXGridHint& h) {
         g->RedrawMergedSpanAt(h.m_nRow1, h.m_nCol1, h.m_nRow2, h.m_nCol2, h.m_nFlags, FALSE);
     },
     NULL},
    {gxHintExcelFrame, [](CGXGridCore* g, CGXGridHint& h) { g->ShowExcelFrame(h.m_nFlags == 0, TRUE); },
     NULL},
    {gxHintSortRows,
     [](CGXGridCore* g, CGXGridHint& h) { g->UpdateAfterRowSort(h.m_range, h.m_nFlags, FALSE); }, NULL},
    {gxHintSortCols,
     [](CGXGridCore* g, CGXGridHint& h) { g->UpdateAfterColSort(h.m_range, h.m_nFlags, FALSE); }, NULL},
    {gxHintProperties, [](CGXGridCore* g, CGXGridHint& h) { g->UpdateProperties(h.m_nFlags, FALSE); }, NULL},
    {gxHintStylesMap, [](CGXGridCore* g, CGXGridHint& h) { g->UpdateStylesMap(h.m_nFlags, FALSE); }, NULL},
    {gxHintBaseStyle,
     [](CGXGridCore* g, CGXGridHint& h) { g->UpdateBaseStyle((WORD)h.m_nValue, h.m_nFlags, FALSE); }, NULL},
    {gxHintRecalc, [](CGXGridCore* g, CGXGridHint&) { g->Recalc(FALSE, NULL, FALSE); }, NULL},
};
} // namespace

void CGXGridUpdateHintImp::Send(CGXGridCore* pGrid, CGXGridHint& hint)
{
    pGrid->UpdateAllViews(pGrid->GridWnd(), 0, &hint);
}

BOOL CGXGridUpdateHintImp::OnGridUpdate(CGXGridCore* pGrid, CObject* pHint)
{
    if (pGrid->GetParam() == NULL || pHint == NULL || !pHint->IsKindOf(RUNTIME_CLASS(CGXGridHint)))
        return FALSE;
    CGXGridHint* pGridHint = (CGXGridHint*)pHint;
    if (pGridHint->m_nViewId != (UINT)-1 && pGridHint->m_nViewId != pGrid->m_nGridId)
        return FALSE;
    for (const HintEntry& e : s_hints)
        if (e.id == pGridHint->m_id)
        {
            if (e.pfnApplies != NULL && !e.pfnApplies(pGrid, *pGridHint))
                return FALSE;
            e.pfnApply(pGrid, *pGridHint);
            return TRUE;
        }
    return FALSE;
}

void CGXGridUpdateHintImp::SendCells(CGXGridCore* pGrid, UINT id, ROWCOL nRow1, ROWCOL nCol1, ROWCOL nRow2,
                                     ROWCOL nCol2, UINT flags)
{
    CGXGridHint hint(id);
    hint.m_nRow1 = nRow1;
    hint.m_nCol1 = nCol1;
    hint.m_nRow2 = nRow2;
    hint.m_nCol2 = nCol2;
    hint.m_nFlags = flags;
    Send(pGrid, hint);
}

void CGXGridUpdateHintImp::SendBlock(CGXGridCore* pGrid, UINT id, BOOL bRows, ROWCOL nFirst, ROWCOL nLast,
                                     ROWCOL nDest, const int* anOld, UINT flags)
{
    CGXGridHint hint(id);
    (bRows ? hint.m_nRow1 : hint.m_nCol1) = nFirst;
    (bRows ? hint.m_nRow2 : hint.m_nCol2) = nLast;
    (bRows ? hint.m_nRow3 : hint.m_nCol3) = nDest;
    hint.m_pValue = (void*)anOld;
    hint.m_nFlags = flags;
    Send(pGrid, hint);
}

void CGXGridUpdateHintImp::SendToNeighbourPane(CGXGridCore* pGrid, BOOL bTopRow, ROWCOL nRowCol, UINT flags)
{
    int nRow, nCol;
    CSplitterWnd* pSplitter = SplitterOf(pGrid, nRow, nCol);
    if (pSplitter == NULL || (bTopRow ? pSplitter->GetColumnCount() : pSplitter->GetRowCount()) < 2)
        return;
    CGXGridHint hint(bTopRow ? gxHintSplitterTopRow : gxHintSplitterLeftCol);
    if (bTopRow)
        hint.m_nRow1 = nRowCol;
    else
        hint.m_nCol1 = nRowCol;
    hint.m_nFlags = flags;
    hint.m_pValue = bTopRow ? pSplitter->GetPane(nRow, 1 - nCol) : pSplitter->GetPane(1 - nRow, nCol);
    Send(pGrid, hint);
}

void CGXGridUpdateHintImp::HintReadOnly(CGXGridCore* pGrid, BOOL bReadOnly)
{
    CGXGridHint hint(gxHintRefreshCurrentCell);
    hint.m_nParam = bReadOnly;
    Send(pGrid, hint);
}

void CGXGridUpdateHintImp::HintCurrentCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT flags)
{
    SendCells(pGrid, gxHintChangeCurrentCell, nRow, nCol, 0, 0, flags);
}

BOOL CGXGridUpdateHintImp::HintTransferCurrentCell(CGXGridCore* pGrid, BOOL bSave, UINT flags)
{
    CGXGridHint hint(gxHintTransferCurrentCell);
    hint.m_nParam = bSave;
    hint.m_nFlags = flags;
    hint.m_nValue = 1;
    Send(pGrid, hint);
    return hint.m_nValue != 0;
}

void CGXGridUpdateHintImp::HintChangedRowCount(CGXGridCore* pGrid, ROWCOL nOldRows, UINT flags)
{
    SendCells(pGrid, gxHintChangedRowCount, nOldRows, 0, 0, 0, flags);
}

void CGXGridUpdateHintImp::HintChangedColCount(CGXGridCore* pGrid, ROWCOL nOldCols, UINT flags)
{
    SendCells(pGrid, gxHintChangedColCount, 0, nOldCols, 0, 0, flags);
}

void CGXGridUpdateHintImp::HintChangedFrozenCols(CGXGridCore* pGrid, ROWCOL nOldFrozen, ROWCOL nOldHeader,
                                                 UINT flags)
{
    SendCells(pGrid, gxHintFrozenCols, 0, nOldFrozen, 0, nOldHeader, flags);
}

void CGXGridUpdateHintImp::HintChangedFrozenRows(CGXGridCore* pGrid, ROWCOL nOldFrozen, ROWCOL nOldHeader,
                                                 UINT flags)
{
    SendCells(pGrid, gxHintFrozenRows, nOldFrozen, 0, nOldHeader, 0, flags);
}

void CGXGridUpdateHintImp::HintSetTopRow(CGXGridCore* pGrid, ROWCOL nRow, UINT flags)
{
    SendToNeighbourPane(pGrid, TRUE, nRow, flags);
}

void CGXGridUpdateHintImp::HintSetLeftCol(CGXGridCore* pGrid, ROWCOL nCol, UINT flags)
{
    SendToNeighbourPane(pGrid, FALSE, nCol, flags);
}

void CGXGridUpdateHintImp::HintInsertRows(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCount, UINT flags)
{
    CGXGridHint hint(gxHintInsertRows);
    hint.m_nRow1 = nRow;
    hint.m_nValue = nCount;
    hint.m_nFlags = flags;
    Send(pGrid, hint);
}

void CGXGridUpdateHintImp::HintInsertCols(CGXGridCore* pGrid, ROWCOL nCol, ROWCOL nCount, UINT flags)
{
    CGXGridHint hint(gxHintInsertCols);
    hint.m_nCol1 = nCol;
    hint.m_nValue = nCount;
    hint.m_nFlags = flags;
    Send(pGrid, hint);
}

void CGXGridUpdateHintImp::HintRedrawRange(CGXGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                           ROWCOL nRight, UINT flags)
{
    SendCells(pGrid, gxHintRedrawRange, nTop, nLeft, nBottom, nRight, flags);
}

void CGXGridUpdateHintImp::HintRedrawAll(CGXGridCore* pGrid, UINT flags)
{
    SendCells(pGrid, gxHintRedraw, 0, 0, 0, 0, flags);
}

void CGXGridUpdateHintImp::HintRecalc(CGXGridCore* pGrid, const CString& strError)
{
    CGXGridHint hint(gxHintRecalc);
    hint.m_pValue = (void*)&strError;
    Send(pGrid, hint);
}

void CGXGridUpdateHintImp::HintProperty(CGXGridCore* pGrid, UINT nValue)
{
    CGXGridHint hint(gxHintWindowText);
    hint.m_nParam = nValue;
    Send(pGrid, hint);
}

void CGXGridUpdateHintImp::HintScroll(CGXGridCore* pGrid, int nDirection, ROWCOL)
{
    // Directions 1 and 3 move the top row, 2 and 4 the left column.
    if (nDirection == 1 || nDirection == 3)
        SendToNeighbourPane(pGrid, TRUE, pGrid->GetTopRow(), 2);
    else if (nDirection == 2 || nDirection == 4)
        SendToNeighbourPane(pGrid, FALSE, pGrid->GetLeftCol(), 2);
}

void CGXGridUpdateHintImp::HintSelectRange(CGXGridCore* pGrid, const CGXCellRange& range,
                                           const CObject* pOldSelection)
{
    CGXGridHint hint(gxHintSelectRange);
    hint.m_range = range;
    hint.m_pValue = (void*)pOldSelection;
    Send(pGrid, hint);
}

void CGXGridUpdateHintImp::HintExcelFrame(CGXGridCore* pGrid, BOOL bShow)
{
    SendCells(pGrid, gxHintExcelFrame, 0, 0, 0, 0, bShow);
}

void CGXGridUpdateHintImp::HintChangedSelection(CGXGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft,
                                                ROWCOL nBottom, ROWCOL nRight)
{
    CGXGridHint hint(gxHintChangedSelection);
    hint.m_pValue = (void*)pos;
    hint.m_nRow1 = nTop;
    hint.m_nCol1 = nLeft;
    hint.m_nRow2 = nBottom;
    hint.m_nCol2 = nRight;
    Send(pGrid, hint);
}

void CGXGridUpdateHintImp::HintAllSelected(CGXGridCore* pGrid)
{
    CGXGridHint hint(gxHintAllSelected);
    Send(pGrid, hint);
}

void CGXGridUpdateHintImp::HintChangedRowHeight(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast,
                                                const int* anOld, UINT flags)
{
    SendBlock(pGrid, gxHintChangedRowHeights, TRUE, nFirst, nLast, 0, anOld, flags);
}

void CGXGridUpdateHintImp::HintChangedColWidth(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast,
                                               const int* anOld, UINT flags)
{
    SendBlock(pGrid, gxHintChangedColWidths, FALSE, nFirst, nLast, 0, anOld, flags);
}

void CGXGridUpdateHintImp::HintStoreZoom(CGXGridCore* pGrid, int nZoom)
{
    int nRow, nCol;
    CGXGridHint hint(gxHintStoreZoom);
    hint.m_nParam = (UINT)nZoom;
    hint.m_pValue = SplitterOf(pGrid, nRow, nCol);
    Send(pGrid, hint);
}

void CGXGridUpdateHintImp::HintZoomChanged(CGXGridCore* pGrid, int nOldZoom, UINT flags)
{
    int nRow, nCol;
    CGXGridHint hint(gxHintZoomChanged);
    hint.m_nParam = (UINT)nOldZoom;
    hint.m_nFlags = flags;
    hint.m_pValue = SplitterOf(pGrid, nRow, nCol);
    Send(pGrid, hint);
}

void CGXGridUpdateHintImp::HintStyleRange(CGXGridCore* pGrid, const CGXCellRange& range,
                                          const CGXStyle* pStyle, int mode, int nType, UINT flags)
{
    CGXGridHint hint(gxHintStyleRange);
    hint.m_range = range;
    hint.m_dwParam1 = (DWORD_PTR)pStyle;
    hint.m_dwParam2 = (DWORD_PTR)mode;
    hint.m_nParam = (UINT)nType;
    hint.m_nFlags = flags;
    Send(pGrid, hint);
}

void CGXGridUpdateHintImp::HintStylesMap(CGXGridCore* pGrid, UINT flags)
{
    SendCells(pGrid, gxHintStylesMap, 0, 0, 0, 0, flags);
}

void CGXGridUpdateHintImp::HintProperties(CGXGridCore* pGrid, UINT flags)
{
    SendCells(pGrid, gxHintProperties, 0, 0, 0, 0, flags);
}

void CGXGridUpdateHintImp::HintBaseStyle(CGXGridCore* pGrid, WORD nID, UINT flags)
{
    CGXGridHint hint(gxHintBaseStyle);
    hint.m_nValue = nID;
    hint.m_nFlags = flags;
    Send(pGrid, hint);
}

void CGXGridUpdateHintImp::HintCoveredRange(CGXGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                            ROWCOL nRight, UINT flags)
{
    SendCells(pGrid, gxHintCoveredRange, nTop, nLeft, nBottom, nRight, flags);
}

void CGXGridUpdateHintImp::HintFloatedSpan(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nOldBottom,
                                           ROWCOL nOldRight, UINT flags)
{
    SendCells(pGrid, gxHintFloatedSpan, nRow, nCol, nOldBottom, nOldRight, flags);
}

void CGXGridUpdateHintImp::HintMergedSpan(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nOldBottom,
                                          ROWCOL nOldRight, UINT flags)
{
    SendCells(pGrid, gxHintMergedSpan, nRow, nCol, nOldBottom, nOldRight, flags);
}

void CGXGridUpdateHintImp::HintSortRows(CGXGridCore* pGrid, const CGXCellRange& range, UINT flags)
{
    CGXGridHint hint(gxHintSortRows);
    hint.m_range = range;
    hint.m_nFlags = flags;
    Send(pGrid, hint);
}

void CGXGridUpdateHintImp::HintSortCols(CGXGridCore* pGrid, const CGXCellRange& range, UINT flags)
{
    CGXGridHint hint(gxHintSortCols);
    hint.m_range = range;
    hint.m_nFlags = flags;
    Send(pGrid, hint);
}

void CGXGridUpdateHintImp::HintRemoveRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, const int* anOld,
                                          UINT flags)
{
    SendBlock(pGrid, gxHintRemoveRows, TRUE, nFirst, nLast, 0, anOld, flags);
}

void CGXGridUpdateHintImp::HintRemoveCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, const int* anOld,
                                          UINT flags)
{
    SendBlock(pGrid, gxHintRemoveCols, FALSE, nFirst, nLast, 0, anOld, flags);
}

void CGXGridUpdateHintImp::HintMoveRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest,
                                        UINT flags)
{
    SendBlock(pGrid, gxHintMoveRows, TRUE, nFirst, nLast, nDest, NULL, flags);
}

void CGXGridUpdateHintImp::HintMoveCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest,
                                        UINT flags)
{
    SendBlock(pGrid, gxHintMoveCols, FALSE, nFirst, nLast, nDest, NULL, flags);
}
