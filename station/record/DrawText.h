// CDrawText: a text label drawn in its pen colour: legends of curves, bars and reference lines,
// and the axis labels.
#pragma once
#include "station/record/DrawObject.h"

class CDrawText : public CDrawObject
{
    DECLARE_SERIAL(CDrawText)

  public:
    // Construction
    CDrawText();
    CDrawText(const RECT& rect, const CString& text, COLORREF color);
    ~CDrawText() override;

    // Attributes
    const CString& GetText() const
    {
        return m_text;
    }

    // Overridables
    void Serialize(CArchive& ar) override;
    HCURSOR GetHandleCursor(int nHandle) override;
    void Draw(CDC* pDC) override;
    void MoveTo(const RECT& rect) override;
    virtual void SetFont(const LOGFONT& font, BOOL bRedraw);
    virtual void GetFont(LOGFONT& font);
    virtual void SetTextColor(COLORREF color);
    virtual void SetText(const CString& text);

  private:
    void SetDefaultFont();
    // Replaces the selected font by a narrower one while the text is wider than nWidth.
    void NarrowToFit(CDC* pDC, CFont& font, int nWidth);

    CString m_text;
    LOGFONTA m_font;
};
