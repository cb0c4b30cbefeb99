// CMeasureGrid: the grid window of the measured-value table. The function keys of the recording
// commands reach the main frame from inside the grid; a right click beside the cells does
// nothing. Owned by its CMeasureValueDlg.
#pragma once
#include "grid/excel/ExcelReadWnd.h"

class CMeasureGrid : public CGXExcelReadWnd
{
    DECLARE_DYNAMIC(CMeasureGrid)

  public:
    // Construction
    CMeasureGrid();
    ~CMeasureGrid() override;

    // Overrides
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Implementation
    // TRUE while one of the keys of the frame's recording commands is down (F4 is not one).
    static BOOL IsFrameKeyDown();
    // Offers such a key to pWnd's top-level frame first; TRUE when the frame used it.
    static BOOL OfferFrameKey(CWnd* pWnd, MSG* pMsg);
};
