// CGXGridCore: the current cell, how it is left and entered, and how it moves in the twelve
// directions. The keyboard dispatch that drives these lives in GridCoreKeys.cpp.
#include "grid/core/GridCore.h"
#include "grid/core/Control.h"
#include "grid/core/GridComponents.h"
#include "grid/core/GridParam.h"
#include "grid/core/Style.h"

namespace
{
// Removes the keyboard messages still queued for the focus window when it is a child of the
// grid window, so that keys typed ahead do not land in the wrong cell.
void DiscardChildKeys(CWnd* pGridWnd)
{
    HWND hFocus = ::GetFocus();
    if (pGridWnd == NULL || hFocus == NULL || !::IsChild(pGridWnd->GetSafeHwnd(), hFocus))
        return;
    MSG msg;
    while (::PeekMessage(&msg, hFocus, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE))
    {
    }
}

BOOL IsStyleEnabled(const CGXStyle& style)
{
    return !style.GetInclude(CGXStyle::ibEnabled) || style.GetEnabled();
}
} // namespace

CGXControl* CGXGridCore::GetCurrentCellControl()
{
    if (!m_bCurrentCellValid)
        return NULL;
    if (m_pCurrentCellControl == NULL)
        m_pCurrentCellControl = GetControl(m_nCurrentRow, m_nCurrentCol);
    return m_pCurrentCellControl;
}

BOOL CGXGridCore::OnValidateCell(ROWCOL, ROWCOL)
{
    return TRUE;
}

BOOL CGXGridCore::OnStartEditing(ROWCOL, ROWCOL)
{
    return TRUE;
}

BOOL CGXGridCore::OnCancelEditing(ROWCOL, ROWCOL)
{
    return TRUE;
}

void CGXGridCore::OnCanceledEditing(ROWCOL, ROWCOL)
{
}

BOOL CGXGridCore::OnEndEditing(ROWCOL, ROWCOL)
{
    return TRUE;
}

void CGXGridCore::OnModifyCell(ROWCOL, ROWCOL)
{
    SetModifiedFlag(TRUE);
}

BOOL CGXGridCore::CanLeaveOrEnterCell(BOOL bEnter, ROWCOL nRow, ROWCOL nCol, ROWCOL nOldRow, ROWCOL nOldCol)
{
    if (!bEnter)
    {
        m_strWarningText.Empty();
        CGXControl* pControl = GetCurrentCellControl();
        if (pControl != NULL && IsCurrentCell(nOldRow, nOldCol) && pControl->GetModify())
            return pControl->Validate();
        return TRUE;
    }
    if (nRow > GetRowCount() || nCol > GetColCount())
        return FALSE;
    return IsStyleEnabled(LookupStyleRowCol(nRow, nCol));
}

void CGXGridCore::ShowWarningText()
{
    if (m_strWarningText.IsEmpty())
        return;
    CString strText = m_strWarningText;
    m_strWarningText.Empty();
    m_bStoringCell = TRUE;
    HWND hFocus = ::GetFocus();
    if (hFocus != NULL)
    {
        MSG msg;
        while (::PeekMessage(&msg, hFocus, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE))
        {
        }
    }
    ROWCOL nRow, nCol;
    if (GetCurrentCell(nRow, nCol))
        ScrollCellInView(nRow, nCol, GX_UPDATENOW);
    AfxMessageBox(strText, MB_OK);
    m_bInterrupted = TRUE;
    if (hFocus != NULL && ::IsWindow(hFocus))
    {
        ::SetFocus(hFocus);
        HWND hGrid = m_pGridWnd != NULL ? m_pGridWnd->GetSafeHwnd() : NULL;
        if (hGrid != NULL && (hFocus == hGrid || ::IsChild(hGrid, hFocus)))
            m_bActiveFrame = TRUE;
    }
    m_bStoringCell = FALSE;
}

BOOL CGXGridCore::CanDeactivateGrid(BOOL bForce)
{
    if (bForce)
        return TRUE;
    CGXControl* pControl = GetCurrentCellControl();
    if (pControl == NULL || !pControl->IsActive())
        return TRUE;
    DiscardChildKeys(m_pGridWnd);
    m_bStoringCell = TRUE;
    BOOL bValid = pControl->Validate();
    m_bStoringCell = FALSE;
    if (bValid)
        return TRUE;
    ShowWarningText();
    m_bRefusedDeactivate = TRUE;
    return FALSE;
}

