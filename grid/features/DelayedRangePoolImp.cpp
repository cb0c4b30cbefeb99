// The delayed-range pool component.
#include "grid/features/DelayedRangePoolImp.h"
#include "grid/core/AppData.h"
#include "grid/features/DelayedRangePool.h"

void AFXAPI GXInstallDelayedRangePoolImp()
{
    CGXAppData* pAppData = GXGetAppData();
    if (pAppData->m_pDelayedRangePoolImp != NULL)
        return;
    pAppData->m_pDelayedRangePoolImp = new CGXDelayedRangePoolImp;
    pAppData->AddComponent(pAppData->m_pDelayedRangePoolImp);
}

CObject* CGXDelayedRangePoolImp::CreateCopy(const CObject* pSrc)
{
    CGXDelayedRangePool* p = new CGXDelayedRangePool;
    if (pSrc != NULL)
        p->CopyFrom(*static_cast<const CGXDelayedRangePool*>(pSrc));
    return p;
}

CObject* CGXDelayedRangePoolImp::CreatePool()
{
    return new CGXDelayedRangePool;
}

void CGXDelayedRangePoolImp::CopyPool(CObject* pDest, const CObject* pSrc)
{
    if (pDest != NULL && pSrc != NULL)
        static_cast<CGXDelayedRangePool*>(pDest)->CopyFrom(*static_cast<const CGXDelayedRangePool*>(pSrc));
}
