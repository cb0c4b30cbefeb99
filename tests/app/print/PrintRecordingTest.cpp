// A recording printed by the program to the PDF printer of CUPS, read back from the PDF: the page
// count, the texts, the curve between the plot's rules, the analysis markers and the print logo;
// the page count by recording time; printing through the print dialog; the preview.
#include "AppIds.h"
#include "DialogAnswer.h"
#include "FirstStart.h"
#include "PreviewView.h"
#include "PrintDialog.h"
#include "PrintInfo.h"
#include "app/IRControlView.h"
#include "app/MainFrame.h"
#include "station/record/DrawLine.h"
#include "station/record/IRControlDoc.h"
#include "station/record/MeasureCurve.h"
#include <algorithm>
#include <dlgs.h>
#include <fstream>
#include <sstream>
#include <vector>

using namespace testing_support;

namespace
{
// A binary PPM (P6) as pdftoppm writes it.
struct Pixmap
{
    int width = 0, height = 0;
    std::string pixels;
    COLORREF At(int x, int y) const
    {
        const size_t at = ((size_t)y * width + x) * 3;
        return RGB((BYTE)pixels[at], (BYTE)pixels[at + 1], (BYTE)pixels[at + 2]);
    }
};

Pixmap ReadPpm(const std::string& path)
{
    Pixmap p;
    std::string data = ReadFile(path);
    std::istringstream in(data);
    std::string magic;
    int maxval = 0;
    in >> magic >> p.width >> p.height >> maxval;
    in.get();
    if (magic != "P6" || p.width <= 0 || p.height <= 0)
        return Pixmap();
    p.pixels = data.substr((size_t)in.tellg());
    if (p.pixels.size() < (size_t)p.width * p.height * 3)
        return Pixmap();
    return p;
}

bool Near(COLORREF a, COLORREF b)
{
    return abs(GetRValue(a) - GetRValue(b)) < 40 && abs(GetGValue(a) - GetGValue(b)) < 40 &&
           abs(GetBValue(a) - GetBValue(b)) < 40;
}

// Writes a 16 x 16 8-bit BMP whose every pixel is palette entry 0 of the colour.
void WriteOneColourBmp(const std::string& path, COLORREF colour)
{
    std::ofstream out(path, std::ios::binary);
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = info.biHeight = 16;
    info.biPlanes = 1;
    info.biBitCount = 8;
    info.biClrUsed = 1;
    const RGBQUAD quad = {GetBValue(colour), GetGValue(colour), GetRValue(colour), 0};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info) + sizeof(quad);
    file.bfSize = file.bfOffBits + 16 * 16;
    out.write((const char*)&file, sizeof(file));
    out.write((const char*)&info, sizeof(info));
    out.write((const char*)&quad, sizeof(quad));
    out << std::string(16 * 16, '\0');
}

