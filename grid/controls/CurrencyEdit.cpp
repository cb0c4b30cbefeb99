// Money cells.
#include "grid/controls/CurrencyEdit.h"
#include "grid/controls/ControlActivation.h"
#include "grid/controls/PopupCalculator.h"
#include "grid/core/AbstractUserAttribute.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/EditControl.h"
#include "grid/core/FindReplaceSettings.h"
#include "grid/core/FlagScope.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/Properties.h"
#include "grid/core/StylesMap.h"
#include "GridIds.h"
#include <algorithm>
#include <cmath>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CGXCurrencyEdit, CGXBCurrencyEdit)
GX_IMPLEMENT_CONTROL(CGXCurrencyEdit, CGXStatic)

BEGIN_MESSAGE_MAP(CGXCurrencyEdit, CGXBCurrencyEdit)
ON_MESSAGE(WM_SETTEXT, OnCellSetText)
ON_MESSAGE(GX_WM_CALCULATOR_RESULT, OnCalculatorResult)
ON_MESSAGE(WM_KEYUP, OnCellKeyMessage)
ON_MESSAGE(WM_SYSCHAR, OnCellKeyMessage)
ON_MESSAGE(WM_SYSKEYUP, OnCellKeyMessage)
ON_MESSAGE(WM_CONTEXTMENU, OnCellContextMenu)
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_SYSKEYDOWN()
ON_WM_GETDLGCODE()
ON_WM_KILLFOCUS()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

namespace
{
// A money attribute's text, empty when the style lacks it.
CString AttributeText(const CGXStyle& style, WORD nID)
{
    return style.HasUserAttribute(nID) ? style.GetUserAttribute(nID).GetValueText() : CString();
}

BOOL ShowsButton(const CGXStyle& style)
{
    CString str = AttributeText(style, GX_IDS_UA_CURRENCY_FLAGS);
    return str.GetLength() >= 4 && str[3] != '0';
}

// The first "." of a stored number text becomes the format's decimal separator.
CString LocalizedNumber(CString str, const CGXBCurrencyFormat& format)
{
    int i = str.Find('.');
    if (i >= 0)
        str.SetAt(i, format.ShownDecimalSeparator());
    return str;
}
} // namespace

CGXCurrencyEdit::CGXCurrencyEdit(CGXGridCore* pGrid, UINT nID) : CGXStatic(pGrid), m_nID(nID)
{
}

CGXCurrencyEdit::~CGXCurrencyEdit()
{
    if (m_captive.GetSafeHwnd())
        m_captive.DestroyWindow();
    if (HasWindow())
        DestroyWindow();
}

void CGXCurrencyEdit::RegisterUserAttributes(CGXStylesMap* pStylesMap)
{
    for (WORD nID : {GX_IDS_UA_CURRENCY_SEPARATOR, GX_IDS_UA_CURRENCY_LEADDIGITS, GX_IDS_UA_CURRENCY_DECIMALS,
                     GX_IDS_UA_CURRENCY_SYMBOL})
        pStylesMap->AddUserAttribute(nID);
    CGXStyle flags;
    flags.SetControl(GX_IDS_CTRL_MASKEDIT).SetUserAttributeText(GX_IDS_UA_INPUTMASK, _T("##AAAA#"));
    pStylesMap->AddUserAttribute(GX_IDS_UA_CURRENCY_FLAGS, &flags);
    const struct
    {
        WORD nID;
        UINT nChoices;
    } templates[] = {{GX_IDS_UA_CURRENCY_POSFORMAT, GX_IDS_CHOICE_CURRENCY_POSITIVE},
                     {GX_IDS_UA_CURRENCY_NEGFORMAT, GX_IDS_CHOICE_CURRENCY_NEGATIVE}};
    for (const auto& t : templates)
    {
        CString strChoices;
        strChoices.LoadString(t.nChoices);
        CGXStyle combo;
        combo.SetControl(GX_IDS_CTRL_ZEROBASED_EX).SetChoiceList(strChoices);
        pStylesMap->AddUserAttribute(t.nID, &combo);
    }
}

