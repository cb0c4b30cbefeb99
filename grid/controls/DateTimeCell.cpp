// Date-time cells.
#include "grid/controls/DateTimeCell.h"
#include "grid/controls/ControlActivation.h"
#include "grid/controls/DTButtonGadget.h"
#include "grid/controls/DTListGadget.h"
#include "grid/controls/DTNumericGadget.h"
#include "grid/controls/DTSpinGadget.h"
#include "grid/controls/DTStaticGadget.h"
#include "grid/controls/PopupCalendar.h"
#include "grid/core/AbstractUserAttribute.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/FindReplaceSettings.h"
#include "grid/core/FlagScope.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/Properties.h"
#include "grid/core/RangeList.h"
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

BOOL IsField(const CGXBDTGadget* p)
{
    return p->IsKindOf(RUNTIME_CLASS(CGXBDTNumericGadget)) || p->IsKindOf(RUNTIME_CLASS(CGXBDTListGadget));
}

// The first field of a window from nFrom on that holds the find text: a number field by value
// (the text must begin with a digit), a name field by prefix; with bWhole the field's whole
// text (a number written with "%d") must equal it. Literal text never matches. -1 when none.
int MatchField(const CGXBDateTimeCtrl& wnd, const CGXFindReplaceSettings& find, int nFrom, BOOL bWhole)
{
    CString strFind = find.m_strFind;
    if (strFind.IsEmpty())
        return -1;
    if (!find.m_bMatchCase)
        strFind.MakeUpper();
    const CGXBDTGadgetArray& gadgets = wnd.GetGadgets();
    for (INT_PTR i = std::max(nFrom, wnd.GetFixedCount()); i < gadgets.GetSize(); i++)
    {
        CGXBDTGadget* p = gadgets.GetGadget(i);
        CString strField;
        if (p->IsKindOf(RUNTIME_CLASS(CGXBDTNumericGadget)))
        {
            if (!bWhole)
            {
                if (isdigit((unsigned char)strFind[0]) && atoi(strFind) == p->GetValue())
                    return (int)i;
                continue;
            }
            strField.Format(_T("%d"), p->GetValue());
        }
        else if (p->IsKindOf(RUNTIME_CLASS(CGXBDTListGadget)))
            strField = p->GetText();
        else
            continue;
        if (!find.m_bMatchCase)
            strField.MakeUpper();
        if (bWhole ? strField == strFind : strField.Left(strFind.GetLength()) == strFind)
            return (int)i;
    }
    return -1;
}

// Puts a text into field i of a window: a number, or the first name it begins.
BOOL SetFieldText(CGXBDateTimeCtrl& wnd, int i, const CString& strText)
{
    CGXBDTGadget* p = wnd.GetGadgets().GetGadget(i);
    int n = -1;
    double d = 0;
    if (p->IsKindOf(RUNTIME_CLASS(CGXBDTListGadget)))
        n = ((CGXBDTListGadget*)p)->FindItem(0, strText);
    else if (p->IsKindOf(RUNTIME_CLASS(CGXBDTNumericGadget)) && WholeNumber(strText, d) && d >= 0 &&
             d < 100000)
        n = (int)d;
    return n >= 0 && wnd.OnGadgetNotify(GXDT_NOTIFY_VALIDATE, p->GetId(), n) &&
           wnd.OnGadgetNotify(GXDT_NOTIFY_SET, p->GetId(), n);
}

// The composed style of a cell, for as long as it lives.
class CComposedStyle
{
  public:
    CComposedStyle(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol)
        : m_pGrid(pGrid), m_pStyle(pGrid->CreateStyle())
    {
        pGrid->ComposeStyleRowCol(nRow, nCol, m_pStyle);
    }
    ~CComposedStyle()
    {
        m_pGrid->RecycleStyle(m_pStyle);
    }
    CComposedStyle(const CComposedStyle&) = delete;
    CComposedStyle& operator=(const CComposedStyle&) = delete;
    const CGXStyle& Get() const
    {
        return *m_pStyle;
    }

  private:
    CGXGridCore* m_pGrid;
    CGXStyle* m_pStyle;
};
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

