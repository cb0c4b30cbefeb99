// The platform the program and its tests stand on: code page, resources, COM pairs, windows
// under the X server, and the message-box sink.
#include "TestSupport.h"
#include <gtest/gtest-spi.h>

using namespace testing_support;

TEST(Platform, AnsiCodePageIs1252AndResourceTextsConvertToIt)
{
    EXPECT_EQ(1252u, ::GetACP());
    char text[64] = {};
    ASSERT_EQ(8, ::LoadStringA(::GetModuleHandleA(NULL), 60001, text, sizeof text));
    EXPECT_EQ('\xB0', text[6]);
    EXPECT_STREQ("T1 in \xB0"
                 "C",
                 text);
}

TEST(Platform, BytesWrittenToOneComPortArriveAtTheOther)
{
    std::vector<ComPair> pairs = ComPairs();
    ASSERT_FALSE(pairs.empty());
    bool sawTwoDigitPort = false;
    for (const ComPair& pair : pairs)
    {
        sawTwoDigitPort |= pair.a >= 10 || pair.b >= 10;
        HANDLE a = ::CreateFileA(ComPortPath(pair.a).c_str(), GENERIC_READ | GENERIC_WRITE, 0, NULL,
                                 OPEN_EXISTING, 0, NULL);
        HANDLE b = ::CreateFileA(ComPortPath(pair.b).c_str(), GENERIC_READ | GENERIC_WRITE, 0, NULL,
                                 OPEN_EXISTING, 0, NULL);
        ASSERT_NE(INVALID_HANDLE_VALUE, a);
        ASSERT_NE(INVALID_HANDLE_VALUE, b);
        COMMTIMEOUTS timeouts = {};
        timeouts.ReadTotalTimeoutConstant = 2000;
        ASSERT_TRUE(::SetCommTimeouts(b, &timeouts));

        const char request[] = "\x01\x2F\x00\xFF station";
        DWORD written = 0;
        ASSERT_TRUE(::WriteFile(a, request, sizeof request, &written, NULL));
        EXPECT_EQ(sizeof request, written);
        char reply[sizeof request] = {};
        DWORD total = 0;
        while (total < sizeof reply)
        {
            DWORD got = 0;
            ASSERT_TRUE(::ReadFile(b, reply + total, sizeof reply - total, &got, NULL));
            if (got == 0)
                break;
            total += got;
        }
        EXPECT_EQ(sizeof request, total) << "COM" << pair.a << " -> COM" << pair.b;
        EXPECT_EQ(0, memcmp(request, reply, sizeof request));
        ::CloseHandle(a);
        ::CloseHandle(b);
    }
    EXPECT_TRUE(sawTwoDigitPort);
}

namespace
{
LRESULT CALLBACK PaintRedProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT)
    {
        PAINTSTRUCT ps;
        HDC hdc = ::BeginPaint(hWnd, &ps);
        HBRUSH red = ::CreateSolidBrush(RGB(255, 0, 0));
        RECT rc = {10, 10, 50, 30};
        ::FillRect(hdc, &rc, red);
        ::DeleteObject(red);
        ::EndPaint(hWnd, &ps);
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, 1);
        return 0;
    }
    return ::DefWindowProcA(hWnd, msg, wParam, lParam);
}
} // namespace

TEST(Platform, AWindowUnderTheXServerIsPainted)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PaintRedProc;
    wc.hInstance = ::GetModuleHandleA(NULL);
    wc.lpszClassName = "HarnessPaintTest";
    wc.hbrBackground = (HBRUSH)::GetStockObject(WHITE_BRUSH);
    ASSERT_TRUE(::RegisterClassA(&wc));
    HWND hWnd = ::CreateWindowA("HarnessPaintTest", "paint", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 120,
                                NULL, NULL, wc.hInstance, NULL);
    ASSERT_TRUE(hWnd != NULL);
    ::UpdateWindow(hWnd);
    EXPECT_TRUE(PumpUntil([&] { return ::GetWindowLongPtrA(hWnd, GWLP_USERDATA) == 1; }, 3000));
    HDC hdc = ::GetDC(hWnd);
    EXPECT_EQ(RGB(255, 0, 0), ::GetPixel(hdc, 20, 20));
    EXPECT_EQ(RGB(255, 255, 255), ::GetPixel(hdc, 100, 80));
    ::ReleaseDC(hWnd, hdc);
    ::DestroyWindow(hWnd);
    ::UnregisterClassA("HarnessPaintTest", wc.hInstance);
}

TEST(Platform, AnUnexpectedMessageBoxFailsTheTestInsteadOfWaiting)
{
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(IDCANCEL, AfxMessageBox("nobody expects this", MB_OKCANCEL)),
                            "unexpected message box");
    MessageBoxes boxes;
    boxes.Expect(IDYES, "Speichern");
    EXPECT_EQ(IDYES, AfxMessageBox("Speichern?", MB_YESNO));
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ((UINT)MB_YESNO, boxes.Shown()[0].type);
}
