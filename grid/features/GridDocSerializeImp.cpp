// Parameter object, properties, styles map and data object to and from archives.
#include "grid/features/GridDocSerializeImp.h"
#include "grid/core/AppData.h"
#include "grid/core/GridParam.h"
#include "grid/features/StyleSerializeImp.h"
#include "grid/features/DelayedRangePoolImp.h"
#include "grid/features/DelayedRangePool.h"
#include "grid/features/PrintDevice.h"
#include "grid/features/SparseArchive.h"
#include "grid/features/SpanCellPool.h"
#include "grid/features/SpanCellPoolImp.h"
#include "Document.h"
#include "GridIds.h"
#include <algorithm>
#include <array>

void AFXAPI GXInstallDocSerializeImp()
{
    CGXAppData* pAppData = GXGetAppData();
    if (pAppData->m_pDocSerializeImp == NULL)
    {
        pAppData->m_pDocSerializeImp = new CGXGridDocSerializeImp;
        pAppData->AddComponent(pAppData->m_pDocSerializeImp);
    }
    GXInstallStyleSerializeImp();
    GXInstallSpanCellPoolImp();
    GXInstallDelayedRangePoolImp();
}

namespace
{
void Refuse()
{
    AfxThrowArchiveException(CArchiveException::generic);
}

void CheckSchema(CArchive& ar, WORD wNewest, WORD& wSchema)
{
    ar >> wSchema;
    if (wSchema > wNewest)
        AfxThrowArchiveException(CArchiveException::badSchema);
}

// Formats whose only schema is 1.
void CheckSchemaOne(CArchive& ar)
{
    WORD w = 0;
    ar >> w;
    if (w != 1)
        AfxThrowArchiveException(CArchiveException::badSchema);
}

// BOOL members travel as one byte.
void StoreBool(CArchive& ar, BOOL b)
{
    ar << (BYTE)(b ? 1 : 0);
}

template <class T> void LoadBool(CArchive& ar, T& member)
{
    BYTE b = 0;
    ar >> b;
    member = (T)b;
}

template <class T> void LoadWord(CArchive& ar, T& member)
{
    WORD w = 0;
    ar >> w;
    member = (T)w;
}

template <class T> void LoadDword(CArchive& ar, T& member)
{
    DWORD dw = 0;
    ar >> dw;
    member = (T)dw;
}

// Lets the styles inside the objects of a parameter object find their base styles by name: the
// archive's document is the styles map while they are stored or loaded.
class CDocumentSwap
{
  public:
    CDocumentSwap(CArchive& ar, CObject* pStylesMap) : m_ar(ar), m_pOld(ar.m_pDocument)
    {
        Set(pStylesMap);
    }
    ~CDocumentSwap()
    {
        m_ar.m_pDocument = m_pOld;
    }
    void Set(CObject* pStylesMap)
    {
        if (pStylesMap != NULL)
            m_ar.m_pDocument = reinterpret_cast<CDocument*>(pStylesMap);
    }
    void Restore()
    {
        m_ar.m_pDocument = m_pOld;
    }

  private:
    CArchive& m_ar;
    CDocument* m_pOld;
};

// A stored object the parameter object takes over (NULL stays NULL).
template <class T> T* LoadOwned(CArchive& ar, CRuntimeClass* pClass)
{
    return static_cast<T*>(ar.ReadNewObject(pClass));
}

// The print settings stored as LONGs, in stream order.
std::array<int*, 15> PrintFields(CGXProperties& prop)
{
    BOOL* f = prop.m_abPrintFlags;
    int* m = prop.m_anMargins;
    return {&f[CGXProperties::printVertLines],
            &f[CGXProperties::printHorzLines],
            &f[CGXProperties::printPageOrder],
            &f[CGXProperties::printBlackWhite],
            &f[CGXProperties::printRowHeaders],
            &f[CGXProperties::printCenterVertical],
            &f[CGXProperties::printCenterHorizontal],
            &m[CGXProperties::marginTop],
            &m[CGXProperties::marginLeft],
            &m[CGXProperties::marginRight],
            &m[CGXProperties::marginBottom],
            &f[CGXProperties::printFrame],
            &m[CGXProperties::distanceHeader],
            &m[CGXProperties::distanceFooter],
            &prop.m_nFirstPage};
}

void LoadPool(CArchive& ar, CObject*& pPool, CRuntimeClass* pClass)
{
    delete pPool;
    pPool = NULL;
    pPool = ar.ReadNewObject(pClass);
}
} // namespace