class PrintRecording : public FirstStart
{
  protected:
    void SetUp() override
    {
        FirstStart::SetUp();
        CPrintDialog pd(FALSE);
        if (!pd.GetDefaults() || pd.GetDeviceName() != "PDF")
            GTEST_SKIP() << "no PDF printer is set up";
    }
    void TearDown() override
    {
        FirstStart::TearDown();
        ::DeleteFileA(m_logo.c_str());
    }
    // The program with its first recording filled: "IRS-Solder" at 100 °C for 0-299 s and at
    // 200 °C for 300-599 s, bases 250 °C and 300 s, analysis points at 100 s and 400 s.
    void StartWithRecording(int nSeconds = 599)
    {
        ASSERT_NO_FATAL_FAILURE(StartAgainWithRecording());
        m_pDoc->SetLayout(m_pDoc->GetPen(), TRUE, RGB(255, 255, 255), kGrid, 300, 60, 250, 50);
        for (int t = 0; t <= nSeconds; t++)
            m_pDoc->GetCurve(CIRControlDoc::IRSolder)
                ->AddValue(t + 1, t, t < 300 ? 100.0 : 200.0, 1.0f, FALSE, m_pView);
        m_pDoc->SetSampleState(nSeconds + 1, nSeconds, FALSE);
        m_pDoc->UpdatePageSize(FALSE, m_pView->FitTimeAxis(nSeconds), FALSE);
        m_pView->CreateScaleLabels();
        CDrawLine* pCursor = m_pDoc->GetCursorLine();
        ASSERT_TRUE(pCursor != NULL);
        pCursor->SetArmed(TRUE);
        pCursor->SetMaximum(m_pView->GetTimeSpan());
        for (int t : {100, 400})
        {
            pCursor->SetPosition(t);
            m_pDoc->AddAnalysePoint();
        }
        pCursor->SetArmed(FALSE);
        m_pDoc->UpdateAnalysePointLines(m_pView);
        ASSERT_EQ(2, m_pDoc->GetAnalysePointCount());
    }
    // Waits for the job's PDF and reads it into the temporary folder: its page count
    // ("pages.txt"), its text ("text.txt") and its pages at 75 dpi ("page-1.ppm", ...).
    bool ReadBackPdf(const std::string& docName)
    {
        const std::string out = UnixPath(TempFolder());
        if (out.empty())
            return false;
        const std::string script =
            WaitForPdfScript(docName) + "pdfinfo \\\"$f\\\" | sed -n 's/^Pages: *//p' > " + out +
            "/pages.txt; pdftotext -layout \\\"$f\\\" " + out +
            "/text.txt; pdftoppm -r 75 -aa no -aaVector no \\\"$f\\\" " + out + "/page; rm -f \\\"$f\\\"";
        return RunUnix(script, TempFolder() + "\\done.txt", 90000);
    }
    static const COLORREF kGrid = RGB(0, 160, 0);
    static const COLORREF kLogo = RGB(240, 130, 0);
    std::string m_logo;
};

// Rows with a long unbroken line of the colour: the plot's solid rules, not its dotted lines.
std::vector<int> RulesOf(const Pixmap& page, COLORREF colour)
{
    std::vector<int> rows;
    for (int y = 0; y < page.height; y++)
    {
        int nRun = 0, nLongest = 0;
        for (int x = 0; x < page.width; x++)
        {
            nRun = Near(page.At(x, y), colour) ? nRun + 1 : 0;
            nLongest = std::max(nLongest, nRun);
        }
        if (nLongest > page.width / 3 && (rows.empty() || rows.back() != y - 1))
            rows.push_back(y);
    }
    return rows;
}

// The middle row of the colour in the column.
double RowOf(const Pixmap& page, int x, int yFrom, int yTo, COLORREF colour)
{
    int nSum = 0, n = 0;
    for (int y = yFrom; y < yTo; y++)
        if (Near(page.At(x, y), colour))
            nSum += y, n++;
    return n > 0 ? (double)nSum / n : -1.0;
}

// Black lines across the whole plot.
int MarkersOf(const Pixmap& page, int yTop, int yBottom)
{
    int nMarkers = 0;
    bool bInLine = false;
    for (int x = 0; x < page.width; x++)
    {
        int n = 0;
        for (int y = yTop + 2; y < yBottom - 2; y++)
            n += Near(page.At(x, y), RGB(0, 0, 0));
        const bool bLine = n > (yBottom - yTop) * 8 / 10;
        nMarkers += bLine && !bInLine;
        bInLine = bLine;
    }
    return nMarkers;
}

