// A calendar's drawn part: a rectangle with up to three rings (frame, bevel, mark) around a
// text. Not a window: the calendar lays the panels out and has them paint into its own DC.
#pragma once
#include "afxwin.h"

// Panel style bits.
enum
{
    GXPANEL_BEVELSELECTED = 0x2,    // sunken bevel when selected
    GXPANEL_BEVEL = 0x4,            // raised bevel when not selected
    GXPANEL_FRAMESELECTED = 0x8,    // one-pixel frame when selected
    GXPANEL_FRAME = 0x10,           // one-pixel frame when not selected
    GXPANEL_MARKSELECTED = 0x20,    // mark ring when selected and marked
    GXPANEL_MARK = 0x40,            // mark ring when not selected and marked
    GXPANEL_CENTER = 0x80,          // text centred, else from a tenth of the size
    GXPANEL_GREYOTHER = 0x100,      // days outside the displayed month in the grey-text colour
    GXPANEL_FULLMONTH = 0x10000000, // title: full month names
    GXPANEL_FULLDAY = 0x20000000    // day bar: full day names
};

// The locale's name of day 1..7 (1 = Sunday) or month 1..12; FALSE (name unchanged) on failure.
BOOL AFXAPI GXGetDayName(CString& strName, int nDay, BOOL bFull);
BOOL AFXAPI GXGetMonthName(CString& strName, int nMonth, BOOL bFull);

class CGXBPanel : public CObject
{
    DECLARE_DYNAMIC(CGXBPanel)

  public:
    // Construction
    CGXBPanel() = default;
    BOOL Create(CWnd* pCalendar, DWORD dwCalendarStyle, DWORD dwPanelStyle, int nRingWidth);

    // Attributes
    // Inclusive right and bottom.
    void SetRect(const CRect& rect);
    const CRect& GetRect() const
    {
        return m_rect;
    }
    // The rectangle as a window rectangle (exclusive right and bottom).
    CRect GetWindowRect() const
    {
        return CRect(m_rect.left, m_rect.top, m_rect.right + 1, m_rect.bottom + 1);
    }
    void SetSelected(BOOL bSelected);
    BOOL IsSelected() const
    {
        return m_bSelected;
    }
    void SetMarked(BOOL bMarked);
    BOOL IsMarked() const
    {
        return m_bMarked;
    }
    void SetText(LPCTSTR pszText);
    const CString& GetText() const
    {
        return m_strText;
    }
    void SetColors(COLORREF crText, COLORREF crGrey);
    void SetPanelStyle(DWORD dwStyle);
    DWORD GetPanelStyle() const
    {
        return m_dwPanelStyle;
    }
    void SetCalendarStyle(DWORD dwStyle);
    DWORD GetCalendarStyle() const
    {
        return m_dwCalendarStyle;
    }
    // The rectangle inside all rings (exclusive right and bottom).
    CRect GetTextRect();
    // The width of all rings together in a state.
    int RingsWidth(BOOL bSelected, BOOL bMarked) const;

    // Overridables
    virtual void DrawMarkRing(CDC* pDC);
    virtual void Draw(CDC* pDC);
    virtual void DrawBevel(CDC* pDC);
    virtual void DrawFrame(CDC* pDC);
    virtual void DrawBackground(CDC* pDC);
    virtual void DrawText(CDC* pDC);

  protected:
    // Implementation
    void Repaint();
    void ComputeInsets();
    // Nested one-pixel rectangles from inset nFrom, nWidth deep.
    void DrawRing(CDC* pDC, int nFrom, int nWidth, COLORREF crTopLeft, COLORREF crBottomRight);
    BOOL HasFrame(BOOL bSelected) const;
    BOOL HasBevel(BOOL bSelected) const;
    BOOL HasMark(BOOL bSelected, BOOL bMarked) const;

    COLORREF m_crGrey = 0;
    CWnd* m_pCalendar = NULL;
    DWORD m_dwCalendarStyle = 0;
    DWORD m_dwPanelStyle = 0x17F;
    CString m_strText;
    CRect m_rect;
    int m_nRingWidth = 3;
    BOOL m_bSelected = FALSE;
    BOOL m_bMarked = FALSE;
    COLORREF m_crFrame = RGB(0, 0, 0);
    COLORREF m_crMark = RGB(255, 0, 0);
    COLORREF m_crText = 0;
    int m_nBevelInset = 0;
    int m_nMarkInset = 0;
    int m_nTextInset = 0;
    BOOL m_bDirty = TRUE;
    BOOL m_bCreated = FALSE;
};
