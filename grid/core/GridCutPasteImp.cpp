// The grid's cut, copy and paste.
#include "grid/core/GridCutPasteImp.h"
#include "grid/core/GridCore.h"
#include "grid/core/LongOperation.h"
#include "GridIds.h"
#include "SharedFile.h"

UINT CGXGridCutPasteImp::s_nDirectCopyFormat = 0xFFFF;

namespace
{
const DWORD optHeaderRows = 0x0001;
const DWORD optHeaderCols = 0x0002;
const DWORD optText = 0x0008;
const DWORD optStyles = 0x0010;
const DWORD optComposed = 0x0020;
const DWORD optAskSize = 0x0100;

// Clipboard blocks are movable, shareable and zero-initialised.
const UINT allocFlags = GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT;

HWND GridHwnd(CGXGridCore* pGrid)
{
    return pGrid->GridWnd() != NULL ? pGrid->GridWnd()->GetSafeHwnd() : NULL;
}

// Opens, empties and closes the clipboard; FALSE when another window holds it or it stays full.
BOOL EmptyTheClipboard(CGXGridCore* pGrid)
{
    if (::GetOpenClipboardWindow() != NULL || !::OpenClipboard(GridHwnd(pGrid)))
        return FALSE;
    BOOL bOk = ::EmptyClipboard();
    ::CloseClipboard();
    return bOk;
}

// Hands a block to the clipboard under a format; the clipboard owns it on success.
BOOL PutOnClipboard(CGXGridCore* pGrid, UINT nFormat, HGLOBAL hMem)
{
    if (hMem == NULL)
        return FALSE;
    if (!::OpenClipboard(GridHwnd(pGrid)))
    {
        ::GlobalFree(hMem);
        return FALSE;
    }
    BOOL bOk = ::SetClipboardData(nFormat, hMem) != NULL;
    ::CloseClipboard();
    if (!bOk)
        ::GlobalFree(hMem);
    return bOk;
}

// A control that can take nothing out (a password cell) still takes the copy or cut when it
// answers it: the clipboard then stays as it was, not emptied for nothing.
BOOL TakesKeyWithoutCopying(CGXControl* pControl, BOOL (CGXControl::*pfnCan)(), BOOL (CGXControl::*pfnDo)())
{
    return !(pControl->*pfnCan)() && (pControl->*pfnDo)();
}

// Whole rows, columns and the table become cells, from the first row and column after the
// headers unless the options include the headers.
void ExpandRanges(CGXGridCore* pGrid, CGXRangeList& list)
{
    DWORD dwFlags = pGrid->m_nClipboardFlags;
    ROWCOL nTop = (dwFlags & optHeaderRows) ? 0 : pGrid->GetHeaderRows() + 1;
    ROWCOL nLeft = (dwFlags & optHeaderCols) ? 0 : pGrid->GetHeaderCols() + 1;
    POSITION pos = list.GetHeadPosition();
    while (pos != NULL)
        list.GetNext(pos)->ExpandToCells(nTop, nLeft, pGrid->GetRowCount(), pGrid->GetColCount());
}

BOOL DirectPasteWanted(CGXGridParam* pParam)
{
    return pParam->m_CopiedRanges.GetCount() > 0 && ((pParam->m_bDirectCut && pParam->m_bCutPending) ||
                                                     (pParam->m_bDirectCopy && !pParam->m_bCutPending));
}
} // namespace

void CGXGridCore::InstallCutPasteImp()
{
    if (m_pCutPasteImp != NULL)
        return;
    m_pCutPasteImp = new CGXGridCutPasteImp;
    AddOwnedImp(m_pCutPasteImp);
}

UINT CGXGridCutPasteImp::GetDirectCopyFormat()
{
    if (s_nDirectCopyFormat == 0xFFFF)
        s_nDirectCopyFormat = ::RegisterClipboardFormatA("GX_DIRECTCOPY");
    return s_nDirectCopyFormat;
}

BOOL CGXGridCutPasteImp::IsOwnDirectCopy(CGXGridCore* pGrid)
{
    UINT nFormat = GetDirectCopyFormat();
    if (!::IsClipboardFormatAvailable(nFormat))
        return FALSE;
    BOOL bOpened = ::GetOpenClipboardWindow() == NULL && ::OpenClipboard(GridHwnd(pGrid));
    BOOL bOwn = FALSE;
    HANDLE hData = ::GetClipboardData(nFormat);
    // The block holds a whole pointer; a block of another size is not ours.
    if (hData != NULL && ::GlobalSize(hData) == sizeof(void*))
    {
        void* p = ::GlobalLock(hData);
        if (p != NULL)
        {
            CGXGridParam* pParam = NULL;
            memcpy(&pParam, p, sizeof(pParam));
            bOwn = pParam == pGrid->GetParam();
            ::GlobalUnlock(hData);
        }
    }
    if (bOpened)
        ::CloseClipboard();
    return bOwn;
}

