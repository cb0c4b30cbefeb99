// The calculator dropped below a money field: it closes on Enter, Escape or losing the focus
// and hands its result to its owner window as text. Usually deletes itself when closed.
#pragma once
#include "Calculator.h"

// Sent by the pop-up calculator to its owner: wParam 0, lParam the result text (LPCTSTR).
#define GX_WM_CALCULATOR_RESULT 0x7E3

class CGXBPopupCalculator : public CGXBCalculator
{
    DECLARE_DYNAMIC(CGXBPopupCalculator)

  public:
    // Construction
    CGXBPopupCalculator() = default;
    // Placed below the anchor (screen coordinates), kept inside the work area, and focused.
    BOOL Create(DWORD dwStyle, const RECT& rcAnchor, CWnd* pParent, LPVOID lpParam = NULL);

    // Attributes
    BOOL m_bAutoDelete = FALSE;

    // Overridables
    BOOL PressKey(int nId) override;
    UINT GetClassStyle() const override
    {
        return CS_SAVEBITS;
    }
    virtual void NotifyOwner();

  protected:
    void PostNcDestroy() override;
    // Runs the Enter key, hands the result over and closes.
    void Accept();

    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()
};
