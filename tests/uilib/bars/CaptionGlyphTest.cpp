// The minimise, maximise, restore and close symbols: drawn with the system's symbol font, on the
// MDI menu bar exactly as DrawFrameControl draws them, and in a window's own caption.
#include "BarsTestApp.h"
#include "TestSupport.h"
#include "uilib/bars/MDIMenuBar.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
// The pixels of a rectangle of a device context, row by row.
class Glyph
{
  public:
    Glyph(HDC hdc, const CRect& rect) : m_cx(rect.Width()), m_cy(rect.Height())
    {
        for (int y = rect.top; y < rect.bottom; y++)
            for (int x = rect.left; x < rect.right; x++)
                m_pixels.push_back(::GetPixel(hdc, x, y));
    }
    // What DrawFrameControl draws for a button of this size.
    static Glyph FromFrameControl(int cx, int cy, UINT nType, UINT nState)
    {
        HDC hdc = ::CreateCompatibleDC(NULL);
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = cx;
        bmi.bmiHeader.biHeight = -cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        void* pBits = nullptr;
        HBITMAP hbm = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
        HGDIOBJ hOld = ::SelectObject(hdc, hbm);
        CRect rect(0, 0, cx, cy);
        ::DrawFrameControl(hdc, &rect, nType, nState);
        Glyph glyph(hdc, rect);
        ::SelectObject(hdc, hOld);
        ::DeleteObject(hbm);
        ::DeleteDC(hdc);
        return glyph;
    }
    // The same symbol on the same face: the pixels inside the button's 3-D frame.
    bool SameInside(const Glyph& other) const
    {
        if (m_cx != other.m_cx || m_cy != other.m_cy)
            return false;
        for (int y = 2; y < m_cy - 2; y++)
            for (int x = 2; x < m_cx - 2; x++)
                if (m_pixels[(size_t)(y * m_cx + x)] != other.m_pixels[(size_t)(y * m_cx + x)])
                    return false;
        return true;
    }
    // The symbol's solid pixels: the button text colour.
    bool Ink(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < m_cx && y < m_cy &&
               m_pixels[(size_t)(y * m_cx + x)] == ::GetSysColor(COLOR_BTNTEXT);
    }
    // The smallest rectangle holding all ink; empty when there is none. Only the button's inside
    // counts: its 3-D frame may share the text colour.
    CRect InkBounds() const
    {
        CRect bounds(m_cx, m_cy, 0, 0);
        for (int y = 2; y < m_cy - 2; y++)
            for (int x = 2; x < m_cx - 2; x++)
                if (Ink(x, y))
                {
                    bounds.left = std::min<int>(bounds.left, x);
                    bounds.top = std::min<int>(bounds.top, y);
                    bounds.right = std::max<int>(bounds.right, x + 1);
                    bounds.bottom = std::max<int>(bounds.bottom, y + 1);
                }
        return bounds.IsRectEmpty() ? CRect(0, 0, 0, 0) : bounds;
    }
    // Rows of '#' (ink) and '.', for failure messages.
    std::string Picture() const
    {
        std::string s = "\n";
        std::vector<COLORREF> others;
        for (int y = 0; y < m_cy; y++, s += '\n')
            for (int x = 0; x < m_cx; x++)
            {
                const COLORREF clr = m_pixels[(size_t)(y * m_cx + x)];
                if (Ink(x, y) || clr == ::GetSysColor(COLOR_BTNFACE))
                {
                    s += Ink(x, y) ? '#' : '.';
                    continue;
                }
                size_t i = std::find(others.begin(), others.end(), clr) - others.begin();
                if (i == others.size())
                    others.push_back(clr);
                s += (char)('a' + i % 26);
            }
        char sz[16];
        for (size_t i = 0; i < others.size(); i++)
            s += (snprintf(sz, sizeof(sz), "%c=%06lx ", (char)('a' + i % 26), (unsigned long)others[i]), sz);
        return s;
    }

  private:
    int m_cx, m_cy;
    std::vector<COLORREF> m_pixels;
};

bool RowFull(const Glyph& g, const CRect& b, int y)
{
    for (int x = b.left; x < b.right; x++)
        if (!g.Ink(x, y))
            return false;
    return true;
}

bool ColumnFull(const Glyph& g, const CRect& b, int x)
{
    for (int y = b.top; y < b.bottom; y++)
        if (!g.Ink(x, y))
            return false;
    return true;
}

