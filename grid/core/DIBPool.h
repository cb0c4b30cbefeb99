// The process-wide pool of cell bitmaps: a cell value "#BMP(" id ")" or "#BMP(" "name" ")" names
// a bitmap resource, loaded once as a global-memory DIB and cached under a normalised key.
#pragma once
#include "afxwin.h"

class CGXDIBPool : public CObject
{
  public:
    // Construction
    CGXDIBPool() = default;
    ~CGXDIBPool() override;
    CGXDIBPool(const CGXDIBPool&) = delete;
    CGXDIBPool& operator=(const CGXDIBPool&) = delete;

    // Overridables
    // The DIB a value names, or null (a missing resource is cached as null too).
    virtual HANDLE GetDIB(LPCTSTR pszValue);
    // The resource id (numeric form), or the key's text as name (name form) and 0.
    virtual UINT ParseBitmapValue(LPCTSTR pszValue, CString& strKey);
    virtual HANDLE LoadDIB(LPCTSTR lpszResourceName);
    virtual void FormatQuotedBitmapValue(const DWORD* pArgument, CString& strResult);
    virtual void FormatBitmapValue(UINT nID, CString& strResult);

    // Operations
    INT_PTR GetCount() const
    {
        return m_map.GetCount();
    }

    // Implementation
    CMapStringToPtr m_map;
};

CGXDIBPool* AFXAPI GXGetDIBPool();

// A global-memory DIB with its size.
class CGXDIB : public CObject
{
  public:
    // Construction
    CGXDIB() = default;
    ~CGXDIB() override;
    CGXDIB(const CGXDIB&) = delete;
    CGXDIB& operator=(const CGXDIB&) = delete;

    // Operations
    BOOL Attach(HANDLE hDIB);
    HANDLE Detach();

    // Implementation
    HANDLE m_hDIB = NULL;
    int m_nColors = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;
    BOOL m_bDeleteObject = TRUE; // release with DeleteObject, else GlobalFree
};

// Draws a DIB into a rectangle: mode 0 at its own size, 1 stretched, 2 fitted keeping its
// aspect; alignment 1 centre, 2 right, 4 vertical centre, 8 bottom.
void AFXAPI GXDrawDIB(CDC* pDC, HANDLE hDIB, const CRect& rectDest, int nMode, UINT nAlign,
                      const CRect* pRectSrc);