BOOL CGXDateTimeCtrl::ReadCell(CGXBDateTimeCtrl& wnd, const CGXStyle& style, const CString& strValue)
{
    if (strValue.IsEmpty() || !CreateWindows(WS_CHILD | m_dwCreateStyle, CRect(0, 0, 0, 0)))
        return FALSE;
    BOOL bForce = m_bForceNumber;
    m_bForceNumber = AttributeText(style, GX_IDS_UA_DATEFORCENUMBER) == _T("1");
    ApplyFormat(&wnd, style);
    BOOL bRead = ReadValue(wnd, strValue);
    m_bForceNumber = bForce;
    return bRead;
}

BOOL CGXDateTimeCtrl::FormatValueText(CString& strResult, ROWCOL, ROWCOL, LPCTSTR pszRawValue,
                                      const CGXStyle& style)
{
    CString strValue = pszRawValue != NULL ? CString(pszRawValue) : style.GetValue();
    strResult.Empty();
    // An empty value shows nothing and an unreadable one stands as it is.
    if (strValue.IsEmpty() || !CreateWindows(WS_CHILD | m_dwCreateStyle, CRect(0, 0, 0, 0)))
        return FALSE;
    strResult = ReadCell(m_draw, style, strValue) ? m_draw.GetGadgetText() : strValue;
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

BOOL CGXDateTimeCtrl::Validate()
{
    // A number still being typed counts: its field gives up the focus, which commits it.
    CGXBDTGadget* pCurrent = HasWindow() && (m_dwState & stateTyping) ? GetCurrent() : NULL;
    if (pCurrent != NULL)
    {
        pCurrent->SetFocus(FALSE);
        pCurrent->SetFocus(::GetFocus() == m_hWnd);
    }
    return CGXStatic::Validate();
}

BOOL CGXDateTimeCtrl::StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int mode, int nType,
                                 const CGXStyle* pOldStyle)
{
    BOOL bResult = CGXStatic::StoreStyle(nRow, nCol, pStyle, mode, nType, pOldStyle);
    if (pStyle == NULL || !IsInitAt(nRow, nCol) || !HasWindow() || !m_pGrid->IsCurrentCell(nRow, nCol))
        return bResult;
    if (pStyle->GetInclude(CGXStyle::ibValue))
    {
        if (!m_bActive)
            Init(nRow, nCol);
        return bResult;
    }
    if (pStyle->HasUserAttribute(GX_IDS_UA_DATENOEDIT) ||
        pStyle->HasUserAttribute(GX_IDS_UA_DATEFORMATTYPE) ||
        pStyle->HasUserAttribute(GX_IDS_UA_CUSTOMFORMAT))
    {
        FreeStyle(TRUE);
        const CGXStyle& style = LoadStyle();
        SetFixedFields((DWORD)atoi(AttributeText(style, GX_IDS_UA_DATENOEDIT)));
        m_bShowsDate = ApplyFormat(this, style);
        int i = EditableField(FALSE);
        if (m_bActive && i >= 0)
            FocusOnlyField(i);
        return bResult;
    }
    if (!m_bActive)
        Init(nRow, nCol);
    return bResult;
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
    ForgetFind();
    FreeStyle(TRUE);
    LoadStyle();
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

CSize CGXDateTimeCtrl::CalcSize(CDC* pDC, ROWCOL, ROWCOL, const CGXStyle& style, const CGXStyle* pStandard,
                                BOOL)
{
    if (!style.GetInclude(CGXStyle::ibValue))
        return CSize(0, 0);
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandard);
    CSize size(0, 0);
    // A zero or unreadable value has no size.
    if (ReadCell(m_measure, style, style.GetValue()))
    {
        TEXTMETRIC tm = {};
        pDC->GetTextMetrics(&tm);
        size.cy = tm.tmHeight + tm.tmExternalLeading + 1;
        const CGXBDTGadgetArray& gadgets = m_measure.GetGadgets();
        for (INT_PTR i = 0; i < gadgets.GetSize(); i++)
        {
            CGXBDTGadget* p = gadgets.GetGadget(i);
            p->CalcSize(pDC);
            size.cx += p->GetRect().Width();
            size.cy = std::max<long>(size.cy, p->GetRect().Height());
        }
    }
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
    return size.cx > 0 ? AddBorders(size, style) : size;
}

