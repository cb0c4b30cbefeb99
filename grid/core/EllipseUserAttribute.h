// A user attribute holding only a choice number (the ellipsis mode of a cell), archived as 16 bits.
#pragma once
#include "grid/core/AbstractUserAttribute.h"

class CGXEllipseUserAttribute : public CGXAbstractUserAttribute
{
    DECLARE_SERIAL(CGXEllipseUserAttribute)

  public:
    // Construction
    CGXEllipseUserAttribute() = default;
    explicit CGXEllipseUserAttribute(DWORD dwChoice) : m_dwChoice(dwChoice)
    {
    }

    // Overridables
    void Serialize(CArchive& ar) override;
    CGXAbstractUserAttribute& SetValueText(LPCTSTR pszValue) override;
    const CString& GetValueText() const override;
    LONG GetLongValue() const override
    {
        return (LONG)m_dwChoice;
    }
    DWORD GetDWordValue() const override
    {
        return m_dwChoice;
    }
    double GetDoubleValue() const override
    {
        return (double)m_dwChoice;
    }
    CGXAbstractUserAttribute* Clone() const override;
    // Compares the choices only.
    BOOL IsEqual(const CGXAbstractUserAttribute& other) const override;
    BOOL IsEmptyValue() const override
    {
        return TRUE;
    }
    virtual CGXEllipseUserAttribute& SetDWordValue(DWORD dwChoice);
    virtual DWORD GetChoice() const
    {
        return m_dwChoice;
    }

  private:
    DWORD m_dwChoice = 0;
};
