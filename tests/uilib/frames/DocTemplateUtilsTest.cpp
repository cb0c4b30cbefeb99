// Template look-up by file type and by document, view and frame.
#include "SecMdiFixture.h"
#include "mfc/DocManager.h"
#include "uilib/frames/mdi/DocTemplateUtils.h"

using namespace testing_support;

namespace
{
class CSecOtherView : public CView
{
    DECLARE_DYNCREATE(CSecOtherView)

  public:
    void OnDraw(CDC*) override
    {
    }
};
IMPLEMENT_DYNCREATE(CSecOtherView, CView)

// A second template of the same file type, with another view, for one test.
struct CSecondTemplate
{
    SECMultiDocTemplate* m_pTemplate;
    CSecondTemplate()
    {
        SecTestTemplate();
        m_pTemplate = new SECMultiDocTemplate(IDR_SECDOC_TYPE, RUNTIME_CLASS(CSecTestDoc), NULL,
                                              RUNTIME_CLASS(CSecOtherView));
        AfxGetApp()->AddDocTemplate(m_pTemplate);
    }
    ~CSecondTemplate()
    {
        CPtrList& list = AfxGetApp()->m_pDocManager->m_templateList;
        list.RemoveAt(list.Find(m_pTemplate));
        delete m_pTemplate;
    }
};
} // namespace

TEST(DocTemplateUtils, TemplatesOfOneFileTypeAreCountedInOrder)
{
    CSecondTemplate second;
    SECDocTemplateUtils utils;
    const CString strType(_T("Helvon.Doku"));
    EXPECT_EQ(0, utils.GetTemplateIndex(SecTestTemplate(), strType));
    EXPECT_EQ(1, utils.GetTemplateIndex(second.m_pTemplate, strType));
    EXPECT_EQ(-1, utils.GetTemplateIndex(second.m_pTemplate, CString(_T("Helvon.Andere"))));
    EXPECT_EQ(SecTestTemplate(), utils.FindTemplate(strType, 0));
    EXPECT_EQ(second.m_pTemplate, utils.FindTemplate(strType, 1));
    EXPECT_EQ(nullptr, utils.FindTemplate(strType, 2));
    // By the file-type name instead of the id.
    SECDocTemplateUtils byName(FALSE);
    EXPECT_EQ(1, byName.GetTemplateIndex(second.m_pTemplate, CString(_T("Doku"))));
    EXPECT_EQ(-1, byName.GetTemplateIndex(second.m_pTemplate, strType));
}

TEST(DocTemplateUtils, IdentifyFindsTheTemplateByViewAndFrameClasses)
{
    CSecondTemplate second;
    CSecMdiFixture fixture;
    SECDocTemplateUtils utils;
    CDocument* pDoc = fixture.OpenDocument(FALSE);
    CDocument* pDocked = fixture.OpenDocument(TRUE);
    // Both templates share document class and resource: the view class tells them apart.
    EXPECT_EQ(SecTestTemplate(),
              utils.IdentifyDocTemplate(pDoc, CSecMdiFixture::ViewOf(pDoc), CSecMdiFixture::FrameOf(pDoc)));
    EXPECT_EQ(SecTestTemplate(), utils.IdentifyDocTemplate(pDocked, CSecMdiFixture::ViewOf(pDocked),
                                                           CSecMdiFixture::FrameOf(pDocked)));
    EXPECT_EQ(nullptr, utils.IdentifyDocTemplate(pDoc, NULL, CSecMdiFixture::FrameOf(pDoc)));
    EXPECT_EQ((UINT)IDR_SECDOC_TYPE, utils.GetFrameResourceID(CSecMdiFixture::FrameOf(pDocked)));
    EXPECT_EQ(0u, utils.GetFrameResourceID(NULL));
    EXPECT_EQ(RUNTIME_CLASS(SECDockableFrame), utils.GetFrameClass(SecTestTemplate(), TRUE));
    EXPECT_EQ(RUNTIME_CLASS(SECMDIChildWnd), utils.GetFrameClass(SecTestTemplate(), FALSE));
}
