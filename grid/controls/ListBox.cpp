// List-box cells: the static list of other cells and the list-box window of the current one.
#include "grid/controls/ListBox.h"
#include "grid/controls/ControlActivation.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/FlagScope.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/Properties.h"
#include <algorithm>
#include <mbstring.h>

IMPLEMENT_DYNAMIC(CGXListBox, CListBox)
GX_IMPLEMENT_CONTROL(CGXListBox, CGXControl)

BEGIN_MESSAGE_MAP(CGXListBox, CListBox)
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_CHAR()
ON_WM_ERASEBKGND()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

namespace
{
// Left margin of the text; the right one is half of it.
int TextMargin()
{
    return std::max(2, ::GetSystemMetrics(SM_CXFRAME) / 2);
}

// The choice list's lines, empty ones included.
void SplitLines(const CGXStyle& style, CStringArray& lines)
{
    CString strRest = style.GetInclude(CGXStyle::ibChoiceList) ? style.GetChoiceList() : CString(), strLine;
    if (strRest.IsEmpty())
        return;
    while (GXTakeFirstLine(strRest, strLine) >= 0)
        lines.Add(strLine);
    lines.Add(strLine);
}

BOOL IsBlackWhitePrint(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    CGXProperties* pProps = pParam != NULL ? pParam->GetProperties() : NULL;
    return pGrid->IsPrinting() && pProps != NULL && pProps->GetBlackWhite();
}
} // namespace

CGXListBox::CGXListBox(CGXGridCore* pGrid, UINT nID)
    : CGXControl(pGrid), m_nWindowId(nID), m_rgbHighlightText(::GetSysColor(COLOR_HIGHLIGHTTEXT))
{
}

CGXListBox::~CGXListBox()
{
    if (HasWindow())
        DestroyWindow();
}

CRuntimeClass* CGXListBox::GetWndRuntimeClass()
{
    return GetRuntimeClass();
}

CWnd* CGXListBox::GetWndPtr() const
{
    return const_cast<CGXListBox*>(this);
}

BOOL CGXListBox::CreateListBox()
{
    CWnd* pGridWnd = GetGridWnd();
    return pGridWnd != NULL && pGridWnd->GetSafeHwnd() != NULL &&
           CWnd::Create(_T("GXLISTBOX"), NULL, WS_CHILD | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY,
                        CRect(0, 0, 0, 0), pGridWnd, m_nWindowId);
}

void CGXListBox::SetActive(BOOL bActive)
{
    if (bActive && HasWindow())
    {
        if (!m_bActive)
        {
            FreeStyle(TRUE);
            LoadStyle();
        }
        m_bActive = TRUE;
        return;
    }
    m_bActive = FALSE;
}

BOOL CGXListBox::IsActive()
{
    return m_bActive;
}

void CGXListBox::SetModify(BOOL bModified)
{
    m_bModified = bModified;
}

BOOL CGXListBox::GetModify()
{
    return m_bModified;
}

void CGXListBox::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXControl::Init(nRow, nCol);
    if (!HasWindow())
        CreateListBox();
    LoadStyle();
    SetActive(FALSE);
    SetModify(FALSE);
}

BOOL CGXListBox::Store()
{
    if (IsReadOnly())
    {
        Init(m_nRow, m_nCol);
        SetModify(FALSE);
        Refresh();
    }
    SetActive(FALSE);
    if (m_pStyle == NULL || !GetModify() || !HasWindow())
        return TRUE;
    CString strText;
    int nSel = GetCurSel();
    if (nSel != LB_ERR)
        GetText(nSel, strText);
    return m_pGrid->SetValueRange(CGXCellRange(m_nRow, m_nCol), strText);
}

CRect CGXListBox::GetCellRect(ROWCOL nRow, ROWCOL nCol, LPRECT rectItem, const CGXStyle* pStyle)
{
    CRect rect = CGXControl::GetCellRect(nRow, nCol, rectItem, pStyle);
    int m = TextMargin();
    rect.left += m;
    rect.right -= m / 2;
    return rect;
}

CSize CGXListBox::AddBorders(CSize size, const CGXStyle& style)
{
    int m = TextMargin();
    return CGXControl::AddBorders(CSize(size.cx + m / 2 + m, size.cy), style);
}

CSize CGXListBox::CalcSize(CDC* pDC, ROWCOL, ROWCOL, const CGXStyle& style, const CGXStyle* pStandard, BOOL)
{
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandard);
    CStringArray lines;
    SplitLines(style, lines);
    CSize size(0, 0);
    for (INT_PTR i = 0; i < lines.GetSize(); i++)
    {
        CSize extent = pDC->GetTextExtent(lines[i].IsEmpty() ? CString(" ") : lines[i]);
        size.cx = std::max<int>(size.cx, extent.cx);
        size.cy += extent.cy;
    }
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
    return AddBorders(CSize(size.cx + 4, size.cy + 4), style);
}

