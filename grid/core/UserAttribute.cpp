// The general user attribute and its kinds.
#include "grid/core/UserAttribute.h"
#include "grid/core/AppData.h"
#include <math.h>
#include <mbstring.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

IMPLEMENT_SERIAL(CGXUserAttribute, CGXAbstractUserAttribute, 1)

namespace
{
// A text is a number when the value parser takes it as one and "%.13g" gives the same text back.
BOOL TextIsNumber(LPCTSTR pszText, double& d)
{
    CGXAbstractNumberFormattingImp* pParser = GXGetAppData()->m_pNumberFormattingImp;
    if (pParser == NULL || !pParser->ParseValue(pszText, d))
        return FALSE;
    char sz[64];
    _snprintf(sz, sizeof(sz) - 1, "%.13g", d);
    sz[sizeof(sz) - 1] = 0;
    return _mbscmp((const unsigned char*)sz, (const unsigned char*)pszText) == 0;
}

CString& SharedText()
{
    static CString s_str;
    return s_str;
}
} // namespace

CGXUserAttribute::CGXUserAttribute() : m_nKind(kindEmpty)
{
    memset(&m_value, 0, sizeof(m_value));
}

CGXUserAttribute::CGXUserAttribute(DWORD dwValue) : CGXUserAttribute()
{
    m_nKind = kindDWord;
    m_value.dw[0] = dwValue;
}

CGXUserAttribute::CGXUserAttribute(LONG lValue) : CGXUserAttribute()
{
    m_nKind = kindLong;
    m_value.l = lValue;
}

CGXUserAttribute::CGXUserAttribute(double dValue) : CGXUserAttribute()
{
    m_nKind = kindDouble;
    m_value.d = dValue;
}

CGXUserAttribute::CGXUserAttribute(LPCTSTR pszValue) : CGXUserAttribute()
{
    SetValueText(pszValue);
}

CGXUserAttribute::CGXUserAttribute(const CString& strValue) : CGXUserAttribute()
{
    SetValueText(strValue);
}

CGXUserAttribute::CGXUserAttribute(DWORD dwLow, DWORD dwHigh) : CGXUserAttribute()
{
    m_nKind = kindBinary;
    m_value.dw[0] = dwLow;
    m_value.dw[1] = dwHigh;
}

CGXUserAttribute::CGXUserAttribute(const CGXUserAttribute& src) : CGXUserAttribute()
{
    m_nId = src.m_nId;
    m_nKind = src.m_nKind;
    if (m_nKind == kindText)
        m_value.psz = _strdup(src.m_value.psz);
    else
        m_value = src.m_value;
}

CGXUserAttribute::~CGXUserAttribute()
{
    FreeText();
}

void CGXUserAttribute::FreeText()
{
    if (m_nKind == kindText)
        free(m_value.psz);
    memset(&m_value, 0, sizeof(m_value));
    m_nKind = kindEmpty;
}

CGXAbstractUserAttribute& CGXUserAttribute::SetValueText(LPCTSTR pszValue)
{
    FreeText();
    if (pszValue == NULL || *pszValue == 0)
        return *this;
    double d;
    size_t n = strlen(pszValue);
    if (TextIsNumber(pszValue, d))
    {
        m_nKind = kindDouble;
        m_value.d = d;
    }
    else if (n > sizeof(m_value.sz))
    {
        m_value.psz = _strdup(pszValue);
        if (m_value.psz == NULL)
            AfxThrowMemoryException();
        m_nKind = kindText;
    }
    else
    {
        memcpy(m_value.sz, pszValue, n);
        m_nKind = kindShortText;
    }
    return *this;
}

const CString& CGXUserAttribute::GetValueText() const
{
    CString& s = SharedText();
    switch (m_nKind)
    {
    case kindEmpty:
        s.Empty();
        break;
    case kindDWord:
        s.Format("%lu", (unsigned long)m_value.dw[0]);
        break;
    case kindLong:
        s.Format("%ld", (long)m_value.l);
        break;
    case kindShortText:
        s = CString(m_value.sz, (int)strnlen(m_value.sz, sizeof(m_value.sz)));
        break;
    case kindText:
        s = m_value.psz;
        break;
    case kindDouble:
        s.Format("%.13g", m_value.d);
        break;
    case kindBinary:
        s.Format("%08x%08x", (unsigned)m_value.dw[0], (unsigned)m_value.dw[1]);
        break;
    default:
        s = "Value?";
        break;
    }
    return s;
}

LONG CGXUserAttribute::GetLongValue() const
{
    switch (m_nKind)
    {
    case kindDWord:
    case kindLong:
        return m_value.l;
    case kindShortText:
    case kindText:
        return atol(GetValueText());
    case kindDouble: {
        // Rounded, and held inside the LONG range instead of overflowing.
        double d = floor(m_value.d + 0.5);
        if (!(d >= -2147483648.0))
            return LONG_MIN;
        if (d > 2147483647.0)
            return LONG_MAX;
        return (LONG)d;
    }
    default:
        return 0;
    }
}

DWORD CGXUserAttribute::GetDWordValue() const
{
    return (DWORD)GetLongValue();
}

double CGXUserAttribute::GetDoubleValue() const
{
    switch (m_nKind)
    {
    case kindDWord:
        return (double)m_value.dw[0];
    case kindLong:
        return (double)m_value.l;
    case kindShortText:
    case kindText:
        return atof(GetValueText());
    case kindDouble:
        return m_value.d;
    default:
        return 0.0;
    }
}

CGXAbstractUserAttribute* CGXUserAttribute::Clone() const
{
    return new CGXUserAttribute(*this);
}

BOOL CGXUserAttribute::IsEqual(const CGXAbstractUserAttribute& other) const
{
    const CGXUserAttribute* p = dynamic_cast<const CGXUserAttribute*>(&other);
    if (p == NULL || m_nId != p->m_nId || m_nKind != p->m_nKind)
        return FALSE;
    switch (m_nKind)
    {
    case kindEmpty:
        return TRUE;
    case kindDWord:
    case kindLong:
        return m_value.dw[0] == p->m_value.dw[0];
    case kindShortText:
    case kindText:
        return CGXAbstractUserAttribute::IsEqual(other);
    case kindDouble:
        return m_value.d == p->m_value.d;
    default:
        return m_value.dw[0] == p->m_value.dw[0] && m_value.dw[1] == p->m_value.dw[1];
    }
}

void CGXUserAttribute::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << (BYTE)m_nKind;
        if (m_nKind == kindShortText || m_nKind == kindText)
            ar << GetValueText();
        else
            ar.Write(&m_value, 8);
    }
    else
    {
        FreeText();
        BYTE b;
        ar >> b;
        if (b == kindShortText || b == kindText)
        {
            CString s;
            ar >> s;
            // Stored texts stay texts, even when they look like numbers.
            if (s.GetLength() > (int)sizeof(m_value.sz))
            {
                m_value.psz = _strdup(s);
                if (m_value.psz == NULL)
                    AfxThrowMemoryException();
                m_nKind = kindText;
            }
            else
            {
                memcpy(m_value.sz, (LPCTSTR)s, s.GetLength());
                m_nKind = kindShortText;
            }
        }
        else
        {
            if (ar.Read(&m_value, 8) != 8)
                AfxThrowArchiveException(CArchiveException::endOfFile);
            m_nKind = b;
        }
    }
}
