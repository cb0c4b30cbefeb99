// The grid engine: construction, binding of the parameter object, the initial update, the cell
// controls, the cached base styles, destruction, and the forwarders to per-grid components.
#include <algorithm>
#include "grid/core/GridCore.h"
#include "grid/core/GridAxis.h"
#include "grid/core/FindReplaceSettings.h"
#include "grid/core/LongOperation.h"
#include "grid/core/PluginComponent.h"
#include "GridIds.h"

int g_nGridDCUsers = 0;

CGXGridCore::CGXGridCore(CWnd* pGridWnd, CDocument* pDocument, BOOL bIsView)
    : m_ownedImps(10), m_pAppData(GXGetAppData()), m_pGridWnd(pGridWnd), m_pGridDoc(pDocument),
      m_bIsViewContext(bIsView), m_deleteList(10), m_pDataClass(RUNTIME_CLASS(CGXData))
{
    static UINT s_nLastGridId = 0;
    m_nGridId = ++s_nLastGridId;
    m_nDefaultStyleType = m_pAppData->m_nDefaultStyleType;
    m_cxFrame = ::GetSystemMetrics(SM_CXFRAME);
    m_cyFrame = ::GetSystemMetrics(SM_CYFRAME);
    m_cxBorder = ::GetSystemMetrics(SM_CXBORDER);
    m_cyBorder = ::GetSystemMetrics(SM_CYBORDER);
    m_hcurArrow = ::LoadCursor(NULL, IDC_ARROW);
    m_cellObjects.InitHashTable(257);
    // The style cache holds the cells of a paint, a thousand and more on a large screen.
    m_styleCache.InitHashTable(1021);
    m_rectPrinting.SetRectEmpty();
    m_rectPreset.SetRectEmpty();
    if (m_pAppData->m_pControlFactory != NULL && !m_bInitDone)
        m_pAppData->m_pControlFactory->InitializeGridComponents(this);
}

CGXGridCore::~CGXGridCore()
{
    GXGetFindReplaceSettings()->ForgetGrid(this);
    ReleaseParamObject();
    delete m_pExtraObject;
    m_pExtraObject = NULL;
    delete m_pStyleValue;
    delete m_pStyleGetValue;
    delete m_pStyleScratch3;
    m_pStyleValue = m_pStyleGetValue = m_pStyleScratch3 = NULL;

    POSITION pos = m_ownedImps.GetHeadPosition();
    while (pos != NULL)
        delete (CObject*)m_ownedImps.GetNext(pos);
    m_ownedImps.RemoveAll();
    pos = m_pluginList.GetHeadPosition();
    while (pos != NULL)
        delete m_pluginList.GetNext(pos);
    m_pluginList.RemoveAll();
    delete m_pAuxPlugin;
    m_pAuxPlugin = NULL;
    pos = m_deleteList.GetHeadPosition();
    while (pos != NULL)
        delete m_deleteList.GetNext(pos);
    m_deleteList.RemoveAll();
    pos = m_cellObjects.GetStartPosition();
    while (pos != NULL)
    {
        void* pKey;
        void* pValue;
        m_cellObjects.GetNextAssoc(pos, pKey, pValue);
        delete (CObject*)pValue;
    }
    m_cellObjects.RemoveAll();
    pos = m_freeStyles.GetHeadPosition();
    while (pos != NULL)
        delete (CGXStyle*)m_freeStyles.GetNext(pos);
    m_freeStyles.RemoveAll();
    m_pAppData->UnregisterGrid(this);
    delete m_pFontMap;
    delete m_pBrushMap;
    delete m_pPenMap;
}

void CGXGridCore::ReleaseParamObject()
{
    POSITION pos = m_ControlMap.GetStartPosition();
    while (pos != NULL)
    {
        void* pKey;
        void* pValue;
        m_ControlMap.GetNextAssoc(pos, pKey, pValue);
        delete (CGXControl*)pValue;
    }
    m_ControlMap.RemoveAll();
    m_pDefaultControl = NULL;
    BOOL bKeepAll = m_bKeepAllCaches;
    m_bKeepAllCaches = FALSE;
    FreeObjectCache();
    m_bKeepAllCaches = bKeepAll;
    if (m_pCurrentCellStyle != NULL)
    {
        delete m_pCurrentCellStyle;
        m_pCurrentCellStyle = NULL;
    }
    if (m_bOwnParam)
        delete m_pParam;
    m_pParam = NULL;
    m_bOwnParam = FALSE;
    m_pLastControl = NULL;
    m_nLastControlId = 0;
    m_pCurrentCellControl = NULL;
    for (CGXStyle* p : {m_pStyleValue, m_pStyleGetValue, m_pStyleScratch3})
        if (p != NULL)
            p->Free();
    delete m_pStyleStandard;
    delete m_pStyleRowHeader;
    delete m_pStyleColHeader;
    m_pStyleStandard = m_pStyleRowHeader = m_pStyleColHeader = NULL;
}

void CGXGridCore::AttachParamObject(CGXGridParam* pParam, BOOL bMustDelete)
{
    if (pParam == NULL)
    {
        pParam = new CGXGridParam;
        if (pParam == NULL)
            AfxThrowMemoryException();
    }
    if (m_pParam != pParam && m_bOwnParam)
        delete m_pParam;
    m_pParam = pParam;
    m_bOwnParam = bMustDelete;
}

void CGXGridCore::AddOwnedImp(void* pImp)
{
    m_ownedImps.AddHead(pImp);
}

void CGXGridCore::AddPlugin(CGXPluginComponent* pPlugin)
{
    m_pluginList.AddTail(pPlugin);
}

