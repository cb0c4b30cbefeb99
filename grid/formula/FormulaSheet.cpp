// The formula sheet: the grid's data object over an engine sheet.
#include "grid/formula/FormulaSheet.h"
#include "grid/core/AppData.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/GridParam.h"
#include "grid/formula/Evaluator.h"
#include "grid/formula/FormulaParser.h"
#include "grid/formula/FormulaText.h"
#include "grid/formula/RangeNames.h"
#include "grid/formula/ReferenceAdjust.h"
#include "grid/formula/UndoEngineCellsInfo.h"
#include "grid/formula/WorksheetFunctions.h"
#include "GridIds.h"
#include <math.h>
#include <memory>
#include <optional>
#include <stdlib.h>
#include <string.h>
#include <typeinfo>
#include <vector>

IMPLEMENT_SERIAL(CGXFormulaSheet, CGXData, 1)

namespace
{
// Number formats that show dates and times.
BOOL IsDateFormat(unsigned nFormat, BOOL bWithTimeOnly)
{
    return nFormat == 8 || nFormat == 9 || nFormat == 10 || nFormat == 11 || nFormat == 18 ||
           (bWithTimeOnly && nFormat == 13);
}

const WORD kSchema = 1;

// Locks all pools of a sheet for a scope.
struct Locked
{
    int nSheet, nMask;
    explicit Locked(int n) : nSheet(n), nMask(GXLockPools(n, GX_POOL_ALL))
    {
    }
    ~Locked()
    {
        GXUnlockPools(nSheet, nMask);
    }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
};
} // namespace

CGXFormulaSheet::CGXFormulaSheet()
{
    m_nSheet = GXCreateSheet();
    GetContext()->pOwner = this;
    if (GXGetEngineState()->m_pFunctions == NULL)
        GXGetEngineState()->SetWorksheetFunctions(new CGXDefaultWorksheetFunctions);
}

CGXFormulaSheet::~CGXFormulaSheet()
{
    delete m_pUndoInfo;
    GXDeleteSheet(m_nSheet);
}

GX_RANGE CGXFormulaSheet::EngineRange(const CGXCellRange& range) const
{
    if (range.IsRows())
        return GXBoxRef(EngineRow(range.top), 0, EngineRow(range.bottom), GX_MAX_COL);
    if (range.IsCols())
        return GXBoxRef(1, EngineCol(range.left), GX_MAX_ROW, EngineCol(range.right));
    if (range.IsTable())
        return GXBoxRef(1, 0, GX_MAX_ROW, GX_MAX_COL);
    DWORD nBottom = EngineRow(range.bottom), nRight = EngineCol(range.right);
    return GXBoxRef(EngineRow(range.top), EngineCol(range.left), nBottom > GX_MAX_ROW ? GX_MAX_ROW : nBottom,
                    nRight > GX_MAX_COL ? GX_MAX_COL : nRight);
}

void CGXFormulaSheet::ClearEngine()
{
    GX_SHEET_CONTEXT* c = GetContext();
    GXClearChangedRanges(m_nSheet);
    GXFreeSavedCells(m_nSheet);
    for (int i = 0; i < 3; i++)
        GXDeletePoolCells(&c->pools[i]);
    memset(c->apBuckets, 0, sizeof(c->apBuckets));
    free(c->pRowCounts);
    free(c->pColCounts);
    c->pRowCounts = c->pColCounts = NULL;
    c->nRowCountSize = c->nColCountSize = 0;
    c->bExtentValid = 0;
    c->nCells = 0;
    GXDeleteAllRangeNames(m_nSheet);
}

void CGXFormulaSheet::DeleteContents()
{
    CGXData::DeleteContents();
    ClearEngine();
}

void CGXFormulaSheet::InitParamObject(CGXGridParam* pParam)
{
    // The four parameter flags a formula sheet might set are not named anywhere: none is set.
    m_pParam = pParam;
}

void CGXFormulaSheet::Grow(ROWCOL nRow, ROWCOL nCol)
{
    if (nRow > m_nRows)
        m_nRows = nRow;
    if (nCol > m_nCols)
        m_nCols = nCol;
}

// Undo collection.

void CGXFormulaSheet::BeginChange()
{
    GetContext()->bKeepUndo = m_bKeepUndoInfo;
    GetContext()->bUndoBlock = 0;
}

void CGXFormulaSheet::CollectSaved(BOOL bRedo)
{
    GX_SHEET_CONTEXT* c = GetContext();
    if (c->pSaved == NULL)
        return;
    if (m_pUndoInfo == NULL)
        m_pUndoInfo = new CGXUndoEngineCellsInfo;
    GX_SAVED_CELL* pList = NULL;
    while (GX_SAVED_CELL* p = c->pSaved)
    {
        c->pSaved = p->pNext;
        p->pCell = GXDetachCellRecord(p->pCell);
        p->pNext = pList;
        pList = p;
    }
    CGXUndoEngineCellsInfo::Prepend(bRedo ? m_pUndoInfo->m_pRedoCells : m_pUndoInfo->m_pUndoCells, pList);
}

void CGXFormulaSheet::EndChange(const GX_RANGE* pRange, BOOL bClearFirst, BOOL bRecalc)
{
    GX_SHEET_CONTEXT* c = GetContext();
    if (bRecalc && m_nRecalcHolds > 0)
    {
        // Each store would visit every formula: the changes are dropped, which leaves every
        // formula due at the recalculation after the hold.
        GXClearChangedRanges(m_nSheet);
        m_bRecalcPending = TRUE;
    }
    else if (bRecalc)
    {
        int bForeground = c->bForeground;
        c->bForeground = 1;
        GXRecalc(m_nSheet);
        c->bForeground = bForeground;
    }
    c->bKeepUndo = 0;
    BOOL bBlock = c->bUndoBlock;
    c->bUndoBlock = 0;
    if (!m_bKeepUndoInfo)
    {
        GXFreeSavedCells(m_nSheet);
        return;
    }
    if (m_pUndoInfo == NULL)
        m_pUndoInfo = new CGXUndoEngineCellsInfo;
    // Cells of a cell operation are put back before anything else; those of a structure
    // change after the structure is back.
    CollectSaved(bClearFirst);
    if (pRange != NULL)
    {
        m_pUndoInfo->m_range = *pRange;
        // An array result written from the stored cell itself: every cell of its block was
        // saved, so the whole block is cleared and put back on undo. Blocks rewritten by a
        // recalculation elsewhere are left to their saved records.
        if (bBlock && SameReference(*pRange, GXCellRef(c->undoBlock.Row1(), c->undoBlock.Col1())))
            m_pUndoInfo->m_range = c->undoBlock;
        if (bClearFirst)
            m_pUndoInfo->m_bClearRangeFirst = TRUE;
    }
}

