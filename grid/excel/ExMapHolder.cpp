#include "ExMapHolder.h"
#include "mfc/WinApp.h"

CGXExMapHolder::CGXExMapHolder() : m_pHandlerMap(new CGXExcelHandlerMap), m_pTableMap(new CGXExcelTableMap)
{
}

CGXExMapHolder::~CGXExMapHolder()
{
    delete m_pHandlerMap;
    delete m_pTableMap;
}

void CGXExMapHolder::SetHandlerMap(CGXExcelHandlerMap* pMap)
{
    if (pMap != m_pHandlerMap)
        delete m_pHandlerMap;
    m_pHandlerMap = pMap;
}

void CGXExMapHolder::SetTableMap(CGXExcelTableMap* pMap)
{
    if (pMap != m_pTableMap)
        delete m_pTableMap;
    m_pTableMap = pMap;
}

namespace
{
CGXExMapHolder* Holder()
{
    return dynamic_cast<CGXExMapHolder*>(AfxGetApp());
}
} // namespace

CGXExcelHandlerMap* GXExGetHandlerMap()
{
    CGXExMapHolder* pHolder = Holder();
    return pHolder == NULL ? NULL : pHolder->GetHandlerMap();
}

CGXExcelTableMap* GXExGetTableMap()
{
    CGXExMapHolder* pHolder = Holder();
    return pHolder == NULL ? NULL : pHolder->GetTableMap();
}

CGXExcelTable* GXExFindTable(WORD nType)
{
    CGXExcelTableMap* pMap = GXExGetTableMap();
    return pMap == NULL ? NULL : pMap->Lookup(nType);
}
