// CFontDialog: the system's font chooser, starting from and returning a LOGFONT.
//
// Differences from MFC:
// - No CHARFORMAT constructor (rich edit).
#pragma once
#include "CommonDialog.h"
#include "String.h"

class CDC;

class CFontDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFontDialog)

  public:
    // Construction
    // pdcPrinter: list the fonts of that printer (CF_PRINTERFONTS) instead of the screen's.
    explicit CFontDialog(LPLOGFONT lplfInitial = NULL, DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS,
                         CDC* pdcPrinter = NULL, CWnd* pParentWnd = NULL);

    // Attributes
    CHOOSEFONT m_cf;
    LOGFONT m_lf;
    void GetCurrentFont(LPLOGFONT lplf);
    CString GetFaceName() const
    {
        return m_lf.lfFaceName;
    }
    CString GetStyleName() const
    {
        return m_szStyleName;
    }
    int GetSize() const
    {
        return m_cf.iPointSize;
    } // tenths of a point
    COLORREF GetColor() const
    {
        return m_cf.rgbColors;
    }
    int GetWeight() const
    {
        return m_lf.lfWeight;
    }
    BOOL IsStrikeOut() const
    {
        return m_lf.lfStrikeOut != 0;
    }
    BOOL IsUnderline() const
    {
        return m_lf.lfUnderline != 0;
    }
    BOOL IsBold() const
    {
        return m_lf.lfWeight >= FW_SEMIBOLD;
    }
    BOOL IsItalic() const
    {
        return m_lf.lfItalic != 0;
    }

    // Operations
    INT_PTR DoModal() override;

    // Implementation
    TCHAR m_szStyleName[64];
};
