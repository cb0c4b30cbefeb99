// The workbook manager of sheet-tab windows: its archive against bytes written by hand, loaded
// back through the test application; refused archives; inserts and deletes reaching two tab
// windows of one workbook; a workbook read into a grid document with a tab window.
#include "ExcelTestApp.h"
#include "TabWndSupport.h"
#include "TestSupport.h"
#include "grid/excel/ExcelDocAdapter.h"
#include "grid/excel/ExcelReader.h"
#include "grid/excel/GridDocument.h"
#include "grid/core/GridParam.h"
#include "grid/core/GridWnd.h"
#include "grid/excel/GridTabWndAdapter.h"
#include "grid/features/GridDocSerializeImp.h"
#include "grid/excel/TabCreateInfo.h"
#include "grid/excel/TabWndMgr.h"
#include "ArchiveException.h"
#include "MemFile.h"
#include "MultiDocTemplate.h"
#include <gtest/gtest.h>
#include <string>

using namespace testing_support;

// A sheet document with four bytes of its own in the workbook archive.
class CWorkbookTestDoc : public CGXDocument
{
    DECLARE_DYNCREATE(CWorkbookTestDoc)

  public:
    DWORD m_dwValue = 0;
    void SerializeSheet(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_dwValue;
        else
            ar >> m_dwValue;
    }
};
IMPLEMENT_DYNCREATE(CWorkbookTestDoc, CGXDocument)

// A grid document that reads workbooks into the sheets of its tab window.
class CExcelTabTestDoc : public CGXDocument, public CGXExcelDocAdapter
{
  public:
    CExcelTabTestDoc()
    {
        m_bAutoDelete = FALSE;
        CreateReader();
    }
};

namespace
{
// A manager whose records and active sheet the test sets.
struct CTestMgr : CGXTabWndMgr
{
    void Add(CGXTabCreateInfo* pInfo)
    {
        m_infos.Add(pInfo);
        m_nSheetCount = (LONG)m_infos.GetSize();
    }
    void SetActive(int n)
    {
        m_nActiveSheet = n;
    }
    CGXTabWnd* TabWndOf(CWnd* pParent)
    {
        CGXTabWndAdapter* p =
            m_pNodeManager != NULL ? m_pNodeManager->Lookup((DWORD)(DWORD_PTR)pParent) : NULL;
        return p != NULL ? (CGXTabWnd*)p->GetTabWnd() : NULL;
    }
};

// The bytes of a text, without its terminator.
Bytes Text(const char* psz)
{
    return Bytes(psz, psz + strlen(psz));
}

Bytes Stored(CGXTabWndMgr& mgr)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        mgr.Store(ar);
        ar.Close();
    }
    Bytes b(file.GetLength());
    file.SeekToBegin();
    file.Read(b.data(), (UINT)b.size());
    return b;
}

// Loads the bytes; the cause of the archive exception thrown, or -1 when none was, with the
// result of Load in *pbLoaded.
int Loaded(CGXTabWndMgr& mgr, const Bytes& bytes, CGXDocument* pMain, BOOL* pbLoaded = NULL)
{
    CMemFile file;
    file.Write(bytes.data(), (UINT)bytes.size());
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    try
    {
        BOOL bLoaded = mgr.Load(ar, pMain, 0);
        if (pbLoaded != NULL)
            *pbLoaded = bLoaded;
    }
    catch (CArchiveException* e)
    {
        int nCause = e->m_cause;
        e->Delete();
        ar.Abort();
        return nCause;
    }
    return -1;
}

// The stored form of a sheet record: view and document class names, prepared flag, sharing mode.
Bytes SheetRecord(const char* pszView, const char* pszDoc, const char* pszFlags)
{
    Bytes b = Bytes{(BYTE)strlen(pszView), 0} + Text(pszView) + Bytes{(BYTE)strlen(pszDoc), 0} + Text(pszDoc);
    return b + HexBytes(pszFlags);
}
// The first record of the archive: new class "CGXTabCreateInfo", schema 0.
Bytes NewClass()
{
    return HexBytes("FFFF 0000 1000") + Text("CGXTabCreateInfo");
}

