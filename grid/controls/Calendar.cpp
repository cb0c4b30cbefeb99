// The month calendar: pages, selection, marks, navigation, keys, mouse, fonts and painting.
#include "Calendar.h"
#include "grid/core/SysColorTable.h"
#include <algorithm>
#include <cmath>

IMPLEMENT_DYNAMIC(CGXBCalendar, CWnd)

BEGIN_MESSAGE_MAP(CGXBCalendar, CWnd)
ON_WM_PAINT()
ON_WM_KEYDOWN()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_RBUTTONDOWN()
ON_WM_CANCELMODE()
ON_WM_NCHITTEST()
ON_WM_SYSCOLORCHANGE()
ON_WM_GETDLGCODE()
ON_MESSAGE(GX_WM_CALENDAR_ACCEPT, OnAcceptMessage)
ON_MESSAGE(GX_WM_CALENDAR_CANCEL, OnCancelMessage)
ON_COMMAND(GX_IDC_CALENDAR_NEXTMONTH, OnNextMonth)
ON_COMMAND(GX_IDC_CALENDAR_PREVMONTH, OnPrevMonth)
ON_COMMAND(GX_IDC_CALENDAR_NEXTYEAR, OnNextYear)
ON_COMMAND(GX_IDC_CALENDAR_PREVYEAR, OnPrevYear)
END_MESSAGE_MAP()

namespace
{
const double s_afRows[] = {0.25, 0.375, 0.5, 0.625, 0.75, 0.875, 1.0};
const double s_afColumns[] = {0, 0.143, 0.286, 0.429, 0.572, 0.715, 0.858, 1.0};

BOOL SameDate(const COleDateTime& a, const COleDateTime& b)
{
    return a.GetStatus() == b.GetStatus() && a.m_dt == b.m_dt;
}
} // namespace

CGXBCalendar::CGXBCalendar() : m_displayed(1970, 1, 1, 12, 0, 0)
{
    m_focusDate = m_displayed;
    ::GetObject(::GetStockObject(SYSTEM_FONT), sizeof(LOGFONT), &m_lfTitle);
    m_lfDayBar = m_lfDay = m_lfTitle;
    for (LOGFONT* plf : {&m_lfTitle, &m_lfDayBar, &m_lfDay})
    {
        lstrcpy(plf->lfFaceName, _T("Arial"));
        plf->lfQuality = DRAFT_QUALITY;
        plf->lfOutPrecision = OUT_TT_ONLY_PRECIS;
    }
    m_lfTitle.lfHeight *= 2;
    m_lfTitle.lfWidth *= 2;
    m_lfTitle.lfOutPrecision = OUT_CHARACTER_PRECIS;
    m_lfTitle.lfPitchAndFamily = VARIABLE_PITCH;
    m_fontTitle.CreateFontIndirect(&m_lfTitle);
    m_fontDayBar.CreateFontIndirect(&m_lfDayBar);
    m_fontDay.CreateFontIndirect(&m_lfDay);
}

CGXBCalendar::~CGXBCalendar()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

// -- Helpers -----------------------------------------------------------------------------------

int CGXBCalendar::ColumnBound(int nWidth, int k)
{
    return (int)(nWidth * s_afColumns[k]);
}

COleDateTime CGXBCalendar::Normalise(const COleDateTime& date)
{
    return COleDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), 12, 0, 0);
}

COleDateTimeSpan CGXBCalendar::ToOleSpan(const CTimeSpan& span)
{
    LONG s = span.GetTotalSeconds();
    long lDays = s / 86400;
    int nHours = (int)(s / 3600 - 24 * lDays);
    int nMins = (int)(s / 60 - 60 * (s / 3600));
    return COleDateTimeSpan(lDays, nHours, nMins, (int)(s % 60));
}

COleDateTime CGXBCalendar::ToOleDate(const CTime& time)
{
    return COleDateTime(time.GetYear(), time.GetMonth(), time.GetDay(), time.GetHour(), time.GetMinute(),
                        time.GetSecond());
}

BOOL CGXBCalendar::IsValidDate(int nYear, int nMonth, int) const
{
    return (nYear > 100 || (nYear == 100 && nMonth >= 2)) &&
           (nYear < 9999 || (nYear == 9999 && nMonth <= 11));
}

