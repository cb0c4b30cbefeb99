// CDrawLine: a vertical marker line at a time position, dragged along the time axis within its
// range: the analysis cursor and the analysis-point markers.
#pragma once
#include "station/record/DrawObject.h"

class CDrawLine : public CDrawObject
{
    DECLARE_SERIAL(CDrawLine)

  public:
    // Construction
    CDrawLine();
    explicit CDrawLine(const RECT& rect);
    ~CDrawLine() override;

    // Attributes
    BOOL IsShown() const
    {
        return m_bShown;
    }
    void SetShown(BOOL bShown)
    {
        m_bShown = bShown;
    }
    // Set by the view with each click while the cursor is shown; not stored.
    BOOL IsArmed() const
    {
        return m_bArmed;
    }
    void SetArmed(BOOL bArmed)
    {
        m_bArmed = bArmed;
    }
    const CRect& GetDragRange() const
    {
        return m_dragRange;
    }
    void SetDragRange(const RECT& range)
    {
        m_dragRange = range;
    }
    int GetPosition() const
    {
        return m_nPosition;
    }
    // Lowered to the maximum, then raised to the minimum (the minimum wins when they cross).
    void SetPosition(int nPosition);
    int GetMaximum() const
    {
        return m_nMaximum;
    }
    void SetMaximum(int n)
    {
        m_nMaximum = n;
    }
    int GetMinimum() const
    {
        return m_nMinimum;
    }
    void SetMinimum(int n)
    {
        m_nMinimum = n;
    }
    // "Zeitpunkt: " and the position ("%3d s").
    CString GetPositionText() const;

    // Overridables
    void Serialize(CArchive& ar) override;
    void Draw(CDC* pDC) override;
    void MoveTo(const RECT& rect) override;
    int HitTest(CPoint point, CDrawViewBase* pView, BOOL bSelected) override;
    void MoveHandleTo(int nHandle, int x, int y) override;

  private:
    void SetLineDefaults();

    BOOL m_bShown;
    BOOL m_bArmed;
    CRect m_dragRange;
    int m_nPosition;
    int m_nMaximum;
    int m_nMinimum;
};
