// A month calendar drawn by itself: a title with month and year and page buttons, a bar of day
// names and 6 x 7 day boxes. The user moves a selection by keys or mouse; the calendar posts
// selections, marks, acceptance and cancellation to its owner window.
#pragma once
#include "CalendarDayBar.h"
#include "CalendarDayBox.h"
#include "CalendarTitle.h"
#include "mfc/Time.h"
#include <vector>

// Calendar style bits.
enum
{
    GXCAL_ACCEPTONCLICK = 0x100,    // a double click or a drag released on a day accepts and closes
    GXCAL_SELECTOTHERMONTH = 0x200, // days of other months are selected in place
    GXCAL_SHOWSELECTION = 0x4000,   // day boxes show the selected state
    GXCAL_SHOWMARKS = 0x8000,       // day boxes show the marked state
    GXCAL_FITFONTS = 0x10000,       // the fonts are fitted to the panels on creation
    GXCAL_AUTOSIZE = 0x20000,       // the window is sized from the fonts
    GXCAL_SELECTACCEPTS = 0x40000,  // every selection also accepts
    GXCAL_MONTHBUTTONS = 0x80000,   // "<" and ">" in the title
    GXCAL_YEARBUTTONS = 0x100000,   // "<<" and ">>" in the title
    GXCAL_KEYBOARD = 0x200000,      // keyboard handling on
    GXCAL_FIXEDPAGE = 0x400000,     // the displayed month cannot change once the window exists
    GXCAL_RESIZABLE = 0x800000,     // the frame may be used for resizing
    GXCAL_DRAGSELECT = 0x1000000    // a click selects and the mouse is captured while held
};

// Posted to the owner: wParam the flag, lParam the day box (CGXBDayBox*).
#define GX_WM_CALENDAR_SELECT 2005
#define GX_WM_CALENDAR_MARK 2006
// Accepted and cancelled, with the parameters the calendar received.
#define GX_WM_CALENDAR_ACCEPT 2007
#define GX_WM_CALENDAR_CANCEL 2008

// The title buttons' command ids.
#define GX_IDC_CALENDAR_NEXTMONTH 20029
#define GX_IDC_CALENDAR_PREVYEAR 20030
#define GX_IDC_CALENDAR_NEXTYEAR 20031
#define GX_IDC_CALENDAR_PREVMONTH 20032

class CGXBCalendar : public CWnd
{
    DECLARE_DYNAMIC(CGXBCalendar)

  public:
    enum
    {
        nDayBoxes = 42
    };

    // Construction
    CGXBCalendar();
    ~CGXBCalendar() override;

