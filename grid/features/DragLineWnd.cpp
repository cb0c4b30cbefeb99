// The drag line window.
#include "grid/features/DragLineWnd.h"
#include "grid/core/AppData.h"
#include "grid/core/GridCore.h"

BEGIN_MESSAGE_MAP(CGXDragLineWnd, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

CGXDragLineWnd::CGXDragLineWnd(CGXGridCore* pGrid) : m_pGrid(pGrid)
{
}

BOOL CGXDragLineWnd::CreateDragLineWnd(CWnd* pParent)
{
    CString strClass = GXGetAppData()->m_strAuxWndClass;
    if (strClass.IsEmpty())
        strClass = AfxRegisterWndClass(CS_SAVEBITS);
    return CreateEx(0, strClass, NULL, WS_CHILD, CRect(0, 0, 1, 1), pParent, 0);
}

void CGXDragLineWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    if (m_nBandValue2 != 0)
    {
        m_pGrid->DrawBand(&dc, rect.left, rect.top, rect.Width(), rect.Height(), m_nBandKind, m_nBandValue1,
                          m_nBandValue2);
        return;
    }
    LOGPEN lp = m_pen.GetLogPen();
    CPen pen;
    pen.CreatePenIndirect(&lp);
    CPen* pOld = dc.SelectObject(&pen);
    dc.MoveTo(rect.left, rect.top);
    dc.LineTo(rect.right - 1, rect.bottom - 1);
    dc.SelectObject(pOld);
}
