// SECImage: memory, palette, row padding, loading and saving steps and the archive form.
#include "Image.h"
#include "ArchiveException.h"
#include <cstring>
#include <vector>

namespace tessaron
{
namespace foundation
{

IMPLEMENT_DYNAMIC(SECImage, CObject)

namespace
{
// Nothing we draw comes near this; a header that claims more is refused before allocating.
const ULONGLONG kMaxPixelBytes = 256u * 1024 * 1024;

WORD ReadWord(const BYTE* p)
{
    return (WORD)(p[0] | (p[1] << 8));
}
DWORD ReadDword(const BYTE* p)
{
    return (DWORD)p[0] | ((DWORD)p[1] << 8) | ((DWORD)p[2] << 16) | ((DWORD)p[3] << 24);
}
void PutWord(BYTE* p, WORD w)
{
    p[0] = LOBYTE(w);
    p[1] = HIBYTE(w);
}
void PutDword(BYTE* p, DWORD dw)
{
    PutWord(p, LOWORD(dw));
    PutWord(p + 2, HIWORD(dw));
}

// Bytes of a row without padding: ceil(width x bits / 8).
DWORD UnpaddedRowBytes(int nWidth, int nBits)
{
    return (DWORD)(((ULONGLONG)nWidth * nBits + 7) / 8);
}

int ScreenBitsPerPixel()
{
    HDC hDC = ::GetDC(NULL);
    int nBits = ::GetDeviceCaps(hDC, BITSPIXEL);
    ::ReleaseDC(NULL, hDC);
    return nBits;
}
int ScreenPlanes()
{
    HDC hDC = ::GetDC(NULL);
    int nPlanes = ::GetDeviceCaps(hDC, PLANES);
    ::ReleaseDC(NULL, hDC);
    return nPlanes;
}
} // namespace

SECImage::SECImage()
    : m_nSrcBitsPerPixel(ScreenBitsPerPixel()), m_nSysBitsPerPixel(0), m_nPlanes(ScreenPlanes()),
      m_bRowsPadded(FALSE), m_dwPadWidth(0), m_dwWidth(0), m_dwHeight(0), m_wColors(0), m_wColorTableSize(0),
      m_pPalette(NULL), m_pCurFile(NULL), m_lpSrcBits(NULL), m_hSrcBits(NULL), m_lpBMI(NULL), m_hBMI(NULL),
      m_lpRGB(NULL), m_bUseHalftone(FALSE), m_nBufferSize(0), m_nBufferBytes(0), m_nBufferPos(0),
      m_hBuffer(NULL), m_openedFiles(10)
{
    int nScreen = m_nSrcBitsPerPixel;
    m_nSysBitsPerPixel = (nScreen == 1 || nScreen == 2 || nScreen == 4 || nScreen == 8) ? nScreen : 0;
    m_wColors = m_wColorTableSize = ColorsForBits(m_nSrcBitsPerPixel);
}

SECImage::~SECImage()
{
    FreeImage();
    CloseFiles();
}

WORD SECImage::ColorsForBits(int nBits)
{
    switch (nBits)
    {
    case 1:
        return 2;
    case 2:
        return 4;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

DWORD SECImage::PaddedRowBytes(int nWidth, int nBits)
{
    return (DWORD)((((ULONGLONG)nWidth * nBits + 31) / 32) * 4);
}

BYTE* SECImage::AllocLocked(SIZE_T nBytes, HGLOBAL& hMem)
{
    hMem = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nBytes == 0 ? 1 : nBytes);
    if (hMem == NULL)
        return NULL;
    BYTE* p = (BYTE*)::GlobalLock(hMem);
    if (p == NULL)
    {
        ::GlobalFree(hMem);
        hMem = NULL;
    }
    return p;
}

void SECImage::FreeLocked(HGLOBAL& hMem)
{
    if (hMem == NULL)
        return;
    ::GlobalUnlock(hMem);
    ::GlobalFree(hMem);
    hMem = NULL;
}

void SECImage::FreeImage()
{
    FreeLocked(m_hBMI);
    m_lpBMI = NULL;
    m_lpRGB = NULL;
    FreeLocked(m_hSrcBits);
    m_lpSrcBits = NULL;
    delete m_pPalette;
    m_pPalette = NULL;
    m_dwWidth = m_dwHeight = m_dwPadWidth = 0;
    m_nSrcBitsPerPixel = 0;
    m_wColors = 0;
    m_bRowsPadded = FALSE;
    FreeLocked(m_hBuffer);
    m_nBufferSize = m_nBufferBytes = m_nBufferPos = 0;
}

void SECImage::CloseFiles()
{
    while (!m_openedFiles.IsEmpty())
        delete (CFile*)m_openedFiles.RemoveHead();
}

// Moves everything the image holds from another image into this one (which must be empty).
void SECImage::TakeOver(SECImage& from)
{
    m_nSrcBitsPerPixel = from.m_nSrcBitsPerPixel;
    m_bRowsPadded = from.m_bRowsPadded;
    m_dwPadWidth = from.m_dwPadWidth;
    m_dwWidth = from.m_dwWidth;
    m_dwHeight = from.m_dwHeight;
    m_wColors = from.m_wColors;
    m_wColorTableSize = from.m_wColorTableSize;
    m_pPalette = from.m_pPalette;
    m_lpSrcBits = from.m_lpSrcBits;
    m_hSrcBits = from.m_hSrcBits;
    m_lpBMI = from.m_lpBMI;
    m_hBMI = from.m_hBMI;
    m_lpRGB = from.m_lpRGB;
    m_bUseHalftone = from.m_bUseHalftone;
    from.m_pPalette = NULL;
    from.m_lpSrcBits = NULL;
    from.m_hSrcBits = NULL;
    from.m_lpBMI = NULL;
    from.m_hBMI = NULL;
    from.m_lpRGB = NULL;
    from.FreeImage();
}

BOOL SECImage::CreatePalette()
{
    if (m_nSrcBitsPerPixel == 24 || m_lpBMI == NULL)
        return TRUE;
    DWORD nUsed = m_lpBMI->bmiHeader.biClrUsed;
    DWORD nEntries = nUsed > m_wColors ? nUsed : m_wColors;
    if (nEntries == 0)
        return TRUE;
    DWORD nCopy = nUsed == 0 ? m_wColors : nUsed;
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + nEntries * sizeof(PALETTEENTRY));
    LOGPALETTE* pLog = (LOGPALETTE*)buffer.data();
    pLog->palVersion = 0x300;
    pLog->palNumEntries = (WORD)nEntries;
    for (DWORD i = 0; i < nCopy && i < m_wColors; i++)
    {
        pLog->palPalEntry[i].peRed = m_lpRGB[i].rgbRed;
        pLog->palPalEntry[i].peGreen = m_lpRGB[i].rgbGreen;
        pLog->palPalEntry[i].peBlue = m_lpRGB[i].rgbBlue;
        pLog->palPalEntry[i].peFlags = 0;
    }
    CPalette* pPalette = new CPalette;
    if (!pPalette->CreatePalette(pLog))
    {
        delete pPalette;
        return FALSE;
    }
    delete m_pPalette;
    m_pPalette = pPalette;
    return TRUE;
}

void SECImage::PadRows()
{
    if (m_bRowsPadded || m_lpSrcBits == NULL)
    {
        m_bRowsPadded = TRUE;
        return;
    }
    DWORD nPadded = PaddedRowBytes(m_dwWidth, m_nSrcBitsPerPixel);
    DWORD nUnpadded = UnpaddedRowBytes(m_dwWidth, m_nSrcBitsPerPixel);
    if (nPadded != nUnpadded)
        for (int row = m_dwHeight - 1; row >= 1; row--)
            memmove(m_lpSrcBits + row * nPadded, m_lpSrcBits + row * nUnpadded, nUnpadded);
    m_bRowsPadded = TRUE;
}

void SECImage::UnpadRows()
{
    if (!m_bRowsPadded || m_lpSrcBits == NULL)
    {
        m_bRowsPadded = FALSE;
        return;
    }
    DWORD nPadded = PaddedRowBytes(m_dwWidth, m_nSrcBitsPerPixel);
    DWORD nUnpadded = UnpaddedRowBytes(m_dwWidth, m_nSrcBitsPerPixel);
    if (nPadded != nUnpadded)
        for (int row = 1; row < m_dwHeight; row++)
            memmove(m_lpSrcBits + row * nUnpadded, m_lpSrcBits + row * nPadded, nUnpadded);
    m_bRowsPadded = FALSE;
}

BOOL SECImage::AfterLoad()
{
    if (!CreatePalette())
        return FALSE;
    m_dwPadWidth = (int)(((m_dwWidth * 8 + 31) / 8) & ~3);
    PadRows();
    m_bUseHalftone = m_nSysBitsPerPixel != 0 && m_nSysBitsPerPixel != m_nSrcBitsPerPixel;
    if (m_lpBMI == NULL)
    {
        BYTE* p = AllocLocked(InfoBytes(), m_hBMI);
        if (p == NULL)
            return FALSE;
        m_lpBMI = (BITMAPINFO*)p;
        m_lpRGB = (RGBQUAD*)(p + 40);
        BITMAPINFOHEADER& h = m_lpBMI->bmiHeader;
        h.biSize = 40;
        h.biWidth = m_dwWidth;
        h.biHeight = m_dwHeight;
        h.biPlanes = (WORD)m_nPlanes;
        h.biBitCount = (WORD)m_nSrcBitsPerPixel;
        h.biCompression = BI_RGB;
        h.biSizeImage = PixelBytes();
    }
    return TRUE;
}

BOOL SECImage::DoSaveImage(CFile*)
{
    return FALSE;
}

BOOL SECImage::DoLoadImage(CFile*)
{
    return FALSE;
}

BOOL SECImage::LoadImage(CFile* pFile)
{
    m_pCurFile = pFile;
    SECImage previous;
    previous.FreeImage();
    if (m_lpSrcBits != NULL || m_lpBMI != NULL)
        previous.TakeOver(*this);
    FreeImage();
    if (DoLoadImage(pFile) && AfterLoad())
        return TRUE;
    FreeImage();
    if (previous.m_lpSrcBits != NULL || previous.m_lpBMI != NULL)
        TakeOver(previous);
    return FALSE;
}

BOOL SECImage::LoadImage(LPCTSTR lpszPath)
{
    CString path = lpszPath != NULL ? CString(lpszPath) : CString();
    if (path.IsEmpty() && m_pCurFile != NULL)
        path = m_pCurFile->GetFilePath();
    CFile* pFile = new CFile;
    if (!pFile->Open(path, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary))
    {
        delete pFile;
        return FALSE;
    }
    m_openedFiles.AddTail(pFile);
    BOOL bResult = LoadImage(pFile);
    pFile->Close();
    m_pCurFile = NULL;
    return bResult;
}

BOOL SECImage::SaveImage(CFile* pFile)
{
    m_pCurFile = pFile;
    return PreSave() && DoSaveImage(pFile) && PostSave();
}

BOOL SECImage::SaveImage(LPCTSTR lpszPath)
{
    CFile* pFile = new CFile;
    if (!pFile->Open(lpszPath, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary))
    {
        delete pFile;
        return FALSE;
    }
    m_openedFiles.AddTail(pFile);
    BOOL bResult = SaveImage(pFile);
    pFile->Close();
    m_pCurFile = NULL;
    return bResult;
}

BOOL SECImage::LoadFromFile(LPCTSTR lpszPath)
{
    CFile file(lpszPath, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary);
    BOOL bResult = LoadImage(&file);
    file.Close();
    m_pCurFile = NULL;
    return bResult;
}

BOOL SECImage::ReadBmpStream(const std::function<UINT(void*, UINT)>& read, ULONGLONG nAvailable)
{
    BYTE fileHeader[14];
    if (nAvailable < sizeof(fileHeader) || read(fileHeader, sizeof(fileHeader)) != sizeof(fileHeader))
        return FALSE;
    nAvailable -= sizeof(fileHeader);
    if (ReadWord(fileHeader) != 0x4D42) // "BM"
        return FALSE;
    DWORD nOffBits = ReadDword(fileHeader + 10);
    if (nOffBits < 14 + 40 || nOffBits - 14 > nAvailable)
        return FALSE;
    DWORD nInfoInFile = nOffBits - 14;
    std::vector<BYTE> info(nInfoInFile);
    if (read(info.data(), nInfoInFile) != nInfoInFile)
        return FALSE;
    nAvailable -= nInfoInFile;

    DWORD nHeaderSize = ReadDword(&info[0]);
    LONG nWidth = (LONG)ReadDword(&info[4]);
    LONG nHeight = (LONG)ReadDword(&info[8]);
    WORD nBits = ReadWord(&info[14]);
    DWORD nCompression = ReadDword(&info[16]);
    DWORD nUsed = ReadDword(&info[32]);
    WORD nColors = ColorsForBits(nBits);
    if (nHeaderSize < 40 || nHeaderSize > nInfoInFile || nWidth <= 0 || nHeight <= 0)
        return FALSE;
    if ((nBits != 1 && nBits != 4 && nBits != 8 && nBits != 24) || nCompression != BI_RGB || nUsed > nColors)
        return FALSE;
    DWORD nTableEntries = nUsed != 0 ? nUsed : nColors;
    if ((ULONGLONG)nHeaderSize + 4ull * nTableEntries > nInfoInFile)
        return FALSE;
    ULONGLONG nPixelBytes = (ULONGLONG)PaddedRowBytes(nWidth, nBits) * (ULONGLONG)nHeight;
    if ((ULONGLONG)PaddedRowBytes(nWidth, nBits) * 8 / nBits < (ULONGLONG)nWidth ||
        nPixelBytes > nAvailable || nPixelBytes > kMaxPixelBytes)
        return FALSE;

    // The info block keeps a 40-byte header and the whole colour table, whatever the file had.
    BYTE* pInfo = AllocLocked(40 + 4 * (SIZE_T)nColors, m_hBMI);
    if (pInfo == NULL)
        return FALSE;
    memcpy(pInfo, info.data(), 40);
    PutDword(pInfo, 40);
    memcpy(pInfo + 40, &info[nHeaderSize], 4 * (SIZE_T)nTableEntries);
    m_lpBMI = (BITMAPINFO*)pInfo;
    m_lpRGB = (RGBQUAD*)(pInfo + 40);

    m_lpSrcBits = AllocLocked((SIZE_T)nPixelBytes, m_hSrcBits);
    if (m_lpSrcBits == NULL || read(m_lpSrcBits, (UINT)nPixelBytes) != (UINT)nPixelBytes)
    {
        FreeImage();
        return FALSE;
    }
    m_dwWidth = nWidth;
    m_dwHeight = nHeight;
    m_nSrcBitsPerPixel = nBits;
    m_wColors = m_wColorTableSize = nColors;
    m_bRowsPadded = TRUE;
    return TRUE;
}

void SECImage::MakeFileHeader(BYTE header[14]) const
{
    DWORD nOffBits = 14 + InfoBytes();
    PutWord(header, 0x4D42);
    PutDword(header + 2, nOffBits + PixelBytes());
    PutWord(header + 6, 0);
    PutWord(header + 8, 0);
    PutDword(header + 10, nOffBits);
}

void SECImage::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        PadRows();
        BYTE header[14];
        MakeFileHeader(header);
        ar.Write(header, sizeof(header));
        if (m_lpBMI != NULL)
            ar.Write(m_lpBMI, InfoBytes());
        if (m_lpSrcBits != NULL)
            ar.Write(m_lpSrcBits, PixelBytes());
        return;
    }
    // A bad image inside a stream fails the whole read; this image keeps what it held.
    CFile* pFile = ar.GetFile();
    ULONGLONG nAvailable = pFile != NULL ? pFile->GetLength() : 0;
    SECImage loaded;
    loaded.FreeImage();
    auto read = [&ar](void* p, UINT n) { return ar.Read(p, n); };
    if (!loaded.ReadBmpStream(read, nAvailable))
        AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
    if (!loaded.AfterLoad())
        AfxThrowArchiveException(CArchiveException::generic, ar.m_strFileName);
    FreeImage();
    TakeOver(loaded);
}