void CGXCurrencyEdit::StyleFormat(const CGXStyle& style, Format& format)
{
    CString str = AttributeText(style, GX_IDS_UA_CURRENCY_FLAGS);
    if (!str.IsEmpty())
    {
        if (str.GetLength() != 4)
            str = _T("11 1");
        format.SetLeadingZero(str[0] != '0');
        format.SetSeparatorLine(str[1] != '0');
        format.SetFillChar(str[2]);
    }
    const struct
    {
        WORD nID;
        void (Format::*pfnSet)(int);
    } numbers[] = {{GX_IDS_UA_CURRENCY_POSFORMAT, &Format::SetPositiveFormat},
                   {GX_IDS_UA_CURRENCY_NEGFORMAT, &Format::SetNegativeFormat},
                   {GX_IDS_UA_CURRENCY_LEADDIGITS, &Format::SetMaxIntegerDigits},
                   {GX_IDS_UA_CURRENCY_DECIMALS, &Format::SetDecimalPlaces}};
    for (const auto& n : numbers)
        if (style.HasUserAttribute(n.nID))
            (format.*n.pfnSet)(atoi(AttributeText(style, n.nID)));
    if (style.HasUserAttribute(GX_IDS_UA_CURRENCY_SYMBOL))
    {
        str = AttributeText(style, GX_IDS_UA_CURRENCY_SYMBOL);
        format.SetCurrencySymbol(str.Left(1) == _T("0") ? _T("") : (LPCTSTR)str);
    }
    // Separators of another length keep the locale's; a digit never separates decimals.
    str = AttributeText(style, GX_IDS_UA_CURRENCY_SEPARATOR);
    if (str.GetLength() == 2)
    {
        format.SetThousandSeparator(str[0] == '0' ? 0 : str[0]);
        if (!isdigit((unsigned char)str[1]))
            format.SetDecimalSeparator(str[1]);
    }
}

void CGXCurrencyEdit::ApplyStyleFormat(CGXBCurrencyEdit* pWnd, const CGXStyle& style)
{
    if (pWnd == NULL)
        pWnd = this;
    Format format(TRUE);
    format.SetKeepRightmostDigits(pWnd->m_bShiftInEntry);
    format.SetPadBeforeGrouping(pWnd->m_bGroupingPad);
    StyleFormat(style, format);
    pWnd->SetFormat(format);
}

BOOL CGXCurrencyEdit::CreateWindows(DWORD dwStyle)
{
    CWnd* pGridWnd = GetGridWnd();
    if (pGridWnd == NULL || pGridWnd->GetSafeHwnd() == NULL)
        return FALSE;
    if (!HasWindow())
        Create(dwStyle, CRect(0, 0, 0, 0), pGridWnd, m_nID);
    if (m_captive.GetSafeHwnd() == NULL)
        m_captive.Create(dwStyle & ~WS_VISIBLE, CRect(0, 0, 0, 0), pGridWnd, m_nID + 1);
    return HasWindow() && m_captive.GetSafeHwnd() != NULL;
}

CRuntimeClass* CGXCurrencyEdit::GetWndRuntimeClass()
{
    return GetRuntimeClass();
}

CWnd* CGXCurrencyEdit::GetWndPtr() const
{
    return const_cast<CGXCurrencyEdit*>(this);
}

// -- State -------------------------------------------------------------------------------------

void CGXCurrencyEdit::SetActive(BOOL bActive)
{
    m_bActive = bActive;
}

BOOL CGXCurrencyEdit::IsActive()
{
    return m_bActive;
}

void CGXCurrencyEdit::SetModify(BOOL bModified)
{
    m_bModified = bModified;
}

BOOL CGXCurrencyEdit::GetModify()
{
    return m_bModified;
}

BOOL CGXCurrencyEdit::Activate()
{
    if (m_bActive)
        return TRUE;
    if (!BeginEditing())
        return FALSE;
    SetActive(TRUE);
    return TRUE;
}

// -- Values and texts --------------------------------------------------------------------------

CString CGXCurrencyEdit::NumberText(double dValue, const Format& format)
{
    CString strFormat, str;
    strFormat.Format(_T("%%.%df"), format.GetDecimalPlaces());
    str.Format(strFormat, dValue);
    return str;
}

void CGXCurrencyEdit::GetStyleValueText(const CGXStyle& style, CString& strResult)
{
    strResult = style.GetValue();
    if (strResult.IsEmpty() || !CreateWindows(WS_CHILD))
        return;
    ApplyStyleFormat(&m_captive, style);
    double dValue;
    BOOL bNegative;
    const Format& format = m_captive.GetFormatRef();
    if (format.ParseValue(LocalizedNumber(strResult, format), dValue, bNegative))
        strResult = NumberText(bNegative ? -dValue : dValue, format);
}

