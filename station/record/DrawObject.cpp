// CDrawObject: handles, hit tests, invalidation and the stream of the base part.
#include "station/record/DrawObject.h"
#include "station/record/ArchiveFields.h"
#include "station/record/DrawDoc.h"
#include "station/record/DrawViewBase.h"

IMPLEMENT_SERIAL(CDrawObject, CObject, 0)

using namespace archive_fields;

CDrawObject::CDrawObject() : m_position(0, 0, 0, 0), m_bPen(FALSE), m_logpen(), m_bBrush(FALSE), m_logbrush()
{
}

CDrawObject::CDrawObject(const RECT& rect) : m_position(rect), m_bPen(TRUE), m_bBrush(TRUE)
{
    m_logpen.lopnStyle = PS_INSIDEFRAME;
    m_logpen.lopnWidth = POINT{1, 1};
    m_logpen.lopnColor = RGB(0, 0, 0);
    m_logbrush.lbStyle = BS_SOLID;
    m_logbrush.lbColor = RGB(192, 192, 192);
    m_logbrush.lbHatch = 0;
}

CDrawObject::~CDrawObject()
{
}

void CDrawObject::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        Store(ar, m_position);
        ar << ToWord(m_bPen);
        Store(ar, m_logpen);
        ar << ToWord(m_bBrush);
        Store(ar, m_logbrush);
        StoreEnd(ar);
    }
    else
    {
        WORD w;
        Load(ar, m_position);
        ar >> w;
        m_bPen = w;
        Load(ar, m_logpen);
        ar >> w;
        m_bBrush = w;
        Load(ar, m_logbrush);
        SkipEnd(ar);
    }
}

int CDrawObject::GetHandleCount()
{
    return 8;
}

CPoint CDrawObject::GetHandle(int nHandle)
{
    const CRect& r = m_position;
    int xCentre = r.left + r.Width() / 2, yCentre = r.top + r.Height() / 2;
    switch (nHandle)
    {
    case 2:
        return CPoint(xCentre, r.top);
    case 3:
        return CPoint(r.right, r.top);
    case 4:
        return CPoint(r.right, yCentre);
    case 5:
        return CPoint(r.right, r.bottom);
    case 6:
        return CPoint(xCentre, r.bottom);
    case 7:
        return CPoint(r.left, r.bottom);
    case 8:
        return CPoint(r.left, yCentre);
    default:
        return CPoint(r.left, r.top);
    }
}

HCURSOR CDrawObject::GetHandleCursor(int nHandle)
{
    LPCTSTR id;
    switch (nHandle)
    {
    case 2:
    case 6:
        id = IDC_SIZENS;
        break;
    case 3:
    case 7:
        id = IDC_SIZENESW;
        break;
    case 4:
    case 8:
        id = IDC_SIZEWE;
        break;
    default:
        id = IDC_SIZENWSE;
    }
    return ::LoadCursor(NULL, id);
}

void CDrawObject::SetLineColor(COLORREF color)
{
    m_logpen.lopnColor = color;
    Invalidate();
}

COLORREF CDrawObject::GetLineColor()
{
    return m_logpen.lopnColor;
}

void CDrawObject::SetLineWeight(int nWeight)
{
    m_logpen.lopnWidth = POINT{nWeight, nWeight};
    Invalidate();
}

int CDrawObject::GetLineWeight()
{
    return m_logpen.lopnWidth.x;
}

void CDrawObject::SetFillColor(COLORREF color)
{
    m_logbrush.lbColor = color;
    Invalidate();
}

COLORREF CDrawObject::GetFillColor()
{
    return m_logbrush.lbColor;
}

void CDrawObject::SetBoundsRect(int left, int top, int right, int bottom)
{
    m_position.SetRect(left, top, right, bottom);
}

void CDrawObject::Draw(CDC*)
{
}

BOOL CDrawObject::SelectTools(CDC* pDC, SDrawTools& tools)
{
    if (!tools.brush.CreateBrushIndirect(&m_logbrush) || !tools.pen.CreatePenIndirect(&m_logpen))
        return FALSE;
    tools.pOldBrush =
        m_bBrush ? (CGdiObject*)pDC->SelectObject(&tools.brush) : pDC->SelectStockObject(NULL_BRUSH);
    tools.pOldPen = m_bPen ? (CGdiObject*)pDC->SelectObject(&tools.pen) : pDC->SelectStockObject(NULL_PEN);
    return TRUE;
}

