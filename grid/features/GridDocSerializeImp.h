// The archive forms of a grid's document objects: parameter object, properties, styles map, data
// object and its style arrays. Loading trusts no stored count: arrays grow as entries arrive and
// an entry outside its stored count is refused with a generic archive exception.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridDocSerializeImp : public CGXAbstractGridDocSerializeImp
{
  public:
    void SerializeStylesMap(CGXStylesMap& stylesMap, CArchive& ar) override;
    void SerializeData(CGXData& data, CArchive& ar) override;
    void SerializeStyleRows(CGXStylePtrArrayPtrArray& array, CArchive& ar) override;
    void SerializeStyleArray(CGXStylePtrArray& array, CArchive& ar) override;
    void SerializeProperties(CGXProperties& properties, CArchive& ar) override;
    void SerializeParam(CGXGridParam& param, CArchive& ar) override;

    enum
    {
        paramSchema = 11,
        propertiesSchema = 4,
        stylesMapSchema = 2,
        arraySchema = 1
    };

  private:
    void StoreParam(CGXGridParam& param, CArchive& ar);
    void LoadParam(CGXGridParam& param, CArchive& ar);
    void LoadStylesMap(CGXStylesMap& stylesMap, CArchive& ar);
    void LoadProperties(CGXProperties& properties, CArchive& ar);
};

// Installs the component with the style archive forms and the span pools it stores (once).
void AFXAPI GXInstallDocSerializeImp();