BOOL CGXCurrencyEdit::PrepareStoreText(CString& strText, ROWCOL, ROWCOL, const CGXStyle& style)
{
    if (strText.IsEmpty())
        return TRUE;
    if (!CreateWindows(WS_CHILD))
        return FALSE;
    ApplyStyleFormat(&m_captive, style);
    double dValue;
    BOOL bNegative;
    const Format& format = m_captive.GetFormatRef();
    if (!format.ParseValue(strText, dValue, bNegative))
        return FALSE;
    strText = NumberText(bNegative ? -dValue : dValue, format);
    return TRUE;
}

BOOL CGXCurrencyEdit::FormatValueText(CString& strResult, ROWCOL, ROWCOL, LPCTSTR pszRawValue,
                                      const CGXStyle& style)
{
    strResult.Empty();
    if (!CreateWindows(WS_CHILD))
        return FALSE;
    if (pszRawValue == NULL)
    {
        ApplyStyleFormat(&m_captive, style);
        if (!style.GetInclude(CGXStyle::ibValue) || style.GetValue().IsEmpty())
            return FALSE;
        CString str = LocalizedNumber(style.GetValue(), m_captive.GetFormatRef());
        if (m_captive.SendMessage(WM_SETTEXT, 0, (LPARAM)(LPCTSTR)str))
            m_captive.GetWindowText(strResult);
        return !strResult.IsEmpty();
    }
    // A value text goes through this window's own set-text handling.
    CString str = LocalizedNumber(pszRawValue, GetFormatRef());
    BOOL bParsed = (BOOL)SendMessage(WM_SETTEXT, 0, (LPARAM)(LPCTSTR)str);
    GetWindowText(strResult);
    return bParsed;
}

BOOL CGXCurrencyEdit::GetValue(CString& strResult)
{
    if (!HasWindow())
        return FALSE;
    const Format& format = GetFormatRef();
    double dValue = m_dValue;
    int nMax = format.GetMaxIntegerDigits();
    if (dValue != 0 && nMax != -1)
    {
        int e = (int)log10(dValue);
        int d = e - (nMax - 1);
        if (e != 0 && d > 0)
            dValue = (dValue - floor(dValue)) + floor(floor(dValue) / floor(pow(10.0, d)));
    }
    strResult = NumberText(m_bNegative ? -dValue : dValue, format);
    return TRUE;
}

void CGXCurrencyEdit::SetValue(LPCTSTR pszRawValue)
{
    if (!HasWindow() || !m_bInit)
        return;
    CString strText;
    FormatValueText(strText, m_nRow, m_nCol, pszRawValue != NULL ? pszRawValue : _T(""), LoadStyle());
}

BOOL CGXCurrencyEdit::GetCurrentText(CString& strResult)
{
    strResult.Empty();
    if (m_bActive && HasWindow())
    {
        GetWindowText(strResult);
        return TRUE;
    }
    if (!m_bInit)
        return FALSE;
    return FormatValueText(strResult, m_nRow, m_nCol, NULL, LoadStyle());
}

void CGXCurrencyEdit::SetCurrentText(const CString& str)
{
    if (!m_bInit || !HasWindow())
        return;
    if (!m_bActive)
        Activate();
    if (!ValidateText(str))
        return;
    SendMessage(WM_SETTEXT, 0, (LPARAM)(LPCTSTR)str);
    SetModify(TRUE);
    NotifyModified();
}

BOOL CGXCurrencyEdit::GetSelectedText(CString& strResult)
{
    if (!m_bActive || !HasWindow())
    {
        strResult = m_bInit ? ComposedValueText(m_nRow, m_nCol) : CString();
        return TRUE;
    }
    CString strText;
    GetWindowText(strText);
    int nFrom = 0, nTo = 0;
    if (HasSelection())
        SelRange(strText.GetLength(), nFrom, nTo);
    strResult = strText.Mid(nFrom, nTo - nFrom);
    return TRUE;
}

