// SECDib: the image in the Windows BMP format (file header, 40-byte info header, colour table,
// bottom-up rows padded to 32 bits). Made with new and deleted with delete by its owner.
#pragma once
#include "Image.h"

namespace tessaron
{
namespace foundation
{

class SECDib : public SECImage
{
    DECLARE_DYNCREATE(SECDib)

  public:
    // Construction
    SECDib();
    ~SECDib() override;

    // Overridables
    BOOL DoSaveImage(CFile* pFile) override;
    // Refuses (FALSE) a file whose sizes, bit count, compression or colour count do not fit.
    BOOL DoLoadImage(CFile* pFile) override;
};

} // namespace foundation
} // namespace tessaron
