#include "ExcelReaderMaker.h"
#include "ExcelReaderImpl.h"
#include "grid/core/AppData.h"

CGXExcelReader* CGXExcelReaderMaker::CreateReader()
{
    return new CGXExcelReaderImpl;
}

void AFXAPI GXInstallExcelReaderMaker()
{
    CGXAppData* pAppData = GXGetAppData();
    if (pAppData->m_pExcelReaderMaker != NULL)
        return;
    pAppData->m_pExcelReaderMaker = new CGXExcelReaderMaker;
    pAppData->AddComponent(pAppData->m_pExcelReaderMaker);
}
