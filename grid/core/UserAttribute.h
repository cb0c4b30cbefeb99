// The general user attribute: empty, a number, a short or long text, a double or 8 bytes.
// Texts that are numbers (as the value parser sees them) are kept as numbers.
#pragma once
#include "grid/core/AbstractUserAttribute.h"

class CGXUserAttribute : public CGXAbstractUserAttribute
{
    DECLARE_SERIAL(CGXUserAttribute)

  public:
    enum Kind : DWORD
    {
        kindEmpty = 0,
        kindDWord = 1,
        kindLong = 2,
        kindShortText = 3, // up to 8 bytes, held inline
        kindText = 4,      // owned heap copy
        kindDouble = 5,
        kindBinary = 6
    };

    // Construction
    CGXUserAttribute();
    explicit CGXUserAttribute(DWORD dwValue);
    explicit CGXUserAttribute(LONG lValue);
    explicit CGXUserAttribute(double dValue);
    explicit CGXUserAttribute(LPCTSTR pszValue);
    explicit CGXUserAttribute(const CString& strValue);
    CGXUserAttribute(DWORD dwLow, DWORD dwHigh); // 8 bytes of binary data
    CGXUserAttribute(const CGXUserAttribute& src);
    ~CGXUserAttribute() override;

    // Overridables
    void Serialize(CArchive& ar) override;
    CGXAbstractUserAttribute& SetValueText(LPCTSTR pszValue) override;
    const CString& GetValueText() const override;
    LONG GetLongValue() const override;
    DWORD GetDWordValue() const override;
    double GetDoubleValue() const override;
    CGXAbstractUserAttribute* Clone() const override;
    BOOL IsEqual(const CGXAbstractUserAttribute& other) const override;

    // Operations
    DWORD GetKind() const
    {
        return m_nKind;
    }

    // Implementation
  private:
    CGXUserAttribute& operator=(const CGXUserAttribute&) = delete;
    void FreeText();

    DWORD m_nKind;
    union {
        DWORD dw[2];
        LONG l;
        char sz[8];
        char* psz;
        double d;
    } m_value;
};