void CGXGridCore::AttachPluginComponent(CGXPluginComponent* pPlugin)
{
    m_pluginList.AddTail(pPlugin);
    if (m_pGridWnd != NULL && m_pGridWnd->GetSafeHwnd() != NULL)
        pPlugin->PlugIn(m_pGridWnd);
}

void CGXGridCore::SetAuxiliaryPlugin(CGXPluginComponent* pPlugin, BOOL bEnabled)
{
    if (pPlugin != m_pAuxPlugin)
        delete m_pAuxPlugin;
    m_pAuxPlugin = pPlugin;
    m_bAuxPluginEnabled = bEnabled;
    if (pPlugin != NULL && m_pGridWnd != NULL && m_pGridWnd->GetSafeHwnd() != NULL)
        pPlugin->PlugIn(m_pGridWnd);
}

void CGXGridCore::OnGridInitialUpdate()
{
    // 1. The library must have been initialised.
    WNDCLASSA wc;
    if (!::GetClassInfoA(AfxGetInstanceHandle(), "GXWND", &wc))
        AfxThrowNotSupportedException();

    // 2. - 3.
    m_pAppData->m_bPopupActive = FALSE;
    POSITION pos = m_pluginList.GetHeadPosition();
    while (pos != NULL)
        ((CGXPluginComponent*)m_pluginList.GetNext(pos))->PlugIn(m_pGridWnd);
    if (m_pAuxPlugin != NULL)
        m_pAuxPlugin->PlugIn(m_pGridWnd);

    // 4. Scratch styles.
    if (m_pStyleValue == NULL)
        m_pStyleValue = new CGXStyle;
    if (m_pStyleGetValue == NULL)
        m_pStyleGetValue = new CGXStyle;
    m_pStyleClass = m_pStyleValue->GetRuntimeClass();
    if (m_pStyleScratch3 == NULL)
        m_pStyleScratch3 = new CGXStyle;

    // 5. Parameter object.
    if (m_pParam == NULL)
        AttachParamObject(new CGXGridParam, TRUE);
    m_pAppData->RegisterGrid(m_pParam, this);
    FreeObjectCache();

    // 6. Properties.
    if (m_pParam->GetProperties() == NULL)
    {
        CGXProperties* pProps = new CGXProperties;
        pProps->AddDefaultUserProperties();
        if (m_pAppData->m_pProfileImp != NULL)
            pProps->ReadProfile();
        m_pParam->SetPropertiesObject(pProps, TRUE);
    }
    m_pAppData->RegisterGrid(m_pParam->GetProperties(), this);

    // 7. Styles map.
    if (m_pParam->GetStylesMap() == NULL)
    {
        CGXStylesMap* pMap = new CGXStylesMap(m_pStyleClass);
        pMap->CreateStandardStyles();
        if (m_pAppData->m_pProfileImp != NULL)
            pMap->ReadProfile();
        m_pParam->SetStylesMapObject(pMap, TRUE);
    }
    m_pAppData->RegisterGrid(m_pParam->GetStylesMap(), this);

    // 8. Base styles.
    delete m_pStyleStandard;
    delete m_pStyleRowHeader;
    delete m_pStyleColHeader;
    m_pStyleStandard = m_pStyleRowHeader = m_pStyleColHeader = NULL;
    GetDefaultBaseStyle();
    GetRowHeaderBaseStyle();
    GetColHeaderBaseStyle();

    // 9. Default control.
    WORD nStdControl = GetDefaultBaseStyle().GetControl();
    if (m_pAppData->m_pControlFactory != NULL)
    {
        CGXControl* pControl = m_pAppData->m_pControlFactory->CreateControl(nStdControl, this);
        if (pControl != NULL)
            RegisterControl(nStdControl, pControl, TRUE, FALSE);
    }

    // 10. Data object.
    if (m_pParam->GetData() == NULL)
    {
        CGXData* pData = (CGXData*)m_pDataClass->CreateObject();
        m_pParam->SetDataObject(pData, TRUE);
        pData->InitParamObject(m_pParam);
    }
    m_pAppData->RegisterGrid(m_pParam->GetData(), this);

    // 11. Ready to draw.
    m_pParam->m_bInitialized = TRUE;
    if (m_pParam->GetProperties() != NULL)
        m_nZoom = m_pParam->GetProperties()->m_nValue100;
    CalcCharMetricsFromStandard();
    m_bInitDone = TRUE;

    // 12. The top row and left column lie after the frozen ones.
    m_nTopRow = std::max(m_nTopRow, GetFrozenRows() + 1);
    m_nLeftCol = std::max(m_nLeftCol, GetFrozenCols() + 1);

    // 13. The window-settings object is not used by this program.

    // 14. A saved current cell inside the counts is taken over.
    ROWCOL nRow = m_pParam->m_nCurrentRow, nCol = m_pParam->m_nCurrentCol;
    if (nRow > 0 && nCol > 0 && nRow <= GetRowCount() && nCol <= GetColCount())
        StoreCurrentCell(TRUE, nRow, nCol);
    else
        StoreCurrentCell(FALSE);

    // 15.
    if (!m_pParam->m_SelectedRanges.IsEmpty())
        m_lastSelectedRange = *m_pParam->m_SelectedRanges.GetTail();
    m_pCurrentCellControl = NULL;
    CalcCharMetricsFromStandard();

    // 16.
    UpdateScrollbars(TRUE, FALSE);
}

