// CPalette: a GDI palette owned by the object.
//
// Differences from MFC:
// - Copy operations are deleted, as for every GDI wrapper.
#pragma once
#include "GdiObject.h"

class CDC;

class CPalette : public CGdiObject
{
    DECLARE_DYNAMIC(CPalette)

  public:
    CPalette() = default;
    static CPalette* PASCAL FromHandle(HPALETTE hPalette)
    {
        return (CPalette*)CGdiObject::FromHandle(hPalette);
    }
    operator HPALETTE() const
    {
        return (HPALETTE)GetSafeHandle();
    }
    BOOL CreatePalette(LPLOGPALETTE lpLogPalette)
    {
        return Attach(::CreatePalette(lpLogPalette));
    }
    BOOL CreateHalftonePalette(class CDC* pDC);
    int GetEntryCount()
    {
        WORD nEntries = 0;
        ::GetObject(m_hObject, sizeof(WORD), &nEntries);
        return (int)nEntries;
    }
    UINT GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const
    {
        return ::GetPaletteEntries((HPALETTE)m_hObject, nStartIndex, nNumEntries, lpPaletteColors);
    }
    UINT SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors)
    {
        return ::SetPaletteEntries((HPALETTE)m_hObject, nStartIndex, nNumEntries, lpPaletteColors);
    }
    UINT GetNearestPaletteIndex(COLORREF crColor) const
    {
        return ::GetNearestPaletteIndex((HPALETTE)m_hObject, crColor);
    }
    BOOL ResizePalette(UINT nNumEntries)
    {
        return ::ResizePalette((HPALETTE)m_hObject, nNumEntries);
    }
};
