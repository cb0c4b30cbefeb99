// CDockBar: the strip along one side of a frame (or the one inside a floating frame) that holds
// docked control bars in rows. The frame creates and owns its dock bars; the bars stay owned by
// whoever created them.
//
// Differences from MFC:
// - m_arrBars keeps MFC's entries (entry 0 NULL, a bar pointer, a control id as placeholder for a
//   bar that floats or is gone, NULL ending a row) in pointer-sized words; an entry is a
//   placeholder when its value is at most 0xFFFF.
// - SetBarInfo skips ids the frame has no bar for and bars already placed elsewhere (MFC goes on
//   with a NULL bar).
#pragma once
#include "ControlBar.h"
#include "PtrArray.h"

class CDockBar : public CControlBar
{
    DECLARE_DYNAMIC(CDockBar)

  public:
    // Construction
    explicit CDockBar(BOOL bFloating = FALSE);
    ~CDockBar() override;
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);

    // Attributes
    BOOL IsDockBar() const override
    {
        return TRUE;
    }
    int GetDockedCount() const;
    virtual int GetDockedVisibleCount() const;
    // The bar at nPos, NULL for a row end or a placeholder.
    CControlBar* GetDockedControlBar(int nPos) const;
    // Index of pBar (or of the placeholder pBar stands for) other than nPosExclude; -1 when none.
    int FindBar(CControlBar* pBar, int nPosExclude = -1) const;
    static BOOL IsPlaceHolder(void* pEntry)
    {
        return pEntry != NULL && (UINT_PTR)pEntry <= 0xFFFF;
    }

    // Operations
    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = NULL);
    void ReDockControlBar(CControlBar* pBar, LPCRECT lpRect = NULL);
    // Takes pBar out (not the entry at nPosExclude); nAddPlaceHolder 1 leaves its id in its place,
    // -1 also removes its placeholders. TRUE when the floating frame holding this dock bar is gone.
    BOOL RemoveControlBar(CControlBar* pBar, int nPosExclude = -1, int nAddPlaceHolder = 0);
    void RemovePlaceHolder(CControlBar* pBar);
    void ShowAll(BOOL bShow);

    // Overrides
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void DoPaint(CDC* pDC) override;
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override
    {
    }
    void GetBarInfo(CControlBarInfo* pInfo) override;
    void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd) override;

    // Implementation
    BOOL m_bFloating;
    CPtrArray m_arrBars;
    BOOL m_bLayoutQuery;
    CRect m_rectLayout;

    // Puts pBar into the row under ptMid (rect in client coordinates); returns its index.
    int Insert(CControlBar* pBar, CRect rect, CPoint ptMid);
    // Common part of docking: style, title and parent follow the dock bar.
    void PrepareBar(CControlBar* pBar);

    afx_msg void OnNcPaint();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);

  protected:
    DECLARE_MESSAGE_MAP()
};