BOOL CGXGridCore::TransferCurrentCell(BOOL bSave, UINT flags, BOOL bCreateHint)
{
    ROWCOL nRow, nCol;
    BOOL bResult = TRUE;
    CGXControl* pControl = GetCurrentCellControl();
    if (pControl != NULL && GetCurrentCell(nRow, nCol))
    {
        if (bSave)
        {
            if (pControl->IsActive() || pControl->GetModify())
                bResult = ChangeCurrentCell(nRow, nCol, flags);
        }
        else
        {
            if (pControl->IsActive())
                bResult = pControl->CancelEditing();
            pControl->Init(nRow, nCol);
            pControl->Refresh();
            pControl->NotifyEditingCanceled();
        }
    }
    if (!m_bEnteredByMove)
    {
        m_bCurrentCellStyleValid = FALSE;
        m_pCurrentCellControl = NULL;
    }
    // The other views of the document store (or drop) theirs too; each may refuse.
    if (bCreateHint && IsHintsEnabled() && !m_pUpdateHintImp->HintTransferCurrentCell(this, bSave, flags))
        bResult = FALSE;
    return bResult;
}

BOOL CGXGridCore::ChangeCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT flags)
{
    // 1. Let the data extend itself, then enter covered ranges at their top-left cell (merged and
    // floated cells are entered where they are).
    PrepareDataExtent(nRow, nCol);
    CGXCellRange span;
    if (GetCoveredCellsRowCol(nRow, nCol, span) != NULL)
    {
        nRow = span.top;
        nCol = span.left;
    }

    // 2. What changes, for the mark-edit-header component.
    ROWCOL nOldRow = 0, nOldCol = 0;
    BOOL bOld = GetCurrentCell(nOldRow, nOldCol) && nOldRow <= GetRowCount() && nOldCol <= GetColCount();
    CGXControl* pOld = bOld ? GetCurrentCellControl() : NULL;
    int nKind = 0;
    if (pOld != NULL && nOldRow > GetHeaderRows() && nOldCol > GetHeaderCols())
    {
        if (nOldRow == nRow && nOldCol == nCol)
            nKind = -1;
        else if (nOldRow == nRow)
            nKind = 1;
        else if (nOldCol == nCol)
            nKind = 2;
    }

    // 3. Leave the old cell: validate, store, end editing.
    // The old cell's headers are unmarked once it is left, modified or not.
    BOOL bOldLeft = FALSE;
    if (pOld != NULL)
    {
        m_bStoringCell = TRUE;
        BOOL bWasActive = pOld->IsActive();
        if (bWasActive)
            DiscardChildKeys(m_pGridWnd);
        if (!CanLeaveOrEnterCell(FALSE, nRow, nCol, nOldRow, nOldCol))
        {
            if (bWasActive)
            {
                CWnd* pWnd = pOld->GetWndPtr();
                if (pWnd != NULL && pWnd->GetSafeHwnd() != NULL && pWnd->IsWindowVisible())
                    pWnd->SetFocus();
                m_bActiveFrame = TRUE;
            }
            m_bStoringCell = FALSE;
            ShowWarningText();
            pOld->Refresh();
            return FALSE;
        }
        BOOL bOk = TRUE;
        if (pOld->GetModify())
        {
            bOk = pOld->Store();
        }
        if (bOk && pOld->IsInit())
            bOk = pOld->EndEditing();
        m_bStoringCell = FALSE;
        if (!bOk)
        {
            pOld->Init(nOldRow, nOldCol);
            if (bWasActive)
                pOld->SetActive(TRUE);
            pOld->Refresh();
            ShowWarningText();
            return FALSE;
        }
        bOldLeft = TRUE;
        StoreCurrentCell(FALSE);
        pOld->SetActive(FALSE);
        pOld->Refresh();
        pOld->Hide();
        if ((flags & (0x02 | 0x04)) && m_pGridWnd->GetSafeHwnd() != NULL)
            m_pGridWnd->UpdateWindow();
    }

    // 4. Enter the new cell; a refusal puts the old one back.
    if (!CanLeaveOrEnterCell(TRUE, nRow, nCol, nOldRow, nOldCol))
    {
        if (pOld != NULL)
        {
            StoreCurrentCell(TRUE, nOldRow, nOldCol);
            CGXControl* pBack = GetCurrentCellControl();
            if (pBack != NULL)
            {
                pBack->Init(nOldRow, nOldCol);
                pBack->Refresh();
            }
        }
        return FALSE;
    }

    // 5. Store it, give the grid the focus, initialise (and maybe activate) its control.
    CGXControl* pNew = NULL;
    if (m_pParam->m_bRedrawLocked)
    {
        StoreCurrentCell(TRUE, nRow, nCol);
        if ((pNew = GetCurrentCellControl()) != NULL)
            pNew->Init(nRow, nCol);
    }
    else
    {
        CWnd* pGridWnd = m_pGridWnd;
        if (!(flags & 0x20) && pGridWnd->GetSafeHwnd() != NULL && pGridWnd->IsWindowVisible())
        {
            HWND hFocus = ::GetFocus();
            if (hFocus != pGridWnd->GetSafeHwnd() && !::IsChild(pGridWnd->GetSafeHwnd(), hFocus))
            {
                m_bLockFocusHandler = TRUE;
                pGridWnd->SetFocus();
                m_bLockFocusHandler = FALSE;
            }
        }
        StoreCurrentCell(TRUE, nRow, nCol);
        if ((pNew = GetCurrentCellControl()) != NULL)
        {
            pNew->Init(nRow, nCol);
            if (flags & 0x10)
                pNew->SetActive(TRUE);
            pNew->Refresh();
        }
        if (flags & 0x08)
            ScrollCellInView(nRow, nCol, flags);
    }

    // 6. Update and tell the mark-edit-header component.
    if ((flags & (0x02 | 0x04)) && m_pGridWnd->GetSafeHwnd() != NULL)
        m_pGridWnd->UpdateWindow();
    if (nKind != -1)
    {
        if (bOldLeft)
            DrawMarkEditHeader(nOldRow, nOldCol, nKind, flags);
        DrawMarkEditHeader(nRow, nCol, nKind, flags);
    }

    // 7. The other views follow, without scrolling, focus, hints or selection of their own.
    if (!(flags & 0x40) && IsHintsEnabled())
        m_pUpdateHintImp->HintCurrentCell(this, nRow, nCol, (flags & ~0x08u) | 0xE0);

    // 8. The selection follows the current cell when asked to.
    if (m_pParam->m_bSelectCurrentCell && !(flags & 0x80) &&
        !IsCellInRangeList(nRow, nCol, m_pParam->m_SelectedRanges))
    {
        m_pParam->m_SelectedRanges.DeleteAll();
        if (nRow > GetHeaderRows() && nCol > GetHeaderCols())
            m_pParam->m_SelectedRanges.AddTail(new CGXCellRange(nRow, nCol, nRow, nCol));
        RedrawAll(GX_INVALIDATE, FALSE);
    }
    return TRUE;
}

