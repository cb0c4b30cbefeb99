// Money amounts formatted with templates and parsed back from what the user typed.
#include "CurrencyFormat.h"
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
struct CurrencyTemplate
{
    LPCTSTR pszPrefix;
    LPCTSTR pszSuffix;
};

// Positive templates 0-3 as the locale numbers them; 4 is the "(1$)" choice of the cell's list.
const CurrencyTemplate s_aPositive[] = {
    {_T("%s"), _T("")}, {_T(""), _T("%s")}, {_T("%s "), _T("")}, {_T(""), _T(" %s")}, {_T("("), _T("%s)")},
};

// Negative templates in the order of the locale's values 0-15.
const CurrencyTemplate s_aNegative[] = {
    {_T("(%s"), _T(")")}, {_T("-%s"), _T("")},  {_T("%s-"), _T("")},   {_T("%s"), _T("-")},
    {_T("("), _T("%s)")}, {_T("-"), _T("%s")},  {_T(""), _T("-%s")},   {_T(""), _T("%s-")},
    {_T("-"), _T(" %s")}, {_T("-%s "), _T("")}, {_T(""), _T(" %s-")},  {_T("%s "), _T("-")},
    {_T("%s -"), _T("")}, {_T(""), _T("- %s")}, {_T("(%s "), _T(")")}, {_T("("), _T(" %s)")},
};

BOOL IsDigitChar(TCHAR c)
{
    return c >= '0' && c <= '9';
}

BOOL AllDigits(const CString& str)
{
    for (int i = 0; i < str.GetLength(); i++)
        if (!IsDigitChar(str[i]))
            return FALSE;
    return TRUE;
}

// A template part holding "%" takes the symbol; any other part stands as it is.
CString FillTemplatePart(LPCTSTR pszPart, const CString& strSymbol)
{
    CString str;
    if (strchr(pszPart, '%') != NULL)
        str.Format(pszPart, (LPCTSTR)strSymbol);
    else
        str = pszPart;
    return str;
}

// The locale item, empty when the locale has none.
CString LocaleItem(LCTYPE item)
{
    TCHAR sz[64] = {};
    if (GetLocaleInfo(LOCALE_USER_DEFAULT, item, sz, 64) <= 0)
        return CString();
    return CString(sz);
}
} // namespace

CGXBCurrencyFormat::CGXBCurrencyFormat(BOOL bFromLocale)
    : m_strSymbol(_T("$")), m_strGrouping(_T("3;0")), m_crLine(GetSysColor(COLOR_BTNSHADOW))
{
    if (bFromLocale)
        ReadLocale();
}

// The locale's digit count (LOCALE_IDIGITS) counts fractional digits, so it is not taken as the
// maximum of integer digits: that stays unlimited.
void CGXBCurrencyFormat::ReadLocale()
{
    CString str = LocaleItem(LOCALE_ILZERO);
    if (!str.IsEmpty())
        m_bLeadingZero = atoi(str);
    str = LocaleItem(LOCALE_SCURRENCY);
    if (!str.IsEmpty())
        m_strSymbol = str;
    str = LocaleItem(LOCALE_SMONGROUPING);
    if (!str.IsEmpty())
        m_strGrouping = str;
    str = LocaleItem(LOCALE_SMONTHOUSANDSEP);
    if (!str.IsEmpty())
        m_cThousandSep = (char)str[0];
    str = LocaleItem(LOCALE_SMONDECIMALSEP);
    if (!str.IsEmpty())
        m_cDecimalSep = (char)str[0];
    str = LocaleItem(LOCALE_ICURRENCY);
    if (!str.IsEmpty())
        m_nPositiveFormat = atoi(str);
    str = LocaleItem(LOCALE_INEGCURR);
    if (!str.IsEmpty())
        m_nNegativeFormat = atoi(str);
    str = LocaleItem(LOCALE_ICURRDIGITS);
    if (!str.IsEmpty())
        m_nDecimalPlaces = atoi(str);
}

