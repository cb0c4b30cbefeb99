#include "uilib/common/LoadSysColorBitmap.h"
#include <vector>

namespace tessaron
{
namespace foundation
{

namespace
{
// Colour-table value (0x00RRGGBB) and the system colour that replaces it, tried in this order.
struct ColorMapEntry
{
    DWORD dwRgb;
    int nSysColor;
};
const ColorMapEntry g_colorMap[] = {
    {0x000000, COLOR_BTNTEXT},
    {0x808080, COLOR_BTNSHADOW},
    {0xC0C0C0, COLOR_BTNFACE},
    {0xFFFFFF, COLOR_BTNHIGHLIGHT},
};

RGBQUAD ToQuad(COLORREF color)
{
    RGBQUAD quad;
    quad.rgbBlue = GetBValue(color);
    quad.rgbGreen = GetGValue(color);
    quad.rgbRed = GetRValue(color);
    quad.rgbReserved = 0;
    return quad;
}

void RemapColors(RGBQUAD* pTable, DWORD dwCount)
{
    for (DWORD i = 0; i < dwCount; ++i)
    {
        DWORD dwRgb = (DWORD)pTable[i].rgbRed << 16 | (DWORD)pTable[i].rgbGreen << 8 | pTable[i].rgbBlue;
        for (const ColorMapEntry& entry : g_colorMap)
            if (entry.dwRgb == dwRgb)
            {
                pTable[i] = ToQuad(::GetSysColor(entry.nSysColor));
                break;
            }
    }
}
} // namespace

BOOL SECLoadSysColorBitmap(CBitmap& bitmap, LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    HRSRC hResource = ::FindResourceA(hInst, lpszResourceName, RT_BITMAP);
    if (hResource == NULL)
        return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hInst, hResource);
    const BYTE* pData = hGlobal ? (const BYTE*)::LockResource(hGlobal) : NULL;
    DWORD dwSize = ::SizeofResource(hInst, hResource);
    if (pData == NULL || dwSize < sizeof(BITMAPINFOHEADER))
        return FALSE;
    BITMAPINFOHEADER header;
    memcpy(&header, pData, sizeof header);
    if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biSize > dwSize || header.biWidth <= 0 ||
        header.biHeight == 0 || header.biPlanes != 1)
        return FALSE;
    // The colour table: for palette bitmaps 2^bits entries unless biClrUsed says fewer; deeper
    // bitmaps carry their masks and an optional table, both copied unchanged.
    BOOL bPalette = header.biBitCount == 1 || header.biBitCount == 4 || header.biBitCount == 8;
    DWORD dwColors = header.biClrUsed;
    if (bPalette && (dwColors == 0 || dwColors > (1u << header.biBitCount)))
        dwColors = 1u << header.biBitCount;
    DWORD dwMasks =
        (!bPalette && header.biCompression == BI_BITFIELDS && header.biSize == sizeof header) ? 3 : 0;
    DWORD dwTableBytes = (dwColors + dwMasks) * sizeof(RGBQUAD);
    LONG lHeight = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    DWORD dwStride = ((DWORD)header.biWidth * header.biBitCount + 31) / 32 * 4;
    DWORD dwPixels = header.biCompression == BI_RGB || header.biCompression == BI_BITFIELDS
                         ? dwStride * lHeight
                         : header.biSizeImage;
    if ((DWORDLONG)header.biSize + dwTableBytes + dwPixels > dwSize)
        return FALSE;
    // Header and table into a buffer of our own, where the greys are replaced.
    std::vector<BYTE> info(header.biSize + dwTableBytes);
    memcpy(info.data(), pData, info.size());
    if (bPalette)
        RemapColors((RGBQUAD*)(info.data() + header.biSize + dwMasks * sizeof(RGBQUAD)), dwColors);
    const BYTE* pBits = pData + header.biSize + dwTableBytes;

    HDC hScreen = ::GetDC(NULL);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, header.biWidth, lHeight);
    HDC hMemDC = ::CreateCompatibleDC(hScreen);
    ::ReleaseDC(NULL, hScreen);
    if (hBitmap == NULL || hMemDC == NULL)
    {
        if (hBitmap)
            ::DeleteObject(hBitmap);
        if (hMemDC)
            ::DeleteDC(hMemDC);
        return FALSE;
    }
    HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
    ::StretchDIBits(hMemDC, 0, 0, header.biWidth, lHeight, 0, 0, header.biWidth, lHeight, pBits,
                    (const BITMAPINFO*)info.data(), DIB_RGB_COLORS, SRCCOPY);
    ::SelectObject(hMemDC, hOld);
    ::DeleteDC(hMemDC);
    bitmap.DeleteObject();
    return bitmap.Attach(hBitmap);
}

} // namespace foundation
} // namespace tessaron