// --- Style arrays and the data object ---

void CGXGridDocSerializeImp::SerializeStyleArray(CGXStylePtrArray& array, CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << (WORD)arraySchema;
        GXStoreSparseEntries(ar, array, [&](INT_PTR i) { ar << (CObject*)array.GetStyle(i); });
        return;
    }
    CheckSchemaOne(ar);
    array.DeleteAll();
    GXLoadSparseEntries(ar, array, [&](INT_PTR i) {
        CGXStyle* pStyle = LoadOwned<CGXStyle>(ar, RUNTIME_CLASS(CGXStyle));
        if (pStyle != NULL)
            array.SetAtGrow(i, pStyle);
    });
}

void CGXGridDocSerializeImp::SerializeStyleRows(CGXStylePtrArrayPtrArray& array, CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << (WORD)arraySchema;
        GXStoreSparseEntries(ar, array, [&](INT_PTR i) { array.GetRow(i)->Serialize(ar); });
        return;
    }
    CheckSchemaOne(ar);
    array.DeleteAll();
    GXLoadSparseEntries(ar, array, [&](INT_PTR i) {
        // In the array before it is read, so that a failure frees it with the others.
        CGXStylePtrArray* pRow = new CGXStylePtrArray;
        array.SetAtGrow(i, pRow);
        pRow->Serialize(ar);
    });
}

void CGXGridDocSerializeImp::SerializeData(CGXData& data, CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << (WORD)arraySchema << (DWORD)data.m_nRows << (DWORD)data.m_nCols;
    }
    else
    {
        CheckSchemaOne(ar);
        data.DeleteContents();
        LoadDword(ar, data.m_nRows);
        LoadDword(ar, data.m_nCols);
    }
    data.m_apapCellStyle.Serialize(ar);
    data.m_apaRowStyles.Serialize(ar);
    data.m_apaColStyles.Serialize(ar);
}

// --- Styles map ---

void CGXGridDocSerializeImp::SerializeStylesMap(CGXStylesMap& map, CArchive& ar)
{
    if (!ar.IsStoring())
    {
        LoadStylesMap(map, ar);
        return;
    }
    ar << (WORD)stylesMapSchema << map.m_sSection;
    ar << (WORD)map.m_controlNames.size();
    for (const auto& e : map.m_controlNames)
        ar << (DWORD)e.first << e.second;
    ar << (WORD)map.m_names.size();
    for (const auto& e : map.m_names)
        ar << (WORD)e.second << CString(e.first.c_str());
    // In id order, so that a base style's own base style comes before it.
    ar << (WORD)map.m_styles.size();
    for (const auto& e : map.m_styles)
    {
        const CGXStylesMap::StyleEntry* p = e.second;
        ar << p->nID << (DWORD)p->nResourceID << p->sName;
        StoreBool(ar, p->bSystem);
        p->pStyle->SerializeStyle(ar, &map);
    }
    ar << (WORD)map.m_nNextId;
    ar << (WORD)map.m_userAttributes.size();
    for (const auto& e : map.m_userAttributes)
    {
        ar << (DWORD)e.first;
        e.second->pStyle->SerializeStyle(ar, &map);
    }
}

