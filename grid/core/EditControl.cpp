// The edit control: its cell-control side (binding, storing, keys that reach it through the grid)
// and its window side (keys and characters while the window edits the cell).
#include "grid/core/EditControl.h"
#include "grid/core/AppData.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/FindReplaceSettings.h"
#include "grid/core/Font.h"
#include "grid/core/GridComponents.h"
#include "grid/core/FlagScope.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"
#include "ClientDC.h"
#include <mbstring.h>

IMPLEMENT_DYNAMIC(CGXEditControl, CEdit)
GX_IMPLEMENT_CONTROL(CGXEditControl, CGXStatic)

BOOL CGXEditControl::s_bComposing = FALSE;

BEGIN_MESSAGE_MAP(CGXEditControl, CEdit)
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_ERASEBKGND()
ON_WM_SHOWWINDOW()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_KEYUP()
ON_WM_LBUTTONDOWN()
ON_WM_STYLECHANGED()
ON_MESSAGE(WM_IME_STARTCOMPOSITION, OnImeStartComposition)
ON_MESSAGE(WM_IME_ENDCOMPOSITION, OnImeEndComposition)
END_MESSAGE_MAP()

namespace
{
BOOL IsKeyDown(int nVirtKey)
{
    return (::GetKeyState(nVirtKey) & 0x8000) != 0;
}

// Number-format codes whose cells take typed numbers as numbers.
const UINT s_anNumericFormats[] = {1, 2, 3, 4, 5, 23, 28};

// Window-style bits that an edit window takes only at creation.
const DWORD s_dwCreationBits = ES_WANTRETURN | ES_AUTOHSCROLL | WS_VSCROLL | ES_CENTER | ES_RIGHT;
} // namespace

CGXEditControl::CGXEditControl(CGXGridCore* pGrid, UINT nID)
    : CGXStatic(pGrid), m_nID(nID), m_rgbHighlightText(::GetSysColor(COLOR_HIGHLIGHTTEXT))
{
}

CGXEditControl::~CGXEditControl()
{
    if (HasWindow())
        DestroyWindow();
}

CRuntimeClass* CGXEditControl::GetWndRuntimeClass()
{
    return GetRuntimeClass();
}

CWnd* CGXEditControl::GetWndPtr() const
{
    return const_cast<CGXEditControl*>(this);
}

// -- Binding and activation --------------------------------------------------------------------

void CGXEditControl::SetActive(BOOL bActive)
{
    if (bActive && HasWindow())
    {
        if (!m_bActive)
        {
            // The cached style may predate changes made while the cell was only current.
            FreeStyle(TRUE);
            LoadStyle();
        }
        m_bActive = TRUE;
        return;
    }
    m_bActive = FALSE;
    // The keyboard goes back to the grid when the window stops editing.
    GiveFocusToGrid(m_hWnd);
}

BOOL CGXEditControl::IsActive()
{
    return m_bActive;
}

void CGXEditControl::SetModify(BOOL bModified)
{
    if (HasWindow())
        SendMessage(EM_SETMODIFY, bModified);
}

BOOL CGXEditControl::GetModify()
{
    return HasWindow() ? (BOOL)SendMessage(EM_GETMODIFY) : FALSE;
}

void CGXEditControl::Init(ROWCOL nRow, ROWCOL nCol)
{
    s_bComposing = FALSE;
    CGXStatic::Init(nRow, nCol);
    const CGXStyle& style = LoadStyle();
    ApplyStyle(style);
    if (!HasWindow())
    {
        CRect rect(0, 0, 0, 0);
        DWORD dwStyle = CalcEditStyle(rect, style) & ~WS_VISIBLE;
        if (!CreateEditWindow(dwStyle, CRect(0, 0, 0, 0)))
            return;
    }
    LimitText(style.GetInclude(CGXStyle::ibMaxLength) ? style.GetMaxLength() : 0);
    SetValue(NULL);
    CEdit::SetSel(0, -1, TRUE);
    SendMessage(EM_SCROLLCARET);
    if (m_bActive)
        LineScroll(255);
    SetModify(FALSE);
}

void CGXEditControl::ApplyStyle(const CGXStyle& style)
{
    m_bAutoSize = style.GetAutoSize();
    m_bAllowEnter = style.GetAllowEnter();
    m_bWrapText = style.GetWrapText();
    m_bForceVScroll = style.GetVerticalScrollBar();
    DWORD dwAlign = style.GetHorizontalAlignment();
    m_nHorzAlign = dwAlign == DT_CENTER ? 1 : dwAlign == DT_RIGHT ? 2 : 0;
    CString strRtl = style.GetUserAttribute(GX_IDS_UA_RTLREADING).GetValueText();
    m_nRightToLeft = !strRtl.IsEmpty() && atoi(strRtl) != 0 ? 1 : 0;
}

BOOL CGXEditControl::CreateEditWindow(DWORD dwStyle, const CRect& rect)
{
    CWnd* pGridWnd = GetGridWnd();
    if (pGridWnd == NULL || pGridWnd->GetSafeHwnd() == NULL)
        return FALSE;
    DWORD dwExStyle = m_nRightToLeft > 0 ? WS_EX_RTLREADING : 0;
    if (!CreateEx(dwExStyle, _T("GXEDIT"), NULL, dwStyle | WS_CHILD, rect, pGridWnd, m_nID))
        return FALSE;
    if (m_font.GetSafeHandle() != NULL)
        SetFont(&m_font, FALSE);
    return TRUE;
}

