// The date-time edit window: format parsing, layout, painting, keys, mouse, the field
// handlers with their range checks, and the drop-down calendar.
#include "DateTimeCtrl.h"
#include "Calendar.h"
#include "DTButtonGadget.h"
#include "DTListGadget.h"
#include "DTNumericGadget.h"
#include "DTSpinGadget.h"
#include "DTStaticGadget.h"
#include "PopupCalendar.h"
#include "grid/core/AppData.h"
#include "grid/core/SysColorTable.h"
#include <algorithm>
#include <mbstring.h>

IMPLEMENT_DYNAMIC(CGXBDateTimeCtrl, CWnd)

BEGIN_MESSAGE_MAP(CGXBDateTimeCtrl, CWnd)
ON_WM_PAINT()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_KEYDOWN()
ON_WM_GETDLGCODE()
ON_WM_LBUTTONDOWN()
ON_WM_CHAR()
ON_WM_SIZE()
ON_WM_ENABLE()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_SYSCOLORCHANGE()
ON_WM_CANCELMODE()
ON_WM_SETTINGCHANGE()
ON_WM_SYSKEYDOWN()
ON_MESSAGE(WM_SETFONT, OnSetFont)
ON_WM_DESTROY()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_MESSAGE(GX_WM_CALENDAR_ACCEPT, OnCalendarChosen)
ON_MESSAGE(GX_WM_CALENDAR_CANCEL, OnCalendarClosed)
END_MESSAGE_MAP()

namespace
{
// The fields of a value, lowest first: second, minute, hour, day, month, year.
struct Fields
{
    int a[6];
    explicit Fields(const COleDateTime& v)
        : a{v.GetSecond(), v.GetMinute(), v.GetHour(), v.GetDay(), v.GetMonth(), v.GetYear()}
    {
    }
    int& Second()
    {
        return a[0];
    }
    int& Minute()
    {
        return a[1];
    }
    int& Hour()
    {
        return a[2];
    }
    int& Day()
    {
        return a[3];
    }
    int& Month()
    {
        return a[4];
    }
    int& Year()
    {
        return a[5];
    }
    COleDateTime Value() const
    {
        return COleDateTime(a[5], a[4], a[3], a[2], a[1], a[0]);
    }
};

BOOL Splittable(const COleDateTime& v)
{
    return v.GetStatus() == COleDateTime::valid && v.m_dt >= -657434.0 && v.m_dt <= 2958465.0;
}

BOOL DayExists(int y, int m, int d)
{
    return COleDateTime(y, m, d, 0, 0, 0).GetStatus() == COleDateTime::valid;
}

// Wraps a value into lo..hi.
int Wrap(int n, int lo, int hi)
{
    int nSpan = hi - lo + 1;
    return lo + ((n - lo) % nSpan + nSpan) % nSpan;
}

// The letters that start a field, with what each repeat count makes.
struct FieldLetter
{
    char c;
    DWORD dwFixed;
    BOOL bDate;
};
const FieldLetter s_letters[] = {
    {'h', GXDT_FIXED_HOUR, FALSE},   {'H', GXDT_FIXED_HOUR, FALSE}, {'m', GXDT_FIXED_MINUTE, FALSE},
    {'s', GXDT_FIXED_SECOND, FALSE}, {'t', GXDT_FIXED_HOUR, FALSE}, {'d', GXDT_FIXED_DAY, TRUE},
    {'M', GXDT_FIXED_MONTH, TRUE},   {'y', GXDT_FIXED_YEAR, TRUE},  {'g', 0, TRUE}};
} // namespace

CGXBDateTimeCtrl::CGXBDateTimeCtrl()
    : m_value(COleDateTime::GetCurrentTime()), m_min(-657434.0), m_max(2958465.0),
      m_crText(::GetSysColor(COLOR_WINDOWTEXT)), m_crWindow(::GetSysColor(COLOR_WINDOW))
{
}

CGXBDateTimeCtrl::~CGXBDateTimeCtrl()
{
    CloseCalendar();
    if (GetSafeHwnd())
        DestroyWindow();
    DeleteGadgets(0);
}

BOOL CGXBDateTimeCtrl::Create(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID,
                              CCreateContext* pContext)
{
    LPCTSTR pszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), 0, 0);
    if (!CreateEx(dwExStyle, pszClass, NULL, dwStyle | WS_CHILD, rect, pParent, nID, pContext))
        return FALSE;
    HFONT hFont = pParent != NULL ? (HFONT)pParent->SendMessage(WM_GETFONT) : NULL;
    m_hFont = hFont != NULL ? hFont : (HFONT)::GetStockObject(SYSTEM_FONT);
    DeleteGadgets(0);
    m_nFixed = 0;
    if (dwStyle & GXDT_CALENDARBUTTON_STYLE)
    {
        CGXBDTButtonGadget* pButton = new CGXBDTButtonGadget;
        pButton->Initialise(this, m_nButtonBitmap, GXDT_CALENDARBUTTON);
        pButton->SetStyle(pButton->GetStyle() | CGXBDTGadget::styleFixed);
        m_gadgets.Add(pButton);
        m_nFixed++;
    }
    if (dwStyle & GXDT_SPINBUTTON_STYLE)
    {
        CGXBDTSpinGadget* pSpin = new CGXBDTSpinGadget;
        pSpin->Initialise(this, GXDT_SPINBUTTON);
        pSpin->SetStyle(pSpin->GetStyle() | CGXBDTGadget::styleFixed);
        m_gadgets.Add(pSpin);
        m_nFixed++;
    }
    m_nCurrent = m_nFixed;
    ParseFormat(GetFormatString());
    LayoutGadgets();
    return TRUE;
}

// -- Format and gadgets ------------------------------------------------------------------------

