// Date-time cells.
#include "grid/controls/DateTimeCell.h"
#include "grid/controls/DTButtonGadget.h"
#include "grid/controls/DTListGadget.h"
#include "grid/controls/DTNumericGadget.h"
#include "grid/controls/DTSpinGadget.h"
#include "grid/controls/PopupCalendar.h"
#include "grid/core/AbstractUserAttribute.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/FlagScope.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/StylesMap.h"
#include "GridIds.h"
#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CGXDateTimeCtrl, CGXBDateTimeCtrl)
GX_IMPLEMENT_CONTROL(CGXDateTimeCtrl, CGXStatic)

BEGIN_MESSAGE_MAP(CGXDateTimeCtrl, CGXBDateTimeCtrl)
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_SYSKEYDOWN()
ON_WM_KILLFOCUS()
ON_WM_ERASEBKGND()
ON_WM_GETDLGCODE()
ON_MESSAGE(WM_KEYUP, OnCellKeyMessage)
ON_MESSAGE(WM_SYSCHAR, OnCellKeyMessage)
ON_MESSAGE(WM_SYSKEYUP, OnCellKeyMessage)
END_MESSAGE_MAP()

namespace
{
const int buttonWidth = 16;

CString AttributeText(const CGXStyle& style, WORD nID)
{
    return style.HasUserAttribute(nID) ? style.GetUserAttribute(nID).GetValueText() : CString();
}

// The whole text as a number, FALSE when anything else stands in it.
BOOL WholeNumber(const CString& strText, double& d)
{
    CString str = strText;
    str.TrimLeft();
    str.TrimRight();
    if (str.IsEmpty())
        return FALSE;
    char* pEnd = NULL;
    d = strtod(str, &pEnd);
    return pEnd != NULL && *pEnd == 0;
}
} // namespace

CGXDateTimeCtrl::CGXDateTimeCtrl(CGXGridCore* pGrid, UINT nID, DWORD dwStyle)
    : CGXStatic(pGrid), m_nID(nID), m_dwCreateStyle(dwStyle)
{
}

CGXDateTimeCtrl::~CGXDateTimeCtrl()
{
    for (CWnd* pWnd : {(CWnd*)&m_measure, (CWnd*)&m_draw})
        if (pWnd->GetSafeHwnd())
            pWnd->DestroyWindow();
    if (HasWindow())
        DestroyWindow();
}

void CGXDateTimeCtrl::RegisterUserAttributes(CGXStylesMap* pStylesMap)
{
    for (WORD nID : {GX_IDS_UA_DATEMIN, GX_IDS_UA_DATEMAX, GX_IDS_UA_CUSTOMFORMAT, GX_IDS_UA_DATEFORCENUMBER,
                     GX_IDS_UA_DATEPRECISION})
        pStylesMap->AddUserAttribute(nID);
    CString strChoices;
    if (!strChoices.LoadString(GX_IDS_CHOICE_DATEFIXEDFIELDS))
        AfxThrowResourceException();
    CGXStyle fixed;
    fixed.SetControl(GX_IDS_CTRL_CHECKLIST_COMBOBOX).SetChoiceList(strChoices);
    pStylesMap->AddUserAttribute(GX_IDS_UA_DATENOEDIT, &fixed);
    const struct
    {
        WORD nID;
        UINT nChoices;
    } combos[] = {{GX_IDS_UA_DATEVALIDMODE, GX_IDS_CHOICE_DATEVALIDMODE},
                  {GX_IDS_UA_DATEFORMATTYPE, GX_IDS_CHOICE_DATEFORMATTYPE}};
    for (const auto& c : combos)
    {
        if (!strChoices.LoadString(c.nChoices))
            AfxThrowResourceException();
        CGXStyle combo;
        combo.SetControl(GX_IDS_CTRL_TABBED_COMBOBOX)
            .SetChoiceList(strChoices)
            .SetUserAttributeText(GX_IDS_UA_TABLIST_KEYCOL, _T("1"))
            .SetUserAttributeText(GX_IDS_UA_TABLIST_TEXTCOL, _T("0"))
            .SetUserAttributeText(GX_IDS_UA_TABLIST_SHOWALLCOLS, _T("0"));
        pStylesMap->AddUserAttribute(c.nID, &combo);
    }
    CGXStyle check;
    check.SetControl(GX_IDS_CTRL_CHECKBOX3D).SetValue(_T("1"));
    pStylesMap->AddUserAttribute(GX_IDS_UA_FASTINPUT, &check);
}

