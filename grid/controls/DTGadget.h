// A windowless part of a date-time edit window: one field of the date format, a piece of
// literal text, or a button at the right edge. It draws itself, keeps its display value and
// interprets input; every change of the value goes to its owner through Notify.
#pragma once
#include "afxwin.h"

class CGXBDateTimeCtrl;

// Field ids of the gadgets.
enum
{
    GXDT_HOUR12 = 1,
    GXDT_HOUR24 = 2,
    GXDT_MINUTE = 4,
    GXDT_SECOND = 8,
    GXDT_AMPM = 16,
    GXDT_DAY = 32,
    GXDT_WEEKDAY = 64,
    GXDT_MONTH = 128,
    GXDT_MONTHNAME = 256,
    GXDT_YEAR2 = 512,
    GXDT_YEAR4 = 1024,
    GXDT_CALENDARBUTTON = 16384,
    GXDT_SPINBUTTON = 32768
};

// Notification codes a gadget sends its owner.
enum
{
    GXDT_NOTIFY_UP = 1,
    GXDT_NOTIFY_DOWN = 2,
    GXDT_NOTIFY_SPINUP = 3,
    GXDT_NOTIFY_SPINDOWN = 4,
    GXDT_NOTIFY_CLICKED = 5,
    GXDT_NOTIFY_VALIDATE = 6,
    GXDT_NOTIFY_SET = 7,
    GXDT_NOTIFY_FIRST = 8,
    GXDT_NOTIFY_LAST = 9,
    GXDT_NOTIFY_TYPING = 10,
    GXDT_NOTIFY_TYPED = 11
};

class CGXBDTGadget : public CObject
{
    DECLARE_DYNAMIC(CGXBDTGadget)

  public:
    // Gadget style bits.
    enum
    {
        styleFocus = 1, // an editable field
        styleMouse = 2, // takes mouse input
        styleFixed = 4  // fixed at the right edge, not scrolled
    };

    CGXBDTGadget() = default;
    ~CGXBDTGadget() override;

    BOOL Initialise(CGXBDateTimeCtrl* pOwner, int nId);
    const CRect& GetRect() const
    {
        return m_rect;
    }
    void SetRect(const CRect& rect)
    {
        m_rect = rect;
    }
    DWORD GetStyle() const
    {
        return m_dwStyle;
    }
    void SetStyle(DWORD dwStyle)
    {
        m_dwStyle = dwStyle;
    }
    int GetId() const
    {
        return m_nId;
    }
    int GetValue() const
    {
        return m_nValue;
    }
    void SetValue(int nValue)
    {
        m_nValue = nValue;
    }
    BOOL HasFocus() const
    {
        return m_bFocus;
    }
    BOOL Notify(int nCode, int nId, int nValue);
    void Invalidate(BOOL bUpdateNow = FALSE);
    void CaptureMouse(BOOL bCapture);
    void StartTimer(UINT nElapse);
    void StopTimer();
    COLORREF GetBkColour() const;
    // The text the gadget shows (empty for buttons).
    virtual CString GetText() const
    {
        return CString();
    }

    // Overridables
    virtual void CalcSize(CDC* pDC) = 0;
    virtual void Draw(CDC* pDC) = 0;
    virtual BOOL SetFocus(BOOL bFocus);
    virtual void OnKeyDown(UINT)
    {
    }
    virtual void OnChar(UINT)
    {
    }
    virtual void OnLButtonDown(UINT, CPoint)
    {
    }
    virtual void OnLButtonUp(UINT, CPoint)
    {
    }
    virtual void OnMouseMove(UINT, CPoint)
    {
    }
    virtual void OnCancelMode()
    {
    }
    virtual void OnTimer()
    {
    }
    virtual void OnSysColorChange()
    {
    }

  protected:
    // Up, Down, Home, End and the pad's plus and minus as notifications; TRUE when handled.
    BOOL StepKey(UINT nChar);
    // Draws a text centred (or left aligned) in the rectangle, single line.
    void DrawGadgetText(CDC* pDC, const CString& strText, BOOL bCentred);

    CRect m_rect;
    BOOL m_bFocus = FALSE;
    DWORD m_dwStyle = styleFocus;
    int m_nId = -1;
    int m_nValue = 0;
    CGXBDateTimeCtrl* m_pOwner = NULL;
    UINT_PTR m_nTimer = 0;
};

class CGXBDTGadgetArray : public CObArray
{
  public:
    CGXBDTGadget* GetGadget(INT_PTR i) const
    {
        return (CGXBDTGadget*)GetAt(i);
    }
};
