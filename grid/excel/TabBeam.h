// The strip of slanted sheet tabs along the bottom of a sheet-tab window, with two (or four)
// scroll buttons at its left. It owns its tab records and fonts and tells its notification
// window (the parent unless set) when the user chooses or starts renaming a tab.
#pragma once
#include "grid/excel/TabInfo.h"
#include "afxwin.h"

class CGXTabBeam : public CWnd
{
    DECLARE_DYNCREATE(CGXTabBeam)

  public:
    // Construction
    CGXTabBeam();
    ~CGXTabBeam() override;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Registers "CGXTabBeam" unless present; CResourceException when that fails.
    static void AFXAPI RegisterWndClass(HINSTANCE hInstance);

    // Operations
    CGXTabInfo& GetTab(int nTab);
    int GetTabCount() const
    {
        return m_nTabs;
    }
    int GetCurrentTab() const
    {
        return m_nCurrent;
    }
    void MakeTabVisible(int nTab);
    void CreateFonts();
    void LoadColors();
    // The tab area's left edge: right of the buttons when they are shown.
    int GetTabAreaStart() const;

    // Overridables
    virtual void DrawTab(CDC* pDC, int nTab);
    virtual void DrawButton(CDC* pDC, int nButton, BOOL bPressed);
    virtual int GetTabLeft(int nTab);
    virtual int TabFromPoint(int x);
    virtual int GetLastVisibleTab();
    virtual void TrackButton(UINT nEndMessage);
    virtual void SelectTabAt(int x, int y);
    virtual int ButtonFromPoint(int x, int y, int nExpected);
    virtual void ScrollTabs(int nButton);
    virtual void InsertTab(BOOL bAtCurrent, LPCTSTR pszLabel, CWnd* pWnd, BOOL bOwnsWnd, int nWidth,
                           DWORD dwValue);
    virtual void DeleteTab(int nTab);
    virtual void AdjustTabSize(int nTab);
    virtual int FindTab(const CWnd* pWnd) const;

    // Implementation
    void PostNcDestroy() override;
    // Whether the button is disabled: one tab only, or nothing to scroll in its direction.
    BOOL IsButtonDisabled(int nButton);
    void DrawButtons(CDC* pDC);

    CFont* m_pFontBold = NULL;   // owned
    CFont* m_pFontNormal = NULL; // owned
    COLORREF m_clrTextCurrent = 0, m_clrText = 0;
    COLORREF m_clrBackNormal = 0, m_clrBackSelected = 0;
    COLORREF m_clrEmpty = 0;
    CBrush m_brNormal, m_brSelected, m_brFrame;
    CPen m_penShadow;
    CObArray m_tabs; // CGXTabInfo*, owned
    int m_nTabs = 0;
    int m_nCurrent = -1;
    int m_nFirstTab = 0;
    int m_nSlant = 7;
    int m_nButtonAreaWidth = 0;
    int m_nHeight = 0;
    int m_nButtonWidth = 0;
    BOOL m_bShowButtons = TRUE;
    int m_nButtons = 2; // 4 gives first, previous, next, last
    HCURSOR m_hcurArrow = NULL;
    int m_nPressed = -1;
    BOOL m_bPressedLook = FALSE;
    BOOL m_bTracking = FALSE;
    // -1 normally, -2 repaints the buttons too after a splitter drag, 0 or more during a drag.
    int m_nRepaintHint = -1;
    CWnd* m_pNotifyWnd = NULL; // null: the parent

  protected:
    CWnd* GetNotifyWnd();
    // Cancels an open rename in the tab window.
    void CancelRename();
    // Sum of (width + slant) over the tabs [nFrom, nTo).
    int SpanOf(int nFrom, int nTo);
    void OnMouseMoveAt(CPoint point);

    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnSysColorChange();
    void OnSettingChange(UINT uFlags, LPCTSTR pszSection);
    DECLARE_MESSAGE_MAP()
};