BOOL CGXDateTimeCtrl::CreateWindows(DWORD dwStyle, const CRect& rect)
{
    CWnd* pGridWnd = GetGridWnd();
    if (pGridWnd == NULL || pGridWnd->GetSafeHwnd() == NULL)
        return FALSE;
    CRect rectAway(30000, 30000, 30500, 30100);
    UINT nOffset = 1;
    for (CGXCaptiveDateTimeCtrl* pWnd : {&m_measure, &m_draw})
    {
        if (pWnd->GetSafeHwnd() == NULL)
            pWnd->Create(0, dwStyle & ~WS_VISIBLE, rectAway, pGridWnd, m_nID + nOffset);
        nOffset++;
    }
    if (!HasWindow())
        Create(0, dwStyle & ~WS_VISIBLE, rect, pGridWnd, m_nID);
    return HasWindow() && m_measure.GetSafeHwnd() && m_draw.GetSafeHwnd();
}

CRuntimeClass* CGXDateTimeCtrl::GetWndRuntimeClass()
{
    return GetRuntimeClass();
}

CWnd* CGXDateTimeCtrl::GetWndPtr() const
{
    return const_cast<CGXDateTimeCtrl*>(this);
}

void CGXDateTimeCtrl::SetActive(BOOL bActive)
{
    m_bActive = bActive;
}

BOOL CGXDateTimeCtrl::IsActive()
{
    return m_bActive;
}

void CGXDateTimeCtrl::SetModify(BOOL bModified)
{
    m_bModified = bModified;
    CGXBDateTimeCtrl::SetModified(bModified);
}

BOOL CGXDateTimeCtrl::GetModify()
{
    return m_bModified;
}

// -- Formats and values ------------------------------------------------------------------------

BOOL CGXDateTimeCtrl::ApplyFormat(CGXBDateTimeCtrl* pWnd, const CGXStyle& style)
{
    CString strType = AttributeText(style, GX_IDS_UA_DATEFORMATTYPE);
    CString strPicture = AttributeText(style, GX_IDS_UA_CUSTOMFORMAT);
    int nType = strType.IsEmpty() ? (strPicture.IsEmpty() ? formatShortDate : formatCustom)
                                  : std::min(atoi(strType), (int)formatDateTime);
    if (nType == formatCustom)
    {
        if (pWnd->GetFormatType() != formatCustom || pWnd->GetFormatString() != strPicture)
            pWnd->SetFormat(strPicture);
    }
    else if (pWnd->GetFormatType() != nType)
        pWnd->SetFormat(nType);
    return !(nType < 1 || (nType == formatCustom && !pWnd->HasDateFields()));
}

BOOL CGXDateTimeCtrl::ReadValue(CGXBDateTimeCtrl& wnd, const CString& strText)
{
    COleDateTime value;
    double d = 0;
    if (!m_bForceNumber && !strText.IsEmpty() && value.ParseDateTime(strText, 0, LOCALE_USER_DEFAULT) &&
        value.GetStatus() == COleDateTime::valid)
        return wnd.SetDateTime(value);
    if (WholeNumber(strText, d) && d != 0)
    {
        value = COleDateTime(d);
        if (value.GetStatus() == COleDateTime::valid && d >= -657434.0 && d <= 2958465.0)
            return wnd.SetDateTime(value);
    }
    int nType = wnd.GetFormatType();
    BOOL bDate = nType == formatShortDate || nType == formatLongDate || nType == formatDateTime ||
                 (nType == formatCustom && wnd.HasDateFields());
    COleDateTime now = COleDateTime::GetCurrentTime();
    wnd.SetDateTime(bDate ? COleDateTime(now.GetYear(), now.GetMonth(), now.GetDay(), 0, 0, 0)
                          : COleDateTime(1899, 12, 30, 0, 0, 0));
    return FALSE;
}

