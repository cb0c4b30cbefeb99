// The drop button of a combo cell: a raised button showing the drop-down arrow bitmap. Outside
// the current cell it is drawn only when its combo shows buttons in every cell.
#pragma once
#include "grid/controls/Button.h"

class CGXComboBoxButton : public CGXButton
{
  public:
    explicit CGXComboBoxButton(CGXControl* pOwner);

    void DrawContent(CDC* pDC, BOOL bActive) override;

  protected:
    // The frame and the arrow bitmap centred in the button, moved by a pixel when pushed.
    void DrawArrow(CDC* pDC, BOOL bPushed, CBitmap& bitmap);
};