CGXControl* CGXGridCore::GetRegisteredControl(WORD nID)
{
    if (nID == 0)
        return m_pDefaultControl;
    if (m_pLastControl != NULL && nID == m_nLastControlId)
        return m_pLastControl;
    void* p = NULL;
    if (!m_ControlMap.Lookup((void*)(UINT_PTR)nID, p))
    {
        CGXControl* pNew = m_pAppData->m_pControlFactory != NULL
                               ? m_pAppData->m_pControlFactory->CreateControl(nID, this)
                               : NULL;
        if (pNew == NULL)
            return m_pDefaultControl;
        RegisterControl(nID, pNew, FALSE, TRUE);
        p = pNew;
    }
    m_pLastControl = (CGXControl*)p;
    m_nLastControlId = nID;
    return m_pLastControl;
}

void CGXGridCore::RegisterControl(WORD nID, CGXControl* pControl, BOOL bDefault, BOOL bAddToStylesMap)
{
    void* p = NULL;
    if (m_ControlMap.Lookup((void*)(UINT_PTR)nID, p) && p != pControl)
    {
        if (p == m_pLastControl)
        {
            m_pLastControl = NULL;
            m_nLastControlId = 0;
        }
        if (p == m_pDefaultControl)
            m_pDefaultControl = NULL;
        if (p == m_pCurrentCellControl)
            m_pCurrentCellControl = NULL;
        delete (CGXControl*)p;
    }
    m_ControlMap[(void*)(UINT_PTR)nID] = pControl;
    if (bAddToStylesMap && m_pParam != NULL && m_pParam->GetStylesMap() != NULL)
        m_pParam->GetStylesMap()->AddControlName(nID);
    if (bDefault || m_pDefaultControl == NULL)
        m_pDefaultControl = pControl;
}

CGXControl* CGXGridCore::GetControl(ROWCOL nRow, ROWCOL nCol)
{
    return GetRegisteredControl(LookupStyleRowCol(nRow, nCol).GetControl());
}

// Base styles are cached as copies, looked up by the ids the styles map keeps for them.
static CGXStyle& CachedBaseStyle(CGXGridParam* pParam, CGXStyle*& pCache, WORD CGXStylesMap::*pId)
{
    if (pParam == NULL || pParam->GetStylesMap() == NULL)
        AfxThrowNotSupportedException();
    if (pCache == NULL)
    {
        CGXStylesMap* pMap = pParam->GetStylesMap();
        const CGXStyle* pStyle = NULL;
        if (!pMap->LookupStyle(pMap->*pId, pStyle))
            AfxThrowNotSupportedException();
        pCache = pStyle->Clone();
    }
    return *pCache;
}

CGXStyle& CGXGridCore::GetDefaultBaseStyle()
{
    return CachedBaseStyle(m_pParam, m_pStyleStandard, &CGXStylesMap::m_wStyleStandard);
}

CGXStyle& CGXGridCore::GetRowHeaderBaseStyle()
{
    return CachedBaseStyle(m_pParam, m_pStyleRowHeader, &CGXStylesMap::m_wStyleRowHeader);
}

CGXStyle& CGXGridCore::GetColHeaderBaseStyle()
{
    return CachedBaseStyle(m_pParam, m_pStyleColHeader, &CGXStylesMap::m_wStyleColHeader);
}

CGXStyle& CGXGridCore::LookupBaseStyle(WORD nID)
{
    if (m_pParam == NULL || m_pParam->GetStylesMap() == NULL)
        AfxThrowNotSupportedException();
    CGXStyle* pStyle = NULL;
    if (!m_pParam->GetStylesMap()->LookupStyle(nID, pStyle))
        AfxThrowNotSupportedException();
    return *pStyle;
}

void CGXGridCore::SetModifiedFlag(BOOL bModified)
{
    if (m_bUpdateDoc && m_pGridDoc != NULL)
        m_pGridDoc->SetModifiedFlag(bModified);
}

void CGXGridCore::SetPrinting(BOOL bPrinting, BOOL bClientToPrint)
{
    if (bPrinting && m_bCurrentCellValid)
    {
        CGXControl* pControl =
            GetRegisteredControl(LookupStyleRowCol(m_nCurrentRow, m_nCurrentCol).GetControl());
        if (pControl != NULL && pControl->IsActive())
        {
            TransferCurrentCell(TRUE, GX_NOREDRAW, TRUE);
            pControl->SetActive(FALSE);
        }
    }
    m_bPrinting = bPrinting;
    if (m_pParam != NULL && m_pParam->GetProperties() != NULL)
        m_pParam->GetProperties()->m_abFlags[CGXProperties::flagPrinting] = bPrinting;
    if (bClientToPrint && m_pGridWnd != NULL && m_pGridWnd->GetSafeHwnd() != NULL)
    {
        m_pGridWnd->GetClientRect(&m_rectPrinting);
        m_nPrintCharWidth = m_nCharWidth;
        m_nPrintCharHeight = m_nCharHeight;
        m_nPrintTopRow = GetFrozenRows() + 1;
        m_nPrintLeftCol = GetFrozenCols() + 1;
    }
}

CRect CGXGridCore::GetDrawingRect() const
{
    CRect rect(0, 0, 0, 0);
    if (m_bPrinting)
        rect = m_rectPrinting;
    else if (!m_rectPreset.IsRectEmpty())
        rect = m_rectPreset;
    else if (m_pGridWnd != NULL && m_pGridWnd->GetSafeHwnd() != NULL)
        m_pGridWnd->GetClientRect(&rect);
    if (rect.right < rect.left || rect.bottom < rect.top)
        rect.SetRectEmpty();
    return rect;
}

int CGXGridCore::SetPaintMode(int nMode)
{
    int nOld = m_nPaintMode;
    m_nPaintMode = nMode;
    return nOld;
}