void CGXCurrencyEdit::ReplaceSel(LPCTSTR pszText)
{
    if (!m_bActive || !HasWindow())
    {
        CGXStatic::ReplaceSel(pszText);
        return;
    }
    CString strText;
    GetWindowText(strText);
    int nFrom = m_nCaret, nTo = m_nCaret;
    if (HasSelection())
        SelRange(strText.GetLength(), nFrom, nTo);
    SendMessage(WM_SETTEXT, 0, (LPARAM)(LPCTSTR)(strText.Left(nFrom) + pszText + strText.Mid(nTo)));
    SetModify(TRUE);
    NotifyModified();
}

CGXFindReplaceSettings CGXCurrencyEdit::CellFind(const CGXFindReplaceSettings& find, const Format& format)
{
    // The symbol stands apart from the digits: a find text beginning with it looks for the rest.
    CGXFindReplaceSettings cellFind = find;
    const CString& strSymbol = format.GetCurrencySymbol();
    if (!strSymbol.IsEmpty() && cellFind.m_strFind.Left(strSymbol.GetLength()) == strSymbol)
        cellFind.m_strFind = cellFind.m_strFind.Mid(strSymbol.GetLength());
    cellFind.PrepareSearchText();
    return cellFind;
}

int CGXCurrencyEdit::LeadingFill(const CString& strText, char cFill)
{
    int nFill = 0;
    while (nFill < strText.GetLength() && strText[nFill] == cFill)
        nFill++;
    return nFill;
}

int CGXCurrencyEdit::FindIn(const CString& strText, int nStart, const CGXFindReplaceSettings& find,
                            char cFill)
{
    int nFill = LeadingFill(strText, cFill);
    if (find.m_strFindUpper.IsEmpty())
        return -1;
    CString strSearch = strText;
    if (!find.m_bMatchCase)
        strSearch.MakeUpper();
    return strSearch.Find(find.m_strFindUpper, std::max(nStart, nFill));
}

BOOL CGXCurrencyEdit::FindText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol, BOOL bAtCaret,
                               BOOL bSelect)
{
    if (!CreateWindows(WS_CHILD))
        return FALSE;
    BOOL bActiveHere = m_bActive && IsInitAt(nRow, nCol) && m_pGrid->IsCurrentCell(nRow, nCol);
    CString strText;
    int nStart = 0;
    const Format* pFormat = &GetFormatRef();
    if (bActiveHere)
    {
        GetWindowText(strText);
        int nFrom = 0, nTo = 0;
        if (HasSelection())
            SelRange(strText.GetLength(), nFrom, nTo);
        else
            nFrom = nTo = m_nCaret;
        nStart = bAtCaret ? nFrom : nTo;
    }
    else
    {
        const CGXStyle& style = m_pGrid->LookupStyleRowCol(nRow, nCol);
        FormatValueText(strText, nRow, nCol, NULL, style);
        pFormat = &m_captive.GetFormatRef();
    }
    CGXFindReplaceSettings cellFind = CellFind(find, *pFormat);
    int nHit = FindIn(strText, nStart, cellFind, pFormat->GetFillChar());
    if (nHit < 0)
        return FALSE;
    if (bSelect)
    {
        if (!bActiveHere)
        {
            if (!GXMoveToFoundCell(this, nRow, nCol) || !Activate())
                return FALSE;
            // Shown first: showing the window sets its caret and selection anew.
            Refresh();
            GetGridWnd()->UpdateWindow();
        }
        else
            m_pGrid->ScrollCellInView(nRow, nCol);
        SetSel(nHit, nHit + cellFind.m_strFind.GetLength());
        Invalidate();
    }
    return TRUE;
}

