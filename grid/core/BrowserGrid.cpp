// The record browser's buffering of a record's changes.
#include "grid/core/BrowserGrid.h"
#include "grid/core/BrowseGridArrowRowHeader.h"
#include "grid/core/Data.h"
#include "GridIds.h"

CGXBrowserGrid::CGXBrowserGrid(CWnd* pGridWnd, CDocument* pDocument, BOOL bIsView)
    : CGXGridCore(pGridWnd, pDocument, bIsView)
{
}

void CGXBrowserGrid::OnGridInitialUpdate()
{
    if (m_pParam == NULL)
        AttachParamObject(new CGXBrowseParam, TRUE);
    CGXGridCore::OnGridInitialUpdate();
    InitBrowserGrid();
}

void CGXBrowserGrid::InitBrowserGrid()
{
    RegisterControl(GX_IDS_CTRL_HEADER_ARROW2, new CGXBrowseGridArrowRowHeader(this));
    CGXBrowseParam* pParam = GetBrowseParam();
    if (pParam->m_bBrowserInitialized)
        return;
    pParam->m_bBrowserInitialized = TRUE;
    BOOL bUndo = pParam->IsUndoEnabled();
    pParam->SetUndoEnabled(FALSE);
    CGXStyle rowHeader;
    rowHeader.SetControl(GX_IDS_CTRL_HEADER_ARROW2);
    ChangeRowHeaderBaseStyle(rowHeader, gxOverride, GX_NOREDRAW);
    SetFrozenRows(0, 0, GX_NOREDRAW);
    SetFrozenCols(0, 0, GX_NOREDRAW);
    pParam->SetUndoEnabled(bUndo);
    ResetEditBuffer();
}

BOOL CGXBrowserGrid::CanUpdate()
{
    return !IsReadOnly();
}

BOOL CGXBrowserGrid::CanAppend()
{
    return GetBrowseParam()->m_bCanAppend && !IsReadOnly();
}

long CGXBrowserGrid::GetRecordCount()
{
    CGXData* pData = m_pParam != NULL ? m_pParam->GetData() : NULL;
    ROWCOL nRows = pData != NULL ? pData->QueryRowCount() : 0, nHeader = GetHeaderRows();
    return nRows > nHeader ? (long)(nRows - nHeader) : 0;
}

ROWCOL CGXBrowserGrid::GetAppendRow()
{
    long nCount = GetRecordCount();
    if (!CanAppend() || nCount == 0x7FFFFFFF)
        return (ROWCOL)-1;
    return GetHeaderRows() + (ROWCOL)nCount + 1;
}

ROWCOL CGXBrowserGrid::CalcRecordRowCount()
{
    CGXBrowseParam* pParam = GetBrowseParam();
    long nCount = GetRecordCount();
    ROWCOL nRows =
        GetHeaderRows() + (nCount == 0x7FFFFFFF ? (ROWCOL)(pParam->m_nLastRecordSeen + 1) : (ROWCOL)nCount);
    if (pParam->m_bShowAppendRow && !IsPrinting() && CanAppend() && nCount != 0x7FFFFFFF)
        nRows += pParam->m_nEditMode == CGXBrowseParam::modeAppend ? 2 : 1;
    return nRows;
}

ROWCOL CGXBrowserGrid::GetRowCount()
{
    return m_pParam != NULL ? CalcRecordRowCount() : 0;
}

BOOL CGXBrowserGrid::IsRecordRow(ROWCOL nRow)
{
    long nCount = GetRecordCount();
    return nCount == 0x7FFFFFFF || nRow <= GetHeaderRows() + (ROWCOL)nCount;
}

BOOL CGXBrowserGrid::IsRecordCell(ROWCOL nRow, ROWCOL nCol)
{
    return nRow > GetHeaderRows() && nCol > GetHeaderCols();
}

ROWCOL CGXBrowserGrid::GetRecordFromRow(ROWCOL nRow)
{
    const CDWordArray& map = GetBrowseParam()->m_awRowIndex;
    if (nRow >= 0x7FFFFFFF || (INT_PTR)nRow >= map.GetSize() || map[nRow] == 0)
        return nRow;
    return map[nRow];
}

