// The never-shown money field a currency cell formats its values with: the money field under
// another class name, with no behaviour of its own.
#pragma once
#include "CurrencyEditWnd.h"

class CGXCaptiveCurEdit : public CGXBCurrencyEdit
{
  public:
    CGXCaptiveCurEdit() = default;
    ~CGXCaptiveCurEdit() override = default;
};
