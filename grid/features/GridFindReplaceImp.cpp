// Find and replace in a grid's column.
#include "grid/features/GridFindReplaceImp.h"
#include "grid/core/Control.h"
#include "grid/core/FindReplaceSettings.h"
#include "grid/core/GridCore.h"
#include "grid/core/LongOperation.h"
#include "grid/core/Style.h"
#include "FindReplaceDialog.h"
#include "GridIds.h"
#include <algorithm>

void CGXGridCore::InstallFindReplaceImp()
{
    if (m_pFindReplaceImp != NULL)
        return;
    m_pFindReplaceImp = new CGXGridFindReplaceImp;
    AddOwnedImp(m_pFindReplaceImp);
}

namespace
{
CGXFindReplaceSettings& Settings()
{
    return *GXGetFindReplaceSettings();
}

BOOL HasCells(CGXGridCore* pGrid)
{
    return pGrid->GetRowCount() > 0 && pGrid->GetColCount() > 0;
}

void StoreSearch(const CString& strFind, BOOL bNext, BOOL bMatchCase)
{
    CGXFindReplaceSettings& s = Settings();
    s.m_strFind = strFind;
    s.m_bNext = bNext;
    s.m_bMatchCase = bMatchCase;
    s.PrepareSearchText();
}

// The control of a cell's composed style, the style being the settings' scan style meanwhile.
template <class F> BOOL WithScanStyle(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, F fn)
{
    CGXStyle* pStyle = pGrid->CreateStyle();
    pGrid->ComposeStyleRowCol(nRow, nCol, pStyle);
    CGXControl* pControl = pGrid->GetRegisteredControl(pStyle->GetControl());
    Settings().m_pStyle = pStyle;
    BOOL bResult = pControl != NULL && fn(pControl);
    Settings().m_pStyle = NULL;
    pGrid->RecycleStyle(pStyle);
    return bResult;
}
} // namespace

// -- Dialog ------------------------------------------------------------------------------------

void CGXGridFindReplaceImp::ShowFindReplaceDialog(CGXGridCore* pGrid, BOOL bFindOnly)
{
    if (!HasCells(pGrid))
        return;
    CGXFindReplaceSettings& s = Settings();
    s.m_pActiveGrid = pGrid;
    ROWCOL nRow, nCol;
    if (pGrid->GetCurrentCell(nRow, nCol))
        pGrid->ScrollCellInView(nRow, nCol, GX_UPDATENOW);
    else
        pGrid->ChangeCurrentCell(std::min(pGrid->GetTopRow(), pGrid->GetRowCount()),
                                 std::min(pGrid->GetLeftCol(), pGrid->GetColCount()), 42);
    CString strInitial;
    pGrid->ReadCurrentCellText(strInitial);
    if (strInitial.IsEmpty())
        strInitial = s.m_strFind;

    if (s.m_pFindReplaceDlg != NULL)
    {
        if (s.m_bFindOnly == bFindOnly)
        {
            s.m_pFindReplaceDlg->SetActiveWindow();
            s.m_pFindReplaceDlg->ShowWindow(SW_SHOW);
            return;
        }
        s.m_pFindReplaceDlg->SendMessage(WM_CLOSE);
        s.m_pFindReplaceDlg = NULL;
    }
    CFindReplaceDialog* pDialog = new CFindReplaceDialog;
    DWORD dwFlags = FR_HIDEWHOLEWORD | (s.m_bMatchCase ? FR_MATCHCASE : 0) | (s.m_bNext ? FR_DOWN : 0);
    s.m_bFindOnly = bFindOnly;
    s.m_pParentWnd = pGrid->GridWnd();
    s.m_pActiveGrid = pGrid;
    if (pDialog->Create(bFindOnly, strInitial, s.m_strReplace, dwFlags, pGrid->GridWnd()))
        s.m_pFindReplaceDlg = pDialog;
    else
        delete pDialog; // no window: it cannot delete itself
}

