// SECControlBarWorksheet: a workbook sheet that hosts one control bar shown as an MDI child.
// The bar sits in the sheet's own dock bar; the sheet's title and icon follow the bar; closing
// the sheet only hides the bar. Made by the workbook frame; destroyed by the framework.
#pragma once
#include "uilib/frames/docking/DockBar.h"
#include "uilib/frames/mdi/WorksheetWnd.h"

// Bit of the sheet's style word: the sheet hosts no bar and behaves as a plain sheet.
#define SEC_SHEET_NO_BAR_HOSTING 0x40

class SECControlBarWorksheet : public SECWorksheetWnd
{
    DECLARE_DYNCREATE(SECControlBarWorksheet)

  public:
    // Construction
    SECControlBarWorksheet();
    ~SECControlBarWorksheet() override;

    // Operations
    // The bar this sheet hosts, NULL when none (or several).
    CControlBar* GetHostedBar() const;
    // Set before the window is made; SEC_SHEET_NO_BAR_HOSTING turns the bar hosting off.
    void SetSheetStyle(DWORD dwStyle)
    {
        m_dwSheetStyle = dwStyle;
    }
    DWORD GetSheetStyle() const
    {
        return m_dwSheetStyle;
    }

    // Overrides
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    void RecalcLayout(BOOL bNotify = TRUE) override;
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;

    // Attributes
    SECDockBar m_wndDockBar; // floating dock bar, id AFX_IDW_DOCKBAR_FLOAT
    BOOL m_bCreated;
    DWORD m_dwSheetStyle;

    // Implementation
  protected:
    HICON m_hBarIcon; // the icon set on the sheet, not owned
    BOOL HostsBars() const
    {
        return (m_dwSheetStyle & SEC_SHEET_NO_BAR_HOSTING) == 0;
    }
    // The hosted bar's icon (or the standard one) on the sheet and its tab.
    void UpdateIcon();

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnClose();
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    DECLARE_MESSAGE_MAP()
};
