// CDigistring: a static control that shows a short text as lit and unlit segments, like an LED
// display. The text may be set from any thread: it is handed over under the control's lock and
// the characters are rebuilt at the next paint on the window's own thread.
#pragma once
#include "afxwin.h"
#include "Static.h"
#include "app/DigiChar.h"
#include <memory>
#include <vector>

class CDigistring : public CStatic
{
    DECLARE_DYNAMIC(CDigistring)

  public:
    // Construction
    CDigistring();
    ~CDigistring() override;

    // Operations
    void SetText(LPCTSTR lpszText);
    void SetText(UINT nIDText);
    void SetColors(COLORREF crOff, COLORREF crOn);
    // FALSE when the two masks share a bit.
    BOOL ModifyDisplayStyle(DWORD dwRemove, DWORD dwAdd);

    // Attributes
    CString GetText() const;
    DWORD GetDisplayStyle() const
    {
        return m_dwStyle;
    }
    COLORREF GetOffColor() const
    {
        return m_crOff;
    }
    COLORREF GetOnColor() const
    {
        return m_crOn;
    }

  protected:
    // Implementation
    void BuildString();
    void InvalidateControl();

    CString m_strText;
    BOOL m_bRebuild;
    std::vector<std::unique_ptr<CDigiChar>> m_chars;
    COLORREF m_crOff;
    COLORREF m_crOn;
    COLORREF m_crBack;
    DWORD m_dwStyle;
    mutable CRITICAL_SECTION m_lock; // the text and the rebuild flag, shared with setting threads

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
