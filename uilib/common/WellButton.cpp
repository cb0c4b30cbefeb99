// SECWellButton: swatch and arrow drawing, the drop-down and the colour it hands on.
#include "WellButton.h"
#include "ColorDialog.h"
#include "DataExchange.h"

namespace tessaron
{
namespace foundation
{

IMPLEMENT_DYNAMIC(SECWellButton, SECOwnerDrawButton)

BEGIN_MESSAGE_MAP(SECWellButton, SECOwnerDrawButton)
ON_MESSAGE(SECWM_COLORCHANGED, OnColorChanged)
ON_MESSAGE(SECWM_OTHERCOLOR, OnOtherColor)
END_MESSAGE_MAP()

SECWellButton::SECWellButton()
    : m_pPopup(new SECPopupColorWell), m_pOldPalette(NULL), m_pOldMemPalette(NULL), m_bUsePalette(FALSE),
      m_bOtherButton(TRUE), m_dwColorDialogFlags(CC_RGBINIT | CC_FULLOPEN), m_pCustomColors(NULL)
{
    CreatePalette();
}

SECWellButton::~SECWellButton()
{
    delete m_pPopup;
}

BOOL SECWellButton::CreatePalette()
{
    struct
    {
        WORD version;
        WORD count;
        PALETTEENTRY entry;
    } log = {0x300, 1, {0, 0, 0, 0}};
    m_palette.DeleteObject();
    return m_palette.CreatePalette((LOGPALETTE*)&log);
}

void SECWellButton::SetColor(COLORREF color)
{
    PALETTEENTRY entry = {GetRValue(color), GetGValue(color), GetBValue(color), 0};
    m_palette.SetPaletteEntries(0, 1, &entry);
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

COLORREF SECWellButton::GetColor() const
{
    PALETTEENTRY entry = {};
    m_palette.GetPaletteEntries(0, 1, &entry);
    return RGB(entry.peRed, entry.peGreen, entry.peBlue);
}

void SECWellButton::SetUsePalette(BOOL bUse)
{
    m_bUsePalette = bUse;
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

void SECWellButton::SetPopup(SECPopupColorWell* pPopup)
{
    if (pPopup == m_pPopup)
        return;
    delete m_pPopup;
    m_pPopup = pPopup;
}

void SECWellButton::Clicked()
{
    if (m_pPopup != NULL && m_pPopup->IsShowing())
        return;
    DropDown();
}

void SECWellButton::DropDown()
{
    if (m_pPopup == NULL)
        return;
    m_pPopup->Reset();
    CRect rect;
    GetWindowRect(&rect);
    if (!m_pPopup->Create(WS_VISIBLE, &rect, GetParent(), m_bOtherButton))
        return;
    m_pPopup->SetColor(GetColor());
    m_pPopup->SetUsePalette(m_bUsePalette);
    m_pPopup->SetOwner(this);
}

void SECWellButton::BeforeDraw(CDC* pDC, CDC* pMemDC)
{
    if (!m_bUsePalette)
        return;
    m_pOldPalette = pDC->SelectPalette(&m_palette, FALSE);
    pDC->RealizePalette();
    if (pMemDC != NULL && pMemDC != pDC)
    {
        m_pOldMemPalette = pMemDC->SelectPalette(&m_palette, FALSE);
        pMemDC->RealizePalette();
    }
}

void SECWellButton::AfterDraw(CDC* pDC, CDC* pMemDC)
{
    if (!m_bUsePalette)
        return;
    if (m_pOldPalette != NULL)
        pDC->SelectPalette(m_pOldPalette, FALSE);
    if (m_pOldMemPalette != NULL && pMemDC != NULL && pMemDC != pDC)
        pMemDC->SelectPalette(m_pOldMemPalette, FALSE);
    m_pOldPalette = m_pOldMemPalette = NULL;
}

void SECWellButton::DrawContent(CDC* pDC, LPDRAWITEMSTRUCT lpDIS, RECT* pInterior)
{
    CRect rect(*pInterior);
    if (!((lpDIS->itemState & ODS_FOCUS) && !IsFlat()))
        rect.DeflateRect(1, 1);
    const Colors& c = GetColors();

    // The arrow: 5 wide, 3 high, pointing down.
    int xArrow = rect.right - 7;
    int yArrow = rect.top + (rect.Height() - 3) / 2;
    for (int row = 0; row < 3; row++)
        pDC->FillSolidRect(xArrow + row, yArrow + row, 5 - 2 * row, 1, RGB(0, 0, 0));

    // The separator between swatch and arrow.
    pDC->FillSolidRect(xArrow - 3, rect.top + 2, 1, rect.Height() - 4, c.dark);
    pDC->FillSolidRect(xArrow - 2, rect.top + 2, 1, rect.Height() - 4, c.highlight);

    if (lpDIS->itemState & ODS_DISABLED)
        return;
    CRect swatch(rect.left + 3, rect.top + 2, xArrow - 6, rect.bottom - 2);
    CBrush black(RGB(0, 0, 0));
    pDC->FrameRect(&swatch, &black);
    swatch.DeflateRect(1, 1);
    CBrush fill(m_bUsePalette ? PALETTEINDEX(0) : GetColor());
    pDC->FillRect(&swatch, &fill);
}

void SECWellButton::ColorChosen(COLORREF color)
{
    SetColor(color);
    UpdateWindow();
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->SendMessage(SECWM_COLORCHANGED, GetDlgCtrlID(), GetColor());
}

LRESULT SECWellButton::OnColorChanged(WPARAM, LPARAM lParam)
{
    ColorChosen((COLORREF)lParam);
    return 0;
}

LRESULT SECWellButton::OnOtherColor(WPARAM, LPARAM)
{
    CColorDialog dlg(GetColor(), m_dwColorDialogFlags, this);
    dlg.m_cc.Flags |= m_dwColorDialogFlags;
    if (m_pCustomColors != NULL)
        dlg.m_cc.lpCustColors = m_pCustomColors;
    if (dlg.DoModal() == IDOK)
        ColorChosen(dlg.GetColor());
    return 0;
}

void AFXAPI DDX_ColorWell(CDataExchange* pDX, SECWellButton& button, COLORREF& color)
{
    if (pDX->m_bSaveAndValidate)
        color = button.GetColor();
    else
        button.SetColor(color);
}

} // namespace foundation
} // namespace tessaron
