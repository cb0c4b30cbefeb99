// Cut, copy and paste of a grid's cells: which clipboard formats are written and read, the
// current control's own clipboard first, the copied ranges and the cut that the next paste
// carries out. One per grid, owned by the grid's list of components.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridCutPasteImp : public CGXAbstractGridCutPasteImp
{
  public:
    BOOL CanCopy(CGXGridCore* pGrid) override;
    BOOL Copy(CGXGridCore* pGrid) override;
    BOOL CopyRangesToClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges) override;
    BOOL CanCut(CGXGridCore* pGrid) override;
    BOOL Cut(CGXGridCore* pGrid) override;
    BOOL CutRangesToClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges, BOOL bStyles) override;
    BOOL CanPaste(CGXGridCore* pGrid) override;
    BOOL CanPasteFromClipboard(CGXGridCore* pGrid) override;
    BOOL Paste(CGXGridCore* pGrid) override;
    BOOL PasteDirect(CGXGridCore* pGrid, const CGXCellRange& range) override;
    BOOL PasteFromClipboardAt(CGXGridCore* pGrid, const CGXCellRange& range) override;
    BOOL ConfirmPasteSize(CGXGridCore* pGrid) override;

    // The two formats written by CopyRangesToClipboard.
    virtual BOOL CopyTextToClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges);
    virtual BOOL CopyCellsToClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges, BOOL bComposed);

    // The registered "GX_DIRECTCOPY" format (registered on first use).
    static UINT GetDirectCopyFormat();
    // TRUE when the clipboard's "GX_DIRECTCOPY" block names this grid's parameter object.
    static BOOL IsOwnDirectCopy(CGXGridCore* pGrid);

  private:
    static UINT s_nDirectCopyFormat;
};