ROWCOL CGXBrowserGrid::GetFieldFromColIndex(ROWCOL nCol)
{
    const CDWordArray& map = GetBrowseParam()->m_awColIndex;
    if (nCol >= 0x7FFFFFFF || (INT_PTR)nCol >= map.GetSize() || map[nCol] == 0)
        return nCol;
    return map[nCol];
}

int CGXBrowserGrid::GetFieldFromCol(ROWCOL nCol)
{
    return (WORD)(GetFieldFromColIndex(nCol) - GetHeaderCols() - 1);
}

BOOL CGXBrowserGrid::IsFirstRecordCurrent()
{
    ROWCOL nRow, nCol;
    return GetCurrentCell(nRow, nCol) && nRow <= GetFirstRecordRow();
}

BOOL CGXBrowserGrid::IsLastRowCurrent()
{
    ROWCOL nRow, nCol;
    return GetCurrentCell(nRow, nCol) && nRow == CalcRecordRowCount();
}

void CGXBrowserGrid::ResetEditBuffer()
{
    CGXBrowseParam* pParam = GetBrowseParam();
    pParam->ResetEditBuffer(std::max((int)pParam->m_nFieldCount, (int)CGXGridCore::GetColCount()));
}

BOOL CGXBrowserGrid::AnyFieldChanged()
{
    CGXBrowseParam* pParam = GetBrowseParam();
    if (!InMode())
        return FALSE;
    for (int i = 0; i < pParam->m_nBufferEntries; i++)
        if (pParam->m_pEditBuffer[i].m_bChanged)
            return TRUE;
    return FALSE;
}

void CGXBrowserGrid::OnRecordRowsChanged()
{
    // The row count changed without a row operation: what is visible must be measured again.
    ResetLastVisibleCache();
    UpdateScrollbars();
}

void CGXBrowserGrid::RedrawRowHeader(ROWCOL nRow)
{
    if (nRow != 0 && nRow <= GetRowCount())
        RedrawRowCol(CGXCellRange(nRow, 0, nRow, 0), GX_INVALIDATE, FALSE);
}

// -- Modes -------------------------------------------------------------------------------------

BOOL CGXBrowserGrid::Edit(ROWCOL nRow)
{
    CancelRecord();
    ROWCOL nCurRow = 0, nCurCol = 0;
    BOOL bCurrent = GetCurrentCell(nCurRow, nCurCol);
    if (!bCurrent || nCurRow != nRow)
    {
        if (!ChangeCurrentCell(nRow, bCurrent ? nCurCol : GetHeaderCols() + 1, 0x0A))
            return FALSE;
        GetCurrentCell(nCurRow, nCurCol);
    }
    CGXBrowseParam* pParam = GetBrowseParam();
    pParam->m_nEditRow = nCurRow;
    if (nCurRow != nRow)
        return FALSE;
    pParam->m_nEditMode = CGXBrowseParam::modeEdit;
    RedrawRowHeader(nRow);
    return TRUE;
}

ROWCOL CGXBrowserGrid::AddNew()
{
    if (!CanAppend())
        AfxThrowNotSupportedException();
    CancelRecord();
    ROWCOL nAppend = GetAppendRow();
    if (nAppend == (ROWCOL)-1)
        return (ROWCOL)-1;
    ROWCOL nRow = 0, nCol = 0;
    if (!GetCurrentCell(nRow, nCol) || nRow != nAppend)
    {
        ChangeCurrentCell(nAppend, GetHeaderCols() + 1, 0x0A);
        GetCurrentCell(nRow, nCol);
    }
    CGXBrowseParam* pParam = GetBrowseParam();
    pParam->m_nEditRow = nRow;
    if (nRow != nAppend)
        return (ROWCOL)-1;
    BOOL bPartial = FALSE;
    ROWCOL nBottom = GetBottomVisibleRow(&bPartial);
    pParam->m_nEditMode = CGXBrowseParam::modeAppend;
    // The grid grows by the new append row below; it scrolls into view when the record row
    // was the last one shown whole.
    OnRecordRowsChanged();
    RedrawRowCol(CGXCellRange(nAppend, 0, nAppend + 1, GetColCount()), GX_INVALIDATE, FALSE);
    BOOL bNowPartial = FALSE;
    if (!bPartial && nBottom == nAppend && (GetBottomVisibleRow(&bNowPartial) < nAppend + 1 || bNowPartial))
        DoScroll(GX_DOWN, 1);
    return nAppend;
}

