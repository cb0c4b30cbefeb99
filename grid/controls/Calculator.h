// A small four-function calculator drawn entirely by itself: a display line above a grid of
// self-drawn keys. Used as a child window, and as the base of the pop-up calculator that the
// currency edit window opens.
#pragma once
#include "CalcBtn.h"
#include "afxwin.h"

// Styles of the calculator window (low word of the window style).
enum
{
    GXCALC_RAISEDFRAME = 0x1,  // its own 2-pixel 3-D frame instead of a border
    GXCALC_ETCHEDLINE = 0x2,   // an etched line above the display
    GXCALC_CLOSEONENTER = 0x10 // pop-up: a click on the Enter key hands the result over and closes
};

class CGXBCalculator : public CWnd
{
    DECLARE_DYNAMIC(CGXBCalculator)

  public:
    class CGXBCalcBtnArray : public CObArray
    {
      public:
        CGXBCalcBtn* GetButton(int i) const
        {
            return (CGXBCalcBtn*)GetAt(i);
        }
    };

    // Key ids.
    enum
    {
        keyMultiply = 1,
        keyAdd = 2,
        keySubtract = 3,
        keyDivide = 4,
        keyPercent = 5,
        keyEquals = 6,
        keyClear = 7,
        keyClearEntry = 8,
        keyZero = 9,
        keyNine = 18,
        keyPoint = 19,
        keyBack = 20
    };
    // State flags.
    enum
    {
        stateMousePressed = 1,
        stateLeadByte = 2,
        stateValueSet = 4,
        stateError = 8
    };

    // Construction
    CGXBCalculator();
    ~CGXBCalculator() override;
    CGXBCalculator(const CGXBCalculator&) = delete;
    CGXBCalculator& operator=(const CGXBCalculator&) = delete;

    BOOL Create(DWORD dwExStyle, DWORD dwStyle, int x, int y, CWnd* pParent, HMENU nIDorHMenu,
                LPVOID lpParam = NULL);

    // Operations
    void SetValue(double dValue);
    double GetAccumulator() const
    {
        return m_dAccumulator;
    }
    const CString& GetEntryText() const
    {
        return m_strEntry;
    }
    // What the display shows.
    CString GetDisplayText() const;
    BOOL IsError() const
    {
        return (m_dwState & stateError) != 0;
    }
    const CGXBCalcBtnArray& GetButtons() const
    {
        return m_buttons;
    }
    // The key of an id, or null.
    CGXBCalcBtn* FindButton(int nId) const;

    // Overridables
    virtual void CreateButtons();
    virtual void CreateDisplayFont(CWnd* pParent);
    // Runs the handler of a key; TRUE when the id is a key.
    virtual BOOL PressKey(int nId);
    virtual CString GetDecimalPoint();
    virtual UINT GetClassStyle() const
    {
        return 0;
    }
    virtual void DrawFrame(CDC* pDC, const CRect& rcClip);

  protected:
    // Implementation
    // Places display and keys; returns the client size.
    CSize Layout(CWnd* pParent, DWORD dwStyle);
    // The window rectangle size for the client size and styles (which it may adjust).
    CSize WindowSizeFor(CSize sizeClient, DWORD& dwStyle, DWORD& dwExStyle) const;
    BOOL CreateCalculatorWindow(DWORD dwExStyle, DWORD dwStyle, int x, int y, CSize sizeWindow, CWnd* pParent,
                                HMENU nIDorHMenu, LPVOID lpParam);
    void DrawDisplay(CDC* pDC);
    void InvalidateDisplay();
    // Shows a key pressed, runs it and shows it released.
    void ClickKey(CGXBCalcBtn* pButton);
    int HitTestKey(CPoint pt) const;
    void RedrawKey(int nIndex);
    void LoadEnterBitmap();

    void OnDigit(int nId);
    void OnPoint();
    void OnBack();
    void OnClear();
    void OnClearEntry();
    void OnOperator(int nId);
    void FormatAccumulator();
    // Digits before and after the decimal point, without a leading sign.
    void CountDigits(const CString& str, int& nInteger, int& nDecimals) const;
    int DigitLimit(BOOL bBelowOne) const;

    afx_msg void OnPaint();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnSysColorChange();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

    DWORD m_dwState = 0;
    char m_cLeadByte = 0;
    double m_dAccumulator = 0.0;
    int m_nPendingOperator = 0;
    BOOL m_bNewEntry = TRUE;
    int m_nMaxDecimals = 15;
    int m_nDisplayCapacity = 16;
    CRect m_rectDisplay;
    CString m_strEntry;
    CString m_strDecimalPoint;
    CFont m_fontKeys;
    CFont m_fontDisplay;
    HBITMAP m_hEnterBitmap = NULL;
    int m_nKeyWidth = 0;
    int m_nKeyHeight = 0;
    int m_nTopBottomMargin = 1;
    int m_nLeftRightMargin = 4;
    int m_nRowGap = 1;
    int m_nColumnGap = 0;
    int m_nPressedKey = -1;
    CGXBCalcBtnArray m_buttons;
};