DWORD CGXEditControl::CalcEditStyle(CRect& rect, const CGXStyle& style)
{
    CWnd* pGridWnd = GetGridWnd();
    CString strText;
    if (HasWindow())
        GetWindowText(strText);
    if (pGridWnd != NULL && pGridWnd->GetSafeHwnd() != NULL)
    {
        CClientDC dc(pGridWnd);
        CFont* pOld = m_font.GetSafeHandle() != NULL ? dc.SelectObject(&m_font) : NULL;
        TEXTMETRIC tm;
        dc.GetTextMetrics(&tm);
        m_nLineHeight = tm.tmHeight + tm.tmExternalLeading;
        m_nCharWidth = tm.tmAveCharWidth;
        if (m_bWrapText && !rect.IsRectEmpty())
        {
            CRect rectText(0, 0, rect.Width(), 0);
            dc.DrawText(strText.IsEmpty() ? CString("X") : strText, &rectText,
                        DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL);
            m_nLayoutFlags = rectText.Height() > rect.Height();
        }
        if (pOld != NULL)
            dc.SelectObject(pOld);
    }
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL;
    if (m_bAllowEnter)
        dwStyle |= ES_WANTRETURN;
    if (m_bWrapText)
    {
        if (m_bForceVScroll || m_nLayoutFlags)
            dwStyle |= WS_VSCROLL;
    }
    else
        dwStyle |= ES_AUTOHSCROLL;
    dwStyle |= m_nHorzAlign == 1 ? ES_CENTER : m_nHorzAlign == 2 ? ES_RIGHT : ES_LEFT;
    // A single line sits where the style's vertical alignment puts the text.
    if (!m_bWrapText && !m_bAllowEnter && m_nLineHeight > 0 && rect.Height() > m_nLineHeight)
    {
        DWORD dwVert = style.GetVerticalAlignment();
        if (dwVert == DT_VCENTER)
            rect.top += (rect.Height() - m_nLineHeight) / 2;
        else if (dwVert == DT_BOTTOM)
            rect.top = rect.bottom - m_nLineHeight;
    }
    if (rect.Height() < m_nLineHeight)
        rect.bottom = rect.top + m_nLineHeight;
    return dwStyle;
}

void CGXEditControl::UpdateEditWindow()
{
    if (!HasWindow() || !m_bInit || !m_bActive || m_bLayingOut)
        return;
    m_bLayingOut = TRUE;
    const CGXStyle& style = LoadStyle();
    ApplyStyle(style);

    CGXFont font;
    style.GetFont(font);
    CFont* pGridFont = m_pGrid->LookupFont(font, m_pGrid->GetZoom());
    LOGFONT lf = {}, lfOld = {};
    if (pGridFont != NULL && pGridFont->GetLogFont(&lf) &&
        (m_font.GetSafeHandle() == NULL || !m_font.GetLogFont(&lfOld) ||
         memcmp(&lf, &lfOld, sizeof(lf)) != 0))
    {
        m_font.DeleteObject();
        m_font.CreateFontIndirect(&lf);
    }

    CRect rect = GetCellRect(m_nRow, m_nCol, NULL, &style);
    DWORD dwStyle = CalcEditStyle(rect, style);
    BOOL bRtl = (GetExStyle() & WS_EX_RTLREADING) != 0;
    if ((GetStyle() & s_dwCreationBits) != (dwStyle & s_dwCreationBits) || bRtl != (m_nRightToLeft > 0))
    {
        // These bits cannot change on a live edit window: make a new one with the same state.
        CString strText;
        GetWindowText(strText);
        int nStart = 0, nEnd = 0;
        CEdit::GetSel(nStart, nEnd);
        BOOL bModified = GetModify();
        BOOL bFocus = ::GetFocus() == m_hWnd;
        DestroyWindow();
        if (!CreateEditWindow(dwStyle & ~WS_VISIBLE, rect))
        {
            m_bLayingOut = FALSE;
            return;
        }
        SetWindowText(strText);
        CEdit::SetSel(nStart, nEnd, TRUE);
        SetModify(bModified);
        if (bFocus)
            SetFocus();
    }
    int nStart = 0, nEnd = 0;
    CEdit::GetSel(nStart, nEnd);
    int nFirstLine = (int)SendMessage(EM_GETFIRSTVISIBLELINE);
    SetFont(&m_font, FALSE);
    // The cell's rectangle already leaves the text margins: with the edit's own on top, the text
    // would shift from where the cell draws it and a narrow spin cell would wrap three digits.
    SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    LimitText(style.GetInclude(CGXStyle::ibMaxLength) ? style.GetMaxLength() : 0);
    SendMessage(EM_SETREADONLY, IsReadOnly());
    SetWindowPos(&CWnd::wndTop, rect.left, rect.top, rect.Width(), rect.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    CRect rectFormat(0, 0, rect.Width(), rect.Height());
    SendMessage(EM_SETRECTNP, 0, (LPARAM)&rectFormat);
    CWnd* pGridWnd = GetGridWnd();
    if (pGridWnd != NULL && ::GetFocus() == pGridWnd->GetSafeHwnd())
        SetFocus();
    CEdit::SetSel(nStart, nEnd, TRUE);
    int nNowFirst = (int)SendMessage(EM_GETFIRSTVISIBLELINE);
    if (nNowFirst != nFirstLine)
        LineScroll(nFirstLine - nNowFirst);
    m_bLayingOut = FALSE;
}

void CGXEditControl::Hide()
{
    if (!HasWindow() || !IsWindowVisible())
        return;
    CGXFlagScope lock(m_pGrid->m_bLockFocusHandler);
    ::HideCaret(m_hWnd);
    SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOREDRAW | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(SW_HIDE);
    ::ShowCaret(m_hWnd);
}

void CGXEditControl::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandardStyle)
{
    if (m_bActive && HasWindow() && !m_pGrid->IsPrinting() && m_pGrid->IsCurrentCell(nRow, nCol) &&
        IsInitAt(nRow, nCol))
    {
        // The window covers the cell's inside; the rest of the cell keeps its background.
        m_pGrid->DrawBrushRect(pDC, rect, style.GetInterior());
        // Buttons beside the window (spin arrows, hot spot) stay visible while editing.
        CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        UpdateEditWindow();
        if (IsWindowVisible())
            KeepWindowArea(pDC, this);
        return;
    }
    CGXStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

// -- Texts and storing -------------------------------------------------------------------------

BOOL CGXEditControl::CanFloatCell(ROWCOL, ROWCOL, const CGXStyle& style, BOOL bFloatOrFlood)
{
    return style.GetValue().IsEmpty() == !bFloatOrFlood;
}

BOOL CGXEditControl::GetCurrentText(CString& strResult)
{
    if (m_bActive && HasWindow())
    {
        GetWindowText(strResult);
        return TRUE;
    }
    return CGXStatic::GetCurrentText(strResult);
}

void CGXEditControl::SetCurrentText(const CString& str)
{
    if (!m_bInit || !HasWindow())
        return;
    if (!m_bActive)
        SetActive(TRUE);
    if (ValidateText(str))
    {
        SetWindowText(str);
        SetModify(TRUE);
        NotifyModified();
    }
}

BOOL CGXEditControl::GetValue(CString& strResult)
{
    if (!m_bInit)
        return FALSE;
    return GetCurrentText(strResult);
}

void CGXEditControl::SetValue(LPCTSTR pszRawValue)
{
    if (!HasWindow())
        return;
    const CGXStyle& style = LoadStyle();
    CString strText;
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != NULL && (pParam->m_wDisplayFlags & 2))
        strText = pszRawValue != NULL ? CString(pszRawValue) : style.GetValue();
    else
    {
        FormatValueText(strText, m_nRow, m_nCol, pszRawValue, style);
        if (pszRawValue == NULL && style.GetInclude(CGXStyle::ibValue) &&
            !style.GetInclude(CGXStyle::ibFormat))
            LocalizeDecimalText(strText, style);
    }
    SetWindowText(strText);
    if (m_bActive)
        m_pGrid->RedrawRange(m_nRow, m_nCol, m_pGrid->GetBottomVisibleRow(), m_pGrid->GetRightVisibleCol(),
                             GX_INVALIDATE, FALSE);
}

