// Executing a block of commands: its inverse is gathered in a new block, the grid is drawn once.
#include "grid/features/BlockCmd.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/LongOperation.h"
#include "GridIds.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CGXBlockCmd, CGXCommand)

CGXBlockCmd::CGXBlockCmd(LPCTSTR pszName) : m_CmdList(10), m_strName(pszName != NULL ? pszName : "Block")
{
}

CGXBlockCmd::~CGXBlockCmd()
{
    while (!m_CmdList.IsEmpty())
        delete m_CmdList.RemoveHead();
}

LPCTSTR CGXBlockCmd::GetName()
{
    return m_strName;
}

BOOL CGXBlockCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    CGXGridParam* pParam = pGrid->GetParam();
    CGXLongOperation op;
    CString strStatus = m_strName;
    if (ctCmd == gxUndo || ctCmd == gxRedo)
    {
        strStatus = pGrid->m_pAppData->GetLibraryText(ctCmd == gxUndo ? GX_IDS_UNDO_FMT : GX_IDS_REDO_FMT);
        strStatus.Replace("%1", m_strName);
    }
    op.SetStatusText(strStatus);

    // What the block's commands record while they run lands in a new block of the other list.
    CGXBlockCmd* pNewBlock = NULL;
    CObList* pNewList = NULL;
    if (ctCmd == gxUndo || ctCmd == gxRedo)
    {
        pNewBlock = new CGXBlockCmd(m_strName);
        pNewList = ctCmd == gxUndo ? &pParam->GetRedoList() : &pParam->GetUndoList();
        pNewList->AddHead(pNewBlock);
    }
    pGrid->m_bDeferredCellPending = FALSE;
    BOOL bOldBlock = pGrid->m_bBlockCmd;
    pGrid->m_bBlockCmd = TRUE;
    BOOL bMany = m_CmdList.GetCount() > 1;
    BOOL bOldLock = pParam->m_bRedrawLocked;
    CGXLongOperationSettings* pSettings = GXGetLongOperationSettings();
    int nOldLevelShown = pSettings->m_nLevelShown;
    if (bMany)
    {
        pParam->m_bRedrawLocked = TRUE;
        pSettings->m_nLevelShown = pSettings->m_nOperationLevel;
    }
    // Every exit, an abort too, gives the grid its drawing and block state back.
    auto restore = [&]() {
        if (bMany)
        {
            pParam->m_bRedrawLocked = bOldLock;
            pSettings->m_nLevelShown = nOldLevelShown;
        }
        pGrid->m_bBlockCmd = bOldBlock;
    };
    BOOL bOk = TRUE;
    try
    {
        DWORD nDone = 0, nAll = (DWORD)m_CmdList.GetCount();
        POSITION pos = m_CmdList.GetHeadPosition();
        while (pos != NULL && bOk)
        {
            bOk = pGrid->ExecuteCommand(m_CmdList.GetNext(pos), ctCmd) && bOk;
            nDone += 100;
            if (op.IsWaitTimeOver())
            {
                op.SetPercentDone((int)std::min<DWORD>(nDone / std::max<DWORD>(nAll, 1), 100));
                op.NeedMessages();
            }
        }
    }
    catch (...)
    {
        restore();
        if (pNewBlock != NULL && pNewList->Find(pNewBlock) != NULL)
        {
            pNewList->RemoveAt(pNewList->Find(pNewBlock));
            delete pNewBlock;
        }
        throw;
    }
    restore();
    if (bMany)
        pGrid->RedrawAll(GX_UPDATENOW);
    if (pNewBlock != NULL && !bOk)
    {
        POSITION posNew = pNewList->Find(pNewBlock);
        if (posNew != NULL)
            pNewList->RemoveAt(posNew);
        delete pNewBlock;
    }
    if (!pGrid->m_bBlockCmd && pGrid->m_bDeferredCellPending)
    {
        pGrid->m_bDeferredCellPending = FALSE;
        pGrid->MoveToUndoCell(pGrid->m_nDeferredRow, pGrid->m_nDeferredCol, pGrid->m_bDeferredMakeCurrent);
    }
    return bOk;
}
