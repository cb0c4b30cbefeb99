// Activated radio-button cells.
#include "grid/controls/RadioButtonEx.h"
#include "grid/controls/HeldValue.h"
#include "grid/core/GridCore.h"
#include "grid/core/StylesMap.h"
#include "GridIds.h"
#include <algorithm>

GX_IMPLEMENT_CONTROL(CGXRadioButtonEx, CGXRadioButton)

CGXRadioButtonEx::CGXRadioButtonEx(CGXGridCore* pGrid, BOOL bDraw3d) : CGXRadioButton(pGrid, bDraw3d)
{
}

void CGXRadioButtonEx::RegisterUserAttributes(CGXStylesMap* pStylesMap)
{
    // Both are chosen from a drop-down list that stores the zero-based index.
    static const struct
    {
        WORD nID;
        LPCTSTR pszChoices;
    } s_attributes[] = {{GX_IDS_UA_RADIOBUTTON_ALIGN, _T("Vertical\nHorizontal")},
                        {GX_IDS_UA_RADIOBTN_TEXTALIGN, _T("Left\nRight")}};
    for (const auto& a : s_attributes)
    {
        CGXStyle editor;
        editor.SetControl(GX_IDS_CTRL_ZEROBASED_EX).SetChoiceList(a.pszChoices);
        pStylesMap->AddUserAttribute(a.nID, &editor);
    }
}

void CGXRadioButtonEx::GetLayout(const CGXStyle& style, BOOL& bHorizontal, BOOL& bCaptionLeft)
{
    bHorizontal = style.GetUserAttribute(GX_IDS_UA_RADIOBUTTON_ALIGN).GetValueText() == _T("1");
    bCaptionLeft = style.GetUserAttribute(GX_IDS_UA_RADIOBTN_TEXTALIGN).GetValueText() != _T("1");
}

void CGXRadioButtonEx::SetActive(BOOL bActive)
{
    GXActivateHeldStyle(this, m_bActive, bActive);
}

BOOL CGXRadioButtonEx::IsActive()
{
    return m_bActive;
}

void CGXRadioButtonEx::SetModify(BOOL bModified)
{
    m_bModified = bModified;
}

BOOL CGXRadioButtonEx::GetModify()
{
    return m_bModified;
}

void CGXRadioButtonEx::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXRadioButton::Init(nRow, nCol);
    LoadStyle();
    SetModify(FALSE);
}

BOOL CGXRadioButtonEx::Store()
{
    return GXStoreHeldValue(this);
}

const CGXStyle& CGXRadioButtonEx::GetDrawStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    return m_bActive && m_pStyle != NULL && IsInitAt(nRow, nCol) ? *m_pStyle : style;
}

BOOL CGXRadioButtonEx::SelectItem(int nIndex, BOOL)
{
    if (!GXBeginHeldEditing(this))
        return FALSE;
    if (nIndex != GetSelection(LoadStyle()))
    {
        CString strValue;
        strValue.Format(_T("%d"), nIndex);
        GXChangeHeldValue(this, strValue);
    }
    return TRUE;
}

BOOL CGXRadioButtonEx::DispatchKeyMessage(UINT message, WPARAM wParam, LPARAM lParam, UINT flags)
{
    if (CGXRadioButton::DispatchKeyMessage(message, wParam, lParam, flags))
        return TRUE;
    if (message != WM_KEYDOWN || wParam != VK_DELETE || !m_bActive)
        return FALSE;
    GXChangeHeldValue(this, _T(""));
    return TRUE;
}

CSize CGXRadioButtonEx::CalcSize(CDC* pDC, ROWCOL, ROWCOL, const CGXStyle& style, const CGXStyle* pStandard,
                                 BOOL)
{
    BOOL bHorizontal, bCaptionLeft;
    GetLayout(style, bHorizontal, bCaptionLeft);
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandard);
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    int L = GetItemHeight(pDC);
    int nSpacing = bCaptionLeft ? std::max<int>(12, tm.tmMaxCharWidth) + 3 : 2;
    CStringArray texts;
    GetItems(style, texts);
    CSize size(0, 0);
    for (INT_PTR i = 0; i < texts.GetSize(); i++)
    {
        int cx = pDC->GetTextExtent(texts[i]).cx + 18 + nSpacing;
        size.cx = bHorizontal ? size.cx + cx : std::max<int>(size.cx, cx);
        size.cy = bHorizontal ? L : size.cy + L;
    }
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
    return AddBorders(CSize(size.cx + 4, size.cy + 4), style);
}