BOOL CGXEditControl::IsNumericFormat(const CGXStyle& style)
{
    if (!style.GetInclude(CGXStyle::ibFormat))
        return FALSE;
    UINT nFormat = style.GetFormat() & 0x1F;
    for (UINT n : s_anNumericFormats)
        if (n == nFormat)
            return TRUE;
    return FALSE;
}

BOOL CGXEditControl::FormatNumberText(CString& strText, const CGXStyle& style, double* pValue)
{
    if (!IsNumericFormat(style))
        return FALSE;
    double d = 0;
    if (!GXGetDrawingAndFormatting()->ParseValueText(strText, d))
        return FALSE;
    char sz[64];
    _snprintf(sz, sizeof(sz), "%.14g", d);
    sz[sizeof(sz) - 1] = 0;
    strText = sz;
    // The separator check stays as written: "%.14g" prints the C locale's point.
    char cSep = GXGetAppData()->m_cDecimalSeparator;
    int i = cSep != '.' ? strText.Find(cSep) : -1;
    if (i >= 0)
        strText.SetAt(i, '.');
    if (pValue != NULL)
        *pValue = d;
    return TRUE;
}

BOOL CGXEditControl::LocalizeDecimalText(CString& strText, const CGXStyle& style)
{
    if (!IsNumericFormat(style))
        return FALSE;
    char cSep = GXGetAppData()->m_cDecimalSeparator;
    int i = cSep != '.' ? strText.Find('.') : -1;
    if (i >= 0)
        strText.SetAt(i, cSep);
    return TRUE;
}

BOOL CGXEditControl::Store()
{
    CString strText;
    if (m_pStyle == NULL || !GetModify() || !GetValue(strText))
        return TRUE;
    CString strNumber = strText;
    BOOL bNumber = FormatNumberText(strNumber, *m_pStyle);
    // Edited back to what the cell holds: nothing to store, and the range store would answer
    // "nothing changed", which the grid takes for a refusal to leave the cell.
    CGXStyle* pStored = m_pGrid->CreateStyle();
    BOOL bSame = m_pGrid->GetStyleRowCol(m_nRow, m_nCol, *pStored) &&
                 pStored->GetInclude(CGXStyle::ibValue) &&
                 pStored->GetValue() == (bNumber ? strNumber : strText);
    m_pGrid->RecycleStyle(pStored);
    SetActive(FALSE);
    FreeStyle(TRUE);
    if (bSame)
        return TRUE;
    CGXCellRange range(m_nRow, m_nCol);
    if (!bNumber)
        return m_pGrid->SetValueRange(range, strText, gxOverride, 0, GX_INVALIDATE);
    CGXStyle* pScratch = m_pGrid->CreateStyle();
    pScratch->SetValue(strNumber);
    pScratch->SetValueType(GX_VT_NUMBER);
    BOOL bOk = m_pGrid->SetStyleRange(range, pScratch, gxOverride, 0, NULL, GX_INVALIDATE);
    m_pGrid->RecycleStyle(pScratch);
    return bOk;
}

