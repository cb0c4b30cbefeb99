// CPropertySheet: the system's property sheet over CPropertyPage objects, modal (run modeless
// under the framework's modal loop, so idle work and PreTranslateMessage go on) or modeless,
// and in wizard mode.
//
// Differences from MFC:
// - No Wizard97 headers or watermarks; EnableStackedTabs only sets the flag for the system.
// - DoModal returns IDOK or IDCANCEL (ID_WIZFINISH for a finished wizard).
#pragma once
#include "Wnd.h"
#include "PtrArray.h"
#include "PropertyPage.h"

class CPropertySheet : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheet)

  public:
    // Construction
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    ~CPropertySheet() override;
    void Construct(LPCTSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    // Modeless sheet.
    virtual BOOL Create(CWnd* pParentWnd = NULL, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0);

    // Attributes
    PROPSHEETHEADER m_psh;
    int GetPageCount() const
    {
        return (int)m_pages.GetSize();
    }
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    CPropertyPage* GetPage(int nPage) const
    {
        return (CPropertyPage*)m_pages[nPage];
    }
    int GetPageIndex(CPropertyPage* pPage) const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);
    void SetTitle(LPCTSTR lpszText, UINT nStyle = 0);
    void EnableStackedTabs(BOOL bStacked)
    {
        m_bStacked = bStacked;
    }
    CWnd* GetTabControl() const
    {
        return CWnd::FromHandle((HWND)::SendMessage(m_hWnd, PSM_GETTABCONTROL, 0, 0));
    }

    // Operations
    virtual INT_PTR DoModal();
    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    void EndDialog(int nEndID);
    BOOL PressButton(int nButton)
    {
        return ::PostMessage(m_hWnd, PSM_PRESSBUTTON, nButton, 0);
    }
    void SetWizardMode()
    {
        m_psh.dwFlags |= PSH_WIZARD;
    }
    BOOL IsWizard() const
    {
        return (m_psh.dwFlags & PSH_WIZARD) != 0;
    }
    void SetWizardButtons(DWORD dwFlags)
    {
        ::SendMessage(m_hWnd, PSM_SETWIZBUTTONS, 0, dwFlags);
    }
    void SetFinishText(LPCTSTR lpszText)
    {
        ::SendMessage(m_hWnd, PSM_SETFINISHTEXT, 0, (LPARAM)lpszText);
    }

    // Overridables
    virtual BOOL OnInitDialog();

    // Overrides
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL ContinueModal() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Implementation
    CPtrArray m_pages;
    CString m_strCaption;
    CWnd* m_pParentWnd;
    BOOL m_bStacked;
    BOOL m_bModeless;
    int m_nLastButton; // IDOK, IDCANCEL or ID_WIZFINISH: the button that ended the sheet
    void BuildPropPageArray();
    static int CALLBACK SheetCallback(HWND hWnd, UINT message, LPARAM lParam);
    // WM_COMMANDHELP: lParam is the help id; 0 asks the page shown for its own.
    afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);

  protected:
    DECLARE_MESSAGE_MAP()
};
