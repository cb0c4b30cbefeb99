// Style storage, composition and update of the grid engine: every change to the content or
// look of cells goes through SetStyleRange and its relatives.
#include <algorithm>
#include "grid/core/GridCore.h"
#include "grid/core/LongOperation.h"
#include "GridIds.h"
#include <stdlib.h>

CString CGXGridCore::GetColumnLetters(ROWCOL nCol)
{
    // Bijective base 26: 1 = "A", 26 = "Z", 27 = "AA"; at most 10 letters.
    char sz[11];
    int n = 10;
    sz[n] = 0;
    while (nCol > 0 && n > 0)
    {
        nCol--;
        sz[--n] = (char)('A' + nCol % 26);
        nCol /= 26;
    }
    return CString(sz + n);
}

BOOL CGXGridCore::IsReadOnly()
{
    return m_pParam != NULL && m_pParam->m_bReadOnly;
}

BOOL CGXGridCore::SetReadOnly(BOOL bReadOnly)
{
    return SetReadOnlyEx(bReadOnly, TRUE);
}

BOOL CGXGridCore::SetReadOnlyEx(BOOL bReadOnly, BOOL bCreateHint)
{
    if (m_pParam == NULL)
        return FALSE;
    m_pParam->m_bReadOnly = bReadOnly;
    if (m_bCurrentCellValid)
    {
        CGXControl* pControl = GetControl(m_nCurrentRow, m_nCurrentCol);
        if (pControl != NULL && pControl->IsActive())
            pControl->Init(m_nCurrentRow, m_nCurrentCol);
    }
    if (bCreateHint && IsHintsEnabled())
        m_pUpdateHintImp->HintReadOnly(this, bReadOnly);
    return TRUE;
}

BOOL CGXGridCore::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int mode, int nType)
{
    if (m_pParam == NULL || (IsReadOnly() && m_pParam->m_bLockReadOnly))
        return FALSE;
    CGXData* pData = m_pParam->GetData();
    if (pData == NULL)
        return FALSE;
    // The data object answers TRUE for any store; an unchanged cell does not count as a change.
    CGXStyle* pBefore = CreateStyle();
    BOOL bHadStyle = pData->GetStyleRowCol(nRow, nCol, *pBefore, gxCopy, nType);
    BOOL bDone = pData->StoreStyleRowCol(nRow, nCol, pStyle, mode == 4 ? gxCopy : (GXModifyType)mode, nType);
    if (bDone)
    {
        CGXStyle* pAfter = CreateStyle();
        BOOL bHasStyle = pData->GetStyleRowCol(nRow, nCol, *pAfter, gxCopy, nType);
        bDone = bHadStyle != bHasStyle || (bHasStyle && !pBefore->IsEqual(*pAfter));
        RecycleStyle(pAfter);
    }
    RecycleStyle(pBefore);
    if (!m_bStoringStyles)
        RecalcRange(CGXCellRange(nRow, nCol));
    if (IsCurrentCell(nRow, nCol) || (nType == -1 && m_bCurrentCellValid &&
                                      ((nCol == 0 && nRow == m_nCurrentRow) ||
                                       (nRow == 0 && nCol == m_nCurrentCol) || (nRow == 0 && nCol == 0))))
    {
        m_bCurrentCellStyleValid = FALSE;
        m_pCurrentCellControl = NULL;
    }
    return bDone;
}

BOOL CGXGridCore::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, int mode, int nType)
{
    CGXData* pData = m_pParam != NULL ? m_pParam->GetData() : NULL;
    return pData != NULL ? pData->GetStyleRowCol(nRow, nCol, style, (GXModifyType)mode, nType) : FALSE;
}

