// CCtrlView: creating the view with the control's class and style.
#include "CtrlView.h"

IMPLEMENT_DYNCREATE(CCtrlView, CView)

BEGIN_MESSAGE_MAP(CCtrlView, CView)
ON_WM_PAINT()
END_MESSAGE_MAP()

CCtrlView::CCtrlView() : m_dwDefaultStyle(0)
{
}

CCtrlView::CCtrlView(LPCTSTR lpszClass, DWORD dwStyle) : m_strClass(lpszClass), m_dwDefaultStyle(dwStyle)
{
}

BOOL CCtrlView::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.lpszClass = m_strClass;
    cs.style |= m_dwDefaultStyle;
    return CView::PreCreateWindow(cs);
}

// The control draws itself; OnDraw is not used.
void CCtrlView::OnPaint()
{
    Default();
}