BOOL CGXGridCore::FindNextEnabledCell(int nDirection, ROWCOL& nRow, ROWCOL& nCol)
{
    const BOOL bVertical = nDirection == GX_UP || nDirection == GX_DOWN;
    const BOOL bBackward = nDirection == GX_UP || nDirection == GX_LEFT;
    const ROWCOL nLimit = bVertical ? GetRowCount() : GetColCount();
    ROWCOL r = nRow, c = nCol;
    ROWCOL& i = bVertical ? r : c;
    for (;;)
    {
        if (i >= 1 && i <= nLimit && (bVertical ? GetRowHeight(r) : GetColWidth(c)) != 0)
        {
            CGXCellRange span;
            ROWCOL nStyleRow = r, nStyleCol = c;
            BOOL bInside = FALSE;
            if (GetCellSpanRange(r, c, span))
            {
                bInside = bVertical ? span.top != r : span.left != c;
                nStyleRow = span.top;
                nStyleCol = span.left;
            }
            if (!bInside && IsStyleEnabled(LookupStyleRowCol(nStyleRow, nStyleCol)))
            {
                nRow = r;
                nCol = c;
                return TRUE;
            }
        }
        if (bBackward ? i <= 1 : i >= nLimit)
            return FALSE;
        bBackward ? --i : ++i;
    }
}

BOOL CGXGridCore::MoveCurrentCellByKey(int nDirection, ROWCOL nCount)
{
    if (m_pUserSelectRangeImp != NULL)
        return m_pUserSelectRangeImp->MoveCurrentCellEx(this, nDirection, nCount);
    BOOL bMoved = MoveCurrentCellBy(nDirection, nCount, TRUE);
    m_posSelBuild = NULL;
    return bMoved;
}