void CGXGridFindReplaceImp::OnFindReplaceMessage(CGXGridCore* pGrid, CFindReplaceDialog* pDialog)
{
    CGXFindReplaceSettings& s = Settings();
    if (s.m_pActiveGrid != NULL && s.m_pActiveGrid != pGrid)
    {
        s.m_pActiveGrid->OnFindReplaceNotify(pDialog);
        return;
    }
    if (pDialog == NULL)
        return;
    DWORD dwFlags = pDialog->m_fr.Flags;
    BOOL bNext = (dwFlags & FR_DOWN) != 0, bMatchCase = (dwFlags & FR_MATCHCASE) != 0;
    if (dwFlags & FR_DIALOGTERM)
    {
        s.m_pFindReplaceDlg = NULL;
        return;
    }
    if (dwFlags & FR_FINDNEXT)
        FindNextText(pGrid, pDialog->GetFindString(), bNext, bMatchCase);
    else if (dwFlags & FR_REPLACE)
        ReplaceNext(pGrid, pDialog->GetFindString(), bNext, bMatchCase, pDialog->GetReplaceString());
    else if (dwFlags & FR_REPLACEALL)
    {
        // From the dialog the whole run is one undo step; a grid may do it its own way.
        s.m_strFind = pDialog->GetFindString();
        s.m_strReplace = pDialog->GetReplaceString();
        s.m_bMatchCase = bMatchCase;
        s.m_bTransaction = TRUE;
        try
        {
            pGrid->ReplaceAll(s);
        }
        catch (CException*)
        {
            s.m_bTransaction = FALSE;
            throw;
        }
        s.m_bTransaction = FALSE;
    }
}

// -- Finding -----------------------------------------------------------------------------------

BOOL CGXGridFindReplaceImp::FindNextText(CGXGridCore* pGrid, const CString& strFind, BOOL bNext,
                                         BOOL bMatchCase)
{
    if (!HasCells(pGrid))
        return FALSE;
    StoreSearch(strFind, bNext, bMatchCase);
    return pGrid->SearchNext(TRUE);
}

CString CGXGridFindReplaceImp::CellText(CGXControl* pControl, const CGXFindReplaceSettings& settings,
                                        ROWCOL nRow, ROWCOL nCol)
{
    CGXGridCore* pGrid = pControl->m_pGrid;
    CString strText;
    BOOL bMade;
    if (settings.m_pStyle != NULL)
        bMade = pControl->FormatValueText(strText, nRow, nCol, NULL, *settings.m_pStyle);
    else
    {
        CGXStyle* pStyle = pGrid->CreateStyle();
        pGrid->ComposeStyleRowCol(nRow, nCol, pStyle);
        bMade = pControl->FormatValueText(strText, nRow, nCol, NULL, *pStyle);
        pGrid->RecycleStyle(pStyle);
    }
    if (!bMade)
        strText.Empty();
    return strText;
}

BOOL CGXGridFindReplaceImp::FindTextInCell(CGXControl* pControl, const CGXFindReplaceSettings& settings,
                                           ROWCOL nRow, ROWCOL nCol, BOOL bIncludeCurrent, BOOL bSelect)
{
    CGXGridCore* pGrid = pControl->m_pGrid;
    if (!bIncludeCurrent && pGrid->IsCurrentCell(nRow, nCol))
        return FALSE;
    CString strText = CellText(pControl, settings, nRow, nCol);
    if (!settings.m_bMatchCase)
        strText.MakeUpper();
    if (settings.m_strFindUpper.IsEmpty() || strText.Find(settings.m_strFindUpper) < 0)
        return FALSE;
    if (bSelect)
        pGrid->ChangeCurrentCell(nRow, nCol, 10);
    return TRUE;
}

BOOL CGXGridFindReplaceImp::StepProgress(CGXLongOperation& op, DWORD& dwCounter, ROWCOL nRowsToDo)
{
    dwCounter += 100;
    if (!op.IsWaitTimeOver())
        return FALSE;
    op.SetPercentDone((int)std::min<ULONGLONG>(100, dwCounter / ((ULONGLONG)nRowsToDo + 1)));
    BOOL bAbort = FALSE;
    op.DoMessages(bAbort);
    return bAbort;
}