BOOL CGXCurrencyEdit::ReplaceText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol)
{
    if (!CreateWindows(WS_CHILD))
        return FALSE;
    BOOL bActiveHere = m_bActive && IsInitAt(nRow, nCol) && m_pGrid->IsCurrentCell(nRow, nCol);
    CGXStyle* pStyle = m_pGrid->CreateStyle();
    m_pGrid->ComposeStyleRowCol(nRow, nCol, pStyle);
    CString strText;
    if (bActiveHere)
        GetWindowText(strText);
    else
        FormatValueText(strText, nRow, nCol, NULL, *pStyle);
    ApplyStyleFormat(&m_captive, *pStyle);
    const Format& format = m_captive.GetFormatRef();
    CGXFindReplaceSettings cellFind = CellFind(find, format);
    CString strResult;
    BOOL bOk =
        FindIn(strText, 0, cellFind, format.GetFillChar()) >= 0 &&
        CGXEditControl::ReplaceAll(strText, LeadingFill(strText, format.GetFillChar()), cellFind, strResult);
    // The result counts only when the cell's format reads it.
    double dValue = 0;
    BOOL bNegative = FALSE;
    bOk = bOk && format.ParseValue(strResult, dValue, bNegative);
    if (bOk && bActiveHere)
    {
        SetValue(dValue, bNegative, TRUE);
        SetModify(TRUE);
        NotifyModified();
    }
    else if (bOk)
        bOk =
            m_pGrid->SetValueRange(CGXCellRange(nRow, nCol), NumberText(bNegative ? -dValue : dValue, format),
                                   gxOverride, 0, GX_UPDATENOW);
    m_pGrid->RecycleStyle(pStyle);
    return bOk;
}

// -- Lifecycle ---------------------------------------------------------------------------------

void CGXCurrencyEdit::Init(ROWCOL nRow, ROWCOL nCol)
{
    m_bInitialising = TRUE;
    CGXStatic::Init(nRow, nCol);
    if (!CreateWindows(WS_CHILD))
    {
        m_bInitialising = FALSE;
        return;
    }
    SetActive(FALSE);
    FreeStyle(TRUE);
    const CGXStyle& style = LoadStyle();
    ApplyStyleFormat(NULL, style);
    CString strValue = style.GetInclude(CGXStyle::ibValue) ? style.GetValue() : CString();
    SetValue(strValue);
    DWORD dwHorz = style.GetHorizontalAlignment();
    SetAlignment(dwHorz == DT_CENTER ? 1 : dwHorz == DT_RIGHT ? 2 : 0);
    SetSel(0, -1);
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != NULL && (pParam->m_wActivateFlags & 4) && BeginEditing())
        SetActive(TRUE);
    m_bInitialising = FALSE;
    SetModify(FALSE);
}

BOOL CGXCurrencyEdit::Store()
{
    CString strValue;
    if (m_pStyle == NULL || !GetModify() || !GetValue(strValue))
        return TRUE;
    SetActive(FALSE);
    SetModify(FALSE);
    return m_pGrid->SetValueRange(CGXCellRange(m_nRow, m_nCol), strValue, gxOverride, 0, GX_INVALIDATE);
}

BOOL CGXCurrencyEdit::StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int mode, int nType,
                                 const CGXStyle* pOldStyle)
{
    BOOL bResult = CGXStatic::StoreStyle(nRow, nCol, pStyle, mode, nType, pOldStyle);
    if (pStyle == NULL || !IsInitAt(nRow, nCol) || !HasWindow())
        return bResult;
    if (pStyle->GetInclude(CGXStyle::ibValue))
    {
        if (!GetModify())
            Init(nRow, nCol);
        return bResult;
    }
    for (WORD nID = GX_IDS_UA_CURRENCY_FLAGS; nID <= GX_IDS_UA_CURRENCY_DECIMALS; nID++)
        if (pStyle->HasUserAttribute(nID))
        {
            FreeStyle(TRUE);
            ApplyStyleFormat(NULL, LoadStyle());
            break;
        }
    return bResult;
}

void CGXCurrencyEdit::Hide()
{
    if (!HasWindow() || !IsWindowVisible())
        return;
    CGXFlagScope lock(m_pGrid->m_bLockFocusHandler);
    ::HideCaret(m_hWnd);
    MoveWindow(0, 0, 0, 0, FALSE);
    ShowWindow(SW_HIDE);
}

