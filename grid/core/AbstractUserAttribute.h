// Base of the values a style carries under 16-bit user-attribute ids (validation limits,
// tool tips, the colour of negative numbers, ...). The id is set by the map that holds it.
#pragma once
#include "afx.h"

class CGXAbstractUserAttribute : public CObject
{
    DECLARE_SERIAL(CGXAbstractUserAttribute)

  public:
    // Construction
    CGXAbstractUserAttribute() = default;

    // Overridables
    void Serialize(CArchive& ar) override;
    virtual CGXAbstractUserAttribute& SetValueText(LPCTSTR pszValue);
    virtual CGXAbstractUserAttribute& SetValueString(const CString& strValue);
    // The text of the value; results may share one string that the next call overwrites.
    virtual const CString& GetValueText() const;
    virtual LONG GetLongValue() const;
    virtual DWORD GetDWordValue() const;
    virtual double GetDoubleValue() const;
    virtual CGXAbstractUserAttribute* Clone() const;
    virtual BOOL IsEqual(const CGXAbstractUserAttribute& other) const;
    virtual BOOL IsEmptyValue() const;

    // Operations
    LPCTSTR GetValueString() const
    {
        return GetValueText();
    }
    WORD GetId() const
    {
        return m_nId;
    }

    // Implementation
    WORD m_nId = 0;

  private:
    CGXAbstractUserAttribute(const CGXAbstractUserAttribute&) = delete;
};
