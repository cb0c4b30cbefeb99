// SECImage: one device-independent bitmap in memory (info block with colour table, bottom-up
// pixel rows, palette). Loads and saves through a file or an archive, builds itself from a device
// bitmap and draws itself. The file format belongs to the derived class (SECDib: BMP).
#pragma once
#include "afxwin.h"
#include "File.h"
#include "PtrList.h"
#include <functional>

namespace tessaron
{
namespace foundation
{

class SECImage : public CObject
{
    DECLARE_DYNAMIC(SECImage)

  public:
    // Construction
    SECImage();
    ~SECImage() override;

    // Attributes
    int GetWidth() const
    {
        return m_dwWidth;
    }
    int GetHeight() const
    {
        return m_dwHeight;
    }
    int GetBitsPerPixel() const
    {
        return m_nSrcBitsPerPixel;
    }
    WORD GetColorCount() const
    {
        return m_wColors;
    }
    const BITMAPINFO* GetBitmapInfo() const
    {
        return m_lpBMI;
    }
    const BYTE* GetBits() const
    {
        return m_lpSrcBits;
    }
    CPalette* GetPalette() const
    {
        return m_pPalette;
    }
    BOOL IsEmpty() const
    {
        return m_lpSrcBits == NULL;
    }
    // Bytes of one pixel row as stored (padded to 32 bits).
    static DWORD PaddedRowBytes(int nWidth, int nBits);
    // Draw through a halftone palette (set on loading when the display's depth differs).
    void SetHalftone(BOOL bHalftone)
    {
        m_bUseHalftone = bHalftone;
    }
    BOOL GetHalftone() const
    {
        return m_bUseHalftone;
    }

    // Overridables
    void Serialize(CArchive& ar) override;
    virtual BOOL CreatePalette();
    virtual BOOL LoadImage(LPCTSTR lpszPath);
    virtual BOOL LoadImage(CFile* pFile);
    virtual BOOL SaveImage(LPCTSTR lpszPath);
    virtual BOOL SaveImage(CFile* pFile);
    virtual void FreeImage();
    virtual BOOL AfterLoad();
    virtual BOOL PreSave()
    {
        return TRUE;
    }
    virtual BOOL PostSave()
    {
        return TRUE;
    }
    // The file format; the base class knows none.
    virtual BOOL DoSaveImage(CFile* pFile);
    virtual BOOL DoLoadImage(CFile* pFile);
    virtual void CloseFiles();
    // Opens the file for reading (a CFileException when it cannot be opened) and loads it.
    virtual BOOL LoadFromFile(LPCTSTR lpszPath);

    // Operations
    void PadRows();
    void UnpadRows();
    BOOL CreateFromBitmap(CDC* pDC, CBitmap* pBitmap);
    BOOL StretchDIBits(CDC* pDC, int xDest, int yDest, int cxDest, int cyDest, int xSrc, int ySrc, int cxSrc,
                       int cySrc, const void* lpBits, const BITMAPINFO* lpBMI, UINT nUsage, DWORD dwRop);
    // A screen-compatible bitmap of the image; the caller deletes it.
    CBitmap* MakeBitmap(CDC* pDC);
    // Loads the file and makes a bitmap of its bits; the caller deletes it.
    CBitmap* LoadBitmap(LPCTSTR lpszPath);
    BOOL CopyFrom(const SECImage& source);
    // Buffered reading over the current file.
    UINT Read(void* lpBuf, UINT nCount, UINT nBufferSize = 4096);
    void Flush();

  protected:
    // Reads a BMP image (file header, info block, pixels) through read into this image. Every size
    // is checked against nAvailable bytes before anything is allocated. FALSE leaves the image
    // empty; the caller keeps the previous one.
    BOOL ReadBmpStream(const std::function<UINT(void*, UINT)>& read, ULONGLONG nAvailable);
    // The 14-byte file header of the BMP form, for the image as held.
    void MakeFileHeader(BYTE header[14]) const;
    DWORD InfoBytes() const
    {
        return 40 + 4 * (DWORD)m_wColors;
    }
    DWORD PixelBytes() const
    {
        return PaddedRowBytes(m_dwWidth, m_nSrcBitsPerPixel) * (DWORD)m_dwHeight;
    }
    void TakeOver(SECImage& from);
    static WORD ColorsForBits(int nBits);
    static BYTE* AllocLocked(SIZE_T nBytes, HGLOBAL& hMem);
    static void FreeLocked(HGLOBAL& hMem);

    int m_nSrcBitsPerPixel;
    int m_nSysBitsPerPixel;
    int m_nPlanes;
    BOOL m_bRowsPadded;
    int m_dwPadWidth;
    int m_dwWidth;
    int m_dwHeight;
    WORD m_wColors;
    WORD m_wColorTableSize;
    CPalette* m_pPalette;
    CFile* m_pCurFile;
    BYTE* m_lpSrcBits;
    HGLOBAL m_hSrcBits;
    BITMAPINFO* m_lpBMI;
    HGLOBAL m_hBMI;
    RGBQUAD* m_lpRGB;
    BOOL m_bUseHalftone;
    int m_nBufferSize;
    int m_nBufferBytes;
    int m_nBufferPos;
    HGLOBAL m_hBuffer;
    CPtrList m_openedFiles;
};

} // namespace foundation
} // namespace tessaron
