// Buttons that report a click at once when pressed and repeat it while held under the pointer
// (the grid keeps sending mouse moves while the press holds the capture), and their up and down
// triangles, shown only in the current cell.
#pragma once
#include "grid/controls/Button.h"

class CGXArrowButton : public CGXButton
{
  public:
    explicit CGXArrowButton(CGXControl* pOwner);

    BOOL MouseMove(UINT nFlags, CPoint pt) override;
    BOOL LButtonDown(UINT nFlags, CPoint pt) override;
    BOOL LButtonUp(UINT nFlags, CPoint pt) override;

    // The first repeat after 500 ms, then 150, each next 5 less down to 50.
    enum
    {
        firstDelay = 500,
        secondDelay = 150,
        delayStep = 5,
        shortestDelay = 50
    };
    DWORD m_dwLastRepeatTick = 0;
    DWORD m_dwRepeatDelay = firstDelay;

  protected:
    // Nothing outside the current cell; else the frame and a black triangle of 1-pixel rows.
    void DrawArrow(CDC* pDC, BOOL bActive, BOOL bUp);
};

class CGXUpArrowButton : public CGXArrowButton
{
  public:
    explicit CGXUpArrowButton(CGXControl* pOwner) : CGXArrowButton(pOwner)
    {
    }
    void DrawContent(CDC* pDC, BOOL bActive) override
    {
        DrawArrow(pDC, bActive, TRUE);
    }
};

class CGXDownArrowButton : public CGXArrowButton
{
  public:
    explicit CGXDownArrowButton(CGXControl* pOwner) : CGXArrowButton(pOwner)
    {
    }
    void DrawContent(CDC* pDC, BOOL bActive) override
    {
        DrawArrow(pDC, bActive, FALSE);
    }
};
