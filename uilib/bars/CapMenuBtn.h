// SECCapMenuBtn: the system-menu icon of a maximised MDI child at the front of the MDI menu
// bar; its press drops the child's system menu. The menu bar embeds it.
#pragma once
#include "uilib/bars/TBMenuBtn.h"

class SECCapMenuBtn : public SECTBMenuBtn
{
  public:
    // Construction
    SECCapMenuBtn();

    // Overridables
    void AdjustSize() override;
    void DrawButton(CDC& dc, BOOL bForceRaised, int& x, int& y, int& cx, int& cy, int cxImage = -1) override;
    void DropMenu() override;

    // The system menu of a window, SC_CLOSE made its default item when it has none.
    static HMENU PASCAL GetSystemMenuOf(CWnd* pWnd);

    // Attributes
    HICON m_hIcon; // not owned
};
