// SECOtherButton: the "Other..." push button inside a colour well. Keeps the keyboard within the
// well: in a popup Tab and the arrows go back to the popup, in a dialog Tab leaves the well.
#pragma once
#include "afxwin.h"
#include "Button.h"

namespace tessaron
{
namespace foundation
{

class SECOtherButton : public CButton
{
    DECLARE_DYNAMIC(SECOtherButton)

  public:
    SECOtherButton();
    ~SECOtherButton() override;

  protected:
    BOOL InPopup() const;

    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()
};

} // namespace foundation
} // namespace tessaron
