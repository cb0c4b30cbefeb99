// Number formats of cell values.
#include "grid/features/NumberFormattingImp.h"
#include "grid/core/AppData.h"
#include "grid/core/Style.h"
#include "OleDateTime.h"
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

void AFXAPI GXInstallNumberFormattingImp()
{
    CGXAppData* pAppData = GXGetAppData();
    if (pAppData->m_pNumberFormattingImp != NULL)
        return;
    pAppData->m_pNumberFormattingImp = new CGXNumberFormattingImp;
    pAppData->AddComponent(pAppData->m_pNumberFormattingImp);
}

namespace
{
// How a format code shows a number.
enum FormatKind
{
    kindValueText,   // the value text unchanged
    kindPrintf,      // pattern with the places, applied to v
    kindGrouped,     // pattern with the places applied to |v|, grouped, then the negative or positive frame
    kindHex,         // |v| truncated, "0x%X"
    kindLogical,     // "0" or "1" for 0 <= v < 2, else "?"
    kindDatePattern, // v as an OLE date, strftime pattern
    kindLocaleDate,  // the whole days of v in the user's format
    kindLocaleTime,  // the fraction of v in the user's format
    kindLocaleDateTime,
    kindHidden,
    kindPercent, // pattern with the places applied to v * 100
    kindFraction,
    kindLocaleNumber // "%.14g" through the user's number format
};

struct FormatRule
{
    FormatKind kind;
    LPCTSTR pszPattern;
    LPCTSTR pszNegative;
    LPCTSTR pszPositive;
};

const FormatRule s_aRules[CGXNumberFormattingImp::maxFormat + 1] = {
    {kindValueText, NULL, NULL, NULL},            // 0
    {kindPrintf, "%%.%dle", NULL, NULL},          // 1 scientific
    {kindPrintf, "%%.%dlf", NULL, NULL},          // 2 fixed
    {kindPrintf, "%%.%dlg", NULL, NULL},          // 3 general
    {kindGrouped, "%%.%dlf", "($%s)", "$%s "},    // 4 currency
    {kindGrouped, "%%.%dlf", "(%s)", "%s "},      // 5 comma
    {kindHex, "0x%X", NULL, NULL},                // 6
    {kindLogical, NULL, NULL, NULL},              // 7
    {kindDatePattern, "%d-%b-%y", NULL, NULL},    // 8
    {kindDatePattern, "%d-%b", NULL, NULL},       // 9
    {kindDatePattern, "%b-%y", NULL, NULL},       // 10
    {kindLocaleDate, NULL, NULL, NULL},           // 11
    {kindHidden, NULL, NULL, NULL},               // 12
    {kindLocaleTime, NULL, NULL, NULL},           // 13
    {kindPercent, "%%.%dlf%%%%", NULL, NULL},     // 14
    {kindValueText, NULL, NULL, NULL},            // 15
    {kindDatePattern, "%d.%m.%Y", NULL, NULL},    // 16
    {kindDatePattern, "%Y-%m-%d", NULL, NULL},    // 17
    {kindLocaleDateTime, NULL, NULL, NULL},       // 18
    {kindValueText, NULL, NULL, NULL},            // 19
    {kindValueText, NULL, NULL, NULL},            // 20
    {kindValueText, NULL, NULL, NULL},            // 21
    {kindValueText, NULL, NULL, NULL},            // 22
    {kindGrouped, "%%.%dlf", "(%s)", " %s "},     // 23 comma with a leading blank
    {kindFraction, NULL, NULL, NULL},             // 24
    {kindDatePattern, "%I:%M %p", NULL, NULL},    // 25
    {kindDatePattern, "%I:%M:%S %p", NULL, NULL}, // 26
    {kindDatePattern, "%H:%M", NULL, NULL},       // 27
    {kindLocaleNumber, NULL, NULL, NULL},         // 28
};

const int s_anPrimes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37};

// The largest value the percent format still multiplies.
const double s_dPercentLimit = 1.7976931348623156e+306;

// A printf pattern with the places filled in ("%%.%dlf" and 2 give "%.2lf").
CString PatternWithPlaces(LPCTSTR pszPattern, unsigned nPlaces)
{
    char sz[32];
    sprintf(sz, pszPattern, (int)nPlaces);
    return sz;
}

CString FormatGrouped(const FormatRule& rule, double v, unsigned nPlaces)
{
    CString strNumber;
    strNumber.Format(PatternWithPlaces(rule.pszPattern, nPlaces), fabs(v));
    CString strResult;
    strResult.Format(v < 0 ? rule.pszNegative : rule.pszPositive,
                     (LPCTSTR)CGXNumberFormattingImp::GroupThousands(strNumber));
    return strResult;
}
} // namespace