BOOL SECImage::CreateFromBitmap(CDC* pDC, CBitmap* pBitmap)
{
    BITMAP bm;
    if (pDC == NULL || pBitmap == NULL || !pBitmap->GetObject(sizeof(bm), &bm))
        return FALSE;
    int nDepth = bm.bmPlanes * bm.bmBitsPixel;
    int nBits = nDepth <= 8 ? nDepth : 24;
    WORD nColors = ColorsForBits(nBits);
    FreeImage();
    DWORD nRow = PaddedRowBytes(bm.bmWidth, nBits);
    m_lpSrcBits = AllocLocked((SIZE_T)nRow * bm.bmHeight, m_hSrcBits);
    BYTE* pInfo = AllocLocked(40 + 4 * (SIZE_T)nColors, m_hBMI);
    if (m_lpSrcBits == NULL || pInfo == NULL)
    {
        FreeImage();
        return FALSE;
    }
    m_lpBMI = (BITMAPINFO*)pInfo;
    m_lpRGB = (RGBQUAD*)(pInfo + 40);
    BITMAPINFOHEADER& h = m_lpBMI->bmiHeader;
    h.biSize = 40;
    h.biWidth = bm.bmWidth;
    h.biHeight = bm.bmHeight;
    h.biPlanes = nDepth <= 8 ? 1 : bm.bmPlanes;
    h.biBitCount = (WORD)nBits;
    h.biCompression = BI_RGB;
    h.biSizeImage = nRow * bm.bmHeight;
    m_dwWidth = bm.bmWidth;
    m_dwHeight = bm.bmHeight;
    m_nSrcBitsPerPixel = nBits;
    m_wColors = m_wColorTableSize = nColors;
    if (!::GetDIBits(pDC->GetSafeHdc(), (HBITMAP)pBitmap->GetSafeHandle(), 0, bm.bmHeight, m_lpSrcBits,
                     m_lpBMI, DIB_RGB_COLORS))
    {
        FreeImage();
        return FALSE;
    }
    h.biPlanes = 1; // GetDIBits insists on one plane
    CreatePalette();
    m_bRowsPadded = TRUE;
    return TRUE;
}

