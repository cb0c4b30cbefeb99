// CRgn: a GDI region owned by the object, with the combining and testing operations.
//
// Differences from MFC:
// - Copy operations are deleted, as for every GDI wrapper.
#pragma once
#include "GdiObject.h"

class CRgn : public CGdiObject
{
    DECLARE_DYNAMIC(CRgn)

  public:
    CRgn() = default;
    static CRgn* PASCAL FromHandle(HRGN hRgn)
    {
        return (CRgn*)CGdiObject::FromHandle(hRgn);
    }
    operator HRGN() const
    {
        return (HRGN)GetSafeHandle();
    }
    BOOL CreateRectRgn(int x1, int y1, int x2, int y2)
    {
        return Attach(::CreateRectRgn(x1, y1, x2, y2));
    }
    BOOL CreateRectRgnIndirect(LPCRECT lpRect)
    {
        return Attach(::CreateRectRgnIndirect(lpRect));
    }
    BOOL CreateEllipticRgn(int x1, int y1, int x2, int y2)
    {
        return Attach(::CreateEllipticRgn(x1, y1, x2, y2));
    }
    BOOL CreateEllipticRgnIndirect(LPCRECT lpRect)
    {
        return Attach(::CreateEllipticRgnIndirect(lpRect));
    }
    BOOL CreatePolygonRgn(LPPOINT lpPoints, int nCount, int nMode)
    {
        return Attach(::CreatePolygonRgn(lpPoints, nCount, nMode));
    }
    BOOL CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3)
    {
        return Attach(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
    }
    void SetRectRgn(int x1, int y1, int x2, int y2)
    {
        ::SetRectRgn((HRGN)m_hObject, x1, y1, x2, y2);
    }
    void SetRectRgn(LPCRECT lpRect)
    {
        ::SetRectRgn((HRGN)m_hObject, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    int CombineRgn(CRgn* pRgn1, CRgn* pRgn2, int nCombineMode)
    {
        return ::CombineRgn((HRGN)m_hObject, (HRGN)pRgn1->GetSafeHandle(), (HRGN)pRgn2->GetSafeHandle(),
                            nCombineMode);
    }
    int CopyRgn(CRgn* pRgnSrc)
    {
        return ::CombineRgn((HRGN)m_hObject, (HRGN)pRgnSrc->GetSafeHandle(), NULL, RGN_COPY);
    }
    BOOL EqualRgn(CRgn* pRgn) const
    {
        return ::EqualRgn((HRGN)m_hObject, (HRGN)pRgn->GetSafeHandle());
    }
    int OffsetRgn(int x, int y)
    {
        return ::OffsetRgn((HRGN)m_hObject, x, y);
    }
    int GetRgnBox(LPRECT lpRect) const
    {
        return ::GetRgnBox((HRGN)m_hObject, lpRect);
    }
    BOOL PtInRegion(int x, int y) const
    {
        return ::PtInRegion((HRGN)m_hObject, x, y);
    }
    BOOL PtInRegion(POINT point) const
    {
        return ::PtInRegion((HRGN)m_hObject, point.x, point.y);
    }
    BOOL RectInRegion(LPCRECT lpRect) const
    {
        return ::RectInRegion((HRGN)m_hObject, lpRect);
    }
};