struct Workbooks
{
    CMultiDocTemplate tmpl{0, RUNTIME_CLASS(CWorkbookTestDoc), RUNTIME_CLASS(CFrameWnd),
                           RUNTIME_CLASS(CSheetTestView)};
    Workbooks()
    {
        EnsureGridLibrary();
        TestWorkbooks() = TestWorkbookHooks();
        TestWorkbooks().pTemplate = &tmpl;
    }
    ~Workbooks()
    {
        TestWorkbooks() = TestWorkbookHooks();
    }
};
} // namespace

TEST(TabWndMgr, AZeroSheetWorkbookIsTwoWords)
{
    Workbooks w;
    CTestMgr mgr;
    Bytes bytes = Stored(mgr);
    EXPECT_EQ(HexOf(HexBytes("00000000 00000000")), HexOf(bytes));

    CTestMgr loaded;
    CWorkbookTestDoc main;
    BOOL bLoaded = FALSE;
    EXPECT_EQ(-1, Loaded(loaded, bytes, &main, &bLoaded));
    EXPECT_TRUE(bLoaded);
    EXPECT_EQ(0, loaded.GetSheetCount());
    EXPECT_EQ(NULL, loaded.GetSheetInfo(0));
    EXPECT_TRUE(w.tmpl.m_docList.IsEmpty());
}

TEST(TabWndMgr, TwoSheetsAreArchivedAndLoadedBackThroughTheApplication)
{
    Workbooks w;
    CWorkbookTestDoc doc0, doc1;
    doc0.m_dwValue = 0x11111111;
    doc1.m_dwValue = 0x44332211;
    doc0.SetModifiedFlag(TRUE);
    doc1.SetModifiedFlag(TRUE);
    CTestMgr mgr;
    mgr.Add(new CGXTabCreateInfo(RUNTIME_CLASS(CSheetTestView), &doc0, NULL, _T("Eins")));
    CGXTabCreateInfo* pSecond = new CGXTabCreateInfo(RUNTIME_CLASS(CSheetTestView), &doc1, NULL, _T("Zwei"));
    pSecond->m_bPrepared = 1;
    pSecond->m_nShareMode = CGXTabCreateInfo::shareSheet;
    mgr.Add(pSecond);
    mgr.SetActive(1);
    EXPECT_TRUE(mgr.IsModified());

    const Bytes expected =
        HexBytes("01000000 02000000") + NewClass() +
        SheetRecord("CSheetTestView", "CWorkbookTestDoc", "00000000 0000") + HexBytes("0180") +
        SheetRecord("CSheetTestView", "CWorkbookTestDoc", "01000000 0100") + HexBytes("11111111 11223344");
    EXPECT_EQ(HexOf(expected), HexOf(Stored(mgr)));
    EXPECT_FALSE(doc0.IsModified());
    EXPECT_FALSE(doc1.IsModified());
    EXPECT_FALSE(mgr.IsModified());

    CTestMgr loaded;
    CWorkbookTestDoc main;
    main.m_bAutoDelete = FALSE;
    BOOL bLoaded = FALSE;
    ASSERT_EQ(-1, Loaded(loaded, expected, &main, &bLoaded));
    EXPECT_TRUE(bLoaded);
    EXPECT_EQ(2, loaded.GetSheetCount());
    EXPECT_EQ(1, loaded.GetActiveSheet());
    ASSERT_EQ(2u, TestWorkbooks().asked.size());
    for (const auto& asked : TestWorkbooks().asked)
    {
        EXPECT_EQ(RUNTIME_CLASS(CSheetTestView), asked.first);
        EXPECT_EQ(RUNTIME_CLASS(CWorkbookTestDoc), asked.second);
    }
    CGXTabCreateInfo* p0 = loaded.GetSheetInfo(0);
    CGXTabCreateInfo* p1 = loaded.GetSheetInfo(1);
    ASSERT_TRUE(p0 != NULL && p1 != NULL);
    // The first sheet is the main document; the second a new one of the template.
    EXPECT_EQ(&main, p0->GetDocument());
    EXPECT_EQ(0x11111111u, main.m_dwValue);
    EXPECT_EQ(&main, main.GetStoringDocument());
    CWorkbookTestDoc* pNew = dynamic_cast<CWorkbookTestDoc*>(p1->GetDocument());
    ASSERT_TRUE(pNew != NULL);
    EXPECT_EQ(0x44332211u, pNew->m_dwValue);
    EXPECT_EQ(&main, pNew->GetStoringDocument());
    EXPECT_EQ(1, w.tmpl.m_docList.GetCount());
    EXPECT_EQ(1u, w.tmpl.m_nUntitledCount);
    for (CGXTabCreateInfo* p : {p0, p1})
    {
        EXPECT_EQ(RUNTIME_CLASS(CSheetTestView), p->m_pViewClass);
        EXPECT_EQ(&w.tmpl, p->m_pTemplate);
        EXPECT_TRUE(p->m_bLoaded);
        EXPECT_TRUE(p->m_strName.IsEmpty()); // names stay out of the archive
    }
    EXPECT_EQ(0u, p0->m_bPrepared);
    EXPECT_EQ(1u, p1->m_bPrepared);
    EXPECT_EQ(CGXTabCreateInfo::shareCurrent, p0->m_nShareMode);
    EXPECT_EQ(CGXTabCreateInfo::shareSheet, p1->m_nShareMode);
    EXPECT_EQ(HexOf(expected), HexOf(Stored(loaded)));
}

