// Gives every workbook adapter a CGXExcelReaderImpl; installed in the grid library's data by
// the default control factory.
#pragma once
#include "grid/core/GridComponents.h"

class CGXExcelReaderMaker : public CGXAbstractExcelReaderMaker
{
  public:
    CGXExcelReader* CreateReader() override;
};

void AFXAPI GXInstallExcelReaderMaker();