BOOL CGXEditControl::EndEditing()
{
    // No float-cells component re-evaluates the cell yet.
    return CGXStatic::EndEditing();
}

BOOL CGXEditControl::StoreTextInCell(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText, UINT flags,
                                     const CGXStyle* pStyle)
{
    CGXStyle* pScratch = NULL;
    if (pStyle == NULL)
    {
        pScratch = m_pGrid->CreateStyle();
        m_pGrid->ComposeStyleRowCol(nRow, nCol, pScratch);
        pStyle = pScratch;
    }
    CString strText = pszText != NULL ? pszText : "";
    BOOL bOk = PrepareStoreText(strText, nRow, nCol, *pStyle);
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (bOk && pParam->m_bProtectReadOnly &&
        (m_pGrid->IsReadOnly() || (pStyle->GetInclude(CGXStyle::ibReadOnly) && pStyle->GetReadOnly())))
        bOk = FALSE;
    if (bOk)
    {
        CGXCellRange range(nRow, nCol);
        WORD nMax = pStyle->GetInclude(CGXStyle::ibMaxLength) ? pStyle->GetMaxLength() : 0;
        CString strNumber = strText;
        if (nMax != 0 && strText.GetLength() > (int)nMax)
            bOk = m_pGrid->SetValueRange(range, strText.Left(nMax), gxOverride, 0, flags);
        else if (FormatNumberText(strNumber, *pStyle))
        {
            CGXStyle* pValue = m_pGrid->CreateStyle();
            pValue->SetValue(strNumber);
            pValue->SetValueType(GX_VT_NUMBER);
            bOk = m_pGrid->SetStyleRange(range, pValue, gxOverride, 0, NULL, flags);
            m_pGrid->RecycleStyle(pValue);
        }
        else
            bOk = m_pGrid->SetValueRange(range, strText, gxOverride, 0, flags);
    }
    if (pScratch != NULL)
        m_pGrid->RecycleStyle(pScratch);
    if (!bOk)
    {
        ROWCOL nCurRow, nCurCol;
        CGXControl* pCurrent =
            m_pGrid->GetCurrentCell(nCurRow, nCurCol) ? m_pGrid->GetControl(nCurRow, nCurCol) : NULL;
        if (pCurrent != NULL)
            pCurrent->SetCurrentText("Error!");
    }
    return bOk;
}

// -- Keys and characters reaching the control through the grid ---------------------------------

void CGXEditControl::ActivateAndPlaceCaret(BOOL bEnd)
{
    if (!IsInitAt(m_nRow, m_nCol))
        Init(m_nRow, m_nCol);
    SetActive(TRUE);
    int nLen = GetWindowTextLength();
    CEdit::SetSel(bEnd ? nLen : 0, bEnd ? nLen : 0, FALSE);
    UpdateEditWindow();
    if (!m_pGrid->ScrollCellInView(m_nRow, m_nCol, GX_UPDATENOW))
        Refresh();
}

