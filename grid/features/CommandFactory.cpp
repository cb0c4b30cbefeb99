// The command factory: the commands of every undoable change, the undo and redo lists,
// transactions and the Undo and Redo menu items.
#include "grid/features/CommandFactory.h"
#include "grid/features/BlockCmd.h"
#include "grid/features/ChangeBaseStyleCmd.h"
#include "grid/features/ChangePropertiesCmd.h"
#include "grid/features/ChangeStylesMapCmd.h"
#include "grid/features/DeleteRangeNameCmd.h"
#include "grid/features/HideColsCmd.h"
#include "grid/features/HideRowsCmd.h"
#include "grid/features/InsertColsCmd.h"
#include "grid/features/InsertRowsCmd.h"
#include "grid/features/MoveCellsCmd.h"
#include "grid/features/MoveColsCmd.h"
#include "grid/features/MoveDataColsCmd.h"
#include "grid/features/MoveDataRowsCmd.h"
#include "grid/features/MoveRowsCmd.h"
#include "grid/features/RemoveColsCmd.h"
#include "grid/features/RemoveRowsCmd.h"
#include "grid/features/SetColWidthCmd.h"
#include "grid/features/SetCoveredCellsCmd.h"
#include "grid/features/SetDefaultColWidthCmd.h"
#include "grid/features/SetDefaultRowHeightCmd.h"
#include "grid/features/SetFrozenColsCmd.h"
#include "grid/features/SetFrozenRowsCmd.h"
#include "grid/features/SetRangeNameCmd.h"
#include "grid/features/SetRowHeightCmd.h"
#include "grid/features/SetStyleRangeCmd.h"
#include "grid/core/Control.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/LongOperation.h"
#include "grid/core/Properties.h"
#include "grid/core/StylesMap.h"
#include "GridIds.h"
#include <memory>

void CGXGridCore::InstallCommandFactory()
{
    if (m_pUndoImp != NULL)
        return;
    m_pUndoImp = new CGXCommandFactory;
    AddOwnedImp(m_pUndoImp);
}

// -- Creating commands ---------------------------------------------------------------------------

CObject* CGXCommandFactory::CreateBlockCmd(LPCTSTR pszName)
{
    return new CGXBlockCmd(pszName);
}

CObject* CGXCommandFactory::CreateSetRowHeightCmd(ROWCOL nFirst, ROWCOL nLast, int* anOldHeights)
{
    return new CGXSetRowHeightCmd(nFirst, nLast, anOldHeights);
}

CObject* CGXCommandFactory::CreateHideRowsCmd(ROWCOL nFirst, ROWCOL nLast, BOOL* abOldHidden)
{
    return new CGXHideRowsCmd(nFirst, nLast, abOldHidden);
}

CObject* CGXCommandFactory::CreateSetDefaultRowHeightCmd(int nOldHeight)
{
    return new CGXSetDefaultRowHeightCmd(nOldHeight);
}

CObject* CGXCommandFactory::CreateSetColWidthCmd(ROWCOL nFirst, ROWCOL nLast, int* anOldWidths)
{
    return new CGXSetColWidthCmd(nFirst, nLast, anOldWidths);
}

CObject* CGXCommandFactory::CreateHideColsCmd(ROWCOL nFirst, ROWCOL nLast, BOOL* abOldHidden)
{
    return new CGXHideColsCmd(nFirst, nLast, abOldHidden);
}

CObject* CGXCommandFactory::CreateSetDefaultColWidthCmd(int nOldWidth)
{
    return new CGXSetDefaultColWidthCmd(nOldWidth);
}

CObject* CGXCommandFactory::CreateMoveRowsCmd(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest)
{
    return new CGXMoveRowsCmd(nFirst, nLast, nDest);
}

CObject* CGXCommandFactory::CreateMoveColsCmd(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest)
{
    return new CGXMoveColsCmd(nFirst, nLast, nDest);
}

CObject* CGXCommandFactory::CreateRemoveRowsCmd(ROWCOL nFirst, ROWCOL nLast)
{
    return new CGXRemoveRowsCmd(nFirst, nLast);
}

