// SECLayoutNodeSplitter: a splitter window that is also a window layout node; its up to four
// panes are child nodes laid out into the pane rectangles. SECLNVirtualSplitter is the form used
// inside a layout: the node itself is one bar between neighbouring nodes, and it reports moves to
// an observer instead of laying out panes. Splitter nodes are owned like any layout node.
#pragma once
#include "uilib/frames/layout/LayoutNodeWnd.h"
#include "uilib/frames/layout/SplitterBase.h"

class SECLNVirtualSplitter;

// Told when a virtual splitter's bar was dragged.
class ISECVirtualSplitterObserver
{
  public:
    virtual ~ISECVirtualSplitterObserver()
    {
    }
    virtual BOOL OnSplitterMoved(SECLNVirtualSplitter* pSplitter, int dx, int dy) = 0;
};

class SECLayoutNodeSplitter : public SECSplitterBase, public SECLayoutNodeWnd
{
  public:
    // Construction
    SECLayoutNodeSplitter();
    ~SECLayoutNodeSplitter() override;

    // Overridables (splitter)
    BOOL Create(CWnd* pParent, const RECT& rcArea, DWORD dwStyle, UINT nID, DWORD dwFlags) override;
    BOOL RemovePane(int nRow, int nCol) override;
    void SetPaneRects(SECSplitterPaneInfo& info) override;
    BOOL SetBarRect(const RECT& rcNew, BOOL bHorz) override;
    void InvalidateBarRect(const RECT* pRect, BOOL bErase) override;
    void OnSplitterMoved(int dx, int dy) override;
    // Overridables (layout node)
    void SetNodeStyle(DWORD dwStyle, BOOL bRecursive) override;
    BOOL RealizeSelf(HDWP* pHdwp, HDC hdc) override;
    void ResetZOrder(BOOL bRecursive) override;
    void InvalidateNodeRect(const RECT* pRect, BOOL bErase) override;
    void CalcLayout(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL bForce) override;
    // Appended
    virtual BOOL AddPaneNode(int nRow, int nCol, SECLayoutNode* pNode);
    // Moves the splits for a change of the area from rcOld to rcNew. Each side of an axis takes
    // its share within its panes' limits in three steps (minimum, preferred, maximum extent,
    // reversed when shrinking), half of each change to the near side first; with bKeep the far
    // panes take it all.
    virtual void DistributeSize(const RECT& rcOld, const RECT& rcNew, int& nSplitX, int& nSplitY, BOOL bKeep);
    virtual BOOL IsBeyondLimit(int nValue, int nLimit, BOOL bGrowing);
    virtual BOOL IsWithinLimit(int nValue, int nLimit, BOOL bGrowing);
    // Shares nRest between a and b (half to a first), each kept within its limit; what neither
    // could take stays in nRest.
    virtual void AdjustPanePair(int& a, int& b, int nLimitA, int nLimitB, int& nRest);
    // The largest minimum, smallest maximum and largest preferred width of the left and the
    // right column's panes.
    virtual void GetColumnLimits(int nFull, int& nMinLeft, int& nMaxLeft, int& nPrefLeft, int& nMinRight,
                                 int& nMaxRight, int& nPrefRight);
    // The same heights for the top and the bottom row.
    virtual void GetRowLimits(int nFull, int& nMinTop, int& nMaxTop, int& nPrefTop, int& nMinBottom,
                              int& nMaxBottom, int& nPrefBottom);

    // Attributes
    SECLayoutNode* GetPaneNode(int nRow, int nCol) const;
    HWND GetSplitterHwnd() const
    {
        return CWnd::m_hWnd;
    }

  protected:
    SECLayoutNode* m_pPaneNodes[4]; // row + 2 x column
    RECT m_rcSavedHorz;
    RECT m_rcSavedVert;
    BOOL m_bRoundUp[2]; // per axis: who gets the odd pixel next

  private:
    void GetLimits(const int* pSlots, BOOL bWidth, int nFull, int& nMin, int& nMax, int& nPref);
};

class SECLNVirtualSplitter : public SECLayoutNodeSplitter
{
  public:
    // Construction
    SECLNVirtualSplitter();

    // Overridables
    CDC* GetTrackDC() override;
    void ReleaseTrackDC(CDC* pDC) override;
    void AdjustDragRect(RECT& rc, RECT& rcLast) override;
    void GetTrackLimits(int& nMinX, int& nMinY, int& nMaxX, int& nMaxY) override;
    BOOL SetBarRect(const RECT& rcNew, BOOL bHorz) override;
    void OnSplitterMoved(int dx, int dy) override;
    int ClampToArea(RECT& rc, const RECT& rcArea, BOOL bHorz) override;
    void Draw(CDC* pDC) override;
    BOOL CanPaint(CDC* pDC) override;
    void BarRectsToClient() override;
    void SetNodeOrientation(BOOL bVertical, BOOL bRecursive) override;
    void CalcLayout(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL bForce) override;

    // Attributes
    // How far the bar may be dragged, in the host's client coordinates.
    void SetLimitRect(const RECT& rc)
    {
        m_rcLimit = rc;
    }
    const RECT& GetLimitRect() const
    {
        return m_rcLimit;
    }
    void SetObserver(ISECVirtualSplitterObserver* pObserver)
    {
        m_pObserver = pObserver;
    }
    void EnableBars(BOOL bEnable)
    {
        m_bBarsEnabled = bEnable;
    }
    BOOL AreBarsEnabled() const
    {
        return m_bBarsEnabled;
    }

  protected:
    RECT m_rcLimit;
    RECT m_rcSecond;
    ISECVirtualSplitterObserver* m_pObserver;
    BOOL m_bBarsEnabled;
    HDC m_hdcScreen;

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