void CGXGridDocSerializeImp::LoadStylesMap(CGXStylesMap& map, CArchive& ar)
{
    WORD wSchema = 0;
    CheckSchema(ar, stylesMapSchema, wSchema);
    map.RemoveAll();
    ar >> map.m_sSection;
    WORD wCount = 0;
    ar >> wCount;
    for (WORD i = 0; i < wCount; i++)
    {
        DWORD dwID = 0;
        CString strName;
        ar >> dwID >> strName;
        if (dwID > 0xFFFF)
            Refuse();
        map.m_controlNames[(WORD)dwID] = strName;
    }
    ar >> wCount;
    for (WORD i = 0; i < wCount; i++)
    {
        WORD wID = 0;
        CString strName;
        ar >> wID >> strName; // the name map is rebuilt from the styles
    }
    ar >> wCount;
    UINT nNextId = 0;
    for (WORD i = 0; i < wCount; i++)
    {
        WORD wID = 0;
        DWORD dwResourceID = 0;
        CString strName;
        BYTE bSystem = 0;
        ar >> wID >> dwResourceID >> strName >> bSystem;
        // Styles name their base style in 8 bits.
        if (wID > CGXStylesMap::maxStyleId)
            Refuse();
        if (dwResourceID != 0 && (!strName.LoadString(dwResourceID) || strName.IsEmpty()))
            strName.Format("STYLE%u", (unsigned)dwResourceID);
        CGXStyle* pStyle = map.CreateStyle();
        try
        {
            pStyle->SerializeStyle(ar, &map);
            map.Register(strName, dwResourceID, *pStyle, bSystem != 0, TRUE, wID);
        }
        catch (...)
        {
            delete pStyle;
            throw;
        }
        delete pStyle;
        nNextId = std::max(nNextId, (UINT)wID + 1);
    }
    WORD wNextId = 0;
    ar >> wNextId;
    if (wNextId > CGXStylesMap::maxStyleId + 1)
        Refuse();
    // A smaller stored value would hand out ids that are taken.
    map.m_nNextId = std::max(nNextId, (UINT)wNextId);
    if (wSchema >= 2)
    {
        ar >> wCount;
        for (WORD i = 0; i < wCount; i++)
        {
            DWORD dwID = 0;
            ar >> dwID;
            if (dwID > 0xFFFF || map.m_userAttributes.count((WORD)dwID) != 0)
                Refuse();
            CString strName;
            if (!strName.LoadString(dwID) || strName.IsEmpty())
                strName.Format("UA%u", (unsigned)dwID);
            CGXStyle* pStyle = map.CreateStyle();
            map.m_userAttributes[(WORD)dwID] = new CGXStylesMap::UserAttrInfo{(WORD)dwID, strName, pStyle};
            pStyle->SerializeStyle(ar, &map);
        }
    }
    map.m_wStyleStandard = map.GetBaseStyleIdFromResource(GX_IDS_STYLE_STANDARD);
    map.m_wStyleColHeader = map.GetBaseStyleIdFromResource(GX_IDS_STYLE_COLHEADER);
    map.m_wStyleRowHeader = map.GetBaseStyleIdFromResource(GX_IDS_STYLE_ROWHEADER);
}

// --- Properties ---

void CGXGridDocSerializeImp::SerializeProperties(CGXProperties& prop, CArchive& ar)
{
    if (!ar.IsStoring())
    {
        LoadProperties(prop, ar);
        return;
    }
    ar << (WORD)propertiesSchema;
    prop.m_ColorValueArray.Serialize(ar);
    CStringArray().Serialize(ar);
    for (int i = CGXProperties::flagVertLines; i <= CGXProperties::flagMarkColHeader; i++)
        StoreBool(ar, prop.m_abFlags[i]);
    ar << prop.m_sSection << (LONG)prop.m_nValue100;
    for (const auto& e : prop.GetUserPropertyInfoMap())
        ar << (DWORD)e.first << e.second->sName << (CObject*)e.second->pStyle;
    ar << (DWORD)0;
    for (int* p : PrintFields(prop))
        ar << (LONG)*p;
    ar << prop.m_w1 << prop.m_w2;
    prop.m_awColBreaks.Serialize(ar);
    prop.m_awRowBreaks.Serialize(ar);
    prop.m_headerFooter[0].Serialize(ar);
    prop.m_headerFooter[1].Serialize(ar);
    ar << (LONG)prop.m_abPrintFlags[CGXProperties::printColHeaders];
}