// The symbol's shape as the symbol font draws it; the letters and digits the symbols are coded as
// ("0", "1", "2", "r") in a text font fail these.
void ExpectSymbolShape(const Glyph& g, UINT nState)
{
    const CRect b = g.InkBounds();
    ASSERT_FALSE(b.IsRectEmpty()) << g.Picture();
    switch (nState & 0xFF)
    {
    case DFCS_CAPTIONMIN: // a bar at the bottom
        EXPECT_LE(b.Height(), 3) << g.Picture();
        EXPECT_GE(b.Width(), 5) << g.Picture();
        EXPECT_TRUE(RowFull(g, b, b.top)) << g.Picture();
        break;
    case DFCS_CAPTIONMAX: // a box with a thick top
        EXPECT_TRUE(RowFull(g, b, b.top) && RowFull(g, b, b.top + 1) && RowFull(g, b, b.bottom - 1))
            << g.Picture();
        EXPECT_TRUE(ColumnFull(g, b, b.left) && ColumnFull(g, b, b.right - 1)) << g.Picture();
        EXPECT_GE(b.Width(), 6) << g.Picture();
        break;
    case DFCS_CAPTIONRESTORE: // two boxes, the back one up and right
        EXPECT_TRUE(g.Ink(b.right - 1, b.top) && g.Ink(b.left, b.bottom - 1)) << g.Picture();
        EXPECT_FALSE(g.Ink(b.left, b.top) || g.Ink(b.right - 1, b.bottom - 1)) << g.Picture();
        EXPECT_TRUE(ColumnFull(g, CRect(b.left, b.bottom - 4, b.right, b.bottom), b.left)) << g.Picture();
        break;
    case DFCS_CAPTIONCLOSE: // an X: the same mirrored, ink in the middle
        for (int y = b.top; y < b.bottom; y++)
            for (int x = b.left; x < b.right; x++)
                EXPECT_EQ(g.Ink(x, y), g.Ink(b.left + b.right - 1 - x, y)) << x << "," << y << g.Picture();
        EXPECT_TRUE(g.Ink(b.left, b.top) && g.Ink(b.right - 1, b.top)) << g.Picture();
        EXPECT_TRUE(g.Ink((b.left + b.right) / 2, (b.top + b.bottom) / 2)) << g.Picture();
        break;
    }
}
} // namespace

TEST(CaptionGlyphs, TheSymbolFontIsTheOneTheDeviceContextGets)
{
    HDC hdc = ::GetDC(NULL);
    HFONT hFont = ::CreateFont(::GetSystemMetrics(SM_CYMENUCHECK), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                               SYMBOL_CHARSET, 0, 0, 0, 0, _T("Marlett"));
    HGDIOBJ hOld = ::SelectObject(hdc, hFont);
    TCHAR szFace[LF_FACESIZE] = {};
    ::GetTextFace(hdc, LF_FACESIZE, szFace);
    TEXTMETRIC tm = {};
    ::GetTextMetrics(hdc, &tm);
    ::SelectObject(hdc, hOld);
    ::DeleteObject(hFont);
    ::ReleaseDC(NULL, hdc);
    EXPECT_STREQ(_T("Marlett"), szFace);
    EXPECT_EQ(SYMBOL_CHARSET, tm.tmCharSet);
}

TEST(CaptionGlyphs, FrameControlsDrawTheSymbolsNotTheirCodes)
{
    // A caption button's size: large enough for the symbols to be drawn without smoothing.
    const int cx = ::GetSystemMetrics(SM_CXSIZE), cy = ::GetSystemMetrics(SM_CYSIZE);
    for (UINT nState : {DFCS_CAPTIONMIN, DFCS_CAPTIONMAX, DFCS_CAPTIONRESTORE, DFCS_CAPTIONCLOSE})
    {
        SCOPED_TRACE(nState);
        ExpectSymbolShape(Glyph::FromFrameControl(cx, cy, DFC_CAPTION, nState), nState);
    }
}