CString CGXFormulaSheet::ErrorMessage(DWORD nRow, DWORD nCol, const CString& strError) const
{
    CString s;
    const char* pszColumn = ColumnLetters(nCol);
    s.Format("Cell %s%lu: %s", pszColumn ? pszColumn : "", (unsigned long)nRow, (LPCTSTR)strError);
    return s;
}

// Stores.

BOOL CGXFormulaSheet::SetExpressionRowCol(ROWCOL nRow, ROWCOL nCol, const CString& strFormula)
{
    if (strFormula.IsEmpty() || strFormula[0] != '=')
        return FALSE;
    DWORD r = EngineRow(nRow), c = EngineCol(nCol);
    BeginChange();
    if (!GXStoreFormula(m_nSheet, r, c, strFormula, NULL))
    {
        GX_SHEET_CONTEXT* pContext = GetContext();
        pContext->bKeepUndo = 0;
        if (r <= GX_MAX_ROW && c <= GX_MAX_COL)
        {
            CString strError;
            strError.Format("ERROR: %s (Pos %d)", FormulaErrorText(GXGetLastError()), GXGetLastErrorPos());
            CString s = ErrorMessage(r, c, strError);
            strncpy(pContext->szMessage, s, sizeof(pContext->szMessage) - 1);
            pContext->szMessage[sizeof(pContext->szMessage) - 1] = 0;
            pContext->bReportNextError = 0;
        }
        return FALSE;
    }
    Grow(nRow, nCol);
    GX_CELL* pCell = GXFindCellRecord(m_nSheet, r, c);
    if (pCell->Content() == GX_CONTENT_FORMULA)
    {
        Locked lock(m_nSheet);
        GXRecalcCell(m_nSheet, pCell);
    }
    GX_RANGE range = GXCellRef(r, c);
    GXAddChangedRange(m_nSheet, range);
    EndChange(&range, TRUE);
    return TRUE;
}

BOOL CGXFormulaSheet::SetTextRowCol(ROWCOL nRow, ROWCOL nCol, const CString& strText)
{
    DWORD r = EngineRow(nRow), c = EngineCol(nCol);
    BeginChange();
    // What the user typed is kept as typed: backslashes are not escapes here.
    if (!GXStoreText(m_nSheet, r, c, ""))
    {
        GetContext()->bKeepUndo = 0;
        return FALSE;
    }
    GX_CELL* pCell = GXFindCellRecord(m_nSheet, r, c);
    if (strText.IsEmpty())
        pCell->SetValueKind(GX_CELLVALUE_NONE);
    else
    {
        GX_VALUE v;
        v.nKind = GX_VALUE_STRING;
        v.pszValue = const_cast<char*>((LPCTSTR)strText);
        GXSetCellValue(pCell, v);
    }
    pCell->dwFlags |= GX_CF_CHANGED;
    Grow(nRow, nCol);
    GX_RANGE range = GXCellRef(r, c);
    GXAddChangedRange(m_nSheet, range);
    EndChange(&range, TRUE);
    return TRUE;
}

BOOL CGXFormulaSheet::SetNumberRowCol(ROWCOL nRow, ROWCOL nCol, double d)
{
    DWORD r = EngineRow(nRow), c = EngineCol(nCol);
    BeginChange();
    if (!GXStoreNumber(m_nSheet, r, c, d))
    {
        GetContext()->bKeepUndo = 0;
        return FALSE;
    }
    GXFindCellRecord(m_nSheet, r, c)->dwFlags |= GX_CF_CHANGED;
    Grow(nRow, nCol);
    GX_RANGE range = GXCellRef(r, c);
    GXAddChangedRange(m_nSheet, range);
    EndChange(&range, TRUE);
    return TRUE;
}

GX_CELL* CGXFormulaSheet::EnsureCell(ROWCOL nRow, ROWCOL nCol)
{
    DWORD r = EngineRow(nRow), c = EngineCol(nCol);
    GX_CELL* p = GXFindCellRecord(m_nSheet, r, c);
    if (p != NULL)
        return p;
    if (!GXStoreText(m_nSheet, r, c, ""))
        return NULL;
    p = GXFindCellRecord(m_nSheet, r, c);
    p->SetValueKind(GX_CELLVALUE_NONE);
    Grow(nRow, nCol);
    return p;
}

BOOL CGXFormulaSheet::SetFormatRowCol(ROWCOL nRow, ROWCOL nCol, unsigned nFormat, unsigned nPlaces)
{
    GX_CELL* p = EnsureCell(nRow, nCol);
    if (p == NULL)
        return FALSE;
    CGXStyle* pStyle = dynamic_cast<CGXStyle*>(p->pAttached);
    if (pStyle == NULL)
    {
        pStyle =
            m_pParam && m_pParam->GetStylesMap() ? m_pParam->GetStylesMap()->CreateStyle() : new CGXStyle;
        GXSetAttachedObject(p, pStyle);
    }
    pStyle->SetFormat(nFormat);
    pStyle->SetPlaces(nPlaces);
    return TRUE;
}

BOOL CGXFormulaSheet::GetFormatRowCol(ROWCOL nRow, ROWCOL nCol, unsigned& nFormat, unsigned& nPlaces)
{
    nFormat = nPlaces = 0;
    GX_CELL* p = GXFindCellRecord(m_nSheet, EngineRow(nRow), EngineCol(nCol));
    CGXStyle* pStyle = p ? dynamic_cast<CGXStyle*>(p->pAttached) : NULL;
    if (pStyle == NULL)
        return FALSE;
    nFormat = pStyle->GetFormat();
    nPlaces = pStyle->GetPlaces();
    return TRUE;
}

