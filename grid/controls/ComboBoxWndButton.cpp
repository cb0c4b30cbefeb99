#include "grid/controls/ComboBoxWndButton.h"
#include "grid/controls/ComboBoxWnd.h"
#include "grid/core/SysColorTable.h"

CGXComboBoxWndButton::CGXComboBoxWndButton(CGXControl* pOwner) : CGXComboBoxButton(pOwner)
{
}

void CGXComboBoxWndButton::DrawContent(CDC* pDC, BOOL bActive)
{
    Draw(pDC, bActive, CGXStyle());
}

void CGXComboBoxWndButton::Draw(CDC* pDC, BOOL bActive, const CGXStyle& style)
{
    CGXComboBoxWnd* pCombo = m_pOwner != NULL && m_pOwner->IsKindOf(GX_CONTROL_CLASS(CGXComboBoxWnd))
                                 ? (CGXComboBoxWnd*)m_pOwner
                                 : NULL;
    if (!bActive && (pCombo == NULL || !pCombo->m_bButtonEverywhere))
        return;
    // The combo window over the current cell shows its own button.
    if (bActive && m_pOwner->IsActive())
        return;
    BOOL bDisabled = style.GetInclude(CGXStyle::ibEnabled) && !style.GetEnabled();
    CGXSysColorTable* pColors = GXGetSysColorTable();
    DrawArrow(pDC, IsDrawnPushed(bActive),
              bDisabled ? pColors->m_bmpDropDownDisabled : pColors->m_bmpDropDown);
}
