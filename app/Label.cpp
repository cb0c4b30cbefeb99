// CLabel: the coloured static text.
#include "app/Label.h"
#include <string.h>

IMPLEMENT_DYNAMIC(CLabel, CStatic)

BEGIN_MESSAGE_MAP(CLabel, CStatic)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CLabel::CLabel() : m_crText(::GetSysColor(COLOR_WINDOWTEXT))
{
    m_brushBk.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    m_brushBk2.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    memset(&m_lf, 0, sizeof(m_lf));
    ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(m_lf), &m_lf);
    m_font.CreateFontIndirect(&m_lf);
}

CLabel::~CLabel()
{
}

void CLabel::ReconstructFont()
{
    CFont font;
    font.CreateFontIndirect(&m_lf);
    // The control never holds a deleted font.
    if (m_hWnd != NULL)
        SendMessage(WM_SETFONT, (WPARAM)font.GetSafeHandle(), FALSE);
    m_font.DeleteObject();
    m_font.Attach(font.Detach());
    if (m_hWnd != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

CLabel& CLabel::SetText(LPCTSTR lpszText)
{
    SetWindowText(lpszText);
    return *this;
}

CLabel& CLabel::SetTextColor(COLORREF crText)
{
    m_crText = crText;
    ReconstructFont();
    return *this;
}

CLabel& CLabel::SetFontBold(BOOL bBold)
{
    m_lf.lfWeight = bBold ? FW_BOLD : FW_NORMAL;
    ReconstructFont();
    return *this;
}

CLabel& CLabel::SetFontSize(int nSize)
{
    m_lf.lfHeight = -nSize;
    ReconstructFont();
    return *this;
}

CLabel& CLabel::SetFontName(LPCTSTR lpszFaceName)
{
    lstrcpynA(m_lf.lfFaceName, lpszFaceName, LF_FACESIZE);
    ReconstructFont();
    return *this;
}

HBRUSH CLabel::CtlColor(CDC* pDC, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_STATIC)
    {
        // A static control that selects its own font after asking for its colours, as Wine's
        // does, draws with the label's font only when it holds it.
        if ((HFONT)SendMessage(WM_GETFONT) != (HFONT)m_font.GetSafeHandle())
            SendMessage(WM_SETFONT, (WPARAM)m_font.GetSafeHandle(), FALSE);
        pDC->SelectObject(&m_font);
        pDC->SetTextColor(m_crText);
        pDC->SetBkMode(TRANSPARENT);
    }
    return (HBRUSH)m_brushBk.GetSafeHandle();
}