void CGXGridCore::ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle, BOOL bApplyStandard)
{
    // 1. - 2.
    GetStyleRowCol(nRow, nCol, *pStyle, gxCopy, 0);
    if (m_bStopAtValue && pStyle->GetInclude(CGXStyle::ibValue))
        return;
    ROWCOL nHeaderRows = GetHeaderRows(), nHeaderCols = GetHeaderCols();
    // 3. Row, column and table styles.
    if (nCol > nHeaderCols)
        GetStyleRowCol(nRow, 0, *pStyle, gxApplyNew, -1);
    if (nRow > nHeaderRows)
    {
        GetStyleRowCol(0, nCol, *pStyle, gxApplyNew, -1);
        if (nCol > nHeaderCols)
            GetStyleRowCol(0, 0, *pStyle, gxApplyNew, -1);
    }
    // 4. - 5. Base styles, then the header styles.
    if (m_pParam != NULL && m_pParam->GetStylesMap() != NULL)
    {
        pStyle->ApplyBaseStyles(m_pParam->GetStylesMap());
        if (nRow <= nHeaderRows)
            pStyle->MergeStyle(GetColHeaderBaseStyle(), gxApplyNew);
        else if (nCol <= nHeaderCols)
            pStyle->MergeStyle(GetRowHeaderBaseStyle(), gxApplyNew);
    }
    // 6. Header texts.
    if ((nRow == 0 || nCol == 0) && !pStyle->GetInclude(CGXStyle::ibValue) && m_pParam != NULL)
    {
        if (nRow == 0 && nCol > 0 && m_pParam->m_bNumberedColHeaders)
            pStyle->SetValue(GetColumnLetters(nCol));
        else if (nCol == 0 && nRow > 0 && m_pParam->m_bNumberedRowHeaders)
            pStyle->SetUnsignedValue(nRow);
    }
    // 7.
    if (bApplyStandard && m_pParam != NULL && m_pParam->GetStylesMap() != NULL)
        pStyle->MergeStyle(GetDefaultBaseStyle(), gxApplyNew);
    // 8. Cells marked by a pending cut.
    if (m_pParam != NULL && m_pParam->m_bDirectCut && m_pParam->m_bCutPending &&
        m_pParam->m_CopiedRanges.IsCellInList(nRow, nCol))
    {
        CGXCellBrush brush;
        brush.SetPattern(17).SetColor(RGB(192, 192, 192));
        pStyle->SetInterior(brush);
    }
    // 9. The active current cell keeps its text colour.
    if (IsCurrentCell(nRow, nCol) && pStyle->GetInclude(CGXStyle::ibControl))
    {
        void* p = NULL;
        if (m_ControlMap.Lookup((void*)(UINT_PTR)pStyle->GetControl(), p) && p != NULL &&
            ((CGXControl*)p)->IsActive())
            return;
    }
    // 10. Negative numbers in their colour.
    if (pStyle->GetInclude(CGXStyle::ibValue) && pStyle->HasUserAttribute(GX_IDS_UA_NEGATIVE_COLOR))
    {
        if (m_pAppData->ReadNumber(pStyle->GetValue()) < 0.0)
        {
            CString strColor = pStyle->GetUserAttribute(GX_IDS_UA_NEGATIVE_COLOR).GetValueText();
            pStyle->SetTextColor((COLORREF)strtoul(strColor, NULL, 10));
        }
    }
}

BOOL CGXGridCore::CheckLongOperation(CGXLongOperation& op, DWORD nDone, DWORD nAll)
{
    if (!op.IsWaitTimeOver())
        return FALSE;
    op.SetPercentDone(nAll != 0 ? (int)std::min((unsigned long long)nDone * 100 / nAll, 100ull) : 100);
    BOOL bAbort = FALSE;
    op.DoMessages(bAbort);
    return bAbort;
}

CObArray* CGXGridCore::CopyStyleRange(const CGXCellRange& range, int nType, CGXLongOperation* pOp)
{
    CGXCellRange r = range;
    r.ExpandToCells(0, 0, GetRowCount(), GetColCount());
    CObArray* pArray = new CObArray;
    DWORD nCols = r.right - r.left + 1, nAll = (r.bottom - r.top + 1) * nCols;
    pArray->SetSize(nAll);
    try
    {
        DWORD i = 0;
        for (ROWCOL nRow = r.top; nRow <= r.bottom; nRow++)
            for (ROWCOL nCol = r.left; nCol <= r.right; nCol++, i++)
            {
                CGXStyle* pStyle = CreateStyle();
                if (GetStyleRowCol(nRow, nCol, *pStyle, gxCopy, nType))
                    pArray->SetAt(i, pStyle);
                else
                    RecycleStyle(pStyle);
                if (pOp != NULL && CheckLongOperation(*pOp, i, nAll))
                    AfxThrowUserException();
            }
    }
    catch (...)
    {
        for (INT_PTR i = 0; i < pArray->GetSize(); i++)
            delete pArray->GetAt(i);
        delete pArray;
        throw;
    }
    return pArray;
}