CObject* CGXCommandFactory::CreateRemoveColsCmd(ROWCOL nFirst, ROWCOL nLast)
{
    return new CGXRemoveColsCmd(nFirst, nLast);
}

CObject* CGXCommandFactory::CreateInsertRowsCmd(ROWCOL nRow, ROWCOL nCount, int* anHeights,
                                                CObArray* pCellsArray, CObArray* pRowsArray, ROWCOL nColCount)
{
    return new CGXInsertRowsCmd(nRow, nCount, anHeights, pCellsArray, pRowsArray, nColCount);
}

CObject* CGXCommandFactory::CreateInsertColsCmd(ROWCOL nCol, ROWCOL nCount, int* anWidths,
                                                CObArray* pCellsArray, CObArray* pColsArray, ROWCOL nRowCount)
{
    return new CGXInsertColsCmd(nCol, nCount, anWidths, pCellsArray, pColsArray, nRowCount);
}

CObject* CGXCommandFactory::CreateSetCoveredCellsCmd(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight)
{
    return new CGXSetCoveredCellsCmd(nTop, nLeft, nBottom, nRight);
}

CObject* CGXCommandFactory::CreateSetStyleRangeCmd(const CGXCellRange& range, int nType,
                                                   CObArray* pCellsArray)
{
    return new CGXSetStyleRangeCmd(range, nType, pCellsArray);
}

CObject* CGXCommandFactory::CreateSetFrozenRowsCmd(ROWCOL nFrozen, ROWCOL nHeader)
{
    return new CGXSetFrozenRowsCmd(nFrozen, nHeader);
}

CObject* CGXCommandFactory::CreateSetFrozenColsCmd(ROWCOL nFrozen, ROWCOL nHeader)
{
    return new CGXSetFrozenColsCmd(nFrozen, nHeader);
}

CObject* CGXCommandFactory::CreateMoveDataRowsCmd(const CGXCellRange& range, CObject* pOrder)
{
    return new CGXMoveDataRowsCmd(pOrder, range);
}

CObject* CGXCommandFactory::CreateMoveDataColsCmd(const CGXCellRange& range, CObject* pOrder)
{
    return new CGXMoveDataColsCmd(pOrder, range);
}

CObject* CGXCommandFactory::CreateChangeStylesMapCmd(const CGXStylesMap& stylesMap)
{
    return new CGXChangeStylesMapCmd(new CGXStylesMap(stylesMap));
}

CObject* CGXCommandFactory::CreateChangePropertiesCmd(const CGXProperties& properties)
{
    return new CGXChangePropertiesCmd(new CGXProperties(properties));
}

CObject* CGXCommandFactory::CreateChangeBaseStyleCmd(WORD nID, const CGXStyle& style, LPCTSTR pszName)
{
    return new CGXChangeBaseStyleCmd(style.Clone(), pszName, nID);
}

CObject* CGXCommandFactory::CreateMoveCellsCmd(const CGXCellRange& range, ROWCOL nToRow, ROWCOL nToCol,
                                               CObject* pUndoInfo)
{
    return new CGXMoveCellsCmd(range, nToRow, nToCol, pUndoInfo);
}

CObject* CGXCommandFactory::CreateSetRangeNameCmd(const CString& strName, BOOL bExisted,
                                                  const CGXCellRange& range)
{
    return new CGXSetRangeNameCmd(strName, bExisted, range);
}

CObject* CGXCommandFactory::CreateDeleteRangeNameCmd(const CString& strName, const CGXCellRange& range,
                                                     CObject* pObject)
{
    return new CGXDeleteRangeNameCmd(strName, range, pObject);
}

// -- The data object's undo information ----------------------------------------------------------

BOOL CGXCommandFactory::SetAdvancedUndoRecording(CGXGridCore* pGrid, BOOL bRecord)
{
    return pGrid->SetRecordUndoInfo(bRecord);
}

CObject* CGXCommandFactory::TakeAdvancedUndoInfo(CGXGridCore* pGrid)
{
    return pGrid->DetachUndoInfo();
}

