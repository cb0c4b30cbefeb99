// CLabel: a static text with its own colour and font (face, size, weight). A click on it does
// nothing: labels show texts from documents and the station, which must never be started.
#pragma once
#include "afxwin.h"
#include "Static.h"

class CLabel : public CStatic
{
    DECLARE_DYNAMIC(CLabel)

  public:
    // Construction
    CLabel();
    ~CLabel() override;

    // Operations: each redraws the label at once and returns it, so calls can be chained.
    CLabel& SetText(LPCTSTR lpszText);
    CLabel& SetTextColor(COLORREF crText);
    CLabel& SetFontBold(BOOL bBold);
    CLabel& SetFontSize(int nSize);
    CLabel& SetFontName(LPCTSTR lpszFaceName);

    // Attributes
    const LOGFONT& GetLogFont() const
    {
        return m_lf;
    }
    COLORREF GetTextColor() const
    {
        return m_crText;
    }

  protected:
    // Implementation
    void ReconstructFont();

    COLORREF m_crText;
    CBrush m_brushBk;
    CBrush m_brushBk2;
    LOGFONT m_lf;
    CFont m_font;

    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()
};