BOOL CGXGridCore::SetValueRange(const CGXCellRange& range, LPCTSTR pszValue, int mode, int nType, UINT flags)
{
    CGXStyle style;
    style.SetValue(pszValue);
    return SetStyleRange(range, &style, mode, nType, NULL, flags, gxDo);
}

BOOL CGXGridCore::SetStyleRange(const CGXCellRange& rangeIn, const CGXStyle* pStyle, int mode, int nType,
                                const CObArray* pStyleArray, UINT flags, int ctCmd)
{
    if (m_pParam == NULL)
        return FALSE;
    // 1. Style type; rows are stored at column 0, columns at row 0, the table at (0, 0).
    CGXCellRange rangeDraw = rangeIn;
    CGXCellRange range = rangeIn;
    if (!rangeIn.IsCells())
        nType = -1;
    else if (nType == 0)
        nType = m_nDefaultStyleType;
    if (rangeIn.IsRows())
        range = CGXCellRange(rangeIn.top, 0, rangeIn.bottom, 0);
    else if (rangeIn.IsCols())
        range = CGXCellRange(0, rangeIn.left, 0, rangeIn.right);
    else if (rangeIn.IsTable())
        range = CGXCellRange(0, 0);
    rangeDraw.ExpandToCells(0, 0, GetRowCount(), GetColCount());
    if (range.bottom < range.top || range.right < range.left)
        return FALSE;

    // 2. - 3. Undo record under a long operation.
    CGXLongOperation op;
    op.SetStatusText(m_pAppData->GetLibraryText(GX_IDS_UNDOINFO), FALSE);
    op.SetCanAbort(ctCmd == gxDo);
    DWORD nRowsInRange = range.bottom - range.top + 1, nColsInRange = range.right - range.left + 1;
    unsigned long long nCells = (unsigned long long)nRowsInRange * nColsInRange;
    BOOL bUndo = m_pUndoImp != NULL && ctCmd != gxRollback && m_pParam->IsUndoEnabled();
    CObArray* pOldStyles = NULL;
    if (bUndo)
    {
        if (nRowsInRange < 32768 && nColsInRange < 32768 && nCells < 0x7FFFFFFF)
            pOldStyles = CopyStyleRange(range, nType, &op);
        else
        {
            CString strAsk;
            strAsk.LoadString(GX_IDS_CANNOTUNDO);
            if (AfxMessageBox(strAsk, MB_OKCANCEL) != IDOK)
                return FALSE;
            bUndo = FALSE;
        }
    }

    // 4. - 5.
    op.SetStatusText(m_pAppData->GetLibraryText(ctCmd == gxDo ? GX_IDS_STORING : GX_IDS_RESTORING), FALSE);
    op.SetCanAbort(ctCmd == gxDo && pOldStyles != NULL);
    FreeObjectCache();
    if (!m_bStoringStyles)
        RecalcRange(rangeDraw);
    BOOL bOldStoring = m_bStoringStyles;
    m_bStoringStyles = TRUE;
    BOOL bOldRecord = SetRecordUndoInfo(m_pParam->IsUndoEnabled() && ctCmd != gxRollback);

    // 6. Undo information of the data object, after the last cell's entry.
    DWORD nAll = (DWORD)nCells;
    if (pStyleArray != NULL && pStyleArray->GetSize() > (INT_PTR)nAll && pStyleArray->GetAt(nAll) != NULL)
    {
        if (ApplyUndoInfo(pStyleArray->GetAt(nAll), ctCmd != gxRollback, TRUE))
            Recalc(TRUE, NULL, TRUE);
    }

    // 7. The cells.
    BOOL bChanged = FALSE;
    try
    {
        for (ROWCOL nRow = range.top; nRow <= range.bottom; nRow++)
        {
            for (ROWCOL nCol = range.left; nCol <= range.right; nCol++)
            {
                DWORD i = (nRow - range.top) * nColsInRange + (nCol - range.left);
                const CGXStyle* pCellStyle = pStyle;
                int nMode = mode;
                if (pStyleArray != NULL)
                {
                    if ((INT_PTR)i >= pStyleArray->GetSize())
                        break;
                    pCellStyle = (const CGXStyle*)pStyleArray->GetAt(i);
                    nMode = pCellStyle != NULL ? gxCopy : gxExclude + 1;
                }
                BOOL bDone;
                if (nType == -1)
                {
                    bDone = nMode == gxExclude + 1 ? StoreStyleRowCol(nRow, nCol, NULL, 4, nType)
                                                   : StoreStyleRowCol(nRow, nCol, pCellStyle, nMode, nType);
                }
                else
                {
                    // The cell's control stores the style (controls may convert values).
                    CGXStyle* pComposed = CreateStyle();
                    ComposeStyleRowCol(nRow, nCol, pComposed, TRUE);
                    WORD nControl = pCellStyle != NULL && pCellStyle->GetInclude(CGXStyle::ibControl)
                                        ? pCellStyle->GetControl()
                                        : pComposed->GetControl();
                    CGXControl* pControl = GetRegisteredControl(nControl);
                    if (nMode == gxExclude + 1)
                        bDone = StoreStyleRowCol(nRow, nCol, NULL, 4, nType);
                    else if (pControl != NULL)
                        bDone = pControl->StoreStyle(nRow, nCol, pCellStyle, nMode, nType, pComposed);
                    else
                        bDone = StoreStyleRowCol(nRow, nCol, pCellStyle, nMode, nType);
                    RecycleStyle(pComposed);
                }
                bChanged |= bDone;
                if (CheckLongOperation(op, i, nAll) && op.GetCanAbort())
                    AfxThrowUserException();
            }
        }
    }
    catch (CUserException* e)
    {
        // Cells stored before the abort keep their new styles.
        e->Delete();
    }

    // 8.
    SetRecordUndoInfo(bOldRecord);
    if (!bChanged)
    {
        if (bUndo)
            DiscardUndoInfo();
        if (pOldStyles != NULL)
        {
            for (INT_PTR i = 0; i < pOldStyles->GetSize(); i++)
                delete pOldStyles->GetAt(i);
            delete pOldStyles;
        }
    }
    else
    {
        InvalidateFloatedCells(rangeDraw);
        InvalidateMergedCells(rangeDraw);
        UpdateStyleRange(rangeDraw, pStyle, mode, nType, flags, TRUE);
        SetModifiedFlag();
        if (pOldStyles != NULL)
        {
            CObject* pInfo = DetachUndoInfo();
            if (pInfo != NULL)
                pOldStyles->Add(pInfo);
            AddCommand(m_pUndoImp->CreateSetStyleRangeCmd(range, nType, pOldStyles), ctCmd);
        }
        if (ctCmd == gxUndo || ctCmd == gxRedo)
            MoveToUndoCell(rangeDraw.top, rangeDraw.left);
    }
    // 9.
    m_bStoringStyles = bOldStoring;
    return bChanged;
}

