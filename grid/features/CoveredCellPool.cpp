// The cells of covered ranges.
#include "grid/features/CoveredCellPool.h"
#include "grid/core/AppData.h"
#include "grid/core/RangeList.h"

void AFXAPI GXInstallCoveredCellPoolImp()
{
    CGXAppData* pAppData = GXGetAppData();
    if (pAppData->m_pCoveredCellPoolImp != NULL)
        return;
    pAppData->m_pCoveredCellPoolImp = new CGXCoveredCellPoolImp;
    pAppData->AddComponent(pAppData->m_pCoveredCellPoolImp);
}

namespace
{
const ROWCOL limit = 0x80000000;
}

POSITION CGXCoveredCellPool::LookupCell(ROWCOL nRow, ROWCOL nCol) const
{
    if (nRow >= limit || nCol >= limit || (INT_PTR)nRow >= m_rows.GetSize())
        return NULL;
    CPtrArray* pRow = m_rows.GetAt((INT_PTR)nRow);
    return pRow != NULL && (INT_PTR)nCol < pRow->GetSize() ? (POSITION)pRow->GetAt((INT_PTR)nCol) : NULL;
}

BOOL CGXCoveredCellPool::SetCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, POSITION pos)
{
    if (nTop > nBottom || nLeft > nRight || nBottom >= limit || nRight >= limit)
        return FALSE;
    if (pos == NULL)
    {
        for (ROWCOL r = nTop; r <= nBottom; r++)
        {
            POSITION old = LookupCell(r, nLeft);
            for (ROWCOL c = nLeft; old != NULL && LookupCell(r, c) == old; c++)
                m_rows.GetAt((INT_PTR)r)->SetAt((INT_PTR)c, NULL);
        }
        return TRUE;
    }
    if (nTop == nBottom && nLeft == nRight)
        return FALSE;
    for (ROWCOL r = nTop; r <= nBottom; r++)
    {
        POSITION other = LookupCell(r, nLeft);
        if (other != NULL && other != pos)
            return FALSE;
    }
    for (ROWCOL r = nTop; r <= nBottom; r++)
    {
        if ((INT_PTR)r >= m_rows.GetSize() || m_rows.GetAt((INT_PTR)r) == NULL)
            m_rows.SetAtGrow((INT_PTR)r, new CPtrArray);
        CPtrArray* pRow = m_rows.GetAt((INT_PTR)r);
        for (ROWCOL c = nLeft; c <= nRight; c++)
            pRow->SetAtGrow((INT_PTR)c, pos);
        // What is left of this range right of the new bounds (it shrank).
        for (INT_PTR c = (INT_PTR)nRight + 1; c < pRow->GetSize() && pRow->GetAt(c) == pos; c++)
            pRow->SetAt(c, NULL);
    }
    return TRUE;
}

void CGXCoveredCellPool::RemoveAll()
{
    for (INT_PTR i = 0; i < m_rows.GetSize(); i++)
        delete m_rows.GetAt(i);
    m_rows.RemoveAll();
}

CObject* CGXCoveredCellPoolImp::CreatePool()
{
    return new CGXCoveredCellPool;
}

void CGXCoveredCellPoolImp::InitFromRangeList(CObject* pObject, const CGXRangeList& list)
{
    auto* pPool = static_cast<CGXCoveredCellPool*>(pObject);
    pPool->RemoveAll();
    POSITION pos = list.GetHeadPosition();
    while (pos != NULL)
    {
        POSITION posRange = pos;
        const CGXCellRange* pRange = list.GetNext(pos);
        pPool->SetCells(pRange->top, pRange->left, pRange->bottom, pRange->right, posRange);
    }
}
