// The date-time edit window with an empty layout and no change notice, used off-screen for
// measuring, drawing and searching cells.
#pragma once
#include "DateTimeCtrl.h"

class CGXCaptiveDateTimeCtrl : public CGXBDateTimeCtrl
{
  public:
    void LayoutGadgets() override
    {
    }
    void OnChanged() override
    {
    }
};