BOOL CGXGridCore::IsLockUpdate() const
{
    return m_pParam != NULL && m_pParam->m_bRedrawLocked;
}

CString CGXGridCore::GetStoredValueText(ROWCOL nRow, ROWCOL nCol)
{
    CGXStyle style;
    GetStyleRowCol(nRow, nCol, style, gxCopy, 0);
    return style.GetValue();
}

CString CGXGridCore::GetComposedValueText(ROWCOL nRow, ROWCOL nCol)
{
    CGXStyle style;
    ComposeStyleRowCol(nRow, nCol, &style, TRUE);
    return style.GetValue();
}

// -- Current cell: what painting and storage need of it --------------------------------------

BOOL CGXGridCore::GetCurrentCell(ROWCOL& nRow, ROWCOL& nCol)
{
    nRow = m_nCurrentRow;
    nCol = m_nCurrentCol;
    return m_bCurrentCellValid;
}

BOOL CGXGridCore::IsCurrentCell(ROWCOL nRow, ROWCOL nCol)
{
    return m_bCurrentCellValid && nRow == m_nCurrentRow && nCol == m_nCurrentCol;
}

void CGXGridCore::StoreCurrentCell(BOOL bSet, ROWCOL nRow, ROWCOL nCol)
{
    m_bCurrentCellValid = bSet;
    m_nCurrentRow = bSet ? nRow : 0;
    m_nCurrentCol = bSet ? nCol : 0;
    m_bCurrentCellStyleValid = FALSE;
    m_pCurrentCellControl = NULL;
    if (m_pParam != NULL)
    {
        m_pParam->m_nCurrentRow = m_nCurrentRow;
        m_pParam->m_nCurrentCol = m_nCurrentCol;
    }
}

// The old cell is left as by the keyboard: its control stores its edits (or refuses the move)
// and no control stays bound to a cell that is no longer current. The focus, the selection and
// the other views stay as they are.
BOOL CGXGridCore::SetCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT flags)
{
    return ChangeCurrentCell(nRow, nCol, (flags & (GX_UPDATENOW | GX_SMART)) | 0x20 | 0x40 | 0x80);
}

void CGXGridCore::SetWarningText(LPCTSTR pszText)
{
    m_strWarningText = pszText;
}

// -- Selection queries ------------------------------------------------------------------------

BOOL CGXGridCore::CopyRangeList(CGXRangeList& list, BOOL bCanUseCurrentCell)
{
    list.DeleteAll();
    if (m_pParam != NULL)
    {
        POSITION pos = m_pParam->m_SelectedRanges.GetHeadPosition();
        while (pos != NULL)
            list.AddTail(new CGXCellRange(*m_pParam->m_SelectedRanges.GetNext(pos)));
    }
    if (list.IsEmpty() && bCanUseCurrentCell && m_bCurrentCellValid)
        list.AddTail(new CGXCellRange(m_nCurrentRow, m_nCurrentCol));
    return !list.IsEmpty();
}

ROWCOL CGXGridCore::GetSelectedRowIntervals(CDWordArray& awTop, CDWordArray& awBottom, BOOL bRangeRowsOnly,
                                            BOOL bCanUseCurrentCell)
{
    awTop.RemoveAll();
    awBottom.RemoveAll();
    if (m_pParam != NULL)
        m_pParam->m_SelectedRanges.GetRowArray(GetRowCount(), awTop, awBottom, bRangeRowsOnly);
    if (awTop.GetSize() == 0 && bCanUseCurrentCell && m_bCurrentCellValid)
    {
        awTop.Add(m_nCurrentRow);
        awBottom.Add(m_nCurrentRow);
    }
    return (ROWCOL)awTop.GetSize();
}

ROWCOL CGXGridCore::GetSelectedRows(CDWordArray& awRows, BOOL bRangeRowsOnly, BOOL bCanUseCurrentCell)
{
    CDWordArray awTop, awBottom;
    awRows.RemoveAll();
    GetSelectedRowIntervals(awTop, awBottom, bRangeRowsOnly, bCanUseCurrentCell);
    for (INT_PTR i = 0; i < awTop.GetSize(); i++)
        for (ROWCOL r = awTop[i]; r <= awBottom[i]; r++)
            awRows.Add(r);
    return (ROWCOL)awRows.GetSize();
}

BOOL CGXGridCore::IsCellInRangeList(ROWCOL nRow, ROWCOL nCol, const CGXRangeList& list)
{
    return list.IsCellInList(nRow, nCol);
}

BOOL CGXGridCore::ReadCurrentCellText(CString& str)
{
    str.Empty();
    if (!m_bCurrentCellValid)
        return FALSE;
    CGXControl* pControl = GetControl(m_nCurrentRow, m_nCurrentCol);
    if (pControl == NULL)
        return FALSE;
    if (!pControl->IsInitAt(m_nCurrentRow, m_nCurrentCol))
        pControl->Init(m_nCurrentRow, m_nCurrentCol);
    return pControl->GetCurrentText(str);
}

// -- Forwarders to per-grid components: 0 without the component ------------------------------

#define GX_FORWARD(pImp, call) ((pImp) != NULL ? (pImp)->call : 0)
#define GX_FORWARD_VOID(pImp, call)                                                                          \
    if ((pImp) != NULL)                                                                                      \
    (pImp)->call

void CGXGridCore::DiscardUndoInfo()
{
    GX_FORWARD_VOID(m_pUndoImp, DiscardAdvancedUndoInfo(this));
}

CObject* CGXGridCore::TakeAdvancedUndoInfo()
{
    return GX_FORWARD(m_pUndoImp, TakeAdvancedUndoInfo(this));
}