BOOL SECImage::StretchDIBits(CDC* pDC, int xDest, int yDest, int cxDest, int cyDest, int xSrc, int ySrc,
                             int cxSrc, int cySrc, const void* lpBits, const BITMAPINFO* lpBMI, UINT nUsage,
                             DWORD dwRop)
{
    if (!m_bUseHalftone)
        return ::StretchDIBits(pDC->GetSafeHdc(), xDest, yDest, cxDest, cyDest, xSrc, ySrc, cxSrc, cySrc,
                               lpBits, lpBMI, nUsage, dwRop) != 0;
    CPalette halftone;
    if (!halftone.CreateHalftonePalette(pDC))
        return FALSE;
    CPalette* pOldPalette = pDC->SelectPalette(&halftone, FALSE);
    pDC->RealizePalette();
    int nOldMode = 0;
    if (pDC->m_hAttribDC != NULL)
        nOldMode = pDC->SetStretchBltMode(HALFTONE);
    BOOL bResult = ::StretchDIBits(pDC->GetSafeHdc(), xDest, yDest, cxDest, cyDest, xSrc, ySrc, cxSrc, cySrc,
                                   lpBits, lpBMI, nUsage, dwRop) != 0;
    if (nOldMode != 0)
        pDC->SetStretchBltMode(nOldMode);
    pDC->SelectPalette(pOldPalette, FALSE);
    return bResult;
}

