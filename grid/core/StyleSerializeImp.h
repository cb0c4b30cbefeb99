// The archive forms of styles, fonts and brushes (installed once per process). A style is
// written as schema 6; fonts carry their face by name, since face indexes differ between
// processes.
#pragma once
#include "grid/core/GridComponents.h"

class CGXStyleSerializeImp : public CGXAbstractStyleSerializeImp
{
  public:
    void SerializeFont(CGXFont& font, CArchive& ar) override;
    void SerializeBrush(CGXCellBrush& brush, CArchive& ar) override;
    void SerializeStyle(CGXStyle& style, CArchive& ar, const CGXStylesMap* pStylesMap) override;

    enum
    {
        styleSchema = 6
    };
};

void AFXAPI GXInstallStyleSerializeImp();
