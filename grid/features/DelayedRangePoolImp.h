// Makes and copies the delayed-range pools of floated and merged cells.
#pragma once
#include "grid/core/GridComponents.h"

class CGXDelayedRangePoolImp : public CGXAbstractDelayedRangePoolImp
{
  public:
    CObject* CreateCopy(const CObject* pSrc) override;
    CObject* CreatePool() override;
    void CopyPool(CObject* pDest, const CObject* pSrc) override;
};

void AFXAPI GXInstallDelayedRangePoolImp();