CBitmap* SECImage::MakeBitmap(CDC* pDC)
{
    if (m_lpSrcBits == NULL || m_lpBMI == NULL)
        return NULL;
    CBitmap* pBitmap = new CBitmap;
    CDC memDC;
    if (!pBitmap->CreateCompatibleBitmap(pDC, m_dwWidth, m_dwHeight) || !memDC.CreateCompatibleDC(pDC))
    {
        delete pBitmap;
        return NULL;
    }
    CBitmap* pOld = memDC.SelectObject(pBitmap);
    PadRows();
    StretchDIBits(&memDC, 0, 0, m_dwWidth, m_dwHeight, 0, 0, m_dwWidth, m_dwHeight, m_lpSrcBits, m_lpBMI,
                  DIB_RGB_COLORS, SRCCOPY);
    memDC.SelectObject(pOld);
    return pBitmap;
}

CBitmap* SECImage::LoadBitmap(LPCTSTR lpszPath)
{
    if (!LoadImage(lpszPath))
        return NULL;
    CBitmap* pBitmap = new CBitmap;
    if (!pBitmap->CreateBitmap(m_dwWidth, m_dwHeight, 1, m_nSrcBitsPerPixel, m_lpSrcBits))
    {
        delete pBitmap;
        return NULL;
    }
    return pBitmap;
}