void CGXBCalendar::GetColors()
{
    m_crText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_crGrey = ::GetSysColor(COLOR_GRAYTEXT);
}

void CGXBCalendar::Beep()
{
    ::MessageBeep(MB_ICONEXCLAMATION);
}

UINT CGXBCalendar::GetClassStyle() const
{
    return CS_DBLCLKS;
}

void CGXBCalendar::SetAutoSize(BOOL bAutoSize)
{
    m_dwCalendarStyle =
        bAutoSize ? (m_dwCalendarStyle | GXCAL_AUTOSIZE) : (m_dwCalendarStyle & ~GXCAL_AUTOSIZE);
}

COleDateTime CGXBCalendar::GetSelectedDate() const
{
    return m_pFocusBox != NULL ? m_pFocusBox->GetDate() : COleDateTime();
}

BOOL CGXBCalendar::IsMarkedDate(const COleDateTime& date) const
{
    for (const COleDateTime& d : m_marked)
        if (SameDate(d, date))
            return TRUE;
    return FALSE;
}

CGXBDayBox* CGXBCalendar::BoxOf(const COleDateTime& date)
{
    for (CGXBDayBox& box : m_boxes)
        if (SameDate(box.GetDate(), date))
            return &box;
    return NULL;
}

CGXBDayBox* CGXBCalendar::BoxAt(CPoint pt)
{
    for (CGXBDayBox& box : m_boxes)
        if (box.GetWindowRect().PtInRect(pt))
            return &box;
    return NULL;
}

void CGXBCalendar::PostToOwner(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_pOwner != NULL && m_pOwner->GetSafeHwnd())
        m_pOwner->PostMessage(nMsg, wParam, lParam);
}

void CGXBCalendar::Accept(WPARAM wParam, LPARAM lParam)
{
    SendMessage(GX_WM_CALENDAR_ACCEPT, wParam, lParam);
}

void CGXBCalendar::Cancel(WPARAM wParam, LPARAM lParam)
{
    SendMessage(GX_WM_CALENDAR_CANCEL, wParam, lParam);
}

LRESULT CGXBCalendar::OnAcceptMessage(WPARAM wParam, LPARAM lParam)
{
    PostToOwner(GX_WM_CALENDAR_ACCEPT, wParam, lParam);
    ShowWindow(SW_HIDE);
    return 0;
}

LRESULT CGXBCalendar::OnCancelMessage(WPARAM wParam, LPARAM lParam)
{
    PostToOwner(GX_WM_CALENDAR_CANCEL, wParam, lParam);
    ShowWindow(SW_HIDE);
    return 0;
}

// -- Creation, layout and fonts ----------------------------------------------------------------