BOOL CGXCommandFactory::ApplyAdvancedUndoInfo(CGXGridCore* pGrid, CObject* pInfo, BOOL bRecord, BOOL bBefore)
{
    return pInfo != NULL && pGrid->ApplyUndoInfo(pInfo, bRecord, bBefore);
}

void CGXCommandFactory::DiscardAdvancedUndoInfo(CGXGridCore* pGrid)
{
    delete TakeAdvancedUndoInfo(pGrid);
}

// -- The lists -----------------------------------------------------------------------------------

CObList& CGXCommandFactory::TargetList(CGXGridCore* pGrid, int ctCmd, BOOL& bInBlock)
{
    CGXGridParam* pParam = pGrid->GetParam();
    CObList& list = (ctCmd == gxDo || ctCmd == gxRedo) ? pParam->GetUndoList() : pParam->GetRedoList();
    bInBlock = FALSE;
    BOOL bOpenBlock = (pParam->m_nTransactionLevel > 0 && pParam->m_bTransactionBlock) || pGrid->m_bBlockCmd;
    if (bOpenBlock && !list.IsEmpty() && list.GetHead()->IsKindOf(RUNTIME_CLASS(CGXBlockCmd)))
    {
        bInBlock = TRUE;
        return ((CGXBlockCmd*)list.GetHead())->m_CmdList;
    }
    return list;
}

BOOL CGXCommandFactory::ExecuteCommand(CObject* pCmd, CGXGridCore* pGrid, int ctCmd)
{
    CGXGridParam* pParam = pGrid->GetParam();
    CGXCommand* pCommand = (CGXCommand*)pCmd;
    BOOL bOldProtect = pParam->m_bProtectReadOnly;
    pParam->m_bProtectReadOnly = FALSE;
    BOOL bOk = FALSE;
    try
    {
        if (pParam->GetData() != NULL && pCommand->m_pAdvancedUndoInfo != NULL)
        {
            BOOL bOld = SetAdvancedUndoRecording(pGrid, ctCmd != gxRollback);
            ApplyAdvancedUndoInfo(pGrid, pCommand->m_pAdvancedUndoInfo, TRUE, FALSE);
            SetAdvancedUndoRecording(pGrid, bOld);
        }
        bOk = pCommand->Execute(pGrid, ctCmd);
    }
    catch (...)
    {
        pParam->m_bProtectReadOnly = bOldProtect;
        throw;
    }
    pParam->m_bProtectReadOnly = bOldProtect;
    return bOk;
}

void CGXCommandFactory::AddCommand(CGXGridCore* pGrid, CObject* pCmd, int ctCmd)
{
    CGXGridParam* pParam = pGrid->GetParam();
    CGXCommand* pCommand = (CGXCommand*)pCmd;
    if (ctCmd == gxDo)
        pParam->ClearRedoList();
    if (pCommand->m_pAdvancedUndoInfo == NULL)
        pCommand->m_pAdvancedUndoInfo = TakeAdvancedUndoInfo(pGrid);
    BOOL bInBlock;
    CObList& list = TargetList(pGrid, ctCmd, bInBlock);
    if (!bInBlock && list.GetCount() > (INT_PTR)(DWORD)pParam->m_nUndoLimit)
        delete list.RemoveTail();
    ROWCOL nRow = 0, nCol = 0;
    pCommand->m_bCurrentCellValid = pGrid->GetCurrentCell(nRow, nCol);
    pCommand->m_nRow = nRow;
    pCommand->m_nCol = nCol;
    try
    {
        list.AddHead(pCommand);
    }
    catch (CException* e)
    {
        // Out of memory: the change stays done, without a way back.
        delete pCommand;
        e->Delete();
    }
}

void CGXCommandFactory::RemoveCommand(CGXGridCore* pGrid, int ctCmd)
{
    BOOL bInBlock;
    CObList& list = TargetList(pGrid, ctCmd, bInBlock);
    if (!list.IsEmpty())
        delete list.RemoveHead();
}

