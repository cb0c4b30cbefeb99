// How a money field shows and reads its amount: symbol, separators, grouping, decimals, the
// positive and negative templates, padding and colours. A plain value owned by each currency
// edit window (which names it CGXBCurrencyEdit::Format) and copied in and out of it.
#pragma once
#include "afxwin.h"

class CGXBCurrencyFormat
{
  public:
    // Construction
    // Built from the user locale, or from the built-in defaults ("$", ",", ".", 2 places).
    explicit CGXBCurrencyFormat(BOOL bFromLocale = TRUE);
    virtual ~CGXBCurrencyFormat() = default;

    // Overridables
    // TRUE when the text is a valid amount; dValue is the absolute amount.
    virtual BOOL ParseValue(LPCTSTR pszText, double& dValue, BOOL& bNegative) const;
    // dValue is the absolute amount; bNegative selects the negative template.
    virtual void FormatValue(double dValue, CString& strText, BOOL bNegative) const;
    // Index of the last c in the text (0: the decimal separator), -1 if there is none.
    virtual int FindDecimalSeparator(LPCTSTR pszText, char c = 0) const;
    // Where the amount lies in a text; FALSE (both -1) without a digit.
    virtual BOOL GetNumberBounds(LPCTSTR pszText, int& nFirst, int& nLast) const;
    virtual void Assign(const CGXBCurrencyFormat& other);
    virtual BOOL IsEqual(const CGXBCurrencyFormat& other) const;
    virtual BOOL IsNotEqual(const CGXBCurrencyFormat& other) const;

    // Attributes
    void SetLeadingZero(BOOL b)
    {
        m_bLeadingZero = b;
    }
    BOOL GetLeadingZero() const
    {
        return m_bLeadingZero;
    }
    void SetSeparatorLine(BOOL b)
    {
        m_bSeparatorLine = b;
    }
    BOOL GetSeparatorLine() const
    {
        return m_bSeparatorLine;
    }
    void SetKeepRightmostDigits(BOOL b)
    {
        m_bKeepRightmost = b;
    }
    BOOL GetKeepRightmostDigits() const
    {
        return m_bKeepRightmost;
    }
    void SetPadBeforeGrouping(BOOL b)
    {
        m_bPadBeforeGrouping = b;
    }
    BOOL GetPadBeforeGrouping() const
    {
        return m_bPadBeforeGrouping;
    }
    void SetCurrencySymbol(LPCTSTR psz)
    {
        m_strSymbol = psz;
    }
    const CString& GetCurrencySymbol() const
    {
        return m_strSymbol;
    }
    void SetGrouping(LPCTSTR psz)
    {
        m_strGrouping = psz;
    }
    const CString& GetGrouping() const
    {
        return m_strGrouping;
    }
    void SetThousandSeparator(char c)
    {
        m_cThousandSep = c;
    }
    char GetThousandSeparator() const
    {
        return m_cThousandSep;
    }
    void SetDecimalSeparator(char c)
    {
        m_cDecimalSep = c;
    }
    char GetDecimalSeparator() const
    {
        return m_cDecimalSep;
    }
    // Refuses a digit other than '0'.
    BOOL SetFillChar(char c);
    char GetFillChar() const
    {
        return m_cFill;
    }
    // The colour getters answer FALSE while their colour is not set.
    void SetBackColor(COLORREF cr)
    {
        SetFlaggedColor(m_crBack, setBackColor, cr);
    }
    BOOL GetBackColor(COLORREF& cr) const
    {
        return GetFlaggedColor(m_crBack, setBackColor, cr);
    }
    void SetNegativeColor(COLORREF cr)
    {
        SetFlaggedColor(m_crNegative, setNegativeColor, cr);
    }
    BOOL GetNegativeColor(COLORREF& cr) const
    {
        return GetFlaggedColor(m_crNegative, setNegativeColor, cr);
    }
    void SetPositiveColor(COLORREF cr)
    {
        SetFlaggedColor(m_crPositive, setPositiveColor, cr);
    }
    BOOL GetPositiveColor(COLORREF& cr) const
    {
        return GetFlaggedColor(m_crPositive, setPositiveColor, cr);
    }
    void SetLineColor(COLORREF cr)
    {
        m_crLine = cr;
    }
    COLORREF GetLineColor() const
    {
        return m_crLine;
    }
    void SetPositiveFormat(int n)
    {
        m_nPositiveFormat = n;
    }
    int GetPositiveFormat() const
    {
        return m_nPositiveFormat;
    }
    void SetNegativeFormat(int n)
    {
        m_nNegativeFormat = n;
    }
    int GetNegativeFormat() const
    {
        return m_nNegativeFormat;
    }
    // -1: no limit; otherwise the integer part is cut or padded to exactly this many places.
    void SetMaxIntegerDigits(int n)
    {
        m_nMaxIntDigits = n;
    }
    int GetMaxIntegerDigits() const
    {
        return m_nMaxIntDigits;
    }
    void SetDecimalPlaces(int n)
    {
        m_nDecimalPlaces = n;
    }
    int GetDecimalPlaces() const
    {
        return m_nDecimalPlaces;
    }

    // Implementation
    enum
    {
        setBackColor = 1,
        setNegativeColor = 2,
        setPositiveColor = 4
    };
    // The character shown as decimal separator (a blank for none).
    char ShownDecimalSeparator() const
    {
        return m_cDecimalSep ? m_cDecimalSep : ' ';
    }
    // Prefix and suffix of the template for the sign, the symbol put in.
    void GetTemplate(BOOL bNegative, CString& strPrefix, CString& strSuffix) const;

  private:
    void ReadLocale();
    void SetFlaggedColor(COLORREF& crField, DWORD dwFlag, COLORREF cr);
    BOOL GetFlaggedColor(COLORREF crField, DWORD dwFlag, COLORREF& cr) const;

    BOOL m_bLeadingZero = TRUE;
    BOOL m_bSeparatorLine = FALSE;
    BOOL m_bKeepRightmost = FALSE;
    BOOL m_bPadBeforeGrouping = FALSE;
    CString m_strSymbol;
    CString m_strGrouping;
    char m_cThousandSep = ',';
    char m_cDecimalSep = '.';
    char m_cFill = ' ';
    COLORREF m_crBack = 0;
    COLORREF m_crNegative = 0;
    COLORREF m_crPositive = 0;
    COLORREF m_crLine = 0;
    DWORD m_dwSetFlags = 0;
    int m_nPositiveFormat = 0;
    int m_nNegativeFormat = 0;
    int m_nMaxIntDigits = -1;
    int m_nDecimalPlaces = 2;
};