CString CGXBDateTimeCtrl::GetFormatString() const
{
    auto localeText = [](LCTYPE type) {
        char sz[256] = {};
        ::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, sz, sizeof(sz));
        return CString(sz);
    };
    switch (m_nFormatType)
    {
    case formatTime:
        return localeText(LOCALE_STIMEFORMAT);
    case formatLongDate:
        return localeText(LOCALE_SLONGDATE);
    case formatCustom:
        return m_strCustom;
    case formatDateTime:
        return localeText(LOCALE_SSHORTDATE) + _T(" ") + localeText(LOCALE_STIMEFORMAT);
    default:
        return localeText(LOCALE_SSHORTDATE);
    }
}

void CGXBDateTimeCtrl::SetFormat(int nType)
{
    m_strCustom.Empty();
    m_nFormatType = nType;
    Rebuild();
}

void CGXBDateTimeCtrl::SetFormat(LPCTSTR pszPicture)
{
    m_strCustom = pszPicture;
    m_nFormatType = formatCustom;
    Rebuild();
}

void CGXBDateTimeCtrl::SetFixedFields(DWORD dwFixed)
{
    m_dwFixedFields = dwFixed;
    if (GetSafeHwnd())
        Rebuild();
}

void CGXBDateTimeCtrl::DeleteGadgets(int nFrom)
{
    if (m_pCapture != NULL)
        CaptureGadget(m_pCapture, FALSE);
    for (INT_PTR i = m_gadgets.GetSize() - 1; i >= nFrom; i--)
    {
        delete m_gadgets.GetGadget(i);
        m_gadgets.RemoveAt(i);
    }
}

void CGXBDateTimeCtrl::Rebuild()
{
    if (!GetSafeHwnd())
        return;
    if (m_pCapture != NULL)
        CaptureGadget(m_pCapture, FALSE);
    CloseCalendar();
    m_nCurrent = 0;
    m_nScroll = 0;
    DeleteGadgets(m_nFixed);
    ParseFormat(GetFormatString());
    LayoutGadgets();
    Invalidate();
}

void CGXBDateTimeCtrl::AddGadget(CGXBDTGadget* pGadget, DWORD dwFixedBit)
{
    if (dwFixedBit != 0 && (m_dwFixedFields & dwFixedBit))
        pGadget->SetStyle(pGadget->GetStyle() & ~CGXBDTGadget::styleFocus);
    m_gadgets.Add(pGadget);
}

void CGXBDateTimeCtrl::ParseFormat(const CString& strFormat)
{
    m_dwHasDate = 0;
    DeleteGadgets(m_nFixed);
    CString strLiteral;
    auto flush = [&] {
        if (strLiteral.IsEmpty())
            return;
        CGXBDTStaticGadget* pStatic = new CGXBDTStaticGadget;
        pStatic->Initialise(this, strLiteral);
        m_gadgets.Add(pStatic);
        strLiteral.Empty();
    };
    int n = strFormat.GetLength();
    for (int i = 0; i < n;)
    {
        char c = strFormat[i];
        if (_ismbblead((unsigned char)c) && i + 1 < n)
        {
            strLiteral += strFormat.Mid(i, 2);
            i += 2;
            continue;
        }
        if (c == '\'' || c == '"')
        {
            int j = strFormat.Find(c, i + 1);
            if (j < 0)
                j = n;
            flush();
            strLiteral = strFormat.Mid(i + 1, j - i - 1);
            flush();
            i = j + 1;
            continue;
        }
        const FieldLetter* pLetter = NULL;
        for (const FieldLetter& l : s_letters)
            if (l.c == c)
                pLetter = &l;
        if (pLetter == NULL)
        {
            strLiteral += c;
            i++;
            continue;
        }
        int nCount = 1;
        while (i + nCount < n && strFormat[i + nCount] == c)
            nCount++;
        i += nCount;
        flush();
        if (pLetter->bDate)
            m_dwHasDate = 1;
        CGXBDTGadget* pGadget = NULL;
        auto numeric = [&](int nMin, int nMax, BOOL bZeros, int nId) {
            CGXBDTNumericGadget* p = new CGXBDTNumericGadget;
            p->Initialise(this, nMin, nMax, nMin, bZeros, nId);
            return p;
        };
        auto list = [&](const CStringArray& items, int nId) {
            CGXBDTListGadget* p = new CGXBDTListGadget;
            p->Initialise(this, items, 0, nId);
            return p;
        };
        CStringArray names;
        switch (c)
        {
        case 'h':
            pGadget = numeric(1, 12, nCount >= 2, GXDT_HOUR12);
            break;
        case 'H':
            pGadget = numeric(0, 23, nCount >= 2, GXDT_HOUR24);
            break;
        case 'm':
            pGadget = numeric(0, 59, nCount >= 2, GXDT_MINUTE);
            break;
        case 's':
            pGadget = numeric(0, 59, nCount >= 2, GXDT_SECOND);
            break;
        case 't':
            for (LCTYPE type : {LOCALE_S1159, LOCALE_S2359})
            {
                char sz[256] = {};
                ::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, sz, sizeof(sz));
                names.Add(nCount == 1 ? CString(sz).Left(1) : CString(sz));
            }
            pGadget = list(names, GXDT_AMPM);
            break;
        case 'd':
            if (nCount <= 2)
                pGadget = numeric(1, 31, nCount == 2, GXDT_DAY);
            else
            {
                for (int d = 1; d <= 7; d++)
                {
                    CString strName;
                    GXGetDayName(strName, d, nCount >= 4);
                    names.Add(strName);
                }
                pGadget = list(names, GXDT_WEEKDAY);
            }
            break;
        case 'M':
            if (nCount <= 2)
                pGadget = numeric(1, 12, nCount == 2, GXDT_MONTH);
            else
            {
                for (int m = 1; m <= 12; m++)
                {
                    CString strName;
                    GXGetMonthName(strName, m, nCount >= 4);
                    names.Add(strName);
                }
                pGadget = list(names, GXDT_MONTHNAME);
            }
            break;
        case 'y':
            pGadget =
                nCount <= 2 ? numeric(0, 99, nCount == 2, GXDT_YEAR2) : numeric(0, 9999, FALSE, GXDT_YEAR4);
            break;
        }
        if (pGadget != NULL)
            AddGadget(pGadget, pLetter->dwFixed);
    }
    flush();
    UpdateGadgets(0xFFFFFFFF);
}