BOOL CGXGridFindReplaceImp::FindInColumn(CGXGridCore* pGrid, ROWCOL& nRow, ROWCOL& nCol, BOOL bSelect)
{
    CGXFindReplaceSettings& s = Settings();
    ROWCOL nRows = pGrid->GetRowCount();
    nRow = s.m_bNext ? nRow + 1 : nRow - 1;
    CGXLongOperation op;
    op.SetStatusText(pGrid->m_pAppData->GetLibraryText(GX_IDS_SEARCHING));
    ROWCOL nStart = pGrid->m_nSearchStartRow;
    ROWCOL nToDo = s.m_bNext ? (nRows > nStart ? nRows - nStart : 0) : nStart;
    DWORD dwCounter = 0;
    BOOL bFound = FALSE;
    while (nRow >= 1 && nRow <= nRows)
    {
        if (StepProgress(op, dwCounter, nToDo))
        {
            pGrid->m_bSearchAborted = TRUE;
            return FALSE;
        }
        ROWCOL nCellCol = nCol;
        bFound = WithScanStyle(pGrid, nRow, nCellCol, [&](CGXControl* pControl) {
            return pControl->FindText(s, nRow, nCellCol, FALSE, bSelect);
        });
        if (bFound)
            break;
        nRow = s.m_bNext ? nRow + 1 : nRow - 1;
        pGrid->OnRowScanned(nRow + 1, 0);
    }
    return bFound;
}

BOOL CGXGridFindReplaceImp::FindNext(CGXGridCore* pGrid, BOOL bSelect)
{
    ROWCOL nRow, nCol;
    if (!pGrid->GetCurrentCell(nRow, nCol))
        return FALSE;
    CGXLongOperation op;
    CGXFindReplaceSettings& s = Settings();
    pGrid->m_nSearchStartRow = nRow;
    pGrid->m_bSearchAborted = FALSE;
    CGXControl* pControl = pGrid->GetControl(nRow, nCol);
    // The current cell's control looks behind its caret first.
    BOOL bFound = pControl != NULL && pControl->FindText(s, nRow, nCol, FALSE, bSelect);
    if (!bFound)
        bFound = pGrid->SearchCellsFrom(nRow, nCol, bSelect);
    if (!bFound && bSelect && !pGrid->m_bSearchAborted)
        pGrid->OnTextNotFound(s.m_strFind);
    return bFound;
}

// -- Replacing ---------------------------------------------------------------------------------

void CGXGridFindReplaceImp::ReplaceNext(CGXGridCore* pGrid, const CString& strFind, BOOL bNext,
                                        BOOL bMatchCase, const CString& strReplace)
{
    ROWCOL nRow, nCol;
    if (!HasCells(pGrid) || !pGrid->GetCurrentCell(nRow, nCol))
        return;
    CGXFindReplaceSettings& s = Settings();
    s.m_strReplace = strReplace;
    StoreSearch(strFind, bNext, bMatchCase);
    CGXLongOperation op;
    pGrid->m_nSearchStartRow = nRow;
    pGrid->m_bSearchAborted = FALSE;
    CGXControl* pControl = pGrid->GetControl(nRow, nCol);
    BOOL bFound = FALSE;
    if (pControl != NULL && pControl->FindText(s, nRow, nCol, TRUE, TRUE))
    {
        pControl->ReplaceSel(strReplace);
        // A further occurrence in the same cell is selected, else the search goes on below.
        bFound = pControl->FindText(s, nRow, nCol, TRUE, TRUE) || pGrid->SearchCellsFrom(nRow, nCol, TRUE);
    }
    else
        bFound = pGrid->SearchCellsFrom(nRow, nCol, TRUE);
    if (!bFound && !pGrid->m_bSearchAborted)
        pGrid->OnTextNotFound(s.m_strFind);
}