void CGXGridDocSerializeImp::LoadProperties(CGXProperties& prop, CArchive& ar)
{
    WORD wSchema = 0;
    CheckSchema(ar, propertiesSchema, wSchema);
    prop.m_ColorValueArray.Serialize(ar);
    CStringArray().Serialize(ar); // always empty
    prop.m_ColorValueArray.SetSize(prop.m_ColorNameArray.GetSize());
    for (int i = CGXProperties::flagVertLines; i <= CGXProperties::flagMarkColHeader; i++)
        LoadBool(ar, prop.m_abFlags[i]);
    LONG l = 0;
    ar >> prop.m_sSection >> l;
    prop.m_nValue100 = (int)l;
    for (;;)
    {
        DWORD dwID = 0;
        ar >> dwID;
        if (dwID == 0)
            break;
        if (dwID > 0xFFFF)
            Refuse();
        CString strName;
        ar >> strName;
        CGXStyle* pStyle = LoadOwned<CGXStyle>(ar, RUNTIME_CLASS(CGXStyle));
        prop.SetUserPropertyEntry((WORD)dwID, strName, pStyle != NULL ? pStyle : new CGXStyle);
    }
    for (int* p : PrintFields(prop))
        *p = (int)(ar >> l, l);
    ar >> prop.m_w1 >> prop.m_w2;
    if (wSchema >= 3)
    {
        prop.m_awColBreaks.Serialize(ar);
        prop.m_awRowBreaks.Serialize(ar);
    }
    prop.m_headerFooter[0].Serialize(ar);
    prop.m_headerFooter[1].Serialize(ar);
    if (wSchema == 2 || wSchema >= 4)
        prop.m_abPrintFlags[CGXProperties::printColHeaders] = (BOOL)(ar >> l, l);
}

// --- Parameter object ---

void CGXGridDocSerializeImp::SerializeParam(CGXGridParam& param, CArchive& ar)
{
    if (ar.IsStoring())
        StoreParam(param, ar);
    else
        LoadParam(param, ar);
}

namespace
{
// The BOOL members stored as the first bytes of a parameter object, in stream order (the
// read-only flag and the read-only lock appear twice: the second copy wins).
std::array<BOOL*, 18> ParamBools(CGXGridParam& p)
{
    return {&p.m_bNumberedColHeaders, &p.m_bLockReadOnly,    &p.m_bReadOnly,          &p.m_bUndoEnabled,
            &p.m_bNumberedRowHeaders, &p.m_bThumbTrack,      &p.m_bReadOnly,          &p.m_bLockReadOnly,
            &p.m_bDragSelection,      &p.m_bImmediateUpdate, &p.m_bOwnData,           &p.m_bOwnPrintDevice,
            &p.m_bOwnProperties,      &p.m_bOwnStylesMap,    &p.m_bSelectCurrentCell, &p.m_bHideMarker,
            &p.m_bClickActivation,    &p.m_bInvertSelection};
}
} // namespace

