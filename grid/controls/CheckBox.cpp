// Check box cells: the box frames come from a bitmap strip whose placeholder colours follow
// the system colours.
#include "grid/controls/CheckBox.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/StylesMap.h"
#include "grid/core/SysColorTable.h"
#include "GridIds.h"
#include <algorithm>
#include <mbstring.h>

GX_IMPLEMENT_CONTROL(CGXCheckBox, CGXControl)

namespace
{
// Hit-state bit of a move or release over the pressed cell.
const UINT hitOverPress = 0x40;
// The label starts this far right of the box's cell edge.
const int labelOffset = 13 * 3 / 2;

BOOL SameText(const CString& a, const CString& b)
{
    return _mbscmp((const unsigned char*)(LPCTSTR)a, (const unsigned char*)(LPCTSTR)b) == 0;
}

CString ValueOf(const CGXStyle& style)
{
    return style.GetInclude(CGXStyle::ibValue) ? style.GetValue() : CString();
}

CString LabelOf(const CGXStyle& style)
{
    return style.GetInclude(CGXStyle::ibChoiceList) ? style.GetChoiceList() : CString();
}

BOOL IsTriState(const CGXStyle& style)
{
    return style.GetInclude(CGXStyle::ibTriState) && style.GetTriState();
}
} // namespace

CGXCheckBox::CGXCheckBox(CGXGridCore* pGrid, BOOL bDraw3d, UINT nBitmapId, UINT nPrintBitmapId)
    : CGXControl(pGrid), m_bDraw3d(bDraw3d), m_nBitmapId(nBitmapId), m_nPrintBitmapId(nPrintBitmapId)
{
    if (m_nBitmapId == 0)
        m_nBitmapId = !bDraw3d                        ? GX_IDB_CHECKBOX_FLAT
                      : GXGetSysColorTable()->m_bWin4 ? GX_IDB_CHECKBOX_95
                                                      : GX_IDB_CHECKBOX_NT;
    if (m_nPrintBitmapId == 0)
        m_nPrintBitmapId = GX_IDB_CHECKBOX_FLAT;
}

CGXCheckBox::~CGXCheckBox()
{
    FreeBitmaps();
}

void CGXCheckBox::RegisterUserAttributes(CGXStylesMap* pStylesMap)
{
    pStylesMap->AddUserAttribute(GX_IDS_UA_CHECKBOX_CHECKED);
    pStylesMap->AddUserAttribute(GX_IDS_UA_CHECKBOX_UNCHECKED);
}

void CGXCheckBox::GetValueTexts(const CGXStyle& style, CString& strChecked, CString& strUnchecked)
{
    strChecked = style.GetUserAttribute(GX_IDS_UA_CHECKBOX_CHECKED).GetValueText();
    strUnchecked = style.GetUserAttribute(GX_IDS_UA_CHECKBOX_UNCHECKED).GetValueText();
    if (strChecked.IsEmpty())
        strChecked = _T("1");
    if (strUnchecked.IsEmpty())
        strUnchecked = _T("0");
}

CString CGXCheckBox::GetToggledValue(const CGXStyle& style)
{
    CString strChecked, strUnchecked, strValue = ValueOf(style);
    GetValueTexts(style, strChecked, strUnchecked);
    if (SameText(strValue, strChecked))
        return strUnchecked;
    if (IsTriState(style) && SameText(strValue, strUnchecked))
        return CString();
    return strChecked;
}

UINT CGXCheckBox::GetAlignment(const CGXStyle& style)
{
    UINT nAlign = 0;
    if (style.GetInclude(CGXStyle::ibHorzAlign))
        nAlign |= style.GetHorizontalAlignment() == DT_CENTER  ? 1
                  : style.GetHorizontalAlignment() == DT_RIGHT ? 2
                                                               : 0;
    if (style.GetInclude(CGXStyle::ibVertAlign))
        nAlign |= style.GetVerticalAlignment() == DT_VCENTER  ? 4
                  : style.GetVerticalAlignment() == DT_BOTTOM ? 8
                                                              : 0;
    return nAlign;
}

UINT CGXCheckBox::GetState(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    UINT nState = 0;
    if (style.GetInclude(CGXStyle::ibEnabled) && !style.GetEnabled())
        nState |= stateGrey;
    if (IsInitAt(nRow, nCol))
        nState |= stateCurrent | (m_bPressed ? stateGrey : 0);
    CString strChecked, strUnchecked, strValue = ValueOf(style);
    GetValueTexts(style, strChecked, strUnchecked);
    if (SameText(strValue, strChecked))
        nState |= stateChecked;
    else if (!IsTriState(style) || SameText(strValue, strUnchecked))
        nState |= stateUnchecked;
    return nState;
}

