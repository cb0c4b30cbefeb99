// SECListEdit: the edit window laid over a cell while its label is edited in place. The list
// creates and destroys its window for each edit; the object lives as long as the list.
#pragma once
#include "Edit.h"
#include "ListClient.h"

class SECListEdit : public CEdit
{
    DECLARE_DYNAMIC(SECListEdit)

  public:
    // Construction
    explicit SECListEdit(SECListClient* pClient) : m_pClient(pClient)
    {
    }

  protected:
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

  private:
    SECListClient* m_pClient;
};
