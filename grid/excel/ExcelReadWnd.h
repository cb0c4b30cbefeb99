// The Excel-capable grid window: a grid window laid out as an empty sheet of Excel's size,
// with floating cells, no word wrap in "Standard" and the "BIFF8" clipboard first. Windows
// registered as self-deleting are deleted with their window.
#pragma once
#include "grid/excel/ExcelGrid.h"
#include "grid/core/GridWnd.h"

class CGXExcelReadWnd : public CGXGridWnd, public CGXExcelGrid
{
    DECLARE_DYNCREATE(CGXExcelReadWnd)

  public:
    enum : ROWCOL
    {
        sheetRows = 65535,
        sheetCols = 257
    };

    // Overridables
    virtual void InitSheetSize();
    virtual void InitSheetDefaults();
    // Writes the grid as a workbook; FALSE when the file was not written (the error was shown).
    virtual BOOL SaveExcelFile(LPCTSTR pszPath);

    // The clipboard goes through the mix-in.
    BOOL CopyRangesToClipboard(const CGXRangeList& ranges) override
    {
        return CGXExcelGrid::CopyRangesToClipboard(ranges);
    }
    BOOL PasteFromClipboardAt(const CGXCellRange& range) override
    {
        return CGXExcelGrid::PasteFromClipboardAt(range);
    }
    BOOL CanPasteFromClipboard() override
    {
        return CGXExcelGrid::CanPasteFromClipboard();
    }

    // Marks a window made with new as deleted with its window.
    static void RegisterSelfDeleting(CGXExcelReadWnd* pWnd);

  protected:
    void PostNcDestroy() override;
};

// Sets up a grid as an empty sheet: the size, then the defaults (shared by both forms).
void AFXAPI GXInitExcelSheetSize(CGXGridCore* pGrid);
void AFXAPI GXInitExcelSheetDefaults(CGXGridCore* pGrid);
