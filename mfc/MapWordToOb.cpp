// CMapWordToOb: a map from WORDs to CObject pointers.
#include "MapWordToOb.h"

IMPLEMENT_SERIAL(CMapWordToOb, CObject, 0)

void CMapWordToOb::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    AfxSerializeObjectMap(ar, *this);
}
