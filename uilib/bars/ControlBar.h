// SECControlBar: the library's docking bar. It remembers its sizes for the horizontal-docked,
// vertical-docked and floating states, takes its share of a dock-bar row from the percent
// width the dock bar writes, and carries the extended bar styles. Whoever creates the bar owns
// it; the frame lists it.
#pragma once
#include "afxwin.h"
#include "mfc/DockContext.h"

class SECControlBarInfo;
class SECControlBarManager;
class SECDockBar;

// Sent by a bar to its dock site's frame with the bar's context menu before it opens, so the
// docking layer can add its own items. WPARAM: the SECControlBar*; LPARAM: the CMenu*. Returns 0.
#define WM_SEC_BARCONTEXTMENU 0x38FF

// Extended bar styles.
#define BAR_EX_CONTEXT_MENU 0x0001L
#define BAR_EX_SCALE_CHILDREN 0x0002L
#define BAR_EX_FIXED_FLOAT_SIZE 0x0004L // also: the dock bar does not stretch the bar in its row
#define BAR_EX_DARK_BORDERS 0x0008L
#define BAR_EX_MARGINS 0x0010L
#define BAR_EX_FILL_CHILD 0x0040L
#define BAR_EX_WHOLE_ROW 0x0080L // the dock bar keeps the bar alone in its row
#define BAR_EX_FLAT 0x0100L
#define BAR_EX_GRIPPER 0x0200L
#define BAR_EX_CLOSE_BUTTON 0x0400L
#define BAR_EX_EXPAND_BUTTON 0x0800L

// Measures of the gripper strip: lead, first line, gap, second line and tail for a gripper on
// the left and for one along the top, and the lines' distance from the strip's ends; and the tool
// tips of the strip's buttons.
class SECGripperInfo : public CObject
{
  public:
    SECGripperInfo();
    void SetMeasures(int nLead, int nLine1, int nGap, int nLine2, int nTail, int nInset);
    int GetWidth() const
    {
        return m_cxLead + m_cxLine1 + m_cxGap + m_cxLine2 + m_cxTail;
    }
    int GetHeight() const
    {
        return m_cyLead + m_cyLine1 + m_cyGap + m_cyLine2 + m_cyTail;
    }

    int m_cxLead, m_cxLine1, m_cxGap, m_cxLine2, m_cxTail;
    int m_cyLead, m_cyLine1, m_cyGap, m_cyLine2, m_cyTail;
    int m_nInset;
    CString m_strCloseTip;
    CString m_strExpandTip;
    CString m_strContractTip;
};

// One entry of the recorded child layout (element 0 holds the area the children were laid out in).
struct SECChildLayoutEntry
{
    HWND hWnd;
    CRect rect; // client coordinates of the bar
};

class SECControlBar : public CControlBar
{
    DECLARE_DYNAMIC(SECControlBar)

  public:
    // Construction
    SECControlBar();
    ~SECControlBar() override;
    virtual BOOL Create(CWnd* pParentWnd, LPCTSTR lpszWindowName, DWORD dwStyle, DWORD dwExBarStyle, UINT nID,
                        CCreateContext* pContext = NULL);
    virtual BOOL CreateEx(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwExBarStyle, DWORD dwStyle,
                          const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext = NULL);

