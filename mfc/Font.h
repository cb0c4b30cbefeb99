// CFont: a GDI font owned by the object, also created from a point size (tenths of a point).
//
// Differences from MFC:
// - Copy operations are deleted, as for every GDI wrapper.
#pragma once
#include "GdiObject.h"

class CDC;

class CFont : public CGdiObject
{
    DECLARE_DYNAMIC(CFont)

  public:
    CFont() = default;
    static CFont* PASCAL FromHandle(HFONT hFont)
    {
        return (CFont*)CGdiObject::FromHandle(hFont);
    }
    operator HFONT() const
    {
        return (HFONT)GetSafeHandle();
    }
    BOOL CreateFontIndirect(const LOGFONT* lpLogFont)
    {
        return Attach(::CreateFontIndirect(lpLogFont));
    }
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                    BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                    BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename)
    {
        return Attach(::CreateFont(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline,
                                   cStrikeOut, nCharSet, nOutPrecision, nClipPrecision, nQuality,
                                   nPitchAndFamily, lpszFacename));
    }
    // nPointSize in tenths of a point, converted for pDC (the screen when NULL).
    BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, class CDC* pDC = NULL);
    BOOL CreatePointFontIndirect(const LOGFONT* lpLogFont, class CDC* pDC = NULL);
    int GetLogFont(LOGFONT* pLogFont)
    {
        return ::GetObject(m_hObject, sizeof(LOGFONT), pLogFont);
    }
};