TEST(TabWndMgr, LoadRefusesWhatTheArchiveCannotHold)
{
    const std::string strLong(64, 'A'), strLongest(63, 'A');
    const struct
    {
        const char* pszCase;
        Bytes bytes;
        int nCause;
    } cases[] = {
        {"negative count", HexBytes("00000000 FFFFFFFF"), CArchiveException::generic},
        {"huge count", HexBytes("00000000 FFFFFF7F"), CArchiveException::generic},
        {"count beyond the file", HexBytes("00000000 10000000") + NewClass(), CArchiveException::generic},
        {"active sheet beyond the count",
         HexBytes("01000000 01000000") + NewClass() +
             SheetRecord("CSheetTestView", "CWorkbookTestDoc", "00000000 0000"),
         CArchiveException::generic},
        {"class name of 64 characters",
         HexBytes("00000000 01000000") + NewClass() +
             SheetRecord(strLong.c_str(), "CWorkbookTestDoc", "00000000 0000"),
         CArchiveException::generic},
        {"unknown class of 63 characters",
         HexBytes("00000000 01000000") + NewClass() +
             SheetRecord(strLongest.c_str(), "CWorkbookTestDoc", "00000000 0000"),
         CArchiveException::badClass},
        {"record missing",
         HexBytes("00000000 02000000") + NewClass() +
             SheetRecord("CSheetTestView", "CWorkbookTestDoc", "00000000 0000"),
         CArchiveException::endOfFile},
        {"null record", HexBytes("00000000 01000000 0000 00000000 00000000 00000000"),
         CArchiveException::generic},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszCase);
        Workbooks w;
        CWorkbookTestDoc doc, main;
        CTestMgr mgr;
        CGXTabCreateInfo* pKept = new CGXTabCreateInfo(RUNTIME_CLASS(CSheetTestView), &doc, NULL, _T("Eins"));
        mgr.Add(pKept);
        EXPECT_EQ(c.nCause, Loaded(mgr, c.bytes, &main));
        // Nothing was made, and the workbook held is as it was.
        EXPECT_TRUE(w.tmpl.m_docList.IsEmpty());
        EXPECT_TRUE(TestWorkbooks().asked.empty());
        EXPECT_EQ(1, mgr.GetSheetCount());
        EXPECT_EQ(0, mgr.GetActiveSheet());
        EXPECT_EQ(pKept, mgr.GetSheetInfo(0));
        EXPECT_EQ(NULL, mgr.GetSheetInfo(1));
    }
}

