// The edit field in which the user renames a sheet tab: Enter confirms, Escape and losing the
// focus cancel; both are reported to the parent tab window.
#pragma once
#include "afxwin.h"
#include "Edit.h"

class CGXEditLabelPopup : public CEdit
{
    DECLARE_DYNAMIC(CGXEditLabelPopup)

  public:
    // Construction
    CGXEditLabelPopup() = default;

    // Implementation
    // The field deletes itself with its window: it may be destroyed in its own key handler.
    void PostNcDestroy() override;

  protected:
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKillFocus(CWnd* pNewWnd);
    UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()
};
