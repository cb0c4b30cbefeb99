// Excel's "BIFF8" clipboard data for a grid, and the adapters that write workbooks. What is
// built so far registers the format and answers honestly that it cannot write or read
// workbooks yet: copy and paste decline, saving a workbook answers FALSE.
#pragma once
#include "grid/core/GridTypes.h"
#include "afx.h"

// The registered name of Excel's clipboard format.
#define GX_EXCEL_CLIPFORMAT "BIFF8"

class CGXGridCore;
class CGXRangeList;
class CGXCellRange;

class CGXExcelClipHandler
{
  public:
    explicit CGXExcelClipHandler(BOOL bFormulaSheet);
    virtual ~CGXExcelClipHandler() = default;
    CGXExcelClipHandler(const CGXExcelClipHandler&) = delete;
    CGXExcelClipHandler& operator=(const CGXExcelClipHandler&) = delete;

    virtual BOOL CopyToClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges);
    virtual BOOL PasteFromClipboard(CGXGridCore* pGrid, const CGXCellRange& range);
    virtual BOOL CanPaste();

    UINT GetFormat() const
    {
        return m_nFormat;
    }
    BOOL m_bFormulaSheet;

  private:
    UINT m_nFormat;
};

// Writes a window's grid as a workbook (not possible yet: Save answers FALSE).
class CGXExcelWndDocAdapter
{
  public:
    CGXGridCore* m_pGrid = NULL;
    virtual ~CGXExcelWndDocAdapter() = default;
    virtual BOOL SaveDocument(LPCTSTR pszPath);
};

// The adapter a document embeds; while its state flag is set it drives the view's set-up.
class CGXExcelDocAdapter
{
  public:
    virtual ~CGXExcelDocAdapter() = default;
    BOOL m_bState = FALSE;
};