CString CGXDateTimeCtrl::NumberText(const COleDateTime& value) const
{
    CString strFormat, str;
    strFormat.Format(_T("%%.%dg"), m_nPrecision);
    str.Format(strFormat, value.m_dt);
    return str;
}

BOOL CGXDateTimeCtrl::FormatValueText(CString& strResult, ROWCOL, ROWCOL, LPCTSTR pszRawValue,
                                      const CGXStyle& style)
{
    CString strValue = pszRawValue != NULL ? CString(pszRawValue) : style.GetValue();
    strResult.Empty();
    // An empty value shows nothing and an unreadable one stands as it is.
    if (strValue.IsEmpty() || !CreateWindows(WS_CHILD | m_dwCreateStyle, CRect(0, 0, 0, 0)))
        return FALSE;
    BOOL bForce = m_bForceNumber;
    m_bForceNumber = AttributeText(style, GX_IDS_UA_DATEFORCENUMBER) == _T("1");
    ApplyFormat(&m_draw, style);
    BOOL bRead = ReadValue(m_draw, strValue);
    m_bForceNumber = bForce;
    strResult = bRead ? m_draw.GetGadgetText() : strValue;
    return TRUE;
}

void CGXDateTimeCtrl::GetStyleValueText(const CGXStyle& style, CString& strResult)
{
    strResult = style.GetValue();
    COleDateTime value;
    if (!strResult.IsEmpty() && value.ParseDateTime(strResult, 0, LOCALE_USER_DEFAULT))
        strResult.Format(_T("%f"), value.m_dt);
}

BOOL CGXDateTimeCtrl::SplitText(const CString& strText, CStringArray& pieces)
{
    pieces.RemoveAll();
    CString strPiece;
    auto flush = [&] {
        if (!strPiece.IsEmpty())
            pieces.Add(strPiece);
        strPiece.Empty();
    };
    for (int i = 0; i < strText.GetLength(); i++)
    {
        char c = strText[i];
        if (c == '\r' || c == '\n' || c == ' ' || m_strFieldSeparators.Find(c) >= 0)
            flush();
        else
            strPiece += c;
    }
    flush();
    return pieces.GetSize() > 0;
}

BOOL CGXDateTimeCtrl::FitPieces(CGXBDateTimeCtrl& wnd, const CString& strText, COleDateTime& value)
{
    CStringArray pieces;
    if (!SplitText(strText, pieces))
        return FALSE;
    int aFields[6] = {-1, -1, -1, -1, -1, -1}; // year, month, day, hour, minute, second
    INT_PTR nPiece = 0;
    const CGXBDTGadgetArray& gadgets = wnd.GetGadgets();
    for (INT_PTR i = wnd.GetFixedCount(); i < gadgets.GetSize() && nPiece < pieces.GetSize(); i++)
    {
        CGXBDTGadget* p = gadgets.GetGadget(i);
        int nId = p->GetId();
        if (nId <= 0)
            continue;
        const CString& strPiece = pieces[nPiece++];
        double d = 0;
        int n = -1;
        if (p->IsKindOf(RUNTIME_CLASS(CGXBDTListGadget)))
            n = ((CGXBDTListGadget*)p)->FindItem(0, strPiece);
        else if (WholeNumber(strPiece, d))
            n = (int)d;
        if (n < 0)
            return FALSE;
        switch (nId)
        {
        case GXDT_YEAR4:
            aFields[0] = n;
            break;
        case GXDT_YEAR2:
            aFields[0] = n + wnd.GetCentury(n);
            break;
        case GXDT_MONTH:
            aFields[1] = n;
            break;
        case GXDT_MONTHNAME:
            aFields[1] = n + 1;
            break;
        case GXDT_DAY:
            aFields[2] = n;
            break;
        case GXDT_HOUR12:
        case GXDT_HOUR24:
            aFields[3] = n;
            break;
        case GXDT_MINUTE:
            aFields[4] = n;
            break;
        case GXDT_SECOND:
            aFields[5] = n;
            break;
        }
    }
    const COleDateTime& current = wnd.GetDateTime();
    int aCurrent[6] = {current.GetYear(), current.GetMonth(),  current.GetDay(),
                       current.GetHour(), current.GetMinute(), current.GetSecond()};
    for (int i = 0; i < 6; i++)
        if (aFields[i] < 0)
            aFields[i] = aCurrent[i];
    value = COleDateTime(aFields[0], aFields[1], aFields[2], aFields[3], aFields[4], aFields[5]);
    return value.GetStatus() == COleDateTime::valid;
}

