// The spin button at the right edge of a date-time edit window, repeating while held.
#pragma once
#include "DTGadget.h"

class CGXBDTSpinGadget : public CGXBDTGadget
{
    DECLARE_DYNAMIC(CGXBDTSpinGadget)

  public:
    enum
    {
        upPressed = 1,
        downPressed = 2,
        upTracking = 4,
        downTracking = 8,
        timerRunning = 16,
        firstDelay = 32
    };
    CGXBDTSpinGadget()
    {
        m_dwStyle = styleMouse;
    }
    int GetState() const
    {
        return m_nState;
    }
    // Draws the two arrow buttons into a rectangle, pressed as the flags say.
    static void DrawSpin(CDC* pDC, const CRect& rect, int nState);

    void CalcSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnCancelMode() override;
    void OnTimer() override;
    virtual UINT GetInitialDelay() const;
    virtual UINT GetRepeatDelay() const;

  protected:
    // 1 upper half, 2 lower half, 0 outside.
    int HitTest(CPoint point) const;
    void Step();
    void EndTracking();

    int m_nState = 0;
    int m_nRepeat = 0;
};
