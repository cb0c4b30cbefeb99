// The grid's print device: its archive bytes, comparing blocks, damaged blocks from an archive
// and the printer DC of the default ("PDF") printer.
#include "ArchiveBytes.h"
#include "FeatureTestApp.h"
#include "grid/core/GridParam.h"
#include "grid/features/PrintDevice.h"
#include <gtest/gtest.h>
#include <string.h>

using namespace testing_support;

namespace
{
// A DEVNAMES block: the header, then driver, device and output names.
Bytes DevNames(const std::string& driver, const std::string& device, const std::string& output)
{
    WORD wDriver = sizeof(DEVNAMES), wDevice = (WORD)(wDriver + driver.size() + 1),
         wOutput = (WORD)(wDevice + device.size() + 1);
    return Cat({Word(wDriver),
                Word(wDevice),
                Word(wOutput),
                Word(0),
                Text(driver),
                {0},
                Text(device),
                {0},
                Text(output),
                {0}});
}

Bytes DevMode(const std::string& device, WORD wExtra = 0)
{
    DEVMODEA dm = {};
    strncpy((char*)dm.dmDeviceName, device.c_str(), CCHDEVICENAME - 1);
    dm.dmSize = sizeof(DEVMODEA);
    dm.dmDriverExtra = wExtra;
    Bytes b((const BYTE*)&dm, (const BYTE*)&dm + sizeof dm);
    b.resize(b.size() + wExtra);
    return b;
}

Bytes DeviceBytes(const Bytes& names, const Bytes& mode)
{
    return Cat({Word(1), DWord((DWORD)names.size()), names, DWord((DWORD)mode.size()), mode});
}
} // namespace

TEST(PrintDevice, ArchiveBytesAndComparing)
{
    EnsureGridLibrary();
    CGXPrintDevice device;
    EXPECT_EQ((Bytes{1, 0, 0, 0, 0, 0, 0, 0, 0, 0}), Store([&](CArchive& ar) { device.Serialize(ar); }));
    EXPECT_TRUE(device.CompareDeviceHandles(NULL, NULL));

    Bytes names = DevNames("winspool", "PDF", "CUPS:PDF"), mode = DevMode("PDF");
    device.SetDeviceData(names.data(), (DWORD)names.size(), mode.data(), (DWORD)mode.size());
    Bytes expected = DeviceBytes(names, mode);
    EXPECT_EQ(expected, Store([&](CArchive& ar) { device.Serialize(ar); }));
    EXPECT_FALSE(CGXPrintDevice().CompareDeviceHandles(device.m_hDevNames, device.m_hDevMode));

    CGXPrintDevice loaded;
    EXPECT_EQ(kNoError, LoadCause(expected, [&](CArchive& ar) { loaded.Serialize(ar); }));
    EXPECT_TRUE(loaded.CompareDeviceHandles(device.m_hDevNames, device.m_hDevMode));
    CGXPrintDevice assigned;
    assigned = loaded;
    EXPECT_TRUE(assigned.CompareDeviceHandles(device.m_hDevNames, device.m_hDevMode));
    EXPECT_EQ(CArchiveException::badSchema,
              LoadCause(Cat({Word(2), DWord(0), DWord(0)}), [&](CArchive& ar) { loaded.Serialize(ar); }));
}