    // Operations
    void EnableDocking(DWORD dwDockStyle);
    virtual CDockContext* CreateDockContext();
    virtual void SetExBarStyle(DWORD dwExBarStyle, BOOL bRedraw = TRUE);
    virtual void ModifyExBarStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw = TRUE);
    DWORD GetExBarStyle() const
    {
        return m_dwExStyle;
    }
    BOOL IsFloatingAsMDIChild() const;
    // The first id from nFirstID on that no bar of the frame uses, 0 when the next 1000 are taken.
    static UINT PASCAL FindUnusedBarID(CFrameWnd* pFrame, UINT nFirstID);
    static BOOL PASCAL IsBarIDUnused(CFrameWnd* pFrame, UINT nID);

    // Records the client area and every child's rectangle as the layout that resizing scales.
    void RecordChildLayout();
    // What every way of creating a bar ends with: the child layout recorded when the bar scales
    // its children, the remembered sizes from the default size, tool tips on.
    void FinishCreation();
    // Forgets the recorded layout.
    void DropChildLayout();
    const CPtrArray* GetChildLayout() const
    {
        return m_pChildLayout;
    }
    // Gripper buttons, laid out by the last paint (empty when not shown).
    CRect GetCloseButtonRect() const
    {
        return m_rectCloseBtn;
    }
    CRect GetExpandButtonRect() const
    {
        return m_rectExpandBtn;
    }
    const SECGripperInfo& GetGripperInfo() const
    {
        return m_GripperInfo;
    }

    // Overridables
    // The area the bar's children may use: less the gripper strip, else less the margins.
    virtual void CalcChildArea(CRect& rect);
    void CalcInsideRect(CRect& rect, BOOL bHorz) const override
    {
        CalcInsideRect(rect, bHorz, TRUE);
    }
    // With BAR_EX_FLAT: one pixel per bordered side, the bar's borders, and the gripper strip in
    // place of the leading border (a vertical bar's only when bWithGripper).
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz, BOOL bWithGripper) const;
    // The bar's saved record: place, visibility, sizes, styles, share and names.
    virtual void GetBarInfoEx(SECControlBarInfo* pInfo);
    virtual void SetBarInfoEx(SECControlBarInfo* pInfo, CFrameWnd* pFrameWnd);
    // A derived bar's own part of the saved record (its manager's extension record).
    virtual void GetBarInfoExtra(SECControlBarInfo* pInfo);
    virtual void SetBarInfoExtra(SECControlBarInfo* pInfo, CFrameWnd* pFrameWnd);
    // Notifications of the frame around docking and floating the bar.
    virtual void OnBeforeDock();
    virtual void OnAfterDock();
    virtual void OnBeforeFloat();
    virtual void OnAfterFloat();
    virtual void AddContextMenuItems(CMenu* pMenu);
    virtual BOOL CanPressClose();
    virtual BOOL CanPressExpand();
    virtual void AddGripperSize(CRect& rect, BOOL bHorz) const;
    virtual void LayoutCloseButton(CRect& rectStrip, BOOL bGripperLeft);
    virtual void DrawCloseButtonPressed(CDC* pDC);
    virtual void DrawCloseButton(CDC* pDC);
    virtual void LayoutExpandButton(CRect& rectStrip, BOOL bGripperLeft);
    virtual void DrawExpandButtonPressed(CDC* pDC);
    virtual void DrawExpandButton(CDC* pDC);
    // Asks the dock bar whether the bar is expanded in its row and may be expanded at all.
    virtual void UpdateExpandState(BOOL bGripperLeft);

    // Overrides
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void DoPaint(CDC* pDC) override;
    void DrawBorders(CDC* pDC, CRect& rect) override;
    void DrawGripper(CDC* pDC, const CRect& rect) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    // Attributes (read and written by the dock bars)
    BOOL m_bPctWidthSet; // the dock bar has scaled the share; cleared while hidden
    CSize m_szDockHorz;  // remembered extents
    CSize m_szReserved;
    CSize m_szDockVert;
    CSize m_szFloat;
    DWORD m_dwSavedDockStyle; // docking sides kept while docking is switched off
    float m_fPctWidth;        // share of the dock-bar row, 0.0 to 1.0
    float m_fPctWidthSaved;   // second scale factor: kept while the bar floats
    DWORD m_dwExStyle;
    CRect m_rectMargins;
    SECControlBarManager* m_pManager;
    CSize m_szDefault; // size the remembered sizes start from
    SECGripperInfo m_GripperInfo;
    CRect m_rectCloseBtn;
    BOOL m_bClosePressed;
    CRect m_rectExpandBtn;
    BOOL m_bExpandPressed;
    BOOL m_bExpandEnabled;
    BOOL m_bNotExpanded;
    BOOL m_bLastExpandGripperLeft;
    CPtrArray* m_pChildLayout;    // SECChildLayoutEntry records; NULL when none is recorded
    HWND m_hWndRepaintAfterPaint; // redrawn with its children after each paint

    // Implementation
    // TRUE when the gripper strip is drawn and reserved: flat, gripper bit, docked.
    BOOL HasGripper() const;

  protected:
    // The frame the bar floats in is the layer's mini dock frame.
    BOOL FloatsInMiniDockFrame() const;
    void ScaleChildren(const CRect& rectInside);
    void RedrawGripperButtons();

    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnAllowDocking();
    afx_msg void OnHideBar();
    afx_msg void OnFloatAsMDIChild();
    DECLARE_MESSAGE_MAP()
};