BOOL CGXGridCore::ExecuteCommand(CObject* pCmd, int ctCmd)
{
    return GX_FORWARD(m_pUndoImp, ExecuteCommand(pCmd, this, ctCmd));
}

void CGXGridCore::RemoveCommand(int ctCmd)
{
    GX_FORWARD_VOID(m_pUndoImp, RemoveCommand(this, ctCmd));
}

BOOL CGXGridCore::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    if (m_pUndoImp != NULL)
        return m_pUndoImp->OnUpdateEditUndo(this, pCmdUI);
    pCmdUI->Enable(FALSE);
    return FALSE;
}

BOOL CGXGridCore::OnUpdateEditRedo(CCmdUI* pCmdUI)
{
    if (m_pUndoImp != NULL)
        return m_pUndoImp->OnUpdateEditRedo(this, pCmdUI);
    pCmdUI->Enable(FALSE);
    return FALSE;
}

void CGXGridCore::AddCommand(CObject* pCmd, int ctCmd)
{
    if (pCmd == NULL)
        return;
    if (m_pUndoImp != NULL)
        m_pUndoImp->AddCommand(this, pCmd, ctCmd);
    else
        delete pCmd;
}

BOOL CGXGridCore::Undo()
{
    return GX_FORWARD(m_pUndoImp, Undo(this));
}

BOOL CGXGridCore::Redo()
{
    return GX_FORWARD(m_pUndoImp, Redo(this));
}

void CGXGridCore::BeginTrans(LPCTSTR pszName)
{
    GX_FORWARD_VOID(m_pUndoImp, BeginTransaction(this, pszName));
}

void CGXGridCore::CommitTrans()
{
    GX_FORWARD_VOID(m_pUndoImp, CommitTransaction(this));
}

void CGXGridCore::Rollback()
{
    GX_FORWARD_VOID(m_pUndoImp, Rollback(this));
}

void CGXGridCore::MoveToUndoCell(ROWCOL nRow, ROWCOL nCol, BOOL bMakeCurrent)
{
    GX_FORWARD_VOID(m_pUndoImp, ShowCommandCell(this, nRow, nCol, bMakeCurrent));
}

void CGXGridCore::OnPrepareRedraw(ROWCOL n1, ROWCOL n2, ROWCOL n3, ROWCOL n4)
{
    GX_FORWARD_VOID(m_pPrepareRedrawImp, OnPrepareRedraw(this, n1, n2, n3, n4));
}

// Flag bit 0 keeps the spans' lock, bit 1 lets the component use its cache.
void CGXGridCore::HandleVisibleRange(const CGXCellRange& range, UINT flags)
{
    if (m_pDrawSpannedCellsImp == NULL)
        return;
    CGXCellRange changed;
    if (m_pDrawSpannedCellsImp->PrepareSpans(this, range, GetFrozenRows(), GetFrozenCols(), GetTopRow(),
                                             GetLeftCol(), GetBottomVisibleRow(), GetRightVisibleCol(),
                                             (flags & 1) != 0, &changed, (flags & 2) != 0) &&
        changed.IsValid() && !m_bPrinting && m_pGridWnd != NULL && m_pGridWnd->GetSafeHwnd() != NULL)
    {
        // Spans that grew or shrank beyond the area being painted show at the next paint.
        CGXCellRange wide = changed;
        WidenByCoveredCells(wide);
        CRect rect = CalcRangeRect(wide);
        if (!rect.IsRectEmpty())
            m_pGridWnd->InvalidateRect(&rect, FALSE);
    }
}

void CGXGridCore::DrawMarkEditHeader(ROWCOL nRow, ROWCOL nCol, int nKind, UINT flags)
{
    GX_FORWARD_VOID(m_pMarkEditHeaderImp, MarkEditHeader(this, nRow, nCol, nKind, flags));
}

BOOL CGXGridCore::IsMarkedHeader(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    return GX_FORWARD(m_pMarkEditHeaderImp, IsMarkedHeader(this, nRow, nCol, style));
}

BOOL CGXGridCore::GetMarkedHeaderState(int& nKind, ROWCOL& nIndex)
{
    nKind = m_resize.bTracking ? m_resize.nKind : 0;
    nIndex = nKind == 1 ? m_resize.nRow : nKind == 2 ? m_resize.nCol : 0;
    return nKind != 0;
}

void CGXGridCore::ShowFindDialog(BOOL bFindOnly)
{
    GX_FORWARD_VOID(m_pFindReplaceImp, ShowFindReplaceDialog(this, bFindOnly));
}

BOOL CGXGridCore::SearchNext(BOOL bSelect)
{
    return GX_FORWARD(m_pFindReplaceImp, FindNext(this, bSelect));
}

BOOL CGXGridCore::SearchCellsFrom(ROWCOL& nRow, ROWCOL& nCol, BOOL bSelect)
{
    return GX_FORWARD(m_pFindReplaceImp, FindInColumn(this, nRow, nCol, bSelect));
}

void CGXGridCore::OnFindReplaceNotify(CFindReplaceDialog* pDialog)
{
    GX_FORWARD_VOID(m_pFindReplaceImp, OnFindReplaceMessage(this, pDialog));
}

void CGXGridCore::ReplaceAll(const CGXFindReplaceSettings& settings)
{
    GX_FORWARD_VOID(m_pFindReplaceImp,
                    ReplaceAll(this, settings.m_strFind, settings.m_strReplace, settings.m_bMatchCase));
}

void CGXGridCore::SetSelection(POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight)
{
    GX_FORWARD_VOID(m_pUserSelectRangeImp, SetSelection(this, pos, nTop, nLeft, nBottom, nRight));
}

