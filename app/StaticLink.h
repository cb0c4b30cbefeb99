// CStaticLink: a static text that opens its link (or its own text) through the shell when
// clicked, underlined in blue, purple once opened, with the hand cursor.
#pragma once
#include "afxwin.h"
#include "Static.h"

class CStaticLink : public CStatic
{
    DECLARE_DYNAMIC(CStaticLink)

  public:
    // Construction
    explicit CStaticLink(LPCTSTR lpszLink = NULL, BOOL bDeleteOnDestroy = FALSE);
    ~CStaticLink() override;

    // Attributes
    CString m_link;
    COLORREF m_color;

    // Colours of a link not yet opened and of an opened one.
    static constexpr COLORREF unvisitedColor = RGB(0, 0, 255);
    static constexpr COLORREF visitedColor = RGB(128, 0, 128);

  protected:
    // Implementation
    CFont m_font;
    BOOL m_bDeleteOnDestroy;

    void PostNcDestroy() override;
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()
};
