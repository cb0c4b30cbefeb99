// The cell-control base: binding to a cell, its style copy, cell rectangles, the current-cell
// marker, frames and value texts. Editing, keys and the clipboard come with the edit control.
#include "grid/core/Control.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"

const GX_CONTROL_CLASSINFO CGXControl::controlClassCGXControl = {"CGXControl", NULL};

CGXControl::CGXControl(CGXGridCore* pGrid) : m_pGrid(pGrid)
{
}

CGXControl::~CGXControl()
{
    delete m_pStyle;
    if (m_pChildList != NULL)
    {
        POSITION pos = m_pChildList->GetHeadPosition();
        while (pos != NULL)
            delete (CGXChild*)m_pChildList->GetNext(pos);
        delete m_pChildList;
    }
    delete m_pCellTip;
}

const GX_CONTROL_CLASSINFO* CGXControl::GetControlClass() const
{
    return &controlClassCGXControl;
}

CRuntimeClass* CGXControl::GetWndRuntimeClass()
{
    return NULL;
}

CWnd* CGXControl::GetWndPtr() const
{
    return NULL;
}

void CGXControl::SetActive(BOOL)
{
}

BOOL CGXControl::IsActive()
{
    return FALSE;
}

void CGXControl::SetModify(BOOL)
{
}

BOOL CGXControl::GetModify()
{
    return FALSE;
}

BOOL CGXControl::Store()
{
    return FALSE;
}

BOOL CGXControl::IsKindOf(const GX_CONTROL_CLASSINFO* pClass) const
{
    for (const GX_CONTROL_CLASSINFO* p = GetControlClass(); p != NULL; p = p->m_pBaseClass)
        if (p == pClass || lstrcmpA(p->m_lpszClassName, pClass->m_lpszClassName) == 0)
            return TRUE;
    return FALSE;
}

BOOL CGXControl::IsWndKindOf(CRuntimeClass* pClass)
{
    CWnd* pWnd = GetWndPtr();
    return pWnd != NULL && pWnd->IsKindOf(pClass);
}

void CGXControl::Init(ROWCOL nRow, ROWCOL nCol)
{
    m_nRow = nRow;
    m_nCol = nCol;
    m_bInit = TRUE;
    SetActive(FALSE);
    SetModify(FALSE);
    FreeStyle(FALSE);
    m_pActiveChild = NULL;
    LayoutChildren(nRow, nCol, CGXControl::GetCellRect(nRow, nCol));
}

void CGXControl::Reset()
{
    Hide();
    SetModify(FALSE);
    SetActive(FALSE);
    FreeStyle(TRUE);
    m_bInit = FALSE;
}

CGXStyle& CGXControl::LoadStyle()
{
    if (m_pStyle == NULL)
    {
        m_pStyle = m_pGrid->CreateStyle();
        m_pGrid->ComposeStyleRowCol(m_nRow, m_nCol, m_pStyle);
    }
    return *m_pStyle;
}

void CGXControl::FreeStyle(BOOL bReleaseCache)
{
    if (m_pStyle != NULL)
    {
        m_pGrid->RecycleStyle(m_pStyle);
        m_pStyle = NULL;
    }
    if (bReleaseCache)
        m_pGrid->m_bCurrentCellStyleValid = FALSE;
}

CWnd* CGXControl::GetGridWnd() const
{
    return m_pGrid->GridWnd();
}

CFont* CGXControl::SelectStyleFont(CDC* pDC, const CGXStyle& style, const CGXStyle* pReferenceStyle)
{
    return m_pGrid->SelectCellFont(pDC, style, pReferenceStyle);
}

CRect CGXControl::GetCellRect(ROWCOL nRow, ROWCOL nCol, LPRECT rectItem, const CGXStyle* pStyle)
{
    CRect rect = rectItem != NULL ? CRect(rectItem) : m_pGrid->CalcCellRect(nRow, nCol);
    const CGXStyle& style = pStyle != NULL ? *pStyle : m_pGrid->LookupStyleRowCol(nRow, nCol);
    CRect inner;
    m_pGrid->SubtractBorders(inner, rect, style, TRUE);
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != NULL && !pParam->m_bNoFrozenLineAdjust)
    {
        // The last frozen column (row) carries the frozen boundary line on its right (bottom).
        ROWCOL nFrozenCols = m_pGrid->GetFrozenCols(), nFrozenRows = m_pGrid->GetFrozenRows();
        if (m_pGrid->GetLinesOption(TRUE) && nCol > m_pGrid->GetHeaderCols() && nCol == nFrozenCols &&
            !style.HasBorder(CGXStyle::sideRight))
            inner.right--;
        if (m_pGrid->GetLinesOption(FALSE) && nRow > m_pGrid->GetHeaderRows() && nRow == nFrozenRows &&
            !style.HasBorder(CGXStyle::sideBottom))
            inner.bottom--;
    }
    return inner;
}

CSize CGXControl::AddBorders(CSize size, const CGXStyle& style)
{
    return m_pGrid->CalcBorderExtent(size.cx, size.cy, style);
}

