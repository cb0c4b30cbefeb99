// The record browser's commands: the clipboard acts on the current field, keys browse through
// the records and Esc drops a record's changes, replace-all writes each record as it goes.
#include "grid/core/BrowserGrid.h"
#include "grid/core/FindReplaceSettings.h"
#include "grid/core/LongOperation.h"
#include "GridIds.h"

namespace
{
BOOL IsDown(int nVirtKey)
{
    return (::GetKeyState(nVirtKey) & 0x8000) != 0;
}

// The engine's move directions used for browsing.
enum
{
    moveUp = 1,
    moveLeft = 2,
    moveDown = 3,
    moveRight = 4,
    moveFirstCol = 9,
    moveLastCol = 10,
    moveTopLeft = 11,
    moveBottomRight = 12
};
} // namespace

// -- Clipboard ---------------------------------------------------------------------------------

BOOL CGXBrowserGrid::IsCellSelectionOnly()
{
    const CGXRangeList& ranges = m_pParam->m_SelectedRanges;
    if (ranges.IsEmpty())
        return TRUE;
    if (ranges.GetCount() != 1 || !m_pParam->m_bHideMarker)
        return FALSE;
    const CGXCellRange* pRange = ranges.GetHead();
    return pRange->IsCells() && pRange->top == pRange->bottom && pRange->left == pRange->right;
}

BOOL CGXBrowserGrid::CanCut()
{
    ROWCOL nRow, nCol;
    if (!CanUpdate() || !GetCurrentCell(nRow, nCol) || !IsCellSelectionOnly())
        return FALSE;
    CGXControl* pControl = GetControl(nRow, nCol);
    return pControl != NULL && pControl->CanCut();
}

BOOL CGXBrowserGrid::Cut()
{
    ROWCOL nRow, nCol;
    if (!CanUpdate() || !GetCurrentCell(nRow, nCol) || !IsCellSelectionOnly())
        return FALSE;
    CGXControl* pControl = GetControl(nRow, nCol);
    return pControl == NULL || pControl->Cut();
}

BOOL CGXBrowserGrid::CanPaste()
{
    if (!CanUpdate())
        return FALSE;
    if (GetBrowseParam()->m_bPasteAsCells)
        return CGXGridCore::CanPaste();
    // The current field takes the clipboard's text even where its control would not paste.
    ROWCOL nRow, nCol;
    CGXControl* pControl = GetCurrentCell(nRow, nCol) ? GetControl(nRow, nCol) : NULL;
    if (pControl != NULL && IsCellSelectionOnly() && pControl->CanPaste())
        return TRUE;
    return ::IsClipboardFormatAvailable(CF_TEXT);
}

BOOL CGXBrowserGrid::Paste()
{
    ROWCOL nRow, nCol;
    if (!CanUpdate() || !GetCurrentCell(nRow, nCol))
        return FALSE;
    if (GetBrowseParam()->m_bPasteAsCells)
    {
        if (!m_pParam->m_SelectedRanges.IsEmpty())
            return FALSE;
        // Cell pastes into a browser never take styles.
        m_nClipboardFlags &= ~0x0010;
        BOOL bOk = CGXGridCore::Paste();
        ChangeCurrentCell(nRow, nCol, 0x0A);
        return bOk;
    }
    CGXControl* pControl = GetControl(nRow, nCol);
    if (!IsCellSelectionOnly() || pControl == NULL)
        return FALSE;
    if (!pControl->IsInitAt(nRow, nCol))
        pControl->Init(nRow, nCol);
    if (pControl->IsReadOnly())
        return FALSE;
    if (pControl->Paste())
        return TRUE;
    // The control declined: its text comes from the clipboard's plain text.
    CWnd* pWnd = m_pGridWnd;
    if (pWnd == NULL || !::OpenClipboard(pWnd->GetSafeHwnd()))
        return FALSE;
    CString strText;
    if (HANDLE hData = ::GetClipboardData(CF_TEXT))
    {
        if (LPCSTR psz = (LPCSTR)::GlobalLock(hData))
        {
            strText = CString(psz, (int)strnlen(psz, ::GlobalSize(hData)));
            ::GlobalUnlock(hData);
        }
    }
    ::CloseClipboard();
    // Activated first, so that an edit window takes the text as the user's edit (an inactive
    // one would store it and then show its old text).
    if (!pControl->IsActive())
        pControl->SetActive(TRUE);
    pControl->ReplaceSel(strText);
    pControl->Refresh();
    return TRUE;
}