// Blocks from an archive reach the printer driver only when they are well-formed.
TEST(PrintDevice, DamagedBlocksAreDropped)
{
    EnsureGridLibrary();
    Bytes names = DevNames("winspool", "PDF", "CUPS:PDF"), mode = DevMode("PDF");
    Bytes pastEnd = names;
    pastEnd[2] = 200; // device offset beyond the block
    Bytes unterminated(names.begin(), names.end() - 1);
    Bytes intoHeader = names;
    intoHeader[0] = 4;
    Bytes shortMode = DevMode("PDF");
    shortMode.resize(20);
    Bytes extraBeyond = DevMode("PDF", 16);
    extraBeyond.resize(extraBeyond.size() - 8);
    struct Case
    {
        const char* what;
        Bytes names, mode;
    } cases[] = {
        {"offset past the block", pastEnd, mode},
        {"no terminator", unterminated, mode},
        {"offset inside the header", intoHeader, mode},
        {"names shorter than the header", Bytes{1, 2, 3}, mode},
        {"mode shorter than its fields", names, shortMode},
        {"driver extra beyond the block", names, extraBeyond},
    };
    for (const Case& c : cases)
    {
        CGXPrintDevice device;
        EXPECT_EQ(kNoError,
                  LoadCause(DeviceBytes(c.names, c.mode), [&](CArchive& ar) { device.Serialize(ar); }))
            << c.what;
        EXPECT_TRUE(device.m_hDevNames == NULL && device.m_hDevMode == NULL) << c.what;
    }
    // A well-formed block with driver data and without a mode is kept.
    CGXPrintDevice device;
    EXPECT_EQ(kNoError,
              LoadCause(DeviceBytes(names, DevMode("PDF", 16)), [&](CArchive& ar) { device.Serialize(ar); }));
    EXPECT_TRUE(device.m_hDevNames != NULL && device.m_hDevMode != NULL);
    EXPECT_EQ(kNoError, LoadCause(DeviceBytes(names, Bytes()), [&](CArchive& ar) { device.Serialize(ar); }));
    EXPECT_TRUE(device.m_hDevNames != NULL && device.m_hDevMode == NULL);
    // A false size ends at the end of the file.
    EXPECT_EQ(CArchiveException::endOfFile, LoadCause(Cat({Word(1), DWord(0x7FFFFFFF), names}),
                                                      [&](CArchive& ar) { device.Serialize(ar); }));
}

TEST(PrintDevice, TheFirstPrinterDcIsThePdfPrinters)
{
    EnsureGridLibrary();
    CGXPrintDevice device;
    HDC hDC = device.GetPrinterDC();
    ASSERT_TRUE(hDC != NULL);
    EXPECT_EQ(hDC, device.GetPrinterDC());
    ASSERT_TRUE(device.m_hDevNames != NULL);
    const DEVNAMES* pdn = (const DEVNAMES*)::GlobalLock(device.m_hDevNames);
    EXPECT_STREQ("PDF", (const char*)pdn + pdn->wDeviceOffset);
    ::GlobalUnlock(device.m_hDevNames);
    EXPECT_EQ(2479, ::GetDeviceCaps(hDC, HORZRES));
    EXPECT_EQ(3508, ::GetDeviceCaps(hDC, VERTRES));

    // A damaged archive leaves the device to the default printer.
    CGXPrintDevice loaded;
    Bytes names = DevNames("winspool", "PDF", "CUPS:PDF");
    names[2] = 200;
    EXPECT_EQ(kNoError,
              LoadCause(DeviceBytes(names, DevMode("PDF")), [&](CArchive& ar) { loaded.Serialize(ar); }));
    HDC hLoaded = loaded.GetPrinterDC();
    ASSERT_TRUE(hLoaded != NULL);
    EXPECT_EQ(2479, ::GetDeviceCaps(hLoaded, HORZRES));
}

TEST(PrintDevice, ParameterObjectsStoreAndCopyTheirDevice)
{
    EnsureGridLibrary();
    CGXGridParam param;
    auto* pDevice = new CGXPrintDevice;
    Bytes names = DevNames("winspool", "PDF", "CUPS:PDF"), mode = DevMode("PDF");
    pDevice->SetDeviceData(names.data(), (DWORD)names.size(), mode.data(), (DWORD)mode.size());
    param.SetPrintDeviceObject(pDevice);
    Bytes bytes = Store([&](CArchive& ar) { param.Serialize(ar); });
    CGXGridParam loaded;
    EXPECT_EQ(kNoError, LoadCause(bytes, [&](CArchive& ar) { loaded.Serialize(ar); }));
    auto* pLoaded = dynamic_cast<CGXPrintDevice*>(loaded.GetPrintDevice());
    ASSERT_TRUE(pLoaded != NULL);
    EXPECT_TRUE(loaded.m_bOwnPrintDevice);
    EXPECT_TRUE(pLoaded->CompareDeviceHandles(pDevice->m_hDevNames, pDevice->m_hDevMode));

    CGXGridParam copy;
    copy.CopyFrom(param);
    auto* pCopied = dynamic_cast<CGXPrintDevice*>(copy.GetPrintDevice());
    ASSERT_TRUE(pCopied != NULL && pCopied != pDevice);
    EXPECT_TRUE(copy.m_bOwnPrintDevice);
    EXPECT_TRUE(pCopied->CompareDeviceHandles(pDevice->m_hDevNames, pDevice->m_hDevMode));
}
