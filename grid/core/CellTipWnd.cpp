// The process's cell tip window.
#include "grid/core/CellTipWnd.h"
#include "grid/core/AppData.h"
#include "grid/core/DIBPool.h"
#include "PaintDC.h"

CGXCellTipWnd* CGXCellTipWnd::s_pTipWnd = NULL;

BEGIN_MESSAGE_MAP(CGXCellTipWnd, CWnd)
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CGXTextCellTipWnd, CGXCellTipWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CGXStaticBitmapCellTipWnd, CGXCellTipWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

CGXCellTipWnd::CGXCellTipWnd(int nKind) : m_nKind(nKind)
{
    m_brush.CreateSolidBrush(::GetSysColor(COLOR_INFOBK));
}

CGXCellTipWnd::~CGXCellTipWnd()
{
    if (s_pTipWnd == this)
        s_pTipWnd = NULL;
}

BOOL CGXCellTipWnd::CreateTipWindow()
{
    CString strClass = GXGetAppData()->m_strAuxWndClass;
    if (strClass.IsEmpty())
        strClass = AfxRegisterWndClass(CS_SAVEBITS);
    return CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, strClass, NULL, WS_POPUP, CRect(0, 0, 0, 0), NULL, 0);
}

void CGXCellTipWnd::PostNcDestroy()
{
    delete this;
}

CGXCellTipWnd* CGXCellTipWnd::GetExisting()
{
    return s_pTipWnd != NULL && s_pTipWnd->GetSafeHwnd() != NULL ? s_pTipWnd : NULL;
}

CGXCellTipWnd* CGXCellTipWnd::GetTipWindow(int nKind)
{
    if (GetExisting() != NULL && s_pTipWnd->m_nKind == nKind)
        return s_pTipWnd;
    DestroyTip();
    CGXCellTipWnd* p = nKind == kindBitmap ? (CGXCellTipWnd*)new CGXStaticBitmapCellTipWnd
                                           : (CGXCellTipWnd*)new CGXTextCellTipWnd;
    if (!p->CreateTipWindow())
    {
        delete p;
        return NULL;
    }
    s_pTipWnd = p;
    return p;
}

void CGXCellTipWnd::HideTip(HWND hOwner)
{
    CGXCellTipWnd* p = GetExisting();
    if (p != NULL && (hOwner == NULL || p->m_hOwner == hOwner) && p->IsWindowVisible())
        p->ShowWindow(SW_HIDE);
}

void CGXCellTipWnd::DestroyTip()
{
    if (CGXCellTipWnd* p = GetExisting())
        p->DestroyWindow(); // deletes it
    s_pTipWnd = NULL;
}

void CGXCellTipWnd::SetWindowPosHidden(const CRect& rect)
{
    SetWindowPos(&CWnd::wndTopMost, rect.left, rect.top, rect.Width(), rect.Height(),
                 SWP_NOREDRAW | SWP_NOACTIVATE | SWP_HIDEWINDOW);
}

BOOL CGXCellTipWnd::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillRect(&rect, &m_brush);
    return TRUE;
}

void CGXTextCellTipWnd::SetFont(const LOGFONT& lf)
{
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&lf);
}

void CGXTextCellTipWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    dc.FillRect(&rect, &m_brush);
    CString strText;
    GetWindowText(strText);
    CFont* pOld = m_font.GetSafeHandle() != NULL ? dc.SelectObject(&m_font) : NULL;
    dc.SetTextColor(::GetSysColor(COLOR_INFOTEXT));
    dc.SetBkMode(TRANSPARENT);
    CRect rectText = m_rectText;
    dc.DrawText(strText, &rectText, DT_NOPREFIX | DT_NOCLIP);
    if (pOld != NULL)
        dc.SelectObject(pOld);
    CBrush black(RGB(0, 0, 0));
    dc.FrameRect(&rect, &black);
}

void CGXStaticBitmapCellTipWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    dc.FillRect(&rect, &m_brush);
    if (m_hDIB != NULL)
        GXDrawDIB(&dc, m_hDIB, m_rectBitmap, 0, 0, NULL);
    CBrush black(RGB(0, 0, 0));
    dc.FrameRect(&rect, &black);
}