void CGXBDateTimeCtrl::UpdateGadgets(DWORD dwMask)
{
    if (!Splittable(m_value))
        return;
    int nHour = m_value.GetHour();
    m_bPM = nHour >= 12;
    for (INT_PTR i = 0; i < m_gadgets.GetSize(); i++)
    {
        CGXBDTGadget* p = m_gadgets.GetGadget(i);
        int nId = p->GetId();
        if (nId <= 0 || !(nId & dwMask))
            continue;
        int v;
        switch (nId)
        {
        case GXDT_HOUR12:
            v = nHour % 12 == 0 ? 12 : nHour % 12;
            break;
        case GXDT_HOUR24:
            v = nHour;
            break;
        case GXDT_MINUTE:
            v = m_value.GetMinute();
            break;
        case GXDT_SECOND:
            v = m_value.GetSecond();
            break;
        case GXDT_AMPM:
            v = m_bPM ? 1 : 0;
            break;
        case GXDT_DAY:
            v = m_value.GetDay();
            break;
        case GXDT_WEEKDAY:
            v = m_value.GetDayOfWeek() - 1;
            break;
        case GXDT_MONTH:
            v = m_value.GetMonth();
            break;
        case GXDT_MONTHNAME:
            v = m_value.GetMonth() - 1;
            break;
        case GXDT_YEAR2:
            v = m_value.GetYear() % 100;
            break;
        case GXDT_YEAR4:
            v = m_value.GetYear();
            break;
        default:
            continue;
        }
        p->SetValue(v);
        if (GetSafeHwnd())
            InvalidateGadget(p, FALSE);
    }
}

void CGXBDateTimeCtrl::SetValue(const COleDateTime& value)
{
    DWORD dwMask = 0;
    if (Splittable(m_value) && Splittable(value))
    {
        Fields a(m_value), b(value);
        const DWORD adwIds[6] = {GXDT_SECOND,
                                 GXDT_MINUTE,
                                 GXDT_HOUR12 | GXDT_HOUR24 | GXDT_AMPM,
                                 GXDT_DAY | GXDT_WEEKDAY,
                                 GXDT_MONTH | GXDT_MONTHNAME,
                                 GXDT_YEAR2 | GXDT_YEAR4};
        for (int i = 0; i < 6; i++)
            if (a.a[i] != b.a[i])
                dwMask |= adwIds[i];
        if (dwMask & (GXDT_DAY | GXDT_MONTHNAME | GXDT_YEAR4))
            dwMask |= GXDT_WEEKDAY;
    }
    else
        dwMask = 0xFFFFFFFF;
    m_value = value;
    UpdateGadgets(dwMask);
}

BOOL CGXBDateTimeCtrl::SetDateTime(const COleDateTime& value)
{
    if (value.GetStatus() != COleDateTime::valid)
        return FALSE;
    if (!GetSafeHwnd())
    {
        m_value = value;
        UpdateGadgets(0xFFFFFFFF);
        return TRUE;
    }
    SetValue(value);
    return TRUE;
}

CString CGXBDateTimeCtrl::GetGadgetText() const
{
    CString str;
    for (INT_PTR i = m_nFixed; i < m_gadgets.GetSize(); i++)
        str += m_gadgets.GetGadget(i)->GetText();
    return str;
}

// -- Range ---------------------------------------------------------------------------------------

COleDateTime CGXBDateTimeCtrl::Comparable(const COleDateTime& v) const
{
    if (m_nValidateMode == validateTime)
        return COleDateTime(1899, 12, 30, v.GetHour(), v.GetMinute(), v.GetSecond());
    if (m_nValidateMode == validateDate)
        return COleDateTime(v.GetYear(), v.GetMonth(), v.GetDay(), 0, 0, 0);
    return v;
}

BOOL CGXBDateTimeCtrl::InRange(const COleDateTime& value) const
{
    const double dSecond = 1.0 / 86400.0;
    COleDateTime c = Comparable(value);
    return c.m_dt > m_min.m_dt - dSecond && c.m_dt < m_max.m_dt + dSecond;
}

BOOL CGXBDateTimeCtrl::Validate(COleDateTime& value, int nField)
{
    if (!Splittable(value))
        return FALSE;
    if (m_nValidateMode == validateNone || InRange(value))
        return TRUE;
    if (nField == 0)
        return FALSE;
    const COleDateTime& bound = Comparable(value).m_dt < m_min.m_dt ? m_min : m_max;
    Fields f(value), b(bound);
    if (nField == -1)
        f = b;
    else
    {
        for (int i = nField; i < 6; i++)
            if (f.a[i] != b.a[i])
                return FALSE;
        for (int i = 0; i < nField && i < 6; i++)
            f.a[i] = b.a[i];
    }
    value = f.Value();
    return Splittable(value) && InRange(value);
}