BOOL CGXGridCore::MoveCurrentCellBy(int nDirection, ROWCOL nCount, BOOL bSelect)
{
    const ROWCOL nRows = GetRowCount(), nCols = GetColCount();
    const ROWCOL nHeaderRows = GetHeaderRows(), nHeaderCols = GetHeaderCols();
    const ROWCOL nFrozenRows = GetFrozenRows(), nFrozenCols = GetFrozenCols();
    const ROWCOL nFirstRow = std::min(nHeaderRows + 1, nRows), nFirstCol = std::min(nHeaderCols + 1, nCols);
    if (nCount == 0)
        nCount = 1;

    ROWCOL nRow, nCol;
    BOOL bHad = GetCurrentCell(nRow, nCol) && nRow <= nRows && nCol <= nCols;
    if (!bHad)
    {
        nRow = std::max(std::min(m_pParam->m_nCurrentRow, nRows), nFirstRow);
        nCol = std::max(std::min(m_pParam->m_nCurrentCol, nCols), nFirstCol);
    }
    const ROWCOL nStartRow = nRow, nStartCol = nCol;
    m_bMovingCell = TRUE;
    const BOOL bSavedEntered = m_bEnteredByMove;
    m_bEnteredByMove = TRUE;

    BOOL bFound = FALSE;
    CGXCellRange span;
    // Rows (columns) to scroll back once the move has entered the frozen rows (columns).
    ROWCOL nFrozenScroll = 0;
    auto stepBack = [&](ROWCOL& n, ROWCOL nHeader, int nDir) {
        const BOOL bRows = nDir == GX_UP;
        const ROWCOL nFrozen = bRows ? nFrozenRows : nFrozenCols;
        for (ROWCOL k = 0; k < nCount && n > nHeader + 1; k++)
        {
            // From the first scrolled row the step either scrolls (the row above comes into
            // view) or, in client rows, enters the frozen rows and counts a row to scroll.
            ROWCOL nNext = n - 1;
            const ROWCOL nFirstScrolled = bRows ? GetTopRow() : GetLeftCol();
            BOOL bIntoFrozen = FALSE;
            if (!m_pParam->m_bScrollBeforeMove && n > nFrozen && n == nFirstScrolled && n > nFrozen + 1 &&
                nFrozen > nHeader)
            {
                nNext = nFrozen;
                bIntoFrozen = TRUE;
            }
            ROWCOL r = nRow, c = nCol;
            (bRows ? r : c) = nNext;
            if (!FindNextEnabledCell(nDir, r, c) || (bRows ? r : c) <= nHeader)
                break;
            n = bRows ? r : c;
            nFrozenScroll += bIntoFrozen;
            bFound = TRUE;
        }
    };
    auto stepOn = [&](ROWCOL& n, ROWCOL nLimit, int nDir) {
        const BOOL bRows = nDir == GX_DOWN;
        const ROWCOL nFrozen = bRows ? nFrozenRows : nFrozenCols;
        for (ROWCOL k = 0; k < nCount && n < nLimit; k++)
        {
            ROWCOL nEnd = n;
            if (GetCellSpanRange(nRow, nCol, span))
                nEnd = bRows ? span.bottom : span.right;
            if (nEnd >= nLimit)
                break;
            // Out of the frozen rows the step goes on in client rows: to the first one shown.
            ROWCOL nNext = nEnd + 1;
            if (nEnd <= nFrozen && nNext > nFrozen)
                nNext = std::max(nNext, bRows ? GetTopRow() : GetLeftCol());
            ROWCOL r = nRow, c = nCol;
            (bRows ? r : c) = std::min(nNext, nLimit);
            if (!FindNextEnabledCell(nDir, r, c))
                break;
            n = bRows ? r : c;
            bFound = TRUE;
        }
    };
    auto find = [&](int nDir, ROWCOL r, ROWCOL c) {
        if (!FindNextEnabledCell(nDir, r, c))
            return FALSE;
        nRow = r;
        nCol = c;
        return TRUE;
    };

    switch (nDirection)
    {
    case 1:
        stepBack(nRow, nHeaderRows, GX_UP);
        break;
    case 2:
        stepBack(nCol, nHeaderCols, GX_LEFT);
        break;
    case 3:
        stepOn(nRow, nRows, GX_DOWN);
        break;
    case 4:
        stepOn(nCol, nCols, GX_RIGHT);
        break;
    case 5: {
        ROWCOL nTop = GetTopRow();
        if (nTop >= nRows)
            break;
        ROWCOL nNewTop = std::max(GetBottomVisibleRow(), nTop + 1);
        ROWCOL nDelta = nNewTop - nTop;
        DoScroll(GX_DOWN, nDelta);
        ROWCOL r = nRow;
        if (nRow > nFrozenRows)
            r = std::min(nRow + nDelta, nRows);
        bFound = find(GX_DOWN, r, nCol) || find(GX_UP, r, nCol);
        break;
    }
    case 6: {
        ROWCOL nTop = GetTopRow();
        if (nTop > nFrozenRows + 1)
        {
            int nAvail = GetDrawingRect().Height() - SumRowHeights(0, nFrozenRows);
            ROWCOL nDelta = 0;
            int nSum = 0;
            while (nTop - nDelta > nFrozenRows + 1 && nTop - nDelta > 1)
            {
                nSum += GetRowHeight(nTop - nDelta - 1);
                if (nDelta > 0 && nSum > nAvail)
                    break;
                nDelta++;
            }
            if (nDelta == 0)
                nDelta = 1;
            DoScroll(GX_UP, nDelta);
            ROWCOL r = nRow;
            if (nRow > nFrozenRows)
                r = nRow > nDelta + nHeaderRows ? nRow - nDelta : nFirstRow;
            bFound = find(GX_UP, r, nCol);
            if (!bFound)
            {
                PrepareDataExtent(r, nCol);
                bFound = find(GX_DOWN, r, nCol);
            }
            break;
        }
        // at the top already: as the first row
    }
        [[fallthrough]];
    case 7:
        PrepareDataExtent(nFirstRow, nCol);
        bFound = find(GX_DOWN, nFirstRow, nCol);
        break;
    case 8:
        PrepareDataExtent(0xFFFFFFFE, nCol);
        bFound = find(GX_UP, GetRowCount(), nCol);
        break;
    case 9:
        if (nCol > nHeaderCols && GetLeftCol() > nFrozenCols + 1)
            SetLeftCol(nFrozenCols + 1);
        bFound = find(GX_RIGHT, nRow, nFirstCol);
        break;
    case 10:
        PrepareDataExtent(nRow, 0xFFFFFFFE);
        bFound = find(GX_LEFT, nRow, GetColCount());
        break;
    case 11: {
        PrepareDataExtent(nFirstRow, nFirstCol);
        BOOL bRow = find(GX_DOWN, nFirstRow, nCol);
        BOOL bCol = find(GX_RIGHT, nRow, nFirstCol);
        bFound = bRow || bCol;
        break;
    }
    case 12: {
        PrepareDataExtent(0xFFFFFFFE, 0xFFFFFFFE);
        BOOL bRow = find(GX_UP, GetRowCount(), nCol);
        BOOL bCol = find(GX_LEFT, nRow, GetColCount());
        bFound = bRow || bCol;
        break;
    }
    default:
        break;
    }

    BOOL bEntered = FALSE;
    if (bFound &&
        (!bHad || ((nRow != nStartRow || nCol != nStartCol) && nRow > nHeaderRows && nCol > nHeaderCols)))
    {
        UINT flags = 0x8A;
        if (m_pParam->m_bSelectCurrentCell && bSelect)
        {
            if (!m_pParam->m_SelectedRanges.IsEmpty() &&
                !IsCellInRangeList(nRow, nCol, m_pParam->m_SelectedRanges))
            {
                m_pParam->m_SelectedRanges.DeleteAll();
                RedrawAll(GX_INVALIDATE, FALSE);
            }
            flags = 0x0A;
        }
        bEntered = ChangeCurrentCell(nRow, nCol, flags);
        if (bEntered && nFrozenScroll > 0)
        {
            if (nDirection == GX_UP && nRow <= nFrozenRows)
                DoScroll(GX_UP, nFrozenScroll);
            else if (nDirection == GX_LEFT && nCol <= nFrozenCols)
                DoScroll(GX_LEFT, nFrozenScroll);
        }
    }
    m_bMovingCell = FALSE;
    m_bEnteredByMove = bSavedEntered;
    return bEntered;
}
