// SECCustomStatusBar: a status bar whose panes draw themselves with their own colours,
// alignment, bitmap and cursor, may hold child windows, and whose pane 0 can turn into a
// progress pane (a text followed by a progress bar up to the right edge) for a while.
#pragma once
#include "uilib/bars/StatusBar.h"
#include "uilib/bars/ProgressCtrl.h"

// Describes a pane for SetPaneInfoEx/GetPaneInfoEx; mask says which fields are meant.
struct SECStatusPaneInfo
{
    enum Mask : UINT
    {
        maskID = 1,
        maskStyle = 2,
        maskWidth = 4,
        maskText = 8,
        maskAlign = 16,
        maskTextColour = 32,
        maskBackColour = 64,
        maskBitmap = 128,
        maskCursor = 256,
        maskAttributes = 0x1F0, // the attributes kept per pane
    };
    SECStatusPaneInfo();
    int index;
    UINT id;
    UINT style;
    int width;
    CString text;
    COLORREF textColour;
    COLORREF backColour;
    CBitmap* bitmap; // not owned
    HCURSOR cursor;  // not owned
    UINT textAlign;  // TA_LEFT, TA_RIGHT or TA_CENTER
    UINT mask;
};

class SECCustomStatusBar : public SECStatusBar
{
    DECLARE_DYNAMIC(SECCustomStatusBar)

  public:
    // Pane-window flags.
    enum : UINT
    {
        paneWindowOwnWidth = 1,
        paneWindowOwnHeight = 2,
        paneWindowInset = 4,
    };

    // Construction
    SECCustomStatusBar();
    ~SECCustomStatusBar() override;
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount) override;

    // Attributes
    void SetPaneInfoEx(SECStatusPaneInfo* pInfo, BOOL bAdjustHeight = FALSE);
    void GetPaneInfoEx(SECStatusPaneInfo* pInfo) const;
    CWnd* GetPaneWindow(int nIndex) const;
    UINT GetPaneWindowFlags(int nIndex) const;
    // Puts a child window (or NULL) into pane nIndex; FALSE for an index outside the panes.
    BOOL SetPaneWindow(int nIndex, CWnd* pWnd, UINT nFlags);
    tessaron::foundation::SECProgressCtrl* GetProgressCtrl() const
    {
        return m_pProgressCtrl;
    }
    // The pane's rectangle in client coordinates; empty when the control has none for it.
    CRect GetPaneRect(int nIndex) const;

    // Operations
    void FitPanesToContent();

    // Overridables
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void DrawPane(LPDRAWITEMSTRUCT lpDIS) override;
    virtual BOOL ShowProgress(LPCTSTR lpszText, int nLower = 0, int nUpper = 100, BOOL bResetPos = TRUE,
                              DWORD dwProgressStyle = tessaron::foundation::SEC_PROGRESS_DEFAULT,
                              int nStep = 10);
    virtual void HideProgress();
    virtual void ShowPaneWindows(BOOL bShow);
    virtual void PositionPaneWindows();

  protected:
    // Implementation
    struct PaneAttributes
    {
        COLORREF textColour;
        COLORREF backColour;
        CBitmap* bitmap;
        HCURSOR cursor;
        UINT textAlign;
        UINT flags; // SECStatusPaneInfo mask bits in force
    };
    void RelayoutFrame();
    int TextExtent(const CString& strText, int* pcy = NULL);

    tessaron::foundation::SECProgressCtrl* m_pProgressCtrl;
    SECStatusPaneInfo* m_pSavedPane0;
    PaneAttributes* m_pAttributes;
    CPtrArray m_arrPaneWindows;
    CDWordArray m_arrPaneWindowFlags;

    afx_msg LRESULT OnSetTextProgress(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSizeParentBar(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnSetFontBar(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
