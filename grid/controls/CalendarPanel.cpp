// Calendar panels: rings, background and text, and the locale's day and month names.
#include "CalendarPanel.h"
#include "grid/core/SysColorTable.h"

IMPLEMENT_DYNAMIC(CGXBPanel, CObject)

namespace
{
LCID UserLocale()
{
    static const LCID lcid = ::GetUserDefaultLCID();
    return lcid;
}

BOOL LocaleName(CString& strName, LCTYPE type)
{
    char sz[256] = {};
    if (::GetLocaleInfoA(UserLocale(), type, sz, sizeof(sz)) == 0)
        return FALSE;
    strName = sz;
    return TRUE;
}
} // namespace

BOOL AFXAPI GXGetDayName(CString& strName, int nDay, BOOL bFull)
{
    if (nDay < 1 || nDay > 7)
        return FALSE;
    // The locale counts from Monday; Sunday is its seventh day.
    LCTYPE first = bFull ? LOCALE_SDAYNAME1 : LOCALE_SABBREVDAYNAME1;
    return LocaleName(strName, first + (nDay == 1 ? 6 : nDay - 2));
}

BOOL AFXAPI GXGetMonthName(CString& strName, int nMonth, BOOL bFull)
{
    if (nMonth < 1 || nMonth > 12)
        return FALSE;
    return LocaleName(strName, (bFull ? LOCALE_SMONTHNAME1 : LOCALE_SABBREVMONTHNAME1) + nMonth - 1);
}

BOOL CGXBPanel::Create(CWnd* pCalendar, DWORD dwCalendarStyle, DWORD dwPanelStyle, int nRingWidth)
{
    m_pCalendar = pCalendar;
    m_dwCalendarStyle = dwCalendarStyle;
    m_dwPanelStyle = dwPanelStyle;
    m_nRingWidth = nRingWidth;
    m_bDirty = TRUE;
    m_bCreated = TRUE;
    return TRUE;
}

void CGXBPanel::SetRect(const CRect& rect)
{
    m_rect = rect;
    m_bDirty = TRUE;
}

void CGXBPanel::Repaint()
{
    m_bDirty = TRUE;
    if (m_bCreated && m_pCalendar != NULL && m_pCalendar->GetSafeHwnd())
    {
        CRect rect = GetWindowRect();
        m_pCalendar->InvalidateRect(&rect, FALSE);
    }
}

void CGXBPanel::SetSelected(BOOL bSelected)
{
    if (!!m_bSelected == !!bSelected)
        return;
    m_bSelected = bSelected;
    Repaint();
}

void CGXBPanel::SetMarked(BOOL bMarked)
{
    if (!!m_bMarked == !!bMarked)
        return;
    m_bMarked = bMarked;
    Repaint();
}

void CGXBPanel::SetText(LPCTSTR pszText)
{
    m_strText = pszText;
    Repaint();
}

void CGXBPanel::SetColors(COLORREF crText, COLORREF crGrey)
{
    m_crText = crText;
    m_crGrey = crGrey;
}

void CGXBPanel::SetPanelStyle(DWORD dwStyle)
{
    m_dwPanelStyle = dwStyle;
    m_bDirty = TRUE;
}

void CGXBPanel::SetCalendarStyle(DWORD dwStyle)
{
    m_dwCalendarStyle = dwStyle;
    m_bDirty = TRUE;
}

// -- Rings -------------------------------------------------------------------------------------

BOOL CGXBPanel::HasFrame(BOOL bSelected) const
{
    return (m_dwPanelStyle & (bSelected ? GXPANEL_FRAMESELECTED : GXPANEL_FRAME)) != 0;
}

BOOL CGXBPanel::HasBevel(BOOL bSelected) const
{
    return (m_dwPanelStyle & (bSelected ? GXPANEL_BEVELSELECTED : GXPANEL_BEVEL)) != 0;
}

BOOL CGXBPanel::HasMark(BOOL bSelected, BOOL bMarked) const
{
    return bMarked && (m_dwPanelStyle & (bSelected ? GXPANEL_MARKSELECTED : GXPANEL_MARK)) != 0;
}