BOOL CGXDateTimeCtrl::PrepareStoreText(CString& strText, ROWCOL, ROWCOL, const CGXStyle& style)
{
    if (strText.IsEmpty())
        return TRUE;
    if (!CreateWindows(WS_CHILD | m_dwCreateStyle, CRect(0, 0, 0, 0)))
        return FALSE;
    COleDateTime value;
    if (!value.ParseDateTime(strText, 0, LOCALE_USER_DEFAULT) || value.m_dt == 0)
    {
        ApplyFormat(&m_measure, style);
        if (!FitPieces(m_measure, strText, value))
            return FALSE;
    }
    strText = m_bValueAsNumber ? NumberText(value) : value.Format(0, LOCALE_USER_DEFAULT);
    return TRUE;
}

BOOL CGXDateTimeCtrl::GetValue(CString& strResult)
{
    if (!m_bInit)
        return FALSE;
    if (!m_bModified)
    {
        strResult = LoadStyle().GetValue();
        return TRUE;
    }
    strResult = m_bValueAsNumber ? NumberText(GetDateTime()) : GetDateTime().Format(_T("%#c"));
    return TRUE;
}

void CGXDateTimeCtrl::SetValue(LPCTSTR pszRawValue)
{
    if (!HasWindow())
        return;
    ReadValue(*this, pszRawValue != NULL ? pszRawValue : _T(""));
    NotifyModified();
}

BOOL CGXDateTimeCtrl::GetCurrentText(CString& strResult)
{
    if (m_bInit && m_bModified)
    {
        CString strValue = NumberText(GetDateTime());
        return FormatValueText(strResult, m_nRow, m_nCol, strValue, LoadStyle());
    }
    return CGXStatic::GetCurrentText(strResult);
}

void CGXDateTimeCtrl::SetCurrentText(const CString& str)
{
    if (!m_bInit || !HasWindow())
        return;
    if (!m_bActive && !StartEditing(FALSE))
        return;
    COleDateTime value(1899, 12, 30, 0, 0, 0);
    if (!str.IsEmpty() && (!ValidateText(str) || !value.ParseDateTime(str, 0, LOCALE_USER_DEFAULT)))
        return;
    SetDateTime(value);
    SetModify(TRUE);
    NotifyModified();
}

// -- Lifecycle ---------------------------------------------------------------------------------