void CGXDateTimeCtrl::DrawGadgetText(CDC* pDC, CGXBDTGadget& gadget, const CString& strText)
{
    CRect rect = gadget.GetRect();
    COLORREF crOldText = 0, crOldBk = 0;
    int nOldMode = 0;
    if (gadget.HasFocus())
    {
        crOldText = pDC->SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
        crOldBk = pDC->SetBkColor(::GetSysColor(COLOR_HIGHLIGHT));
        nOldMode = pDC->SetBkMode(OPAQUE);
        pDC->FillSolidRect(rect, ::GetSysColor(COLOR_HIGHLIGHT));
    }
    GXGetDrawingAndFormatting()->DrawTextLikeMultiLineEdit(pDC, strText, strText.GetLength(), rect.left,
                                                           rect.top, rect.right, rect.bottom,
                                                           DT_SINGLELINE | DT_CENTER | DT_NOPREFIX);
    if (gadget.HasFocus())
    {
        pDC->SetTextColor(crOldText);
        pDC->SetBkColor(crOldBk);
        pDC->SetBkMode(nOldMode);
    }
}

void CGXDateTimeCtrl::DrawNumericGadget(CDC* pDC, CGXBDTGadget& gadget)
{
    DrawGadgetText(pDC, gadget, gadget.GetText());
}

void CGXDateTimeCtrl::DrawListGadget(CDC* pDC, CGXBDTGadget& gadget)
{
    DrawGadgetText(pDC, gadget, gadget.GetText());
}

void CGXDateTimeCtrl::DrawStaticGadget(CDC* pDC, CGXBDTGadget& gadget)
{
    DrawGadgetText(pDC, gadget, gadget.GetText());
}

void CGXDateTimeCtrl::DrawSpinGadget(CDC* pDC, CGXBDTGadget& gadget)
{
    CGXBDTSpinGadget::DrawSpin(pDC, gadget.GetRect(), 0);
}

void CGXDateTimeCtrl::DrawButtonGadget(CDC* pDC, CGXBDTGadget& gadget)
{
    CBitmap bitmap;
    GXLoadSysColorBitmap(bitmap, MAKEINTRESOURCE(GX_IDB_DROPDOWN));
    CGXBDTButtonGadget::DrawButton(pDC, gadget.GetRect(), bitmap, (m_dwState & stateButtonPressed) != 0);
}