    // Overridables
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID,
                        CCreateContext* pContext = NULL);
    virtual int NextDay(BOOL bMoveSelection);
    virtual int PrevDay(BOOL bMoveSelection);
    virtual int NextWeek(BOOL bMoveSelection);
    virtual int PrevWeek(BOOL bMoveSelection);
    virtual int NextMonth(BOOL bMoveSelection);
    virtual int PrevMonth(BOOL bMoveSelection);
    virtual int NextYear(BOOL bMoveSelection);
    virtual int PrevYear(BOOL bMoveSelection);
    virtual int AdvanceSelection(const CTimeSpan& span);
    virtual int AdvanceSelection(const COleDateTimeSpan& span);
    virtual int AdvancePage(const CTimeSpan& span);
    virtual int AdvancePage(const COleDateTimeSpan& span);
    virtual BOOL MarkDate(const CTime& date, BOOL bMark);
    virtual BOOL MarkDate(const COleDateTime& date, BOOL bMark);
    virtual BOOL SelectDate(const CTime& date, BOOL bSelect);
    virtual BOOL SelectDate(const COleDateTime& date, BOOL bSelect);
    virtual BOOL ToggleSelectDate(const CTime& date);
    virtual BOOL ToggleSelectDate(const COleDateTime& date);
    virtual BOOL ToggleMarkDate(const CTime& date);
    virtual BOOL ToggleMarkDate(const COleDateTime& date);
    virtual BOOL IsValidDate(int nYear, int nMonth, int nDay) const;
    virtual void GetColors();
    virtual void Beep();
    virtual UINT GetClassStyle() const;

    // Operations
    BOOL SetDisplayedDate(const COleDateTime& date, BOOL bRedraw = TRUE);
    const COleDateTime& GetDisplayedDate() const
    {
        return m_displayed;
    }
    BOOL HasFocusDay() const
    {
        return m_pFocusBox != NULL;
    }
    COleDateTime GetSelectedDate() const;
    BOOL HasSelection() const
    {
        return m_bHasSelection;
    }
    BOOL IsMarkedDate(const COleDateTime& date) const;
    CGXBDayBox& GetDayBox(int i)
    {
        return m_boxes[i];
    }
    CGXBCalTitle& GetTitle()
    {
        return m_title;
    }
    CGXBDayBar& GetDayBar()
    {
        return m_dayBar;
    }

    // Attributes
    void SetCalendarStyle(DWORD dwStyle)
    {
        m_dwCalendarStyle = dwStyle;
    }
    DWORD GetCalendarStyle() const
    {
        return m_dwCalendarStyle;
    }
    void SetPanelStyle(DWORD dwStyle)
    {
        m_dwPanelStyle = dwStyle;
    }
    DWORD GetPanelStyle() const
    {
        return m_dwPanelStyle;
    }
    void SetOtherMonthStyle(DWORD dwStyle)
    {
        m_dwOtherMonthStyle = dwStyle;
    }
    DWORD GetOtherMonthStyle() const
    {
        return m_dwOtherMonthStyle;
    }
    void SetAutoSize(BOOL bAutoSize);

    // Implementation
    // The left bound of column k (0..7) of a width.
    static int ColumnBound(int nWidth, int k);
    // The date at 12:00 of its day.
    static COleDateTime Normalise(const COleDateTime& date);
    // The client size the fonts need.
    CSize NeededSize(CDC* pDC);

  protected:
    void Layout();
    void FitFonts();
    void FillPage();
    CGXBDayBox* BoxOf(const COleDateTime& date);
    CGXBDayBox* BoxAt(CPoint pt);
    void Accept(WPARAM wParam = 0, LPARAM lParam = 0);
    void Cancel(WPARAM wParam = 0, LPARAM lParam = 0);
    void PostToOwner(UINT nMsg, WPARAM wParam, LPARAM lParam);
    void ClickDay(CGXBDayBox* pBox);
    BOOL TurnToDay(CGXBDayBox* pBox);
    // The 1st of the next (+1) or previous (-1) month of a date, at 12:00.
    static COleDateTime NeighbourMonth(const COleDateTime& date, int nDirection);
    int MoveBy(const COleDateTime& target, const COleDateTime& base, BOOL bMoveSelection);
    // FALSE when the estimate of the span from a date falls outside the valid months.
    BOOL EstimateValid(const COleDateTime& from, const COleDateTimeSpan& span) const;
    static COleDateTimeSpan ToOleSpan(const CTimeSpan& span);
    static COleDateTime ToOleDate(const CTime& time);

    afx_msg void OnPaint();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnSysColorChange();
    afx_msg UINT OnGetDlgCode();
    afx_msg LRESULT OnAcceptMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCancelMessage(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNextMonth();
    afx_msg void OnPrevMonth();
    afx_msg void OnNextYear();
    afx_msg void OnPrevYear();
    DECLARE_MESSAGE_MAP()

    CGXBDayBar m_dayBar;
    CGXBCalTitle m_title;
    CGXBDayBox m_boxes[nDayBoxes];
    int m_nRingWidth = 2;
    CWnd* m_pOwner = NULL;
    BOOL m_bCreated = FALSE;
    COleDateTime m_displayed;
    COleDateTime m_selected;
    BOOL m_bHasSelection = FALSE;
    COleDateTime m_focusDate;
    CGXBDayBox* m_pFocusBox = NULL;
    BOOL m_bTracking = FALSE;
    BOOL m_bSavedSelection = FALSE;
    COleDateTime m_savedDate;
    std::vector<COleDateTime> m_marked; // ascending, no duplicates
    LOGFONT m_lfTitle = {}, m_lfDayBar = {}, m_lfDay = {};
    CFont m_fontTitle, m_fontDayBar, m_fontDay;
    COLORREF m_crText = 0, m_crGrey = 0;
    DWORD m_dwOtherMonthStyle = 0x101;
    DWORD m_dwPanelStyle = 0x1000017F;
    DWORD m_dwCalendarStyle = 0x39C000;
};
