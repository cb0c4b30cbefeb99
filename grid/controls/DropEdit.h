// An edit window with a button at one edge of its non-client area: it draws a bitmap on the
// button, tracks presses on it and reports a click. The base of the currency edit window.
#pragma once
#include "afxwin.h"
#include "mfc/Edit.h"

class CGXBDropEdit : public CEdit
{
    DECLARE_DYNAMIC(CGXBDropEdit)

  public:
    // Button state bits.
    enum
    {
        statePressed = 1,
        stateTracking = 2,
        stateRight = 4
    };

    // Construction
    CGXBDropEdit() = default;

    // Operations
    // Loads the button's bitmap (0: no button); an id that cannot be loaded leaves no button.
    BOOL SetButtonBitmap(UINT nBitmapID);
    BOOL SetButtonBitmap(WORD nBitmapID)
    {
        return SetButtonBitmap((UINT)nBitmapID);
    }
    UINT GetButtonBitmapId() const
    {
        return m_nBitmapId;
    }
    // Where the button lies, in the parent's client coordinates.
    const CRect& GetButtonRect() const
    {
        return m_rectButton;
    }
    WORD GetButtonState() const
    {
        return m_wState;
    }

    // Overridables
    // TRUE when the point (client coordinates with bClient, else screen) lies on the button.
    virtual BOOL HitTestButton(int x, int y, BOOL bClient);
    virtual void OnButtonClicked();
    virtual void DrawButton(CDC* pDC, CRect rc);

  protected:
    // Implementation
    void RedrawButton();
    void SetPressed(BOOL bPressed);
    // The disabled look: the image's dark pixels turn into a highlight-and-shadow relief.
    void EmbossButton(CDC* pDC, const CRect& rc);

    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnSysColorChange();
    afx_msg void OnNcPaint();
    DECLARE_MESSAGE_MAP()

    CRect m_rectButton;
    CBitmap m_bitmap;
    UINT m_nBitmapId = 0;
    WORD m_wState = stateRight;
    WORD m_nLeftPadding = 1;
    WORD m_nRightPadding = 1;
};