BOOL SECImage::CopyFrom(const SECImage& source)
{
    FreeImage();
    m_nSrcBitsPerPixel = source.m_nSrcBitsPerPixel;
    m_bRowsPadded = source.m_bRowsPadded;
    m_dwPadWidth = source.m_dwPadWidth;
    m_dwWidth = source.m_dwWidth;
    m_dwHeight = source.m_dwHeight;
    m_wColors = source.m_wColors;
    m_wColorTableSize = source.m_wColorTableSize;
    m_bUseHalftone = source.m_bUseHalftone;
    if (source.m_hBMI != NULL)
    {
        SIZE_T n = ::GlobalSize(source.m_hBMI);
        BYTE* p = AllocLocked(n, m_hBMI);
        if (p == NULL)
        {
            FreeImage();
            return FALSE;
        }
        memcpy(p, source.m_lpBMI, n);
        m_lpBMI = (BITMAPINFO*)p;
        m_lpRGB = (RGBQUAD*)(p + 40);
    }
    if (source.m_hSrcBits != NULL)
    {
        SIZE_T n = ::GlobalSize(source.m_hSrcBits);
        m_lpSrcBits = AllocLocked(n, m_hSrcBits);
        if (m_lpSrcBits == NULL)
        {
            FreeImage();
            return FALSE;
        }
        memcpy(m_lpSrcBits, source.m_lpSrcBits, n);
    }
    return CreatePalette();
}

