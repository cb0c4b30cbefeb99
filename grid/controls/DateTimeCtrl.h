// A child window that edits one date-and-time value field by field: the date format becomes a
// row of gadgets, the current field moves with keys and mouse, per-field handlers change the
// value inside a minimum and maximum, and an optional calendar button drops a calendar.
#pragma once
#include "DTGadget.h"
#include "mfc/OleDateTime.h"

class CGXBPopupCalendar;

// Window style bits of the date-time edit window.
enum
{
    GXDT_CALENDARBUTTON_STYLE = 0x1, // a calendar button at the right edge
    GXDT_SPINBUTTON_STYLE = 0x2,     // a spin button at the right edge
    GXDT_KEEPCENTURY = 0x10          // a two-digit year keeps the value's century
};

// Fixed-field bits (fields that cannot be edited).
enum
{
    GXDT_FIXED_YEAR = 1,
    GXDT_FIXED_MONTH = 2,
    GXDT_FIXED_DAY = 4,
    GXDT_FIXED_HOUR = 8,
    GXDT_FIXED_MINUTE = 16,
    GXDT_FIXED_SECOND = 32
};

class CGXBDateTimeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CGXBDateTimeCtrl)

  public:
    // Format types.
    enum
    {
        formatTime = 0,
        formatShortDate = 1,
        formatLongDate = 2,
        formatCustom = 3,
        formatDateTime = 4
    };
    // Validation modes.
    enum
    {
        validateNone = 0,
        validateTime = 1,
        validateDate = 2,
        validateDateTime = 3
    };
    // State bits.
    enum
    {
        stateModified = 1,
        stateButtonPressed = 2,
        stateTyping = 4
    };

    CGXBDateTimeCtrl();
    ~CGXBDateTimeCtrl() override;

    BOOL Create(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID,
                CCreateContext* pContext = NULL);

    // Attributes
    void SetFormat(int nType);
    void SetFormat(LPCTSTR pszPicture);
    int GetFormatType() const
    {
        return m_nFormatType;
    }
    void SetFixedFields(DWORD dwFixed);
    BOOL SetDateTime(const COleDateTime& value);
    const COleDateTime& GetDateTime() const
    {
        return m_value;
    }
    BOOL SetMinMax(const COleDateTime& dtMin, const COleDateTime& dtMax, int nMode);
    void SetFastInput(BOOL b)
    {
        m_bFastInput = b;
    }
    BOOL IsModified() const
    {
        return (m_dwState & stateModified) != 0;
    }
    void SetModified(BOOL b)
    {
        m_dwState = b ? (m_dwState | stateModified) : (m_dwState & ~stateModified);
    }
    // The format string the gadgets were built from.
    CString GetFormatString() const;
    BOOL HasDateFields() const
    {
        return m_dwHasDate != 0;
    }
    const CGXBDTGadgetArray& GetGadgets() const
    {
        return m_gadgets;
    }
    int GetCurrentGadget() const
    {
        return m_nCurrent;
    }
    CGXBDTGadget* GetCurrent() const
    {
        return m_nCurrent >= 0 && m_nCurrent < m_gadgets.GetSize() ? m_gadgets.GetGadget(m_nCurrent) : NULL;
    }
    int GetFixedCount() const
    {
        return m_nFixed;
    }
    CGXBPopupCalendar* GetCalendar() const
    {
        return m_pCalendar;
    }
    // The gadgets' texts joined in order.
    CString GetGadgetText() const;

    // Operations
    BOOL NextGadget();
    BOOL PrevGadget();
    BOOL IsLastGadget() const;
    BOOL IsFirstGadget() const;
    // Makes gadget i current (and visible).
    void SetCurrentGadget(int i);
    // Lays the gadgets out from x = 1 in a rectangle (full-height ones take its top and bottom).
    void LayoutIn(CDC* pDC, const CRect& rect);

    // Services for the gadgets
    void InvalidateGadget(CGXBDTGadget* pGadget, BOOL bUpdateNow);
    void CaptureGadget(CGXBDTGadget* pGadget, BOOL bCapture);
    UINT GetInitialDelay() const
    {
        return m_nInitialDelay;
    }
    UINT GetRepeatDelay() const
    {
        return m_nRepeatDelay;
    }
    COLORREF GetBkColour() const
    {
        return m_crBack;
    }

    // Overridables
    virtual BOOL IsFastInput() const;
    virtual BOOL Validate(COleDateTime& value, int nField);
    virtual BOOL OnChanging(const COleDateTime& value);
    virtual void OnChanged();
    virtual int GetCentury(int nTwoDigitYear);
    virtual void LayoutGadgets();
    virtual void DrawGadgets(CDC* pDC);
    virtual BOOL DropDownCalendar();
    virtual CGXBPopupCalendar* CreateCalendar();
    virtual BOOL OnGadgetNotify(int nCode, int nId, int nValue);

  protected:
    // Implementation
    void Rebuild();
    void ParseFormat(const CString& strFormat);
    void AddGadget(CGXBDTGadget* pGadget, DWORD dwFixedBit);
    void DeleteGadgets(int nFrom);
    void UpdateGadgets(DWORD dwMask);
    // Sets the value and updates the gadgets of changed fields.
    void SetValue(const COleDateTime& value);
    BOOL FieldChange(int nCode, int nId, int nValue);
    void MakeVisible(CGXBDTGadget* pGadget);
    int GadgetAt(CPoint point) const;
    CRect VisibleStrip() const;
    void CloseCalendar();
    // Whether the keyboard is in the calendar (or was left nowhere by it).
    BOOL CalendarHasFocus() const;
    // After the calendar closed: the keyboard comes back to this window when it was there.
    void TakeBackFocus(BOOL bCalendarHadFocus);
    // TRUE when the point lies in the date's range.
    BOOL InRange(const COleDateTime& value) const;
    COleDateTime Comparable(const COleDateTime& value) const;

    afx_msg void OnPaint();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnSysColorChange();
    afx_msg void OnCancelMode();
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnCalendarChosen(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCalendarClosed(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    DWORD m_dwState = 0;
    DWORD m_dwFixedFields = 0;
    BOOL m_bFastInput = TRUE;
    COleDateTime m_value;
    COleDateTime m_min;
    COleDateTime m_max;
    int m_nValidateMode = validateNone;
    int m_nFormatType = formatShortDate;
    CString m_strCustom;
    HFONT m_hFont = NULL;
    int m_nCurrent = 0;
    int m_nScroll = 0;
    int m_nRightWidth = 0;
    int m_nFixed = 0;
    CGXBDTGadget* m_pCapture = NULL;
    CGXBPopupCalendar* m_pCalendar = NULL;
    BOOL m_bPM = FALSE;
    COLORREF m_crBack = 0;
    int m_nDisabledColor = COLOR_BTNFACE;
    UINT m_nButtonBitmap = 20028;
    DWORD m_dwHasDate = 0;
    CGXBDTGadgetArray m_gadgets;
    COLORREF m_crText;
    COLORREF m_crWindow;
    UINT m_nInitialDelay = 500;
    UINT m_nRepeatDelay = 100;
};
