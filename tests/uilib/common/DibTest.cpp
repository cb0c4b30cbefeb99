// The BMP image: files of every bit depth load with their palettes and padding, save back
// unchanged and round-trip through the archive form; broken files are refused without harm.
#include "CommonTestApp.h"
#include "TestSupport.h"
#include "ArchiveException.h"
#include "uilib/common/Dib.h"
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

using namespace testing_support;
using tessaron::foundation::SECDib;

namespace
{

std::vector<BYTE> FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<BYTE>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string BmpPath(const char* name)
{
    return std::string(BMP_DIR) + name;
}

DWORD Dword(const std::vector<BYTE>& b, size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | ((DWORD)b[at + 3] << 24);
}

// The archive form of an image, as bytes.
std::vector<BYTE> Stored(SECDib& image)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        image.Serialize(ar);
        ar.Close();
    }
    std::vector<BYTE> bytes(file.GetLength());
    file.SeekToBegin();
    file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

void LoadStored(SECDib& image, const std::vector<BYTE>& bytes)
{
    CMemFile file;
    file.Write(bytes.data(), (UINT)bytes.size());
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    image.Serialize(ar);
}

struct GoodFile
{
    const char* name;
    int width, height, bits, colors;
    DWORD rowBytes;
};
const GoodFile kGoodFiles[] = {
    {"bits1.bmp", 3, 2, 1, 2, 4},
    {"bits4.bmp", 5, 3, 4, 16, 4},
    {"bits8.bmp", 3, 2, 8, 256, 4},
    {"bits24.bmp", 3, 2, 24, 0, 12},
};

} // namespace

TEST(Dib, FilesOfEveryDepthLoadSaveAndRoundTrip)
{
    for (const GoodFile& f : kGoodFiles)
    {
        SCOPED_TRACE(f.name);
        std::vector<BYTE> original = FileBytes(BmpPath(f.name));
        ASSERT_GT(original.size(), 54u);
        SECDib image;
        ASSERT_TRUE(image.LoadImage(BmpPath(f.name).c_str()));
        EXPECT_EQ(f.width, image.GetWidth());
        EXPECT_EQ(f.height, image.GetHeight());
        EXPECT_EQ(f.bits, image.GetBitsPerPixel());
        EXPECT_EQ(f.colors, image.GetColorCount());
        EXPECT_EQ(f.rowBytes, SECDib::PaddedRowBytes(f.width, f.bits));

        // Pixels as in the file, rows padded.
        DWORD offBits = Dword(original, 10);
        std::vector<BYTE> pixels(original.begin() + offBits, original.end());
        ASSERT_EQ(f.rowBytes * f.height, pixels.size());
        EXPECT_EQ(pixels, std::vector<BYTE>(image.GetBits(), image.GetBits() + pixels.size()));

        // Palette entries from the colour table (blue, green, red, reserved).
        if (f.colors > 0)
        {
            ASSERT_NE(nullptr, image.GetPalette());
            ASSERT_EQ(f.colors, image.GetPalette()->GetEntryCount());
            PALETTEENTRY last;
            image.GetPalette()->GetPaletteEntries(f.colors - 1, 1, &last);
            size_t at = 54 + 4 * (f.colors - 1);
            EXPECT_EQ(original[at + 2], last.peRed);
            EXPECT_EQ(original[at + 1], last.peGreen);
            EXPECT_EQ(original[at], last.peBlue);
        }
        else
            EXPECT_EQ(nullptr, image.GetPalette());

        std::string copy = TempFolder() + "\\copy_" + f.name;
        ASSERT_TRUE(image.SaveImage(copy.c_str()));
        EXPECT_EQ(original, FileBytes(copy));

        std::vector<BYTE> stored = Stored(image);
        EXPECT_EQ(original, stored);
        SECDib back;
        LoadStored(back, stored);
        EXPECT_EQ(f.width, back.GetWidth());
        EXPECT_EQ(stored, Stored(back));
    }
}

TEST(Dib, BrokenFilesAreRefusedAndTheHeldImageStays)
{
    const char* broken[] = {
        "bad_magic.bmp",           "bad_offbits_short.bmp", "bad_offbits_past_end.bmp", "bad_width_zero.bmp",
        "bad_height_negative.bmp", "bad_huge.bmp",          "bad_bits16.bmp",           "bad_rle.bmp",
        "bad_clrused.bmp",         "bad_truncated.bmp"};
    std::vector<BYTE> good = FileBytes(BmpPath("bits4.bmp"));
    for (const char* name : broken)
    {
        SCOPED_TRACE(name);
        SECDib image;
        ASSERT_TRUE(image.LoadImage(BmpPath("bits4.bmp").c_str()));
        EXPECT_FALSE(image.LoadImage(BmpPath(name).c_str()));
        EXPECT_EQ(5, image.GetWidth());
        EXPECT_EQ(good, Stored(image));

        // Inside a stream a broken image fails the read with the archive's error.
        bool bThrown = false;
        try
        {
            LoadStored(image, FileBytes(BmpPath(name)));
        }
        catch (CArchiveException* e)
        {
            bThrown = true;
            e->Delete();
        }
        EXPECT_TRUE(bThrown);
        EXPECT_EQ(good, Stored(image));
    }
}

TEST(Dib, MissingFileRaisesTheFileExceptionThroughLoadFromFile)
{
    SECDib image;
    bool bThrown = false;
    try
    {
        image.LoadFromFile((TempFolder() + "\\missing.bmp").c_str());
    }
    catch (CFileException* e)
    {
        bThrown = true;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
    EXPECT_FALSE(image.LoadImage((TempFolder() + "\\missing.bmp").c_str()));
}

TEST(Dib, ImageFromABitmapDrawsBackTheSamePixels)
{
    HDC hScreen = ::GetDC(NULL);
    CDC* pScreen = CDC::FromHandle(hScreen);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(pScreen, 6, 4));
    CDC memDC;
    ASSERT_TRUE(memDC.CreateCompatibleDC(pScreen));
    CBitmap* pOld = memDC.SelectObject(&bitmap);
    memDC.FillSolidRect(0, 0, 6, 4, RGB(10, 20, 30));
    memDC.SetPixel(2, 1, RGB(200, 100, 50));
    memDC.SelectObject(pOld);

    SECDib image;
    ASSERT_TRUE(image.CreateFromBitmap(&memDC, &bitmap));
    EXPECT_EQ(6, image.GetWidth());
    EXPECT_EQ(24, image.GetBitsPerPixel());
    std::unique_ptr<CBitmap> made(image.MakeBitmap(pScreen));
    ASSERT_NE(nullptr, made);
    pOld = memDC.SelectObject(made.get());
    EXPECT_EQ(RGB(200, 100, 50), memDC.GetPixel(2, 1));
    EXPECT_EQ(RGB(10, 20, 30), memDC.GetPixel(5, 3));
    memDC.SelectObject(pOld);
    ::ReleaseDC(NULL, hScreen);
}