void CGXGridCore::UpdateStyleRange(const CGXCellRange& range, const CGXStyle* pStyle, int mode, int nType,
                                   UINT flags, BOOL bCreateHint)
{
    if (!IsLockUpdate() && m_pGridWnd != NULL && m_pGridWnd->GetSafeHwnd() != NULL &&
        m_pGridWnd->IsWindowVisible())
        RedrawRowCol(range, flags, FALSE);
    if (bCreateHint && IsHintsEnabled())
        m_pUpdateHintImp->HintStyleRange(this, range, pStyle, mode, nType, flags);
}

BOOL CGXGridCore::SetStylesMap(const CGXStylesMap& map, UINT flags, int ctCmd)
{
    if (m_pParam == NULL || m_pParam->GetStylesMap() == NULL || (IsReadOnly() && m_pParam->m_bLockReadOnly))
        return FALSE;
    if (m_pUndoImp != NULL && ctCmd != gxRollback && m_pParam->IsUndoEnabled())
        AddCommand(m_pUndoImp->CreateChangeStylesMapCmd(*m_pParam->GetStylesMap()), ctCmd);
    *m_pParam->GetStylesMap() = map;
    SetModifiedFlag();
    CGXCellRange table;
    table.SetTable();
    InvalidateFloatedCells(table);
    UpdateStylesMap(flags, TRUE);
    return TRUE;
}

