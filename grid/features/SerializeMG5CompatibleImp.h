// Reads the user attributes of styles stored in the older format: a DWORD-to-text map, turned
// into text user attributes with the same ids.
#pragma once
#include "grid/core/GridComponents.h"

class CGXSerializeMG5CompatibleImp : public CGXAbstractSerializeMG5CompatibleImp
{
  public:
    void ReadOldUserAttributes(CGXStyle& style, CArchive& ar) override;
};

void AFXAPI GXInstallSerializeMG5CompatibleImp();
