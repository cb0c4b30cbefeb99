// SECDib: BMP reading and writing.
#include "Dib.h"

namespace tessaron
{
namespace foundation
{

IMPLEMENT_DYNCREATE(SECDib, SECImage)

SECDib::SECDib()
{
}

SECDib::~SECDib()
{
}

BOOL SECDib::DoLoadImage(CFile* pFile)
{
    DWORD nLength = pFile->GetLength();
    DWORD nPosition = pFile->GetPosition();
    ULONGLONG nAvailable = nLength > nPosition ? nLength - nPosition : 0;
    return ReadBmpStream([pFile](void* p, UINT n) { return pFile->Read(p, n); }, nAvailable);
}

BOOL SECDib::DoSaveImage(CFile* pFile)
{
    if (m_lpBMI == NULL || m_lpSrcBits == NULL)
        return FALSE;
    PadRows();
    BYTE header[14];
    MakeFileHeader(header);
    pFile->Write(header, sizeof(header));
    pFile->Write(m_lpBMI, InfoBytes());
    // The rows we hold, whatever biSizeImage claims.
    pFile->Write(m_lpSrcBits, PixelBytes());
    return TRUE;
}

} // namespace foundation
} // namespace tessaron