BOOL CGXBrowserGrid::Update(CString* pstrError)
{
    CGXBrowseParam* pParam = GetBrowseParam();
    if (!InMode())
    {
        if (pstrError != NULL)
            *pstrError = "Error: must enter Edit or AddNew mode before updating.";
        return FALSE;
    }
    // The current cell's pending edit belongs to the record.
    ROWCOL nRow, nCol;
    CGXControl* pControl = GetCurrentCell(nRow, nCol) ? GetControl(nRow, nCol) : NULL;
    if (!m_bInBrowserStore && !m_bStoringCell && pControl != NULL && pControl->GetModify() &&
        !pControl->Store())
        return FALSE;
    BOOL bAppend = pParam->m_nEditMode == CGXBrowseParam::modeAppend;
    ROWCOL nEditRow = pParam->m_nEditRow;
    if (AnyFieldChanged())
    {
        if (!StoreRecordFields(nEditRow, pstrError))
            return FALSE;
        ResetEditBuffer();
        if (bAppend)
            OnAddedNewRecord();
        m_bRecordUpdated = TRUE;
    }
    pParam->m_nEditMode = CGXBrowseParam::modeNone;
    OnRecordRowsChanged();
    RedrawRowHeader(nEditRow);
    return TRUE;
}

void CGXBrowserGrid::CancelRecord()
{
    CGXBrowseParam* pParam = GetBrowseParam();
    int nMode = pParam->m_nEditMode;
    pParam->m_nEditMode = CGXBrowseParam::modeNone;
    ResetEditBuffer();
    if (nMode == CGXBrowseParam::modeNone)
        return;
    TransferCurrentCell(FALSE, GX_UPDATENOW, FALSE);
    if (nMode == CGXBrowseParam::modeAppend)
    {
        // The extra append row goes away again.
        OnRecordRowsChanged();
        RedrawAll(GX_INVALIDATE, FALSE);
    }
    else
        RedrawRowHeader(pParam->m_nEditRow);
}

void CGXBrowserGrid::CancelRecordAndUndo()
{
    CancelRecord();
    CGXBrowseParam* pParam = GetBrowseParam();
    if (pParam->IsUndoEnabled())
    {
        BOOL bRedoToo = pParam->m_UndoList.GetCount() > 1;
        pParam->ClearUndoList();
        if (bRedoToo)
            pParam->ClearRedoList();
    }
}

BOOL CGXBrowserGrid::Requery()
{
    BOOL bOk = TransferCurrentCell(FALSE, GX_UPDATENOW, TRUE);
    GetBrowseParam()->m_nLastRecordSeen = -1;
    return bOk;
}

void CGXBrowserGrid::OnAddedNewRecord()
{
    FreeObjectCache();
}

// -- Reading and writing records ---------------------------------------------------------------

BOOL CGXBrowserGrid::LoadCellValue(ROWCOL, ROWCOL, CGXStyle&, const CString*)
{
    return FALSE;
}

void CGXBrowserGrid::StoreCellValue(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText)
{
    CGXData* pData = m_pParam->GetData();
    if (pData != NULL)
        pData->StoreValueRowCol(GetRecordFromRow(nRow), GetFieldFromColIndex(nCol), pszText, gxOverride, 0);
}

void CGXBrowserGrid::StoreCellObject(ROWCOL, ROWCOL, CObject*)
{
}

BOOL CGXBrowserGrid::OnStoreBufferedValue(const CGXStyle&, int)
{
    return FALSE;
}

