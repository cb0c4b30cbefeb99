// The date-time edit window with an empty layout, used off-screen for measuring and drawing
// cells.
#pragma once
#include "DateTimeCtrl.h"

class CGXCaptiveDateTimeCtrl : public CGXBDateTimeCtrl
{
  public:
    void LayoutGadgets() override
    {
    }
};
