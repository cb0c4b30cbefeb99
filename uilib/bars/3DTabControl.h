// SEC3DTabControl: a tab strip along one edge of some content (below, above, left or right),
// drawing its tabs with a 3-D outline, optional 16 x 16 icons and labels that are shortened
// with "..." when space runs out; keyboard navigation, tooltips with the full label and
// dragging tabs into a new order. The tab window creates one as its strip.
#pragma once
#include "uilib/bars/TabControlBase.h"

// Style bits of the strip (low word of the window style).
enum : DWORD
{
    SEC_TABS_BOTTOM = 0x0010, // strip below the content, tabs hang down
    SEC_TABS_TOP = 0x0020,    // strip above the content
    SEC_TABS_LEFT = 0x0040,   // labels run upwards
    SEC_TABS_RIGHT = 0x0080,  // labels run downwards
    SEC_TABS_SIDES = 0x00F0,
    SEC_TABS_NO_ACTIVE_GROW = 0x0100, // the active tab is not enlarged
    SEC_TABS_INSET_FAR_EDGE = 0x0200, // the outline's far edge one pixel further in
    SEC_TABS_FLAT_EDGE = 0x0400,      // the strip edge without highlight and face lines
    SEC_TABS_DRAGGABLE = 0x0800,      // tabs can be dragged into a new order
};

// A tab of the 3-D strip.
class SEC3DTab : public SECTab
{
    DECLARE_DYNAMIC(SEC3DTab)

  public:
    SEC3DTab()
    {
        m_nWidth = 90;
        m_nHeight = 0;
    }
    void SetLabel(LPCTSTR lpszLabel) override
    {
        m_csLabel = lpszLabel;
        m_csFullLabel = lpszLabel;
        m_bShortened = FALSE;
    }
    const CString& GetFullLabel() const override
    {
        return m_csFullLabel;
    }

    RECT m_rect = {0, 0, 0, 0};
    HICON m_hIcon = NULL; // not owned
    BOOL m_bEnabled = TRUE;
    CString m_csFullLabel;
    BOOL m_bShortened = FALSE;
};

class SEC3DTabControl : public SECTabControlBase
{
    DECLARE_DYNAMIC(SEC3DTabControl)

  public:
    // Layout constants: every tab has this margin before and after its label; an icon takes
    // this much more; the strip needs this much room beyond its tabs.
    static constexpr int kTabMargin = 6;
    static constexpr int kIconRoom = 19;
    static constexpr int kSlack = 12;
    static constexpr int kActiveGrow = 3;

    // Construction
    SEC3DTabControl();
    ~SEC3DTabControl() override;

    // Overridables
    void Initialize(DWORD dwStyle) override;
    SECTab* CreateTabRecord() override;
    void RecalcLayout() override;
    void OnActivateTab(int nTab) override;
    void DeleteFonts() override;
    void SetTabIcon(int nIndex, LPCTSTR lpszResource, int cx = 16, int cy = 16) override;
    void SetTabIconByID(int nIndex, UINT nID, int cx = 16, int cy = 16) override;
    void SetTabIconHandle(int nIndex, HICON hIcon) override;
    void InvalidateTab(int nIndex) override;
    virtual BOOL CreateFonts(DWORD dwStyle);
    virtual void EnableTab(int nIndex, BOOL bEnable = TRUE);
    virtual BOOL IsTabEnabled(int nIndex) const;
    virtual BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    // Shortens the shown labels until needed + 12 fits into available (see RecalcLayout).
    virtual void ShortenLabels(int nNeeded, int nMinimal, int nAvailable);
    // nWhich 0 the normal, 1 the active tab's font.
    virtual BOOL SetTabFont(CFont* pFont, int nWhich, BOOL bRedraw = TRUE);
    virtual BOOL GetTabRect(int nIndex, RECT& rect) const;
    virtual RECT CalcTabRect(int nIndex, int x, int y, DWORD dwStyle);
    virtual void DrawTabBackground(CDC* pDC, int nIndex);
    virtual void FillEdge(CDC* pDC, int x, int y, int cx, int cy, COLORREF cr);
    virtual void DrawTabBottom(CDC* pDC, SEC3DTab* pTab, DWORD dwSide);
    virtual void DrawTabTop(CDC* pDC, SEC3DTab* pTab, DWORD dwSide);
    virtual void DrawTabLeft(CDC* pDC, SEC3DTab* pTab, DWORD dwSide);
    virtual void DrawTabRight(CDC* pDC, SEC3DTab* pTab, DWORD dwSide);
    virtual void DrawTabContent(CDC* pDC, SEC3DTab* pTab, DWORD dwStyle);
    // Turns the cx x cy drawing on the face colour in pDC into its embossed form.
    virtual void DrawDisabled(CDC* pDC, int cx, int cy);

    // Attributes
    SEC3DTab* GetTab3D(int nIndex) const
    {
        return static_cast<SEC3DTab*>(GetTab(nIndex));
    }
    BOOL AreLabelsShown() const
    {
        return m_bShowLabels;
    }
    void SetAutoShorten(BOOL bAuto)
    {
        m_bAutoShorten = bAuto;
    }

  protected:
    // Implementation
    BOOL IsVertical() const;
    BOOL HasTabStop() const;
    // Width of a text with the active font.
    int LabelWidth(const CString& strLabel) const;
    // The strip's whole length with the labels as shown now.
    int MeasureShown() const;
    int TabAtPoint(CPoint point) const;
    void RecreatePens();
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnSysColorChange();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    BOOL m_bAutoShorten;
    int m_nTabHeightHorz;
    int m_nTabHeightVert;
    int m_nStartHorz;
    int m_nStartVert;
    BOOL m_bToolTipCapture;
    CFont m_fontNormal;
    CFont m_fontActive;
    CPen m_penBlack;
    CPen m_penBlack2;
    CPen m_penShadow;
    CPen m_penHighlight;
    COLORREF m_crText;
    COLORREF m_crActiveText;
    BOOL m_bShowLabels;
};