BOOL CGXFormulaSheet::SetValueRowCol(ROWCOL nRow, ROWCOL nCol, const CString& strText)
{
    if (strText.IsEmpty())
        return SetTextRowCol(nRow, nCol, strText);
    unsigned nFormat, nPlaces;
    GetFormatRowCol(nRow, nCol, nFormat, nPlaces);
    double d;
    CGXAbstractNumberFormattingImp* pParser = GXGetAppData()->m_pNumberFormattingImp;
    if (pParser != NULL && pParser->ParseValue(strText, d))
    {
        if (!SetNumberRowCol(nRow, nCol, d))
            return FALSE;
        if (IsDateFormat(nFormat, TRUE))
            SetFormatRowCol(nRow, nCol, 3, 15);
        return TRUE;
    }
    if (strText.CompareNoCase("#N/A") == 0)
        return SetExpressionRowCol(nRow, nCol, "=NA()");
    if (strText[0] == '\'')
        return SetTextRowCol(nRow, nCol, strText.Mid(1));
    if (strText[0] == '=')
        return SetExpressionRowCol(nRow, nCol, strText);
    COleDateTime dt;
    if (dt.ParseDateTime(strText, 0, LOCALE_USER_DEFAULT))
    {
        double dDate = (DATE)dt;
        if (!SetNumberRowCol(nRow, nCol, dDate))
            return FALSE;
        if (!IsDateFormat(nFormat, FALSE))
        {
            double dDay = floor(dDate);
            BOOL bTime = dDate != dDay;
            SetFormatRowCol(nRow, nCol, !bTime ? 11 : dDay != 0 ? 18 : 13, 0);
        }
        return TRUE;
    }
    return SetTextRowCol(nRow, nCol, strText);
}

BOOL CGXFormulaSheet::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt,
                                       int nType)
{
    return StoreCell(nRow, nCol, pStyle, mt, nType, NULL);
}

BOOL CGXFormulaSheet::AdoptStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle, int nType)
{
    if (IsHeader(nRow, nCol, nType))
        return CGXData::AdoptStyleRowCol(nRow, nCol, pStyle, nType);
    // The engine cell keeps a plain style without its value: one of another class is copied.
    std::unique_ptr<CGXStyle> owned(pStyle);
    const bool bPlain = pStyle != NULL && typeid(*pStyle) == typeid(CGXStyle);
    return StoreCell(nRow, nCol, pStyle, gxOverride, nType, bPlain ? &owned : NULL);
}

BOOL CGXFormulaSheet::StoreCell(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int nType,
                                std::unique_ptr<CGXStyle>* pOwned)
{
    if (IsHeader(nRow, nCol, nType))
        return CGXData::StoreStyleRowCol(nRow, nCol, pStyle, mt, nType);
    DWORD r = EngineRow(nRow), c = EngineCol(nCol);
    if (r > GX_MAX_ROW || c > GX_MAX_COL)
        return FALSE;
    GX_CELL* pCell = GXFindCellRecord(m_nSheet, r, c);
    const int nMode = (int)mt;
    auto removeCell = [&]() {
        BeginChange();
        GXRemoveCellAt(m_nSheet, r, c);
        GX_RANGE range = GXCellRef(r, c);
        GXAddChangedRange(m_nSheet, range);
        EndChange(&range, FALSE);
        return TRUE;
    };
    if (pStyle == NULL || nMode == 4)
        return pCell ? removeCell() : TRUE;
    BOOL bValue = pStyle->GetInclude(CGXStyle::ibValue);
    const BOOL bEmpty = pStyle->IsEmpty();
    // The cell keeps the style without its value: a style given over is that rest itself.
    const CString strValue = pStyle->GetValue();
    const BOOL bNumberValue = pStyle->GetValueType() == GX_VT_NUMBER;
    std::optional<CGXStyle> copy;
    if (pOwned == NULL)
        copy.emplace(*pStyle);
    CGXStyle& rest = pOwned != NULL ? **pOwned : *copy;
    rest.SetInclude(CGXStyle::ibValue, FALSE);
    BOOL bOnlyValue = bValue && rest.IsEmpty();
    if (nMode == gxCopy)
    {
        if (bEmpty)
            return pCell ? removeCell() : TRUE;
        if (bOnlyValue && pCell)
            GXSetAttachedObject(pCell, NULL);
    }
    if (nMode == gxExclude)
    {
        if (bValue && pCell)
        {
            if (pCell->pAttached == NULL)
                return removeCell();
            SetTextRowCol(nRow, nCol, CString());
        }
    }
    else if (bValue)
    {
        BOOL bOk;
        if (bNumberValue && !strValue.IsEmpty())
            bOk = SetNumberRowCol(nRow, nCol, atof(strValue));
        else if (strValue.IsEmpty() || nType != 1)
            bOk = SetTextRowCol(nRow, nCol, strValue);
        else
            bOk = SetValueRowCol(nRow, nCol, strValue);
        if (!bOk)
            return FALSE;
    }
    if (!bOnlyValue && !(nMode == gxExclude && rest.IsEmpty()))
    {
        pCell = EnsureCell(nRow, nCol);
        if (pCell == NULL)
            return FALSE;
        CGXStyle* pAttached = dynamic_cast<CGXStyle*>(pCell->pAttached);
        if (pAttached != NULL)
            pAttached->MergeStyle(rest, mt);
        else if (nMode != gxExclude)
            GXSetAttachedObject(pCell, pOwned != NULL ? pOwned->release() : rest.Clone());
        pCell->dwFlags |= GX_CF_CHANGED;
    }
    return TRUE;
}

void CGXFormulaSheet::ApplyConstraintStyle(CGXStyle& style)
{
    CGXStylesMap* pMap = m_pParam ? m_pParam->GetStylesMap() : NULL;
    if (pMap == NULL)
        return;
    if (m_nConstraintStyle == 0)
    {
        m_nConstraintStyle = pMap->GetBaseStyleIdFromResource(GX_IDS_STYLE_CONSTRAINT);
        if (m_nConstraintStyle == 0)
        {
            CGXStyle red;
            red.SetInterior(RGB(255, 0, 0));
            m_nConstraintStyle = pMap->RegisterStyle(GX_IDS_STYLE_CONSTRAINT, red);
        }
    }
    const CGXStyle* pBase;
    if (pMap->LookupStyle(m_nConstraintStyle, pBase))
        style.MergeStyle(*pBase, gxOverride);
}

