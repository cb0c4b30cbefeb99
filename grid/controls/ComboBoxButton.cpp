#include "grid/controls/ComboBoxButton.h"
#include "grid/controls/ComboBox.h"
#include "grid/core/SysColorTable.h"
#include <algorithm>

CGXComboBoxButton::CGXComboBoxButton(CGXControl* pOwner) : CGXButton(pOwner)
{
}

void CGXComboBoxButton::DrawArrow(CDC* pDC, BOOL bPushed, CBitmap& bitmap)
{
    DrawFrame(pDC, bPushed, GXGetSysColorTable()->GetColor(COLOR_BTNFACE));
    BITMAP bm;
    if (bitmap.GetSafeHandle() == NULL || !bitmap.GetBitmap(&bm))
        return;
    CRect rect(m_rect.left, m_rect.top + 2, m_rect.right, m_rect.bottom - 2);
    int w = rect.Width(), h = rect.Height();
    int x = rect.left + std::max<int>(0, (w - bm.bmWidth) / 2) + (bPushed ? 1 : 0);
    int y = rect.top + std::max<int>(0, (h - bm.bmHeight) / 2) + (bPushed ? 1 : 0);
    int cx = std::min<int>(bm.bmWidth, w - 1), cy = std::min<int>(bm.bmHeight, h - 1);
    if (cx <= 0 || cy <= 0)
        return;
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC))
        return;
    CBitmap* pOld = memDC.SelectObject(&bitmap);
    pDC->BitBlt(x, y, cx, cy, &memDC, 0, 0, SRCCOPY);
    memDC.SelectObject(pOld);
}

void CGXComboBoxButton::DrawContent(CDC* pDC, BOOL bActive)
{
    if (!bActive)
    {
        BOOL bShow = m_pOwner != NULL && m_pOwner->IsKindOf(GX_CONTROL_CLASS(CGXComboBox)) &&
                     ((CGXComboBox*)m_pOwner)->m_bButtonEverywhere;
        if (!bShow)
            return;
    }
    DrawArrow(pDC, IsDrawnPushed(bActive), GXGetSysColorTable()->m_bmpDropDown);
}
