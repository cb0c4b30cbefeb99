// SECTBMenuBtn: measuring and drawing the text, and dropping the menu.
#include "uilib/bars/TBMenuBtn.h"
#include "uilib/bars/BtnDrawData.h"
#include "uilib/bars/CustomToolBar.h"
#include "uilib/common/SystemData.h"
#include <algorithm>

namespace
{
// Space around the text: 10 across, 6 down; the text starts 4 right and 3 down.
const int kTextCx = 10, kTextCy = 6;
const int kTextLeft = 4, kTextTop = 3;
} // namespace

SECTBMenuBtn::SECTBMenuBtn() : m_hMenu(NULL), m_nMenuValue(0), m_cMnemonic(0), m_nExtra(0)
{
    m_nType = BtnMenu;
}

SECStdBtn* PASCAL SECTBMenuBtn::Create()
{
    return new SECTBMenuBtn;
}

SECStdBtn* SECTBMenuBtn::NewStdButton()
{
    return new SECStdBtn;
}

void SECTBMenuBtn::SetCmdID(UINT nID, const UINT_PTR* pInfo)
{
    if (pInfo != NULL)
    {
        m_hMenu = (HMENU)pInfo[0];
        m_nMenuValue = pInfo[1];
        m_strText = pInfo[2] != 0 ? CString((LPCTSTR)pInfo[2]) : CString();
        m_nExtra = pInfo[3];
    }
    UpdateMnemonic();
    SECStdBtn::SetCmdID(nID, pInfo);
}

void SECTBMenuBtn::UpdateMnemonic()
{
    m_cMnemonic = 0;
    const int nAmp = m_strText.Find(_T('&'));
    if (nAmp >= 0 && nAmp + 1 < m_strText.GetLength())
        m_cMnemonic = (TCHAR)(UINT_PTR)::CharUpper((LPTSTR)(UINT_PTR)(BYTE)m_strText[nAmp + 1]);
}

void SECTBMenuBtn::AdjustSize()
{
    if (m_pToolBar == NULL)
        return;
    HDC hDC = ::GetDC(NULL);
    CFont* pFont = m_pToolBar->GetFont();
    HGDIOBJ hOld = pFont != NULL ? ::SelectObject(hDC, pFont->m_hObject) : NULL;
    RECT rect = {0, 0, 0, 0};
    ::DrawText(hDC, m_strText, m_strText.GetLength(), &rect, DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE);
    if (hOld != NULL)
        ::SelectObject(hDC, hOld);
    ::ReleaseDC(NULL, hDC);
    m_cx = rect.right - rect.left + kTextCx;
    m_cy = rect.bottom - rect.top + kTextCy;
    m_pToolBar->m_cxLargest = std::max(m_pToolBar->m_cxLargest, m_cx);
    m_pToolBar->m_cyLargest = std::max(m_pToolBar->m_cyLargest, m_cy);
}

BOOL SECTBMenuBtn::OnLButtonDown(CPoint)
{
    if (m_nStyle & TBBS_DISABLED)
        return FALSE;
    m_nStyle |= TBBS_PRESSED;
    Invalidate();
    if (m_pToolBar != NULL)
        m_pToolBar->UpdateWindow();
    DropMenu();
    return FALSE;
}

void SECTBMenuBtn::DropMenu()
{
    if (m_pToolBar != NULL)
        m_pToolBar->TrackButtonMenu(this, m_hMenu, m_nMenuValue);
}

BOOL SECTBMenuBtn::GetImageInfo(SECBtnDrawData&)
{
    return FALSE; // a text, no image
}

void SECTBMenuBtn::DrawFace(SECBtnDrawData& data)
{
    CDC dc;
    dc.Attach(data.m_hDCDraw);
    int x = 0, y = 0, cx = m_cx, cy = m_cy;
    DrawButton(dc, m_pToolBar != NULL && m_pToolBar->IsCustomise(), x, y, cx, cy);
    dc.Detach();
}

void SECTBMenuBtn::DrawButton(CDC& dc, BOOL bForceRaised, int& x, int& y, int& cx, int& cy, int)
{
    // The frame as a standard button draws it, without an image.
    const int nImage = m_nImage;
    m_nImage = -1;
    SECStdBtn::DrawButton(dc, bForceRaised, x, y, cx, cy, 0);
    m_nImage = nImage;
    const BOOL bSunken = !bForceRaised && (m_nStyle & (TBBS_CHECKED | TBBS_PRESSED));
    CRect rect(kTextLeft, kTextTop, m_cx, m_cy);
    if (bSunken)
        rect.OffsetRect(1, 1);
    CFont* pFont = m_pToolBar != NULL ? m_pToolBar->GetMenuFont() : NULL;
    CFont* pOld = pFont != NULL ? dc.SelectObject(pFont) : NULL;
    dc.SetBkColor(SECGetSystemData().m_clrBtnFace);
    dc.SetTextColor(::GetSysColor(COLOR_MENUTEXT));
    dc.DrawText(m_strText, &rect, DT_SINGLELINE);
    if (pOld != NULL)
        dc.SelectObject(pOld);
}