CString CGXNumberFormattingImp::FormatValue(const CGXStyle& style, LPCTSTR pszValue, unsigned nValueType,
                                            WORD, WORD)
{
    CString strValue = pszValue != NULL ? CString(pszValue) : style.GetValue();
    if (pszValue == NULL)
        nValueType = style.GetValueType();
    if (!style.GetInclude(CGXStyle::ibFormat))
        return strValue;
    unsigned nFormat = style.GetFormat();
    if (nFormat == hiddenFormat)
        return CString();
    if (nValueType != GX_VT_NUMBER)
        return strValue;
    // The value text holds a point; the runtime reads the library separator.
    CString strNumber = strValue;
    char cDecimal = GXGetAppData()->m_cDecimalSeparator;
    int iPoint = cDecimal != '.' ? strNumber.Find('.') : -1;
    if (iPoint >= 0)
        strNumber.SetAt(iPoint, cDecimal);
    double v = atof(strNumber);
    try
    {
        return FormatNumber(v, nFormat, style.GetPlaces(), strValue);
    }
    catch (CException* e)
    {
        e->Delete();
        return strValue;
    }
}

CString CGXNumberFormattingImp::FormatNumber(double v, unsigned nFormat, unsigned nPlaces,
                                             const CString& strValue)
{
    if (nFormat > maxFormat)
        return " Format? ";
    const FormatRule& rule = s_aRules[nFormat];
    CString strResult;
    switch (rule.kind)
    {
    case kindValueText:
        return strValue;
    case kindHidden:
        return CString();
    case kindPrintf:
        strResult.Format(PatternWithPlaces(rule.pszPattern, nPlaces), v);
        return strResult;
    case kindGrouped:
        return FormatGrouped(rule, v, nPlaces);
    case kindHex:
        strResult.Format(rule.pszPattern, (unsigned)(__int64)fabs(v));
        return strResult;
    case kindLogical:
        return v >= 0 && v < 2 ? ((int)v == 0 ? "0" : "1") : "?";
    case kindDatePattern:
        return COleDateTime(v).Format(rule.pszPattern);
    case kindLocaleDate:
        return COleDateTime(trunc(v)).Format(0, LANG_USER_DEFAULT);
    case kindLocaleTime:
        return COleDateTime(fmod(v, 1.0)).Format(0, LANG_USER_DEFAULT);
    case kindLocaleDateTime:
        return COleDateTime(v).Format(0, LANG_USER_DEFAULT);
    case kindPercent:
        if (v >= s_dPercentLimit)
            return " Percent! ";
        strResult.Format(PatternWithPlaces(rule.pszPattern, nPlaces), v * 100);
        return strResult;
    case kindFraction:
        return FormatFraction(v, nPlaces);
    case kindLocaleNumber: {
        char szNumber[64], szLocale[256];
        _snprintf(szNumber, sizeof(szNumber) - 1, "%.14g", v);
        szNumber[sizeof(szNumber) - 1] = 0;
        if (::GetNumberFormatA(LOCALE_USER_DEFAULT, 0, szNumber, NULL, szLocale, sizeof(szLocale)) == 0)
            return FormatGrouped(s_aRules[5], v, nPlaces);
        int n = lstrlenA(szLocale);
        strResult = szLocale;
        if (n > 0 && isdigit((unsigned char)szLocale[n - 1]))
            strResult += ' ';
        return strResult;
    }
    }
    return strValue;
}

CString CGXNumberFormattingImp::GroupThousands(const CString& strNumber)
{
    const CGXAppData* pAppData = GXGetAppData();
    int nBefore = strNumber.Find(pAppData->m_cDecimalSeparator);
    if (nBefore < 0)
        nBefore = strNumber.GetLength();
    CString strResult;
    for (int i = 0; i < strNumber.GetLength(); i++)
    {
        strResult += strNumber[i];
        if (nBefore > 3)
        {
            nBefore--;
            if (nBefore % 3 == 0)
                strResult += pAppData->m_cThousandSeparator;
        }
    }
    return strResult;
}