BOOL CGXBDateTimeCtrl::SetMinMax(const COleDateTime& dtMin, const COleDateTime& dtMax, int nMode)
{
    if (dtMin.GetStatus() != COleDateTime::valid || dtMax.GetStatus() != COleDateTime::valid || dtMin > dtMax)
        return FALSE;
    m_min = dtMin;
    m_max = dtMax;
    if (nMode == validateTime)
    {
        m_min = COleDateTime(1899, 12, 30, dtMin.GetHour(), dtMin.GetMinute(), dtMin.GetSecond());
        m_max = COleDateTime(1899, 12, 30, dtMax.GetHour(), dtMax.GetMinute(), dtMax.GetSecond());
    }
    else if (nMode == validateDate)
    {
        m_min = COleDateTime(dtMin.GetYear(), dtMin.GetMonth(), dtMin.GetDay(), 0, 0, 0);
        m_max = COleDateTime(dtMax.GetYear(), dtMax.GetMonth(), dtMax.GetDay(), 0, 0, 0);
    }
    m_nValidateMode = nMode;
    COleDateTime value = m_value;
    if (!Validate(value, -1))
        return FALSE;
    if (GetSafeHwnd())
        SetValue(value);
    else
        m_value = value;
    return TRUE;
}

int CGXBDateTimeCtrl::GetCentury(int nTwoDigitYear)
{
    SYSTEMTIME st = {};
    st.wYear = 1999;
    st.wMonth = 1;
    st.wDay = 1;
    char sz[256] = {};
    ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, NULL, sz, sizeof(sz));
    CString str = sz, strYear;
    strYear.Format(_T("%d"), nTwoDigitYear);
    int i = str.Find(_T("1999"));
    if (i >= 0)
        str = str.Left(i) + strYear + str.Mid(i + 4);
    else if ((i = str.Find(_T("99"))) >= 0)
        str = str.Left(i) + strYear + str.Mid(i + 2);
    COleDateTime parsed;
    if (!parsed.ParseDateTime(str, 0, LOCALE_USER_DEFAULT))
        return 1900;
    return parsed.GetYear() - nTwoDigitYear;
}

// -- Field handlers ----------------------------------------------------------------------------

BOOL CGXBDateTimeCtrl::FieldChange(int nCode, int nId, int nValue)
{
    if (!Splittable(m_value))
        return FALSE;
    Fields f(m_value);
    BOOL bHomeEnd = nCode == GXDT_NOTIFY_FIRST || nCode == GXDT_NOTIFY_LAST;
    BOOL bTake = nCode == GXDT_NOTIFY_VALIDATE || nCode == GXDT_NOTIFY_SET;
    int nSign = (nCode == GXDT_NOTIFY_UP || nCode == GXDT_NOTIFY_SPINUP)       ? 1
                : (nCode == GXDT_NOTIFY_DOWN || nCode == GXDT_NOTIFY_SPINDOWN) ? -1
                                                                               : 0;
    int nStep = (nCode == GXDT_NOTIFY_SPINUP || nCode == GXDT_NOTIFY_SPINDOWN) ? nValue : 1;
    int nCapped = std::min(nStep, 2);
    int nField;
    COleDateTime candidate;
    switch (nId)
    {
    case GXDT_HOUR12:
    case GXDT_HOUR24:
        nField = bHomeEnd ? 3 : 2;
        if (nSign != 0)
            f.Hour() = Wrap(f.Hour() + nSign * nCapped, 0, 23);
        else if (bHomeEnd)
            f.Hour() = nCode == GXDT_NOTIFY_FIRST ? 0 : 23;
        else if (bTake && nId == GXDT_HOUR12)
        {
            if (nValue < 1 || nValue > 12)
                return FALSE;
            f.Hour() = f.Hour() < 12 ? (nValue == 12 ? 0 : nValue) : (nValue == 12 ? 12 : nValue + 12);
        }
        else if (bTake)
        {
            if (nValue < 0 || nValue > 23)
                return FALSE;
            f.Hour() = nValue;
        }
        else
            return FALSE;
        break;
    case GXDT_MINUTE:
    case GXDT_SECOND: {
        int& n = nId == GXDT_MINUTE ? f.Minute() : f.Second();
        nField = (nId == GXDT_MINUTE ? 1 : 0) + (bHomeEnd ? 1 : 0);
        if (nSign != 0)
            n = Wrap(n + nSign * nCapped, 0, 59);
        else if (bHomeEnd)
            n = nCode == GXDT_NOTIFY_FIRST ? 0 : 59;
        else if (bTake)
        {
            if (nValue < 0 || nValue > 59)
                return FALSE;
            n = nValue;
        }
        else
            return FALSE;
        break;
    }
    case GXDT_AMPM: {
        nField = 2;
        BOOL bPM = f.Hour() >= 12;
        BOOL bWantPM;
        if (nSign != 0)
            bWantPM = !bPM;
        else if (bHomeEnd)
            bWantPM = nCode == GXDT_NOTIFY_LAST;
        else if (bTake && (nValue == 0 || nValue == 1))
            bWantPM = nValue == 1;
        else
            return FALSE;
        if (!!bWantPM != !!bPM)
            f.Hour() += bWantPM ? 12 : -12;
        break;
    }
    case GXDT_DAY:
        nField = bHomeEnd ? 4 : 3;
        if (nSign != 0)
        {
            int d = f.Day() + nSign * nCapped;
            f.Day() = d > 31 || !DayExists(f.Year(), f.Month(), std::max(d, 1)) ? (d < 1 ? 31 : 1)
                                                                                : (d < 1 ? 31 : d);
        }
        else if (bHomeEnd)
            f.Day() = nCode == GXDT_NOTIFY_FIRST ? 1 : 31;
        else if (bTake)
        {
            if (nValue < 1 || nValue > 31 || !DayExists(f.Year(), f.Month(), nValue))
                return FALSE;
            f.Day() = nValue;
        }
        else
            return FALSE;
        break;
    case GXDT_WEEKDAY: {
        nField = bHomeEnd ? 4 : 3;
        int nDow = m_value.GetDayOfWeek();
        int nTarget;
        if (nSign != 0)
            nTarget = nDow + nSign * nCapped;
        else if (bHomeEnd)
            nTarget = nCode == GXDT_NOTIFY_FIRST ? 1 : 7;
        else if (bTake && nValue >= 0 && nValue <= 6)
            nTarget = nValue + 1;
        else
            return FALSE;
        if (nSign == 0)
        {
            COleDateTime moved = m_value + COleDateTimeSpan(nTarget - nDow, 0, 0, 0);
            f = Fields(moved);
        }
        else
        {
            COleDateTime moved = m_value + COleDateTimeSpan(nSign * nCapped, 0, 0, 0);
            f = Fields(moved);
        }
        break;
    }
    case GXDT_MONTH:
    case GXDT_MONTHNAME:
        nField = bHomeEnd ? 5 : 4;
        if (nSign != 0)
            f.Month() = Wrap(f.Month() + nSign, 1, 12);
        else if (bHomeEnd)
            f.Month() = nCode == GXDT_NOTIFY_FIRST ? 1 : 12;
        else if (bTake)
        {
            int m = nId == GXDT_MONTHNAME ? nValue + 1 : nValue;
            if (m < 1 || m > 12)
                return FALSE;
            f.Month() = m;
        }
        else
            return FALSE;
        break;
    case GXDT_YEAR2:
    case GXDT_YEAR4:
        nField = 5;
        if (nSign != 0)
            f.Year() = std::max(100, std::min(9999, f.Year() + nSign * nStep));
        else if (bHomeEnd)
            f.Year() = nCode == GXDT_NOTIFY_FIRST ? m_min.GetYear() : m_max.GetYear();
        else if (bTake && nId == GXDT_YEAR4)
        {
            if (nValue < 0 || nValue > 9999)
                return FALSE;
            f.Year() = nValue;
        }
        else if (bTake)
        {
            if (nValue < 0 || nValue > 99)
                return FALSE;
            int nCentury;
            if (GetStyle() & GXDT_KEEPCENTURY)
            {
                int y = m_value.GetStatus() == COleDateTime::valid ? m_value.GetYear()
                                                                   : COleDateTime::GetCurrentTime().GetYear();
                nCentury = y / 100 * 100;
            }
            else
                nCentury = GetCentury(nValue);
            f.Year() = nValue + nCentury;
        }
        else
            return FALSE;
        break;
    default:
        return FALSE;
    }
    while (!DayExists(f.Year(), f.Month(), f.Day()) && f.Day() >= 29)
        f.Day()--;
    candidate = f.Value();
    if (!Splittable(candidate) || !Validate(candidate, nField))
        return FALSE;
    if (nCode == GXDT_NOTIFY_VALIDATE)
        return TRUE;
    if (!OnChanging(candidate))
        return FALSE;
    SetValue(candidate);
    m_dwState |= stateModified;
    OnChanged();
    if (GetSafeHwnd())
        UpdateWindow();
    return TRUE;
}