void CGXGridFindReplaceImp::ReplaceAll(CGXGridCore* pGrid, const CString& strFind, const CString& strReplace,
                                       BOOL bMatchCase)
{
    ROWCOL nStart, nCol;
    if (!HasCells(pGrid) || !pGrid->GetCurrentCell(nStart, nCol))
        return;
    CGXFindReplaceSettings& s = Settings();
    s.m_strReplace = strReplace;
    StoreSearch(strFind, TRUE, bMatchCase);
    CGXLongOperationSettings* pOpState = GXGetLongOperationSettings();
    CGXLongOperation op;
    op.SetStatusText(pGrid->m_pAppData->GetLibraryText(GX_IDS_REPLACINGALL));
    pOpState->m_nLevelShown = pOpState->m_nOperationLevel - 1;
    pOpState->m_bAbortRetryIgnore = TRUE;
    BOOL bTransaction = s.m_bTransaction;
    if (bTransaction)
        pGrid->BeginTrans(pGrid->m_pAppData->GetLibraryText(GX_IDS_REPLACEALL));
    ROWCOL nRows = pGrid->GetRowCount();
    DWORD dwCounter = 0;
    BOOL bFound = FALSE, bAborted = FALSE;
    try
    {
        for (ROWCOL nRow = nStart; nRow <= nRows && nRow >= nStart; nRow++)
        {
            if (StepProgress(op, dwCounter, nRows - nStart))
            {
                bAborted = TRUE;
                break;
            }
            bFound |= WithScanStyle(pGrid, nRow, nCol, [&](CGXControl* pControl) {
                return pControl->ReplaceText(s, nRow, nCol);
            });
            pGrid->OnRowScanned(nRow + 1, 0);
        }
    }
    catch (CException* e)
    {
        // A storing step that saw the user's abort ends with a user exception: the same abort.
        if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
        {
            pOpState->m_nPercentDone = -1;
            pOpState->m_nLevelShown = -1;
            if (bTransaction)
                pGrid->Rollback();
            throw;
        }
        e->Delete();
        bAborted = TRUE;
    }
    pOpState->m_nPercentDone = -1;
    pOpState->m_nLevelShown = -1;
    BOOL bRetry = bAborted && pOpState->m_bRetry;
    if (bAborted && bRetry && bTransaction)
        pGrid->Rollback();
    else if (!bAborted || bTransaction)
    {
        if (!bFound)
            pGrid->OnTextNotFound(s.m_strFind);
        if (bTransaction)
            pGrid->CommitTrans();
    }
    pGrid->Recalc(TRUE, NULL, TRUE);
    if (bAborted && !bTransaction)
        AfxThrowUserException();
}

BOOL CGXGridFindReplaceImp::ReplaceAllInCell(CGXControl* pControl, const CGXFindReplaceSettings& settings,
                                             ROWCOL nRow, ROWCOL nCol)
{
    CGXGridCore* pGrid = pControl->m_pGrid;
    CString strText = CellText(pControl, settings, nRow, nCol);
    CString strSearch = strText;
    if (!settings.m_bMatchCase)
        strSearch.MakeUpper();
    const CString& strFind = settings.m_strFindUpper;
    if (strFind.IsEmpty())
        return FALSE;
    // Built without a length limit: the text between the matches keeps its letters as they stood.
    CString strResult;
    int nDone = 0, nReplaced = 0;
    for (int nPos = strSearch.Find(strFind); nPos >= 0; nPos = strSearch.Find(strFind, nDone))
    {
        strResult += strText.Mid(nDone, nPos - nDone);
        strResult += settings.m_strReplace;
        nDone = nPos + strFind.GetLength();
        nReplaced++;
    }
    if (nReplaced == 0)
        return FALSE;
    strResult += strText.Mid(nDone);
    pGrid->SetValueRange(CGXCellRange(nRow, nCol), strResult, gxOverride, 0, GX_UPDATENOW);
    return TRUE;
}