TEST_F(PrintRecording, TwoPagesWithTextsCurveMarkersAndLogo)
{
    m_logo = TempFolder() + "\\logo.bmp";
    WriteOneColourBmp(m_logo, kLogo);
    StartWithRecording();
    ASSERT_TRUE(m_pDoc->SetPrintLogo(m_logo.c_str(), TRUE, FALSE));
    CString docName;
    docName.Format("Druck%lu", ::GetTickCount());
    m_pDoc->SetTitle(docName);

    const CSize pageSize = m_pDoc->GetPageSize();
    m_pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    EXPECT_TRUE(m_pFrame->IsWindowEnabled());
    EXPECT_EQ(pageSize, m_pDoc->GetPageSize());
    EXPECT_EQ(2, m_pDoc->GetAnalysePointCount());

    ASSERT_TRUE(ReadBackPdf(std::string(docName)));
    EXPECT_EQ("2\n", ReadFile(TempFolder() + "\\pages.txt"));
    const std::string text = ReadFile(TempFolder() + "\\text.txt");
    for (const char* part : {"Prozess-Profil:", "Seite 1 von 2", "Seite 2 von 2",
                             "Aufgezeichnet mit KUVO Helvon", "100.0 s", "400.0 s", "Prozessanalyse:"})
        EXPECT_NE(std::string::npos, text.find(part)) << part << "\n" << text;

    for (int nPage = 1; nPage <= 2; nPage++)
    {
        SCOPED_TRACE(nPage);
        const Pixmap page = ReadPpm(TempFolder() + "\\page-" + std::to_string(nPage) + ".ppm");
        ASSERT_GT(page.width, 0);
        const std::vector<int> rules = RulesOf(page, kGrid);
        ASSERT_EQ(2u, rules.size()) << "the plot's top and bottom rules";
        const int yTop = rules[0], yBottom = rules[1];
        // The curve in the middle of the plot's width, at its temperature.
        const double yCurve = RowOf(page, page.width * 35 / 100, yTop + 2, yBottom - 1, RGB(255, 0, 0));
        ASSERT_GT(yCurve, 0.0);
        EXPECT_NEAR(yBottom - (yBottom - yTop) * (nPage * 100) / 250.0, yCurve, 2.0);
        EXPECT_EQ(1, MarkersOf(page, yTop, yBottom));
        // The logo's square in the top left corner.
        const double side = 0.045 * page.width;
        const int x0 = (int)(0.01 * page.width), y0 = (int)(0.004 * page.height);
        for (double fx : {0.15, 0.5, 0.85})
            for (double fy : {0.15, 0.5, 0.85})
                EXPECT_TRUE(Near(kLogo, page.At(x0 + (int)(fx * side), y0 + (int)(fy * side))))
                    << fx << ", " << fy << ": " << std::hex
                    << page.At(x0 + (int)(fx * side), y0 + (int)(fy * side));
        EXPECT_FALSE(Near(kLogo, page.At(x0 + (int)(1.3 * side), y0 + (int)(0.5 * side))));
    }
}

// "Drucken..." asks in the print dialog: the job goes to the printer it shows, with all pages or
// the range typed into it.
TEST_F(PrintRecording, PrintDialogPrintsThePagesChosen)
{
    const struct
    {
        const char* from; // NULL: all pages
        const char* to;
        const char* pages;
        std::vector<const char*> shown, notShown;
    } cases[] = {{NULL, NULL, "2\n", {"Seite 1 von 2", "Seite 2 von 2"}, {}},
                 {"2", "2", "1\n", {"Seite 2 von 2"}, {"Seite 1 von 2"}}};
    StartWithRecording();
    const CSize pageSize = m_pDoc->GetPageSize();
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.from != NULL ? c.from : "all");
        CString docName;
        docName.Format("Dialog%lu", ::GetTickCount());
        m_pDoc->SetTitle(docName);
        CString printer;
        DialogAnswer answer;
        answer.nControl = cmb4; // the printer's name
        answer.inspect = [&](HWND hDlg) {
            char sz[64] = "";
            ::GetWindowTextA(DialogAnswer::Control(hDlg, cmb4), sz, sizeof(sz));
            printer = sz;
        };
        DialogAnswer::Attempt ok;
        if (c.from != NULL)
        {
            ok.act = [](HWND hDlg) { ::CheckRadioButton(hDlg, rad1, rad3, rad3); };
            ok.entries = {{edt1, c.from}, {edt2, c.to}};
        }
        answer.attempts = {ok};
        answer.Arm();
        m_pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT);
        EXPECT_TRUE(answer.bSeen);
        EXPECT_FALSE(answer.bLeftOpen);
        EXPECT_EQ("PDF", std::string(printer));
        EXPECT_EQ(pageSize, m_pDoc->GetPageSize());

        ASSERT_TRUE(ReadBackPdf(std::string(docName)));
        EXPECT_EQ(c.pages, ReadFile(TempFolder() + "\\pages.txt"));
        const std::string text = ReadFile(TempFolder() + "\\text.txt");
        for (const char* part : c.shown)
            EXPECT_NE(std::string::npos, text.find(part)) << part << "\n" << text;
        for (const char* part : c.notShown)
            EXPECT_EQ(std::string::npos, text.find(part)) << part << "\n" << text;
    }
}