namespace
{
// A shown frame for a workbook's tab window.
struct WorkbookFrame
{
    CFrameWnd* pFrame = new CFrameWnd;
    explicit WorkbookFrame(int x)
    {
        pFrame->Create(NULL, _T("Mappe"), WS_OVERLAPPEDWINDOW, CRect(x, 40, x + 500, 340));
        pFrame->ShowWindow(SW_SHOW);
    }
    ~WorkbookFrame()
    {
        pFrame->DestroyWindow();
    }
};

// The manager's tab window in the frame with two unnamed grid sheets of the document.
BOOL CreateTwoSheets(CGXTabWndMgr& mgr, CFrameWnd* pFrame, CDocument* pDoc)
{
    mgr.GetOrCreateOwnedObject()->SetParentWnd(pFrame);
    CGXTabCreateInfo infos[2];
    for (CGXTabCreateInfo& info : infos)
    {
        info.m_pViewClass = RUNTIME_CLASS(CSheetTestView);
        info.SetDocument(pDoc);
        info.m_bPrepared = 1;
    }
    return mgr.CreateTabWnd(infos, 2, 0, NULL);
}

std::vector<CString> TabNames(CGXTabWnd* pTabWnd)
{
    std::vector<CString> names;
    for (int i = 0; i < pTabWnd->GetBeam().GetTabCount(); i++)
        names.push_back(pTabWnd->GetBeam().GetTab(i).sLabel);
    return names;
}
} // namespace

TEST(TabWndMgr, InsertsAndDeletesReachEveryTabWindowOfTheWorkbook)
{
    Workbooks w;
    CWorkbookTestDoc doc;
    doc.m_bAutoDelete = FALSE;
    WorkbookFrame f1(40), f2(560);
    {
        CTestMgr mgr;
        mgr.SetActive(1);
        ASSERT_TRUE(CreateTwoSheets(mgr, f1.pFrame, &doc));
        mgr.AddTabWnd(0, f2.pFrame);
        CGXTabWnd* apTabWnds[2] = {(CGXTabWnd*)mgr.GetTabWnd(), mgr.TabWndOf(f2.pFrame)};
        ASSERT_TRUE(apTabWnds[0] != NULL && apTabWnds[1] != NULL);
        EXPECT_NE(apTabWnds[0], apTabWnds[1]);
        EXPECT_EQ(f1.pFrame, apTabWnds[0]->GetParent());
        EXPECT_EQ(f2.pFrame, apTabWnds[1]->GetParent());
        for (CGXTabWnd* p : apTabWnds)
            EXPECT_EQ((std::vector<CString>{"Arbeitsblatt 1", "Arbeitsblatt 2"}), TabNames(p));

        CGXTabCreateInfo added(RUNTIME_CLASS(CSheetTestView), &doc, NULL, _T("Neu"));
        added.m_bPrepared = 1;
        doc.SetModifiedFlag(FALSE);
        EXPECT_TRUE(mgr.InsertSheet(1, &added, 0));
        EXPECT_FALSE(mgr.InsertSheet(4, &added, 0));
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(3, mgr.GetSheetCount());
        EXPECT_EQ(2, mgr.GetActiveSheet());
        for (CGXTabWnd* p : apTabWnds)
        {
            EXPECT_EQ((std::vector<CString>{"Arbeitsblatt 1", "Neu", "Arbeitsblatt 2"}), TabNames(p));
            EXPECT_EQ(1, p->GetBeam().GetCurrentTab()); // the new sheet is shown
            p->ActivateTab(2);                          // and then the workbook's active one
        }

        // The active sheet stays.
        EXPECT_FALSE(mgr.DeleteSheet(2));
        EXPECT_FALSE(mgr.DeleteSheet(3));
        EXPECT_EQ(3, mgr.GetSheetCount());
        for (CGXTabWnd* p : apTabWnds)
            EXPECT_EQ(3, p->GetBeam().GetTabCount());

        // A sheet before the active one goes: the same sheet stays active everywhere.
        CWnd* apPanes[2] = {apTabWnds[0]->GetActivePane(), apTabWnds[1]->GetActivePane()};
        CGXTabCreateInfo* pActive = mgr.GetSheetInfo(2);
        doc.SetModifiedFlag(FALSE);
        EXPECT_TRUE(mgr.DeleteSheet(0));
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(2, mgr.GetSheetCount());
        EXPECT_EQ(1, mgr.GetActiveSheet());
        EXPECT_EQ(pActive, mgr.GetSheetInfo(1));
        for (int i = 0; i < 2; i++)
        {
            EXPECT_EQ((std::vector<CString>{"Neu", "Arbeitsblatt 2"}), TabNames(apTabWnds[i]));
            EXPECT_EQ(1, apTabWnds[i]->GetBeam().GetCurrentTab());
            EXPECT_EQ(apPanes[i], apTabWnds[i]->GetActivePane());
            EXPECT_EQ(apPanes[i], apTabWnds[i]->GetBeam().GetTab(1).pExtra);
        }
        EXPECT_FALSE(mgr.DeleteSheet(1));
        EXPECT_TRUE(mgr.HasSeveralTabs());

        // A sheet that refuses to be left: the new one goes in at its index all the same, and
        // the refusing sheet stays shown.
        for (CWnd* pPane : apPanes)
            ((CSheetTestView*)pPane)->m_nVetoWhen = 0;
        CGXTabCreateInfo front(RUNTIME_CLASS(CSheetTestView), &doc, NULL, _T("Vorn"));
        front.m_bPrepared = 1;
        EXPECT_TRUE(mgr.InsertSheet(0, &front, 0));
        for (int i = 0; i < 2; i++)
        {
            EXPECT_EQ((std::vector<CString>{"Vorn", "Neu", "Arbeitsblatt 2"}), TabNames(apTabWnds[i]));
            EXPECT_EQ(2, apTabWnds[i]->GetBeam().GetCurrentTab());
            EXPECT_EQ(apPanes[i], apTabWnds[i]->GetActivePane());
            ((CSheetTestView*)apPanes[i])->m_nVetoWhen = -1;
        }

        mgr.RemoveTabWnd(f2.pFrame);
        EXPECT_EQ(NULL, mgr.TabWndOf(f2.pFrame));
    }
}

