// The calendar dropped next to a field: sized from its fonts, placed beside the owner's
// rectangle, and closing when it loses activation.
#pragma once
#include "Calendar.h"

class CGXBPopupCalendar : public CGXBCalendar
{
    DECLARE_DYNAMIC(CGXBPopupCalendar)

  public:
    enum
    {
        closeAccept = 1, // losing activation accepts (cancels without a day)
        closeCancel = 2  // losing activation cancels
    };

    CGXBPopupCalendar();
    ~CGXBPopupCalendar() override;

    // Style bit 1: left-aligned with the owner rectangle, else to its right.
    virtual BOOL CreatePopup(DWORD dwStyle, const RECT& rectOwner, CWnd* pOwner, UINT nID = 0);
    UINT GetClassStyle() const override;
    // Answers the previous action.
    int SetCloseAction(int nAction);

  protected:
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg LRESULT OnAcceptClose(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCancelClose(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    BOOL m_bAcceptOnClose = TRUE;
    BOOL m_bClosing = FALSE;
};