BOOL CGXFormulaSheet::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int nType)
{
    if (IsHeader(nRow, nCol, nType))
        return CGXData::GetStyleRowCol(nRow, nCol, style, mt, nType);
    GX_CELL* pCell = GXFindCellRecord(m_nSheet, EngineRow(nRow), EngineCol(nCol));
    if (pCell == NULL)
        return FALSE;
    if (CGXStyle* pAttached = dynamic_cast<CGXStyle*>(pCell->pAttached))
        style.MergeStyle(*pAttached, mt == gxCopy ? gxOverride : mt);
    if (nType == 1)
    {
        style.SetValue(GetExpressionText(pCell));
        style.SetValueType(GX_VT_EXPRESSION);
    }
    else
    {
        style.SetValue(GetValueText(pCell));
        style.SetValueType(pCell->ValueKind() == GX_CELLVALUE_NUMBER  ? GX_VT_NUMBER
                           : pCell->ValueKind() == GX_CELLVALUE_ERROR ? GX_VT_ERROR
                                                                      : GX_VT_TEXT);
    }
    if (GetContext()->bConstraintCheck && (pCell->dwFlags & GX_CF_VIOLATED))
    {
        ApplyConstraintStyle(style);
        pCell->dwFlags |= GX_CF_CHANGED;
    }
    return TRUE;
}

// Texts.

CString CGXFormulaSheet::GetValueText(GX_CELL* pCell)
{
    if (pCell->Content() == GX_CONTENT_FORMULA && !(pCell->dwFlags & GX_CF_CURRENT))
    {
        Locked lock(m_nSheet);
        GXRecalcCell(m_nSheet, pCell);
    }
    if ((pCell->dwFlags & GX_CF_CYCLE) && GetContext()->nIterationLimit == 0)
        return "Cycle!";
    CString s;
    switch (pCell->ValueKind())
    {
    case GX_CELLVALUE_NONE:
        return s;
    case GX_CELLVALUE_EMPTY:
        return "#N/A";
    case GX_CELLVALUE_ERROR:
        return "Error!";
    case GX_CELLVALUE_NUMBER:
        s.Format("%.14g", pCell->dValue);
        return s;
    case GX_CELLVALUE_HEAPSTR:
    case GX_CELLVALUE_INLINESTR:
        return GXCellText(pCell);
    }
    return "Value?";
}

CString CGXFormulaSheet::GetExpressionText(GX_CELL* pCell)
{
    if (pCell->Content() == GX_CONTENT_FORMULA || pCell->Content() == GX_CONTENT_CONSTFORMULA)
    {
        std::string s;
        GXFormulaToText(m_nSheet, pCell->pFormula, s);
        return CString(s.c_str());
    }
    CString s;
    switch (pCell->ValueKind())
    {
    case GX_CELLVALUE_NONE:
        return s;
    case GX_CELLVALUE_EMPTY:
        return "#N/A";
    case GX_CELLVALUE_ERROR:
        return "Error!";
    case GX_CELLVALUE_NUMBER: {
        s.Format("%.14g", pCell->dValue);
        // A date is edited as the date text it shows.
        const CGXStyle* pStyle = dynamic_cast<const CGXStyle*>(pCell->pAttached);
        if (pStyle != NULL && pStyle->GetInclude(CGXStyle::ibFormat) &&
            IsDateFormat(pStyle->GetFormat(), TRUE))
        {
            CGXStyle style(*pStyle);
            style.SetValue(s);
            style.SetValueType(GX_VT_NUMBER);
            GXGetDrawingAndFormatting()->FormatValueText(s, style);
        }
        return s;
    }
    case GX_CELLVALUE_HEAPSTR:
    case GX_CELLVALUE_INLINESTR:
        return "'" + GXCellText(pCell);
    }
    return "Value?";
}

CString CGXFormulaSheet::GetValueTextRowCol(ROWCOL nRow, ROWCOL nCol)
{
    GX_CELL* p = GXFindCellRecord(m_nSheet, EngineRow(nRow), EngineCol(nCol));
    return p ? GetValueText(p) : CString();
}

CString CGXFormulaSheet::GetExpressionTextRowCol(ROWCOL nRow, ROWCOL nCol)
{
    GX_CELL* p = GXFindCellRecord(m_nSheet, EngineRow(nRow), EngineCol(nCol));
    return p ? GetExpressionText(p) : CString();
}

double CGXFormulaSheet::GetNumberRowCol(ROWCOL nRow, ROWCOL nCol)
{
    GX_VALUE v;
    GX_CELL* p = GXGetCellValue(m_nSheet, EngineRow(nRow), EngineCol(nCol), &v);
    if (p != NULL && v.nKind == GX_CELLVALUE_HEAPSTR)
        GXFreeMemory(v.pszValue);
    return p != NULL && v.nKind == GX_CELLVALUE_NUMBER ? v.dValue : 0.0;
}

BOOL CGXFormulaSheet::ParseFormula(LPCTSTR pszFormula, GX_FORMULA* pFormula)
{
    return GXParseFormula(m_nSheet, pszFormula, pFormula);
}

BOOL CGXFormulaSheet::EvaluateFormula(const GX_FORMULA* pFormula, ROWCOL nRow, ROWCOL nCol, CString& strText)
{
    if (pFormula == NULL || pFormula->nValueRoot == GX_NO_NODE)
    {
        strText.Empty();
        return TRUE;
    }
    // A scratch cell that is never linked into the sheet.
    GX_CELL cell;
    memset(&cell, 0, sizeof(cell));
    cell.nRow = EngineRow(nRow);
    cell.nCol = EngineCol(nCol);
    GX_VALUE v = GXEvaluateExpression(m_nSheet, cell.nRow, cell.nCol, pFormula->pNodes, pFormula->nValueRoot);
    if (v.nKind == GX_VALUE_CELL)
    {
        GX_VALUE r = GXResolveValue(m_nSheet, v);
        v = r;
    }
    BOOL bError = v.nKind == GX_VALUE_ERROR;
    if (bError)
        strText = FormulaErrorText((int)v.error.nCode);
    else if (v.nKind == GX_VALUE_NUMBER)
        strText.Format("%.14g", v.dValue);
    else if (v.nKind == GX_VALUE_STRING)
        strText = v.pszValue;
    else if (v.nKind == GX_VALUE_EMPTY)
        strText = "#N/A";
    else
        strText.Empty();
    GXReleaseValue(v);
    return !bError;
}