// Pages by recording time: a page for every time base begun.
TEST_F(PrintRecording, PagesFollowTheRecordingTime)
{
    const struct
    {
        int nSeconds;
        UINT nPages;
    } cases[] = {{250, 1}, {300, 2}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nSeconds);
        StartWithRecording(c.nSeconds);
        CPrintInfo info;
        info.m_bDirect = TRUE;
        ASSERT_TRUE(m_pView->OnPreparePrinting(&info));
        EXPECT_EQ(c.nPages, info.GetMaxPage());
        m_pView->OnEndPrinting(NULL, &info);
        TearDown();
        SetUp();
    }
}

// The preview shows both pages and leaves nothing behind.
TEST_F(PrintRecording, PreviewShowsBothPages)
{
    StartWithRecording();
    // The station's limits set the profile table's spin columns up again when they arrive, which
    // lets go of the columns' objects: they come before counting what the preview leaves.
    ASSERT_TRUE(PumpUntil([&] { return m_pView->GetMirroredVar(StationVar::T2Min) > 0; }, 10000));
    PumpMessages(50);
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    const LONG nDCs = CDC::GetLiveCount();
    const LONG nGdiObjects = CGdiObject::GetLiveCount();
    const CSize pageSize = m_pDoc->GetPageSize();

    m_pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    CPreviewView* pPreview = CPreviewView::GetActivePreview();
    ASSERT_NE(nullptr, pPreview);
    PumpMessages(50);
    EXPECT_EQ(2u, pPreview->GetPrintInfo()->GetMaxPage());
    HWND hBar = pPreview->m_pToolBar->m_hWnd;
    ::SendMessage(hBar, WM_COMMAND, MAKEWPARAM(AFX_ID_PREVIEW_NUMPAGE, BN_CLICKED),
                  (LPARAM)::GetDlgItem(hBar, AFX_ID_PREVIEW_NUMPAGE));
    PumpMessages(50);
    EXPECT_FALSE(pPreview->GetPageRect(1).IsRectEmpty());
    ::SendMessage(hBar, WM_COMMAND, MAKEWPARAM(AFX_ID_PREVIEW_NUMPAGE, BN_CLICKED),
                  (LPARAM)::GetDlgItem(hBar, AFX_ID_PREVIEW_NUMPAGE));
    ::SendMessage(hBar, WM_COMMAND, MAKEWPARAM(AFX_ID_PREVIEW_CLOSE, BN_CLICKED),
                  (LPARAM)::GetDlgItem(hBar, AFX_ID_PREVIEW_CLOSE));
    PumpMessages(50);
    EXPECT_EQ(nullptr, CPreviewView::GetActivePreview());
    EXPECT_EQ(pageSize, m_pDoc->GetPageSize());
    EXPECT_EQ(2, m_pDoc->GetAnalysePointCount());
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    EXPECT_EQ(nDCs, CDC::GetLiveCount());
    EXPECT_EQ(nGdiObjects, CGdiObject::GetLiveCount());
}
} // namespace
