// A name field of a date-time edit window (AM/PM, day of week, month name) with type-ahead.
#pragma once
#include "DTGadget.h"

class CGXBDTListGadget : public CGXBDTGadget
{
    DECLARE_DYNAMIC(CGXBDTListGadget)

  public:
    using CGXBDTGadget::Initialise;
    BOOL Initialise(CGXBDateTimeCtrl* pOwner, const CStringArray& items, int nValue, int nId);
    CString GetText() const override;
    const CStringArray& GetItems() const
    {
        return m_items;
    }
    // The first acceptable item from nStart on (wrapping) that begins with the text; -1 if none.
    int FindItem(int nStart, const CString& strText);

    void CalcSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    BOOL SetFocus(BOOL bFocus) override;
    void OnKeyDown(UINT nChar) override;
    void OnChar(UINT nChar) override;
    void OnTimer() override;

  protected:
    void StopTypeAhead();
    // Searches and, on a hit, sets the field; FALSE when nothing matched.
    BOOL Search(int nStart, const CString& strText);

    CStringArray m_items;
    char m_szPending[3] = {};
    CString m_strPrefix;
    BOOL m_bTimer = FALSE;
};