void CGXDateTimeCtrl::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXStatic::Init(nRow, nCol);
    if (!CreateWindows(WS_CHILD | m_dwCreateStyle, CRect(0, 0, 1, 1)))
        return;
    SetActive(FALSE);
    FreeStyle(TRUE);
    const CGXStyle& style = LoadStyle();
    SetFixedFields((DWORD)atoi(AttributeText(style, GX_IDS_UA_DATENOEDIT)));
    m_bShowsDate = ApplyFormat(this, style);
    m_bForceNumber = AttributeText(style, GX_IDS_UA_DATEFORCENUMBER) == _T("1");
    SetValue(style.GetInclude(CGXStyle::ibValue) ? (LPCTSTR)style.GetValue() : _T(""));
    CString strPrecision = AttributeText(style, GX_IDS_UA_DATEPRECISION);
    m_nPrecision = strPrecision.IsEmpty() ? 13 : std::max(13, std::min(15, atoi(strPrecision)));
    COleDateTime dtMin(-657434.0), dtMax(2958465.0), dt;
    for (auto bound : {std::make_pair(GX_IDS_UA_DATEMIN, &dtMin), std::make_pair(GX_IDS_UA_DATEMAX, &dtMax)})
    {
        CString str = AttributeText(style, bound.first);
        double d;
        if (str.IsEmpty())
            continue;
        if (dt.ParseDateTime(str, 0, LOCALE_USER_DEFAULT) && dt.GetStatus() == COleDateTime::valid)
            *bound.second = dt;
        else if (WholeNumber(str, d) && d != 0)
            *bound.second = COleDateTime(d);
    }
    SetMinMax(dtMin, dtMax, atoi(AttributeText(style, GX_IDS_UA_DATEVALIDMODE)));
    CString strFast = AttributeText(style, GX_IDS_UA_FASTINPUT);
    SetFastInput(strFast.IsEmpty() || atoi(strFast) != 0);
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != NULL && (pParam->m_wActivateFlags & 4) && BeginEditing())
        SetActive(TRUE);
    SetModify(FALSE);
}

BOOL CGXDateTimeCtrl::Store()
{
    CString strValue;
    if (m_pStyle == NULL || !m_bModified || !GetValue(strValue))
        return TRUE;
    SetActive(FALSE);
    SetModify(FALSE);
    return m_pGrid->SetValueRange(CGXCellRange(m_nRow, m_nCol), strValue, gxOverride, 0, GX_INVALIDATE);
}

void CGXDateTimeCtrl::ClearCell()
{
    SetActive(FALSE);
    SetModify(FALSE);
    m_pGrid->SetValueRange(CGXCellRange(m_nRow, m_nCol), _T(""), gxOverride, 0, GX_INVALIDATE);
}

void CGXDateTimeCtrl::Hide()
{
    if (!HasWindow() || !IsWindowVisible())
        return;
    CGXFlagScope lock(m_pGrid->m_bLockFocusHandler);
    ::HideCaret(m_hWnd);
    MoveWindow(10000, 10000, -9990, -9990, FALSE);
    ShowWindow(SW_HIDE);
}

BOOL CGXDateTimeCtrl::OnChanging(const COleDateTime&)
{
    if (CGXStatic::IsReadOnly())
        return FALSE;
    SetModify(TRUE);
    return TRUE;
}

void CGXDateTimeCtrl::OnChanged()
{
    if (!m_bInit)
        return;
    Refresh();
    if (m_bModified)
        NotifyModified();
}

// -- Size and drawing --------------------------------------------------------------------------

int CGXDateTimeCtrl::ButtonsWidth(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    BOOL bCurrent = m_pGrid->IsCurrentCell(nRow, nCol) && !m_pGrid->IsPrinting();
    int cx = 0;
    if ((m_dwCreateStyle & GXDT_CALENDARBUTTON_STYLE) && (m_bAlwaysShowButton || bCurrent))
        cx += buttonWidth;
    BOOL bReadOnly = style.GetInclude(CGXStyle::ibReadOnly) && style.GetReadOnly();
    if ((m_dwCreateStyle & GXDT_SPINBUTTON_STYLE) && (m_bAlwaysShowSpin || bCurrent) && !bReadOnly)
        cx += buttonWidth;
    return cx;
}