BOOL CGXBrowserGrid::ClearCells(const CGXRangeList& ranges, BOOL bStyles)
{
    POSITION pos = ranges.GetHeadPosition();
    BOOL bRecordCells = FALSE;
    while (pos != NULL)
    {
        const CGXCellRange* pRange = ranges.GetNext(pos);
        bRecordCells = bRecordCells || pRange->IsTable() || pRange->IsRows() || pRange->IsCols() ||
                       (pRange->bottom > GetHeaderRows() && pRange->right > GetHeaderCols());
    }
    // Whole styles of records cannot be removed from their source.
    if (bStyles && bRecordCells && !GetBrowseParam()->m_bAllowDirectStore)
        return FALSE;
    CGXGridParam* pParam = m_pParam;
    BOOL bLocked = pParam->m_bRedrawLocked;
    pParam->m_bRedrawLocked = TRUE;
    BOOL bOk = CGXGridCore::ClearCells(ranges, bStyles);
    pParam->m_bRedrawLocked = bLocked;
    // One range of cells cleared: its rows are redrawn; anything else redraws the grid.
    if (ranges.GetCount() == 1 && ranges.GetHead()->IsCells())
        RedrawRowCol(CGXCellRange(ranges.GetHead()->top, 0, ranges.GetHead()->bottom, GetColCount()),
                     GX_INVALIDATE, FALSE);
    else
        RedrawAll(GX_INVALIDATE, FALSE);
    return bOk;
}

BOOL CGXBrowserGrid::PasteTextFromBuffer(LPCSTR pszText, DWORD dwSize, const CGXCellRange& range)
{
    ROWCOL nOldRow = 0, nOldCol = 0, nNewRow = 0, nNewCol = 0;
    GetCurrentCell(nOldRow, nOldCol);
    CGXGridParam* pParam = m_pParam;
    BOOL bLocked = pParam->m_bRedrawLocked;
    DWORD dwFlags = m_nClipboardFlags;
    pParam->m_bRedrawLocked = TRUE;
    // A browser that cannot append takes no new rows from the text.
    if (!CanAppend())
        m_nClipboardFlags |= 0x0200;
    BOOL bOk = CGXGridCore::PasteTextFromBuffer(pszText, dwSize, range);
    m_nClipboardFlags = dwFlags;
    pParam->m_bRedrawLocked = bLocked;
    GetCurrentCell(nNewRow, nNewCol);
    ResetLastVisibleCache();
    UpdateScrollbars();
    RedrawRowCol(CGXCellRange(std::min(nOldRow, nNewRow), 0, std::max(nOldRow, nNewRow), GetColCount()),
                 GX_INVALIDATE, FALSE);
    return bOk;
}

// -- Keys --------------------------------------------------------------------------------------

void CGXBrowserGrid::BrowseCell(BOOL bForward)
{
    if (!TransferCurrentCell(TRUE, GX_INVALIDATE, TRUE))
        return;
    ROWCOL nRow, nCol;
    if (!GetCurrentCell(nRow, nCol))
        return;
    if (bForward)
    {
        if (MoveCurrentCellBy(moveRight, 1, TRUE))
            return;
        if (IsLastRowCurrent())
            MoveCurrentCellBy(moveTopLeft, 1, TRUE);
        else
        {
            MoveCurrentCellBy(moveFirstCol, 1, TRUE);
            MoveCurrentCellBy(moveDown, 1, TRUE);
        }
        return;
    }
    if (MoveCurrentCellBy(moveLeft, 1, TRUE))
        return;
    if (nRow > GetFirstRecordRow())
    {
        MoveCurrentCellBy(moveLastCol, 1, TRUE);
        MoveCurrentCellBy(moveUp, 1, TRUE);
    }
    else
        MoveCurrentCellBy(moveBottomRight, 1, TRUE);
}

BOOL CGXBrowserGrid::ProcessKeyMessage(CWnd* pFromWnd, UINT message, UINT nKey, UINT nRepeat, UINT flags)
{
    HWND hGrid = m_pGridWnd != NULL ? m_pGridWnd->GetSafeHwnd() : NULL;
    if (message != WM_KEYDOWN || m_pParam == NULL || (hGrid != NULL && ::GetCapture() == hGrid))
        return CGXGridCore::ProcessKeyMessage(pFromWnd, message, nKey, nRepeat, flags);
    BOOL bShift = IsDown(VK_SHIFT), bCtrl = IsDown(VK_CONTROL), bAlt = IsDown(VK_MENU);
    WORD wEnter = m_pParam->m_wEnterKeyAction;
    switch (nKey)
    {
    case VK_ESCAPE:
        // Drops the record's changes; with nothing to drop, Esc ends the cell's edit as usual.
        if (Undo())
            return TRUE;
        break;
    case VK_DELETE:
        if (pFromWnd != NULL && pFromWnd->GetSafeHwnd() == hGrid)
        {
            POSITION pos = m_pParam->m_SelectedRanges.GetHeadPosition();
            while (pos != NULL)
                if (m_pParam->m_SelectedRanges.GetNext(pos)->IsRows())
                {
                    DeleteSelectedRecords();
                    return TRUE;
                }
        }
        break;
    case VK_RETURN:
        if (bAlt || bCtrl || bShift)
            break;
        if (wEnter == 4)
        {
            BrowseCell(TRUE);
            return TRUE;
        }
        if (wEnter != 0)
        {
            if (TransferCurrentCell(TRUE, GX_INVALIDATE, TRUE))
                MoveCurrentCellBy(wEnter, 1, TRUE);
            return TRUE;
        }
        break;
    case VK_TAB:
        if (bAlt || bCtrl)
            break;
        BrowseCell(!bShift);
        return TRUE;
    default:
        break;
    }
    return CGXGridCore::ProcessKeyMessage(pFromWnd, message, nKey, nRepeat, flags);
}