void CGXCurrencyEdit::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                           const CGXStyle* pStandardStyle)
{
    if (!(m_bActive && HasWindow() && !m_pGrid->IsPrinting() && m_pGrid->IsCurrentCell(nRow, nCol) &&
          IsInitAt(nRow, nCol)))
    {
        CGXStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    FreeStyle(TRUE);
    const CGXStyle& cell = LoadStyle();
    CreateZoomedFont(m_font, cell);
    m_pGrid->DrawBrushRect(pDC, rect, cell.GetInterior());
    CRect rectInner = GetCellRect(nRow, nCol, &rect, &cell);
    CClientDC dc(GetGridWnd());
    CFont* pOld = dc.SelectObject(&m_font);
    TEXTMETRIC tm = {};
    dc.GetTextMetrics(&tm);
    dc.SelectObject(pOld);
    int nLine = tm.tmHeight + tm.tmExternalLeading + 1;
    CRect rectWnd = rectInner;
    DWORD dwVert = cell.GetVerticalAlignment();
    if (dwVert == DT_VCENTER)
        rectWnd.top += std::max(0, (rectInner.Height() - nLine) / 2);
    else if (dwVert == DT_BOTTOM)
        rectWnd.top = std::max(rectInner.top, rectInner.bottom - nLine);
    if (!cell.GetWrapText())
        rectWnd.bottom = std::min(rectWnd.bottom, rectWnd.top + nLine);

    SendMessage(WM_SETFONT, (WPARAM)m_font.GetSafeHandle(), FALSE);
    UINT nBitmap = ShowsButton(cell) ? GX_IDB_CURRENCY : 0;
    if (nBitmap != GetButtonBitmapId())
        SetButtonBitmap(nBitmap);
    MoveWindow(&rectWnd, FALSE);
    Format format;
    GetFormat(format);
    CGXGridParam* pParam = m_pGrid->GetParam();
    BOOL bBlackWhite =
        pParam != NULL && pParam->GetProperties() != NULL && pParam->GetProperties()->GetBlackWhite();
    format.SetBackColor(bBlackWhite ? RGB(255, 255, 255) : cell.GetInterior().GetColor());
    COLORREF crText = bBlackWhite ? RGB(0, 0, 0) : cell.GetTextColor();
    format.SetPositiveColor(crText);
    format.SetNegativeColor(crText);
    SetFormat(format);
    SendMessage(EM_SETREADONLY, CGXStatic::IsReadOnly());
    ShowWindow(SW_SHOW);
    TakeFocusFromGrid(this);
    KeepWindowArea(pDC, this);
}

// -- Mouse and keys from the grid --------------------------------------------------------------

int CGXCurrencyEdit::CharUnderPoint(CPoint pt)
{
    const CGXStyle& style = LoadStyle();
    CString strText;
    if (m_bActive)
        GetWindowText(strText);
    else if (style.GetValue().IsEmpty() || !FormatValueText(strText, m_nRow, m_nCol, NULL, style))
        return -1;
    CRect rect = CGXStatic::GetCellRect(m_nRow, m_nCol, NULL, &style);
    DWORD dwHorz = style.GetHorizontalAlignment(), dwVert = style.GetVerticalAlignment();
    UINT nFormat = DT_NOPREFIX | (style.GetWrapText() ? DT_WORDBREAK : DT_SINGLELINE) |
                   (dwHorz == DT_CENTER  ? DT_CENTER
                    : dwHorz == DT_RIGHT ? DT_RIGHT
                                         : 0) |
                   (dwVert == DT_VCENTER  ? DT_VCENTER
                    : dwVert == DT_BOTTOM ? DT_BOTTOM
                                          : 0);
    CClientDC dc(GetGridWnd());
    CFont* pOld = m_pGrid->SelectCellFont(&dc, style, NULL);
    int nPos = GXGetDrawingAndFormatting()->GetTextPosFromPoint(
        &dc, strText, strText.GetLength(), rect.left, rect.top, rect.right, rect.bottom, nFormat, pt.x, pt.y);
    if (pOld != NULL)
        dc.SelectObject(pOld);
    return nPos;
}

BOOL CGXCurrencyEdit::LButtonUp(UINT nFlags, CPoint pt, UINT nHitState)
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    CRect rect = m_pGrid->CalcCellRect(m_nRow, m_nCol);
    int nPos = m_bInit && HasWindow() && rect.PtInRect(pt) ? CharUnderPoint(pt) : -1;
    if (nPos >= 0 && pParam != NULL &&
        (pParam->m_bClickActivation || (pParam->m_wActivateFlags & (4 | 8)) == 0) &&
        !CGXStatic::IsReadOnly() && Activate())
    {
        Refresh();
        GetGridWnd()->UpdateWindow();
        SetSel(-1, 0);
        SetCaret(nPos, FALSE);
    }
    else if (m_bActive && HasWindow() && ::GetFocus() != m_hWnd)
        Refresh();
    return CGXStatic::LButtonUp(nFlags, pt, nHitState);
}

