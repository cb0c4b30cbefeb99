// Freezing and unfreezing the selected rows and columns.
#include "grid/features/GridFreezeMenuHelperImp.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/RangeList.h"
#include "GridIds.h"
#include <algorithm>

void CGXGridCore::InstallFreezeMenuHelperImp()
{
    if (m_pFreezeMenuHelperImp != NULL)
        return;
    m_pFreezeMenuHelperImp = new CGXGridFreezeMenuHelperImp;
    AddOwnedImp(m_pFreezeMenuHelperImp);
}

namespace
{
ROWCOL FrozenOf(CGXGridCore* g, BOOL bRows)
{
    return bRows ? g->GetFrozenRows() : g->GetFrozenCols();
}

ROWCOL HeadersOf(CGXGridCore* g, BOOL bRows)
{
    return bRows ? g->GetHeaderRows() : g->GetHeaderCols();
}

// The intervals of the selection along one axis, cell ranges included.
INT_PTR SelectedIntervals(CGXGridCore* g, BOOL bRows, CDWordArray& awFirst, CDWordArray& awLast)
{
    const CGXRangeList& list = g->GetParam()->m_SelectedRanges;
    if (bRows)
        list.GetRowArray(g->GetRowCount(), awFirst, awLast, FALSE);
    else
        list.GetColArray(g->GetColCount(), awFirst, awLast, FALSE);
    return awFirst.GetSize();
}

void MoveBlock(CGXGridCore* g, BOOL bRows, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest)
{
    if (bRows)
        g->MoveRows(nFirst, nLast, nDest, GX_UPDATENOW, gxDo);
    else
        g->MoveCols(nFirst, nLast, nDest, GX_UPDATENOW, gxDo);
}

void SetFrozen(CGXGridCore* g, BOOL bRows, ROWCOL nFrozen)
{
    if (bRows)
        g->SetFrozenRows(nFrozen, g->GetHeaderRows(), GX_UPDATENOW, gxDo);
    else
        g->SetFrozenCols(nFrozen, g->GetHeaderCols(), GX_UPDATENOW, gxDo);
}
} // namespace

BOOL CGXGridFreezeMenuHelperImp::CanFreeze(CGXGridCore* g, BOOL bRows)
{
    if (g->GetParam() == NULL || FrozenOf(g, bRows) != 0)
        return FALSE;
    CDWordArray awFirst, awLast;
    return SelectedIntervals(g, bRows, awFirst, awLast) == 1;
}

void CGXGridFreezeMenuHelperImp::Freeze(CGXGridCore* g, BOOL bRows)
{
    if (!(bRows ? g->CanFreezeRows() : g->CanFreezeCols()))
        return;
    CGXGridParam* pParam = g->GetParam();
    CDWordArray awFirst, awLast;
    SelectedIntervals(g, bRows, awFirst, awLast);
    ROWCOL h = HeadersOf(g, bRows), nLast = awLast[0];
    ROWCOL nFirst = std::max<ROWCOL>(awFirst[0], h + 1);
    CWaitCursor wait;
    CString strTrans;
    strTrans.LoadString(bRows ? GX_IDS_FREEZEROWS : GX_IDS_FREEZECOLS);
    g->BeginTrans(strTrans);
    BOOL bLocked = pParam->m_bRedrawLocked;
    pParam->m_bRedrawLocked = TRUE;
    g->SetSelection(NULL);
    if (nFirst != h + 1)
        MoveBlock(g, bRows, nFirst, nLast, h + 1);
    CGXGridParam::FreezeRecord& rec = bRows ? pParam->m_freezeRows : pParam->m_freezeCols;
    rec.nFirst = h + 1;
    rec.nCount = nLast - nFirst + 1;
    rec.nFormer = nFirst;
    SetFrozen(g, bRows, rec.nCount);
    pParam->m_bRedrawLocked = bLocked;
    g->RedrawAll(GX_UPDATENOW, TRUE);
    g->CommitTrans();
}

BOOL CGXGridFreezeMenuHelperImp::CanFreezeCols(CGXGridCore* pGrid)
{
    return CanFreeze(pGrid, FALSE);
}

BOOL CGXGridFreezeMenuHelperImp::CanUnfreezeCols(CGXGridCore* pGrid)
{
    return pGrid->GetFrozenCols() != 0;
}

void CGXGridFreezeMenuHelperImp::FreezeCols(CGXGridCore* pGrid)
{
    Freeze(pGrid, FALSE);
}

void CGXGridFreezeMenuHelperImp::UnfreezeCols(CGXGridCore* pGrid)
{
    if (pGrid->GetFrozenCols() == 0)
        return;
    CGXGridParam* pParam = pGrid->GetParam();
    BOOL bLocked = pParam->m_bRedrawLocked;
    pParam->m_bRedrawLocked = TRUE;
    CString strTrans;
    strTrans.LoadString(GX_IDS_FREEZECOLS);
    pGrid->BeginTrans(strTrans);
    const CGXGridParam::FreezeRecord& rec = pParam->m_freezeCols;
    if (rec.nFirst != rec.nFormer && rec.nCount != 0)
        MoveBlock(pGrid, FALSE, rec.nFirst, rec.nFirst + rec.nCount - 1, rec.nFormer);
    SetFrozen(pGrid, FALSE, 0);
    pParam->m_bRedrawLocked = bLocked;
    pGrid->RedrawAll(GX_UPDATENOW, TRUE);
    pGrid->CommitTrans();
}

BOOL CGXGridFreezeMenuHelperImp::CanFreezeRows(CGXGridCore* pGrid)
{
    return CanFreeze(pGrid, TRUE);
}

BOOL CGXGridFreezeMenuHelperImp::CanUnfreezeRows(CGXGridCore* pGrid)
{
    return pGrid->GetFrozenRows() != 0;
}

void CGXGridFreezeMenuHelperImp::FreezeRows(CGXGridCore* pGrid)
{
    Freeze(pGrid, TRUE);
}

void CGXGridFreezeMenuHelperImp::UnfreezeRows(CGXGridCore* pGrid)
{
    if (pGrid->GetFrozenRows() == 0)
        return;
    // Unlike the columns: no transaction and no redraw of its own.
    SetFrozen(pGrid, TRUE, 0);
    const CGXGridParam::FreezeRecord& rec = pGrid->GetParam()->m_freezeRows;
    if (rec.nFirst != rec.nFormer && rec.nCount != 0)
        MoveBlock(pGrid, TRUE, rec.nFirst, rec.nFirst + rec.nCount - 1, rec.nFormer);
}
