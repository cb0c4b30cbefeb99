// SECStatusBar: the status line at the bottom of a frame over the native status-bar control.
// Panes are named by command ids and keep their texts in the control bar's element storage;
// one stretchy pane takes the free width; the pane with id 0 is the frame's message line.
#pragma once
#include "afxwin.h"
#include "afxcmn.h"
#include "uilib/bars/ControlBar.h"

// One pane, in the control bar's element storage.
struct SECStatusPane
{
    UINT nID;    // command id, 0 for the message pane
    int cxText;  // width of the text area in pixels
    UINT nStyle; // SBPS_ bits in the high word, SBT_ bits for the control in the low word
    UINT nFlags; // kTextPending
    CString strText;
    static const UINT kTextPending = 0x1;
};

class SECStatusBar : public SECControlBar
{
    DECLARE_DYNAMIC(SECStatusBar)

  public:
    // Construction
    SECStatusBar();
    ~SECStatusBar() override;
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                        UINT nID = AFX_IDW_STATUS_BAR);
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = 0,
                          DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT nID = AFX_IDW_STATUS_BAR);
    // One pane per id; texts come from the string resources of the ids ("  " when there is none).
    virtual BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    // Attributes
    int GetCount() const
    {
        return m_nCount;
    }
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);
    void GetPaneText(int nIndex, CString& s) const;
    CString GetPaneText(int nIndex) const;
    BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);
    CStatusBarCtrl& GetStatusBarCtrl() const
    {
        return *(CStatusBarCtrl*)this;
    }

    // Operations
    void UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText);

    // Overridables
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void CalcInsideRect(CRect& rect, BOOL bHorz) const override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;
    virtual void DrawPane(LPDRAWITEMSTRUCT lpDIS);

  protected:
    // Implementation
    SECStatusPane* GetPanePtr(int nIndex) const
    {
        return (nIndex >= 0 && nIndex < m_nCount) ? ((SECStatusPane*)m_pData) + nIndex : NULL;
    }
    void FreePanes();
    // The control's borders: horizontal, vertical, gap between panes.
    void GetControlBorders(int borders[3]) const;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    int m_nMinHeight;

    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpWndPos);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetMinHeight(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
