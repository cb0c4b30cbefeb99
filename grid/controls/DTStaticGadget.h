// Literal text between the fields of a date-time edit window.
#pragma once
#include "DTGadget.h"

class CGXBDTStaticGadget : public CGXBDTGadget
{
    DECLARE_DYNAMIC(CGXBDTStaticGadget)

  public:
    CGXBDTStaticGadget()
    {
        m_dwStyle = 0;
    }
    using CGXBDTGadget::Initialise;
    BOOL Initialise(CGXBDateTimeCtrl* pOwner, LPCTSTR pszText, int nId = -1);
    CString GetText() const override
    {
        return m_strText;
    }

    void CalcSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;

  protected:
    CString m_strText;
};
