// SECFakeButton: tracks a press on a button that is only drawn (the list-box editor's title-bar
// buttons): an invisible window over the button captures the mouse, the pressed or the normal
// image is shown as the cursor enters or leaves, until the button is released.
#pragma once
#include "afxwin.h"

class SECFakeButton : public CWnd
{
  public:
    SECFakeButton() = default;
    ~SECFakeButton() override;

    // rcScreen: the button on the screen; the bitmaps have its size. TRUE when the button was
    // released over it.
    BOOL Track(const CRect& rcScreen, CBitmap* pNormal, CBitmap* pPressed);

  protected:
    void Show(CBitmap* pBitmap);

    CRect m_rcScreen;
};
