// The held-style editing of the activated check-box and radio-button cells.
#include "grid/controls/HeldValue.h"
#include "grid/core/GridCore.h"

void AFXAPI GXActivateHeldStyle(CGXControl* pControl, BOOL& bActiveFlag, BOOL bActive)
{
    if (bActive && !bActiveFlag)
    {
        pControl->FreeStyle();
        pControl->LoadStyle();
    }
    bActiveFlag = bActive;
}

BOOL AFXAPI GXBeginHeldEditing(CGXControl* pControl)
{
    if (pControl->IsActive())
        return TRUE;
    if (!pControl->BeginEditing())
        return FALSE;
    pControl->SetActive(TRUE);
    return TRUE;
}

void AFXAPI GXChangeHeldValue(CGXControl* pControl, LPCTSTR pszValue)
{
    pControl->LoadStyle().SetValue(pszValue);
    pControl->m_pGrid->RedrawRowCol(CGXCellRange(pControl->m_nRow, pControl->m_nCol));
    pControl->SetModify(TRUE);
    pControl->NotifyModified();
}

BOOL AFXAPI GXStoreHeldValue(CGXControl* pControl)
{
    if (pControl->m_pStyle == NULL || !pControl->GetModify())
        return TRUE;
    CString strValue = pControl->m_pStyle->GetValue();
    pControl->SetActive(FALSE);
    pControl->FreeStyle();
    // Toggled back to the cell's value: nothing to store (the range store would answer "nothing
    // changed", which the grid takes for a refusal to leave the cell).
    CGXStyle stored;
    pControl->m_pGrid->GetStyleRowCol(pControl->m_nRow, pControl->m_nCol, stored);
    if (stored.GetInclude(CGXStyle::ibValue) ? stored.GetValue() == strValue : strValue.IsEmpty())
        return TRUE;
    return pControl->m_pGrid->SetValueRange(CGXCellRange(pControl->m_nRow, pControl->m_nCol), strValue);
}
