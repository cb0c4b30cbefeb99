// SECOwnerDrawButton: a push button that draws itself. Draws frame, pressed and focus look and the
// embossed disabled look into a memory DC; derived buttons draw their content in between. An
// optional flat look shows a raised frame only while the mouse is over the button.
#pragma once
#include "afxwin.h"
#include "Button.h"

namespace tessaron
{
namespace foundation
{

class SECOwnerDrawButton : public CButton
{
    DECLARE_DYNAMIC(SECOwnerDrawButton)

  public:
    // Colours every self-drawn button uses, read once and again on WM_SYSCOLORCHANGE.
    struct Colors
    {
        COLORREF frame;     // COLOR_WINDOWFRAME
        COLORREF shadow;    // COLOR_BTNSHADOW
        COLORREF highlight; // COLOR_BTNHIGHLIGHT
        COLORREF face;      // COLOR_BTNFACE
        COLORREF dark;      // COLOR_BTNSHADOW
    };
    static const Colors& GetColors();
    static void RefreshColors();

    // Construction
    SECOwnerDrawButton();
    ~SECOwnerDrawButton() override;
    using CButton::Create;
    // Subclasses control nID of the dialog pParent and makes it owner-drawn. dwExtra bit 0: the
    // button is the dialog's default push button.
    virtual BOOL AttachButton(UINT nID, CWnd* pParent, DWORD dwExtra = 0);
    virtual BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID,
                        DWORD dwExtra);

    // Attributes
    virtual void SetFlat(BOOL bFlat);
    virtual BOOL IsFlat() const
    {
        return m_bFlat;
    }
    // The flat look also drops the focus frame; returns the previous setting.
    BOOL SetDrawOption(BOOL bFlat);
    DWORD GetExtraFlags() const
    {
        return m_dwExtra;
    }
    BOOL IsNewLook() const
    {
        return m_bNewLook;
    }

    // Overridables
    virtual void Clicked();
    // Keeps BS_OWNERDRAW whatever the type bits of nStyle say.
    virtual void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
    virtual void BeforeDraw(CDC* pDC, CDC* pMemDC);
    // Draws the frame for the item's state; returns the rectangle left for the content.
    virtual CRect DrawFrame(CDC* pDC, LPDRAWITEMSTRUCT lpDIS);
    virtual void AfterDraw(CDC* pDC, CDC* pMemDC);
    virtual void DrawDisabled(CDC* pDC, int cx, int cy);
    virtual void DrawFocusRect(CDC* pDC, RECT* pRect);
    virtual void DrawFocus(CDC* pDC, LPDRAWITEMSTRUCT lpDIS);
    virtual void DrawContent(CDC* pDC, LPDRAWITEMSTRUCT lpDIS, RECT* pInterior);

    // Implementation
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

  protected:
    void DrawSteps(CDC* pDC, CDC* pTarget, LPDRAWITEMSTRUCT lpDIS);
    void DrawCutCornerFrame(CDC* pDC, const CRect& rect);
    void DrawFlatEdge(BOOL bRaised);

    afx_msg LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnSysColorChange();
    DECLARE_MESSAGE_MAP()

    BOOL m_bNewLook;  // Windows 4 or later: the flatter frame
    BOOL m_bFlat;     // raised frame only under the mouse
    DWORD m_dwExtra;  // bit 0: default push button
    BOOL m_bHovering; // flat look: the mouse is over the button (we hold the capture)
};

} // namespace foundation
} // namespace tessaron
