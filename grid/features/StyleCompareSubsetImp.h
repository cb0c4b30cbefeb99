// Tells whether a style holds every attribute of another one with equal values (merged cells
// merge neighbours whose styles agree).
#pragma once
#include "grid/core/GridComponents.h"

class CGXStyleCompareSubsetImp : public CGXAbstractStyleCompareSubsetImp
{
  public:
    BOOL CompareSubset(const CGXStyle& style, const CGXStyle& subset) override;
};

void AFXAPI GXInstallStyleCompareSubsetImp();