TEST(TabWndMgr, AWorkbookReadIntoADocumentGetsOneNamedTabPerSheet)
{
    Workbooks w;
    const std::string strPath = "tab-workbook.xls";
    ::DeleteFileA(strPath.c_str());
    {
        // Two grids written as one workbook.
        GridWindowOf<CGXGridWnd> g0{200, 120}, g1{200, 120};
        struct CWriter : CGXExcelDocAdapter
        {
            std::vector<CGXGridCore*> grids;
            CWriter()
            {
                CreateReader();
            }
            CGXGridCore* GetGrid(UINT n) override
            {
                return n < grids.size() ? grids[n] : NULL;
            }
            CGXGridParam* GetGridParam(UINT n) override
            {
                return n < grids.size() ? grids[n]->GetParam() : NULL;
            }
        } writer;
        writer.grids = {g0.grid.get(), g1.grid.get()};
        for (CGXGridCore* g : writer.grids)
        {
            g->OnGridInitialUpdate();
            g->SetRowCount(3);
            g->SetColCount(3);
        }
        g0.grid->SetValueRange(CGXCellRange(1, 1), "eins");
        g1.grid->SetValueRange(CGXCellRange(2, 2), "zwei");
        g0.grid->GetParam()->m_sSheetName = "Erste";
        g1.grid->GetParam()->m_sSheetName = "Zweite";
        ASSERT_TRUE(writer.GetReader() != NULL);
        writer.GetReader()->SetSheetCount(2);
        ASSERT_TRUE(writer.GetReader()->WriteFile(strPath.c_str(), &writer));
    }

    CExcelTabTestDoc doc;
    CTestMgr mgr;
    TestWorkbooks().pManager = &mgr;
    WorkbookFrame frame(40);
    {
        // Counting first, as opening a document does.
        CFile file(strPath.c_str(), CFile::modeRead | CFile::shareDenyWrite);
        CArchive ar(&file, CArchive::load);
        doc.SerializeWorkbook(ar, FALSE);
    }
    EXPECT_EQ(2u, doc.m_dwSheetCount);
    EXPECT_EQ(&doc, doc.GetStoringDocument());
    ASSERT_TRUE(CreateTwoSheets(mgr, frame.pFrame, &doc));
    CGXTabWnd* pTabWnd = (CGXTabWnd*)mgr.GetTabWnd();
    EXPECT_EQ(pTabWnd, doc.GetTabWnd());
    EXPECT_EQ(&doc, doc.GetDocument());
    EXPECT_EQ(&doc, doc.GetOwnerAdapter());

    doc.m_strPath = strPath.c_str();
    doc.GetReader()->SetMode(0);
    doc.ReadExcelFile();
    EXPECT_EQ((std::vector<CString>{"Erste", "Zweite"}), TabNames(pTabWnd));
    CGXGridCore* apGrids[2] = {doc.GetGrid(0), doc.GetGrid(1)};
    ASSERT_TRUE(apGrids[0] != NULL && apGrids[1] != NULL);
    EXPECT_NE(apGrids[0], apGrids[1]);
    EXPECT_EQ(NULL, doc.GetGrid(2));
    EXPECT_EQ(1, doc.FindSheet(pTabWnd->GetBeam().GetTab(1).pExtra));
    EXPECT_EQ(-1, doc.FindSheet(frame.pFrame));
    EXPECT_EQ(CString("eins"), apGrids[0]->GetStoredValueText(1, 1));
    EXPECT_EQ(CString(""), apGrids[0]->GetStoredValueText(2, 2));
    EXPECT_EQ(CString("zwei"), apGrids[1]->GetStoredValueText(2, 2));
    EXPECT_EQ(CString(""), apGrids[1]->GetStoredValueText(1, 1));
    mgr.Reset();
    ::DeleteFileA(strPath.c_str());
}

