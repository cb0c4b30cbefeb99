// The calendar button at the right edge of a date-time edit window.
#pragma once
#include "DTGadget.h"

class CGXBDTButtonGadget : public CGXBDTGadget
{
    DECLARE_DYNAMIC(CGXBDTButtonGadget)

  public:
    enum
    {
        stateTracking = 1,
        statePressed = 2
    };
    CGXBDTButtonGadget()
    {
        m_dwStyle = styleMouse;
    }
    using CGXBDTGadget::Initialise;
    // FALSE when the bitmap cannot be loaded.
    BOOL Initialise(CGXBDateTimeCtrl* pOwner, UINT nBitmapId, int nId);
    int GetState() const
    {
        return m_nState;
    }
    // Draws a bitmap button into a rectangle.
    static void DrawButton(CDC* pDC, const CRect& rect, CBitmap& bitmap, BOOL bPressed);

    void CalcSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnCancelMode() override;
    void OnSysColorChange() override;

  protected:
    void Release(CPoint point, BOOL bClick);

    int m_nState = 0;
    CBitmap m_bitmap;
    UINT m_nBitmapId = 0;
};
