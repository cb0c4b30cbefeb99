// CDrawLine: position limits, dragging and drawing of the marker lines.
#include "station/record/DrawLine.h"
#include "station/record/ArchiveFields.h"
#include "station/record/DrawViewBase.h"
#include "StationIds.h"

IMPLEMENT_SERIAL(CDrawLine, CDrawObject, 0)

using namespace archive_fields;

CDrawLine::CDrawLine()
{
    SetLineDefaults();
}

CDrawLine::CDrawLine(const RECT& rect) : CDrawObject(rect)
{
    SetLineDefaults();
}

CDrawLine::~CDrawLine()
{
}

void CDrawLine::SetLineDefaults()
{
    m_bPen = TRUE;
    m_bBrush = FALSE;
    m_logpen.lopnWidth = POINT{2, 2};
    m_logpen.lopnColor = 0xFF0F0F;
    m_bShown = FALSE;
    m_bArmed = FALSE;
    m_dragRange.SetRectEmpty();
    m_nPosition = m_nMaximum = m_nMinimum = 0;
}

void CDrawLine::SetPosition(int nPosition)
{
    if (nPosition > m_nMaximum)
        nPosition = m_nMaximum;
    if (nPosition < m_nMinimum)
        nPosition = m_nMinimum;
    m_nPosition = nPosition;
}

CString CDrawLine::GetPositionText() const
{
    CString prefix, value;
    prefix.LoadString(IDS_REC_POSITION);
    value.Format("%3d s", m_nPosition);
    return prefix + value;
}

void CDrawLine::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << (DWORD)m_bShown;
        Store(ar, m_dragRange);
        ar << (DWORD)m_nPosition << (DWORD)m_nMaximum << (DWORD)m_nMinimum;
        StoreEnd(ar);
    }
    else
    {
        DWORD shown;
        ar >> shown;
        m_bShown = shown;
        Load(ar, m_dragRange);
        ar >> m_nPosition >> m_nMaximum >> m_nMinimum;
        SkipEnd(ar);
    }
    CDrawObject::Serialize(ar);
}

void CDrawLine::Draw(CDC* pDC)
{
    SDrawTools tools;
    if (!SelectTools(pDC, tools))
        return;
    int x = m_position.right;
    int from, to;
    bool bDraw = true;
    if (GetPrintSlice(pDC, from, to))
    {
        bDraw = x >= from && x <= to;
        x = x - from + 60; // 60: the plot's left edge
    }
    if (bDraw)
    {
        pDC->MoveTo(x, m_position.bottom);
        pDC->LineTo(x, m_position.top);
    }
    RestoreTools(pDC, tools);
}

void CDrawLine::MoveTo(const RECT& rect)
{
    if (m_position == rect)
        return;
    m_position = rect;
    InvalidateIn(GetActiveDrawView());
}

int CDrawLine::HitTest(CPoint point, CDrawViewBase*, BOOL)
{
    const CRect& r = m_position;
    return point.x >= r.left && point.x <= r.right && point.y >= r.top && point.y <= r.bottom ? 1 : 0;
}

void CDrawLine::MoveHandleTo(int, int x, int)
{
    if (x > m_dragRange.right)
        x = m_dragRange.right;
    if (x < m_dragRange.left)
        x = m_dragRange.left;
    CRect rect = m_position;
    rect.OffsetRect(x - rect.right, 0);
    MoveTo(rect);
}
