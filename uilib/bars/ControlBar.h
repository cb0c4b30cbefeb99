// SECControlBar: the library's docking bar. It remembers its sizes for the horizontal-docked,
// vertical-docked and floating states, takes its share of a dock-bar row from the percent
// width the dock bar writes, and carries the extended bar styles. Whoever creates the bar owns
// it; the frame lists it.
#pragma once
#include "afxwin.h"
#include "mfc/DockContext.h"

class SECControlBarManager;
class SECDockBar;

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

    // Overridables
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    // Notifications of the frame around docking and floating the bar.
    virtual void OnBeforeDock();
    virtual void OnAfterDock();
    virtual void OnBeforeFloat();
    virtual void OnAfterFloat();

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

    // Implementation
  protected:
    DECLARE_MESSAGE_MAP()
};