BOOL CGXBDateTimeCtrl::OnGadgetNotify(int nCode, int nId, int nValue)
{
    if (nCode == GXDT_NOTIFY_TYPING)
    {
        m_dwState = nValue ? (m_dwState | stateTyping) : (m_dwState & ~stateTyping);
        return TRUE;
    }
    if (nCode == GXDT_NOTIFY_TYPED && IsFastInput())
        return NextGadget();
    if (nId == GXDT_CALENDARBUTTON)
        return DropDownCalendar();
    if (nId == GXDT_SPINBUTTON)
    {
        CGXBDTGadget* pCurrent = GetCurrent();
        if (pCurrent == NULL || pCurrent->GetId() <= 0 || pCurrent->GetId() >= GXDT_CALENDARBUTTON ||
            !(pCurrent->GetStyle() & CGXBDTGadget::styleFocus))
            return FALSE;
        return FieldChange(nCode, pCurrent->GetId(), nValue);
    }
    if (nCode == GXDT_NOTIFY_TYPED)
        return FALSE;
    return FieldChange(nCode, nId, nValue);
}

BOOL CGXBDateTimeCtrl::IsFastInput() const
{
    return m_bFastInput;
}

BOOL CGXBDateTimeCtrl::OnChanging(const COleDateTime&)
{
    return TRUE;
}

void CGXBDateTimeCtrl::OnChanged()
{
    if (GetSafeHwnd() && !(GetExStyle() & WS_EX_NOPARENTNOTIFY) && GetParent() != NULL)
        GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0x0100), (LPARAM)m_hWnd);
}

// -- Current field -----------------------------------------------------------------------------

void CGXBDateTimeCtrl::SetCurrentGadget(int i)
{
    if (i < 0 || i >= m_gadgets.GetSize())
        return;
    CGXBDTGadget* pOld = GetCurrent();
    BOOL bFocus = GetSafeHwnd() && ::GetFocus() == m_hWnd;
    if (pOld != NULL && i != m_nCurrent)
        pOld->SetFocus(FALSE);
    m_nCurrent = i;
    if (bFocus)
        m_gadgets.GetGadget(i)->SetFocus(TRUE);
    MakeVisible(m_gadgets.GetGadget(i));
}

BOOL CGXBDateTimeCtrl::NextGadget()
{
    for (INT_PTR i = std::max(m_nCurrent + 1, m_nFixed); i < m_gadgets.GetSize(); i++)
        if (m_gadgets.GetGadget(i)->GetStyle() & CGXBDTGadget::styleFocus)
        {
            SetCurrentGadget((int)i);
            return TRUE;
        }
    return FALSE;
}