BOOL CGXBrowserGrid::StoreRecordFields(ROWCOL nRow, CString*)
{
    CGXBrowseParam* pParam = GetBrowseParam();
    BOOL bAppend = pParam->m_nEditMode == CGXBrowseParam::modeAppend;
    ROWCOL nCols = GetColCount();
    for (ROWCOL nCol = GetHeaderCols() + 1; nCol <= nCols; nCol++)
    {
        CGXBrowseBufferEntry* pEntry = pParam->GetEntry(GetFieldFromCol(nCol));
        if (pEntry != NULL && pEntry->m_bChanged)
        {
            if (pEntry->m_pObject != NULL)
                StoreCellObject(nRow, nCol, pEntry->m_pObject);
            else
                StoreCellValue(nRow, nCol, pEntry->m_strText);
        }
        else if (bAppend)
        {
            // An unchanged field of a new record takes its column's value, when there is one.
            CGXStyle colStyle;
            if (CGXGridCore::GetStyleRowCol(0, nCol, colStyle, gxCopy, -1) &&
                colStyle.GetInclude(CGXStyle::ibValue))
                StoreCellValue(nRow, nCol, colStyle.GetValue());
        }
    }
    return TRUE;
}

BOOL CGXBrowserGrid::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, int mode, int nType)
{
    BOOL bFound =
        CGXGridCore::GetStyleRowCol(GetRecordFromRow(nRow), GetFieldFromColIndex(nCol), style, mode, nType);
    if (nType == -1 || !IsRecordCell(nRow, nCol))
        return bFound;
    CGXBrowseParam* pParam = GetBrowseParam();
    if (InMode() && nRow == pParam->m_nEditRow)
    {
        CGXBrowseBufferEntry* pEntry = pParam->GetEntry(GetFieldFromCol(nCol));
        if (pEntry != NULL && pEntry->m_bChanged)
        {
            style.SetValue(pEntry->m_pObject != NULL ? CString("Binary") : pEntry->m_strText);
            return TRUE;
        }
    }
    LoadCellValue(nRow, nCol, style, NULL);
    return TRUE;
}

BOOL CGXBrowserGrid::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int mode, int nType)
{
    CGXBrowseParam* pParam = GetBrowseParam();
    if (nType != -1 && mode != gxExclude + 1 && pStyle != NULL &&
        (pStyle->GetInclude(CGXStyle::ibValue) || mode == gxCopy) && InMode() && nRow == pParam->m_nEditRow &&
        nCol > GetHeaderCols())
    {
        int nField = GetFieldFromCol(nCol);
        if (OnStoreBufferedValue(*pStyle, nField))
            return TRUE;
        CGXBrowseBufferEntry* pEntry = pParam->GetEntry(nField);
        if (pEntry == NULL)
            return FALSE;
        pEntry->m_strText = pStyle->GetInclude(CGXStyle::ibValue) ? pStyle->GetValue() : CString();
        pEntry->m_bChanged = TRUE;
        m_bCurrentCellStyleValid = FALSE;
        return TRUE;
    }
    if (IsRecordCell(nRow, nCol) && nType != -1 && !pParam->m_bAllowDirectStore)
        return FALSE;
    return CGXGridCore::StoreStyleRowCol(GetRecordFromRow(nRow), GetFieldFromColIndex(nCol), pStyle, mode,
                                         nType);
}

