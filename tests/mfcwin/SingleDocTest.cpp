// The single-document template: one document object, reused for every file; a file that fails
// to load leaves a clean new document, not half of one.
#include "TestApp.h"
#include "TestSupport.h"
#include <fstream>

using namespace testing_support;

namespace
{
TEST(SingleDocTemplate, ReusesItsDocumentAndRecoversFromACorruptFile)
{
    MessageBoxes boxes;
    // Not registered with the application: this template lives only for the test.
    CSingleDocTemplate* pTemplate = new CSingleDocTemplate(
        IDR_TEXTTYPE, RUNTIME_CLASS(CTextDoc), RUNTIME_CLASS(CPlainFrame), RUNTIME_CLASS(CTextView));
    pTemplate->LoadTemplate();
    CTextDoc* pDoc = (CTextDoc*)pTemplate->OpenDocumentFile(NULL, FALSE);
    ASSERT_NE(nullptr, pDoc);
    EXPECT_EQ(CString("Text"), pDoc->GetTitle());
    POSITION pos = pDoc->GetFirstViewPosition();
    ASSERT_NE(nullptr, pos);
    CFrameWnd* pFrame = pDoc->GetNextView(pos)->GetParentFrame();

    CString path = CString(TempFolder().c_str()) + "\\einzel.hvt";
    pDoc->m_text = "einzeln";
    ASSERT_TRUE(pDoc->DoSave(path));
    pDoc->m_text = "weg";
    EXPECT_EQ(pDoc, pTemplate->OpenDocumentFile(path, FALSE));
    EXPECT_EQ(CString("einzeln"), pDoc->m_text);
    pos = pDoc->GetFirstViewPosition();
    EXPECT_EQ(pFrame, pDoc->GetNextView(pos)->GetParentFrame());

    CString corrupt = CString(TempFolder().c_str()) + "\\kaputt.hvt";
    std::ofstream((LPCSTR)corrupt, std::ios::binary) << "Unsinn";
    boxes.Expect(IDOK, "Unerwartetes Dateiformat");
    EXPECT_EQ(nullptr, pTemplate->OpenDocumentFile(corrupt, FALSE));
    EXPECT_EQ(0u, boxes.Pending());
    pos = pTemplate->GetFirstDocPosition();
    ASSERT_NE(nullptr, pos);
    EXPECT_EQ(pDoc, pTemplate->GetNextDoc(pos));
    EXPECT_TRUE(pDoc->m_text.IsEmpty());
    EXPECT_TRUE(pDoc->GetPathName().IsEmpty());
    EXPECT_EQ(CString("Text"), pDoc->GetTitle());

    pDoc->OnCloseDocument(); // takes its frame with it
    EXPECT_EQ(nullptr, pTemplate->GetFirstDocPosition());
    delete pTemplate;
    ::DeleteFile(path);
    ::DeleteFile(corrupt);
}
} // namespace
