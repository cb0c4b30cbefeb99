// The mix-in that routes a grid's clipboard operations through Excel's "BIFF8" data first and
// the grid's own formats after. Its forms are CGXExcelReadWnd and CGXExcelReadView.
#pragma once
#include "grid/core/GridCore.h"

class CGXExcelGrid
{
  public:
    virtual ~CGXExcelGrid() = default;
    virtual BOOL PasteFromClipboardAt(const CGXCellRange& range);
    virtual BOOL CanPasteFromClipboard();
    virtual BOOL CopyRangesToClipboard(const CGXRangeList& ranges);
    virtual BOOL UsesFormulaSheet();
    virtual CGXGridCore* GetGridCore();
};
