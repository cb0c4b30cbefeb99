// CCtrlView: a view that is a Windows control (a list, a tree, an edit); the control paints
// itself, the view joins the document like any other.
//
// Differences from MFC: none.
#pragma once
#include "View.h"

class CCtrlView : public CView
{
    DECLARE_DYNCREATE(CCtrlView)

  public:
    // Construction
    CCtrlView(LPCTSTR lpszClass, DWORD dwStyle);

    // Overrides
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnDraw(CDC*) override
    {
    }

    // Implementation
    CString m_strClass;
    DWORD m_dwDefaultStyle;

    afx_msg void OnPaint();

  protected:
    CCtrlView(); // for DECLARE_DYNCREATE only
    DECLARE_MESSAGE_MAP()
};
