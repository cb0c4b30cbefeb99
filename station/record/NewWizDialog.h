// CNewWizDialog: a wizard frame that shows its pages (CNewWizPage, owned by the derived wizard)
// one at a time at the placeholder control, with Back, Next, Finish and Cancel. Run modally;
// CModelessNewWizDialog runs it as a modeless window.
#pragma once
#include "afxwin.h"
#include "afxdlgs.h"
#include "ObList.h"
#include "station/record/NewWizPage.h"

// Ids of the wizard buttons.
#define ID_WIZ_BACK 12323
#define ID_WIZ_NEXT 12324
#define ID_WIZ_FINISH 12325

class CNewWizDialog : public CDialog
{
    DECLARE_DYNAMIC(CNewWizDialog)
    friend class CNewWizPage;

  public:
    // Construction
    explicit CNewWizDialog(UINT nIDTemplate, CWnd* pParent = NULL);
    ~CNewWizDialog() override;

    // Operations
    void AddPage(CNewWizPage* pPage, UINT nID);
    void SetPlaceholderID(int nPlaceholderID)
    {
        m_nPlaceholderID = nPlaceholderID;
    }
    CNewWizPage* GetFirstPage() const;
    CNewWizPage* GetLastPage() const;
    CNewWizPage* GetActivePage() const;
    CNewWizPage* GetPageByResourceID(UINT nResourceID) const;
    BOOL ActivatePage(CNewWizPage* pPage);
    BOOL DeactivatePage();
    void DestroyPage(CNewWizPage* pPage);
    void EnableFinish(BOOL bEnable);
    void EnableBack(BOOL bEnable);
    void EnableNext(BOOL bEnable);
    void SetTitle(LPCTSTR lpszText);
    void SetTitle(UINT nIDText);
    void SetStandardColors(BOOL bStandard)
    {
        m_bStandardColors = bStandard;
    }

    // Overrides
    BOOL OnInitDialog() override;
    // Cancel (IDCANCEL, Escape): closes when every created page agrees.
    void OnCancel() override;

  protected:
    // Implementation
    CObList m_PageList;
    int m_nPlaceholderID;
    BOOL m_bStandardColors;

    void ShowFirstPage();
    void EnableButton(UINT nID, BOOL bEnable);
    // The finish and cancel checks of the pages; TRUE when the wizard may close.
    BOOL FinishAllowed();
    BOOL CancelAllowed();

    afx_msg void OnDestroy();
    afx_msg void OnWizardFinish();
    afx_msg void OnWizardBack();
    afx_msg void OnWizardNext();
    DECLARE_MESSAGE_MAP()
};
