// SECCustomToolBar: the self-drawn, customisable toolbar: an array of button objects whose
// images come from a shared bitmap manager, laid out in rows, with flat and hot-tracked buttons,
// tool tips, command updates, a selected button while customising and dragging of buttons
// between toolbars. The toolbar manager creates the toolbars; a toolbar deletes its buttons, and
// itself with its window when auto-delete is set.
#pragma once
#include "uilib/bars/ControlBar.h"
#include "uilib/bars/StdBtn.h"
#include "mfc/RectTracker.h"
#include <vector>

class SECBmpMgr;
class SECBtnDrawData;
class SECToolBarManager;

// Further extended bar styles of the custom toolbars.
#define BAR_EX_STRETCH 0x0080L      // docked, the bar takes the whole length of its dock bar
#define BAR_EX_TRANSPARENT 0x1000L  // with BAR_EX_FLAT: the bar's background shows through
#define BAR_EX_THIN_GRIPPER 0x8000L // at creation: a single-line gripper and thin borders

// Codes of the toolbars' notifications to their manager.
enum SECBarNotifyCode
{
    SECBarShowing = 0,
    SECBarHiding = 1,
    SECBarCreated = 2,
    SECBarDestroying = 3,
    SECBarSelChanged = 4
};

// Hot-tracking timer of the flat toolbars and its period.
#define SEC_IDT_HOTTRACK 0xE002
#define SEC_HOTTRACK_MS 100

// A special button: made by its factory with a style and creation data instead of a plain one.
// Tables of these end with an entry whose factory is NULL.
typedef SECStdBtn*(PASCAL* SECBtnFactory)();
struct SECBtnMapEntry
{
    SECBtnFactory pfnCreate;
    UINT nID;
    UINT nStyle;
    UINT_PTR info[4]; // pointer-sized: a menu button keeps a menu handle and a text here
};

typedef std::vector<SECStdBtn*> SECBtnArray;

class SECCustomToolBar : public SECControlBar
{
    DECLARE_DYNCREATE(SECCustomToolBar)

  public:
    // One row of a wrapped layout.
    struct Row
    {
        int nLast;    // index of its last button
        BOOL bSepEnd; // it ends at a separator
        int cx, cy;
    };