const CGXStyle& CGXCheckBox::GetDrawStyle(ROWCOL, ROWCOL, const CGXStyle& style)
{
    return style;
}

CRect CGXCheckBox::ComputeBoxRect(CDC* pDC, const CRect& rect, LPCTSTR pszLabel, UINT nAlign)
{
    int n = m_nBoxSize, w = m_nBoxSize;
    if (pszLabel != NULL && *pszLabel != 0)
    {
        TEXTMETRIC tm;
        pDC->GetTextMetrics(&tm);
        n = std::min<int>(m_nBoxSize, tm.tmHeight + tm.tmInternalLeading);
        w = labelOffset + pDC->GetTextExtent(pszLabel).cx;
    }
    int v = rect.Height() - n;
    int x = rect.left + 3, y = rect.top + (v >= 4 ? 3 : std::max(0, v));
    if (nAlign & 1)
        x = rect.left + std::max(0, (rect.Width() - w) / 2);
    else if (nAlign & 2)
        x = rect.left + std::max(0, rect.Width() - w);
    if (nAlign & 4)
        y = rect.top + abs(v) / 2;
    else if (nAlign & 8)
        y = rect.top + std::max(0, v);
    return CRect(x, y, std::min<int>(rect.right, x + m_nBoxSize), std::min<int>(rect.bottom, y + m_nBoxSize));
}

void CGXCheckBox::DrawCheckBox(CDC* pDC, const CRect& rect, UINT nState, UINT nAlign, LPCTSTR pszLabel)
{
    CRect box = ComputeBoxRect(pDC, rect, pszLabel, nAlign);
    if (m_hScreenDib == NULL && !LoadBitmaps())
        return;
    HGLOBAL hDib = m_pGrid->IsPrinting() && m_hPrintDib != NULL ? m_hPrintDib : m_hScreenDib;
    BOOL bGrey = (nState & stateGrey) != 0;
    int nFrame = (nState & stateChecked) ? (bGrey ? 3 : 1) : (nState & stateUnchecked) ? (bGrey ? 2 : 0) : 4;
    BITMAPINFOHEADER* pHeader = (BITMAPINFOHEADER*)::GlobalLock(hDib);
    const BYTE* pBits =
        (const BYTE*)pHeader + pHeader->biSize + GXGetDibColorCount(pHeader) * sizeof(RGBQUAD);
    int cx = std::min<int>(m_nBoxSize, box.Width()), cy = std::min<int>(m_nBoxSize, box.Height());
    if (cx > 0 && cy > 0)
        ::StretchDIBits(pDC->GetSafeHdc(), box.left, box.top, cx, cy, nFrame * m_nBoxSize, 0, cx, cy, pBits,
                        (BITMAPINFO*)pHeader, DIB_RGB_COLORS, SRCCOPY);
    ::GlobalUnlock(hDib);
}

void CGXCheckBox::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& styleCell,
                       const CGXStyle* pStandardStyle)
{
    const CGXStyle& style = GetDrawStyle(nRow, nCol, styleCell);
    UINT nState = GetState(nRow, nCol, style);
    UINT nAlign = GetAlignment(style);
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
    DrawFrame(pDC, rect, style, m_pGrid->IsBackgroundPending());
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    pDC->SetBkColor(style.GetInterior().GetBackColor());
    pDC->SetTextColor(style.GetTextColor());
    CRect inner = GetCellRect(nRow, nCol, &rect, &style);
    CString strLabel = LabelOf(style);
    DrawCheckBox(pDC, inner, nState, nAlign, strLabel);
    if (!strLabel.IsEmpty() && inner.left + labelOffset < inner.right)
    {
        CRect rectLabel(inner.left + labelOffset, inner.top, inner.right, inner.bottom);
        pDC->DrawText(strLabel, &rectLabel,
                      nAlign | DT_NOPREFIX | (style.GetWrapText() ? DT_WORDBREAK : DT_SINGLELINE));
    }
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    pDC->SetBkMode(nOldMode);
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
}