CSize CGXControl::CalcSize(CDC*, ROWCOL, ROWCOL, const CGXStyle&, const CGXStyle*, BOOL)
{
    return CSize(0, 0);
}

BOOL CGXControl::HasValueText(ROWCOL, ROWCOL, const CGXStyle& style)
{
    return !style.GetValue().IsEmpty();
}

BOOL CGXControl::CanFloatCell(ROWCOL, ROWCOL, const CGXStyle&, BOOL)
{
    return FALSE;
}

void CGXControl::DrawBackground(CDC* pDC, const CRect& rect)
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam == NULL || pParam->m_bHideMarker)
        return;
    if (pParam->m_wActivateFlags == 4 && GetWndPtr() != NULL)
        return;
    if (pParam->m_wMarkerVisibility == 2 ? !m_pGrid->HasFocus() : pParam->m_wMarkerVisibility != 0)
        return;
    CGXProperties* pProps = pParam->GetProperties();
    CString strKind;
    if (pProps != NULL)
        strKind = pProps->GetUserProperty(GX_IDS_UA_MARKER).GetValue();
    if (pProps != NULL && (strKind == pProps->m_sMarkerFrame || strKind == pProps->m_sMarkerFrameBold))
    {
        CGXCellPen pen(PS_SOLID, strKind == pProps->m_sMarkerFrameBold ? 2 : 1, RGB(0, 0, 0));
        static const int sides[] = {CGXStyle::sideTop, CGXStyle::sideBottom, CGXStyle::sideLeft,
                                    CGXStyle::sideRight};
        for (int nSide : sides)
            m_pGrid->DrawBorderLine(pen, rect, nSide, pDC, NULL);
        return;
    }
    if (pProps != NULL && strKind == pProps->m_sMarkerNone)
        return;
    int w = pProps != NULL && strKind == pProps->m_sMarkerInvertBold ? 2 : 1;
    // Side strips first; top and bottom only between them, so no pixel is inverted twice.
    CRect strips[4] = {CRect(rect.left, rect.top, rect.left + w, rect.bottom),
                       CRect(rect.right - w, rect.top, rect.right, rect.bottom),
                       CRect(rect.left + w, rect.top, rect.right - w, rect.top + w),
                       CRect(rect.left + w, rect.bottom - w, rect.right - w, rect.bottom)};
    for (const CRect& r : strips)
        if (!r.IsRectEmpty())
            pDC->InvertRect(&r);
}

void CGXControl::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                      const CGXStyle* /*pStandardStyle*/)
{
    // Children are laid out in the cell less its borders, not in a control's text rectangle.
    LayoutChildren(nRow, nCol, CGXControl::GetCellRect(nRow, nCol, &rect, &style));
    // Children of the current cell draw active; which of them holds the focus they ask HasFocus.
    BOOL bActive = m_pGrid->IsCurrentCell(nRow, nCol) && !m_pGrid->IsPrinting();
    for (INT_PTR i = 0; i < GetChildCount(); i++)
        GetChild(i)->Draw(pDC, bActive, style);
}

void CGXControl::GetTextFromStyle(ROWCOL, ROWCOL, const CGXSortInfoEntry&, const CGXStyle& style,
                                  CString& strResult)
{
    strResult = style.GetValue();
}

BOOL CGXControl::GetCurrentText(CString& strResult)
{
    if (m_pStyle != NULL && m_pStyle->GetInclude(CGXStyle::ibValue))
        strResult = m_pStyle->GetValue();
    else if (m_bInit)
        FormatValueText(strResult, m_nRow, m_nCol, NULL, LoadStyle());
    else
        strResult.Empty();
    return TRUE;
}

BOOL CGXControl::GetValue(CString& strResult)
{
    if (!m_bInit)
        return FALSE;
    CGXStyle& style = LoadStyle();
    if (!style.GetInclude(CGXStyle::ibValue))
        return FALSE;
    strResult = style.GetValue();
    return TRUE;
}

void CGXControl::SetValue(LPCTSTR pszRawValue)
{
    if (m_bInit)
        LoadStyle().SetValue(pszRawValue);
}

BOOL CGXControl::FormatValueText(CString& strResult, ROWCOL, ROWCOL, LPCTSTR pszRawValue,
                                 const CGXStyle& style)
{
    BOOL bFormat = style.GetInclude(CGXStyle::ibFormat) && style.GetFormat() != 0;
    if (pszRawValue != NULL)
    {
        if (bFormat)
            GXGetDrawingAndFormatting()->FormatValueText(strResult, style, pszRawValue);
        else
            strResult = pszRawValue;
        return TRUE;
    }
    if (!style.GetInclude(CGXStyle::ibValue))
        return FALSE;
    if (bFormat)
        GXGetDrawingAndFormatting()->FormatValueText(strResult, style);
    else
        strResult = style.GetValue();
    return TRUE;
}