void CGXListBox::FillListBox()
{
    CGXStyle style;
    m_pGrid->ComposeStyleRowCol(m_nRow, m_nCol, &style);
    ResetContent();
    CStringArray lines;
    SplitLines(style, lines);
    for (INT_PTR i = 0; i < lines.GetSize(); i++)
        AddString(lines[i]);
    CString strText;
    FormatValueText(strText, m_nRow, m_nCol, NULL, style);
    if (!strText.IsEmpty())
        SelectString(-1, strText);
}

void CGXListBox::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                      const CGXStyle* pStandardStyle)
{
    if (m_bActive && HasWindow() && !m_pGrid->IsPrinting() && m_pGrid->IsCurrentCell(nRow, nCol) &&
        IsInitAt(nRow, nCol))
        DrawActive(pDC, rect, style);
    else
        DrawStatic(pDC, rect, nRow, nCol, style, pStandardStyle);
}

void CGXListBox::DrawActive(CDC* pDC, const CRect& rect, const CGXStyle& style)
{
    // Only a choice in the window marks the cell modified, not showing it: otherwise leaving
    // would rewrite a value matching no line, or a prefix of one, though the user chose nothing.
    CGXFont font;
    style.GetFont(font);
    CFont* pGridFont = m_pGrid->LookupFont(font, m_pGrid->GetZoom());
    LOGFONT lf;
    if (pGridFont != NULL && pGridFont->GetLogFont(&lf))
    {
        m_font.DeleteObject();
        m_font.CreateFontIndirect(&lf);
        SetFont(&m_font, TRUE);
    }
    COLORREF crBack = IsBlackWhitePrint(m_pGrid) ? RGB(255, 255, 255) : style.GetInterior().GetBackColor();
    DrawFrame(pDC, rect, style, m_pGrid->IsBackgroundPending());
    CRect rectWnd = GetCellRect(m_nRow, m_nCol, (LPRECT)&rect, &style);
    if (style.GetInclude(CGXStyle::ibHorzAlign) && style.GetHorizontalAlignment() == DT_RIGHT)
        rectWnd.right++;
    // Filled when it is shown, so that a repaint keeps the line the user chose.
    BOOL bShown = IsWindowVisible();
    m_rgbBack = crBack;
    SetActive(TRUE);
    if (!bShown)
        FillListBox();
    MoveWindow(&rectWnd, bShown);
    if (!bShown)
    {
        ShowWindow(SW_SHOW);
        UpdateWindow();
        CWnd* pGridWnd = GetGridWnd();
        if (pGridWnd != NULL && ::GetFocus() == pGridWnd->GetSafeHwnd())
            SetFocus();
    }
    CGXControl::Draw(pDC, rect, m_nRow, m_nCol, style, NULL);
    QueueGridRect(rectWnd);
}

void CGXListBox::DrawStatic(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                            const CGXStyle* pStandardStyle)
{
    if (rect.Width() < 2 || rect.Height() < 2)
        return;
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
    BOOL bBlackWhite = IsBlackWhitePrint(m_pGrid);
    pDC->SetTextColor(bBlackWhite ? RGB(0, 0, 0) : style.GetTextColor());
    pDC->SetBkColor(bBlackWhite ? RGB(255, 255, 255) : style.GetInterior().GetBackColor());
    DrawFrame(pDC, rect, style, m_pGrid->IsBackgroundPending());
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CRect rectText = GetCellRect(nRow, nCol, (LPRECT)&rect, &style);
    rectText.left += 2;
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    int L = std::max<int>(1, tm.tmHeight + tm.tmExternalLeading);
    UINT nFormat =
        style.GetHorizontalAlignment() | style.GetVerticalAlignment() | DT_SINGLELINE | DT_NOPREFIX;
    CStringArray lines;
    SplitLines(style, lines);
    CString strValue = style.GetInclude(CGXStyle::ibValue) ? style.GetValue() : CString();
    // The value's line, and how many lines scroll off so that it is the last one shown.
    int nValue = -1;
    for (INT_PTR i = 0; i < lines.GetSize() && nValue < 0; i++)
        if (_mbscmp((const unsigned char*)(LPCTSTR)lines[i], (const unsigned char*)(LPCTSTR)strValue) == 0)
            nValue = (int)i;
    int nSkip = 0;
    if (nValue >= 0)
    {
        int nOver = rectText.top + (nValue + 1) * L - rectText.bottom;
        if (nOver > 0)
            nSkip = (nOver + L - 1) / L;
    }
    int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rect);
    for (int i = nSkip, y = rectText.top; i < lines.GetSize() && y < rectText.bottom; i++, y += L)
    {
        CRect rectLine(rectText.left, y, rectText.right, y + L);
        pDC->DrawText(lines[i], &rectLine, nFormat);
        if (i == nValue)
            pDC->InvertRect(&rectLine);
    }
    pDC->RestoreDC(nSaved);
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    pDC->SetBkMode(nOldMode);
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
}