BOOL CGXCommandFactory::Undo(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == NULL)
        return FALSE;
    ROWCOL nRow, nCol;
    if (pGrid->GetCurrentCell(nRow, nCol))
    {
        // A pending cell edit is undone first: the typed text goes, the lists stay.
        CGXControl* pControl = pGrid->GetControl(nRow, nCol);
        if (pControl != NULL && pControl->IsActive())
        {
            if (!pControl->EndEditing())
                return FALSE;
            BOOL bModified = pControl->GetModify();
            pControl->Init(nRow, nCol);
            pControl->Refresh();
            pGrid->RedrawRowCol(CGXCellRange(nRow, nCol), GX_UPDATENOW, FALSE);
            if (bModified)
                return TRUE;
        }
    }
    CObList& list = pParam->GetUndoList();
    if (list.IsEmpty())
        return FALSE;
    CObject* pCmd = list.RemoveHead();
    BOOL bOk = FALSE;
    try
    {
        bOk = ExecuteCommand(pCmd, pGrid, gxUndo);
    }
    catch (...)
    {
        list.AddHead(pCmd);
        throw;
    }
    if (bOk)
        delete pCmd;
    else
        list.AddHead(pCmd);
    pGrid->Recalc(TRUE, NULL, TRUE);
    pGrid->UpdateScrollbars(FALSE, FALSE);
    return bOk;
}

BOOL CGXCommandFactory::Redo(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == NULL)
        return FALSE;
    ROWCOL nRow, nCol;
    if (pGrid->GetCurrentCell(nRow, nCol))
    {
        CGXControl* pControl = pGrid->GetControl(nRow, nCol);
        if (pControl != NULL && pControl->IsActive() &&
            !pGrid->TransferCurrentCell(FALSE, GX_UPDATENOW, FALSE))
            return FALSE;
    }
    CObList& list = pParam->GetRedoList();
    if (list.IsEmpty())
        return FALSE;
    CGXCommand* pCmd = (CGXCommand*)list.RemoveHead();
    BOOL bOk = FALSE;
    try
    {
        bOk = ExecuteCommand(pCmd, pGrid, gxRedo);
    }
    catch (...)
    {
        list.AddHead(pCmd);
        throw;
    }
    if (bOk)
    {
        if (pCmd->m_bCurrentCellValid)
            pGrid->ChangeCurrentCell(pCmd->m_nRow, pCmd->m_nCol, 10);
        delete pCmd;
    }
    else
        list.AddHead(pCmd);
    pGrid->Recalc(TRUE, NULL, TRUE);
    pGrid->UpdateScrollbars(FALSE, FALSE);
    return bOk;
}

// -- Transactions --------------------------------------------------------------------------------

// The level counts also while undo is off, so that a transaction opened with undo on and closed
// with it off does not leave later commands in a stale block.
void CGXCommandFactory::BeginTransaction(CGXGridCore* pGrid, LPCTSTR pszName)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == NULL)
        return;
    if (pParam->m_nTransactionLevel++ > 0)
        return;
    pParam->m_bTransactionBlock = FALSE;
    if (!pParam->IsUndoEnabled())
        return;
    pGrid->m_strTransactionName = pszName != NULL ? pszName : "";
    CGXBlockCmd* pBlock = new CGXBlockCmd(pszName);
    ROWCOL nRow = 0, nCol = 0;
    pBlock->m_bCurrentCellValid = pGrid->GetCurrentCell(nRow, nCol);
    pBlock->m_nRow = nRow;
    pBlock->m_nCol = nCol;
    pParam->GetUndoList().AddHead(pBlock);
    pParam->m_bTransactionBlock = TRUE;
}

void CGXCommandFactory::CommitTransaction(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == NULL || pParam->m_nTransactionLevel == 0 || --pParam->m_nTransactionLevel > 0)
        return;
    if (!pParam->m_bTransactionBlock)
        return;
    pParam->m_bTransactionBlock = FALSE;
    CObList& list = pParam->GetUndoList();
    if (list.IsEmpty() || !list.GetHead()->IsKindOf(RUNTIME_CLASS(CGXBlockCmd)))
        return;
    CGXBlockCmd* pBlock = (CGXBlockCmd*)list.GetHead();
    if (pBlock->m_CmdList.IsEmpty())
        delete list.RemoveHead();
    else if (list.GetCount() > (INT_PTR)(DWORD)pParam->m_nUndoLimit)
        delete list.RemoveTail();
}

