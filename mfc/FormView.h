// CFormView: a view made from a dialog template (a child template without caption). Its
// controls exchange data through DoDataExchange/UpdateData; it scrolls when the frame is
// smaller than the template.
//
// Differences from MFC:
// - No OLE control sites; WM_INITDIALOG never sets the focus (the frame activates the view).
#pragma once
#include "ScrollView.h"

class CFormView : public CScrollView
{
    DECLARE_DYNAMIC(CFormView)

  protected:
    // Construction
    explicit CFormView(UINT nIDTemplate);
    explicit CFormView(LPCTSTR lpszTemplateName);

  public:
    ~CFormView() override;

    // Overrides
    // Creates the window from the template; dwRequestedStyle adds WS_VISIBLE, WS_BORDER and such.
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwRequestedStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, CCreateContext* pContext = NULL) override;
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Implementation
    LPCTSTR m_lpszTemplateName;
    CCreateContext* m_pCreateContext; // only while Create runs

  protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    DECLARE_MESSAGE_MAP()
};
