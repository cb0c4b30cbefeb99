// Workbook documents: loading makes a document primary and hands the archive to the workbook
// manager; the other documents of the workbook pass saving and the question to save on to it,
// which is asked once through the message sink.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/excel/GridDocument.h"
#include "grid/excel/WorkbookManager.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
class CRecordingManager : public CGXWorkbookManager
{
  public:
    BOOL Load(CArchive& ar, CGXDocument* pDoc, int nReserved) override
    {
        nLoads++;
        pLoadArchive = &ar;
        pLoadDoc = pDoc;
        nLoadReserved = nReserved;
        return TRUE;
    }
    void Store(CArchive& ar) override
    {
        nStores++;
        ar << (DWORD)0x57424B31;
    }
    BOOL IsModified() override
    {
        return bModified;
    }
    void SetModifiedFlagAll(BOOL b) override
    {
        nSetAll++;
        bModified = b;
    }
    int nLoads = 0, nStores = 0, nSetAll = 0, nLoadReserved = -1;
    CArchive* pLoadArchive = NULL;
    CGXDocument* pLoadDoc = NULL;
    BOOL bModified = FALSE;
};

struct GridDocumentFixture : ::testing::Test
{
    GridDocumentFixture()
    {
        TestWorkbookLookup() = WorkbookLookup();
        TestWorkbookLookup().pManager = &manager;
        strPath = CString(TempFolder().c_str()) + _T("\\workbook.gxw");
        ::DeleteFile(strPath);
        second.SetStoringDocument(&primary);
    }
    ~GridDocumentFixture() override
    {
        TestWorkbookLookup() = WorkbookLookup();
        ::DeleteFile(strPath);
    }
    CRecordingManager manager;
    CGXDocument primary, second;
    CString strPath;
};

TEST_F(GridDocumentFixture, LoadingMakesTheDocumentPrimaryAndHandsTheArchiveOn)
{
    CGXDocument doc;
    EXPECT_EQ(NULL, doc.GetStoringDocument());
    CMemFile file;
    CArchive ar(&file, CArchive::load);
    doc.Serialize(ar);
    EXPECT_EQ(&doc, doc.GetStoringDocument());
    EXPECT_EQ(1, manager.nLoads);
    EXPECT_EQ(&ar, manager.pLoadArchive);
    EXPECT_EQ(&doc, manager.pLoadDoc);
    EXPECT_EQ(0, manager.nLoadReserved);
    EXPECT_EQ(&doc, TestWorkbookLookup().pLastDoc);
    EXPECT_EQ((void*)doc.GetDocTemplate(), TestWorkbookLookup().pLastKey);
    EXPECT_EQ(0, manager.nStores);
}

TEST_F(GridDocumentFixture, AnotherDocumentSavesThroughThePrimary)
{
    EXPECT_TRUE(second.DoSave(strPath));
    EXPECT_EQ(1, manager.nStores);
    EXPECT_EQ(&primary, TestWorkbookLookup().pLastDoc);
    EXPECT_STRNE(_T(""), primary.GetPathName());
    EXPECT_STREQ(_T(""), second.GetPathName());
    EXPECT_EQ(4u, ReadFile(std::string(strPath)).size());
}

TEST_F(GridDocumentFixture, WithoutAModifiedSheetNobodyIsAsked)
{
    MessageBoxes boxes;
    EXPECT_TRUE(second.SaveModified());
    EXPECT_TRUE(primary.SaveModified());
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(0, manager.nStores);
}

struct SaveAnswerCase
{
    int nAnswer;
    BOOL bResult;
    int nStores;
    BOOL bModifiedAfter;
};

TEST_F(GridDocumentFixture, AModifiedWorkbookIsAskedForOnce)
{
    const SaveAnswerCase aCases[] = {
        {IDYES, TRUE, 1, FALSE},
        {IDNO, TRUE, 0, FALSE},
        {IDCANCEL, FALSE, 0, TRUE},
    };
    for (const SaveAnswerCase& c : aCases)
    {
        manager.nStores = 0;
        manager.bModified = TRUE;
        primary.SetPathName(strPath, FALSE);
        primary.SetModifiedFlag(FALSE);
        MessageBoxes boxes;
        boxes.Expect(c.nAnswer);
        EXPECT_EQ(c.bResult, second.SaveModified()) << c.nAnswer;
        EXPECT_EQ(1u, boxes.Shown().size()) << c.nAnswer;
        EXPECT_EQ(c.nStores, manager.nStores) << c.nAnswer;
        EXPECT_EQ(c.bModifiedAfter, manager.bModified) << c.nAnswer;
        EXPECT_FALSE(primary.IsModified()) << c.nAnswer;
        if (!c.bModifiedAfter)
        {
            // The workbook counts as saved: neither document asks again.
            EXPECT_TRUE(primary.SaveModified()) << c.nAnswer;
            EXPECT_TRUE(second.SaveModified()) << c.nAnswer;
            EXPECT_EQ(1u, boxes.Shown().size()) << c.nAnswer;
        }
    }
}
} // namespace