BOOL CGXBrowserGrid::SetStyleRange(const CGXCellRange& range, const CGXStyle* pStyle, int mode, int nType,
                                   const CObArray* pStyleArray, UINT flags, int ctCmd)
{
    BOOL bOneRecord = m_pParam != NULL && range.IsCells() && range.top == range.bottom &&
                      range.top >= GetFirstRecordRow() && range.right <= GetColCount() &&
                      range.left > GetHeaderCols();
    if (!bOneRecord || m_bInBrowserStore)
        return CGXGridCore::SetStyleRange(range, pStyle, mode, nType, pStyleArray, flags, ctCmd);
    CGXBrowseParam* pParam = GetBrowseParam();
    // 1. Another record in a mode is written first.
    if (InMode() && pParam->m_nEditRow != range.top && !Update())
        return FALSE;
    // 2. Enter a mode for this record.
    BOOL bNewRecord = FALSE;
    if (!InMode())
    {
        if (IsRecordRow(range.top))
            Edit(range.top);
        else
            bNewRecord = AddNew() != (ROWCOL)-1;
    }
    if (!InMode() || pParam->m_nEditRow != range.top)
        return FALSE;
    // 3. The cells go into the edit buffer.
    m_bInBrowserStore = TRUE;
    BOOL bOk = CGXGridCore::SetStyleRange(range, pStyle, mode, nType, pStyleArray, flags, ctCmd);
    m_bInBrowserStore = FALSE;
    // 4. A copy of the cells counts as changed only where it differs from the stored record.
    if (bOk && mode == gxCopy && InMode())
    {
        BOOL bAnyChanged = FALSE;
        for (ROWCOL nCol = range.left; nCol <= range.right; nCol++)
        {
            CGXBrowseBufferEntry* pEntry = pParam->GetEntry(GetFieldFromCol(nCol));
            if (pEntry == NULL)
                continue;
            pEntry->m_bChanged = FALSE;
            CGXStyle stored;
            CGXGridCore::GetStyleRowCol(GetRecordFromRow(range.top), GetFieldFromColIndex(nCol), stored,
                                        gxCopy, 0);
            if (OnStoreBufferedValue(stored, GetFieldFromCol(nCol)))
                continue;
            pEntry->m_bChanged = stored.GetValue() != pEntry->m_strText;
            bAnyChanged = bAnyChanged || pEntry->m_bChanged;
        }
        m_bCurrentCellStyleValid = FALSE;
        if (!bAnyChanged)
            CancelRecord();
    }
    // 5. A new record whose current cell stays empty keeps nothing of the control's edit.
    ROWCOL nCurRow, nCurCol;
    CGXControl* pControl = GetCurrentCell(nCurRow, nCurCol) ? GetControl(nCurRow, nCurCol) : NULL;
    CString strCurrent;
    if (bOk && bNewRecord && pControl != NULL && pControl->GetCurrentText(strCurrent) && strCurrent.IsEmpty())
        TransferCurrentCell(FALSE, GX_UPDATENOW, FALSE);
    // 6. Write the record now when asked to.
    if (bOk && InMode() && (pParam->m_bUpdateAtOnce || pParam->m_bRecordChanged))
    {
        pParam->m_bRecordChanged = FALSE;
        CString strError;
        if (!Update(&strError))
        {
            RollBackCurrentField();
            if (!strError.IsEmpty())
                SetWarningText(strError);
            return FALSE;
        }
    }
    return bOk;
}

void CGXBrowserGrid::RollBackCurrentField()
{
    if (m_pGridWnd != NULL && m_pGridWnd->GetSafeHwnd() != NULL)
        m_pGridWnd->SendMessage(WM_CANCELMODE);
    // The record could not be written: the current field's text goes back into its control for
    // the user to correct, and counts as unchanged until it is stored again.
    ROWCOL nRow, nCol;
    CGXControl* pControl = GetCurrentCell(nRow, nCol) ? GetControl(nRow, nCol) : NULL;
    CGXBrowseBufferEntry* pEntry =
        pControl != NULL ? GetBrowseParam()->GetEntry(GetFieldFromCol(nCol)) : NULL;
    if (pEntry != NULL)
    {
        CString strText = pEntry->m_strText;
        pEntry->m_bChanged = FALSE;
        m_bCurrentCellStyleValid = FALSE;
        if (!pControl->IsInitAt(nRow, nCol))
            pControl->Init(nRow, nCol);
        pControl->SetCurrentText(strText);
    }
    // The store that failed was recorded for undo: its step goes again (executing it would put
    // the old value back into the control the user is correcting).
    CGXBrowseParam* pParam = GetBrowseParam();
    if (pParam->IsUndoEnabled() && m_pUndoImp != NULL && !pParam->m_UndoList.IsEmpty())
        RemoveCommand(gxDo);
}

BOOL CGXBrowserGrid::ChangeCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT flags)
{
    ROWCOL nOldRow = 0, nOldCol = 0;
    BOOL bHadCurrent = GetCurrentCell(nOldRow, nOldCol);
    BOOL bOk = CGXGridCore::ChangeCurrentCell(nRow, nCol, flags);
    ROWCOL nNewRow = 0, nNewCol = 0;
    BOOL bCurrent = GetCurrentCell(nNewRow, nNewCol);
    if (m_pParam != NULL && (bCurrent != bHadCurrent || nNewRow != nOldRow))
    {
        if (bCurrent && !InMode())
            GetBrowseParam()->m_nEditRow = nNewRow;
        if (bHadCurrent)
            RedrawRowHeader(nOldRow);
        if (bCurrent)
            RedrawRowHeader(nNewRow);
    }
    return bOk;
}