int CGXBPanel::RingsWidth(BOOL bSelected, BOOL bMarked) const
{
    return (HasFrame(bSelected) ? 1 : 0) + (HasBevel(bSelected) ? m_nRingWidth : 0) +
           (HasMark(bSelected, bMarked) ? m_nRingWidth : 0);
}

void CGXBPanel::ComputeInsets()
{
    m_nBevelInset = HasFrame(m_bSelected) ? 1 : 0;
    m_nMarkInset = m_nBevelInset + (HasBevel(m_bSelected) ? m_nRingWidth : 0);
    m_nTextInset = m_nMarkInset + (HasMark(m_bSelected, m_bMarked) ? m_nRingWidth : 0);
    m_bDirty = FALSE;
}

CRect CGXBPanel::GetTextRect()
{
    if (m_bDirty)
        ComputeInsets();
    CRect rect = GetWindowRect();
    rect.DeflateRect(m_nTextInset, m_nTextInset);
    return rect;
}

void CGXBPanel::DrawRing(CDC* pDC, int nFrom, int nWidth, COLORREF crTopLeft, COLORREF crBottomRight)
{
    CRect rect = GetWindowRect();
    rect.DeflateRect(nFrom, nFrom);
    for (int i = 0; i < nWidth && rect.Width() > 0 && rect.Height() > 0; i++)
    {
        pDC->Draw3dRect(rect, crTopLeft, crBottomRight);
        rect.DeflateRect(1, 1);
    }
}

void CGXBPanel::DrawFrame(CDC* pDC)
{
    if (HasFrame(m_bSelected))
        DrawRing(pDC, 0, 1, m_crFrame, m_crFrame);
}

void CGXBPanel::DrawBevel(CDC* pDC)
{
    if (!HasBevel(m_bSelected))
        return;
    const CGXSysColorTable& colors = *GXGetSysColorTable();
    COLORREF crLight = colors.m_clrBtnHilite, crDark = colors.m_clrBtnShadow;
    if (m_bSelected)
        DrawRing(pDC, m_nBevelInset, m_nRingWidth, crDark, crLight);
    else
        DrawRing(pDC, m_nBevelInset, m_nRingWidth, crLight, crDark);
}

void CGXBPanel::DrawMarkRing(CDC* pDC)
{
    if (HasMark(m_bSelected, m_bMarked))
        DrawRing(pDC, m_nMarkInset, m_nRingWidth, m_crMark, m_crMark);
}

void CGXBPanel::DrawBackground(CDC* pDC)
{
    CRect rect = GetTextRect();
    pDC->ExtTextOut(rect.left, rect.top, ETO_OPAQUE, &rect, NULL, 0, NULL);
}

void CGXBPanel::DrawText(CDC* pDC)
{
    CRect rect = GetTextRect();
    if (m_dwPanelStyle & GXPANEL_CENTER)
    {
        CSize size = pDC->GetTextExtent(m_strText);
        pDC->ExtTextOut(rect.left + (rect.Width() - size.cx) / 2, rect.top + (rect.Height() - size.cy) / 2,
                        ETO_CLIPPED, &rect, m_strText, m_strText.GetLength(), NULL);
    }
    else
        pDC->ExtTextOut(rect.left + rect.Width() / 10, rect.top + rect.Height() / 10, ETO_CLIPPED, &rect,
                        m_strText, m_strText.GetLength(), NULL);
}

void CGXBPanel::Draw(CDC* pDC)
{
    if (m_bDirty)
        ComputeInsets();
    COLORREF crOldBk = pDC->SetBkColor(GXGetSysColorTable()->m_clrBtnFace);
    COLORREF crOldText = pDC->SetTextColor(m_crText);
    DrawFrame(pDC);
    DrawBevel(pDC);
    DrawBackground(pDC);
    DrawText(pDC);
    DrawMarkRing(pDC);
    pDC->SetBkColor(crOldBk);
    pDC->SetTextColor(crOldText);
}