BOOL CGXListBox::GetCurrentText(CString& strResult)
{
    if (!m_bActive || !HasWindow())
        return CGXControl::GetCurrentText(strResult);
    strResult.Empty();
    int nSel = GetCurSel();
    if (nSel != LB_ERR)
        GetText(nSel, strResult);
    return TRUE;
}

void CGXListBox::SetCurrentText(const CString& str)
{
    if (!m_bInit || !HasWindow())
        return;
    SetActive(TRUE);
    if (!ValidateText(str))
        return;
    SelectString(-1, str);
    SetModify(TRUE);
    NotifyModified();
}

void CGXListBox::Hide()
{
    if (!HasWindow() || !IsWindowVisible())
        return;
    CGXFlagScope lock(m_pGrid->m_bLockFocusHandler);
    ::HideCaret(m_hWnd);
    SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOREDRAW | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(SW_HIDE);
}

void CGXListBox::ActivateByClick(CPoint pt)
{
    if (!HasWindow() || !BeginEditing())
        return;
    SetActive(TRUE);
    Refresh();
    GetGridWnd()->UpdateWindow();
    CRect rectWnd;
    GetWindowRect(&rectWnd);
    GetGridWnd()->ScreenToClient(&rectWnd);
    // The click again, now for the window: it selects the line under the pointer.
    LPARAM lParam = MAKELPARAM(pt.x - rectWnd.left, pt.y - rectWnd.top);
    PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
    PostMessage(WM_LBUTTONUP, 0, lParam);
}

BOOL CGXListBox::LButtonUp(UINT nFlags, CPoint pt, UINT nHitState)
{
    // Bit 2 of the click flags: the grid asks the release not to activate the control.
    const UINT hitNoActivation = 0x02;
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (!(nHitState & hitNoActivation) && !m_bActive && pParam != NULL &&
        (pParam->m_wActivateFlags & (1 | 2 | 4)) && m_pGrid->CalcCellRect(m_nRow, m_nCol).PtInRect(pt))
        ActivateByClick(pt);
    return CGXControl::LButtonUp(nFlags, pt, nHitState);
}

BOOL CGXListBox::LButtonDblClk(UINT nFlags, CPoint pt)
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (!m_bActive && pParam != NULL && (pParam->m_wActivateFlags & 8))
        ActivateByClick(pt);
    return CGXControl::LButtonDblClk(nFlags, pt);
}

BOOL CGXListBox::DispatchKeyMessage(UINT message, WPARAM wParam, LPARAM lParam, UINT flags)
{
    LoadStyle();
    if (message != WM_KEYDOWN || !BeginEditing())
        return FALSE;
    SetActive(TRUE);
    CGXControl::DispatchKeyMessage(message, wParam, lParam, flags);
    GXShowActiveCell(this);
    return TRUE;
}

BOOL CGXListBox::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HasWindow() && (HWND)lParam == m_hWnd && HIWORD(wParam) == LBN_SELCHANGE && !IsReadOnly())
    {
        SetModify(TRUE);
        NotifyModified();
    }
    return FALSE;
}

void CGXListBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    ROWCOL nRow, nCol;
    if (m_pGrid->GetCurrentCell(nRow, nCol))
        m_pGrid->ScrollCellInView(nRow, nCol, GX_UPDATENOW);
    BOOL bGridKey = (::GetKeyState(VK_CONTROL) & 0x8000) != 0 || nChar == VK_TAB || nChar == VK_RETURN ||
                    nChar == VK_ESCAPE || nChar == VK_LEFT || nChar == VK_RIGHT || nChar == VK_DELETE ||
                    (nChar >= VK_F1 && nChar <= VK_F24);
    if (bGridKey)
        m_pGrid->ProcessKeyMessage(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
    else
        Default();
}

void CGXListBox::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_pGrid->ProcessKeyMessage(this, WM_KEYUP, nChar, nRepCnt, nFlags))
        Default();
}

void CGXListBox::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_pGrid->ProcessKeyMessage(this, WM_CHAR, nChar, nRepCnt, nFlags))
        Default();
}

BOOL CGXListBox::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    GXFillSolidRect(pDC, rect, m_rgbBack);
    return TRUE;
}

void CGXListBox::OnKillFocus(CWnd* pNewWnd)
{
    CListBox::OnKillFocus(pNewWnd);
    NotifyGridKillFocus(pNewWnd);
}
