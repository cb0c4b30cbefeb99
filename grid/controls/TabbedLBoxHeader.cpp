// The column-title strip of multi-column drop-down lists.
#include "grid/controls/TabbedLBoxHeader.h"
#include "grid/controls/TabbedText.h"
#include "grid/core/AppData.h"
#include "grid/core/DIBPool.h"
#include "grid/core/DrawingAndFormatting.h"
#include "ClientDC.h"
#include "PaintDC.h"

BEGIN_MESSAGE_MAP(CGXTabbedLBoxHeader, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

CGXTabbedLBoxHeader::CGXTabbedLBoxHeader(CGXTabbedHeaderSettings* pSettings) : m_pSettings(pSettings)
{
}

BOOL CGXTabbedLBoxHeader::CreateHeader()
{
    DWORD dwExStyle = GXGetAppData()->m_bWin32s ? 0 : WS_EX_TOOLWINDOW;
    return CreateEx(dwExStyle, GetPopupWndClass(), NULL, WS_CHILD, CRect(0, 0, 0, 0),
                    CWnd::GetDesktopWindow(), 0);
}

int CGXTabbedLBoxHeader::CalcHeight()
{
    CClientDC dc(GetSafeHwnd() != NULL ? this : NULL);
    CFont* pOld = m_pSettings->m_pFont != NULL ? dc.SelectObject(m_pSettings->m_pFont) : NULL;
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    int nHeight = tm.tmHeight;
    MaxTabbedBitmapHeight(m_pSettings->m_strTitles, nHeight, !m_pSettings->m_bShowAllColumns,
                          m_pSettings->m_nTextCol, m_pSettings->m_nEdgeCount + 1);
    if (pOld != NULL)
        dc.SelectObject(pOld);
    return nHeight + 4;
}

void CGXTabbedLBoxHeader::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    COLORREF rgbFace = ::GetSysColor(COLOR_BTNFACE);
    dc.FillSolidRect(&rect, rgbFace);
    if (m_pSettings == NULL)
        return;
    dc.SetBkColor(rgbFace);
    dc.SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    dc.SetBkMode(TRANSPARENT);
    CFont* pOldFont = m_pSettings->m_pFont != NULL ? dc.SelectObject(m_pSettings->m_pFont) : NULL;
    std::vector<CString> titles = GXSplitTabbedLine(m_pSettings->m_strTitles);
    BOOL bColumns = m_pSettings->m_bShowAllColumns;
    if (bColumns && m_pSettings->m_nTextCol >= 1 && !titles.empty())
        titles.erase(titles.begin());
    int nCount = bColumns ? m_pSettings->m_nEdgeCount : 0;
    int x = rect.left;
    // Box 0 always; the others only while there are titles for them.
    for (int i = 0; i <= nCount && (i == 0 || i < (int)titles.size()); i++)
    {
        int nRight = i < nCount && i < (int)m_pSettings->m_anEdges.size()
                         ? rect.left + m_pSettings->m_anEdges[i] - 1
                         : rect.right;
        GXDrawEdge(&dc, x, rect.top, nRight, rect.bottom, BDR_RAISEDINNER, 0);
        if (i < (int)titles.size())
        {
            CRect rectBox(x, rect.top, nRight, rect.bottom);
            HANDLE hDIB = GXGetDIBPool()->GetDIB(titles[i]);
            if (!titles[i].IsEmpty() && hDIB != NULL)
            {
                rectBox.DeflateRect(1, 1);
                GXDrawDIB(&dc, hDIB, rectBox, 0, 5, NULL);
            }
            else
                dc.DrawText(titles[i], &rectBox, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        x = nRight + 1;
    }
    if (pOldFont != NULL)
        dc.SelectObject(pOldFont);
}
