// CPen: a GDI pen owned by the object (deleted with it).
//
// Differences from MFC:
// - Copy operations are deleted, as for every GDI wrapper.
#pragma once
#include "GdiObject.h"

class CPen : public CGdiObject
{
    DECLARE_DYNAMIC(CPen)

  public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF crColor)
    {
        Attach(::CreatePen(nPenStyle, nWidth, crColor));
    }
    static CPen* PASCAL FromHandle(HPEN hPen)
    {
        return (CPen*)CGdiObject::FromHandle(hPen);
    }
    operator HPEN() const
    {
        return (HPEN)GetSafeHandle();
    }
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
    {
        return Attach(::CreatePen(nPenStyle, nWidth, crColor));
    }
    BOOL CreatePenIndirect(LPLOGPEN lpLogPen)
    {
        return Attach(::CreatePenIndirect(lpLogPen));
    }
    int GetLogPen(LOGPEN* pLogPen)
    {
        return ::GetObject(m_hObject, sizeof(LOGPEN), pLogPen);
    }
};
