// SECListTip: the borderless pop-up showing the whole text of a cut-off cell over the cell
// while the mouse rests on it. Created on first show, then only hidden and shown; clicks on it
// are handed to the list.
#pragma once
#include "ListClient.h"

class SECListTip : public CWnd
{
    DECLARE_DYNAMIC(SECListTip)

  public:
    // Construction
    explicit SECListTip(SECListClient* pClient) : m_pClient(pClient)
    {
    }

    enum
    {
        HIDE_TIMER = 0xF001,
        HIDE_TIMER_MS = 500
    };

    // Operations
    virtual void Hide();
    // TRUE while a tip is shown for the cell; nHitFlags are the list's hit-test flags.
    virtual BOOL ShowCellTip(UINT nHitFlags, int nRow, int nColumn);
    virtual void SetTipText(LPCTSTR lpszText)
    {
        m_strText = lpszText;
    }
    virtual void RefreshTip();
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Attributes
    int GetRow() const
    {
        return m_nRow;
    }
    int GetSubItem() const
    {
        return m_nSubItem;
    }
    const CString& GetText() const
    {
        return m_strText;
    }

  protected:
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

  private:
    BOOL CreateTip();

    int m_nRow = -1;
    int m_nSubItem = -1;
    SECListClient* m_pClient;
    CString m_strText;
    CRect m_rect{0, 0, 0, 0};
};
