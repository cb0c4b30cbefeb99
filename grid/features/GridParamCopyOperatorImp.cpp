// Copies of parameter objects, styles maps and properties.
#include "grid/features/GridParamCopyOperatorImp.h"
#include "grid/core/AppData.h"
#include "grid/core/GridParam.h"
#include "grid/features/PrintDevice.h"
#include "GridIds.h"

void AFXAPI GXInstallParamCopyOperatorImp()
{
    CGXAppData* pAppData = GXGetAppData();
    if (pAppData->m_pParamCopyOperatorImp != NULL)
        return;
    pAppData->m_pParamCopyOperatorImp = new CGXGridParamCopyOperatorImp;
    pAppData->AddComponent(pAppData->m_pParamCopyOperatorImp);
}

void CGXGridParamCopyOperatorImp::CopyParam(CGXGridParam& dest, const CGXGridParam& src)
{
    if (&dest == &src)
        return;
    dest.SetStylesMapObject(NULL);
    dest.SetDataObject(NULL);
    dest.SetPropertiesObject(NULL);
    dest.SetPrintDeviceObject(NULL);

    dest.m_bNumberedColHeaders = src.m_bNumberedColHeaders;
    dest.m_bLockReadOnly = src.m_bLockReadOnly;
    dest.m_bReadOnly = src.m_bReadOnly;
    dest.m_bUndoEnabled = src.m_bUndoEnabled;
    dest.m_bNumberedRowHeaders = src.m_bNumberedRowHeaders;
    dest.m_bThumbTrack = src.m_bThumbTrack;
    dest.m_bDragSelection = src.m_bDragSelection;
    dest.m_bDragSelectionRows = src.m_bDragSelectionRows;
    dest.m_nMinTrackRowHeight = src.m_nMinTrackRowHeight;
    dest.m_nMinTrackColWidth = src.m_nMinTrackColWidth;
    dest.m_bImmediateUpdate = src.m_bImmediateUpdate;
    dest.m_bSelectCurrentCell = src.m_bSelectCurrentCell;
    dest.m_bHideMarker = src.m_bHideMarker;
    dest.m_bClickActivation = src.m_bClickActivation;
    dest.m_bInvertSelection = src.m_bInvertSelection;
    dest.m_wSelectionFlags = src.m_wSelectionFlags;
    dest.m_wRowSizingFlags = src.m_wRowSizingFlags;
    dest.m_wColSizingFlags = src.m_wColSizingFlags;
    dest.m_nFrozenRows = src.m_nFrozenRows;
    dest.m_nFrozenCols = src.m_nFrozenCols;
    dest.m_nDefaultColWidth = src.m_nDefaultColWidth;
    dest.m_nDefaultRowHeight = src.m_nDefaultRowHeight;
    dest.m_sWindowSetting = src.m_sWindowSetting;
    dest.m_wActivateFlags = src.m_wActivateFlags;
    dest.m_wCurrentCellInSelection = src.m_wCurrentCellInSelection;
    dest.m_nPreComposeStyles = src.m_nPreComposeStyles;
    dest.m_bFrameCurrentCellInSelection = src.m_bFrameCurrentCellInSelection;
    dest.m_wMarkerVisibility = src.m_wMarkerVisibility;
    dest.m_nHeaderRows = src.m_nHeaderRows;
    dest.m_nHeaderCols = src.m_nHeaderCols;

    // New objects, whether or not the source owns its own: the destination owns them (with the
    // source's ownership flags the ones the source only borrowed would never be deleted).
    if (src.m_pStylesMap != NULL)
        dest.SetStylesMapObject(new CGXStylesMap(*src.m_pStylesMap));
    if (src.m_pData != NULL)
    {
        // A data object of the source's own kind (a formula sheet stays one).
        CGXData* pData = static_cast<CGXData*>(src.m_pData->GetRuntimeClass()->CreateObject());
        if (pData == NULL)
            AfxThrowNotSupportedException();
        dest.SetDataObject(pData);
        *pData = *src.m_pData;
    }
    if (src.m_pProperties != NULL)
        dest.SetPropertiesObject(new CGXProperties(*src.m_pProperties));
    if (auto* pSrcDevice = dynamic_cast<CGXPrintDevice*>(src.m_pPrintDevice))
    {
        CGXPrintDevice* pDevice = new CGXPrintDevice;
        dest.SetPrintDeviceObject(pDevice);
        *pDevice = *pSrcDevice;
    }

    dest.m_SelectedRanges = src.m_SelectedRanges;
    dest.m_CoveredCellsList = src.m_CoveredCellsList;
    dest.RebuildCoveredCellPool();
    dest.m_RowHeights = src.m_RowHeights;
    dest.m_ColWidths = src.m_ColWidths;
    dest.m_abHiddenRows.Copy(src.m_abHiddenRows);
    dest.m_abHiddenCols.Copy(src.m_abHiddenCols);

    dest.m_bScrollBeforeMove = src.m_bScrollBeforeMove;
    dest.m_wDisplayFlags = src.m_wDisplayFlags;
    dest.m_wDeleteHandling = src.m_wDeleteHandling;
    dest.m_bDirectCut = src.m_bDirectCut;
    dest.m_wMouseCurrentCellFlags = src.m_wMouseCurrentCellFlags;
    dest.m_bDirectCopy = src.m_bDirectCopy;
    dest.m_wEnterKeyAction = src.m_wEnterKeyAction;
    dest.m_nUndoLimit = src.m_nUndoLimit;
    dest.m_bKeepSelectionOnRelease = src.m_bKeepSelectionOnRelease;
    dest.m_bMarkHeadersOnSelection = src.m_bMarkHeadersOnSelection;
    dest.m_bExcelLikeFill = src.m_bExcelLikeFill;
    dest.m_bExcelLikeFrame = src.m_bExcelLikeFrame;
    dest.m_nLinePosition = src.m_nLinePosition;
    dest.m_bReservedOption1 = src.m_bReservedOption1;
    dest.m_wFloatCellsMode = src.m_wFloatCellsMode;

    // The pools are copied through their components (none without them).
    CGXAppData* pAppData = GXGetAppData();
    CGXAbstractSpanCellPoolImp* pSpanImp = pAppData->m_pSpanCellPoolImp;
    CGXAbstractDelayedRangePoolImp* pDelayedImp = pAppData->m_pDelayedRangePoolImp;
    auto copySpans = [&](CObject*& pDest, const CObject* pSrc) {
        delete pDest;
        pDest = pSrc != NULL && pSpanImp != NULL ? pSpanImp->CreateCopy(pSrc) : NULL;
    };
    auto copyDelayed = [&](CObject*& pDest, const CObject* pSrc) {
        delete pDest;
        pDest = pSrc != NULL && pDelayedImp != NULL ? pDelayedImp->CreateCopy(pSrc) : NULL;
    };
    copyDelayed(dest.m_pDelayedFloatCellsPool, src.m_pDelayedFloatCellsPool);
    copySpans(dest.m_pFloatCellsPool, src.m_pFloatCellsPool);
    copyDelayed(dest.m_pPrintDelayedFloatCellsPool, src.m_pPrintDelayedFloatCellsPool);
    copySpans(dest.m_pPrintFloatCellsPool, src.m_pPrintFloatCellsPool);
    dest.m_wMergeCellsMode = src.m_wMergeCellsMode;
    copyDelayed(dest.m_pDelayedMergeCellsPool, src.m_pDelayedMergeCellsPool);
    copySpans(dest.m_pHorzMergeCellsPool, src.m_pHorzMergeCellsPool);
    copySpans(dest.m_pVertMergeCellsPool, src.m_pVertMergeCellsPool);

    dest.m_nGridLineStyle = src.m_nGridLineStyle;
    for (int i = 0; i < 3; i++)
        dest.m_abReservedOptions[i] = src.m_abReservedOptions[i];
}