void CGXGridCore::SelectRange(const CGXCellRange& range, BOOL bSelect, BOOL bUpdate)
{
    GX_FORWARD_VOID(m_pUserSelectRangeImp, SelectRange(this, range, bSelect, bUpdate));
}

BOOL CGXGridCore::StoreSelectRange(const CGXCellRange& range, BOOL bSelect)
{
    return GX_FORWARD(m_pUserSelectRangeImp, StoreSelectRange(this, range, bSelect));
}

void CGXGridCore::UpdateSelectRange(const CGXCellRange& range, const CGXRangeList* pOldList, BOOL bCreateHint)
{
    GX_FORWARD_VOID(m_pUserSelectRangeImp, UpdateSelectRange(this, range, pOldList, bCreateHint));
}

void CGXGridCore::UpdateChangedSelection(POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                         ROWCOL nRight, BOOL bCreateHint)
{
    GX_FORWARD_VOID(m_pUserSelectRangeImp,
                    UpdateChangedSelection(this, pos, nTop, nLeft, nBottom, nRight, bCreateHint));
}

void CGXGridCore::UpdateAllSelected(BOOL bCreateHint)
{
    GX_FORWARD_VOID(m_pUserSelectRangeImp, UpdateAllSelected(this, bCreateHint));
}

BOOL CGXGridCore::CanFreezeCols()
{
    return GX_FORWARD(m_pFreezeMenuHelperImp, CanFreezeCols(this));
}

BOOL CGXGridCore::CanUnfreezeCols()
{
    return GX_FORWARD(m_pFreezeMenuHelperImp, CanUnfreezeCols(this));
}

void CGXGridCore::FreezeCols()
{
    GX_FORWARD_VOID(m_pFreezeMenuHelperImp, FreezeCols(this));
}

void CGXGridCore::UnfreezeCols()
{
    GX_FORWARD_VOID(m_pFreezeMenuHelperImp, UnfreezeCols(this));
}

BOOL CGXGridCore::CanFreezeRows()
{
    return GX_FORWARD(m_pFreezeMenuHelperImp, CanFreezeRows(this));
}

BOOL CGXGridCore::CanUnfreezeRows()
{
    return GX_FORWARD(m_pFreezeMenuHelperImp, CanUnfreezeRows(this));
}

void CGXGridCore::FreezeRows()
{
    GX_FORWARD_VOID(m_pFreezeMenuHelperImp, FreezeRows(this));
}

void CGXGridCore::UnfreezeRows()
{
    GX_FORWARD_VOID(m_pFreezeMenuHelperImp, UnfreezeRows(this));
}

void CGXGridCore::OnChangedSelection(const CGXCellRange*, BOOL, BOOL)
{
    if (m_pParam == NULL || !m_pParam->m_bMarkHeadersOnSelection)
        return;
    ROWCOL nHeaderRows = GetHeaderRows(), nHeaderCols = GetHeaderCols();
    RedrawRange(nHeaderRows + 1, 0, GetRowCount(), nHeaderCols, GX_UPDATENOW, TRUE);
    RedrawRange(0, nHeaderCols + 1, nHeaderRows, GetColCount(), GX_UPDATENOW, TRUE);
}

void CGXGridCore::UpdateExcelFrame(CDC* pDC, BOOL bErase, const CGXCellRange* pRange)
{
    GX_FORWARD_VOID(m_pExcelLikeFrameImp, UpdateFrame(this, pDC, bErase, pRange));
}

void CGXGridCore::DrawExcelFrame(CDC* pDC, const CGXCellRange& range, int nKind, BOOL bHandleOnly)
{
    GX_FORWARD_VOID(m_pExcelLikeFrameImp, DrawFrame(this, pDC, range, nKind, bHandleOnly));
}

BOOL CGXGridCore::ShowExcelFrame(BOOL nState, BOOL bCreateHint)
{
    return GX_FORWARD(m_pExcelLikeFrameImp, ShowFrame(this, nState, bCreateHint));
}

void CGXGridCore::DrawFramePart(CDC* pDC, const CRect& rect, const CRect& rectClip, BOOL bTopVisible,
                                BOOL bLeftVisible, int nKind, BOOL bHandleOnly)
{
    GX_FORWARD_VOID(m_pExcelLikeFrameImp,
                    DrawFramePart(this, pDC, rect, rectClip, bTopVisible, bLeftVisible, nKind, bHandleOnly));
}

void CGXGridCore::DoExcelFill(const CGXCellRange& target, const CGXCellRange& source)
{
    GX_FORWARD_VOID(m_pExcelLikeFillImp, DoFill(this, source, target));
}

void CGXGridCore::SelectFillRange(const CGXCellRange& range)
{
    GX_FORWARD_VOID(m_pExcelLikeFillImp, SelectFillRange(this, range));
}

BOOL CGXGridCore::StartDragSelection(ROWCOL nRow, ROWCOL nCol)
{
    return GX_FORWARD(m_pUserDragSelectRangeImp, StartDragSelection(this, nRow, nCol));
}

BOOL CGXGridCore::MoveDragSelection(ROWCOL nOldRow, ROWCOL nOldCol, ROWCOL nRow, ROWCOL nCol)
{
    return GX_FORWARD(m_pUserDragSelectRangeImp, MoveDragSelection(this, nOldRow, nOldCol, nRow, nCol));
}

BOOL CGXGridCore::DropDragSelection(ROWCOL nTop, ROWCOL nLeft, ROWCOL nRow, ROWCOL nCol)
{
    return GX_FORWARD(m_pUserDragSelectRangeImp, DropDragSelection(this, nTop, nLeft, nRow, nCol));
}

