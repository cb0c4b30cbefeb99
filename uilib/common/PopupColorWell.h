// SECPopupColorWell: a colour well as a popup with the mouse captured, dropped below (or above) a
// colour-well button. Closes on a choice, Escape, a click outside or losing the focus; tells its
// owner (the button) of the choice. The button owns the object; the window destroys itself.
#pragma once
#include "ColorWell.h"

namespace tessaron
{
namespace foundation
{

class SECPopupColorWell : public SECColorWell
{
    DECLARE_DYNAMIC(SECPopupColorWell)

  public:
    // Construction
    SECPopupColorWell();
    ~SECPopupColorWell() override;
    using SECColorWell::Create;
    // buttonRect in screen coordinates; pParent owns the popup window.
    virtual BOOL Create(DWORD dwStyle, const RECT* pButtonRect, CWnd* pParent, BOOL bOther,
                        DWORD dwExtra = 0);

    // Attributes
    void SetOwner(CWnd* pOwner)
    {
        m_pOwner = pOwner;
    }
    CWnd* GetPopupOwner() const
    {
        return m_pOwner;
    }
    BOOL IsShowing() const
    {
        return m_bShowing;
    }

    // Overridables
    void SelectCell(int nCol, int nRow, int nHow) override;
    void NotifyParent() override;
    UINT GetClassStyle() const override
    {
        return CS_SAVEBITS;
    }
    BOOL HasFocusFrame() const override
    {
        return FALSE;
    }
    void OnOther() override;

    // Implementation
  protected:
    void Close();

    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnNcDestroy();
    DECLARE_MESSAGE_MAP()

    CWnd* m_pOwner;
    BOOL m_bShowing;
    BOOL m_bClosing;
};

} // namespace foundation
} // namespace tessaron