void CGXCommandFactory::Rollback(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == NULL || pParam->m_nTransactionLevel == 0 || --pParam->m_nTransactionLevel > 0)
        return;
    if (!pParam->m_bTransactionBlock)
        return;
    pParam->m_bTransactionBlock = FALSE;
    CObList& list = pParam->GetUndoList();
    if (list.IsEmpty() || !list.GetHead()->IsKindOf(RUNTIME_CLASS(CGXBlockCmd)))
        return;
    std::unique_ptr<CObject> block(list.RemoveHead());
    ExecuteCommand(block.get(), pGrid, gxRollback);
    pGrid->Recalc(TRUE, NULL, TRUE);
}

void CGXCommandFactory::ShowCommandCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, BOOL bMakeCurrent)
{
    if (pGrid->m_bBlockCmd)
    {
        pGrid->m_bDeferredCellPending = TRUE;
        pGrid->m_nDeferredRow = nRow;
        pGrid->m_nDeferredCol = nCol;
        pGrid->m_bDeferredMakeCurrent = bMakeCurrent;
        return;
    }
    if (bMakeCurrent && !pGrid->IsCurrentCell(nRow, nCol))
        pGrid->ChangeCurrentCell(nRow, nCol, 10);
    else
        pGrid->ScrollCellInView(nRow, nCol, GX_UPDATENOW);
    if (pGrid->GridWnd() != NULL && pGrid->GridWnd()->GetSafeHwnd() != NULL)
        pGrid->GridWnd()->UpdateWindow();
}

// -- Menu items ----------------------------------------------------------------------------------

BOOL CGXCommandFactory::UpdateMenuItem(CGXGridCore* pGrid, CCmdUI* pCmdUI, BOOL bUndo)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == NULL)
    {
        pCmdUI->Enable(FALSE);
        return FALSE;
    }
    BOOL bEditPending = FALSE;
    ROWCOL nRow, nCol;
    if (bUndo && pGrid->GetCurrentCell(nRow, nCol))
    {
        CGXControl* pControl = pGrid->GetControl(nRow, nCol);
        bEditPending = pControl != NULL && pControl->IsActive() && pControl->GetModify();
    }
    CObList& list = bUndo ? pParam->GetUndoList() : pParam->GetRedoList();
    BOOL bEnable = !list.IsEmpty() || bEditPending;
    if (pCmdUI->m_pMenu != NULL)
    {
        CString& strFormat = bUndo ? pGrid->m_strUndoMenuFormat : pGrid->m_strRedoMenuFormat;
        if (strFormat.IsEmpty())
        {
            // The command's string "prompt\ntip\nformat" gives the format, else the item's text.
            CString strResource;
            int nFirst = -1, nSecond = -1;
            if (strResource.LoadString(pCmdUI->m_nID) && (nFirst = strResource.Find('\n')) >= 0 &&
                (nSecond = strResource.Find('\n', nFirst + 1)) >= 0)
                strFormat = strResource.Mid(nSecond + 1);
            else
            {
                char szText[256] = "";
                pCmdUI->m_pMenu->GetMenuString(pCmdUI->m_nIndex, szText, 255, MF_BYPOSITION);
                strFormat = szText[0] != 0 ? szText : (bUndo ? "Undo %1" : "Redo %1");
            }
        }
        CString strName;
        if (bEditPending)
            strName = pGrid->m_pAppData->GetLibraryText(GX_IDS_CELLINPUT);
        else if (!list.IsEmpty())
            strName = ((CGXCommand*)list.GetHead())->GetName();
        CString strText = strFormat;
        strText.Replace("%1", strName);
        pCmdUI->SetText(strText);
    }
    pCmdUI->Enable(bEnable);
    return bEnable;
}

BOOL CGXCommandFactory::OnUpdateEditUndo(CGXGridCore* pGrid, CCmdUI* pCmdUI)
{
    return UpdateMenuItem(pGrid, pCmdUI, TRUE);
}

BOOL CGXCommandFactory::OnUpdateEditRedo(CGXGridCore* pGrid, CCmdUI* pCmdUI)
{
    return UpdateMenuItem(pGrid, pCmdUI, FALSE);
}

