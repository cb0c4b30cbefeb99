// Named ranges through the grid, and switching a grid to formulas.
#include "grid/formula/GridRangeNameImp.h"
#include "grid/core/AppData.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/features/NumberFormattingImp.h"
#include "grid/formula/FormulaSheet.h"

namespace
{
// Command modes of the grid's undoable operations.
const int kRollback = 1;

BOOL RecordsUndo(CGXGridCore* pGrid, int ctCmd)
{
    return pGrid->m_pUndoImp != NULL && ctCmd != kRollback && pGrid->GetParam()->IsUndoEnabled();
}
} // namespace

BOOL CGXGridRangeNameImp::SetRangeName(CGXGridCore* pGrid, LPCTSTR pszName, const CGXCellRange& range,
                                       CObject* pUndoInfo, UINT flags, int ctCmd)
{
    CGXFormulaSheet* pSheet = pGrid->GetFormulaSheet();
    // pUndoInfo stays the caller's (a deletion's command keeps it for another redo).
    if (pSheet == NULL || pGrid->IsReadOnly())
        return FALSE;
    CGXCellRange oldRange;
    BOOL bExisted = pSheet->GetRangeName(pszName, oldRange);
    BOOL bDone = pSheet->SetRangeName(pszName, range, pUndoInfo);
    if (!bDone)
        return FALSE;
    if (RecordsUndo(pGrid, ctCmd))
        pGrid->AddCommand(pGrid->m_pUndoImp->CreateSetRangeNameCmd(pszName, bExisted, oldRange), ctCmd);
    pGrid->RedrawAll(flags);
    return TRUE;
}

BOOL CGXGridRangeNameImp::GetRangeName(CGXGridCore* pGrid, LPCTSTR pszName, CGXCellRange& range)
{
    CGXFormulaSheet* pSheet = pGrid->GetFormulaSheet();
    return pSheet != NULL && pSheet->GetRangeName(pszName, range);
}

BOOL CGXGridRangeNameImp::DeleteRangeName(CGXGridCore* pGrid, LPCTSTR pszName, UINT flags, int ctCmd)
{
    CGXFormulaSheet* pSheet = pGrid->GetFormulaSheet();
    if (pSheet == NULL || pGrid->IsReadOnly())
        return FALSE;
    CGXCellRange range;
    pSheet->GetRangeName(pszName, range);
    BOOL bUndo = RecordsUndo(pGrid, ctCmd);
    CObject* pInfo = NULL;
    if (!pSheet->DeleteRangeName(pszName, pInfo, bUndo))
        return FALSE;
    if (bUndo)
        pGrid->AddCommand(pGrid->m_pUndoImp->CreateDeleteRangeNameCmd(pszName, range, pInfo), ctCmd);
    else
        delete pInfo;
    pGrid->RedrawAll(flags);
    return TRUE;
}

void CGXGridCore::EnableFormulaEngine()
{
    m_pAppData->m_bFormulaEngine = TRUE;
    m_pDataClass = RUNTIME_CLASS(CGXFormulaSheet);
    if (m_pRangeNameImp == NULL)
    {
        m_pRangeNameImp = new CGXGridRangeNameImp;
        AddOwnedImp(m_pRangeNameImp);
    }
    // Typed numbers are recognised by the number formatting.
    GXInstallNumberFormattingImp();
}

CGXFormulaSheet* CGXGridCore::GetFormulaSheet()
{
    CGXData* pData = m_pParam != NULL ? m_pParam->GetData() : NULL;
    return dynamic_cast<CGXFormulaSheet*>(pData);
}
