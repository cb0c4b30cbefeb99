// CDrawText: font, colour, printed time labels and the stream.
#include "station/record/DrawText.h"
#include "station/record/ArchiveFields.h"
#include "station/record/DrawViewBase.h"

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
        COLORREF oldColor = pDC->SetTextColor(m_logpen.lopnColor);
        int nOldMode = pDC->SetBkMode(TRANSPARENT);
        pDC->DrawText(m_text, &rect, 0);
        pDC->SetBkMode(nOldMode);
        pDC->SetTextColor(oldColor);
        pDC->SelectObject(pOldFont);
    }
    RestoreTools(pDC, tools);
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