BOOL CGXEditControl::KeyDown(UINT, UINT nChar, UINT)
{
    if (!HasWindow() || IsKeyDown(VK_CONTROL))
        return FALSE;
    switch (nChar)
    {
    case VK_END:
    case VK_HOME:
        if (!BeginEditing())
            return FALSE;
        ActivateAndPlaceCaret(nChar == VK_END);
        return TRUE;
    case VK_DELETE:
        if (!BeginClearingByDelete())
            return FALSE;
        SetActive(TRUE);
        SetModify(TRUE);
        SetCurrentText("");
        UpdateEditWindow();
        if (!m_pGrid->ScrollCellInView(m_nRow, m_nCol, GX_UPDATENOW))
            Refresh();
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CGXEditControl::HandleChar(UINT, UINT nChar, UINT)
{
    if (!HasWindow() || nChar < 32 || nChar == 127)
        return FALSE;
    TCHAR sz[2] = {(TCHAR)nChar, 0};
    return HandleText(sz);
}

BOOL CGXEditControl::HandleText(LPCTSTR pszText)
{
    if (IsReadOnly())
        return FALSE;
    if (m_bActive)
    {
        if (ValidateText(GetTextWithSelReplaced(pszText)))
        {
            CEdit::ReplaceSel(pszText);
            SetModify(TRUE);
        }
        return TRUE;
    }
    if (!ValidateText(pszText) || !BeginEditing())
        return FALSE;
    SetActive(TRUE);
    SetCurrentText(pszText);
    int nLen = GetWindowTextLength();
    CEdit::SetSel(nLen, nLen, FALSE);
    Refresh();
    return TRUE;
}

CString CGXEditControl::GetTextWithSelReplaced(const CString& strInsert)
{
    CString strText;
    if (!HasWindow())
        return strInsert;
    GetWindowText(strText);
    int nStart = 0, nEnd = 0;
    CEdit::GetSel(nStart, nEnd);
    nStart = std::max(0, std::min(nStart, strText.GetLength()));
    nEnd = std::max(nStart, std::min(nEnd, strText.GetLength()));
    return strText.Left(nStart) + strInsert + strText.Mid(nEnd);
}

// -- Clipboard, selection and find -------------------------------------------------------------

BOOL CGXEditControl::Copy()
{
    return CGXStatic::Copy();
}

BOOL CGXEditControl::Paste()
{
    return CGXStatic::Paste();
}

BOOL CGXEditControl::Cut()
{
    return CGXStatic::Cut();
}

BOOL CGXEditControl::GetSelectedText(CString& strResult)
{
    if (!m_bActive || !HasWindow())
    {
        GetCurrentText(strResult);
        return FALSE;
    }
    CString strText;
    GetWindowText(strText);
    int nStart = 0, nEnd = 0;
    CEdit::GetSel(nStart, nEnd);
    if (nStart < nEnd)
    {
        strResult = strText.Mid(nStart, nEnd - nStart);
        return TRUE;
    }
    strResult = strText;
    return FALSE;
}

void CGXEditControl::ReplaceSel(LPCTSTR pszText)
{
    if (!m_bActive || !HasWindow())
    {
        CGXStatic::ReplaceSel(pszText);
        return;
    }
    if (IsReadOnly())
        return;
    SetModify(TRUE);
    SendMessage(EM_REPLACESEL, FALSE, (LPARAM)pszText);
}

BOOL CGXEditControl::ValidatePaste(const CString& strPaste)
{
    return ValidateText(GetTextWithSelReplaced(strPaste));
}

BOOL CGXEditControl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (!m_bActive || !HasWindow() || (HWND)lParam != m_hWnd || HIWORD(wParam) != EN_CHANGE)
        return FALSE;
    NotifyModified();
    if (m_bAutoSize && m_bInit)
        GrowCellToText();
    return TRUE;
}

void CGXEditControl::NotifyModified()
{
    CGXStatic::NotifyModified();
    ReevaluateFloats();
}

void CGXEditControl::NotifyEditingCanceled()
{
    CGXStatic::NotifyEditingCanceled();
    ReevaluateFloats();
}

void CGXEditControl::ReevaluateFloats()
{
    if (!m_bInit || m_pGrid->GetFloatingMode() == 0)
        return;
    CGXCellRange cell(m_nRow, m_nCol), changed;
    m_pGrid->InvalidateFloatedCells(cell);
    if (m_pGrid->RecalcFloatedCells(cell, FALSE, &changed) && changed.IsValid())
        m_pGrid->RedrawRange(changed.top, changed.left, changed.bottom, changed.right, GX_UPDATENOW, FALSE);
}

void CGXEditControl::GrowCellToText()
{
    CString strText;
    GetWindowText(strText);
    const CGXStyle& style = LoadStyle();
    CRect rectCell = m_pGrid->CalcCellRect(m_nRow, m_nCol);
    CRect rectInner = GetCellRect(m_nRow, m_nCol, rectCell, &style);
    CClientDC dc(this);
    CFont* pOld = m_font.GetSafeHandle() != NULL ? dc.SelectObject(&m_font) : NULL;
    // Wrapped text makes the row taller, a single line the column wider; the cell never shrinks
    // while the user types.
    BOOL bGrew = FALSE;
    if (m_bWrapText)
    {
        CRect rectText(0, 0, std::max(1, rectInner.Width()), 0);
        dc.DrawText(strText.IsEmpty() ? CString("X") : strText, &rectText,
                    DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
        int nNeed = rectText.Height() + rectCell.Height() - rectInner.Height();
        if (nNeed > m_pGrid->GetRowHeight(m_nRow))
            bGrew = m_pGrid->SetRowHeight(m_nRow, m_nRow, nNeed, NULL, GX_UPDATENOW);
    }
    else
    {
        // Room for the caret behind the last character.
        int nNeed = dc.GetTextExtent(strText).cx + m_nCharWidth + rectCell.Width() - rectInner.Width();
        if (nNeed > m_pGrid->GetColWidth(m_nCol))
            bGrew = m_pGrid->SetColWidth(m_nCol, m_nCol, nNeed, NULL, GX_UPDATENOW);
    }
    if (pOld != NULL)
        dc.SelectObject(pOld);
    if (bGrew && HasWindow())
    {
        UpdateEditWindow();
        // The text scrolled while the window was too small: show it from its start again.
        SendMessage(EM_LINESCROLL, (WPARAM)-0x7FFF, 0);
        SendMessage(EM_SCROLLCARET);
    }
}

namespace
{
// Where strFind occurs in strText from byte nFrom on (case folded unless it must match), or -1.
int FindFrom(const CString& strText, int nFrom, const CGXFindReplaceSettings& find)
{
    CString strHay = strText, strNeedle = find.m_strFind;
    if (!find.m_bMatchCase)
    {
        strHay.MakeUpper();
        strNeedle.MakeUpper();
    }
    if (strNeedle.IsEmpty() || nFrom > strHay.GetLength())
        return -1;
    const unsigned char* pHay = (const unsigned char*)(LPCTSTR)strHay;
    const unsigned char* p = _mbsstr(pHay + nFrom, (const unsigned char*)(LPCTSTR)strNeedle);
    return p != NULL ? (int)(p - pHay) : -1;
}
} // namespace

BOOL CGXEditControl::ReplaceAll(const CString& strText, int nStart, const CGXFindReplaceSettings& find,
                                CString& strResult)
{
    int nFind = find.m_strFind.GetLength();
    int nPos = FindFrom(strText, nStart, find);
    if (nFind == 0 || nPos < 0)
        return FALSE;
    // Built without a length limit: the cell keeps the whole result.
    strResult = strText.Left(nStart);
    int i = nStart;
    while (nPos >= 0)
    {
        strResult += strText.Mid(i, nPos - i);
        strResult += find.m_strReplace;
        i = nPos + nFind;
        nPos = FindFrom(strText, i, find);
    }
    strResult += strText.Mid(i);
    return TRUE;
}

BOOL CGXEditControl::FindText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol, BOOL bAtCaret,
                              BOOL bSelect)
{
    if (m_bActive && HasWindow() && IsInitAt(nRow, nCol))
    {
        CString strText;
        GetWindowText(strText);
        int nStart = 0, nEnd = 0;
        CEdit::GetSel(nStart, nEnd);
        if (!bAtCaret && nStart < strText.GetLength())
            nStart = (int)(_mbsinc((const unsigned char*)(LPCTSTR)strText + nStart) -
                           (const unsigned char*)(LPCTSTR)strText);
        int nPos = FindFrom(strText, nStart, find);
        if (nPos < 0)
            return FALSE;
        if (bSelect)
        {
            m_pGrid->ScrollCellInView(nRow, nCol, GX_UPDATENOW);
            CEdit::SetSel(nPos, nPos + find.m_strFind.GetLength(), FALSE);
        }
        return TRUE;
    }
    // Without an edit window the current cell has no caret to search behind.
    if (!bAtCaret && m_pGrid->IsCurrentCell(nRow, nCol))
        return FALSE;
    if (FindFrom(ComposedValueText(nRow, nCol), 0, find) < 0)
        return FALSE;
    if (bSelect)
    {
        m_pGrid->ScrollCellInView(nRow, nCol, GX_UPDATENOW);
        // Moved as the user moves it, the cell left behind keeping what was typed into it; the
        // focus stays where it is (in a find dialog).
        if (!m_pGrid->ChangeCurrentCell(nRow, nCol, 0x2A))
            return FALSE;
        if (!IsInitAt(nRow, nCol))
            Init(nRow, nCol);
        SetActive(TRUE);
        CEdit::SetSel(0, 0, TRUE);
        FindText(find, nRow, nCol, TRUE, TRUE);
        Refresh();
    }
    return TRUE;
}

BOOL CGXEditControl::ReplaceText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol)
{
    CString strText;
    int nStart = 0;
    BOOL bActiveHere = m_bActive && HasWindow() && IsInitAt(nRow, nCol);
    CGXStyle* pStyle = m_pGrid->CreateStyle();
    m_pGrid->ComposeStyleRowCol(nRow, nCol, pStyle);
    if (bActiveHere)
    {
        GetWindowText(strText);
        int nEnd = 0;
        CEdit::GetSel(nStart, nEnd);
    }
    else
        FormatValueText(strText, nRow, nCol, NULL, *pStyle);
    CString strResult;
    BOOL bOk = ReplaceAll(strText, nStart, find, strResult);
    if (bOk)
    {
        pStyle->SetValue(strResult);
        bOk = m_pGrid->SetStyleRange(CGXCellRange(nRow, nCol), pStyle, gxOverride, 0, NULL, GX_UPDATENOW);
        if (bOk && bActiveHere)
            SetWindowText(strResult);
    }
    m_pGrid->RecycleStyle(pStyle);
    return bOk;
}

