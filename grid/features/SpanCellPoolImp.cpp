// The span-cell pool component.
#include "grid/features/SpanCellPoolImp.h"
#include "grid/core/AppData.h"
#include "grid/features/SpanCellPool.h"

void AFXAPI GXInstallSpanCellPoolImp()
{
    CGXAppData* pAppData = GXGetAppData();
    if (pAppData->m_pSpanCellPoolImp != NULL)
        return;
    pAppData->m_pSpanCellPoolImp = new CGXSpanCellPoolImp;
    pAppData->AddComponent(pAppData->m_pSpanCellPoolImp);
}

namespace
{
CGXSpanCellPool* Pool(CObject* p)
{
    return static_cast<CGXSpanCellPool*>(p);
}
} // namespace

CObject* CGXSpanCellPoolImp::CreateCopy(const CObject* pSrc)
{
    CGXSpanCellPool* p = new CGXSpanCellPool;
    if (pSrc != NULL)
        p->CopyFrom(*static_cast<const CGXSpanCellPool*>(pSrc));
    return p;
}

CObject* CGXSpanCellPoolImp::CreatePool()
{
    return new CGXSpanCellPool;
}

void CGXSpanCellPoolImp::CopyPool(CObject* pDest, const CObject* pSrc)
{
    if (pDest != NULL && pSrc != NULL)
        Pool(pDest)->CopyFrom(*static_cast<const CGXSpanCellPool*>(pSrc));
}

void CGXSpanCellPoolImp::InsertRows(CObject* p, ROWCOL nRow, ROWCOL nCount)
{
    if (p != NULL)
        Pool(p)->InsertRows(nRow, nCount);
}

void CGXSpanCellPoolImp::RemoveRows(CObject* p, ROWCOL nFirst, ROWCOL nLast)
{
    if (p != NULL)
        Pool(p)->RemoveRows(nFirst, nLast);
}

void CGXSpanCellPoolImp::MoveRows(CObject* p, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest)
{
    if (p != NULL)
        Pool(p)->MoveRows(nFirst, nLast, nDest);
}

void CGXSpanCellPoolImp::InsertCols(CObject* p, ROWCOL nCol, ROWCOL nCount)
{
    if (p != NULL)
        Pool(p)->InsertCols(nCol, nCount);
}

void CGXSpanCellPoolImp::RemoveCols(CObject* p, ROWCOL nFirst, ROWCOL nLast)
{
    if (p != NULL)
        Pool(p)->RemoveCols(nFirst, nLast);
}

void CGXSpanCellPoolImp::MoveCols(CObject* p, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest)
{
    if (p != NULL)
        Pool(p)->MoveCols(nFirst, nLast, nDest);
}