BOOL CGXGridCutPasteImp::CanCopy(CGXGridCore* pGrid)
{
    if (::GetOpenClipboardWindow() != NULL)
        return FALSE;
    if (pGrid->GetParam()->m_SelectedRanges.GetCount() > 0)
        return TRUE;
    CGXControl* pControl = pGrid->GetCurrentCellControl();
    return pControl != NULL && pControl->CanCopy();
}

BOOL CGXGridCutPasteImp::Copy(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    CGXControl* pControl = pGrid->GetCurrentCellControl();
    BOOL bControlFirst = pControl != NULL && (pParam->m_SelectedRanges.IsEmpty() || pControl->IsActive());
    if (bControlFirst && TakesKeyWithoutCopying(pControl, &CGXControl::CanCopy, &CGXControl::Copy))
        return TRUE;
    if (!EmptyTheClipboard(pGrid))
        return FALSE;
    CGXRangeList& copied = pParam->m_CopiedRanges;
    pGrid->CopyRangeList(copied, FALSE);
    BOOL bOk = FALSE;
    if (bControlFirst && pControl->Copy())
        bOk = TRUE;
    else
    {
        if (copied.IsEmpty())
            pGrid->CopyRangeList(copied, TRUE);
        if (!copied.IsEmpty())
        {
            ExpandRanges(pGrid, copied);
            bOk = pGrid->CopyRangesToClipboard(copied);
        }
    }
    if (pParam->m_bCutPending)
    {
        pParam->m_bCutPending = FALSE;
        pGrid->RedrawAll(GX_INVALIDATE, FALSE);
    }
    return bOk;
}

BOOL CGXGridCutPasteImp::CopyRangesToClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges)
{
    CGXLongOperation op;
    DWORD dwFlags = pGrid->m_nClipboardFlags;
    BOOL bText = (dwFlags & optText) && CopyTextToClipboard(pGrid, ranges);
    BOOL bStyles = (dwFlags & optStyles) && CopyCellsToClipboard(pGrid, ranges, (dwFlags & optComposed) != 0);
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam->m_bDirectCopy || pParam->m_bDirectCut)
    {
        // The parameter object's address, in a block as wide as a pointer.
        HGLOBAL hMem = ::GlobalAlloc(allocFlags, sizeof(void*));
        if (hMem != NULL)
        {
            memcpy(::GlobalLock(hMem), &pParam, sizeof(void*));
            ::GlobalUnlock(hMem);
            PutOnClipboard(pGrid, GetDirectCopyFormat(), hMem);
        }
    }
    return bText || bStyles;
}

BOOL CGXGridCutPasteImp::CopyTextToClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges)
{
    CSharedFile file(allocFlags, 4096);
    if (!pGrid->CopyTextToFile(file, ranges))
        return FALSE;
    // Always a terminating NUL, even when the text fills its block exactly.
    file.Write("", 1);
    return PutOnClipboard(pGrid, CF_TEXT, file.Detach());
}

BOOL CGXGridCutPasteImp::CopyCellsToClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges, BOOL bComposed)
{
    UINT nFormat = GXGetAppData()->m_uiStylesClipboardFormat;
    if (nFormat == 0)
        return FALSE;
    CSharedFile file(allocFlags, 4096);
    BOOL bOk = FALSE;
    try
    {
        CArchive ar(&file, CArchive::store, 4096);
        bOk = pGrid->CopyCellsToArchive(ar, ranges, bComposed);
        ar.Close();
    }
    catch (CException* e)
    {
        e->Delete();
        bOk = FALSE;
    }
    HGLOBAL hMem = file.Detach();
    if (!bOk)
    {
        if (hMem != NULL)
            ::GlobalFree(hMem);
        return FALSE;
    }
    return PutOnClipboard(pGrid, nFormat, hMem);
}

BOOL CGXGridCutPasteImp::CanCut(CGXGridCore* pGrid)
{
    if (::GetOpenClipboardWindow() != NULL || pGrid->IsReadOnly())
        return FALSE;
    if (pGrid->GetParam()->m_SelectedRanges.GetCount() > 0)
        return TRUE;
    CGXControl* pControl = pGrid->GetCurrentCellControl();
    return pControl != NULL && pControl->CanCut();
}