void CGXGridDocSerializeImp::StoreParam(CGXGridParam& p, CArchive& ar)
{
    ar << (WORD)paramSchema;
    for (BOOL* pb : ParamBools(p))
        StoreBool(ar, *pb);
    ar << p.m_wSelectionFlags << p.m_wRowSizingFlags << p.m_wColSizingFlags;
    ar << (DWORD)p.m_nFrozenRows << (DWORD)p.m_nFrozenCols;
    ar << (LONG)p.m_nDefaultColWidth << (LONG)p.m_nDefaultRowHeight;
    ar << p.m_sWindowSetting;
    ar << p.m_wActivateFlags << p.m_wCurrentCellInSelection << (WORD)p.m_nPreComposeStyles
       << (WORD)p.m_bFrameCurrentCellInSelection << p.m_wMarkerVisibility;
    ar << (DWORD)p.m_nHeaderRows << (DWORD)p.m_nHeaderCols;
    {
        CDocumentSwap swap(ar, p.m_pStylesMap);
        if (p.m_bOwnStylesMap)
            ar << (CObject*)p.m_pStylesMap;
        if (p.m_bOwnData)
            ar << (CObject*)p.m_pData;
        if (p.m_bOwnProperties)
            ar << (CObject*)p.m_pProperties;
    }
    if (p.m_bOwnPrintDevice)
        ar << p.m_pPrintDevice;
    p.m_SelectedRanges.Serialize(ar);
    p.m_CoveredCellsList.Serialize(ar);
    p.m_RowHeights.Serialize(ar);
    p.m_ColWidths.Serialize(ar);
    p.m_abHiddenRows.Serialize(ar);
    p.m_abHiddenCols.Serialize(ar);
    StoreBool(ar, p.m_bScrollBeforeMove);      // 2
    StoreBool(ar, p.m_bTransparentBackground); // 3
    StoreBool(ar, p.m_bNoFrozenLineAdjust);
    ar << (DWORD)p.m_wDisplayFlags << (DWORD)p.m_wDeleteHandling << (DWORD)p.m_bDirectCut;
    ar << p.m_wMouseCurrentCellFlags; // 4
    StoreBool(ar, p.m_bDirectCopy);   // 5
    ar << p.m_wEnterKeyAction << (DWORD)p.m_nUndoLimit;
    StoreBool(ar, p.m_bKeepSelectionOnRelease); // 6
    StoreBool(ar, p.m_bMarkHeadersOnSelection);
    ar << (BYTE)p.m_bExcelLikeFill;
    StoreBool(ar, p.m_bExcelLikeFrame);
    StoreBool(ar, p.m_nLinePosition);
    ar << p.m_wFloatCellsMode << p.m_pDelayedFloatCellsPool << p.m_pFloatCellsPool;
    ar << p.m_wMergeCellsMode << p.m_pDelayedMergeCellsPool << p.m_pHorzMergeCellsPool
       << p.m_pVertMergeCellsPool;
    ar << (WORD)p.m_nGridLineStyle;
    for (BYTE b : p.m_abReservedOptions) // 8
        ar << b;
    ar << p.m_wReservedOption;           // 9
    StoreBool(ar, p.m_bReservedOption1); // 10
    StoreBool(ar, p.m_bReservedOption2); // 11
    ar << (DWORD)p.m_nLastSortRow << (DWORD)p.m_nLastSortCol;
}

