// The bitmap dialog: without an image it paints as a plain dialog; with one the image shows
// centred (also larger than the dialog), stretched or tiled, and through the static controls.
#include "CommonTestApp.h"
#include "TestSupport.h"
#include "uilib/common/BitmapDialog.h"
#include "uilib/common/Dib.h"
#include <commctrl.h>
#include <functional>
#include <vector>

using namespace testing_support;
using tessaron::foundation::SECDib;

namespace
{

// The client area of a window as shown on the screen, one COLORREF per pixel.
class CClientPixels
{
  public:
    explicit CClientPixels(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetClientRect(&rect);
        m_cx = rect.Width();
        m_cy = rect.Height();
        CClientDC dcWnd(pWnd);
        CDC dc;
        dc.CreateCompatibleDC(&dcWnd);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&dcWnd, m_cx, m_cy);
        CBitmap* pOld = dc.SelectObject(&bitmap);
        dc.BitBlt(0, 0, m_cx, m_cy, &dcWnd, 0, 0, SRCCOPY);
        dc.SelectObject(pOld);
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = m_cx;
        bmi.bmiHeader.biHeight = -m_cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        m_bits.resize((size_t)m_cx * m_cy);
        ::GetDIBits(dc.m_hDC, (HBITMAP)bitmap.m_hObject, 0, m_cy, m_bits.data(), &bmi, DIB_RGB_COLORS);
    }
    COLORREF At(int x, int y) const
    {
        const DWORD v = m_bits[(size_t)y * m_cx + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    int m_cx, m_cy;
    std::vector<DWORD> m_bits;
};

// An image of cx x cy pixels whose colour at (x, y) is color(x, y).
SECDib* MakeImage(int cx, int cy, const std::function<COLORREF(int, int)>& color)
{
    CClientDC screen(NULL);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, cx, cy);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap* pOld = dc.SelectObject(&bitmap);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            ::SetPixelV(dc.m_hDC, x, y, color(x, y));
    dc.SelectObject(pOld);
    SECDib* pImage = new SECDib;
    EXPECT_TRUE(pImage->CreateFromBitmap(&screen, &bitmap));
    return pImage;
}

COLORREF Pattern(int x, int y)
{
    return RGB(x & 0xFF, y & 0xFF, 0x40);
}

// A shown, modeless dialog of the test template at a screen point.
template <class DIALOG> class CShownDialog
{
  public:
    explicit CShownDialog(POINT pt, SECDib* pImage = NULL, int nMode = 0) : m_dlg(IDD_BITMAP_DIALOG)
    {
        Init(pImage, nMode);
        m_dlg.Create(IDD_BITMAP_DIALOG, NULL);
        m_dlg.SetWindowPos(NULL, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_dlg.ShowWindow(SW_SHOWNOACTIVATE);
        m_dlg.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpMessages(50);
    }
    ~CShownDialog()
    {
        m_dlg.DestroyWindow();
    }
    void Init(SECDib*, int)
    {
    }
    DIALOG m_dlg;
};

template <> void CShownDialog<SECBitmapDialog>::Init(SECDib* pImage, int nMode)
{
    if (pImage != NULL)
        m_dlg.SetImage(pImage, nMode);
}

class CBitmapDialogTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES};
        ::InitCommonControlsEx(&icc);
    }
};

TEST_F(CBitmapDialogTest, WithoutAnImageItPaintsAsAPlainDialog)
{
    CShownDialog<CDialog> plain(POINT{40, 40});
    CShownDialog<SECBitmapDialog> bitmap(POINT{400, 40});
    CClientPixels a(&plain.m_dlg), b(&bitmap.m_dlg);
    ASSERT_EQ(a.m_cx, b.m_cx);
    ASSERT_EQ(a.m_cy, b.m_cy);
    int nDiffer = 0;
    for (size_t i = 0; i < a.m_bits.size(); ++i)
        nDiffer += a.m_bits[i] != b.m_bits[i];
    EXPECT_EQ(0, nDiffer);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), b.At(b.m_cx - 2, b.m_cy - 2));
    // Static controls are coloured as in any dialog.
    CClientDC dc(&bitmap.m_dlg);
    HBRUSH hPlain = (HBRUSH)plain.m_dlg.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.m_hDC,
                                                    (LPARAM)plain.m_dlg.GetDlgItem(IDC_BD_STATIC)->m_hWnd);
    HBRUSH hBitmap = (HBRUSH)bitmap.m_dlg.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.m_hDC,
                                                      (LPARAM)bitmap.m_dlg.GetDlgItem(IDC_BD_STATIC)->m_hWnd);
    EXPECT_EQ(hPlain, hBitmap);
    EXPECT_NE((HBRUSH)::GetStockObject(NULL_BRUSH), hBitmap);
}