CRect CGXDateTimeCtrl::GetCellRect(ROWCOL nRow, ROWCOL nCol, LPRECT rectItem, const CGXStyle* pStyle)
{
    CRect rect = CGXStatic::GetCellRect(nRow, nCol, rectItem, pStyle);
    rect.right -= ButtonsWidth(nRow, nCol, pStyle != NULL ? *pStyle : m_pGrid->LookupStyleRowCol(nRow, nCol));
    return rect;
}

CSize CGXDateTimeCtrl::AddBorders(CSize size, const CGXStyle& style)
{
    return CGXStatic::AddBorders(CSize(size.cx + 5, size.cy), style);
}

void CGXDateTimeCtrl::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                           const CGXStyle* pStandardStyle)
{
    if (!(m_bActive && HasWindow() && !m_pGrid->IsPrinting() && m_pGrid->IsCurrentCell(nRow, nCol) &&
          IsInitAt(nRow, nCol)))
    {
        CGXStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        // The buttons stand at the right of the inner rectangle, calendar button rightmost.
        CRect rectInner = CGXStatic::GetCellRect(nRow, nCol, &rect, &style);
        int x = rectInner.right;
        BOOL bCurrent = m_pGrid->IsCurrentCell(nRow, nCol) && !m_pGrid->IsPrinting();
        if ((m_dwCreateStyle & GXDT_CALENDARBUTTON_STYLE) && (m_bAlwaysShowButton || bCurrent))
        {
            CBitmap bitmap;
            GXLoadSysColorBitmap(bitmap, MAKEINTRESOURCE(GX_IDB_DROPDOWN));
            CGXBDTButtonGadget::DrawButton(pDC, CRect(x - buttonWidth, rectInner.top, x, rectInner.bottom),
                                           bitmap, (m_dwState & stateButtonPressed) != 0);
            x -= buttonWidth;
        }
        BOOL bReadOnly = style.GetInclude(CGXStyle::ibReadOnly) && style.GetReadOnly();
        if ((m_dwCreateStyle & GXDT_SPINBUTTON_STYLE) && (m_bAlwaysShowSpin || bCurrent) && !bReadOnly)
            CGXBDTSpinGadget::DrawSpin(pDC, CRect(x - buttonWidth, rectInner.top, x, rectInner.bottom), 0);
        return;
    }
    FreeStyle(TRUE);
    const CGXStyle& cell = LoadStyle();
    CreateZoomedFont(m_font, cell);
    SendMessage(WM_SETFONT, (WPARAM)m_font.GetSafeHandle(), FALSE);
    m_crText = cell.GetTextColor();
    m_crWindow = cell.GetInterior().GetColor();
    m_pGrid->DrawBrushRect(pDC, rect, cell.GetInterior());
    CRect rectInner = CGXStatic::GetCellRect(nRow, nCol, &rect, &cell);
    MoveWindow(&rectInner, FALSE);
    ShowWindow(SW_SHOW);
    UpdateWindow();
    TakeFocusFromGrid(this);
    KeepWindowArea(pDC, this);
}

// -- Editing from the grid ---------------------------------------------------------------------

BOOL CGXDateTimeCtrl::StartEditing(BOOL bLast)
{
    if (!HasWindow() || !m_bInit || !BeginEditing())
        return FALSE;
    const CGXBDTGadgetArray& gadgets = GetGadgets();
    int nFound = -1;
    for (INT_PTR i = GetFixedCount(); i < gadgets.GetSize(); i++)
        if (gadgets.GetGadget(i)->GetStyle() & CGXBDTGadget::styleFocus)
        {
            nFound = (int)i;
            if (!bLast)
                break;
        }
    if (nFound >= 0)
        m_nCurrent = nFound;
    SetActive(TRUE);
    Refresh();
    GetGridWnd()->UpdateWindow();
    return TRUE;
}

BOOL CGXDateTimeCtrl::ActivateAt(UINT, CPoint pt, BOOL bDoubleClick)
{
    if (!HasWindow())
        return FALSE;
    if (!bDoubleClick && LoadStyle().GetValue().IsEmpty())
        return FALSE;
    if (!m_bActive && !StartEditing(FALSE))
        return FALSE;
    CPoint ptWnd = pt;
    GetGridWnd()->ClientToScreen(&ptWnd);
    ScreenToClient(&ptWnd);
    SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptWnd.x, ptWnd.y));
    SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptWnd.x, ptWnd.y));
    return TRUE;
}