BOOL CGXFormulaSheet::EvaluateFormulaText(LPCTSTR pszFormula, ROWCOL nRow, ROWCOL nCol, CString& strText)
{
    GX_FORMULA f;
    if (!ParseFormula(pszFormula, &f))
    {
        strText = FormulaErrorText(GXGetLastError());
        return FALSE;
    }
    BOOL b = EvaluateFormula(&f, nRow, nCol, strText);
    GXFreeFormulaParts(&f);
    return b;
}

// Hooks.

BOOL CGXFormulaSheet::IsCellChanged(ROWCOL nRow, ROWCOL nCol)
{
    CGXData::IsCellChanged(nRow, nCol);
    GX_CELL* p = GXFindCellRecord(m_nSheet, EngineRow(nRow), EngineCol(nCol));
    if (p == NULL)
        return FALSE;
    if (p->Content() == GX_CONTENT_FORMULA && !(p->dwFlags & GX_CF_CURRENT))
        return TRUE;
    return (p->dwFlags & GX_CF_CHANGED) != 0;
}

void CGXFormulaSheet::SetCellChanged(ROWCOL nRow, ROWCOL nCol, BOOL bChanged)
{
    if (GX_CELL* p = GXFindCellRecord(m_nSheet, EngineRow(nRow), EngineCol(nCol)))
    {
        if (bChanged)
            p->dwFlags |= GX_CF_CHANGED;
        else
            p->dwFlags &= ~GX_CF_CHANGED;
    }
}

void CGXFormulaSheet::AddRecalcRange(const CGXCellRange& range)
{
    GXAddChangedRange(m_nSheet, EngineRange(range));
}

void CGXFormulaSheet::Recalc(BOOL bForce)
{
    Locked lock(m_nSheet);
    if (bForce)
        GXRecalcForced(m_nSheet);
    else
        GXRecalc(m_nSheet);
    m_bRecalcPending = FALSE;
}

BOOL CGXFormulaSheet::EvaluatesFormulas() const
{
    return TRUE;
}

void CGXFormulaSheet::HoldRecalc(BOOL bHold)
{
    if (bHold)
    {
        m_nRecalcHolds++;
        return;
    }
    if (m_nRecalcHolds == 0 || --m_nRecalcHolds > 0 || !m_bRecalcPending)
        return;
    m_bRecalcPending = FALSE;
    GX_SHEET_CONTEXT* c = GetContext();
    int bForeground = c->bForeground;
    c->bForeground = 1;
    GXRecalc(m_nSheet);
    c->bForeground = bForeground;
}

BOOL CGXFormulaSheet::SetReportNextError(BOOL bReport)
{
    GX_SHEET_CONTEXT* c = GetContext();
    BOOL bOld = c->bReportNextError;
    if (bReport)
        GXSetReportNextError(m_nSheet);
    else
        c->bReportNextError = 0;
    return bOld;
}

BOOL CGXFormulaSheet::GetLastErrorText(CString& strText)
{
    GX_SHEET_CONTEXT* c = GetContext();
    if (c->bReportNextError)
        return FALSE;
    strText = c->szMessage;
    return TRUE;
}

CObject* CGXFormulaSheet::DetachUndoInfo()
{
    CObject* p = m_pUndoInfo;
    m_pUndoInfo = NULL;
    return p;
}

BOOL CGXFormulaSheet::SetKeepUndoInfo(BOOL bKeep)
{
    BOOL bOld = m_bKeepUndoInfo;
    m_bKeepUndoInfo = bKeep;
    return bOld;
}

BOOL CGXFormulaSheet::ApplyUndoInfo(CObject* pObject, BOOL bKeep, BOOL bBefore)
{
    int nWhich = bBefore ? 1 : 0;
    CGXUndoEngineCellsInfo* pInfo = dynamic_cast<CGXUndoEngineCellsInfo*>(pObject);
    if (pInfo == NULL)
        return FALSE;
    GX_SHEET_CONTEXT* c = GetContext();
    BOOL bApplied = pInfo->m_pRedoCells != NULL || (nWhich == 0 && pInfo->m_pUndoCells != NULL) ||
                    pInfo->m_bClearRangeFirst || pInfo->m_pName != NULL;
    {
        Locked lock(m_nSheet);
        c->bKeepUndo = bKeep;
        // The range is cleared every time, so that a cell the operation created goes again on
        // undo and comes back on redo.
        if (pInfo->m_bClearRangeFirst)
            GXClearRange(m_nSheet, pInfo->m_range);
        if (pInfo->m_pName != NULL)
        {
            GXLinkRangeName(m_nSheet, pInfo->m_pName);
            pInfo->m_pName = NULL;
        }
        for (GX_SAVED_CELL** pp :
             {&pInfo->m_pRedoCells, nWhich == 0 ? &pInfo->m_pUndoCells : (GX_SAVED_CELL**)NULL})
        {
            if (pp == NULL)
                continue;
            while (GX_SAVED_CELL* p = *pp)
            {
                *pp = p->pNext;
                GX_CELL* pCell = GXReattachCellRecord(m_nSheet, p->pCell);
                pCell->dwFlags |= GX_CF_CHANGED;
                pCell->dwFlags &= ~(GX_CF_CURRENT | GX_CF_EVALUATING);
                GXReplaceCellRecord(m_nSheet, pCell);
                GXAddChangedRange(m_nSheet, GXCellRef(pCell->nRow, pCell->nCol));
                Grow(pCell->nRow, pCell->nCol + 1);
                delete p;
            }
        }
        GXAddChangedRange(m_nSheet, pInfo->m_range);
    }
    int bForeground = c->bForeground;
    c->bForeground = 1;
    GXRecalc(m_nSheet);
    c->bForeground = bForeground;
    if (bKeep)
    {
        // What was displaced is the way back.
        CGXUndoEngineCellsInfo* pSaved = m_pUndoInfo;
        m_pUndoInfo = pInfo;
        CollectSaved(pInfo->m_bClearRangeFirst);
        m_pUndoInfo = pSaved;
    }
    else
        GXFreeSavedCells(m_nSheet);
    c->bKeepUndo = 0;
    return bApplied;
}

