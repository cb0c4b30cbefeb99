// Moving data when sorting.
#include "grid/features/GridSortMoveDataImp.h"
#include "grid/core/AppData.h"
#include "grid/core/Data.h"
#include <vector>

void AFXAPI GXInstallSortMoveDataImp()
{
    CGXAppData* pAppData = GXGetAppData();
    if (pAppData->m_pSortMoveDataImp != NULL)
        return;
    pAppData->m_pSortMoveDataImp = new CGXGridSortMoveDataImp;
    pAppData->AddComponent(pAppData->m_pSortMoveDataImp);
}

void CGXGridSortMoveDataImp::Permute(CPtrArray& array, const CDWordArray& awOrder, ROWCOL nFirst)
{
    INT_PTR n = awOrder.GetSize();
    if ((INT_PTR)nFirst >= array.GetSize() || n == 0)
        return; // nothing stored in the block
    if (array.GetSize() < (INT_PTR)nFirst + n)
        array.SetSize((INT_PTR)nFirst + n);
    std::vector<void*> old((size_t)n);
    for (INT_PTR i = 0; i < n; i++)
        old[(size_t)i] = array.GetAt((INT_PTR)nFirst + i);
    for (INT_PTR i = 0; i < n; i++)
        array.SetAt((INT_PTR)nFirst + i, old[awOrder.GetAt(i)]);
}

BOOL CGXGridSortMoveDataImp::MoveDataRows(CGXData& data, const CDWordArray& awOrder, ROWCOL nFirst)
{
    Permute(data.m_apaRowStyles, awOrder, nFirst);
    Permute(data.m_apapCellStyle, awOrder, nFirst);
    return TRUE;
}

BOOL CGXGridSortMoveDataImp::MoveDataCols(CGXData& data, const CDWordArray& awOrder, ROWCOL nFirst)
{
    Permute(data.m_apaColStyles, awOrder, nFirst);
    for (INT_PTR i = 0; i < data.m_apapCellStyle.GetSize(); i++)
        if (CGXStylePtrArray* pRow = data.m_apapCellStyle.GetRow(i))
            Permute(*pRow, awOrder, nFirst);
    return TRUE;
}