TEST_F(CBitmapDialogTest, CentredImageSitsInTheMiddleAlsoWhenLarger)
{
    // Smaller than the client area: in the middle, the dialog's face around it.
    {
        CShownDialog<SECBitmapDialog> dlg(POINT{40, 40}, MakeImage(40, 30, Pattern),
                                          SECBitmapDialog::displayCentred);
        CClientPixels px(&dlg.m_dlg);
        const int x0 = (px.m_cx - 40) / 2, y0 = (px.m_cy - 30) / 2;
        // Points off the static and trackbar in the upper left.
        EXPECT_EQ(Pattern(39, 0), px.At(x0 + 39, y0));
        EXPECT_EQ(Pattern(39, 29), px.At(x0 + 39, y0 + 29));
        EXPECT_EQ(Pattern(20, 15), px.At(x0 + 20, y0 + 15));
        EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), px.At(x0 + 40, y0 + 15));
        EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), px.At(x0 + 39, y0 + 30));
        EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), px.At(px.m_cx - 1, px.m_cy - 1));
    }
    // Larger: drawn at negative offsets, its middle shows.
    {
        CShownDialog<SECBitmapDialog> probe(POINT{40, 40});
        CRect rect;
        probe.m_dlg.GetClientRect(&rect);
        ASSERT_LT(rect.Width() + 41, 256);
        ASSERT_LT(rect.Height() + 31, 256);
        const int cxImage = rect.Width() + 41, cyImage = rect.Height() + 31;
        CShownDialog<SECBitmapDialog> dlg(POINT{40, 40}, MakeImage(cxImage, cyImage, Pattern),
                                          SECBitmapDialog::displayCentred);
        CClientPixels px(&dlg.m_dlg);
        // Offsets (-41 / 2, -31 / 2) truncate toward zero: -20 and -15.
        EXPECT_EQ(Pattern(20 + px.m_cx - 1, 15 + px.m_cy - 1), px.At(px.m_cx - 1, px.m_cy - 1));
        EXPECT_EQ(Pattern(20 + px.m_cx - 1, 15), px.At(px.m_cx - 1, 0));
        EXPECT_EQ(Pattern(20 + 100, 15 + 50), px.At(100, 50));
    }
}

TEST_F(CBitmapDialogTest, StretchedAndTiledImagesFillTheClientArea)
{
    const COLORREF kLeft = RGB(200, 0, 0), kRight = RGB(0, 0, 200);
    {
        CShownDialog<SECBitmapDialog> dlg(
            POINT{40, 40}, MakeImage(2, 1, [&](int x, int) { return x == 0 ? kLeft : kRight; }),
            SECBitmapDialog::displayStretched);
        CClientPixels px(&dlg.m_dlg);
        EXPECT_EQ(kLeft, px.At(px.m_cx / 2 - 3, px.m_cy - 1));
        EXPECT_EQ(kRight, px.At(px.m_cx / 2 + 3, px.m_cy - 1));
        EXPECT_EQ(kRight, px.At(px.m_cx - 1, 0));
    }
    {
        auto tile = [](int x, int y) { return RGB(x * 8, y * 8, 0x40); };
        CShownDialog<SECBitmapDialog> dlg(POINT{40, 40}, MakeImage(16, 16, tile),
                                          SECBitmapDialog::displayTiled);
        CClientPixels px(&dlg.m_dlg);
        int nWrong = 0, nChecked = 0;
        for (int y = px.m_cy / 2; y < px.m_cy; y += 3)
            for (int x = px.m_cx / 2; x < px.m_cx; x += 5, ++nChecked)
                nWrong += px.At(x, y) != tile(x % 16, y % 16);
        EXPECT_GT(nChecked, 100);
        EXPECT_EQ(0, nWrong);
    }
}

TEST_F(CBitmapDialogTest, StaticsShowTheImageThrough)
{
    CShownDialog<SECBitmapDialog> dlg(POINT{40, 40},
                                      MakeImage(16, 16, [](int x, int y) { return Pattern(x * 8, y * 8); }),
                                      SECBitmapDialog::displayTiled);
    CWnd* pStatic = dlg.m_dlg.GetDlgItem(IDC_BD_STATIC);
    CWnd* pTrackbar = dlg.m_dlg.GetDlgItem(IDC_BD_TRACKBAR);
    CClientDC dc(pStatic);
    dc.SetBkMode(OPAQUE);
    HBRUSH hBrush =
        (HBRUSH)dlg.m_dlg.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.m_hDC, (LPARAM)pStatic->m_hWnd);
    EXPECT_EQ((HBRUSH)::GetStockObject(NULL_BRUSH), hBrush);
    EXPECT_EQ(TRANSPARENT, dc.GetBkMode());
    // The trackbar keeps the dialog's own colouring.
    dc.SetBkMode(OPAQUE);
    hBrush = (HBRUSH)dlg.m_dlg.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.m_hDC, (LPARAM)pTrackbar->m_hWnd);
    EXPECT_NE((HBRUSH)::GetStockObject(NULL_BRUSH), hBrush);
    EXPECT_EQ(OPAQUE, dc.GetBkMode());
    // On the screen the static's area shows the tiles.
    CRect rect;
    pStatic->GetWindowRect(&rect);
    dlg.m_dlg.ScreenToClient(&rect);
    CClientPixels px(&dlg.m_dlg);
    int nWrong = 0;
    for (int y = rect.top; y < rect.bottom; y += 2)
        for (int x = rect.left; x < rect.right; x += 2)
            nWrong += px.At(x, y) != Pattern((x % 16) * 8, (y % 16) * 8);
    EXPECT_EQ(0, nWrong);
}

} // namespace