BOOL CGXFormulaSheet::SetRangeName(LPCTSTR pszName, const CGXCellRange& range, CObject* pUndoInfo)
{
    CGXUndoEngineCellsInfo* pInfo = dynamic_cast<CGXUndoEngineCellsInfo*>(pUndoInfo);
    if (pInfo != NULL && pInfo->m_pName != NULL)
    {
        GXLinkRangeName(m_nSheet, pInfo->m_pName);
        pInfo->m_pName = NULL;
    }
    GX_RANGE r = EngineRange(range);
    if (range.IsCells() && range.top == range.bottom && range.left == range.right)
        r = GXCellRef(EngineRow(range.top), EngineCol(range.left));
    if (!GXDefineRangeName(m_nSheet, pszName, r))
        return FALSE;
    GXRecalcForced(m_nSheet);
    if (pInfo != NULL)
        ApplyUndoInfo(pInfo, FALSE, FALSE);
    return TRUE;
}

BOOL CGXFormulaSheet::GetRangeName(LPCTSTR pszName, CGXCellRange& range)
{
    GX_RANGE r;
    if (GXFindRangeName(m_nSheet, pszName, &r) == NULL)
        return FALSE;
    range.SetCells(r.Row1(), r.Col1() + 1, r.Bottom(), r.Right() + 1);
    return TRUE;
}

BOOL CGXFormulaSheet::DeleteRangeName(LPCTSTR pszName, CObject*& pUndoInfo, BOOL bKeep)
{
    GX_SHEET_CONTEXT* c = GetContext();
    c->bKeepUndo = bKeep;
    BOOL b = GXDeleteRangeName(m_nSheet, pszName);
    c->bKeepUndo = 0;
    if (!b)
        return FALSE;
    if (bKeep)
    {
        CGXUndoEngineCellsInfo* pInfo = dynamic_cast<CGXUndoEngineCellsInfo*>(pUndoInfo);
        if (pInfo == NULL)
            pUndoInfo = pInfo = new CGXUndoEngineCellsInfo;
        CGXUndoEngineCellsInfo* pSaved = m_pUndoInfo;
        m_pUndoInfo = pInfo;
        CollectSaved(FALSE);
        m_pUndoInfo = pSaved;
        GX_RANGE_NAME* pName = c->pSavedNames;
        if (pName != NULL)
        {
            c->pSavedNames = pName->pNext;
            pName->pNext = NULL;
            GXFreeRangeName(pInfo->m_pName);
            pInfo->m_pName = pName;
        }
    }
    return TRUE;
}

// Copies and documents.

void CGXFormulaSheet::CopyFrom(const CGXData& src)
{
    if (&src == this)
        return;
    ClearEngine();
    GX_SHEET_CONTEXT* c = GetContext();
    if (const CGXFormulaSheet* pSrc = dynamic_cast<const CGXFormulaSheet*>(&src))
    {
        GX_SHEET_CONTEXT* s = pSrc->GetContext();
        c->nIterationLimit = s->nIterationLimit;
        c->bBlankIsZero = s->bBlankIsZero;
        c->nRecalcMode = s->nRecalcMode;
        c->bForeground = s->bForeground;
        GXSetConstraintCheck(m_nSheet, s->bConstraintCheck);
        for (GX_RANGE_NAME* p = s->pNames; p; p = p->pNext)
            GXDefineRangeName(m_nSheet, p->pszName, p->range);
        for (int i = 0; i < 3; i++)
        {
            GX_POOL_ITER it;
            GXPoolIterInit(&it, &s->pools[i]);
            while (GX_CELL* p = GXPoolIterNext(&it))
            {
                if (!(p->dwFlags & GX_CF_LINKED))
                    continue;
                GX_CELL* q = GXCopyCellRecord(&c->pools[i], p);
                if (q->pFormula != NULL)
                {
                    // Named references must point at this sheet's names: the text is parsed here.
                    std::string text;
                    GXFormulaToText(pSrc->m_nSheet, p->pFormula, text);
                    GX_FORMULA f;
                    if (GXParseFormula(m_nSheet, text.c_str(), &f))
                    {
                        GXFreeFormula(q->pFormula);
                        q->pFormula = GXNewFormula();
                        *q->pFormula = f;
                    }
                }
                GXInsertCellRecord(m_nSheet, q);
            }
        }
        CGXData::CopyFrom(src);
        return;
    }
    CGXData::CopyFrom(src);
    for (INT_PTR r = 1; r < m_apapCellStyle.GetSize(); r++)
    {
        CGXStylePtrArray* pRow = m_apapCellStyle.GetRow(r);
        if (pRow == NULL)
            continue;
        for (INT_PTR col = 1; col < pRow->GetSize(); col++)
            if (CGXStyle* pStyle = pRow->GetStyle(col))
            {
                StoreStyleRowCol((ROWCOL)r, (ROWCOL)col, pStyle, gxOverride, 0);
                delete pStyle;
                pRow->SetAt(col, NULL);
            }
    }
}

