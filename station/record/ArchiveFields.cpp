// Field-by-field storing of the Win32 records and typed object lists.
#include "station/record/ArchiveFields.h"
#include "ArchiveException.h"
#include "ObList.h"

namespace archive_fields
{

void Store(CArchive& ar, const RECT& rect)
{
    ar << (LONG)rect.left << (LONG)rect.top << (LONG)rect.right << (LONG)rect.bottom;
}

void Load(CArchive& ar, RECT& rect)
{
    ar >> rect.left >> rect.top >> rect.right >> rect.bottom;
}

void Store(CArchive& ar, const LOGPEN& pen)
{
    ar << (DWORD)pen.lopnStyle << (LONG)pen.lopnWidth.x << (LONG)pen.lopnWidth.y << (DWORD)pen.lopnColor;
}

void Load(CArchive& ar, LOGPEN& pen)
{
    DWORD style, color;
    ar >> style >> pen.lopnWidth.x >> pen.lopnWidth.y >> color;
    pen.lopnStyle = style;
    pen.lopnColor = color;
}

void Store(CArchive& ar, const LOGBRUSH& brush)
{
    ar << (DWORD)brush.lbStyle << (DWORD)brush.lbColor << (LONG)brush.lbHatch;
}

void Load(CArchive& ar, LOGBRUSH& brush)
{
    DWORD style, color;
    LONG hatch;
    ar >> style >> color >> hatch;
    brush.lbStyle = style;
    brush.lbColor = color;
    brush.lbHatch = (ULONG_PTR)hatch;
}

void Store(CArchive& ar, const LOGFONTA& font)
{
    ar << (LONG)font.lfHeight << (LONG)font.lfWidth << (LONG)font.lfEscapement << (LONG)font.lfOrientation
       << (LONG)font.lfWeight;
    ar << font.lfItalic << font.lfUnderline << font.lfStrikeOut << font.lfCharSet << font.lfOutPrecision
       << font.lfClipPrecision << font.lfQuality << font.lfPitchAndFamily;
    ar.Write(font.lfFaceName, LF_FACESIZE);
}

void Load(CArchive& ar, LOGFONTA& font)
{
    ar >> font.lfHeight >> font.lfWidth >> font.lfEscapement >> font.lfOrientation >> font.lfWeight;
    ar >> font.lfItalic >> font.lfUnderline >> font.lfStrikeOut >> font.lfCharSet >> font.lfOutPrecision >>
        font.lfClipPrecision >> font.lfQuality >> font.lfPitchAndFamily;
    if (ar.Read(font.lfFaceName, LF_FACESIZE) != LF_FACESIZE)
        AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    font.lfFaceName[LF_FACESIZE - 1] = '\0';
}

void StoreEnd(CArchive& ar)
{
    ar << (WORD)2;
}

void SkipEnd(CArchive& ar)
{
    WORD end;
    ar >> end;
}

WORD ToWord(int n)
{
    return (WORD)(n & 0xFFFF);
}

void StoreList(CArchive& ar, const CObList& list)
{
    ar.WriteCount((DWORD)list.GetCount());
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        ar.WriteObject(list.GetNext(pos));
}

namespace
{
void LoadListOf(CArchive& ar, CObList& list, const CRuntimeClass* pClass, bool bOwned)
{
    DWORD nCount = ar.ReadCount();
    for (DWORD i = 0; i < nCount; i++)
    {
        // Null records are dropped: every member of these lists is drawn or shown.
        CObject* pObject = bOwned ? ar.ReadNewObject(pClass) : ar.ReadObject(pClass);
        if (pObject != NULL)
            list.AddTail(pObject);
    }
}
} // namespace

void LoadList(CArchive& ar, CObList& list, const CRuntimeClass* pClass)
{
    LoadListOf(ar, list, pClass, false);
}

void LoadOwnedList(CArchive& ar, CObList& list, const CRuntimeClass* pClass)
{
    LoadListOf(ar, list, pClass, true);
}

} // namespace archive_fields
