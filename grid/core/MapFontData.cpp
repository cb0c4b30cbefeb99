// The map of shared LOGFONT records.
#include "grid/core/MapFontData.h"

IMPLEMENT_DYNCREATE(CGXMapFontData, CObject)

GXFontData* CGXMapFontData::Lookup(const GXByte8Key& key) const
{
    auto* p = m_map.Find(key);
    return p != NULL ? &p->value : NULL;
}