BOOL CGXBCurrencyFormat::SetFillChar(char c)
{
    if (IsDigitChar(c) && c != '0')
        return FALSE;
    m_cFill = c;
    return TRUE;
}

void CGXBCurrencyFormat::SetFlaggedColor(COLORREF& crField, DWORD dwFlag, COLORREF cr)
{
    crField = cr;
    m_dwSetFlags |= dwFlag;
}

BOOL CGXBCurrencyFormat::GetFlaggedColor(COLORREF crField, DWORD dwFlag, COLORREF& cr) const
{
    cr = crField;
    return (m_dwSetFlags & dwFlag) != 0;
}

// An index outside the tables takes template 0.
void CGXBCurrencyFormat::GetTemplate(BOOL bNegative, CString& strPrefix, CString& strSuffix) const
{
    const CurrencyTemplate* pTable = bNegative ? s_aNegative : s_aPositive;
    int nCount = bNegative ? (int)(sizeof(s_aNegative) / sizeof(s_aNegative[0]))
                           : (int)(sizeof(s_aPositive) / sizeof(s_aPositive[0]));
    int nIndex = bNegative ? m_nNegativeFormat : m_nPositiveFormat;
    if (nIndex < 0 || nIndex >= nCount)
        nIndex = 0;
    strPrefix = FillTemplatePart(pTable[nIndex].pszPrefix, m_strSymbol);
    strSuffix = FillTemplatePart(pTable[nIndex].pszSuffix, m_strSymbol);
}

int CGXBCurrencyFormat::FindDecimalSeparator(LPCTSTR pszText, char c) const
{
    if (c == 0)
        c = ShownDecimalSeparator();
    LPCTSTR p = strrchr(pszText, c);
    return p ? (int)(p - pszText) : -1;
}

BOOL CGXBCurrencyFormat::GetNumberBounds(LPCTSTR pszText, int& nFirst, int& nLast) const
{
    nFirst = nLast = -1;
    int nLen = (int)strlen(pszText);
    int i = nLen - 1;
    while (i >= 0 && !IsDigitChar(pszText[i]))
        i--;
    if (i < 0)
        return FALSE;
    nLast = nFirst = i;
    BOOL bDecimalAllowed = TRUE;
    for (i = nLast - 1; i >= 0; i--)
    {
        TCHAR c = pszText[i];
        if (IsDigitChar(c))
            nFirst = i;
        else if (c == ShownDecimalSeparator() && bDecimalAllowed)
        {
            nFirst = i;
            bDecimalAllowed = FALSE;
        }
        else if (m_cThousandSep != 0 && c == m_cThousandSep)
        {
            nFirst = i;
            bDecimalAllowed = FALSE;
        }
        else
            break;
    }
    return TRUE;
}

BOOL CGXBCurrencyFormat::ParseValue(LPCTSTR pszText, double& dValue, BOOL& bNegative) const
{
    bNegative = FALSE;
    CString strText(pszText);
    if (strText.IsEmpty())
    {
        dValue = 0.0;
        return TRUE;
    }
    strText.TrimLeft();
    strText.TrimRight();
    BOOL bOpen = strText.Find('(') >= 0, bClose = strText.Find(')') >= 0;
    if (bOpen != bClose)
        return FALSE;
    if (bOpen)
        bNegative = TRUE;

    int nFirst, nLast;
    if (!GetNumberBounds(strText, nFirst, nLast))
        return FALSE;
    if (strText.Left(nFirst).Find('-') >= 0 || strText.Mid(nLast + 1).Find('-') >= 0)
        bNegative = TRUE;

    CString strAmount = strText.Mid(nFirst, nLast - nFirst + 1);
    CString strInteger = strAmount, strFraction;
    int nSep = FindDecimalSeparator(strAmount);
    if (nSep >= 0)
    {
        strInteger = strAmount.Left(nSep);
        strFraction = strAmount.Mid(nSep + 1);
    }
    if (m_cThousandSep != 0)
        strInteger.Remove(m_cThousandSep);
    if (!AllDigits(strInteger) || !AllDigits(strFraction))
        return FALSE;
    CString strNumber = strInteger + CString(*localeconv()->decimal_point) + strFraction;
    dValue = strtod(strNumber, NULL);
    return TRUE;
}

