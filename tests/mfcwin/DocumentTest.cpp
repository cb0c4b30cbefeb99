// Documents through their template: saved and reopened equal, a corrupt file refused with the
// framework's error and no document left behind, a failing save leaving the old file untouched.
#include "TestApp.h"
#include "TestSupport.h"
#include <fstream>
#include <iterator>

using namespace testing_support;

namespace
{
std::string ReadBytes(const CString& path)
{
    std::ifstream in((LPCSTR)path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const CString& path, const std::string& bytes)
{
    std::ofstream out((LPCSTR)path, std::ios::binary);
    out << bytes;
}

// Files in the folder of path, to see that no temporary file stays behind.
int FilesInFolder()
{
    WIN32_FIND_DATAA fd;
    HANDLE h = ::FindFirstFileA((TempFolder() + "\\*").c_str(), &fd);
    int n = 0;
    if (h == INVALID_HANDLE_VALUE)
        return 0;
    do
    {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            n++;
    } while (::FindNextFileA(h, &fd));
    ::FindClose(h);
    return n;
}

class Documents : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_path = CString(TempFolder().c_str()) + "\\dokument.hvt";
    }
    void TearDown() override
    {
        TheApp().CloseAllDocuments(FALSE);
        ::DeleteFile(m_path);
    }
    CTextDoc* NewDocument(LPCTSTR text, long number)
    {
        CTextDoc* pDoc = (CTextDoc*)TheApp().m_pTextTemplate->OpenDocumentFile(NULL);
        if (pDoc != NULL)
        {
            pDoc->m_text = text;
            pDoc->m_number = number;
            pDoc->SetModifiedFlag();
        }
        return pDoc;
    }
    CString m_path;
    MessageBoxes m_boxes;
};

TEST_F(Documents, SavedAndReopenedThroughTheTemplateAreEqual)
{
    CTextDoc* pDoc = NewDocument(_T("Gl\xFChprofil Nr. 3"), -123456);
    ASSERT_NE(nullptr, pDoc);
    ASSERT_TRUE(pDoc->DoSave(m_path));
    EXPECT_FALSE(pDoc->IsModified());
    EXPECT_EQ(CString("dokument.hvt"), pDoc->GetTitle());
    pDoc->OnCloseDocument();
    ASSERT_EQ(0, TheApp().GetOpenDocumentCount());

    CTextDoc* pAgain = (CTextDoc*)TheApp().OpenDocumentFile(m_path);
    ASSERT_NE(nullptr, pAgain);
    EXPECT_TRUE(pAgain->IsKindOf(RUNTIME_CLASS(CTextDoc)));
    EXPECT_EQ(CString("Gl\xFChprofil Nr. 3"), pAgain->m_text);
    EXPECT_EQ(-123456, pAgain->m_number);
    EXPECT_FALSE(pAgain->IsModified());
    EXPECT_EQ(0, m_boxes.Shown().size());
}

TEST_F(Documents, CorruptFileGivesTheFrameworkErrorAndNoDocument)
{
    WriteBytes(m_path, "kein Dokument, nur Text");
    m_boxes.Expect(IDOK, "Unerwartetes Dateiformat");
    EXPECT_EQ(nullptr, TheApp().OpenDocumentFile(m_path));
    EXPECT_EQ(0u, m_boxes.Pending());
    EXPECT_EQ(0, TheApp().GetOpenDocumentCount());
    EXPECT_EQ(nullptr, ((CMDIFrameWnd*)TheApp().m_pMainWnd)->MDIGetActive());
}

TEST_F(Documents, MissingFileGivesTheFileError)
{
    m_boxes.Expect(IDOK, "dokument.hvt");
    EXPECT_EQ(nullptr, TheApp().OpenDocumentFile(m_path));
    EXPECT_EQ(0u, m_boxes.Pending());
    EXPECT_EQ(0, TheApp().GetOpenDocumentCount());
}

struct FailingSaveCase
{
    const char* name;
    bool saveAs; // to another existing file instead of the document's own
};

TEST_F(Documents, SaveThatFailsHalfwayLeavesTheOldFileByteIdentical)
{
    for (const FailingSaveCase& c : {FailingSaveCase{"save", false}, FailingSaveCase{"save as", true}})
    {
        SCOPED_TRACE(c.name);
        CTextDoc* pDoc = NewDocument(_T("alt"), 1);
        ASSERT_NE(nullptr, pDoc);
        ASSERT_TRUE(pDoc->DoSave(m_path));
        CString target = m_path;
        if (c.saveAs)
        {
            target = CString(TempFolder().c_str()) + "\\anderes.hvt";
            WriteBytes(target, "fremde Datei, bleibt");
        }
        std::string before = ReadBytes(target);
        int nFilesBefore = FilesInFolder();

        pDoc->m_text = "neu und viel l\xE4nger als vorher";
        pDoc->SetModifiedFlag();
        pDoc->m_bFailHalfway = TRUE;
        m_boxes.Expect(IDOK);
        EXPECT_FALSE(pDoc->DoSave(target));
        EXPECT_EQ(0u, m_boxes.Pending());
        EXPECT_EQ(before, ReadBytes(target));
        EXPECT_EQ(nFilesBefore, FilesInFolder());
        EXPECT_TRUE(pDoc->IsModified());
        EXPECT_EQ(CString("dokument.hvt"), pDoc->GetTitle());

        // The error fixed, the next save replaces the file.
        pDoc->m_bFailHalfway = FALSE;
        ASSERT_TRUE(pDoc->DoSave(target));
        EXPECT_NE(before, ReadBytes(target));
        EXPECT_EQ(nFilesBefore, FilesInFolder());
        pDoc->OnCloseDocument();
        if (c.saveAs)
            ::DeleteFile(target);
    }
}

TEST_F(Documents, ClosingAModifiedDocumentAsksToSave)
{
    CTextDoc* pDoc = NewDocument(_T("x"), 2);
    ASSERT_NE(nullptr, pDoc);
    ASSERT_TRUE(pDoc->DoSave(m_path));
    pDoc->SetModifiedFlag();

    // Cancel keeps it open; No closes it without writing.
    m_boxes.Expect(IDCANCEL, "dokument.hvt");
    TheApp().m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_CLOSE);
    EXPECT_EQ(1, TheApp().GetOpenDocumentCount());
    std::string before = ReadBytes(m_path);
    m_boxes.Expect(IDNO, "gespeichert werden");
    TheApp().m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_CLOSE);
    EXPECT_EQ(0, TheApp().GetOpenDocumentCount());
    EXPECT_EQ(before, ReadBytes(m_path));
    EXPECT_EQ(0u, m_boxes.Pending());
}
} // namespace