BOOL CGXCurrencyEdit::LButtonDblClk(UINT nFlags, CPoint pt)
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (HasWindow() && !m_bActive && pParam != NULL && (pParam->m_wActivateFlags & 8) && BeginEditing())
    {
        SetActive(TRUE);
        Refresh();
    }
    return CGXStatic::LButtonDblClk(nFlags, pt);
}

BOOL CGXCurrencyEdit::HandleChar(UINT nMessage, UINT nChar, UINT nFlags)
{
    if (nChar < 32 || nChar == 127 || m_bActive)
        return CGXStatic::HandleChar(nMessage, nChar, nFlags);
    if (!HasWindow() || CGXStatic::IsReadOnly() || !BeginEditing())
        return FALSE;
    SetActive(TRUE);
    // Shown and focused first (selecting all), so that the character replaces the amount.
    Refresh();
    GetGridWnd()->UpdateWindow();
    PostMessage(WM_CHAR, nChar, MAKELPARAM(1, nFlags));
    return TRUE;
}

BOOL CGXCurrencyEdit::HandleText(LPCTSTR)
{
    return TRUE;
}

BOOL CGXCurrencyEdit::KeyDown(UINT nMessage, UINT nChar, UINT nFlags)
{
    if (!HasWindow() || !m_bInit || ::GetKeyState(VK_CONTROL) < 0)
        return CGXStatic::KeyDown(nMessage, nChar, nFlags);
    if (nChar == VK_SPACE)
    {
        if (!CGXStatic::IsReadOnly())
        {
            double dValue;
            BOOL bNegative;
            CString strText;
            GetWindowText(strText);
            if (GetFormatRef().ParseValue(strText, dValue, bNegative))
            {
                CString strNew;
                GetFormatRef().FormatValue(dValue, strNew, !bNegative);
                m_dValue = dValue;
                m_bNegative = !bNegative;
                SetTextUnparsed(strNew);
                Refresh();
            }
        }
        return TRUE;
    }
    if (nChar != VK_HOME && nChar != VK_END)
        return CGXStatic::KeyDown(nMessage, nChar, nFlags);
    if (!BeginEditing())
        return FALSE;
    SetActive(TRUE);
    GXShowActiveCell(this);
    return TRUE;
}

BOOL CGXCurrencyEdit::SysKeyDown(UINT nMessage, UINT nChar, UINT nFlags)
{
    if (nChar == VK_UP && HasWindow() && IsWindowVisible())
    {
        SetFocus();
        return TRUE;
    }
    if (nChar != VK_DOWN || !HasWindow())
        return CGXStatic::SysKeyDown(nMessage, nChar, nFlags);
    if (!BeginEditing())
        return FALSE;
    SetActive(TRUE);
    Refresh();
    GetGridWnd()->UpdateWindow();
    if (GetButtonBitmapId() != 0)
        ShowCalculator();
    return TRUE;
}

BOOL CGXCurrencyEdit::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == EN_CHANGE && (HWND)lParam == m_hWnd && m_bActive && GetModify())
        NotifyModified();
    return CGXBCurrencyEdit::OnCommand(wParam, lParam);
}

// -- The edit window's messages ----------------------------------------------------------------

BOOL CGXCurrencyEdit::HitTestButton(int x, int y, BOOL bClient)
{
    if (m_bWholeWindowButton)
        return TRUE;
    return CGXBCurrencyEdit::HitTestButton(x, y, bClient);
}

LRESULT CGXCurrencyEdit::OnCellSetText(WPARAM, LPARAM lParam)
{
    LPCTSTR pszText = lParam != 0 ? (LPCTSTR)lParam : _T("");
    if (m_bParseOnSetText)
    {
        double dValue;
        BOOL bNegative;
        if (!GetFormatRef().ParseValue(pszText, dValue, bNegative))
            return FALSE;
        m_dValue = dValue;
        m_bNegative = bNegative;
        CString strText;
        GetFormatRef().FormatValue(dValue, strText, bNegative);
        SetTextUnparsed(strText);
        return TRUE;
    }
    // Every formatted text the window sets itself marks the cell modified (a text set again
    // unchanged, as a new colour does, is no change).
    if (!m_bInitialising && m_bInit && GetText() != pszText)
    {
        SetModify(TRUE);
        NotifyModified();
    }
    LRESULT lResult = Default();
    InvalidateIfRedraw();
    return lResult;
}