namespace
{
class MDICaptionButtonsTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_pFrame = new CMDIFrameWnd;
        // Wide enough for the whole bar: a docked bar is cut off at the frame's edge.
        ASSERT_TRUE(m_pFrame->Create(NULL, _T("Schaltflächen"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                     CRect(40, 40, 940, 480)));
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        m_pBar = new SECMDIMenuBar;
        ASSERT_TRUE(
            m_pBar->CreateEx(0, m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 0xE81F, _T("Menü")));
        m_pBar->m_bAutoDelete = TRUE;
        m_pFrame->DockControlBar(m_pBar);
        ASSERT_TRUE(m_pBar->LoadMenus(1, IDM_TB_MENU));
        m_pFrame->RecalcLayout();
        PumpMessages(20);
    }
    void TearDown() override
    {
        m_pFrame->DestroyWindow();
        PumpMessages(10);
    }
    // Maximises a new child and paints the bar with its caption buttons.
    void MaximisedChild(DWORD dwStyle)
    {
        CMDIChildWnd* pChild = new CMDIChildWnd;
        ASSERT_TRUE(pChild->Create(NULL, _T("Kind"), WS_CHILD | WS_VISIBLE | dwStyle, CFrameWnd::rectDefault,
                                   m_pFrame));
        m_pFrame->MDIMaximize(pChild);
        PumpMessages(20);
        m_pBar->UpdateCaptionButtons(FALSE);
        m_pFrame->RecalcLayout();
        PumpMessages(20);
        m_pBar->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    }

    CMDIFrameWnd* m_pFrame = nullptr;
    SECMDIMenuBar* m_pBar = nullptr;
};
} // namespace

TEST_F(MDICaptionButtonsTest, EachPartIsWhatDrawFrameControlDrawsForTheSameButton)
{
    const struct
    {
        DWORD dwStyle;
        UINT nMinimize, nRestore; // the close part is always live
    } cases[] = {
        {WS_OVERLAPPEDWINDOW, DFCS_CAPTIONMIN, DFCS_CAPTIONRESTORE},
        {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, DFCS_CAPTIONMIN | DFCS_INACTIVE,
         DFCS_CAPTIONRESTORE | DFCS_INACTIVE},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.dwStyle);
        MaximisedChild(c.dwStyle);
        const SECBtnCaption& caption = m_pBar->GetCaptionButtons();
        ASSERT_FALSE(caption.HasStyle(TBBS_HIDDEN));
        const UINT states[] = {c.nMinimize, c.nRestore, DFCS_CAPTIONCLOSE};
        HDC hdc = ::GetDC(m_pBar->m_hWnd);
        for (int nPart = SECBtnCaption::partMinimize; nPart <= SECBtnCaption::partClose; nPart++)
        {
            SCOPED_TRACE(nPart);
            const int x =
                caption.m_x + nPart * caption.m_cxPart + (nPart == SECBtnCaption::partClose ? 2 : 0);
            const CRect rect(x, caption.m_y, x + caption.m_cxPart, caption.m_y + caption.m_cyPart);
            Glyph drawn(hdc, rect);
            Glyph expected = Glyph::FromFrameControl(rect.Width(), rect.Height(), DFC_CAPTION, states[nPart]);
            EXPECT_TRUE(drawn.SameInside(expected))
                << "drawn:" << drawn.Picture() << "DrawFrameControl:" << expected.Picture();
        }
        ::ReleaseDC(m_pBar->m_hWnd, hdc);
    }
}

// A window's own caption (the main window's and every dialog's): the close button shows the X.
TEST(CaptionGlyphs, AWindowsCloseButtonShowsTheCross)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(WS_EX_DLGMODALFRAME, AfxRegisterWndClass(0), _T("Dialog"),
                             WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, CRect(100, 100, 400, 300), NULL,
                             0));
    wnd.RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    PumpMessages(20);
    CRect rectWindow, rectClient;
    wnd.GetWindowRect(&rectWindow);
    wnd.GetClientRect(&rectClient);
    wnd.ClientToScreen(&rectClient);
    // The caption's right end, one button wide, between the frame and the client area.
    const int nFrame = rectClient.left - rectWindow.left;
    const int cxButton = ::GetSystemMetrics(SM_CXSIZE);
    CRect rect(rectWindow.Width() - nFrame - cxButton, nFrame, rectWindow.Width() - nFrame,
               rectClient.top - rectWindow.top);
    HDC hdc = ::GetWindowDC(wnd.m_hWnd);
    Glyph caption(hdc, rect);
    ::ReleaseDC(wnd.m_hWnd, hdc);
    wnd.DestroyWindow();
    ExpectSymbolShape(caption, DFCS_CAPTIONCLOSE);
}
