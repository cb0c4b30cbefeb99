#include "ExcelSheetStyles.h"
#include "grid/core/GridParam.h"
#include "grid/core/StylesMap.h"
#include "grid/formula/FormulaSheet.h"

namespace
{
void WalkStyleArrays(CGXData* pData, const std::function<void(const GXExSheetStyle&)>& visit)
{
    for (INT_PTR i = 0; i < pData->m_apaRowStyles.GetSize(); i++)
        if (const CGXStyle* pStyle = pData->m_apaRowStyles.GetStyle(i))
            visit(GXExSheetStyle{GXExSheetStyle::kindRow, (ROWCOL)i, 0, pStyle, NULL, NULL, FALSE});
    for (INT_PTR i = 0; i < pData->m_apaColStyles.GetSize(); i++)
        if (const CGXStyle* pStyle = pData->m_apaColStyles.GetStyle(i))
            visit(GXExSheetStyle{GXExSheetStyle::kindCol, 0, (ROWCOL)i, pStyle, NULL, NULL, FALSE});
}

void WalkCells(CGXData* pData, const std::function<void(const GXExSheetStyle&)>& visit)
{
    CGXFormulaSheet* pSheet = dynamic_cast<CGXFormulaSheet*>(pData);
    if (pSheet != NULL)
    {
        GX_RANGE extent = {};
        if (!GXGetUsedExtent(pSheet->GetEngineSheet(), &extent))
            return;
        for (DWORD nRow = 1; nRow <= extent.Bottom(); nRow++)
            for (DWORD nCol = 1; nCol <= extent.Right() + 1; nCol++)
            {
                GX_CELL* pCell = GXFindCellRecord(pSheet->GetEngineSheet(), CGXFormulaSheet::EngineRow(nRow),
                                                  CGXFormulaSheet::EngineCol(nCol));
                const CGXStyle* pStyle = pCell == NULL ? NULL : dynamic_cast<CGXStyle*>(pCell->pAttached);
                if (pStyle != NULL)
                    visit(GXExSheetStyle{GXExSheetStyle::kindCell, nRow, nCol, pStyle,
                                         pData->m_apaRowStyles.GetStyle(nRow),
                                         pData->m_apaColStyles.GetStyle(nCol), TRUE});
            }
        return;
    }
    for (INT_PTR nRow = 1; nRow < pData->m_apapCellStyle.GetSize(); nRow++)
    {
        CGXStylePtrArray* pRow = pData->m_apapCellStyle.GetRow(nRow);
        if (pRow == NULL)
            continue;
        for (INT_PTR nCol = 1; nCol < pRow->GetSize(); nCol++)
            if (const CGXStyle* pStyle = pRow->GetStyle(nCol))
                visit(GXExSheetStyle{GXExSheetStyle::kindCell, (ROWCOL)nRow, (ROWCOL)nCol, pStyle,
                                     pData->m_apaRowStyles.GetStyle(nRow),
                                     pData->m_apaColStyles.GetStyle(nCol), FALSE});
    }
}
} // namespace

void GXExWalkSheetStyles(CGXGridParam* pParam, BOOL bStylesFirst,
                         const std::function<void(const GXExSheetStyle&)>& visit)
{
    CGXData* pData = pParam == NULL ? NULL : pParam->GetData();
    if (pData == NULL)
        return;
    if (bStylesFirst)
        WalkStyleArrays(pData, visit);
    WalkCells(pData, visit);
    if (!bStylesFirst)
        WalkStyleArrays(pData, visit);
}

void GXExForEachBaseStyle(
    const CGXStylesMap* pStylesMap,
    const std::function<void(WORD nID, const CString& strName, const CGXStyle& style)>& visit)
{
    for (POSITION pos = pStylesMap->GetStartPosition(); pos != NULL;)
    {
        WORD nID;
        CString strName;
        UINT nResourceID;
        const CGXStyle* pStyle = NULL;
        pStylesMap->GetNextStyle(pos, nID, strName, nResourceID, pStyle);
        if (strName.IsEmpty() && nResourceID != 0)
            strName.LoadString(nResourceID);
        if (pStyle != NULL)
            visit(nID, strName, *pStyle);
    }
}

const CGXStyle* GXExStandardStyle(const CGXStylesMap* pStylesMap)
{
    const CGXStyle* pStandard = NULL;
    if (pStylesMap == NULL || !pStylesMap->LookupStyle(pStylesMap->m_wStyleStandard, pStandard))
        return NULL;
    return pStandard;
}

CGXStyle* GXExCompleteStyle(const CGXStyle& style, const CGXStyle* pRowStyle, const CGXStyle* pColStyle,
                            const CGXStylesMap* pStylesMap)
{
    CGXStyle* pCopy = style.Clone();
    if (pRowStyle != NULL)
        pCopy->MergeStyle(*pRowStyle, gxApplyNew);
    if (pColStyle != NULL)
        pCopy->MergeStyle(*pColStyle, gxApplyNew);
    if (pCopy->GetInclude(CGXStyle::ibBaseStyle))
        pCopy->ApplyBaseStyles(pStylesMap);
    if (const CGXStyle* pStandard = GXExStandardStyle(pStylesMap))
        pCopy->MergeStyle(*pStandard, gxApplyNew);
    return pCopy;
}
