// CStaticLink: the link text and what a click on it does.
#include "app/StaticLink.h"
#include <shellapi.h>

IMPLEMENT_DYNAMIC(CStaticLink, CStatic)

BEGIN_MESSAGE_MAP(CStaticLink, CStatic)
ON_WM_NCHITTEST()
ON_WM_CTLCOLOR_REFLECT()
ON_WM_LBUTTONDOWN()
ON_WM_SETCURSOR()
END_MESSAGE_MAP()

namespace
{
// The platform's hand cursor, loaded once for all links.
HCURSOR HandCursor()
{
    static HCURSOR s_hCursor = NULL;
    static bool s_bTried = false;
    if (!s_bTried)
    {
        s_bTried = true;
        s_hCursor = ::LoadCursor(NULL, IDC_HAND);
    }
    return s_hCursor;
}
} // namespace

CStaticLink::CStaticLink(LPCTSTR lpszLink, BOOL bDeleteOnDestroy)
    : m_link(lpszLink != NULL ? lpszLink : ""), m_color(unvisitedColor), m_bDeleteOnDestroy(bDeleteOnDestroy)
{
}

CStaticLink::~CStaticLink()
{
}

LRESULT CStaticLink::OnNcHitTest(CPoint)
{
    return HTCLIENT;
}

HBRUSH CStaticLink::CtlColor(CDC* pDC, UINT)
{
    const DWORD dwKind = GetStyle() & SS_TYPEMASK;
    if (dwKind != SS_LEFT && dwKind != SS_CENTER && dwKind != SS_RIGHT)
        return NULL;
    if (m_font.GetSafeHandle() == NULL)
    {
        HFONT hFont = (HFONT)SendMessage(WM_GETFONT);
        LOGFONT lf;
        ::GetObject(hFont != NULL ? hFont : ::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
        lf.lfUnderline = TRUE;
        m_font.CreateFontIndirect(&lf);
    }
    // A static control that selects its own font after asking for its colours, as Wine's does,
    // underlines only when it holds the underlined font.
    if ((HFONT)SendMessage(WM_GETFONT) != (HFONT)m_font.GetSafeHandle())
        SendMessage(WM_SETFONT, (WPARAM)m_font.GetSafeHandle(), FALSE);
    pDC->SelectObject(&m_font);
    pDC->SetTextColor(m_color);
    pDC->SetBkMode(TRANSPARENT);
    return (HBRUSH)::GetStockObject(HOLLOW_BRUSH);
}

void CStaticLink::OnLButtonDown(UINT, CPoint)
{
    if (m_link.IsEmpty())
        GetWindowText(m_link);
    if (m_link.IsEmpty())
        return;
    HINSTANCE hResult = ::ShellExecuteA(NULL, "open", m_link, NULL, NULL, SW_SHOWNORMAL);
    if ((INT_PTR)hResult > 32)
    {
        m_color = visitedColor;
        Invalidate();
    }
    else
        ::MessageBeep(0);
}

BOOL CStaticLink::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    HCURSOR hCursor = HandCursor();
    if (hCursor == NULL)
        return CStatic::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(hCursor);
    return TRUE;
}

void CStaticLink::PostNcDestroy()
{
    if (m_bDeleteOnDestroy)
        delete this;
}
