// CPropertyPage: one page of a CPropertySheet, made from a dialog template. The sheet's
// notifications (PSN_*) arrive as the virtual members below.
//
// Differences from MFC:
// - No Wizard97 header titles or subtitles; pages are always created from a resource template.
// - Page objects are owned by the caller; the sheet only keeps pointers to them.
#pragma once
#include "Dialog.h"
#include <prsht.h>

class CPropertySheet;

class CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)

  public:
    // Construction
    CPropertyPage();
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    void Construct(UINT nIDTemplate, UINT nIDCaption = 0);

    // Attributes
    PROPSHEETPAGE m_psp;

    // Operations
    void CancelToClose();
    void SetModified(BOOL bChanged = TRUE);
    BOOL IsModified() const
    {
        return m_bModified;
    }
    LRESULT QuerySiblings(WPARAM wParam, LPARAM lParam);
    CPropertySheet* GetParentSheet() const;

    // Overridables
    virtual BOOL OnApply();
    virtual void OnReset();
    virtual void OnOK();
    virtual void OnCancel();
    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    virtual BOOL OnQueryCancel();
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    virtual BOOL OnWizardFinish();

    // Overrides
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // Implementation
    BOOL m_bFirstSetActive; // the first activation needs no UpdateData(FALSE): OnInitDialog did it
    BOOL m_bModified;
    CString m_strCaption;
};

// The page procedure: attaches the page object when the sheet creates the page window.
INT_PTR CALLBACK AfxPropPageDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
