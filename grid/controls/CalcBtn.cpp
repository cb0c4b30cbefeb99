// A calculator key drawn as a small raised button.
#include "CalcBtn.h"
#include "grid/core/SysColorTable.h"

CGXBCalcBtn::CGXBCalcBtn(int nId, LPCTSTR pszLabel, LPCTSTR pszKeys, int nVirtKey, int nWidth, BOOL bNewRow,
                         const Look& look)
    : m_look(look), m_strLabel(pszLabel), m_strKeys(pszKeys), m_nVirtKey(nVirtKey), m_nWidth(nWidth),
      m_rect(0, 0, 0, 0), m_nFlags(bNewRow ? newRow : 0), m_nId(nId)
{
    m_strKeys.MakeLower();
}

void CGXBCalcBtn::Draw(CDC* pDC)
{
    const CGXSysColorTable& colors = *GXGetSysColorTable();
    CRect rc = m_rect;
    pDC->Draw3dRect(rc, colors.m_clrBtnShadow, colors.m_clrBtnHilite);
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(rc, colors.m_clrWindowFrame, colors.m_clrWindowFrame);
    rc.DeflateRect(1, 1);
    if (IsPressed())
    {
        pDC->Draw3dRect(rc, colors.m_clrBtnShadow, colors.m_clrBtnShadow);
        rc.DeflateRect(1, 1);
        pDC->FillSolidRect(rc, colors.m_clrBtnFace);
        rc.OffsetRect(2, 2);
    }
    else
    {
        pDC->Draw3dRect(rc, colors.m_clrBtnHilite, colors.m_clrBtnShadow);
        rc.DeflateRect(1, 1);
        pDC->Draw3dRect(rc, colors.m_clr3DLight, colors.m_clrBtnShadow);
        rc.DeflateRect(1, 1);
        pDC->FillSolidRect(rc, colors.m_clrBtnFace);
    }

    HBITMAP hBitmap = m_look.phBitmap ? *m_look.phBitmap : NULL;
    if (hBitmap != NULL)
    {
        BITMAP bm = {};
        ::GetObject(hBitmap, sizeof(bm), &bm);
        int x = m_strLabel.IsEmpty() ? rc.left + (rc.Width() - bm.bmWidth) / 2 : rc.left + 5;
        int y = rc.top + (rc.Height() - bm.bmHeight) / 2;
        CDC dcMem;
        if (dcMem.CreateCompatibleDC(pDC))
        {
            HGDIOBJ hOld = ::SelectObject(dcMem.GetSafeHdc(), hBitmap);
            int nSaved = pDC->SaveDC();
            pDC->IntersectClipRect(rc);
            pDC->BitBlt(x, y, bm.bmWidth, bm.bmHeight, &dcMem, 0, 0, SRCCOPY);
            pDC->RestoreDC(nSaved);
            ::SelectObject(dcMem.GetSafeHdc(), hOld);
        }
    }
    if (!m_strLabel.IsEmpty())
    {
        HGDIOBJ hOldFont = m_look.hFont ? ::SelectObject(pDC->GetSafeHdc(), m_look.hFont) : NULL;
        pDC->SetTextColor(m_look.crText);
        pDC->SetBkColor(colors.m_clrBtnFace);
        pDC->SetBkMode(TRANSPARENT);
        pDC->DrawText(m_strLabel, rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        if (hOldFont)
            ::SelectObject(pDC->GetSafeHdc(), hOldFont);
    }
}