BOOL CGXGridCore::CancelDragSelection()
{
    return GX_FORWARD(m_pUserDragSelectRangeImp, CancelDragSelection(this));
}

BOOL CGXGridCore::CanDragSelectedRows(ROWCOL, ROWCOL)
{
    return ::GetKeyState(VK_CONTROL) >= 0 && ::GetKeyState(VK_SHIFT) >= 0;
}

BOOL CGXGridCore::CanDragSelectedCols(ROWCOL, ROWCOL)
{
    return ::GetKeyState(VK_CONTROL) >= 0 && ::GetKeyState(VK_SHIFT) >= 0;
}

BOOL CGXGridCore::StartResizeTracking(ROWCOL nRow, ROWCOL nCol, int nKind)
{
    return GX_FORWARD(m_pUserResizeCellsImp, StartTracking(this, nRow, nCol, nKind));
}

void CGXGridCore::MoveResizeTracking(ROWCOL nRow, ROWCOL nCol, int nKind, CPoint size)
{
    GX_FORWARD_VOID(m_pUserResizeCellsImp, MoveTracking(this, nRow, nCol, nKind, size));
}

void CGXGridCore::EndResizeTracking(ROWCOL nRow, ROWCOL nCol, int nKind, CPoint size)
{
    GX_FORWARD_VOID(m_pUserResizeCellsImp, EndTracking(this, nRow, nCol, nKind, size));
}

void CGXGridCore::CancelResizeTracking()
{
    GX_FORWARD_VOID(m_pUserResizeCellsImp, CancelTracking(this));
}

void CGXGridCore::SetExcelFillImp(CGXAbstractGridExcelLikeFillImp* pImp, BOOL bAutoDelete)
{
    m_pExcelLikeFillImp = pImp;
    if (bAutoDelete && pImp != NULL)
        AddOwnedImp(pImp);
}

BOOL CGXGridCore::IsRowHidden(ROWCOL nRow)
{
    return GX_FORWARD(m_pHideCellsImp, IsRowHidden(this, nRow));
}

BOOL CGXGridCore::IsColHidden(ROWCOL nCol)
{
    return GX_FORWARD(m_pHideCellsImp, IsColHidden(this, nCol));
}

BOOL CGXGridCore::HideRows(ROWCOL nFirst, ROWCOL nLast, BOOL bHide, BOOL* abHide, UINT flags, int ctCmd)
{
    return GX_FORWARD(m_pHideCellsImp, HideRows(this, nFirst, nLast, bHide, abHide, flags, ctCmd));
}

BOOL CGXGridCore::HideCols(ROWCOL nFirst, ROWCOL nLast, BOOL bHide, BOOL* abHide, UINT flags, int ctCmd)
{
    return GX_FORWARD(m_pHideCellsImp, HideCols(this, nFirst, nLast, bHide, abHide, flags, ctCmd));
}

BOOL CGXGridCore::StoreHideRow(ROWCOL nRow, BOOL bHide)
{
    return GX_FORWARD(m_pHideCellsImp, StoreHideRow(this, nRow, bHide));
}

BOOL CGXGridCore::StoreHideCol(ROWCOL nCol, BOOL bHide)
{
    return GX_FORWARD(m_pHideCellsImp, StoreHideCol(this, nCol, bHide));
}

BOOL CGXGridCore::ResizeRowHeightsToFit(const CGXCellRange& range, BOOL bCoveredCells, UINT flags)
{
    return GX_FORWARD(m_pResizeToFitImp, ResizeRowHeightsToFit(this, range, bCoveredCells, flags));
}

BOOL CGXGridCore::ResizeColWidthsToFit(const CGXCellRange& range, BOOL bCoveredCells, UINT flags)
{
    return GX_FORWARD(m_pResizeToFitImp, ResizeColWidthsToFit(this, range, bCoveredCells, flags));
}

BOOL CGXGridCore::CanUserResizeCol(ROWCOL)
{
    return m_pUserResizeCellsImp != NULL;
}

BOOL CGXGridCore::CanUserResizeRow(ROWCOL)
{
    return m_pUserResizeCellsImp != NULL;
}

void CGXGridCore::OnGridBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    GX_FORWARD_VOID(m_pPrintImp, OnGridBeginPrinting(this, pDC, pInfo));
}

void CGXGridCore::OnGridPrint(CDC* pDC, CPrintInfo* pInfo)
{
    GX_FORWARD_VOID(m_pPrintImp, OnGridPrint(this, pDC, pInfo));
}

void CGXGridCore::OnGridEndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    GX_FORWARD_VOID(m_pPrintImp, OnGridEndPrinting(this, pDC, pInfo));
}

void CGXGridCore::SubtractPrintMargins(CDC*, CRect& rect)
{
    CGXProperties* pProps = m_pParam != NULL ? m_pParam->GetProperties() : NULL;
    if (pProps == NULL)
        return;
    rect.left += pProps->m_anMargins[CGXProperties::marginLeft];
    rect.top += pProps->m_anMargins[CGXProperties::marginTop];
    rect.right -= pProps->m_anMargins[CGXProperties::marginRight];
    rect.bottom -= pProps->m_anMargins[CGXProperties::marginBottom];
}

void CGXGridCore::PrintHeaderAndFooter(CDC* pDC, CPrintInfo* pInfo)
{
    CGXProperties* pProps = m_pParam != NULL ? m_pParam->GetProperties() : NULL;
    if (pProps != NULL)
        pProps->PrintHeaderFooter(pDC, pInfo, m_bIsViewContext ? m_pGridDoc : NULL, m_pParam);
}

// -- Re-evaluation services of the data object ----------------------------------------------

