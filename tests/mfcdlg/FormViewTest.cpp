// A form view from a dialog template: it joins its document, shows its members in its controls
// on the initial update, reads them back with UpdateData and refuses out-of-range input.
#include "DlgTestApp.h"
#include "TestSupport.h"

using namespace testing_support;

namespace
{
class CFormDoc : public CDocument
{
};

class CTestForm : public CFormView
{
  public:
    CTestForm() : CFormView(IDD_FORM)
    {
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_INT, m_nValue);
        DDV_MinMaxInt(pDX, m_nValue, 0, 100);
        DDX_Text(pDX, IDC_TEXT, m_strText);
    }
    int m_nValue = 42;
    CString m_strText = "Vorgabe";
};

TEST(FormView, ShowsAndExchangesItsControlsValues)
{
    MessageBoxes boxes;
    CFormDoc* pDoc = new CFormDoc;
    pDoc->m_bAutoDelete = FALSE;
    CCreateContext context;
    context.m_pCurrentDoc = pDoc;
    CTestForm* pForm = new CTestForm;
    ASSERT_TRUE(pForm->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), AfxGetMainWnd(),
                              AFX_IDW_PANE_FIRST + 3, &context));
    EXPECT_EQ(pDoc, pForm->GetDocument());
    EXPECT_EQ(AFX_IDW_PANE_FIRST + 3, pForm->GetDlgCtrlID());
    EXPECT_TRUE(pForm->GetStyle() & WS_VISIBLE);
    CRect client;
    pForm->GetClientRect(&client);
    EXPECT_EQ(300, client.Width());
    ASSERT_NE(nullptr, pForm->GetDlgItem(IDC_INT));

    pForm->OnInitialUpdate();
    EXPECT_EQ("42", TextOf(pForm->GetDlgItem(IDC_INT)->m_hWnd));
    EXPECT_EQ("Vorgabe", TextOf(pForm->GetDlgItem(IDC_TEXT)->m_hWnd));

    pForm->GetDlgItem(IDC_INT)->SetWindowText("77");
    pForm->GetDlgItem(IDC_TEXT)->SetWindowText("Ge\xE4ndert");
    EXPECT_TRUE(pForm->UpdateData(TRUE));
    EXPECT_EQ(77, pForm->m_nValue);
    EXPECT_EQ("Ge\xE4ndert", pForm->m_strText);

    // Out of range: refused with the German text and the focus on the control.
    pForm->GetDlgItem(IDC_INT)->SetWindowText("500");
    boxes.Expect(IDOK, "ganze Zahl zwischen 0 und 100");
    EXPECT_FALSE(pForm->UpdateData(TRUE));
    EXPECT_EQ(0u, boxes.Pending());
    EXPECT_EQ(IDC_INT, FocusId());

    pForm->DestroyWindow();
    delete pDoc;
}
} // namespace
