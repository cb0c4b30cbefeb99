// CGXGridCore: clipboard and clearing operations. The engine only forwards them to the
// cut-and-paste and clear-cells components; without one they answer FALSE.
#include "grid/core/GridCore.h"
#include "grid/core/GridComponents.h"

BOOL CGXGridCore::OnClearCellText(ROWCOL, ROWCOL)
{
    return TRUE;
}

BOOL CGXGridCore::OnCellEditHook(ROWCOL, ROWCOL, int, int)
{
    return TRUE;
}

#define GX_FORWARD_CUTPASTE(call) return m_pCutPasteImp != NULL ? m_pCutPasteImp->call : FALSE

BOOL CGXGridCore::CanCopy()
{
    GX_FORWARD_CUTPASTE(CanCopy(this));
}

BOOL CGXGridCore::Copy()
{
    GX_FORWARD_CUTPASTE(Copy(this));
}

BOOL CGXGridCore::CopyRangesToClipboard(const CGXRangeList& ranges)
{
    GX_FORWARD_CUTPASTE(CopyRangesToClipboard(this, ranges));
}

BOOL CGXGridCore::CanCut()
{
    GX_FORWARD_CUTPASTE(CanCut(this));
}

BOOL CGXGridCore::Cut()
{
    GX_FORWARD_CUTPASTE(Cut(this));
}

BOOL CGXGridCore::CutRangesToClipboard(const CGXRangeList& ranges, BOOL bStyles)
{
    GX_FORWARD_CUTPASTE(CutRangesToClipboard(this, ranges, bStyles));
}

BOOL CGXGridCore::CanPaste()
{
    GX_FORWARD_CUTPASTE(CanPaste(this));
}

BOOL CGXGridCore::CanPasteFromClipboard()
{
    GX_FORWARD_CUTPASTE(CanPasteFromClipboard(this));
}

BOOL CGXGridCore::Paste()
{
    GX_FORWARD_CUTPASTE(Paste(this));
}

BOOL CGXGridCore::PasteDirect(const CGXCellRange& range)
{
    GX_FORWARD_CUTPASTE(PasteDirect(this, range));
}

BOOL CGXGridCore::PasteFromClipboardAt(const CGXCellRange& range)
{
    GX_FORWARD_CUTPASTE(PasteFromClipboardAt(this, range));
}

BOOL CGXGridCore::ConfirmPasteSize()
{
    GX_FORWARD_CUTPASTE(ConfirmPasteSize(this));
}

#undef GX_FORWARD_CUTPASTE

BOOL CGXGridCore::CanClear()
{
    return m_pClearCellsImp != NULL ? m_pClearCellsImp->CanClear(this) : FALSE;
}

BOOL CGXGridCore::Clear(BOOL bStyles)
{
    return m_pClearCellsImp != NULL ? m_pClearCellsImp->Clear(this, bStyles) : FALSE;
}

BOOL CGXGridCore::ClearCells(const CGXRangeList& ranges, BOOL bStyles)
{
    return m_pClearCellsImp != NULL ? m_pClearCellsImp->ClearCells(this, ranges, bStyles) : FALSE;
}

BOOL CGXGridCore::CopyTextToFile(CFile& file, const CGXRangeList& ranges)
{
    return m_pTextDataExchangeImp != NULL ? m_pTextDataExchangeImp->CopyTextToFile(this, file, ranges)
                                          : FALSE;
}

CString CGXGridCore::GetCopyTextRowCol(ROWCOL nRow, ROWCOL nCol)
{
    return m_pTextDataExchangeImp != NULL ? m_pTextDataExchangeImp->GetCopyTextRowCol(this, nRow, nCol)
                                          : CString();
}

BOOL CGXGridCore::PasteTextFromBuffer(LPCSTR pszText, DWORD dwSize, const CGXCellRange& range)
{
    return m_pTextDataExchangeImp != NULL
               ? m_pTextDataExchangeImp->PasteTextFromBuffer(this, pszText, dwSize, range)
               : FALSE;
}

BOOL CGXGridCore::PasteTextRowCol(ROWCOL nRow, ROWCOL nCol, const CString& strText, UINT flags,
                                  const CGXStyle* pStyle)
{
    return m_pTextDataExchangeImp != NULL
               ? m_pTextDataExchangeImp->PasteTextRowCol(this, nRow, nCol, strText, flags, pStyle)
               : FALSE;
}

BOOL CGXGridCore::CalcBufferDimension(LPCSTR pszText, DWORD dwSize, ROWCOL& nRows, ROWCOL& nCols)
{
    return m_pTextDataExchangeImp != NULL
               ? m_pTextDataExchangeImp->CalcBufferDimension(this, pszText, dwSize, nRows, nCols)
               : FALSE;
}

BOOL CGXGridCore::CopyCellsToArchive(CArchive& ar, const CGXRangeList& ranges, BOOL bComposed)
{
    return m_pStyleDataExchangeImp != NULL
               ? m_pStyleDataExchangeImp->CopyCellsToArchive(this, ar, ranges, bComposed)
               : FALSE;
}

BOOL CGXGridCore::GetCopyStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, BOOL bComposed)
{
    return m_pStyleDataExchangeImp != NULL
               ? m_pStyleDataExchangeImp->GetCopyStyleRowCol(this, nRow, nCol, style, bComposed)
               : FALSE;
}

BOOL CGXGridCore::PasteCellsFromArchive(CArchive& ar, const CGXCellRange& range, BOOL bNoSizeCheck)
{
    return m_pStyleDataExchangeImp != NULL
               ? m_pStyleDataExchangeImp->PasteCellsFromArchive(this, ar, range, bNoSizeCheck)
               : FALSE;
}

BOOL CGXGridCore::CopyCells(const CGXCellRange& range, ROWCOL nToRow, ROWCOL nToCol, UINT flags)
{
    return m_pDirectCopyMoveCellsImp != NULL
               ? m_pDirectCopyMoveCellsImp->CopyCells(this, range, nToRow, nToCol, flags)
               : FALSE;
}

BOOL CGXGridCore::StoreCopyCells(const CGXCellRange& range, ROWCOL nToRow, ROWCOL nToCol)
{
    return m_pDirectCopyMoveCellsImp != NULL
               ? m_pDirectCopyMoveCellsImp->StoreCopyCells(this, range, nToRow, nToCol)
               : FALSE;
}

BOOL CGXGridCore::MoveCells(const CGXCellRange& range, ROWCOL nToRow, ROWCOL nToCol, CObject* pUndoInfo,
                            UINT flags, int ctCmd)
{
    if (m_pDirectCopyMoveCellsImp == NULL)
    {
        delete pUndoInfo;
        return FALSE;
    }
    return m_pDirectCopyMoveCellsImp->MoveCells(this, range, nToRow, nToCol, pUndoInfo, flags, ctCmd);
}

BOOL CGXGridCore::StoreMoveCells(const CGXCellRange& range, ROWCOL nToRow, ROWCOL nToCol, CObject* pApplyInfo,
                                 CObject** ppNewInfo)
{
    if (ppNewInfo != NULL)
        *ppNewInfo = NULL;
    if (m_pDirectCopyMoveCellsImp == NULL)
    {
        delete pApplyInfo;
        return FALSE;
    }
    return m_pDirectCopyMoveCellsImp->StoreMoveCells(this, range, nToRow, nToCol, pApplyInfo, ppNewInfo);
}