TEST(TabWndMgr, TheDocumentsOwnFormatKeepsEverySheetsParameters)
{
    Workbooks w;
    CTestMgr mgr;
    CWorkbookTestDoc doc0, doc1;
    mgr.Add(new CGXTabCreateInfo(RUNTIME_CLASS(CSheetTestView), &doc0, NULL));
    mgr.Add(new CGXTabCreateInfo(RUNTIME_CLASS(CSheetTestView), &doc1, NULL));
    TestWorkbooks().pManager = &mgr;
    GXInstallDocSerializeImp();

    CExcelTabTestDoc stored;
    ASSERT_TRUE(stored.GetReader() != NULL);
    stored.GetReader()->SetSheetCount(2);
    stored.CreateSharedObjects();
    stored.AttachSharedObjects(0, CGXExcelDocAdapter::noSecondSheet);
    stored.AttachSharedObjects(1, 0);
    stored.GetGridParam(1)->m_nDefaultColWidth = 77;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        stored.CGXExcelDocAdapter::Serialize(ar);
        ar.Close();
    }
    EXPECT_EQ(2u, stored.m_dwSheetCount);
    file.SeekToBegin();
    DWORD dwCount = 0;
    file.Read(&dwCount, 4);
    EXPECT_EQ(2u, dwCount);

    CExcelTabTestDoc loaded;
    file.SeekToBegin();
    {
        CArchive ar(&file, CArchive::load);
        loaded.CGXExcelDocAdapter::Serialize(ar);
    }
    EXPECT_EQ(2u, loaded.m_dwSheetCount);
    EXPECT_EQ(2u, loaded.GetReader()->GetSheetCount());
    CGXGridParam* p0 = loaded.GetGridParam(0);
    CGXGridParam* p1 = loaded.GetGridParam(1);
    ASSERT_TRUE(p0 != NULL && p1 != NULL && p0 != p1);
    EXPECT_EQ(77, p1->m_nDefaultColWidth);
    EXPECT_NE(77, p0->m_nDefaultColWidth);
    // The first sheet's objects are every sheet's.
    ASSERT_TRUE(p0->GetStylesMap() != NULL);
    EXPECT_EQ(p0->GetStylesMap(), loaded.m_pStylesMap);
    EXPECT_EQ(p0->GetStylesMap(), p1->GetStylesMap());
    EXPECT_EQ(p0->GetProperties(), p1->GetProperties());
}
