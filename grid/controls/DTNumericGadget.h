// A number field of a date-time edit window (hour, minute, second, day, month, year).
#pragma once
#include "DTGadget.h"

class CGXBDTNumericGadget : public CGXBDTGadget
{
    DECLARE_DYNAMIC(CGXBDTNumericGadget)

  public:
    using CGXBDTGadget::Initialise;
    BOOL Initialise(CGXBDateTimeCtrl* pOwner, int nMin, int nMax, int nValue, BOOL bLeadingZeros, int nId);
    BOOL IsTyping() const
    {
        return m_nTyped > 0;
    }
    int GetDigitWidth() const
    {
        return m_nWidth;
    }
    BOOL HasLeadingZeros() const
    {
        return m_bLeadingZeros;
    }
    CString GetText() const override;
    // The text of a number as this field shows it.
    CString FormatNumber(int nValue) const;

    void CalcSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    BOOL SetFocus(BOOL bFocus) override;
    void OnKeyDown(UINT nChar) override;
    void OnChar(UINT nChar) override;
    void OnCancelMode() override;

  protected:
    // Takes the typed number; FALSE when the owner refuses it.
    BOOL Commit();
    void Abandon();

    int m_nMin = 0;
    int m_nMax = 0;
    int m_nWidth = 1;
    BOOL m_bLeadingZeros = FALSE;
    int m_nTypedValue = 0;
    int m_nTyped = 0;
};