BOOL CGXBCalendar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID, CCreateContext* pContext)
{
    GXGetSysColorTable()->Refresh();
    GetColors();
    m_pOwner = pParent;
    LPCTSTR pszClass = AfxRegisterWndClass(GetClassStyle(), ::LoadCursor(NULL, IDC_ARROW), 0, 0);
    if (!CreateEx(0, pszClass, _T("CGXBCalendar"), dwStyle | WS_CHILD | WS_CLIPCHILDREN, rect, pParent, nID,
                  pContext))
        return FALSE;
    if (m_dwCalendarStyle & GXCAL_AUTOSIZE)
    {
        CClientDC dc(this);
        CSize size = NeededSize(&dc);
        CRect rectWnd(0, 0, size.cx, size.cy);
        ::AdjustWindowRectEx(&rectWnd, GetStyle(), FALSE, GetExStyle());
        SetWindowPos(NULL, 0, 0, rectWnd.Width(), rectWnd.Height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    BOOL bOk = TRUE;
    for (CGXBDayBox& box : m_boxes)
        bOk = box.Create(this, m_dwCalendarStyle, m_dwOtherMonthStyle, m_nRingWidth) && bOk;
    DWORD dwNoStates = m_dwCalendarStyle & ~(GXCAL_SHOWSELECTION | GXCAL_SHOWMARKS);
    bOk = m_dayBar.Create(this, dwNoStates, m_dwPanelStyle, m_nRingWidth) && bOk;
    bOk = m_title.CreateTitle(this, dwNoStates, m_dwPanelStyle | GXPANEL_CENTER, m_nRingWidth) && bOk;
    SetDisplayedDate(m_displayed, FALSE);
    if (bOk)
    {
        Layout();
        if (m_dwCalendarStyle & GXCAL_FITFONTS)
            FitFonts();
        m_title.SetColors(m_crText, m_crGrey);
        m_dayBar.SetColors(m_crText, m_crGrey);
        for (CGXBDayBox& box : m_boxes)
            box.SetColors(m_crText, m_crGrey);
    }
    m_bCreated = TRUE;
    UpdateWindow();
    SetFocus();
    return bOk;
}

void CGXBCalendar::Layout()
{
    CRect rect;
    GetClientRect(&rect);
    int W = rect.Width(), H = rect.Height();
    int nTitle = (int)(0.175 * (H - 1)), nBar = (int)(0.25 * (H - 1));
    m_title.SetRect(CRect(0, 0, W - 1, nTitle));
    m_dayBar.SetRect(CRect(0, nTitle, W - 1, nBar));
    for (int i = 0; i < nDayBoxes; i++)
    {
        int r = i / 7, c = i % 7;
        m_boxes[i].SetRect(CRect(ColumnBound(W, c), (int)(H * s_afRows[r]), ColumnBound(W, c + 1) - 1,
                                 (int)(H * s_afRows[r + 1]) - 1));
    }
}

namespace
{
// Fits a font record to a sample: grows while the needed size is within the target, then
// shrinks by the factor until it fits or reaches the bound.
template <class NeedFn>
void FitFont(CWnd* pWnd, LOGFONT& lf, CFont& font, const CString& strSample, const CRect& rectTarget,
             double dFactor, int nBound, NeedFn need)
{
    LOGFONT lfSystem = {};
    ::GetObject(::GetStockObject(SYSTEM_FONT), sizeof(LOGFONT), &lfSystem);
    lf.lfHeight = lfSystem.lfHeight;
    lf.lfWidth = lfSystem.lfWidth;
    if (rectTarget.Width() <= 0 || rectTarget.Height() <= 0)
    {
        lf.lfHeight = lf.lfWidth = 0;
        font.DeleteObject();
        font.CreateFontIndirect(&lf);
        return;
    }
    CClientDC dc(pWnd);
    auto measure = [&] {
        CFont f;
        f.CreateFontIndirect(&lf);
        CFont* pOld = dc.SelectObject(&f);
        CSize size = dc.GetTextExtent(strSample);
        dc.SelectObject(pOld);
        return size;
    };
    CSize extent = measure();
    CSize needed = need(extent);
    for (int i = 0; i < 16 && needed.cx < rectTarget.Width() && needed.cy < rectTarget.Height(); i++)
    {
        lf.lfHeight *= 2;
        lf.lfWidth *= 2;
        extent = measure();
        needed = need(extent);
    }
    while ((needed.cx > rectTarget.Width() || needed.cy > rectTarget.Height()) &&
           std::abs(lf.lfHeight) >= nBound && extent.cx >= nBound && extent.cy >= nBound)
    {
        lf.lfHeight = std::min(lf.lfHeight - 1, (LONG)(lf.lfHeight * dFactor));
        lf.lfWidth = lf.lfWidth != 0 ? std::min(lf.lfWidth - 1, (LONG)(lf.lfWidth * dFactor)) : 0;
        if (lf.lfHeight < 1)
            break;
        extent = measure();
        needed = need(extent);
    }
    font.DeleteObject();
    font.CreateFontIndirect(&lf);
}
} // namespace

void CGXBCalendar::FitFonts()
{
    CGXBDayBox& first = m_boxes[0];
    int nRings = 0;
    for (DWORD dwStyle : {m_dwPanelStyle, m_dwOtherMonthStyle})
    {
        DWORD dwOld = first.GetPanelStyle();
        first.SetPanelStyle(dwStyle);
        for (BOOL bSel : {FALSE, TRUE})
            for (BOOL bMark : {FALSE, TRUE})
                nRings = std::max(nRings, 2 * first.RingsWidth(bSel, bMark));
        first.SetPanelStyle(dwOld);
    }
    BOOL bCentred = (m_dwPanelStyle & GXPANEL_CENTER) != 0;
    FitFont(this, m_lfDay, m_fontDay, _T("88"), first.GetWindowRect(), 0.9, 1, [&](CSize e) {
        CSize n((int)(e.cx * 1.25), (int)(e.cy * 1.25));
        if (!bCentred)
            n = CSize((int)(n.cx * 1.5), (int)(n.cy * 1.5));
        return CSize(std::max<int>(n.cx, e.cx + nRings), std::max<int>(n.cy, e.cy + nRings));
    });
    BOOL bFullMonth = (m_dwPanelStyle & GXPANEL_FULLMONTH) != 0;
    FitFont(this, m_lfTitle, m_fontTitle, bFullMonth ? _T("September, 2000") : _T("Sep, 2000"),
            m_title.GetTextRect(), 0.95, 2,
            [](CSize e) { return CSize((int)(e.cx * 2.2), (int)(e.cy * 1.2)); });
    FitFont(this, m_lfDayBar, m_fontDayBar, m_dayBar.ColumnDayName(4), m_dayBar.GetTextRect(), 0.9, 3,
            [](CSize e) { return CSize(7 * e.cx, e.cy); });
}

CSize CGXBCalendar::NeededSize(CDC* pDC)
{
    auto extent = [&](CFont& font, LPCTSTR psz) {
        CFont* pOld = pDC->SelectObject(&font);
        CSize size = pDC->GetTextExtent(psz);
        pDC->SelectObject(pOld);
        return size;
    };
    int nRings = 2 * (1 + 2 * m_nRingWidth);
    CSize day = extent(m_fontDay, _T("88"));
    day += CSize(day.cx / 4 + nRings, day.cy / 4 + nRings);
    CString strBar;
    for (int k = 1; k <= 7; k++)
        strBar += m_dayBar.ColumnDayName(k) + _T(" ");
    CSize bar = extent(m_fontDayBar, strBar);
    bar.cy += nRings;
    CSize title =
        extent(m_fontTitle, (m_dwPanelStyle & GXPANEL_FULLMONTH) ? _T("September, 2000") : _T("Sep, 2000"));
    title = CSize((int)(title.cx * 2.2), title.cy + nRings);
    return CSize(std::max<int>({7 * day.cx, bar.cx, title.cx}), title.cy + bar.cy + 6 * day.cy);
}

// -- Page and dates ----------------------------------------------------------------------------

BOOL CGXBCalendar::SetDisplayedDate(const COleDateTime& date, BOOL bRedraw)
{
    if ((GetSafeHwnd() && (m_dwCalendarStyle & GXCAL_FIXEDPAGE)) ||
        !IsValidDate(date.GetYear(), date.GetMonth(), date.GetDay()))
    {
        Beep();
        return FALSE;
    }
    m_displayed = Normalise(date);
    m_title.SetDate(m_displayed);
    FillPage();
    if (bRedraw && GetSafeHwnd())
    {
        Invalidate(FALSE);
        UpdateWindow();
    }
    return TRUE;
}

void CGXBCalendar::FillPage()
{
    m_focusDate = m_displayed;
    COleDateTime day = m_displayed;
    const COleDateTimeSpan oneDay(1, 0, 0, 0);
    while (day.GetDay() != 1)
        day -= oneDay;
    while (day.GetDayOfWeek() != m_dayBar.GetFirstDayOfWeek())
        day -= oneDay;
    BOOL bInMonth = FALSE;
    for (CGXBDayBox& box : m_boxes)
    {
        day = Normalise(day);
        if (day.GetDay() == 1)
            bInMonth = !bInMonth;
        box.SetDate(day);
        DWORD dwStyle = m_dwCalendarStyle | GXCAL_SHOWSELECTION | GXCAL_SHOWMARKS;
        if (!bInMonth)
        {
            dwStyle &= ~GXCAL_SHOWMARKS;
            if (!(m_dwCalendarStyle & GXCAL_SELECTOTHERMONTH))
                dwStyle &= ~GXCAL_SHOWSELECTION;
        }
        box.SetCalendarStyle(dwStyle);
        box.SetPanelStyle(bInMonth ? m_dwPanelStyle : m_dwOtherMonthStyle);
        box.SetOtherMonth(!bInMonth);
        box.SetMarked(IsMarkedDate(day) && (dwStyle & GXCAL_SHOWMARKS));
        BOOL bSelected = m_bHasSelection && SameDate(day, m_selected);
        box.SetSelected(bSelected && (dwStyle & GXCAL_SHOWSELECTION));
        if (bSelected)
            m_focusDate = m_selected;
        day += oneDay;
    }
}

BOOL CGXBCalendar::SelectDate(const COleDateTime& dateIn, BOOL bSelect)
{
    COleDateTime date = Normalise(dateIn);
    if (bSelect)
    {
        m_focusDate = m_selected = date;
        m_bHasSelection = TRUE;
    }
    else
        m_bHasSelection = FALSE;
    for (CGXBDayBox& box : m_boxes)
    {
        if (SameDate(box.GetDate(), date))
        {
            box.SetSelected(bSelect && (box.GetCalendarStyle() & GXCAL_SHOWSELECTION));
            m_pFocusBox = &box;
            if (GetSafeHwnd())
            {
                PostToOwner(GX_WM_CALENDAR_SELECT, bSelect, (LPARAM)&box);
                if (m_dwCalendarStyle & GXCAL_SELECTACCEPTS)
                    PostToOwner(GX_WM_CALENDAR_ACCEPT, bSelect, (LPARAM)&box);
            }
        }
        else if (box.IsSelected())
            box.SetSelected(FALSE);
    }
    if (GetSafeHwnd())
        SetFocus();
    return TRUE;
}

BOOL CGXBCalendar::SelectDate(const CTime& date, BOOL bSelect)
{
    return SelectDate(ToOleDate(date), bSelect);
}

BOOL CGXBCalendar::ToggleSelectDate(const COleDateTime& dateIn)
{
    CGXBDayBox* pBox = BoxOf(Normalise(dateIn));
    if (pBox == NULL)
        return FALSE;
    BOOL bSelected = m_bHasSelection && SameDate(m_selected, pBox->GetDate());
    SelectDate(pBox->GetDate(), !bSelected);
    if (m_dwCalendarStyle & GXCAL_SELECTACCEPTS)
        Accept();
    return TRUE;
}

BOOL CGXBCalendar::ToggleSelectDate(const CTime& date)
{
    return ToggleSelectDate(ToOleDate(date));
}

BOOL CGXBCalendar::MarkDate(const COleDateTime& dateIn, BOOL bMark)
{
    COleDateTime date = Normalise(dateIn);
    CGXBDayBox* pBox = BoxOf(date);
    if (pBox != NULL)
    {
        pBox->SetMarked(bMark && (pBox->GetCalendarStyle() & GXCAL_SHOWMARKS));
        PostToOwner(GX_WM_CALENDAR_MARK, bMark, (LPARAM)pBox);
    }
    if (bMark)
    {
        auto it =
            std::find_if(m_marked.begin(), m_marked.end(), [&](const COleDateTime& d) { return d >= date; });
        if (it == m_marked.end() || !SameDate(*it, date))
            m_marked.insert(it, date);
    }
    else
        m_marked.erase(std::remove_if(m_marked.begin(), m_marked.end(),
                                      [&](const COleDateTime& d) { return SameDate(d, date); }),
                       m_marked.end());
    return TRUE;
}

BOOL CGXBCalendar::MarkDate(const CTime& date, BOOL bMark)
{
    return MarkDate(ToOleDate(date), bMark);
}

BOOL CGXBCalendar::ToggleMarkDate(const COleDateTime& dateIn)
{
    COleDateTime date = Normalise(dateIn);
    CGXBDayBox* pBox = BoxOf(date);
    if (pBox == NULL)
        return FALSE;
    return MarkDate(date, !IsMarkedDate(date));
}

BOOL CGXBCalendar::ToggleMarkDate(const CTime& date)
{
    return ToggleMarkDate(ToOleDate(date));
}

// -- Navigation --------------------------------------------------------------------------------

BOOL CGXBCalendar::EstimateValid(const COleDateTime& from, const COleDateTimeSpan& span) const
{
    long d = (long)span.GetTotalDays();
    long nYears = d / 365, nMonths = (d % 365) / 28, nDays = d % 365 - 28 * nMonths;
    return IsValidDate(from.GetYear() + nYears, from.GetMonth() + nMonths, from.GetDay() + nDays);
}

int CGXBCalendar::AdvanceSelection(const COleDateTimeSpan& span)
{
    if (m_pFocusBox == NULL || !EstimateValid(m_focusDate, span))
    {
        Beep();
        return 0;
    }
    COleDateTime next = Normalise(m_focusDate + span);
    if (next.GetMonth() != m_focusDate.GetMonth() || next.GetYear() != m_focusDate.GetYear())
        SetDisplayedDate(next, TRUE);
    SelectDate(next, TRUE);
    return 1;
}

int CGXBCalendar::AdvanceSelection(const CTimeSpan& span)
{
    return AdvanceSelection(ToOleSpan(span));
}

int CGXBCalendar::AdvancePage(const COleDateTimeSpan& span)
{
    if (!EstimateValid(m_displayed, span))
    {
        Beep();
        return 0;
    }
    SetDisplayedDate(m_displayed + span, TRUE);
    return 1;
}

int CGXBCalendar::AdvancePage(const CTimeSpan& span)
{
    return AdvancePage(ToOleSpan(span));
}

int CGXBCalendar::NextDay(BOOL bMoveSelection)
{
    COleDateTimeSpan span(1, 0, 0, 0);
    return bMoveSelection ? AdvanceSelection(span) : AdvancePage(span);
}

int CGXBCalendar::PrevDay(BOOL bMoveSelection)
{
    COleDateTimeSpan span(-1, 0, 0, 0);
    return bMoveSelection ? AdvanceSelection(span) : AdvancePage(span);
}

int CGXBCalendar::NextWeek(BOOL bMoveSelection)
{
    SetFocus();
    COleDateTimeSpan span(7, 0, 0, 0);
    return bMoveSelection ? AdvanceSelection(span) : AdvancePage(span);
}

int CGXBCalendar::PrevWeek(BOOL bMoveSelection)
{
    SetFocus();
    COleDateTimeSpan span(-7, 0, 0, 0);
    return bMoveSelection ? AdvanceSelection(span) : AdvancePage(span);
}

COleDateTime CGXBCalendar::NeighbourMonth(const COleDateTime& date, int nDirection)
{
    const COleDateTimeSpan oneDay(1, 0, 0, 0);
    COleDateTime day(date.GetYear(), date.GetMonth(), 1, 12, 0, 0);
    day += COleDateTimeSpan(27 * nDirection, 0, 0, 0);
    while (day.GetDay() != 1)
        day = nDirection > 0 ? day + oneDay : day - oneDay;
    return day;
}

int CGXBCalendar::MoveBy(const COleDateTime& target, const COleDateTime& base, BOOL bMoveSelection)
{
    if (GetSafeHwnd())
        SetFocus();
    COleDateTimeSpan span = target - base;
    int nResult = 0;
    if (span.GetStatus() == COleDateTimeSpan::valid)
        nResult = bMoveSelection ? AdvanceSelection(span) : AdvancePage(span);
    if (m_pFocusBox != NULL)
        SelectDate(m_pFocusBox->GetDate(), TRUE);
    return nResult;
}

int CGXBCalendar::NextMonth(BOOL bMoveSelection)
{
    if (bMoveSelection && m_pFocusBox == NULL)
    {
        Beep();
        return 0;
    }
    COleDateTime base = bMoveSelection ? m_pFocusBox->GetDate() : m_displayed;
    return MoveBy(NeighbourMonth(base, 1), base, bMoveSelection);
}

int CGXBCalendar::PrevMonth(BOOL bMoveSelection)
{
    if (bMoveSelection && m_pFocusBox == NULL)
    {
        Beep();
        return 0;
    }
    COleDateTime base = bMoveSelection ? m_pFocusBox->GetDate() : m_displayed;
    return MoveBy(NeighbourMonth(base, -1), base, bMoveSelection);
}

int CGXBCalendar::NextYear(BOOL bMoveSelection)
{
    if (bMoveSelection && m_pFocusBox == NULL)
    {
        Beep();
        return 0;
    }
    COleDateTime base = bMoveSelection ? m_pFocusBox->GetDate() : m_displayed;
    if (!IsValidDate(base.GetYear(), 12, 31))
    {
        Beep();
        return 0;
    }
    int nDay = base.GetMonth() == 2 && base.GetDay() == 29 ? 28 : base.GetDay();
    return MoveBy(COleDateTime(base.GetYear() + 1, base.GetMonth(), nDay, 12, 0, 0), base, bMoveSelection);
}

int CGXBCalendar::PrevYear(BOOL bMoveSelection)
{
    if (bMoveSelection && m_pFocusBox == NULL)
    {
        Beep();
        return 0;
    }
    COleDateTime base = bMoveSelection ? m_pFocusBox->GetDate() : m_displayed;
    if (!IsValidDate(base.GetYear() - 1, 12, 31))
    {
        Beep();
        return 0;
    }
    int nDay = base.GetMonth() == 2 && base.GetDay() == 29 ? 28 : base.GetDay();
    return MoveBy(COleDateTime(base.GetYear() - 1, base.GetMonth(), nDay, 12, 0, 0), base, bMoveSelection);
}

void CGXBCalendar::OnNextMonth()
{
    NextMonth(FALSE);
}

void CGXBCalendar::OnPrevMonth()
{
    PrevMonth(FALSE);
}

void CGXBCalendar::OnNextYear()
{
    NextYear(FALSE);
}

void CGXBCalendar::OnPrevYear()
{
    PrevYear(FALSE);
}

// -- Keys --------------------------------------------------------------------------------------

UINT CGXBCalendar::OnGetDlgCode()
{
    return DLGC_WANTARROWS | DLGC_WANTCHARS;
}

void CGXBCalendar::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (!(m_dwCalendarStyle & GXCAL_KEYBOARD))
        return;
    BOOL bCtrl = ::GetKeyState(VK_CONTROL) < 0;
    switch (nChar)
    {
    case VK_RETURN:
        if (m_pFocusBox != NULL)
            Accept();
        else
            Cancel();
        break;
    case VK_ESCAPE:
    case VK_CANCEL:
        Cancel();
        break;
    case VK_SPACE:
        ToggleSelectDate(m_focusDate);
        break;
    case VK_HOME:
        SelectDate(COleDateTime(m_displayed.GetYear(), m_displayed.GetMonth(), 1, 12, 0, 0), TRUE);
        break;
    case VK_END: {
        COleDateTime day(m_displayed.GetYear(), m_displayed.GetMonth(), 28, 12, 0, 0);
        day += COleDateTimeSpan(4, 0, 0, 0);
        while (day.GetMonth() != m_displayed.GetMonth())
            day -= COleDateTimeSpan(1, 0, 0, 0);
        SelectDate(day, TRUE);
        break;
    }
    case VK_RIGHT:
    case VK_NUMPAD6:
        bCtrl ? NextMonth(TRUE) : NextDay(TRUE);
        break;
    case VK_LEFT:
    case VK_NUMPAD4:
        bCtrl ? PrevMonth(TRUE) : PrevDay(TRUE);
        break;
    case VK_DOWN:
    case VK_NUMPAD2:
        bCtrl ? NextYear(TRUE) : NextWeek(TRUE);
        break;
    case VK_UP:
    case VK_NUMPAD8:
        bCtrl ? PrevYear(TRUE) : PrevWeek(TRUE);
        break;
    case VK_NEXT:
        bCtrl ? NextYear(TRUE) : NextMonth(TRUE);
        break;
    case VK_PRIOR:
        bCtrl ? PrevYear(TRUE) : PrevMonth(TRUE);
        break;
    }
    Default();
}

// -- Mouse -------------------------------------------------------------------------------------

BOOL CGXBCalendar::TurnToDay(CGXBDayBox* pBox)
{
    if (!pBox->IsOtherMonth() || (pBox->GetCalendarStyle() & GXCAL_SELECTOTHERMONTH))
        return TRUE;
    return SetDisplayedDate(pBox->GetDate(), TRUE);
}

void CGXBCalendar::ClickDay(CGXBDayBox* pBox)
{
    COleDateTime date = pBox->GetDate();
    if (!TurnToDay(pBox))
        return;
    if (m_dwCalendarStyle & GXCAL_DRAGSELECT)
        SelectDate(date, TRUE);
    else
        ToggleSelectDate(date);
}

void CGXBCalendar::OnLButtonDown(UINT, CPoint point)
{
    Default();
    CGXBDayBox* pBox = BoxAt(point);
    if (pBox == NULL)
        return;
    m_bSavedSelection = m_bHasSelection && m_selected.GetMonth() == m_displayed.GetMonth() &&
                        m_selected.GetYear() == m_displayed.GetYear();
    if (m_bSavedSelection)
        m_savedDate = m_selected;
    COleDateTime date = pBox->GetDate();
    ClickDay(pBox);
    CGXBDayBox* pNow = BoxOf(date);
    if (pNow != NULL && m_bHasSelection && SameDate(m_selected, date) &&
        (m_dwCalendarStyle & GXCAL_DRAGSELECT))
    {
        SetCapture();
        m_bTracking = TRUE;
    }
}

void CGXBCalendar::OnMouseMove(UINT, CPoint point)
{
    Default();
    if (!m_bTracking)
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    CGXBDayBox* pBox = BoxAt(point);
    if (pBox != NULL && !(m_bHasSelection && SameDate(m_selected, pBox->GetDate())))
        ClickDay(pBox);
    else if (!rectClient.PtInRect(point) && m_pFocusBox != NULL && m_bHasSelection &&
             SameDate(m_selected, m_pFocusBox->GetDate()))
        SelectDate(m_pFocusBox->GetDate(), FALSE);
}

void CGXBCalendar::OnLButtonUp(UINT, CPoint point)
{
    Default();
    if (!m_bTracking)
        return;
    ::ReleaseCapture();
    m_bTracking = FALSE;
    CRect rectClient;
    GetClientRect(&rectClient);
    CGXBDayBox* pBox = BoxAt(point);
    if (pBox != NULL)
    {
        if (!(m_bHasSelection && SameDate(m_selected, pBox->GetDate())))
            ClickDay(pBox);
        if (m_dwCalendarStyle & GXCAL_ACCEPTONCLICK)
            Accept();
    }
    else if (rectClient.PtInRect(point))
    {
        if (m_dwCalendarStyle & GXCAL_ACCEPTONCLICK)
            Accept();
    }
    else if (m_bSavedSelection)
        SelectDate(m_savedDate, TRUE);
}

void CGXBCalendar::OnCancelMode()
{
    Default();
    if (!m_bTracking)
        return;
    ::ReleaseCapture();
    m_bTracking = FALSE;
    if (m_bSavedSelection)
        SelectDate(m_savedDate, TRUE);
}

void CGXBCalendar::OnLButtonDblClk(UINT, CPoint point)
{
    Default();
    CGXBDayBox* pBox = BoxAt(point);
    if (pBox == NULL)
        return;
    if (!(m_bHasSelection && SameDate(m_selected, pBox->GetDate())))
        ClickDay(pBox);
    if (pBox->GetCalendarStyle() & GXCAL_ACCEPTONCLICK)
        PostMessage(GX_WM_CALENDAR_ACCEPT);
}

void CGXBCalendar::OnRButtonDown(UINT, CPoint point)
{
    Default();
    CGXBDayBox* pBox = BoxAt(point);
    if (pBox == NULL)
        return;
    COleDateTime date = pBox->GetDate();
    if (pBox->IsOtherMonth() && !SetDisplayedDate(date, TRUE))
        return;
    ToggleMarkDate(date);
}

LRESULT CGXBCalendar::OnNcHitTest(CPoint)
{
    LRESULT lHit = Default();
    if (!(m_dwCalendarStyle & GXCAL_RESIZABLE) && lHit >= HTLEFT && lHit <= HTBORDER)
        return HTCLIENT;
    return lHit;
}

void CGXBCalendar::OnSysColorChange()
{
    GXGetSysColorTable()->Refresh();
    GetColors();
    Default();
}

// -- Painting ----------------------------------------------------------------------------------

void CGXBCalendar::OnPaint()
{
    CPaintDC dc(this);
    CFont* pOld = dc.SelectObject(&m_fontTitle);
    if (dc.RectVisible(m_title.GetWindowRect()))
        m_title.Draw(&dc);
    dc.SelectObject(&m_fontDayBar);
    if (dc.RectVisible(m_dayBar.GetWindowRect()))
        m_dayBar.Draw(&dc);
    dc.SelectObject(&m_fontDay);
    for (CGXBDayBox& box : m_boxes)
        if (dc.RectVisible(box.GetWindowRect()))
            box.Draw(&dc);
    dc.SelectObject(pOld);
}
