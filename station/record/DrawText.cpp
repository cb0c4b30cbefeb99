// CDrawText: font, colour, printed time labels and the stream.
#include "station/record/DrawText.h"
#include "station/record/ArchiveFields.h"
#include "station/record/DrawViewBase.h"
#include <algorithm>
#include <cstdlib>

IMPLEMENT_SERIAL(CDrawText, CDrawObject, 0)

using namespace archive_fields;

CDrawText::CDrawText()
{
    SetDefaultFont();
}

CDrawText::CDrawText(const RECT& rect, const CString& text, COLORREF color) : CDrawObject(rect), m_text(text)
{
    SetDefaultFont();
    m_logpen.lopnColor = color;
}

CDrawText::~CDrawText()
{
}

void CDrawText::SetDefaultFont()
{
    memset(&m_font, 0, sizeof(m_font));
    lstrcpyA(m_font.lfFaceName, "Arial");
    m_font.lfHeight = -14;
}

void CDrawText::Serialize(CArchive& ar)
{
    CDrawObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << m_text;
        Store(ar, m_font);
        StoreEnd(ar);
    }
    else
    {
        ar >> m_text;
        Load(ar, m_font);
        SkipEnd(ar);
    }
}

HCURSOR CDrawText::GetHandleCursor(int)
{
    return ::LoadCursor(NULL, IDC_ARROW);
}

void CDrawText::Draw(CDC* pDC)
{
    CRect rect = m_position;
    int from, to;
    if (GetPrintSlice(pDC, from, to))
    {
        CDrawViewBase* pView = GetActiveDrawView();
        if (pView != NULL && pView->IsTimeLabel(this))
        {
            if (!(from <= rect.left && rect.right < to))
                return;
            rect.OffsetRect(60 - from, 0);
        }
    }
    SDrawTools tools;
    if (!SelectTools(pDC, tools))
        return;
    CFont font;
    if (font.CreateFontIndirect(&m_font))
    {
        CFont* pOldFont = pDC->SelectObject(&font);
        NarrowToFit(pDC, font, std::abs(rect.Width()));
        COLORREF oldColor = pDC->SetTextColor(m_logpen.lopnColor);
        int nOldMode = pDC->SetBkMode(TRANSPARENT);
        pDC->DrawText(m_text, &rect, 0);
        pDC->SetBkMode(nOldMode);
        pDC->SetTextColor(oldColor);
        pDC->SelectObject(pOldFont);
    }
    RestoreTools(pDC, tools);
}

// A printed page's x-scale is wider than its y-scale, so a label that fits its rectangle on the
// screen outgrows it on paper: a narrower font keeps it whole where the rectangle would cut it.
void CDrawText::NarrowToFit(CDC* pDC, CFont& font, int nWidth)
{
    int nExtent = pDC->GetTextExtent(m_text).cx;
    if (nWidth <= 0 || nExtent <= nWidth)
        return;
    TEXTMETRIC tm;
    if (!pDC->GetTextMetrics(&tm))
        return;
    LOGFONTA narrow = m_font;
    narrow.lfWidth = std::max<LONG>(1, MulDiv(tm.tmAveCharWidth, nWidth, nExtent));
    for (; narrow.lfWidth > 0; narrow.lfWidth--)
    {
        CFont fitted;
        if (!fitted.CreateFontIndirect(&narrow))
            return;
        pDC->SelectObject(&fitted);
        nExtent = pDC->GetTextExtent(m_text).cx;
        font.DeleteObject();
        font.Attach(fitted.Detach());
        if (nExtent <= nWidth)
            return;
    }
}

void CDrawText::MoveTo(const RECT& rect)
{
    m_position = rect;
}

void CDrawText::SetFont(const LOGFONT& font, BOOL bRedraw)
{
    m_font = font;
    if (bRedraw)
        Invalidate();
}

void CDrawText::GetFont(LOGFONT& font)
{
    font = m_font;
}

void CDrawText::SetTextColor(COLORREF color)
{
    m_logpen.lopnColor = color;
}

void CDrawText::SetText(const CString& text)
{
    m_text = text;
    if (CDrawViewBase* pView = GetActiveDrawView())
        pView->InvalidateObject(this);
}
