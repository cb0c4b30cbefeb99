// Cell bitmaps.
#include <algorithm>
#include "grid/core/DIBPool.h"
#include "grid/core/DrawingAndFormatting.h"
#include <stdlib.h>

static const char s_szPrefix[] = "#BMP(";

CGXDIBPool* AFXAPI GXGetDIBPool()
{
    static CGXDIBPool s_pool;
    return &s_pool;
}

CGXDIBPool::~CGXDIBPool()
{
    POSITION pos = m_map.GetStartPosition();
    while (pos != NULL)
    {
        CString strKey;
        void* p;
        m_map.GetNextAssoc(pos, strKey, p);
        if (p != NULL)
            ::GlobalFree((HGLOBAL)p);
    }
    m_map.RemoveAll();
}

UINT CGXDIBPool::ParseBitmapValue(LPCTSTR pszValue, CString& strKey)
{
    strKey.Empty();
    if (pszValue == NULL || _strnicmp(pszValue, s_szPrefix, 5) != 0)
        return 0;
    const char* p = pszValue + 5;
    if (*p == '"')
    {
        const char* pEnd = strchr(p + 1, '"');
        if (pEnd == NULL || pEnd == p + 1)
            return 0;
        strKey = CString(p + 1, (int)(pEnd - p - 1));
        return 0;
    }
    UINT nID = (UINT)strtoul(p, NULL, 10) & 0xFFFF;
    if (nID != 0)
        strKey.Format("#%u", nID);
    return nID;
}

HANDLE CGXDIBPool::GetDIB(LPCTSTR pszValue)
{
    CString strKey;
    UINT nID = ParseBitmapValue(pszValue, strKey);
    if (strKey.IsEmpty())
        return NULL;
    void* p = NULL;
    if (!m_map.Lookup(strKey, p))
    {
        p = LoadDIB(nID != 0 ? MAKEINTRESOURCEA(nID) : (LPCSTR)strKey);
        m_map[strKey] = p;
    }
    return (HANDLE)p;
}

HANDLE CGXDIBPool::LoadDIB(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, (LPCSTR)RT_BITMAP);
    HGLOBAL h = GXCopyBitmapResource(hInst, lpszResourceName);
    if (h == NULL)
        h = GXCopyBitmapResource(AfxGetResourceHandle(), lpszResourceName);
    return (HANDLE)h;
}

void CGXDIBPool::FormatQuotedBitmapValue(const DWORD* pArgument, CString& strResult)
{
    strResult.Format("%s%c%u%c)", s_szPrefix, '"', (unsigned)*pArgument, '"');
}

void CGXDIBPool::FormatBitmapValue(UINT nID, CString& strResult)
{
    strResult.Format("%s%u)", s_szPrefix, nID);
}

CGXDIB::~CGXDIB()
{
    if (m_hDIB != NULL)
    {
        if (m_bDeleteObject)
            ::DeleteObject(m_hDIB);
        else
            ::GlobalFree((HGLOBAL)m_hDIB);
    }
}

BOOL CGXDIB::Attach(HANDLE hDIB)
{
    if (hDIB == NULL)
        return FALSE;
    m_hDIB = hDIB;
    const BITMAPINFOHEADER* p = (const BITMAPINFOHEADER*)::GlobalLock((HGLOBAL)hDIB);
    m_nColors = GXGetDibColorCount(p);
    m_nWidth = p->biWidth;
    m_nHeight = p->biHeight;
    ::GlobalUnlock((HGLOBAL)hDIB);
    return TRUE;
}

HANDLE CGXDIB::Detach()
{
    HANDLE h = m_hDIB;
    m_hDIB = NULL;
    m_bDeleteObject = TRUE;
    return h;
}

void AFXAPI GXDrawDIB(CDC* pDC, HANDLE hDIB, const CRect& rectDest, int nMode, UINT nAlign,
                      const CRect* pRectSrc)
{
    if (hDIB == NULL)
        return;
    BITMAPINFOHEADER* pHeader = (BITMAPINFOHEADER*)::GlobalLock((HGLOBAL)hDIB);
    int nColors = GXGetDibColorCount(pHeader);
    const BYTE* pBits = (const BYTE*)pHeader + pHeader->biSize + nColors * sizeof(RGBQUAD) +
                        (pHeader->biCompression == BI_BITFIELDS ? 3 * sizeof(DWORD) : 0);
    int nDibHeight = abs(pHeader->biHeight);
    CRect src = pRectSrc != NULL ? *pRectSrc : CRect(0, 0, pHeader->biWidth, nDibHeight);
    CRect dst = rectDest;
    if (nMode == 0)
    {
        // Horizontally.
        if (src.Width() < dst.Width())
        {
            int nFree = dst.Width() - src.Width();
            dst.left += (nAlign & 2) ? nFree : (nAlign & 1) ? nFree / 2 : 0;
            dst.right = dst.left + src.Width();
        }
        else
            src.right = src.left + dst.Width();
        // Vertically; source y counts from the bottom.
        if (src.Height() < dst.Height())
        {
            int nFree = dst.Height() - src.Height();
            dst.top += (nAlign & 8) ? nFree : (nAlign & 4) ? nFree / 2 : 0;
            dst.bottom = dst.top + src.Height();
        }
        else if (nAlign & 8)
            src.top = src.bottom - dst.Height(); // the bottom part
        else
            src.bottom = src.top + dst.Height(); // the top part
    }
    else if (nMode == 2)
    {
        int f = std::min(dst.Width() * 1000 / std::max(1, src.Width()),
                         dst.Height() * 1000 / std::max(1, src.Height()));
        int w = src.Width() * f / 1000, h = src.Height() * f / 1000;
        int nFreeX = dst.Width() - w, nFreeY = dst.Height() - h;
        int x = dst.left + ((nAlign & 2) ? nFreeX : (nAlign & 1) ? nFreeX / 2 : 0);
        int y = dst.top + ((nAlign & 8) ? nFreeY : (nAlign & 4) ? nFreeY / 2 : 0);
        dst.SetRect(x, y, x + w, y + h);
    }
    ::StretchDIBits(pDC->GetSafeHdc(), dst.left, dst.top, dst.Width(), dst.Height(), src.left,
                    nDibHeight - src.bottom, src.Width(), src.Height(), pBits, (BITMAPINFO*)pHeader,
                    DIB_RGB_COLORS, SRCCOPY);
    ::GlobalUnlock((HGLOBAL)hDIB);
}