BOOL CGXBDateTimeCtrl::PrevGadget()
{
    for (int i = m_nCurrent - 1; i >= m_nFixed; i--)
        if (m_gadgets.GetGadget(i)->GetStyle() & CGXBDTGadget::styleFocus)
        {
            SetCurrentGadget(i);
            return TRUE;
        }
    return FALSE;
}

BOOL CGXBDateTimeCtrl::IsLastGadget() const
{
    for (INT_PTR i = m_nCurrent + 1; i < m_gadgets.GetSize(); i++)
        if (m_gadgets.GetGadget(i)->GetStyle() & CGXBDTGadget::styleFocus)
            return FALSE;
    return TRUE;
}

BOOL CGXBDateTimeCtrl::IsFirstGadget() const
{
    for (int i = m_nCurrent - 1; i >= m_nFixed; i--)
        if (m_gadgets.GetGadget(i)->GetStyle() & CGXBDTGadget::styleFocus)
            return FALSE;
    return TRUE;
}

// -- Layout and painting -----------------------------------------------------------------------

void CGXBDateTimeCtrl::LayoutIn(CDC* pDC, const CRect& rect)
{
    m_nRightWidth = 0;
    int x = rect.left + 1, xRight = rect.right;
    for (INT_PTR i = 0; i < m_gadgets.GetSize(); i++)
    {
        CGXBDTGadget* p = m_gadgets.GetGadget(i);
        p->CalcSize(pDC);
        CRect r = p->GetRect();
        int cx = r.Width();
        int top = r.bottom == -1 ? rect.top : rect.top + 1;
        int bottom = r.bottom == -1 ? rect.bottom : top + r.Height();
        if (p->GetStyle() & CGXBDTGadget::styleFixed)
        {
            xRight -= cx;
            p->SetRect(CRect(xRight, top, xRight + cx, bottom));
            m_nRightWidth += cx;
        }
        else
        {
            p->SetRect(CRect(x, top, x + cx, bottom));
            x += cx;
        }
    }
}

void CGXBDateTimeCtrl::LayoutGadgets()
{
    if (!GetSafeHwnd())
        return;
    CClientDC dc(this);
    CGdiObject* pOld = dc.SelectObject(CGdiObject::FromHandle(m_hFont));
    CRect rect;
    GetClientRect(&rect);
    LayoutIn(&dc, rect);
    dc.SelectObject(pOld);
}

CRect CGXBDateTimeCtrl::VisibleStrip() const
{
    CRect rect;
    GetClientRect(&rect);
    rect.DeflateRect(1, 0);
    rect.right -= m_nRightWidth;
    rect.OffsetRect(m_nScroll, 0);
    return rect;
}

void CGXBDateTimeCtrl::MakeVisible(CGXBDTGadget* pGadget)
{
    if (!GetSafeHwnd() || (pGadget->GetStyle() & CGXBDTGadget::styleFixed))
        return;
    CRect strip = VisibleStrip();
    CRect r = pGadget->GetRect();
    int nOld = m_nScroll;
    if (r.left < strip.left)
        m_nScroll = r.left - 1;
    else if (r.right > strip.right)
    {
        m_nScroll += r.right - strip.right;
        if (r.left < strip.left + (m_nScroll - nOld))
            m_nScroll = r.left - 1;
    }
    m_nScroll = std::max(0, m_nScroll);
    if (m_nScroll != nOld)
        Invalidate();
}

void CGXBDateTimeCtrl::InvalidateGadget(CGXBDTGadget* pGadget, BOOL bUpdateNow)
{
    if (!GetSafeHwnd())
        return;
    CRect r = pGadget->GetRect();
    if (!(pGadget->GetStyle() & CGXBDTGadget::styleFixed))
        r.OffsetRect(-m_nScroll, 0);
    if (r.bottom < r.top)
    {
        CRect rectClient;
        GetClientRect(&rectClient);
        r.top = rectClient.top;
        r.bottom = rectClient.bottom;
    }
    InvalidateRect(&r, TRUE);
    if (bUpdateNow)
        UpdateWindow();
}

void CGXBDateTimeCtrl::CaptureGadget(CGXBDTGadget* pGadget, BOOL bCapture)
{
    if (bCapture)
    {
        SetCapture();
        m_pCapture = pGadget;
    }
    else
    {
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        m_pCapture = NULL;
    }
}

void CGXBDateTimeCtrl::DrawGadgets(CDC* pDC)
{
    CGdiObject* pOldFont = pDC->SelectObject(CGdiObject::FromHandle(m_hFont));
    CRect rectClip;
    pDC->GetClipBox(&rectClip);
    for (INT_PTR i = 0; i < m_nFixed; i++)
    {
        CGXBDTGadget* p = m_gadgets.GetGadget(i);
        CRect r;
        if (r.IntersectRect(p->GetRect(), rectClip))
            p->Draw(pDC);
        pDC->ExcludeClipRect(p->GetRect());
    }
    CPoint ptOld = pDC->OffsetViewportOrg(-m_nScroll, 0);
    for (INT_PTR i = m_nFixed; i < m_gadgets.GetSize(); i++)
    {
        CGXBDTGadget* p = m_gadgets.GetGadget(i);
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetBkColor(m_crWindow);
        pDC->SetTextColor(m_crText);
        p->Draw(pDC);
    }
    pDC->SetViewportOrg(ptOld);
    pDC->SelectObject(pOldFont);
}

