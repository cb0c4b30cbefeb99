// Grid settings in the application profile (the registry below the application's key, or its
// INI file): the properties, single styles, fonts and the map of base styles, all as strings.
// Values out of range (a brush or pen style, a hatch) are ignored; a face is cut to what a
// LOGFONT holds.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridProfileImp : public CGXAbstractGridProfileImp
{
  public:
    void WriteStylesMap(const CGXStylesMap& stylesMap) override;
    void WriteFont(const CGXFont& font, LPCTSTR pszSection, LPCTSTR pszEntry) override;
    void WriteStyle(const CGXStyle& style, LPCTSTR pszSection, const CGXStylesMap* pStylesMap) override;
    void WriteProperties(const CGXProperties& properties) override;
    BOOL ReadStylesMap(CGXStylesMap& stylesMap) override;
    BOOL ReadFont(CGXFont& font, LPCTSTR pszSection, LPCTSTR pszEntry) override;
    BOOL ReadStyle(CGXStyle& style, LPCTSTR pszSection, const CGXStylesMap* pStylesMap) override;
    BOOL ReadProperties(CGXProperties& properties) override;

    // The choice-list form: backslashes doubled, line feeds as "\n", carriage returns dropped;
    // reading gives CR LF for "\n".
    static CString EncodeChoiceList(const CString& strChoices);
    static CString DecodeChoiceList(const CString& strValue);
    // The font text "face,size,weight,italic,underline,strike-out,orientation" (empty fields for
    // attributes the font does not include).
    static CString FontText(const CGXFont& font);
    // FALSE for an empty text; otherwise the font takes the fields present.
    static BOOL ParseFontText(const CString& strText, CGXFont& font);
};

void AFXAPI GXInstallProfileImp();