BOOL CGXDateTimeCtrl::LButtonUp(UINT nFlags, CPoint pt, UINT nHitState)
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (m_bInit && HasWindow() && m_pGrid->IsCurrentCell(m_nRow, m_nCol) &&
        CGXStatic::GetCellRect(m_nRow, m_nCol).PtInRect(pt) && pParam != NULL &&
        (pParam->m_wActivateFlags & 7))
    {
        CGXFlagScope lock(m_pGrid->m_bLockFocusHandler);
        ActivateAt(nFlags, pt, FALSE);
    }
    return CGXStatic::LButtonUp(nFlags, pt, nHitState);
}

BOOL CGXDateTimeCtrl::LButtonDblClk(UINT nFlags, CPoint pt)
{
    if (!m_bActive && m_bInit)
        ActivateAt(nFlags, pt, TRUE);
    return CGXStatic::LButtonDblClk(nFlags, pt);
}

BOOL CGXDateTimeCtrl::KeyDown(UINT nMessage, UINT nChar, UINT nFlags)
{
    if (::GetKeyState(VK_CONTROL) < 0 || !HasWindow())
        return CGXStatic::KeyDown(nMessage, nChar, nFlags);
    if (nChar == VK_END || nChar == VK_HOME)
        return StartEditing(nChar == VK_END);
    if (nChar == VK_DELETE && ::GetKeyState(VK_SHIFT) >= 0 && !CGXStatic::IsReadOnly())
    {
        ClearCell();
        return TRUE;
    }
    return CGXStatic::KeyDown(nMessage, nChar, nFlags);
}

BOOL CGXDateTimeCtrl::SysKeyDown(UINT nMessage, UINT nChar, UINT nFlags)
{
    if (nChar != VK_DOWN || !HasWindow())
        return CGXStatic::SysKeyDown(nMessage, nChar, nFlags);
    if (!m_bActive && !StartEditing(FALSE))
        return FALSE;
    if (m_dwCreateStyle & GXDT_CALENDARBUTTON_STYLE)
        DropDownCalendar();
    return TRUE;
}

BOOL CGXDateTimeCtrl::HandleChar(UINT nMessage, UINT nChar, UINT nFlags)
{
    if (nChar < 32 || nChar == 127)
        return CGXStatic::HandleChar(nMessage, nChar, nFlags);
    TCHAR sz[2] = {(TCHAR)nChar, 0};
    return HandleText(sz);
}

BOOL CGXDateTimeCtrl::HandleText(LPCTSTR pszText)
{
    if (CGXStatic::IsReadOnly() || pszText == NULL || *pszText == 0)
        return FALSE;
    if (!m_bActive && !StartEditing(FALSE))
        return FALSE;
    PostMessage(WM_CHAR, (WPARAM)(BYTE)pszText[0], 1);
    return TRUE;
}

// -- Clipboard ---------------------------------------------------------------------------------

BOOL CGXDateTimeCtrl::Copy()
{
    return m_bActive ? m_pGrid->Copy() : CGXStatic::Copy();
}

BOOL CGXDateTimeCtrl::CanPaste()
{
    return m_bActive && !CGXStatic::IsReadOnly() &&
           (::IsClipboardFormatAvailable(CF_TEXT) || ::IsClipboardFormatAvailable(CF_OEMTEXT));
}

