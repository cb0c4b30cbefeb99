// CNewWizPage: one page of a wizard (CNewWizDialog), a child dialog created on its first showing
// and kept, hidden, until the wizard goes. Pages paint on white unless the wizard wants the
// standard colours; Escape inside a page closes nothing.
#pragma once
#include "afxwin.h"
#include "afxdlgs.h"

class CNewWizDialog;

class CNewWizPage : public CDialog
{
    DECLARE_DYNAMIC(CNewWizPage)
    friend class CNewWizDialog;

  public:
    // Construction
    explicit CNewWizPage(UINT nIDTemplate, CWnd* pParent = NULL);
    ~CNewWizPage() override;

    // Attributes
    CNewWizDialog* GetWizard() const
    {
        return m_pParent;
    }
    BOOL IsCreated() const
    {
        return m_bCreated;
    }
    BOOL IsActive() const
    {
        return m_bActive;
    }
    UINT GetDialogID() const
    {
        return m_nDialogID;
    }

    // Overridables
    virtual BOOL OnCreatePage();
    virtual void OnDestroyPage();
    virtual BOOL OnKillActive();
    virtual void OnSetActive();
    virtual BOOL OnQueryCancel();
    // 0 the neighbouring page, -1 stay, else the template id of the page to go to.
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    virtual BOOL OnWizardFinish();

    // Overrides
    BOOL OnInitDialog() override;
    void OnCancel() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

  protected:
    // Implementation
    CBrush m_brush;
    CNewWizDialog* m_pParent;
    BOOL m_bCreated;
    BOOL m_bActive;
    UINT m_nDialogID;

    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()
};
