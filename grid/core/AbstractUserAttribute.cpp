// The user-attribute base: a value seen only through its text.
#include "grid/core/AbstractUserAttribute.h"
#include <mbstring.h>
#include <stdlib.h>

IMPLEMENT_SERIAL(CGXAbstractUserAttribute, CObject, 1)

void CGXAbstractUserAttribute::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << GetValueText();
    else
    {
        CString s;
        ar >> s;
        SetValueString(s);
    }
}

CGXAbstractUserAttribute& CGXAbstractUserAttribute::SetValueText(LPCTSTR)
{
    return *this;
}

CGXAbstractUserAttribute& CGXAbstractUserAttribute::SetValueString(const CString& strValue)
{
    return SetValueText(strValue);
}

const CString& CGXAbstractUserAttribute::GetValueText() const
{
    static const CString s_strEmpty;
    return s_strEmpty;
}

LONG CGXAbstractUserAttribute::GetLongValue() const
{
    return atol(GetValueText());
}

DWORD CGXAbstractUserAttribute::GetDWordValue() const
{
    return (DWORD)atol(GetValueText());
}

double CGXAbstractUserAttribute::GetDoubleValue() const
{
    return atof(GetValueText());
}

CGXAbstractUserAttribute* CGXAbstractUserAttribute::Clone() const
{
    CGXAbstractUserAttribute* p = new CGXAbstractUserAttribute;
    p->m_nId = m_nId;
    return p;
}

BOOL CGXAbstractUserAttribute::IsEqual(const CGXAbstractUserAttribute& other) const
{
    if (m_nId != other.m_nId)
        return FALSE;
    // Each text is copied first: both may come from one shared result string.
    CString a = GetValueText();
    CString b = other.GetValueText();
    return _mbscmp((const unsigned char*)(LPCTSTR)a, (const unsigned char*)(LPCTSTR)b) == 0;
}

BOOL CGXAbstractUserAttribute::IsEmptyValue() const
{
    return GetValueText().IsEmpty();
}
