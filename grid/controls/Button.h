// A drawn push button inside a cell: raised, or sunken while pressed, with a centred caption.
// A press released over it, or Space pressed and released, is a click reported to the owner.
#pragma once
#include "grid/core/Control.h"

class CGXButton : public CGXChild
{
  public:
    explicit CGXButton(CGXControl* pOwner);

    void Draw(CDC* pDC, BOOL bActive, const CGXStyle& style) override;
    void DrawContent(CDC* pDC, BOOL bActive) override;
    BOOL MouseMove(UINT nFlags, CPoint pt) override;
    BOOL LButtonDown(UINT nFlags, CPoint pt) override;
    BOOL LButtonUp(UINT nFlags, CPoint pt) override;
    BOOL OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL OnCancelMode() override;

    // Fills the face and draws the raised or sunken edge every button kind starts with.
    void DrawFrame(CDC* pDC, BOOL bPushed, COLORREF crFace);
    // Pushed look only in the current cell and only for the owner's active child.
    BOOL IsDrawnPushed(BOOL bActive)
    {
        return bActive && HasFocus() && m_bPressed;
    }

    BOOL m_bPressed = FALSE;
    BOOL m_bMouseDown = FALSE;

  protected:
    void DrawCaption(CDC* pDC, BOOL bActive, BOOL bPushed);
};
