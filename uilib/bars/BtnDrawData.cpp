// SECBtnDrawData: DCs, bitmaps and the dithered brush of the toolbar buttons.
#include "uilib/bars/BtnDrawData.h"

SECBtnDrawData::SECBtnDrawData()
    : m_hDCImage(NULL), m_hDCMask(NULL), m_hDCDraw(NULL), m_hbrDither(NULL), m_hbmDraw(NULL), m_hbmMask(NULL),
      m_hOldImage(NULL), m_hOldMask(NULL), m_hOldDraw(NULL)
{
    m_hDCImage = ::CreateCompatibleDC(NULL);
    m_hDCMask = ::CreateCompatibleDC(NULL);
    m_hDCDraw = ::CreateCompatibleDC(NULL);
    SysColorChange();
}

SECBtnDrawData::~SECBtnDrawData()
{
    EndPaint();
    SelectImage(NULL);
    for (HDC hDC : {m_hDCImage, m_hDCMask, m_hDCDraw})
    {
        if (hDC != NULL)
            ::DeleteDC(hDC);
    }
    if (m_hbrDither != NULL)
        ::DeleteObject(m_hbrDither);
}

void SECBtnDrawData::SysColorChange()
{
    if (m_hbrDither != NULL)
        ::DeleteObject(m_hbrDither);
    // A one-bit pattern whose colour 0 is the face and colour 1 the highlight.
    struct
    {
        BITMAPINFOHEADER header;
        RGBQUAD colors[2];
        DWORD rows[8];
    } pattern = {};
    pattern.header.biSize = sizeof(BITMAPINFOHEADER);
    pattern.header.biWidth = 8;
    pattern.header.biHeight = 8;
    pattern.header.biPlanes = 1;
    pattern.header.biBitCount = 1;
    const COLORREF rgb[2] = {::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNHIGHLIGHT)};
    for (int i = 0; i < 2; i++)
        pattern.colors[i] = RGBQUAD{GetBValue(rgb[i]), GetGValue(rgb[i]), GetRValue(rgb[i]), 0};
    for (int y = 0; y < 8; y++)
        pattern.rows[y] = (y % 2) == 0 ? 0xAA : 0x55;
    m_hbrDither = ::CreateDIBPatternBrushPt(&pattern, DIB_RGB_COLORS);
}

BOOL SECBtnDrawData::BeginPaint(int cx, int cy)
{
    EndPaint();
    HDC hDCScreen = ::GetDC(NULL);
    m_hbmDraw = ::CreateCompatibleBitmap(hDCScreen, cx, cy);
    ::ReleaseDC(NULL, hDCScreen);
    m_hbmMask = ::CreateBitmap(cx, cy, 1, 1, NULL);
    if (m_hbmDraw == NULL || m_hbmMask == NULL)
    {
        EndPaint();
        return FALSE;
    }
    m_hOldDraw = ::SelectObject(m_hDCDraw, m_hbmDraw);
    m_hOldMask = ::SelectObject(m_hDCMask, m_hbmMask);
    return TRUE;
}

void SECBtnDrawData::EndPaint()
{
    if (m_hOldDraw != NULL)
        ::SelectObject(m_hDCDraw, m_hOldDraw);
    if (m_hOldMask != NULL)
        ::SelectObject(m_hDCMask, m_hOldMask);
    m_hOldDraw = m_hOldMask = NULL;
    if (m_hbmDraw != NULL)
        ::DeleteObject(m_hbmDraw);
    if (m_hbmMask != NULL)
        ::DeleteObject(m_hbmMask);
    m_hbmDraw = m_hbmMask = NULL;
}

void SECBtnDrawData::SelectImage(HBITMAP hbm)
{
    if (m_hOldImage != NULL)
    {
        ::SelectObject(m_hDCImage, m_hOldImage);
        m_hOldImage = NULL;
    }
    if (hbm != NULL)
        m_hOldImage = ::SelectObject(m_hDCImage, hbm);
}