BOOL CGXControl::StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int mode, int nType,
                            const CGXStyle* pOldStyle)
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != NULL && pParam->m_bProtectReadOnly &&
        (m_pGrid->IsReadOnly() ||
         (pOldStyle != NULL && pOldStyle->GetInclude(CGXStyle::ibReadOnly) && pOldStyle->GetReadOnly())))
        return FALSE;
    if (!m_pGrid->StoreStyleRowCol(nRow, nCol, pStyle, mode, nType))
        return FALSE;
    if (IsInitAt(nRow, nCol))
    {
        FreeStyle(TRUE);
        if (mode != gxExclude && pStyle != NULL && pStyle->GetInclude(CGXStyle::ibControl))
            m_pGrid->m_pCurrentCellControl = NULL;
        Refresh();
    }
    return TRUE;
}

BOOL CGXControl::GetChoiceListItem(CString& strResult, LPCTSTR pszChoiceList, int nIndex)
{
    CString strList = pszChoiceList, strLine;
    for (int i = 0; i <= nIndex; i++)
    {
        if (strList.IsEmpty())
        {
            strResult.Empty();
            return FALSE;
        }
        GXTakeFirstLine(strList, strLine);
    }
    strResult = strLine;
    return TRUE;
}

void CGXControl::Hide()
{
}

void CGXControl::Refresh()
{
    if (!m_bInit)
        return;
    Hide();
    CWnd* pWnd = m_pGrid->GridWnd();
    if (pWnd != NULL && pWnd->GetSafeHwnd() != NULL)
    {
        CRect rect = m_pGrid->CalcCellRect(m_nRow, m_nCol);
        pWnd->InvalidateRect(&rect, FALSE);
    }
}

void CGXControl::LayoutChildren(ROWCOL, ROWCOL, const CRect&)
{
}

void CGXControl::DrawFrame(CDC* pDC, const CRect& rect, const CGXStyle& style, BOOL bForce)
{
    if (!bForce)
        return;
    m_pGrid->DrawBrushRect(pDC, rect, style.GetInterior());
    Draw3dFrame(pDC, rect, style);
}

void CGXControl::Draw3dFrame(CDC* pDC, const CRect& rect, const CGXStyle& style)
{
    UINT nKind = style.GetInclude(CGXStyle::ib3dFrame) ? style.GetDraw3dFrame() : 0;
    if (nKind != 1 && nKind != 2)
        return;
    CRect inner;
    m_pGrid->SubtractBorders(inner, rect, style, FALSE);
    inner.left--;
    inner.top--;
    COLORREF crLight = ::GetSysColor(COLOR_BTNHIGHLIGHT), crDark = ::GetSysColor(COLOR_BTNSHADOW);
    GXGetDrawingAndFormatting()->Draw3dFrame(pDC, inner.left, inner.top, inner.right, inner.bottom, 1,
                                             nKind == 1 ? crLight : crDark, nKind == 1 ? crDark : crLight);
}

BOOL CGXControl::IsReadOnly()
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam == NULL || !pParam->m_bProtectReadOnly)
        return FALSE;
    if (m_pGrid->IsReadOnly())
        return TRUE;
    CGXStyle& style = LoadStyle();
    return style.GetInclude(CGXStyle::ibReadOnly) && style.GetReadOnly();
}

void CGXControl::AddChild(CGXChild* pChild)
{
    if (m_pChildList == NULL)
        m_pChildList = new CPtrList(10);
    m_pChildList->AddTail(pChild);
}

void CGXControl::RemoveChild(CGXChild* pChild)
{
    POSITION pos = m_pChildList != NULL ? m_pChildList->Find(pChild) : NULL;
    if (pos != NULL)
        m_pChildList->RemoveAt(pos);
}

CGXChild* CGXControl::GetChild(INT_PTR i) const
{
    POSITION pos = m_pChildList != NULL ? m_pChildList->FindIndex(i) : NULL;
    return pos != NULL ? (CGXChild*)m_pChildList->GetAt(pos) : NULL;
}

void CGXControl::SetCellTip(CGXCellTipBase* pTip)
{
    if (m_pCellTip != pTip)
        delete m_pCellTip;
    m_pCellTip = pTip;
}

int CGXControl::GetCellTipKind(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    return m_pCellTip != NULL ? m_pCellTip->GetTipKind(nRow, nCol, style) : 0x7FFFFFFF;
}

void CGXControl::AddUserAttributes(CGXStylesMap* pStylesMap)
{
    CGXStyle msg;
    msg.SetWrapText(TRUE).SetAutoSize(TRUE);
    pStylesMap->AddUserAttribute(GX_IDS_UA_VALID_MSG, &msg);
    CGXStyle spin;
    spin.SetControl(GX_IDS_CTRL_SPINEDIT).SetWrapText(FALSE);
    pStylesMap->AddUserAttribute(GX_IDS_UA_VALID_MAX, &spin);
    pStylesMap->AddUserAttribute(GX_IDS_UA_VALID_MIN, &spin);
    CGXStyle check;
    check.SetControl(GX_IDS_CTRL_CHECKBOX3D)
        .SetHorizontalAlignment(DT_CENTER)
        .SetVerticalAlignment(DT_VCENTER);
    pStylesMap->AddUserAttribute(GX_IDS_UA_RTLREADING, &check);
}