BOOL CGXGridCutPasteImp::Cut(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    CGXControl* pControl = pGrid->GetCurrentCellControl();
    BOOL bControlFirst = pControl != NULL && (pControl->IsActive() || pParam->m_SelectedRanges.IsEmpty());
    if (bControlFirst && TakesKeyWithoutCopying(pControl, &CGXControl::CanCut, &CGXControl::Cut))
        return TRUE;
    EmptyTheClipboard(pGrid);
    if (bControlFirst && pControl->Cut())
        return TRUE;
    if (pParam->m_bDirectCut)
    {
        Copy(pGrid);
        pParam->m_bCutPending = TRUE;
        pGrid->RedrawAll(GX_INVALIDATE, FALSE);
        return TRUE;
    }
    CGXRangeList& copied = pParam->m_CopiedRanges;
    pGrid->CopyRangeList(copied, TRUE);
    ExpandRanges(pGrid, copied);
    return pGrid->CutRangesToClipboard(copied, (pGrid->m_nClipboardFlags & optStyles) != 0);
}

BOOL CGXGridCutPasteImp::CutRangesToClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges, BOOL bStyles)
{
    CString strTrans;
    strTrans.LoadString(GX_IDS_CUT);
    pGrid->BeginTrans(strTrans);
    if (pGrid->CopyRangesToClipboard(ranges) && pGrid->ClearCells(ranges, bStyles))
    {
        pGrid->CommitTrans();
        return TRUE;
    }
    pGrid->Rollback();
    return FALSE;
}

BOOL CGXGridCutPasteImp::CanPaste(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pGrid->IsReadOnly() && pParam->m_bLockReadOnly)
        return FALSE;
    if (DirectPasteWanted(pParam))
        return TRUE;
    CGXControl* pControl = pGrid->GetCurrentCellControl();
    if (pControl != NULL && pControl->CanPaste())
        return TRUE;
    return pGrid->CanPasteFromClipboard();
}

BOOL CGXGridCutPasteImp::CanPasteFromClipboard(CGXGridCore*)
{
    UINT nStyles = GXGetAppData()->m_uiStylesClipboardFormat;
    return ::IsClipboardFormatAvailable(CF_TEXT) || ::IsClipboardFormatAvailable(CF_OEMTEXT) ||
           (nStyles != 0 && ::IsClipboardFormatAvailable(nStyles));
}

