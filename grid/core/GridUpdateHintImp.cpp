// Update hints of the current cell between the views of one document.
#include "grid/core/GridUpdateHintImp.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridHint.h"

void CGXGridCore::InstallUpdateHintImp()
{
    if (m_pUpdateHintImp != NULL)
        return;
    m_pUpdateHintImp = new CGXGridUpdateHintImp;
    AddOwnedImp(m_pUpdateHintImp);
}

namespace
{
// What a receiving grid does for each hint; it sends no hint again.
struct HintEntry
{
    UINT id;
    void (*pfnApply)(CGXGridCore* pGrid, CGXGridHint& hint);
};

const HintEntry s_hints[] = {
    {gxHintTransferCurrentCell,
     [](CGXGridCore* g, CGXGridHint& h) {
         if (!g->TransferCurrentCell(h.m_nParam != 0, h.m_nFlags, FALSE))
             h.m_nValue = 0;
     }},
    {gxHintChangeCurrentCell, [](CGXGridCore* g, CGXGridHint& h) { g->ChangeCurrentCell(h.m_nRow1, h.m_nCol1, h.m_nFlags); }},
};
} // namespace

void CGXGridUpdateHintImp::Send(CGXGridCore* pGrid, CGXGridHint& hint)
{
    pGrid->UpdateAllViews(pGrid->GridWnd(), 0, &hint);
}

BOOL CGXGridUpdateHintImp::OnGridUpdate(CGXGridCore* pGrid, CObject* pHint)
{
    if (pGrid->GetParam() == NULL || !pGrid->IsInitialized() || pHint == NULL ||
        !pHint->IsKindOf(RUNTIME_CLASS(CGXGridHint)))
        return FALSE;
    CGXGridHint* pGridHint = (CGXGridHint*)pHint;
    for (const HintEntry& e : s_hints)
        if (e.id == pGridHint->m_id)
        {
            e.pfnApply(pGrid, *pGridHint);
            return TRUE;
        }
    return FALSE;
}

void CGXGridUpdateHintImp::HintCurrentCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT flags)
{
    CGXGridHint hint(gxHintChangeCurrentCell);
    hint.m_nRow1 = nRow;
    hint.m_nCol1 = nCol;
    hint.m_nFlags = flags;
    Send(pGrid, hint);
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
