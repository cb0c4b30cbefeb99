// SECWorksheetWnd: an MDI child shown as a sheet of its SECWorkbookWnd. Loading it adds it to
// the workbook with a 16 x 16 icon of its resource; destroying it takes it out again. Made by
// a document template; destroyed by the framework.
#pragma once
#include "uilib/frames/mdi/MDIChildWnd.h"

class SECWorkbookWnd;

class SECWorksheetWnd : public SECMDIChildWnd
{
    DECLARE_DYNCREATE(SECWorksheetWnd)

  public:
    // Construction
    SECWorksheetWnd();
    ~SECWorksheetWnd() override;
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;

    // Operations
    // The workbook this sheet belongs to, NULL when its MDI frame is none.
    SECWorkbookWnd* GetWorkbook() const;

    // Overrides
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;

    // Attributes
    HICON m_hSmallIcon; // owned
    int m_nIndex;       // in the workbook
    BOOL m_bActivatedFromTab;

    // Implementation
  protected:
    // Adds this sheet to the workbook and loads its icon; for sheets created without LoadFrame.
    void JoinWorkbook(UINT nIDResource);

    afx_msg void OnDestroy();
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    DECLARE_MESSAGE_MAP()
};
