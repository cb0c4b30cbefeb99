// SECWellButton: a button showing a swatch of its colour and a drop-down arrow; a click drops a
// popup colour well below it. Tells its parent SECWM_COLORCHANGED (control id, colour) after
// every colour the user chose. Owns its popup.
#pragma once
#include "OwnerDrawButton.h"
#include "PopupColorWell.h"

namespace tessaron
{
namespace foundation
{

class SECWellButton : public SECOwnerDrawButton
{
    DECLARE_DYNAMIC(SECWellButton)

  public:
    // Construction
    SECWellButton();
    ~SECWellButton() override;

    // Attributes
    virtual void SetColorDialogFlags(DWORD dwFlags)
    {
        m_dwColorDialogFlags = dwFlags;
    }
    virtual DWORD GetColorDialogFlags() const
    {
        return m_dwColorDialogFlags;
    }
    virtual void SetCustomColors(COLORREF* pColors)
    {
        m_pCustomColors = pColors;
    }
    void SetColor(COLORREF color);
    COLORREF GetColor() const;
    void SetUsePalette(BOOL bUse);
    BOOL GetUsePalette() const
    {
        return m_bUsePalette;
    }
    void SetOtherButton(BOOL bOther)
    {
        m_bOtherButton = bOther;
    }
    BOOL GetOtherButton() const
    {
        return m_bOtherButton;
    }
    // Takes over the popup (deleting the previous one).
    void SetPopup(SECPopupColorWell* pPopup);
    SECPopupColorWell* GetPopup() const
    {
        return m_pPopup;
    }

    // Overridables
    virtual BOOL CreatePalette();
    virtual void DropDown();
    void Clicked() override;
    void BeforeDraw(CDC* pDC, CDC* pMemDC) override;
    void AfterDraw(CDC* pDC, CDC* pMemDC) override;
    void DrawContent(CDC* pDC, LPDRAWITEMSTRUCT lpDIS, RECT* pInterior) override;

    // Implementation
  protected:
    void ColorChosen(COLORREF color);

    afx_msg LRESULT OnColorChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnOtherColor(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    SECPopupColorWell* m_pPopup;
    CPalette m_palette;
    CPalette* m_pOldPalette;
    CPalette* m_pOldMemPalette;
    BOOL m_bUsePalette;
    BOOL m_bOtherButton;
    DWORD m_dwColorDialogFlags;
    COLORREF* m_pCustomColors;
};

// Dialog data exchange of a well button's colour: saving reads it, loading sets it.
void AFXAPI DDX_ColorWell(CDataExchange* pDX, SECWellButton& button, COLORREF& color);

} // namespace foundation
} // namespace tessaron