BOOL CGXBrowserGrid::CanChangeSelection(const CGXCellRange* pRange, BOOL bClearAll, BOOL bFlag)
{
    if (pRange != NULL && !pRange->IsCols() && InMode())
    {
        TransferCurrentCell(TRUE, GX_UPDATENOW, TRUE);
        CString strError;
        if (!Update(&strError))
        {
            if (!strError.IsEmpty())
                SetWarningText(strError);
            return FALSE;
        }
    }
    return CGXGridCore::CanChangeSelection(pRange, bClearAll, bFlag);
}

BOOL CGXBrowserGrid::CanLeaveOrEnterCell(BOOL bEnter, ROWCOL nRow, ROWCOL nCol, ROWCOL nOldRow,
                                         ROWCOL nOldCol)
{
    if (!CGXGridCore::CanLeaveOrEnterCell(bEnter, nRow, nCol, nOldRow, nOldCol))
        return FALSE;
    CGXBrowseParam* pParam = GetBrowseParam();
    pParam->m_bRecordChanged = FALSE;
    if (bEnter || !InMode() || nRow == 0 || nRow == nOldRow)
        return TRUE;
    m_bRecordUpdated = FALSE;
    ROWCOL r, c;
    CGXControl* pControl = GetCurrentCell(r, c) ? GetControl(r, c) : NULL;
    if (pControl != NULL && pControl->GetModify())
    {
        // Written once the control's value is stored.
        pParam->m_bRecordChanged = TRUE;
        return TRUE;
    }
    CString strError;
    if (!Update(&strError))
    {
        if (!strError.IsEmpty())
            SetWarningText(strError);
        return FALSE;
    }
    return TRUE;
}

void CGXBrowserGrid::OnModifyCell(ROWCOL nRow, ROWCOL nCol)
{
    CGXGridCore::OnModifyCell(nRow, nCol);
    if (InMode() || m_bInBrowserStore)
        return;
    if (nRow == GetAppendRow())
        AddNew();
    else if (IsRecordRow(nRow) && nRow >= GetFirstRecordRow())
        Edit(nRow);
}

// -- Deleting records --------------------------------------------------------------------------

BOOL CGXBrowserGrid::DeleteSelectedRecords()
{
    if (!CanUpdate() || IsReadOnly())
        return FALSE;
    CDWordArray awFirst, awLast;
    if (!m_pParam->m_SelectedRanges.GetRowArray(GetRowCount(), awFirst, awLast, TRUE) ||
        awFirst.GetSize() == 0)
        return FALSE;
    ROWCOL nAppend = GetAppendRow();
    for (INT_PTR i = 0; i < awFirst.GetSize(); i++)
        if (nAppend != (ROWCOL)-1 && awFirst[i] <= nAppend && nAppend <= awLast[i])
            return FALSE;
    return DeleteRecords(awFirst, awLast);
}

BOOL CGXBrowserGrid::DeleteRecords(const CDWordArray& awFirst, const CDWordArray& awLast)
{
    TransferCurrentCell(TRUE, GX_UPDATENOW, TRUE);
    CGXBrowseParam* pParam = GetBrowseParam();
    if (pParam->IsUndoEnabled())
        DiscardUndoInfo();
    CString strTrans;
    strTrans.LoadString(GX_IDS_CLEARCELLS);
    BeginTrans(strTrans);
    BOOL bOldLock = pParam->m_bRedrawLocked;
    pParam->m_bRedrawLocked = TRUE;
    BOOL bOk = TRUE;
    for (INT_PTR i = awFirst.GetSize() - 1; i >= 0 && bOk; i--)
        bOk = RemoveRows(awFirst[i], awLast[i], GX_NOREDRAW);
    pParam->m_bRedrawLocked = bOldLock;
    CommitTrans();
    RedrawAll(GX_INVALIDATE, FALSE);
    return bOk;
}