void CGXBDateTimeCtrl::OnPaint()
{
    CPaintDC dc(this);
    m_crBack = IsWindowEnabled() ? m_crWindow : ::GetSysColor(m_nDisabledColor);
    CRect rect;
    GetClientRect(&rect);
    CDC dcMem;
    CBitmap bitmap;
    if (rect.IsRectEmpty() || !dcMem.CreateCompatibleDC(&dc) ||
        !bitmap.CreateCompatibleBitmap(&dc, rect.Width(), rect.Height()))
    {
        dc.FillSolidRect(rect, m_crBack);
        DrawGadgets(&dc);
        return;
    }
    CBitmap* pOld = dcMem.SelectObject(&bitmap);
    dcMem.FillSolidRect(rect, m_crBack);
    DrawGadgets(&dcMem);
    dc.BitBlt(0, 0, rect.Width(), rect.Height(), &dcMem, 0, 0, SRCCOPY);
    dcMem.SelectObject(pOld);
}

void CGXBDateTimeCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    LayoutGadgets();
}

LRESULT CGXBDateTimeCtrl::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    m_hFont = wParam != 0 ? (HFONT)wParam : (HFONT)::GetStockObject(SYSTEM_FONT);
    LayoutGadgets();
    if (LOWORD(lParam))
        Invalidate();
    return 0;
}

void CGXBDateTimeCtrl::OnEnable(BOOL)
{
    Invalidate();
}

void CGXBDateTimeCtrl::OnSysColorChange()
{
    GXGetSysColorTable()->Refresh();
    for (INT_PTR i = 0; i < m_gadgets.GetSize(); i++)
        m_gadgets.GetGadget(i)->OnSysColorChange();
    Default();
}

void CGXBDateTimeCtrl::OnSettingChange(UINT, LPCTSTR)
{
    Rebuild();
}

void CGXBDateTimeCtrl::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    CWnd::OnNcCalcSize(bCalcValidRects, lpncsp);
    if (GetExStyle() & WS_EX_CLIENTEDGE)
        ::InflateRect(&lpncsp->rgrc[0], -2, -2);
}

void CGXBDateTimeCtrl::OnNcPaint()
{
    if (!(GetExStyle() & WS_EX_CLIENTEDGE))
    {
        Default();
        return;
    }
    CWindowDC dc(this);
    CRect rect;
    GetWindowRect(&rect);
    rect.OffsetRect(-rect.left, -rect.top);
    const CGXSysColorTable& c = *GXGetSysColorTable();
    dc.Draw3dRect(rect, c.m_clrBtnShadow, c.m_clrBtnHilite);
    rect.DeflateRect(1, 1);
    dc.Draw3dRect(rect, c.m_clrWindowFrame, c.m_clrBtnFace);
}

// -- Keys, focus and mouse ---------------------------------------------------------------------

UINT CGXBDateTimeCtrl::OnGetDlgCode()
{
    return DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
}

void CGXBDateTimeCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_gadgets.GetSize() <= m_nFixed)
    {
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    switch (nChar)
    {
    case VK_LEFT:
        PrevGadget();
        break;
    case VK_RIGHT:
        NextGadget();
        break;
    case VK_TAB:
        if (::GetKeyState(VK_SHIFT) < 0)
            PrevGadget();
        else
            NextGadget();
        break;
    case VK_F4:
        if (GetStyle() & GXDT_CALENDARBUTTON_STYLE)
            DropDownCalendar();
        break;
    default:
        if (GetCurrent() != NULL)
            GetCurrent()->OnKeyDown(nChar);
        break;
    }
}

void CGXBDateTimeCtrl::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_DOWN && (GetStyle() & GXDT_CALENDARBUTTON_STYLE))
    {
        DropDownCalendar();
        return;
    }
    CWnd::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

void CGXBDateTimeCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_gadgets.GetSize() <= m_nFixed)
    {
        CWnd::OnChar(nChar, nRepCnt, nFlags);
        return;
    }
    if (nChar == '\t')
        return;
    if (m_nCurrent + 1 < m_gadgets.GetSize())
    {
        CGXBDTGadget* pNext = m_gadgets.GetGadget(m_nCurrent + 1);
        if (pNext->IsKindOf(RUNTIME_CLASS(CGXBDTStaticGadget)))
        {
            CString strText = pNext->GetText();
            CString strTrimmed = strText;
            strTrimmed.TrimLeft();
            strTrimmed.TrimRight();
            if ((strTrimmed.IsEmpty() && nChar == ' ') ||
                (strTrimmed.GetLength() == 1 && strTrimmed[0] == (char)nChar))
            {
                if (GetCurrent() != NULL)
                    GetCurrent()->OnCancelMode();
                NextGadget();
                return;
            }
        }
    }
    if (GetCurrent() != NULL)
        GetCurrent()->OnChar(nChar);
}

void CGXBDateTimeCtrl::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    if (::GetKeyState(VK_TAB) < 0)
    {
        BOOL bShift = ::GetKeyState(VK_SHIFT) < 0;
        int nFound = -1;
        for (INT_PTR i = m_nFixed; i < m_gadgets.GetSize(); i++)
            if (m_gadgets.GetGadget(i)->GetStyle() & CGXBDTGadget::styleFocus)
            {
                nFound = (int)i;
                if (!bShift)
                    break;
            }
        if (nFound >= 0)
            m_nCurrent = nFound;
    }
    if (GetCurrent() != NULL)
    {
        GetCurrent()->SetFocus(TRUE);
        MakeVisible(GetCurrent());
    }
}

void CGXBDateTimeCtrl::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    if (GetCurrent() != NULL)
        GetCurrent()->SetFocus(FALSE);
}