BOOL CGXGridCore::SetProperties(const CGXProperties& props, UINT flags, int ctCmd)
{
    if (m_pParam == NULL || m_pParam->GetProperties() == NULL || (IsReadOnly() && m_pParam->m_bLockReadOnly))
        return FALSE;
    if (m_pUndoImp != NULL && ctCmd != gxRollback && m_pParam->IsUndoEnabled())
        AddCommand(m_pUndoImp->CreateChangePropertiesCmd(*m_pParam->GetProperties()), ctCmd);
    *m_pParam->GetProperties() = props;
    SetModifiedFlag();
    CGXCellRange table;
    table.SetTable();
    InvalidateFloatedCells(table);
    UpdateProperties(flags, TRUE);
    return TRUE;
}

BOOL CGXGridCore::ChangeBaseStyle(WORD nBaseStyle, const CGXStyle& style, int mode, UINT flags, int ctCmd)
{
    if (m_pParam == NULL || m_pParam->GetStylesMap() == NULL || (IsReadOnly() && m_pParam->m_bLockReadOnly))
        return FALSE;
    CGXStyle& base = LookupBaseStyle(nBaseStyle);
    if (m_pUndoImp != NULL && ctCmd != gxRollback && m_pParam->IsUndoEnabled() && m_bInitDone)
    {
        CString strName;
        UINT nResource = 0;
        m_pParam->GetStylesMap()->GetStyleName(nBaseStyle, strName, nResource);
        AddCommand(m_pUndoImp->CreateChangeBaseStyleCmd(nBaseStyle, base, strName), ctCmd);
    }
    base.MergeStyle(style, (GXModifyType)mode);
    SetModifiedFlag();
    CGXCellRange table;
    table.SetTable();
    InvalidateFloatedCells(table);
    UpdateBaseStyle(nBaseStyle, flags, TRUE);
    return TRUE;
}

BOOL CGXGridCore::ChangeDefaultBaseStyle(const CGXStyle& style, int mode, UINT flags)
{
    if (m_pParam == NULL || m_pParam->GetStylesMap() == NULL)
        return FALSE;
    return ChangeBaseStyle(m_pParam->GetStylesMap()->m_wStyleStandard, style, mode, flags);
}

BOOL CGXGridCore::ChangeRowHeaderBaseStyle(const CGXStyle& style, int mode, UINT flags)
{
    if (m_pParam == NULL || m_pParam->GetStylesMap() == NULL)
        return FALSE;
    return ChangeBaseStyle(m_pParam->GetStylesMap()->m_wStyleRowHeader, style, mode, flags);
}

void CGXGridCore::UpdateStylesMap(UINT flags, BOOL bCreateHint)
{
    ForgetBaseStyles();
    RedrawAll(flags, FALSE);
    if (bCreateHint && IsHintsEnabled())
        m_pUpdateHintImp->HintStylesMap(this, flags);
}

void CGXGridCore::UpdateProperties(UINT flags, BOOL bCreateHint)
{
    RedrawAll(flags, FALSE);
    if (bCreateHint && IsHintsEnabled())
        m_pUpdateHintImp->HintProperties(this, flags);
}

void CGXGridCore::UpdateBaseStyle(WORD nBaseStyle, UINT flags, BOOL bCreateHint)
{
    ForgetBaseStyles();
    if (m_bInitDone)
    {
        ReleaseGridDC();
        CalcCharMetricsFromStandard();
        RedrawAll(flags, FALSE);
    }
    if (bCreateHint && IsHintsEnabled())
        m_pUpdateHintImp->HintBaseStyle(this, nBaseStyle, flags);
}
