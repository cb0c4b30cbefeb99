// CGXExMapHolder: a base of the application object that owns the two record-type maps of
// workbook reading and writing, the handler map and the table map. The application fills them.
#pragma once
#include "ExcelHandler.h"
#include "ExcelTable.h"
#include "ExcelMapImpl.h"

typedef CGXExcelMapImpl<CGXExcelHandler> CGXExcelHandlerMap;
typedef CGXExcelMapImpl<CGXExcelTable> CGXExcelTableMap;

class CGXExMapHolder
{
  public:
    // Construction: both maps exist, empty.
    CGXExMapHolder();
    virtual ~CGXExMapHolder();
    CGXExMapHolder(const CGXExMapHolder&) = delete;
    CGXExMapHolder& operator=(const CGXExMapHolder&) = delete;

    // Attributes: the holder owns the maps it is given and deletes the ones they replace.
    CGXExcelHandlerMap* GetHandlerMap() const
    {
        return m_pHandlerMap;
    }
    void SetHandlerMap(CGXExcelHandlerMap* pMap);
    CGXExcelTableMap* GetTableMap() const
    {
        return m_pTableMap;
    }
    void SetTableMap(CGXExcelTableMap* pMap);

  private:
    CGXExcelHandlerMap* m_pHandlerMap = NULL;
    CGXExcelTableMap* m_pTableMap = NULL;
};

// The maps of the running application; NULL when the application object is no map holder.
CGXExcelHandlerMap* GXExGetHandlerMap();
CGXExcelTableMap* GXExGetTableMap();
// The table of a record type in the application's table map, or NULL.
CGXExcelTable* GXExFindTable(WORD nType);
