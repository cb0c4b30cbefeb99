// Radio buttons laid out one under the other or side by side, the caption on either side of
// the button; the selection is held while the cell is current and written when it is stored.
#pragma once
#include "grid/controls/RadioButton.h"

class CGXStylesMap;

class CGXRadioButtonEx : public CGXRadioButton
{
    GX_DECLARE_CONTROL(CGXRadioButtonEx)

  public:
    explicit CGXRadioButtonEx(CGXGridCore* pGrid, BOOL bDraw3d = FALSE);

    void SetActive(BOOL bActive) override;
    BOOL IsActive() override;
    void SetModify(BOOL bModified) override;
    BOOL GetModify() override;
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    BOOL Store() override;
    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandard,
                   BOOL bVert) override;
    BOOL DispatchKeyMessage(UINT message, WPARAM wParam, LPARAM lParam, UINT flags) override;
    // "1" in the orientation attribute: side by side; anything but "1" in the caption
    // attribute: caption left of the button.
    void GetLayout(const CGXStyle& style, BOOL& bHorizontal, BOOL& bCaptionLeft) override;

    static void RegisterUserAttributes(CGXStylesMap* pStylesMap);

    BOOL m_bActive = FALSE;
    BOOL m_bModified = FALSE;

  protected:
    const CGXStyle& GetDrawStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;
    BOOL SelectItem(int nIndex, BOOL bClick) override;
};
