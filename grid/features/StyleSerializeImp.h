// The archive forms of styles, fonts, brushes and border pens (installed once per process). A
// style is written as schema 6 and a font as schema 2; older styles and fonts are read too.
// Values a loaded archive gives out of range are refused with a generic archive exception, so
// that nothing malformed reaches the drawing code.
#pragma once
#include "grid/core/GridComponents.h"

class CGXCellPen;

class CGXStyleSerializeImp : public CGXAbstractStyleSerializeImp
{
  public:
    void SerializeFont(CGXFont& font, CArchive& ar) override;
    void SerializeBrush(CGXCellBrush& brush, CArchive& ar) override;
    void SerializePen(CGXCellPen& pen, CArchive& ar) override;
    void SerializeStyle(CGXStyle& style, CArchive& ar, const CGXStylesMap* pStylesMap) override;

    enum
    {
        styleSchema = 6,
        fontSchema = 2
    };

  private:
    void ReadOldFont(CGXFont& font, CArchive& ar);
};

void AFXAPI GXInstallStyleSerializeImp();

// Pen text, shared by the archive and the profile: "style width red green blue kind", the kind
// being the colour value's high byte (254 - n for system colour n, whose current RGB is written).
CString AFXAPI GXPenText(const CGXCellPen& pen);
// Reads a pen text: FALSE (pen untouched) with fewer than five numbers or a style above 7.
BOOL AFXAPI GXParsePenText(LPCTSTR pszText, CGXCellPen& pen);
// Reads up to nMax numbers (atol) separated by blanks or by cSeparator, blanks after a
// separator skipped; returns how many there were.
int AFXAPI GXParseNumbers(LPCTSTR pszText, char cSeparator, long* anValues, int nMax);
// The colour value of red, green and blue with a kind byte (1, 2 palette forms; 65-254 system
// colour 254 - kind; anything else plain RGB).
COLORREF AFXAPI GXColorFromParts(long r, long g, long b, long nKind);
