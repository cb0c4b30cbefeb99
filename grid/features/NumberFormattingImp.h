// Display texts of cell values by their style's number format (fixed, scientific, currency,
// percent, fractions, dates and times ...) and typed numbers read back with the format they
// suggest. Library-wide, stateless; the separators come from the library data.
#pragma once
#include "grid/core/GridComponents.h"

class CGXNumberFormattingImp : public CGXAbstractNumberFormattingImp
{
  public:
    CString FormatValue(const CGXStyle& style, LPCTSTR pszValue, unsigned nValueType, WORD w1 = 0,
                        WORD w2 = 0) override;
    BOOL ParseValue(LPCTSTR pszText, double& dValue, unsigned* pnFormat = NULL,
                    unsigned* pnPlaces = NULL) override;

    // Implementation
    enum
    {
        maxFormat = 28,
        hiddenFormat = 12,
        maxParseLength = 257,
        maxThousandSeparators = 19
    };
    // The display text of the number v; strValue is the value text for the codes that show it.
    static CString FormatNumber(double v, unsigned nFormat, unsigned nPlaces, const CString& strValue);
    // Inserts the library thousands separator into the digits before the decimal separator.
    static CString GroupThousands(const CString& strNumber);
    // " n/d" reduced, behind the whole part and a sign or blank.
    static CString FormatFraction(double v, unsigned nPlaces);
};

// Installs the library-wide component (once).
void AFXAPI GXInstallNumberFormattingImp();
