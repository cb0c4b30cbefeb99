// Undo information of a formula sheet.
#include "grid/formula/UndoEngineCellsInfo.h"
#include "grid/formula/RangeNames.h"

IMPLEMENT_DYNAMIC(CGXUndoEngineCellsInfo, CObject)

CGXUndoEngineCellsInfo::CGXUndoEngineCellsInfo()
{
    m_range = GXBoxRef(1, 0, 1, 0);
}

CGXUndoEngineCellsInfo::~CGXUndoEngineCellsInfo()
{
    FreeList(m_pUndoCells);
    FreeList(m_pRedoCells);
    GXFreeRangeName(m_pName);
}

void CGXUndoEngineCellsInfo::Prepend(GX_SAVED_CELL*& pList, GX_SAVED_CELL* pRecords)
{
    if (pRecords == NULL)
        return;
    GX_SAVED_CELL* pLast = pRecords;
    while (pLast->pNext)
        pLast = pLast->pNext;
    pLast->pNext = pList;
    pList = pRecords;
}

void CGXUndoEngineCellsInfo::FreeList(GX_SAVED_CELL*& pList)
{
    while (GX_SAVED_CELL* p = pList)
    {
        pList = p->pNext;
        GXFreeDetachedCell(p->pCell);
        delete p;
    }
}