LRESULT CGXCurrencyEdit::OnCalculatorResult(WPARAM, LPARAM lParam)
{
    if (CGXStatic::IsReadOnly())
        return TRUE;
    // The calculator writes the locale's decimal point; the cell reads its own separator.
    CString strText = lParam != 0 ? (LPCTSTR)lParam : _T("");
    TCHAR szDecimal[8] = {};
    ::GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, szDecimal, 8);
    int i = szDecimal[0] != 0 ? strText.ReverseFind(szDecimal[0]) : -1;
    if (i >= 0)
        strText.SetAt(i, GetFormatRef().ShownDecimalSeparator());
    double dValue;
    BOOL bNegative;
    if (!GetFormatRef().ParseValue(strText, dValue, bNegative))
        return FALSE;
    m_dValue = dValue;
    m_bNegative = bNegative;
    CString strFormatted;
    GetFormatRef().FormatValue(dValue, strFormatted, bNegative);
    SetTextUnparsed(strFormatted);
    return TRUE;
}

void CGXCurrencyEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_bInit)
        QueryGridEditHook(2, 0);
    BOOL bToGrid = FALSE;
    if (::GetKeyState(VK_CONTROL) < 0)
    {
        CGXBCurrencyEdit::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    int nLen = GetWindowTextLength();
    BOOL bShift = ::GetKeyState(VK_SHIFT) < 0;
    switch (nChar)
    {
    case VK_LEFT:
        bToGrid = m_nCaret == 0;
        break;
    case VK_RIGHT:
        bToGrid = m_nCaret >= nLen;
        break;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
        bToGrid = TRUE;
        break;
    case VK_INSERT:
        if (bShift)
            CGXControl::Paste();
        else
            ToggleOverwrite();
        return;
    case VK_DELETE:
        SetModify(TRUE);
        if (bShift)
            PostMessage(WM_CUT);
        else
            DoDelete();
        return;
    case VK_SPACE:
        if (!CGXStatic::IsReadOnly())
            KeyDown(WM_KEYDOWN, VK_SPACE, nFlags);
        return;
    default:
        bToGrid = nChar >= VK_F1 && nChar <= VK_F24;
        break;
    }
    if (!bToGrid)
    {
        CGXBCurrencyEdit::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    m_pGrid->ProcessKeyMessage(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
}

void CGXCurrencyEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bInit || !m_bActive || CGXStatic::IsReadOnly())
        return;
    if (nChar == VK_BACK || nChar == '\r' || nChar == '\n' || ::GetKeyState(VK_CONTROL) < 0)
        return;
    CGXBCurrencyEdit::OnChar(nChar, nRepCnt, nFlags);
    m_pGrid->ProcessKeyMessage(this, WM_CHAR, nChar, nRepCnt, nFlags);
}

LRESULT CGXCurrencyEdit::OnCellKeyMessage(WPARAM wParam, LPARAM lParam)
{
    const MSG* pMsg = GetCurrentMessage();
    if (m_pGrid->ProcessKeyMessage(this, pMsg->message, (UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
        return 0;
    return Default();
}

void CGXCurrencyEdit::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_pGrid->ProcessKeyMessage(this, WM_SYSKEYDOWN, nChar, nRepCnt, nFlags))
        return;
    CGXBCurrencyEdit::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

UINT CGXCurrencyEdit::OnGetDlgCode()
{
    return CGXBCurrencyEdit::OnGetDlgCode() | DLGC_WANTTAB;
}

void CGXCurrencyEdit::OnKillFocus(CWnd* pNewWnd)
{
    CGXBCurrencyEdit::OnKillFocus(pNewWnd);
    NotifyGridKillFocus(pNewWnd);
}

BOOL CGXCurrencyEdit::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CGXCurrencyEdit::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (HasSelection())
    {
        int nFrom, nTo, nPos = CharFromPoint(point);
        SelRange(GetWindowTextLength(), nFrom, nTo);
        if (nPos >= nFrom && nPos < nTo && m_pGrid->OnStartTextDrag(m_nRow, m_nCol))
            return;
    }
    CGXBCurrencyEdit::OnLButtonDown(nFlags, point);
}

LRESULT CGXCurrencyEdit::OnCellContextMenu(WPARAM, LPARAM)
{
    return Default();
}
