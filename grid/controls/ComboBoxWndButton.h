// The drop button a window combo cell draws while its combo window is not over the cell.
#pragma once
#include "grid/controls/ComboBoxButton.h"

class CGXComboBoxWndButton : public CGXComboBoxButton
{
  public:
    explicit CGXComboBoxWndButton(CGXControl* pOwner);

    void DrawContent(CDC* pDC, BOOL bActive) override;
    void Draw(CDC* pDC, BOOL bActive, const CGXStyle& style) override;
};
