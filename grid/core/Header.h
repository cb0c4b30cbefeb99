// The header cell control: static text with a class record of its own, so that header cells
// can be told from plain static cells.
#pragma once
#include "grid/core/Static.h"

class CGXHeader : public CGXStatic
{
    GX_DECLARE_CONTROL(CGXHeader)

  public:
    // Construction
    explicit CGXHeader(CGXGridCore* pGrid);
};
