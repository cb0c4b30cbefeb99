// Spin edit cells.
#include "grid/controls/SpinEdit.h"
#include "grid/controls/ArrowButton.h"
#include "grid/core/GridCore.h"
#include "grid/core/StylesMap.h"
#include "GridIds.h"
#include <algorithm>
#include <climits>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CGXSpinEdit, CGXEditControl)
GX_IMPLEMENT_CONTROL(CGXSpinEdit, CGXEditControl)

namespace
{
// Width the arrows take from the text.
const int arrowsWidth = 14;

// A whole number as text reads it: leading digits, anything else 0, held at the 32-bit bounds.
long long LeadingNumber(LPCTSTR psz)
{
    return strtol(psz, NULL, 10);
}
} // namespace

CGXSpinEdit::CGXSpinEdit(CGXGridCore* pGrid, UINT nID)
    : CGXEditControl(pGrid, nID), m_pUpButton(new CGXUpArrowButton(this)),
      m_pDownButton(new CGXDownArrowButton(this))
{
    AddChild(m_pUpButton);
    AddChild(m_pDownButton);
}

void CGXSpinEdit::RegisterUserAttributes(CGXStylesMap* pStylesMap)
{
    CGXStyle number;
    number.SetControl(GX_IDS_CTRL_SPINEDIT).SetWrapText(FALSE);
    for (WORD nID : {GX_IDS_UA_SPINBOUND_MIN, GX_IDS_UA_SPINBOUND_MAX, GX_IDS_UA_SPINSTART})
        pStylesMap->AddUserAttribute(nID, &number);
    CGXStyle check;
    check.SetControl(GX_IDS_CTRL_CHECKBOX3D)
        .SetHorizontalAlignment(DT_CENTER)
        .SetVerticalAlignment(DT_VCENTER);
    pStylesMap->AddUserAttribute(GX_IDS_UA_SPINBOUND_WRAP, &check);
}

void CGXSpinEdit::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXEditControl::Init(nRow, nCol);
    m_pUpButton->Refresh();
    m_pDownButton->Refresh();
    LoadStyle();
}

CRect CGXSpinEdit::GetCellRect(ROWCOL nRow, ROWCOL nCol, LPRECT rectItem, const CGXStyle* pStyle)
{
    CRect rect = CGXStatic::GetCellRect(nRow, nCol, rectItem, pStyle);
    rect.right -= arrowsWidth;
    return rect;
}

CSize CGXSpinEdit::AddBorders(CSize size, const CGXStyle& style)
{
    return CGXEditControl::AddBorders(CSize(size.cx + arrowsWidth, size.cy), style);
}

void CGXSpinEdit::LayoutChildren(ROWCOL, ROWCOL, const CRect& rect)
{
    CRect column;
    column.IntersectRect(rect, CRect(rect.right - 15, rect.top + 1, rect.right - 1, rect.bottom - 1));
    int mid = column.top + column.Height() / 2;
    m_pUpButton->SetRect(CRect(column.left, column.top, column.right, mid));
    m_pDownButton->SetRect(CRect(column.left, mid, column.right, column.bottom));
}

void CGXSpinEdit::ReadSettings(const CGXStyle& style)
{
    struct
    {
        WORD nID;
        BOOL* pbHas;
        long* pnValue;
    } bounds[] = {{GX_IDS_UA_SPINBOUND_MIN, &m_bHasMin, &m_nMinValue},
                  {GX_IDS_UA_SPINBOUND_MAX, &m_bHasMax, &m_nMaxValue},
                  {GX_IDS_UA_SPINSTART, &m_bHasStart, &m_nStartValue}};
    for (const auto& b : bounds)
    {
        CString strText = style.GetUserAttribute(b.nID).GetValueText();
        *b.pbHas = !strText.IsEmpty();
        *b.pnValue = atol(strText);
    }
    m_bWrap = atoi(style.GetUserAttribute(GX_IDS_UA_SPINBOUND_WRAP).GetValueText()) != 0;
}

BOOL CGXSpinEdit::LButtonDown(UINT nFlags, CPoint pt, UINT nHitState)
{
    ReadSettings(LoadStyle());
    return CGXControl::LButtonDown(nFlags, pt, nHitState);
}

long CGXSpinEdit::StepValue(const CString& strText, BOOL bUp) const
{
    long long v;
    if (m_bHasStart && strText.IsEmpty())
        v = m_nStartValue;
    else
    {
        v = LeadingNumber(strText);
        if (bUp)
        {
            if (!m_bHasMax || v < m_nMaxValue)
                v = std::min<long long>(v + 1, LONG_MAX); // no overflow to the other end
            else if (m_bWrap && m_bHasMin)
                v = m_nMinValue;
        }
        else
        {
            if (!m_bHasMin || v > m_nMinValue)
                v = std::max<long long>(v - 1, LONG_MIN);
            else if (m_bWrap && m_bHasMax)
                v = m_nMaxValue;
        }
    }
    if (m_bHasMin)
        v = std::max<long long>(v, m_nMinValue);
    if (m_bHasMax)
        v = std::min<long long>(v, m_nMaxValue);
    return (long)v;
}

BOOL CGXSpinEdit::OnClickedButton(CGXChild* pChild)
{
    BOOL bWasActive = IsActive();
    if (!bWasActive)
    {
        if (!BeginEditing())
            return FALSE;
        SetActive(TRUE);
    }
    CString strText;
    GetWindowText(strText);
    LoadStyle();
    if (!IsReadOnly())
    {
        CString strValue;
        strValue.Format(_T("%ld"), StepValue(strText, pChild == m_pUpButton));
        SetWindowText(strValue);
        SetModify(TRUE);
        NotifyModified();
        SetSel(0, -1);
        SendMessage(EM_SCROLLCARET);
    }
    if (!bWasActive)
        Refresh();
    else
        UpdateEditWindow();
    return CGXControl::OnClickedButton(pChild);
}