void CGXFormulaSheet::Serialize(CArchive& ar)
{
    GX_SHEET_CONTEXT* c = GetContext();
    if (ar.IsStoring())
    {
        ar << kSchema;
        CGXData::Serialize(ar);
        ar << (WORD)c->nIterationLimit << (WORD)c->bBlankIsZero << (WORD)c->nRecalcMode
           << (WORD)c->bForeground << (WORD)c->bConstraintCheck;
        CStringArray names;
        for (GX_RANGE_NAME* p = c->pNames; p; p = p->pNext)
        {
            CString s;
            s.Format("%s=%s", p->pszName, FormatCellReference(p->range));
            names.Add(s);
        }
        names.Serialize(ar);
        {
            Locked lock(m_nSheet);
            GX_POOL_ITER it;
            GXPoolIterInit(&it, &c->pools[1]);
            while (GX_CELL* p = GXPoolIterNext(&it))
                if ((p->dwFlags & GX_CF_LINKED) && !(p->dwFlags & GX_CF_CURRENT))
                    GXRecalcCell(m_nSheet, p);
        }
        for (int i = 0; i < 3; i++)
        {
            GX_POOL_ITER it;
            GXPoolIterInit(&it, &c->pools[i]);
            while (GX_CELL* p = GXPoolIterNext(&it))
            {
                if (!(p->dwFlags & GX_CF_LINKED))
                    continue;
                ar << (BYTE)1 << (BYTE)p->Content() << (BYTE)p->ValueKind()
                   << (BYTE)((p->dwFlags >> 15) & 0xFF) << (DWORD)p->nRow << (DWORD)p->nCol;
                ar.WriteObject(p->pAttached);
                if (p->Content() == GX_CONTENT_NONE)
                    continue;
                if (p->Content() == GX_CONTENT_FORMULA || p->Content() == GX_CONTENT_CONSTFORMULA)
                {
                    std::string text;
                    GXFormulaToText(m_nSheet, p->pFormula, text);
                    ar << CString(text.c_str());
                }
                switch (p->ValueKind())
                {
                case GX_CELLVALUE_ERROR:
                    ar << (WORD)p->error.nCode;
                    break;
                case GX_CELLVALUE_NUMBER:
                    ar << p->dValue;
                    break;
                case GX_CELLVALUE_HEAPSTR:
                case GX_CELLVALUE_INLINESTR:
                    ar << GXCellText(p);
                    break;
                }
            }
        }
        ar << (BYTE)0;
        return;
    }

    WORD wSchema;
    ar >> wSchema;
    if (wSchema != kSchema)
        AfxThrowArchiveException(CArchiveException::badSchema);
    CGXData::Serialize(ar);
    ClearEngine();
    GX_CELL* pPending = NULL;
    CObject* pStyle = NULL;
    try
    {
        WORD w[5];
        for (WORD& x : w)
            ar >> x;
        if (!GXSetIterationLimit(m_nSheet, w[0]) || !GXSetBlankIsZero(m_nSheet, w[1]) ||
            !GXSetRecalcMode(m_nSheet, w[2]) || !GXSetForeground(m_nSheet, w[3]) ||
            !GXSetConstraintCheck(m_nSheet, w[4]))
            AfxThrowArchiveException(CArchiveException::generic);
        CStringArray names;
        names.Serialize(ar);
        for (INT_PTR i = 0; i < names.GetSize(); i++)
        {
            int n = names[i].Find('=');
            GX_RANGE r;
            if (n <= 0 || !ParseCellReference(names[i].Mid(n + 1), &r) ||
                !GXDefineRangeName(m_nSheet, names[i].Left(n), r))
                AfxThrowArchiveException(CArchiveException::generic);
        }
        for (;;)
        {
            BYTE bTag, bContent, bValueKind, bFlags;
            ar >> bTag;
            if (bTag == 0)
                break;
            DWORD nRow, nCol;
            ar >> bContent >> bValueKind >> bFlags >> nRow >> nCol;
            if (bTag != 1 || bContent > GX_CONTENT_CONSTFORMULA || bValueKind > GX_CELLVALUE_INLINESTR ||
                nRow < 1 || nRow > GX_MAX_ROW || nCol > GX_MAX_COL)
                AfxThrowArchiveException(CArchiveException::generic);
            ar >> pStyle;
            if (pStyle != NULL && dynamic_cast<CGXStyle*>(pStyle) == NULL)
                AfxThrowArchiveException(CArchiveException::generic);
            int nPool = bContent == GX_CONTENT_FORMULA ? GX_POOL_FORMULA
                        : bContent == GX_CONTENT_NONE  ? GX_POOL_PLACEHOLDER
                                                       : GX_POOL_CONST;
            pPending = GXAllocCellRecord(GXGetPool(c, nPool));
            pPending->nRow = nRow;
            pPending->nCol = nCol;
            pPending->pAttached = pStyle;
            pStyle = NULL;
            pPending->dwFlags |= bContent;
            if (bContent == GX_CONTENT_FORMULA || bContent == GX_CONTENT_CONSTFORMULA)
            {
                CString strFormula;
                ar >> strFormula;
                GX_FORMULA f;
                if (!GXParseFormula(m_nSheet, strFormula, &f))
                    AfxThrowArchiveException(CArchiveException::generic);
                pPending->pFormula = GXNewFormula();
                *pPending->pFormula = f;
            }
            if (bContent != GX_CONTENT_NONE)
            {
                GX_VALUE v;
                memset(&v, 0, sizeof(v));
                CString strText;
                switch (bValueKind)
                {
                case GX_CELLVALUE_ERROR: {
                    WORD wCode;
                    ar >> wCode;
                    v = GXErrorValue(wCode, NULL);
                    GXSetCellValue(pPending, v);
                    break;
                }
                case GX_CELLVALUE_NUMBER:
                    ar >> v.dValue;
                    GXSetCellValue(pPending, GXNumberValue(v.dValue));
                    break;
                case GX_CELLVALUE_HEAPSTR:
                case GX_CELLVALUE_INLINESTR:
                    ar >> strText;
                    v.nKind = GX_VALUE_STRING;
                    v.pszValue = const_cast<char*>((LPCTSTR)strText);
                    GXSetCellValue(pPending, v);
                    break;
                default:
                    pPending->SetValueKind(bValueKind);
                    break;
                }
            }
            pPending->dwFlags = (pPending->dwFlags & ~(0xFFu << 15)) | ((DWORD)bFlags << 15);
            pPending->nStamp = c->nGeneration;
            GXReplaceCellRecord(m_nSheet, pPending);
            pPending = NULL;
            Grow(nRow, nCol + 1);
        }
    }
    catch (CException*)
    {
        delete pStyle;
        if (pPending != NULL)
            GXFreeCellRecord(pPending);
        ClearEngine();
        throw;
    }
}

// Structure changes.

BOOL CGXFormulaSheet::InsertInEngine(BOOL bRows, DWORD nFirst, DWORD nCount)
{
    BeginChange();
    if (!GXInsertRowsCols(m_nSheet, bRows, nFirst, nCount))
    {
        GetContext()->bKeepUndo = 0;
        return FALSE;
    }
    EndChange(NULL, FALSE);
    return TRUE;
}

void CGXFormulaSheet::RemoveInEngine(BOOL bRows, DWORD nFirst, DWORD nCount)
{
    BeginChange();
    GXRemoveRowsCols(m_nSheet, bRows, nFirst, nCount);
    EndChange(NULL, FALSE);
}