BOOL CGXGridCutPasteImp::Paste(CGXGridCore* pGrid)
{
    if (!pGrid->CanPaste())
        return FALSE;
    CGXRangeList list;
    if (!pGrid->CopyRangeList(list, TRUE))
        return FALSE;
    CGXControl* pControl = pGrid->GetCurrentCellControl();
    if (pControl != NULL && pControl->CanPaste() && pControl->Paste())
        return TRUE;
    if (!pGrid->TransferCurrentCell(TRUE, GX_UPDATENOW, TRUE))
        return FALSE;
    if (list.GetCount() > 1)
    {
        AfxMessageBox(GX_IDS_NOPASTEMULTISEL, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    ExpandRanges(pGrid, list);
    CGXCellRange range = *list.GetHead();
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam->m_CopiedRanges.GetCount() > 0 && pParam->m_bDirectCut && pParam->m_bCutPending)
        return pGrid->PasteDirect(range);
    if (pParam->m_CopiedRanges.GetCount() > 0 && pParam->m_bDirectCopy && !pParam->m_bCutPending &&
        IsOwnDirectCopy(pGrid))
        return pGrid->PasteDirect(range);
    if (!::OpenClipboard(GridHwnd(pGrid)))
        return FALSE;
    BOOL bOk = pGrid->PasteFromClipboardAt(range);
    ::CloseClipboard();
    return bOk;
}

BOOL CGXGridCutPasteImp::PasteFromClipboardAt(CGXGridCore* pGrid, const CGXCellRange& range)
{
    DWORD dwFlags = pGrid->m_nClipboardFlags;
    CGXCellRange target = range;
    if (!(dwFlags & optHeaderRows))
        target.top = std::max(target.top, pGrid->GetHeaderRows() + 1);
    if (!(dwFlags & optHeaderCols))
        target.left = std::max(target.left, pGrid->GetHeaderCols() + 1);
    target.bottom = std::max(target.bottom, target.top);
    target.right = std::max(target.right, target.left);

    UINT nStyles = GXGetAppData()->m_uiStylesClipboardFormat;
    HANDLE hStyles = (dwFlags & optStyles) && nStyles != 0 ? ::GetClipboardData(nStyles) : NULL;
    if (hStyles != NULL)
    {
        // The block stays the clipboard's: it is only read here.
        CSharedFile file(GMEM_MOVEABLE | GMEM_DDESHARE, 4096);
        file.SetHandle((HGLOBAL)hStyles, FALSE);
        BOOL bOk = FALSE;
        try
        {
            CArchive ar(&file, CArchive::load, 4096);
            bOk = pGrid->PasteCellsFromArchive(ar, target, !(dwFlags & optAskSize));
            ar.Close();
        }
        catch (CException* e)
        {
            e->Delete();
            bOk = FALSE;
        }
        file.Detach();
        return bOk;
    }
    if (!(dwFlags & optText))
        return FALSE;
    HANDLE hText = ::GetClipboardData(CF_TEXT);
    if (hText == NULL)
        hText = ::GetClipboardData(CF_OEMTEXT);
    if (hText == NULL)
        return FALSE;
    LPCSTR p = (LPCSTR)::GlobalLock(hText);
    if (p == NULL)
        return FALSE;
    BOOL bOk = pGrid->PasteTextFromBuffer(p, (DWORD)::GlobalSize(hText), target);
    ::GlobalUnlock(hText);
    return bOk;
}

BOOL CGXGridCutPasteImp::PasteDirect(CGXGridCore* pGrid, const CGXCellRange& range)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (!DirectPasteWanted(pParam))
        return TRUE;
    BOOL bMove = pParam->m_bDirectCut && pParam->m_bCutPending;
    CDWordArray awRowFirst, awRowLast, awColFirst, awColLast;
    pParam->m_CopiedRanges.GetRowArray(pGrid->GetRowCount(), awRowFirst, awRowLast, FALSE);
    pParam->m_CopiedRanges.GetColArray(pGrid->GetColCount(), awColFirst, awColLast, FALSE);
    BOOL bOldLock = pParam->m_bRedrawLocked;
    CString strText;
    strText.LoadString(bMove ? GX_IDS_MOVE : GX_IDS_COPY);
    CGXLongOperation op;
    op.SetStatusText(strText);
    if (bMove)
        pParam->m_bRedrawLocked = TRUE;
    BOOL bTrans = pParam->m_CopiedRanges.GetCount() > 1;
    if (bTrans)
        pGrid->BeginTrans(strText);
    BOOL bOk = TRUE, bCurrentInTarget = FALSE;
    ROWCOL nCurRow = 0, nCurCol = 0;
    BOOL bCurrent = pGrid->GetCurrentCell(nCurRow, nCurCol);
    ROWCOL nToRow = range.top;
    for (INT_PTR ri = 0; ri < awRowFirst.GetSize() && bOk; ri++)
    {
        ROWCOL nToCol = range.left;
        for (INT_PTR ci = 0; ci < awColFirst.GetSize() && bOk; ci++)
        {
            CGXCellRange block(awRowFirst[ri], awColFirst[ci], awRowLast[ri], awColLast[ci]);
            bOk = bMove ? pGrid->MoveCells(block, nToRow, nToCol, NULL, GX_UPDATENOW)
                        : pGrid->CopyCells(block, nToRow, nToCol, GX_UPDATENOW);
            CGXCellRange target(nToRow, nToCol, nToRow + block.bottom - block.top,
                                nToCol + block.right - block.left);
            bCurrentInTarget |= bCurrent && target.ContainsCell(nCurRow, nCurCol);
            nToCol += block.right - block.left + 1;
        }
        nToRow += awRowLast[ri] - awRowFirst[ri] + 1;
    }
    if (bTrans)
    {
        if (bOk)
            pGrid->CommitTrans();
        else
            pGrid->Rollback();
    }
    if (bMove)
    {
        pParam->m_bCutPending = FALSE;
        pParam->m_CopiedRanges.DeleteAll();
        pParam->m_bRedrawLocked = bOldLock;
        pGrid->RedrawAll(GX_INVALIDATE, FALSE);
    }
    if (bCurrentInTarget)
        pGrid->ChangeCurrentCell(nCurRow, nCurCol, 0x0A);
    return bOk;
}

BOOL CGXGridCutPasteImp::ConfirmPasteSize(CGXGridCore*)
{
    return AfxMessageBox(GX_IDS_PASTESIZEDIFFERS, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}