CString CGXNumberFormattingImp::FormatFraction(double v, unsigned nPlaces)
{
    if (nPlaces < 1 || nPlaces > 6)
        nPlaces = 3;
    double a = fabs(v);
    long nDenominator = (long)pow(10.0, (double)(nPlaces + 2));
    long nNumerator = (long)((a - floor(a)) * (double)nDenominator);
    for (int nPrime : s_anPrimes)
    {
        if (nPrime > sqrt((double)nNumerator))
            break;
        while (nNumerator % nPrime == 0 && nDenominator % nPrime == 0)
        {
            nNumerator /= nPrime;
            nDenominator /= nPrime;
        }
    }
    CString strResult;
    strResult.Format(" %ld/%ld", nNumerator, nDenominator);
    if (a >= 1)
    {
        CString strWhole;
        strWhole.Format("%d", (int)floor(a));
        strResult = strWhole + strResult;
    }
    return (v < 0 ? "-" : " ") + strResult;
}

BOOL CGXNumberFormattingImp::ParseValue(LPCTSTR pszText, double& dValue, unsigned* pnFormat,
                                        unsigned* pnPlaces)
{
    const CGXAppData* pAppData = GXGetAppData();
    const char cDecimal = pAppData->m_cDecimalSeparator, cThousand = pAppData->m_cThousandSeparator;
    const char* p = pszText;
    while (*p == ' ')
        p++;
    BOOL bParentheses = *p == '(';
    if (bParentheses)
        p++;
    BOOL bCurrency = *p == '$';
    if (bCurrency)
        p++;

    char szBuffer[maxParseLength + 1];
    int nLength = 0;
    int anThousands[maxThousandSeparators];
    int nThousands = 0;
    int iDecimal = -1, iExponent = -1, iClose = -1, iEnd = -1;
    int nDigits = 0, nDecimals = 0;
    int i = 0;
    for (; p[i] != 0 && iEnd < 0; i++)
    {
        if (i >= maxParseLength)
            return FALSE;
        char c = p[i];
        if (c == cThousand)
        {
            if (nThousands == maxThousandSeparators)
                return FALSE;
            anThousands[nThousands++] = i;
            continue;
        }
        if (c == cDecimal)
        {
            if (iDecimal >= 0)
                return FALSE;
            iDecimal = i;
        }
        else if (c == 'e' || c == 'E')
        {
            if (iExponent >= 0 || bParentheses)
                return FALSE;
            iExponent = i;
        }
        else if (c == '+' || c == '-')
        {
            if (bParentheses)
                return FALSE;
        }
        else if (isdigit((unsigned char)c))
        {
            if (iExponent < 0)
            {
                nDigits++;
                if (iDecimal >= 0)
                    nDecimals++;
            }
        }
        else if (c == ')' && bParentheses)
        {
            if (p[i + 1] != 0)
                return FALSE;
            iClose = i;
        }
        else if (c == ' ')
        {
            // Blanks end the number; nothing else may follow them.
            for (const char* q = p + i; *q != 0; q++)
                if (*q != ' ')
                    return FALSE;
            iEnd = i;
            continue;
        }
        else
            return FALSE;
        szBuffer[nLength++] = c;
    }
    szBuffer[nLength] = 0;
    if (iEnd < 0)
        iEnd = i;

    // Thousands separators stand three digits apart, counted back from the decimal separator,
    // the closing parenthesis, the exponent or the end.
    if (nThousands > 0)
    {
        int iReference = iDecimal >= 0 ? iDecimal : iClose >= 0 ? iClose : iExponent >= 0 ? iExponent : iEnd;
        for (int k = 0; k < nThousands; k++)
        {
            int nDistance = iReference - anThousands[k];
            if (nDistance <= 0 || nDistance % 4 != 0)
                return FALSE;
        }
    }

    if (nLength == 0 || (nLength == 1 && !isdigit((unsigned char)szBuffer[0])))
        return FALSE;
    char* pEnd = NULL;
    double d = strtod(szBuffer, &pEnd);
    if (bParentheses)
    {
        if (*pEnd != ')')
            return FALSE;
        pEnd++;
    }
    if (*pEnd != 0 || pEnd == szBuffer)
        return FALSE;
    dValue = bParentheses ? -d : d;

    if (nDecimals > 15)
        nDecimals = 15;
    if (nDigits > 16)
        nDigits = 16;
    unsigned nFormat, nPlaces;
    if (iExponent >= 0)
    {
        nFormat = 1;
        nPlaces = nDigits > 0 ? (unsigned)(nDigits - 1) : 0;
    }
    else
    {
        nPlaces = (unsigned)nDecimals;
        nFormat = bCurrency ? 4 : (nThousands > 0 || bParentheses) ? 5 : 2;
    }
    if (pnFormat != NULL)
        *pnFormat = nFormat;
    if (pnPlaces != NULL)
        *pnPlaces = nPlaces;
    return TRUE;
}