static CGXData* DataOf(CGXGridParam* pParam)
{
    return pParam != NULL ? pParam->GetData() : NULL;
}

BOOL CGXGridCore::IsFormulaCell(ROWCOL nRow, ROWCOL nCol)
{
    CGXData* pData = DataOf(m_pParam);
    if (pData == NULL)
        return FALSE;
    CGXCellRange range;
    if (GetCellSpanRange(nRow, nCol, range))
    {
        nRow = range.top;
        nCol = range.left;
    }
    return pData->IsCellChanged(nRow, nCol);
}

void CGXGridCore::MarkCellForRecalc(ROWCOL nRow, ROWCOL nCol, BOOL bChanged)
{
    if (CGXData* pData = DataOf(m_pParam))
        pData->SetCellChanged(nRow, nCol, bChanged);
}

void CGXGridCore::RecalcRange(const CGXCellRange& range)
{
    if (CGXData* pData = DataOf(m_pParam))
        pData->AddRecalcRange(range);
}

void CGXGridCore::RunRecalcPass(BOOL bForce)
{
    if (CGXData* pData = DataOf(m_pParam))
        pData->Recalc(bForce);
}

BOOL CGXGridCore::UpdateRecalcState(BOOL bReport)
{
    CGXData* pData = DataOf(m_pParam);
    return pData != NULL ? pData->SetReportNextError(bReport) : FALSE;
}

BOOL CGXGridCore::GetRecalcErrorText(CString& strError)
{
    CGXData* pData = DataOf(m_pParam);
    return pData != NULL ? pData->GetLastErrorText(strError) : FALSE;
}

BOOL CGXGridCore::SetRecordUndoInfo(BOOL bRecord)
{
    CGXData* pData = DataOf(m_pParam);
    return pData != NULL ? pData->SetKeepUndoInfo(bRecord) : FALSE;
}

CObject* CGXGridCore::DetachUndoInfo()
{
    CGXData* pData = DataOf(m_pParam);
    return pData != NULL ? pData->DetachUndoInfo() : NULL;
}

BOOL CGXGridCore::ApplyUndoInfo(CObject* pInfo, BOOL bRecordUndo, BOOL bBefore)
{
    CGXData* pData = DataOf(m_pParam);
    return pData != NULL ? pData->ApplyUndoInfo(pInfo, bRecordUndo, bBefore) : FALSE;
}

BOOL g_bGXRecalcKeepsScreen = FALSE;

BOOL CGXGridCore::Recalc(BOOL bForce, CString* pstrError, BOOL bCreateHint)
{
    CGXData* pData = DataOf(m_pParam);
    if (pData == NULL || GetRowCount() == 0 || GetColCount() == 0)
        return FALSE;
    pData->m_nFormulaFlags &= ~CGXData::formulaError;
    pData->m_strFormulaError.Empty();
    IsFormulaCell(1, 1);
    if (pData->m_nFormulaFlags & CGXData::formulaError)
        return FALSE;
    if (bForce)
    {
        UpdateRecalcState(TRUE);
        RunRecalcPass(FALSE);
    }
    if (m_bInitDone && m_pGridWnd != NULL && m_pGridWnd->GetSafeHwnd() != NULL)
    {
        m_pGridWnd->UpdateWindow();
        if (!g_bGXRecalcKeepsScreen || pData->EvaluatesFormulas())
            RedrawAll(GX_UPDATENOW, FALSE);
    }
    if (bCreateHint && IsHintsEnabled())
        m_pUpdateHintImp->HintRecalc(this, pData->m_strFormulaError);
    CString strError;
    if (bForce && GetRecalcErrorText(strError))
    {
        if (pstrError != NULL)
            *pstrError = strError;
        else
            AfxMessageBox(strError);
        UpdateRecalcState(TRUE);
        return FALSE;
    }
    POSITION pos = m_pParam->m_RecalcRangeList.GetHeadPosition();
    while (pos != NULL)
    {
        CGXCellRange* pRange = m_pParam->m_RecalcRangeList.GetNext(pos);
        MarkCellForRecalc(pRange->top, pRange->left, TRUE);
    }
    m_pParam->m_RecalcRangeList.DeleteAll();
    return TRUE;
}

BOOL CGXGridCore::SetRangeName(LPCTSTR pszName, const CGXCellRange& range, CObject* pUndoInfo, UINT flags,
                               int ctCmd)
{
    if (m_pRangeNameImp == NULL)
    {
        delete pUndoInfo;
        return FALSE;
    }
    return m_pRangeNameImp->SetRangeName(this, pszName, range, pUndoInfo, flags, ctCmd);
}

BOOL CGXGridCore::GetRangeName(LPCTSTR pszName, CGXCellRange& range)
{
    return m_pRangeNameImp != NULL && m_pRangeNameImp->GetRangeName(this, pszName, range);
}

BOOL CGXGridCore::DeleteRangeName(LPCTSTR pszName, UINT flags, int ctCmd)
{
    return m_pRangeNameImp != NULL && m_pRangeNameImp->DeleteRangeName(this, pszName, flags, ctCmd);
}

void CGXGridCore::NameWindowFromText()
{
    if (m_pParam != NULL && GetContainerWnd() != NULL)
        SetSheetTabName(m_pParam->m_sWindowSetting);
}

void CGXGridCore::SetSheetTabName(LPCTSTR pszName)
{
    CGXAbstractTabWndInterface* pTabWnd = GXGetAppData()->m_pTabWndInterface;
    if (pTabWnd != NULL && m_pGridWnd != NULL)
    {
        CString sName(pszName);
        pTabWnd->GetOrSetTabName(m_pGridWnd, sName, TRUE);
    }
}