// -- Mouse -------------------------------------------------------------------------------------

int CGXEditControl::CalcTextPosUnderPt(CPoint pt)
{
    CWnd* pGridWnd = GetGridWnd();
    if (pGridWnd == NULL || !HasWindow())
        return 0;
    const CGXStyle& style = LoadStyle();
    CRect rect = GetCellRect(m_nRow, m_nCol, NULL, &style);
    CString strText;
    GetWindowText(strText);
    UINT nFormat = DT_EDITCONTROL | (m_bWrapText ? DT_WORDBREAK : DT_SINGLELINE);
    DWORD dwHorz = style.GetHorizontalAlignment(), dwVert = style.GetVerticalAlignment();
    nFormat |= dwHorz == DT_CENTER ? DT_CENTER : dwHorz == DT_RIGHT ? DT_RIGHT : 0;
    nFormat |= dwVert == DT_VCENTER ? DT_VCENTER : dwVert == DT_BOTTOM ? DT_BOTTOM : 0;
    CClientDC dc(pGridWnd);
    CFont* pOld = m_pGrid->SelectCellFont(&dc, style, NULL);
    if (m_nRightToLeft > 0)
        dc.SetTextAlign(TA_RTLREADING);
    int nPos = GXGetDrawingAndFormatting()->GetTextPosFromPoint(
        &dc, strText, strText.GetLength(), rect.left, rect.top, rect.right, rect.bottom, nFormat, pt.x, pt.y);
    if (pOld != NULL)
        dc.SelectObject(pOld);
    return nPos;
}

