// The Excel-capable grid view: a grid view laid out as an empty sheet of Excel's size over the
// parameter object its document keeps, with the "BIFF8" clipboard first.
#pragma once
#include "grid/excel/ExcelGrid.h"
#include "grid/core/GridView.h"

class CGXExcelDocAdapter;

class CGXExcelReadView : public CGXGridView, public CGXExcelGrid
{
    DECLARE_DYNCREATE(CGXExcelReadView)

  public:
    // Overridables
    void OnInitialUpdate() override;
    // What the document supplies: the parameter object it keeps and its embedded adapter
    // (none by default; a document that has them is reached through a derived view).
    virtual CGXGridParam* GetDocParam();
    virtual CGXExcelDocAdapter* GetDocAdapter();
    // The sheet set-up in three steps (size, defaults, options).
    virtual void InitSheetParam();
    virtual void InitSheetDefaults();
    virtual void InitSheetOptions();

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
    void ShowGridScrollBar(int nBar, BOOL bShow) override;

  protected:
    afx_msg LRESULT OnInitSheet(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
