// Shared steps of starting to edit a cell.
#include "grid/controls/ControlActivation.h"
#include "grid/core/GridCore.h"

BOOL AFXAPI GXMoveToFoundCell(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol)
{
    CGXGridCore* pGrid = pControl->m_pGrid;
    pGrid->ScrollCellInView(nRow, nCol);
    if (!pGrid->IsCurrentCell(nRow, nCol) && !pGrid->ChangeCurrentCell(nRow, nCol, 0x24))
        return FALSE;
    if (!pControl->IsInitAt(nRow, nCol))
        pControl->Init(nRow, nCol);
    return TRUE;
}

BOOL AFXAPI GXActivateForKey(CGXControl* pControl)
{
    if (!pControl->BeginEditing())
        return FALSE;
    if (!pControl->IsInitAt(pControl->m_nRow, pControl->m_nCol))
        pControl->Init(pControl->m_nRow, pControl->m_nCol);
    pControl->SetActive(TRUE);
    return TRUE;
}

void AFXAPI GXShowActiveCell(CGXControl* pControl, UINT flags)
{
    if (!pControl->m_pGrid->ScrollCellInView(pControl->m_nRow, pControl->m_nCol, flags))
        pControl->Refresh();
}