BOOL CGXEditControl::LButtonUp(UINT nFlags, CPoint pt, UINT nHitState)
{
    CRect rect = m_pGrid->CalcCellRect(m_nRow, m_nCol);
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (HasWindow() && rect.PtInRect(pt) && pParam != NULL && pParam->m_bClickActivation)
    {
        int nPos = CalcTextPosUnderPt(pt);
        if (!m_bActive && !IsReadOnly() && BeginEditing())
        {
            SetActive(TRUE);
            CEdit::SetSel(nPos, nPos, FALSE);
            Refresh();
        }
        if (m_bActive)
            SetFocus();
    }
    return CGXStatic::LButtonUp(nFlags, pt, nHitState);
}

BOOL CGXEditControl::LButtonDblClk(UINT nFlags, CPoint pt)
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (HasWindow() && !m_bActive && pParam != NULL && (pParam->m_wActivateFlags & 8))
    {
        int nPos = CalcTextPosUnderPt(pt);
        if (BeginEditing())
        {
            SetActive(TRUE);
            CEdit::SetSel(nPos, nPos, FALSE);
            SendMessage(EM_SCROLLCARET);
            Refresh();
        }
    }
    CGXStatic::LButtonDblClk(nFlags, pt);
    return TRUE;
}

// -- The window side ---------------------------------------------------------------------------

BOOL CGXEditControl::IsCaretAtEdge(BOOL bStart)
{
    int nStart = 0, nEnd = 0;
    CEdit::GetSel(nStart, nEnd);
    return bStart ? nStart == 0 && nEnd == 0 : nStart >= GetWindowTextLength();
}

void CGXEditControl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_CONTROL || nChar == VK_SHIFT)
    {
        Default();
        return;
    }
    ROWCOL nRow, nCol;
    if (m_pGrid->GetCurrentCell(nRow, nCol))
        m_pGrid->ScrollCellInView(nRow, nCol, GX_UPDATENOW);
    BOOL bCtrl = IsKeyDown(VK_CONTROL), bShift = IsKeyDown(VK_SHIFT);
    if (!bCtrl)
    {
        BOOL bRtl = m_nRightToLeft > 0;
        BOOL bEditKeeps = FALSE;
        switch (nChar)
        {
        case VK_UP:
            bEditKeeps = LineFromChar(-1) > 0;
            break;
        case VK_DOWN:
            bEditKeeps = LineFromChar(-1) < GetLineCount() - 1;
            break;
        case VK_LEFT:
            bEditKeeps = !IsCaretAtEdge(!bRtl);
            break;
        case VK_RIGHT:
            bEditKeeps = !IsCaretAtEdge(bRtl);
            break;
        case VK_RETURN:
            bEditKeeps = (GetStyle() & ES_WANTRETURN) != 0;
            break;
        case VK_HOME:
        case VK_END:
            bEditKeeps = TRUE;
            break;
        case VK_INSERT:
            if (bShift)
            {
                Paste();
                return;
            }
            bEditKeeps = TRUE;
            break;
        case VK_DELETE:
            if (bShift)
            {
                int nStart = 0, nEnd = 0;
                CEdit::GetSel(nStart, nEnd);
                // A control that can cut nothing (a password cell) leaves the clipboard alone.
                if (nStart < nEnd && (!CanCut() || ::OpenClipboard(m_hWnd)))
                {
                    if (CanCut())
                    {
                        ::EmptyClipboard();
                        ::CloseClipboard();
                    }
                    Cut();
                    return;
                }
            }
            bEditKeeps = TRUE;
            break;
        case VK_TAB:
        case VK_ESCAPE:
        case VK_PRIOR:
        case VK_NEXT:
            break;
        default:
            bEditKeeps = nChar < 33 || (nChar >= 41 && !(nChar >= VK_F1 && nChar <= VK_F24));
            break;
        }
        if (bEditKeeps)
        {
            Default();
            return;
        }
    }
    if (!m_pGrid->ProcessKeyMessage(this, WM_KEYDOWN, nChar, nRepCnt, nFlags))
        Default();
}

void CGXEditControl::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_pGrid->ProcessKeyMessage(this, WM_KEYUP, nChar, nRepCnt, nFlags))
        return;
    Default();
    if (nChar != VK_SHIFT && nChar != VK_HOME && nChar != VK_END && nChar != VK_UP && nChar != VK_DOWN)
        UpdateEditWindow();
}