CSize CGXCheckBox::CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                            const CGXStyle* pStandard, BOOL bVert)
{
    CRect inner = GetCellRect(nRow, nCol, NULL, &style);
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandard);
    CString strLabel = LabelOf(style);
    int nFrame = ::GetSystemMetrics(SM_CXFRAME) / 2;
    int m = nFrame >= 4 ? nFrame : 3;
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    int L = tm.tmHeight + tm.tmExternalLeading + 1;
    // The label's lines: word-wrapped within the space beside the box when they fit the cell.
    CStringArray lines;
    if (!strLabel.IsEmpty() && style.GetWrapText())
    {
        int anStarts[CGXDrawingAndFormatting::maxLines], anLengths[CGXDrawingAndFormatting::maxLines];
        CRect rectWrap(0, 0, std::max(1, inner.Width() - labelOffset), inner.Height());
        int nLines = GXGetDrawingAndFormatting()->BreakLines(pDC, strLabel, strLabel.GetLength(), &rectWrap,
                                                             DT_WORDBREAK, anStarts, anLengths,
                                                             CGXDrawingAndFormatting::maxLines);
        if (bVert || nLines * L <= inner.Height())
            for (int i = 0; i < nLines; i++)
                lines.Add(strLabel.Mid(anStarts[i], anLengths[i]));
    }
    if (lines.GetSize() == 0)
    {
        CString strRest = strLabel;
        CString strLine;
        while (GXTakeFirstLine(strRest, strLine) >= 0)
            lines.Add(strLine);
        lines.Add(strLine);
    }
    CSize label;
    if (strLabel.IsEmpty())
        label = CSize(tm.tmMaxCharWidth + 2 * m, L);
    else if (!bVert)
    {
        label.cy = inner.Height();
        for (INT_PTR i = 0; i < lines.GetSize(); i++)
            label.cx = std::max<int>(label.cx, pDC->GetTextExtent(lines[i]).cx + 2 * m);
    }
    else
        label = CSize(inner.Width(), style.GetWrapText() ? L * (int)lines.GetSize() : L);
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
    return AddBorders(CSize(m_nBoxSize + 6 + label.cx, std::max<int>(m_nBoxSize + 4, label.cy)), style);
}

BOOL CGXCheckBox::PrepareStoreText(CString& strText, ROWCOL, ROWCOL, const CGXStyle& style)
{
    if (IsTriState(style))
    {
        CString strChecked, strUnchecked;
        GetValueTexts(style, strChecked, strUnchecked);
        if (!SameText(strText, strChecked) && !SameText(strText, strUnchecked))
            strText.Empty();
    }
    return TRUE;
}

BOOL CGXCheckBox::CanToggle(const CGXStyle& style)
{
    return !IsReadOnly() && !(style.GetInclude(CGXStyle::ibReadOnly) && style.GetReadOnly());
}

BOOL CGXCheckBox::OnClickedButton(CGXChild* pChild)
{
    CGXStyle style;
    m_pGrid->ComposeStyleRowCol(m_nRow, m_nCol, &style);
    if (!CanToggle(style) || !BeginEditing())
        return FALSE;
    m_pGrid->SetValueRange(CGXCellRange(m_nRow, m_nCol), GetToggledValue(style));
    FreeStyle(FALSE);
    return CGXControl::OnClickedButton(pChild);
}

BOOL CGXCheckBox::LButtonDown(UINT nFlags, CPoint pt, UINT nHitState)
{
    CGXStyle styleCell;
    m_pGrid->ComposeStyleRowCol(m_nRow, m_nCol, &styleCell);
    const CGXStyle& style = GetDrawStyle(m_nRow, m_nCol, styleCell);
    if (!CanToggle(style))
        return FALSE;
    CRect inner = GetCellRect(m_nRow, m_nCol, NULL, &style);
    CClientDC dc(GetGridWnd());
    m_pGrid->OnGridPrepareDC(&dc);
    CFont* pOldFont = SelectStyleFont(&dc, style, NULL);
    m_rectBox = ComputeBoxRect(&dc, inner, LabelOf(style), GetAlignment(style));
    if (pOldFont != NULL)
        dc.SelectObject(pOldFont);
    if (m_rectBox.PtInRect(pt))
    {
        m_bPressed = TRUE;
        Refresh();
    }
    CGXControl::LButtonDown(nFlags, pt, nHitState);
    return TRUE;
}

BOOL CGXCheckBox::MouseMove(UINT nFlags, CPoint pt, UINT nHitState)
{
    BOOL bPressed = (nHitState & hitOverPress) && m_rectBox.PtInRect(pt);
    if (bPressed != m_bPressed)
    {
        m_bPressed = bPressed;
        Refresh();
    }
    CGXControl::MouseMove(nFlags, pt, nHitState);
    return TRUE;
}