void CGXGridParamCopyOperatorImp::CopyStylesMap(CGXStylesMap& dest, const CGXStylesMap& src)
{
    if (&dest == &src)
        return;
    dest.RemoveAll();
    dest.m_pStyleClass = src.m_pStyleClass;
    for (const auto& e : src.m_styles)
    {
        const CGXStylesMap::StyleEntry* p = e.second;
        dest.m_styles[e.first] =
            new CGXStylesMap::StyleEntry{p->nID, p->nResourceID, p->sName, p->pStyle->Clone(), p->bSystem};
    }
    dest.m_names = src.m_names;
    dest.m_resourceIds = src.m_resourceIds;
    dest.m_nNextId = src.m_nNextId;
    dest.m_controlNames = src.m_controlNames;
    for (const auto& e : src.m_userAttributes)
        dest.m_userAttributes[e.first] =
            new CGXStylesMap::UserAttrInfo{e.second->nID, e.second->sName, e.second->pStyle->Clone()};
    dest.m_sSection = src.m_sSection;
    dest.m_wStyleStandard = dest.GetBaseStyleIdFromResource(GX_IDS_STYLE_STANDARD);
    dest.m_wStyleColHeader = dest.GetBaseStyleIdFromResource(GX_IDS_STYLE_COLHEADER);
    dest.m_wStyleRowHeader = dest.GetBaseStyleIdFromResource(GX_IDS_STYLE_ROWHEADER);
}

void CGXGridParamCopyOperatorImp::CopyProperties(CGXProperties& dest, const CGXProperties& src)
{
    if (&dest == &src)
        return;
    dest.ClearColorsAndUserProperties();
    for (int i = 0; i < 6; i++)
        dest.m_abFlags[i] = src.m_abFlags[i];
    dest.m_sSection = src.m_sSection;
    dest.m_nValue100 = src.m_nValue100;
    dest.m_ColorNameArray.Copy(src.m_ColorNameArray);
    dest.m_ColorValueArray.Copy(src.m_ColorValueArray);
    for (const auto& e : src.GetUserPropertyInfoMap())
        dest.SetUserPropertyEntry(e.first, e.second->sName, e.second->pStyle->Clone());
    for (int i = 0; i < 9; i++)
        dest.m_abPrintFlags[i] = src.m_abPrintFlags[i];
    for (int i = 0; i < 6; i++)
        dest.m_anMargins[i] = src.m_anMargins[i];
    dest.m_nFirstPage = src.m_nFirstPage;
    dest.m_headerFooter[0] = src.m_headerFooter[0];
    dest.m_headerFooter[1] = src.m_headerFooter[1];
}
