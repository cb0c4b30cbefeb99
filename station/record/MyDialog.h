// CMyDialog: the base of every dialog of the program. Enter on a focused button presses that
// button, IDHELP, a right click and F1 ask for help, and the dialog can show a background image.
#pragma once
#include "station/record/THtmlHelp.h"
#include "uilib/common/BitmapButton.h"
#include "uilib/common/BitmapDialog.h"

class CMyDialog : public THtmlHelp<SECBitmapDialog>
{
    DECLARE_DYNAMIC(CMyDialog)

  public:
    // Construction
    explicit CMyDialog(UINT nIDTemplate, CWnd* pParent = NULL);
    ~CMyDialog() override;

    // Overrides
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Implementation
    // The Enter rule of all dialog bases: Enter on a focused button sends its command to the
    // button's parent (or to pDialog when it has none); TRUE when the key was used so.
    static BOOL PressFocusedButton(CWnd* pDialog, const MSG* pMsg);

  protected:
    // Makes the template's button nID an owner-drawn button with the image left of its text.
    BOOL AttachImageButton(tessaron::foundation::SECBitmapButton& button, UINT nID, UINT nBitmapID);
    // The button row of the password dialogs: OK with its picture, Cancel and Help with theirs.
    void AttachOkCancelHelp(tessaron::foundation::SECBitmapButton& ok, UINT nOkBitmapID,
                            tessaron::foundation::SECBitmapButton& cancel,
                            tessaron::foundation::SECBitmapButton& help);

    afx_msg void OnHelpButton();
    DECLARE_MESSAGE_MAP()
};
