// CBrush: a GDI brush owned by the object: solid, hatched, pattern or system colour.
//
// Differences from MFC:
// - Copy operations are deleted, as for every GDI wrapper.
#pragma once
#include "GdiObject.h"

class CBitmap;

class CBrush : public CGdiObject
{
    DECLARE_DYNAMIC(CBrush)

  public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor)
    {
        Attach(::CreateSolidBrush(crColor));
    }
    CBrush(int nIndex, COLORREF crColor)
    {
        Attach(::CreateHatchBrush(nIndex, crColor));
    }
    static CBrush* PASCAL FromHandle(HBRUSH hBrush)
    {
        return (CBrush*)CGdiObject::FromHandle(hBrush);
    }
    operator HBRUSH() const
    {
        return (HBRUSH)GetSafeHandle();
    }
    BOOL CreateSolidBrush(COLORREF crColor)
    {
        return Attach(::CreateSolidBrush(crColor));
    }
    BOOL CreateHatchBrush(int nIndex, COLORREF crColor)
    {
        return Attach(::CreateHatchBrush(nIndex, crColor));
    }
    BOOL CreateBrushIndirect(const LOGBRUSH* lpLogBrush)
    {
        return Attach(::CreateBrushIndirect(lpLogBrush));
    }
    BOOL CreatePatternBrush(class CBitmap* pBitmap);
    BOOL CreateSysColorBrush(int nIndex)
    {
        return Attach(::GetSysColorBrush(nIndex));
    }
    int GetLogBrush(LOGBRUSH* pLogBrush)
    {
        return ::GetObject(m_hObject, sizeof(LOGBRUSH), pLogBrush);
    }
};
