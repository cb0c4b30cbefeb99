// A check box that edits a held copy of the cell's style while the cell is current and writes
// the value when the grid stores the current cell; Delete empties the value.
#pragma once
#include "grid/controls/CheckBox.h"

class CGXCheckBoxEx : public CGXCheckBox
{
    GX_DECLARE_CONTROL(CGXCheckBoxEx)

  public:
    CGXCheckBoxEx(CGXGridCore* pGrid, BOOL bDraw3d = FALSE, UINT nBitmapId = 0, UINT nPrintBitmapId = 0);

    void SetActive(BOOL bActive) override;
    BOOL IsActive() override;
    void SetModify(BOOL bModified) override;
    BOOL GetModify() override;
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    BOOL Store() override;
    BOOL DispatchKeyMessage(UINT message, WPARAM wParam, LPARAM lParam, UINT flags) override;
    BOOL OnClickedButton(CGXChild* pChild) override;

    BOOL m_bActive = FALSE;
    BOOL m_bModified = FALSE;

  protected:
    const CGXStyle& GetDrawStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;
};