void CGXGridDocSerializeImp::LoadParam(CGXGridParam& p, CArchive& ar)
{
    WORD wSchema = 0;
    CheckSchema(ar, paramSchema, wSchema);
    if (p.m_bOwnStylesMap)
        p.SetStylesMapObject(NULL);
    if (p.m_bOwnData)
        p.SetDataObject(NULL);
    if (p.m_bOwnProperties)
        p.SetPropertiesObject(NULL);
    if (p.m_bOwnPrintDevice)
        p.SetPrintDeviceObject(NULL);
    for (BOOL* pb : ParamBools(p))
        LoadBool(ar, *pb);
    // Only what is read below is owned.
    BOOL bOwnStylesMap = p.m_bOwnStylesMap, bOwnData = p.m_bOwnData, bOwnProperties = p.m_bOwnProperties,
         bOwnPrintDevice = p.m_bOwnPrintDevice;
    p.m_bOwnStylesMap = p.m_bOwnData = p.m_bOwnProperties = p.m_bOwnPrintDevice = FALSE;
    ar >> p.m_wSelectionFlags >> p.m_wRowSizingFlags >> p.m_wColSizingFlags;
    LoadDword(ar, p.m_nFrozenRows);
    LoadDword(ar, p.m_nFrozenCols);
    LONG l = 0;
    p.m_nDefaultColWidth = (ar >> l, l);
    p.m_nDefaultRowHeight = (ar >> l, l);
    ar >> p.m_sWindowSetting;
    ar >> p.m_wActivateFlags >> p.m_wCurrentCellInSelection;
    LoadWord(ar, p.m_nPreComposeStyles);
    LoadWord(ar, p.m_bFrameCurrentCellInSelection);
    ar >> p.m_wMarkerVisibility;
    LoadDword(ar, p.m_nHeaderRows);
    LoadDword(ar, p.m_nHeaderCols);
    {
        CDocumentSwap swap(ar, NULL);
        if (bOwnStylesMap)
            p.SetStylesMapObject(LoadOwned<CGXStylesMap>(ar, RUNTIME_CLASS(CGXStylesMap)));
        swap.Set(p.m_pStylesMap);
        if (bOwnData)
            p.SetDataObject(LoadOwned<CGXData>(ar, RUNTIME_CLASS(CGXData)));
        if (bOwnProperties)
            p.SetPropertiesObject(LoadOwned<CGXProperties>(ar, RUNTIME_CLASS(CGXProperties)));
    }
    if (bOwnPrintDevice)
        p.SetPrintDeviceObject(ar.ReadNewObject(RUNTIME_CLASS(CGXPrintDevice)));
    p.m_SelectedRanges.DeleteAll();
    p.m_SelectedRanges.Serialize(ar);
    p.m_CoveredCellsList.DeleteAll();
    p.m_CoveredCellsList.Serialize(ar);
    p.RebuildCoveredCellPool();
    p.m_RowHeights.RemoveAll();
    p.m_RowHeights.Serialize(ar);
    p.m_ColWidths.RemoveAll();
    p.m_ColWidths.Serialize(ar);
    p.m_abHiddenRows.Serialize(ar);
    p.m_abHiddenCols.Serialize(ar);
    if (wSchema >= 2)
        LoadBool(ar, p.m_bScrollBeforeMove);
    if (wSchema >= 3)
    {
        LoadBool(ar, p.m_bTransparentBackground);
        LoadBool(ar, p.m_bNoFrozenLineAdjust);
        LoadDword(ar, p.m_wDisplayFlags);
        LoadDword(ar, p.m_wDeleteHandling);
        LoadDword(ar, p.m_bDirectCut);
    }
    if (wSchema >= 4)
        ar >> p.m_wMouseCurrentCellFlags;
    if (wSchema >= 5)
    {
        LoadBool(ar, p.m_bDirectCopy);
        ar >> p.m_wEnterKeyAction;
        LoadDword(ar, p.m_nUndoLimit);
    }
    if (wSchema >= 6)
    {
        LoadBool(ar, p.m_bKeepSelectionOnRelease);
        LoadBool(ar, p.m_bMarkHeadersOnSelection);
        LoadBool(ar, p.m_bExcelLikeFill);
        LoadBool(ar, p.m_bExcelLikeFrame);
        LoadBool(ar, p.m_nLinePosition);
        ar >> p.m_wFloatCellsMode;
        LoadPool(ar, p.m_pDelayedFloatCellsPool, RUNTIME_CLASS(CGXDelayedRangePool));
        LoadPool(ar, p.m_pFloatCellsPool, RUNTIME_CLASS(CGXSpanCellPool));
        ar >> p.m_wMergeCellsMode;
        LoadPool(ar, p.m_pDelayedMergeCellsPool, RUNTIME_CLASS(CGXDelayedRangePool));
        LoadPool(ar, p.m_pHorzMergeCellsPool, RUNTIME_CLASS(CGXSpanCellPool));
        LoadPool(ar, p.m_pVertMergeCellsPool, RUNTIME_CLASS(CGXSpanCellPool));
        LoadWord(ar, p.m_nGridLineStyle);
    }
    if (wSchema == 6)
    {
        // Spans stored by that version are not trusted: all of them are computed again.
        for (CObject* pPool : {p.m_pDelayedFloatCellsPool, p.m_pDelayedMergeCellsPool})
            if (auto* pDelayed = static_cast<CGXDelayedRangePool*>(pPool))
            {
                pDelayed->RemoveAll();
                pDelayed->AddRange(CGXCellRange(0, 0, 0x7FFFFFFE, 0x7FFFFFFE));
            }
        for (CObject* pPool : {p.m_pFloatCellsPool, p.m_pHorzMergeCellsPool, p.m_pVertMergeCellsPool})
            if (auto* pSpans = static_cast<CGXSpanCellPool*>(pPool))
            {
                pSpans->m_rowMap.DeleteAll();
                pSpans->m_colMap.DeleteAll();
            }
    }
    if (wSchema >= 8)
        for (BYTE& b : p.m_abReservedOptions)
            ar >> b;
    if (wSchema >= 9)
        ar >> p.m_wReservedOption;
    if (wSchema >= 10)
        LoadBool(ar, p.m_bReservedOption1);
    if (wSchema >= 11)
    {
        LoadBool(ar, p.m_bReservedOption2);
        LoadDword(ar, p.m_nLastSortRow);
        LoadDword(ar, p.m_nLastSortCol);
    }
}