BOOL CGXEditControl::CheckTypedChar(UINT nChar, UINT, UINT)
{
    if (!m_bInit || !m_bActive || IsReadOnly() || (GetStyle() & ES_READONLY))
    {
        m_strPending.Empty();
        return FALSE;
    }
    m_strPending.Empty();
    if (IsKeyDown(VK_CONTROL))
    {
        // A control that can take nothing out (a password cell) leaves the clipboard alone.
        auto emptyClipboard = [this](BOOL bTakesOut) {
            if (bTakesOut && ::OpenClipboard(m_hWnd))
            {
                ::EmptyClipboard();
                ::CloseClipboard();
            }
        };
        switch (nChar)
        {
        case 3: // Ctrl+C
            emptyClipboard(CanCopy());
            Copy();
            return FALSE;
        case 22: // Ctrl+V
            Paste();
            return FALSE;
        case 24: // Ctrl+X
            emptyClipboard(CanCut());
            Cut();
            return FALSE;
        case 10: // Ctrl+Enter
            if (LoadStyle().GetWrapText())
                m_strPending = "\r\n";
            return FALSE;
        case 13:
            if (GetStyle() & ES_WANTRETURN)
                m_strPending = "\r\n";
            return FALSE;
        default:
            return TRUE;
        }
    }
    if (nChar < 32)
        return TRUE;
    // A lead byte waits for its trail byte; the pair is inserted as one text. Korean input
    // sends its lead bytes on to the window.
    if (!m_bDbcsLeadPending && nChar < 0x100 && ::IsDBCSLeadByte((BYTE)nChar) &&
        PRIMARYLANGID(LANGIDFROMLCID(::GetThreadLocale())) == LANG_KOREAN)
        return TRUE;
    TCHAR sz[3];
    int nKind = CollectDbcsChar(nChar, m_bDbcsLeadPending, m_nDbcsLead, sz);
    if (nKind == dbcsLeadHeld)
        return FALSE;
    BOOL bPair = nKind == dbcsComplete;
    if (bPair)
        m_strPending = sz;
    else
    {
        char szChar[2] = {(char)nChar, 0};
        m_strPending = szChar;
    }
    CString strNew = GetTextWithSelReplaced(m_strPending);
    UINT nLimit = GetLimitText();
    if ((nLimit != 0 && (UINT)strNew.GetLength() > nLimit) || !ValidateText(strNew))
    {
        OnInvalidText(strNew);
        m_strPending.Empty();
        return FALSE;
    }
    if (bPair)
        return FALSE;
    m_strPending.Empty();
    return TRUE;
}

void CGXEditControl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (CheckTypedChar(nChar, nRepCnt, nFlags))
    {
        Default();
        m_pGrid->ProcessKeyMessage(this, WM_CHAR, nChar, nRepCnt, nFlags);
        return;
    }
    if (!m_strPending.IsEmpty() && HasWindow())
    {
        m_bInserting = TRUE;
        ReplaceSel(m_strPending);
        m_bInserting = FALSE;
        m_strPending.Empty();
    }
}

BOOL CGXEditControl::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    GXFillSolidRect(pDC, rect, RGB(255, 255, 255));
    if (m_bInit)
        m_pGrid->DrawBrushRect(pDC, rect, LoadStyle().GetInterior());
    return TRUE;
}

void CGXEditControl::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CEdit::OnShowWindow(bShow, nStatus);
    if (bShow)
        UpdateEditWindow();
}

void CGXEditControl::OnSetFocus(CWnd* pOldWnd)
{
    CEdit::OnSetFocus(pOldWnd);
    UpdateEditWindow();
}

void CGXEditControl::OnKillFocus(CWnd* pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);
    // The grid stores and deactivates the cell when the focus leaves it altogether.
    NotifyGridKillFocus(pNewWnd);
}

void CGXEditControl::OnLButtonDown(UINT, CPoint point)
{
    BOOL bWasVisible = IsWindowVisible();
    int nOldStart = 0, nOldEnd = 0;
    CEdit::GetSel(nOldStart, nOldEnd);
    Default();
    if (!bWasVisible && m_bInit)
    {
        SetActive(TRUE);
        Refresh();
        return;
    }
    int nStart = 0, nEnd = 0;
    CEdit::GetSel(nStart, nEnd);
    int nPos = LOWORD(SendMessage(EM_CHARFROMPOS, 0, MAKELPARAM(point.x, point.y)));
    if (!m_bInit || nOldStart >= nOldEnd || nStart != nEnd || nPos < nOldStart || nPos >= nOldEnd)
        return;
    // A press on the selected text: the selection stays for the grid, which may drag it.
    CEdit::SetSel(nOldStart, nOldEnd, TRUE);
    ROWCOL nRow = m_nRow, nCol = m_nCol;
    m_pGrid->OnStartTextDrag(nRow, nCol);
    if (m_bActive && HasWindow() && IsInitAt(nRow, nCol) && m_pGrid->IsCurrentCell(nRow, nCol))
        CEdit::SetSel(nStart, nStart, TRUE);
}

void CGXEditControl::OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct)
{
    Default();
    if (nStyleType != GWL_STYLE || !m_bActive || !m_bInit || lpStyleStruct == NULL)
        return;
    const DWORD dwAlignBits = ES_CENTER | ES_RIGHT;
    DWORD dwOld = lpStyleStruct->styleOld & dwAlignBits, dwNew = lpStyleStruct->styleNew & dwAlignBits;
    if (dwOld == dwNew)
        return;
    m_nHorzAlign = dwNew == ES_RIGHT ? 2 : dwNew == ES_CENTER ? 1 : 0;
    CGXStyle* pScratch = m_pGrid->CreateStyle();
    pScratch->SetHorizontalAlignment(dwNew == ES_RIGHT ? DT_RIGHT : dwNew == ES_CENTER ? DT_CENTER : DT_LEFT);
    m_pGrid->SetStyleRange(CGXCellRange(m_nRow, m_nCol), pScratch, gxOverride, 0, NULL, GX_INVALIDATE);
    m_pGrid->RecycleStyle(pScratch);
}

LRESULT CGXEditControl::OnImeStartComposition(WPARAM, LPARAM)
{
    s_bComposing = TRUE;
    return Default();
}

LRESULT CGXEditControl::OnImeEndComposition(WPARAM, LPARAM)
{
    s_bComposing = FALSE;
    return Default();
}
