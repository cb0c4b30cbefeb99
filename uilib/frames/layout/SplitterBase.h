// SECSplitterBase: divides an area of its parent into up to four panes (two rows by two
// columns) with a horizontal and a vertical bar the user drags. It computes bars and panes,
// draws the bars, and runs its own tracking loop while a bar is dragged; it does not own the
// panes, it reports their rectangles through SetPaneRects.
#pragma once
#include "afxwin.h"

// Pane order of the splitter: top-left, top-right, bottom-left, bottom-right.
class SECSplitterPaneInfo : public CObject
{
  public:
    SECSplitterPaneInfo() : m_rcPanes{}, m_bPresent{}
    {
    }
    // NULL marks the pane absent.
    void SetPane(int nPane, const RECT* pRect);
    BOOL GetPane(int nPane, RECT& rc) const;

    RECT m_rcPanes[4];
    BOOL m_bPresent[4];
};

// Splitter flags.
#define SEC_SPLITTER_LIVE 0x0001     // panes follow the mouse while a bar is dragged
#define SEC_SPLITTER_ROWFIRST 0x0002 // with three panes the horizontal bar runs the full length

class SECSplitterBase : public CWnd
{
  public:
    // Construction
    SECSplitterBase();
    ~SECSplitterBase() override;

    enum
    {
        PANE_TOPLEFT,
        PANE_TOPRIGHT,
        PANE_BOTTOMLEFT,
        PANE_BOTTOMRIGHT
    };
    // Bar modes: where a bar runs.
    enum
    {
        BAR_TO_CROSSING,   // from the near edge to the crossing
        BAR_FROM_CROSSING, // from the crossing to the far edge
        BAR_FULL,
        BAR_NONE
    };

    // Overridables
    virtual BOOL Create(CWnd* pParent, const RECT& rcArea, DWORD dwStyle, UINT nID, DWORD dwFlags);
    virtual void SetSplitterPositions(int x, int y);
    virtual BOOL AddPane(int nRow, int nCol);
    virtual BOOL RemovePane(int nRow, int nCol);
    virtual void SetPaneRects(SECSplitterPaneInfo& info);
    virtual void Draw(CDC* pDC);
    virtual void DrawHorzBar(CDC* pDC, const RECT& rc);
    virtual void DrawVertBar(CDC* pDC, const RECT& rc);
    virtual void DrawHorzBarFlat(CDC* pDC, const RECT& rc);
    virtual void DrawVertBarFlat(CDC* pDC, const RECT& rc);
    virtual void FillBar(CDC* pDC, const RECT& rc);
    virtual BOOL OnBeginTrack()
    {
        return TRUE;
    }
    virtual void OnSplitterMoved(int, int)
    {
    }
    virtual void InvalidateBarRect(const RECT* pRect, BOOL bErase);
    virtual void TrackMove(CDC* pDC, int x, int y, RECT& rcHorz, RECT& rcVert, BOOL bMovingHorz,
                           BOOL bMovingVert);
    virtual CDC* GetTrackDC();
    virtual void ReleaseTrackDC(CDC* pDC);
    virtual void AdjustDragRect(RECT&, RECT&)
    {
    }
    virtual void GetTrackLimits(int& nMinX, int& nMinY, int& nMaxX, int& nMaxY);
    // Moves rc back into rcArea across the bar; the shift.
    virtual int ClampToArea(RECT& rc, const RECT& rcArea, BOOL bHorz);
    virtual BOOL CanPaint(CDC*)
    {
        return TRUE;
    }
    virtual void CalcBarModes();
    virtual BOOL InvalidateBarMove(const RECT& rcOld, const RECT& rcNew, BOOL bHorz);
    virtual BOOL SetBarRect(const RECT& rcNew, BOOL bHorz);
    virtual void HitTest(int x, int y, BOOL* pbOnHorz, BOOL* pbOnVert);
    virtual void RecalcBarRects();
    virtual void CalcBarRects(RECT& rcHorz, RECT& rcVert, int& nSplitX, int& nSplitY);
    virtual void BarRectsToClient();
    virtual void StartTracking(int x, int y, BOOL bOnHorz, BOOL bOnVert);
    // The distance the bars moved.
    virtual SIZE TrackSplitter(int x, int y, BOOL bOnHorz, BOOL bOnVert);
    virtual void DrawTrackRect(const RECT& rc, CDC* pDC, BOOL bHorz, BOOL bErase);
    // FALSE when the drag was cancelled.
    virtual BOOL TrackLoop(CDC* pDC, RECT& rcHorz, RECT& rcVert, BOOL bMovingHorz, BOOL bMovingVert);
    virtual void LayoutPanes(const RECT& rcHorz, const RECT& rcVert);
    virtual void Relayout();
    virtual void PumpPaintMessages();
    virtual DWORD GetBarStyle() const
    {
        return (m_dwBarStyle & 1) ? s_dwDefaultBarStyle : m_dwBarStyle;
    }

    // Attributes
    static int s_nSplitterWidth;      // bar thickness, process-wide
    static DWORD s_dwDefaultBarStyle; // the style of bars whose style has bit 0
    void SetMargins(int nLeft, int nRight, int nTop, int nBottom);
    void SetBarStyle(DWORD dwStyle)
    {
        m_dwBarStyle = dwStyle;
    }
    const RECT& GetHorzBar() const
    {
        return m_rcHorz;
    }
    const RECT& GetVertBar() const
    {
        return m_rcVert;
    }
    const RECT& GetArea() const
    {
        return m_rcArea;
    }
    int GetHorzMode() const
    {
        return m_nHorzMode;
    }
    int GetVertMode() const
    {
        return m_nVertMode;
    }
    int GetSplitX() const
    {
        return m_nSplitX;
    }
    int GetSplitY() const
    {
        return m_nSplitY;
    }
    BOOL IsPanePresent(int nPane) const
    {
        return m_bPane[nPane];
    }
    DWORD m_dwFlags;

  protected:
    // The mouse from this window's client into the area's (parent's) coordinates.
    POINT ClientToArea(int x, int y);

    BOOL m_bPane[4];
    int m_nSplitY;
    int m_nSplitX;
    RECT m_rcHorz;
    RECT m_rcVert;
    RECT m_rcHorzClient;
    RECT m_rcVertClient;
    RECT m_rcArea;
    int m_nHorzMode;
    int m_nVertMode;
    BOOL m_bTracking;
    RECT m_rcLastDrag[2];
    SIZE m_sizeLastDrag[2];
    int m_nMargins[4]; // left, right, top, bottom
    DWORD m_dwBarStyle;

    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
