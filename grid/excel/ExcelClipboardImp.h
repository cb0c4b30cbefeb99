// CGXExcelClipboardImp: the workbook side of the "BIFF8" clipboard. A copy moves the cells to
// the handler's scratch grid with the grid's own clipboard, writes them as a one-sheet workbook
// into a storage in memory and puts it on the clipboard with the cells as text; a paste reads
// the clipboard's workbook into the scratch grid and moves the used range on to the grid.
// Installed once in the grid library's data by the default control factory.
#pragma once
#include "grid/core/GridComponents.h"

class CGXExcelClipboardImp : public CGXAbstractExcelClipboardImp
{
  public:
    // Raises the writer's error codes (5 and 19 among them); the caller reports them.
    BOOL CopyToClipboard(CGXExcelClipHandler* pHandler, CGXGridCore* pGrid,
                         const CGXCellRange& range) override;
    // Reports what the reader raises and answers FALSE, the clipboard open again for the grid's
    // own paste.
    BOOL PasteFromClipboard(CGXExcelClipHandler* pHandler, CGXGridCore* pGrid,
                            const CGXCellRange& range) override;
    void EnableFormulas(CGXGridCore* pGrid) override;
};

void AFXAPI GXInstallExcelClipboardImp();