BOOL CGXDateTimeCtrl::Paste()
{
    if (!CanPaste() || !::OpenClipboard(GetGridWnd()->GetSafeHwnd()))
        return FALSE;
    HANDLE hData = ::GetClipboardData(CF_TEXT);
    if (hData == NULL)
        hData = ::GetClipboardData(CF_OEMTEXT);
    CString strText;
    LPCSTR psz = hData != NULL ? (LPCSTR)::GlobalLock(hData) : NULL;
    if (psz != NULL)
    {
        strText = psz;
        ::GlobalUnlock(hData);
    }
    ::CloseClipboard();
    if (psz == NULL)
        return FALSE;
    ReplaceSel(strText);
    return TRUE;
}

void CGXDateTimeCtrl::ReplaceSel(LPCTSTR pszText)
{
    if (!m_bActive || pszText == NULL)
        return;
    CString strText = pszText;
    COleDateTime value;
    // Pieces that do not fit the fields leave the value as it is.
    if ((!value.ParseDateTime(strText, 0, LOCALE_USER_DEFAULT) || value.m_dt == 0) &&
        !FitPieces(*this, strText, value))
        return;
    COleDateTime checked = value;
    if (!CGXBDateTimeCtrl::Validate(checked, 0) || !OnChanging(checked))
        return;
    SetDateTime(checked);
    OnChanged();
}

BOOL CGXDateTimeCtrl::GetSelectedText(CString& strResult)
{
    CGXBDTGadget* pCurrent = GetCurrent();
    strResult = pCurrent != NULL ? pCurrent->GetText() : CString();
    return TRUE;
}

// -- The window's own messages -----------------------------------------------------------------

void CGXDateTimeCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (::GetKeyState(VK_CONTROL) < 0 || !m_bActive)
    {
        m_pGrid->ProcessKeyMessage(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
        return;
    }
    switch (nChar)
    {
    case VK_TAB: {
        BOOL bBack = ::GetKeyState(VK_SHIFT) < 0;
        if (m_bTabBetweenFields && (bBack ? !IsFirstGadget() : !IsLastGadget()))
            CGXBDateTimeCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
        else
            m_pGrid->ProcessKeyMessage(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
        return;
    }
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
        m_pGrid->ProcessKeyMessage(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
        return;
    case VK_DELETE:
        ClearCell();
        return;
    default:
        if (nChar >= VK_F1 && nChar <= VK_F24 && nChar != VK_F4)
        {
            m_pGrid->ProcessKeyMessage(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
            return;
        }
        CGXBDateTimeCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
    }
}

void CGXDateTimeCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bActive || CGXStatic::IsReadOnly() || nChar == VK_BACK || nChar == '\r' || nChar == '\n')
        return;
    if (nChar == 3 || nChar == 24 || nChar == 22) // Ctrl+C, Ctrl+X, Ctrl+V
    {
        if (nChar == 22)
            Paste();
        else
            Copy();
        return;
    }
    CGXBDateTimeCtrl::OnChar(nChar, nRepCnt, nFlags);
    m_pGrid->ProcessKeyMessage(this, WM_CHAR, nChar, nRepCnt, nFlags);
}

LRESULT CGXDateTimeCtrl::OnCellKeyMessage(WPARAM wParam, LPARAM lParam)
{
    const MSG* pMsg = GetCurrentMessage();
    if (m_pGrid->ProcessKeyMessage(this, pMsg->message, (UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
        return 0;
    return Default();
}

void CGXDateTimeCtrl::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_pGrid->ProcessKeyMessage(this, WM_SYSKEYDOWN, nChar, nRepCnt, nFlags))
        return;
    CGXBDateTimeCtrl::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

void CGXDateTimeCtrl::OnKillFocus(CWnd* pNewWnd)
{
    CGXBDateTimeCtrl::OnKillFocus(pNewWnd);
    if (GetCalendar() == NULL)
        NotifyGridKillFocus(pNewWnd);
}

BOOL CGXDateTimeCtrl::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(rect, RGB(255, 255, 255));
    pDC->FillSolidRect(rect, m_crWindow);
    return TRUE;
}

UINT CGXDateTimeCtrl::OnGetDlgCode()
{
    return CGXBDateTimeCtrl::OnGetDlgCode();
}