    // Construction
    SECCustomToolBar();
    ~SECCustomToolBar() override;
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID, LPCTSTR lpszTitle = NULL);
    virtual BOOL CreateEx(DWORD dwExStyle, CWnd* pParentWnd, DWORD dwStyle, UINT nID,
                          LPCTSTR lpszTitle = NULL);

    // Operations
    // FALSE when the bar was an empty user toolbar and is going away (a destroy is posted).
    virtual BOOL RemoveButton(int nIndex, BOOL bBatch = FALSE);
    virtual BOOL InsertButton(int nIndex, UINT nID, BOOL bSeparator = FALSE, BOOL bBatch = FALSE);
    virtual int GetButtonImage(UINT nID);
    virtual void SetButtonSize(int cx = 0, int cy = 0);
    virtual BOOL SetButtons(const UINT* pIDs, int nCount);
    virtual void SizeToParent();
    virtual void TrackButtonMenu(SECStdBtn* pBtn, HMENU hMenu, UINT_PTR nValue);
    virtual void OpenButtonMenu(int nIndex);
    virtual void SetMenuFocus(int nIndex);
    virtual BOOL OpenMenuAt(CPoint point);
    virtual void ExitMenuMode();
    virtual BOOL IsMenuMode() const;
    virtual int FirstMenuButton() const;
    virtual int LastMenuButton() const;
    virtual int FirstTopMenuButton() const;
    virtual int NextMenuButton(BOOL bForward) const;
    virtual CFont* GetFont() const;
    virtual CFont* GetMenuFont() const;
    virtual void BalanceRows(int nCount, std::vector<Row>& rows);
    virtual BOOL IsCopyDrag() const;
    virtual BOOL AcceptsDrop() const;
    virtual void RemoveAllButtons();
    virtual BOOL IsFlat() const;
    virtual int GetImageWidth() const;
    virtual int GetImageHeight() const;
    virtual int GetButtonWidth() const;
    virtual int GetButtonHeight() const;
    virtual int GetSeparatorWidth() const;
    virtual int GetSeparatorHeight() const;
    virtual void OnTrackMessage(MSG* pMsg);
    virtual void EndTracking();
    virtual void DragButton(int nIndex, CPoint point);
    // Where a dragged button lands (rect: screen): on a toolbar; on the customisation dialog
    // nothing changes; elsewhere a moved button goes and a copy starts a user toolbar. nIndex is
    // the button's place on this toolbar (-1: a button of none).
    virtual void DropDraggedButton(SECStdBtn* pBtn, int nIndex, const CRect& rect, BOOL bCopy);
    virtual void SizeInReBar();
    virtual void WrapRows(int nWidth, std::vector<Row>& rows);
    virtual void WrapButtons(int nLength, BOOL bVertical);
    virtual CSize LayoutButtons(int nLength, DWORD dwMode);
    virtual void InvalidateButton(int nIndex);
    virtual int HitTest(CPoint point) const;
    virtual void UpdateButton(int nIndex);
    virtual BOOL DropButton(CRect rect, SECStdBtn* pBtn, BOOL bCopy, BOOL bBatch = FALSE);
    virtual SECStdBtn* NewButton(UINT nID, const UINT_PTR* pInfo = NULL);
    virtual SECStdBtn* NewSeparator(SECCustomToolBar* pOwner = NULL);

    void SetButtonStyle(int nIndex, UINT nStyle);
    UINT GetButtonStyle(int nIndex) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    int IndexOfButton(const SECStdBtn* pBtn) const;
    int CommandToIndex(UINT nID) const;
    int GetBtnCount() const
    {
        return (int)m_btns.size();
    }
    SECStdBtn* GetButton(int nIndex) const
    {
        return nIndex >= 0 && nIndex < GetBtnCount() ? m_btns[(size_t)nIndex] : NULL;
    }
    void SelectButton(int nIndex, BOOL bRedraw = TRUE);
    void ClearSelection(BOOL bRedraw = TRUE);
    int GetSelectedButton() const
    {
        return m_nSelected;
    }
    int GetHotButton() const
    {
        return m_nHot;
    }
    // Sets and clears style bits of every button with this command on every toolbar of the
    // manager (this toolbar alone without one).
    void UpdateCommandStyle(UINT nID, UINT nSet, UINT nClear);
    // Starts hot tracking when the button under the cursor may become hot.
    void RestartHotTracking();
    BOOL IsHotTimerRunning() const;

    // The manager, the shared bitmap manager and drawing context.
    void SetManager(SECToolBarManager* pManager);
    SECToolBarManager* GetManager() const;
    void SetBmpMgr(SECBmpMgr* pBmpMgr);
    SECBmpMgr* GetBmpMgr() const
    {
        return m_pBmpMgr;
    }
    void SetDrawData(SECBtnDrawData* pDrawData);
    void SetSpecialButtons(const SECBtnMapEntry* pMap)
    {
        m_pBtnMap = pMap;
    }
    void EnableCustomise(BOOL bCustomise);
    BOOL IsCustomise() const
    {
        return m_bCustomise;
    }
    BOOL IsUserToolBar() const;

    // Overrides
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    void DoPaint(CDC* pDC) override;
    void DelayShow(BOOL bShow) override;
    // Title and buttons in the saved record's extension (SECCustomToolBarInfoEx).
    void GetBarInfoExtra(SECControlBarInfo* pInfo) override;
    void SetBarInfoExtra(SECControlBarInfo* pInfo, CFrameWnd* pFrameWnd) override;

    // Attributes
    SECBmpMgr* m_pBmpMgr;
    int m_nSepWidth; // basis of the gap below a row that ends at a separator
    int m_nSelected;
    int m_nHot;
    int m_nTracking; // button pressed with the mouse captured, -1 when none
    BOOL m_bCustomise;
    SECBtnDrawData* m_pDrawData;
    DWORD m_dwVertBits; // CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT of the current layout
    BOOL m_bPendingFloat, m_bPendingHorz, m_bPendingVert;
    CSize m_szLayoutHorz, m_szLayoutVert, m_szLayoutFloat;
    BOOL m_bLocked;
    HFONT m_hFont;
    const SECBtnMapEntry* m_pBtnMap;
    int m_cxLargest, m_cyLargest;
    SECBtnArray m_btns;

    // Implementation
  protected:
    void NotifyManager(int nCode);
    void ClearButtons();
    void ArrangeSeparators();
    // The first and last index of the row (by the wrap bits of the last layout) holding nIndex.
    void RowOf(int nIndex, int& nFirst, int& nLast) const;
    int ButtonAtForHot() const;
    void SetHot(int nIndex);
    void StopHotTracking();
    BOOL PrepareDrawing();
    BOOL IsVertical(DWORD dwMode) const;
    void SendButtonCommand(int nIndex, UINT nCmd);
    SECCustomToolBar* FindDropTarget(const CRect& rect) const;
    void FloatNewToolBar(SECCustomToolBar* pBar, CPoint ptDrop);

    int m_nMenuTracked; // button whose menu is tracked
    BOOL m_bMenuMode;
    BOOL m_bHotTimer;
    SECBtnDrawData* m_pOwnDrawData; // used without a manager
    BOOL m_bDestroyPosted;

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnDestroy();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpWndPos);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnSysColorChange();
    afx_msg LRESULT OnNoDelayHide(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDestroyEmpty(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// Updates one button of a custom toolbar: enabled, checked, indeterminate.
class SECCustomToolCmdUI : public CCmdUI
{
  public:
    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;
    void SetText(LPCTSTR) override
    {
    }
};

// The rectangle of a button being dragged: tracked over the whole desktop, so it may leave its
// toolbar, and read back in screen coordinates.
class SECToolBarRectTracker : public CRectTracker
{
  public:
    explicit SECToolBarRectTracker(LPCRECT lpRect);
    // Follows the mouse from the press at point (pWnd's client coordinates, the rectangle's
    // too) with pWnd holding the capture; FALSE when cancelled, else the final rectangle in
    // screen coordinates.
    BOOL TrackButton(CWnd* pWnd, CPoint point, CRect& rectScreen);
};
