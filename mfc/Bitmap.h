// CBitmap: a GDI bitmap owned by the object, loaded from resources or made for a DC.
//
// Differences from MFC:
// - Copy operations are deleted, as for every GDI wrapper.
#pragma once
#include "GdiObject.h"

class CDC;

class CBitmap : public CGdiObject
{
    DECLARE_DYNAMIC(CBitmap)

  public:
    CBitmap() = default;
    static CBitmap* PASCAL FromHandle(HBITMAP hBitmap)
    {
        return (CBitmap*)CGdiObject::FromHandle(hBitmap);
    }
    operator HBITMAP() const
    {
        return (HBITMAP)GetSafeHandle();
    }
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource)
    {
        return LoadBitmap(MAKEINTRESOURCE(nIDResource));
    }
    BOOL LoadOEMBitmap(UINT nIDBitmap)
    {
        return Attach(::LoadBitmap(NULL, MAKEINTRESOURCE(nIDBitmap)));
    }
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits)
    {
        return Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
    }
    BOOL CreateBitmapIndirect(LPBITMAP lpBitmap)
    {
        return Attach(::CreateBitmapIndirect(lpBitmap));
    }
    BOOL CreateCompatibleBitmap(class CDC* pDC, int nWidth, int nHeight);
    BOOL CreateDiscardableBitmap(class CDC* pDC, int nWidth, int nHeight)
    {
        return CreateCompatibleBitmap(pDC, nWidth, nHeight);
    }
    int GetBitmap(BITMAP* pBitMap)
    {
        return ::GetObject(m_hObject, sizeof(BITMAP), pBitMap);
    }
    DWORD GetBitmapBits(DWORD dwCount, LPVOID lpBits) const
    {
        return (DWORD)::GetBitmapBits((HBITMAP)m_hObject, dwCount, lpBits);
    }
    DWORD SetBitmapBits(DWORD dwCount, const void* lpBits)
    {
        return (DWORD)::SetBitmapBits((HBITMAP)m_hObject, dwCount, lpBits);
    }
    CSize GetBitmapDimension() const
    {
        SIZE size = {0, 0};
        ::GetBitmapDimensionEx((HBITMAP)m_hObject, &size);
        return size;
    }
};