UINT SECImage::Read(void* lpBuf, UINT nCount, UINT nBufferSize)
{
    if (m_pCurFile == NULL)
        return 0;
    if (m_hBuffer == NULL)
    {
        if (AllocLocked(nBufferSize, m_hBuffer) == NULL)
            return 0;
        m_nBufferSize = (int)nBufferSize;
        m_nBufferBytes = m_nBufferPos = 0;
    }
    BYTE* pBuffer = (BYTE*)::GlobalLock(m_hBuffer);
    BYTE* pOut = (BYTE*)lpBuf;
    UINT nDone = 0;
    while (nDone < nCount)
    {
        if (m_nBufferPos >= m_nBufferBytes)
        {
            m_nBufferBytes = (int)m_pCurFile->Read(pBuffer, (UINT)m_nBufferSize);
            m_nBufferPos = 0;
            if (m_nBufferBytes == 0)
                break;
        }
        UINT nTake = nCount - nDone;
        if (nTake > (UINT)(m_nBufferBytes - m_nBufferPos))
            nTake = (UINT)(m_nBufferBytes - m_nBufferPos);
        memcpy(pOut + nDone, pBuffer + m_nBufferPos, nTake);
        m_nBufferPos += (int)nTake;
        nDone += nTake;
    }
    ::GlobalUnlock(m_hBuffer);
    return nDone;
}

void SECImage::Flush()
{
    m_nBufferBytes = m_nBufferPos = 0;
}

} // namespace foundation
} // namespace tessaron
