// CGXGridCore: clipboard and clearing operations. The engine only forwards them to the
// cut-and-paste and clear-cells components; without one they answer FALSE.
#include "grid/core/GridCore.h"
#include "grid/core/GridComponents.h"

BOOL CGXGridCore::OnClearCellText(ROWCOL, ROWCOL)
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
