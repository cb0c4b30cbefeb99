// SECMenuButton: a bitmap button that drops a popup menu when clicked, below it or to its right,
// with a small arrow beside its caption (alone when there is none). The menu is the caller's: the
// button attaches it and never destroys it.
#pragma once
#include "uilib/common/BitmapButton.h"

namespace tessaron
{
namespace foundation
{

class SECMenuButton : public SECBitmapButton
{
    DECLARE_DYNAMIC(SECMenuButton)

  public:
    // The longest caption an attached control keeps.
    enum
    {
        maxCaption = 100
    };

    // Construction
    SECMenuButton();
    ~SECMenuButton() override;
    using SECBitmapButton::Attach;
    using SECBitmapButton::Create;
    // bRight: the menu opens to the right of the button instead of below it.
    virtual BOOL Attach(UINT nID, CWnd* pParent, HMENU hMenu, BOOL bRight, DWORD dwExtra = 0);
    virtual BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID,
                        HMENU hMenu, BOOL bRight, DWORD dwExtra = 0);
    // Takes the menu and direction; gives the arrow's bitmap and returns the image placement.
    virtual UINT AttachMenu(LPCTSTR lpszText, HMENU hMenu, BOOL bRight, UINT& nBitmapID);

    // Operations
    void SetDirection(BOOL bRight);
    BOOL GetDirection() const
    {
        return m_bRight;
    }
    void SetMenu(HMENU hMenu);
    HMENU GetMenu() const
    {
        return m_menu.GetSafeHmenu();
    }

    // Overridables
    void Clicked() override;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

    // Implementation
  protected:
    CMenu m_menu;        // attached, the caller's
    BOOL m_bRight;       // the menu opens to the right (arrow 23001), else below (arrow 23000)
    BOOL m_bDrawEnabled; // FALSE while the menu is open
};

} // namespace foundation
} // namespace tessaron