void CGXFormulaSheet::MoveInEngine(BOOL bRows, DWORD nFirst, DWORD nLast, DWORD nDest)
{
    BeginChange();
    GXMoveRowsCols(m_nSheet, bRows, nFirst, nLast, nDest);
    EndChange(NULL, FALSE);
}

BOOL CGXFormulaSheet::InsertRows(ROWCOL nRow, ROWCOL nCount)
{
    return InsertInEngine(TRUE, EngineRow(nRow), nCount) && CGXData::InsertRows(nRow, nCount);
}

BOOL CGXFormulaSheet::InsertCols(ROWCOL nCol, ROWCOL nCount)
{
    return InsertInEngine(FALSE, EngineCol(nCol), nCount) && CGXData::InsertCols(nCol, nCount);
}

// Only rows and columns that exist go.
BOOL CGXFormulaSheet::RemoveRows(ROWCOL nFirst, ROWCOL nLast)
{
    if (nLast > m_nRows)
        nLast = m_nRows;
    if (nFirst >= 1 && nFirst <= nLast)
        RemoveInEngine(TRUE, EngineRow(nFirst), nLast - nFirst + 1);
    return CGXData::RemoveRows(nFirst, nLast);
}

BOOL CGXFormulaSheet::RemoveCols(ROWCOL nFirst, ROWCOL nLast)
{
    if (nLast > m_nCols)
        nLast = m_nCols;
    if (nFirst >= 1 && nFirst <= nLast)
        RemoveInEngine(FALSE, EngineCol(nFirst), nLast - nFirst + 1);
    return CGXData::RemoveCols(nFirst, nLast);
}

BOOL CGXFormulaSheet::MoveRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest)
{
    MoveInEngine(TRUE, EngineRow(nFirst), EngineRow(nLast), EngineRow(nDest));
    return CGXData::MoveRows(nFirst, nLast, nDest);
}

BOOL CGXFormulaSheet::MoveCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest)
{
    MoveInEngine(FALSE, EngineCol(nFirst), EngineCol(nLast), EngineCol(nDest));
    return CGXData::MoveCols(nFirst, nLast, nDest);
}

BOOL CGXFormulaSheet::CopyCells(const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol)
{
    GX_RANGE src = EngineRange(range);
    BeginChange();
    GXCopyCells(m_nSheet, src, EngineRow(nDestRow), EngineCol(nDestCol));
    GX_RANGE dest;
    GXOffsetRange(&dest, src, EngineRow(nDestRow), EngineCol(nDestCol));
    GXAddChangedRange(m_nSheet, dest);
    EndChange(&dest, TRUE);
    Grow(dest.Row2(), dest.Col2() + 1);
    return TRUE;
}

BOOL CGXFormulaSheet::MoveCells(const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol,
                                CObject*& pUndoInfo, BOOL, int)
{
    // What the move overwrites is kept by the sheet's own undo recording, so no information
    // of the data object's kind is made.
    return MoveCells(range, nDestRow, nDestCol, pUndoInfo, FALSE);
}

BOOL CGXFormulaSheet::MoveCells(const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol,
                                CObject* pUndoInfo, BOOL bKeep)
{
    GX_RANGE src = EngineRange(range);
    GX_SHEET_CONTEXT* c = GetContext();
    c->bKeepUndo = bKeep || m_bKeepUndoInfo;
    GXMoveCells(m_nSheet, src, EngineRow(nDestRow), EngineCol(nDestCol), 0);
    if (CGXUndoEngineCellsInfo* pInfo = dynamic_cast<CGXUndoEngineCellsInfo*>(pUndoInfo))
    {
        Locked lock(m_nSheet);
        for (GX_SAVED_CELL** pp : {&pInfo->m_pRedoCells, &pInfo->m_pUndoCells})
            while (GX_SAVED_CELL* p = *pp)
            {
                *pp = p->pNext;
                GX_CELL* pCell = GXReattachCellRecord(m_nSheet, p->pCell);
                pCell->dwFlags |= GX_CF_CHANGED;
                GXReplaceCellRecord(m_nSheet, pCell);
                GXAddChangedRange(m_nSheet, GXCellRef(pCell->nRow, pCell->nCol));
                delete p;
            }
    }
    GX_RANGE dest;
    GXOffsetRange(&dest, src, EngineRow(nDestRow), EngineCol(nDestCol));
    Grow(dest.Row2(), dest.Col2() + 1);
    int bForeground = c->bForeground;
    c->bForeground = 1;
    GXRecalc(m_nSheet);
    c->bForeground = bForeground;
    c->bKeepUndo = 0;
    if (bKeep || m_bKeepUndoInfo)
    {
        CGXUndoEngineCellsInfo* pInfo = dynamic_cast<CGXUndoEngineCellsInfo*>(pUndoInfo);
        CGXUndoEngineCellsInfo* pSaved = m_pUndoInfo;
        if (pInfo != NULL)
            m_pUndoInfo = pInfo;
        CollectSaved(FALSE);
        if (pInfo != NULL)
            m_pUndoInfo = pSaved;
    }
    else
        GXFreeSavedCells(m_nSheet);
    return TRUE;
}

BOOL CGXFormulaSheet::ReorderInEngine(BOOL bRows, const CDWordArray& awOrder, ROWCOL nFirst)
{
    std::vector<DWORD> order(awOrder.GetSize());
    for (INT_PTR i = 0; i < awOrder.GetSize(); i++)
        order[i] = bRows ? EngineRow(awOrder[i]) : EngineCol(awOrder[i]);
    BeginChange();
    BOOL b = GXReorderRowsCols(m_nSheet, bRows, bRows ? EngineRow(nFirst) : EngineCol(nFirst), order.data(),
                               (DWORD)order.size());
    EndChange(NULL, FALSE);
    return b;
}

BOOL CGXFormulaSheet::ReorderRows(const CDWordArray& awOrder, ROWCOL nFirst)
{
    BOOL b = ReorderInEngine(TRUE, awOrder, nFirst);
    CGXData::ReorderRows(awOrder, nFirst);
    return b;
}

BOOL CGXFormulaSheet::ReorderCols(const CDWordArray& awOrder, ROWCOL nFirst)
{
    BOOL b = ReorderInEngine(FALSE, awOrder, nFirst);
    CGXData::ReorderCols(awOrder, nFirst);
    return b;
}