void CDrawObject::RestoreTools(CDC* pDC, SDrawTools& tools)
{
    if (tools.pOldBrush != NULL)
        pDC->SelectObject(tools.pOldBrush);
    if (tools.pOldPen != NULL)
        pDC->SelectObject(tools.pOldPen);
}

BOOL CDrawObject::GetPrintSlice(CDC* pDC, int& from, int& to)
{
    if (!pDC->IsPrinting())
        return FALSE;
    CDrawViewBase* pView = GetActiveDrawView();
    return pView != NULL && pView->GetPrintSlice(from, to);
}

void CDrawObject::DrawTracker(CDC* pDC, int nState)
{
    if (nState != 1 && nState != 2)
        return;
    int nCount = GetHandleCount();
    for (int n = 1; n <= nCount; n++)
    {
        CPoint handle = GetHandle(n);
        pDC->PatBlt(handle.x - 3, handle.y - 3, 7, 7, DSTINVERT);
    }
}

void CDrawObject::InvalidateIn(CDrawViewBase* pView)
{
    if (pView != NULL)
        pView->InvalidateObject(this);
    else
        Invalidate();
}

void CDrawObject::InvalidatePartIn(CDrawViewBase* pView, const RECT& part)
{
    CView* pWnd = pView != NULL ? pView->GetView() : NULL;
    if (pWnd == NULL || pWnd->m_hWnd == NULL || pView->IsSelected(this))
    {
        InvalidateIn(pView);
        return;
    }
    CPoint topLeft(part.left, part.top), bottomRight(part.right, part.bottom);
    pView->DocToClient(topLeft);
    pView->DocToClient(bottomRight);
    CRect rect(topLeft, bottomRight);
    rect.NormalizeRect();
    rect.InflateRect(10, 10);
    pWnd->InvalidateRect(&rect, FALSE);
}

void CDrawObject::MoveTo(const RECT& rect)
{
    if (m_position == rect)
        return;
    CDrawViewBase* pView = GetActiveDrawView();
    InvalidateIn(pView);
    m_position = rect;
    InvalidateIn(pView);
}

CRect CDrawObject::GetHandleRect(int nHandle, CDrawViewBase* pView)
{
    if (pView == NULL)
        return CRect(0, 0, 0, 0);
    CPoint point = GetHandle(nHandle);
    pView->DocToClient(point);
    CRect rect(point.x - 3, point.y - 3, point.x + 3, point.y + 3);
    pView->ClientToDoc(rect);
    return rect;
}

int CDrawObject::HitTest(CPoint point, CDrawViewBase* pView, BOOL bSelected)
{
    // Logical y grows upwards here: the bottom lies below the top.
    auto inside = [&point](const CRect& r) {
        return point.x >= r.left && point.x < r.right && point.y <= r.top && point.y > r.bottom;
    };
    if (!bSelected)
        return inside(m_position) ? 1 : 0;
    int nCount = GetHandleCount();
    for (int n = 1; n <= nCount; n++)
        if (inside(GetHandleRect(n, pView)))
            return n;
    return 0;
}

BOOL CDrawObject::Intersects(const RECT& rect)
{
    CRect mine(m_position), other(rect), common;
    mine.NormalizeRect();
    other.NormalizeRect();
    return common.IntersectRect(&mine, &other);
}

void CDrawObject::MoveHandleTo(int nHandle, int x, int y)
{
    CRect rect = m_position;
    switch (nHandle)
    {
    case 2:
        rect.top = y;
        break;
    case 3:
        rect.right = x;
        rect.top = y;
        break;
    case 4:
        rect.right = x;
        break;
    case 5:
        rect.right = x;
        rect.bottom = y;
        break;
    case 6:
        rect.bottom = y;
        break;
    case 7:
        rect.left = x;
        rect.bottom = y;
        break;
    case 8:
        rect.left = x;
        break;
    default:
        rect.left = x;
        rect.top = y;
    }
    MoveTo(rect);
}

void CDrawObject::Invalidate()
{
    CDrawViewBase* pView = GetActiveDrawView();
    if (pView == NULL || pView->GetView() == NULL)
        return;
    CDocument* pDoc = pView->GetView()->GetDocument();
    if (pDoc != NULL)
        pDoc->UpdateAllViews(NULL, 1, this);
}

void CDrawObject::Remove()
{
    delete this;
}
