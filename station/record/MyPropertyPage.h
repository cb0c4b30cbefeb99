// CMyPropertyPage: the base of the program's property pages, made from a dialog template. Enter
// on a focused button presses that button; a right click and F1 ask for help.
#pragma once
#include "afxdlgs.h"
#include "station/record/THtmlHelp.h"

class CMyPropertyPage : public THtmlHelp<CPropertyPage>
{
    DECLARE_DYNAMIC(CMyPropertyPage)

  public:
    // Construction
    explicit CMyPropertyPage(UINT nIDTemplate);
    ~CMyPropertyPage() override;

    // Overrides
    BOOL PreTranslateMessage(MSG* pMsg) override;

  protected:
    // Set by pages whose every control command marks them modified (enabling Apply) before it is
    // handled.
    BOOL m_bModifiedByCommands;

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    DECLARE_MESSAGE_MAP()
};
