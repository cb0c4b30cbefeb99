// Excel's "BIFF8" clipboard data for a grid. What is built so far registers the format and
// answers honestly that it cannot exchange workbook data yet: copy and paste decline.
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
