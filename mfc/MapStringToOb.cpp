// CMapStringToOb: a map from strings to CObject pointers.
#include "MapStringToOb.h"

IMPLEMENT_SERIAL(CMapStringToOb, CObject, 0)

void CMapStringToOb::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    AfxSerializeObjectMap(ar, *this);
}
