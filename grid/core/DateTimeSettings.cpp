// Forwarders to the library-wide date/time component.
#include "grid/core/DateTimeSettings.h"
#include "grid/core/AppData.h"
#include "grid/core/GridComponents.h"

void AFXAPI GXRefreshDateTimeSettings()
{
    CGXAbstractDateTimeImp* pImp = GXGetAppData()->m_pDateTimeImp;
    if (pImp != NULL)
        pImp->RefreshSettings();
}

int AFXAPI GXGetDateOrder(BOOL bForce, BOOL& bFourDigitYear, TCHAR& cDateSeparator)
{
    CGXAbstractDateTimeImp* pImp = GXGetAppData()->m_pDateTimeImp;
    return pImp != NULL ? pImp->GetDateOrder(bForce, bFourDigitYear, cDateSeparator) : gxUndeterminedOrder;
}

TCHAR AFXAPI GXGetTimeSeparator(BOOL bForce)
{
    CGXAbstractDateTimeImp* pImp = GXGetAppData()->m_pDateTimeImp;
    return pImp != NULL ? pImp->GetTimeSeparator(bForce) : ':';
}