// -- What removing rows or columns destroys ------------------------------------------------------

BOOL CGXCommandFactory::CollectUndoInfo(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL& nCount,
                                        ROWCOL nOther, CObArray*& pCellsArray, CObArray*& pLineArray,
                                        CGXLongOperation& op)
{
    pCellsArray = pLineArray = NULL;
    WORD wFlags = pGrid->GetParam()->m_wUndoInfoFlags;
    auto askGoOn = [] {
        CString strAsk;
        strAsk.LoadString(GX_IDS_CANNOTUNDO);
        return AfxMessageBox(strAsk, MB_OKCANCEL) == IDOK;
    };
    unsigned long long nCells = (unsigned long long)nCount * nOther;
    BOOL bCells = (wFlags & 2) != 0, bLines = (wFlags & 1) != 0;
    if (bCells && (nCells > 2147483646ull || nCount > 32767 || nOther > 32767))
    {
        if (!askGoOn())
            return FALSE;
        nCount = 0; // nothing is kept for undo
        return TRUE;
    }
    if (bLines && nCount >= 32768)
    {
        if (!askGoOn())
            return FALSE;
        bLines = FALSE;
    }
    DWORD nAll = (DWORD)((bCells ? nCells : 0) + (bLines ? nCount : 0)), nDone = 0;
    // A style read for one cell, or NULL; an abort from the long operation ends the removal.
    auto readStyle = [&](ROWCOL nRow, ROWCOL nCol, int nType) -> CObject* {
        CGXStyle* pStyle = pGrid->CreateStyle();
        CObject* pResult = pStyle;
        if (!pGrid->GetStyleRowCol(nRow, nCol, *pStyle, gxCopy, nType))
        {
            pGrid->RecycleStyle(pStyle);
            pResult = NULL;
        }
        if (pGrid->CheckLongOperation(op, ++nDone, nAll))
        {
            delete pResult;
            AfxThrowUserException();
        }
        return pResult;
    };
    try
    {
        if (bCells)
        {
            pCellsArray = new CObArray;
            pCellsArray->SetSize((INT_PTR)nCells);
            // Row by row: entry (row offset) * width + column offset.
            ROWCOL nRowsOut = bRows ? nCount : nOther, nColsOut = bRows ? nOther : nCount;
            for (ROWCOL r = 0; r < nRowsOut; r++)
                for (ROWCOL c = 0; c < nColsOut; c++)
                    pCellsArray->SetAt((INT_PTR)r * nColsOut + c,
                                       readStyle(bRows ? nFirst + r : r, bRows ? c : nFirst + c,
                                                 pGrid->m_nDefaultStyleType));
        }
        if (bLines)
        {
            pLineArray = new CObArray;
            pLineArray->SetSize(nCount);
            for (ROWCOL i = 0; i < nCount; i++)
                pLineArray->SetAt(i, readStyle(bRows ? nFirst + i : 0, bRows ? 0 : nFirst + i, -1));
        }
    }
    catch (...)
    {
        CGXCommand::DeleteObjectArray(pCellsArray);
        CGXCommand::DeleteObjectArray(pLineArray);
        pCellsArray = pLineArray = NULL;
        throw;
    }
    return TRUE;
}

BOOL CGXCommandFactory::CollectRowsUndoInfo(CGXGridCore* pGrid, ROWCOL& nFirst, ROWCOL& nCount,
                                            ROWCOL& nColCount, CObArray*& pCellsArray, CObArray*& pRowsArray,
                                            CGXLongOperation& op)
{
    return CollectUndoInfo(pGrid, TRUE, nFirst, nCount, nColCount, pCellsArray, pRowsArray, op);
}

BOOL CGXCommandFactory::CollectColsUndoInfo(CGXGridCore* pGrid, ROWCOL& nFirst, ROWCOL& nCount,
                                            ROWCOL& nRowCount, CObArray*& pCellsArray, CObArray*& pColsArray,
                                            CGXLongOperation& op)
{
    return CollectUndoInfo(pGrid, FALSE, nFirst, nCount, nRowCount, pCellsArray, pColsArray, op);
}