BOOL CGXCheckBox::LButtonUp(UINT nFlags, CPoint pt, UINT nHitState)
{
    BOOL bWasPressed = m_bPressed;
    m_bPressed = FALSE;
    // A child holding the press takes the release.
    if (m_pActiveChild == NULL && (nHitState & hitOverPress) && m_rectBox.PtInRect(pt))
        OnClickedButton(NULL);
    else if (bWasPressed)
        Refresh();
    CGXControl::LButtonUp(nFlags, pt, nHitState);
    return TRUE;
}

BOOL CGXCheckBox::LButtonDblClk(UINT nFlags, CPoint pt)
{
    m_bPressed = FALSE;
    if (m_pActiveChild == NULL && m_rectBox.PtInRect(pt))
        OnClickedButton(NULL);
    else
        CGXControl::LButtonDblClk(nFlags, pt);
    return TRUE;
}

BOOL CGXCheckBox::DispatchKeyMessage(UINT message, WPARAM wParam, LPARAM lParam, UINT flags)
{
    if (CGXControl::DispatchKeyMessage(message, wParam, lParam, flags))
        return TRUE;
    if (message != WM_CHAR || wParam != VK_SPACE)
        return FALSE;
    OnClickedButton(NULL);
    return TRUE;
}

void CGXCheckBox::OnGridSysColorChange()
{
    LoadBitmaps();
    CGXControl::OnGridSysColorChange();
}

BOOL CGXCheckBox::OnCancelMode()
{
    if (m_bPressed)
    {
        m_bPressed = FALSE;
        Refresh();
    }
    return CGXControl::OnCancelMode();
}

COLORREF CGXCheckBox::MapBitmapColor(COLORREF cr, BOOL bPrint)
{
    // Placeholder colour, its printed colour (CLR_INVALID: the system colour there too) and the
    // system colour it stands for on screen.
    static const struct
    {
        COLORREF crPlaceholder, crPrint;
        int nSysColor;
    } s_map[] = {
        {RGB(0, 0, 0), RGB(0, 0, 0), COLOR_WINDOWTEXT},
        {RGB(255, 0, 0), RGB(255, 255, 255), COLOR_WINDOW},
        {RGB(0, 255, 0), CLR_INVALID, COLOR_WINDOWFRAME},
        {RGB(192, 192, 192), CLR_INVALID, COLOR_BTNFACE},
    };
    for (const auto& m : s_map)
        if (m.crPlaceholder == cr)
            return bPrint && m.crPrint != CLR_INVALID ? m.crPrint
                                                      : GXGetSysColorTable()->GetColor(m.nSysColor);
    return cr;
}

void CGXCheckBox::FreeBitmaps()
{
    for (HGLOBAL* ph : {&m_hScreenDib, &m_hPrintDib})
        if (*ph != NULL)
        {
            ::GlobalFree(*ph);
            *ph = NULL;
        }
}

BOOL CGXCheckBox::LoadBitmaps()
{
    FreeBitmaps();
    struct Strip
    {
        UINT nID;
        HGLOBAL* phDib;
        BOOL bPrint;
    } strips[] = {{m_nBitmapId, &m_hScreenDib, FALSE}, {m_nPrintBitmapId, &m_hPrintDib, TRUE}};
    for (const Strip& s : strips)
    {
        LPCTSTR pszName = MAKEINTRESOURCE(s.nID);
        HINSTANCE hInst = AfxFindResourceHandle(pszName, RT_BITMAP);
        *s.phDib = GXCopyBitmapResource(hInst, pszName);
        if (*s.phDib == NULL)
            *s.phDib = GXCopyBitmapResource(AfxGetInstanceHandle(), pszName);
        if (*s.phDib == NULL)
            continue;
        BITMAPINFOHEADER* pHeader = (BITMAPINFOHEADER*)::GlobalLock(*s.phDib);
        RGBQUAD* pColors = (RGBQUAD*)((BYTE*)pHeader + pHeader->biSize);
        for (int i = 0, n = pHeader->biBitCount <= 8 ? GXGetDibColorCount(pHeader) : 0; i < n; i++)
        {
            COLORREF cr =
                MapBitmapColor(RGB(pColors[i].rgbRed, pColors[i].rgbGreen, pColors[i].rgbBlue), s.bPrint);
            pColors[i].rgbRed = GetRValue(cr);
            pColors[i].rgbGreen = GetGValue(cr);
            pColors[i].rgbBlue = GetBValue(cr);
        }
        ::GlobalUnlock(*s.phDib);
    }
    return m_hScreenDib != NULL;
}