void CGXBCurrencyFormat::FormatValue(double dValue, CString& strText, BOOL bNegative) const
{
    const int m = m_nMaxIntDigits;
    // Keeps the leftmost m integer digits: the value is divided down by its surplus places.
    if (dValue != 0.0 && !m_bKeepRightmost && m != -1)
    {
        int e = (int)log10(dValue);
        int d = e - (m - 1);
        if (e != 0 && d > 0)
        {
            double dInteger = floor(dValue);
            dValue = (dValue - dInteger) + floor(dInteger / floor(pow(10.0, d)));
        }
    }

    CString strPrefix, strSuffix;
    GetTemplate(bNegative, strPrefix, strSuffix);

    CString strAmount;
    strAmount.Format(_T("%.*f"), m_nDecimalPlaces, dValue);
    if (dValue < 1.0 && !m_bLeadingZero)
    {
        strAmount.SetAt(0, ' ');
        strAmount.TrimLeft();
    }
    int p = strAmount.Find(*localeconv()->decimal_point);
    if (p >= 0)
        strAmount.SetAt(p, ShownDecimalSeparator());
    else
        p = strAmount.GetLength();

    int nPad = 0;
    if (m != -1)
    {
        if (p - m > 0)
        {
            strAmount = strAmount.Mid(p - m);
            p = m;
        }
        nPad = m - p;
        if (nPad > 0 && m_bPadBeforeGrouping)
            strAmount = CString(m_cFill, nPad) + strAmount;
    }

    if (m_cThousandSep != 0)
    {
        int g = atoi(m_strGrouping);
        int nInteger = strAmount.Find(ShownDecimalSeparator());
        if (nInteger < 0)
            nInteger = strAmount.GetLength();
        if (g > 0 && (nInteger - 1) / g >= 1)
        {
            CString strGrouped;
            for (int i = 0; i < nInteger; i++)
            {
                strGrouped += strAmount[i];
                int nRemaining = nInteger - i - 1;
                if (nRemaining > 0 && nRemaining % g == 0)
                    strGrouped += m_cThousandSep;
            }
            strAmount = strGrouped + strAmount.Mid(nInteger);
        }
    }
    if (nPad > 0 && !m_bPadBeforeGrouping)
        strAmount = CString(m_cFill, nPad) + strAmount;

    strText = strPrefix + strAmount + strSuffix;
}

void CGXBCurrencyFormat::Assign(const CGXBCurrencyFormat& other)
{
    if (this != &other)
        *this = other;
}

BOOL CGXBCurrencyFormat::IsEqual(const CGXBCurrencyFormat& other) const
{
    return m_bLeadingZero == other.m_bLeadingZero && m_bSeparatorLine == other.m_bSeparatorLine &&
           m_bKeepRightmost == other.m_bKeepRightmost && m_bPadBeforeGrouping == other.m_bPadBeforeGrouping &&
           strcmp(m_strSymbol, other.m_strSymbol) == 0 && strcmp(m_strGrouping, other.m_strGrouping) == 0 &&
           m_cThousandSep == other.m_cThousandSep && m_cDecimalSep == other.m_cDecimalSep &&
           m_cFill == other.m_cFill && m_crBack == other.m_crBack && m_crNegative == other.m_crNegative &&
           m_crPositive == other.m_crPositive && m_crLine == other.m_crLine &&
           m_dwSetFlags == other.m_dwSetFlags && m_nPositiveFormat == other.m_nPositiveFormat &&
           m_nNegativeFormat == other.m_nNegativeFormat && m_nMaxIntDigits == other.m_nMaxIntDigits &&
           m_nDecimalPlaces == other.m_nDecimalPlaces;
}

BOOL CGXBCurrencyFormat::IsNotEqual(const CGXBCurrencyFormat& other) const
{
    return !IsEqual(other);
}
