// CDrawObject: a serialisable object of the recording's drawing (curves, bars, lines, texts):
// its bounding rectangle, pen and brush, handles for dragging, hit tests and invalidation through
// the active drawing view. The document's object list does not own it; its maker does.
#pragma once
#include "afxwin.h"

class CDrawViewBase;

class CDrawObject : public CObject
{
    DECLARE_SERIAL(CDrawObject)

  public:
    // Construction
    CDrawObject(); // for reading: sets nothing
    explicit CDrawObject(const RECT& rect);
    ~CDrawObject() override;

    // Attributes
    const CRect& GetRect() const
    {
        return m_position;
    }
    BOOL HasPen() const
    {
        return m_bPen;
    }
    BOOL HasBrush() const
    {
        return m_bBrush;
    }
    const LOGPEN& GetLogPen() const
    {
        return m_logpen;
    }
    const LOGBRUSH& GetLogBrush() const
    {
        return m_logbrush;
    }

    // Overridables
    void Serialize(CArchive& ar) override;
    virtual int GetHandleCount();
    virtual CPoint GetHandle(int nHandle);
    virtual HCURSOR GetHandleCursor(int nHandle);
    virtual void SetLineColor(COLORREF color);
    virtual COLORREF GetLineColor();
    virtual void SetLineWeight(int nWeight);
    virtual int GetLineWeight();
    virtual void SetFillColor(COLORREF color);
    virtual COLORREF GetFillColor();
    virtual void SetBoundsRect(int left, int top, int right, int bottom);
    virtual void Draw(CDC* pDC);
    // state 1 selected, 2 active: each handle inverted as a 7 x 7 square.
    virtual void DrawTracker(CDC* pDC, int nState);
    virtual void MoveTo(const RECT& rect);
    virtual int HitTest(CPoint point, CDrawViewBase* pView, BOOL bSelected);
    virtual BOOL Intersects(const RECT& rect);
    virtual void MoveHandleTo(int nHandle, int x, int y);
    virtual void Invalidate();
    virtual void Remove();

    // Implementation
  protected:
    // The 7 x 7 device-pixel square around a handle, in logical units; empty without a view.
    CRect GetHandleRect(int nHandle, CDrawViewBase* pView);
    // Invalidates through the view when there is one, else as Invalidate.
    void InvalidateIn(CDrawViewBase* pView);
    // Only a part (document coordinates) of the object, with room for its pen; the whole object
    // while its trackers show or without a view window.
    void InvalidatePartIn(CDrawViewBase* pView, const RECT& part);
    // The pen and brush of the object selected into the DC; FALSE (nothing selected) on failure.
    struct SDrawTools
    {
        CPen pen;
        CBrush brush;
        CGdiObject* pOldPen = NULL;
        CGdiObject* pOldBrush = NULL;
    };
    BOOL SelectTools(CDC* pDC, SDrawTools& tools);
    void RestoreTools(CDC* pDC, SDrawTools& tools);
    // The printed x range of the current page, when the DC prints and a view gives one.
    static BOOL GetPrintSlice(CDC* pDC, int& from, int& to);

    CRect m_position;
    BOOL m_bPen;
    LOGPEN m_logpen;
    BOOL m_bBrush;
    LOGBRUSH m_logbrush;
};
