// CGXExcelClipHandler: Excel's "BIFF8" clipboard data for a grid. Made on the stack for one
// copy, paste or test; owns a hidden scratch grid through which cells travel between the grid's
// own clipboard and the workbook. The workbook side is the component that the workbook library
// installs; without it copy and paste decline.
#pragma once
#include "grid/core/GridWnd.h"

// The registered name of Excel's clipboard format.
#define GX_EXCEL_CLIPFORMAT "BIFF8"

class CGXRangeList;
class CGXCellRange;

class CGXExcelClipHandler
{
  public:
    // Construction
    explicit CGXExcelClipHandler(BOOL bFormulaSheet);
    virtual ~CGXExcelClipHandler();
    CGXExcelClipHandler(const CGXExcelClipHandler&) = delete;
    CGXExcelClipHandler& operator=(const CGXExcelClipHandler&) = delete;

    // Overridables
    // One range only: several are the grid's own copy's to carry.
    virtual BOOL CopyToClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges);
    virtual BOOL PasteFromClipboard(CGXGridCore* pGrid, const CGXCellRange& range);
    virtual BOOL HasFormat();
    virtual BOOL CanPaste();
    // The scratch grid, its window made on first use (null when it cannot be made).
    virtual CGXGridWnd* GetScratchGrid();

    // Operations
    // Empties the scratch grid when its window exists.
    void ResetScratchGrid();
    UINT GetFormat() const
    {
        return m_nFormat;
    }

    // Bits of the grid's clipboard flags word that the exchange reads and sets.
    enum : DWORD
    {
        clipOwnFormat = 0x0010,
        clipScratchClear = 0x0600, // cleared in the scratch grid before a copy is pasted there
        clipFormulas = 0x0800
    };

  private:
    UINT m_nFormat;
    CGXGridWnd m_wndScratch;

  public:
    BOOL m_bFormulaSheet;
};
