// CMapPtrToWord: a map from pointers to WORDs.
#include "MapPtrToWord.h"

IMPLEMENT_DYNAMIC(CMapPtrToWord, CObject)

void CMapPtrToWord::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
}