int CGXBDateTimeCtrl::GadgetAt(CPoint point) const
{
    const DWORD dwInput = CGXBDTGadget::styleFocus | CGXBDTGadget::styleMouse;
    for (int i = 0; i < m_nFixed; i++)
    {
        CGXBDTGadget* p = m_gadgets.GetGadget(i);
        CRect r = p->GetRect();
        if (r.bottom < r.top)
            continue;
        if ((p->GetStyle() & dwInput) && r.PtInRect(point))
            return i;
    }
    int x = point.x + m_nScroll, nLast = -1;
    for (INT_PTR i = m_nFixed; i < m_gadgets.GetSize(); i++)
    {
        CGXBDTGadget* p = m_gadgets.GetGadget(i);
        if (!(p->GetStyle() & dwInput))
            continue;
        if (p->GetRect().right >= x)
            return (int)i;
        nLast = (int)i;
    }
    return nLast;
}

void CGXBDateTimeCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    int i = GadgetAt(point);
    CGXBDTGadget* pHit = i >= 0 ? m_gadgets.GetGadget(i) : NULL;
    BOOL bEditable = pHit != NULL && (pHit->GetStyle() & CGXBDTGadget::styleFocus);
    if (::GetFocus() != m_hWnd)
    {
        if (bEditable)
        {
            if (GetCurrent() != NULL)
                GetCurrent()->SetFocus(FALSE);
            m_nCurrent = i;
        }
        SetFocus();
    }
    else if (bEditable && i != m_nCurrent)
        SetCurrentGadget(i);
    if (pHit != NULL && (pHit->GetStyle() & CGXBDTGadget::styleMouse))
    {
        CPoint pt = point;
        if (!(pHit->GetStyle() & CGXBDTGadget::styleFixed))
            pt.x += m_nScroll;
        pHit->OnLButtonDown(nFlags, pt);
    }
}

void CGXBDateTimeCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_pCapture == NULL)
        return;
    CPoint pt = point;
    if (!(m_pCapture->GetStyle() & CGXBDTGadget::styleFixed))
        pt.x += m_nScroll;
    m_pCapture->OnLButtonUp(nFlags, pt);
}

void CGXBDateTimeCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_pCapture == NULL)
        return;
    CPoint pt = point;
    if (!(m_pCapture->GetStyle() & CGXBDTGadget::styleFixed))
        pt.x += m_nScroll;
    m_pCapture->OnMouseMove(nFlags, pt);
}

void CGXBDateTimeCtrl::OnCancelMode()
{
    if (m_pCapture != NULL)
        m_pCapture->OnCancelMode();
    else
        Default();
}

void CGXBDateTimeCtrl::OnDestroy()
{
    if (m_pCapture != NULL)
        CaptureGadget(m_pCapture, FALSE);
    CloseCalendar();
    m_nCurrent = m_nFixed;
    m_nScroll = 0;
    CWnd::OnDestroy();
}

// -- Calendar ----------------------------------------------------------------------------------

void CGXBDateTimeCtrl::CloseCalendar()
{
    delete m_pCalendar;
    m_pCalendar = NULL;
}

CGXBPopupCalendar* CGXBDateTimeCtrl::CreateCalendar()
{
    return new CGXBPopupCalendar;
}

BOOL CGXBDateTimeCtrl::DropDownCalendar()
{
    if (GetCurrent() != NULL)
        GetCurrent()->OnCancelMode();
    CloseCalendar();
    BOOL bOld = GXSetPopupActive(TRUE);
    m_pCalendar = CreateCalendar();
    m_pCalendar->SetCloseAction(CGXBPopupCalendar::closeCancel);
    m_pCalendar->SetCalendarStyle(m_pCalendar->GetCalendarStyle() | 0x1000200 | 0x102);
    m_pCalendar->SetDisplayedDate(m_value, FALSE);
    m_pCalendar->SelectDate(m_value, TRUE);
    CRect rect;
    GetWindowRect(&rect);
    BOOL bCreated = m_pCalendar->CreatePopup(0x90040001, rect, this);
    GXSetPopupActive(bOld);
    if (!bCreated)
        CloseCalendar();
    return bCreated;
}

LRESULT CGXBDateTimeCtrl::OnCalendarChosen(WPARAM, LPARAM)
{
    BOOL bFocus = CalendarHasFocus();
    if (m_pCalendar != NULL && m_pCalendar->HasFocusDay())
    {
        COleDateTime day = m_pCalendar->GetSelectedDate();
        COleDateTime value(day.GetYear(), day.GetMonth(), day.GetDay(), m_value.GetHour(),
                           m_value.GetMinute(), m_value.GetSecond());
        if (Splittable(value) && InRange(value) && OnChanging(value))
        {
            m_dwState |= stateModified;
            SetValue(value);
            OnChanged();
        }
    }
    CloseCalendar();
    TakeBackFocus(bFocus);
    return 0;
}

LRESULT CGXBDateTimeCtrl::OnCalendarClosed(WPARAM, LPARAM)
{
    BOOL bFocus = CalendarHasFocus();
    CloseCalendar();
    TakeBackFocus(bFocus);
    return 0;
}

BOOL CGXBDateTimeCtrl::CalendarHasFocus() const
{
    HWND hFocus = ::GetFocus();
    HWND hCalendar = m_pCalendar != NULL ? m_pCalendar->GetSafeHwnd() : NULL;
    CWnd* pTop = GetSafeHwnd() ? GetTopLevelParent() : NULL;
    // The calendar hides itself before it reports, which leaves the keyboard nowhere or with a
    // window this one lies in.
    return hFocus == NULL || (pTop != NULL && hFocus == pTop->GetSafeHwnd()) || ::IsChild(hFocus, m_hWnd) ||
           (hCalendar != NULL && (hFocus == hCalendar || ::IsChild(hCalendar, hFocus)));
}

void CGXBDateTimeCtrl::TakeBackFocus(BOOL bCalendarHadFocus)
{
    // The keyboard comes back here from the calendar; a focus the user moved elsewhere stays.
    if (bCalendarHadFocus && GetSafeHwnd())
        SetFocus();
}