BOOL CGXBrowserGrid::OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar != VK_DELETE)
        return CGXGridCore::OnGridKeyDown(nChar, nRepCnt, nFlags);
    if (IsDown(VK_SHIFT))
    {
        if (CanCut())
            Cut();
        return TRUE;
    }
    ROWCOL nRow, nCol;
    CGXControl* pControl = GetCurrentCell(nRow, nCol) ? GetControl(nRow, nCol) : NULL;
    if (pControl == NULL || pControl->IsActive() || !CanClear() || !pControl->QueryClearText())
        return FALSE;
    // Never the whole styles: only the values of the record's fields.
    Clear(FALSE);
    if (m_pGridWnd != NULL && m_pGridWnd->GetSafeHwnd() != NULL)
        m_pGridWnd->UpdateWindow();
    return TRUE;
}

BOOL CGXBrowserGrid::Undo()
{
    CGXBrowseParam* pParam = GetBrowseParam();
    // Without an undo component nothing is ever recorded.
    BOOL bRecording = pParam->IsUndoEnabled() && m_pUndoImp != NULL;
    if ((pParam->m_nEditMode == CGXBrowseParam::modeAppend && pParam->m_UndoList.IsEmpty()) ||
        (InMode() && !bRecording))
    {
        CancelRecord();
        return TRUE;
    }
    return CGXGridCore::Undo();
}

// -- Replace all -------------------------------------------------------------------------------

void CGXBrowserGrid::ReplaceAll(const CGXFindReplaceSettings& settings)
{
    ROWCOL nStartRow, nCol;
    if (GetRowCount() == 0 || GetColCount() == 0 || !GetCurrentCell(nStartRow, nCol))
        return;
    TransferCurrentCell(TRUE, GX_UPDATENOW, TRUE);
    CGXBrowseParam* pParam = GetBrowseParam();
    BOOL bUpdateAtOnce = pParam->m_bUpdateAtOnce, bLocked = pParam->m_bRedrawLocked;
    BOOL bUndo = pParam->IsUndoEnabled();
    pParam->m_bUpdateAtOnce = TRUE;
    pParam->m_bRedrawLocked = TRUE;
    CGXLongOperation op;
    op.SetStatusText(m_pAppData->GetLibraryText(GX_IDS_REPLACINGALL), FALSE);
    op.SetCanAbort(TRUE);
    BOOL bFound = FALSE, bAbort = FALSE;
    ROWCOL nDone = 0;
    for (ROWCOL nRow = nStartRow; !bAbort;)
    {
        // Downwards the end is read again: appending may add rows.
        ROWCOL nLast = GetRowCount();
        if (settings.m_bNext ? nRow > nLast : nRow < 1)
            break;
        CGXStyle* pStyle = CreateStyle();
        ComposeStyleRowCol(nRow, nCol, pStyle);
        CGXControl* pControl = GetRegisteredControl(pStyle->GetControl());
        if (pControl != NULL && pControl->ReplaceText(settings, nRow, nCol))
            bFound = TRUE;
        RecycleStyle(pStyle);
        nDone++;
        if (op.IsWaitTimeOver())
        {
            ROWCOL nToDo = settings.m_bNext ? nLast - nStartRow + 1 : nStartRow;
            op.SetPercentDone((int)std::min<ROWCOL>(100, nDone * 100 / std::max<ROWCOL>(1, nToDo)));
            op.DoMessages(bAbort);
        }
        if (!settings.m_bNext && nRow == 1)
            break;
        nRow = settings.m_bNext ? nRow + 1 : nRow - 1;
    }
    if (!bFound && !bAbort)
        OnTextNotFound(settings.m_strFind);
    Update();
    pParam->m_bUpdateAtOnce = bUpdateAtOnce;
    pParam->m_bRedrawLocked = bLocked;
    pParam->SetUndoEnabled(bUndo);
    RedrawAll(GX_INVALIDATE, FALSE);
    ChangeCurrentCell(nStartRow, nCol, 0x0A);
}