void CGXDateTimeCtrl::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                           const CGXStyle* pStandardStyle)
{
    if (!(m_bActive && HasWindow() && !m_pGrid->IsPrinting() && m_pGrid->IsCurrentCell(nRow, nCol) &&
          IsInitAt(nRow, nCol)))
    {
        DrawInactive(pDC, rect, nRow, nCol, style, pStandardStyle);
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

void CGXDateTimeCtrl::DrawInactive(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol,
                                   const CGXStyle& style, const CGXStyle* pStandardStyle)
{
    if (m_pGrid->IsBackgroundPending())
        m_pGrid->DrawBrushRect(pDC, rect, style.GetInterior());
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    if (!CreateWindows(WS_CHILD | m_dwCreateStyle, CRect(0, 0, 0, 0)))
        return;
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
    CRect rectInner = CGXStatic::GetCellRect(nRow, nCol, (LPRECT)&rect, &style);
    BOOL bCurrent = m_pGrid->IsCurrentCell(nRow, nCol) && !m_pGrid->IsPrinting();
    BOOL bShowButton = m_bAlwaysShowButton || bCurrent;
    BOOL bReadOnly = style.GetInclude(CGXStyle::ibReadOnly) && style.GetReadOnly();
    BOOL bShowSpin = (m_bAlwaysShowSpin || bCurrent) && !bReadOnly;
    CString strValue = style.GetValue();
    BOOL bValue = !strValue.IsEmpty();
    if (bValue)
        ReadCell(m_draw, style, strValue);
    else
        ApplyFormat(&m_draw, style);
    m_draw.LayoutIn(pDC, rectInner);
    CGXGridParam* pParam = m_pGrid->GetParam();
    CGXProperties* pProps = pParam != NULL ? pParam->GetProperties() : NULL;
    BOOL bBlackWhite = m_pGrid->IsPrinting() && pProps != NULL && pProps->GetBlackWhite();
    COLORREF crOldText = pDC->SetTextColor(bBlackWhite ? RGB(0, 0, 0) : style.GetTextColor());
    COLORREF crOldBk = pDC->SetBkColor(bBlackWhite ? RGB(255, 255, 255) : style.GetInterior().GetBackColor());
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const CGXBDTGadgetArray& gadgets = m_draw.GetGadgets();
    for (INT_PTR i = gadgets.GetSize() - 1; i >= 0; i--)
    {
        CGXBDTGadget& gadget = *gadgets.GetGadget(i);
        CRect r;
        if (!r.IntersectRect(gadget.GetRect(), rect))
            continue;
        if (gadget.GetId() == GXDT_CALENDARBUTTON)
        {
            if (bShowButton)
                DrawButtonGadget(pDC, gadget);
        }
        else if (gadget.GetId() == GXDT_SPINBUTTON)
        {
            if (bShowSpin)
                DrawSpinGadget(pDC, gadget);
        }
        else if (!bValue)
            continue;
        else if (gadget.IsKindOf(RUNTIME_CLASS(CGXBDTNumericGadget)))
            DrawNumericGadget(pDC, gadget);
        else if (gadget.IsKindOf(RUNTIME_CLASS(CGXBDTListGadget)))
            DrawListGadget(pDC, gadget);
        else if (gadget.IsKindOf(RUNTIME_CLASS(CGXBDTStaticGadget)))
            DrawStaticGadget(pDC, gadget);
    }
    pDC->SetBkMode(nOldMode);
    pDC->SetBkColor(crOldBk);
    pDC->SetTextColor(crOldText);
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
}

// -- Editing from the grid ---------------------------------------------------------------------

int CGXDateTimeCtrl::EditableField(BOOL bLast) const
{
    const CGXBDTGadgetArray& gadgets = GetGadgets();
    int nFound = -1;
    for (INT_PTR i = GetFixedCount(); i < gadgets.GetSize(); i++)
        if (gadgets.GetGadget(i)->GetStyle() & CGXBDTGadget::styleFocus)
        {
            nFound = (int)i;
            if (!bLast)
                break;
        }
    return nFound;
}

void CGXDateTimeCtrl::FocusOnlyField(int i)
{
    SetCurrentGadget(i);
    const CGXBDTGadgetArray& gadgets = GetGadgets();
    for (INT_PTR j = 0; j < gadgets.GetSize(); j++)
        gadgets.GetGadget(j)->SetFocus(j == i);
}

BOOL CGXDateTimeCtrl::BeginEditing()
{
    if (!CGXStatic::BeginEditing())
        return FALSE;
    if (HasWindow())
    {
        CGXBDTGadget* pCurrent = GetCurrent();
        int i = m_nCurrent >= GetFixedCount() && pCurrent != NULL &&
                        (pCurrent->GetStyle() & CGXBDTGadget::styleFocus)
                    ? m_nCurrent
                    : EditableField(FALSE);
        if (i >= 0)
            FocusOnlyField(i);
    }
    return TRUE;
}

BOOL CGXDateTimeCtrl::StartEditing(BOOL bLast)
{
    if (!HasWindow() || !m_bInit || !BeginEditing())
        return FALSE;
    int nFound = EditableField(bLast);
    if (nFound >= 0)
        FocusOnlyField(nFound);
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
    if (nChar == VK_DELETE)
    {
        if (!BeginClearingByDelete())
            return FALSE;
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
    if (!m_bActive)
        return CGXStatic::Copy();
    // The cell itself, not the grid's copy command, which asks the active control again.
    CGXRangeList list;
    list.AddTail(new CGXCellRange(m_nRow, m_nCol));
    return m_pGrid->CopyRangesToClipboard(list);
}

BOOL CGXDateTimeCtrl::Cut()
{
    if (!m_bActive)
        return CGXStatic::Cut();
    if (CGXStatic::IsReadOnly() || !Copy())
        return FALSE;
    ClearCell();
    return TRUE;
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
    // One piece replaces the focused field.
    CStringArray pieces;
    CGXBDTGadget* pCurrent = GetCurrent();
    if (SplitText(strText, pieces) && pieces.GetSize() == 1 && pCurrent != NULL && IsField(pCurrent) &&
        (pCurrent->GetStyle() & CGXBDTGadget::styleFocus))
    {
        SetFieldText(*this, m_nCurrent, pieces[0]);
        return;
    }
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

int CGXDateTimeCtrl::FindStart(ROWCOL nRow, ROWCOL nCol, const CGXFindReplaceSettings& find,
                               BOOL bAtCaret) const
{
    if (!bAtCaret && m_nFindRow == nRow && m_nFindCol == nCol && m_strFound == find.m_strFind)
        return m_nFindNext;
    return GetFixedCount();
}

BOOL CGXDateTimeCtrl::FindText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol, BOOL bAtCaret,
                               BOOL bSelect)
{
    if (!HasWindow() && !CreateWindows(WS_CHILD | m_dwCreateStyle, CRect(0, 0, 0, 0)))
        return FALSE;
    int i;
    if (m_bActive && IsInitAt(nRow, nCol) && m_pGrid->IsCurrentCell(nRow, nCol))
    {
        i = MatchField(*this, find, FindStart(nRow, nCol, find, bAtCaret), FALSE);
        if (i < 0)
        {
            ForgetFind();
            return FALSE;
        }
        FocusOnlyField(i);
    }
    else
    {
        CComposedStyle style(m_pGrid, nRow, nCol);
        if (!ReadCell(m_measure, style.Get(), style.Get().GetValue()))
            return FALSE;
        i = MatchField(m_measure, find, m_measure.GetFixedCount(), FALSE);
        if (i < 0)
            return FALSE;
        if (bSelect)
        {
            if (!GXMoveToFoundCell(this, nRow, nCol))
                return FALSE;
            if (!m_bActive)
            {
                if (!BeginEditing())
                    return FALSE;
                SetActive(TRUE);
            }
            FocusOnlyField(i);
            Refresh();
        }
    }
    m_nFindRow = nRow;
    m_nFindCol = nCol;
    m_strFound = find.m_strFind;
    m_nFindNext = i + 1;
    return TRUE;
}

BOOL CGXDateTimeCtrl::ReplaceText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol)
{
    if (!HasWindow() && !CreateWindows(WS_CHILD | m_dwCreateStyle, CRect(0, 0, 0, 0)))
        return FALSE;
    CComposedStyle style(m_pGrid, nRow, nCol);
    if (m_pGrid->IsReadOnly() || (style.Get().GetInclude(CGXStyle::ibReadOnly) && style.Get().GetReadOnly()))
        return FALSE;
    if (m_bActive && IsInitAt(nRow, nCol) && m_pGrid->IsCurrentCell(nRow, nCol))
    {
        int i = MatchField(*this, find, FindStart(nRow, nCol, find, FALSE), FALSE);
        if (i < 0)
        {
            ForgetFind();
            return FALSE;
        }
        FocusOnlyField(i);
        ReplaceSel(find.m_strReplace);
        return TRUE;
    }
    if (!ReadCell(m_measure, style.Get(), style.Get().GetValue()))
        return FALSE;
    // Every field whose whole text is the find text takes the replacement; one that cannot
    // changes nothing.
    int nReplaced = 0;
    for (int i = MatchField(m_measure, find, 0, TRUE); i >= 0; i = MatchField(m_measure, find, i + 1, TRUE))
    {
        if (!SetFieldText(m_measure, i, find.m_strReplace))
            return FALSE;
        nReplaced++;
    }
    if (nReplaced == 0)
        return FALSE;
    const COleDateTime& value = m_measure.GetDateTime();
    CString strValue = m_bValueAsNumber ? NumberText(value) : value.Format(0, LOCALE_USER_DEFAULT);
    return m_pGrid->SetValueRange(CGXCellRange(nRow, nCol), strValue, gxOverride, 0, GX_UPDATENOW);
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
        {
            Paste();
            return;
        }
        if (::OpenClipboard(m_hWnd))
        {
            ::EmptyClipboard();
            ::CloseClipboard();
        }
        if (nChar == 24)
            Cut();
        else
            Copy();
        return;
    }
    SetModify(TRUE);
    CGXBDateTimeCtrl::OnChar(nChar, nRepCnt, nFlags);
    NotifyModified();
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
