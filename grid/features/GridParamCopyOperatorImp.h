// Deep copies of a grid's parameter object, styles map and properties: every object, style and
// list entry of the source is duplicated, never shared. The destination owns every object the
// copy made for it.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridParamCopyOperatorImp : public CGXAbstractGridParamCopyOperatorImp
{
  public:
    void CopyParam(CGXGridParam& dest, const CGXGridParam& src) override;
    void CopyStylesMap(CGXStylesMap& dest, const CGXStylesMap& src) override;
    void CopyProperties(CGXProperties& dest, const CGXProperties& src) override;
};

void AFXAPI GXInstallParamCopyOperatorImp();
